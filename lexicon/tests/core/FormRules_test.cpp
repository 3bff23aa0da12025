// The letter-level rules of generated forms taken one by one: stress marks,
// plene respelling, the Hitpael rewrite and the vav-inversive rule.
#include <gtest/gtest.h>

#include "hebtext/core/HebChar.h"
#include "lexicon/core/Binyan.h"
#include "lexicon/core/FormSlots.h"
#include "lexicon/core/FormStress.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/HitpaelRewrite.h"
#include "lexicon/core/PleneSpelling.h"
#include "lexicon/core/VavInversive.h"
#include "lexicon/generated/ClassIds.h"
#include "lexicon/tests/core/ModelVerbGrammar.h"

using lextest::Canonical;
using lextest::PlanesOf;
using lextest::Utf8Of;
using namespace FormSlot;

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
  EXPECT_EQ(ApplyStressPosition(form.letters, form.vowels, kStressAntepenult), 1);
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
  ApplyStressPosition(hataf.letters, hataf.vowels, kStressAntepenult);
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
  EXPECT_EQ(DetermineStressPosition(form.letters, form.vowels, form.marks, Past3p, Binyan::Paal,
                                    record, entry, 0),
            kStressPenult);
  EXPECT_EQ(StressedPosition(form), 0);
  // With no syllable after it the mark is taken back.
  FormPlanes last = PlanesOf("קָם");
  last.vowels[0] = static_cast<BYTE>(AddStressMark(last.vowels[0]));
  EXPECT_EQ(DetermineStressPosition(last.letters, last.vowels, last.marks, Past3ms, Binyan::Paal,
                                    record, entry, 0),
            kStressLast);
  EXPECT_EQ(StressedPosition(last), -1);
}

// The sets are the registry's set-a, set-b and set-c ranges of the binyan.
TEST(FormStress, RootSetsByBinyan) {
  struct Case {
    int binyan;
    WORD id;
    bool a, b, c;
  } cases[] = {
      {Binyan::Paal, 460, false, true, false},
      {Binyan::Paal, 517, false, true, false},
      {Binyan::Paal, 518, false, false, true},
      {Binyan::Paal, 5200, false, false, true},
      {Binyan::Hifil, 410, true, false, false},
      {Binyan::Hifil, 411, false, false, false},
      // A range that runs to the last class id (8191) takes every word above.
      {Binyan::Paal, 0xFFFF, false, false, true},
      {Binyan::Nifal, 0x9000, false, false, true},
      {Binyan::Piel, 0xFFFF, false, false, false},
      {GrammarLayout::kShortFutureRow, 5200, false, false, false},
  };
  for (const Case& c : cases) {
    BinyanRootRec record;
    record.rootId = c.id;
    EXPECT_EQ(IsRootInSetA(record, c.binyan), c.a) << c.binyan << " " << c.id;
    EXPECT_EQ(IsRootInSetB(record, c.binyan), c.b) << c.binyan << " " << c.id;
    EXPECT_EQ(IsRootInSetC(record, c.binyan), c.c) << c.binyan << " " << c.id;
  }
}

constexpr int kNoVerb = PleneOptions::kNotAVerb;

struct PleneCase {
  const char* pointed;
  int rootLetters, slot, binyan;
  bool doubleYod;
  const char* plene;
};

PleneOptions OptionsOf(int rootLetters, int slot, int binyan, bool doubleYod = true) {
  PleneOptions options;
  options.rootLetters = rootLetters;
  options.slot = slot;
  options.binyan = binyan;
  options.doubleYod = doubleYod;
  return options;
}

TEST(PleneSpelling, VowelLettersAndDoubledConsonants) {
  const PleneCase cases[] = {
      {"סֻכָּה", 0, Infinitive, kNoVerb, true, "סוּכָּה"},  // qubuts: shuruk
      {"יִרְאֶה", 0, Infinitive, kNoVerb, true, "יִרְאֶה"},
      {"כֹּה", 0, Infinitive, kNoVerb, true, "כֹּה"},  // holam before a final he stays
      {"שֹׁמֵר", 0, Infinitive, kNoVerb, true, "שׁוֹמֵר"},
      {"דִּבֵּר", 3, Past1s, Binyan::Piel, true, "דִּיבֵּר"},  // Piel past: yod after hiriq
      {"דִּבַּרְתִּי", 3, Past1s, Binyan::Piel, true, "דִּיבַּרְתִּי"},
      {"כִּתְּבוּ", 3, Past3p, Binyan::Paal, true, "כִּתְּבוּ"},   // never in Paal
      {"צִוָּה", 3, Past3ms, Binyan::Piel, true, "צִיוָּוה"},  // consonantal vav doubled
      {"מִוֵּה", 0, Infinitive, kNoVerb, true, "מִוֵּוה"},
      {"שָׁוְא", 0, Infinitive, kNoVerb, true, "שָׁוְוא"},
      {"תָּווֹ", 0, Infinitive, kNoVerb, true, "תָּווֹ"},   // not beside another vav
      {"עָיֵף", 0, Infinitive, kNoVerb, true, "עָיֵיף"},  // consonantal yod doubled
      {"עָיֵף", 0, Infinitive, kNoVerb, false, "עָיֵף"},  // unless the flag is off
      // Hitpael: the doubled yod twice
      {"מִתְקַיְּמִים", 3, PresentMp, Binyan::Hitpael, true, "מִתְקַיְּימִים"},
      {"קִיְּמָה", 3, Past3fs, Binyan::Piel, true, "קִיְּימָה"},    // no yod for the hiriq before it
      {"נִגְּשָׁה", 3, Past3fs, Binyan::Nifal, true, "נִיגְּשָׁה"},   // Nifal hiriq before a doubled letter
      {"נִכְתְּבָה", 3, Past3fs, Binyan::Nifal, true, "נִכְתְּבָה"},  // but not before a closed syllable
  };
  for (const PleneCase& c : cases) {
    SCOPED_TRACE(c.pointed);
    FormPlanes form = PlanesOf(c.pointed);
    ConvertToPleneSpelling(form, OptionsOf(c.rootLetters, c.slot, c.binyan, c.doubleYod));
    EXPECT_EQ(Utf8Of(form), Canonical(c.plene));
  }
}

TEST(PleneSpelling, QubutsBeforeAVowelVavStays) {
  FormPlanes form = PlanesOf("כֻּכ");
  form.letters[1] = HebCode::Vav;
  form.vowels[1] = HebCode::Shuruk;
  ConvertToPleneSpelling(form, PleneOptions());
  EXPECT_EQ(form.vowels[0], HebCode::Qubuts);
}

TEST(PleneSpelling, InsertedLettersHaveNoVowelAndNoMark) {
  FormPlanes form = PlanesOf("דִּבֵּר");
  for (int i = 0; i < form.length; ++i) form.marks[i] = static_cast<BYTE>(i + 1);
  ConvertToPleneSpelling(form, OptionsOf(3, Past3ms, Binyan::Piel));
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
  constexpr int kNunFirstOnly = 361;
  static_assert(ClassIds::Contains(ClassIds::kHitpaelPrefixNunFirstOnly, kNunFirstOnly), "");
  const HitpaelCase cases[] = {
      {"הִתְשַׂכֵּל", Past3ms, 1, 0, "הִשְׂתַּכֵּל"},  // sibilant before the tav
      {"הִתְסַדֵּר", Past3ms, 1, 0, "הִסְתַּדֵּר"},
      {"הִתְזַקֵּן", Past3ms, 1, 0, "הִזְדַּקֵּן"},  // zayin: dalet
      {"הִתְצַדֵּק", Past3ms, 1, 0, "הִצְטַדֵּק"},  // tsadi: tet
      {"הִתְטַהֵר", Past3ms, 1, 0, "הִטַּהֵר"},   // tet: doubled, no tav
      {"הִתְדַּבֵּר", Past3ms, 1, 0, "הִדַּבֵּר"},
      {"הִתְדַּפֵּק", Past3ms, ClassIds::kHitpaelHitdapek, 0, "הִתְדַּפֵּק"},  // keeps the tav
      {"הִתְלַבֵּשׁ", Past3ms, 1, 0, "הִתְלַבֵּשׁ"},
      {"הִתְלַבֵּשׁ", Past3ms, kNunFirstOnly, 1, "נִתְלַבֵּשׁ"},  // the nun only in alternative 1
      {"הִתְלַבֵּשׁ", Past3ms, kNunFirstOnly, 0, "הִתְלַבֵּשׁ"},
      {"יִתְלַבֵּשׁ", Future3ms, kNunFirstOnly, 1, "יִתְלַבֵּשׁ"},  // and only in the past
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
  RewriteHitpaelForm(form, Past3ms, 1, 0);
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
  EXPECT_EQ(Apply("יְשַׁבְתֶּם", Past2mp, Binyan::Paal), Canonical("וִישַׁבְתֶּם"));  // yod with shva
  EXPECT_EQ(Apply("אֲכַלְתֶּם", Past2mp, Binyan::Paal), Canonical("וַאֲכַלְתֶּם"));  // hataf: its vowel
  EXPECT_EQ(Apply("כָּתַבְתִּי", Past1s, Binyan::Paal), Canonical("וְכָתַבְתִּי"));   // dagesh dropped
  EXPECT_EQ(Apply("מָכַרְתִּי", Past1s, Binyan::Paal), Canonical("וּמָכַרְתִּי"));   // labial: shuruk
  EXPECT_EQ(Apply("כְּתַבְתֶּם", Past2mp, Binyan::Paal), Canonical("וּכְתַבְתֶּם"));  // shva: shuruk
}

TEST_F(VavInversiveRule, FutureConjunctionAndDoubling) {
  EXPECT_EQ(Apply("אֶכְתֹּב", Future1s, Binyan::Piel), Canonical("וָאֶכְתֹּב"));
  EXPECT_EQ(Apply("תִּכְתֹּב", Future2ms, Binyan::Piel), Canonical("וַתִּכְתֹּב"));
  EXPECT_EQ(Apply("נִכְתֹּב", Future1p, Binyan::Piel), Canonical("וַנִּכְתֹּב"));
  EXPECT_EQ(Apply("יְדַבֵּר", Future3ms, Binyan::Piel), Canonical("וַיְדַבֵּר"));
}

TEST_F(VavInversiveRule, AnEmptyAlternativeWritesNothing) {
  FormPlanes work = PlanesOf("כָּתַב"), out;
  work.Clear();
  work.Append(',', 0, 0);
  WORD changed = 0;
  bool end = false;
  BinyanRootRec record;
  BYTE entry[64] = {};
  EXPECT_EQ(ApplyVavInversiveRule(context, 1, work, out, changed, TenseGroup::Past, Past3ms,
                                  Binyan::Paal, record, entry, end),
            0);
  EXPECT_EQ(out.length, 0);
}

}  // namespace
