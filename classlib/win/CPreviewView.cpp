#include "classlib/win/CPreviewView.h"

#include <numeric>

#include "classlib/win/AfxRes.h"
#include "classlib/win/CBrush.h"
#include "classlib/win/CCmdUI.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CPen.h"
#include "classlib/win/CPreviewDC.h"
#include "classlib/win/CPrintInfo.h"
#include "classlib/win/CScrollBar.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/DocumentTexts.h"
#include "classlib/win/WindowDCs.h"

IMPLEMENT_DYNCREATE(CPreviewView, CScrollView)

BEGIN_MESSAGE_MAP(CPreviewView, CScrollView)
  ON_WM_SIZE()
  ON_WM_ERASEBKGND()
  ON_WM_VSCROLL()
  ON_WM_LBUTTONDOWN()
  ON_COMMAND(ID_PREVIEW_CLOSE, OnPreviewClose)
  ON_COMMAND(ID_PREVIEW_NUMPAGE, OnNumPageChange)
  ON_COMMAND(ID_PREVIEW_NEXT, OnNextPage)
  ON_COMMAND(ID_PREVIEW_PREV, OnPrevPage)
  ON_COMMAND(ID_PREVIEW_PRINT, OnPreviewPrint)
  ON_COMMAND(ID_PREVIEW_ZOOMIN, OnZoomIn)
  ON_COMMAND(ID_PREVIEW_ZOOMOUT, OnZoomOut)
  ON_UPDATE_COMMAND_UI(ID_PREVIEW_NUMPAGE, OnUpdateNumPageChange)
  ON_UPDATE_COMMAND_UI(ID_PREVIEW_NEXT, OnUpdateNextPage)
  ON_UPDATE_COMMAND_UI(ID_PREVIEW_PREV, OnUpdatePrevPage)
  ON_UPDATE_COMMAND_UI(ID_PREVIEW_ZOOMIN, OnUpdateZoomIn)
  ON_UPDATE_COMMAND_UI(ID_PREVIEW_ZOOMOUT, OnUpdateZoomOut)
END_MESSAGE_MAP()

namespace {

// The page's frame and its width.
constexpr int kPageFrameWidth = 2;
// Zoomed in, a line of the scroll bars is a tenth of the window.
constexpr int kScrollLineDivisor = 10;
// RestoreDC's state saved last, whatever each DC's count of saved states.
constexpr int kLastSavedDC = -1;
// The page bar shows while the document's length is below this.
constexpr UINT kMaxScrollablePage = 0x8000;

}  // namespace

CPreviewView::~CPreviewView() {
  delete m_pPreviewDC;
  // The printer DC is the print info's.
  m_dcPrint.Detach();
  delete m_pPreviewInfo;
  delete m_pPreviewState;
  if (m_pToolBar != nullptr) {
    m_pToolBar->DestroyWindow();
    delete m_pToolBar;
  }
}

BOOL CPreviewView::SetPrintView(CView* pPrintView) {
  m_pPrintView = pPrintView;
  m_pPreviewInfo = new CPrintInfo;
  m_pPreviewInfo->m_bPreview = TRUE;
  if (!m_pPrintView->OnPreparePrinting(m_pPreviewInfo)) return FALSE;
  m_dcPrint.Attach(m_pPreviewInfo->m_pPD->m_pd.hDC);
  m_dcPrint.m_bPrinting = TRUE;
  m_pPreviewDC = new CPreviewDC;
  m_pPreviewDC->SetAttribDC(m_dcPrint.m_hDC);
  m_pPreviewDC->m_bPrinting = TRUE;
  // What the view sets up for the whole job is not left on the printer.
  m_pPreviewDC->SaveDC();
  m_pPrintView->OnBeginPrinting(m_pPreviewDC, m_pPreviewInfo);
  m_pPreviewDC->RestoreDC(kLastSavedDC);

  m_sizePrinterPage = CSize(m_dcPrint.GetDeviceCaps(HORZRES), m_dcPrint.GetDeviceCaps(VERTRES));
  m_sizePrinterPPI =
      CSize(m_dcPrint.GetDeviceCaps(LOGPIXELSX), m_dcPrint.GetDeviceCaps(LOGPIXELSY));
  m_nPages = m_pPreviewInfo->m_nNumPreviewPages == kMaxPages ? kMaxPages : 1;
  m_nZoomState = kZoomOut;
  SetCurrentPage(m_pPreviewInfo->m_nCurPage, TRUE);
  return TRUE;
}

CSize CPreviewView::GetScreenPageSize() const {
  CClientDC dcScreen(nullptr);
  return CSize(
      ::MulDiv(m_sizePrinterPage.cx, dcScreen.GetDeviceCaps(LOGPIXELSX), m_sizePrinterPPI.cx),
      ::MulDiv(m_sizePrinterPage.cy, dcScreen.GetDeviceCaps(LOGPIXELSY), m_sizePrinterPPI.cy));
}

UINT CPreviewView::GetPagesDrawn() const {
  if (m_nZoomState != kZoomOut || m_pPreviewInfo == nullptr) return 1;
  return m_nCurrentPage < m_pPreviewInfo->GetMaxPage() ? m_nPages : 1;
}

void CPreviewView::SetCurrentPage(UINT nPage, BOOL bClearRatio) {
  const UINT nFirst = m_pPreviewInfo->GetMinPage();
  const UINT nLast = m_pPreviewInfo->GetMaxPage();
  m_nCurrentPage = nPage < nFirst ? nFirst : (nPage > nLast ? nLast : nPage);
  if (bClearRatio) PositionPages();
  if (m_nZoomState == kZoomOut && nLast > nFirst && nLast < kMaxScrollablePage)
    SetScrollPos(SB_VERT, static_cast<int>(m_nCurrentPage));
  UpdateStatusText();
  Invalidate(TRUE);
}

void CPreviewView::PositionPages() {
  if (m_pPreviewInfo == nullptr || m_bInPositionPages) return;
  m_bInPositionPages = TRUE;
  const UINT nFirst = m_pPreviewInfo->GetMinPage();
  const UINT nLast = m_pPreviewInfo->GetMaxPage();
  if (m_nZoomState == kZoomOut) {
    // The page bar replaces the scroll view's bars: it moves by pages.
    m_nMapMode = 0;
    ShowScrollBar(SB_HORZ, FALSE);
    const bool bPageBar = nLast > nFirst && nLast < kMaxScrollablePage;
    ShowScrollBar(SB_VERT, bPageBar);
    if (bPageBar) {
      // No page size: one left from zooming would hide a short range.
      SCROLLINFO info = {};
      info.cbSize = sizeof info;
      info.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
      info.nMin = static_cast<int>(nFirst);
      info.nMax = static_cast<int>(nLast);
      info.nPos = static_cast<int>(m_nCurrentPage);
      ::SetScrollInfo(m_hWnd, SB_VERT, &info, TRUE);
    }
  }
  CRect rectClient;
  GetClientRect(&rectClient);
  for (UINT nIndex = 0; nIndex < kMaxPages; ++nIndex) {
    PreparePagePrinter(nIndex);
    m_placements[nIndex] =
        PlacePreviewPage(rectClient.Size(), m_nPages, nIndex, GetScreenPageSize(), m_nZoomState);
  }
  if (m_nZoomState != kZoomOut) {
    const CRect& rectPage = m_placements[0].rectPage;
    const CSize sizeTotal(rectPage.right + kPreviewMargin + kPreviewShadow,
                          rectPage.bottom + kPreviewMargin + kPreviewShadow);
    SetScrollSizes(
        MM_TEXT, sizeTotal, rectClient.Size(),
        CSize(rectClient.Width() / kScrollLineDivisor, rectClient.Height() / kScrollLineDivisor));
  }
  m_bInPositionPages = FALSE;
}

CRect CPreviewView::GetPageRect(UINT nIndex) const {
  CRect rect = m_placements[nIndex].rectPage;
  if (m_nMapMode != 0) rect.OffsetRect(-GetDeviceScrollPosition());
  return rect;
}

void CPreviewView::UpdateStatusText() {
  CFrameWnd* pFrame = GetParentFrame();
  if (pFrame == nullptr) return;
  const CString& strDesc = m_pPreviewInfo->m_strPageDesc;
  const int nNewLine = strDesc.Find('\n');
  CString strText;
  if (GetPagesDrawn() == 1)
    strText.Format(nNewLine < 0 ? strDesc : strDesc.Left(nNewLine), m_nCurrentPage);
  else
    strText.Format(strDesc.Mid(nNewLine + 1), m_nCurrentPage, m_nCurrentPage + 1);
  pFrame->SetMessageText(strText);
}

// ---- Drawing.

BOOL CPreviewView::OnEraseBkgnd(CDC* pDC) {
  CRect rect;
  GetClientRect(&rect);
  pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_APPWORKSPACE));
  return TRUE;
}

void CPreviewView::OnDraw(CDC* pDC) {
  if (m_pPreviewDC == nullptr) return;
  for (UINT nIndex = 0; nIndex < GetPagesDrawn(); ++nIndex) DrawPage(pDC, nIndex);
}

void CPreviewView::DrawPage(CDC* pDC, UINT nIndex) {
  const PreviewPlacement& placement = m_placements[nIndex];
  CRect rectPage = placement.rectPage;
  // The shadow, the frame, then white paper.
  pDC->FillSolidRect(rectPage.left + kPreviewShadow, rectPage.bottom, rectPage.Width(),
                     kPreviewShadow, ::GetSysColor(COLOR_BTNSHADOW));
  pDC->FillSolidRect(rectPage.right, rectPage.top + kPreviewShadow, kPreviewShadow,
                     rectPage.Height(), ::GetSysColor(COLOR_BTNSHADOW));
  CPen penFrame(PS_SOLID, kPageFrameWidth, ::GetSysColor(COLOR_WINDOWFRAME));
  CPen* pOldPen = pDC->SelectObject(&penFrame);
  CBrush* pOldBrush = static_cast<CBrush*>(pDC->SelectStockObject(WHITE_BRUSH));
  pDC->Rectangle(rectPage.left - 1, rectPage.top - 1, rectPage.right + 1, rectPage.bottom + 1);
  pDC->SelectObject(pOldBrush);
  pDC->SelectObject(pOldPen);

  // The view prints the page through the preview DC: printer pixels scaled
  // by the page's ratio (made from screen to printer resolution) and moved
  // to the page's corner on the screen.
  CPoint ptTopLeft = rectPage.TopLeft();
  pDC->LPtoDP(&ptTopLeft);
  CClientDC dcScreen(nullptr);
  int nNum = placement.ratio.nNum * dcScreen.GetDeviceCaps(LOGPIXELSX);
  int nDen = placement.ratio.nDen * m_sizePrinterPPI.cx;
  const int nCommon = std::gcd(nNum, nDen);
  if (nCommon > 1) {
    nNum /= nCommon;
    nDen /= nCommon;
  }
  // The preview DC maps the screen DC its own way while the page prints.
  const int nScreenSaved = ::SaveDC(pDC->m_hDC);
  m_pPreviewDC->SetOutputDC(pDC->m_hDC);
  m_pPreviewDC->SetScaleRatio(nNum, nDen);
  m_pPreviewDC->SetTopLeftOffset(CSize(ptTopLeft.x, ptTopLeft.y));
  m_pPreviewDC->SaveDC();
  m_pPreviewInfo->m_nCurPage = m_nCurrentPage + nIndex;
  m_pPrintView->OnPrepareDC(m_pPreviewDC, m_pPreviewInfo);
  m_pPreviewDC->ClipToPage();
  m_pPreviewInfo->m_rectDraw.SetRect(0, 0, m_sizePrinterPage.cx, m_sizePrinterPage.cy);
  m_pPreviewDC->DPtoLP(&m_pPreviewInfo->m_rectDraw);
  if (m_pPreviewInfo->m_bContinuePrinting) m_pPrintView->OnPrint(m_pPreviewDC, m_pPreviewInfo);
  m_pPreviewDC->RestoreDC(kLastSavedDC);
  m_pPreviewDC->ReleaseOutputDC();
  ::RestoreDC(pDC->m_hDC, nScreenSaved);
}

// ---- Layout, scrolling and zoom.

void CPreviewView::OnSize(UINT nType, int cx, int cy) {
  CScrollView::OnSize(nType, cx, cy);
  PositionPages();
}

void CPreviewView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
  if (m_nZoomState != kZoomOut) {
    CScrollView::OnVScroll(nSBCode, nPos, pScrollBar);
    return;
  }
  const UINT nPage = PreviewPageAfterScroll(
      nSBCode, nPos, m_nCurrentPage, m_pPreviewInfo->GetMinPage(), m_pPreviewInfo->GetMaxPage());
  if (nPage != m_nCurrentPage) SetCurrentPage(nPage, FALSE);
}

void CPreviewView::OnLButtonDown(UINT, CPoint point) {
  // A click on a page zooms in a step, or all the way out from fully in.
  for (UINT nIndex = 0; nIndex < GetPagesDrawn(); ++nIndex) {
    if (!GetPageRect(nIndex).PtInRect(point)) continue;
    if (nIndex > 0) m_nCurrentPage += nIndex;
    SetZoomState((m_nZoomState + 1) % kPreviewZoomStates, point);
    return;
  }
}

void CPreviewView::SetZoomState(int nZoom, CPoint ptCenter) {
  // The point's place on the page, in thousandths, stays under the middle.
  constexpr int kFraction = 1000;
  const CRect rectOld = GetPageRect(0);
  const int xFraction =
      rectOld.Width() > 0 ? ::MulDiv(ptCenter.x - rectOld.left, kFraction, rectOld.Width()) : 0;
  const int yFraction =
      rectOld.Height() > 0 ? ::MulDiv(ptCenter.y - rectOld.top, kFraction, rectOld.Height()) : 0;
  m_nZoomState = nZoom;
  PositionPages();
  if (m_nZoomState != kZoomOut) {
    CRect rectClient;
    GetClientRect(&rectClient);
    const CRect& rectPage = m_placements[0].rectPage;
    ScrollToPosition(CPoint(
        rectPage.left + ::MulDiv(rectPage.Width(), xFraction, kFraction) - rectClient.Width() / 2,
        rectPage.top + ::MulDiv(rectPage.Height(), yFraction, kFraction) -
            rectClient.Height() / 2));
  }
  UpdateStatusText();
  Invalidate(TRUE);
}

// ---- Commands.

void CPreviewView::OnNextPage() {
  if (m_nCurrentPage < m_pPreviewInfo->GetMaxPage()) SetCurrentPage(m_nCurrentPage + 1, TRUE);
}

void CPreviewView::OnPrevPage() {
  if (m_nCurrentPage > m_pPreviewInfo->GetMinPage()) SetCurrentPage(m_nCurrentPage - 1, TRUE);
}

void CPreviewView::OnNumPageChange() {
  m_nPages = m_nPages == 1 ? kMaxPages : 1;
  // Later previews show as many.
  AfxGetApp()->m_nNumPreviewPages = m_nPages;
  SetCurrentPage(m_nCurrentPage, TRUE);
}

void CPreviewView::OnZoomIn() {
  if (m_nZoomState == kZoomIn) return;
  CRect rectClient;
  GetClientRect(&rectClient);
  SetZoomState(m_nZoomState + 1, rectClient.CenterPoint());
}

void CPreviewView::OnZoomOut() {
  if (m_nZoomState == kZoomOut) return;
  CRect rectClient;
  GetClientRect(&rectClient);
  SetZoomState(m_nZoomState - 1, rectClient.CenterPoint());
}

void CPreviewView::OnPreviewPrint() {
  // The print command goes to the view that prints, once it is back.
  CWnd* pMainWnd = AfxGetMainWnd();
  OnPreviewClose();
  if (pMainWnd != nullptr) pMainWnd->SendMessage(WM_COMMAND, ID_FILE_PRINT);
}

void CPreviewView::OnPreviewClose() {
  m_pPrintView->OnEndPrintPreview(m_pPreviewDC, m_pPreviewInfo, CPoint(0, 0), this);
}

void CPreviewView::OnUpdateNumPageChange(CCmdUI* pCmdUI) {
  pCmdUI->SetText(LoadDocumentText(m_nPages == 1 ? AFX_IDS_TWOPAGE : AFX_IDS_ONEPAGE));
  pCmdUI->Enable(m_nZoomState == kZoomOut &&
                 m_pPreviewInfo->GetMaxPage() > m_pPreviewInfo->GetMinPage());
}

void CPreviewView::OnUpdateNextPage(CCmdUI* pCmdUI) {
  pCmdUI->Enable(m_nCurrentPage + GetPagesDrawn() - 1 < m_pPreviewInfo->GetMaxPage());
}

void CPreviewView::OnUpdatePrevPage(CCmdUI* pCmdUI) {
  pCmdUI->Enable(m_nCurrentPage > m_pPreviewInfo->GetMinPage());
}

void CPreviewView::OnUpdateZoomIn(CCmdUI* pCmdUI) { pCmdUI->Enable(m_nZoomState != kZoomIn); }

void CPreviewView::OnUpdateZoomOut(CCmdUI* pCmdUI) { pCmdUI->Enable(m_nZoomState != kZoomOut); }
