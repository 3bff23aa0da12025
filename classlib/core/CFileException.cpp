#include "classlib/core/CFileException.h"

#include <cerrno>

IMPLEMENT_DYNAMIC(CFileException, CException)

CFileException::CFileException(int cause, LONG lOsError, LPCSTR lpszArchiveName)
    : m_cause(cause), m_lOsError(lOsError) {
  if (lpszArchiveName != nullptr) m_strFileName = lpszArchiveName;
}

BOOL CFileException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, UINT* pnHelpContext) {
  static const char* const formats[] = {
      "No error occurred.",
      "An unexpected error occurred while accessing %s.",
      "%s could not be found.",
      "The path of %s is not valid.",
      "%s could not be opened: too many files are open.",
      "Access to %s was denied.",
      "The file handle of %s is not valid.",
      "%s could not be removed: it is the current folder.",
      "%s could not be created: the folder is full.",
      "A seek in %s failed.",
      "A hardware error occurred while accessing %s.",
      "%s is in use by another program.",
      "Part of %s is locked by another program.",
      "The disk is full; %s could not be written.",
      "%s ended before all of it could be read.",
  };
  return CopyCauseMessage(formats, m_cause, generic, m_strFileName, lpszError, nMaxError,
                          pnHelpContext);
}

void CFileException::ThrowOsError(LONG lOsError, LPCSTR lpszFileName) {
  AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

void CFileException::ThrowErrno(int nErrno, LPCSTR lpszFileName) {
  AfxThrowFileException(ErrnoToException(nErrno), nErrno, lpszFileName);
}

int CFileException::ErrnoToException(int nErrno) {
  switch (nErrno) {
    case 0: return none;
    case ENOENT: return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EXDEV:
    case ELOOP: return badPath;
    case EMFILE:
    case ENFILE: return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EEXIST:
    case ENOTEMPTY: return accessDenied;
    case EBADF: return invalidFile;
    case ESPIPE: return badSeek;
    case EIO: return hardIO;
    case EBUSY:
    case ETXTBSY: return sharingViolation;
    case EDEADLK:
    case ENOLCK: return lockViolation;
    case ENOSPC:
    case EFBIG:
#ifdef EDQUOT  // not in the Windows run-time
    case EDQUOT:
#endif
      return diskFull;
    default: return generic;
  }
}

#ifndef _WIN32
// Outside Windows the operating system's error codes are errno values.
int CFileException::OsErrorToException(LONG lOsError) { return ErrnoToException((int)lOsError); }
#endif

void AfxThrowFileException(int cause, LONG lOsError, LPCSTR lpszFileName) {
  throw new CFileException(cause, lOsError, lpszFileName);
}
