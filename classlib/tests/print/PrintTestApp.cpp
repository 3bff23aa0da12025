#include "classlib/tests/print/PrintTestApp.h"

#include "classlib/tests/print/PrintTestIds.h"
#include "classlib/win/AfxRes.h"
#include "classlib/win/CCreateContext.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CPrintInfo.h"
#include "testing/win/MessageBoxes.h"

namespace {
constexpr UINT kStatusIndicators[] = {ID_SEPARATOR};
}  // namespace

// clang-format off
const PageBlock kPageBlocks[kPageCount] = {
  {{100, 100, 400, 400}, RGB(255, 0, 0)},
  {{600, 100, 900, 400}, RGB(0, 160, 0)},
  {{100, 600, 400, 900}, RGB(0, 0, 255)},
};
// clang-format on

IMPLEMENT_DYNCREATE(CThreePageView, CView)

BEGIN_MESSAGE_MAP(CThreePageView, CView)
  ON_COMMAND(ID_FILE_PRINT, OnFilePrint)
  ON_COMMAND(ID_FILE_PRINT_DIRECT, OnFilePrint)
  ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnFilePrintPreview)
END_MESSAGE_MAP()

BOOL CThreePageView::OnPreparePrinting(CPrintInfo* pInfo) {
  pInfo->SetMaxPage(kPageCount);
  if (!m_bPrintToDisplay) return DoPreparePrinting(pInfo);
  pInfo->m_pPD->m_pd.hDC = ::CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  return TRUE;
}

void CThreePageView::OnBeginPrinting(CDC*, CPrintInfo*) { ++m_nBeginPrinting; }

void CThreePageView::OnEndPrinting(CDC*, CPrintInfo*) { ++m_nEndPrinting; }

void CThreePageView::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
  if (!pInfo->m_bPreview) m_printedPages.push_back(pInfo->m_nCurPage);
  const CRect& rectPage = pInfo->m_rectDraw;
  const PageBlock& block = kPageBlocks[(pInfo->m_nCurPage - 1) % kPageCount];
  CRect rect(rectPage.left + MulDiv(rectPage.Width(), block.rect.left, kBlockScale),
             rectPage.top + MulDiv(rectPage.Height(), block.rect.top, kBlockScale),
             rectPage.left + MulDiv(rectPage.Width(), block.rect.right, kBlockScale),
             rectPage.top + MulDiv(rectPage.Height(), block.rect.bottom, kBlockScale));
  pDC->FillSolidRect(&rect, block.color);
  HWND hWndStatus = ::FindWindowA("#32770", "Printing");
  if (hWndStatus == nullptr) return;
  if (m_printedPages.size() == 1) m_statusTexts = ChildTexts(hWndStatus);
  // As the user would: Cancel in the status dialog, seen at the next page.
  if (pInfo->m_nCurPage == m_nCancelOnPage) ::PostMessageA(hWndStatus, WM_COMMAND, IDCANCEL, 0);
}

void CThreePageView::OnDraw(CDC*) {}

IMPLEMENT_DYNCREATE(CPrintTestFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CPrintTestFrame, CFrameWnd)
  ON_WM_CREATE()
END_MESSAGE_MAP()

int CPrintTestFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
  if (!m_wndStatusBar.Create(this) ||
      !m_wndStatusBar.SetIndicators(kStatusIndicators, _countof(kStatusIndicators)))
    return -1;
  if (!m_wndDialogBar.Create(this, IDD_TEST_DIALOGBAR, CBRS_TOP, ID_TEST_DIALOGBAR)) return -1;
  return 0;
}

BEGIN_MESSAGE_MAP(CPrintTestApp, CWinApp)
  ON_COMMAND(ID_FILE_PRINT_SETUP, OnFilePrintSetup)
END_MESSAGE_MAP()

BOOL CPrintTestApp::InitInstance() {
  // The document deletes itself when its view goes with the frame.
  auto* pDocument = new CDocument;
  pDocument->SetTitle(kDocumentTitle);
  CCreateContext context;
  context.m_pNewViewClass = RUNTIME_CLASS(CThreePageView);
  context.m_pCurrentDoc = pDocument;
  auto* pFrame = new CPrintTestFrame;
  m_pMainWnd = pFrame;
  if (!pFrame->Create(nullptr, kDocumentTitle, WS_POPUP | WS_BORDER | WS_CLIPCHILDREN,
                      CRect(0, 0, 640, 480), nullptr, nullptr, 0, &context))
    return FALSE;
  pFrame->InitialUpdateFrame(pDocument, FALSE);
  return TRUE;
}

CThreePageView* CPrintTestApp::GetView() const {
  return static_cast<CThreePageView*>(GetFrame()->GetActiveView());
}
