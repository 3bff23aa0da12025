// The error of a file operation: what went wrong (m_cause), the operating
// system's own error code (m_lOsError: errno outside Windows, GetLastError on
// Windows) and the file it concerns.
#pragma once

#include "classlib/core/CException.h"
#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"

class CFileException : public CException {
  DECLARE_DYNAMIC(CFileException)

 public:
  enum {
    none,
    generic,
    fileNotFound,
    badPath,
    tooManyOpenFiles,
    accessDenied,
    invalidFile,
    removeCurrentDir,
    directoryFull,
    badSeek,
    hardIO,
    sharingViolation,
    lockViolation,
    diskFull,
    endOfFile
  };

  explicit CFileException(int cause = none, LONG lOsError = -1, LPCSTR lpszArchiveName = nullptr);

  BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) override;

  // Throw the cause that matches an operating-system error code (errno
  // outside Windows, a Win32 error code on Windows), or a C run-time errno.
  [[noreturn]] static void ThrowOsError(LONG lOsError, LPCSTR lpszFileName = nullptr);
  [[noreturn]] static void ThrowErrno(int nErrno, LPCSTR lpszFileName = nullptr);
  static int OsErrorToException(LONG lOsError);
  static int ErrnoToException(int nErrno);

  int m_cause;
  LONG m_lOsError;
  CString m_strFileName;
};

[[noreturn]] void AfxThrowFileException(int cause, LONG lOsError = -1,
                                        LPCSTR lpszFileName = nullptr);
