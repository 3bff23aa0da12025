#include <gtest/gtest.h>

#include "hebtext/core/HebChar.h"
#include "lexicon/core/SearchVariants.h"
#include "lexicon/core/WordFormSearch.h"
#include "lexicon/tests/core/DictionaryTestData.h"

namespace word_search_test {

using namespace dicttest;
namespace File = DictionaryFile;

const std::vector<WordEntry> kEntries = {
    {Noun(1), "שָׁלוֹם"}, {Noun(2), "בַּיִת"}, {Verb(3, 0), "שְׁמֹר"}, {Verb(3, 5), "שָׁמַר"}, {Noun(4), "סֵפֶר"},
    {Noun(5), "יֶלֶד"},  {Noun(6), "דָּבָר"}, {Noun(7), "דִּבֵּר"},    {Noun(8), "סָפַר"},    {Noun(9), "שִׁיר"},
};

// A built database over a table of words, ready for searching.
class Database {
 public:
  Database(const std::string& name, const std::vector<WordEntry>& entries)
      : m_folder(name), m_renderer(entries), m_data(m_folder.Path().c_str(), m_renderer) {
    TableSource source(entries);
    SilentBuildProgress progress;
    m_built = BuildWordDatabases(m_folder.Path().c_str(), source, m_renderer, progress).built;
    m_data.SetReady(true);
  }
  bool Built() const { return m_built; }
  LookupData& Data() { return m_data; }
  const DatabaseFolder& Folder() const { return m_folder; }
  // The records found for the word, with their prefix lengths.
  std::vector<std::pair<DWORD, int>> Find(const std::string& utf8,
                                          WORD flags = kTranscriptionSearch) {
    SearchHitList hits;
    FindWordForms(m_data, Typed(utf8), hits, flags);
    std::vector<std::pair<DWORD, int>> found;
    for (const SearchHit& hit : hits.Hits()) found.push_back({hit.record.fields, hit.prefixLength});
    return found;
  }

 private:
  DatabaseFolder m_folder;
  TableRenderer m_renderer;
  LookupData m_data;
  bool m_built = false;
};

typedef std::vector<std::pair<DWORD, int>> Hits;

TEST(WordSearch, EveryRecordIsFoundBySearchingItsOwnText) {
  Database db("roundtrip", kEntries);
  ASSERT_TRUE(db.Built());
  for (const WordEntry& entry : kEntries) {
    const Hits hits = db.Find(entry.word);
    EXPECT_NE(hits.end(),
              std::find(hits.begin(), hits.end(), std::make_pair(entry.record.fields, 0)))
        << entry.word;
  }
}

TEST(WordSearch, PrefixesArePeeledAndTheirVowelsChecked) {
  Database db("prefix", kEntries);
  ASSERT_TRUE(db.Built());
  // clang-format off
  const struct {
    const char* typed;
    Hits hits;
  } cases[] = {
      {"וְשָׁלוֹם",  {{Noun(1).fields, 1}}},     // the conjunction before a letter with qamats
      {"ושלום",     {{Noun(1).fields, 1}}},     // unpointed prefix letters stand for any vowel
      {"הַשִּׁיר",    {{Noun(9).fields, 1}}},     // the article
      {"בַּשִּׁיר",    {{Noun(9).fields, 1}}},     // bet with the article's vowel
      {"הֶשִּׁיר",    {}},                         // the article takes no segol here
      {"לְסֵפֶר",    {{Noun(4).fields, 1}}},
      {"וּלְסֵפֶר",   {{Noun(4).fields, 2}}},
      {"בְּשָׁמַר",   {}},                         // a preposition stands before no past tense
      {"לִשְׁמֹר",   {{Verb(3, 0).fields, 1}}},  // but before the infinitive
  };
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(c.hits, db.Find(c.typed)) << c.typed;
}

TEST(WordSearch, AWordFoundAsTypedIsNotSearchedInItsVariants) {
  Database db("variants", kEntries);
  ASSERT_TRUE(db.Built());
  EXPECT_EQ(Hits({{Noun(4).fields, 0}}), db.Find("סֵפֶר"));
  // Hiriq without its yod finds the word written with it.
  EXPECT_EQ(Hits({{Noun(9).fields, 0}}), db.Find("שִׁר"));
}

TEST(WordSearch, SpellingVariantsOfTheTypedWord) {
  struct Case {
    const char* typed;
    int count;
    int firstChanged;
    const char* variant1;
  };
  // clang-format off
  const Case cases[] = {
      {"סֵפֶר",  1, 0, "סֵיפֶר"},   // a yod after the tsere
      {"שִׁיר",  1, 0, "שִׁר"},     // hiriq's yod dropped
      {"שֻׁלְחָן", 1, 0, "שׁוּלְחָן"}, // qubuts as shuruk
      {"דָּבָר",  0, 3, nullptr},
  };
  // clang-format on
  for (const Case& c : cases) {
    const HebWordRec word = Typed(c.typed);
    int first = -1;
    EXPECT_EQ(c.count, GetSearchVariant(word, &first, nullptr, 0)) << c.typed;
    EXPECT_EQ(c.firstChanged, first) << c.typed;
    if (c.variant1 == nullptr) continue;
    HebWordRec variant{};
    ASSERT_EQ(1, GetSearchVariant(word, nullptr, &variant, 1));
    const HebWordRec expected = Typed(c.variant1);
    EXPECT_STREQ(reinterpret_cast<const char*>(expected.letters),
                 reinterpret_cast<const char*>(variant.letters))
        << c.typed;
  }
  // A holam male takes two variant bits.
  int first = 0;
  EXPECT_EQ(3, GetSearchVariant(Typed("שָׁלוֹם"), &first, nullptr, 0));
}

TEST(WordSearch, TheRetryTakesVerbFormsWhoseVowelsAreOfTheTypedClass) {
  // One text as a past form, an imperative and a noun.
  const std::vector<WordEntry> entries = {
      {Verb(3, 5), "שָׁמַר"}, {Verb(5, 5), "לָמַד"}, {Verb(5, 22), "לָמַד"}, {Noun(8), "סָפַר"}};
  Database db("retry", entries);
  ASSERT_TRUE(db.Built());
  // The lookup bar's retry, over the word database that holds the noun too.
  constexpr WORD kRetry = kLookupBarRetry & ~kSearchListDatabase;
  // clang-format off
  const struct {
    const char* typed;
    Hits hits;
  } cases[] = {
      {"שָׁמַר",   {{Verb(3, 5).fields, 0}}},  // a qamats stands for its own class
      {"שֶׁמַר",   {}},                        // a segol asks for segol or tsere
      {"לָמַד",   {{Verb(5, 5).fields, 0}}},  // not the imperative
      {"סָפַר",   {}},                        // nor any other entry than a verb
      {"שְׁמַר",   {}},                        // nothing to loosen
      {"וְשָׁמַר",  {{Verb(3, 5).fields, 1}}},  // the classes are counted behind the prefix
  };
  // clang-format on
  for (const auto& c : cases) {
    SearchHitList hits;
    EXPECT_EQ(!c.hits.empty(), FindWordFormsRetry(db.Data(), Typed(c.typed), hits, kRetry))
        << c.typed;
    Hits found;
    for (const SearchHit& hit : hits.Hits()) found.push_back({hit.record.fields, hit.prefixLength});
    EXPECT_EQ(c.hits, found) << c.typed;
  }
}

TEST(WordSearch, ALongWordVariesOnlyInItsFirstPlaces) {
  // Twenty letters with hiriq: each could take a yod after it.
  constexpr int kLetters = 20;
  HebWordRec word{};
  for (int i = 0; i < kLetters; ++i) {
    word.letters[i] = HebCode::Bet;
    word.vowels[i] = HebCode::Hiriq;
  }
  int first = -1;
  const int count = GetSearchVariant(word, &first, nullptr, 0);
  EXPECT_EQ((1 << kMaxSearchVariantBits) - 1, count);
  EXPECT_EQ(0, first);
  HebWordRec variant{};
  EXPECT_EQ(0, GetSearchVariant(word, nullptr, &variant, count + 1));
  ASSERT_EQ(1, GetSearchVariant(word, nullptr, &variant, count));
  // Every one of the first places has its yod, the rest stand as typed.
  for (int i = 0; i < kLetters + kMaxSearchVariantBits; ++i) {
    const bool yod = i < 2 * kMaxSearchVariantBits && i % 2 == 1;
    EXPECT_EQ(yod ? HebCode::Yod : HebCode::Bet, variant.letters[i]) << i;
  }
}

TEST(WordSearch, ARunOfEqualKeysAcrossABlockBoundaryIsFoundWhole) {
  std::vector<WordEntry> entries;
  const DWORD recordsPerBlock = File::kWordBlockBytes / kPackedWordRecSize;
  // One word fills the first block but five; the run of ten crosses into the next.
  for (DWORD i = 0; i + 5 < recordsPerBlock; ++i) entries.push_back({Noun(100 + i), "אָב"});
  for (int i = 0; i < 10; ++i) entries.push_back({Noun(5000 + i), "בַּיִת"});
  Database db("run", entries);
  ASSERT_TRUE(db.Built());
  EXPECT_EQ(10u, db.Find("בַּיִת").size());
  // A longer run is cut at the list's capacity.
  SearchHitList hits;
  EXPECT_TRUE(SearchWordDatabase(db.Data(), Typed("אָב").letters, Typed("אָב").vowels, hits, 0, 0));
  EXPECT_EQ(kMaxSearchHits, hits.Count());
}

TEST(WordSearch, AnIndexThatDoesNotMatchItsDataIsNotTrusted) {
  Database db("index", kEntries);
  ASSERT_TRUE(db.Built());
  db.Folder().Write(File::kWordIndex, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  db.Data().FreeLookupData();
  ASSERT_NE(nullptr, db.Data().Database(0));
  EXPECT_EQ(IndexState::kRederived, db.Data().Database(0)->State());
  EXPECT_EQ(Hits({{Noun(4).fields, 0}}), db.Find("סֵפֶר"));

  // A data file cut inside a record is refused.
  std::vector<BYTE> data = db.Folder().Read(File::kWordData);
  data.pop_back();
  db.Folder().Write(File::kWordData, data);
  db.Data().FreeLookupData();
  EXPECT_EQ(nullptr, db.Data().Database(0));
  EXPECT_TRUE(db.Find("סֵפֶר").empty());
}

TEST(WordSearch, NothingIsFoundWhileTheDatabaseIsNotReady) {
  Database db("ready", kEntries);
  db.Data().SetReady(false);
  EXPECT_TRUE(db.Find("סֵפֶר").empty());
}

TEST(WordSearch, DuplicateHitsKeepTheFirstWithoutItsVariant) {
  SearchHitList hits;
  hits.Append({Noun(1, 3), 2});
  hits.Append({Noun(2), 0});
  hits.Append({Noun(1, 0), 1});
  hits.Append({Noun(1, 5), 0});
  EXPECT_EQ(2, DedupeHits(hits));
  EXPECT_EQ(Noun(1).fields, hits[0].record.fields);
  EXPECT_EQ(0, hits[0].record.extra);
  EXPECT_EQ(2, hits[0].prefixLength);
  EXPECT_EQ(Noun(2).fields, hits[1].record.fields);
}

TEST(WordSearch, HitsAreSortedOtherEntriesFirstThenByText) {
  Database db("sort", kEntries);
  SearchHitList hits;
  for (const PackedWordRec& r : {Verb(3, 5), Noun(6), Noun(1), Noun(4)}) hits.Append({r, 0});
  SortSearchHits(db.Data(), hits);
  // דבר (d) before ספר (o) before שלום (u); the verb last.
  EXPECT_EQ(Noun(6).fields, hits[0].record.fields);
  EXPECT_EQ(Noun(4).fields, hits[1].record.fields);
  EXPECT_EQ(Noun(1).fields, hits[2].record.fields);
  EXPECT_EQ(Verb(3, 5).fields, hits[3].record.fields);
}

}  // namespace word_search_test
