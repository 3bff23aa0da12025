#include "toolkit/win/CKWShellIdList.h"

#include <cstdio>

#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CWinApp.h"
#include "toolkit/core/KWItemIdList.h"

namespace {

constexpr UINT kFirstCommand = 1;
constexpr UINT kLastCommand = 0x7FFF;
constexpr int kMessageChars = 64;

// The shell's task allocator as the list functions take it.
class ShellAllocator : public KWIdListAllocator {
 public:
  explicit ShellAllocator(LPMALLOC pMalloc) : m_pMalloc(pMalloc) {}
  void* Alloc(size_t size) override { return m_pMalloc->Alloc(size); }
  void Free(void* block) override { m_pMalloc->Free(block); }

 private:
  LPMALLOC m_pMalloc;
};

// The task allocator, released when it goes.
class TaskMalloc {
 public:
  TaskMalloc() {
    if (FAILED(::SHGetMalloc(&m_pMalloc))) m_pMalloc = nullptr;
  }
  ~TaskMalloc() {
    if (m_pMalloc) m_pMalloc->Release();
  }
  TaskMalloc(const TaskMalloc&) = delete;
  TaskMalloc& operator=(const TaskMalloc&) = delete;
  LPMALLOC get() const { return m_pMalloc; }

 private:
  LPMALLOC m_pMalloc = nullptr;
};

const BYTE* Bytes(LPCITEMIDLIST pidl) { return reinterpret_cast<const BYTE*>(pidl); }
LPITEMIDLIST List(const BYTE* bytes) {
  return reinterpret_cast<LPITEMIDLIST>(const_cast<BYTE*>(bytes));
}

void ShowFailure(const char* format, HRESULT hr) {
  char text[kMessageChars];
  std::snprintf(text, sizeof text, format, static_cast<unsigned long>(hr));
  ::MessageBoxA(nullptr, text, nullptr, MB_OK | MB_ICONEXCLAMATION);
}

// The desktop folder's list for a wide path; nullptr on any failure.
LPITEMIDLIST ParseWide(LPWSTR lpszWide) {
  LPSHELLFOLDER pDesktop = nullptr;
  if (FAILED(::SHGetDesktopFolder(&pDesktop))) return nullptr;
  LPITEMIDLIST pidl = nullptr;
  ULONG eaten = 0;
  if (FAILED(pDesktop->ParseDisplayName(nullptr, nullptr, lpszWide, &eaten, &pidl, nullptr)))
    pidl = nullptr;
  pDesktop->Release();
  return pidl;
}

// While the context menu is open the owner's procedure is replaced, so that
// the menu's owner-drawn items and help texts work.
WNDPROC g_pfnOldWndProc = nullptr;
LPCONTEXTMENU2 g_pContextMenu = nullptr;

LRESULT CALLBACK ContextMenuWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITMENUPOPUP:
      g_pContextMenu->HandleMenuMsg(message, wParam, lParam);
      return 0;
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
      if (wParam != 0) break;  // a control's, not the menu's
      g_pContextMenu->HandleMenuMsg(message, wParam, lParam);
      return TRUE;
    case WM_MENUSELECT: {
      const UINT nID = LOWORD(wParam);
      if ((HIWORD(wParam) & MF_POPUP) || nID < kFirstCommand || nID > kLastCommand) break;
      char help[MAX_PATH] = {};
      g_pContextMenu->GetCommandString(nID - kFirstCommand, GCS_HELPTEXTA, nullptr, help,
                                       MAX_PATH);
      help[MAX_PATH - 1] = '\0';
      CWinApp* pApp = AfxGetApp();
      if (pApp && pApp->m_pMainWnd && pApp->m_pMainWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        static_cast<CFrameWnd*>(pApp->m_pMainWnd)->SetMessageText(help);
      return 0;
    }
    default:
      break;
  }
  return ::CallWindowProcA(g_pfnOldWndProc, hWnd, message, wParam, lParam);
}

}  // namespace

LPITEMIDLIST CKWShellIdList::GetNextItem(LPCITEMIDLIST pidl) {
  return List(KWNextIdItem(Bytes(pidl)));
}

UINT CKWShellIdList::GetSize(LPCITEMIDLIST pidl) {
  return static_cast<UINT>(KWIdListSize(Bytes(pidl)));
}

LPITEMIDLIST CKWShellIdList::GetLastItem(LPCITEMIDLIST pidl) {
  return List(KWLastIdItem(Bytes(pidl)));
}

LPITEMIDLIST CKWShellIdList::AllocItemIdList(UINT cbSize) {
  TaskMalloc malloc;
  if (!malloc.get()) return nullptr;
  ShellAllocator alloc(malloc.get());
  return List(KWAllocIdList(alloc, cbSize));
}

LPITEMIDLIST CKWShellIdList::CopyItemIdList(LPCITEMIDLIST pidl) {
  return ConcatItemIdLists(nullptr, pidl);
}

LPITEMIDLIST CKWShellIdList::ConcatItemIdLists(LPCITEMIDLIST pidl1, LPCITEMIDLIST pidl2) {
  TaskMalloc malloc;
  if (!malloc.get()) return nullptr;
  ShellAllocator alloc(malloc.get());
  return List(KWConcatIdLists(alloc, Bytes(pidl1), Bytes(pidl2)));
}

LPITEMIDLIST CKWShellIdList::CopyFirstItemId(LPMALLOC pMalloc, LPCITEMIDLIST pidl) {
  if (!pMalloc) return nullptr;
  ShellAllocator alloc(pMalloc);
  return List(KWCopyFirstIdItem(alloc, Bytes(pidl)));
}

BOOL CKWShellIdList::GetDisplayName(LPSHELLFOLDER lpsf, LPCITEMIDLIST pidl, DWORD dwFlags,
                                    LPSTR lpszName) {
  lpszName[0] = '\0';
  STRRET str = {};
  if (FAILED(lpsf->GetDisplayNameOf(pidl, dwFlags, &str))) return FALSE;
  switch (str.uType) {
    case STRRET_WSTR: {
      // A name that fills the buffer comes back without its terminator.
      ::WideCharToMultiByte(CP_ACP, 0, str.pOleStr, -1, lpszName, kNameChars, nullptr, nullptr);
      lpszName[kNameChars - 1] = '\0';
      TaskMalloc malloc;
      if (malloc.get()) malloc.get()->Free(str.pOleStr);
      return TRUE;
    }
    case STRRET_OFFSET:
      KWIdItemText(Bytes(pidl), str.uOffset, lpszName, kNameChars);
      return TRUE;
    case STRRET_CSTR:
      ::lstrcpynA(lpszName, str.cStr, kNameChars);
      return TRUE;
    default:
      return FALSE;
  }
}

int CKWShellIdList::GetIconIndex(LPCITEMIDLIST pidl, UINT uFlags) {
  SHFILEINFOA info = {};
  ::SHGetFileInfoA(reinterpret_cast<LPCSTR>(pidl), 0, &info, sizeof info, uFlags | SHGFI_PIDL);
  return info.iIcon;
}

int CKWShellIdList::GetIconIndex(LPCSTR lpszPath, UINT uFlags) {
  SHFILEINFOA info = {};
  ::SHGetFileInfoA(lpszPath, 0, &info, sizeof info, uFlags);
  return info.iIcon;
}

LPITEMIDLIST CKWShellIdList::ParseDisplayName(LPCSTR lpszPath) {
  TaskMalloc malloc;
  if (!malloc.get()) return nullptr;
  WCHAR wide[MAX_PATH] = {};
  if (!::MultiByteToWideChar(CP_ACP, 0, lpszPath, -1, wide, MAX_PATH)) return nullptr;
  return ParseWide(wide);
}

LPITEMIDLIST CKWShellIdList::GetParentIdList(LPITEMIDLIST pidl) {
  return List(KWCutLastIdItem(reinterpret_cast<BYTE*>(pidl)));
}

CString CKWShellIdList::GetParentFolderPath(LPCSTR lpszPath) {
  if (!lpszPath || !*lpszPath) return CString();
  LPITEMIDLIST pidl = ParseDisplayName(lpszPath);
  if (!pidl) return CString();
  char path[MAX_PATH] = {};
  BOOL bFound = ::SHGetPathFromIDListA(GetParentIdList(pidl), path);
  ::CoTaskMemFree(pidl);
  return bFound ? CString(path) : CString();
}

LPITEMIDLIST CKWShellIdList::GetFullyQualifiedIdList(LPSHELLFOLDER lpsf, LPCITEMIDLIST pidl) {
  char name[kNameChars];
  if (!GetDisplayName(lpsf, pidl, SHGDN_FORPARSING, name)) return nullptr;
  WCHAR wide[MAX_PATH] = {};
  if (!::MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, name, -1, wide, MAX_PATH)) return nullptr;
  return ParseWide(wide);
}

BOOL CKWShellIdList::ShowContextMenu(HWND hWnd, LPSHELLFOLDER lpsf, LPCITEMIDLIST pidl,
                                     POINT pt) {
  LPCONTEXTMENU pMenu1 = nullptr;
  HRESULT hr = lpsf->GetUIObjectOf(hWnd, 1, &pidl, IID_IContextMenu, nullptr,
                                   reinterpret_cast<void**>(&pMenu1));
  if (FAILED(hr)) {
    ShowFailure("GetUIObjectOf failed! hr=%lx", hr);
    return FALSE;
  }
  // The highest version the item offers, for owner-drawn items.
  LPCONTEXTMENU pMenu = pMenu1;
  LPCONTEXTMENU2 pMenu2 = nullptr;
  if (SUCCEEDED(pMenu1->QueryInterface(IID_IContextMenu3, reinterpret_cast<void**>(&pMenu2))) ||
      SUCCEEDED(pMenu1->QueryInterface(IID_IContextMenu2, reinterpret_cast<void**>(&pMenu2)))) {
    pMenu1->Release();
    pMenu = pMenu2;
  }
  BOOL bShown = FALSE;
  HMENU hMenu = ::CreatePopupMenu();
  if (hMenu && SUCCEEDED(pMenu->QueryContextMenu(hMenu, 0, kFirstCommand, kLastCommand,
                                                 CMF_EXPLORE))) {
    bShown = TRUE;
    if (pMenu2) {
      g_pContextMenu = pMenu2;
      g_pfnOldWndProc = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
          hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ContextMenuWndProc)));
    }
    UINT nCmd = ::TrackPopupMenu(hMenu, TPM_RETURNCMD | TPM_RIGHTBUTTON, pt.x, pt.y, 0, hWnd,
                                 nullptr);
    if (pMenu2)
      ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_pfnOldWndProc));
    if (nCmd) {
      CMINVOKECOMMANDINFO info = {};
      info.cbSize = sizeof info;
      info.hwnd = hWnd;
      info.lpVerb = MAKEINTRESOURCEA(nCmd - kFirstCommand);
      info.nShow = SW_SHOWNORMAL;
      hr = pMenu->InvokeCommand(&info);
      if (FAILED(hr)) ShowFailure("InvokeCommand failed. hr=%lx", hr);
    }
  }
  g_pContextMenu = nullptr;
  g_pfnOldWndProc = nullptr;
  if (hMenu) ::DestroyMenu(hMenu);
  pMenu->Release();
  return bShown;
}
