// Messages for the user from portable code. The Windows side installs a sink
// that shows each one in a message box with no owner and no caption; without
// a sink (tools, tests) they go to the standard error stream.
#pragma once

#include "classlib/core/WinTypes.h"

class IUserMessageSink {
 public:
  virtual void ShowMessage(LPCSTR text) = 0;

 protected:
  ~IUserMessageSink() = default;
};

// Installs the sink (null: the standard error stream) and returns the old one.
IUserMessageSink* SetUserMessageSink(IUserMessageSink* sink);

void ShowUserMessage(LPCSTR text);
