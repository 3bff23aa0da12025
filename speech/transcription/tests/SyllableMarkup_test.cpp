// The display marks of a word's syllables and the clean-up of its phonetic
// text, on the code texts of words whose Israeli syllables are well known.
#include "speech/transcription/core/SyllableMarkup.h"

#include <gtest/gtest.h>

#include "speech/core/PhonemeSets.h"

namespace SyllableMarkup_test {

struct MarkCase {
  const char* code;
  int stressed;
  const char* marked;
  const char* gloss;
};

class MarkCodeSyllablesTable : public ::testing::TestWithParam<MarkCase> {};

TEST_P(MarkCodeSyllablesTable, MarksEachSyllableAndTheStressedOne) {
  const MarkCase& c = GetParam();
  EXPECT_EQ(MarkCodeSyllables(c.code, c.stressed), c.marked) << c.gloss;
}

INSTANTIATE_TEST_SUITE_P(
    Words, MarkCodeSyllablesTable,
    ::testing::Values(
        MarkCase{"Salom", 0, "-Sa*lom", "sha-LOM"},
        MarkCase{"miSpaxa", 0, "-miS-pa*xa", "mish-pa-KHA"},
        MarkCase{"yIladim", 0, "-yI-la*dim", "ye-la-DIM: the tentative mark stays unstressed"},
        MarkCase{"mElEx", 1, "*mE-lEx", "ME-lekh"},
        MarkCase{"qavraham", 0, "-qav-ra*ham", "av-ra-HAM"},
        MarkCase{"breSit", 0, "-bre*Sit", "be-re-SHIT, initial cluster"},
        MarkCase{"Salom", 4, "-Sa-lom", "stress not placed: no star"},
        MarkCase{"Salom", 3, "-Sa-lom", "fewer syllables than the number: no star"},
        MarkCase{"Salom", 9, "-Sa-lom", "above 3 counts as 3"},
        MarkCase{"tov", 0, "-tov", "one syllable: the leading mark is never starred"},
        MarkCase{"miS0pa", 0, "-mi*Spa", "reduced vowel: its consonant joins a plain syllable after it"},
        MarkCase{"kat0", 0, "-kat", "reduced vowel at the end: joins the syllable before"},
        MarkCase{"sabra", 0, "-sa*bra", "b and r begin a syllable together after a vowel"},
        MarkCase{"madrix", 0, "-mad*rix", "d and r only before o, after a or o"},
        MarkCase{"qavlo", 0, "-qa*vlo", "v and l together"},
        MarkCase{"tSa", 0, "-Ca", "t and S are one affricate"}));

TEST(PhonemeDisplayText, SpellsCodesInTheActiveSetAndKeepsMarks) {
  PhonemeTable table;
  CString english;
  GetBuiltInPhonemeSet(0, english);
  table.Fill(english);
  EXPECT_EQ(PhonemeDisplayText("-Sa*lom", &table), "-sha*lom");
  EXPECT_EQ(PhonemeDisplayText("-Sa*lom", nullptr), "-Sa*lom");
  EXPECT_EQ(FormatStressedSyllables("Salom", 0, &table), "-sha*lom");
}

struct MergeCase {
  const char* phonetic;
  const char* merged;
};

class MergeVowellessSyllablesTable : public ::testing::TestWithParam<MergeCase> {};

TEST_P(MergeVowellessSyllablesTable, JoinsSyllablesWithoutStressDigits) {
  std::string text = GetParam().phonetic;
  MergeVowellessSyllables(text);
  EXPECT_EQ(text, GetParam().merged);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MergeVowellessSyllablesTable,
    ::testing::Values(MergeCase{"`[m0A.0Al]", "`[m0A.0Al]"},   // nothing to do
                      MergeCase{"`[..m0A..]", "`[m0A]"},       // empty syllables go
                      MergeCase{"`[.]", ""},                   // nothing left
                      MergeCase{"`[x.m0A]", "`[xm0A]"},        // joins the next one
                      MergeCase{"`[m0A.x]", "`[m0Ax]"},        // the last joins the one before
                      MergeCase{"`[x.y.m1A]", "`[xym1A]"}));   // joined ones are looked at again

}  // namespace SyllableMarkup_test
