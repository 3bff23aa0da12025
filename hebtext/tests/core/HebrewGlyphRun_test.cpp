// Layout of pointed Hebrew runs: which glyph goes where, in which colour.
#include "hebtext/core/HebrewGlyphRun.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "hebtext/core/QamatsQatanPrefs.h"
#include "hebtext/tests/core/PointedWord.h"

namespace {
using namespace HebCode;

struct Drawn {
  int code, x;
  COLORREF color;
  BOOL stress;
  bool operator==(const Drawn& o) const {
    return code == o.code && x == o.x && color == o.color && stress == o.stress;
  }
};

std::ostream& operator<<(std::ostream& out, const Drawn& d) {
  return out << "{" << d.code << " at " << d.x << " colour " << d.color
             << (d.stress ? " stress" : "") << "}";
}

class Recorder : public HebrewGlyphSink {
 public:
  void Glyph(int code, int x, COLORREF color, BOOL stressMark) override {
    drawn.push_back({code, x, color, stressMark});
  }
  std::vector<Drawn> drawn;
};

constexpr COLORREF kLetter = 1, kVowel = 2, kHiLetter = 3, kHiVowel = 4, kOwnQatan = 5;
constexpr int kRight = 500;

// Letters 20 pixels wide, points 6, with the exceptions a test names.
class HebrewGlyphRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int code = 1; code < 256; ++code) {
      const bool point = (code >= Shva && code <= Meteg) ||
                         (code >= StressedHiriq && code <= StressedQamats) ||
                         code == StressedQubuts;
      extents_[code] = (30u << 16) | (point ? 6 : 20);
    }
    extents_[Tab] = extents_[FormFeed] = extents_[CarriageReturn] = 30u << 16;
    SetWidths({{Yod, 6},
               {HolamMale, 8},
               {Shuruk, 8},
               {Meteg, 4},
               {LamedHolam, 26},
               {LamedDageshHolam, 27},
               {GimelGereshHolam, 30}});
    font_.extents = extents_;
    colors_.letter = kLetter;
    colors_.vowel = kVowel;
    colors_.highlightLetter = kHiLetter;
    colors_.highlightVowel = kHiVowel;
    SetKamStyle(1);
    SetKamColor(255);
  }

  void SetWidths(std::map<int, int> widths) {
    for (auto [code, width] : widths) extents_[code] = (30u << 16) | width;
  }

  std::vector<Drawn> Lay(const PointedWord& word, int* width = nullptr) {
    Recorder recorder;
    const int w = LayOutHebrewRun(font_, kRight, word.L(), word.V(), word.Length(), options_,
                                  colors_, &recorder);
    if (width != nullptr) *width = w;
    return recorder.drawn;
  }

  DWORD extents_[256] = {};
  HebrewRunFont font_;
  HebrewRunOptions options_;
  HebrewRunColors colors_;
};

TEST_F(HebrewGlyphRunTest, PointCentredUnderALetterWithoutAPosition) {
  int width = 0;
  EXPECT_EQ((std::vector<Drawn>{
                {Bet, 480, kLetter, 0}, {Qamats, 487, kVowel, 0}, {Gimel, 460, kLetter, 0}}),
            Lay({{Bet, Qamats}, {Gimel, 0}}, &width));
  EXPECT_EQ(40, width);
}

TEST_F(HebrewGlyphRunTest, PointAtTheFamilysPositionForTheLetter) {
  font_.family = 1;  // lamed: centre at 65% from the right edge
  EXPECT_EQ((std::vector<Drawn>{{Lamed, 480, kLetter, 0}, {Hiriq, 484, kVowel, 0}}),
            Lay({{Lamed, Hiriq}}));
  font_.family = 2;  // 40%: 8 + 3
  EXPECT_EQ((std::vector<Drawn>{{Lamed, 480, kLetter, 0}, {Hiriq, 489, kVowel, 0}}),
            Lay({{Lamed, Hiriq}}));
}

TEST_F(HebrewGlyphRunTest, WiderPointCarriesTheLetterCentredOverIt) {
  SetWidths({{Yod, 4}});
  int width = 0;
  EXPECT_EQ((std::vector<Drawn>{{Qamats, 494, kVowel, 0}, {Yod, 495, kLetter, 0}}),
            Lay({{Yod, Qamats}}, &width));
  EXPECT_EQ(6, width);
}

TEST_F(HebrewGlyphRunTest, EqualWidthsDrawThePointFirstAtTheSamePlace) {
  EXPECT_EQ((std::vector<Drawn>{{Qamats, 494, kVowel, 0}, {Yod, 494, kLetter, 0}}),
            Lay({{Yod, Qamats}}));
}

TEST_F(HebrewGlyphRunTest, LamedWithHolamIsOneGlyphUnlessAShinDotFollows) {
  int width = 0;
  EXPECT_EQ((std::vector<Drawn>{{LamedHolam, 474, kLetter, 0}}), Lay({{Lamed, Holam}}, &width));
  EXPECT_EQ(26, width);
  EXPECT_EQ((std::vector<Drawn>{{LamedDageshHolam, 473, kLetter, 0}}),
            Lay({{LamedDagesh, HolamVariant}}));
  EXPECT_EQ((std::vector<Drawn>{{GimelGereshHolam, 470, kLetter, 0}}), Lay({{GimelGeresh, Holam}}));
  EXPECT_EQ((std::vector<Drawn>{{Lamed, 480, kLetter, 0}, {ShinShinDot, 460, kLetter, 0}}),
            Lay({{Lamed, Holam}, {ShinShinDot, 0}}));
}

TEST_F(HebrewGlyphRunTest, HolamAtTheLettersLeftEdgeExceptWhereADotIsThere) {
  EXPECT_EQ((std::vector<Drawn>{{Bet, 480, kLetter, 0}, {Holam, 480, kVowel, 0}}),
            Lay({{Bet, Holam}}));
  EXPECT_EQ((std::vector<Drawn>{{ShinSinDot, 480, kLetter, 0}}), Lay({{ShinSinDot, Holam}}));
  EXPECT_EQ((std::vector<Drawn>{{Bet, 480, kLetter, 0}, {ShinShinDotDagesh, 460, kLetter, 0}}),
            Lay({{Bet, Holam}, {ShinShinDotDagesh, 0}}));
}

TEST_F(HebrewGlyphRunTest, StressedHolamMaleDrawsTheVavAndAMetegUnderTheLetter) {
  int width = 0;
  EXPECT_EQ((std::vector<Drawn>{
                {Bet, 480, kLetter, 0}, {HolamMale, 472, kVowel, 0}, {Meteg, 488, kVowel, 1}}),
            Lay({{Bet, StressedHolamMale}}, &width));
  EXPECT_EQ(28, width);
  EXPECT_EQ((std::vector<Drawn>{{Bet, 480, kLetter, 0}, {Shuruk, 472, kVowel, 0}}),
            Lay({{Bet, Shuruk}}));
}

TEST_F(HebrewGlyphRunTest, StressedHolamGetsItsMetegAtTheStressFamilysPosition) {
  font_.stressFamily = 1;  // lamed at 65%: 13 + 2
  EXPECT_EQ((std::vector<Drawn>{
                {Bet, 480, kLetter, 0}, {Holam, 480, kVowel, 0}, {Meteg, 488, kVowel, 1}}),
            Lay({{Bet, StressedHolam}}));
  Recorder recorder;
  LayOutStressMark(font_, kRight, StressedQamats, 20, Lamed, kVowel, &recorder);
  LayOutStressMark(font_, kRight, Qamats, 20, Lamed, kVowel, &recorder);
  EXPECT_EQ((std::vector<Drawn>{{Meteg, 485, kVowel, 1}}), recorder.drawn);
}

TEST_F(HebrewGlyphRunTest, FinalKafTakesItsVowelIntoOneGlyph) {
  EXPECT_EQ((std::vector<Drawn>{{FinalKafQamats, 480, kLetter, 0},
                                {FinalKafDageshShva, 460, kLetter, 0}}),
            Lay({{FinalKaf, Qamats}, {FinalKafDagesh, Shva}}));
}

TEST_F(HebrewGlyphRunTest, VariantsShowAsTheirPlainGlyphs) {
  EXPECT_EQ((std::vector<Drawn>{{Qamats, 494, kVowel, 0}, {Yod, 494, kLetter, 0}}),
            Lay({{YodDouble, QamatsYod}}));
  EXPECT_EQ((std::vector<Drawn>{{Hyphen, 480, kLetter, 0}, {YodDagesh, 460, kLetter, 0}}),
            Lay({{Maqaf, ExplicitNoVowel}, {YodVariantBDagesh, 0}}));
}

TEST_F(HebrewGlyphRunTest, UnpointedRunKeepsTheVavOfHolamMaleAndDropsMarks) {
  options_.withVowels = FALSE;
  EXPECT_EQ((std::vector<Drawn>{{Bet, 480, kLetter, 0},
                                {Vav, 460, kVowel, 0},
                                {Shin, 440, kLetter, 0},
                                {Lamed, 420, kLetter, 0},
                                {FinalKaf, 400, kLetter, 0},
                                {Vav, 380, kLetter, 0}}),
            Lay({{BetDagesh, HolamMale},
                 {ShinShinDotDagesh, Qamats},
                 {Lamed, Holam},
                 {FinalKafQamats, 0},
                 {Shuruk, 0}}));
}

TEST_F(HebrewGlyphRunTest, UnpointedRunCanKeepShinAndSinDots) {
  options_.withVowels = FALSE;
  options_.keepShinDots = TRUE;
  EXPECT_EQ((std::vector<Drawn>{{ShinShinDot, 480, kLetter, 0}, {ShinSinDot, 460, kLetter, 0}}),
            Lay({{ShinShinDotDagesh, Qamats}, {ShinSinDot, 0}}));
}

TEST_F(HebrewGlyphRunTest, QamatsQatanColour) {
  struct Case {
    COLORREF qatan;
    int style;
    int highlight;
    COLORREF want;
  };
  for (const Case& c : std::vector<Case>{{kQamatsQatanByPrefs, 1, kNoHighlight, 255},
                                         {kQamatsQatanByPrefs, 0, kNoHighlight, kVowel},
                                         {kQamatsQatanAsText, 1, kNoHighlight, kVowel},
                                         {kOwnQatan, 0, kNoHighlight, kOwnQatan},
                                         {kOwnQatan, 1, 0, kHiVowel},
                                         {kOwnQatan, 1, 1, kVowel},
                                         {kQamatsQatanByPrefs, 1, kHighlightWholeRun, kHiVowel}}) {
    SetKamStyle(c.style);
    colors_.qamatsQatan = c.qatan;
    colors_.highlightIndex = c.highlight;
    const std::vector<Drawn> drawn = Lay({{Bet, QamatsQatan}, {Gimel, 0}});
    ASSERT_EQ(3u, drawn.size());
    EXPECT_EQ(Qamats, drawn[1].code);
    EXPECT_EQ(c.want, drawn[1].color) << "qatan " << c.qatan << " style " << c.style;
  }
}

TEST_F(HebrewGlyphRunTest, HighlightColoursOnlyTheirPosition) {
  colors_.highlightIndex = 1;
  EXPECT_EQ((std::vector<Drawn>{{Bet, 480, kLetter, 0},
                                {Hiriq, 487, kVowel, 0},
                                {Gimel, 460, kHiLetter, 0},
                                {Hiriq, 467, kHiVowel, 0}}),
            Lay({{Bet, Hiriq}, {Gimel, Hiriq}}));
}

TEST_F(HebrewGlyphRunTest, CountMinusOneTakesTheLettersLengthAndTabsDrawNothing) {
  const PointedWord word{{Bet, 0}, {Tab, 0}, {Gimel, 0}};
  Recorder recorder;
  EXPECT_EQ(40,
            LayOutHebrewRun(font_, kRight, word.L(), word.V(), -1, options_, colors_, &recorder));
  EXPECT_EQ((std::vector<Drawn>{{Bet, 480, kLetter, 0}, {Gimel, 460, kLetter, 0}}), recorder.drawn);
}

TEST_F(HebrewGlyphRunTest, MeasuringGivesTheWidthDrawingCovers) {
  const PointedWord word{{Lamed, Holam}, {GimelGeresh, Holam}, {Bet, StressedHolamMale},
                         {Yod, Qamats},  {FinalKaf, Qamats},   {Shuruk, 0},
                         {Shin, Hiriq}};
  int drawnWidth = 0;
  Lay(word, &drawnWidth);
  EXPECT_EQ(26 + 30 + 28 + 6 + 20 + 8 + 20, drawnWidth);
  EXPECT_EQ(drawnWidth, LayOutHebrewRun(font_, 0, word.L(), word.V(), word.Length(), options_,
                                        colors_, nullptr));
}

}  // namespace
