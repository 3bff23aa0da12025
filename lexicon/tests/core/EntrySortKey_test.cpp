#include "lexicon/core/EntrySortKey.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "lexicon/tests/core/DictionaryTestData.h"

namespace {

DWORD Digits(int d1, int d2, int d3, int d4) {
  return ((d1 * kWordBucketBase + d2) * kWordBucketBase + d3) * kWordBucketBase + d4;
}

TEST(EntrySortKey, WordBucketsTakeFourKeyLettersAndStopAtAnythingElse) {
  struct Case {
    const char* key;
    DWORD bucket;
  };
  // clang-format off
  const Case cases[] = {
      {"abcd",   Digits(1, 2, 3, 4)},
      {"vvvvvv", Digits(22, 22, 22, 22)},
      {"ab",     Digits(1, 2, 0, 0)},
      {"",       0},
      {" abc",   0},
      {"1abc",   0},
      {"ab c",   Digits(1, 2, 0, 0)},
      {"ab!d",   Digits(1, 2, 0, 0)},
  };
  // clang-format on
  for (const Case& c : cases) EXPECT_EQ(c.bucket, BucketNumber(c.key)) << c.key;
}

// The search bisects the whole file, so the buckets must follow the key order.
TEST(EntrySortKey, WordBucketsNeverDecreaseAlongTheKeyOrder) {
  std::vector<std::string> keys = {"ab c", "ab!", "ab", "abc", "a1",  "a",    "b",
                                   "v",    " a",  "9",  "ab0", "abv", "ab a", "abcdv"};
  std::sort(keys.begin(), keys.end(), [](const std::string& a, const std::string& b) {
    return CompareKeyText(a.c_str(), b.c_str()) < 0;
  });
  for (size_t i = 1; i < keys.size(); ++i) {
    EXPECT_LE(BucketNumber(keys[i - 1].c_str()), BucketNumber(keys[i].c_str()))
        << keys[i - 1] << " / " << keys[i];
  }
}

// The build files a record by the bucket of its first key letters alone.
TEST(EntrySortKey, AWordsBucketIsTheBucketOfItsWholeKey) {
  for (const char* word : {"", "א", "שָׁלוֹם", "שׁוּק", "חוֹלֶה", "צה\"ל", "\"\"\"\"\"אבגדה",
                           "ג'וֹרְג'", "אָב הַבַּיִת", "מִתְכַּתְּבִים"}) {
    const PointedLetters pointed = dicttest::Pointed(word);
    const int count = pointed.Last() + 1;
    EntrySortKey key;
    BuildEntrySortKey(pointed.L(), pointed.V(), count, key);
    EXPECT_EQ(BucketNumber(key.primary), WordBucketNumber(pointed.L(), pointed.V(), count)) << word;
  }
}

TEST(EntrySortKey, DefinitionBucketsIgnoreCaseAndFollowTheKeywordOrder) {
  EXPECT_EQ(DefinitionBucketNumber("abc"), DefinitionBucketNumber("ABC"));
  EXPECT_EQ((10u * kDefinitionBucketBase + 11u) * kDefinitionBucketBase + 12u,
            DefinitionBucketNumber("abcdef"));
  EXPECT_EQ(0u, DefinitionBucketNumber("-abc"));
  std::vector<std::string> words = {"write", "Wri-te", "wr",  "2nd", "20",
                                    "-x",    "zebra",  "a-b", "ab"};
  std::sort(words.begin(), words.end(), [](const std::string& a, const std::string& b) {
    return CompareKeywordTexts(a.c_str(), b.c_str()) < 0;
  });
  for (size_t i = 1; i < words.size(); ++i) {
    EXPECT_LE(DefinitionBucketNumber(words[i - 1].c_str()),
              DefinitionBucketNumber(words[i].c_str()))
        << words[i - 1] << " / " << words[i];
  }
}

TEST(EntrySortKey, ComparisonsAreByteOrderAndKeywordsIgnoreCase) {
  EXPECT_LT(CompareKeyText("ab c", "ab!"), 0);  // a locale's comparison may skip the blank
  EXPECT_LT(CompareKeyText("ab", "abc"), 0);
  EXPECT_GT(CompareKeyText("\xE9", "z"), 0);  // bytes above 127 after the rest, in any locale
  EXPECT_EQ(0, CompareKeyText("abc", "abc"));
  EXPECT_EQ(0, CompareKeywordTexts("Write", "wRITE"));
  EXPECT_LT(CompareKeywordTexts("re-do", "redo"), 0);
}

TEST(EntrySortKey, EntryKeysCompareTheLettersOfTheGivenLengths) {
  struct Case {
    const char* a;
    int lengthA;
    const char* b;
    int lengthB;
    int sign;
  };
  // clang-format off
  const Case cases[] = {
      {"אָב",    2, "בַּיִת",  3, -1},
      {"דָּבָר",  3, "דִּבֵּר",  3, 0},   // other vowels, the same key
      {"שָׁלוֹם", 4, "שְׁלֹם",   3, -1},  // the vav of a holam male is a key letter
      {"אָבִי",   2, "אָב",    2, 0},   // only the given length counts
      {"אָבִי",   3, "אָב",    2, 1},
  };
  // clang-format on
  for (const Case& c : cases) {
    const PointedLetters a = dicttest::Pointed(c.a);
    const PointedLetters b = dicttest::Pointed(c.b);
    const int order = CompareEntryKeys(a.L(), a.V(), c.lengthA, b.L(), b.V(), c.lengthB);
    EXPECT_EQ(c.sign, (order > 0) - (order < 0)) << c.a << " / " << c.b;
  }
}

}  // namespace
