// Splitting pointed text into letters and vowels, merging it back, and the
// long separation under the progress dialog.
#include "hebtext/core/PointedText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/core/CString.h"
#include "classlib/core/Collections.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/tests/core/ByteStrings.h"
#include "hebtext/tests/core/FakeProgressDlg.h"
#include "hebtext/tests/core/PointedWord.h"

namespace pointed_text_test {

using namespace HebCode;

using bytes::CodesOf;

std::vector<int> Codes(const BYTE* p, int n) { return std::vector<int>(p, p + n); }

struct RoundTripCase {
  const char* word;
  PointedWord pointed;
  CString single;
};

// Real words, each as letters and vowels and as the single string.
const RoundTripCase kWords[] = {
    {"shalom",
     {{ShinShinDot, Qamats}, {Lamed, HolamMale}, {FinalMem, 0}},
     bytes::Text({ShinShinDot, Qamats, Lamed, HolamMale, FinalMem})},
    {"bereshit",
     {{BetDagesh, Shva}, {Resh, Tsere}, {Alef, 0}, {ShinShinDot, Hiriq}, {Yod, 0}, {Tav, 0}},
     bytes::Text({BetDagesh, Shva, Resh, Tsere, Alef, ShinShinDot, Hiriq, Yod, Tav})},
    {"shuk", {{ShinShinDot, Shuruk}, {Qof, 0}}, bytes::Text({ShinShinDot, Shuruk, Qof})},
    // "and a house": the conjunction is a vav standing as the vowel u.
    {"uvayit",
     {{Shuruk, Shuruk}, {Bet, Patah}, {Yod, Hiriq}, {Tav, 0}},
     bytes::Text({Shuruk, Bet, Patah, Yod, Hiriq, Tav})},
    {"elohim",
     {{Alef, HatafSegol}, {Lamed, Holam}, {He, Hiriq}, {Yod, 0}, {FinalMem, 0}},
     bytes::Text({Alef, HatafSegol, Lamed, Holam, He, Hiriq, Yod, FinalMem})},
    // A stressed tsere on the first syllable, and a maqaf joining words.
    {"sefer-tora",
     {{Samekh, StressedTsere},
      {Pe, Segol},
      {Resh, 0},
      {Maqaf, 0},
      {TavDagesh, HolamMale},
      {Resh, Qamats},
      {He, 0}},
     bytes::Text(
         {Samekh, StressedTsere, Pe, Segol, Resh, Maqaf, TavDagesh, HolamMale, Resh, Qamats, He})},
    {"kol (qamats qatan)",
     {{KafDagesh, QamatsQatan}, {Lamed, 0}},
     bytes::Text({KafDagesh, QamatsQatan, Lamed})},
    {"text with space", {{Alef, Patah}, {' ', 0}, {'1', 0}}, bytes::Text({Alef, Patah, ' ', '1'})},
};

TEST(PointedText, RealWordsSplitAndMergeBothWays) {
  for (const RoundTripCase& c : kWords) {
    SCOPED_TRACE(c.word);
    const int n = c.pointed.Length();
    EXPECT_EQ(n, SplitLettersAndVowels(c.single, nullptr, nullptr, 0, 0));
    std::vector<BYTE> letters(n + 1, 0xEE), vowels(n + 1, 0xEE);
    ASSERT_EQ(n, SplitLettersAndVowels(c.single, letters.data(), vowels.data(), n + 1, 0));
    EXPECT_EQ(c.pointed.letters, letters);
    EXPECT_EQ(c.pointed.vowels, vowels);

    CString merged;
    EXPECT_EQ(c.single.GetLength(),
              MergeLettersAndVowels(merged, c.pointed.L(), c.pointed.V(), -1));
    EXPECT_EQ(CodesOf(c.single), CodesOf(merged));
    EXPECT_EQ(c.single.GetLength() + 1,
              MergeLettersAndVowelsInto(nullptr, 0, c.pointed.L(), c.pointed.V(), -1));
  }
}

TEST(PointedText, SplitEdgeCases) {
  BYTE letters[8];
  BYTE vowels[8];
  // A shuruk at the start is a vav of its own; a second shuruk right after it
  // is its vowel.
  EXPECT_EQ(2, SplitLettersAndVowels(bytes::Text({Shuruk, Bet}), letters, vowels, 8, 0));
  EXPECT_EQ((std::vector<int>{Shuruk, Bet}), Codes(letters, 2));
  EXPECT_EQ((std::vector<int>{Shuruk, 0}), Codes(vowels, 2));
  EXPECT_EQ(1, SplitLettersAndVowels(bytes::Text({Shuruk, StressedShuruk}), letters, vowels, 8, 0));
  EXPECT_EQ(StressedShuruk, vowels[0]);
  // After a non-letter (a space, a vowel) a shuruk starts a new position.
  EXPECT_EQ(
      2, SplitLettersAndVowels(bytes::Text({Bet, Patah, StressedShuruk}), letters, vowels, 8, 0));
  EXPECT_EQ((std::vector<int>{Bet, Shuruk, 0}), Codes(letters, 3));
  EXPECT_EQ((std::vector<int>{Patah, StressedShuruk, 0}), Codes(vowels, 3));
  // A vowel before any letter is dropped; explicit "none" and letters without
  // a vowel take the default; dagesh and meteg count as positions.
  EXPECT_EQ(3, SplitLettersAndVowels(bytes::Text({Patah, Bet, ExplicitNoVowel, Gimel, Dagesh}),
                                     letters, vowels, 8, ExplicitNoVowel));
  EXPECT_EQ((std::vector<int>{Bet, Gimel, Dagesh}), Codes(letters, 3));
  EXPECT_EQ((std::vector<int>{ExplicitNoVowel, ExplicitNoVowel, ExplicitNoVowel}),
            Codes(vowels, 3));
  EXPECT_EQ(0, SplitLettersAndVowels("", letters, vowels, 8, 0));
  EXPECT_EQ(0, letters[0]);
}

TEST(PointedText, SplitCountsOrFillsOneBufferAlone) {
  const CString text = bytes::Text({Dalet, Qamats, Bet, Qamats, Resh});
  BYTE vowels[4];
  EXPECT_EQ(3, SplitLettersAndVowels(text, nullptr, vowels, 4, 0));
  EXPECT_EQ((std::vector<int>{Qamats, Qamats, 0, 0}), Codes(vowels, 4));
  BYTE letters[4];
  EXPECT_EQ(3, SplitLettersAndVowels(text, letters, nullptr, 4, 0));
  EXPECT_EQ((std::vector<int>{Dalet, Bet, Resh, 0}), Codes(letters, 4));
}

TEST(PointedText, SplitNeverWritesPastTheCapacity) {
  // "bereshit" has six positions; buffers of four take three and the zero,
  // and the guard bytes behind them stay untouched.
  const CString text = kWords[1].single;
  std::vector<BYTE> letters(6, 0xEE), vowels(6, 0xEE);
  EXPECT_EQ(3, SplitLettersAndVowels(text, letters.data(), vowels.data(), 4, 0));
  EXPECT_EQ((std::vector<BYTE>{BetDagesh, Resh, Alef, 0, 0xEE, 0xEE}), letters);
  EXPECT_EQ((std::vector<BYTE>{Shva, Tsere, 0, 0, 0xEE, 0xEE}), vowels);
  // The vowel of the last position that fits is still taken.
  EXPECT_EQ(1, SplitLettersAndVowels(text, letters.data(), vowels.data(), 2, 0));
  EXPECT_EQ(Shva, vowels[0]);
  EXPECT_EQ(0, SplitLettersAndVowels(text, letters.data(), vowels.data(), 0, 0));
  EXPECT_EQ(0xEE, letters[5]);
}

TEST(PointedText, MergeEdgeCases) {
  char buffer[16];
  // The explicit "none" writes the letter alone.
  const PointedWord bet1{{Bet, ExplicitNoVowel}, {Gimel, Patah}};
  EXPECT_EQ(4, MergeLettersAndVowelsInto(buffer, sizeof buffer, bet1.L(), bet1.V(), -1));
  EXPECT_EQ((bytes::Codes{Bet, Gimel, Patah}), CodesOf(CString(buffer)));
  // The count wins over the letters' length.
  EXPECT_EQ(2, MergeLettersAndVowelsInto(buffer, sizeof buffer, bet1.L(), bet1.V(), 1));
  EXPECT_EQ((bytes::Codes{Bet}), CodesOf(CString(buffer)));
  CString s("old");
  EXPECT_EQ(0, MergeLettersAndVowels(s, bet1.L(), bet1.V(), 0));
  EXPECT_TRUE(s.IsEmpty());
}

TEST(PointedText, MergeWritesOnlyWholePositionsThatFit) {
  const PointedWord& shalom = kWords[0].pointed;  // 5 bytes and the zero
  std::vector<char> buffer(8, '#');
  // Room for 3 bytes: shin and its qamats fit, lamed and holam male do not.
  EXPECT_EQ(6, MergeLettersAndVowelsInto(buffer.data(), 4, shalom.L(), shalom.V(), -1));
  EXPECT_EQ((bytes::Codes{ShinShinDot, Qamats}), CodesOf(CString(buffer.data())));
  EXPECT_EQ('#', buffer[3]);
  buffer.assign(8, '#');
  EXPECT_EQ(6, MergeLettersAndVowelsInto(buffer.data(), 1, shalom.L(), shalom.V(), -1));
  EXPECT_EQ('\0', buffer[0]);
  EXPECT_EQ('#', buffer[1]);
}

class SeparateConsonantsTest : public ::testing::Test {
 protected:
  FakeProgressDlg dlg;  // the current dialog while the test runs
};

TEST_F(SeparateConsonantsTest, GivesOneVowelPerConsonant) {
  // "uvayit shalom", with a stressed shuruk standing alone at the end.
  const CString text = bytes::Text({Shuruk, Bet, Patah, Yod, Hiriq, Tav, ' ', ShinShinDot, Qamats,
                                    Lamed, HolamMale, FinalMem, ' ', StressedShuruk});
  CString consonants("old");
  CByteArray vowels;
  vowels.Add(9);
  EXPECT_EQ(10, SeparateConsonantsFromVowels(text, consonants, vowels));
  EXPECT_EQ(
      (bytes::Codes{Shuruk, Bet, Yod, Tav, ' ', ShinShinDot, Lamed, FinalMem, ' ', StressedShuruk}),
      CodesOf(consonants));
  ASSERT_EQ(10, vowels.GetSize());
  EXPECT_EQ((std::vector<int>{Shuruk, Patah, Hiriq, 0, 0, Qamats, HolamMale, 0, 0, 0}),
            Codes(vowels.GetData(), 10));
  EXPECT_EQ((std::vector<std::string>{"Separating Consonants from Vowels / 14"}), dlg.begun);
  EXPECT_EQ((std::vector<int>{0}), dlg.steps);
}

TEST_F(SeparateConsonantsTest, ReportsEvery250CharactersAndStopsOnCancel) {
  const CString text(static_cast<char>(Alef), 600);
  CString consonants;
  CByteArray vowels;
  EXPECT_EQ(600, SeparateConsonantsFromVowels(text, consonants, vowels));
  EXPECT_EQ((std::vector<int>{0, 250, 500}), dlg.steps);

  dlg.steps.clear();
  dlg.cancelAtStep = 250;
  EXPECT_EQ(0, SeparateConsonantsFromVowels(text, consonants, vowels));
  EXPECT_EQ((std::vector<int>{0, 250}), dlg.steps);
  EXPECT_TRUE(consonants.IsEmpty());
  EXPECT_EQ(0, vowels.GetSize());
}

TEST_F(SeparateConsonantsTest, AlreadyCancelledDialogStopsBeforeBeginning) {
  dlg.cancelled = TRUE;
  CString consonants("old");
  CByteArray vowels;
  vowels.Add(1);
  EXPECT_EQ(0, SeparateConsonantsFromVowels(bytes::Text({Bet, Patah}), consonants, vowels));
  EXPECT_TRUE(dlg.begun.empty());
  EXPECT_TRUE(consonants.IsEmpty());
  EXPECT_EQ(0, vowels.GetSize());
}

TEST(SeparateConsonants, WorksWithoutAProgressDialog) {
  CString consonants;
  CByteArray vowels;
  EXPECT_EQ(2, SeparateConsonantsFromVowels(bytes::Text({Bet, Patah, Gimel}), consonants, vowels));
  EXPECT_EQ((bytes::Codes{Bet, Gimel}), CodesOf(consonants));
}

}  // namespace pointed_text_test
