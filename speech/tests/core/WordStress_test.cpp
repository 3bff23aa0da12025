// Stress placement: the modes, stress already given, the "9" syllables, the
// fixed word lists and the ending tests.
#include "speech/core/WordStress.h"

#include <gtest/gtest.h>

#include <string>

#include "speech/core/StressEndings.h"
#include "speech/tests/core/Pronounce.h"

namespace {

struct Placed {
  int result;
  std::string pattern;
};

Placed Place(const char* word, const char* pattern, StressMode mode = kPlaceStress) {
  const PointedLetters w = Pointed(word);
  CString text(pattern);
  const int result = PlaceWordStress(w.L(), w.V(), w.Last(), text,
                                     Options(kSephardi, kIsraeliVowels, kAnyPrefixKind), mode);
  return Placed{result, static_cast<LPCSTR>(text)};
}

constexpr const char* kMelekh = u8"מֶלֶך";

TEST(PlaceWordStress, OneSyllableTakesTheStress) {
  const Placed p = Place(u8"מָה", "`[m0A]");
  EXPECT_EQ(p.result, kStressLast);
  EXPECT_EQ(p.pattern, "`[m1A]");
}

TEST(PlaceWordStress, StressedVowelKeepsThePatternAndCountsBehindIt) {
  const char* stressed = u8"מֶלֶֽך";
  const Placed p = Place(stressed, "`[m0El1Ex0I0A]");
  EXPECT_EQ(p.result, 2);
  EXPECT_EQ(p.pattern, "`[m0El1Ex0I0A]");
  // More than three syllables behind the stress count as none.
  EXPECT_EQ(Place(stressed, "`[1A0A0A0A0A]").result, kStressLast);
}

TEST(PlaceWordStress, ModesForceOrKeepTheLastSyllable) {
  EXPECT_EQ(Place(kMelekh, "`[m1El0Ex]", kForceLastStress).pattern, "`[m1El1Ex]");
  const Placed kept = Place(kMelekh, "`[m1El0Ex]", kKeepOrForceLastStress);
  EXPECT_EQ(kept.pattern, "`[m1El0Ex]");
  EXPECT_EQ(kept.result, kStressPenult);
  EXPECT_EQ(Place(kMelekh, "`[m0El0Ex]", kKeepOrForceLastStress).pattern, "`[m0El1Ex]");
}

TEST(PlaceWordStress, NineIsNeverChosenAndReadsZeroAfterwards) {
  // The segolate rule wants the syllable before last; the "9" is passed by.
  const Placed p = Place(kMelekh, "`[0A.m0El9Ex]");
  EXPECT_EQ(p.result, kStressPenult);
  EXPECT_EQ(p.pattern, "`[1A.m0El0Ex]");
}

TEST(PlaceWordStress, EmptyWordAndPatternAreLeftAlone) {
  const BYTE nothing[] = {0};
  CString pattern;
  EXPECT_EQ(PlaceWordStress(nothing, nothing, -1, pattern, PronunciationOptions{}),
            kStressNotPlaced);
  EXPECT_TRUE(pattern.IsEmpty());
}

TEST(PlaceWordStress, OverlongPatternIsCutToTheTextBound) {
  const std::string longPattern(200, '0');
  CString pattern(longPattern.c_str());
  const PointedLetters melekh = Pointed(kMelekh);
  PlaceWordStress(melekh.L(), melekh.V(), melekh.Last(), pattern, PronunciationOptions{});
  EXPECT_LT(pattern.GetLength(), kMaxPhoneticText);
}

struct EndingCase {
  const char* what;
  const char* word;
  int stress;
};
void PrintTo(const EndingCase& c, std::ostream* os) { *os << c.what; }

class StressRules : public ::testing::TestWithParam<EndingCase> {};

TEST_P(StressRules, PlaceTheStress) {
  EXPECT_EQ(Pronounce(GetParam().word).stress, GetParam().stress);
}

INSTANTIATE_TEST_SUITE_P(
    Endings, StressRules,
    ::testing::Values(EndingCase{"furtive patah: before it", u8"רוּחַ", 1},
                      EndingCase{"-ekha: second to last", u8"סוּסֶךָ", 1},
                      EndingCase{"-tron: antepenultimate -im", u8"תֵּאַטְרוֹנִים", 1},
                      EndingCase{"-ika: antepenultimate", u8"מוּזִיקָה", 2},
                      EndingCase{"-logia", u8"בִּיּוֹלוֹגְיָה", 0},
                      EndingCase{"-ologi: penultimate", u8"טֶכְנוֹלוֹגִי", 1},
                      EndingCase{"-ot after qamats in -iya list: last", u8"אַפְלָיוֹת", 0},
                      EndingCase{"-iya list word: last", u8"אַפְלָיָה", 0},
                      EndingCase{"-iya list word behind two prefixes", u8"וְהַלְוָיָה", 0},
                      EndingCase{"-iya list word in -ot", u8"הַלְוָיוֹת", 0},
                      EndingCase{"-landi: penultimate", u8"הוֹלַנְדִּי", 1},
                      EndingCase{"-i after hiriq: last", u8"עִבְרִי", 0},
                      EndingCase{"-ai: last", u8"סַבַּאי", 0},
                      EndingCase{"final kaf after tsere: last", u8"נֵלֵךְ", 0},
                      EndingCase{"segol + he after holam: last", u8"מוֹרֶה", 0},
                      EndingCase{"ending qamats: penultimate", u8"הָלַכְתָּ", 1},
                      EndingCase{"ending qamats after hataf: last", u8"אֲנִי", 0}));

// A stem that opens with he or mem under hiriq and tav under shva is a
// verb or participle whose -iya is not the stressed noun ending.
TEST(StressEndings, HitpaelShapeBehindAPrefixDropsTheIyaRule) {
  auto secondPenultimate = [](const char* word) {
    const PointedLetters w = Pointed(word);
    return HasSecondPenultimateEnding(WordView(w.L(), w.V(), w.Last()));
  };
  EXPECT_FALSE(secondPenultimate(u8"וְהִתְפַלַּיָּה"));
  EXPECT_TRUE(secondPenultimate(u8"וְסִתְפַלַּיָּה"));
}

TEST(StressEndings, SegolateTest) {
  auto segolate = [](const char* word) {
    const PointedLetters w = Pointed(word);
    return IsSegolateEnding(WordView(w.L(), w.V(), w.Last()));
  };
  EXPECT_TRUE(segolate(kMelekh));
  EXPECT_TRUE(segolate(u8"רוּחַ"));  // furtive patah
  EXPECT_FALSE(segolate(u8"סוּס"));
  EXPECT_TRUE(segolate(u8"נַעַר"));
  EXPECT_FALSE(segolate(u8"מוֹרֶה"));
}

}  // namespace
