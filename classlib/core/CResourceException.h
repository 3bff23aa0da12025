// Thrown when a Windows resource (a GDI object, a menu, a loaded resource)
// cannot be made or found.
#pragma once

#include "classlib/core/CException.h"

class CResourceException : public CException {
  DECLARE_DYNAMIC(CResourceException)

 public:
  explicit CResourceException(BOOL bAutoDelete = TRUE);
  BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) override;
};

[[noreturn]] void AfxThrowResourceException();
