#include "classlib/win/CReBar.h"

#include <algorithm>

#include "classlib/win/CBitmap.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CFrameWnd.h"

IMPLEMENT_DYNAMIC(CReBar, CControlBar)

BEGIN_MESSAGE_MAP(CReBar, CControlBar)
  ON_WM_ERASEBKGND()
  ON_WM_PAINT()
  ON_NOTIFY_REFLECT(RBN_HEIGHTCHANGE, OnHeightChange)
END_MESSAGE_MAP()

namespace {
// A stretched bar is as long as the room it is given, up to this.
constexpr int kStretchedLength = 32767;
}  // namespace

BOOL CReBar::Create(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID) {
  m_dwStyle = dwStyle & CBRS_ALL;
  if (nID == AFX_IDW_REBAR) m_dwStyle |= CBRS_HIDE_INPLACE;
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_COOL_CLASSES};
  ::InitCommonControlsEx(&icc);
  // The bar places itself; the control must not.
  DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | CCS_NODIVIDER | CCS_NOPARENTALIGN |
                     CCS_NORESIZE | CCS_NOMOVEY | RBS_VARHEIGHT;
  return CWnd::CreateEx(0, REBARCLASSNAMEA, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd,
                        nID);
}

BOOL CReBar::AddBar(CWnd* pBar, LPCSTR pszText, CBitmap* pbmp, DWORD dwStyle) {
  REBARBANDINFOA band = {};
  band.cbSize = sizeof band;
  band.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE;
  band.fStyle = dwStyle;
  band.hwndChild = pBar->m_hWnd;
  CSize sizeLeast;
  if (pBar->IsKindOf(RUNTIME_CLASS(CControlBar))) {
    sizeLeast = static_cast<CControlBar*>(pBar)->CalcFixedLayout(FALSE, TRUE);
  } else {
    CRect rect;
    pBar->GetWindowRect(&rect);
    sizeLeast = rect.Size();
  }
  band.cxMinChild = static_cast<UINT>(sizeLeast.cx);
  band.cyMinChild = static_cast<UINT>(sizeLeast.cy);
  if (pszText != nullptr) {
    band.fMask |= RBBIM_TEXT;
    band.lpText = const_cast<LPSTR>(pszText);
  }
  if (pbmp != nullptr) {
    band.fMask |= RBBIM_BACKGROUND;
    band.hbmBack = static_cast<HBITMAP>(pbmp->GetSafeHandle());
  }
  if (!SendMessage(RB_INSERTBANDA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band)))
    return FALSE;
  if (CFrameWnd* pFrame = GetParentFrame()) pFrame->DelayRecalcLayout();
  return TRUE;
}

CSize CReBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  // The rows of bands, and the borders around them.
  CRect rectInside(0, 0, 0, 0);
  CalcInsideRect(rectInside, bHorz);
  int cyBands = static_cast<int>(SendMessage(RB_GETBARHEIGHT));
  CSize size(bStretch ? kStretchedLength : 0, cyBands - rectInside.Height());
  if (!bStretch) {
    int nBands = static_cast<int>(SendMessage(RB_GETBANDCOUNT));
    for (int i = 0; i < nBands; ++i) {
      CRect rect;
      SendMessage(RB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&rect));
      size.cx = std::max<LONG>(size.cx, rect.right - rectInside.Width());
    }
  }
  return size;
}

void CReBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
  // The bars in the bands update themselves; other windows in them are controls.
  UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

BOOL CReBar::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }

void CReBar::OnPaint() { Default(); }

void CReBar::OnHeightChange(NMHDR*, LRESULT* pResult) {
  // The change may come from within a layout, which must end first.
  if (CFrameWnd* pFrame = GetParentFrame()) pFrame->DelayRecalcLayout();
  *pResult = 0;
}
