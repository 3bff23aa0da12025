// An unbuffered binary file over an operating-system handle (a file
// descriptor outside Windows, a Win32 HANDLE on Windows). Failures throw
// CFileException; Open reports them through its pError argument instead.
#pragma once

#include "classlib/core/CFileException.h"
#include "classlib/core/CObject.h"
#include "classlib/core/CString.h"
#include "classlib/core/CTime.h"
#include "classlib/core/WinTypes.h"

struct CFileStatus {
  CTime m_ctime;  // creation time (the last status change outside Windows)
  CTime m_mtime;  // last write
  CTime m_atime;  // last read
  LONG m_size;
  BYTE m_attribute;  // CFile::Attribute bits
  BYTE _m_padding;
  char m_szFullName[MAX_PATH];
};

class CFile : public CObject {
  DECLARE_DYNAMIC(CFile)

 public:
  enum OpenFlags {
    modeRead = 0x0000,
    modeWrite = 0x0001,
    modeReadWrite = 0x0002,
    shareCompat = 0x0000,
    shareExclusive = 0x0010,
    shareDenyWrite = 0x0020,
    shareDenyRead = 0x0030,
    shareDenyNone = 0x0040,
    modeNoInherit = 0x0080,
    modeCreate = 0x1000,
    modeNoTruncate = 0x2000,
    typeText = 0x4000,    // CStdioFile only
    typeBinary = 0x8000,  // CStdioFile only
  };
  enum Attribute {
    normal = 0x00,
    readOnly = 0x01,
    hidden = 0x02,
    system = 0x04,
    volume = 0x08,
    directory = 0x10,
    archive = 0x20,
  };
  enum SeekPosition { begin = 0x0, current = 0x1, end = 0x2 };

  static constexpr UINT_PTR hFileNull = (UINT_PTR)-1;

  CFile();
  // Adopts a handle that is already open; the destructor leaves it open.
  explicit CFile(UINT_PTR hFile);
  // Opens the file or throws the CFileException that Open would report.
  CFile(LPCSTR lpszFileName, UINT nOpenFlags);
  // Closes the file if this object opened it; errors are ignored here.
  ~CFile() override;

  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;

  // FALSE on failure, with the cause, the OS error and the name in *pError
  // when pError is given. Share modes are honoured on Windows only.
  virtual BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);

  // The number of bytes read: fewer than nCount only at the end of the file.
  virtual UINT Read(void* lpBuf, UINT nCount);
  // Writes all of it or throws (diskFull when the system takes only part).
  virtual void Write(const void* lpBuf, UINT nCount);

  virtual LONG Seek(LONG lOff, UINT nFrom);
  void SeekToBegin() { Seek(0, begin); }
  DWORD SeekToEnd() { return (DWORD)Seek(0, end); }
  virtual DWORD GetPosition() const;
  virtual DWORD GetLength() const;
  // The position stays where it was, even beyond a shortened end.
  virtual void SetLength(DWORD dwNewLen);

  // Forces written data to the disk.
  virtual void Flush();
  // Closes the handle (adopted ones too) and throws if that fails.
  virtual void Close();
  // Closes the handle and ignores any failure.
  virtual void Abort();

  // The path given to Open, made absolute; the last part of it; and that
  // part without its extension.
  virtual CString GetFilePath() const;
  virtual CString GetFileName() const;
  virtual CString GetFileTitle() const;
  virtual void SetFilePath(LPCSTR lpszNewName);

  // FALSE when the file does not exist or cannot be examined.
  static BOOL GetStatus(LPCSTR lpszFileName, CFileStatus& rStatus);
  static void Remove(LPCSTR lpszFileName);
  // Fails when lpszNewName exists already.
  static void Rename(LPCSTR lpszOldName, LPCSTR lpszNewName);

  UINT_PTR m_hFile;
  BOOL m_bCloseOnDelete;

 protected:
  // Fills *pError (when given) for a failed Open.
  static void ReportOpenError(CFileException* pError, int cause, LONG lOsError,
                              LPCSTR lpszFileName);
  // The absolute form of a path, as the file name of an opened file.
  static CString FullPath(LPCSTR lpszFileName);
  // Takes on a handle Open has just opened: closed on delete, and named by
  // the full path.
  void TakeOpened(UINT_PTR hFile, LPCSTR lpszFileName);
  // Forgets the handle and the name once the handle is closed.
  void ForgetHandle();
  // Puts the full path into rStatus; FALSE when it is too long for it.
  static BOOL FillFullName(LPCSTR lpszFileName, CFileStatus& rStatus);

  CString m_strFileName;
};
