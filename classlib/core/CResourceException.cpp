#include "classlib/core/CResourceException.h"

IMPLEMENT_DYNAMIC(CResourceException, CException)

CResourceException::CResourceException(BOOL bAutoDelete) : CException(bAutoDelete) {}

BOOL CResourceException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext) {
  return CopyErrorMessage("A required resource was unavailable.", lpszError, nMaxError,
                          pnHelpContext);
}

void AfxThrowResourceException() { throw new CResourceException; }
