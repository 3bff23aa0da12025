// The letter-level rules of generated forms taken one by one: stress marks,
// plene respelling, the Hitpael rewrite and the vav-inversive rule.
#include <gtest/gtest.h>

#include "hebtext/core/HebChar.h"
#include "lexicon/core/FormStress.h"
#include "lexicon/core/HitpaelRewrite.h"
#include "lexicon/core/PleneSpelling.h"
#include "lexicon/core/VavInversive.h"
#include "lexicon/tests/core/ModelVerbGrammar.h"

using lextest::Canonical;
using lextest::PlanesOf;
using lextest::Utf8Of;

namespace {

int StressedPosition(const FormPlanes& form) {
  for (int i = 0; i < form.length; ++i)
    if (IsStressedVowel(form.vowels[i])) return i;
  return -1;
}

TEST(FormStress, CodesPlaceOrClearTheMark) {
  FormPlanes form = PlanesOf("כָּתַבְתִּי");
  EXPECT_EQ(ApplyStressPosition(form.letters, form.vowels, kStressPenult), 1);
  EXPECT_EQ(StressedPosition(form), 1);
  EXPECT_EQ(ApplyStressPosition(form.letters, form.vowels, 102), 1);
  EXPECT_EQ(StressedPosition(form), 0);
  EXPECT_EQ(ApplyStressPosition(form.letters, form.vowels, kStressLast), 1);
  EXPECT_EQ(StressedPosition(form), -1);
  // Not a stress code: nothing changes.
  ApplyStressPosition(form.letters, form.vowels, kStressPenult);
  EXPECT_EQ(ApplyStressPosition(form.letters, form.vowels, 104), 0);
  EXPECT_EQ(ApplyStressPosition(form.letters, form.vowels, 99), 0);
  EXPECT_EQ(StressedPosition(form), 1);
}

TEST(FormStress, ShvaHatafAndATrailingSeparatorAreNoSyllables) {
  FormPlanes one = PlanesOf("כְּתֹב");
  EXPECT_EQ(ApplyStressPosition(one.letters, one.vowels, kStressPenult), 1);
  EXPECT_EQ(StressedPosition(one), -1);
  FormPlanes hataf = PlanesOf("אֲמַרְתֶּם");
  ApplyStressPosition(hataf.letters, hataf.vowels, 102);
  EXPECT_EQ(StressedPosition(hataf), -1);
  FormPlanes listed = PlanesOf("קָמָה");
  listed.Append(',', 0, 0);
  ApplyStressPosition(listed.letters, listed.vowels, kStressPenult);
  EXPECT_EQ(StressedPosition(listed), 0);
  EXPECT_EQ(IsSyllableVowel(HebCode::Shva), 0);
  EXPECT_EQ(IsSyllableVowel(HebCode::HatafPatah), 0);
  EXPECT_EQ(IsSyllableVowel(HebCode::ExplicitNoVowel), 0);
  EXPECT_EQ(IsSyllableVowel(HebCode::Segol), 1);
}

TEST(FormStress, AMarkAlreadyPlacedIsKept) {
  FormPlanes form = PlanesOf("קָמָה");
  form.vowels[0] = static_cast<BYTE>(AddStressMark(form.vowels[0]));
  BinyanRootRec record;
  BYTE entry[64] = {};
  EXPECT_EQ(DetermineStressPosition(form.letters, form.vowels, form.marks, 13, 0, record, entry, 0),
            kStressPenult);
  EXPECT_EQ(StressedPosition(form), 0);
  // With no syllable after it the mark is taken back.
  FormPlanes last = PlanesOf("קָם");
  last.vowels[0] = static_cast<BYTE>(AddStressMark(last.vowels[0]));
  EXPECT_EQ(DetermineStressPosition(last.letters, last.vowels, last.marks, 8, 0, record, entry, 0),
            kStressLast);
  EXPECT_EQ(StressedPosition(last), -1);
}

TEST(FormStress, RootSetsByBinyan) {
  BinyanRootRec record;
  record.rootId = 460;
  EXPECT_TRUE(IsRootInSetB(record, 0));
  EXPECT_FALSE(IsRootInSetA(record, 0));
  record.rootId = 518;
  EXPECT_FALSE(IsRootInSetB(record, 0));
  EXPECT_TRUE(IsRootInSetC(record, 0));
  record.rootId = 410;
  EXPECT_TRUE(IsRootInSetA(record, 5));
  record.rootId = 5200;
  EXPECT_TRUE(IsRootInSetC(record, 0));
  EXPECT_FALSE(IsRootInSetC(record, 7));
}

struct PleneCase {
  const char* pointed;
  int rootLetters, slot, binyan, yodDoubling;
  const char* plene;
};

TEST(PleneSpelling, VowelLettersAndDoubledConsonants) {
  const PleneCase cases[] = {
      {"סֻכָּה", 0, 0, 255, 1, "סוּכָּה"},            // qubuts: shuruk
      {"יִרְאֶה", 0, 0, 255, 1, "יִרְאֶה"},
      {"כֹּה", 0, 0, 255, 1, "כֹּה"},                 // holam before a final he stays
      {"שֹׁמֵר", 0, 0, 255, 1, "שׁוֹמֵר"},
      {"דִּבֵּר", 3, 5, 2, 1, "דִּיבֵּר"},            // Piel past: yod after hiriq
      {"דִּבַּרְתִּי", 3, 5, 2, 1, "דִּיבַּרְתִּי"},
      {"כִּתְּבוּ", 3, 13, 0, 1, "כִּתְּבוּ"},          // never in Paal
      {"צִוָּה", 3, 8, 2, 1, "צִיוָּוה"},              // consonantal vav doubled
      {"מִוֵּה", 0, 0, 255, 1, "מִוֵּוה"},
      {"שָׁוְא", 0, 0, 255, 1, "שָׁוְוא"},
      {"תָּווֹ", 0, 0, 255, 1, "תָּווֹ"},              // not beside another vav
      {"עָיֵף", 0, 0, 255, 1, "עָיֵיף"},              // consonantal yod doubled
      {"עָיֵף", 0, 0, 255, 0, "עָיֵף"},               // unless the flag is off
      {"מִתְקַיְּמִים", 3, 3, 4, 1, "מִתְקַיְּימִים"},  // Hitpael: the doubled yod twice
      {"קִיְּמָה", 3, 9, 2, 1, "קִיְּימָה"},          // no yod for the hiriq before it
      {"נִגְּשָׁה", 3, 9, 1, 1, "נִיגְּשָׁה"},        // Nifal hiriq before a doubled letter
      {"נִכְתְּבָה", 3, 9, 1, 1, "נִכְתְּבָה"},       // but not before a closed syllable
  };
  for (const PleneCase& c : cases) {
    SCOPED_TRACE(c.pointed);
    FormPlanes form = PlanesOf(c.pointed);
    ConvertToPleneSpelling(c.rootLetters, form, c.slot, c.binyan, 0, c.yodDoubling);
    EXPECT_EQ(Utf8Of(form), Canonical(c.plene));
  }
}

TEST(PleneSpelling, QubutsBeforeAVowelVavStays) {
  FormPlanes form = PlanesOf("כֻּכ");
  form.letters[1] = HebCode::Vav;
  form.vowels[1] = HebCode::Shuruk;
  ConvertToPleneSpelling(0, form, 0, 255, 0, 1);
  EXPECT_EQ(form.vowels[0], HebCode::Qubuts);
}

TEST(PleneSpelling, InsertedLettersHaveNoVowelAndNoMark) {
  FormPlanes form = PlanesOf("דִּבֵּר");
  for (int i = 0; i < form.length; ++i) form.marks[i] = static_cast<BYTE>(i + 1);
  ConvertToPleneSpelling(3, form, 8, 2, 0, 1);
  ASSERT_EQ(form.length, 4);
  EXPECT_EQ(form.letters[1], HebCode::Yod);
  EXPECT_EQ(form.vowels[1], 0);
  EXPECT_EQ(form.marks[1], 0);
  EXPECT_EQ(form.marks[2], 2);
}

struct HitpaelCase {
  const char* form;
  int slot, rootId, level;
  const char* rewritten;
};

TEST(HitpaelRewrite, PrefixTavSwappedOrAssimilated) {
  const HitpaelCase cases[] = {
      {"הִתְשַׂכֵּל", 8, 1, 0, "הִשְׂתַּכֵּל"},      // sibilant before the tav
      {"הִתְסַדֵּר", 8, 1, 0, "הִסְתַּדֵּר"},
      {"הִתְזַקֵּן", 8, 1, 0, "הִזְדַּקֵּן"},        // zayin: dalet
      {"הִתְצַדֵּק", 8, 1, 0, "הִצְטַדֵּק"},         // tsadi: tet
      {"הִתְטַהֵר", 8, 1, 0, "הִטַּהֵר"},            // tet: doubled, no tav
      {"הִתְדַּבֵּר", 8, 1, 0, "הִדַּבֵּר"},
      {"הִתְדַּפֵּק", 8, 403, 0, "הִתְדַּפֵּק"},       // a class that keeps the tav
      {"הִתְלַבֵּשׁ", 8, 1, 0, "הִתְלַבֵּשׁ"},
      {"הִתְלַבֵּשׁ", 8, 361, 1, "נִתְלַבֵּשׁ"},       // root 361: the nun only in alternative 1
      {"הִתְלַבֵּשׁ", 8, 361, 0, "הִתְלַבֵּשׁ"},
      {"יִתְלַבֵּשׁ", 17, 361, 1, "יִתְלַבֵּשׁ"},      // and only in the past
  };
  for (const HitpaelCase& c : cases) {
    SCOPED_TRACE(c.form);
    FormPlanes form = PlanesOf(c.form);
    RewriteHitpaelForm(form, c.slot, c.rootId, c.level);
    EXPECT_EQ(Utf8Of(form), Canonical(c.rewritten));
  }
}

TEST(HitpaelRewrite, ShortFormsAreLeftAlone) {
  FormPlanes form = PlanesOf("הִת");
  RewriteHitpaelForm(form, 8, 1, 0);
  EXPECT_EQ(Utf8Of(form), Canonical("הִת"));
}

// The vav-inversive rule on forms of no particular verb (root id 1, a
// regular class).
class VavInversiveRule : public ::testing::Test {
 protected:
  std::string Apply(const char* form, int slot, int binyan) {
    FormPlanes work = PlanesOf(form), out;
    WORD changed = 0;
    bool end = false;
    BinyanRootRec record;
    record.rootId = 1;
    BYTE entry[64] = {};
    int written = ApplyVavInversiveRule(context, 0, work, out, changed, GetTenseGroup(slot), slot,
                                        binyan, record, entry, end);
    EXPECT_EQ(written, out.length);
    return Utf8Of(out);
  }
  GrammarContext context;
};

TEST_F(VavInversiveRule, PastConjunctionByTheFirstLetter) {
  EXPECT_EQ(Apply("יְשַׁבְתֶּם", 11, 0), Canonical("וִישַׁבְתֶּם"));    // yod with shva
  EXPECT_EQ(Apply("אֲכַלְתֶּם", 11, 0), Canonical("וַאֲכַלְתֶּם"));      // hataf: its vowel
  EXPECT_EQ(Apply("כָּתַבְתִּי", 5, 0), Canonical("וְכָתַבְתִּי"));       // dagesh dropped
  EXPECT_EQ(Apply("מָכַרְתִּי", 5, 0), Canonical("וּמָכַרְתִּי"));       // labial: shuruk
  EXPECT_EQ(Apply("כְּתַבְתֶּם", 11, 0), Canonical("וּכְתַבְתֶּם"));     // shva: shuruk
}

TEST_F(VavInversiveRule, FutureConjunctionAndDoubling) {
  EXPECT_EQ(Apply("אֶכְתֹּב", 14, 2), Canonical("וָאֶכְתֹּב"));
  EXPECT_EQ(Apply("תִּכְתֹּב", 15, 2), Canonical("וַתִּכְתֹּב"));
  EXPECT_EQ(Apply("נִכְתֹּב", 18, 2), Canonical("וַנִּכְתֹּב"));
  EXPECT_EQ(Apply("יְדַבֵּר", 17, 2), Canonical("וַיְדַבֵּר"));
}

TEST_F(VavInversiveRule, AnEmptyAlternativeWritesNothing) {
  FormPlanes work = PlanesOf("כָּתַב"), out;
  work.Clear();
  work.Append(',', 0, 0);
  WORD changed = 0;
  bool end = false;
  BinyanRootRec record;
  BYTE entry[64] = {};
  EXPECT_EQ(ApplyVavInversiveRule(context, 1, work, out, changed, 1, 8, 0, record, entry, end), 0);
  EXPECT_EQ(out.length, 0);
}

}  // namespace
