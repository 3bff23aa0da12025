// Which target of the test application took each routed command.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

struct RoutedCommand {
  std::string target;  // "view", "document", "template", "child frame", "main frame", "application"
  UINT nID;
};

std::vector<RoutedCommand>& RoutedCommands();

inline void RecordRoute(const char* target, UINT nID) { RoutedCommands().push_back({target, nID}); }
