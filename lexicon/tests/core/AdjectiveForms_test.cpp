// Adjective forms by class and suffix form: templates on the end of the
// word, the first letter's shva, compounds, alternatives from the class's
// following records, and indexes or rows that the tables lack.
#include "lexicon/core/AdjectiveForms.h"

#include <gtest/gtest.h>

#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/VerbFormText.h"
#include "lexicon/tests/core/GrammarSuite.h"
#include "lexicon/tests/core/ModelVerbGrammar.h"

namespace {

const char kAdjectives[] = R"(
# group 1: qamats, qamats
suffixform
suffixform 3:SHV 2:KAM 1:KAM ה
suffixform 3:SHV 2:KAM 1:HIR י ם
suffixform 3:SHV 2:KAM 1:HOL ת
# group 2: the end of the word only
suffixform
suffixform 1:KAM ה
suffixform 1:HIR י ם
suffixform 1:HOL ת
# group 3: the feminine in -it
suffixform
suffixform 1:HIR י ת
adjclass qatal 20 regular group=1 indexes=1-4
adjclass qatol 21 regular group=2 indexes=1-4 flags=1
adjclass two-feminines 22 regular group=2 indexes=1-4
  alternative group=3 indexes=2
)";

class AdjectiveFormsTest : public lextest::GrammarSuite<AdjectiveFormsTest> {
 public:
  static lextest::ModelVerbGrammar* MakeGrammar() {
    return new lextest::ModelVerbGrammar("adjforms",
                                         {{"adjectives.txt", kAdjectives}, {"words.txt", ""}});
  }

 protected:
  static std::string Inflect(const std::string& word, int id, int index) {
    FormPlanes planes = lextest::PlanesOf(word);
    AdjectiveTables tables = GetLoadedAdjectiveTables();
    HebWordRec form;
    bool built = BuildSuffixedForm(planes.letters, planes.vowels, id, index, tables,
                                   FindWordRecord(tables, id), form);
    EXPECT_EQ(built, form.letters[0] != 0);
    return WordToUtf8(form);
  }
};

struct AdjectiveCase {
  const char* word;
  int id;
  const char* forms[4];  // indexes 1-4; alternatives separated by ','
};

// clang-format off
const AdjectiveCase kCases[] = {
    {"חָדָשׁ", 20, {"חָדָשׁ", "חֲדָשָׁה", "חֲדָשִׁים", "חֲדָשׁוֹת"}},
    {"יָשָׁר", 20, {"יָשָׁר", "יְשָׁרָה", "יְשָׁרִים", "יְשָׁרוֹת"}},
    {"גָּדוֹל", 21, {"גָּדוֹל", "גְּדוֹלָה", "גְּדוֹלִים", "גְּדוֹלוֹת"}},
    // A compound inflects its first word.
    {"גָּדוֹל מְאֹד", 1021,
     {"גָּדוֹל מְאֹד", "גְּדוֹלָה מְאֹד", "גְּדוֹלִים מְאֹד", "גְּדוֹלוֹת מְאֹד"}},
    // The second record gives a second feminine.
    {"תִּיכוֹן", 22, {"תִּיכוֹן", "תִּיכוֹנָה,תִּיכוֹנִית", "תִּיכוֹנִים", "תִּיכוֹנוֹת"}},
};
// clang-format on

std::string Forms(const std::string& list) {
  std::string joined;
  for (size_t start = 0;;) {
    size_t comma = list.find(',', start);
    std::string part = list.substr(start, comma == std::string::npos ? comma : comma - start);
    if (start) joined += ',';
    if (!part.empty()) joined += lextest::Canonical(part);
    if (comma == std::string::npos) return joined;
    start = comma + 1;
  }
}

TEST_F(AdjectiveFormsTest, EachIndexTakesItsSuffixForm) {
  for (const AdjectiveCase& c : kCases)
    for (int index = 1; index <= 4; ++index) {
      EXPECT_EQ(Inflect(c.word, c.id, index), Forms(c.forms[index - 1]))
          << c.word << " index " << index;
    }
}

TEST_F(AdjectiveFormsTest, AnIndexTheClassLacksIsEmpty) {
  EXPECT_EQ(Inflect("חָדָשׁ", 20, 5), "");
  EXPECT_EQ(Inflect("חָדָשׁ", 20, 9), "");
  EXPECT_EQ(Inflect("חָדָשׁ", 20, 0), "");
  EXPECT_EQ(Inflect("חָדָשׁ", 99, 1), "");
}

TEST(AdjectiveRecords, ASuffixFormBeyondTheBlockGivesAnEmptyForm) {
  // A class whose group names rows 8-11 of a block of four.
  BYTE forms[4 * GrammarLayout::kSuffixFormRecSize] = {};
  BYTE classes[2 * GrammarLayout::kSuffixWordRecSize] = {5, 0, 3, 0, 0x0F, 0,
                                                         5, 0, 1, 0, 0x0F, 0};
  AdjectiveTables tables{forms, 4, classes, 1};
  FormPlanes word = lextest::PlanesOf("חָדָשׁ");
  HebWordRec form;
  for (int index = 1; index <= 4; ++index)
    EXPECT_FALSE(BuildSuffixedForm(word.letters, word.vowels, 5, index, tables, 0, form));
  // The run of records with the id ends at the table's end, not at the
  // record after it.
  tables.formCount = 4;
  classes[2] = 1;
  EXPECT_TRUE(BuildSuffixedForm(word.letters, word.vowels, 5, 1, tables, 0, form));
  EXPECT_EQ(WordToUtf8(form), lextest::Canonical("חָדָשׁ"));
}

}  // namespace
