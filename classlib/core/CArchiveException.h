// The error of an archive operation: the archive's format or mode, as opposed
// to the file under it (whose errors are CFileExceptions).
#pragma once

#include "classlib/core/CException.h"
#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"

class CArchiveException : public CException {
  DECLARE_DYNAMIC(CArchiveException)

 public:
  enum { none, generic, readOnly, endOfFile, writeOnly, badIndex, badClass, badSchema };

  explicit CArchiveException(int cause = none, LPCSTR lpszArchiveName = nullptr);

  BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) override;

  int m_cause;
  CString m_strFileName;
};

[[noreturn]] void AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName = nullptr);
