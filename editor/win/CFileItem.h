// One shell object of the file dialogs' lists: a desktop item, a drive, a
// folder or a file, with its identifier lists, icons, kind and display texts.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <ctime>

#include "classlib/core/CString.h"
#include "editor/core/FileItemKind.h"

// The size of a record whose file size is not known.
constexpr DWORD kUnknownFileSize = 0xFFFFFFFF;

// The shell objects one record holds: a reference of the folder that holds
// the object and its two identifier lists. A copy holds its own (one more
// folder reference and cloned lists), so records copy freely in arrays and
// each frees only what it holds; a move hands them over.
class FileItemShellObjects {
 public:
  FileItemShellObjects() = default;
  ~FileItemShellObjects();
  FileItemShellObjects(const FileItemShellObjects& other);
  FileItemShellObjects& operator=(const FileItemShellObjects& other);
  FileItemShellObjects(FileItemShellObjects&& other) noexcept;
  FileItemShellObjects& operator=(FileItemShellObjects&& other) noexcept;

  void Adopt(LPSHELLFOLDER pParentFolder, LPITEMIDLIST pidlRelative, LPITEMIDLIST pidlAbsolute);
  void AdoptIdLists(LPITEMIDLIST pidlRelative, LPITEMIDLIST pidlAbsolute);

  LPSHELLFOLDER m_pParentFolder = nullptr;
  LPITEMIDLIST m_pidlRelative = nullptr;
  LPITEMIDLIST m_pidlAbsolute = nullptr;

 private:
  void Release();
  void Swap(FileItemShellObjects& other) noexcept;
};

class CFileItem {
 public:
  // Takes over one reference of the folder that holds the object and both
  // lists (from the shell's allocator), releasing any held before.
  void AdoptShellObjects(LPSHELLFOLDER pParentFolder, LPITEMIDLIST pidlRelative,
                         LPITEMIDLIST pidlAbsolute) {
    m_shell.Adopt(pParentFolder, pidlRelative, pidlAbsolute);
  }
  // Takes over new lists after a rename; the parent folder stays.
  void AdoptIdLists(LPITEMIDLIST pidlRelative, LPITEMIDLIST pidlAbsolute) {
    m_shell.AdoptIdLists(pidlRelative, pidlAbsolute);
  }
  LPSHELLFOLDER GetParentFolder() const { return m_shell.m_pParentFolder; }
  LPCITEMIDLIST GetRelativeIdList() const { return m_shell.m_pidlRelative; }
  LPCITEMIDLIST GetAbsoluteIdList() const { return m_shell.m_pidlAbsolute; }

  // Icons, path and type name from the absolute list (left as they are when
  // the shell cannot say).
  void FillShellInfo();
  // The kind, and for file-system items the modification time, size and
  // their texts; for native documents the Hebrew title. Only while the kind
  // is unknown.
  void WorkOutKind();

  BOOL IsDrive() const { return m_kind == kFileKindDrive; }
  BOOL IsFolder() const { return m_kind == kFileKindFolder; }
  BOOL IsFile() const { return IsFileKind(m_kind); }
  BOOL IsFileSystemItem() const { return IsFileSystemKind(m_kind); }
  BOOL IsFileByFlag() const { return m_nIsFile == 1; }
  BOOL IsNotFile() const { return m_nIsFile == 0; }

  BOOL m_bPermanent = FALSE;  // a Look-in entry that survives pruning
  CString m_strName;          // display name
  CString m_strPath;          // empty outside the file system
  CString m_strTypeName;
  int m_nSmallIcon = -1;  // index in the system image list
  int m_nOpenIcon = -1;
  int m_nIndent = 0;   // in the Look-in box
  int m_nIsFile = -1;  // 1 file, 0 folder, -1 unknown
  FileItemKind m_kind = kFileKindUnknown;
  CString m_strHebrewTitle;
  DWORD m_dwSize = kUnknownFileSize;
  std::time_t m_modified = -1;
  CString m_strTimeText;
  CString m_strSizeText;

 private:
  void ReadFileStatus();

  FileItemShellObjects m_shell;
};
