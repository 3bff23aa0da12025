// DrawHebrewText and MeasureHebrewText in the program's fonts: where the ink
// of letters and points lands in a memory DC, and images of a pointed
// sentence in each face for a person to look at.
#include "hebtext/win/HebrewTextDraw.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hebtext/core/HebrewFontFamily.h"
#include "hebtext/tests/core/PointedWord.h"
#include "hebtext/tests/win/HebrewTestFonts.h"
#include "hebtext/win/CFontInfo.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0), kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255),
                   kGreen = RGB(0, 160, 0);
constexpr int kWidth = 400, kHeight = 160, kRight = 300, kTop = 30;

class HebrewTextDrawTest : public ::testing::TestWithParam<const char*> {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(kHebrewFontFaceCount, RegisterHebrewFonts()); }

  void SetUp() override {
    font_.Set(canvas_.dc(), GetParam(), 48, 0, TRUE);
    font_.MeasureCharWidths(canvas_.dc());
    previous_ = canvas_.dc()->SelectObject(font_.GetFont());
    baseline_ = kTop + font_.GetTextMetrics().tmAscent;
  }
  void TearDown() override { canvas_.dc()->SelectObject(previous_); }

  // Letters black and points red; with a highlight index, that position's
  // letter blue and point green.
  RgbImage Draw(const PointedWord& word, BOOL withVowels = TRUE, int highlight = kNoHighlight) {
    DrawHebrewText(canvas_.dc(), &font_, kRight, kTop, word.L(), word.V(), word.Length(), kBlack,
                   kRed, withVowels, kQamatsQatanAsText, nullptr, FALSE, kBlue, kGreen, highlight);
    return canvas_.Capture();
  }

  Canvas canvas_{kWidth, kHeight};
  CFontInfo font_;
  CFont* previous_ = nullptr;
  int baseline_ = 0;
};

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.right <= outer.right;
}

TEST_P(HebrewTextDrawTest, EachPointUnderItsOwnLetter) {
  // bet with qamats, then gimel with hiriq drawn in the highlight colours.
  const RgbImage image = Draw(PointedWord("בָגִ"), TRUE, 1);
  const RECT bet = InkBox(image, Ink::kBlack), qamats = InkBox(image, Ink::kRed);
  const RECT gimel = InkBox(image, Ink::kBlue), hiriq = InkBox(image, Ink::kGreen);
  ASSERT_LE(bet.left, bet.right);
  ASSERT_LE(gimel.left, gimel.right);
  EXPECT_LT(gimel.right, bet.left) << "the second letter stands left of the first";
  EXPECT_TRUE(Inside(qamats, bet)) << qamats.left << ".." << qamats.right;
  EXPECT_TRUE(Inside(hiriq, gimel)) << hiriq.left << ".." << hiriq.right;
  EXPECT_GT(qamats.top, baseline_ - 2);
  EXPECT_GT(hiriq.top, baseline_ - 2);
}

TEST_P(HebrewTextDrawTest, HolamAboveTheLettersLeftCorner) {
  const RgbImage image = Draw(PointedWord("בֹ"));
  const RECT bet = InkBox(image, Ink::kBlack), holam = InkBox(image, Ink::kRed);
  ASSERT_LE(holam.left, holam.right);
  EXPECT_LT(holam.bottom, bet.top + (bet.bottom - bet.top) / 3);
  EXPECT_LT((holam.left + holam.right) / 2, (bet.left + bet.right) / 2);
}

TEST_P(HebrewTextDrawTest, StressedHolamMaleHasItsVavLeftAndAMetegUnder) {
  const RgbImage image = Draw({{HebCode::Bet, HebCode::StressedHolamMale}});
  const RECT bet = InkBox(image, Ink::kBlack);
  const RECT leftOfBet = {0, 0, bet.left, image.height};
  const RECT underBet = {bet.left, baseline_ + 1, bet.right + 1, image.height};
  EXPECT_GT(CountPixels(image, leftOfBet, IsInk(Ink::kRed)), 20) << "the vav";
  EXPECT_GT(CountPixels(image, underBet, IsInk(Ink::kRed)), 5) << "the meteg";
}

TEST_P(HebrewTextDrawTest, UnpointedHasNoMarksButTheVavOfHolamMale) {
  const RgbImage image = Draw(PointedWord("בָגוֹהִ"), FALSE);
  const RECT vav = InkBox(image, Ink::kRed);
  const RECT letters = InkBox(image, Ink::kBlack);
  ASSERT_LE(vav.left, vav.right);
  EXPECT_LE(vav.bottom, baseline_ + 2) << "only the vav is drawn in the point colour";
  EXPECT_LE(letters.bottom, baseline_ + 2) << "no mark under the letters";
}

TEST_P(HebrewTextDrawTest, DrawnInkStaysWithinTheMeasuredWidth) {
  const PointedWord word("שָׁלוֹם לֹא תּוּכַךָ");
  const int width = MeasureHebrewText(font_, word.L(), word.V(), word.Length(), TRUE);
  const RgbImage image = Draw(word);
  RECT all = InkBox(image, Ink::kBlack);
  const RECT points = InkBox(image, Ink::kRed);
  if (points.left < all.left) all.left = points.left;
  if (points.right > all.right) all.right = points.right;
  EXPECT_GE(all.left, kRight - width - 4);
  EXPECT_LE(all.right, kRight + 2);
  EXPECT_LT(all.left, kRight - width * 3 / 4) << "the run fills the measured width";
}

// shalom lekha yisrael tukhal laila tova lo: dagesh, shin and sin dots,
// holam male, shuruk, final kaf with qamats, a stressed vowel, lamed with holam.
const char kSentence[] = "שָׁלוֹם לְךָ יִשְׂרָאֵל תּוּכַל לַֽיְלָה טוֹבָּה לֹא";

TEST_P(HebrewTextDrawTest, PointedSentenceForAPersonToLookAt) {
  Canvas canvas(1100, 120);
  CFontInfo font(canvas.dc(), GetParam(), 40, 0);
  font.MeasureCharWidths(canvas.dc());
  CFont* previous = canvas.dc()->SelectObject(font.GetFont());
  const PointedWord sentence(kSentence);
  const int width = MeasureHebrewText(font, sentence.L(), sentence.V(), sentence.Length(), TRUE);
  DrawHebrewText(canvas.dc(), &font, 1070, 20, sentence.L(), sentence.V(), -1, kBlack,
                 RGB(0, 0, 160), TRUE, kQamatsQatanByPrefs, nullptr, FALSE, 0, 0, kNoHighlight);
  canvas.dc()->SelectObject(previous);
  const RgbImage image = canvas.Capture();
  std::string name = std::string("hebrew-") + GetParam();
  for (char& c : name) {
    if (c == ' ') c = '-';
  }
  SaveScreenshot(image, name);
  const RECT ink = InkBox(image, Ink::kBlack);
  EXPECT_GE(ink.left, 1070 - width - 4);
  EXPECT_GT(ink.right, 1000);
}

INSTANTIATE_TEST_SUITE_P(SixFaces, HebrewTextDrawTest, ::testing::ValuesIn(g_hebrewFontFaces));

}  // namespace
