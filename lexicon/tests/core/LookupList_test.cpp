// The lookup list's rules without its window: positioning over a list
// database through one open file, the word search that keeps its results
// when it finds nothing, the keys, the binyan menu and each mode's state.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "lexicon/core/LittleEndian.h"
#include "lexicon/core/LookupListRules.h"
#include "lexicon/core/LookupOrders.h"
#include "lexicon/core/LookupRecordFile.h"
#include "lexicon/core/LookupSearch.h"
#include "lexicon/core/WordFormSearch.h"
#include "lexicon/tests/core/DictionaryTestData.h"

namespace {

using namespace dicttest;
namespace File = DictionaryFile;

// Keyword files of records 0 .. n-1 whose keywords are given, in order,
// with their index: enough records to span several index blocks.
class KeywordFiles {
 public:
  explicit KeywordFiles(std::vector<std::string> keywords)
      : m_folder("lookup-keywords"), m_keywords(std::move(keywords)) {
    std::vector<BYTE> data(m_keywords.size() * kPackedDefinitionRecSize);
    for (size_t i = 0; i < m_keywords.size(); ++i)
      WriteU32LE(&data[i * kPackedDefinitionRecSize], static_cast<DWORD>(i));
    m_folder.Write(File::kListDefinitionData, data);
    m_folder.Write(File::kListDefinitionIndex,
                   IndexOfRecords(data, kPackedDefinitionRecSize, File::kDefinitionBlockBytes));
    m_renderer = [this](DWORD record, char* buffer, int size) {
      const std::string& word = m_keywords.at(record);
      return static_cast<int>(std::strlen(std::strncpy(buffer, word.c_str(), size - 1)));
    };
  }
  std::string Path(LPCSTR file) const {
    return static_cast<LPCSTR>(DictionaryFilePath(m_folder.Path().c_str(), file));
  }
  bool Open(LookupRecordFile& file) const {
    return file.Open(Path(File::kListDefinitionData).c_str(),
                     Path(File::kListDefinitionIndex).c_str());
  }
  long Find(LookupRecordFile& file, const std::string& typed) const {
    return file.FindRow(LookupKeywordOrder(m_renderer, typed));
  }
  const DatabaseFolder& Folder() const { return m_folder; }

 private:
  DatabaseFolder m_folder;
  std::vector<std::string> m_keywords;
  KeywordRenderer m_renderer;
};

// "A0000" ... in order, with a long run of "RUN" across a block boundary.
std::vector<std::string> ManyKeywords(int count, int runStart, int runLength) {
  std::vector<std::string> words;
  for (int i = 0; i < count; ++i) {
    char word[16];
    std::snprintf(word, sizeof word, "%c%04d", i < runStart ? 'A' : 'S', i);
    words.push_back(i >= runStart && i < runStart + runLength ? "RUN" : word);
  }
  return words;
}

TEST(LookupRecordFile, PositionsOnTheFirstRecordNotBelowTheText) {
  // 250 records a block; the run of equal keywords begins in block 2 and
  // reaches into block 3.
  const KeywordFiles files(ManyKeywords(1200, 700, 120));
  LookupRecordFile file(kPackedDefinitionRecSize, File::kDefinitionBlockBytes);
  ASSERT_TRUE(files.Open(file));
  EXPECT_EQ(1200u, file.RecordCount());
  const struct {
    std::string typed;
    long row;
  } cases[] = {
      {"", 0},       {"A0000", 0},    {"a0000", 0},    {"A0250", 250}, {"A02501", 251},
      {"A0699", 699}, {"RUN", 700},   {"run", 700},    {"RUM", 700},   {"RUNA", 820},
      {"S0820", 820}, {"S1199", 1199}, {"S9999", -1},  {"Z", -1},
  };
  for (const auto& c : cases) EXPECT_EQ(c.row, files.Find(file, c.typed)) << c.typed;
  BYTE record[kPackedDefinitionRecSize];
  EXPECT_TRUE(file.ReadRecord(1199, record));
  EXPECT_EQ(1199u, ReadU32LE(record));
  EXPECT_FALSE(file.ReadRecord(1200, record));
  EXPECT_EQ(0u, ReadU32LE(record));
}

TEST(LookupRecordFile, MissingFilesPositionNothing) {
  const KeywordFiles files(ManyKeywords(10, 5, 1));
  std::remove(files.Path(File::kListDefinitionIndex).c_str());
  LookupRecordFile file(kPackedDefinitionRecSize, File::kDefinitionBlockBytes);
  ASSERT_TRUE(files.Open(file));
  EXPECT_EQ(-1, files.Find(file, "A0000"));
  BYTE record[kPackedDefinitionRecSize];
  EXPECT_TRUE(file.ReadRecord(3, record));
  EXPECT_EQ(3u, ReadU32LE(record));

  LookupRecordFile missing(kPackedDefinitionRecSize, File::kDefinitionBlockBytes);
  EXPECT_FALSE(missing.Open((files.Folder().Path() + "/none.bin").c_str(), "none.idx"));
  EXPECT_EQ(0u, missing.RecordCount());
  EXPECT_EQ(-1, files.Find(missing, "A0000"));
  EXPECT_FALSE(missing.ReadRecord(0, record));
}

// The list database (verbs, prepositions, numbers) of a table of verb forms.
const std::vector<WordEntry> kListEntries = {
    {Verb(1, 0), "כְּתֹב"},   {Verb(1, 5), "כָּתַבְתִּי"}, {Verb(1, 8), "כָּתַב"},
    {Verb(2, 8), "שָׁמַר"},  {Verb(2, 0), "שְׁמֹר"},      {Verb(3, 8), "שָׁלַם"},
    {Verb(4, 8), "שִׁלֵּם"},  {Verb(5, 8), "אָכַל"},       {Verb(6, 8), "תָּפַס"},
    {Noun(7), "שָׁלוֹם"},
};

class ListDatabase {
 public:
  ListDatabase()
      : m_folder("lookup-list"), m_renderer(kListEntries),
        m_data(m_folder.Path().c_str(), m_renderer) {
    TableSource source(kListEntries);
    SilentBuildProgress progress;
    built = BuildWordDatabases(m_folder.Path().c_str(), source, m_renderer, progress).built;
    m_data.SetReady(true);
  }
  bool Open(LookupRecordFile& file) const {
    return file.Open(DictionaryFilePath(m_folder.Path().c_str(), File::kListWordData),
                     DictionaryFilePath(m_folder.Path().c_str(), File::kListWordIndex));
  }
  long Find(LookupRecordFile& file, const std::string& utf8) const {
    const HebWordRec typed = Typed(utf8);
    return file.FindRow(LookupWordOrder(m_renderer, typed.letters, typed.vowels));
  }
  // The word of the row, pointed UTF-8.
  std::string RowWord(LookupRecordFile& file, long row) const {
    BYTE bytes[kPackedWordRecSize];
    file.ReadRecord(static_cast<DWORD>(row), bytes);
    HebWordRec word{};
    m_renderer.Render(ReadWordRecordBytes(bytes), word.letters, word.vowels, kWordPlaneSize);
    return WordToUtf8(word);
  }
  LookupData& Data() { return m_data; }
  bool built = false;

 private:
  DatabaseFolder m_folder;
  TableRenderer m_renderer;
  LookupData m_data;
};

TEST(LookupRecordFile, HebrewListPositionsOnTheTypedWord) {
  ListDatabase db;
  ASSERT_TRUE(db.built);
  LookupRecordFile file(kPackedWordRecSize, File::kWordBlockBytes);
  ASSERT_TRUE(db.Open(file));
  // Verbs only: the noun is not in the list.
  EXPECT_EQ(9u, file.RecordCount());
  const struct {
    std::string typed, rowWord;
  } cases[] = {
      {"א", "אָכַל"},       {"כתב", "כָּתַב"},  {"כָּתַב", "כָּתַב"},  {"שלם", "שָׁלַם"},
      {"שִׁלֵּם", "שִׁלֵּם"}, {"שמ", "שָׁמַר"},   {"ת", "תָּפַס"},
  };
  for (const auto& c : cases) {
    const long row = db.Find(file, c.typed);
    ASSERT_GE(row, 0) << c.typed;
    EXPECT_EQ(WordToUtf8(Typed(c.rowWord)), db.RowWord(file, row)) << c.typed;
  }
  // Past the last word: nothing, which selects the last row.
  EXPECT_EQ(-1, db.Find(file, "תתת"));
  EXPECT_EQ(8, RowForPosition(db.Find(file, "תתת"), file.RecordCount()));
}

std::vector<DWORD> HitFields(const LookupResults& results) {
  std::vector<DWORD> fields;
  for (const SearchHit& hit : results.hits) fields.push_back(hit.record.fields);
  return fields;
}

TEST(LookupSearch, ASearchThatFindsNothingKeepsThePreviousResults) {
  ListDatabase db;
  ASSERT_TRUE(db.built);
  LookupResults results;
  ASSERT_TRUE(SearchLookupWord(db.Data(), Typed("וּכְשֶׁכָּתַבְתִּי"), results));
  ASSERT_EQ(1u, results.hits.size());
  EXPECT_EQ(Verb(1, 5).fields, results.hits[0].record.fields);
  EXPECT_EQ(3, results.hits[0].prefixLength);
  const std::vector<DWORD> before = HitFields(results);
  const std::string typedBefore = WordToUtf8(results.word);
  EXPECT_FALSE(SearchLookupWord(db.Data(), Typed("גגגג"), results));
  EXPECT_EQ(before, HitFields(results));
  EXPECT_EQ(typedBefore, WordToUtf8(results.word));
  // The noun is not in the list database.
  EXPECT_FALSE(SearchLookupWord(db.Data(), Typed("שָׁלוֹם"), results));
  // A search that finds something replaces them.
  ASSERT_TRUE(SearchLookupWord(db.Data(), Typed("שָׁמַר"), results));
  EXPECT_EQ(std::vector<DWORD>{Verb(2, 8).fields}, HitFields(results));
  EXPECT_EQ(WordToUtf8(Typed("שָׁמַר")), WordToUtf8(results.word));
}

TEST(LookupSearch, AHitIsShownAfterTheTypedPrefix) {
  const HebWordRec typed = Typed("וּכְשֶׁכָּתַבְתִּי");
  const HebWordRec hit = Typed("כָּתַבְתִּי");
  HebWordRec shown{};
  const int length = PrefixedHitWord(typed, 3, hit.letters, hit.vowels, shown.letters,
                                     shown.vowels, kWordPlaneSize);
  EXPECT_EQ(3 + 1 + 5, length);
  EXPECT_EQ('+', shown.letters[3]);
  EXPECT_EQ(0, shown.vowels[3]);
  EXPECT_EQ(0, std::memcmp(shown.letters, typed.letters, 3));
  EXPECT_EQ(0, std::memcmp(shown.letters + 4, hit.letters, 6));
  HebWordRec plain{};
  EXPECT_EQ(5, PrefixedHitWord(typed, 0, hit.letters, hit.vowels, plain.letters, plain.vowels,
                               kWordPlaneSize));
  EXPECT_EQ(0, std::memcmp(plain.letters, hit.letters, 6));
  // A short buffer holds what fits and its terminator.
  BYTE letters[4], vowels[4];
  EXPECT_EQ(3, PrefixedHitWord(typed, 3, hit.letters, hit.vowels, letters, vowels, 4));
  EXPECT_EQ(0, letters[3]);
}

TEST(LookupListRules, KeysMoveTheSelection) {
  // 100 rows, rows 10-19 visible.
  const struct {
    LookupListKey key;
    long selected, expected;
  } cases[] = {
      {kListKeyUp, 12, 11},      {kListKeyUp, 0, -1},        {kListKeyDown, 12, 13},
      {kListKeyDown, 99, -1},    {kListKeyHome, 50, 0},      {kListKeyEnd, 5, 99},
      {kListKeyPageUp, 15, 10},  {kListKeyPageUp, 10, 1},    {kListKeyPageUp, 5, 10},
      {kListKeyPageDown, 15, 19}, {kListKeyPageDown, 19, 28}, {kListKeyPageUp, -1, 10},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.expected, RowForListKey(c.key, c.selected, 10, 10, 100))
        << c.key << " from " << c.selected;
  EXPECT_EQ(99, RowForListKey(kListKeyPageDown, 95, 90, 10, 100));
  EXPECT_EQ(0, RowForListKey(kListKeyPageUp, 3, 3, 10, 100));
  EXPECT_EQ(-1, RowForListKey(kListKeyHome, -1, 0, 10, 0));
}

TEST(LookupListRules, PositionsSelectARow) {
  EXPECT_EQ(5, RowForPosition(5, 10));
  EXPECT_EQ(9, RowForPosition(-1, 10));
  EXPECT_EQ(9, RowForPosition(-2, 10));
  EXPECT_EQ(-1, RowForPosition(-1, 0));
}

TEST(LookupListRules, VerbKeywordsOfSeveralBinyanimOfferAMenu) {
  EXPECT_EQ(std::vector<int>{0}, MaskBinyanim(1));
  EXPECT_EQ((std::vector<int>{0, 2, 5}), MaskBinyanim(1 | 4 | 32));
  EXPECT_EQ("1 Kal", BinyanMenuLabel(1, 0));
  EXPECT_EQ("3 Hifil", BinyanMenuLabel(3, 5));
  const int tabs[] = {-1, 0, -1, 2, -1, -1, 3};
  for (int kind = 0; kind <= kKindNumber; ++kind) EXPECT_EQ(tabs[kind], GrammarTabForKind(kind));
}

TEST(LookupListRules, EachModeKeepsItsState) {
  LookupModeStates states;
  const auto fresh = states.Restore(kLookupSearchResults, 50, 70);
  EXPECT_EQ("", fresh.text);
  EXPECT_EQ(0, fresh.row);
  EXPECT_EQ(0, fresh.rowCount);
  states.Save(kLookupHebrewList, 12, "shalom");
  states.Save(kLookupSearchResults, 1, "typed");
  LookupResults results;
  results.hits.resize(3);
  states.SaveResults(results);
  states.Save(kLookupKeywordList, 40, "write");
  const struct {
    int mode;
    std::string text;
    long row, rowCount;
  } cases[] = {{kLookupHebrewList, "shalom", 12, 50},
               {kLookupSearchResults, "typed", 1, 3},
               {kLookupKeywordList, "write", 40, 70}};
  for (const auto& c : cases) {
    const auto state = states.Restore(c.mode, 50, 70);
    EXPECT_EQ(c.text, state.text);
    EXPECT_EQ(c.row, state.row);
    EXPECT_EQ(c.rowCount, state.rowCount);
  }
  EXPECT_EQ(3u, states.Results().hits.size());
}

}  // namespace
