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
      {LamedDagesh, Lamed, 1, 1, 0, 0, 0, 1},
      {QofDagesh, Qof, 1, 1, 0, 0, 0, 1},
      // Mappiq makes the he a consonant.
      {He, HeMappiq, 1, 0, 1, 0, 0, 0},
      {HeMappiq, HeMappiq, 1, 1, 1, 1, 1, 1},
      // Every final kaf matches every other, never the regular kaf.
      {FinalKaf, FinalKafShva, 1, 1, 1, 1, 1, 1},
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
      {NoVowel, ExplicitNoVowel, 0, 0, 1, 1},
      {Shva, VocalShva, 0, 0, 1, 1},
      {Patah, PatahAlef, 0, 0, 1, 1},
      {StressedTsere, Tsere, 0, 0, 1, 1},
      {StressedHolamMale, HolamMale, 0, 0, 1, 1},
      // With and without the vav.
      {Holam, HolamMale, 0, 0, 0, 1},
      {HolamMale, Holam, 0, 0, 0, 1},
      {Qubuts, Shuruk, 0, 0, 0, 1},
      {Shva, ExplicitNoVowel, 0, 0, 0, 1},
      {NoVowel, Shva, 0, 0, 0, 0},
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

// Read on first use: the import must not run before the test program starts.
const PointedWord& Shalom() {
  static const PointedWord word("שָׁלוֹם");
  return word;
}
const PointedWord& Davar() {
  static const PointedWord word("דָּבָר");
  return word;
}

TEST(WordComparisons, LettersOnly) {
  const PointedWord undotted("שלם");
  const PointedWord regularMem("שלמ");
  EXPECT_EQ(0, CompareLettersEquivalent(undotted.L(), Shalom().L()));
  EXPECT_EQ(-1, CompareLettersEquivalent(regularMem.L(), Shalom().L()));
  EXPECT_EQ(-1, CompareLettersEquivalent(Davar().L(), PointedWord("דב").L()));
  // A run compares only its length; an empty run always matches.
  EXPECT_EQ(0, CompareLetterRuns(regularMem.L(), Shalom().L(), 2));
  EXPECT_EQ(-1, CompareLetterRuns(regularMem.L(), Shalom().L(), 3));
  EXPECT_EQ(0, CompareLetterRuns(Davar().L(), Shalom().L(), 0));
}

TEST(WordComparisons, WithVowelClasses) {
  // davar with the grammar's qamats variant and without the dagesh.
  const PointedWord variant{{Dalet, QamatsYod}, {Bet, QamatsAlef}, {Resh, NoVowel}};
  const PointedWord dvar("דְּבָר");  // construct state
  EXPECT_EQ(0, CompareWordsWithVowels(variant.L(), Davar().L(), variant.V(), Davar().V()));
  EXPECT_EQ(-1, CompareWordsWithVowels(dvar.L(), Davar().L(), dvar.V(), Davar().V()));
}

TEST(WordComparisons, FindToleratesStressAndVariantCodes) {
  const PointedWord sefer("סֵפֶר");
  const PointedWord stressed("סֵֽפֶר");
  const PointedWord safar("סָפַר");
  const PointedWord variants{{Samekh, QamatsYod}, {Pe, PatahAlef}, {Resh, NoVowel}};
  const PointedWord shabbat("שַׁבָּת");
  const PointedWord shabatNoDagesh("שַׁבָת");
  const FindCompareOptions withVowels{true, false};
  const FindCompareOptions withVowelsExact{true, true};
  const FindCompareOptions lettersExact{false, true};
  struct Case {
    const char* what;
    const PointedWord& a;
    const PointedWord& b;
    FindCompareOptions options;
    int result;
  } const cases[] = {
      {"stress in the tested word", stressed, sefer, withVowelsExact, 0},
      {"stress in the reference", sefer, stressed, withVowelsExact, 0},
      {"variant codes", safar, variants, withVowelsExact, 0},
      {"other vowels", safar, sefer, withVowels, -1},
      {"other vowels, letters only", safar, sefer, lettersExact, 0},
      {"a dagesh missing", shabbat, shabatNoDagesh, withVowels, 0},
      {"a dagesh missing, exact letters", shabbat, shabatNoDagesh, withVowelsExact, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.result, CompareWordsForFind(c.a.L(), c.b.L(), c.a.V(), c.b.V(), c.options))
        << c.what;
  }
}

TEST(WordComparisons, PositionalRules) {
  const PointedWord yeladim("יְלָדִים");
  const PointedWord yeladimBare("ילָדִים");
  const PointedWord yaladim("יַלָדִים");
  // "and Jerusalem": the yod after the conjunction's hiriq may carry a shva.
  const PointedWord viYerushalayim("וִירוּשָׁלַיִם");
  const PointedWord viYerushalayimShva("וִיְרוּשָׁלַיִם");
  const PointedWord davarPatahVariant{{DaletDagesh, Qamats}, {Bet, PatahForQamats}, {Resh, 0}};
  const PointedWord shabbat("שַׁבָּת");
  const PointedWord shabatNoDagesh("שַׁבָת");
  const PointedWord rav("רַב");
  const PointedWord ravDagesh("רַבּ");
  const PointedWord kol("כֹל");
  const PointedWord kolDagesh("כֹּל");
  const PointedWord el("אֵל");
  const PointedWord elStrayDagesh("אֵלּ");  // as mistyped

  struct Case {
    const char* what;
    const PointedWord& a;
    const PointedWord& b;
    int result;
  } const cases[] = {
      {"shva on the first yod either way", yeladim, yeladimBare, 0},
      {"but no other vowel", yaladim, yeladimBare, -1},
      {"yod after vav with hiriq", viYerushalayim, viYerushalayimShva, 0},
      {"qamats for the patah variant", Davar(), davarPatahVariant, 0},
      {"not the reverse", davarPatahVariant, Davar(), -1},
      {"first letter dagesh either way", kol, kolDagesh, 0},
      {"first letter dagesh either way", kolDagesh, kol, 0},
      {"inner dagesh only in the reference", shabatNoDagesh, shabbat, 0},
      {"not in the tested word", shabbat, shabatNoDagesh, -1},
      {"last letter: dagesh added", rav, ravDagesh, 0},
      {"last letter: begadkefat dagesh not dropped", ravDagesh, rav, -1},
      {"last letter: other stray dagesh tolerated", elStrayDagesh, el, 0},
      {"lengths differ", kol, Shalom(), -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.result, CompareWordsPositional(c.a.L(), c.b.L(), c.a.V(), c.b.V())) << c.what;
  }
}

TEST(WordComparisons, PleneTolerant) {
  const PointedWord shalomPlene("שלום");
  const PointedWord shalomDefective("שָׁלֹם");
  const PointedWord shlm("שלם");
  const PointedWord shukPlene("שוק");
  const PointedWord shuk("שׁוּק");
  const PointedWord yaldaBare("ילדה");
  const PointedWord yalda("יַלְדָּה");
  // "high", with the furtive patah under the final he with mappiq.
  const PointedWord gavoah("גָּבֹהַּ");
  const PointedWord gavoahNoPatah("גָּבֹהּ");
  const PointedWord gavoahBare("גּבהּ");
  // "praise": the middle lamed with shva or, in some texts, hataf patah.
  const PointedWord halelu("הַלְלוּ");
  const PointedWord haleluHataf("הַלֲלוּ");
  // "noon": a qamats qatan written as qamats before hataf qamats, or holam.
  const PointedWord tsohorayim("צָהֳרַיִם");
  const PointedWord tsohorayimHolam("צֹהֳרַיִם");
  const PointedWord davarPatahVariant{{DaletDagesh, Qamats}, {Bet, PatahForQamats}, {Resh, 0}};
  const PleneCompareOptions tolerant;
  const PleneCompareOptions exactDagesh{true};
  const PleneCompareOptions aPointed{false, WordPointing::Pointed};
  const PleneCompareOptions aUnpointed{false, WordPointing::Unpointed};

  struct Case {
    const char* what;
    const PointedWord& a;
    const PointedWord& b;
    PleneCompareOptions options;
    int result;
  } const cases[] = {
      {"unpointed plene against pointed", shalomPlene, Shalom(), tolerant, 0},
      {"pointed defective against pointed plene", shalomDefective, Shalom(), tolerant, 0},
      {"unpointed without the vav", shlm, Shalom(), tolerant, -1},
      {"pointed against unpointed", Shalom(), shalomPlene, tolerant, -1},
      {"shuruk written as vav in A", shukPlene, shuk, tolerant, 0},
      {"shuruk written as vav in B", shuk, shukPlene, tolerant, 0},
      {"unpointed with a dagesh added", yaldaBare, yalda, tolerant, 0},
      {"unpointed, dagesh exact", yaldaBare, yalda, exactDagesh, -1},
      {"pointed final he must agree", gavoahNoPatah, gavoah, tolerant, -1},
      {"unpointed final he may not", gavoahBare, gavoah, tolerant, 0},
      {"unless the caller says A is pointed", gavoahBare, gavoah, aPointed, -1},
      {"nor a pointed one the caller calls unpointed", gavoahNoPatah, gavoah, aUnpointed, 0},
      {"shva against hataf", halelu, haleluHataf, tolerant, 0},
      {"hataf against shva", haleluHataf, halelu, tolerant, 0},
      {"holam against qamats before hataf qamats", tsohorayimHolam, tsohorayim, tolerant, 0},
      {"qamats for the patah variant", Davar(), davarPatahVariant, tolerant, 0},
      {"lengths differ", shuk, Shalom(), tolerant, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.result, CompareWordsPleneTolerant(c.a.L(), c.b.L(), c.a.V(), c.b.V(), c.options))
        << c.what;
  }
}

TEST(WordComparisons, UnpointedAndBareVav) {
  const PointedWord shalomPlene{
      {Shin, NoVowel}, {Lamed, ExplicitNoVowel}, {Vav, NoVowel}, {FinalMem, NoVowel}};
  EXPECT_EQ(1, IsUnpointed(shalomPlene.L(), shalomPlene.V()));
  EXPECT_EQ(0, IsUnpointed(Shalom().L(), Shalom().V()));
  EXPECT_EQ(1, IsBareVavAfterBareLetter(shalomPlene.L(), shalomPlene.V(), 2));
  EXPECT_EQ(0, IsBareVavAfterBareLetter(shalomPlene.L(), shalomPlene.V(), 1));
  EXPECT_EQ(0, IsBareVavAfterBareLetter(shalomPlene.L(), shalomPlene.V(), 0));
  // A vav with its own vowel is a consonant: mitsva pointed only on the vav.
  const PointedWord mitsva("מצוָה");
  EXPECT_EQ(0, IsBareVavAfterBareLetter(mitsva.L(), mitsva.V(), 2));
  // Nor is the vav bare after a pointed letter: the letter name vav.
  const PointedWord vav("וָו");
  EXPECT_EQ(0, IsBareVavAfterBareLetter(vav.L(), vav.V(), 1));
}

}  // namespace
