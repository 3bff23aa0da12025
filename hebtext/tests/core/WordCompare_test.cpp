// The letter, vowel and word comparisons of find, lookup and the grammar
// views, on real Hebrew words.
#include "hebtext/core/WordCompare.h"

#include <gtest/gtest.h>

#include "hebtext/core/HebChar.h"
#include "hebtext/tests/core/PointedWord.h"

namespace {

using namespace HebCode;

struct LetterCase {
  int a;
  int b;
  int equivalent;
  int keepMappiq;
  int addedDagesh;
  int addedDageshExact;
  int addedDageshNoHe;
  int dageshTolerant;
};

TEST(LetterComparisons, EachOperationOnTheSamePairs) {
  const LetterCase cases[] = {
      // An undotted shin matches either dotted form; the two dots differ.
      {Shin, ShinShinDot, 1, 1, 1, 1, 1, 1},
      {Shin, ShinSinDot, 1, 1, 1, 1, 1, 1},
      {ShinShinDot, ShinSinDot, 0, 0, 0, 0, 0, 0},
      {ShinShinDot, ShinShinDotDagesh, 1, 1, 1, 1, 1, 1},
      // A dagesh in the reference only may be added; one in the tested word
      // only is tolerated at the end of a word where it changes no sound.
      {Bet, BetDagesh, 1, 1, 1, 0, 1, 1},
      {BetDagesh, Bet, 1, 1, 0, 0, 0, 0},
      {172, Lamed, 1, 1, 0, 0, 0, 1},
      {QofDagesh, Qof, 1, 1, 0, 0, 0, 1},
      // Mappiq makes the he a consonant.
      {He, HeMappiq, 1, 0, 1, 0, 0, 0},
      {HeMappiq, HeMappiq, 1, 1, 1, 1, 1, 1},
      // Every final kaf matches every other, never the regular kaf.
      {FinalKaf, 251, 1, 1, 1, 1, 1, 1},
      {FinalKaf, Kaf, 0, 0, 0, 0, 0, 0},
      {Alef, Ayin, 0, 0, 0, 0, 0, 0},
  };
  for (const LetterCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.a << " against " << c.b);
    EXPECT_EQ(c.equivalent, LettersEquivalent(c.a, c.b));
    EXPECT_EQ(c.keepMappiq, LettersMatchKeepMappiq(c.a, c.b));
    EXPECT_EQ(c.addedDagesh, LetterMatchesWithAddedDagesh(c.a, c.b, FALSE));
    EXPECT_EQ(c.addedDageshExact, LetterMatchesWithAddedDagesh(c.a, c.b, TRUE));
    EXPECT_EQ(c.addedDageshNoHe, LetterMatchesWithAddedDageshNoHe(c.a, c.b));
    EXPECT_EQ(c.dageshTolerant, LettersMatchDageshTolerant(c.a, c.b));
  }
}

struct VowelCase {
  int a;
  int b;
  int nextA;
  int nextB;
  int match;
  int loose;
};

TEST(VowelComparisons, ClassesAndTheirLooseForms) {
  const VowelCase cases[] = {
      // A qamats may be read as qamats qatan, not the other way round.
      {Qamats, QamatsQatan, 0, 0, 1, 1},
      {QamatsQatan, Qamats, 0, 0, 0, 0},
      // Equal codes match whatever they are; each hataf only itself.
      {Bet, Bet, 0, 0, 1, 1},
      {HatafSegol, HatafPatah, 0, 0, 0, 0},
      {0, 1, 0, 0, 1, 1},
      {Shva, 156, 0, 0, 1, 1},
      {Patah, 152, 0, 0, 1, 1},
      {213, Tsere, 0, 0, 1, 1},
      {StressedHolamMale, HolamMale, 0, 0, 1, 1},
      // With and without the vav.
      {Holam, HolamMale, 0, 0, 0, 1},
      {HolamMale, Holam, 0, 0, 0, 1},
      {Qubuts, Shuruk, 0, 0, 0, 1},
      {Shva, 1, 0, 0, 0, 1},
      {0, Shva, 0, 0, 0, 0},
      // Holam against a qamats qatan written as qamats before hataf qamats.
      {Holam, Qamats, 0, HatafQamats, 0, 1},
      {Holam, Qamats, 0, 0, 0, 0},
      {Qamats, HolamMale, HatafQamats, 0, 0, 1},
      {HolamMale, HatafQamats, 0, 0, 0, 1},
      {HatafQamats, Holam, 0, 0, 0, 1},
      {Qamats, HatafQamats, 0, 0, 0, 0},
  };
  for (const VowelCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.a << " against " << c.b);
    EXPECT_EQ(c.match, VowelsMatch(c.a, c.b, c.nextA, c.nextB));
    EXPECT_EQ(c.loose, VowelsMatchLoose(c.a, c.b, c.nextA, c.nextB));
  }
}

const PointedWord kShalom{{ShinShinDot, Qamats}, {Lamed, HolamMale}, {FinalMem, 0}};
const PointedWord kDavar{{163, Qamats}, {Bet, Qamats}, {Resh, 0}};

TEST(WordComparisons, LettersOnly) {
  const PointedWord undotted{{Shin, 0}, {Lamed, 0}, {FinalMem, 0}};
  const PointedWord regularMem{{Shin, 0}, {Lamed, 0}, {Mem, 0}};
  EXPECT_EQ(0, CompareLettersEquivalent(undotted.L(), kShalom.L()));
  EXPECT_EQ(-1, CompareLettersEquivalent(regularMem.L(), kShalom.L()));
  EXPECT_EQ(-1, CompareLettersEquivalent(kDavar.L(), PointedWord{{Dalet, 0}, {Bet, 0}}.L()));
  // A run compares only its length; an empty run always matches.
  EXPECT_EQ(0, CompareLetterRuns(regularMem.L(), kShalom.L(), 2));
  EXPECT_EQ(-1, CompareLetterRuns(regularMem.L(), kShalom.L(), 3));
  EXPECT_EQ(0, CompareLetterRuns(kDavar.L(), kShalom.L(), 0));
}

TEST(WordComparisons, WithVowelClasses) {
  // davar with the grammar's qamats variant and without the dagesh.
  const PointedWord variant{{Dalet, 148}, {Bet, 150}, {Resh, 0}};
  const PointedWord dvar{{163, Shva}, {Bet, Qamats}, {Resh, 0}};  // construct state
  EXPECT_EQ(0, CompareWordsWithVowels(variant.L(), kDavar.L(), variant.V(), kDavar.V()));
  EXPECT_EQ(-1, CompareWordsWithVowels(dvar.L(), kDavar.L(), dvar.V(), kDavar.V()));
}

TEST(WordComparisons, FindToleratesStressAndVariantCodes) {
  const PointedWord sefer{{Samekh, Tsere}, {Pe, Segol}, {Resh, 0}};
  const PointedWord stressed{{Samekh, 213}, {Pe, Segol}, {Resh, 0}};
  const PointedWord safar{{Samekh, Qamats}, {Pe, Patah}, {Resh, 0}};
  const PointedWord variants{{Samekh, 148}, {Pe, 152}, {Resh, 0}};
  const PointedWord shabbat{{ShinShinDot, Patah}, {161, Qamats}, {Tav, 0}};
  const PointedWord shabatNoDagesh{{ShinShinDot, Patah}, {Bet, Qamats}, {Tav, 0}};
  EXPECT_EQ(0, CompareWordsForFind(stressed.L(), sefer.L(), stressed.V(), sefer.V(), TRUE, TRUE));
  EXPECT_EQ(0, CompareWordsForFind(sefer.L(), stressed.L(), sefer.V(), stressed.V(), TRUE, TRUE));
  EXPECT_EQ(0, CompareWordsForFind(safar.L(), variants.L(), safar.V(), variants.V(), TRUE, TRUE));
  EXPECT_EQ(-1, CompareWordsForFind(safar.L(), sefer.L(), safar.V(), sefer.V(), TRUE, FALSE));
  EXPECT_EQ(0, CompareWordsForFind(safar.L(), sefer.L(), safar.V(), sefer.V(), FALSE, TRUE));
  // The exact flag makes a dagesh count.
  EXPECT_EQ(0, CompareWordsForFind(shabbat.L(), shabatNoDagesh.L(), shabbat.V(),
                                   shabatNoDagesh.V(), TRUE, FALSE));
  EXPECT_EQ(-1, CompareWordsForFind(shabbat.L(), shabatNoDagesh.L(), shabbat.V(),
                                    shabatNoDagesh.V(), TRUE, TRUE));
}

TEST(WordComparisons, PositionalRules) {
  const PointedWord yeladim{{Yod, Shva}, {Lamed, Qamats}, {Dalet, Hiriq}, {Yod, 0}, {FinalMem, 0}};
  const PointedWord yeladimBare{{Yod, 0}, {Lamed, Qamats}, {Dalet, Hiriq}, {Yod, 0}, {FinalMem, 0}};
  const PointedWord yaladim{{Yod, Patah}, {Lamed, Qamats}, {Dalet, Hiriq}, {Yod, 0}, {FinalMem, 0}};
  // "and Jerusalem": the yod after the conjunction's hiriq may carry a shva.
  const PointedWord viYerushalayim{{Vav, Hiriq}, {Yod, 0},       {Resh, Shuruk},
                                   {ShinShinDot, Qamats},  {Lamed, Patah}, {Yod, Hiriq},
                                   {FinalMem, 0}};
  const PointedWord viYerushalayimShva{{Vav, Hiriq}, {Yod, Shva},    {Resh, Shuruk},
                                       {ShinShinDot, Qamats}, {Lamed, Patah}, {Yod, Hiriq},
                                       {FinalMem, 0}};
  const PointedWord davarPatahVariant{{163, Qamats}, {Bet, 134}, {Resh, 0}};
  const PointedWord shabbat{{ShinShinDot, Patah}, {161, Qamats}, {Tav, 0}};
  const PointedWord shabatNoDagesh{{ShinShinDot, Patah}, {Bet, Qamats}, {Tav, 0}};
  const PointedWord rav{{Resh, Patah}, {Bet, 0}};
  const PointedWord ravDagesh{{Resh, Patah}, {BetDagesh, 0}};
  const PointedWord kol{{Kaf, Holam}, {Lamed, 0}};
  const PointedWord kolDagesh{{171, Holam}, {Lamed, 0}};
  const PointedWord el{{Alef, Tsere}, {Lamed, 0}};
  const PointedWord elStrayDagesh{{Alef, Tsere}, {172, 0}};  // as mistyped

  struct Case {
    const char* what;
    const PointedWord& a;
    const PointedWord& b;
    int result;
  } const cases[] = {
      {"shva on the first yod either way", yeladim, yeladimBare, 0},
      {"but no other vowel", yaladim, yeladimBare, -1},
      {"yod after vav with hiriq", viYerushalayim, viYerushalayimShva, 0},
      {"qamats for the patah variant", kDavar, davarPatahVariant, 0},
      {"not the reverse", davarPatahVariant, kDavar, -1},
      {"first letter dagesh either way", kol, kolDagesh, 0},
      {"first letter dagesh either way", kolDagesh, kol, 0},
      {"inner dagesh only in the reference", shabatNoDagesh, shabbat, 0},
      {"not in the tested word", shabbat, shabatNoDagesh, -1},
      {"last letter: dagesh added", rav, ravDagesh, 0},
      {"last letter: begadkefat dagesh not dropped", ravDagesh, rav, -1},
      {"last letter: other stray dagesh tolerated", elStrayDagesh, el, 0},
      {"lengths differ", kol, kShalom, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.result, CompareWordsPositional(c.a.L(), c.b.L(), c.a.V(), c.b.V())) << c.what;
  }
}

TEST(WordComparisons, PleneTolerant) {
  const PointedWord shalomPlene{{Shin, 0}, {Lamed, 0}, {Vav, 0}, {FinalMem, 0}};
  const PointedWord shalomDefective{{ShinShinDot, Qamats}, {Lamed, Holam}, {FinalMem, 0}};
  const PointedWord shlm{{Shin, 0}, {Lamed, 0}, {FinalMem, 0}};
  const PointedWord shukPlene{{Shin, 0}, {Vav, 0}, {Qof, 0}};
  const PointedWord shuk{{ShinShinDot, Shuruk}, {Qof, 0}};
  const PointedWord yaldaBare{{Yod, 0}, {Lamed, 0}, {Dalet, 0}, {He, 0}};
  const PointedWord yalda{{Yod, Patah}, {Lamed, Shva}, {163, Qamats}, {He, 0}};
  // "high", with the furtive patah under the final he with mappiq.
  const PointedWord gavoah{{162, Qamats}, {Bet, Holam}, {HeMappiq, Patah}};
  const PointedWord gavoahNoPatah{{162, Qamats}, {Bet, Holam}, {HeMappiq, 0}};
  const PointedWord gavoahBare{{162, 0}, {Bet, 0}, {HeMappiq, 0}};
  // "praise": the middle lamed with shva or, in some texts, hataf patah.
  const PointedWord halelu{{He, Patah}, {Lamed, Shva}, {Lamed, Shuruk}};
  const PointedWord haleluHataf{{He, Patah}, {Lamed, HatafPatah}, {Lamed, Shuruk}};
  // "noon": a qamats qatan written as qamats before hataf qamats, or holam.
  const PointedWord tsohorayim{{Tsadi, Qamats}, {He, HatafQamats}, {Resh, Patah},
                               {Yod, Hiriq},    {FinalMem, 0}};
  const PointedWord tsohorayimHolam{{Tsadi, Holam}, {He, HatafQamats}, {Resh, Patah},
                                    {Yod, Hiriq},   {FinalMem, 0}};
  const PointedWord davarPatahVariant{{163, Qamats}, {Bet, 134}, {Resh, 0}};

  struct Case {
    const char* what;
    const PointedWord& a;
    const PointedWord& b;
    BOOL exactDagesh;
    int unpointedA;
    int result;
  } const cases[] = {
      {"unpointed plene against pointed", shalomPlene, kShalom, FALSE, -1, 0},
      {"pointed defective against pointed plene", shalomDefective, kShalom, FALSE, -1, 0},
      {"unpointed without the vav", shlm, kShalom, FALSE, -1, -1},
      {"pointed against unpointed", kShalom, shalomPlene, FALSE, -1, -1},
      {"shuruk written as vav in A", shukPlene, shuk, FALSE, -1, 0},
      {"shuruk written as vav in B", shuk, shukPlene, FALSE, -1, 0},
      {"unpointed with a dagesh added", yaldaBare, yalda, FALSE, -1, 0},
      {"unpointed, dagesh exact", yaldaBare, yalda, TRUE, -1, -1},
      {"pointed final he must agree", gavoahNoPatah, gavoah, FALSE, -1, -1},
      {"unpointed final he may not", gavoahBare, gavoah, FALSE, -1, 0},
      {"unless the caller says A is pointed", gavoahBare, gavoah, FALSE, 0, -1},
      {"shva against hataf", halelu, haleluHataf, FALSE, -1, 0},
      {"hataf against shva", haleluHataf, halelu, FALSE, -1, 0},
      {"holam against qamats before hataf qamats", tsohorayimHolam, tsohorayim, FALSE, -1, 0},
      {"qamats for the patah variant", kDavar, davarPatahVariant, FALSE, -1, 0},
      {"lengths differ", shuk, kShalom, FALSE, -1, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.result, CompareWordsPleneTolerant(c.a.L(), c.b.L(), c.a.V(), c.b.V(),
                                                   c.exactDagesh, c.unpointedA))
        << c.what;
  }
}

TEST(WordComparisons, UnpointedAndBareVav) {
  const PointedWord shalomPlene{{Shin, 0}, {Lamed, 1}, {Vav, 0}, {FinalMem, 0}};
  EXPECT_EQ(1, IsUnpointed(shalomPlene.L(), shalomPlene.V()));
  EXPECT_EQ(0, IsUnpointed(kShalom.L(), kShalom.V()));
  EXPECT_EQ(1, IsBareVavAfterBareLetter(shalomPlene.L(), shalomPlene.V(), 2));
  EXPECT_EQ(0, IsBareVavAfterBareLetter(shalomPlene.L(), shalomPlene.V(), 1));
  EXPECT_EQ(0, IsBareVavAfterBareLetter(shalomPlene.L(), shalomPlene.V(), 0));
  // A vav with its own vowel is a consonant: mitsva pointed only on the vav.
  const PointedWord mitsva{{Mem, 0}, {Tsadi, 0}, {Vav, Qamats}, {He, 0}};
  EXPECT_EQ(0, IsBareVavAfterBareLetter(mitsva.L(), mitsva.V(), 2));
  // Nor is the vav bare after a pointed letter: the letter name vav.
  const PointedWord vav{{Vav, Qamats}, {Vav, 0}};
  EXPECT_EQ(0, IsBareVavAfterBareLetter(vav.L(), vav.V(), 1));
}

}  // namespace
