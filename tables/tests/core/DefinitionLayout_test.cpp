#include "tables/core/DefinitionLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kGlyphWidth = 10;
constexpr int kDefinitionLineHeight = 20;
constexpr int kWideRight = 400;

// Every character, English or Hebrew, is as wide as every other.
class EvenDefinitionMeasurer : public DefinitionMeasurer {
 public:
  int TextWidth(const std::string& text) override {
    return static_cast<int>(text.size()) * kGlyphWidth;
  }
  int HebrewWidth(const DefinitionHebrew& word) override {
    return static_cast<int>(word.letters.size()) * kGlyphWidth;
  }
};

DefinitionFrame FrameTo(int right, int highlighted = -1, const char* term = "",
                        bool printing = false) {
  return {{0, 0, right, 100}, kGlyphWidth, kDefinitionLineHeight, highlighted, term, printing};
}

// A run as "x,y tag text": H heading, W word, V violet, N number, R red on
// white, r red on the paper; Hebrew runs show their letter count.
std::string DescribeRun(const DefinitionRun& run) {
  std::string tag;
  switch (run.colour) {
    case kDefinitionHeadingColour: tag = "H"; break;
    case kDefinitionWordColour: tag = "W"; break;
    case kDefinitionBracketColour: tag = "V"; break;
    case kDefinitionNumberColour: tag = "N"; break;
    case kDefinitionHighlightColour: tag = run.opaque ? "R" : "r"; break;
    default: tag = "?";
  }
  const std::string text =
      run.isHebrew ? "hebrew " + std::to_string(run.hebrew.letters.size()) : run.text;
  return std::to_string(run.at.x) + "," + std::to_string(run.at.y) + " " + tag + " " + text;
}

std::vector<std::string> LaidOut(const std::string& markup, const DefinitionFrame& frame) {
  EvenDefinitionMeasurer measurer;
  std::vector<std::string> described;
  for (const DefinitionRun& run : LayOutDefinition(markup, frame, measurer))
    described.push_back(DescribeRun(run));
  return described;
}

const char kHeadingRun[] = "0,0 H Definition: ";

struct DefinitionLayoutCase {
  const char* markup;
  DefinitionFrame frame;
  std::vector<std::string> expected;
};

TEST(DefinitionLayout, PlacesWordsNumbersAndHebrew) {
  const DefinitionLayoutCase cases[] = {
      {"", FrameTo(kWideRight), {}},
      {"to eat", FrameTo(kWideRight), {kHeadingRun, "120,0 W to", "150,0 W eat"}},
      // Numbered from the first definition on, the second after a blank; a
      // number wraps with its word.
      {"a; b", FrameTo(200), {kHeadingRun, "130,0 N 1. ", "160,0 W a", "0,20 N  2. ", "40,20 W b"}},
      // Brackets colour what they enclose; a punctuation mark stays with them.
      {"[to eat], now",
       FrameTo(kWideRight),
       {kHeadingRun, "120,0 V [to", "160,0 V eat", "190,0 V ],", "220,0 W now"}},
      {"of <SHEL> him",
       FrameTo(kWideRight),
       {kHeadingRun, "120,0 W of", "150,0 V hebrew 2", "180,0 W him"}},
      // Unknown keywords show nothing; a '<' without '>' ends the text.
      {"of <XYZ> him", FrameTo(kWideRight), {kHeadingRun, "120,0 W of", "160,0 W him"}},
      {"of <SHEL him", FrameTo(kWideRight), {kHeadingRun, "120,0 W of"}},
      // A word wider than the line starts a line and stays whole.
      {"extraordinary extraordinary",
       FrameTo(50),
       {kHeadingRun, "0,20 W extraordinary", "0,40 W extraordinary"}},
  };
  for (const DefinitionLayoutCase& c : cases)
    EXPECT_EQ(LaidOut(c.markup, c.frame), c.expected) << c.markup;
}

TEST(DefinitionLayout, HighlightsTheTerm) {
  const DefinitionLayoutCase cases[] = {
      {"to eat,",
       FrameTo(kWideRight, 1, "EAT"),
       {kHeadingRun, "120,0 W to", "150,0 R eat", "180,0 W ,"}},
      {"to eat,",
       FrameTo(kWideRight, 1, "eat", true),
       {kHeadingRun, "120,0 W to", "150,0 r eat", "180,0 W ,"}},
      // Nothing is highlighted without a highlighted definition.
      {"to eat", FrameTo(kWideRight, -1, "eat"), {kHeadingRun, "120,0 W to", "150,0 W eat"}},
      // Leading punctuation is set apart only from a marked word.
      {"&(eat)",
       FrameTo(kWideRight, 1, "eat"),
       {kHeadingRun, "120,0 W (", "130,0 R eat", "160,0 W )"}},
      {"(eat)", FrameTo(kWideRight, 1, "eat"), {kHeadingRun, "120,0 W (eat)"}},
      {"eat-in", FrameTo(kWideRight, 1, "eat"), {kHeadingRun, "120,0 R eat", "150,0 W -in"}},
      {"dine-eat", FrameTo(kWideRight, 1, "eat"), {kHeadingRun, "120,0 W dine-", "170,0 R eat"}},
      {"eat-in", FrameTo(kWideRight, 1, "eat-in"), {kHeadingRun, "120,0 R eat-in"}},
  };
  for (const DefinitionLayoutCase& c : cases)
    EXPECT_EQ(LaidOut(c.markup, c.frame), c.expected) << c.markup;
}

TEST(DefinitionLayout, OddTextsStayInsideTheWindow) {
  // Runs start inside the window's width, lines go down only, and every
  // text is read to its end without reading past it.
  const char* const texts[] = {";",      ";;;",  "  ;  ",    "[",       "]]]",           "&&&",
                               "<",      "<>",   "<<SHEL>>", "a<b;c>d", "\xE0\xFF;\x80", "[a;b]c",
                               "&-eat-", "eat-", "- - -"};
  for (const char* text : texts) {
    EvenDefinitionMeasurer measurer;
    const DefinitionFrame frame = FrameTo(kWideRight, 1, "eat");
    int lastY = 0;
    for (const DefinitionRun& run : LayOutDefinition(text, frame, measurer)) {
      EXPECT_GE(run.at.x, 0) << text;
      EXPECT_LT(run.at.x, kWideRight) << text;
      EXPECT_GE(run.at.y, lastY) << text;
      lastY = run.at.y;
    }
  }
}

}  // namespace
