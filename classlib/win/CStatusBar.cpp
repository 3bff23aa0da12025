#include "classlib/win/CStatusBar.h"

#include <algorithm>

#include "classlib/win/CCmdUI.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CFrameWnd.h"

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
  ON_WM_SIZE()
  ON_WM_ERASEBKGND()
  ON_WM_PAINT()
  ON_MESSAGE(WM_SETTEXT, OnSetText)
  ON_MESSAGE(WM_GETTEXT, OnGetText)
  ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
END_MESSAGE_MAP()

namespace {
// The pane styles the control draws from; the others are the bar's own.
constexpr UINT kControlStyles = 0xFFFF;
// The room around a pane's text for its edges.
constexpr int kPaneEdges = 4;

// A pane as the update handlers see it: enabled shows its text, checked pops it out.
class CStatusCmdUI : public CCmdUI {
 public:
  explicit CStatusCmdUI(CStatusBar* pBar) : m_pBar(pBar) {}
  void Enable(BOOL bOn) override {
    m_bEnableChanged = TRUE;
    SetStyleBit(SBPS_DISABLED, !bOn);
  }
  void SetCheck(int nCheck) override { SetStyleBit(SBPS_POPOUT, nCheck != 0); }
  void SetText(LPCSTR lpszText) override {
    m_pBar->SetPaneText(static_cast<int>(m_nIndex), lpszText);
  }

 private:
  void SetStyleBit(UINT nBit, bool bSet) {
    int nIndex = static_cast<int>(m_nIndex);
    UINT nStyle = m_pBar->GetPaneStyle(nIndex) & ~nBit;
    m_pBar->SetPaneStyle(nIndex, bSet ? nStyle | nBit : nStyle);
  }
  CStatusBar* m_pBar;
};
}  // namespace

CStatusBar::~CStatusBar() = default;

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES};
  ::InitCommonControlsEx(&icc);
  // The bar places itself; the control must not.
  m_dwStyle = dwStyle & CBRS_ALL;
  DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER |
                     CCS_NORESIZE;
  if (pParentWnd->GetStyle() & WS_THICKFRAME) dwWndStyle |= SBARS_SIZEGRIP;
  return CreateEx(0, STATUSCLASSNAMEA, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

int CStatusBar::TextWidth(LPCSTR lpszText) const {
  HDC hDC = ::GetDC(m_hWnd);
  auto hFont = reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
  if (hFont == nullptr) hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  HGDIOBJ hOldFont = ::SelectObject(hDC, hFont);
  SIZE size = {0, 0};
  ::GetTextExtentPoint32A(hDC, lpszText, lstrlenA(lpszText), &size);
  ::SelectObject(hDC, hOldFont);
  ::ReleaseDC(m_hWnd, hDC);
  return size.cx;
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount) {
  if (nIDCount < 0) return FALSE;
  m_panes.assign(static_cast<size_t>(nIDCount), Pane());
  // The bar's element count is the panes'.
  m_nCount = nIDCount;
  BOOL bResult = TRUE;
  for (int i = 0; i < nIDCount; ++i) {
    Pane& pane = m_panes[static_cast<size_t>(i)];
    pane.nID = lpIDArray != nullptr ? lpIDArray[i] : ID_SEPARATOR;
    if (pane.nID != ID_SEPARATOR) {
      // An indicator is as wide as its string.
      if (!pane.strText.LoadString(pane.nID)) bResult = FALSE;
      pane.cxText = TextWidth(pane.strText);
    } else {
      // A pane without a string gets a quarter of the screen; the first stretches.
      pane.cxText = ::GetSystemMetrics(SM_CXSCREEN) / 4;
      if (i == 0) pane.nStyle |= SBPS_STRETCH | SBPS_NOBORDERS;
    }
  }
  UpdateAllPanes(TRUE, TRUE);
  return bResult;
}

int CStatusBar::CommandToIndex(UINT nIDFind) const {
  for (size_t i = 0; i < m_panes.size(); ++i) {
    if (m_panes[i].nID == nIDFind) return static_cast<int>(i);
  }
  return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const { return m_panes[static_cast<size_t>(nIndex)].nID; }

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const {
  ::SendMessageA(m_hWnd, SB_GETRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect));
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const {
  const Pane& pane = m_panes[static_cast<size_t>(nIndex)];
  nID = pane.nID;
  nStyle = pane.nStyle;
  cxWidth = pane.cxText;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth) {
  Pane& pane = m_panes[static_cast<size_t>(nIndex)];
  BOOL bChanged = pane.nStyle != nStyle || pane.cxText != cxWidth;
  pane.nID = nID;
  pane.nStyle = nStyle;
  pane.cxText = cxWidth;
  if (bChanged) UpdateAllPanes(TRUE, TRUE);
}

UINT CStatusBar::GetPaneStyle(int nIndex) const {
  return m_panes[static_cast<size_t>(nIndex)].nStyle;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle) {
  Pane& pane = m_panes[static_cast<size_t>(nIndex)];
  // Idle updates set the same style again and again: only a change redraws.
  if (pane.nStyle == nStyle) return;
  BOOL bStretchChanged = ((pane.nStyle ^ nStyle) & SBPS_STRETCH) != 0;
  pane.nStyle = nStyle;
  UpdateAllPanes(bStretchChanged, TRUE);
}

CString CStatusBar::GetPaneText(int nIndex) const {
  return m_panes[static_cast<size_t>(nIndex)].strText;
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate) {
  if (nIndex < 0 || nIndex >= GetCount()) return FALSE;
  Pane& pane = m_panes[static_cast<size_t>(nIndex)];
  CString strNew = lpszNewText != nullptr ? lpszNewText : "";
  if (pane.strText == strNew) return TRUE;
  pane.strText = strNew;
  if (bUpdate && m_hWnd != nullptr) {
    // A disabled pane shows no text.
    LPCSTR lpszShown = (pane.nStyle & SBPS_DISABLED) ? "" : LPCSTR(pane.strText);
    ::SendMessageA(m_hWnd, SB_SETTEXTA,
                   static_cast<WPARAM>(nIndex) | (pane.nStyle & kControlStyles),
                   reinterpret_cast<LPARAM>(lpszShown));
  }
  return TRUE;
}

void CStatusBar::UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText) {
  if (m_hWnd == nullptr || m_panes.empty()) return;
  if (bUpdateRects) {
    // Fixed panes take their text's width; the stretching ones share what is left.
    int aBorders[3] = {0, 0, 0};  // horizontal edge, vertical edge, gap between panes
    ::SendMessageA(m_hWnd, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(aBorders));
    CRect rectClient;
    GetClientRect(&rectClient);
    int cxAvail = rectClient.Width() - 2 * aBorders[0];
    if (GetStyle() & SBARS_SIZEGRIP) cxAvail -= ::GetSystemMetrics(SM_CXVSCROLL);
    int cxFixed = 0;
    int nStretch = 0;
    for (const Pane& pane : m_panes) {
      cxFixed += pane.cxText + kPaneEdges + aBorders[2];
      if (pane.nStyle & SBPS_STRETCH) ++nStretch;
    }
    int cxExtra = std::max(0, cxAvail - cxFixed);
    std::vector<int> aRights;
    int xRight = aBorders[0];
    for (const Pane& pane : m_panes) {
      int cxPane = pane.cxText + kPaneEdges;
      if ((pane.nStyle & SBPS_STRETCH) && nStretch > 0) cxPane += cxExtra / nStretch;
      xRight += cxPane;
      aRights.push_back(xRight);
      xRight += aBorders[2];
    }
    ::SendMessageA(m_hWnd, SB_SETPARTS, aRights.size(), reinterpret_cast<LPARAM>(aRights.data()));
  }
  if (bUpdateText) {
    for (size_t i = 0; i < m_panes.size(); ++i) {
      const Pane& pane = m_panes[i];
      LPCSTR lpszShown = (pane.nStyle & SBPS_DISABLED) ? "" : LPCSTR(pane.strText);
      ::SendMessageA(m_hWnd, SB_SETTEXTA, i | (pane.nStyle & kControlStyles),
                     reinterpret_cast<LPARAM>(lpszShown));
    }
  }
}

CSize CStatusBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  CSize size = CControlBar::CalcFixedLayout(bStretch, bHorz);
  // One line of the control's font between its edges.
  HDC hDC = ::GetDC(m_hWnd);
  auto hFont = reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
  if (hFont == nullptr) hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  HGDIOBJ hOldFont = ::SelectObject(hDC, hFont);
  TEXTMETRICA tm = {};
  ::GetTextMetricsA(hDC, &tm);
  ::SelectObject(hDC, hOldFont);
  ::ReleaseDC(m_hWnd, hDC);
  int aBorders[3] = {0, 0, 0};
  ::SendMessageA(m_hWnd, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(aBorders));
  size.cy = tm.tmHeight + 2 * aBorders[1] + kPaneEdges;
  return size;
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL) {
  // Panes without a handler keep their state: indicators are never greyed for that.
  CStatusCmdUI state(this);
  state.m_pOther = this;
  state.m_nIndexMax = static_cast<UINT>(GetCount());
  for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
    state.m_nID = m_panes[state.m_nIndex].nID;
    state.DoUpdate(pTarget, FALSE);
  }
}

void CStatusBar::OnSize(UINT nType, int cx, int cy) {
  CControlBar::OnSize(nType, cx, cy);
  UpdateAllPanes(TRUE, FALSE);
}

// The control paints itself and its background.
BOOL CStatusBar::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
void CStatusBar::OnPaint() { Default(); }

LRESULT CStatusBar::OnSetText(WPARAM, LPARAM lParam) {
  int nIndex = PaneOfWindowText();
  return nIndex >= 0 && SetPaneText(nIndex, reinterpret_cast<LPCSTR>(lParam));
}

LRESULT CStatusBar::OnGetText(WPARAM wParam, LPARAM lParam) {
  int nIndex = PaneOfWindowText();
  auto* lpszDest = reinterpret_cast<LPSTR>(lParam);
  if (nIndex < 0 || wParam == 0 || lpszDest == nullptr) return 0;
  lstrcpynA(lpszDest, GetPaneText(nIndex), static_cast<int>(wParam));
  return lstrlenA(lpszDest);
}

LRESULT CStatusBar::OnGetTextLength(WPARAM, LPARAM) {
  int nIndex = PaneOfWindowText();
  return nIndex >= 0 ? GetPaneText(nIndex).GetLength() : 0;
}
