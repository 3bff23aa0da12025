#include "toolkit/win/CKWMenuWndHook.h"

#include "classlib/win/WindowDCs.h"
#include "toolkit/core/KWPersonalMenu.h"
#include "toolkit/core/KWShadowBands.h"
#include "toolkit/win/CKWCoolMenu.h"
#include "toolkit/win/CKWGlobalData.h"
#include "toolkit/win/CKWMemDC.h"
#include "toolkit/win/CKWOSVersionInfo.h"
#include "toolkit/win/CKWShadowManager.h"

BYTE g_bKWChevronSelected = FALSE;

namespace {

constexpr char kMenuWindowClass[] = "#32768";
constexpr int kClassNameLength = 128;
constexpr int kMenuTextLength = 256;
constexpr int kListBlockSize = 10;

// The system's own popup-menu messages that carry a click.
constexpr UINT kFirstInternalMenuMessage = 0x01EB;
constexpr UINT kLastInternalMenuMessage = 0x01F0;
// Sent by the system to a popup-menu window before it redraws (flat look only).
constexpr UINT kMenuRedrawNotice = 0x00AF;
// The system's internal paint of a popup-menu window's items.
constexpr UINT kInternalMenuPaint = 0x01E2;

constexpr DWORD kFrameStyles = WS_CAPTION | WS_THICKFRAME;
constexpr DWORD kFrameExStyles = WS_EX_STATICEDGE | WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME;
constexpr UINT kFrameChanged =
    SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

HHOOK g_hCbtHook = nullptr;
int g_nCbtDepth = 0;
CKWMenuWndHook* g_pPendingHook = nullptr;
HMENU g_hCurrentMenu = nullptr;

// The system settings while popup-menu windows exist.
int g_nLiveHooks = 0;
BOOL g_bSavedMenuAnimation = FALSE;
BOOL g_bSavedDropShadow = FALSE;
BOOL g_bSystemHasShadows = FALSE;

bool IsMenuWindow(HWND hWnd) {
  char name[kClassNameLength] = {};
  ::GetClassNameA(hWnd, name, kClassNameLength);
  return lstrcmpA(name, kMenuWindowClass) == 0;
}

// Windows XP and later draw menu shadows themselves.
BOOL SystemDrawsMenuShadows() {
  const CKWOSVersionInfo& os = CKWOSVersionInfo::Get();
  constexpr DWORD kXPMajor = 5;
  constexpr DWORD kXPMinor = 1;
  return os.dwPlatformId == VER_PLATFORM_WIN32_NT &&
         (os.dwMajorVersion > kXPMajor ||
          (os.dwMajorVersion == kXPMajor && os.dwMinorVersion >= kXPMinor));
}

// Session-only: the user's profile keeps what it had.
void SetSessionSetting(UINT action, BOOL bValue) {
  ::SystemParametersInfoA(action, 0, reinterpret_cast<PVOID>(static_cast<INT_PTR>(bValue)), 0);
}

void DeleteHookOf(HWND hWnd) {
  CPtrList& hooks = KWGetMenuWndHooks();
  for (POSITION pos = hooks.GetHeadPosition(); pos != nullptr;) {
    POSITION current = pos;
    auto* pHook = static_cast<CKWMenuWndHook*>(hooks.GetNext(pos));
    if (pHook->m_hWnd != hWnd) continue;
    hooks.RemoveAt(current);
    if (g_pPendingHook == pHook) g_pPendingHook = nullptr;
    delete pHook;
    return;
  }
}

LRESULT CALLBACK MenuCbtProc(int nCode, WPARAM wParam, LPARAM lParam) {
  ++g_nCbtDepth;
  LRESULT result = 0;
  if (g_nCbtDepth != 1) {
    // Windows our own handling creates or destroys are left alone.
    result = ::CallNextHookEx(g_hCbtHook, nCode, wParam, lParam);
  } else if (nCode == HCBT_CREATEWND) {
    result = ::CallNextHookEx(g_hCbtHook, nCode, wParam, lParam);
    auto hWnd = reinterpret_cast<HWND>(wParam);
    if (IsMenuWindow(hWnd)) {
      auto* pHook = new CKWMenuWndHook;
      pHook->HookWindow(hWnd);
      KWGetMenuWndHooks().AddTail(pHook);
      g_pPendingHook = g_hCurrentMenu == nullptr ? pHook : nullptr;
      g_hCurrentMenu = nullptr;
    }
  } else if (nCode == HCBT_DESTROYWND) {
    auto hWnd = reinterpret_cast<HWND>(wParam);
    if (!KWGetMenuWndHooks().IsEmpty() && IsMenuWindow(hWnd)) DeleteHookOf(hWnd);
    result = ::CallNextHookEx(g_hCbtHook, nCode, wParam, lParam);
  } else {
    result = ::CallNextHookEx(g_hCbtHook, nCode, wParam, lParam);
  }
  --g_nCbtDepth;
  return result;
}

// Installs the CBT hook with the program's statics and removes it at exit,
// with any popup-menu hooks left, so that the settings are restored.
struct MenuCbtHookInstaller {
  MenuCbtHookInstaller() { KWInstallMenuCbtHook(); }
  ~MenuCbtHookInstaller() {
    KWRemoveMenuCbtHook();
    CPtrList& hooks = KWGetMenuWndHooks();
    while (!hooks.IsEmpty()) delete static_cast<CKWMenuWndHook*>(hooks.RemoveHead());
  }
} g_menuCbtHookInstaller;

}  // namespace

CPtrList& KWGetMenuWndHooks() {
  static CPtrList hooks(kListBlockSize);
  return hooks;
}

CKWMenuWndHook* KWNewestMenuWndHook() {
  CPtrList& hooks = KWGetMenuWndHooks();
  return hooks.IsEmpty() ? nullptr : static_cast<CKWMenuWndHook*>(hooks.GetTail());
}

int KWLiveMenuWndHookCount() { return g_nLiveHooks; }

BOOL KWIsOldMenuSystem() {
  const CKWGlobalData& data = KWGetGlobalData();
  return data.bWin95 || data.bWinNT4;
}

void KWAnnounceMenu(HMENU hMenu) {
  if (g_pPendingHook != nullptr && !::IsWindow(g_pPendingHook->m_hWnd)) g_pPendingHook = nullptr;
  if (g_pPendingHook == nullptr) {
    g_hCurrentMenu = hMenu;
    return;
  }
  g_pPendingHook->SetMenu(hMenu);
  g_pPendingHook = nullptr;
}

void KWForgetPendingMenuWindow() { g_pPendingHook = nullptr; }

void KWForgetAnnouncedMenu() {
  g_pPendingHook = nullptr;
  g_hCurrentMenu = nullptr;
}

BOOL KWInstallMenuCbtHook() {
  if (g_hCbtHook == nullptr)
    g_hCbtHook = ::SetWindowsHookExA(WH_CBT, MenuCbtProc, nullptr, ::GetCurrentThreadId());
  return g_hCbtHook != nullptr;
}

void KWRemoveMenuCbtHook() {
  if (g_hCbtHook == nullptr) return;
  ::UnhookWindowsHookEx(g_hCbtHook);
  g_hCbtHook = nullptr;
}

BOOL KWIsMenuCbtHookInstalled() { return g_hCbtHook != nullptr; }

IMPLEMENT_DYNAMIC(CKWMenuWndHook, CKWWndHook)

CKWMenuWndHook::CKWMenuWndHook() : m_hMenu(g_hCurrentMenu) {
  if (g_nLiveHooks == 0) {
    ::SystemParametersInfoA(SPI_GETMENUANIMATION, 0, &g_bSavedMenuAnimation, 0);
    SetSessionSetting(SPI_SETMENUANIMATION, FALSE);
    g_bSystemHasShadows = SystemDrawsMenuShadows();
    ::SystemParametersInfoA(SPI_GETDROPSHADOW, 0, &g_bSavedDropShadow, 0);
    if (g_bSystemHasShadows) SetSessionSetting(SPI_SETDROPSHADOW, KWGetGlobalData().bMenuShadows);
  }
  ++g_nLiveHooks;
}

CKWMenuWndHook::~CKWMenuWndHook() {
  if (--g_nLiveHooks == 0) {
    SetSessionSetting(SPI_SETDROPSHADOW, g_bSavedDropShadow);
    SetSessionSetting(SPI_SETMENUANIMATION, g_bSavedMenuAnimation);
  }
  DropSnapshot();
  delete m_pShadow;
}

void CKWMenuWndHook::SetMenu(HMENU hMenu) {
  m_hMenu = hMenu;
  StripFrame();
}

void CKWMenuWndHook::StripFrame() {
  if (!KWGetGlobalData().bOfficeLook || m_hWnd == nullptr) return;
  LONG_PTR style = ::GetWindowLongPtrA(m_hWnd, GWL_STYLE);
  LONG_PTR exStyle = ::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE);
  ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, style & ~static_cast<LONG_PTR>(kFrameStyles));
  ::SetWindowLongPtrA(m_hWnd, GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(kFrameExStyles));
  ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, kFrameChanged);
}

BOOL CKWMenuWndHook::ShadowsWanted() const {
  if (!KWGetGlobalData().bMenuShadows || g_bSystemHasShadows) return FALSE;
  return m_pOwner == nullptr || m_pOwner->m_bTrackPopup;
}

void CKWMenuWndHook::TakeSnapshot(const CRect* pRect) {
  CRect rect;
  if (pRect != nullptr)
    rect = *pRect;
  else
    ::GetWindowRect(m_hWnd, rect);
  rect.right += kKWShadowWidth;
  rect.bottom += kKWShadowWidth;
  DropSnapshot();
  // The screen DC lives only for the copy.
  CWindowDC screen(nullptr);
  m_pSnapshot = new CKWMemDC(&screen, rect);
  m_pSnapshot->CopyFromTarget();
  m_pSnapshot->Discard();
}

void CKWMenuWndHook::DropShadow() {
  if (m_pShadow != nullptr) {
    m_pShadow->Hide();
    delete m_pShadow;
    m_pShadow = nullptr;
  }
  m_bSkipNextShadow = TRUE;
}

void CKWMenuWndHook::DropSnapshot() {
  delete m_pSnapshot;
  m_pSnapshot = nullptr;
}

void CKWMenuWndHook::Redisplay() {
  ::ShowWindow(m_hWnd, SW_HIDE);
  DropShadow();
  DropSnapshot();
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
  if (ShadowsWanted()) TakeSnapshot();
  ::ShowWindow(m_hWnd, SW_SHOWNA);
  ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_FRAME);
}

bool CKWMenuWndHook::IsChevronClick(UINT msg, LPARAM lParam) const {
  bool click = msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP ||
               (msg >= kFirstInternalMenuMessage && msg <= kLastInternalMenuMessage);
  if (!click || !g_bKWChevronSelected || KWIsOldMenuSystem() || m_pOwner == nullptr) return false;
  CRect client;
  ::GetClientRect(m_hWnd, client);
  return client.PtInRect(CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)))) != FALSE;
}

LRESULT CKWMenuWndHook::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (IsChevronClick(msg, lParam)) {
    ::SendMessageA(m_pOwner->m_hWnd, WM_COMMAND, kKWFullMenusCommand, 0);
    result = CKWWndHook::WindowProc(WM_NULL, 0, 0);
  } else {
    result = CKWWndHook::WindowProc(msg, wParam, lParam);
  }
  if (msg == WM_DESTROY) {
    // The CBT hook missed this window's end (it was busy with another
    // window): the hook goes now, so that the settings are restored.
    DeleteHookOf(m_hWnd);
    return result;
  }
  if (m_hMenu == nullptr) return result;

  const CKWGlobalData& data = KWGetGlobalData();
  switch (msg) {
    case WM_WINDOWPOSCHANGED:
      return OnPositionChanged(reinterpret_cast<const WINDOWPOS*>(lParam), result);
    case kMenuRedrawNotice:
      if (data.bOfficeLook && data.bWinXP) ::PostMessageA(m_hWnd, WM_KW_REMEASURE_ITEMS, 0, 0);
      break;
    case WM_PAINT:
    case WM_NCPAINT:
    case kInternalMenuPaint:
      if (data.bMenuShadows && m_pSnapshot != nullptr)
        ::PostMessageA(m_hWnd, WM_KW_SHOW_SHADOW, 0, 0);
      break;
    case WM_KW_REMEASURE_ITEMS:
      RemeasureItems();
      break;
    case WM_KW_SHOW_SHADOW:
      ShowShadow();
      break;
    default:
      break;
  }
  return result;
}

LRESULT CKWMenuWndHook::OnPositionChanged(const WINDOWPOS* pos, LRESULT result) {
  StripFrame();
  bool moves = (pos->flags & (SWP_NOSIZE | SWP_NOMOVE)) != (SWP_NOSIZE | SWP_NOMOVE);
  if (m_pSnapshot != nullptr || !ShadowsWanted() || !moves) return result;
  CRect rect;
  ::GetWindowRect(m_hWnd, rect);
  if ((pos->flags & SWP_NOMOVE) == 0) {
    CPoint topLeft(pos->x, pos->y);
    ::MapWindowPoints(::GetParent(m_hWnd), nullptr, &topLeft, 1);
    rect.OffsetRect(topLeft.x - rect.left, topLeft.y - rect.top);
  }
  if ((pos->flags & SWP_NOSIZE) == 0) {
    rect.right = rect.left + pos->cx;
    rect.bottom = rect.top + pos->cy;
  }
  TakeSnapshot(&rect);
  return result;
}

void CKWMenuWndHook::RemeasureItems() {
  int count = ::GetMenuItemCount(m_hMenu);
  for (int i = 0; i < count; ++i) {
    char text[kMenuTextLength] = {};
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_TYPE;
    info.dwTypeData = text;
    info.cch = kMenuTextLength;
    if (::GetMenuItemInfoA(m_hMenu, i, TRUE, &info)) ::SetMenuItemInfoA(m_hMenu, i, TRUE, &info);
  }
}

void CKWMenuWndHook::ShowShadow() {
  if (m_bSkipNextShadow) {
    m_bSkipNextShadow = FALSE;
    return;
  }
  if (!ShadowsWanted()) return;
  if (m_pShadow != nullptr) {
    ::InvalidateRect(m_pShadow->m_pShadow->m_hWnd, nullptr, TRUE);
    m_pShadow->Show();
  } else if (!g_bSystemHasShadows) {
    m_pShadow = new CKWShadowManager(m_hWnd, TRUE, FALSE);
  }
}
