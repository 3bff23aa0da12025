// The dictionary built from the whole grammar of data/ (its real verbs) and
// searched again: every record of the word databases, rendered, is found by
// searching its own text. Natively every record of the word database is
// tried; under Wine, where the same test runs far slower, an even sample.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "lexicon/core/DatabaseBuildProgress.h"
#include "lexicon/core/DictionaryFiles.h"
#include "lexicon/core/EntryText.h"
#include "lexicon/core/EntryTextRenderer.h"
#include "lexicon/core/GrammarWordSource.h"
#include "lexicon/core/LookupOrders.h"
#include "lexicon/core/LookupSearch.h"
#include "lexicon/core/VerbFormText.h"
#include "lexicon/core/WordDatabaseSearch.h"
#include "lexicon/core/WordFormSearch.h"
#include "lexicon/tests/core/DictionaryTestData.h"
#include "lexicon/tests/core/ModelVerbGrammar.h"

namespace {

// How many records of a database are tried: 0 for all of them. The list
// database holds a subset of the word database's records, so a sample of
// it shows that its own files and index find them.
#ifdef _WIN32
constexpr size_t kWordSample = 2000;
constexpr size_t kListSample = 500;
#else
constexpr size_t kWordSample = 0;
constexpr size_t kListSample = 5000;
#endif
constexpr int kMissesShown = 10;

// The grammar and the databases built from it, once for the whole program
// (both test suites below use them).
class BuiltDictionary : public ::testing::Environment {
 public:
  void SetUp() override {
    grammar = new lextest::ModelVerbGrammar(
        "roundtrip", {{"verbs.txt", lextest::ReadText(lextest::SourceDir() + "/data/verbs.txt")}});
    folder = new dicttest::DatabaseFolder("roundtrip");
    renderer = new EntryTextRenderer;
    GrammarWordSource source(*renderer);
    SilentBuildProgress progress;
    built = grammar->loaded &&
            BuildWordDatabases(folder->Path().c_str(), source, *renderer, progress).built;
  }
  void TearDown() override {
    delete renderer;
    delete folder;
    delete grammar;
    renderer = nullptr;
    folder = nullptr;
    grammar = nullptr;
  }

  static lextest::ModelVerbGrammar* grammar;
  static dicttest::DatabaseFolder* folder;
  static EntryTextRenderer* renderer;
  static bool built;
};
lextest::ModelVerbGrammar* BuiltDictionary::grammar = nullptr;
dicttest::DatabaseFolder* BuiltDictionary::folder = nullptr;
EntryTextRenderer* BuiltDictionary::renderer = nullptr;
bool BuiltDictionary::built = false;
const auto* const kBuiltDictionary = ::testing::AddGlobalTestEnvironment(new BuiltDictionary);

int Length(const HebWordRec& word) {
  return static_cast<int>(std::strlen(reinterpret_cast<const char*>(word.letters)));
}

class DictionaryRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(BuiltDictionary::built); }

  // The records of the file, or an even sample of about sample of them.
  static std::vector<PackedWordRec> Records(LPCSTR file, size_t sample) {
    const std::vector<BYTE> bytes = BuiltDictionary::folder->Read(file);
    const size_t count = bytes.size() / kPackedWordRecSize;
    const size_t step = sample != 0 && count > sample ? count / sample : 1;
    std::vector<PackedWordRec> records;
    for (size_t i = 0; i < count; i += step)
      records.push_back(ReadWordRecordBytes(bytes.data() + i * kPackedWordRecSize));
    return records;
  }

  // Searches each record's own text in the database the flags name and
  // returns the records that were not among the hits, with their texts.
  std::string Misses(const std::vector<PackedWordRec>& records, WORD flags, int& misses) {
    LookupData data(BuiltDictionary::folder->Path().c_str(), *BuiltDictionary::renderer);
    data.SetReady(true);
    std::ostringstream shown;
    misses = 0;
    for (const PackedWordRec& record : records) {
      HebWordRec word = {};
      EntryTextOutput output;
      output.letters = word.letters;
      output.vowels = word.vowels;
      if (LookupEntryText(context, record.fields, record.extra, {}, output) == 0) {
        if (++misses <= kMissesShown) shown << "\n  renders nothing: " << std::hex << record.fields;
        continue;
      }
      SearchHitList hits;
      SearchWordDatabase(data, word.letters, word.vowels, hits, 0, flags);
      bool found = false;
      for (const SearchHit& hit : hits.Hits())
        found = found || (hit.record.fields == record.fields && hit.record.extra == record.extra);
      if (!found && ++misses <= kMissesShown) {
        shown << "\n  " << WordToUtf8(word, true) << " " << std::hex << record.fields << "/"
              << int(record.extra) << std::dec << " (" << hits.Count() << " hits)";
      }
    }
    return shown.str();
  }

  GrammarContext context;
};

// The word records are tried in slices, one test each, so that the test
// program's shards share them out.
constexpr size_t kWordSlices = 4;

class DictionaryRoundTripSlice : public DictionaryRoundTrip,
                                 public ::testing::WithParamInterface<size_t> {};

TEST_P(DictionaryRoundTripSlice, EveryWordRecordIsFoundByItsOwnText) {
  const std::vector<PackedWordRec> all = Records(DictionaryFile::kWordData, kWordSample);
  ASSERT_FALSE(all.empty());
  const size_t begin = all.size() * GetParam() / kWordSlices;
  const size_t end = all.size() * (GetParam() + 1) / kWordSlices;
  const std::vector<PackedWordRec> records(all.begin() + begin, all.begin() + end);
  int misses = 0;
  const std::string shown = Misses(records, 0, misses);
  EXPECT_EQ(misses, 0) << "of " << records.size() << shown;
}
INSTANTIATE_TEST_SUITE_P(WordDatabase, DictionaryRoundTripSlice, ::testing::Range<size_t>(0, kWordSlices));

TEST_F(DictionaryRoundTrip, EveryListRecordIsFoundByItsOwnText) {
  const std::vector<PackedWordRec> records = Records(DictionaryFile::kListWordData, kListSample);
  ASSERT_FALSE(records.empty());
  int misses = 0;
  const std::string shown = Misses(records, kSearchListDatabase, misses);
  EXPECT_EQ(misses, 0) << "of " << records.size() << shown;
}

// The lookup list's forms, as a reader types them: each kind of the list
// database sampled evenly, each form's search finds its record and the
// list positions on a row of the same word.
constexpr size_t kLookupSample = 200;

TEST_F(DictionaryRoundTrip, SampledFormsAreFoundAndPositionedOnByTheLookupList) {
  std::map<int, std::vector<PackedWordRec>> byKind;
  for (const PackedWordRec& record : Records(DictionaryFile::kListWordData, 0))
    byKind[DecodeWordRecord(record.fields, record.extra, nullptr)].push_back(record);
  ASSERT_EQ(3u, byKind.size());
  std::vector<PackedWordRec> sample;
  for (const auto& kind : byKind) {
    const std::vector<PackedWordRec>& records = kind.second;
    const size_t wanted = std::min(records.size(), kLookupSample / byKind.size() + 1);
    for (size_t i = 0; i < wanted; ++i) sample.push_back(records[i * records.size() / wanted]);
  }
  sample.resize(std::min(sample.size(), kLookupSample));
  ASSERT_EQ(kLookupSample, sample.size());

  const std::string folder = BuiltDictionary::folder->Path();
  LookupData data(folder.c_str(), *BuiltDictionary::renderer);
  data.SetReady(true);
  LookupRecordFile list(kPackedWordRecSize, DictionaryFile::kWordBlockBytes);
  ASSERT_TRUE(list.Open(DictionaryFilePath(folder.c_str(), DictionaryFile::kListWordData),
                        DictionaryFilePath(folder.c_str(), DictionaryFile::kListWordIndex)));
  for (const PackedWordRec& record : sample) {
    HebWordRec word = {};
    EntryTextOutput output;
    output.letters = word.letters;
    output.vowels = word.vowels;
    ASSERT_NE(0, LookupEntryText(context, record.fields, record.extra, {}, output));
    LookupResults results;
    ASSERT_TRUE(SearchLookupWord(data, word, results)) << WordToUtf8(word);
    bool found = false;
    for (const SearchHit& hit : results.hits) found = found || hit.record.fields == record.fields;
    EXPECT_TRUE(found) << WordToUtf8(word) << " " << std::hex << record.fields;

    const long row = list.FindRow(LookupWordOrder(*BuiltDictionary::renderer, word.letters,
                                                  word.vowels));
    ASSERT_GE(row, 0) << WordToUtf8(word);
    BYTE bytes[kPackedWordRecSize];
    ASSERT_TRUE(list.ReadRecord(static_cast<DWORD>(row), bytes));
    HebWordRec rowWord = {};
    BuiltDictionary::renderer->Render(ReadWordRecordBytes(bytes), rowWord.letters,
                                      rowWord.vowels, kWordPlaneSize);
    EXPECT_EQ(0, CompareEntryKeys(word.letters, word.vowels, Length(word), rowWord.letters,
                                  rowWord.vowels, Length(rowWord)))
        << WordToUtf8(word) << " at " << WordToUtf8(rowWord);
  }
}

// Nothing of the build depends on the run (the order of equal keys, memory
// left uninitialised): a second build writes the same bytes.
TEST_F(DictionaryRoundTrip, ASecondBuildWritesTheSameFiles) {
  dicttest::DatabaseFolder again("roundtrip-again");
  EntryTextRenderer& renderer = *BuiltDictionary::renderer;
  GrammarWordSource source(renderer);
  SilentBuildProgress progress;
  ASSERT_TRUE(BuildWordDatabases(again.Path().c_str(), source, renderer, progress).built);
  for (LPCSTR file : {DictionaryFile::kWordData, DictionaryFile::kWordIndex,
                      DictionaryFile::kListWordData, DictionaryFile::kListWordIndex})
    EXPECT_TRUE(BuiltDictionary::folder->Read(file) == again.Read(file)) << file;
}

}  // namespace
