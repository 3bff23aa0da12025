#include "toolkit/win/CKWToolBar.h"

#include <algorithm>

#include "classlib/core/ToolBarResource.h"
#include "classlib/win/AfxState.h"
#include "classlib/win/CCmdUI.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/ToolBarButtonState.h"
#include "classlib/win/ToolBarControl.h"
#include "toolkit/win/CKWExpButton.h"
#include "toolkit/win/CKWGlobalData.h"
#include "toolkit/win/CKWMemDC.h"

IMPLEMENT_DYNAMIC(CKWToolBar, CKWControlBar)

BEGIN_MESSAGE_MAP(CKWToolBar, CKWControlBar)
  ON_WM_CREATE()
  ON_WM_NCCREATE()
  ON_WM_NCHITTEST()
  ON_WM_NCCALCSIZE()
  ON_WM_WINDOWPOSCHANGING()
  ON_WM_SYSCOLORCHANGE()
  ON_WM_LBUTTONUP()
  ON_WM_PAINT()
  ON_MESSAGE(TB_SETBUTTONSIZE, OnSetSizeMessage)
  ON_MESSAGE(TB_SETBITMAPSIZE, OnSetSizeMessage)
  ON_MESSAGE(TB_SETDRAWTEXTFLAGS, OnSetDrawTextFlags)
  ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, OnCustomDraw)
  ON_NOTIFY_REFLECT(TBN_DROPDOWN, OnDropDown)
  ON_NOTIFY_REFLECT(TBN_HOTITEMCHANGE, OnHotItemChange)
END_MESSAGE_MAP()

namespace {
constexpr int kToolBarBorderEnd = 3;
constexpr int kFlatSeparatorWidth = 6;
// Tools reach this far past a button's right and bottom edges.
constexpr int kButtonEdge = 1;
constexpr int kComCtl472 = 0x40048;
constexpr int kComCtl471 = 0x40047;

// A resource of the program's modules, found as the class library finds them.
HRSRC FindProgramResource(UINT nID, LPCSTR lpszType, HINSTANCE* phInst) {
  *phInst = AfxFindResourceHandle(MAKEINTRESOURCEA(nID), lpszType);
  return ::FindResourceA(*phInst, MAKEINTRESOURCEA(nID), lpszType);
}
}  // namespace

CKWToolBar::CKWToolBar()
    : m_sizeImage(kToolBarImageWidth, kToolBarImageHeight),
      m_sizeButton(kToolBarButtonWidth, kToolBarButtonHeight) {
  m_cyTopBorder = kToolBarBorderEnd;
  m_cyBottomBorder = kToolBarBorderEnd;
}

CKWToolBar::~CKWToolBar() {
  if (m_hbmImageWell != nullptr) ::DeleteObject(m_hbmImageWell);
  m_nCount = 0;
}

BOOL CKWToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders,
                          UINT nID) {
  if (!ToolBarCreateControl(this, pParentWnd, dwCtrlStyle, dwStyle, rcBorders, nID)) return FALSE;
  SetSizes(m_sizeButton, m_sizeImage);
  SetFont(&m_fontNormal, TRUE);
  return TRUE;
}

BOOL CKWToolBar::PreCreateWindow(CREATESTRUCTA& cs) {
  if (!CKWControlBar::PreCreateWindow(cs)) return FALSE;
  if (m_bCustomize) cs.style |= CCS_ADJUSTABLE | TBSTYLE_ALTDRAG;
  cs.style |= WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  return TRUE;
}

int CKWToolBar::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CKWControlBar::OnCreate(lpCreateStruct) == -1) return -1;
  if (!HasChevron()) return 0;
  m_pChevron = new CKWExpButton;
  if (!m_pChevron->Create(this, ID_KW_CUSTOMIZE)) {
    delete m_pChevron;
    m_pChevron = nullptr;
    return -1;
  }
  return 0;
}

BOOL CKWToolBar::OnNcCreate(LPCREATESTRUCT lpCreateStruct) {
  if (!static_cast<BOOL>(Default())) return FALSE;
  CWnd* pOwner = GetOwner();
  if (pOwner != nullptr) SendMessage(TB_SETPARENT, reinterpret_cast<WPARAM>(pOwner->m_hWnd));
  SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
  return TRUE;
}

void CKWToolBar::SetOwner(CWnd* pOwnerWnd) {
  if (m_hWnd != nullptr && pOwnerWnd != nullptr)
    SendMessage(TB_SETPARENT, reinterpret_cast<WPARAM>(pOwnerWnd->m_hWnd));
  CWnd::SetOwner(pOwnerWnd);
}

// ---- Buttons and images.

void CKWToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage) {
  if (ToolBarSetSizes(m_hWnd, sizeButton, sizeImage, &m_sizeButton, &m_sizeImage))
    m_bDelayedButtonLayout = TRUE;
}

LRESULT CKWToolBar::OnSetSizeMessage(WPARAM wParam, LPARAM lParam) {
  // Older controls size their buttons for the flat style only while they have it.
  DWORD dwStyle = GetStyle();
  bool bAddFlat = KWGetGlobalData().GetComCtlVersion() > kComCtl471;
  if (bAddFlat) ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(dwStyle | TBSTYLE_FLAT | TBSTYLE_TRANSPARENT));
  const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
  LRESULT lResult = DefWindowProc(msg.message, wParam, lParam);
  if (bAddFlat) ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(dwStyle));
  return lResult;
}

LRESULT CKWToolBar::OnSetDrawTextFlags(WPARAM wParam, LPARAM lParam) {
  m_dwDrawTextMask = static_cast<DWORD>(wParam);
  m_dwDrawTextFlags = static_cast<DWORD>(lParam);
  return DefWindowProc(TB_SETDRAWTEXTFLAGS, wParam, lParam);
}

BOOL CKWToolBar::SetButtons(const UINT* lpIDArray, int nIDCount) {
  bool bNarrow = (GetStyle() & TBSTYLE_FLAT) || KWGetGlobalData().GetComCtlVersion() == kComCtl472;
  if (!ToolBarSetButtons(m_hWnd, lpIDArray, nIDCount,
                         bNarrow ? kFlatSeparatorWidth : kToolBarSeparatorWidth, true, &m_nCount)) {
    // The count is kept only for a complete set.
    m_nCount = 0;
    return FALSE;
  }
  m_bDelayedButtonLayout = TRUE;
  UnhideAll();
  return TRUE;
}

BOOL CKWToolBar::LoadToolBar(UINT nIDResource) {
  HINSTANCE hInst = nullptr;
  HRSRC hRsrc = FindProgramResource(nIDResource, RT_TOOLBAR, &hInst);
  HGLOBAL hGlobal = hRsrc != nullptr ? ::LoadResource(hInst, hRsrc) : nullptr;
  const void* pData = hGlobal != nullptr ? ::LockResource(hGlobal) : nullptr;
  if (pData == nullptr) return FALSE;
  // The ids are read only when the resource holds as many as it announces.
  ToolBarResource res;
  if (!ParseToolBarResource(static_cast<const BYTE*>(pData), ::SizeofResource(hInst, hRsrc), &res) ||
      res.cxImage <= 0 || res.cyImage <= 0)
    return FALSE;
  DWORD dwStyle = GetStyle();
  ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(dwStyle | TBSTYLE_FLAT | TBSTYLE_TRANSPARENT));
  BOOL bResult = SetButtons(res.ids.data(), static_cast<int>(res.ids.size()));
  if (bResult) {
    SetSizes(CSize(res.cxImage + kToolBarButtonMargin, res.cyImage + kToolBarButtonMargin),
             CSize(res.cxImage, res.cyImage));
    bResult = LoadBitmap(nIDResource);
  }
  ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(dwStyle));
  m_entries.clear();
  for (int i = 0; i < GetButtonCount(); ++i) {
    CKWToolButtonEntry entry;
    GetButton(i, &entry.button);
    entry.bInitiallyHidden = SendMessage(TB_ISBUTTONHIDDEN, static_cast<WPARAM>(entry.button.idCommand)) != 0;
    m_entries.push_back(std::move(entry));
  }
  return bResult;
}

BOOL CKWToolBar::LoadBitmap(UINT nIDResource) {
  HINSTANCE hInst = nullptr;
  HRSRC hRsrc = FindProgramResource(nIDResource, RT_BITMAP, &hInst);
  HBITMAP hbm = hRsrc != nullptr ? LoadSysColorBitmap(hInst, hRsrc) : nullptr;
  if (hbm == nullptr) return FALSE;
  if (!AddReplaceBitmap(hbm)) {
    ::DeleteObject(hbm);
    return FALSE;
  }
  m_nBitmapId = nIDResource;
  return TRUE;
}

BOOL CKWToolBar::SetBitmap(HBITMAP hbmImageWell) {
  m_nBitmapId = 0;
  return hbmImageWell != nullptr && AddReplaceBitmap(hbmImageWell);
}

BOOL CKWToolBar::AddReplaceBitmap(HBITMAP hbmImageWell) {
  return ToolBarAddReplaceBitmap(m_hWnd, hbmImageWell, m_sizeImage.cx, &m_hbmImageWell);
}

void CKWToolBar::OnSysColorChange() {
  if (m_nBitmapId == 0 || m_hbmImageWell == nullptr) return;
  HINSTANCE hInst = nullptr;
  HRSRC hRsrc = FindProgramResource(m_nBitmapId, RT_BITMAP, &hInst);
  HBITMAP hbm = hRsrc != nullptr ? LoadSysColorBitmap(hInst, hRsrc) : nullptr;
  if (hbm != nullptr && !AddReplaceBitmap(hbm)) ::DeleteObject(hbm);
}

int CKWToolBar::GetButtonCount() const {
  return static_cast<int>(::SendMessageA(m_hWnd, TB_BUTTONCOUNT, 0, 0));
}

void CKWToolBar::SetButton(int nIndex, const TBBUTTON& button) {
  TBBUTTON current;
  if (!GetButton(nIndex, &current) || SameToolBarButton(current, button)) return;
  TBBUTTON replacement = button;
  // The control shows no half-replaced bar.
  DWORD dwStyle = GetStyle();
  ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(dwStyle & ~WS_VISIBLE));
  SendMessage(TB_DELETEBUTTON, static_cast<WPARAM>(nIndex));
  SendMessage(TB_INSERTBUTTONA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&replacement));
  ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(dwStyle));
  bool bHiddenChanged = ((current.fsState ^ button.fsState) & TBSTATE_HIDDEN) != 0;
  CKWToolButtonEntry* pEntry = EntryOf(static_cast<UINT>(button.idCommand));
  if (bHiddenChanged && (button.fsStyle & TBSTYLE_SEP) && pEntry != nullptr &&
      pEntry->pControl != nullptr) {
    m_bDelayedButtonLayout = TRUE;
    PositionControl(pEntry->pControl);
  }
  bool bSameShape = ((current.fsStyle ^ button.fsStyle) & TBSTYLE_SEP) == 0 &&
                    (!(button.fsStyle & TBSTYLE_SEP) || current.iBitmap == button.iBitmap);
  if (bSameShape) {
    CRect rect;
    if (SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&rect)))
      InvalidateRect(&rect, FALSE);
  } else {
    Invalidate(FALSE);
  }
}

void CKWToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage) {
  TBBUTTON current;
  TBBUTTON changed;
  if (!ToolBarReviseButton(m_hWnd, nIndex, nID, nStyle, iImage, &current, &changed) ||
      SameToolBarButton(changed, current))
    return;
  SetButton(nIndex, changed);
  m_bDelayedButtonLayout = TRUE;
}

BOOL CKWToolBar::SetButtonText(int nIndex, LPCSTR lpszText) {
  auto it = std::find_if(m_strings.begin(), m_strings.end(),
                         [&](const std::pair<CString, int>& s) { return s.first == lpszText; });
  int iString = 0;
  if (it != m_strings.end()) {
    iString = it->second;
  } else {
    // The control takes a list of strings, each ending in a NUL, the list in another.
    CString strList(lpszText);
    std::vector<char> buffer(static_cast<size_t>(strList.GetLength()) + 2, '\0');
    std::copy(static_cast<LPCSTR>(strList), static_cast<LPCSTR>(strList) + strList.GetLength(),
              buffer.begin());
    iString = static_cast<int>(SendMessage(TB_ADDSTRINGA, 0, reinterpret_cast<LPARAM>(buffer.data())));
    if (iString == -1) return FALSE;
    m_strings.emplace_back(strList, iString);
  }
  TBBUTTON button;
  if (!GetButton(nIndex, &button)) return FALSE;
  if (button.iString != iString) {
    button.iString = iString;
    SetButton(nIndex, button);
    CFrameWnd* pFrame = GetDockingFrame();
    if (pFrame != nullptr) pFrame->RecalcLayout();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
  }
  return TRUE;
}

CString CKWToolBar::GetButtonText(int nIndex) const {
  TBBUTTON button;
  GetButton(nIndex, &button);
  for (const auto& s : m_strings)
    if (s.second == button.iString) return s.first;
  return CString();
}

// ---- Items.

void CKWToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
  CKWToolCmdUI state(this);
  state.m_pOther = this;
  UpdateToolBarButtons(m_hWnd, &state, [&] {
    // The bar's own handler first, then the frame's.
    if (!CWnd::OnCmdMsg(state.m_nID, CN_UPDATE_COMMAND_UI, &state, nullptr))
      state.DoUpdate(pTarget, bDisableIfNoHndler);
  });
  UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

INT_PTR CKWToolBar::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const {
  INT_PTR nHit = CKWControlBar::OnToolHitTest(point, pTI);
  if (nHit != -1) return nHit;
  // The edge between two buttons belongs to the left and upper one; a tool
  // description too old to hold the tip's fields is left alone.
  bool bDescribe = pTI != nullptr && pTI->cbSize >= TTTOOLINFOA_V1_SIZE;
  return ToolBarHitTest(*this, point, kButtonEdge, bDescribe ? pTI : nullptr);
}

// ---- The window.

void CKWToolBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp) { ToolBarCalcClient(*this, lpncsp); }

void CKWToolBar::OnWindowPosChanging(WINDOWPOS* lpWndPos) {
  // The class library's handling, without the border repaint of the control bar.
  DWORD dwStyle = m_dwStyle;
  m_dwStyle &= ~CBRS_BORDER_ANY;
  CControlBar::OnWindowPosChanging(lpWndPos);
  m_dwStyle = dwStyle;
  if ((m_dwStyle & CBRS_SIZE_DYNAMIC) && !(lpWndPos->flags & SWP_NOSIZE)) Invalidate();
}

void CKWToolBar::OnLButtonUp(UINT nFlags, CPoint point) {
  if (m_bCapture) {
    m_bCapture = 0;
    ::ReleaseCapture();
    Invalidate();
  }
  Default();
}
