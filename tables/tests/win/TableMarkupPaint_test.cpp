// Mark-up tables measured on the screen and painted into a memory DC: the
// fonts cells ask for, fills behind 8-bit text but never behind Hebrew runs or
// where no background is asked, and Hebrew rows the shared form font's height.
#include "tables/win/TableMarkupPaint.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/win/CFont.h"
#include "classlib/win/WindowDCs.h"
#include "hebtext/tests/win/HebrewTestFonts.h"
#include "hebtext/win/CFontInfo.h"
#include "hebtext/win/ScreenDpi.h"
#include "tables/core/MarkupFonts.h"
#include "tables/core/TableMarkupLayout.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/WindowCapture.h"

namespace {

constexpr int kWidth = 420, kHeight = 160;
constexpr POINT kOrigin = {20, 10};
constexpr int kFormFontPixels = 16;
constexpr int kBaseDpi = 96;

class TableMarkupPaintTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterHebrewFonts(); }

  void SetUp() override {
    CClientDC screen(nullptr);
    LOGFONT logFont = {};
    logFont.lfHeight = -::MulDiv(kFormFontPixels, g_screenDpi, kBaseDpi);
    ::lstrcpynA(logFont.lfFaceName, g_faceNames[4], LF_FACESIZE);
    formFont_.SetFromLogFont(&screen, logFont);
    SetMarkupHebrewFont(&formFont_);
  }
  void TearDown() override { SetMarkupHebrewFont(nullptr); }

  TableMarkupHandle Measured(const char* text) {
    TableMarkupHandle table = ParseTableMarkup(text);
    EXPECT_NE(table, nullptr);
    if (table) MeasureTableMarkup(*table);
    return table;
  }

  // The rectangles the cells are painted in.
  static std::vector<RECT> CellRects(const TableMarkupHeader& table) {
    std::vector<RECT> rects;
    const std::vector<POINT> places = PlaceTableMarkupCells(table, kOrigin);
    for (size_t i = 0; i < places.size(); ++i)
      rects.push_back({places[i].x, places[i].y, places[i].x + table.cells[i].width,
                       places[i].y + table.cells[i].height});
    return rects;
  }

  static RECT Union(const std::vector<RECT>& rects, size_t first, size_t last) {
    RECT all = rects[first];
    for (size_t i = first + 1; i <= last; ++i) ::UnionRect(&all, &all, &rects[i]);
    return all;
  }

  static int Area(const RECT& r) { return (r.right - r.left) * (r.bottom - r.top); }

  CFontInfo formFont_;
};

TEST_F(TableMarkupPaintTest, SelectsTheCellsFontOrTheStockFont) {
  Canvas canvas(kWidth, kHeight);
  CDC* dc = canvas.dc();
  const HGDIOBJ original = ::GetCurrentObject(dc->m_hDC, OBJ_FONT);
  TableMarkupHandle table = ParseTableMarkup("{F2}{FB}{FI}{FS150}a{/F}b");
  ASSERT_NE(table, nullptr);
  CFont made;
  CFont* previous = SelectMarkupFont(dc, table->cells[0], made);
  ASSERT_NE(previous, nullptr);
  EXPECT_EQ(previous->GetSafeHandle(), original);
  LOGFONT chosen = {};
  ::GetObjectA(::GetCurrentObject(dc->m_hDC, OBJ_FONT), sizeof(chosen), &chosen);
  EXPECT_STREQ(chosen.lfFaceName, "Times New Roman");
  EXPECT_EQ(chosen.lfHeight, MarkupFontHeight(150, g_screenDpi));
  EXPECT_EQ(chosen.lfWeight, kMarkupBoldWeight);
  EXPECT_TRUE(chosen.lfItalic);

  SelectMarkupFont(dc, table->cells[1], made);
  EXPECT_EQ(::GetCurrentObject(dc->m_hDC, OBJ_FONT), ::GetStockObject(SYSTEM_FONT));
  EXPECT_EQ(made.GetSafeHandle(), nullptr);
  dc->SelectObject(previous);
}

TEST_F(TableMarkupPaintTest, PaintsFillsTextAndHebrewRuns) {
  const TableMarkupHandle table = Measured(
      "{C}{F1}{FS200}{B255,0,0}{T0,0,255}Blue on red{/B}\n"
      "{B|}{T0,160,0}green, no fill\n"
      "{/FS}{B255,255,0}{T255,0,0}{F6}\xE0\xC6\xFA \xF2\xC7\xEC{/B}{/T}{/F}");
  ASSERT_EQ(table->cellCount, 8);
  const std::vector<RECT> rects = CellRects(*table);
  Canvas canvas(kWidth, kHeight);
  DrawTableMarkup(*table, canvas.dc(), kOrigin);
  const RgbImage image = canvas.Capture();
  SaveScreenshot(image, "table-markup-paint");

  // Row 1: red behind the blue words, filled edge to edge.
  const RECT filled = Union(rects, 0, 2);
  EXPECT_GT(CountPixels(image, filled, IsInk(Ink::kBlue)), 0);
  EXPECT_EQ(
      CountPixels(image, filled, IsInk(Ink::kRed)) + CountPixels(image, filled, IsInk(Ink::kBlue)) +
          CountPixels(image, filled,
                      [](uint32_t p) { return InkOf(p) == Ink::kNone || InkOf(p) == Ink::kBlack; }),
      Area(filled));
  EXPECT_GT(CountPixels(image, filled, IsInk(Ink::kRed)), Area(filled) / 2);
  // Row 2: green ink on the untouched white.
  const RECT unfilled = Union(rects, 3, 5);
  EXPECT_GT(CountPixels(image, unfilled, IsInk(Ink::kGreen)), 0);
  EXPECT_GT(CountPixels(image, unfilled, IsColor(RGB(255, 255, 255))), Area(unfilled) / 2);
  // Row 3: red Hebrew with no yellow anywhere, though yellow was asked.
  const RECT hebrew = Union(rects, 6, 7);
  EXPECT_GT(CountPixels(image, hebrew, IsInk(Ink::kRed)), 0);
  EXPECT_EQ(CountPixels(image, IsColor(RGB(255, 255, 0))), 0);
  // Nothing is painted outside the table.
  const RECT tableArea = {kOrigin.x, kOrigin.y, kOrigin.x + table->bounds.right,
                          kOrigin.y + table->bounds.bottom};
  const PixelTest painted = [](uint32_t p) { return p != 0xFFFFFF; };
  EXPECT_EQ(CountPixels(image, painted), CountPixels(image, tableArea, painted));
}

TEST_F(TableMarkupPaintTest, HebrewRowsAreAsTallAsTheFormFontsLine) {
  const TableMarkupHandle table = Measured("{F6}{FS50}\xE0\xC6\xFA\n{/F}x");
  ASSERT_EQ(table->cellCount, 2);
  EXPECT_EQ(table->cells[0].height, formFont_.GetLineHeight());
  EXPECT_GT(table->cells[0].width, 0);
  EXPECT_EQ(table->rowEdge[1], formFont_.GetLineHeight());
  EXPECT_GE(table->rowEdge[2] - table->rowEdge[1], formFont_.GetLineHeight());
}

TEST_F(TableMarkupPaintTest, ColumnsLineUpOnTheScreen) {
  const TableMarkupHandle table = Measured("{1R}x{2C}={3L}y\n{1R}long{2C}={3L}yy");
  const std::vector<RECT> rects = CellRects(*table);
  EXPECT_EQ(rects[0].right, rects[3].right);  // right-aligned in column 1
  EXPECT_EQ(rects[2].left, rects[5].left);    // left-aligned in column 3
  // Columns stand a "W" apart.
  CClientDC screen(nullptr);
  screen.SelectStockObject(SYSTEM_FONT);
  const LONG gap = screen.GetTextExtent("W", 1).cx;
  EXPECT_EQ(table->columnLeft[1] - table->columnRight[0], gap);
  EXPECT_EQ(table->columnLeft[2] - table->columnRight[1], gap);
}

}  // namespace
