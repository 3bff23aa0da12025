// Layout of pointed Hebrew runs: which glyph goes where, in which colour.
#include "hebtext/core/HebrewGlyphRun.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "hebtext/core/QamatsQatanPrefs.h"
#include "hebtext/tests/core/PointedWord.h"

namespace {

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
      const bool point = (code >= 192 && code <= 205) || (code >= 212 && code <= 216) || code == 219;
      extents_[code] = (30u << 16) | (point ? 6 : 20);
    }
    extents_[9] = extents_[12] = extents_[13] = 30u << 16;
    SetWidths({{233, 6}, {206, 8}, {202, 8}, {205, 4}, {253, 26}, {189, 27}, {254, 30}});
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
  EXPECT_EQ((std::vector<Drawn>{{225, 480, kLetter, 0}, {200, 487, kVowel, 0},
                                {226, 460, kLetter, 0}}),
            Lay({{225, 200}, {226, 0}}, &width));
  EXPECT_EQ(40, width);
}

TEST_F(HebrewGlyphRunTest, PointAtTheFamilysPositionForTheLetter) {
  font_.family = 1;  // lamed: centre at 65% from the right edge
  EXPECT_EQ((std::vector<Drawn>{{236, 480, kLetter, 0}, {196, 484, kVowel, 0}}),
            Lay({{236, 196}}));
  font_.family = 2;  // 40%: 8 + 3
  EXPECT_EQ((std::vector<Drawn>{{236, 480, kLetter, 0}, {196, 489, kVowel, 0}}),
            Lay({{236, 196}}));
}

TEST_F(HebrewGlyphRunTest, WiderPointCarriesTheLetterCentredOverIt) {
  SetWidths({{233, 4}});
  int width = 0;
  EXPECT_EQ((std::vector<Drawn>{{200, 494, kVowel, 0}, {233, 495, kLetter, 0}}),
            Lay({{233, 200}}, &width));
  EXPECT_EQ(6, width);
}

TEST_F(HebrewGlyphRunTest, EqualWidthsDrawThePointFirstAtTheSamePlace) {
  EXPECT_EQ((std::vector<Drawn>{{200, 494, kVowel, 0}, {233, 494, kLetter, 0}}),
            Lay({{233, 200}}));
}

TEST_F(HebrewGlyphRunTest, LamedWithHolamIsOneGlyphUnlessAShinDotFollows) {
  int width = 0;
  EXPECT_EQ((std::vector<Drawn>{{253, 474, kLetter, 0}}), Lay({{236, 201}}, &width));
  EXPECT_EQ(26, width);
  EXPECT_EQ((std::vector<Drawn>{{189, 473, kLetter, 0}}), Lay({{172, 145}}));
  EXPECT_EQ((std::vector<Drawn>{{254, 470, kLetter, 0}}), Lay({{220, 201}}));
  EXPECT_EQ((std::vector<Drawn>{{236, 480, kLetter, 0}, {209, 460, kLetter, 0}}),
            Lay({{236, 201}, {209, 0}}));
}

TEST_F(HebrewGlyphRunTest, HolamAtTheLettersLeftEdgeExceptWhereADotIsThere) {
  EXPECT_EQ((std::vector<Drawn>{{225, 480, kLetter, 0}, {201, 480, kVowel, 0}}),
            Lay({{225, 201}}));
  EXPECT_EQ((std::vector<Drawn>{{210, 480, kLetter, 0}}), Lay({{210, 201}}));
  EXPECT_EQ((std::vector<Drawn>{{225, 480, kLetter, 0}, {208, 460, kLetter, 0}}),
            Lay({{225, 201}, {208, 0}}));
}

TEST_F(HebrewGlyphRunTest, StressedHolamMaleDrawsTheVavAndAMetegUnderTheLetter) {
  int width = 0;
  EXPECT_EQ((std::vector<Drawn>{{225, 480, kLetter, 0}, {206, 472, kVowel, 0},
                                {205, 488, kVowel, 1}}),
            Lay({{225, 130}}, &width));
  EXPECT_EQ(28, width);
  EXPECT_EQ((std::vector<Drawn>{{225, 480, kLetter, 0}, {202, 472, kVowel, 0}}),
            Lay({{225, 202}}));
}

TEST_F(HebrewGlyphRunTest, StressedHolamGetsItsMetegAtTheStressFamilysPosition) {
  font_.stressFamily = 1;  // lamed at 65%: 13 + 2
  EXPECT_EQ((std::vector<Drawn>{{225, 480, kLetter, 0}, {201, 480, kVowel, 0},
                                {205, 488, kVowel, 1}}),
            Lay({{225, 131}}));
  Recorder recorder;
  LayOutStressMark(font_, kRight, 216, 20, 236, kVowel, &recorder);
  LayOutStressMark(font_, kRight, 200, 20, 236, kVowel, &recorder);
  EXPECT_EQ((std::vector<Drawn>{{205, 485, kVowel, 1}}), recorder.drawn);
}

TEST_F(HebrewGlyphRunTest, FinalKafTakesItsVowelIntoOneGlyph) {
  EXPECT_EQ((std::vector<Drawn>{{252, 480, kLetter, 0}, {187, 460, kLetter, 0}}),
            Lay({{234, 200}, {170, 192}}));
}

TEST_F(HebrewGlyphRunTest, VariantsShowAsTheirPlainGlyphs) {
  EXPECT_EQ((std::vector<Drawn>{{233, 494, kVowel, 0}, {200, 494, kLetter, 0}}).size(),
            Lay({{132, 148}}).size());
  EXPECT_EQ((std::vector<Drawn>{{45, 480, kLetter, 0}, {169, 460, kLetter, 0}}),
            Lay({{158, 1}, {147, 0}}));
}

TEST_F(HebrewGlyphRunTest, UnpointedRunKeepsTheVavOfHolamMaleAndDropsMarks) {
  options_.withVowels = FALSE;
  EXPECT_EQ((std::vector<Drawn>{{225, 480, kLetter, 0}, {229, 460, kVowel, 0},
                                {249, 440, kLetter, 0}, {236, 420, kLetter, 0},
                                {234, 400, kLetter, 0}, {229, 380, kLetter, 0}}),
            Lay({{161, 206}, {208, 200}, {236, 201}, {252, 0}, {202, 0}}));
}

TEST_F(HebrewGlyphRunTest, UnpointedRunCanKeepShinAndSinDots) {
  options_.withVowels = FALSE;
  options_.keepShinDots = TRUE;
  EXPECT_EQ((std::vector<Drawn>{{209, 480, kLetter, 0}, {210, 460, kLetter, 0}}),
            Lay({{208, 200}, {210, 0}}));
}

TEST_F(HebrewGlyphRunTest, QamatsQatanColour) {
  struct Case { COLORREF qatan; int style; int highlight; COLORREF want; };
  for (const Case& c : std::vector<Case>{
           {kQamatsQatanByPrefs, 1, kNoHighlight, 255},
           {kQamatsQatanByPrefs, 0, kNoHighlight, kVowel},
           {kQamatsQatanAsText, 1, kNoHighlight, kVowel},
           {kOwnQatan, 0, kNoHighlight, kOwnQatan},
           {kOwnQatan, 1, 0, kHiVowel},
           {kOwnQatan, 1, 1, kVowel},
           {kQamatsQatanByPrefs, 1, kHighlightWholeRun, kHiVowel}}) {
    SetKamStyle(c.style);
    colors_.qamatsQatan = c.qatan;
    colors_.highlightIndex = c.highlight;
    const std::vector<Drawn> drawn = Lay({{225, 128}, {226, 0}});
    ASSERT_EQ(3u, drawn.size());
    EXPECT_EQ(200, drawn[1].code);
    EXPECT_EQ(c.want, drawn[1].color) << "qatan " << c.qatan << " style " << c.style;
  }
}

TEST_F(HebrewGlyphRunTest, HighlightColoursOnlyTheirPosition) {
  colors_.highlightIndex = 1;
  EXPECT_EQ((std::vector<Drawn>{{225, 480, kLetter, 0}, {196, 487, kVowel, 0},
                                {226, 460, kHiLetter, 0}, {196, 467, kHiVowel, 0}}),
            Lay({{225, 196}, {226, 196}}));
}

TEST_F(HebrewGlyphRunTest, CountMinusOneTakesTheLettersLengthAndTabsDrawNothing) {
  const PointedWord word{{225, 0}, {9, 0}, {226, 0}};
  Recorder recorder;
  EXPECT_EQ(40, LayOutHebrewRun(font_, kRight, word.L(), word.V(), -1, options_, colors_,
                                &recorder));
  EXPECT_EQ((std::vector<Drawn>{{225, 480, kLetter, 0}, {226, 460, kLetter, 0}}),
            recorder.drawn);
}

TEST_F(HebrewGlyphRunTest, MeasuringGivesTheWidthDrawingCovers) {
  const PointedWord word{{236, 201}, {220, 201}, {225, 130}, {233, 200}, {234, 200},
                         {202, 0}, {249, 196}};
  int drawnWidth = 0;
  Lay(word, &drawnWidth);
  EXPECT_EQ(26 + 30 + 28 + 6 + 20 + 8 + 20, drawnWidth);
  EXPECT_EQ(drawnWidth, LayOutHebrewRun(font_, 0, word.L(), word.V(), word.Length(), options_,
                                        colors_, nullptr));
}

}  // namespace
