// HebChar text out to Windows-1255 with combining points, and back in again.
#include "hebtext/core/AnsiExport.h"

#include <gtest/gtest.h>

#include "hebtext/core/AnsiImport.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/tests/core/ByteStrings.h"

namespace {
using namespace HebCode;

using bytes::Codes;
using bytes::CodesOf;
using bytes::Text;

// Windows-1255 bytes; the letters sit at the same places in both codes.
constexpr int kShva = 0xC0, kHiriq = 0xC4, kPatah = 0xC7, kQamats = 0xC8, kHolam = 0xC9,
              kHolamForVav = 0xCA, kQubuts = 0xCB, kDagesh = 0xCC, kMeteg = 0xCD, kShinDot = 0xD1,
              kSinDot = 0xD2;
constexpr int kGimel = 0xE2, kVav = 0xE5, kZayin = 0xE6, kYod = 0xE9, kFinalKaf = 0xEA,
              kFinalTsadi = 0xF5, kTsadi = 0xF6, kQof = 0xF7, kShin = 0xF9;

Codes AnsiOf(int code, VavOrder vavOrder) {
  CString result("stale");
  InternalCharToAnsi(code, result, vavOrder);
  return CodesOf(result);
}

TEST(InternalCharToAnsi, WritesCombinedCodesAsLetterAndMarks) {
  struct Case {
    int code;
    Codes ansi;
    // clang-format off
  } cases[] = {
      {BetDagesh, {Bet, kDagesh}}, {HeMappiq, {He, kDagesh}},
      {FinalKafDagesh, {kFinalKaf, kDagesh}}, {QofDagesh, {kQof, kDagesh}},
      {ShinDagesh, {kShin, kDagesh}}, {YodDoubleDagesh, {kYod}}, {YodVariantBDagesh, {kYod}},
      {YodDouble, {kYod}}, {YodVariantB, {kYod}}, {ShinShinDotDagesh, {kShin, kDagesh, kShinDot}},
      {ShinShinDot, {kShin, kShinDot}}, {ShinSinDot, {kShin, kSinDot}},
      {ShinSinDotDagesh, {kShin, kDagesh, kSinDot}}, {FinalKafShva, {kFinalKaf, kShva}},
      {FinalKafQamats, {kFinalKaf, kQamats}}, {FinalKafDageshShva, {kFinalKaf, kDagesh, kShva}},
      {FinalKafDageshQamats, {kFinalKaf, kDagesh, kQamats}},
      {GimelGereshDagesh, {kGimel, kDagesh, '\''}}, {GimelGeresh, {kGimel, '\''}},
      {ZayinGeresh, {kZayin, '\''}}, {FinalTsadiGeresh, {kFinalTsadi, '\''}},
      {TsadiGeresh, {kTsadi, '\''}}, {QamatsQatan, {kQamats}},
      {StressedQamatsQatan, {kQamats, kMeteg}}, {QamatsQatanAlef, {kQamats}},
      {QamatsQatanVariant, {kQamats}}, {VocalShva, {kShva}}, {HolamVariant, {kHolam}},
      {StressedHolam, {kHolam, kMeteg}}, {StressedQubuts, {kQubuts, kMeteg}},
      {Shuruk, {kVav, kDagesh}}, {StressedShuruk, {kMeteg, kVav, kDagesh}},
      {HolamMale, {kVav, kHolam}}, {StressedHolamMale, {kMeteg, kVav, kHolam}}, {Maqaf, {0xCE}},
      {'\r', {'\r'}}, {' ', {' '}}, {'!', {'!'}}, {'~', {'~'}}, {Alef, {Alef}}, {Tav, {Tav}},
      // clang-format on
  };
  for (const Case& c : cases) EXPECT_EQ(c.ansi, AnsiOf(c.code, kVavThenHolam)) << c.code;
}

TEST(InternalCharToAnsi, VavOrderPlacesTheHolamOfHolamMale) {
  EXPECT_EQ((Codes{kVav, kHolam}), AnsiOf(HolamMale, kVavThenHolam));
  EXPECT_EQ((Codes{kHolam, kVav}), AnsiOf(HolamMale, kHolamThenVav));
  EXPECT_EQ((Codes{kMeteg, kVav, kHolam}), AnsiOf(StressedHolamMale, kVavThenHolam));
  EXPECT_EQ((Codes{kMeteg, kVav, kHolam}), AnsiOf(StressedHolamMale, kHolamThenVav));
  EXPECT_EQ((Codes{kVav, kDagesh}), AnsiOf(Shuruk, kHolamThenVav));
}

TEST(InternalCharToAnsi, EachVowelIsOnePointAndStressedOnesAddMeteg) {
  for (int c = 0; c < 256; ++c) {
    if (!IsVowelCode(c) || IsVavVowel(c) || c == ExplicitNoVowel) continue;
    const Codes ansi = AnsiOf(c, kVavThenHolam);
    ASSERT_FALSE(ansi.empty()) << c;
    EXPECT_TRUE(ansi[0] >= kShva && ansi[0] <= kQubuts && ansi[0] != kHolamForVav) << c;
    EXPECT_EQ(IsStressedVowel(c) ? 2u : 1u, ansi.size()) << c;
    if (ansi.size() == 2) {
      EXPECT_EQ(kMeteg, ansi[1]) << c;
    }
  }
  // The variants are written as the point they are shown as.
  const std::pair<int, int> variants[] = {{HiriqYod, kHiriq},   {PatahForQamats, kPatah},
                                          {PatahAlef, kPatah},  {PatahYod, kPatah},
                                          {QamatsYod, kQamats}, {QamatsAlef, kQamats}};
  for (const auto& [code, point] : variants)
    EXPECT_EQ(Codes{point}, AnsiOf(code, kVavThenHolam)) << code;
}

TEST(InternalCharToAnsi, CodesOutsideTheTextGiveNothing) {
  // Tabs, page breaks, the explicit "none", a lone dagesh or meteg and the
  // codes not in use have no Windows-1255 form.
  for (int c = 0; c < 256; ++c) {
    const bool written = IsHebrewLetter(c) || (IsVowelCode(c) && c != ExplicitNoVowel) ||
                         c == CarriageReturn || (c >= ' ' && c <= '~') || c == Maqaf;
    EXPECT_EQ(!written, AnsiOf(c, kVavThenHolam).empty()) << c;
  }
}

TEST(ConvertToStandardPoints, WritesEveryCodeInTurn) {
  CString text = Text({ShinShinDot, Qamats, Lamed, HolamMale, FinalMem, ' ', Maqaf, '\r'});
  ConvertToStandardPoints(text, kVavThenHolam);
  EXPECT_EQ((Codes{kShin, kShinDot, kQamats, Lamed, kVav, kHolam, FinalMem, ' ', 0xCE, '\r'}),
            CodesOf(text));
}

// A holam on a plain vav after a letter without a vowel would read back as
// that letter's holam male; written as the holam for vav it does not.
TEST(ConvertToStandardPoints, WritesTheHolamOfAVavAfterABareLetterAsHolamForVav) {
  const struct {
    Codes in;
    VavOrder vavOrder;
    Codes out;
  } cases[] = {
      {{Bet, Vav, Holam}, kVavThenHolam, {Bet, kVav, kHolamForVav}},
      {{Bet, Vav, StressedHolam}, kVavThenHolam, {Bet, kVav, kHolamForVav, kMeteg}},
      {{Bet, Qamats, Vav, Holam}, kVavThenHolam, {Bet, kQamats, kVav, kHolam}},
      {{' ', Vav, Holam}, kVavThenHolam, {' ', kVav, kHolam}},
      {{Bet, VavDagesh, Holam}, kVavThenHolam, {Bet, kVav, kDagesh, kHolam}},
      {{Bet, Vav, Holam}, kHolamThenVav, {Bet, kVav, kHolam}},
  };
  for (const auto& c : cases) {
    CString text = Text(c.in);
    ConvertToStandardPoints(text, c.vavOrder);
    EXPECT_EQ(c.out, CodesOf(text));
  }
}

// What goes out comes back in: every letter code with every vowel it can
// carry survives export and import unchanged. Variant codes are written as
// their plain point and come back plain; a vav with holam or dagesh is read
// back as the vowel of the letter before, so vav is tried with other vowels.
TEST(ConvertToStandardPoints, ImportGivesBackWhatWasExported) {
  const Codes vowels = {NoVowel,        Shva,
                        HatafSegol,     HatafPatah,
                        HatafQamats,    Hiriq,
                        Tsere,          Segol,
                        Patah,          Qamats,
                        Holam,          Qubuts,
                        StressedHiriq,  StressedTsere,
                        StressedSegol,  StressedPatah,
                        StressedQamats, StressedQubuts,
                        StressedHolam,  Shuruk,
                        HolamMale,      StressedHolamMale,
                        StressedShuruk};
  for (int letter = 0; letter < 256; ++letter) {
    // Letters with a geresh and the final kaf glyphs with their vowel come
    // back as letter, mark and point.
    if (!IsHebrewLetter(letter) || IsYodVariantA(letter) || IsYodVariantB(letter) ||
        IsLetterWithTick(letter) || letter == FinalTsadiGeresh ||
        (IsFinalKafForm(letter) && letter != FinalKaf && letter != FinalKafDagesh)) {
      continue;
    }
    for (int vowel : vowels) {
      if (IsVav(letter) && (vowel == 0 || IsVavVowel(vowel))) continue;
      const Codes original = vowel ? Codes{Bet, letter, vowel} : Codes{Bet, letter};
      CString text = Text(original);
      ConvertToStandardPoints(text, kVavThenHolam);
      NormalizeMarkOrder(text);
      ConvertImportedText(text, kVavThenHolam);
      EXPECT_EQ(original, CodesOf(text)) << "letter " << letter << " vowel " << vowel;
    }
  }
}

}  // namespace
