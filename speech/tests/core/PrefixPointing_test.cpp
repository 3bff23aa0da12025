// Vowels given to unpointed prefix letters.
#include "speech/core/PrefixPointing.h"

#include <gtest/gtest.h>

#include "hebtext/tests/core/PointedWord.h"

namespace {

struct PointingCase {
  const char* what;
  PointedWord word;
  int prefixLength;
  int articleMode;
  PointedWord expected;
};
void PrintTo(const PointingCase& c, std::ostream* os) { *os << c.what; }

class PointPrefixLettersTable : public ::testing::TestWithParam<PointingCase> {};

TEST_P(PointPrefixLettersTable, PointsThePrefix) {
  const PointingCase& c = GetParam();
  PointedWord word = c.word;
  PointPrefixLetters(word.letters.data(), word.vowels.data(), c.prefixLength, c.articleMode);
  EXPECT_EQ(word.letters, c.expected.letters);
  EXPECT_EQ(word.vowels, c.expected.vowels);
}

constexpr int Decide = kArticleDecide, No = kArticleNotAbsorbed, Yes = kArticleAbsorbed;

INSTANTIATE_TEST_SUITE_P(
    Prefixes, PointPrefixLettersTable,
    ::testing::Values(
        PointingCase{"vav before bet with shva: shuruk",
                     {{229, 0}, {161, 192}, {248, 197}, {235, 200}, {228, 1}}, 1, No,
                     {{202, 202}, {161, 192}, {248, 197}, {235, 200}, {228, 1}}},
        PointingCase{"vav before a letter with a full vowel: shva",
                     {{229, 0}, {236, 198}, {233, 198}, {227, 1}}, 1, No,
                     {{229, 192}, {236, 198}, {233, 198}, {227, 1}}},
        PointingCase{"vav before yod with shva: hiriq", {{229, 0}, {233, 192}, {236, 199}}, 1, No,
                     {{229, 196}, {233, 192}, {236, 199}}},
        PointingCase{"lamed before hataf patah: patah", {{236, 0}, {231, 194}, {236, 206}, {237, 1}},
                     1, No, {{236, 199}, {231, 194}, {236, 206}, {237, 1}}},
        PointingCase{"lamed before shva: hiriq", {{236, 0}, {238, 192}, {227, 196}}, 1, No,
                     {{236, 196}, {238, 192}, {227, 196}}},
        PointingCase{"bet at the start takes its dagesh", {{225, 0}, {236, 198}, {233, 198}}, 1, No,
                     {{161, 192}, {236, 198}, {233, 198}}},
        PointingCase{"article before alef: qamats", {{228, 0}, {224, 196}, {233, 1}, {209, 1}}, 1,
                     No, {{228, 200}, {224, 196}, {233, 1}, {209, 1}}},
        PointingCase{"article before het with qamats: segol",
                     {{228, 0}, {231, 200}, {171, 200}, {237, 1}}, 1, No,
                     {{228, 198}, {231, 200}, {171, 200}, {237, 1}}},
        PointingCase{"article before hem: qamats", {{228, 0}, {228, 197}, {237, 1}}, 1, No,
                     {{228, 200}, {228, 197}, {237, 1}}},
        PointingCase{"article before another letter: patah", {{228, 0}, {233, 198}, {236, 198}},
                     1, No, {{228, 199}, {233, 198}, {236, 198}}},
        PointingCase{"absorbed article: bet takes patah and dagesh",
                     {{225, 0}, {161, 199}, {233, 196}, {250, 1}}, 1, Yes,
                     {{161, 199}, {161, 199}, {233, 196}, {250, 1}}},
        PointingCase{"mem before a guttural: tsere", {{238, 0}, {242, 196}, {233, 1}, {248, 1}},
                     1, No, {{238, 197}, {242, 196}, {233, 1}, {248, 1}}},
        PointingCase{"relative shin: segol", {{209, 0}, {233, 198}, {236, 198}}, 1, No,
                     {{209, 198}, {233, 198}, {236, 198}}},
        PointingCase{"bet after shin takes the article",
                     {{209, 0}, {225, 0}, {161, 199}, {233, 196}, {250, 1}}, 2, Decide,
                     {{209, 198}, {161, 199}, {161, 199}, {233, 196}, {250, 1}}},
        PointingCase{"kaf + shin + article",
                     {{235, 0}, {209, 0}, {228, 0}, {233, 198}, {236, 198}}, 3, Decide,
                     {{171, 192}, {209, 198}, {228, 199}, {233, 198}, {236, 198}}},
        PointingCase{"a letter with a vowel keeps it", {{236, 199}, {238, 192}, {227, 196}}, 1, No,
                     {{236, 199}, {238, 192}, {227, 196}}},
        PointingCase{"no prefix", {{236, 0}, {238, 192}}, 0, No, {{236, 0}, {238, 192}}},
        PointingCase{"prefix as long as the word", {{236, 0}}, 3, No, {{236, 0}}}));

TEST(IsArticleQamatsWord, HemHenHenaHema) {
  EXPECT_EQ(IsArticleQamatsWord(PointedWord{{228, 197}, {237, 1}}.L(),
                                PointedWord{{228, 197}, {237, 1}}.V()),
            1);
  const PointedWord hena{{228, 213}, {176, 200}, {228, 1}};
  EXPECT_EQ(IsArticleQamatsWord(hena.L(), hena.V()), 1);
  const PointedWord hemot{{228, 197}, {237, 1}, {250, 1}};
  EXPECT_EQ(IsArticleQamatsWord(hemot.L(), hemot.V()), 0);
  const PointedWord har{{228, 200}, {248, 1}};
  EXPECT_EQ(IsArticleQamatsWord(har.L(), har.V()), 0);
}

}  // namespace
