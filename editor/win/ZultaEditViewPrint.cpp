// Printing and print preview of the editor's document: every sheet holds
// the page of one number of both sides, each in its own page settings. A
// document whose pages differ in size prints each page as a job of its own
// on a printer set up for it, and previews in the program's own preview.
#include "classlib/win/AfxRes.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CPen.h"
#include "classlib/win/CPrintInfo.h"
#include "editor/win/EditorFrame.h"
#include "editor/win/MyPreviewView.h"
#include "editor/win/ZultaEditDoc.h"
#include "editor/win/ZultaEditView.h"
#include "editor/win/PagePrinter.h"

namespace {

// Spoolers of older systems refuse longer job names.
constexpr int kMaxJobNameLength = 31;
// The preview frames each side's text rectangle in a colour of its own.
constexpr COLORREF kTextFrameColors[kDocSideCount] = {RGB(160, 160, 164), RGB(0, 0, 160)};

}  // namespace

void CZultaEditView::OnEditorPrint() {
  // Just after a grammar table's preview, Print means the table.
  IEditorFrame* pFrame = GetEditorFrame();
  if (pFrame != nullptr && pFrame->TakeGrammarPreviewEnded()) {
    CWnd* pGrammarView = pFrame->GetGrammarView();
    if (pGrammarView != nullptr) pGrammarView->SendMessage(WM_COMMAND, ID_FILE_PRINT);
    return;
  }
  if (!IsLaidOut()) return;
  m_bRestartPrinter = TRUE;
  m_bMixedPages = GetDocument()->Model().PageSizesDiffer(-1, -1);
  OnFilePrint();
}

void CZultaEditView::OnEditorPrintPreview() {
  if (!IsLaidOut()) return;
  m_bMixedPages = GetDocument()->Model().PageSizesDiffer(-1, -1);
  ShowPrintPreview(m_bMixedPages ? RUNTIME_CLASS(CMyPreviewView) : RUNTIME_CLASS(CPreviewView));
}

BOOL CZultaEditView::OnPreparePrinting(CPrintInfo* pInfo) {
  if (!IsLaidOut()) return FALSE;
  CZultaEditDoc* pDoc = GetDocument();
  DocTextModel& model = pDoc->Model();
  const int side = pDoc->GetActiveSide();
  pInfo->SetMinPage(1);
  pInfo->SetMaxPage(static_cast<UINT>(std::max(model.GetPageCount(0), model.GetPageCount(1))));
  // A preview starts at the caret's page.
  pInfo->m_nCurPage = static_cast<UINT>(model.GetCharPageIndex(model.Side(side).caret) + 1);
  // The printer takes the first page's settings; the document's own
  // layouts change only through Page Setup, so a copy takes the choice.
  const CPageLayout* first = model.GetFirstLayout(side);
  PageSettingsRec settings = first != nullptr ? first->settings : PageSettingsRec();
  return PrinterSetup(pInfo, &settings);
}

BOOL CZultaEditView::MakePagePrinterDC(CPrintInfo* pInfo, UINT nPage) {
  const CPageLayout* layout = GetDocument()->Model().GetPrintLayout(static_cast<int>(nPage) - 1);
  if (layout == nullptr) return FALSE;
  PageSettingsRec settings = layout->settings;
  return CreatePrinterDCForPage(pInfo, &settings) != nullptr;
}

void CZultaEditView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) {
  if (pInfo == nullptr) {
    CScrollView::OnPrepareDC(pDC, pInfo);
    return;
  }
  if (!IsLaidOut()) return;
  if (m_bMixedPages) {
    if (!pInfo->m_bPreview) {
      // The print loop prepares each page once: every page restarts.
      if (m_bRestartPrinter) RestartPrintJob(pDC, pInfo);
    } else if (MakePagePrinterDC(pInfo, pInfo->m_nCurPage) && m_pMyPreview != nullptr) {
      m_pMyPreview->ReattachPrinterDC();
    }
  }
  CScrollView::OnPrepareDC(pDC, pInfo);
}

void CZultaEditView::RestartPrintJob(CDC* pDC, CPrintInfo* pInfo) {
  const HDC hOld = pDC->m_hDC;
  if (!MakePagePrinterDC(pInfo, pInfo->m_nCurPage)) {
    // The page goes on in the running job.
    pInfo->m_pPD->m_pd.hDC = hOld;
    return;
  }
  const HDC hNew = pInfo->m_pPD->m_pd.hDC;
  // The job started before the first page holds no page yet: cancelled, it
  // leaves no blank sheet.
  if (pInfo->m_nCurPage == pInfo->GetPageSpan().nFirst)
    ::AbortDoc(hOld);
  else
    ::EndDoc(hOld);
  pDC->Detach();
  ::DeleteDC(hOld);
  pDC->Attach(hNew);
  ::SetAbortProc(hNew, CView::PrintAbortProc);
  CString strTitle = GetDocument()->GetTitle();
  if (strTitle.GetLength() > kMaxJobNameLength) strTitle = strTitle.Left(kMaxJobNameLength);
  DOCINFOA docInfo = {};
  docInfo.cbSize = sizeof docInfo;
  docInfo.lpszDocName = strTitle;
  if (::StartDocA(hNew, &docInfo) <= 0) pInfo->m_bContinuePrinting = FALSE;
}

void CZultaEditView::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
  CZultaEditDoc* pDoc = GetDocument();
  const CSize pixelsPerInch(pDC->GetDeviceCaps(LOGPIXELSX), pDC->GetDeviceCaps(LOGPIXELSY));
  pDoc->PrintPage(pDC, static_cast<int>(pInfo->m_nCurPage) - 1, pixelsPerInch,
                  pInfo->m_rectDraw.Size());
  // Where the text may go shows on the screen only.
  if (pInfo->m_bPreview) DrawTextFrames(pDC);
}

void CZultaEditView::DrawTextFrames(CDC* pDC) {
  CGdiObject* pOldBrush = pDC->SelectStockObject(NULL_BRUSH);
  for (int side = 0; side < kDocSideCount; side++) {
    const DocSidePrintState& state = GetDocument()->GetPrintState(side);
    if (state.presence == kNoPrintedPage) continue;
    CPen pen(PS_DOT, 1, kTextFrameColors[side]);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->Rectangle(&state.textRect);
    pDC->SelectObject(pOldPen);
  }
  pDC->SelectObject(pOldBrush);
}

void CZultaEditView::OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) {
  IEditorFrame* pFrame = GetEditorFrame();
  if (pFrame != nullptr) pFrame->ClearFontCache(kPrinterFontList);
  GetDocument()->ReleasePrinterFonts();
}
