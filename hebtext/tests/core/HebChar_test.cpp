// Every class and mapping of the character code, checked over all 256 codes
// against what the codes mean outside the program: the Unicode letters and
// points each is written out as (WrittenOut.h). Only the program's own variant
// codes, which are written out as their plain point and so mean nothing
// outside it, are listed by name.
#include "hebtext/core/HebChar.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>

#include "hebtext/core/UnicodeHebrew.h"
#include "hebtext/tests/core/WrittenOut.h"

namespace {
using namespace HebCode;
using namespace written;

constexpr int kHighBits = 0x1200;  // must not change any answer

// Written out as plain yod: their dagesh is the program's own.
bool IsYodVariantDagesh(int c) { return IsAnyOf(c, {YodDoubleDagesh, YodVariantBDagesh}); }
bool IsAlefVariant(int c) {
  return IsAnyOf(c, {QamatsAlef, StressedQamatsAlef, PatahAlef, StressedPatahAlef});
}
// "None" in a letter string's end and written into a vowel string.
bool IsNoneCode(int c) { return IsAnyOf(c, {NoVowel, ExplicitNoVowel}); }

bool IsVowel(int c) { return c == ExplicitNoVowel || !VowelOf(c).empty(); }
bool IsFullVowel(int c) {
  const std::string vowel = VowelOf(c);
  return !vowel.empty() && vowel != "SHEVA" && WithoutPrefix(vowel, "HATAF ").empty();
}
bool IsQamats(int c) { return VowelOf(c) == "QAMATS" && !IsQamatsQatanCode(c); }

bool IsLetterOf(int c, std::initializer_list<const char*> names) {
  if (!IsLetter(c)) return false;
  for (const char* name : names) {
    if (Out(c).letter == name) return true;
  }
  return false;
}
bool IsWrittenWithDagesh(int c) { return IsLetter(c) && (Out(c).dagesh || IsYodVariantDagesh(c)); }

WideString Without(WideString units, WCHAR unit) {
  const size_t at = units.find(unit);
  if (at != WideString::npos) units.erase(at, 1);
  return units;
}

WideString WithDageshAfterLetter(const WideString& units) {
  return units.substr(0, 1) + kUnicodeDagesh + units.substr(1);
}

struct ClassMeaning {
  const char* name;
  int (*predicate)(int);
  bool (*means)(int);
};

// Each code 0..255 on which the class and its meaning disagree, also with
// bits above the low byte set.
std::string Disagreements(int (*predicate)(int), bool (*means)(int)) {
  std::string out;
  for (int c = 0; c < 256; ++c) {
    const int want = means(c) ? 1 : 0;
    if (predicate(c) != want || predicate(kHighBits + c) != want) {
      out += " " + std::to_string(c) + (want ? " rejected;" : " accepted;");
    }
  }
  return out;
}

void ExpectMeanings(std::initializer_list<ClassMeaning> classes) {
  ASSERT_FALSE(HebrewBlock().empty()) << "data/UnicodeData-hebrew.txt is missing";
  for (const ClassMeaning& c : classes) {
    EXPECT_EQ("", Disagreements(c.predicate, c.means)) << c.name;
  }
}

TEST(HebCharClasses, LettersByTheirUnicodeLetter) {
  ExpectMeanings({
      {"IsHebrewLetter", IsHebrewLetter, IsLetter},
      {"IsDageshLetter", IsDageshLetter, IsWrittenWithDagesh},
      {"IsDageshableLetter", IsDageshableLetter,
       [](int c) {
         return IsLetter(c) && !IsWrittenWithDagesh(c) &&
                PlainCodeWrittenAs(WithDageshAfterLetter(Out(c).units)) >= 0;
       }},
      {"IsFinalLetter", IsFinalLetter,
       [](int c) { return IsLetter(c) && !WithoutPrefix(Out(c).letter, "FINAL ").empty(); }},
      // Pe with dagesh is left out: RegularToFinalLetter keeps it as it is.
      {"HasFinalForm", HasFinalForm,
       [](int c) {
         return IsLetter(c) && LetterNamed("FINAL " + Out(c).letter) != 0 && c != PeDagesh;
       }},
      {"IsFinalKafForm", IsFinalKafForm, [](int c) { return IsLetterOf(c, {"FINAL KAF"}); }},
      // Resh is not among them, as the rules that ask expect.
      {"IsGutturalLetter", IsGutturalLetter,
       [](int c) {
         return IsLetterOf(c, {"ALEF", "HE", "HET", "AYIN"});
       }},
      {"IsAlefOrAyin", IsAlefOrAyin,
       [](int c) {
         return IsLetterOf(c, {"ALEF", "AYIN"});
       }},
      // Only the plain vav is among them, not the vav with dagesh.
      {"IsLabialLetter", IsLabialLetter,
       [](int c) {
         return IsLetterOf(c, {"BET", "MEM", "PE", "VAV"}) && c != VavDagesh;
       }},
      {"IsBegadkefatLetter", IsBegadkefatLetter,
       [](int c) {
         return IsLetterOf(c, {"BET", "GIMEL", "DALET", "KAF", "PE", "TAV"}) && !Out(c).geresh;
       }},
      {"IsSibilantLetter", IsSibilantLetter,
       [](int c) {
         return IsLetterOf(c, {"ZAYIN", "SAMEKH", "TSADI", "SHIN"});
       }},
      // The final tsadi with geresh is not among them.
      {"IsLetterWithTick", IsLetterWithTick,
       [](int c) { return IsLetter(c) && Out(c).geresh && c != FinalTsadiGeresh; }},
      {"IsYodForm", IsYodForm, [](int c) { return IsLetterOf(c, {"YOD"}); }},
      // Shin without a dot counts as either.
      {"IsShinWithShinDot", IsShinWithShinDot,
       [](int c) { return IsLetterOf(c, {"SHIN"}) && !Out(c).sinDot; }},
      {"IsShinWithSinDot", IsShinWithSinDot,
       [](int c) { return IsLetterOf(c, {"SHIN"}) && !Out(c).shinDot; }},
      {"IsLetterOrShuruk", IsLetterOrShuruk,
       [](int c) { return IsLetter(c) || VowelOf(c) == "SHURUK"; }},
  });
}

TEST(HebCharClasses, OneLetterEachIsTheLetterWithOrWithoutDagesh) {
  const std::pair<const char*, int (*)(int)> letters[] = {
      {"ALEF", IsAlef},     {"BET", IsBet},     {"GIMEL", IsGimel}, {"DALET", IsDalet},
      {"HE", IsHe},         {"VAV", IsVav},     {"ZAYIN", IsZayin}, {"TET", IsTet},
      {"KAF", IsKaf},       {"LAMED", IsLamed}, {"MEM", IsMem},     {"NUN", IsNun},
      {"SAMEKH", IsSamekh}, {"PE", IsPe},       {"TSADI", IsTsadi}, {"QOF", IsQof},
      {"RESH", IsResh},     {"SHIN", IsShin},   {"TAV", IsTav},
  };
  for (const auto& [name, predicate] : letters) {
    for (int c = 0; c < 256; ++c) {
      const Written& w = Out(c);
      const bool plainOrDagesh = !w.geresh && !w.shinDot && !w.sinDot && w.point.empty();
      const int want = IsLetter(c) && w.letter == name && plainOrDagesh ? 1 : 0;
      EXPECT_EQ(want, predicate(c)) << name << " " << c;
      EXPECT_EQ(want, predicate(kHighBits + c)) << name << " " << c;
    }
  }
}

TEST(HebCharClasses, VowelsByThePointTheyAreWrittenOutAs) {
  ExpectMeanings({
      // The "none" written into a vowel string counts as a vowel code.
      {"IsVowelCode", IsVowelCode, IsVowel},
      {"IsVavVowel", IsVavVowel,
       [](int c) { return VowelOf(c) == "SHURUK" || VowelOf(c) == "HOLAM MALE"; }},
      {"IsNonVavVowel", IsNonVavVowel,
       [](int c) { return IsVowel(c) && VowelOf(c) != "SHURUK" && VowelOf(c) != "HOLAM MALE"; }},
      {"IsShva", IsShva, [](int c) { return VowelOf(c) == "SHEVA"; }},
      {"IsNoVowel", IsNoVowel, IsNoneCode},
      {"IsNoVowelOrShva", IsNoVowelOrShva,
       [](int c) { return IsNoneCode(c) || VowelOf(c) == "SHEVA"; }},
      {"IsHatafVowel", IsHatafVowel,
       [](int c) { return !WithoutPrefix(VowelOf(c), "HATAF ").empty(); }},
      {"IsHiriqForm", IsHiriqForm, [](int c) { return VowelOf(c) == "HIRIQ"; }},
      {"IsTsereForm", IsTsereForm, [](int c) { return VowelOf(c) == "TSERE"; }},
      {"IsSegolForm", IsSegolForm, [](int c) { return VowelOf(c) == "SEGOL"; }},
      {"IsPatahForm", IsPatahForm, [](int c) { return VowelOf(c) == "PATAH"; }},
      {"IsQamatsForm", IsQamatsForm, IsQamats},
      {"IsPatahOrQamatsForm", IsPatahOrQamatsForm,
       [](int c) { return VowelOf(c) == "PATAH" || IsQamats(c); }},
      {"IsHolamForm", IsHolamForm, [](int c) { return VowelOf(c) == "HOLAM"; }},
      {"IsHolamMale", IsHolamMale, [](int c) { return VowelOf(c) == "HOLAM MALE"; }},
      {"IsShuruk", IsShuruk, [](int c) { return VowelOf(c) == "SHURUK"; }},
      {"IsQubutsForm", IsQubutsForm, [](int c) { return VowelOf(c) == "QUBUTS"; }},
      {"IsHiriqOrNoVowel", IsHiriqOrNoVowel,
       [](int c) { return IsNoneCode(c) || VowelOf(c) == "HIRIQ"; }},
      {"IsTsereOrNoVowel", IsTsereOrNoVowel,
       [](int c) { return IsNoneCode(c) || VowelOf(c) == "TSERE"; }},
      // Not the alef variant of qamats.
      {"IsQamatsOrNoVowel", IsQamatsOrNoVowel,
       [](int c) { return IsNoneCode(c) || (IsQamats(c) && !IsAlefVariant(c)); }},
      {"IsStressedVowel", IsStressedVowel, [](int c) { return IsVowel(c) && Out(c).meteg; }},
      // A meteg stresses a full vowel; the alef variants of patah and qamats
      // are left out, so the import drops a meteg on them.
      {"IsStressableVowel", IsStressableVowel,
       [](int c) { return IsFullVowel(c) && !Out(c).meteg && !IsAlefVariant(c); }},
      {"HasAlternateVowel", HasAlternateVowel, [](int c) { return ToggleVavVowel(c) != c; }},
      // The bytes that are these marks in Windows-1255.
      {"IsDageshOrMeteg", IsDageshOrMeteg,
       [](int c) {
         const char byte[2] = {static_cast<char>(c), 0};
         const WideString unit = AnsiHebrewToUnicode(byte);
         return unit.size() == 1 && (unit[0] == kUnicodeDagesh || unit[0] == kUnicodeMeteg);
       }},
  });
}

// The variant codes are the program's own: each is written out as the plain
// point it stands beside, so only their list can say which they are.
TEST(HebCharClasses, VariantCodesAreTheProgramsOwnAndWrittenOutAsTheirPoint) {
  struct VariantClass {
    const char* name;
    int (*predicate)(int);
    std::initializer_list<int> codes;
    bool plain;  // the plain codes the variants stand beside
  };
  const VariantClass classes[] = {
      {"IsQamatsQatan",
       IsQamatsQatan,
       {QamatsQatan, StressedQamatsQatan, QamatsQatanAlef, QamatsQatanVariant},
       false},
      {"IsPatahVariant", IsPatahVariant, {PatahForQamats, StressedPatahForQamats}, false},
      {"IsQamatsPatahVariant",
       IsQamatsPatahVariant,
       {QamatsAlef, StressedQamatsAlef, PatahAlef, StressedPatahAlef},
       false},
      {"IsVowelVariant",
       IsVowelVariant,
       {HiriqYod, StressedHiriqYod, TsereYod, StressedTsereYod, SegolYod, StressedSegolYod,
        PatahYod, StressedPatahYod, QamatsYod, StressedQamatsYod},
       false},
      {"HasVowelVariant",
       HasVowelVariant,
       {Hiriq, StressedHiriq, Tsere, StressedTsere, Segol, StressedSegol, Patah, StressedPatah,
        Qamats, StressedQamats, Qubuts, StressedQubuts},
       true},
      {"IsPatahOrQamatsPlain",
       IsPatahOrQamatsPlain,
       {Patah, StressedPatah, Qamats, StressedQamats},
       true},
      {"IsYodVariantA", IsYodVariantA, {YodDouble, YodDoubleDagesh}, false},
      {"IsYodVariantB", IsYodVariantB, {YodVariantB, YodVariantBDagesh}, false},
  };
  for (const VariantClass& variants : classes) {
    for (int c = 0; c < 256; ++c) {
      const int want = IsAnyOf(c, variants.codes) ? 1 : 0;
      EXPECT_EQ(want, variants.predicate(c)) << variants.name << " " << c;
      EXPECT_EQ(want, variants.predicate(kHighBits + c)) << variants.name << " " << c;
    }
    for (int c : variants.codes) {
      EXPECT_TRUE(IsFullVowel(c) || Out(c).letter == "YOD") << variants.name << " " << c;
      EXPECT_EQ(variants.plain, c == PlainCodeWrittenAs(Out(c).units)) << variants.name << " " << c;
    }
  }
}

TEST(HebCharClasses, TextClassesByTheirAsciiMeaning) {
  ExpectMeanings({
      {"IsDigitCode", IsDigitCode, [](int c) { return c < 128 && std::isdigit(c) != 0; }},
      // The C library's default locale, which the program never changes.
      {"IsAlpha", IsAlpha, [](int c) { return c < 128 && std::isalpha(c) != 0; }},
      {"IsAsciiPunct", IsAsciiPunct, [](int c) { return c < 128 && std::ispunct(c) != 0; }},
      {"IsQuoteMark", IsQuoteMark, [](int c) { return c == '"' || c == '\''; }},
      // Line feeds never reach the text: the import drops them.
      {"IsBlankCode", IsBlankCode,
       [](int c) { return c == '\t' || c == '\f' || c == '\r' || c == ' '; }},
      {"IsFormFeedOrCR", IsFormFeedOrCR, [](int c) { return c == '\f' || c == '\r'; }},
      {"IsWordSeparator", IsWordSeparator, [](int c) { return IsBlankCode(c) || c == '-'; }},
      {"IsWordSeparatorOrMaqaf", IsWordSeparatorOrMaqaf,
       [](int c) { return IsWordSeparator(c) || c == Maqaf; }},
      {"IsSpaceOrHyphen", IsSpaceOrHyphen, [](int c) { return c == ' ' || c == '-'; }},
      {"IsSpaceHyphenOrMaqaf", IsSpaceHyphenOrMaqaf,
       [](int c) { return c == ' ' || c == '-' || c == Maqaf; }},
      // Geresh and gershayim stay inside a word.
      {"IsWordBreakChar", IsWordBreakChar,
       [](int c) {
         return (IsAsciiPunct(c) && !IsQuoteMark(c)) || IsWordSeparatorOrMaqaf(c) || c == 0;
       }},
      {"IsWordChar", IsWordChar,
       [](int c) {
         return IsLetter(c) || VowelOf(c) == "SHURUK" || IsQuoteMark(c) || IsDigitCode(c) ||
                c == ',';
       }},
  });
}

TEST(HebCharClasses, CodesWrittenOutAsNothingAreInNoClass) {
  // Old qof with dagesh and the font's holam glyphs must not pass as text;
  // the two blanks and the two "none" codes are named by their own classes.
  for (int c = 0; c < 256; ++c) {
    if (!Out(c).units.empty() || IsAnyOf(c, {NoVowel, ExplicitNoVowel, Tab, FormFeed})) {
      continue;
    }
    EXPECT_EQ(0, IsHebrewLetter(c) | IsVowelCode(c) | IsWordChar(c) | IsWordBreakChar(c) |
                     IsAsciiPunct(c))
        << c;
  }
}

struct PointingCase {
  int letter;
  int vowel;
  int forbidden;
};

TEST(HebCharClasses, FinalOrHatafPointing) {
  const PointingCase cases[] = {
      {FinalMem, NoVowel, 1},  // a final letter takes no vowel at all
      {FinalNun, Shva, 1},
      {FinalKaf, QamatsAlef, 0},
      {FinalKaf, Shva, 0},
      {FinalKafShva, SilentShva, 0},
      {FinalKafDageshQamats, Qamats, 0},
      {FinalKaf, Patah, 1},
      {FinalKaf, NoVowel, 1},
      {HeMappiq, HatafPatah, 0},  // gutturals take hataf
      {Alef, HatafSegol, 0},
      {Ayin, HatafQamats, 0},
      {Bet, HatafPatah, 1},
      {Bet, Patah, 0},
      {Resh, HatafPatah, 1},
  };
  for (const PointingCase& c : cases) {
    EXPECT_EQ(c.forbidden, IsFinalOrHatafPointing(c.letter, c.vowel))
        << c.letter << " with " << c.vowel;
  }
}

// Each code 0..255 that the mapping sends elsewhere than expected.
template <typename Expected>
std::string MapDisagreements(int (*mapping)(int), Expected expected) {
  std::string out;
  for (int c = 0; c < 256; ++c) {
    const int want = expected(c);
    if (mapping(c) != want) {
      out += " " + std::to_string(c) + ">" + std::to_string(mapping(c)) + " (want " +
             std::to_string(want) + ");";
    }
  }
  return out;
}

TEST(HebCharMappings, DageshIsTheUnicodeDageshOfTheLetter) {
  // The yod variants' dagesh codes are written out as plain yod.
  const std::map<int, int> yodVariants = {{YodDoubleDagesh, YodDouble},
                                          {YodVariantBDagesh, YodVariantB}};
  EXPECT_EQ("", MapDisagreements(RemoveDagesh, [&](int c) {
              if (yodVariants.count(c)) return yodVariants.at(c);
              if (!IsLetter(c) || !Out(c).dagesh) return c;
              return PlainCodeWrittenAs(Without(Out(c).units, kUnicodeDagesh));
            }));
  for (int c = 0; c < 256; ++c) {
    if (IsDageshLetter(c)) {
      EXPECT_EQ(c, AddDagesh(RemoveDagesh(c))) << c;
    } else if (!IsDageshableLetter(c)) {
      EXPECT_EQ(c, AddDagesh(c)) << c;
    }
  }
}

TEST(HebCharMappings, FinalAndRegularFormsAreTheUnicodeFinalLetters) {
  // The final kaf glyphs with a vowel give the letter without it.
  EXPECT_EQ("", MapDisagreements(FinalToRegularLetter, [](int c) {
              if (!IsFinalLetter(c)) return c;
              WideString units = Out(c).units;
              units[0] = LetterNamed(WithoutPrefix(Out(c).letter, "FINAL "));
              if (!Out(c).point.empty()) units.pop_back();
              return PlainCodeWrittenAs(units);
            }));
  // Only final kaf has a code with dagesh; the others lose theirs.
  EXPECT_EQ("", MapDisagreements(RegularToFinalLetter, [](int c) {
              if (!HasFinalForm(c)) return c;
              WideString units = Out(c).units;
              units[0] = LetterNamed("FINAL " + Out(c).letter);
              const int withMarks = PlainCodeWrittenAs(units);
              return withMarks >= 0 ? withMarks
                                    : PlainCodeWrittenAs(Without(units, kUnicodeDagesh));
            }));
}

TEST(HebCharMappings, VowelMappingsByThePointsWrittenOut) {
  EXPECT_EQ("", MapDisagreements(HatafToFullVowel, [](int c) {
              if (!IsHatafVowel(c)) return c;
              const std::string full = WithoutPrefix(VowelOf(c), "HATAF ");
              return PlainCodeWrittenAs(WideString(1, UnitNamed("HEBREW POINT " + full)));
            }));
  // Stress is the meteg and nothing else.
  for (int c = 0; c < 256; ++c) {
    const bool stressable = IsFullVowel(c) && !Out(c).meteg;
    const int stressed = AddStressMark(c);
    if (stressable) {
      EXPECT_TRUE(Out(stressed).meteg && IsVowel(stressed)) << c;
      EXPECT_EQ(Out(c).units, Without(Out(stressed).units, kUnicodeMeteg)) << c;
    } else {
      EXPECT_EQ(c, stressed) << c;
    }
    const int unstressed = RemoveStressMark(c);
    if (IsStressedVowel(c)) {
      EXPECT_EQ(Without(Out(c).units, kUnicodeMeteg), Out(unstressed).units) << c;
      EXPECT_EQ(c, AddStressMark(unstressed)) << c;
    } else {
      EXPECT_EQ(c, unstressed) << c;
    }
  }
  // The variants are written out exactly as the plain point.
  EXPECT_EQ("", MapDisagreements(VowelVariantToPlain, [](int c) {
              return IsVowelVariant(c) ? PlainCodeWrittenAs(Out(c).units) : c;
            }));
  EXPECT_EQ("", MapDisagreements(QamatsPatahVariantToPlain, [](int c) {
              return IsQamatsPatahVariant(c) ? PlainCodeWrittenAs(Out(c).units) : c;
            }));
  // Qubuts has no variant code, so it is left as it is.
  EXPECT_EQ("", MapDisagreements(PlainToVowelVariant, [](int c) {
              if (!HasVowelVariant(c) || VowelOf(c) == "QUBUTS") return c;
              for (int variant = 0; variant < 256; ++variant) {
                if (IsVowelVariant(variant) && VowelVariantToPlain(variant) == c) return variant;
              }
              return -1;
            }));
  EXPECT_EQ("", MapDisagreements(PlainToQamatsPatahVariant, [](int c) {
              if (!IsPatahOrQamatsPlain(c)) return c;
              for (int variant = 0; variant < 256; ++variant) {
                if (IsQamatsPatahVariant(variant) && QamatsPatahVariantToPlain(variant) == c) {
                  return variant;
                }
              }
              return -1;
            }));
}

TEST(HebCharMappings, ToggleVavVowelWritesTheVowelWithOrWithoutItsVav) {
  // The plain code of each vowel and its partner; the holam variant keeps its
  // own role and is left as it is.
  const std::map<std::string, int> partners = {{"HOLAM", HolamMale},
                                               {"HOLAM MALE", Holam},
                                               {"QUBUTS", Shuruk},
                                               {"SHURUK", Qubuts},
                                               {"SHEVA", ExplicitNoVowel}};
  EXPECT_EQ("", MapDisagreements(ToggleVavVowel, [&](int c) {
              if (c == ExplicitNoVowel) return Shva;
              const auto it = partners.find(VowelOf(c));
              return it == partners.end() || c == HolamVariant ? c : it->second;
            }));
}

TEST(HebCharMappings, KeepTheBitsAboveTheLowByteExceptFinalAndRegular) {
  for (int (*mapping)(int) :
       {RemoveDagesh, AddDagesh, HatafToFullVowel, ToggleVavVowel, AddStressMark, RemoveStressMark,
        VowelVariantToPlain, PlainToVowelVariant, QamatsPatahVariantToPlain,
        PlainToQamatsPatahVariant}) {
    for (int c = 0; c < 256; ++c) EXPECT_EQ(kHighBits + mapping(c), mapping(kHighBits + c)) << c;
  }
  for (int (*mapping)(int) : {FinalToRegularLetter, RegularToFinalLetter}) {
    for (int c = 0; c < 256; ++c) EXPECT_EQ(mapping(c), mapping(kHighBits + c)) << c;
  }
}

TEST(HebCharMappings, EdgeCases) {
  EXPECT_EQ(QofDagesh, AddDagesh(Qof));
  EXPECT_EQ(OldQofDagesh, AddDagesh(OldQofDagesh));
  EXPECT_EQ(OldQofDagesh, RemoveDagesh(OldQofDagesh));
  // A stressed qamats qatan always comes back as the plain qamats qatan.
  for (int c : {QamatsQatan, QamatsQatanAlef, QamatsQatanVariant}) {
    EXPECT_EQ(QamatsQatan, RemoveStressMark(AddStressMark(c))) << c;
  }
  // Toggling twice folds the shva variants into shva and drops the stress.
  // clang-format off
  const std::map<int, int> twice = {
      {Holam, Holam},         {HolamMale, HolamMale},         {Shuruk, Shuruk},
      {Qubuts, Qubuts},       {Shva, Shva},                   {ExplicitNoVowel, ExplicitNoVowel},
      {VocalShva, Shva},      {SilentShva, Shva},             {StressedHolamMale, HolamMale},
      {StressedHolam, Holam}, {StressedShuruk, Shuruk},       {StressedQubuts, Qubuts}};
  // clang-format on
  for (const auto& [from, to] : twice) EXPECT_EQ(to, ToggleVavVowel(ToggleVavVowel(from))) << from;
}

}  // namespace
