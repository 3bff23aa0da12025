// A view's print preview: the preview view and its toolbar take the main
// frame's pane and bars, and give them back when it closes.
#include <memory>

#include "classlib/win/AfxMsg.h"
#include "classlib/win/AfxRes.h"
#include "classlib/win/CCreateContext.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CPreviewView.h"
#include "classlib/win/CView.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/DialogTemplate.h"
#include "classlib/win/DocumentTexts.h"

namespace {

// The built-in toolbar's layout, in dialog units.
constexpr short kBarHeight = 16;
constexpr short kButtonTop = 2;
constexpr short kButtonHeight = 12;
constexpr short kButtonWidth = 44;
constexpr short kButtonGap = 2;

struct PreviewButton {
  WORD wID;
  LPCSTR lpszText;
};
// clang-format off
constexpr PreviewButton kPreviewButtons[] = {
  {ID_PREVIEW_PRINT, "&Print..."},
  {ID_PREVIEW_NEXT, "&Next Page"},
  {ID_PREVIEW_PREV, "Pre&v Page"},
  {ID_PREVIEW_NUMPAGE, "&Two Page"},
  {ID_PREVIEW_ZOOMIN, "Zoom &In"},
  {ID_PREVIEW_ZOOMOUT, "Zoom &Out"},
  {ID_PREVIEW_CLOSE, "&Close"},
};
// clang-format on

// The toolbar from the program's template nIDResource, or the class
// library's own when the program has none.
BOOL CreatePreviewBar(CDialogBar* pBar, CFrameWnd* pFrame, UINT nIDResource) {
  const UINT nStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP;
  if (::FindResourceA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource), RT_DIALOG) != nullptr)
    return pBar->Create(pFrame, nIDResource, nStyle, AFX_IDW_PREVIEW_BAR);
  constexpr short kBarWidth =
      static_cast<short>(_countof(kPreviewButtons) * (kButtonWidth + kButtonGap) + kButtonGap);
  DialogTemplateBuilder builder("", WS_CHILD, kBarWidth, kBarHeight);
  short x = kButtonGap;
  for (const PreviewButton& button : kPreviewButtons) {
    builder.AddItem(kDialogButtonClass, button.wID, BS_PUSHBUTTON | WS_TABSTOP, x, kButtonTop,
                    kButtonWidth, kButtonHeight, button.lpszText);
    x += kButtonWidth + kButtonGap;
  }
  return pBar->CreateIndirect(pFrame, AfxGetResourceHandle(), builder.Get(), nStyle,
                              AFX_IDW_PREVIEW_BAR);
}

// Closing the frame while the preview shows closes the preview, its active view.
void ClosePreview(CFrameWnd* pFrame) { pFrame->SendMessage(WM_COMMAND, ID_PREVIEW_CLOSE); }

CFrameWnd* MainFrame() {
  CWnd* pMainWnd = AfxGetMainWnd();
  return pMainWnd != nullptr && pMainWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd))
             ? static_cast<CFrameWnd*>(pMainWnd)
             : nullptr;
}

}  // namespace

void CView::OnFilePrintPreview() { ShowPrintPreview(RUNTIME_CLASS(CPreviewView)); }

void CView::ShowPrintPreview(CRuntimeClass* pPreviewViewClass) {
  auto pState = std::make_unique<CPrintPreviewState>();
  if (DoPrintPreview(AFX_IDD_PREVIEW_TOOLBAR, this, pPreviewViewClass, pState.get()))
    pState.release();
  else
    AfxMessageBox(LoadDocumentText(AFX_IDP_COMMAND_FAILURE));
}

BOOL CView::DoPrintPreview(UINT nIDResource, CView* pPrintView, CRuntimeClass* pPreviewViewClass,
                           CPrintPreviewState* pState) {
  CFrameWnd* pFrame = MainFrame();
  if (pFrame == nullptr || !pPreviewViewClass->IsDerivedFrom(RUNTIME_CLASS(CPreviewView)))
    return FALSE;
  CFrameWnd* pViewFrame = GetParentFrame();
  CView* pOrigView = pViewFrame != nullptr ? pViewFrame->GetActiveView() : nullptr;

  if (pState->lpfnCloseProc == nullptr) pState->lpfnCloseProc = ClosePreview;
  pFrame->OnSetPreviewMode(TRUE, pState);
  auto pBar = std::make_unique<CDialogBar>();
  if (!CreatePreviewBar(pBar.get(), pFrame, nIDResource)) {
    pFrame->OnSetPreviewMode(FALSE, pState);
    return FALSE;
  }
  // The preview view deletes itself with its window, also when that fails.
  auto* pView = static_cast<CPreviewView*>(pPreviewViewClass->CreateObject());
  CCreateContext context;
  context.m_pCurrentFrame = pFrame;
  context.m_pLastView = this;
  if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pFrame,
                     AFX_IDW_PANE_FIRST, &context)) {
    pBar->DestroyWindow();
    pFrame->OnSetPreviewMode(FALSE, pState);
    return FALSE;
  }
  pView->m_pToolBar = pBar.release();
  pView->m_pPreviewState = pState;
  pView->m_pOrigView = pOrigView;
  pFrame->SetActiveView(pView);
  if (!pView->SetPrintView(pPrintView)) {
    // Nothing to preview (no printer): the preview closes at once.
    pView->OnPreviewClose();
    return TRUE;
  }
  pFrame->RecalcLayout();
  pView->UpdateWindow();
  return TRUE;
}

void CView::OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT, CPreviewView* pView) {
  // Printing began only once the preview had its printer.
  if (pDC != nullptr) OnEndPrinting(pDC, pInfo);
  CFrameWnd* pFrame = MainFrame();
  // The preview and its bar go first: until then the pane's id is the
  // preview's and the bar is among the frame's bars.
  std::unique_ptr<CPrintPreviewState> pState(pView->m_pPreviewState);
  pView->m_pPreviewState = nullptr;
  CView* pOrigView = pView->m_pOrigView;
  pFrame->SetActiveView(nullptr, FALSE);
  pView->DestroyWindow();
  pFrame->OnSetPreviewMode(FALSE, pState.get());
  if (pOrigView != nullptr) pFrame->SetActiveView(pOrigView);
  pFrame->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
  pFrame->UpdateWindow();
}
