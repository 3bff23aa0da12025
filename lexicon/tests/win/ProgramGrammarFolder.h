// Test helper: the folder of the grammar files compiled beside the program.
#pragma once

#include <cstdlib>
#include <string>

inline std::string GrammarBinFolder() {
  const char* binary = std::getenv("ZULTA_BINARY_DIR");
  std::string folder = std::string("Z:") + (binary ? binary : "") + "/Zulta/bin/";
  for (char& c : folder)
    if (c == '/') c = '\\';
  return folder;
}
