#include "classlib/core/CArchiveException.h"

IMPLEMENT_DYNAMIC(CArchiveException, CException)

CArchiveException::CArchiveException(int cause, LPCSTR lpszArchiveName) : m_cause(cause) {
  if (lpszArchiveName != nullptr) m_strFileName = lpszArchiveName;
}

BOOL CArchiveException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext) {
  static const char* const formats[] = {
      "No error occurred.",
      "An unexpected error occurred while reading or writing %s.",
      "%s was opened for reading and cannot be written.",
      "%s ended before all of it could be read; it may be damaged.",
      "%s was opened for writing and cannot be read.",
      "%s has an unexpected format.",
      "%s holds an object of an unexpected type.",
      "%s holds an object of an unsupported version.",
  };
  return CopyCauseMessage(formats, m_cause, generic, m_strFileName, lpszError, nMaxError,
                          pnHelpContext);
}

void AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName) {
  throw new CArchiveException(cause, lpszArchiveName);
}
