#include "classlib/core/CException.h"

#include "classlib/core/CString.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)

CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete) {}

void CException::Delete() {
  if (m_bAutoDelete) delete this;
}

BOOL CException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext) {
  if (pnHelpContext != nullptr) *pnHelpContext = 0;
  if (lpszError != nullptr && nMaxError > 0) lpszError[0] = '\0';
  return FALSE;
}

BOOL CException::CopyErrorMessage(LPCSTR lpszMessage, LPSTR lpszError, UINT nMaxError,
                                  UINT* pnHelpContext) {
  if (pnHelpContext != nullptr) *pnHelpContext = 0;
  if (lpszError == nullptr || nMaxError == 0) return FALSE;
  size_t length = std::strlen(lpszMessage);
  if (length > nMaxError - 1) length = nMaxError - 1;
  std::memcpy(lpszError, lpszMessage, length);
  lpszError[length] = '\0';
  return TRUE;
}

BOOL CException::CopyFileErrorMessage(LPCSTR lpszFormat, LPCSTR lpszFileName, LPSTR lpszError,
                                      UINT nMaxError, UINT* pnHelpContext) {
  CString message;
  message.Format(lpszFormat, *lpszFileName != '\0' ? lpszFileName : "an unnamed file");
  return CopyErrorMessage(message, lpszError, nMaxError, pnHelpContext);
}

CMemoryException::CMemoryException(BOOL bAutoDelete) : CException(bAutoDelete) {}

BOOL CMemoryException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext) {
  return CopyErrorMessage("Out of memory.", lpszError, nMaxError, pnHelpContext);
}

void AfxThrowMemoryException() {
  static CMemoryException outOfMemory(FALSE);
  throw &outOfMemory;
}
