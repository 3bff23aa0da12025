#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "editor/core/RtfPreviewLayout.h"
#include "editor/core/RtfPreviewText.h"

namespace {

// Every character 10 pixels wide ("W" 20), twice its point size tall,
// with three quarters of that above the baseline.
class EvenMetrics : public IDocMetrics {
 public:
  static constexpr int kWidth = 10;
  static int Height(WORD points) { return points * 2; }
  static int Ascent(WORD points) { return points * 3 / 2; }

  int GetPixelsPerInchX() const override { return 96; }
  int GetPixelsPerInchY() const override { return 96; }
  DocCharMetrics MeasureChar(const CString&, WORD pointSize, UINT, BYTE letter,
                             BYTE) const override {
    DocCharMetrics m;
    m.width = letter == 'W' ? 2 * kWidth : kWidth;
    m.height = Height(pointSize);
    m.ascent = Ascent(pointSize);
    m.descent = m.height - m.ascent;
    return m;
  }
};

// The shown characters from index 1 on.
std::string Shown(const RtfPreviewText& text) {
  std::string shown;
  for (int i = 1; i < text.GetCount(); ++i) shown += static_cast<char>(text.GetChar(i));
  return shown;
}

// The lines of the layout, each ended by "|".
std::string Lines(const RtfPreviewText& text) {
  std::string lines;
  const std::vector<LONG>& starts = text.LineStarts();
  for (size_t line = 0; line < starts.size(); ++line) {
    const int end = line + 1 < starts.size() ? starts[line + 1] : text.GetCount();
    for (int i = starts[line]; i < end; ++i) lines += static_cast<char>(text.GetChar(i));
    lines += '|';
  }
  return lines;
}

// Sets the content and lays it out for a client area of that size.
void LayOut(RtfPreviewText& text, const char* content, SIZE client, DWORD extraWordSpace = 0) {
  text.SetText(content);
  LayoutRtfPreview(text, EvenMetrics(), client, extraWordSpace);
}

// The block's gaps to the client edges: left, right, top, bottom.
struct Gaps {
  LONG left = 1 << 30, right = 1 << 30, top = 1 << 30, bottom = 1 << 30;
};
Gaps BlockGaps(const RtfPreviewText& text, SIZE client) {
  Gaps gaps;
  for (int i = 1; i < text.GetCount(); ++i) {
    const RECT& cell = text.Box(i).cell;
    gaps.left = std::min(gaps.left, cell.left);
    gaps.right = std::min(gaps.right, client.cx - cell.right);
    gaps.top = std::min(gaps.top, cell.top);
    gaps.bottom = std::min(gaps.bottom, client.cy - cell.bottom);
  }
  return gaps;
}

TEST(RtfPreviewTest, PlainTextKeepsPrintableAndBlankCharactersInFourteenPointArial) {
  RtfPreviewText text;
  EXPECT_TRUE(text.SetText("Shalom\x01\x7F\t\x0C\r \xE0x").empty());
  EXPECT_EQ(Shown(text), "Shalom\t\x0C\r \xE0x");
  EXPECT_EQ(text.GetChar(0), ' ') << "the leading blank";
  for (int i = 1; i < text.GetCount(); ++i) {
    const PreviewFont font = text.GetCharFont(text.GetAttr(i));
    EXPECT_EQ(std::string(font.face), "Arial");
    EXPECT_EQ(font.pointSize, 14);
    EXPECT_EQ(font.style, 0u);
    COLORREF back;
    EXPECT_EQ(text.GetTextColor(text.GetAttr(i)), 0x000000u);
    EXPECT_FALSE(text.GetBackColor(text.GetAttr(i), back));
  }
}

TEST(RtfPreviewTest, RtfTakesItsFontsAndColours) {
  RtfPreviewText text;
  EXPECT_TRUE(text.SetText("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}"
                           "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
                           "a{\\f1\\fs40\\b\\i\\cf1\\cb2 b}{\\ul c}}")
                  .empty());
  ASSERT_EQ(Shown(text), "abc");
  EXPECT_EQ(text.GetAttr(0), 0u) << "the leading blank";

  const PreviewFont b = text.GetCharFont(text.GetAttr(2));
  EXPECT_EQ(std::string(b.face), "Courier New");
  EXPECT_EQ(b.pointSize, 20);
  EXPECT_EQ(b.style, 3u) << "bold and italic";
  EXPECT_EQ(text.GetTextColor(text.GetAttr(2)), 0x0000FFu);
  COLORREF back = 0;
  ASSERT_TRUE(text.GetBackColor(text.GetAttr(2), back));
  EXPECT_EQ(back, 0xFF0000u);

  const PreviewFont c = text.GetCharFont(text.GetAttr(3));
  EXPECT_EQ(c.pointSize, 14) << "no size: the default";
  EXPECT_EQ(c.style, 4u) << "underlined";
  EXPECT_EQ(text.GetTextColor(text.GetAttr(3)), 0x000000u);
}

TEST(RtfPreviewTest, ParseErrorLeavesTheControlEmpty) {
  RtfPreviewText text;
  text.SetText("kept");
  const UserMessageList messages = text.SetText("{\\rtf1 a}}");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(std::string(messages[0].text), "error 1 parsing rtf");
  EXPECT_EQ(std::string(messages[0].caption), "RTF Parse");
  EXPECT_EQ(text.GetCount(), 1);
  EXPECT_EQ(text.GetCapacity(), kPreviewGrowBy);
}

// Refuses every allocation once armed.
class FailingBlocks : public IPreviewBlocks {
 public:
  void* Allocate(size_t bytes) override { return fail ? nullptr : std::calloc(1, bytes); }
  void Free(void* block) override { std::free(block); }
  bool fail = false;
};

TEST(RtfPreviewTest, AddCharGrowsByTenAndKeepsItsBlocksWhenGrowingFails) {
  FailingBlocks blocks;
  RtfPreviewText text(&blocks);
  const CharAttr bold = 1u << CharAttrBits::kStyleShift;
  EXPECT_EQ(text.AddChar('a', &bold), 2);
  EXPECT_EQ(text.AddChar('b'), 3);
  EXPECT_EQ(text.GetAttr(2), bold) << "without a word, the one before";
  for (int i = 0; i < kPreviewGrowBy - 3; ++i) text.AddChar('c');
  EXPECT_EQ(text.GetCount(), kPreviewGrowBy);
  EXPECT_EQ(text.GetCapacity(), kPreviewGrowBy);
  EXPECT_EQ(text.AddChar('d'), kPreviewGrowBy + 1);
  EXPECT_EQ(text.GetCapacity(), 2 * kPreviewGrowBy);

  for (int i = text.GetCount(); i < 2 * kPreviewGrowBy; ++i) text.AddChar('e');
  const std::string before = Shown(text);
  blocks.fail = true;
  EXPECT_EQ(text.AddChar('f'), 2 * kPreviewGrowBy);
  EXPECT_EQ(text.GetCapacity(), 2 * kPreviewGrowBy);
  EXPECT_EQ(Shown(text), before);
}

TEST(RtfPreviewTest, LinesBreakAtTheLastBlankOrPunctuationOrWhereAWordReachesTheEdge) {
  // 100 pixels hold the margin and nine characters.
  struct Case {
    const char* text;
    const char* lines;
  } cases[] = {
      {"aa bbb cccc dd", "aa bbb |cccc dd|"},
      {"aaaa bbbb cccc", "aaaa bbbb |cccc|"},  // the blank at the edge ends the line
      {"aaaa,bbbbbb", "aaaa,|bbbbbb|"},
      {"abcdefghijklmnop", "abcdefghi|jklmnop|"},
      {"ab cdefghijklmn", "ab |cdefghijk|lmn|"},
      {"ab\rcd\r", "ab\r|cd\r||"},
      {"WWWWWW", "WWWW|WW|"},
  };
  for (const Case& c : cases) {
    RtfPreviewText text;
    LayOut(text, c.text, SIZE{100, 400});
    EXPECT_EQ(Lines(text), c.lines) << c.text;
  }
}

TEST(RtfPreviewTest, OneLineIsCentredBothWays) {
  RtfPreviewText text;
  const SIZE client{301, 120};
  LayOut(text, "centred", client);
  const Gaps gaps = BlockGaps(text, client);
  EXPECT_LE(std::abs(gaps.left - gaps.right), 1) << gaps.left << " " << gaps.right;
  EXPECT_LE(std::abs(gaps.top - gaps.bottom), 1) << gaps.top << " " << gaps.bottom;
  EXPECT_EQ(text.Box(1).cell.bottom - text.Box(1).cell.top, EvenMetrics::Height(14));
}

TEST(RtfPreviewTest, AWrappedLineIsCentredWithoutTheBlankItBrokeAfter) {
  RtfPreviewText text;
  const SIZE client{100, 100};
  LayOut(text, "aaaaaa bbb", client);
  ASSERT_EQ(Lines(text), "aaaaaa |bbb|");
  const LONG inkRight = text.Box(6).cell.right;
  EXPECT_LE(std::abs(text.Box(1).cell.left - (client.cx - inkRight)), 1);
}

TEST(RtfPreviewTest, HebrewInTheProgramsFontsReadsRightToLeftAmongLeftToRightText) {
  RtfPreviewText text;
  // "ab", then alef bet, a blank and gimel in a Hebrew face, then "c".
  LayOut(text, "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Pomlar David 2;}}"
               "ab{\\f1 \\'e0\\'e1 \\'e2}c}",
         SIZE{400, 100});
  ASSERT_EQ(Lines(text), "ab\xE0\xE1 \xE2" "c|");
  auto left = [&](int i) { return text.Box(i).cell.left; };
  EXPECT_LT(left(1), left(2));                   // a b
  EXPECT_LT(left(2), left(6));                   // then gimel, the run's last letter
  EXPECT_LT(left(6), left(5));                   // gimel, blank, bet, alef
  EXPECT_LT(left(5), left(4));
  EXPECT_LT(left(4), left(3));
  EXPECT_LT(left(3), left(7));                   // then c
  EXPECT_EQ(text.Box(6).cell.left, text.Box(2).cell.right);  // the run fills its place
  EXPECT_EQ(text.Box(3).cell.right, text.Box(7).cell.left);
  EXPECT_EQ(text.Box(3).glyph.left, text.Box(3).cell.left);
}

TEST(RtfPreviewTest, WrappedLinesStandOnTheBaselineOfTheirTallestCharacter) {
  RtfPreviewText text;
  const SIZE client{100, 300};
  LayOut(text, "{\\rtf1 ab{\\fs48 C}d efghij}", client);
  ASSERT_EQ(Shown(text), "abCd efghij");
  ASSERT_EQ(Lines(text), "abCd |efghij|");

  const int tall = EvenMetrics::Height(24);
  const LONG baseline = text.Box(3).glyph.top + EvenMetrics::Ascent(24);
  for (int i = 1; i <= 5; ++i) {
    const PreviewCharBox& box = text.Box(i);
    EXPECT_EQ(box.cell.bottom - box.cell.top, tall) << i;
    const WORD points = text.GetCharFont(text.GetAttr(i)).pointSize;
    EXPECT_EQ(box.glyph.top + EvenMetrics::Ascent(points), baseline) << i;
  }
  EXPECT_EQ(text.Box(6).cell.top, text.Box(1).cell.bottom) << "the next line below";
  EXPECT_EQ(text.Box(6).cell.bottom - text.Box(6).cell.top, EvenMetrics::Height(14));
  EXPECT_EQ(text.Box(6).cell.left, text.Box(1).cell.left) << "lines start at one left edge";

  const Gaps gaps = BlockGaps(text, client);
  EXPECT_LE(std::abs(gaps.left - gaps.right), 1);
  EXPECT_LE(std::abs(gaps.top - gaps.bottom), 1);
}

TEST(RtfPreviewTest, ExtraWordSpaceWidensBlanksInProportionToTheirFont) {
  RtfPreviewText text;
  // 8 quarter points at 14 points: 28 pixels tall, so 28 / 56 * 8 = 4 more.
  LayOut(text, "a\tb c", SIZE{400, 100}, 8);
  for (int i : {2, 4}) {
    const RECT& cell = text.Box(i).cell;
    EXPECT_EQ(cell.right - cell.left, EvenMetrics::kWidth + 4) << i;
  }
  EXPECT_EQ(text.Box(1).cell.right - text.Box(1).cell.left, EvenMetrics::kWidth);
}

TEST(RtfPreviewTest, AnEmptyTextLaysOutNothing) {
  RtfPreviewText text;
  LayOut(text, "", SIZE{100, 100});
  EXPECT_EQ(text.GetCount(), 1);
  EXPECT_EQ(text.LineStarts(), std::vector<LONG>{1});
}

}  // namespace
