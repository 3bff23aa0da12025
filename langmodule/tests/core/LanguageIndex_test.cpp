#include "langmodule/core/LanguageIndex.h"

#include <gtest/gtest.h>

namespace {

struct LanguageCase {
  std::uint16_t langId;
  int language;
  int dialect;
};

class LangIdToLanguageIndexTest : public testing::TestWithParam<LanguageCase> {};

TEST_P(LangIdToLanguageIndexTest, GivesTheEnginesNumbers) {
  LanguageIndex index = LangIdToLanguageIndex(GetParam().langId);
  EXPECT_EQ(index.language, GetParam().language);
  EXPECT_EQ(index.dialect, GetParam().dialect);
}

INSTANTIATE_TEST_SUITE_P(KnownLanguages, LangIdToLanguageIndexTest,
                         testing::Values(LanguageCase{1033, 1, 0}, LanguageCase{2057, 1, 1},
                                         LanguageCase{1034, 2, 0}, LanguageCase{2058, 2, 1},
                                         LanguageCase{1036, 3, 0}, LanguageCase{3084, 3, 1},
                                         LanguageCase{1031, 4, 0}, LanguageCase{1040, 5, 0},
                                         LanguageCase{2052, 6, 0}, LanguageCase{1028, 6, 1},
                                         LanguageCase{1046, 7, 0}, LanguageCase{1041, 8, 0},
                                         LanguageCase{11, 9, 0}, LanguageCase{18, 10, 0}));

// The whole LANGID is compared: another sublanguage of a known language, or a
// full LANGID whose primary language alone is listed, is unknown.
INSTANTIATE_TEST_SUITE_P(UnknownLanguages, LangIdToLanguageIndexTest,
                         testing::Values(LanguageCase{0, 0, 0},
                                         LanguageCase{0x0807, 0, 0},  // German, Switzerland
                                         LanguageCase{0x0C07, 0, 0},  // German, Austria
                                         LanguageCase{0x040B, 0, 0},  // Finnish, Finland
                                         LanguageCase{0x0412, 0, 0},  // Korean
                                         LanguageCase{7, 0, 0},       // German, no sublanguage
                                         LanguageCase{0xFFFF, 0, 0}));

}  // namespace
