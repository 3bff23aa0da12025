// A file in memory. Its buffer grows in steps of nGrowBytes as data is
// written; writing beyond the end (after seeking there) fills the gap with
// zeros. A memory block can be attached instead: with nGrowBytes 0 it is a
// file of fixed size holding the block's contents, otherwise an empty file
// that may grow the block with realloc (so it must come from malloc).
#pragma once

#include "classlib/core/CFile.h"
#include "classlib/core/WinTypes.h"

class CMemFile : public CFile {
  DECLARE_DYNAMIC(CMemFile)

 public:
  explicit CMemFile(UINT nGrowBytes = 1024);
  CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
  // Frees the buffer unless it was attached.
  ~CMemFile() override;

  void Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
  // Gives up the buffer, which the caller frees with free(), and leaves the
  // file empty.
  BYTE* Detach();

  UINT Read(void* lpBuf, UINT nCount) override;
  // Throws CMemoryException when the file cannot grow.
  void Write(const void* lpBuf, UINT nCount) override;
  // Any position from 0 up is allowed; a negative one throws badSeek.
  LONG Seek(LONG lOff, UINT nFrom) override;
  DWORD GetPosition() const override;
  DWORD GetLength() const override;
  // A position beyond the new end moves back to it.
  void SetLength(DWORD dwNewLen) override;
  void Flush() override;
  void Close() override;
  void Abort() override;

 protected:
  // Makes room for dwNewLen bytes; the bytes added are zero.
  virtual void GrowFile(DWORD dwNewLen);

  UINT m_nGrowBytes;
  DWORD m_nPosition;
  DWORD m_nBufferSize;
  DWORD m_nFileSize;
  BYTE* m_lpBuffer;
  BOOL m_bAutoDelete;  // the buffer is ours to free
};
