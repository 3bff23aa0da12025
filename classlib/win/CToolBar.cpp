#include "classlib/win/CToolBar.h"

#include "classlib/core/ToolBarResource.h"
#include "classlib/win/CCmdUI.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/ToolBarButtonState.h"
#include "classlib/win/ToolBarControl.h"
#include "classlib/win/WindowDCs.h"

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
  ON_WM_NCHITTEST()
  ON_WM_NCCALCSIZE()
  ON_WM_NCPAINT()
  ON_WM_PAINT()
END_MESSAGE_MAP()

namespace {
// The room left around the buttons of a bar made with Create.
constexpr int kDefaultBorder = 2;
// States that move the buttons: changing them replaces the button, so that
// the control lays its rows out again.
constexpr BYTE kLayoutStates = TBSTATE_WRAP | TBSTATE_HIDDEN;
constexpr BYTE kLayoutStyles = TBSTYLE_SEP | TBSTYLE_DROPDOWN;

// A bitmap resource with its greys in the system's button colours.
HBITMAP LoadSysColorBitmap(LPCSTR lpszResourceName) {
  HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
  return static_cast<HBITMAP>(
      ::LoadImageA(hInst, lpszResourceName, IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
}
}  // namespace

CToolBar::CToolBar()
    : m_sizeButton(kToolBarButtonWidth, kToolBarButtonHeight),
      m_sizeImage(kToolBarImageWidth, kToolBarImageHeight) {
  SetBorders(kDefaultBorder, kDefaultBorder, kDefaultBorder, kDefaultBorder);
}

CToolBar::~CToolBar() {
  // The view shares the bar's window; it must not destroy it.
  m_ctrl.m_hWnd = nullptr;
  if (m_hbmImageWell != nullptr) ::DeleteObject(m_hbmImageWell);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders,
                        UINT nID) {
  if (!ToolBarCreateControl(this, pParentWnd, dwCtrlStyle, dwStyle, rcBorders, nID)) return FALSE;
  SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
  SetSizes(m_sizeButton, m_sizeImage);
  return TRUE;
}

BOOL CToolBar::PreCreateWindow(CREATESTRUCTA& cs) {
  if (!CControlBar::PreCreateWindow(cs)) return FALSE;
  cs.style |= WS_CLIPSIBLINGS;
  return TRUE;
}

CToolBarCtrl& CToolBar::GetToolBarCtrl() const {
  m_ctrl.m_hWnd = m_hWnd;
  return m_ctrl;
}

// ---- Buttons and images.

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage) {
  if (ToolBarSetSizes(m_hWnd, sizeButton, sizeImage, &m_sizeButton, &m_sizeImage))
    m_bDelayedButtonLayout = TRUE;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount) {
  // Without ids, separators for SetButtonInfo to make into buttons.
  BOOL bAdded =
      ToolBarSetButtons(m_hWnd, lpIDArray, nIDCount, kToolBarSeparatorWidth, false, &m_nCount);
  if (bAdded) m_bDelayedButtonLayout = TRUE;
  return bAdded;
}

BOOL CToolBar::LoadToolBar(LPCSTR lpszResourceName) {
  HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_TOOLBAR);
  HRSRC hRsrc = ::FindResourceA(hInst, lpszResourceName, RT_TOOLBAR);
  HGLOBAL hGlobal = hRsrc != nullptr ? ::LoadResource(hInst, hRsrc) : nullptr;
  const void* pData = hGlobal != nullptr ? ::LockResource(hGlobal) : nullptr;
  ToolBarResource res;
  if (pData == nullptr ||
      !ParseToolBarResource(static_cast<const BYTE*>(pData), ::SizeofResource(hInst, hRsrc), &res))
    return FALSE;
  // The images first: without them the buttons stay as they are.
  HBITMAP hbm = LoadSysColorBitmap(lpszResourceName);
  if (hbm == nullptr) return FALSE;
  SetSizes(CSize(res.cxImage + kToolBarButtonMargin, res.cyImage + kToolBarButtonMargin),
           CSize(res.cxImage, res.cyImage));
  if (!SetButtons(res.ids.data(), static_cast<int>(res.ids.size())) || !AddReplaceBitmap(hbm)) {
    ::DeleteObject(hbm);
    return FALSE;
  }
  return TRUE;
}

BOOL CToolBar::LoadBitmap(LPCSTR lpszResourceName) {
  HBITMAP hbm = LoadSysColorBitmap(lpszResourceName);
  if (hbm == nullptr) return FALSE;
  if (AddReplaceBitmap(hbm)) return TRUE;
  ::DeleteObject(hbm);
  return FALSE;
}

BOOL CToolBar::SetBitmap(HBITMAP hbmImageWell) {
  return hbmImageWell != nullptr && AddReplaceBitmap(hbmImageWell);
}

BOOL CToolBar::AddReplaceBitmap(HBITMAP hbmImageWell) {
  return ToolBarAddReplaceBitmap(m_hWnd, hbmImageWell, m_sizeImage.cx, &m_hbmImageWell);
}

// ---- One button.

void CToolBar::SetButton(int nIndex, const TBBUTTON& button) {
  TBBUTTON current;
  if (!GetButton(nIndex, &current) || SameToolBarButton(current, button)) return;
  bool bMoves = current.idCommand != button.idCommand || current.iBitmap != button.iBitmap ||
                ((current.fsState ^ button.fsState) & kLayoutStates) != 0 ||
                ((current.fsStyle ^ button.fsStyle) & kLayoutStyles) != 0;
  if (bMoves) {
    TBBUTTON replacement = button;
    SendMessage(TB_DELETEBUTTON, static_cast<WPARAM>(nIndex));
    SendMessage(TB_INSERTBUTTONA, static_cast<WPARAM>(nIndex),
                reinterpret_cast<LPARAM>(&replacement));
    Invalidate();
    return;
  }
  // States and styles that keep the button in place.
  TBBUTTONINFOA info = {};
  info.cbSize = sizeof info;
  info.dwMask = TBIF_BYINDEX | TBIF_STATE | TBIF_STYLE;
  info.fsState = button.fsState;
  info.fsStyle = button.fsStyle;
  SendMessage(TB_SETBUTTONINFOA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&info));
}

void CToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage) {
  TBBUTTON current;
  TBBUTTON changed;
  if (!ToolBarReviseButton(m_hWnd, nIndex, nID, nStyle, iImage, &current, &changed)) return;
  SetButton(nIndex, changed);
  m_bDelayedButtonLayout = TRUE;
}

// ---- Layout.

std::vector<ToolBarItem> CToolBar::ReadItems(std::vector<TBBUTTON>* pButtons) const {
  std::vector<ToolBarItem> items = ReadToolBarItems<ToolBarItem>(m_hWnd, pButtons);
  for (size_t i = 0; i < items.size(); ++i) {
    ToolBarItem& item = items[i];
    item.cy = m_sizeButton.cy;
    // A drop-down button is wider by its arrow: the control knows by how much.
    CRect rect;
    if (item.bSeparator)
      item.cx = (*pButtons)[i].iBitmap;
    else if (ToolBarMeasuredRect(m_hWnd, static_cast<int>(i), &rect))
      item.cx = rect.Width();
    else
      item.cx = m_sizeButton.cx;
  }
  return items;
}

CSize CToolBar::CalcLayout(DWORD dwMode, int nLength) {
  std::vector<TBBUTTON> buttons;
  std::vector<ToolBarItem> items = ReadItems(&buttons);
  int nWrap = 0;
  bool bVert = false;
  // A fixed bar keeps the rows it was given; the others wrap for the length asked.
  if (ToolBarWrapLength(*this, dwMode, nLength, m_nMRUWidth, &nWrap, &bVert))
    SizeToolBar(items, nWrap, bVert);
  CSize size = CalcToolBarSize(items);
  if (dwMode & LM_COMMIT) {
    if ((m_dwStyle & CBRS_SIZE_DYNAMIC) && (m_dwStyle & CBRS_FLOATING)) m_nMRUWidth = size.cx;
    ApplyToolBarWraps(items, &buttons);
    for (size_t i = 0; i < buttons.size(); ++i) SetButton(static_cast<int>(i), buttons[i]);
  }
  // The borders around the buttons, and never less than a bar without any.
  return ToolBarBarSize(*this, size, dwMode);
}

CSize CToolBar::CalcDynamicLayout(int nLength, DWORD nMode) {
  // The docked sizes are the fixed ones, as long as nothing is to be kept.
  if (ToolBarDockedFixed(nLength, nMode))
    return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & LM_HORZDOCK) != 0);
  return CalcLayout(nMode, nLength);
}

void CToolBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) {
  if (m_hWnd == nullptr) return;
  // The borders and the gripper lie outside the client area, by the side the bar is on.
  constexpr DWORD kFrameStyles =
      CBRS_BORDER_ANY | CBRS_BORDER_3D | CBRS_GRIPPER | CBRS_FLOATING | CBRS_ORIENT_ANY;
  if ((dwOldStyle ^ dwNewStyle) & kFrameStyles)
    SetWindowPos(nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  // The rows follow the side: one along the top, one column on the left.
  m_bDelayedButtonLayout = FALSE;
  ToolBarCommitLayout(this, -1);
}

// ---- Items.

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
  CToolBarButtonCmdUI<CToolBar> state(this);
  state.m_pOther = this;
  UpdateToolBarButtons(m_hWnd, &state, [&] { state.DoUpdate(pTarget, bDisableIfNoHndler); });
  // Controls placed on the bar follow their commands too.
  UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

INT_PTR CToolBar::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const {
  INT_PTR nHit = CControlBar::OnToolHitTest(point, pTI);
  return nHit != -1 ? nHit : ToolBarHitTest(*this, point, 0, pTI);
}

// ---- The window.

LRESULT CToolBar::OnNcHitTest(CPoint) {
  // Presses on the borders and the gripper start drags like the client's.
  return HTCLIENT;
}

void CToolBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp) { ToolBarCalcClient(*this, lpncsp); }

void CToolBar::OnNcPaint() {
  CWindowDC dc(this);
  CRect rectWindow;
  GetWindowRect(&rectWindow);
  CRect rectClient;
  GetClientRect(&rectClient);
  ClientToScreen(&rectClient);
  rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
  rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
  dc.ExcludeClipRect(&rectClient);
  dc.FillSolidRect(&rectWindow, ::GetSysColor(COLOR_BTNFACE));
  DrawBorders(&dc, rectWindow);
  DrawGripper(&dc, rectWindow);
}

void CToolBar::OnPaint() {
  Layout();
  // The control paints its buttons.
  Default();
}
