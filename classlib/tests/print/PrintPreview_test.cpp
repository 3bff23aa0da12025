// Print preview in the frame: one and two pages as the view prints them,
// zoom, paging, printing from the preview, and the frame as it was after.
#include <gmock/gmock.h>

#include "classlib/tests/print/PrintTestSupport.h"
#include "classlib/win/AfxRes.h"
#include "classlib/win/CPreviewView.h"
#include "testing/win/MessageBoxes.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"

namespace {

class PrintPreviewTest : public PrintTest {
 protected:
  // Shows the frame (captures need it on the screen) and starts the preview.
  CPreviewView* StartPreview() {
    Frame()->ShowWindow(SW_SHOWNOACTIVATE);
    SendCommand(ID_FILE_PRINT_PREVIEW);
    CView* pView = Frame()->GetActiveView();
    return pView != nullptr && pView->IsKindOf(RUNTIME_CLASS(CPreviewView))
               ? static_cast<CPreviewView*>(pView)
               : nullptr;
  }

  // Waits until page nIndex of the preview shows the block of page nPage
  // where that page has it; the picture is kept as name.
  ::testing::AssertionResult ShowsPage(CPreviewView* pPreview, UINT nIndex, UINT nPage,
                                       const std::string& name) {
    const PageBlock& block = kPageBlocks[nPage - 1];
    const POINT pt = BlockCentre(pPreview->GetPageRect(nIndex), block);
    RgbImage image;
    const bool bShown = WaitFor([&] {
      image = CaptureWindow(pPreview->m_hWnd);
      return pt.x < image.width && pt.y < image.height &&
             IsNearColor(image.PixelAt(pt.x, pt.y), block.color);
    });
    SaveScreenshot(image, name);
    if (bShown) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "page " << nPage << " not at " << pt.x << "," << pt.y << " of " << name;
  }

  // The frame's status line, which stays through the preview.
  std::string StatusText() const {
    char szText[64] = {};
    ::SendMessageA(Frame()->m_wndStatusBar.m_hWnd, SB_GETTEXTA, 0,
                   reinterpret_cast<LPARAM>(szText));
    return szText;
  }

  bool BarsShown() const {
    return Frame()->m_wndStatusBar.IsWindowVisible() && Frame()->m_wndDialogBar.IsWindowVisible();
  }
};

std::string WindowText(HWND hWnd) {
  char szText[64] = {};
  ::GetWindowTextA(hWnd, szText, sizeof szText);
  return szText;
}

}  // namespace

TEST_F(PrintPreviewTest, ShowsOneOrTwoPagesZoomsAndPagesThenGivesTheFrameBack) {
  SKIP_WITHOUT_PRINTER();
  CView* pOrigView = View();
  CPreviewView* pPreview = StartPreview();
  ASSERT_NE(nullptr, pPreview);
  CWnd* pBar = Frame()->GetControlBar(AFX_IDW_PREVIEW_BAR);
  ASSERT_NE(nullptr, pBar);
  EXPECT_TRUE(pBar->IsWindowVisible());
  EXPECT_TRUE(Frame()->m_wndStatusBar.IsWindowVisible());
  EXPECT_FALSE(Frame()->m_wndDialogBar.IsWindowVisible());
  EXPECT_FALSE(pOrigView->IsWindowVisible());
  EXPECT_EQ(1u, pPreview->GetCurrentPage());
  EXPECT_EQ("Page 1", StatusText());
  EXPECT_TRUE(ShowsPage(pPreview, 0, 1, "preview_one_page"));

  SendCommand(ID_PREVIEW_NEXT);
  EXPECT_EQ(2u, pPreview->GetCurrentPage());
  EXPECT_TRUE(ShowsPage(pPreview, 0, 2, "preview_next_page"));
  SendCommand(ID_PREVIEW_PREV);
  EXPECT_EQ(1u, pPreview->GetCurrentPage());

  // Two pages side by side; the button now offers one.
  HWND hNumPage = ::GetDlgItem(pBar->m_hWnd, ID_PREVIEW_NUMPAGE);
  EXPECT_EQ("&Two Page", WindowText(hNumPage));
  SendCommand(ID_PREVIEW_NUMPAGE);
  EXPECT_EQ(2u, pPreview->GetPageCountShown());
  EXPECT_EQ("&One Page", WindowText(hNumPage));
  EXPECT_EQ("Pages 1-2", StatusText());
  EXPECT_TRUE(ShowsPage(pPreview, 0, 1, "preview_two_pages"));
  EXPECT_TRUE(ShowsPage(pPreview, 1, 2, "preview_two_pages"));
  // The whole frame as the user sees it: the preview bar, the pages and the status line.
  SaveScreenshot(CaptureWindow(Frame()->m_hWnd), "preview_frame");
  EXPECT_LT(pPreview->GetPageRect(0).right, pPreview->GetPageRect(1).left);

  // The page bar moves by pages while zoomed out.
  pPreview->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0));
  EXPECT_EQ(2u, pPreview->GetCurrentPage());
  EXPECT_TRUE(ShowsPage(pPreview, 1, 3, "preview_pages_2_3"));
  pPreview->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_TOP, 0));
  EXPECT_EQ(1u, pPreview->GetCurrentPage());

  // Zoom steps: each larger, one page; back out gives two pages again.
  const int nWidthOut = pPreview->GetPageRect(0).Width();
  SendCommand(ID_PREVIEW_ZOOMIN);
  EXPECT_EQ(kZoomMiddle, pPreview->GetZoomState());
  const int nWidthMiddle = pPreview->GetPageRect(0).Width();
  EXPECT_GT(nWidthMiddle, nWidthOut);
  SendCommand(ID_PREVIEW_ZOOMIN);
  EXPECT_EQ(kZoomIn, pPreview->GetZoomState());
  EXPECT_GT(pPreview->GetPageRect(0).Width(), nWidthMiddle);
  EXPECT_FALSE(::IsWindowEnabled(hNumPage));
  pPreview->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_TOP, 0));
  pPreview->SendMessage(WM_HSCROLL, MAKEWPARAM(SB_TOP, 0));
  EXPECT_TRUE(ShowsPage(pPreview, 0, 1, "preview_zoomed_in"));
  SendCommand(ID_PREVIEW_ZOOMOUT);
  SendCommand(ID_PREVIEW_ZOOMOUT);
  EXPECT_EQ(kZoomOut, pPreview->GetZoomState());
  EXPECT_EQ(nWidthOut, pPreview->GetPageRect(0).Width());

  SendCommand(ID_PREVIEW_CLOSE);
  EXPECT_EQ(pOrigView, Frame()->GetActiveView());
  EXPECT_TRUE(pOrigView->IsWindowVisible());
  EXPECT_EQ(AFX_IDW_PANE_FIRST, pOrigView->GetDlgCtrlID());
  EXPECT_TRUE(BarsShown());
  EXPECT_EQ(nullptr, Frame()->GetControlBar(AFX_IDW_PREVIEW_BAR));
  EXPECT_EQ(1, View()->m_nEndPrinting);
}

TEST_F(PrintPreviewTest, PrintFromThePreviewClosesItAndPrintsEveryPage) {
  SKIP_WITHOUT_PRINTER();
  const std::vector<std::string> before = PrintedPdfs();
  ASSERT_NE(nullptr, StartPreview());
  // The print dialog that follows is answered with its Print button.
  MessageBoxAnswerer answerer(IDOK);
  SendCommand(ID_PREVIEW_PRINT);
  EXPECT_TRUE(BarsShown());
  EXPECT_EQ(View(), Frame()->GetActiveView());
  EXPECT_THAT(View()->m_printedPages, ::testing::ElementsAre(1u, 2u, 3u));
  const std::string pdf = WaitForNewPdf(before);
  ASSERT_FALSE(pdf.empty());
  EXPECT_EQ(3, PdfPageCount(pdf));
}

TEST_F(PrintPreviewTest, TheNextPreviewShowsAsManyPagesAsTheLast) {
  SKIP_WITHOUT_PRINTER();
  ASSERT_NE(nullptr, StartPreview());
  SendCommand(ID_PREVIEW_NUMPAGE);
  SendCommand(ID_PREVIEW_CLOSE);
  CPreviewView* pPreview = StartPreview();
  ASSERT_NE(nullptr, pPreview);
  EXPECT_EQ(2u, pPreview->GetPageCountShown());
  SendCommand(ID_PREVIEW_CLOSE);
  EXPECT_EQ(2, View()->m_nEndPrinting);
}

TEST_F(PrintPreviewTest, TheFrameCanGoWhileThePreviewShows) {
  SKIP_WITHOUT_PRINTER();
  ASSERT_NE(nullptr, StartPreview());
  HWND hFrame = Frame()->m_hWnd;
  Frame()->DestroyWindow();
  PumpWaiting();
  EXPECT_FALSE(::IsWindow(hFrame));
}

TEST_F(PrintPreviewTest, ClicksOnAPageStepTheZoomInThenAllTheWayOut) {
  SKIP_WITHOUT_PRINTER();
  CPreviewView* pPreview = StartPreview();
  ASSERT_NE(nullptr, pPreview);
  const int kExpected[] = {kZoomMiddle, kZoomIn, kZoomOut};
  for (int nZoom : kExpected) {
    const CPoint ptCentre = pPreview->GetPageRect(0).CenterPoint();
    pPreview->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptCentre.x, ptCentre.y));
    EXPECT_EQ(nZoom, pPreview->GetZoomState());
  }
  // A click beside the page changes nothing.
  pPreview->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
  EXPECT_EQ(kZoomOut, pPreview->GetZoomState());
}

TEST_F(PrintPreviewTest, ClosingTheFrameClosesThePreviewFirst) {
  SKIP_WITHOUT_PRINTER();
  ASSERT_NE(nullptr, StartPreview());
  Frame()->SendMessage(WM_CLOSE);
  RunIdle();
  ASSERT_TRUE(::IsWindow(Frame()->m_hWnd));
  EXPECT_EQ(View(), Frame()->GetActiveView());
  EXPECT_TRUE(BarsShown());
  EXPECT_EQ(nullptr, Frame()->GetControlBar(AFX_IDW_PREVIEW_BAR));
}
