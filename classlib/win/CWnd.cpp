#include "classlib/win/CWnd.h"

#include "classlib/win/AfxState.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CDataExchange.h"
#include "classlib/win/CFont.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CMenu.h"
#include "classlib/win/CScrollBar.h"
#include "classlib/win/CUserException.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/HandleMap.h"
#include "classlib/win/WndProcException.h"

#include <set>
#include <string>

namespace {

CHandleMap<CWnd, HWND>& WndMap() {
  return AfxHandleMap<CWnd, HWND>(
      [](HWND hWnd) {
        CWnd* pWnd = new CWnd;
        pWnd->m_hWnd = hWnd;
        return pWnd;
      },
      [](CWnd* pWnd) { pWnd->m_hWnd = nullptr; });
}

// Binds the window being created to the object AfxHookWindowCreate named,
// before the window's first message.
LRESULT CALLBACK CbtFilterHook(int code, WPARAM wParam, LPARAM lParam) {
  AFX_THREAD_STATE* pState = AfxGetThreadState();
  if (code == HCBT_CREATEWND && pState->m_pWndInit != nullptr) {
    LPCREATESTRUCTA lpcs = reinterpret_cast<LPCBT_CREATEWNDA>(lParam)->lpcs;
    // The input-method window the system may create on the way is not ours.
    bool isIme = lpcs->lpszClass != nullptr && !IS_INTRESOURCE(lpcs->lpszClass) &&
                 lstrcmpiA(lpcs->lpszClass, "IME") == 0;
    if (!isIme) {
      CWnd* pWnd = pState->m_pWndInit;
      pState->m_pWndInit = nullptr;
      pWnd->SubclassWindow(reinterpret_cast<HWND>(wParam));
    }
  }
  return ::CallNextHookEx(pState->m_hHookOldCbtFilter, code, wParam, lParam);
}

}  // namespace

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
  ON_WM_DRAWITEM()
  ON_WM_MEASUREITEM()
  ON_WM_SYSCOLORCHANGE()
  ON_WM_SETTINGCHANGE()
  ON_WM_HSCROLL()
  ON_WM_VSCROLL()
END_MESSAGE_MAP()

const char* const AFX_WND_CLASS = "ZultaWnd";

CWnd::~CWnd() {
  if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this) DestroyWindow();
}

// ---- Creation, binding, destruction.

void AfxHookWindowCreate(CWnd* pWnd) {
  AFX_THREAD_STATE* pState = AfxGetThreadState();
  if (pState->m_hHookOldCbtFilter == nullptr)
    pState->m_hHookOldCbtFilter =
        ::SetWindowsHookExA(WH_CBT, CbtFilterHook, nullptr, ::GetCurrentThreadId());
  pState->m_pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate() {
  AFX_THREAD_STATE* pState = AfxGetThreadState();
  if (pState->m_hHookOldCbtFilter != nullptr) {
    ::UnhookWindowsHookEx(pState->m_hHookOldCbtFilter);
    pState->m_hHookOldCbtFilter = nullptr;
  }
  if (pState->m_pWndInit != nullptr) {
    pState->m_pWndInit = nullptr;
    return FALSE;  // no window was created
  }
  return TRUE;
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
  return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID,
                  lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
  return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top, SafeHwnd(pParentWnd),
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam) {
  CREATESTRUCTA cs = {
      lpParam, AfxGetInstanceHandle(),     nIDorHMenu,     hWndParent,    nHeight,  nWidth, y,
      x,       static_cast<LONG>(dwStyle), lpszWindowName, lpszClassName, dwExStyle};
  if (!PreCreateWindow(cs)) {
    PostNcDestroy();
    return FALSE;
  }
  AfxHookWindowCreate(this);
  HWND hWnd =
      ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                        cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
  // A window that never came has no WM_NCDESTROY to end the object's life;
  // one that failed in its WM_CREATE has had it already.
  if (!AfxUnhookWindowCreate()) PostNcDestroy();
  return hWnd != nullptr;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTA& cs) {
  // The default class is registered by the first window that asks for it,
  // whether by giving no class or by naming it.
  if (cs.lpszClass == nullptr || ::lstrcmpA(cs.lpszClass, AFX_WND_CLASS) == 0) {
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = AfxWndProc;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = AFX_WND_CLASS;
    if (!AfxRegisterClass(&wc)) return FALSE;
    cs.lpszClass = AFX_WND_CLASS;
  }
  return TRUE;
}

BOOL CWnd::DestroyWindow() {
  if (m_hWnd == nullptr) return FALSE;
  return ::DestroyWindow(m_hWnd);
}

BOOL CWnd::Attach(HWND hWndNew) {
  if (hWndNew == nullptr) return FALSE;
  m_hWnd = hWndNew;
  WndMap().SetPermanent(hWndNew, this);
  return TRUE;
}

HWND CWnd::Detach() {
  HWND hWnd = m_hWnd;
  if (hWnd != nullptr) WndMap().RemovePermanent(hWnd);
  m_hWnd = nullptr;
  return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
  if (!Attach(hWnd)) return FALSE;
  PreSubclassWindow();
  auto oldProc = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
  if (oldProc != &AfxWndProc) m_pfnSuper = oldProc;
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
  HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
  return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow() {
  if (m_pfnSuper != nullptr) {
    ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
  }
  return Detach();
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

void CWnd::FinishNcDestroy() {
  // The main window of a thread takes its message loop with it.
  CWinThread* pThread = AfxGetThread();
  if (pThread != nullptr && pThread->m_pMainWnd == this) {
    pThread->m_pMainWnd = nullptr;
    AfxPostQuitMessage(0);
  }
  RemoveLastTool();
  Detach();
  m_pfnSuper = nullptr;
  PostNcDestroy();
}

CWnd* CWnd::FromHandle(HWND hWnd) { return WndMap().FromHandle(hWnd); }

CWnd* CWnd::FromHandlePermanent(HWND hWnd) { return WndMap().LookupPermanent(hWnd); }

// ---- The window procedure.

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
  AFX_THREAD_STATE* pState = AfxGetThreadState();
  MSG oldState = pState->m_lastSentMsg;
  pState->m_lastSentMsg.hwnd = hWnd;
  pState->m_lastSentMsg.message = nMsg;
  pState->m_lastSentMsg.wParam = wParam;
  pState->m_lastSentMsg.lParam = lParam;
  LRESULT lResult = AfxCallCatchingExceptions(
      pState->m_lastSentMsg, [&] { return pWnd->WindowProc(nMsg, wParam, lParam); });
  if (nMsg == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd) pWnd->FinishNcDestroy();
  pState->m_lastSentMsg = oldState;
  return lResult;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  // Every window of the class library says so.
  if (message == WM_QUERYAFXWNDPROC) return 1;
  CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
  if (pWnd == nullptr) return ::DefWindowProcA(hWnd, message, wParam, lParam);
  return AfxCallWndProc(pWnd, hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT lResult = 0;
  if (!OnWndMsg(message, wParam, lParam, &lResult))
    lResult = DefWindowProc(message, wParam, lParam);
  return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper != nullptr) return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
  const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
  return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

BOOL CWnd::PreTranslateMessage(MSG* pMsg) {
  if (m_nFlags & WF_TOOLTIPS) FilterToolTipMessage(pMsg);
  return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
  for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg)) return TRUE;
    if (hWnd == hWndStop) break;
  }
  return FALSE;
}

// ---- Relatives.

CWnd* CWnd::GetOwner() const {
  return m_hWndOwner != nullptr ? FromHandle(m_hWndOwner) : GetParent();
}

CFrameWnd* CWnd::GetParentFrame() const {
  for (CWnd* pParent = GetParent(); pParent != nullptr; pParent = pParent->GetParent()) {
    if (pParent->IsKindOf(RUNTIME_CLASS(CFrameWnd))) return static_cast<CFrameWnd*>(pParent);
  }
  return nullptr;
}

CWnd* CWnd::GetTopLevelParent() const {
  HWND hWnd = m_hWnd;
  for (;;) {
    HWND hNext = (::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD) ? ::GetParent(hWnd)
                                                                   : ::GetWindow(hWnd, GW_OWNER);
    if (hNext == nullptr) return FromHandle(hWnd);
    hWnd = hNext;
  }
}

CFrameWnd* CWnd::GetTopLevelFrame() const {
  CFrameWnd* pFrame = IsKindOf(RUNTIME_CLASS(CFrameWnd))
                          ? static_cast<CFrameWnd*>(const_cast<CWnd*>(this))
                          : GetParentFrame();
  while (pFrame != nullptr) {
    CFrameWnd* pParentFrame = pFrame->GetParentFrame();
    if (pParentFrame == nullptr) break;
    pFrame = pParentFrame;
  }
  return pFrame;
}

namespace {
CWnd* FindDescendant(HWND hWnd, int nID, BOOL bOnlyPerm) {
  for (HWND hChild = ::GetTopWindow(hWnd); hChild != nullptr;
       hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
    if (::GetDlgCtrlID(hChild) == nID) {
      CWnd* pWnd = bOnlyPerm ? CWnd::FromHandlePermanent(hChild) : CWnd::FromHandle(hChild);
      if (pWnd != nullptr) return pWnd;
    }
    if (CWnd* pFound = FindDescendant(hChild, nID, bOnlyPerm)) return pFound;
  }
  return nullptr;
}
}  // namespace

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const {
  return FindDescendant(m_hWnd, nID, bOnlyPerm);
}

namespace {
void SendToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                       BOOL bOnlyPerm) {
  for (HWND hChild = ::GetTopWindow(hWnd); hChild != nullptr;
       hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
    if (bOnlyPerm) {
      if (CWnd* pWnd = CWnd::FromHandlePermanent(hChild))
        AfxCallWndProc(pWnd, hChild, message, wParam, lParam);
    } else {
      ::SendMessageA(hChild, message, wParam, lParam);
    }
    if (bDeep) SendToDescendants(hChild, message, wParam, lParam, bDeep, bOnlyPerm);
  }
}
}  // namespace

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                    BOOL bOnlyPerm) {
  SendToDescendants(m_hWnd, message, wParam, lParam, bDeep, bOnlyPerm);
}

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
  CCmdUI state;
  for (HWND hChild = ::GetTopWindow(m_hWnd); hChild != nullptr;
       hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
    state.m_nID = static_cast<UINT>(::GetDlgCtrlID(hChild));
    state.m_pOther = FromHandle(hChild);
    state.DoUpdate(pTarget, bDisableIfNoHndler);
  }
}

// ---- Style, text, geometry.

namespace {
BOOL ModifyWindowLong(HWND hWnd, int nIndex, DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  DWORD dwStyle = static_cast<DWORD>(::GetWindowLongPtrA(hWnd, nIndex));
  DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
  if (dwStyle == dwNewStyle) return FALSE;
  ::SetWindowLongPtrA(hWnd, nIndex, static_cast<LONG_PTR>(dwNewStyle));
  // The frame is redrawn only when the caller asks for it.
  if (nFlags != 0)
    ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
  return TRUE;
}
}  // namespace

BOOL CWnd::ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  return ModifyWindowLong(hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  return ModifyWindowLong(hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  return ModifyStyle(m_hWnd, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  return ModifyStyleEx(m_hWnd, dwRemove, dwAdd, nFlags);
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw) {
  SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont != nullptr ? pFont->m_hObject : nullptr),
              bRedraw);
}

CFont* CWnd::GetFont() const {
  return CFont::FromHandle(reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0)));
}

void CWnd::GetWindowText(CString& rString) const {
  int nLength = ::GetWindowTextLengthA(m_hWnd);
  ::GetWindowTextA(m_hWnd, rString.GetBufferSetLength(nLength), nLength + 1);
  rString.ReleaseBuffer();
}

int CWnd::GetDlgItemText(int nID, CString& rString) const {
  rString.Empty();
  HWND hItem = ::GetDlgItem(m_hWnd, nID);
  if (hItem != nullptr) FromHandle(hItem)->GetWindowText(rString);
  return rString.GetLength();
}

void CWnd::ClientToScreen(LPRECT lpRect) const {
  ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(lpRect));
  ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(lpRect) + 1);
}

void CWnd::ScreenToClient(LPRECT lpRect) const {
  ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(lpRect));
  ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(lpRect) + 1);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
  return ::SetWindowPos(m_hWnd, SafeHwnd(pWndInsertAfter), x, y, cx, cy, nFlags);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
  // Over the owner (or the parent of a child window) when it is shown, else
  // over the work area; never beyond the work area's edges.
  HWND hCenter = pAlternateOwner != nullptr ? pAlternateOwner->m_hWnd
                 : (GetStyle() & WS_CHILD)  ? ::GetParent(m_hWnd)
                                            : ::GetWindow(m_hWnd, GW_OWNER);
  RECT rcArea;
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcArea, 0);
  RECT rcCenter = rcArea;
  if (hCenter != nullptr && ::IsWindowVisible(hCenter) && !::IsIconic(hCenter))
    ::GetWindowRect(hCenter, &rcCenter);
  RECT rcWindow;
  ::GetWindowRect(m_hWnd, &rcWindow);
  int cx = rcWindow.right - rcWindow.left;
  int cy = rcWindow.bottom - rcWindow.top;
  int x = (rcCenter.left + rcCenter.right - cx) / 2;
  int y = (rcCenter.top + rcCenter.bottom - cy) / 2;
  x = x + cx > rcArea.right ? rcArea.right - cx : x;
  y = y + cy > rcArea.bottom ? rcArea.bottom - cy : y;
  x = x < rcArea.left ? rcArea.left : x;
  y = y < rcArea.top ? rcArea.top : y;
  if (GetStyle() & WS_CHILD) {
    POINT pt = {x, y};
    ::ScreenToClient(::GetParent(m_hWnd), &pt);
    x = pt.x;
    y = pt.y;
  }
  ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

CDC* CWnd::GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }

CDC* CWnd::GetWindowDC() { return CDC::FromHandle(::GetWindowDC(m_hWnd)); }

int CWnd::ReleaseDC(CDC* pDC) { return ::ReleaseDC(m_hWnd, pDC->m_hDC); }

CPoint CWnd::GetCaretPos() {
  CPoint point;
  ::GetCaretPos(&point);
  return point;
}

CMenu* CWnd::GetMenu() const { return CMenu::FromHandle(::GetMenu(m_hWnd)); }

BOOL CWnd::SetMenu(CMenu* pMenu) {
  return ::SetMenu(m_hWnd, pMenu != nullptr ? pMenu->m_hMenu : nullptr);
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const {
  return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask) {
  lpScrollInfo->cbSize = sizeof(SCROLLINFO);
  lpScrollInfo->fMask = nMask;
  return ::GetScrollInfo(m_hWnd, nBar, lpScrollInfo);
}

int CWnd::MessageBox(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType) {
  if (lpszCaption == nullptr && AfxGetApp() != nullptr) lpszCaption = AfxGetApp()->m_pszAppName;
  return ::MessageBoxA(m_hWnd, lpszText, lpszCaption, nType);
}

// ---- Window classes.

BOOL AfxRegisterClass(WNDCLASSA* lpWndClass) {
  WNDCLASSA existing;
  if (::GetClassInfoA(lpWndClass->hInstance, lpWndClass->lpszClassName, &existing)) return TRUE;
  return ::RegisterClassA(lpWndClass) != 0;
}

LPCSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon) {
  // One name per distinct set of attributes; the names must stay valid.
  static std::set<std::string> names;
  CString name;
  name.Format("Zulta:%p:%x:%p:%p:%p", static_cast<void*>(AfxGetInstanceHandle()), nClassStyle,
              static_cast<void*>(hCursor), static_cast<void*>(hbrBackground),
              static_cast<void*>(hIcon));
  WNDCLASSA wc = {};
  wc.style = nClassStyle;
  wc.lpfnWndProc = AfxWndProc;
  wc.hInstance = AfxGetInstanceHandle();
  wc.hCursor = hCursor;
  wc.hbrBackground = hbrBackground;
  wc.hIcon = hIcon;
  wc.lpszClassName = name;
  if (!AfxRegisterClass(&wc)) return nullptr;
  return names.insert(static_cast<LPCSTR>(name)).first->c_str();
}

// ---- Layout of bars.

void AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect) {
  if (lpLayout != nullptr && lpLayout->hDWP == nullptr) return;  // only measuring
  // The rectangle is in the parent's client coordinates.
  if (lpLayout != nullptr)
    lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, hWnd, nullptr, lpRect->left, lpRect->top,
                                      lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
                                      SWP_NOACTIVATE | SWP_NOZORDER);
  else
    ::SetWindowPos(hWnd, nullptr, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                   lpRect->bottom - lpRect->top, SWP_NOACTIVATE | SWP_NOZORDER);
}

void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag,
                          LPRECT lpRectParam, LPCRECT lpRectClient, BOOL bStretch) {
  AFX_SIZEPARENTPARAMS layout = {};
  layout.bStretch = bStretch;
  if (lpRectClient != nullptr)
    layout.rect = *lpRectClient;
  else
    ::GetClientRect(m_hWnd, &layout.rect);
  layout.hDWP = (nFlag & reposQuery) ? nullptr : ::BeginDeferWindowPos(8);

  HWND hWndLeftOver = nullptr;
  for (HWND hChild = ::GetTopWindow(m_hWnd); hChild != nullptr;
       hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
    UINT nIDC = static_cast<UINT>(::GetDlgCtrlID(hChild));
    if (nIDC == nIDLeftOver)
      hWndLeftOver = hChild;
    else if (nIDC >= nIDFirst && nIDC <= nIDLast && FromHandlePermanent(hChild) != nullptr)
      ::SendMessageA(hChild, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
  }

  if (nFlag & reposQuery) {
    if (bStretch) {
      *lpRectParam = layout.rect;
    } else {
      lpRectParam->left = lpRectParam->top = 0;
      lpRectParam->right = layout.sizeTotal.cx;
      lpRectParam->bottom = layout.sizeTotal.cy;
    }
    return;
  }
  if (hWndLeftOver != nullptr) {
    if ((nFlag & reposExtra) && lpRectParam != nullptr) {
      layout.rect.left += lpRectParam->left;
      layout.rect.top += lpRectParam->top;
      layout.rect.right -= lpRectParam->right;
      layout.rect.bottom -= lpRectParam->bottom;
    }
    AfxRepositionWindow(&layout, hWndLeftOver, &layout.rect);
  }
  if (layout.hDWP != nullptr) ::EndDeferWindowPos(layout.hDWP);
}

// ---- Data exchange.

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
  CDataExchange dx(this, bSaveAndValidate);
  try {
    DoDataExchange(&dx);
    return TRUE;
  } catch (CUserException* e) {
    // The user has been told already.
    e->Delete();
    return FALSE;
  }
}
