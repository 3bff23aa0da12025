// The class library's string: a growable, zero-terminated run of bytes with
// value semantics.
//
// Every byte value from 1 to 255 is ordinary text (the Hebrew code pages live
// in 128..255). Bytes compare as unsigned values, so every byte above 127
// sorts after ASCII, as strcmp does. Case folding (MakeUpper, MakeLower,
// CompareNoCase) and white space (TrimLeft, TrimRight) are those of the "C"
// locale: ASCII only, never touching bytes above 127. Collate orders like
// Compare, which is what the "C" locale the program runs in does.
//
// A zero byte taken in through (LPCSTR, nLength) or GetBufferSetLength stays
// part of the string: length-based operations (copy, concatenation, Mid,
// searches, comparisons) treat it as a byte like any other, while a caller
// reading through LPCTSTR sees the text end there.
#pragma once

#include "classlib/core/WinTypes.h"

#include <cstdarg>

#ifndef _T
#define _T(x) x
#endif

// mingw builds C++ with its own C99 printf (__USE_MINGW_ANSI_STDIO), not msvcrt's.
#ifdef __MINGW32__
#define ZULTA_PRINTF_FORMAT gnu_printf
#else
#define ZULTA_PRINTF_FORMAT printf
#endif

class CString {
 public:
  CString();
  CString(const CString& stringSrc);
  CString(CString&& stringSrc) noexcept;
  CString(TCHAR ch, int nRepeat = 1);
  CString(LPCSTR lpch, int nLength);
  // A pointer below 0x10000 (MAKEINTRESOURCE) loads that string resource.
  CString(LPCSTR lpsz);
  CString(const unsigned char* psz);
  ~CString();

  int GetLength() const { return m_nDataLength; }
  BOOL IsEmpty() const { return m_nDataLength == 0; }
  // Keeps no buffer.
  void Empty();

  TCHAR GetAt(int nIndex) const;
  TCHAR operator[](int nIndex) const { return GetAt(nIndex); }
  void SetAt(int nIndex, TCHAR ch);
  operator LPCTSTR() const { return m_pchData; }

  CString& operator=(const CString& stringSrc);
  CString& operator=(CString&& stringSrc) noexcept;
  CString& operator=(TCHAR ch);
  CString& operator=(LPCSTR lpsz);
  CString& operator=(const unsigned char* psz);

  CString& operator+=(const CString& string);
  CString& operator+=(TCHAR ch);
  CString& operator+=(LPCTSTR lpsz);

  friend CString operator+(const CString& string1, const CString& string2);
  friend CString operator+(const CString& string, TCHAR ch);
  friend CString operator+(TCHAR ch, const CString& string);
  friend CString operator+(const CString& string, LPCTSTR lpsz);
  friend CString operator+(LPCTSTR lpsz, const CString& string);

  // Negative, zero or positive as this string sorts before, with or after
  // the other (see the top of this file for the byte order).
  int Compare(LPCTSTR lpsz) const;
  int Compare(const CString& string) const;
  int CompareNoCase(LPCTSTR lpsz) const;
  int CompareNoCase(const CString& string) const;
  int Collate(LPCTSTR lpsz) const;

  // Counts and positions out of range are clamped to the string.
  CString Mid(int nFirst, int nCount) const;
  CString Mid(int nFirst) const;
  CString Left(int nCount) const;
  CString Right(int nCount) const;
  // The leading run of bytes that are (are not) in the set.
  CString SpanIncluding(LPCTSTR lpszCharSet) const;
  CString SpanExcluding(LPCTSTR lpszCharSet) const;

  void MakeUpper();
  void MakeLower();
  void MakeReverse();

  // Both return the number of replacements. Occurrences of a substring are
  // replaced left to right without overlapping ("aaa": "aa" -> "b" is "ba").
  int Replace(TCHAR chOld, TCHAR chNew);
  int Replace(LPCTSTR lpszOld, LPCTSTR lpszNew);
  // Removes every occurrence; returns how many.
  int Remove(TCHAR chRemove);
  // Both return the new length. Insert clamps nIndex to the string (beyond
  // the end appends); Delete removes what exists of the range.
  int Insert(int nIndex, TCHAR ch);
  int Insert(int nIndex, LPCTSTR pstr);
  int Delete(int nIndex, int nCount = 1);

  // Without an argument, white space (space, \t, \n, \v, \f, \r).
  void TrimLeft();
  void TrimLeft(TCHAR chTarget);
  void TrimLeft(LPCTSTR lpszTargets);
  void TrimRight();
  void TrimRight(TCHAR chTarget);
  void TrimRight(LPCTSTR lpszTargets);

  // Positions, or -1 when not found. A negative start counts as 0.
  int Find(TCHAR ch) const;
  int Find(TCHAR ch, int nStart) const;
  int Find(LPCTSTR lpszSub) const;
  int Find(LPCTSTR lpszSub, int nStart) const;
  int ReverseFind(TCHAR ch) const;
  int FindOneOf(LPCTSTR lpszCharSet) const;

  // printf formatting, of any length. A CString argument is passed as
  // (LPCTSTR)str. The format may be this string itself.
  void Format(LPCTSTR lpszFormat, ...) __attribute__((format(ZULTA_PRINTF_FORMAT, 2, 3)));
  void FormatV(LPCTSTR lpszFormat, va_list argList)
      __attribute__((format(ZULTA_PRINTF_FORMAT, 2, 0)));

  // Through the loader installed with AfxSetStringLoader; FALSE, with the
  // string left empty, when there is none or it fails.
  BOOL LoadString(UINT nID);

  // A writable buffer with room for max(nMinBufLength, GetLength())
  // characters and a terminator, holding the current text. GetLength is
  // unchanged until ReleaseBuffer.
  LPTSTR GetBuffer(int nMinBufLength);
  // Sets the length to nNewLength (bytes beyond the old text are zero).
  LPTSTR GetBufferSetLength(int nNewLength);
  // Ends direct writing: the new length is nNewLength, or the length of the
  // zero-terminated text in the buffer for -1.
  void ReleaseBuffer(int nNewLength = -1);

 private:
  static CString WithCapacity(int nAlloc);
  bool IsShared() const;
  void Swap(CString& other) noexcept;
  void SetLength(int nLength);
  void AssignCopy(LPCSTR lpch, int nLength);
  void AppendCopy(LPCSTR lpch, int nLength);
  void Splice(int nIndex, int nRemove, LPCSTR lpch, int nLength);
  static CString Concat(LPCSTR lpch1, int nLength1, LPCSTR lpch2, int nLength2);
  template <typename Pred>
  void TrimLeftWhile(Pred inSet);
  template <typename Pred>
  void TrimRightWhile(Pred inSet);

  LPTSTR m_pchData;  // always zero-terminated; a shared "" until written
  int m_nDataLength;
  int m_nAllocLength;  // room for text, not counting the terminator
};

inline bool operator==(const CString& s1, const CString& s2) { return s1.Compare(s2) == 0; }
inline bool operator==(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) == 0; }
inline bool operator==(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) == 0; }
inline bool operator!=(const CString& s1, const CString& s2) { return s1.Compare(s2) != 0; }
inline bool operator!=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) != 0; }
inline bool operator!=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) != 0; }
inline bool operator<(const CString& s1, const CString& s2) { return s1.Compare(s2) < 0; }
inline bool operator<(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) < 0; }
inline bool operator<(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) > 0; }
inline bool operator>(const CString& s1, const CString& s2) { return s1.Compare(s2) > 0; }
inline bool operator>(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) > 0; }
inline bool operator>(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) < 0; }
inline bool operator<=(const CString& s1, const CString& s2) { return s1.Compare(s2) <= 0; }
inline bool operator<=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) <= 0; }
inline bool operator<=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) >= 0; }
inline bool operator>=(const CString& s1, const CString& s2) { return s1.Compare(s2) >= 0; }
inline bool operator>=(const CString& s1, LPCTSTR s2) { return s1.Compare(s2) >= 0; }
inline bool operator>=(LPCTSTR s1, const CString& s2) { return s2.Compare(s1) <= 0; }

// The source of CString::LoadString: fills rString with string resource nID
// and returns TRUE, or returns FALSE when there is no such string. The
// Windows half of the library installs one that reads the module's string
// table; nullptr removes it.
typedef BOOL (*AFX_STRING_LOADER)(UINT nID, CString& rString);
void AfxSetStringLoader(AFX_STRING_LOADER pfnLoader);
