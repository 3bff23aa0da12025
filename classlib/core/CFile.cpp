// The parts of CFile that need no operating-system call; the rest is in
// CFile_posix.cpp and CFile_win32.cpp.
#include "classlib/core/CFile.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CFile, CObject)

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE) {}

CFile::CFile(UINT_PTR hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE) {}

CFile::CFile(LPCSTR lpszFileName, UINT nOpenFlags) : CFile() {
  CFileException error;
  if (!Open(lpszFileName, nOpenFlags, &error)) {
    AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
  }
}

CFile::~CFile() {
  if (m_hFile != hFileNull && m_bCloseOnDelete) Abort();
}

void CFile::ReportOpenError(CFileException* pError, int cause, LONG lOsError, LPCSTR lpszFileName) {
  if (pError == nullptr) return;
  pError->m_cause = cause;
  pError->m_lOsError = lOsError;
  pError->m_strFileName = lpszFileName;
}

void CFile::TakeOpened(UINT_PTR hFile, LPCSTR lpszFileName) {
  m_hFile = hFile;
  m_bCloseOnDelete = TRUE;
  m_strFileName = FullPath(lpszFileName);
}

void CFile::ForgetHandle() {
  m_hFile = hFileNull;
  m_bCloseOnDelete = FALSE;
  m_strFileName.Empty();
}

BOOL CFile::FillFullName(LPCSTR lpszFileName, CFileStatus& rStatus) {
  const CString fullName = FullPath(lpszFileName);
  if (fullName.GetLength() >= (int)sizeof rStatus.m_szFullName) return FALSE;
  std::memcpy(rStatus.m_szFullName, (LPCSTR)fullName, fullName.GetLength() + 1);
  return TRUE;
}

CString CFile::GetFilePath() const { return m_strFileName; }

CString CFile::GetFileName() const {
  // Windows paths may use either separator.
  const int slash = m_strFileName.ReverseFind('/');
  const int backslash = m_strFileName.ReverseFind('\\');
  return m_strFileName.Mid((slash > backslash ? slash : backslash) + 1);
}

CString CFile::GetFileTitle() const {
  const CString name = GetFileName();
  const int dot = name.ReverseFind('.');
  return dot > 0 ? name.Left(dot) : name;
}

void CFile::SetFilePath(LPCSTR lpszNewName) { m_strFileName = lpszNewName; }
