// Pointed UTF-8 made into letters and vowels: what it takes, and the text it
// refuses instead of dropping a part of it.
#include "speech/core/PointedInput.h"

#include <gtest/gtest.h>

#include <string>

#include "hebtext/core/HebChar.h"

namespace {

using namespace HebCode;

TEST(PointedLettersFromUtf8, ReadsLettersPointsAndStress) {
  // qamats qatan, and a letter with no point
  const std::optional<PointedLetters> word = PointedLettersFromUtf8(u8"חׇכְמָה");
  ASSERT_TRUE(word);
  EXPECT_EQ(word->letters, (std::vector<BYTE>{Het, Kaf, Mem, He, 0}));
  EXPECT_EQ(word->vowels, (std::vector<BYTE>{QamatsQatan, Shva, Qamats, ExplicitNoVowel, 0}));
  // a meteg on the segol, final kaf with shva, and a comma
  const std::optional<PointedLetters> stressed = PointedLettersFromUtf8(u8"מֶֽלֶךְ,");
  ASSERT_TRUE(stressed);
  EXPECT_EQ(stressed->letters, (std::vector<BYTE>{Mem, Lamed, FinalKaf, Comma, 0}));
  EXPECT_EQ(stressed->vowels, (std::vector<BYTE>{StressedSegol, Segol, Shva, ExplicitNoVowel, 0}));
}

struct RefusedCase {
  const char* what;
  const char* text;
};
void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.what; }

class RefusedText : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedText, GivesNothingAndSaysWhy) {
  std::string problem;
  EXPECT_FALSE(PointedLettersFromUtf8(GetParam().text, &problem));
  EXPECT_FALSE(problem.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RefusedText,
    ::testing::Values(RefusedCase{"a stray continuation byte", "\xD7\xA9\xB8"},
                      RefusedCase{"a sequence cut off", "\xD7"},
                      RefusedCase{"a Latin letter beyond ASCII", u8"שָׁלוֹם\u00E9"},
                      RefusedCase{"a Cyrillic letter", u8"שָׁלוֹם\u0434"},
                      RefusedCase{"a cantillation mark", u8"שָׁ\u0591לוֹם"},
                      RefusedCase{"the Hebrew geresh, which the import drops", u8"ג\u05F3"},
                      RefusedCase{"a point before any letter", u8"\u05B8שָׁלוֹם"},
                      RefusedCase{"a point after a space", u8"שָׁלוֹם \u05B8"}));

}  // namespace
