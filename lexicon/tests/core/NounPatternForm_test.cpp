// The noun-form builder on noun tables written for its rules: templates on
// the end of the word, person suffixes on either stem, built-in second
// forms, alternatives from following records, compounds, and records or
// patterns that point outside their tables.
#include "lexicon/core/NounPatternForm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <sstream>

#include "lexicon/core/DeclensionCells.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/VerbFormText.h"
#include "lexicon/tests/core/GrammarSuite.h"
#include "lexicon/tests/core/ModelVerbGrammar.h"

namespace noun_pattern_form_test {

using DeclensionCell::Construct;
using DeclensionCell::ConstructPlural;
using DeclensionCell::Plural;
using DeclensionCell::Singular;

const char kPatterns[] = R"(
nounpattern same 1
nounpattern plural-im 1:HIR י ם
nounpattern construct-plural-ei 1:TSE י
nounpattern plural-ot 1:HOL ת
nounpattern segolate-stem 3:PAT 2:SHV 1~
nounpattern segolate-plural 3:SHV 2:KAM 1-:HIR י ם
nounpattern segolate-construct-plural 3:PAT 2:SHV 1-:TSE י
nounpattern segolate-plural-stem 3:SHV 2:KAM 1-
nounpattern segolate-heavy-plural-stem 3:PAT 2:SHV 1-
nounpattern plural-ot-stem 1:HOL ת
nounpattern short-stem 2:PAT 1
nounpattern hiriq-stem 2:HIR 1
nounpattern doubled-hiriq-stem 2:HIR 1+
nounpattern segol-stem 2:SEG 1
nounpattern doubled-stem 1+
nounpattern rosh-construct-plural 3:KAM 2 1:TSE י
nounpattern qotel-plural 3:K_KAM 2:KAM 1:HIR י ם
)";

const char kTables[] = R"(
nountable plain 100 regular
  construct same
  plural plural-im
  construct-plural construct-plural-ei
  persons same cells=3-12 suffixes=0
  plural-persons same cells=3-12 suffixes=0
nountable segolate 101 regular
  construct same
  plural segolate-plural
  construct-plural segolate-construct-plural
  persons segolate-stem cells=3-12 suffixes=0
  plural-persons segolate-plural-stem cells=3-8 suffixes=0
  more-plural-persons segolate-heavy-plural-stem cells=9-12 suffixes=0
nountable plural-ot 102 regular
  plural plural-ot
  plural-persons plural-ot-stem cells=3-12 suffixes=0
nountable alternatives 103 regular
  persons same cells=3-12 suffixes=0
  alternative
  persons same cells=3-12 suffixes=0
  alternative singular-stem=3
  persons short-stem cells=3-12 suffixes=0
nountable pausal-hiriq 104 regular
  persons hiriq-stem cells=4 suffixes=0
nountable pausal-doubled 105 regular
  persons doubled-hiriq-stem cells=4 suffixes=0
nountable pausal-guttural 106 regular
  persons segol-stem cells=4 suffixes=0
nountable pausal-doubled-guttural 107 regular
  persons doubled-stem cells=4 suffixes=0
nountable after-hiriq 1200 yod-unit-after-hiriq
  plural plural-im
nountable stressed-plural 12 stress-construct-plural
  plural plural-im
nountable whole-compound 3425 compound
  plural qotel-plural
  construct-plural rosh-construct-plural
nountable without-construct 3480 no-construct
  construct same
  plural plural-im
  construct-plural construct-plural-ei
)";

class NounPatternFormTest : public lextest::GrammarSuite<NounPatternFormTest> {
 public:
  static lextest::ModelVerbGrammar* MakeGrammar() {
    return new lextest::ModelVerbGrammar(
        "nounform",
        {{"noun-patterns.txt", kPatterns}, {"noun-tables.txt", kTables}, {"words.txt", ""}});
  }

 protected:
  std::string Decline(const std::string& word, int id, int cell, int kind, int tableType) {
    FormPlanes planes = lextest::PlanesOf(word);
    NounPatternRequest request;
    request.letters = planes.letters;
    request.vowels = planes.vowels;
    request.nounTableId = static_cast<WORD>(id);
    request.patterns = GetNounPatternBlock().Data();
    request.patternCount = GetNounPatternCount();
    request.table = GetNounTableRun(context, id);
    request.kind = kind;
    request.cell = cell;
    request.tableType = tableType;
    HebWordRec form;
    bool built = BuildNounPatternForm(request, form);
    EXPECT_EQ(built, form.letters[0] != 0) << word << " cell " << cell;
    return WordToUtf8(form);
  }

  GrammarContext context;
};

// Each alternative written as it is typed, joined by ','.
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

struct CellCase {
  const char* word;
  int id;
  int cell;
  int kind;
  const char* forms;  // "" for an empty cell
};

// clang-format off
const CellCase kCellCases[] = {
    // The word itself, its templates, and each person cell on both stems.
    {"סוּס", 100, Singular, 1, "סוּס"},
    {"סוּס", 100, Construct, 1, "סוּס"},
    {"סוּס", 100, Plural, 1, "סוּסִים"},
    {"סוּס", 100, ConstructPlural, 1, "סוּסֵי"},
    {"סוּס", 100, 3, 1, "סוּסִי"},
    {"סוּס", 100, 4, 1, "סוּסְךָ,סוּסֶךָ"},
    {"סוּס", 100, 5, 1, "סוּסֵךְ"},
    {"סוּס", 100, 6, 1, "סוּסוֹ"},
    {"סוּס", 100, 7, 1, "סוּסָהּ"},
    {"סוּס", 100, 8, 1, "סוּסֵנוּ"},
    {"סוּס", 100, 9, 1, "סוּסְכֶם"},
    {"סוּס", 100, 10, 1, "סוּסְכֶן"},
    {"סוּס", 100, 11, 1, "סוּסָם"},
    {"סוּס", 100, 12, 1, "סוּסָן"},
    {"סוּס", 100, 3, 2, "סוּסַי"},
    {"סוּס", 100, 4, 2, "סוּסֶיךָ"},
    {"סוּס", 100, 5, 2, "סוּסַיִךְ"},
    {"סוּס", 100, 6, 2, "סוּסָיו"},
    {"סוּס", 100, 7, 2, "סוּסֶיהָ"},
    {"סוּס", 100, 8, 2, "סוּסֵינוּ"},
    {"סוּס", 100, 9, 2, "סוּסֵיכֶם"},
    {"סוּס", 100, 10, 2, "סוּסֵיכֶן"},
    {"סוּס", 100, 11, 2, "סוּסֵיהֶם"},
    {"סוּס", 100, 12, 2, "סוּסֵיהֶן"},
    // A segolate: back-references with and without dagesh, a final letter
    // made regular inside the word and final again at its end.
    {"מֶלֶךְ", 101, Construct, 1, "מֶלֶךְ"},
    {"מֶלֶךְ", 101, Plural, 1, "מְלָכִים"},
    {"מֶלֶךְ", 101, ConstructPlural, 1, "מַלְכֵי"},
    {"מֶלֶךְ", 101, 3, 1, "מַלְכִּי"},
    {"מֶלֶךְ", 101, 4, 1, "מַלְכְּךָ,מַלְכֶּךָ"},
    {"מֶלֶךְ", 101, 9, 1, "מַלְכְּכֶם"},
    {"מֶלֶךְ", 101, 3, 2, "מְלָכַי"},
    {"מֶלֶךְ", 101, 6, 2, "מְלָכָיו"},
    {"מֶלֶךְ", 101, 9, 2, "מַלְכֵיכֶם"},
    {"מֶלֶךְ", 101, 11, 2, "מַלְכֵיהֶם"},
    // Plurals in -ot: "their" also has the short form.
    {"דּוֹר", 102, Plural, 1, "דּוֹרוֹת"},
    {"דּוֹר", 102, 8, 2, "דּוֹרוֹתֵינוּ"},
    {"דּוֹר", 102, 11, 2, "דּוֹרוֹתֵיהֶם,דּוֹרוֹתָם"},
    // A cell without a pattern is the word itself; a person cell without
    // one has no form.
    {"דּוֹר", 102, Construct, 1, "דּוֹר"},
    {"דּוֹר", 102, 3, 1, ""},
    // The second record gives no alternative of "my", the third does: its
    // place stays empty between the two.
    {"סוּס", 103, 3, 1, "סוּסִי,,סַסִי"},
    {"סוּס", 103, 4, 1, "סוּסְךָ,סוּסֶךָ"},
    // The pausal "your": a hiriq before an undoubled letter and a segol give
    // way, on a guttural to hataf patah.
    {"בֵּן", 104, 4, 1, "בִּנְךָ,בְּנֶךָ"},
    {"בַּת", 105, 4, 1, "בִּתְּךָ,בִּתֶּךָ"},
    {"סוֹחֵר", 106, 4, 1, "סוֹחֶרְךָ,סוֹחֲרֶךָ"},
    {"עַם", 107, 4, 1, "עַמְּךָ,עַמֶּךָ"},
    // A letter with a quote mark is one unit: both are copied, the vowel
    // going to the letter.
    {"מַסָּג'", 100, Plural, 1, "מַסָּגִ'ים"},
    // A reference farther back than the word is long copies its first
    // letter.
    {"בֵּן", 101, 3, 1, "בַּבְּנִי"},
    // After hiriq a yod without vowel goes with its letter.
    {"עִבְרִי", 1200, Plural, 1, "עִבְרִים"},
    // A compound declines its first word and keeps the rest; it has no
    // construct forms.
    {"סוּס יָם", 100, Plural, 1, "סוּסֵי יָם"},
    {"סוּס יָם", 100, Construct, 1, ""},
    {"סוּס יָם", 100, ConstructPlural, 1, ""},
    // A compound declined again as a whole: its last word takes the cell
    // too.
    {"רֹאשׁ חֹדֶשׁ", 3425, Plural, 1, "רָאשֵׁי חֳדָשִׁים"},
    // Without construct forms the plural is the construct plural's form.
    {"סוּס", 3480, Plural, 1, "סוּסֵי"},
    {"סוּס", 3480, Construct, 1, ""},
};
// clang-format on

TEST_F(NounPatternFormTest, BuildsEachCellByItsTemplateAndSuffix) {
  for (const CellCase& c : kCellCases)
    EXPECT_EQ(Decline(c.word, c.id, c.cell, c.kind, TableType::Noun), Forms(c.forms))
        << c.word << " table " << c.id << " cell " << c.cell << " kind " << c.kind;
}

TEST_F(NounPatternFormTest, APrepositionIsNeverCutAsACompound) {
  EXPECT_EQ(Decline("סוּס יָם", 100, Plural, 1, TableType::Preposition), Forms("סוּס יָמִים"));
}

TEST_F(NounPatternFormTest, SomeTablesStressThePluralBeforeItsLastSyllable) {
  FormPlanes word = lextest::PlanesOf("יוֹם");
  NounPatternRequest request;
  request.letters = word.letters;
  request.vowels = word.vowels;
  request.nounTableId = 12;
  request.patterns = GetNounPatternBlock().Data();
  request.patternCount = GetNounPatternCount();
  request.table = GetNounTableRun(context, 12);
  request.cell = Plural;
  HebWordRec form;
  ASSERT_TRUE(BuildNounPatternForm(request, form));
  EXPECT_EQ(form.vowels[0], HebCode::StressedHolamMale);
  request.nounTableId = 100;  // the stress goes by the entry's id
  ASSERT_TRUE(BuildNounPatternForm(request, form));
  EXPECT_EQ(form.vowels[0], HebCode::HolamMale);
}

TEST_F(NounPatternFormTest, APrepositionHasNoPausalYour) {
  EXPECT_EQ(Decline("שֶׁל", 100, 4, 1, TableType::Preposition), Forms("שֶׁלְךָ"));
}

// Records and patterns made by hand: numbers beyond their blocks and runs
// that end at the block's end.
class NounPatternRecords : public ::testing::Test {
 protected:
  static constexpr int kRecordSize = GrammarLayout::kNounTableRecSize;

  void SetField(int record, int offset, WORD value) {
    records[record * kRecordSize + offset] = static_cast<BYTE>(value & 0xFF);
    records[record * kRecordSize + offset + 1] = static_cast<BYTE>(value >> 8);
  }
  HebWordRec Build(int cell, int kind, DWORD recordCount) {
    FormPlanes word = lextest::PlanesOf("סוּס");
    NounPatternRequest request;
    request.letters = word.letters;
    request.vowels = word.vowels;
    request.patterns = pattern;
    request.patternCount = 1;
    request.table = NounTableRun{records, recordCount};
    request.kind = kind;
    request.cell = cell;
    HebWordRec form;
    BuildNounPatternForm(request, form);
    return form;
  }

  BYTE pattern[GrammarLayout::kNounPatternRecSize] = {1, 0, 0, 0, 0, 0, 0, 1};
  BYTE records[3 * kRecordSize] = {};
};

TEST_F(NounPatternRecords, APatternNumberBeyondTheBlockGivesAnEmptyForm) {
  SetField(0, 6, 2);  // the plural's pattern: there is only one
  SetField(0, 8, 1);  // the construct's: the one there is
  EXPECT_EQ(Build(Plural, 1, 1).letters[0], 0);
  EXPECT_NE(Build(Construct, 1, 1).letters[0], 0);
  SetField(0, 6, 0xFFFF);  // a negative number
  EXPECT_EQ(Build(Plural, 1, 1).letters[0], 0);
}

TEST_F(NounPatternRecords, AlternativesStopAtTheEndOfTheRun) {
  for (int r = 0; r < 3; ++r) {
    SetField(r, 0, 7);
    SetField(r, 8, 1);
    SetField(r, 28, 1u << 11);  // each record says the next has a construct
  }
  EXPECT_EQ(WordToUtf8(Build(Construct, 1, 2)), Forms("סוּס,סוּס"));
  EXPECT_EQ(WordToUtf8(Build(Construct, 1, 3)), Forms("סוּס,סוּס,סוּס"));
}

TEST_F(NounPatternRecords, WithoutARecordOnlyCellsWithoutSuffixShowTheWord) {
  EXPECT_EQ(WordToUtf8(Build(Construct, 1, 0)), Forms("סוּס"));
  EXPECT_EQ(Build(3, 1, 0).letters[0], 0);
}

TEST_F(NounPatternRecords, AFormListEndsWithTheLastWholeFormThatFits) {
  // Three forms of a 30-letter word: two fit the plane's 69 letters with
  // their separator, the third is left out whole.
  for (int r = 0; r < 3; ++r) {
    SetField(r, 0, 7);
    SetField(r, 8, 1);
    SetField(r, 28, 1u << 11);
  }
  std::string longWord;
  for (int i = 0; i < 30; ++i) longWord += "סוּ";
  FormPlanes word = lextest::PlanesOf(longWord);
  NounPatternRequest request;
  request.letters = word.letters;
  request.vowels = word.vowels;
  request.patterns = pattern;
  request.patternCount = 1;
  request.table = NounTableRun{records, 3};
  request.cell = Construct;
  HebWordRec form;
  std::memset(&form, 0xAB, sizeof(form));
  BuildNounPatternForm(request, form);
  const size_t kTwoForms = 2 * 30 + 1;
  EXPECT_EQ(strnlen(reinterpret_cast<const char*>(form.letters), kWordPlaneSize), kTwoForms);
  EXPECT_EQ(form.letters[30], HebCode::Comma);
  EXPECT_EQ(std::count(form.letters, form.letters + kTwoForms, HebCode::Comma), 1);
}

}  // namespace noun_pattern_form_test
