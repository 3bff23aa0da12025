// Transliteration: the consonant rules, each vowel family's rules and their
// special cases, the three pronunciations and two vowel types, and the
// bounds of the output.
#include "speech/core/Transliteration.h"

#include <gtest/gtest.h>

#include <string>

#include "hebtext/core/HebChar.h"
#include "hebtext/tests/core/PointedWord.h"
#include "speech/tests/core/Pronounce.h"

namespace {

struct Case {
  const char* what;
  const char* word;
  Pronunciation pronunciation;
  VowelType vowelType;
  const char* phonetic;
  const char* code;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.what; }

class TransliterationTable : public ::testing::TestWithParam<Case> {};

TEST_P(TransliterationTable, WritesPhoneticAndCodeText) {
  const Case& c = GetParam();
  std::string code;
  EXPECT_EQ(PhoneticOf(Pointed(c.word), c.pronunciation, c.vowelType, &code), c.phonetic);
  EXPECT_EQ(code, c.code);
}

constexpr Pronunciation S = kSephardi, A = kAshkenazi, Y = kYemenite;
constexpr Pronunciation kUnknownPronunciation = static_cast<Pronunciation>(4);
constexpr VowelType Long = kLongClearVowels, Isr = kIsraeliVowels;
constexpr VowelType kOtherVowelType = static_cast<VowelType>(2);

INSTANTIATE_TEST_SUITE_P(
    Consonants, TransliterationTable,
    ::testing::Values(
        Case{"tav, Sephardi", u8"תָם", S, Isr, "`[t0Am]", "tam"},
        Case{"tav, Ashkenazi", u8"תָם", A, Isr, "`[s0'o~'m]", "sAm"},
        Case{"tav, Yemenite", u8"תָם", Y, Isr, "`[s0'o~'m]", "TAm"},
        Case{"tav, unknown pronunciation: no onset", u8"תַ", kUnknownPronunciation, Isr, "`[0A]",
             "a"},
        Case{"dalet and gimel with dagesh, Yemenite", u8"דַּדַגַּ", Y, Isr, "`[d0Ad0AZ0A]", "daDaZa"},
        Case{"vav, Yemenite", u8"וַ", Y, Isr, "`[w0A]", "wa"},
        Case{"tsadi, Sephardi and Yemenite", u8"צַ", S, Isr, "`[T0A]", "ca"},
        Case{"tsadi, Yemenite", u8"צַ", Y, Isr, "`[s0A]", "sa"},
        Case{"word-initial alef: no separator", u8"אַבַ", S, Isr, "`[0Av0A]", "qava"},
        Case{"inner ayin: separator", u8"מַעַל", S, Isr, "`[m0A.0Al]", "maqal"},
        Case{"alef with shva is silent", u8"מַאְכַל", S, Isr, "`[m0Ax0Al]", "maxal"},
        Case{"he without vowel at the end is silent", u8"מָה", S, Isr, "`[m0A]", "ma"},
        Case{"nun before kaf with dagesh", u8"נַנכַּ", S, Isr, "`[n0AGk0A]", "naNka"},
        Case{"samekh before final mem", u8"סם", S, Isr, "`[zm]", "zm"},
        Case{"shuruk as a letter", u8"וּבַ", S, Isr, "`[0Uv0A]", "quva"},
        Case{"furtive patah after het", u8"רוּחַ", S, Isr, "`[r0U0Ax]", "ruqax"},
        Case{"furtive patah after ayin: no onset", u8"רֵעַ", S, Isr, "`[r0E0A]", "reqaq"}));

INSTANTIATE_TEST_SUITE_P(
    Vowels, TransliterationTable,
    ::testing::Values(
        Case{"patah by vowel type", u8"מַ", S, Long, "`[m0a]", "ma"},
        Case{"patah, another vowel type: code only", u8"מַ", S, kOtherVowelType, "`[m]", "ma"},
        Case{"qamats, Ashkenazi", u8"מָ", A, Isr, "`[m0'o~']", "mA"},
        Case{"holam and qamats qatan", u8"מֹכׇּל", S, Isr, "`[m0Ok0Ol]", "mokol"},
        Case{"segol", u8"מֶ", S, Isr, "`[m0E]", "mE"},
        Case{"shuruk and qubuts", u8"מוּלֻ", S, Long, "`[m0ul0u]", "mulu"},
        Case{"shuruk before resh without vowel", u8"מוּרלַ", S, Isr, "`[m0Url0A]", "murla"},
        Case{"hataf segol, patah and qamats", u8"אֱחֲעֳ", S, Isr, "`[9Ex9A.9O]", "q4x3q6"},
        Case{"hataf qamats after qamats: short o", u8"אָחֳ", S, Isr, "`[0Ox9O]", "qox6"}));

INSTANTIATE_TEST_SUITE_P(
    Tsere, TransliterationTable,
    ::testing::Values(Case{"Sephardi: short", u8"סֵפֶר", S, Isr, "`[s0Ef0Er]", "sEfEr"},
                      Case{"Sephardi before a closing yod: long, the yod used up", u8"סֵיר", S, Long,
                           "`[s0er]", "ser"},
                      Case{"Sephardi before alef", u8"סֵא", S, Long, "`[s0e]", "se"},
                      Case{"Ashkenazi before resh without vowel: short", u8"סֵרלַ", A, Isr,
                           "`[s0Erl0A]", "sErla"},
                      Case{"Ashkenazi otherwise long", u8"סֵלַ", A, Long, "`[s0el0a]", "sela"}));

INSTANTIATE_TEST_SUITE_P(
    YodAndAlefEndings, TransliterationTable,
    ::testing::Values(
        Case{"patah + closing yod: ai", u8"בַּית", S, Isr, "`[b0'aj't]", "bYt"},
        Case{"qamats + closing yod, Ashkenazi: oi", u8"בָּית", A, Isr, "`[b0'oj's]", "bOs"},
        Case{"holam + closing yod", u8"בֹּית", S, Isr, "`[b0'oj't]", "bOt"},
        Case{"shuruk + closing yod", u8"בּוּית", S, Isr, "`[b0Uit]", "bUt"},
        Case{"hataf patah + closing yod", u8"חֲית", S, Isr, "`[x9'aj't]", "x7t"},
        Case{"-av ending, Sephardi", u8"בָּיו", S, Isr, "`[b0Av]", "bav"},
        Case{"-av ending, Ashkenazi", u8"בָּיו", A, Isr, "`[b0'o~'v]", "bAv"},
        Case{"patah + two closing yods + final mem", u8"בַּיים", S, Isr, "`[b0A.j0Im]", "bYyim"},
        Case{"-a'i after two syllables", u8"מַרַכַּאִי", S, Isr, "`[m0Ar0Ak0'aj']", "marakY"},
        Case{"holam male + alef with stressed hiriq + yod + dalet", u8"קוֹאִֽיד", S, Isr, "`[k1'oj'd]",
             "kOd"},
        Case{"hiriq + yod with holam male before final tav", u8"אוֹתִיּוֹת", S, Isr, "`[0Ot0Ij0Ot]",
             "qotiyot"},
        Case{"hiriq + yod + qamats + he", u8"סִפְרִיָּה", S, Isr, "`[s0IfrI0A]", "sifr2ya"},
        Case{"-iyim", u8"מַקִיִים", S, Isr, "`[m0AkI.j0Imm]", "mak2yimm"}));

INSTANTIATE_TEST_SUITE_P(
    Shva, TransliterationTable,
    ::testing::Values(Case{"vocal at the start", u8"מְדִ", S, Isr, "`[m9Id0I]", "mIdi"},
                      Case{"silent closing a syllable", u8"מִשְפַ", S, Isr, "`[m0ISf0A]", "miSfa"},
                      Case{"the second of two shvas", u8"תִשְׁמְרוּ", S, Isr, "`[t0ISm9Ir0U]",
                           "tiSmIru"},
                      Case{"before a liquid after another shva: neutral", u8"תִשְׁכְּרוּ", S, Isr,
                           "`[t0ISk9@r0U]", "tiSk0ru"}));

// Codes that pointed UTF-8 cannot write: the letters with a tick and the
// shva marked as spoken.
TEST(TransliterateWord, TickLettersAndMarkedShva) {
  using namespace HebCode;
  std::string code;
  const PointedWord ticks{{GimelGeresh, Patah}, {ZayinGeresh, Patah}, {TsadiGeresh, Patah}};
  EXPECT_EQ(PhoneticOf(ticks, S, Isr, &code), "`[J0AZ0AC0A]");
  EXPECT_EQ(code, "jaZaCa");
  // gimel with geresh, nun, gimel, lamed: a listed word whose last shva is a neutral vowel
  const PointedWord jungle{{GimelGeresh, Shuruk}, {Nun, Shva}, {Gimel, Shva}, {Lamed, 1}};
  EXPECT_EQ(PhoneticOf(jungle, S, Isr, &code), "`[J0Ung0@l]");
  EXPECT_EQ(code, "jung1l");
  const PointedWord marked{{Mem, Hiriq}, {Shin, VocalShva}, {Pe, Patah}};
  EXPECT_EQ(PhoneticOf(marked, S, Isr, &code), "`[m0IS9If0A]");
  EXPECT_EQ(code, "miSIfa");
}

TEST(TransliterateWord, ReplacesTheOutputs) {
  const PointedLetters word = Pointed(u8"מַ");
  CString phonetic("stale"), code("stale");
  TransliterateWord(word.L(), word.V(), PronunciationOptions{}, phonetic, code);
  EXPECT_STREQ(phonetic, "`[m0A]");
  EXPECT_STREQ(code, "ma");
}

TEST(TransliterateWord, EmptyWordGivesBracketsOnly) {
  const BYTE nothing[] = {0};
  CString phonetic, code;
  TransliterateWord(nothing, nothing, PronunciationOptions{}, phonetic, code);
  EXPECT_STREQ(phonetic, "`[]");
  EXPECT_STREQ(code, "");
}

// A word far longer than the phonetic text holds stops early and stays closed.
TEST(TransliterateWord, LongWordStaysWithinTheTextBound) {
  std::string text;
  for (int i = 0; i < 69; ++i) text += i % 2 ? u8"שָׁ" : u8"מָ";
  const PointedLetters word = Pointed(text.c_str());
  CString phonetic, code;
  TransliterateWord(word.L(), word.V(), Options(kAshkenazi, kIsraeliVowels, kAnyPrefixKind),
                    phonetic, code);
  EXPECT_LT(phonetic.GetLength(), kMaxPhoneticText);
  EXPECT_LT(code.GetLength(), kMaxPhoneticText);
  EXPECT_EQ(phonetic.Right(1), "]");
}

// The doubled vav belongs to each call: the hiriq after a word-initial
// doubled vav reads it, and no word transliterated before changes that.
TEST(TransliterateWord, DoubledVavIsReadWithinTheWordOnly) {
  // The qamats is stressed: only the doubled vav keeps the hiriq's own
  // syllable digit away.
  const PointedLetters word = Pointed(u8"וְוצִיָּֽה");
  std::string code;
  const std::string alone = PhoneticOf(word, kSephardi, kIsraeliVowels, &code);
  EXPECT_EQ(code, "vIc2ya");
  EXPECT_NE(alone.find("TI0A"), std::string::npos) << alone;
  for (const char* before : {u8"צַוָוהָ", u8"מַ"}) {
    PhoneticOf(Pointed(before));
    EXPECT_EQ(PhoneticOf(word), alone);
  }
}

}  // namespace
