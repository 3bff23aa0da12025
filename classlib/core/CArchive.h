// A buffered stream of typed values over a CFile, for loading or for storing.
// Values are stored little-endian whatever the machine: BYTE and char in one
// byte, WORD and short in two, int, unsigned, LONG, DWORD and float in four,
// double in eight. Reading past the end throws CArchiveException(endOfFile);
// errors of the file itself arrive as CFileExceptions.
#pragma once

#include "classlib/core/CFile.h"
#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"

#include <type_traits>

class CDocument;

class CArchive {
 public:
  enum Mode { store = 0, load = 1, bNoFlushOnDelete = 2 };

  // lpBuf, when given, is a buffer of nBufSize bytes that the archive uses
  // instead of allocating its own.
  CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = nullptr);
  // Flushes, unless closed, aborted or made with bNoFlushOnDelete. A failure
  // of that flush is lost: call Close to hear of it.
  ~CArchive();

  CArchive(const CArchive&) = delete;
  CArchive& operator=(const CArchive&) = delete;

  BOOL IsLoading() const { return (m_nMode & load) != 0; }
  BOOL IsStoring() const { return (m_nMode & load) == 0; }
  CFile* GetFile() const { return m_pFile; }

  // The number of bytes read: fewer than nMax only at the end of the file.
  UINT Read(void* lpBuf, UINT nMax);
  void Write(const void* lpBuf, UINT nMax);
  // Storing: writes the buffer to the file. Loading: moves the file back to
  // the first byte not yet taken from the buffer.
  void Flush();
  // Flushes and lets go of the file, which stays open.
  void Close();
  // Lets go of the file without flushing.
  void Abort();

  // Text lines: WriteString writes the text as it is (no line end is added);
  // ReadString reads up to a "\n" and drops it and a "\r" before it.
  void WriteString(LPCSTR lpsz);
  // At most nMax - 1 bytes of the line; nullptr at the end of the file.
  LPSTR ReadString(LPSTR lpsz, UINT nMax);
  // FALSE at the end of the file; a last line without a line end is a line.
  BOOL ReadString(CString& rString);

  // A count below 0xFFFF as a WORD, a larger one as 0xFFFF and a DWORD.
  DWORD ReadCount();
  void WriteCount(DWORD dwCount);

  CArchive& operator<<(BYTE by);
  CArchive& operator<<(WORD w);
  CArchive& operator<<(short s);
  CArchive& operator<<(char ch);
  CArchive& operator<<(int i);
  CArchive& operator<<(unsigned u);
  CArchive& operator<<(float f);
  CArchive& operator<<(double d);

  CArchive& operator>>(BYTE& by);
  CArchive& operator>>(WORD& w);
  CArchive& operator>>(short& s);
  CArchive& operator>>(char& ch);
  CArchive& operator>>(int& i);
  CArchive& operator>>(unsigned& u);
  CArchive& operator>>(float& f);
  CArchive& operator>>(double& d);

#ifdef _WIN32
  CArchive& operator<<(LONG l);
  CArchive& operator<<(DWORD dw);
  CArchive& operator>>(LONG& l);
  CArchive& operator>>(DWORD& dw);
#else
  // Here LONG and DWORD are int and unsigned, served by the overloads above.
  static_assert(std::is_same<LONG, int>::value && std::is_same<DWORD, unsigned>::value,
                "LONG and DWORD");
#endif

  CString m_strFileName;   // the file's path, for error reports
  CDocument* m_pDocument;  // the document being loaded or stored, if any

 private:
  // count bytes of value, least significant first.
  void StoreBytes(ULONGLONG value, int count);
  ULONGLONG LoadBytes(int count);
  // The next byte, or -1 at the end of the file.
  int ReadByte();

  CFile* m_pFile;
  UINT m_nMode;
  UINT m_nBufSize;
  BOOL m_bUserBuf;
  BYTE* m_lpBufStart;
  BYTE* m_lpBufCur;  // next byte to take (loading) or to fill (storing)
  BYTE* m_lpBufMax;  // end of the data read (loading) or of the buffer (storing)
};

// A length prefix, then the bytes: below 255 a BYTE; below 0xFFFE 0xFF and
// a WORD; otherwise 0xFF, 0xFFFF and a DWORD.
CArchive& operator<<(CArchive& ar, const CString& string);
CArchive& operator>>(CArchive& ar, CString& string);
