#include "toolkit/win/CKWResizeLayout.h"

#include "classlib/win/CWinApp.h"

namespace {

constexpr char kPlacementEntry[] = "WindowPlacement";
constexpr DWORD kGripStyle = WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_BITMAP;
// Class names longer than "Button" are not buttons.
constexpr int kClassNameChars = 8;
constexpr DWORD kButtonTypeMask = 7;

// The window's rectangle in its parent's client coordinates.
CRect ParentClientRect(HWND hWnd) {
  CRect rect;
  ::GetWindowRect(hWnd, rect);
  ::MapWindowPoints(nullptr, ::GetParent(hWnd), reinterpret_cast<LPPOINT>(&rect), 2);
  return rect;
}

}  // namespace

CKWResizeItem::CKWResizeItem(CWnd* pWnd, const CKWResizeRect& rcAnchor,
                             const CKWResizeRect& rcPos, BOOL bOwnsWnd)
    : m_pWnd(pWnd), m_rcAnchor(rcAnchor), m_rcPos(rcPos), m_bOwnsWnd(bOwnsWnd) {}

CKWResizeItem::~CKWResizeItem() {
  if (!m_bOwnsWnd) return;
  m_pWnd->Detach();
  delete m_pWnd;
}

CKWResizeLayout::CKWResizeLayout(CWnd* pWnd, UINT nFlags) : m_pWnd(pWnd), m_nFlags(nFlags) {}

CKWResizeLayout::~CKWResizeLayout() {
  RemoveAllControls();
  if (m_wndGrip.GetSafeHwnd()) m_wndGrip.DestroyWindow();
}

void CKWResizeLayout::Init() {
  if (!m_pWnd || !m_pWnd->GetSafeHwnd()) return;
  RemoveAllControls();
  m_pWnd->GetWindowRect(m_rcWindow);
  if (!HasFlag(kwResizeMayShrink)) m_szMin = m_rcWindow.Size();
  if (!HasFlag(kwResizeNoClipChildren)) m_pWnd->ModifyStyle(0, WS_CLIPCHILDREN);
  if (!HasFlag(kwResizeNoGrip)) CreateGrip();
}

void CKWResizeLayout::CreateGrip() {
  if (!m_wndGrip.GetSafeHwnd() &&
      !m_wndGrip.Create(nullptr, kGripStyle, CRect(0, 0, CKWSizeGrip::kSide, CKWSizeGrip::kSide),
                        m_pWnd, CKWSizeGrip::kId))
    return;
  // The grip's client area ends at the owner's client bottom-right.
  CRect client, gripClient;
  m_pWnd->GetClientRect(client);
  m_wndGrip.GetClientRect(gripClient);
  ::SetWindowPos(m_wndGrip.m_hWnd, HWND_TOP, client.right - gripClient.Width(),
                 client.bottom - gripClient.Height(), 0, 0, SWP_NOSIZE);
  AddItem(&m_wndGrip, CKWResizeRect(1, 1, 1, 1), ParentClientRect(m_wndGrip.m_hWnd));
}

CKWResizeItem* CKWResizeLayout::FindItem(UINT nID) const {
  for (int i = 0; i < m_arrItems.GetSize(); ++i) {
    HWND hWnd = m_arrItems[i]->m_pWnd->GetSafeHwnd();
    if (hWnd && static_cast<UINT>(::GetDlgCtrlID(hWnd)) == nID) return m_arrItems[i];
  }
  return nullptr;
}

void CKWResizeLayout::SetResize(UINT nID, const CKWResizeRect& rcAnchor) {
  SetResize(nID, ::GetDlgItem(m_pWnd->GetSafeHwnd(), static_cast<int>(nID)), rcAnchor);
}

void CKWResizeLayout::SetResize(UINT nID, HWND hWnd, const CKWResizeRect& rcAnchor) {
  if (CKWResizeItem* pItem = FindItem(nID)) {
    pItem->m_rcAnchor += rcAnchor;
    return;
  }
  if (!hWnd || !::IsWindow(hWnd)) return;
  CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
  const BOOL bOwnsWnd = pWnd == nullptr;
  if (bOwnsWnd) {
    pWnd = new CWnd;
    pWnd->Attach(hWnd);
  }
  m_arrItems.Add(new CKWResizeItem(pWnd, rcAnchor, ParentClientRect(hWnd), bOwnsWnd));
  if (!HasFlag(kwResizeNoTransparent)) MakeTransparent(hWnd);
}

void CKWResizeLayout::SetResize(UINT nID, const CKWResizePoint& ptTopLeft,
                                const CKWResizePoint& ptBottomRight) {
  SetResize(nID, CKWResizeRect(ptTopLeft, ptBottomRight));
}

void CKWResizeLayout::SetResize(UINT nID, float left, float top, float right, float bottom) {
  SetResize(nID, CKWResizeRect(left, top, right, bottom));
}

void CKWResizeLayout::SetResize(const CKWResizeEntry* pEntries, int nCount) {
  for (int i = 0; i < nCount; ++i) SetResize(pEntries[i].nID, pEntries[i].rcAnchor);
}

void CKWResizeLayout::MakeTransparent(HWND hWnd) const {
  char className[kClassNameChars] = {};
  ::GetClassNameA(hWnd, className, kClassNameChars);
  const DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(hWnd, GWL_STYLE));
  if (::lstrcmpiA(className, "Button") != 0 || (style & kButtonTypeMask) == 0 ||
      (style & WS_TABSTOP))
    return;
  CWnd::ModifyStyleEx(hWnd, 0, WS_EX_TRANSPARENT,
                      SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CKWResizeLayout::AddItem(CWnd* pWnd, const CKWResizeRect& rcAnchor, const CRect& rcPos) {
  m_arrItems.Add(new CKWResizeItem(pWnd, rcAnchor, CKWResizeRect(rcPos), FALSE));
}

BOOL CKWResizeLayout::RemoveResize(UINT nID) {
  for (int i = m_arrItems.GetSize() - 1; i >= 0; --i) {
    HWND hWnd = m_arrItems[i]->m_pWnd->GetSafeHwnd();
    if (hWnd && static_cast<UINT>(::GetDlgCtrlID(hWnd)) == nID) {
      delete m_arrItems[i];
      m_arrItems.RemoveAt(i);
      return TRUE;
    }
  }
  return FALSE;
}

void CKWResizeLayout::RemoveAllControls() {
  for (int i = 0; i < m_arrItems.GetSize(); ++i) delete m_arrItems[i];
  m_arrItems.RemoveAll();
}

void CKWResizeLayout::Resize() {
  if (m_arrItems.GetSize() == 0 || !m_pWnd->GetSafeHwnd()) return;
  CRect rcNow;
  m_pWnd->GetWindowRect(rcNow);
  const int dx = rcNow.Width() - m_rcWindow.Width();
  const int dy = rcNow.Height() - m_rcWindow.Height();
  const int count = m_arrItems.GetSize();
  HDWP hDwp = ::BeginDeferWindowPos(count);
  for (int i = 0; i < count; ++i) {
    // A refused move frees the batch; the rest go into a new one.
    if (!MoveItem(hDwp, *m_arrItems[i], dx, dy) && !hDwp) hDwp = ::BeginDeferWindowPos(count - i);
  }
  // Every batch begun is ended, whatever its items did.
  if (hDwp) ::EndDeferWindowPos(hDwp);
  m_rcWindow = rcNow;
}

BOOL CKWResizeLayout::MoveItem(HDWP& hDwp, CKWResizeItem& item, int dx, int dy) {
  const CKWResizeRect pos = KWMoveResizeRect(item.m_rcPos, item.m_rcAnchor, dx, dy);
  if (pos == item.m_rcPos) return TRUE;
  item.m_rcPos = pos;
  HWND hWnd = item.m_pWnd->GetSafeHwnd();
  if (!hWnd || !::IsWindow(hWnd)) return TRUE;
  if (!hDwp) return FALSE;
  const CRect target = KWTruncatedRect(pos);
  const UINT flags = KWResizeMoveFlags(ParentClientRect(hWnd), target);
  hDwp = ::DeferWindowPos(hDwp, hWnd, nullptr, target.left, target.top, target.Width(),
                          target.Height(), flags);
  return hDwp != nullptr;
}

void CKWResizeLayout::GetMinMaxInfo(MINMAXINFO* lpMMI) const {
  KWTrackLimits limits = {lpMMI->ptMaxSize, lpMMI->ptMinTrackSize, lpMMI->ptMaxTrackSize};
  KWApplyTrackLimits(m_nFlags, m_rcWindow, m_szMin, m_szMax, limits);
  lpMMI->ptMaxSize = limits.maxSize;
  lpMMI->ptMinTrackSize = limits.minTrack;
  lpMMI->ptMaxTrackSize = limits.maxTrack;
}

void CKWResizeLayout::LoadPlacement(LPCSTR lpszSection) {
  LPBYTE pData = nullptr;
  UINT nBytes = 0;
  if (!AfxGetApp()->GetProfileBinary(lpszSection, kPlacementEntry, &pData, &nBytes)) return;
  if (nBytes == sizeof(WINDOWPLACEMENT))
    m_pWnd->SetWindowPlacement(reinterpret_cast<WINDOWPLACEMENT*>(pData));
  delete[] pData;
}

void CKWResizeLayout::SavePlacement(LPCSTR lpszSection) {
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  if (!m_pWnd->GetWindowPlacement(&placement)) return;
  AfxGetApp()->WriteProfileBinary(lpszSection, kPlacementEntry,
                                  reinterpret_cast<LPBYTE>(&placement), sizeof placement);
}
