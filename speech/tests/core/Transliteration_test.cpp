// Transliteration: the consonant rules, each vowel family's rules and their
// special cases, the three pronunciations and two vowel types, and the
// bounds of the output.
#include "speech/core/Transliteration.h"

#include <gtest/gtest.h>

#include <string>

#include "hebtext/tests/core/PointedWord.h"
#include "speech/tests/core/Pronounce.h"

namespace {

struct Case {
  const char* what;
  PointedWord word;
  int pronunciation;
  int vowelType;
  const char* phonetic;
  const char* code;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.what; }

class TransliterationTable : public ::testing::TestWithParam<Case> {};

TEST_P(TransliterationTable, WritesPhoneticAndCodeText) {
  const Case& c = GetParam();
  std::string code;
  EXPECT_EQ(PhoneticOf(c.word.L(), c.word.V(), c.pronunciation, c.vowelType, &code), c.phonetic);
  EXPECT_EQ(code, c.code);
}

constexpr int S = kSephardi, A = kAshkenazi, Y = kYemenite;
constexpr int Long = kLongClearVowels, Isr = kIsraeliVowels;

INSTANTIATE_TEST_SUITE_P(
    Consonants, TransliterationTable,
    ::testing::Values(
        Case{"tav, Sephardi", {{250, 200}, {238, 1}}, S, Isr, "`[t0Am]", "tam"},
        Case{"tav, Ashkenazi", {{250, 200}, {238, 1}}, A, Isr, "`[s0'o~'m]", "sAm"},
        Case{"tav, Yemenite", {{250, 200}, {238, 1}}, Y, Isr, "`[s0'o~'m]", "TAm"},
        Case{"tav, unknown pronunciation: no onset", {{250, 199}}, 4, Isr, "`[0A]", "a"},
        Case{"dalet and gimel with dagesh, Yemenite", {{163, 199}, {227, 199}, {162, 199}}, Y, Isr,
             "`[d0Ad0AZ0A]", "daDaZa"},
        Case{"vav, Yemenite", {{229, 199}}, Y, Isr, "`[w0A]", "wa"},
        Case{"tsadi, Sephardi and Yemenite", {{246, 199}}, S, Isr, "`[T0A]", "ca"},
        Case{"tsadi, Yemenite", {{246, 199}}, Y, Isr, "`[s0A]", "sa"},
        Case{"word-initial alef: no separator", {{224, 199}, {225, 199}}, S, Isr, "`[0Av0A]",
             "qava"},
        Case{"inner ayin: separator", {{238, 199}, {242, 199}, {236, 1}}, S, Isr, "`[m0A.0Al]",
             "maqal"},
        Case{"alef with shva is silent", {{238, 199}, {224, 192}, {235, 199}, {236, 1}}, S, Isr,
             "`[m0Ax0Al]", "maxal"},
        Case{"he without vowel at the end is silent", {{238, 200}, {228, 0}}, S, Isr, "`[m0A]",
             "ma"},
        Case{"nun before kaf with dagesh", {{240, 199}, {240, 0}, {171, 199}}, S, Isr,
             "`[n0AGk0A]", "naNka"},
        Case{"samekh before final mem", {{241, 0}, {237, 1}}, S, Isr, "`[zm]", "zm"},
        Case{"shuruk as a letter", {{202, 202}, {225, 199}}, S, Isr, "`[0Uv0A]", "quva"},
        Case{"letters with geresh", {{220, 199}, {221, 199}, {223, 199}}, S, Isr,
             "`[J0AZ0AC0A]", "jaZaCa"},
        Case{"furtive patah after het", {{248, 202}, {231, 199}}, S, Isr, "`[r0U0Ax]", "ruqax"},
        Case{"furtive patah after ayin: no onset", {{248, 197}, {242, 199}}, S, Isr,
             "`[r0E0A]", "reqaq"}));

INSTANTIATE_TEST_SUITE_P(
    Vowels, TransliterationTable,
    ::testing::Values(
        Case{"patah by vowel type", {{238, 199}}, S, Long, "`[m0a]", "ma"},
        Case{"patah, another vowel type: code only", {{238, 199}}, S, 2, "`[m]", "ma"},
        Case{"qamats, Ashkenazi", {{238, 200}}, A, Isr, "`[m0'o~']", "mA"},
        Case{"holam and qamats qatan", {{238, 201}, {171, 128}, {236, 1}}, S, Isr, "`[m0Ok0Ol]",
             "mokol"},
        Case{"segol", {{238, 198}}, S, Isr, "`[m0E]", "mE"},
        Case{"shuruk and qubuts", {{238, 202}, {236, 203}}, S, Long, "`[m0ul0u]", "mulu"},
        Case{"shuruk before resh without vowel", {{238, 202}, {248, 1}, {236, 199}}, S, Isr,
             "`[m0Url0A]", "murla"},
        Case{"hataf segol, patah and qamats", {{224, 193}, {231, 194}, {242, 195}}, S, Isr,
             "`[9Ex9A.9O]", "q4x3q6"},
        Case{"hataf qamats after qamats: short o", {{224, 200}, {231, 195}}, S, Isr,
             "`[0Ox9O]", "qox6"}));

INSTANTIATE_TEST_SUITE_P(
    Tsere, TransliterationTable,
    ::testing::Values(
        Case{"Sephardi: short", {{241, 197}, {244, 198}, {248, 1}}, S, Isr, "`[s0Ef0Er]", "sEfEr"},
        Case{"Sephardi before a closing yod: long, the yod used up", {{241, 197}, {233, 1}, {248, 1}},
             S, Long, "`[s0er]", "ser"},
        Case{"Sephardi before alef", {{241, 197}, {224, 1}}, S, Long, "`[s0e]", "se"},
        Case{"Ashkenazi before resh without vowel: short", {{241, 197}, {248, 1}, {236, 199}}, A,
             Isr, "`[s0Erl0A]", "sErla"},
        Case{"Ashkenazi otherwise long", {{241, 197}, {236, 199}}, A, Long, "`[s0el0a]", "sela"}));

INSTANTIATE_TEST_SUITE_P(
    YodAndAlefEndings, TransliterationTable,
    ::testing::Values(
        Case{"patah + closing yod: ai", {{161, 199}, {233, 1}, {250, 1}}, S, Isr, "`[b0'aj't]",
             "bYt"},
        Case{"qamats + closing yod, Ashkenazi: oi", {{161, 200}, {233, 1}, {250, 1}}, A, Isr,
             "`[b0'oj's]", "bOs"},
        Case{"holam + closing yod", {{161, 201}, {233, 1}, {250, 1}}, S, Isr, "`[b0'oj't]", "bOt"},
        Case{"shuruk + closing yod", {{161, 202}, {233, 1}, {250, 1}}, S, Isr, "`[b0Uit]", "bUt"},
        Case{"hataf patah + closing yod", {{231, 194}, {233, 1}, {250, 1}}, S, Isr,
             "`[x9'aj't]", "x7t"},
        Case{"-av ending, Sephardi", {{161, 200}, {233, 1}, {229, 1}}, S, Isr, "`[b0Av]", "bav"},
        Case{"-av ending, Ashkenazi", {{161, 200}, {233, 1}, {229, 1}}, A, Isr, "`[b0'o~'v]", "bAv"},
        Case{"patah + two closing yods + final mem", {{161, 199}, {233, 1}, {233, 1}, {237, 1}}, S,
             Isr, "`[b0A.j0Im]", "bYyim"},
        Case{"-a'i after two syllables",
             {{238, 199}, {248, 199}, {171, 199}, {224, 196}, {233, 1}}, S, Isr,
             "`[m0Ar0Ak0'aj']", "marakY"},
        Case{"holam male + alef with stressed hiriq + yod + dalet",
             {{247, 206}, {224, 212}, {233, 1}, {227, 1}}, S, Isr, "`[k1'oj'd]", "kOd"},
        Case{"hiriq + yod with holam male before final tav",
             {{224, 206}, {250, 196}, {169, 206}, {250, 1}}, S, Isr, "`[0Ot0Ij0Ot]", "qotiyot"},
        Case{"hiriq + yod + qamats + he", {{241, 196}, {244, 192}, {248, 196}, {169, 200},
                                          {228, 1}},
             S, Isr, "`[s0IfrI0A]", "sifr2ya"},
        Case{"-iyim", {{238, 199}, {247, 196}, {233, 196}, {233, 1}, {237, 1}}, S, Isr,
             "`[m0AkI.j0Imm]", "mak2yimm"}));

INSTANTIATE_TEST_SUITE_P(
    Shva, TransliterationTable,
    ::testing::Values(
        Case{"vocal at the start", {{238, 192}, {227, 196}}, S, Isr, "`[m9Id0I]", "mIdi"},
        Case{"silent closing a syllable", {{238, 196}, {249, 192}, {244, 199}}, S, Isr,
             "`[m0ISf0A]", "miSfa"},
        Case{"the second of two shvas", {{250, 196}, {209, 192}, {238, 192}, {248, 202}}, S, Isr,
             "`[t0ISm9Ir0U]", "tiSmIru"},
        Case{"before a liquid after another shva: neutral", {{250, 196}, {209, 192}, {171, 192},
                                                             {248, 202}},
             S, Isr, "`[t0ISk9@r0U]", "tiSk0ru"},
        Case{"shva marked vocal", {{238, 196}, {249, 156}, {244, 199}}, S, Isr, "`[m0IS9If0A]",
             "miSIfa"},
        Case{"gimel with geresh, nun, gimel, lamed", {{220, 202}, {240, 192}, {226, 192}, {236, 1}},
             S, Isr, "`[J0Ung0@l]", "jung1l"}));

TEST(TransliterateWord, ReturnsOneAndReplacesTheOutputs) {
  const PointedWord word{{238, 199}};
  CString phonetic("stale"), code("stale");
  EXPECT_EQ(TransliterateWord(kSephardi, kIsraeliVowels, word.L(), word.V(), phonetic, code, 0, 0,
                              0),
            1);
  EXPECT_STREQ(phonetic, "`[m0A]");
  EXPECT_STREQ(code, "ma");
}

TEST(TransliterateWord, EmptyWordGivesBracketsOnly) {
  const BYTE nothing[] = {0};
  CString phonetic, code;
  TransliterateWord(kSephardi, kIsraeliVowels, nothing, nothing, phonetic, code, 0, 0, 0);
  EXPECT_STREQ(phonetic, "`[]");
  EXPECT_STREQ(code, "");
}

// A word far longer than the phonetic text holds stops early and stays closed.
TEST(TransliterateWord, LongWordStaysWithinTheTextBound) {
  PointedWord word{};
  for (int i = 0; i < 69; ++i) {
    word.letters.insert(word.letters.begin(), i % 2 ? 209 : 238);
    word.vowels.insert(word.vowels.begin(), 200);
  }
  CString phonetic, code;
  TransliterateWord(kAshkenazi, kIsraeliVowels, word.L(), word.V(), phonetic, code, 0,
                    kAnyPrefixKind, 0);
  EXPECT_LT(phonetic.GetLength(), kMaxPhoneticText);
  EXPECT_LT(code.GetLength(), kMaxPhoneticText);
  EXPECT_EQ(phonetic.Right(1), "]");
}

// The doubled vav belongs to each call: the hiriq after a word-initial
// doubled vav reads it, and no word transliterated before changes that.
TEST(TransliterateWord, DoubledVavIsReadWithinTheWordOnly) {
  // The qamats is stressed: only the doubled vav keeps the hiriq's own
  // syllable digit away.
  const PointedWord word{{229, 192}, {229, 1}, {246, 196}, {169, 216}, {228, 1}};
  std::string code;
  const std::string alone = PhoneticOf(word.L(), word.V(), kSephardi, kIsraeliVowels, &code);
  EXPECT_EQ(code, "vIc2ya");
  EXPECT_NE(alone.find("TI0A"), std::string::npos) << alone;
  const PointedWord endsDoubled{{246, 199}, {229, 200}, {229, 1}, {228, 200}};
  const PointedWord plain{{238, 199}};
  for (const PointedWord* before : {&endsDoubled, &plain}) {
    PhoneticOf(before->L(), before->V());
    EXPECT_EQ(PhoneticOf(word.L(), word.V()), alone);
  }
}

}  // namespace
