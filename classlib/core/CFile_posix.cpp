// CFile over POSIX file descriptors.
#ifndef _WIN32

#include "classlib/core/CFile.h"
#include "classlib/core/CFileOpenFlags.h"

#include "classlib/core/Debug.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int DescriptorOf(UINT_PTR hFile) { return (int)hFile; }

}  // namespace

CString CFile::FullPath(LPCSTR lpszFileName) {
  std::error_code error;
  const std::filesystem::path full = std::filesystem::absolute(lpszFileName, error);
  return error ? CString(lpszFileName) : CString(full.lexically_normal().c_str());
}

BOOL CFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
  ASSERT(m_hFile == hFileNull);
  int flags = AccessFor(nOpenFlags, O_RDONLY, O_WRONLY, O_RDWR) |
              CreationFor(nOpenFlags, 0, O_CREAT, O_CREAT | O_TRUNC);
  if (nOpenFlags & modeNoInherit) flags |= O_CLOEXEC;

  int fd;
  do {
    fd = open(lpszFileName, flags, 0666);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    const int error = errno;
    ReportOpenError(pError, CFileException::ErrnoToException(error), error, lpszFileName);
    return FALSE;
  }
  // A directory opens for reading here, but is no file to read or write (as
  // on Windows, where opening it fails).
  struct stat info;
  if (fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    close(fd);
    ReportOpenError(pError, CFileException::accessDenied, EISDIR, lpszFileName);
    return FALSE;
  }
  TakeOpened((UINT_PTR)fd, lpszFileName);
  return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount) {
  ASSERT(m_hFile != hFileNull);
  UINT nRead = 0;
  while (nRead < nCount) {
    const ssize_t n = read(DescriptorOf(m_hFile), (char*)lpBuf + nRead, nCount - nRead);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      CFileException::ThrowOsError(errno, m_strFileName);
    }
    nRead += (UINT)n;
  }
  return nRead;
}

void CFile::Write(const void* lpBuf, UINT nCount) {
  ASSERT(m_hFile != hFileNull);
  UINT nWritten = 0;
  while (nWritten < nCount) {
    const ssize_t n =
        write(DescriptorOf(m_hFile), (const char*)lpBuf + nWritten, nCount - nWritten);
    if (n == 0) AfxThrowFileException(CFileException::diskFull, ENOSPC, m_strFileName);
    if (n < 0) {
      if (errno == EINTR) continue;
      CFileException::ThrowOsError(errno, m_strFileName);
    }
    nWritten += (UINT)n;
  }
}

LONG CFile::Seek(LONG lOff, UINT nFrom) {
  ASSERT(m_hFile != hFileNull);
  const int whence = nFrom == begin ? SEEK_SET : nFrom == current ? SEEK_CUR : SEEK_END;
  const off_t position = lseek(DescriptorOf(m_hFile), lOff, whence);
  if (position < 0) AfxThrowFileException(CFileException::badSeek, errno, m_strFileName);
  return (LONG)position;
}

DWORD CFile::GetPosition() const {
  ASSERT(m_hFile != hFileNull);
  const off_t position = lseek(DescriptorOf(m_hFile), 0, SEEK_CUR);
  if (position < 0) AfxThrowFileException(CFileException::badSeek, errno, m_strFileName);
  return (DWORD)position;
}

DWORD CFile::GetLength() const {
  ASSERT(m_hFile != hFileNull);
  struct stat info;
  if (fstat(DescriptorOf(m_hFile), &info) != 0) CFileException::ThrowOsError(errno, m_strFileName);
  return (DWORD)info.st_size;
}

void CFile::SetLength(DWORD dwNewLen) {
  ASSERT(m_hFile != hFileNull);
  if (ftruncate(DescriptorOf(m_hFile), (off_t)dwNewLen) != 0) {
    CFileException::ThrowOsError(errno, m_strFileName);
  }
}

void CFile::Flush() {
  if (m_hFile == hFileNull) return;
  // Pipes and terminals cannot be synchronised, and need not be.
  if (fsync(DescriptorOf(m_hFile)) != 0 && errno != EINVAL) {
    CFileException::ThrowOsError(errno, m_strFileName);
  }
}

void CFile::Close() {
  const int fd = DescriptorOf(m_hFile);
  const CString name = m_strFileName;
  ForgetHandle();
  // After EINTR the descriptor is closed all the same.
  if (fd >= 0 && close(fd) != 0 && errno != EINTR) CFileException::ThrowOsError(errno, name);
}

void CFile::Abort() {
  if (m_hFile != hFileNull) close(DescriptorOf(m_hFile));
  ForgetHandle();
}

BOOL CFile::GetStatus(LPCSTR lpszFileName, CFileStatus& rStatus) {
  rStatus = CFileStatus();
  struct stat info;
  if (stat(lpszFileName, &info) != 0 || !FillFullName(lpszFileName, rStatus)) return FALSE;
  rStatus.m_ctime = CTime(info.st_ctime);
  rStatus.m_mtime = CTime(info.st_mtime);
  rStatus.m_atime = CTime(info.st_atime);
  rStatus.m_size = (LONG)info.st_size;
  rStatus.m_attribute = normal;
  if (S_ISDIR(info.st_mode)) rStatus.m_attribute |= directory;
  if (!(info.st_mode & S_IWUSR)) rStatus.m_attribute |= readOnly;
  return TRUE;
}

void CFile::Remove(LPCSTR lpszFileName) {
  if (unlink(lpszFileName) != 0) CFileException::ThrowOsError(errno, lpszFileName);
}

void CFile::Rename(LPCSTR lpszOldName, LPCSTR lpszNewName) {
  // rename() would replace an existing file; Windows refuses, and so do we.
  struct stat info;
  if (lstat(lpszNewName, &info) == 0) CFileException::ThrowOsError(EEXIST, lpszOldName);
  if (rename(lpszOldName, lpszNewName) != 0) CFileException::ThrowOsError(errno, lpszOldName);
}

#endif  // !_WIN32
