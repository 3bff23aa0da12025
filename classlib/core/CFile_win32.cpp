// CFile over Win32 file handles.
#ifdef _WIN32

#include "classlib/core/CFile.h"
#include "classlib/core/CFileOpenFlags.h"

#include "classlib/core/Debug.h"

namespace {

HANDLE HandleOf(UINT_PTR hFile) { return (HANDLE)hFile; }

// Seconds since 1970 from a FILETIME (100 ns units since 1601).
CTime TimeOf(const FILETIME& fileTime) {
  const ULONGLONG ticks = ((ULONGLONG)fileTime.dwHighDateTime << 32) | fileTime.dwLowDateTime;
  const ULONGLONG ticksTo1970 = 116444736000000000ULL;
  return CTime((time_t)(((LONGLONG)ticks - (LONGLONG)ticksTo1970) / 10000000));
}

}  // namespace

CString CFile::FullPath(LPCSTR lpszFileName) {
  char full[MAX_PATH];
  const DWORD length = GetFullPathNameA(lpszFileName, sizeof full, full, nullptr);
  return length == 0 || length >= sizeof full ? CString(lpszFileName) : CString(full, (int)length);
}

BOOL CFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
  ASSERT(m_hFile == hFileNull);
  const DWORD access =
      AccessFor<DWORD>(nOpenFlags, GENERIC_READ, GENERIC_WRITE, GENERIC_READ | GENERIC_WRITE);
  DWORD share;
  switch (nOpenFlags & 0x70) {
    case shareDenyWrite: share = FILE_SHARE_READ; break;
    case shareDenyRead: share = FILE_SHARE_WRITE; break;
    case shareDenyNone: share = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
    default:  // shareCompat and shareExclusive
      share = 0;
      break;
  }
  const DWORD creation = CreationFor<DWORD>(nOpenFlags, OPEN_EXISTING, OPEN_ALWAYS, CREATE_ALWAYS);
  SECURITY_ATTRIBUTES security = {sizeof security, nullptr, (nOpenFlags & modeNoInherit) == 0};

  const HANDLE handle =
      CreateFileA(lpszFileName, access, share, &security, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    const LONG error = (LONG)GetLastError();
    ReportOpenError(pError, CFileException::OsErrorToException(error), error, lpszFileName);
    return FALSE;
  }
  TakeOpened((UINT_PTR)handle, lpszFileName);
  return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount) {
  ASSERT(m_hFile != hFileNull);
  DWORD nRead = 0;
  if (nCount > 0 && !ReadFile(HandleOf(m_hFile), lpBuf, nCount, &nRead, nullptr)) {
    CFileException::ThrowOsError((LONG)GetLastError(), m_strFileName);
  }
  return nRead;
}

void CFile::Write(const void* lpBuf, UINT nCount) {
  ASSERT(m_hFile != hFileNull);
  if (nCount == 0) return;
  DWORD nWritten = 0;
  if (!WriteFile(HandleOf(m_hFile), lpBuf, nCount, &nWritten, nullptr)) {
    CFileException::ThrowOsError((LONG)GetLastError(), m_strFileName);
  }
  if (nWritten != nCount) {
    AfxThrowFileException(CFileException::diskFull, ERROR_DISK_FULL, m_strFileName);
  }
}

LONG CFile::Seek(LONG lOff, UINT nFrom) {
  ASSERT(m_hFile != hFileNull);
  const DWORD method = nFrom == begin ? FILE_BEGIN : nFrom == current ? FILE_CURRENT : FILE_END;
  LARGE_INTEGER distance, position;
  distance.QuadPart = lOff;
  if (!SetFilePointerEx(HandleOf(m_hFile), distance, &position, method)) {
    AfxThrowFileException(CFileException::badSeek, (LONG)GetLastError(), m_strFileName);
  }
  return (LONG)position.QuadPart;
}

DWORD CFile::GetPosition() const {
  ASSERT(m_hFile != hFileNull);
  LARGE_INTEGER zero, position;
  zero.QuadPart = 0;
  if (!SetFilePointerEx(HandleOf(m_hFile), zero, &position, FILE_CURRENT)) {
    AfxThrowFileException(CFileException::badSeek, (LONG)GetLastError(), m_strFileName);
  }
  return (DWORD)position.QuadPart;
}

DWORD CFile::GetLength() const {
  ASSERT(m_hFile != hFileNull);
  LARGE_INTEGER size;
  if (!GetFileSizeEx(HandleOf(m_hFile), &size)) {
    CFileException::ThrowOsError((LONG)GetLastError(), m_strFileName);
  }
  return (DWORD)size.QuadPart;
}

void CFile::SetLength(DWORD dwNewLen) {
  // The end of a Windows file is wherever the file pointer is when
  // SetEndOfFile is called; the caller's position is put back afterwards.
  const LONG position = (LONG)GetPosition();
  LARGE_INTEGER length;
  length.QuadPart = dwNewLen;
  if (!SetFilePointerEx(HandleOf(m_hFile), length, nullptr, FILE_BEGIN) ||
      !SetEndOfFile(HandleOf(m_hFile))) {
    const LONG error = (LONG)GetLastError();
    Seek(position, begin);
    CFileException::ThrowOsError(error, m_strFileName);
  }
  Seek(position, begin);
}

void CFile::Flush() {
  if (m_hFile == hFileNull) return;
  if (!FlushFileBuffers(HandleOf(m_hFile))) {
    CFileException::ThrowOsError((LONG)GetLastError(), m_strFileName);
  }
}

void CFile::Close() {
  const HANDLE handle = HandleOf(m_hFile);
  const CString name = m_strFileName;
  ForgetHandle();
  if (handle != INVALID_HANDLE_VALUE && !CloseHandle(handle)) {
    CFileException::ThrowOsError((LONG)GetLastError(), name);
  }
}

void CFile::Abort() {
  if (m_hFile != hFileNull) CloseHandle(HandleOf(m_hFile));
  ForgetHandle();
}

BOOL CFile::GetStatus(LPCSTR lpszFileName, CFileStatus& rStatus) {
  rStatus = CFileStatus();
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(lpszFileName, GetFileExInfoStandard, &data) ||
      !FillFullName(lpszFileName, rStatus)) {
    return FALSE;
  }
  rStatus.m_ctime = TimeOf(data.ftCreationTime);
  rStatus.m_mtime = TimeOf(data.ftLastWriteTime);
  rStatus.m_atime = TimeOf(data.ftLastAccessTime);
  rStatus.m_size = (LONG)data.nFileSizeLow;
  // The attribute bits are the low FILE_ATTRIBUTE_ bits (not NORMAL, 0x80).
  rStatus.m_attribute =
      (BYTE)(data.dwFileAttributes & (readOnly | hidden | system | volume | directory | archive));
  return TRUE;
}

void CFile::Remove(LPCSTR lpszFileName) {
  if (!DeleteFileA(lpszFileName)) CFileException::ThrowOsError((LONG)GetLastError(), lpszFileName);
}

void CFile::Rename(LPCSTR lpszOldName, LPCSTR lpszNewName) {
  if (!MoveFileA(lpszOldName, lpszNewName)) {
    CFileException::ThrowOsError((LONG)GetLastError(), lpszOldName);
  }
}

#endif  // _WIN32
