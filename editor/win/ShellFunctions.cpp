#include "editor/win/ShellFunctions.h"

#include <vector>

#include "classlib/win/CWinApp.h"
#include "toolkit/win/CKWShellIdList.h"

namespace {

// Any drive's root serves to reach the system image list.
const char kImageListProbePath[] = "C:\\";
// SHGetPathFromIDListA writes at most a path's worth.
const int kPathChars = MAX_PATH;
const int kEndWaitCursor = -1;

int GetIdListIcon(LPCITEMIDLIST pidl, UINT extraFlags) {
  SHFILEINFOA info = {};
  info.iIcon = -1;
  if (!::SHGetFileInfoA(reinterpret_cast<LPCSTR>(pidl), 0, &info, sizeof info,
                        SHGFI_SYSICONINDEX | SHGFI_PIDL | SHGFI_SMALLICON | extraFlags))
    return -1;
  return info.iIcon;
}

}  // namespace

HIMAGELIST GetSystemSmallImageList() {
  SHFILEINFOA info = {};
  return reinterpret_cast<HIMAGELIST>(::SHGetFileInfoA(kImageListProbePath, 0, &info, sizeof info,
                                                       SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
}

CString GetIdListPath(LPCITEMIDLIST pidl) {
  char path[kPathChars] = {};
  if (!pidl || !::SHGetPathFromIDListA(pidl, path)) return CString();
  return CString(path);
}

CString GetIdListTypeName(LPCITEMIDLIST pidl) {
  SHFILEINFOA info = {};
  if (!pidl || !::SHGetFileInfoA(reinterpret_cast<LPCSTR>(pidl), 0, &info, sizeof info,
                                 SHGFI_TYPENAME | SHGFI_PIDL))
    return CString();
  return CString(info.szTypeName);
}

CString GetShellDisplayName(LPSHELLFOLDER pFolder, LPCITEMIDLIST pidl, DWORD dwFlags) {
  char name[CKWShellIdList::kNameChars];
  CKWShellIdList lists;
  if (!pFolder || !lists.GetDisplayName(pFolder, pidl, dwFlags, name)) return CString();
  return CString(name);
}

LPITEMIDLIST ParseShellPath(LPCSTR path, BOOL wantAttributes) {
  const int wideChars = ::MultiByteToWideChar(CP_ACP, 0, path, -1, nullptr, 0);
  if (wideChars <= 0) return nullptr;
  std::vector<WCHAR> wide(static_cast<size_t>(wideChars));
  ::MultiByteToWideChar(CP_ACP, 0, path, -1, wide.data(), wideChars);
  LPSHELLFOLDER pDesktop = nullptr;
  if (FAILED(::SHGetDesktopFolder(&pDesktop))) return nullptr;
  LPITEMIDLIST pidl = nullptr;
  ULONG eaten = 0;
  ULONG attributes = wantAttributes ? SFGAO_SHARE : 0;
  if (FAILED(pDesktop->ParseDisplayName(nullptr, nullptr, wide.data(), &eaten, &pidl,
                                        wantAttributes ? &attributes : nullptr)))
    pidl = nullptr;
  pDesktop->Release();
  return pidl;
}

LPITEMIDLIST CopyFirstIdentifier(LPCITEMIDLIST pidl) {
  if (!pidl) return nullptr;
  LPMALLOC pMalloc = nullptr;
  if (FAILED(::SHGetMalloc(&pMalloc))) return nullptr;
  LPITEMIDLIST pidlFirst = CKWShellIdList().CopyFirstItemId(pMalloc, pidl);
  pMalloc->Release();
  return pidlFirst;
}

LPITEMIDLIST CopyLastIdentifier(LPCITEMIDLIST pidl) {
  if (!pidl) return nullptr;
  CKWShellIdList lists;
  return lists.CopyItemIdList(lists.GetLastItem(pidl));
}

void FreeShellIdList(LPITEMIDLIST pidl) {
  // The shell's allocator is the task allocator.
  ::CoTaskMemFree(pidl);
}

BOOL IsSpecialFolder(LPCITEMIDLIST pidlAbsolute, int csidl) {
  if (!pidlAbsolute) return FALSE;
  LPITEMIDLIST pidlSpecial = nullptr;
  if (FAILED(::SHGetSpecialFolderLocation(nullptr, csidl, &pidlSpecial)) || !pidlSpecial)
    return FALSE;
  BOOL same = FALSE;
  LPSHELLFOLDER pDesktop = nullptr;
  if (SUCCEEDED(::SHGetDesktopFolder(&pDesktop))) {
    const HRESULT hr = pDesktop->CompareIDs(0, pidlAbsolute, pidlSpecial);
    same = SUCCEEDED(hr) && HRESULT_CODE(hr) == 0;
    pDesktop->Release();
  }
  FreeShellIdList(pidlSpecial);
  return same;
}

void GetIdListIcons(LPCITEMIDLIST pidl, int& smallIcon, int& openIcon) {
  if (!pidl) return;
  smallIcon = GetIdListIcon(pidl, 0);
  openIcon = GetIdListIcon(pidl, SHGFI_OPENICON);
}

void AppEndWaitCursor() {
  if (CWinApp* pApp = AfxGetApp()) pApp->DoWaitCursor(kEndWaitCursor);
}
