// Forms of verbs of the real index (data/verbs.txt) that once came out
// wrong: each verb must name the class that writes it as the grammar does,
// a verb with short future forms in two binyanim must have both, and
// plene spellings must mark doubled letters as the spelling rules do.
#include <gtest/gtest.h>

#include "hebtext/core/HebChar.h"
#include "lexicon/core/Binyan.h"
#include "lexicon/core/HebWordRec.h"
#include "lexicon/core/VerbFormGenerator.h"
#include "lexicon/core/VerbFormText.h"
#include "lexicon/tests/core/GrammarSuite.h"
#include "lexicon/tests/core/ModelVerbGrammar.h"

namespace {

class VerbIndexForms : public lextest::GrammarSuite<VerbIndexForms> {
 public:
  static lextest::ModelVerbGrammar* MakeGrammar() {
    return new lextest::ModelVerbGrammar(
        "index", {{"verbs.txt", lextest::ReadText(lextest::SourceDir() + "/data/verbs.txt")}});
  }

 protected:
  GrammarContext context;
};

struct IndexForm {
  const char* root;
  int binyan;
  int slot;
  const char* form;
  const char* afterVav;  // nullptr: the slot has no vav-inversive form
};

const IndexForm kIndexForms[] = {
    // Lamed-alef with a guttural second letter: patah before the hataf.
    {"מחא", 0, 23, "מַחֲאִי", nullptr},
    {"מחא", 0, 24, "מַחֲאוּ", nullptr},
    {"מחא", 0, 22, "מְחָא", nullptr},
    // Het first letter with a silent shva in the future.
    {"חגג", 0, 17, "יַחְגֹּג", "וַיַּחְגֹּג"},
    {"חגג", 0, 16, "תַּחְגְּגִי", "וַתַּחְגְּגִי"},
    {"חגג", 0, 0, "לַחְגֹּג", nullptr},
    // Pe-alef: segol under the prefix, patah before the guttural second.
    {"אהד", 0, 17, "יֶאֱהַד", "וַיֶּאֱהַד"},
    {"אהד", 0, 21, "יֶאֶהֱדוּ", "וַיֶּאֶהֱדוּ"},
    {"אהד", 0, 0, "לֶאֱהֹד", nullptr},
    {"אהד", 0, 23, "אֶהֱדִי", nullptr},
    // Hufal with a guttural first letter: qamats qatan and hataf qamats.
    {"עלה", 6, 8, "הָעֳלָה", nullptr},
    {"עלה", 6, 9, "הָעָלְתָה", nullptr},
    {"עלה", 6, 1, "מָעֳלֶה", nullptr},
    {"עלה", 6, 17, "יָעֳלֶה", nullptr},
    // Statives: a in the future, patah in the infinitive of שׁכב, tsere in
    // the present.
    {"חרב", 0, 17, "יֶחֱרַב", "וַיֶּחֱרַב"},
    {"חרב", 0, 16, "תֶּחֶרְבִי", "וַתֶּחֶרְבִי"},
    {"רבץ", 0, 17, "יִרְבַּץ", "וַיִּרְבַּץ"},
    {"שׁכב", 0, 0, "לִשְׁכַּב", nullptr},
    {"שׁכב", 0, 17, "יִשְׁכַּב", "וַיִּשְׁכַּב"},
    {"גדל", 0, 1, "גָּדֵל", nullptr},
    {"גדל", 0, 2, "גְּדֵלָה", nullptr},
    {"זקן", 0, 3, "זְקֵנִים", nullptr},
    {"גדל", 0, 17, "יִגְדַּל", "וַיִּגְדַּל"},
    {"שׂמח", 0, 1, "שָׂמֵחַ", nullptr},
    {"שׂבע", 0, 2, "שְׂבֵעָה", nullptr},
    // אמר: the infinitive without its alef.
    {"אמר", 0, 0, "לוֹמַר", nullptr},
    {"אמר", 0, 17, "יֹאמַר", "וַיֹּאמֶר"},
    // Geminates: the active present of the regular verb, qamats in the
    // stative, and the stative's future with the first letter doubled.
    {"סבב", 0, 1, "סוֹבֵב", nullptr},
    {"סבב", 0, 3, "סוֹבְבִים", nullptr},
    {"סבב", 0, 17, "יָסֹב", "וַיָּסָב"},
    {"תמם", 0, 1, "תָּם", nullptr},
    {"תמם", 0, 2, "תַּמָּה", nullptr},
    {"תמם", 0, 17, "יִתֹּם", "וַיִּתֹּם"},
    {"תמם", 0, 16, "תִּתֹּמִּי", "וַתִּתֹּמִּי"},
    // Short futures in Paal and Hifil alike.
    {"עלה", 0, 17, "יַעֲלֶה", "וַיַּעַל"},
    {"עלה", 5, 17, "יַעֲלֶה", "וַיַּעַל"},
    {"חנה", 5, 17, "יַחֲנֶה", "וַיַּחַן"},
    {"פנה", 0, 17, "יִפְנֶה", "וַיִּפֶן"},
    {"פנה", 5, 17, "יַפְנֶה", "וַיַּפֶן"},
    {"גלה", 5, 17, "יַגְלֶה", "וַיַּגֶל"},
    {"רבה", 5, 14, "אַרְבֶּה", "וָאַרֶב"},
    {"ראה", 0, 17, "יִרְאֶה", "וַיַּרְא"},
    {"ראה", 0, 14, "אֶרְאֶה", "וָאֵרֶא"},
    {"ראה", 5, 17, "יַרְאֶה", "וַיַּרְא"},
    {"היה", 0, 17, "יִהְיֶה", "וַיְהִי"},
    {"היה", 0, 15, "תִּהְיֶה", "וַתְּהִי"},
    {"היה", 0, 14, "אֶהְיֶה", "וָאֱהִי"},
    {"חיה", 0, 17, "יִחְיֶה", "וַיְחִי"},
    // Short forms ending in a cluster, and patah before a last guttural.
    {"שׁתה", 0, 17, "יִשְׁתֶּה", "וַיֵּשְׁתְּ"},
    {"בכה", 0, 15, "תִּבְכֶּה", "וַתֵּבְךְּ"},
    {"מחה", 0, 17, "יִמְחֶה", "וַיִּמַח"},
    {"טעה", 5, 17, "יַטְעֶה", "וַיַּטַע"},
    // Persons without a short form keep the long one.
    {"היה", 0, 21, "יִהְיוּ", "וַיִּהְיוּ"},
    // Nifal of pe-ayin lamed-he with patah; a hataf before a silent shva
    // becomes its short vowel.
    {"עשׂה", 1, 8, "נַעֲשָׂה", "וְנַעֲשָׂה"},
    {"עשׂה", 1, 9, "נַעַשְׂתָה", "וְנַעַשְׂתָה"},
    {"הנה", 1, 9, "נֶהֶנְתָה", "וְנֶהֶנְתָה"},
    // נבל is pe-nun in Paal.
    {"נבל", 0, 17, "יִבֹּל", "וַיִּבֹּל"},
    // Hifil geminate before resh: tsere for the dagesh.
    {"פרר", 5, 2, "מְפֵרָה", nullptr},
    {"פרר", 5, 9, "הֵפֵרָה", "וְהֵפֵרָה"},
    // A last root letter tav is taken into the tav of the suffix.
    {"זפת", 2, 5, "זִפַּתִּי", "וְזִפַּתִּי"},
    {"כמת", 3, 11, "כֻּמַּתֶּם", nullptr},
    {"כפת", 1, 7, "נִכְפַּתְּ", "וְנִכְפַּתְּ"},
    // A first dalet keeps the tav of the Hitpael beside a second yod.
    {"דין", 4, 8, "הִתְדַּיֵּן", "וְהִתְדַּיֵּן"},
    {"דין", 4, 17, "יִתְדַּיֵּן", "וַיִּתְדַּיֵּן"},
    // Sibilant and tsade first letters in Hitpael.
    {"סגף", 4, 8, "הִסְתַּגֵּף", "וְהִסְתַּגֵּף"},
    {"צמק", 4, 17, "יִצְטַמֵּק", "וַיִּצְטַמֵּק"},
    // Hifil hollow: hataf patah in the past 2mp.
    {"קום", 5, 11, "הֲקַמְתֶּם", "וַהֲקַמְתֶּם"},
    // ... and patah before a guttural (as in הַעִדֹתִי).
    {"עוף", 5, 11, "הַעַפְתֶּם", "וְהַעַפְתֶּם"},
    {"חושׁ", 5, 12, "הַחַשְׁתֶּן", "וְהַחַשְׁתֶּן"},
    // Hufal geminate before resh: qamats for the dagesh.
    {"פרר", 6, 2, "מוּפָרָה", nullptr},
    {"פרר", 6, 9, "הוּפָרָה", nullptr},
    {"פרר", 6, 21, "יוּפָרוּ", nullptr},
    // Lamed-he statives whose present is the adjective.
    {"רזה", 0, 1, "רָזֶה", nullptr},
    {"כלה", 0, 1, "כָּלֶה", nullptr},
    {"רוה", 0, 2, "רָוָה", nullptr},
    // נזק in Nifal: holam in the present and past, the pe-nun future.
    {"נזק", 1, 8, "נִזּוֹק", "וְנִזּוֹק"},
    {"נזק", 1, 2, "נִזּוֹקֶת", nullptr},
    {"נזק", 1, 17, "יִנָּזֵק", "וַיִּנָּזֵק"},
    // Hollow Nifal with the first letter doubled, as נזק.
    {"מול", 1, 8, "נִמּוֹל", "וְנִמּוֹל"},
    {"מול", 1, 17, "יִמּוֹל", "וַיִּמּוֹל"},
    // Pe-nun Nifal with a guttural third: patah before it.
    {"נטע", 1, 2, "נִטַּעַת", nullptr},
    {"נטע", 1, 7, "נִטַּעַתְּ", "וְנִטַּעַתְּ"},
    // Pe-yod Paal with a in the future and the active present.
    {"ינק", 0, 1, "יוֹנֵק", nullptr},
    {"ינק", 0, 17, "יִינַק", "וַיִּינַק"},
    {"ירק", 0, 17, "יִירַק", "וַיִּירַק"},
    {"ירק", 0, 0, "לִירֹק", nullptr},
    // Pe-yod Hifil keeping its yod, and a silent shva after a first alef.
    {"ינק", 5, 15, "תֵּינִיק", "וַתֵּינֶק"},
    {"יטב", 5, 8, "הֵיטִיב", "וְהֵיטִיב"},
    {"ישׁר", 5, 11, "הֵישַׁרְתֶּם", "וְהֵישַׁרְתֶּם"},
    {"אדם", 5, 8, "הֶאְדִּים", "וְהֶאְדִּים"},
    {"אדם", 5, 17, "יַאְדִּים", "וַיַּאְדֵּם"},
};

TEST_F(VerbIndexForms, FormsOfTheIndexAsTheGrammarWritesThem) {
  for (const IndexForm& c : kIndexForms) {
    SCOPED_TRACE(testing::Message() << c.root << " binyan " << c.binyan << " slot " << c.slot);
    const BYTE* entry = lextest::EntryOfRoot(c.root);
    ASSERT_NE(entry, nullptr);
    HebWordRec form = GenerateVerbForm(context, entry, c.binyan, c.slot);
    EXPECT_EQ(WordToUtf8(form), lextest::Canonical(c.form));
    HebWordRec inverted = VavInversiveVerbForm(context, entry, form);
    EXPECT_EQ(WordToUtf8(inverted), c.afterVav ? lextest::Canonical(c.afterVav) : std::string());
  }
}

// Paal verbs without a passive participle are restricted, so the
// dictionary holds none of their participle forms; verbs that have one keep
// it.
TEST_F(VerbIndexForms, PassiveParticiplesOnlyOfVerbsThatHaveThem) {
  const struct {
    const char* root;
    bool hasParticiple;
  } cases[] = {{"הלך", false}, {"נפל", false}, {"שׂמח", false}, {"רקד", false},
               {"כתב", true},  {"אבד", true},  {"עסק", true},  {"בטח", true}};
  for (const auto& c : cases) {
    const BYTE* entry = lextest::EntryOfRoot(c.root);
    ASSERT_NE(entry, nullptr) << c.root;
    HebWordRec form = GenerateVerbForm(context, entry, Binyan::Paal, FormSlot::ParticipleMs);
    WORD word = GetVerbBinyanWord(entry, Binyan::Paal);
    for (int slot = FormSlot::ParticipleMs; slot <= FormSlot::ParticipleFp; ++slot)
      EXPECT_EQ(SkipFormForDatabase(word, form.rootId, Binyan::Paal, slot, 0), !c.hasParticiple)
          << c.root << " slot " << slot;
  }
}

// A hataf vowel never stands before a shva: the shva closes the syllable,
// which takes the hataf's short vowel instead.
TEST_F(VerbIndexForms, NoHatafBeforeAShva) {
  for (int verb = 0; verb < GetVerbCount(); ++verb) {
    const BYTE* entry = GetVerbIndexEntry(verb);
    for (int binyan = 0; binyan < Binyan::kCount; ++binyan)
      for (int slot = 0; slot < FormSlot::Count; ++slot) {
        HebWordRec form = GenerateVerbForm(context, entry, binyan, slot);
        for (int i = 0; form.letters[i] && form.letters[i + 1]; ++i)
          EXPECT_FALSE(IsHatafVowel(form.vowels[i]) && IsShva(form.vowels[i + 1]))
              << WordToUtf8(form) << " binyan " << binyan << " slot " << slot;
      }
  }
}

// Plene spellings: a doubled yod is written twice and the hiriq before it
// takes no yod of its own; a hiriq before another doubled letter does.
const IndexForm kIndexPlene[] = {
    {"קום", 2, 9, "קִיְּימָה", nullptr},
    {"אים", 2, 13, "אִיְּימוּ", nullptr},
    {"קום", 4, 3, "מִתְקַיְּימִים", nullptr},
    {"בושׁ", 4, 9, "הִתְבַּיְּישָׁה", nullptr},
    {"סים", 4, 21, "יִסְתַּיְּימוּ", nullptr},
    // A Nifal hiriq before a doubled letter takes a yod.
    {"נגשׁ", 1, 9, "נִיגְּשָׁה", nullptr},
    {"נתן", 1, 13, "נִיתְּנוּ", nullptr},
    {"ילד", 1, 14, "אִיוָּולֵד", nullptr},
    {"כתב", 1, 9, "נִכְתְּבָה", nullptr},
};

TEST_F(VerbIndexForms, PleneSpellingOfDoubledLetters) {
  for (const IndexForm& c : kIndexPlene) {
    SCOPED_TRACE(testing::Message() << c.root << " binyan " << c.binyan << " slot " << c.slot);
    const BYTE* entry = lextest::EntryOfRoot(c.root);
    ASSERT_NE(entry, nullptr);
    HebWordRec form = GenerateVerbForm(context, entry, c.binyan, c.slot);
    EXPECT_EQ(WordToUtf8(PleneVerbForm(entry, form, 0)), lextest::Canonical(c.form));
  }
}

}  // namespace
