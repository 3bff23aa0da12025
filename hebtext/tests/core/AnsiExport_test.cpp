// HebChar text out to Windows-1255 with combining points, and back in again.
#include "hebtext/core/AnsiExport.h"

#include <gtest/gtest.h>

#include "hebtext/core/AnsiImport.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/tests/core/ByteStrings.h"
#include "hebtext/tests/core/CodeList.h"

namespace {

using bytes::Codes;
using bytes::CodesOf;
using bytes::Text;

constexpr int kShva = 0xC0, kHiriq = 0xC4, kPatah = 0xC7, kQamats = 0xC8, kHolam = 0xC9,
              kQubuts = 0xCB, kDagesh = 0xCC, kMeteg = 0xCD, kShinDot = 0xD1, kSinDot = 0xD2;
constexpr int kGimel = 0xE2, kVav = 0xE5, kZayin = 0xE6, kYod = 0xE9, kFinalKaf = 0xEA,
              kFinalTsadi = 0xF5, kTsadi = 0xF6, kQof = 0xF7, kShin = 0xF9;

Codes AnsiOf(int code, int vavOrder) {
  CString result("stale");
  InternalCharToAnsi(code, result, vavOrder);
  return CodesOf(result);
}

TEST(InternalCharToAnsi, WritesCombinedCodesAsLetterAndMarks) {
  struct Case {
    int code;
    Codes ansi;
  } cases[] = {
      {161, {0xE1, kDagesh}},           {164, {0xE4, kDagesh}},
      {170, {kFinalKaf, kDagesh}},      {184, {kQof, kDagesh}},
      {185, {kShin, kDagesh}},          {133, {kYod}},
      {147, {kYod}},                    {132, {kYod}},
      {146, {kYod}},                    {208, {kShin, kDagesh, kShinDot}},
      {209, {kShin, kShinDot}},         {210, {kShin, kSinDot}},
      {211, {kShin, kDagesh, kSinDot}}, {251, {kFinalKaf, kShva}},
      {252, {kFinalKaf, kQamats}},      {187, {kFinalKaf, kDagesh, kShva}},
      {188, {kFinalKaf, kDagesh, kQamats}}, {218, {kGimel, kDagesh, '\''}},
      {220, {kGimel, '\''}},            {221, {kZayin, '\''}},
      {222, {kFinalTsadi, '\''}},       {223, {kTsadi, '\''}},
      {128, {kQamats}},                 {129, {kQamats, kMeteg}},
      {136, {kQamats}},                 {159, {kQamats}},
      {156, {kShva}},                   {145, {kHolam}},
      {131, {kHolam, kMeteg}},          {219, {kQubuts, kMeteg}},
      {202, {kVav, kDagesh}},           {137, {kMeteg, kVav, kDagesh}},
      {206, {kVav, kHolam}},            {130, {kMeteg, kVav, kHolam}},
      {158, {'-'}},                     {'\r', {'\r'}},
      {' ', {' '}},                     {'!', {'!'}},
      {'~', {'~'}},                     {224, {224}},
      {250, {250}},
  };
  for (const Case& c : cases) EXPECT_EQ(c.ansi, AnsiOf(c.code, 0)) << c.code;
}

TEST(InternalCharToAnsi, VavOrderPlacesTheHolamOfHolamMale) {
  EXPECT_EQ((Codes{kVav, kHolam}), AnsiOf(206, 0));
  EXPECT_EQ((Codes{kHolam, kVav}), AnsiOf(206, 1));
  EXPECT_EQ((Codes{kMeteg, kVav, kHolam}), AnsiOf(130, 0));
  EXPECT_EQ((Codes{kMeteg, kVav, kHolam}), AnsiOf(130, 1));
  EXPECT_EQ((Codes{kVav, kDagesh}), AnsiOf(202, 1));
}

TEST(InternalCharToAnsi, EachVowelIsOnePointAndStressedOnesAddMeteg) {
  for (int c = 0; c < 256; ++c) {
    if (!IsVowelCode(c) || IsVavVowel(c) || c == 1) continue;
    const Codes ansi = AnsiOf(c, 0);
    ASSERT_FALSE(ansi.empty()) << c;
    EXPECT_TRUE(ansi[0] >= kShva && ansi[0] <= kQubuts && ansi[0] != 0xCA) << c;
    EXPECT_EQ(IsStressedVowel(c) ? 2u : 1u, ansi.size()) << c;
    if (ansi.size() == 2) {
      EXPECT_EQ(kMeteg, ansi[1]) << c;
    }
  }
  // The variants are written as the point they are shown as.
  const std::pair<int, int> variants[] = {{141, kHiriq}, {134, kPatah}, {152, kPatah},
                                          {154, kPatah}, {148, kQamats}, {150, kQamats}};
  for (const auto& [code, point] : variants) EXPECT_EQ(Codes{point}, AnsiOf(code, 0)) << code;
}

TEST(InternalCharToAnsi, CodesOutsideTheTextGiveNothing) {
  const std::set<int> nothing = codelist::ParseSet(
      "0-12,14-31,127,139,160,167,173,175,178,179,181,183,189-191,204,205,207,217,253-255");
  for (int c = 0; c < 256; ++c) {
    EXPECT_EQ(nothing.count(c) == 1, AnsiOf(c, 0).empty()) << c;
  }
}

TEST(ConvertToStandardPoints, WritesEveryCodeInTurn) {
  using namespace HebCode;
  CString text = Text({ShinShinDot, Qamats, Lamed, HolamMale, FinalMem, ' ', 158, '\r'});
  ConvertToStandardPoints(text, 0);
  EXPECT_EQ((Codes{kShin, kShinDot, kQamats, 0xEC, kVav, kHolam, 0xED, ' ', '-', '\r'}),
            CodesOf(text));
}

// What goes out comes back in: every letter code with every vowel it can
// carry survives export and import unchanged. Variant codes are written as
// their plain point and come back plain; a vav with holam or dagesh is read
// back as the vowel of the letter before, so vav is tried with other vowels.
TEST(ConvertToStandardPoints, ImportGivesBackWhatWasExported) {
  const Codes vowels = {0, 192, 193, 194, 195, 196, 197, 198, 199, 200, 201, 203,
                        212, 213, 214, 215, 216, 219, 131, 202, 206, 130, 137};
  for (int letter = 0; letter < 256; ++letter) {
    if (!IsHebrewLetter(letter) || IsYodVariantA(letter) || IsYodVariantB(letter) ||
        IsLetterWithTick(letter) || letter == 222 || letter == 251 || letter == 252 ||
        letter == 187 || letter == 188) {
      continue;
    }
    for (int vowel : vowels) {
      if (IsVav(letter) && (IsHolamForm(vowel) || vowel == 0 || IsVavVowel(vowel))) continue;
      const Codes original = vowel ? Codes{0xE1, letter, vowel} : Codes{0xE1, letter};
      CString text = Text(original);
      ConvertToStandardPoints(text, 0);
      NormalizeMarkOrder(text);
      ConvertImportedText(text, 0);
      EXPECT_EQ(original, CodesOf(text)) << "letter " << letter << " vowel " << vowel;
    }
  }
}

}  // namespace
