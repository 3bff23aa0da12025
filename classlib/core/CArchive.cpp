#include "classlib/core/CArchive.h"

#include "classlib/core/CArchiveException.h"
#include "classlib/core/CException.h"
#include "classlib/core/Debug.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* lpBuf)
    : m_strFileName(pFile->GetFilePath()),
      m_pDocument(nullptr),
      m_pFile(pFile),
      m_nMode(nMode),
      m_nBufSize(nBufSize > 0 ? (UINT)nBufSize : 0),
      m_bUserBuf(lpBuf != nullptr) {
  m_lpBufStart = (BYTE*)lpBuf;
  if (!m_bUserBuf && m_nBufSize > 0) {
    m_lpBufStart = (BYTE*)std::malloc(m_nBufSize);
    if (m_lpBufStart == nullptr) AfxThrowMemoryException();
  }
  m_lpBufCur = m_lpBufStart;
  m_lpBufMax = IsLoading() ? m_lpBufStart : m_lpBufStart + m_nBufSize;
}

CArchive::~CArchive() {
  if (m_pFile != nullptr && !(m_nMode & bNoFlushOnDelete)) {
    try {
      Flush();
    } catch (CException* e) {
      e->Delete();
    }
  }
  if (!m_bUserBuf) std::free(m_lpBufStart);
}

UINT CArchive::Read(void* lpBuf, UINT nMax) {
  if (IsStoring()) AfxThrowArchiveException(CArchiveException::writeOnly, m_strFileName);
  BYTE* target = (BYTE*)lpBuf;
  UINT nRead = 0;
  while (nRead < nMax) {
    if (m_lpBufCur == m_lpBufMax) {
      // Large requests go straight to the file, the rest through the buffer.
      const UINT wanted = nMax - nRead;
      if (wanted >= m_nBufSize) {
        const UINT n = m_pFile->Read(target + nRead, wanted);
        nRead += n;
        if (n == 0) break;
        continue;
      }
      m_lpBufCur = m_lpBufStart;
      m_lpBufMax = m_lpBufStart + m_pFile->Read(m_lpBufStart, m_nBufSize);
      if (m_lpBufCur == m_lpBufMax) break;
    }
    const UINT available = (UINT)(m_lpBufMax - m_lpBufCur);
    const UINT n = nMax - nRead < available ? nMax - nRead : available;
    std::memcpy(target + nRead, m_lpBufCur, n);
    m_lpBufCur += n;
    nRead += n;
  }
  return nRead;
}

void CArchive::Write(const void* lpBuf, UINT nMax) {
  if (IsLoading()) AfxThrowArchiveException(CArchiveException::readOnly, m_strFileName);
  if (nMax <= (UINT)(m_lpBufMax - m_lpBufCur)) {
    if (nMax > 0) std::memcpy(m_lpBufCur, lpBuf, nMax);
    m_lpBufCur += nMax;
    return;
  }
  Flush();
  if (nMax < m_nBufSize) {
    std::memcpy(m_lpBufCur, lpBuf, nMax);
    m_lpBufCur += nMax;
  } else {
    m_pFile->Write(lpBuf, nMax);
  }
}

void CArchive::Flush() {
  if (IsLoading()) {
    if (m_lpBufCur != m_lpBufMax) m_pFile->Seek(-(LONG)(m_lpBufMax - m_lpBufCur), CFile::current);
    m_lpBufCur = m_lpBufMax = m_lpBufStart;
  } else {
    // The buffer counts as written even if writing fails, so that a failed
    // flush is not repeated by the destructor.
    const UINT buffered = (UINT)(m_lpBufCur - m_lpBufStart);
    m_lpBufCur = m_lpBufStart;
    if (buffered > 0) m_pFile->Write(m_lpBufStart, buffered);
  }
}

void CArchive::Close() {
  if (m_pFile != nullptr) Flush();
  m_pFile = nullptr;
}

void CArchive::Abort() { m_pFile = nullptr; }

int CArchive::ReadByte() {
  BYTE by;
  return Read(&by, 1) == 1 ? by : -1;
}

void CArchive::WriteString(LPCSTR lpsz) { Write(lpsz, (UINT)std::strlen(lpsz)); }

LPSTR CArchive::ReadString(LPSTR lpsz, UINT nMax) {
  ASSERT(lpsz != nullptr && nMax > 0);
  UINT length = 0;
  int ch = 0;
  while (length + 1 < nMax && (ch = ReadByte()) >= 0 && ch != '\n') lpsz[length++] = (char)ch;
  if (ch == '\n' && length > 0 && lpsz[length - 1] == '\r') --length;
  lpsz[length] = '\0';
  return length == 0 && ch < 0 ? nullptr : lpsz;
}

BOOL CArchive::ReadString(CString& rString) {
  std::string line;
  int ch;
  while ((ch = ReadByte()) >= 0 && ch != '\n') line += (char)ch;
  if (ch < 0 && line.empty()) {
    rString.Empty();
    return FALSE;
  }
  if (ch == '\n' && !line.empty() && line.back() == '\r') line.pop_back();
  rString = CString(line.data(), (int)line.size());
  return TRUE;
}

void CArchive::StoreBytes(ULONGLONG value, int count) {
  BYTE bytes[8];
  for (int i = 0; i < count; ++i) bytes[i] = (BYTE)(value >> (8 * i));
  Write(bytes, (UINT)count);
}

ULONGLONG CArchive::LoadBytes(int count) {
  BYTE bytes[8];
  if (Read(bytes, (UINT)count) != (UINT)count) {
    AfxThrowArchiveException(CArchiveException::endOfFile, m_strFileName);
  }
  ULONGLONG value = 0;
  for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[i];
  return value;
}

DWORD CArchive::ReadCount() {
  const WORD count = (WORD)LoadBytes(2);
  return count != 0xFFFF ? count : (DWORD)LoadBytes(4);
}

void CArchive::WriteCount(DWORD dwCount) {
  if (dwCount < 0xFFFF) {
    StoreBytes(dwCount, 2);
  } else {
    StoreBytes(0xFFFF, 2);
    StoreBytes(dwCount, 4);
  }
}

CArchive& CArchive::operator<<(BYTE by) {
  StoreBytes(by, 1);
  return *this;
}
CArchive& CArchive::operator<<(WORD w) {
  StoreBytes(w, 2);
  return *this;
}
CArchive& CArchive::operator<<(short s) {
  StoreBytes((WORD)s, 2);
  return *this;
}
CArchive& CArchive::operator<<(char ch) {
  StoreBytes((BYTE)ch, 1);
  return *this;
}
CArchive& CArchive::operator<<(int i) {
  StoreBytes((DWORD)i, 4);
  return *this;
}
CArchive& CArchive::operator<<(unsigned u) {
  StoreBytes((DWORD)u, 4);
  return *this;
}

CArchive& CArchive::operator<<(float f) {
  static_assert(sizeof(float) == 4, "IEEE single");
  DWORD bits;
  std::memcpy(&bits, &f, 4);
  StoreBytes(bits, 4);
  return *this;
}

CArchive& CArchive::operator<<(double d) {
  static_assert(sizeof(double) == 8, "IEEE double");
  ULONGLONG bits;
  std::memcpy(&bits, &d, 8);
  StoreBytes(bits, 8);
  return *this;
}

CArchive& CArchive::operator>>(BYTE& by) {
  by = (BYTE)LoadBytes(1);
  return *this;
}
CArchive& CArchive::operator>>(WORD& w) {
  w = (WORD)LoadBytes(2);
  return *this;
}
CArchive& CArchive::operator>>(short& s) {
  s = (short)LoadBytes(2);
  return *this;
}
CArchive& CArchive::operator>>(char& ch) {
  ch = (char)LoadBytes(1);
  return *this;
}
CArchive& CArchive::operator>>(int& i) {
  i = (int)(DWORD)LoadBytes(4);
  return *this;
}
CArchive& CArchive::operator>>(unsigned& u) {
  u = (unsigned)LoadBytes(4);
  return *this;
}

CArchive& CArchive::operator>>(float& f) {
  const DWORD bits = (DWORD)LoadBytes(4);
  std::memcpy(&f, &bits, 4);
  return *this;
}

CArchive& CArchive::operator>>(double& d) {
  const ULONGLONG bits = LoadBytes(8);
  std::memcpy(&d, &bits, 8);
  return *this;
}

#ifdef _WIN32
CArchive& CArchive::operator<<(LONG l) {
  StoreBytes((DWORD)l, 4);
  return *this;
}
CArchive& CArchive::operator<<(DWORD dw) {
  StoreBytes(dw, 4);
  return *this;
}
CArchive& CArchive::operator>>(LONG& l) {
  l = (LONG)(DWORD)LoadBytes(4);
  return *this;
}
CArchive& CArchive::operator>>(DWORD& dw) {
  dw = (DWORD)LoadBytes(4);
  return *this;
}
#endif

CArchive& operator<<(CArchive& ar, const CString& string) {
  const DWORD length = (DWORD)string.GetLength();
  if (length < 0xFF) {
    ar << (BYTE)length;
  } else if (length < 0xFFFE) {
    ar << (BYTE)0xFF << (WORD)length;
  } else {
    ar << (BYTE)0xFF << (WORD)0xFFFF << (DWORD)length;
  }
  ar.Write((LPCSTR)string, length);
  return ar;
}

namespace {

// The length before a stored string (see operator<<).
DWORD ReadStringLength(CArchive& ar) {
  BYTE byteLength;
  ar >> byteLength;
  if (byteLength < 0xFF) return byteLength;
  WORD wordLength;
  ar >> wordLength;
  // 0xFFFE announces a string of wide characters, which an ANSI program
  // cannot take.
  if (wordLength == 0xFFFE) AfxThrowArchiveException(CArchiveException::generic, ar.m_strFileName);
  if (wordLength < 0xFFFF) return wordLength;
  DWORD dwordLength;
  ar >> dwordLength;
  return dwordLength;
}

}  // namespace

CArchive& operator>>(CArchive& ar, CString& string) {
  const DWORD length = ReadStringLength(ar);
  if (length > (DWORD)INT_MAX)
    AfxThrowArchiveException(CArchiveException::generic, ar.m_strFileName);
  // The length may be damaged: memory grows with the bytes actually read,
  // never to the stated length at once.
  std::string text;
  while (text.size() < length) {
    const size_t have = text.size();
    const size_t step = have < 65536 ? 65536 : have;
    const size_t chunk = length - have < step ? length - have : step;
    text.resize(have + chunk);
    if (ar.Read(&text[have], (UINT)chunk) != chunk) {
      AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
    }
  }
  string = CString(text.data(), (int)length);
  return ar;
}
