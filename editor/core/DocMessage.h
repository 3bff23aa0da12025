// A message box that portable editor code asks for: the code returns it, and
// the window that ran the operation shows it (an OK button).
#pragma once

#include <vector>

#include "classlib/core/CString.h"

struct DocMessage {
  CString text;
  CString caption;  // empty: the system's default caption
};

typedef std::vector<DocMessage> DocMessageList;
