// Where portable file and RTF code shows its message boxes (an OK button).
#pragma once

#include "classlib/core/WinTypes.h"

class IMessageSink {
 public:
  // caption null: the system's default caption.
  virtual void ShowMessage(LPCSTR text, LPCSTR caption) = 0;

 protected:
  ~IMessageSink() = default;
};
