// Printing and previewing the editor's document on the PDF printer of
// scripts/with-printer: both sides of every page on one sheet, one job for
// a document of one page setting and one job per page otherwise, checked on
// pictures of the PDF pages and of the preview; a custom paper as the
// printer takes it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/core/PreviewLayout.h"
#include "classlib/win/AfxRes.h"
#include "classlib/win/CPreviewView.h"
#include "classlib/win/CPrintInfo.h"
#include "editor/tests/win/EditViewFixture.h"
#include "editor/win/MyPreviewView.h"
#include "editor/win/PagePrinter.h"
#include "resources/EditorIds.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/MessageBoxes.h"
#include "testing/win/PrintedPdfs.h"
#include "testing/win/UserInput.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"

namespace edit_print_test {

constexpr int kPrintedEnglish = 0;
constexpr int kPrintedHebrew = 1;
// PDF pages are looked at in this resolution: the margins are whole
// multiples of its pixels.
constexpr int kPdfDpi = 40;
constexpr int kLandscape = 2;
// The preview frames the Hebrew side's text in dotted dark blue.
constexpr COLORREF kHebrewFrameColor = RGB(0, 0, 160);

bool IsDark(uint32_t rgb) {
  return ((rgb >> 16) & 0xFF) < 0x80 && ((rgb >> 8) & 0xFF) < 0x80 && (rgb & 0xFF) < 0x80;
}

// Inches from a page's top left corner, in pixels of a picture at kPdfDpi.
RECT InchRect(double left, double top, double right, double bottom) {
  auto px = [](double inches) { return static_cast<LONG>(inches * kPdfDpi); };
  return {px(left), px(top), px(right), px(bottom)};
}

class EditPrintTest : public EditViewFixture {
 protected:
  DocTextModel& Model() { return m_pDoc->Model(); }
  int CharCount(int side) {
    int nCount = 0;
    for (DocCharNode* c = Model().GetHead(side)->next; c != nullptr; c = c->next) ++nCount;
    return nCount;
  }

  // Types on a side (its input mode chosen first) and waits for the layout
  // to hold that many pages on it.
  void TypePages(UINT nInputMode, int side, const std::vector<std::string>& pages) {
    Command(nInputMode);
    for (size_t i = 0; i < pages.size(); ++i) {
      if (i > 0) Command(ID_INSERT_PAGE_BREAK);
      // Keys arrive later than commands: each page's keys are in before
      // the next page break. Each key here makes one character.
      const int nBefore = CharCount(side);
      SendText(pages[i]);
      EXPECT_TRUE(WaitFor([&] {
        return CharCount(side) == nBefore + static_cast<int>(pages[i].size());
      })) << pages[i];
    }
    EXPECT_TRUE(WaitFor([&] {
      return Model().GetPageCount(side) == static_cast<int>(pages.size());
    })) << "pages on side " << side;
  }

  // Prints through the Print dialog (answered OK) and waits for nJobs PDFs.
  std::vector<std::string> Print(size_t nJobs) {
    const std::vector<std::string> before = PrintedPdfs();
    {
      MessageBoxAnswerer answerer(IDOK, "Print");
      Command(ID_FILE_PRINT);
    }
    std::vector<std::string> added;
    WaitFor([&] {
      added.clear();
      for (const std::string& name : PrintedPdfs())
        if (std::find(before.begin(), before.end(), name) == before.end()) added.push_back(name);
      return added.size() >= nJobs;
    });
    return added;
  }

  CPreviewView* StartPreview() {
    Command(ID_FILE_PRINT_PREVIEW);
    CView* pView = m_app->GetMainFrame()->GetActiveView();
    return pView != nullptr && pView->IsKindOf(RUNTIME_CLASS(CPreviewView))
               ? static_cast<CPreviewView*>(pView)
               : nullptr;
  }

  // The preview as it shows once the dotted frame of the Hebrew side's
  // text is on the first page; kept as name.
  RgbImage PreviewPicture(CPreviewView* pPreview, const std::string& name) {
    RgbImage image;
    const RECT page = pPreview->GetPageRect(0);
    WaitFor([&] {
      image = CaptureWindow(pPreview->m_hWnd);
      return CountPixels(image, page, [](uint32_t rgb) {
               return IsNearColor(rgb, kHebrewFrameColor);
             }) > 0;
    });
    SaveScreenshot(image, name);
    return image;
  }
};

TEST_F(EditPrintTest, PrintsBothSidesOfEachPageOnOneSheetInOneJobAndPreviewsThem) {
  SKIP_WITHOUT_PRINTER();
  TypePages(ID_INPUT_ENGLISH, kPrintedEnglish, {"English words on page one", "English on page two"});
  TypePages(ID_INPUT_HEBREW, kPrintedHebrew, {"\r\r\rshalom olam", "\r\r\rshalom"});
  ASSERT_FALSE(Model().PageSizesDiffer(-1, -1));

  const std::vector<std::string> pdfs = Print(1);
  ASSERT_EQ(pdfs.size(), 1u) << "one job";
  ASSERT_EQ(PdfPageCount(pdfs[0]), 2);
  const std::vector<RgbImage> pages = PdfPageImages(pdfs[0], kPdfDpi);
  ASSERT_EQ(pages.size(), 2u);
  for (size_t i = 0; i < pages.size(); ++i) {
    const RgbImage& page = pages[i];
    SCOPED_TRACE("page " + std::to_string(i + 1));
    SaveScreenshot(page, "editor_print_page" + std::to_string(i + 1));
    EXPECT_LT(page.width, page.height) << "portrait Letter";
    // English from the left margin (3/4 inch) on the first line below the
    // top margin (1 inch); Hebrew from the right margin, three lines lower.
    EXPECT_GT(CountPixels(page, InchRect(0.75, 1.0, 3.0, 1.35), IsDark), 0) << "English";
    EXPECT_GT(CountPixels(page, InchRect(6.0, 1.35, 7.75, 2.2), IsDark), 0) << "Hebrew";
    // Nothing in the margins, and no frames on paper.
    EXPECT_EQ(CountPixels(page, InchRect(0, 0, 8.5, 0.95), IsDark), 0) << "top margin";
    EXPECT_EQ(CountPixels(page, InchRect(0, 0, 0.7, 11), IsDark), 0) << "left margin";
    EXPECT_EQ(CountPixels(page, InchRect(0, 0, 8.5, 11),
                          [](uint32_t rgb) { return IsNearColor(rgb, kHebrewFrameColor); }),
              0)
        << "a text frame on paper";
  }

  // The standard preview: one page, two pages, zoomed; each side's text
  // framed in dots.
  CPreviewView* pPreview = StartPreview();
  ASSERT_NE(pPreview, nullptr);
  EXPECT_FALSE(pPreview->IsKindOf(RUNTIME_CLASS(CMyPreviewView))) << "one page setting";
  EXPECT_EQ(pPreview->GetCurrentPage(), 2u) << "the caret's page";
  Command(ID_PREVIEW_PREV);
  PreviewPicture(pPreview, "editor_preview_one_page");
  Command(ID_PREVIEW_NUMPAGE);
  EXPECT_EQ(pPreview->GetPageCountShown(), 2u);
  PreviewPicture(pPreview, "editor_preview_two_pages");
  Command(ID_PREVIEW_ZOOMIN);
  EXPECT_EQ(pPreview->GetZoomState(), kZoomMiddle);
  pPreview->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_TOP, 0));
  pPreview->SendMessage(WM_HSCROLL, MAKEWPARAM(SB_TOP, 0));
  PreviewPicture(pPreview, "editor_preview_zoomed");
  Command(ID_PREVIEW_ZOOMOUT);
  Command(ID_PREVIEW_NUMPAGE);
  Command(ID_PREVIEW_CLOSE);
  EXPECT_EQ(m_app->GetMainFrame()->GetActiveView(), m_pView);
  EXPECT_TRUE(m_pView->IsWindowVisible());
}

TEST_F(EditPrintTest, PagesOfDifferentSettingsPrintAsAJobEachInTheirOwnOrientation) {
  SKIP_WITHOUT_PRINTER();
  TypePages(ID_INPUT_ENGLISH, kPrintedEnglish, {"First page", "Second page", "Third page"});
  // The middle page turns landscape; the other side's follows.
  CPageLayout landscape = *Model().GetNthLayout(kPrintedEnglish, 1);
  landscape.settings.orientation = kLandscape;
  ASSERT_TRUE(Model().ApplyPageSettingsRange(kPrintedEnglish, landscape, 0, 1));
  ASSERT_TRUE(Model().PageSizesDiffer(-1, -1));

  // The preview shows each page in its own shape.
  CPreviewView* pPreview = StartPreview();
  ASSERT_NE(pPreview, nullptr);
  EXPECT_TRUE(pPreview->IsKindOf(RUNTIME_CLASS(CMyPreviewView)));
  Command(ID_PREVIEW_PREV);
  Command(ID_PREVIEW_PREV);
  ASSERT_EQ(pPreview->GetCurrentPage(), 1u);
  Command(ID_PREVIEW_NUMPAGE);
  ASSERT_EQ(pPreview->GetPageCountShown(), 2u);
  const CRect portrait = pPreview->GetPageRect(0);
  const CRect turned = pPreview->GetPageRect(1);
  SaveScreenshot(CaptureWindow(pPreview->m_hWnd), "editor_preview_mixed");
  EXPECT_LT(portrait.Width(), portrait.Height());
  EXPECT_GT(turned.Width(), turned.Height());
  // Over a page the cursor is the magnifier, beside the pages the arrow.
  const HCURSOR hArrow = ::LoadCursor(nullptr, IDC_ARROW);
  auto cursorAt = [&](CPoint point) {
    pPreview->ClientToScreen(&point);
    INPUT move = MouseMoveInput(point);
    ::SendInput(1, &move, sizeof move);
    HCURSOR hCursor = nullptr;
    WaitFor([&] {
      POINT now;
      ::GetCursorPos(&now);
      hCursor = ::GetCursor();
      return now.x == point.x && now.y == point.y && hCursor != nullptr;
    });
    return hCursor;
  };
  const HCURSOR hOverPage = cursorAt(portrait.CenterPoint());
  EXPECT_NE(hOverPage, hArrow);
  EXPECT_EQ(cursorAt(CPoint(turned.CenterPoint().x, turned.bottom + 20)), hArrow);
  EXPECT_EQ(cursorAt(turned.CenterPoint()), hOverPage);
  Command(ID_PREVIEW_NUMPAGE);
  Command(ID_PREVIEW_CLOSE);

  const std::vector<std::string> pdfs = Print(3);
  ASSERT_EQ(pdfs.size(), 3u) << "a job per page";
  // Each has its page's text: the job begun before the first page is
  // cancelled, not printed as a blank sheet.
  int nLandscape = 0;
  for (const std::string& pdf : pdfs) {
    ASSERT_EQ(PdfPageCount(pdf), 1) << pdf;
    const std::vector<RgbImage> pages = PdfPageImages(pdf, kPdfDpi);
    ASSERT_EQ(pages.size(), 1u);
    const RgbImage& page = pages[0];
    const bool bLandscape = page.width > page.height;
    nLandscape += bLandscape ? 1 : 0;
    SaveScreenshot(page, bLandscape ? "editor_print_mixed_landscape" : "editor_print_mixed_portrait");
    EXPECT_GT(CountPixels(page, InchRect(0.75, 1.0, 3.0, 1.35), IsDark), 0) << pdf;
    EXPECT_EQ(CountPixels(page, InchRect(0, 0, 11, 0.95), IsDark), 0) << pdf;
  }
  EXPECT_EQ(nLandscape, 1);
}

TEST_F(EditPrintTest, ACustomPaperReachesThePrinterInTenthsOfAMillimetre) {
  SKIP_WITHOUT_PRINTER();
  CPrintInfo info;
  info.m_bPreview = TRUE;
  ASSERT_TRUE(m_app->GetPrinterDeviceDefaults(&info.m_pPD->m_pd));
  PageSettingsRec custom;
  custom.paperCode = 0;
  custom.width = 6000;  // thousandths of an inch
  custom.length = 9000;
  custom.unit = 1;
  // The DC is made from these settings (Wine's PostScript driver leaves
  // its paper Letter for them, so the DC's size proves nothing here).
  ASSERT_NE(CreatePrinterDCForPage(&info, &custom), nullptr);
  const DEVMODEA* pDevMode = info.m_pPD->GetDevMode();
  ASSERT_NE(pDevMode, nullptr);
  EXPECT_EQ(pDevMode->dmFields & (DM_PAPERLENGTH | DM_PAPERWIDTH),
            DWORD{DM_PAPERLENGTH | DM_PAPERWIDTH});
  EXPECT_EQ(pDevMode->dmPaperSize, 0);
  EXPECT_EQ(pDevMode->dmPaperWidth, 1524);
  EXPECT_EQ(pDevMode->dmPaperLength, 2286);
  ::GlobalUnlock(info.m_pPD->m_pd.hDevMode);
}

}  // namespace edit_print_test
