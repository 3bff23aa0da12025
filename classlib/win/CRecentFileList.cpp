#include "classlib/win/CRecentFileList.h"

#include "classlib/core/AbbreviatePath.h"
#include "classlib/win/CCmdUI.h"
#include "classlib/win/CMenu.h"
#include "classlib/win/CWinApp.h"

CRecentFileList::CRecentFileList(UINT nStart, LPCSTR lpszSection, LPCSTR lpszEntryFormat,
                                 int nSize, int nMaxDispLen)
    : m_nStart(nStart),
      m_strSectionName(lpszSection),
      m_strEntryFormat(lpszEntryFormat),
      m_nMaxDisplayLength(nMaxDispLen),
      m_paths(nSize) {}

void CRecentFileList::Add(LPCSTR lpszPathName) {
  char szFull[MAX_PATH];
  LPSTR lpszFilePart = nullptr;
  DWORD nLength = ::GetFullPathNameA(lpszPathName, MAX_PATH, szFull, &lpszFilePart);
  m_paths.Add(nLength == 0 || nLength >= MAX_PATH ? lpszPathName : szFull);
}

void CRecentFileList::Remove(int nIndex) { m_paths.Remove(nIndex); }

BOOL CRecentFileList::GetDisplayName(CString& strName, int nIndex, LPCSTR lpszCurDir, int nCurDir,
                                     BOOL bAtLeastName) const {
  const CString& strPath = m_paths[nIndex];
  if (strPath.IsEmpty()) return FALSE;
  strName = strPath;
  // A file of the current folder shows by its name alone.
  const int nNameStart = strPath.ReverseFind('\\') + 1;
  if (lpszCurDir != nullptr && nCurDir == nNameStart &&
      strPath.Left(nCurDir).CompareNoCase(CString(lpszCurDir, nCurDir)) == 0)
    strName = strPath.Mid(nCurDir);
  if (m_nMaxDisplayLength >= 0)
    strName = AbbreviatePath(strName, m_nMaxDisplayLength, bAtLeastName != FALSE);
  return TRUE;
}

void CRecentFileList::UpdateMenu(CCmdUI* pCmdUI) {
  CMenu* pMenu = pCmdUI->m_pMenu;
  if (m_strOriginal.IsEmpty() && pMenu != nullptr)
    pMenu->GetMenuString(m_nStart, m_strOriginal, MF_BYCOMMAND);
  // The entries shown before go; the first one's item stays in place.
  if (pMenu != nullptr)
    for (int i = 1; i < GetSize(); ++i) pMenu->DeleteMenu(m_nStart + i, MF_BYCOMMAND);
  if (m_paths.GetCount() == 0) {
    if (!m_strOriginal.IsEmpty()) pCmdUI->SetText(m_strOriginal);
    pCmdUI->Enable(FALSE);
    if (pMenu != nullptr) pCmdUI->m_nIndexMax = pMenu->GetMenuItemCount();
    return;
  }
  if (pMenu == nullptr) return;

  char szCurDir[MAX_PATH + 1];
  DWORD nCurDir = ::GetCurrentDirectoryA(MAX_PATH, szCurDir);
  if (nCurDir == 0 || nCurDir >= MAX_PATH) nCurDir = 0;
  if (nCurDir > 0 && szCurDir[nCurDir - 1] != '\\') {
    szCurDir[nCurDir++] = '\\';
    szCurDir[nCurDir] = '\0';
  }

  pMenu->DeleteMenu(m_nStart, MF_BYCOMMAND);
  CString strName;
  for (int i = 0; i < GetSize(); ++i) {
    if (!GetDisplayName(strName, i, szCurDir, static_cast<int>(nCurDir))) break;
    pMenu->InsertMenu(pCmdUI->m_nIndex++, MF_STRING | MF_BYPOSITION, m_nStart + i,
                      RecentFileMenuText(i + 1, strName));
  }
  // The menu's update goes on after the entries, which are all enabled.
  --pCmdUI->m_nIndex;
  pCmdUI->m_nIndexMax = pMenu->GetMenuItemCount();
  pCmdUI->m_bEnableChanged = TRUE;
}

void CRecentFileList::ReadList() {
  CWinApp* pApp = AfxGetApp();
  CString strEntry;
  for (int i = 0; i < GetSize(); ++i) {
    strEntry.Format(m_strEntryFormat, i + 1);
    m_paths[i] = pApp->GetProfileString(m_strSectionName, strEntry, "");
  }
  // Gaps left by hand in the profile close up.
  for (int i = GetSize() - 1; i >= 0; --i)
    if (m_paths[i].IsEmpty()) m_paths.Remove(i);
}

void CRecentFileList::WriteList() {
  CWinApp* pApp = AfxGetApp();
  // Entries of a longer list written earlier go with the section.
  pApp->WriteProfileString(m_strSectionName, nullptr, nullptr);
  CString strEntry;
  for (int i = 0; i < m_paths.GetCount(); ++i) {
    strEntry.Format(m_strEntryFormat, i + 1);
    pApp->WriteProfileString(m_strSectionName, strEntry, m_paths[i]);
  }
}
