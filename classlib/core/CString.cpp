#include "classlib/core/CString.h"

#include "classlib/core/Debug.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace {

// What every string without a buffer of its own points at; never written.
char g_emptyText[1] = "";

AFX_STRING_LOADER g_pfnStringLoader = nullptr;

// A null string pointer reads as "".
LPCSTR SafeText(LPCSTR lpsz) { return lpsz ? lpsz : ""; }
int SafeLength(LPCSTR lpsz) { return lpsz ? (int)strlen(lpsz) : 0; }

// A length that fits a CString, or a thrown length_error.
int CheckedLength(int64_t nLength) {
  if (nLength > INT_MAX - 1) throw std::length_error("CString too long");
  return (int)nLength;
}

bool IsCSpace(unsigned char ch) { return ch == ' ' || (ch >= '\t' && ch <= '\r'); }
unsigned char FoldLower(unsigned char ch) {
  return (ch >= 'A' && ch <= 'Z') ? ch + ('a' - 'A') : ch;
}

// Byte order on unsigned values, shorter first when one is the other's start.
template <typename Fold>
int CompareBytes(LPCSTR p1, int n1, LPCSTR p2, int n2, Fold fold) {
  const int n = std::min(n1, n2);
  for (int i = 0; i < n; ++i) {
    const unsigned char c1 = fold((unsigned char)p1[i]), c2 = fold((unsigned char)p2[i]);
    if (c1 != c2) return c1 < c2 ? -1 : 1;
  }
  return n1 == n2 ? 0 : (n1 < n2 ? -1 : 1);
}
unsigned char NoFold(unsigned char ch) { return ch; }

// Position of the first occurrence of needle in text at or after nStart, or -1.
int FindBytes(LPCSTR text, int nText, int nStart, LPCSTR needle, int nNeedle) {
  const char* end = text + nText;
  const char* found = std::search(text + nStart, end, needle, needle + nNeedle);
  return (found == end && nNeedle > 0) ? -1 : (int)(found - text);
}

bool InSet(LPCTSTR lpszSet, char ch) { return ch != '\0' && lpszSet && strchr(lpszSet, ch); }

}  // namespace

void AfxSetStringLoader(AFX_STRING_LOADER pfnLoader) { g_pfnStringLoader = pfnLoader; }

CString::CString() : m_pchData(g_emptyText), m_nDataLength(0), m_nAllocLength(0) {}

CString::CString(const CString& stringSrc) : CString() {
  AssignCopy(stringSrc.m_pchData, stringSrc.m_nDataLength);
}

CString::CString(CString&& stringSrc) noexcept : CString() { Swap(stringSrc); }

CString::CString(TCHAR ch, int nRepeat) : CString() {
  if (nRepeat <= 0) return;
  *this = WithCapacity(nRepeat);
  memset(m_pchData, ch, nRepeat);
  SetLength(nRepeat);
}

CString::CString(LPCSTR lpch, int nLength) : CString() {
  if (nLength > 0) AssignCopy(lpch, nLength);
}

CString::CString(LPCSTR lpsz) : CString() {
  if (lpsz != nullptr && (uintptr_t)lpsz <= 0xFFFF) {
    LoadString((UINT)(uintptr_t)lpsz);
  } else {
    AssignCopy(SafeText(lpsz), SafeLength(lpsz));
  }
}

CString::CString(const unsigned char* psz) : CString((LPCSTR)psz) {}

CString::~CString() {
  if (!IsShared()) delete[] m_pchData;
}

CString CString::WithCapacity(int nAlloc) {
  CString result;
  result.m_pchData = new char[(size_t)nAlloc + 1]();
  result.m_nAllocLength = nAlloc;
  return result;
}

bool CString::IsShared() const { return m_pchData == g_emptyText; }

void CString::Swap(CString& other) noexcept {
  std::swap(m_pchData, other.m_pchData);
  std::swap(m_nDataLength, other.m_nDataLength);
  std::swap(m_nAllocLength, other.m_nAllocLength);
}

void CString::SetLength(int nLength) {
  m_nDataLength = nLength;
  if (!IsShared()) m_pchData[nLength] = '\0';
}

// lpch may point into this string.
void CString::AssignCopy(LPCSTR lpch, int nLength) {
  if (nLength <= m_nAllocLength) {
    memmove(m_pchData, lpch, nLength);
    SetLength(nLength);
    return;
  }
  CString copy = WithCapacity(nLength);
  memcpy(copy.m_pchData, lpch, nLength);
  copy.SetLength(nLength);
  Swap(copy);
}

// lpch may point into this string; growth doubles so that appending in a
// loop stays linear.
void CString::AppendCopy(LPCSTR lpch, int nLength) {
  if (nLength <= 0) return;
  const int nNewLength = CheckedLength((int64_t)m_nDataLength + nLength);
  if (IsShared() || nNewLength > m_nAllocLength) {
    CString grown = WithCapacity(std::max(nNewLength, std::min(INT_MAX / 2, m_nAllocLength) * 2));
    memcpy(grown.m_pchData, m_pchData, m_nDataLength);
    memcpy(grown.m_pchData + m_nDataLength, lpch, nLength);
    grown.SetLength(nNewLength);
    Swap(grown);
    return;
  }
  memmove(m_pchData + m_nDataLength, lpch, nLength);
  SetLength(nNewLength);
}

// Replaces nRemove bytes at nIndex with nLength bytes at lpch, which may
// point into this string.
void CString::Splice(int nIndex, int nRemove, LPCSTR lpch, int nLength) {
  const int nTail = m_nDataLength - nIndex - nRemove;
  const int nNewLength = CheckedLength((int64_t)nIndex + nLength + nTail);
  CString result = WithCapacity(nNewLength);
  memcpy(result.m_pchData, m_pchData, nIndex);
  memcpy(result.m_pchData + nIndex, lpch, nLength);
  memcpy(result.m_pchData + nIndex + nLength, m_pchData + nIndex + nRemove, nTail);
  result.SetLength(nNewLength);
  Swap(result);
}

CString CString::Concat(LPCSTR lpch1, int nLength1, LPCSTR lpch2, int nLength2) {
  const int nLength = CheckedLength((int64_t)nLength1 + nLength2);
  CString result = WithCapacity(nLength);
  memcpy(result.m_pchData, lpch1, nLength1);
  memcpy(result.m_pchData + nLength1, lpch2, nLength2);
  result.SetLength(nLength);
  return result;
}

void CString::Empty() {
  CString empty;
  Swap(empty);
}

TCHAR CString::GetAt(int nIndex) const {
  ASSERT(nIndex >= 0 && nIndex < m_nDataLength);
  return m_pchData[nIndex];
}

void CString::SetAt(int nIndex, TCHAR ch) {
  ASSERT(nIndex >= 0 && nIndex < m_nDataLength);
  m_pchData[nIndex] = ch;
}

CString& CString::operator=(const CString& stringSrc) {
  AssignCopy(stringSrc.m_pchData, stringSrc.m_nDataLength);
  return *this;
}

CString& CString::operator=(CString&& stringSrc) noexcept {
  CString taken(std::move(stringSrc));
  Swap(taken);
  return *this;
}

CString& CString::operator=(TCHAR ch) {
  AssignCopy(&ch, 1);
  return *this;
}

CString& CString::operator=(LPCSTR lpsz) {
  AssignCopy(SafeText(lpsz), SafeLength(lpsz));
  return *this;
}

CString& CString::operator=(const unsigned char* psz) { return *this = (LPCSTR)psz; }

CString& CString::operator+=(const CString& string) {
  AppendCopy(string.m_pchData, string.m_nDataLength);
  return *this;
}

CString& CString::operator+=(TCHAR ch) {
  AppendCopy(&ch, 1);
  return *this;
}

CString& CString::operator+=(LPCTSTR lpsz) {
  AppendCopy(lpsz, SafeLength(lpsz));
  return *this;
}

CString operator+(const CString& string1, const CString& string2) {
  return CString::Concat(string1.m_pchData, string1.m_nDataLength, string2.m_pchData,
                         string2.m_nDataLength);
}

CString operator+(const CString& string, TCHAR ch) {
  return CString::Concat(string.m_pchData, string.m_nDataLength, &ch, 1);
}

CString operator+(TCHAR ch, const CString& string) {
  return CString::Concat(&ch, 1, string.m_pchData, string.m_nDataLength);
}

CString operator+(const CString& string, LPCTSTR lpsz) {
  return CString::Concat(string.m_pchData, string.m_nDataLength, SafeText(lpsz), SafeLength(lpsz));
}

CString operator+(LPCTSTR lpsz, const CString& string) {
  return CString::Concat(SafeText(lpsz), SafeLength(lpsz), string.m_pchData, string.m_nDataLength);
}

int CString::Compare(LPCTSTR lpsz) const {
  return CompareBytes(m_pchData, m_nDataLength, SafeText(lpsz), SafeLength(lpsz), NoFold);
}

int CString::Compare(const CString& string) const {
  return CompareBytes(m_pchData, m_nDataLength, string.m_pchData, string.m_nDataLength, NoFold);
}

int CString::CompareNoCase(LPCTSTR lpsz) const {
  return CompareBytes(m_pchData, m_nDataLength, SafeText(lpsz), SafeLength(lpsz), FoldLower);
}

int CString::CompareNoCase(const CString& string) const {
  return CompareBytes(m_pchData, m_nDataLength, string.m_pchData, string.m_nDataLength, FoldLower);
}

int CString::Collate(LPCTSTR lpsz) const { return Compare(lpsz); }

CString CString::Mid(int nFirst, int nCount) const {
  nFirst = std::min(std::max(nFirst, 0), m_nDataLength);
  nCount = std::min(std::max(nCount, 0), m_nDataLength - nFirst);
  return CString(m_pchData + nFirst, nCount);
}

CString CString::Mid(int nFirst) const { return Mid(nFirst, m_nDataLength); }

CString CString::Left(int nCount) const { return Mid(0, nCount); }

CString CString::Right(int nCount) const {
  nCount = std::min(std::max(nCount, 0), m_nDataLength);
  return Mid(m_nDataLength - nCount, nCount);
}

CString CString::SpanIncluding(LPCTSTR lpszCharSet) const {
  int n = 0;
  while (n < m_nDataLength && InSet(lpszCharSet, m_pchData[n])) ++n;
  return Left(n);
}

CString CString::SpanExcluding(LPCTSTR lpszCharSet) const {
  const int n = FindOneOf(lpszCharSet);
  return n < 0 ? *this : Left(n);
}

void CString::MakeUpper() {
  for (int i = 0; i < m_nDataLength; ++i) {
    if (m_pchData[i] >= 'a' && m_pchData[i] <= 'z') m_pchData[i] -= 'a' - 'A';
  }
}

void CString::MakeLower() {
  for (int i = 0; i < m_nDataLength; ++i) m_pchData[i] = (char)FoldLower(m_pchData[i]);
}

void CString::MakeReverse() { std::reverse(m_pchData, m_pchData + m_nDataLength); }

int CString::Replace(TCHAR chOld, TCHAR chNew) {
  if (chOld == chNew) return 0;
  int nCount = 0;
  for (int i = 0; i < m_nDataLength; ++i) {
    if (m_pchData[i] == chOld) {
      m_pchData[i] = chNew;
      ++nCount;
    }
  }
  return nCount;
}

int CString::Replace(LPCTSTR lpszOld, LPCTSTR lpszNew) {
  const int nOld = SafeLength(lpszOld);
  if (nOld == 0) return 0;
  const int nNew = SafeLength(lpszNew);
  // Built apart, so the arguments may point into this string.
  CString result;
  int nCount = 0;
  int nDone = 0;
  for (int nAt; (nAt = FindBytes(m_pchData, m_nDataLength, nDone, lpszOld, nOld)) >= 0;) {
    result.AppendCopy(m_pchData + nDone, nAt - nDone);
    result.AppendCopy(lpszNew, nNew);
    nDone = nAt + nOld;
    ++nCount;
  }
  if (nCount == 0) return 0;
  result.AppendCopy(m_pchData + nDone, m_nDataLength - nDone);
  Swap(result);
  return nCount;
}

int CString::Remove(TCHAR chRemove) {
  char* end = std::remove(m_pchData, m_pchData + m_nDataLength, chRemove);
  const int nCount = (int)(m_pchData + m_nDataLength - end);
  SetLength(m_nDataLength - nCount);
  return nCount;
}

int CString::Insert(int nIndex, TCHAR ch) {
  Splice(std::min(std::max(nIndex, 0), m_nDataLength), 0, &ch, 1);
  return m_nDataLength;
}

int CString::Insert(int nIndex, LPCTSTR pstr) {
  const int nLength = SafeLength(pstr);
  if (nLength > 0) Splice(std::min(std::max(nIndex, 0), m_nDataLength), 0, pstr, nLength);
  return m_nDataLength;
}

int CString::Delete(int nIndex, int nCount) {
  nIndex = std::max(nIndex, 0);
  if (nIndex < m_nDataLength && nCount > 0) {
    nCount = std::min(nCount, m_nDataLength - nIndex);
    memmove(m_pchData + nIndex, m_pchData + nIndex + nCount, m_nDataLength - nIndex - nCount);
    SetLength(m_nDataLength - nCount);
  }
  return m_nDataLength;
}

template <typename Pred>
void CString::TrimLeftWhile(Pred inSet) {
  int n = 0;
  while (n < m_nDataLength && inSet((unsigned char)m_pchData[n])) ++n;
  Delete(0, n);
}

template <typename Pred>
void CString::TrimRightWhile(Pred inSet) {
  int n = m_nDataLength;
  while (n > 0 && inSet((unsigned char)m_pchData[n - 1])) --n;
  if (n < m_nDataLength) SetLength(n);
}

void CString::TrimLeft() { TrimLeftWhile(IsCSpace); }
void CString::TrimLeft(TCHAR chTarget) {
  TrimLeftWhile([chTarget](unsigned char ch) { return ch == (unsigned char)chTarget; });
}
void CString::TrimLeft(LPCTSTR lpszTargets) {
  TrimLeftWhile([lpszTargets](unsigned char ch) { return InSet(lpszTargets, (char)ch); });
}
void CString::TrimRight() { TrimRightWhile(IsCSpace); }
void CString::TrimRight(TCHAR chTarget) {
  TrimRightWhile([chTarget](unsigned char ch) { return ch == (unsigned char)chTarget; });
}
void CString::TrimRight(LPCTSTR lpszTargets) {
  TrimRightWhile([lpszTargets](unsigned char ch) { return InSet(lpszTargets, (char)ch); });
}

int CString::Find(TCHAR ch) const { return Find(ch, 0); }

int CString::Find(TCHAR ch, int nStart) const {
  nStart = std::max(nStart, 0);
  if (nStart >= m_nDataLength) return -1;
  return FindBytes(m_pchData, m_nDataLength, nStart, &ch, 1);
}

int CString::Find(LPCTSTR lpszSub) const { return Find(lpszSub, 0); }

int CString::Find(LPCTSTR lpszSub, int nStart) const {
  nStart = std::max(nStart, 0);
  if (nStart > m_nDataLength) return -1;
  return FindBytes(m_pchData, m_nDataLength, nStart, lpszSub, SafeLength(lpszSub));
}

int CString::ReverseFind(TCHAR ch) const {
  for (int i = m_nDataLength - 1; i >= 0; --i) {
    if (m_pchData[i] == ch) return i;
  }
  return -1;
}

int CString::FindOneOf(LPCTSTR lpszCharSet) const {
  for (int i = 0; i < m_nDataLength; ++i) {
    if (InSet(lpszCharSet, m_pchData[i])) return i;
  }
  return -1;
}

void CString::Format(LPCTSTR lpszFormat, ...) {
  va_list argList;
  va_start(argList, lpszFormat);
  FormatV(lpszFormat, argList);
  va_end(argList);
}

void CString::FormatV(LPCTSTR lpszFormat, va_list argList) {
  va_list measureList;
  va_copy(measureList, argList);
  const int nLength = vsnprintf(nullptr, 0, lpszFormat, measureList);
  va_end(measureList);
  ASSERT(nLength >= 0);  // a format the C library rejects
  CString result = WithCapacity(std::max(nLength, 0));
  if (nLength > 0) vsnprintf(result.m_pchData, (size_t)nLength + 1, lpszFormat, argList);
  result.SetLength(std::max(nLength, 0));
  Swap(result);
}

BOOL CString::LoadString(UINT nID) {
  CString loaded;
  const BOOL bLoaded = g_pfnStringLoader != nullptr && g_pfnStringLoader(nID, loaded);
  if (bLoaded) {
    Swap(loaded);
  } else {
    Empty();
  }
  return bLoaded;
}

LPTSTR CString::GetBuffer(int nMinBufLength) {
  const int nAlloc = std::max(nMinBufLength, m_nDataLength);
  if (IsShared() || nAlloc > m_nAllocLength) {
    CString grown = WithCapacity(nAlloc);
    memcpy(grown.m_pchData, m_pchData, m_nDataLength);
    grown.SetLength(m_nDataLength);
    Swap(grown);
  }
  return m_pchData;
}

LPTSTR CString::GetBufferSetLength(int nNewLength) {
  nNewLength = std::max(nNewLength, 0);
  GetBuffer(nNewLength);
  SetLength(nNewLength);
  return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength) {
  if (nNewLength < 0) {
    // The buffer's last byte may have been overwritten too; stop at its end.
    const void* zero = memchr(m_pchData, '\0', m_nAllocLength);
    nNewLength = zero ? (int)((const char*)zero - m_pchData) : m_nAllocLength;
  }
  ASSERT(nNewLength <= m_nAllocLength);
  SetLength(std::min(nNewLength, m_nAllocLength));
}
