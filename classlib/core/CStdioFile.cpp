// The portable part of CStdioFile; CStdioFile_posix.cpp and
// CStdioFile_win32.cpp put streams over handles.
#include "classlib/core/CStdioFile.h"

#include "classlib/core/Debug.h"

#include <cerrno>
#include <string>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

CStdioFile::CStdioFile() : m_pStream(nullptr), m_bText(TRUE) {}

CStdioFile::CStdioFile(FILE* pOpenStream)
    : CFile(HandleOfStream(pOpenStream)), m_pStream(pOpenStream), m_bText(TRUE) {}

CStdioFile::CStdioFile(LPCSTR lpszFileName, UINT nOpenFlags) : CStdioFile() {
  CFileException error;
  if (!Open(lpszFileName, nOpenFlags, &error)) {
    AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
  }
}

CStdioFile::~CStdioFile() {
  if (m_pStream != nullptr && m_bCloseOnDelete) Abort();
}

BOOL CStdioFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
  ASSERT(m_pStream == nullptr);
  if (!CFile::Open(lpszFileName, nOpenFlags, pError)) return FALSE;
  m_pStream = OpenStream(m_hFile, nOpenFlags);
  if (m_pStream == nullptr) {
    const int error = errno;
    ForgetHandle();
    ReportOpenError(pError, CFileException::ErrnoToException(error), error, lpszFileName);
    return FALSE;
  }
  m_bText = (nOpenFlags & typeBinary) == 0;
  return TRUE;
}

void CStdioFile::CheckStreamError() const {
  if (ferror(m_pStream)) {
    const int error = errno;
    clearerr(m_pStream);
    CFileException::ThrowErrno(error, m_strFileName);
  }
}

void CStdioFile::WriteString(LPCSTR lpsz) {
  ASSERT(m_pStream != nullptr);
  if (fputs(lpsz, m_pStream) == EOF) CFileException::ThrowErrno(errno, m_strFileName);
}

LPSTR CStdioFile::ReadString(LPSTR lpsz, UINT nMax) {
  ASSERT(m_pStream != nullptr && lpsz != nullptr && nMax > 0);
  UINT length = 0;
  int ch = 0;
  while (length + 1 < nMax && (ch = getc(m_pStream)) != EOF) {
    lpsz[length++] = (char)ch;
    if (ch == '\n') break;
  }
  lpsz[length] = '\0';
  CheckStreamError();
  if (length == 0 && ch == EOF) return nullptr;
  if (m_bText && length >= 2 && lpsz[length - 2] == '\r' && lpsz[length - 1] == '\n') {
    lpsz[length - 2] = '\n';
    lpsz[length - 1] = '\0';
  }
  return lpsz;
}

BOOL CStdioFile::ReadString(CString& rString) {
  ASSERT(m_pStream != nullptr);
  std::string line;
  int ch;
  bool atLineEnd = false;
  while ((ch = getc(m_pStream)) != EOF) {
    if (ch == '\n') {
      atLineEnd = true;
      break;
    }
    line += (char)ch;
  }
  CheckStreamError();
  if (!atLineEnd && line.empty()) {
    rString.Empty();
    return FALSE;
  }
  if (atLineEnd && m_bText && !line.empty() && line.back() == '\r') line.pop_back();
  rString = CString(line.data(), (int)line.size());
  return TRUE;
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount) {
  ASSERT(m_pStream != nullptr);
  const size_t nRead = fread(lpBuf, 1, nCount, m_pStream);
  CheckStreamError();
  return (UINT)nRead;
}

void CStdioFile::Write(const void* lpBuf, UINT nCount) {
  ASSERT(m_pStream != nullptr);
  if (fwrite(lpBuf, 1, nCount, m_pStream) != nCount) {
    CFileException::ThrowErrno(errno, m_strFileName);
  }
}

LONG CStdioFile::Seek(LONG lOff, UINT nFrom) {
  ASSERT(m_pStream != nullptr);
  const int whence = nFrom == begin ? SEEK_SET : nFrom == current ? SEEK_CUR : SEEK_END;
  if (fseek(m_pStream, lOff, whence) != 0) {
    AfxThrowFileException(CFileException::badSeek, errno, m_strFileName);
  }
  return (LONG)GetPosition();
}

DWORD CStdioFile::GetPosition() const {
  ASSERT(m_pStream != nullptr);
  const long position = ftell(m_pStream);
  if (position < 0) AfxThrowFileException(CFileException::badSeek, errno, m_strFileName);
  return (DWORD)position;
}

DWORD CStdioFile::GetLength() const {
  // Through the stream, so that data still in its buffer counts.
  const long position = (long)GetPosition();
  if (fseek(m_pStream, 0, SEEK_END) != 0) {
    AfxThrowFileException(CFileException::badSeek, errno, m_strFileName);
  }
  const DWORD length = GetPosition();
  fseek(m_pStream, position, SEEK_SET);
  return length;
}

void CStdioFile::Flush() {
  if (m_pStream != nullptr && fflush(m_pStream) != 0) {
    CFileException::ThrowErrno(errno, m_strFileName);
  }
}

void CStdioFile::Close() {
  ASSERT(m_pStream != nullptr);
  const CString name = m_strFileName;
  // fclose closes the handle under the stream too.
  const int result = fclose(m_pStream);
  const int error = errno;
  m_pStream = nullptr;
  ForgetHandle();
  if (result != 0) CFileException::ThrowErrno(error, name);
}

void CStdioFile::Abort() {
  if (m_pStream != nullptr && m_bCloseOnDelete) fclose(m_pStream);
  m_pStream = nullptr;
  ForgetHandle();
}
