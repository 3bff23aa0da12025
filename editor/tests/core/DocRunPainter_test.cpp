#include "editor/core/DocRunPainter.h"

#include <gtest/gtest.h>

#include "editor/tests/core/DocViewTestSupport.h"

namespace {

// Records what painting asks of the device context, one line per call.
class RecordingPaintDC : public IDocPaintDC {
 public:
  BOOL IsPrinting() const override { return printing; }
  void SelectFont(const CString& face, WORD size, UINT style) override {
    calls.push_back("font " + std::string(face) + " " + std::to_string(size) + " " +
                    std::to_string(style));
  }
  void FillRect(const CRect& rect, COLORREF color) override {
    calls.push_back("fill " + Hex(color));
    fills.push_back(rect);
  }
  void SetTextColor(COLORREF color) override { calls.push_back("color " + Hex(color)); }
  void DrawRunText(int x, int, const CString& letters, const CRect* clip) override {
    calls.push_back("text " + std::string(letters) + (clip != nullptr ? " clipped" : ""));
    xs.push_back(x);
  }
  void DrawHebrewText(int right, int, const CString& letters, const CString& points, COLORREF color,
                      const CRect* clip) override {
    calls.push_back("hebrew " + std::string(letters) + " " + Hex(color) +
                    (clip != nullptr ? " clipped" : ""));
    xs.push_back(right);
    lastPoints = std::string(points);
  }

  static std::string Hex(COLORREF c) {
    char buffer[16];
    snprintf(buffer, sizeof(buffer), "%06X", static_cast<unsigned>(c));
    return buffer;
  }
  // The calls of one kind, in order.
  std::vector<std::string> Only(const std::string& kind) const {
    std::vector<std::string> out;
    for (const std::string& c : calls)
      if (c.compare(0, kind.size(), kind) == 0) out.push_back(c);
    return out;
  }

  BOOL printing = FALSE;
  std::vector<std::string> calls;
  std::vector<CRect> fills;
  std::vector<int> xs;
  std::string lastPoints;
};

constexpr COLORREF kEnglishText = 0x000010;
constexpr COLORREF kEnglishBack = 0xFFFFF0;
constexpr COLORREF kEnglishSelectedText = 0xFFFF01;
constexpr COLORREF kEnglishSelection = 0x800000;

struct PainterTest : ::testing::Test, ViewDoc {
  PainterTest() : painter(model, pages, dc) {
    LoadSides("ab cd\tef", "xy zw");
    COLORREF colors[4] = {kEnglishText, kEnglishBack, kEnglishSelectedText, kEnglishSelection};
    std::copy(colors, colors + 4, model.Side(kEnglish).colors);
    // The English side in an ordinary font, the Hebrew side in the program's.
    Activate(kEnglish);
  }
  void Paint(int side, DocPaintPass pass) {
    painter.BeginSide(side);
    painter.PaintLine(Line(side, 0), pass);
  }
  void SetAttr(int side, int first, int last, CharAttr attr) {
    for (int i = first; i <= last; i++) At(side, i)->attributes = attr;
  }

  RecordingPaintDC dc;
  DocRunPainter painter;
};

TEST_F(PainterTest, WordsAreDrawnApartAndBlanksNeverReachTheOutput) {
  Paint(kEnglish, kTextPass);
  EXPECT_EQ(dc.Only("text"), (std::vector<std::string>{"text ab", "text cd", "text ef"}));
  // Each word at its own x: the second after the blank, the third after the tab.
  EXPECT_EQ(dc.xs[1], pages.GetCharRect(At(kEnglish, 4)).left);
  EXPECT_EQ(dc.xs[2], pages.GetCharRect(At(kEnglish, 7)).left);
  EXPECT_EQ(dc.Only("color").front(), "color " + RecordingPaintDC::Hex(kEnglishText));
}

TEST_F(PainterTest, TheBackgroundPassFillsRunsWithTheirBlanks) {
  Paint(kEnglish, kBackgroundPass);
  // "ab cd" in one run; the tab alone; "ef".
  ASSERT_EQ(dc.fills.size(), 3u);
  EXPECT_EQ(dc.fills[0].left, pages.GetCharRect(At(kEnglish, 1)).left);
  EXPECT_EQ(dc.fills[0].right, pages.GetCharRect(At(kEnglish, 5)).right);
  EXPECT_EQ(dc.Only("fill").front(), "fill " + RecordingPaintDC::Hex(kEnglishBack));
  EXPECT_TRUE(dc.Only("text").empty());
}

TEST_F(PainterTest, ColoursFollowTheSideBeingEditedAndTheSelection) {
  WORD back = model.FindOrAddBackColor(0x00FF00);
  WORD text = model.FindOrAddTextColor(0x0000FF);
  CharAttr coloured = (static_cast<DWORD>(back) << CharAttrBits::kBackColorShift) | text;
  struct Case {
    int active;
    BOOL printing;
    BOOL selected;
    const char* fill;
    const char* color;
  } cases[] = {
      {kEnglish, FALSE, FALSE, "fill 00FF00", "color 0000FF"},
      {kHebrew, FALSE, FALSE, "fill FFFFF0", "color C0C0C0"},  // greyed, default back
      {kHebrew, TRUE, FALSE, "fill 00FF00", "color 0000FF"},   // paper shows the colours
      {kEnglish, FALSE, TRUE, "fill 800000", "color FFFF01"},
      {kHebrew, FALSE, TRUE, "fill A4A0A0", "color FFFF01"},
      {kEnglish, TRUE, TRUE, "fill 00FF00", "color 0000FF"},  // no selection on paper
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.active) + std::to_string(c.printing) +
                 std::to_string(c.selected));
    Activate(c.active);
    dc = RecordingPaintDC();
    dc.printing = c.printing;
    CharAttr attr = coloured | (c.selected ? CharAttrBits::kTransientMark : 0);
    SetAttr(kEnglish, 1, 8, attr);
    Paint(kEnglish, kBackgroundPass);
    Paint(kEnglish, kTextPass);
    EXPECT_EQ(dc.Only("fill").front(), c.fill);
    EXPECT_EQ(dc.Only("color").front(), c.color);
  }
}

TEST_F(PainterTest, AColourIndexBeyondTheTableShowsTheDefault) {
  SetAttr(kEnglish, 1, 8, (30u << CharAttrBits::kBackColorShift) | 60u);
  Paint(kEnglish, kBackgroundPass);
  Paint(kEnglish, kTextPass);
  EXPECT_EQ(dc.Only("fill").front(), "fill " + RecordingPaintDC::Hex(kEnglishBack));
  EXPECT_EQ(dc.Only("color").front(), "color " + RecordingPaintDC::Hex(kEnglishText));
}

TEST_F(PainterTest, RunsAreTurnedRoundForTheWayTheirRendererDraws) {
  // The Hebrew side's own font draws right to left: its text goes as it is.
  Paint(kHebrew, kTextPass);
  EXPECT_EQ(dc.Only("hebrew"), (std::vector<std::string>{"hebrew xy C0C0C0", "hebrew zw C0C0C0"}));
  EXPECT_EQ(dc.xs[0], pages.GetCharRect(At(kHebrew, 1)).right);
  EXPECT_EQ(dc.lastPoints, "\x01\x01");
  // An English run in that font is reversed for it.
  WORD font = model.FindOrAddFontName(kEnglish, "Pomlar Sephardi 2");
  SetAttr(kEnglish, 1, 2, font << CharAttrBits::kFontShift);
  dc = RecordingPaintDC();
  Paint(kEnglish, kTextPass);
  EXPECT_EQ(dc.Only("hebrew").front(), "hebrew ba " + RecordingPaintDC::Hex(kEnglishText));
  // A Hebrew run in an ordinary font is reversed for left-to-right output.
  font = model.FindOrAddFontName(kHebrew, "Arial");
  SetAttr(kHebrew, 1, 2, font << CharAttrBits::kFontShift);
  dc = RecordingPaintDC();
  Paint(kHebrew, kTextPass);
  EXPECT_EQ(dc.Only("text").front(), "text yx");
}

TEST_F(PainterTest, TheClipReachesTheScreenButNotThePrinter) {
  CRect clip(0, 0, 1000, 1000);
  for (BOOL printing : {FALSE, TRUE}) {
    dc = RecordingPaintDC();
    dc.printing = printing;
    painter.BeginSide(kEnglish);
    painter.SetClip(&clip);
    painter.PaintLine(Line(kEnglish, 0), kTextPass);
    EXPECT_EQ(dc.Only("text").front(), printing ? "text ab" : "text ab clipped");
  }
}

TEST_F(PainterTest, PagesPaintBackgroundsThenTextTheOtherSideFirst) {
  painter.PaintPages(CRect(0, 0, 1000, 1000));
  std::vector<std::string> order;
  for (const std::string& c : dc.calls)
    if (c.compare(0, 4, "fill") == 0 || c.compare(0, 4, "text") == 0 ||
        c.compare(0, 6, "hebrew") == 0)
      if (order.empty() || order.back() != c.substr(0, 4)) order.push_back(c.substr(0, 4));
  EXPECT_EQ(order, (std::vector<std::string>{"fill", "hebr", "text"}));
  // Hebrew text (the side not edited) is drawn before English text.
  EXPECT_EQ(dc.Only("hebrew").size(), 2u);
}

TEST_F(PainterTest, APartOfALineIsPaintedFromStartToEnd) {
  painter.BeginSide(kEnglish, At(kEnglish, 4), At(kEnglish, 5));
  painter.PaintLine(Line(kEnglish, 0), kTextPass);
  EXPECT_EQ(dc.Only("text"), std::vector<std::string>{"text cd"});
}

}  // namespace

namespace {

TEST_F(PainterTest, ARepaintClearsAroundTheOtherSideAndDrawsItBeforeTheLine) {
  CRect client(0, 0, 1000, 1000);
  DocVisibleLines visible;
  visible.Rebuild(model, pages, client);
  CRect hebrewLine = pages.GetLineRect(Line(kHebrew, 0));
  painter.RepaintLineRange(At(kEnglish, 1), At(kEnglish, 2), client, visible);
  size_t firstHebrew = 0;
  while (firstHebrew < dc.calls.size() && dc.calls[firstHebrew].compare(0, 6, "hebrew") != 0)
    firstHebrew++;
  ASSERT_LT(firstHebrew, dc.calls.size());
  // The clearing before it spares the other side's line.
  ASSERT_GT(dc.fills.size(), 0u);
  for (size_t i = 0; i < firstHebrew; i++) {
    if (dc.calls[i].compare(0, 4, "fill") != 0) continue;
    EXPECT_EQ(dc.calls[i], "fill " + RecordingPaintDC::Hex(kEnglishBack));
  }
  CRect meet;
  EXPECT_FALSE(meet.IntersectRect(&dc.fills.front(), &hebrewLine));
  // The other side's text, then the line's own, clipped to the line.
  EXPECT_EQ(dc.Only("hebrew").front(), "hebrew xy C0C0C0 clipped");
  EXPECT_EQ(dc.Only("text"),
            (std::vector<std::string>{"text ab clipped", "text cd clipped", "text ef clipped"}));
  // Last, the page below its last line.
  CRect below = dc.fills.back();
  EXPECT_EQ(below.top, pages.GetLineColumn(Line(kEnglish, 0)).bottom);
  EXPECT_EQ(below.bottom, pages.GetPageTop(0, kEnglish) + 240);
}

}  // namespace

namespace {

TEST_F(PainterTest, APrintedPageScalesEachSideOntoItsPrintArea) {
  dc.printing = TRUE;
  CRect areas[kDocSideCount] = {CRect(100, 200, 580, 680), CRect()};
  painter.PrintPage(0, areas);
  // Only the English side has a print area; twice the screen's size.
  EXPECT_TRUE(dc.Only("hebrew").empty());
  ASSERT_EQ(dc.Only("text").size(), 3u);
  int left = pages.GetCharRect(At(kEnglish, 1)).left;
  EXPECT_EQ(dc.xs[0], 100);
  EXPECT_EQ(dc.xs[1], 100 + 2 * (pages.GetCharRect(At(kEnglish, 4)).left - left));
  EXPECT_EQ(dc.fills.front().top, 200);
  EXPECT_EQ(dc.fills.front().Height(), 2 * Line(kEnglish, 0)->cache.height);
  // The Hebrew side, from its print area's right edge.
  dc = RecordingPaintDC();
  dc.printing = TRUE;
  std::swap(areas[0], areas[1]);
  painter.PrintPage(0, areas);
  ASSERT_FALSE(dc.Only("hebrew").empty());
  EXPECT_EQ(dc.xs[0], 580);
  // A page the document does not have prints nothing.
  dc = RecordingPaintDC();
  painter.PrintPage(5, areas);
  EXPECT_TRUE(dc.calls.empty());
}

}  // namespace
