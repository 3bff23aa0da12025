// The print loop with a real printer: the pages the view prints reach the
// PDF queue, Cancel in the status dialog aborts the job, and a printer that
// cannot start a job is reported.
#include <gmock/gmock.h>

#include "classlib/tests/print/PrintTestSupport.h"
#include "classlib/win/AfxRes.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CPrintDialog.h"
#include "testing/win/MessageBoxes.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"

namespace print_test {

// Pictures of the printed pages: small, but each block is many pixels.
constexpr int kPictureDpi = 30;
constexpr COLORREF kWhite = RGB(255, 255, 255);

TEST_F(PrintTest, PrintsEveryPageThroughTheDefaultPrinterIntoOnePdf) {
  SKIP_WITHOUT_PRINTER();
  const std::vector<std::string> before = PrintedPdfs();
  SendCommand(ID_FILE_PRINT_DIRECT);
  EXPECT_THAT(View()->m_printedPages, ::testing::ElementsAre(1u, 2u, 3u));
  EXPECT_EQ(1, View()->m_nBeginPrinting);
  EXPECT_EQ(1, View()->m_nEndPrinting);
  EXPECT_EQ("Three Pages|ZultaPDF|on CUPS:ZultaPDF|Page 1|Cancel|", View()->m_statusTexts);
  EXPECT_EQ(nullptr, ::FindWindowA("#32770", "Printing"));
  EXPECT_TRUE(Frame()->IsWindowEnabled());

  const std::string pdf = WaitForNewPdf(before);
  ASSERT_FALSE(pdf.empty());
  EXPECT_EQ(3, PdfPageCount(pdf));
  const std::vector<RgbImage> pages = PdfPageImages(pdf, kPictureDpi);
  ASSERT_EQ(kPageCount, pages.size());
  for (UINT nPage = 0; nPage < kPageCount; ++nPage) {
    SCOPED_TRACE(nPage + 1);
    SaveScreenshot(pages[nPage], "print_page" + std::to_string(nPage + 1));
    // The page's own block where the page put it, the other pages' places blank.
    for (UINT nBlock = 0; nBlock < kPageCount; ++nBlock) {
      const COLORREF expected = nBlock == nPage ? kPageBlocks[nBlock].color : kWhite;
      const RECT rectPage = {0, 0, pages[nPage].width, pages[nPage].height};
      const POINT pt = BlockCentre(rectPage, kPageBlocks[nBlock]);
      const uint32_t rgb = pages[nPage].PixelAt(pt.x, pt.y);
      EXPECT_TRUE(IsNearColor(rgb, expected))
          << "block " << nBlock + 1 << std::hex << " is " << rgb;
    }
  }
}

TEST_F(PrintTest, CancelInTheStatusDialogAbortsTheJobWithoutOutput) {
  SKIP_WITHOUT_PRINTER();
  const std::vector<std::string> before = PrintedPdfs();
  View()->m_nCancelOnPage = 2;
  SendCommand(ID_FILE_PRINT_DIRECT);
  EXPECT_THAT(View()->m_printedPages, ::testing::ElementsAre(1u, 2u));
  EXPECT_EQ(1, View()->m_nEndPrinting);
  EXPECT_EQ(nullptr, ::FindWindowA("#32770", "Printing"));
  EXPECT_TRUE(Frame()->IsWindowEnabled());

  // The queue takes jobs in order: once a whole job after it is out, the
  // aborted one would have been too.
  View()->m_nCancelOnPage = 0;
  SendCommand(ID_FILE_PRINT_DIRECT);
  const std::string pdf = WaitForNewPdf(before);
  ASSERT_FALSE(pdf.empty());
  EXPECT_EQ(before.size() + 1, PrintedPdfs().size());
  EXPECT_EQ(3, PdfPageCount(pdf));
}

TEST_F(PrintTest, APrinterThatCannotStartTheJobIsReported) {
  View()->m_bPrintToDisplay = TRUE;
  MessageBoxAnswerer answerer;
  SendCommand(ID_FILE_PRINT);
  ASSERT_EQ(1u, answerer.Boxes().size());
  EXPECT_THAT(answerer.Boxes()[0].texts, ::testing::HasSubstr("Could not start print job."));
  EXPECT_TRUE(View()->m_printedPages.empty());
  EXPECT_EQ(1, View()->m_nEndPrinting);
  EXPECT_EQ(nullptr, ::FindWindowA("#32770", "Printing"));
  EXPECT_TRUE(Frame()->IsWindowEnabled());
}

TEST_F(PrintTest, TheApplicationsPrinterIsTheDefaultQueueUntilPrintSetupChoosesAnother) {
  SKIP_WITHOUT_PRINTER();
  CPrintDialog dialog(FALSE);
  ASSERT_TRUE(m_app->GetPrinterDeviceDefaults(&dialog.m_pd));
  EXPECT_EQ("ZultaPDF", std::string(dialog.GetDeviceName()));
  CDC dcPrinter;
  ASSERT_TRUE(m_app->CreatePrinterDC(dcPrinter));
  EXPECT_GT(dcPrinter.GetDeviceCaps(HORZRES), 0);
  EXPECT_EQ(DT_RASPRINTER, dcPrinter.GetDeviceCaps(TECHNOLOGY));

  // Print Setup, answered with OK, keeps the one printer there is.
  MessageBoxAnswerer answerer(IDOK);
  SendCommand(ID_FILE_PRINT_SETUP);
  ASSERT_EQ(1u, answerer.Boxes().size());
  CPrintDialog after(FALSE);
  ASSERT_TRUE(m_app->GetPrinterDeviceDefaults(&after.m_pd));
  EXPECT_EQ("ZultaPDF", std::string(after.GetDeviceName()));
}

}  // namespace print_test
