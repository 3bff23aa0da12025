// The recently used files: a list of paths, most recent first, shown as
// menu items "&1 name", "&2 name", ... in place of the first command id,
// and kept in the profile as "File1", "File2", ... of one section.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/RecentPathList.h"
#include "classlib/core/WinTypes.h"

class CCmdUI;

class CRecentFileList {
 public:
  // nStart: the first command id; lpszEntryFormat: the profile entry names
  // ("File%d"); nMaxDispLen: the longest name shown in the menu (longer
  // paths are abbreviated with "...").
  CRecentFileList(UINT nStart, LPCSTR lpszSection, LPCSTR lpszEntryFormat, int nSize,
                  int nMaxDispLen = 30);
  virtual ~CRecentFileList() = default;

  int GetSize() const { return m_paths.GetMaxSize(); }
  CString& operator[](int nIndex) { return m_paths[nIndex]; }
  const CString& operator[](int nIndex) const { return m_paths[nIndex]; }

  // Puts the path's full form at the top, removing an equal one (compared
  // without case).
  virtual void Add(LPCSTR lpszPathName);
  virtual void Remove(int nIndex);

  // The name shown for entry nIndex: the file name alone when it is in
  // lpszCurDir, else the path abbreviated to nMaxDispLen. FALSE when empty.
  virtual BOOL GetDisplayName(CString& strName, int nIndex, LPCSTR lpszCurDir, int nCurDir,
                              BOOL bAtLeastName = TRUE) const;
  // Puts the entries in the menu in place of the item of pCmdUI (the first
  // command id); without entries the item stays, greyed.
  virtual void UpdateMenu(CCmdUI* pCmdUI);

  virtual void ReadList();
  virtual void WriteList();

  UINT m_nStart;
  CString m_strSectionName;
  CString m_strEntryFormat;
  int m_nMaxDisplayLength;
  // The menu text of an empty list: the item's own text when first seen.
  CString m_strOriginal;

 protected:
  RecentPathList m_paths;
};
