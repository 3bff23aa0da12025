#include "classlib/core/CMemFile.h"

#include "classlib/core/CException.h"
#include "classlib/core/Debug.h"

#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CMemFile, CFile)

CMemFile::CMemFile(UINT nGrowBytes)
    : m_nGrowBytes(nGrowBytes),
      m_nPosition(0),
      m_nBufferSize(0),
      m_nFileSize(0),
      m_lpBuffer(nullptr),
      m_bAutoDelete(TRUE) {}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes) : CMemFile() {
  Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile() { Abort(); }

void CMemFile::Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes) {
  ASSERT(m_lpBuffer == nullptr);
  m_nGrowBytes = nGrowBytes;
  m_nPosition = 0;
  m_nBufferSize = nBufferSize;
  m_nFileSize = nGrowBytes == 0 ? nBufferSize : 0;
  m_lpBuffer = lpBuffer;
  m_bAutoDelete = FALSE;
}

BYTE* CMemFile::Detach() {
  BYTE* buffer = m_lpBuffer;
  m_lpBuffer = nullptr;
  m_nFileSize = 0;
  m_nBufferSize = 0;
  m_nPosition = 0;
  m_bAutoDelete = TRUE;  // whatever the file allocates from now on is its own
  return buffer;
}

void CMemFile::GrowFile(DWORD dwNewLen) {
  if (dwNewLen > m_nBufferSize) {
    // A fixed block cannot grow.
    if (m_nGrowBytes == 0) AfxThrowMemoryException();
    const ULONGLONG rounded =
        ((ULONGLONG)dwNewLen + m_nGrowBytes - 1) / m_nGrowBytes * m_nGrowBytes;
    const DWORD newSize = rounded > 0xFFFFFFFFu ? 0xFFFFFFFFu : (DWORD)rounded;
    BYTE* grown = (BYTE*)std::realloc(m_lpBuffer, newSize);
    if (grown == nullptr) AfxThrowMemoryException();
    m_lpBuffer = grown;
    m_nBufferSize = newSize;
  }
  // Bytes past the old end may hold anything (an attached block's old
  // contents, earlier data cut off by SetLength).
  if (dwNewLen > m_nFileSize) std::memset(m_lpBuffer + m_nFileSize, 0, dwNewLen - m_nFileSize);
}

UINT CMemFile::Read(void* lpBuf, UINT nCount) {
  if (m_nPosition >= m_nFileSize) return 0;
  const DWORD available = m_nFileSize - m_nPosition;
  const UINT nRead = nCount < available ? nCount : (UINT)available;
  std::memcpy(lpBuf, m_lpBuffer + m_nPosition, nRead);
  m_nPosition += nRead;
  return nRead;
}

void CMemFile::Write(const void* lpBuf, UINT nCount) {
  if (nCount == 0) return;
  if (nCount > 0xFFFFFFFFu - m_nPosition) AfxThrowMemoryException();
  const DWORD newEnd = m_nPosition + nCount;
  if (newEnd > m_nFileSize) {
    GrowFile(newEnd);
    m_nFileSize = newEnd;
  }
  std::memcpy(m_lpBuffer + m_nPosition, lpBuf, nCount);
  m_nPosition = newEnd;
}

LONG CMemFile::Seek(LONG lOff, UINT nFrom) {
  LONGLONG position = lOff;
  if (nFrom == current) position += m_nPosition;
  if (nFrom == end) position += m_nFileSize;
  if (position < 0 || position > 0x7FFFFFFF) {
    AfxThrowFileException(CFileException::badSeek, -1, m_strFileName);
  }
  m_nPosition = (DWORD)position;
  return (LONG)position;
}

DWORD CMemFile::GetPosition() const { return m_nPosition; }

DWORD CMemFile::GetLength() const { return m_nFileSize; }

void CMemFile::SetLength(DWORD dwNewLen) {
  if (dwNewLen > m_nFileSize) GrowFile(dwNewLen);
  m_nFileSize = dwNewLen;
  if (m_nPosition > dwNewLen) m_nPosition = dwNewLen;
}

void CMemFile::Flush() {}

void CMemFile::Close() { Abort(); }

void CMemFile::Abort() {
  if (m_bAutoDelete) std::free(m_lpBuffer);
  m_lpBuffer = nullptr;
  m_nPosition = 0;
  m_nBufferSize = 0;
  m_nFileSize = 0;
  m_bAutoDelete = TRUE;
}
