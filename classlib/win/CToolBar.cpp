#include "classlib/win/CToolBar.h"

#include <algorithm>

#include "classlib/core/ToolBarResource.h"
#include "classlib/win/CCmdUI.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/ToolBarButtonState.h"
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
// The default sizes of a button and of its image.
constexpr int kDefaultButtonWidth = 23;
constexpr int kDefaultButtonHeight = 22;
constexpr int kDefaultImageWidth = 16;
constexpr int kDefaultImageHeight = 15;
// A button is this much larger than its image, each way.
constexpr int kButtonMargin = 7;
// The width of a separator between buttons.
constexpr int kSeparatorWidth = 8;
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
    : m_sizeButton(kDefaultButtonWidth, kDefaultButtonHeight),
      m_sizeImage(kDefaultImageWidth, kDefaultImageHeight) {
  SetBorders(kDefaultBorder, kDefaultBorder, kDefaultBorder, kDefaultBorder);
}

CToolBar::~CToolBar() {
  // The view shares the bar's window; it must not destroy it.
  m_ctrl.m_hWnd = nullptr;
  if (m_hbmImageWell != nullptr) ::DeleteObject(m_hbmImageWell);
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
  return CreateEx(pParentWnd, 0, dwStyle, GetBorders(), nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders,
                        UINT nID) {
  SetBorders(&rcBorders);
  m_dwStyle = dwStyle & CBRS_ALL;
  // The standard toolbar stays out of the way of in-place editing.
  if (nID == AFX_IDW_TOOLBAR) m_dwStyle |= CBRS_HIDE_INPLACE;
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES};
  ::InitCommonControlsEx(&icc);
  // The bar places and sizes itself; the control must not.
  DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | CCS_NODIVIDER | CCS_NOPARENTALIGN |
                     CCS_NORESIZE | CCS_NOMOVEY;
  if (!CWnd::CreateEx(0, TOOLBARCLASSNAMEA, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd,
                      nID))
    return FALSE;
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
  m_sizeButton = sizeButton;
  m_sizeImage = sizeImage;
  if (m_hWnd == nullptr) return;
  SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(sizeImage.cx, sizeImage.cy));
  SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(sizeButton.cx, sizeButton.cy));
  m_bDelayedButtonLayout = TRUE;
  Invalidate();
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount) {
  while (SendMessage(TB_BUTTONCOUNT) > 0) SendMessage(TB_DELETEBUTTON, 0);
  m_nCount = 0;
  int iImage = 0;
  for (int i = 0; i < nIDCount; ++i) {
    TBBUTTON button = {};
    button.fsState = TBSTATE_ENABLED;
    button.iString = -1;
    UINT nID = lpIDArray != nullptr ? lpIDArray[i] : ID_SEPARATOR;
    if (nID == ID_SEPARATOR) {
      button.fsStyle = TBSTYLE_SEP;
      button.iBitmap = kSeparatorWidth;
    } else {
      button.fsStyle = TBSTYLE_BUTTON;
      button.idCommand = static_cast<int>(nID);
      button.iBitmap = iImage++;
    }
    if (!SendMessage(TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button))) return FALSE;
    ++m_nCount;
  }
  m_bDelayedButtonLayout = TRUE;
  return TRUE;
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
  SetSizes(CSize(res.cxImage + kButtonMargin, res.cyImage + kButtonMargin),
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
  BITMAP bm = {};
  if (::GetObjectA(hbmImageWell, sizeof bm, &bm) == 0 || m_sizeImage.cx <= 0) return FALSE;
  int nImages = bm.bmWidth / m_sizeImage.cx;
  if (m_hbmImageWell == nullptr) {
    TBADDBITMAP add = {nullptr, reinterpret_cast<UINT_PTR>(hbmImageWell)};
    // The first bitmap's images are numbered from 0.
    if (SendMessage(TB_ADDBITMAP, static_cast<WPARAM>(nImages), reinterpret_cast<LPARAM>(&add)) !=
        0)
      return FALSE;
  } else {
    TBREPLACEBITMAP replace = {nullptr, reinterpret_cast<UINT_PTR>(m_hbmImageWell), nullptr,
                               reinterpret_cast<UINT_PTR>(hbmImageWell), nImages};
    if (!SendMessage(TB_REPLACEBITMAP, 0, reinterpret_cast<LPARAM>(&replace))) return FALSE;
    ::DeleteObject(m_hbmImageWell);
  }
  m_hbmImageWell = hbmImageWell;
  Invalidate();
  return TRUE;
}

// ---- One button.

BOOL CToolBar::GetButton(int nIndex, TBBUTTON* pButton) const {
  *pButton = TBBUTTON{};
  return static_cast<BOOL>(::SendMessageA(m_hWnd, TB_GETBUTTON, static_cast<WPARAM>(nIndex),
                                          reinterpret_cast<LPARAM>(pButton)));
}

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

int CToolBar::CommandToIndex(UINT nIDFind) const {
  return static_cast<int>(::SendMessageA(m_hWnd, TB_COMMANDTOINDEX, nIDFind, 0));
}

UINT CToolBar::GetItemID(int nIndex) const {
  TBBUTTON button;
  GetButton(nIndex, &button);
  return static_cast<UINT>(button.idCommand);
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const {
  Layout();
  if (!::SendMessageA(m_hWnd, TB_GETITEMRECT, static_cast<WPARAM>(nIndex),
                      reinterpret_cast<LPARAM>(lpRect)))
    ::SetRectEmpty(lpRect);
}

UINT CToolBar::GetButtonStyle(int nIndex) const {
  TBBUTTON button;
  GetButton(nIndex, &button);
  return ToolBarStyleWord(button);
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle) {
  TBBUTTON button;
  if (!GetButton(nIndex, &button)) return;
  SetToolBarStyleWord(&button, nStyle);
  SetButton(nIndex, button);
  m_bDelayedButtonLayout = TRUE;
}

void CToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const {
  TBBUTTON button;
  GetButton(nIndex, &button);
  nID = static_cast<UINT>(button.idCommand);
  nStyle = ToolBarStyleWord(button);
  iImage = button.iBitmap;
}

void CToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage) {
  TBBUTTON button;
  if (!GetButton(nIndex, &button)) return;
  button.idCommand = static_cast<int>(nID);
  SetToolBarStyleWord(&button, nStyle);
  button.iBitmap = iImage;
  SetButton(nIndex, button);
  m_bDelayedButtonLayout = TRUE;
}

// ---- Layout.

std::vector<ToolBarItem> CToolBar::ReadItems(std::vector<TBBUTTON>* pButtons) const {
  int nCount = static_cast<int>(::SendMessageA(m_hWnd, TB_BUTTONCOUNT, 0, 0));
  std::vector<ToolBarItem> items(static_cast<size_t>(std::max(nCount, 0)));
  pButtons->resize(items.size());
  for (int i = 0; i < nCount; ++i) {
    TBBUTTON& button = (*pButtons)[static_cast<size_t>(i)];
    ToolBarItem& item = items[static_cast<size_t>(i)];
    GetButton(i, &button);
    item.bSeparator = (button.fsStyle & TBSTYLE_SEP) != 0;
    item.bHidden = (button.fsState & TBSTATE_HIDDEN) != 0;
    item.bWrap = (button.fsState & TBSTATE_WRAP) != 0;
    item.cy = m_sizeButton.cy;
    if (item.bSeparator) {
      item.cx = button.iBitmap;
      continue;
    }
    // A drop-down button is wider by its arrow: the control knows by how much.
    CRect rect;
    if (::SendMessageA(m_hWnd, TB_GETITEMRECT, static_cast<WPARAM>(i),
                       reinterpret_cast<LPARAM>(&rect)) &&
        !rect.IsRectEmpty())
      item.cx = rect.Width();
    else
      item.cx = m_sizeButton.cx;
  }
  return items;
}

CSize CToolBar::CalcLayout(DWORD dwMode, int nLength) {
  std::vector<TBBUTTON> buttons;
  std::vector<ToolBarItem> items = ReadItems(&buttons);
  BOOL bHorz = (dwMode & LM_HORZ) != 0;
  BOOL bDynamic = (m_dwStyle & CBRS_SIZE_DYNAMIC) != 0;
  BOOL bFloating = (m_dwStyle & CBRS_FLOATING) != 0;
  // A fixed bar keeps the rows it was given; the others wrap for the length asked.
  if ((m_dwStyle & CBRS_SIZE_FIXED) == 0) {
    if (bDynamic && (dwMode & LM_MRUWIDTH)) {
      SizeToolBar(items, m_nMRUWidth, false);
    } else if (bDynamic && (dwMode & LM_HORZDOCK)) {
      SizeToolBar(items, kToolBarUnlimited, false);
    } else if (bDynamic && (dwMode & LM_VERTDOCK)) {
      SizeToolBar(items, 0, false);
    } else if (bDynamic && nLength != -1) {
      // The length is the bar's; the buttons get it less the borders.
      CRect rectInside(0, 0, 0, 0);
      CalcInsideRect(rectInside, bHorz);
      bool bVert = (dwMode & LM_LENGTHY) != 0;
      SizeToolBar(items, nLength + (bVert ? rectInside.Height() : rectInside.Width()), bVert);
    } else if (bDynamic && bFloating) {
      SizeToolBar(items, m_nMRUWidth, false);
    } else {
      SizeToolBar(items, bHorz ? kToolBarUnlimited : 0, false);
    }
  }
  CSize size = CalcToolBarSize(items);
  if (dwMode & LM_COMMIT) {
    if (bDynamic && bFloating) m_nMRUWidth = size.cx;
    for (size_t i = 0; i < items.size(); ++i) {
      TBBUTTON button = buttons[i];
      button.fsState =
          items[i].bWrap ? (button.fsState | TBSTATE_WRAP) : (button.fsState & ~TBSTATE_WRAP);
      SetButton(static_cast<int>(i), button);
    }
  }
  // The borders around the buttons, and never less than a bar without any.
  CRect rectInside(0, 0, 0, 0);
  CalcInsideRect(rectInside, bHorz);
  size.cx -= rectInside.Width();
  size.cy -= rectInside.Height();
  CSize sizeLeast = CControlBar::CalcFixedLayout((dwMode & LM_STRETCH) != 0, bHorz);
  return CSize(std::max(size.cx, sizeLeast.cx), std::max(size.cy, sizeLeast.cy));
}

CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  return CalcLayout((bStretch ? LM_STRETCH : 0) | (bHorz ? LM_HORZ : 0));
}

CSize CToolBar::CalcDynamicLayout(int nLength, DWORD nMode) {
  // The docked sizes are the fixed ones, as long as nothing is to be kept.
  if (nLength == -1 && (nMode & (LM_MRUWIDTH | LM_COMMIT)) == 0 &&
      (nMode & (LM_HORZDOCK | LM_VERTDOCK)) != 0)
    return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & LM_HORZDOCK) != 0);
  return CalcLayout(nMode, nLength);
}

DWORD CToolBar::CurrentLayoutMode() const {
  if ((m_dwStyle & CBRS_SIZE_DYNAMIC) && (m_dwStyle & CBRS_FLOATING)) return LM_HORZ | LM_MRUWIDTH;
  if (m_dwStyle & CBRS_ORIENT_HORZ) return LM_HORZ | LM_HORZDOCK;
  return LM_VERTDOCK;
}

void CToolBar::Layout() const {
  if (!m_bDelayedButtonLayout || m_hWnd == nullptr) return;
  m_bDelayedButtonLayout = FALSE;
  const_cast<CToolBar*>(this)->CalcDynamicLayout(0, CurrentLayoutMode() | LM_COMMIT);
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
  CalcDynamicLayout(-1, CurrentLayoutMode() | LM_COMMIT);
}

// ---- Items.

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
  CToolBarButtonCmdUI<CToolBar> state(this);
  state.m_pOther = this;
  state.m_nIndexMax = static_cast<UINT>(::SendMessageA(m_hWnd, TB_BUTTONCOUNT, 0, 0));
  for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
    TBBUTTON button;
    GetButton(static_cast<int>(state.m_nIndex), &button);
    if (button.fsStyle & TBSTYLE_SEP) continue;
    state.m_nID = static_cast<UINT>(button.idCommand);
    state.DoUpdate(pTarget, bDisableIfNoHndler);
  }
  // Controls placed on the bar follow their commands too.
  UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

INT_PTR CToolBar::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const {
  INT_PTR nHit = CControlBar::OnToolHitTest(point, pTI);
  if (nHit != -1) return nHit;
  int nCount = static_cast<int>(::SendMessageA(m_hWnd, TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < nCount; ++i) {
    TBBUTTON button;
    GetButton(i, &button);
    if (button.fsStyle & TBSTYLE_SEP) continue;
    CRect rect;
    GetItemRect(i, &rect);
    if (!rect.PtInRect(point)) continue;
    if (button.idCommand == 0) return -1;
    if (pTI != nullptr) {
      pTI->hwnd = m_hWnd;
      pTI->rect = rect;
      pTI->uId = static_cast<UINT_PTR>(button.idCommand);
      pTI->lpszText = LPSTR_TEXTCALLBACKA;
    }
    return button.idCommand;
  }
  return -1;
}

// ---- The window.

LRESULT CToolBar::OnNcHitTest(CPoint) {
  // Presses on the borders and the gripper start drags like the client's.
  return HTCLIENT;
}

void CToolBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp) {
  CRect rectInside(0, 0, 0, 0);
  CalcInsideRect(rectInside, (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
  RECT& rc = lpncsp->rgrc[0];
  rc.left += rectInside.left;
  rc.top += rectInside.top;
  rc.right += rectInside.right;
  rc.bottom += rectInside.bottom;
}

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
