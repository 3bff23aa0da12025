// The root of the class library's exceptions. Exceptions are thrown by
// pointer to a heap object (`throw new CFileException(...)`), caught by
// pointer, and released with Delete() by whoever handles them.
#pragma once

#include "classlib/core/CObject.h"
#include "classlib/core/WinTypes.h"

#include <cstddef>

class CException : public CObject {
  DECLARE_DYNAMIC(CException)

 public:
  // bAutoDelete is FALSE only for exception objects that are not on the heap
  // (static or on the stack), which Delete() must leave alone.
  explicit CException(BOOL bAutoDelete = TRUE);

  // Frees a heap exception once it has been handled.
  void Delete();

  // Copies a text describing the error into lpszError (at most nMaxError
  // bytes, terminator included). FALSE when the exception has no text.
  virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr);

#ifdef _WIN32
  // Shows the error's message in a message box of type nType and returns the
  // button pressed; without a message, string nMessageID, else a generic
  // text. The Windows half of the class library defines it: portable code
  // never shows UI.
  int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);
#endif

 protected:
  // Copies lpszMessage into the caller's buffer, truncated to fit.
  static BOOL CopyErrorMessage(LPCSTR lpszMessage, LPSTR lpszError, UINT nMaxError,
                               UINT* pnHelpContext);
  // The same for a message about a file: lpszFormat holds one %s, which
  // becomes the file's name.
  static BOOL CopyFileErrorMessage(LPCSTR lpszFormat, LPCSTR lpszFileName, LPSTR lpszError,
                                   UINT nMaxError, UINT* pnHelpContext);
  // The same with the format for cause taken from a table of them; a cause
  // the table does not know has the generic one.
  template <size_t N>
  static BOOL CopyCauseMessage(const char* const (&formats)[N], int cause, int generic,
                               LPCSTR lpszFileName, LPSTR lpszError, UINT nMaxError,
                               UINT* pnHelpContext) {
    const char* format = formats[cause >= 0 && cause < (int)N ? cause : generic];
    return CopyFileErrorMessage(format, lpszFileName, lpszError, nMaxError, pnHelpContext);
  }

  BOOL m_bAutoDelete;
};

class CMemoryException : public CException {
  DECLARE_DYNAMIC(CMemoryException)

 public:
  explicit CMemoryException(BOOL bAutoDelete = TRUE);
  BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) override;
};

// Throws the one preallocated CMemoryException: there may be no memory left
// for a new one.
[[noreturn]] void AfxThrowMemoryException();

// Deletes the exception caught by CATCH when its handler ends, unless the
// handler passed it on with THROW_LAST.
struct CExceptionLink {
  CException* m_pException;
  ~CExceptionLink() {
    if (m_pException != nullptr) m_pException->Delete();
  }
};

#define TRY try {
#define CATCH(class_name, e) \
  }                          \
  catch (class_name * e) {   \
    CExceptionLink _afxExceptionLink{e};
#define AND_CATCH(class_name, e) CATCH(class_name, e)
#define END_CATCH }
#define CATCH_ALL(e) CATCH(CException, e)
#define AND_CATCH_ALL(e) CATCH(CException, e)
#define END_CATCH_ALL }
#define THROW(e) throw e
#define THROW_LAST()                          \
  do {                                        \
    _afxExceptionLink.m_pException = nullptr; \
    throw;                                    \
  } while (0)
