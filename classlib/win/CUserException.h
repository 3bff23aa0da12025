// Thrown to stop an operation the user was already told about (a failed
// data exchange has shown its message): whoever catches it says nothing more.
#pragma once

#include "classlib/core/CException.h"

class CUserException : public CException {
  DECLARE_DYNAMIC(CUserException)

 public:
  explicit CUserException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}
};

[[noreturn]] void AfxThrowUserException();
