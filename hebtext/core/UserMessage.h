// A message for the user from portable code. Portable code never shows UI: an
// operation returns what it has to say, and the window that ran it shows each
// message in a message box with an OK button.
#pragma once

#include <vector>

#include "classlib/core/CString.h"

struct UserMessage {
  CString text;
  CString caption;  // empty: the system's default caption
};

typedef std::vector<UserMessage> UserMessageList;
