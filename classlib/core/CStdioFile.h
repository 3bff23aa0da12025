// A buffered file over a C run-time stream, with text lines. In text mode
// (the default; typeBinary turns it off) a line may end in "\n" or "\r\n"
// and ReadString drops either; Windows streams also write "\n" as "\r\n".
#pragma once

#include "classlib/core/CFile.h"
#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"

#include <cstdio>

class CStdioFile : public CFile {
  DECLARE_DYNAMIC(CStdioFile)

 public:
  CStdioFile();
  // Wraps a stream that is already open; the destructor leaves it open.
  explicit CStdioFile(FILE* pOpenStream);
  CStdioFile(LPCSTR lpszFileName, UINT nOpenFlags);
  ~CStdioFile() override;

  BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;

  // Writes the text as it is (no line end is added).
  virtual void WriteString(LPCSTR lpsz);
  // At most nMax - 1 bytes, up to and including the first "\n"; nullptr at
  // the end of the file.
  virtual LPSTR ReadString(LPSTR lpsz, UINT nMax);
  // The next line without its line end; FALSE at the end of the file. A last
  // line without a line end is a line.
  virtual BOOL ReadString(CString& rString);

  UINT Read(void* lpBuf, UINT nCount) override;
  void Write(const void* lpBuf, UINT nCount) override;
  LONG Seek(LONG lOff, UINT nFrom) override;
  DWORD GetPosition() const override;
  DWORD GetLength() const override;
  void Flush() override;
  // Closes the stream (a wrapped one too) and throws if that fails.
  void Close() override;
  // Closes the stream if this object opened it; ignores any failure.
  void Abort() override;

  FILE* m_pStream;

 private:
  // From the operating-system half: a stream over a handle that CFile::Open
  // opened (nullptr with errno set, and the handle closed, on failure), and
  // the handle under a stream.
  static FILE* OpenStream(UINT_PTR hFile, UINT nOpenFlags);
  static UINT_PTR HandleOfStream(FILE* pStream);

  // Throws the stream's pending error, if any.
  void CheckStreamError() const;

  BOOL m_bText;
};
