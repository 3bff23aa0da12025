// The dictionary databases from the whole grammar: the full build of the
// word and definition databases (its time and the sizes of the files as
// counters) and the search of typed words sampled
// evenly from the built database, pointed as rendered and unpointed, with
// the mean and the 99th percentile of one lookup as counters; and the lookup
// list's keystroke to positioned list, a word of each list typed letter by
// letter, each keystroke positioning the list and reading its visible rows.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "lexicon/core/DefinitionDatabaseBuild.h"
#include "lexicon/core/DefinitionKeywords.h"
#include "lexicon/core/DictionaryFiles.h"
#include "lexicon/core/EntryTextRenderer.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarWordSource.h"
#include "lexicon/core/LittleEndian.h"
#include "lexicon/core/LookupListRules.h"
#include "lexicon/core/LookupOrders.h"
#include "lexicon/core/LookupRecordFile.h"
#include "lexicon/core/PackedDefinitionRecord.h"
#include "lexicon/core/RecordFiles.h"
#include "lexicon/core/WordFormSearch.h"

namespace {

constexpr int kSampledWords = 10000;
constexpr double kPercentile = 0.99;
constexpr int kTypedListWords = 500;
// The rows a list window shows and reads at each keystroke.
constexpr DWORD kVisibleRows = 20;

const std::string& Folder() {
  static const std::string folder = [] {
    const auto path = std::filesystem::temp_directory_path() / "zulta-dictionary-bench";
    std::filesystem::create_directories(path);
    return path.string();
  }();
  return folder;
}

bool LoadTables() {
  static const bool loaded = [] {
    SetGrammarFolder(ZULTA_GRAMMAR_FOLDER);
    return LoadGrammarData().loaded;
  }();
  return loaded;
}

bool Build() {
  EntryTextRenderer renderer;
  GrammarWordSource words(renderer);
  GrammarDefinitionSource definitions;
  SilentBuildProgress progress;
  return BuildWordDatabases(Folder().c_str(), words, renderer, progress).built &&
         BuildDefinitionDatabases(Folder().c_str(), definitions, DefinitionKeywordText, progress)
             .built;
}

double FileSize(LPCSTR name) {
  return static_cast<double>(
      std::filesystem::file_size(static_cast<LPCSTR>(DictionaryFilePath(Folder().c_str(), name))));
}

void BM_BuildDictionaryDatabases(benchmark::State& state) {
  if (!LoadTables()) return state.SkipWithError("no compiled grammar tables");
  for (auto _ : state) {
    if (!Build()) return state.SkipWithError("the build failed");
  }
  state.counters["MSPKDB_bytes"] = FileSize(DictionaryFile::kWordData);
  state.counters["HLCDB_bytes"] = FileSize(DictionaryFile::kListWordData);
  state.counters["DEFIN_bytes"] = FileSize(DictionaryFile::kDefinitionData);
  state.counters["HLCDEF_bytes"] = FileSize(DictionaryFile::kListDefinitionData);
  state.counters["records"] = FileSize(DictionaryFile::kWordData) / kPackedWordRecSize;
}
BENCHMARK(BM_BuildDictionaryDatabases)->Unit(benchmark::kMillisecond)->Iterations(1);

// Words of records spread evenly over the database, as rendered.
std::vector<HebWordRec> SampleWords(const WordRecordRenderer& renderer, bool unpointed) {
  std::vector<BYTE> data;
  ReadRecordFile(DictionaryFilePath(Folder().c_str(), DictionaryFile::kWordData), data);
  const size_t records = data.size() / kPackedWordRecSize;
  std::vector<HebWordRec> words;
  for (int i = 0; i < kSampledWords && records > 0; ++i) {
    const size_t at = static_cast<size_t>(i) * records / kSampledWords;
    HebWordRec word = {};
    renderer.Render(ReadWordRecordBytes(&data[at * kPackedWordRecSize]), word.letters, word.vowels,
                    kWordPlaneSize);
    if (unpointed) std::memset(word.vowels, 0, sizeof word.vowels);
    words.push_back(word);
  }
  return words;
}

void SetTimeCounters(benchmark::State& state, std::vector<double>& micros) {
  std::sort(micros.begin(), micros.end());
  double total = 0;
  for (double m : micros) total += m;
  state.counters["mean_us"] = micros.empty() ? 0 : total / micros.size();
  state.counters["p99_us"] =
      micros.empty() ? 0 : micros[static_cast<size_t>(kPercentile * (micros.size() - 1))];
}

void BM_LookupSampledWords(benchmark::State& state) {
  if (!LoadTables()) return state.SkipWithError("no compiled grammar tables");
  static const bool built = Build();
  if (!built) return state.SkipWithError("the build failed");
  EntryTextRenderer renderer;
  const std::vector<HebWordRec> words = SampleWords(renderer, state.range(0) != 0);
  std::vector<double> micros;
  int64_t found = 0;
  for (auto _ : state) {
    LookupData data(Folder().c_str(), renderer);
    data.SetReady(true);
    micros.clear();
    found = 0;
    for (const HebWordRec& word : words) {
      const auto start = std::chrono::steady_clock::now();
      SearchHitList hits;
      found += FindWordForms(data, word, hits, kTranscriptionSearch) ? 1 : 0;
      micros.push_back(
          std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
              .count());
    }
  }
  SetTimeCounters(state, micros);
  state.counters["found"] = static_cast<double>(found);
  state.SetItemsProcessed(static_cast<int64_t>(words.size()) * state.iterations());
}
BENCHMARK(BM_LookupSampledWords)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("unpointed")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// The texts typed into the lookup edit, one a keystroke: every first part
// of words spread evenly over the list database (mode 0, Hebrew) or of the
// keywords of the keyword list (mode 2).
std::vector<std::pair<HebWordRec, std::string>> TypedTexts(const WordRecordRenderer& renderer,
                                                           bool keywords) {
  std::vector<BYTE> data;
  ReadRecordFile(DictionaryFilePath(Folder().c_str(), keywords ? DictionaryFile::kListDefinitionData
                                                               : DictionaryFile::kListWordData),
                 data);
  const size_t size = keywords ? kPackedDefinitionRecSize : kPackedWordRecSize;
  const size_t records = data.size() / size;
  std::vector<std::pair<HebWordRec, std::string>> typed;
  for (int i = 0; i < kTypedListWords && records > 0; ++i) {
    const BYTE* record = &data[static_cast<size_t>(i) * records / kTypedListWords * size];
    HebWordRec word = {};
    char keyword[kEntryKeySize] = {};
    if (keywords)
      DefinitionKeywordText(ReadU32LE(record), keyword, kEntryKeySize);
    else
      renderer.Render(ReadWordRecordBytes(record), word.letters, word.vowels, kWordPlaneSize);
    const size_t length =
        keywords ? std::strlen(keyword) : std::strlen(reinterpret_cast<char*>(word.letters));
    for (size_t n = 1; n <= length; ++n) {
      HebWordRec part = {};
      std::memcpy(part.letters, word.letters, keywords ? 0 : n);
      std::memcpy(part.vowels, word.vowels, keywords ? 0 : n);
      typed.emplace_back(part, std::string(keyword, keywords ? n : 0));
    }
  }
  return typed;
}

void BM_LookupListKeystroke(benchmark::State& state) {
  if (!LoadTables()) return state.SkipWithError("no compiled grammar tables");
  static const bool built = Build();
  if (!built) return state.SkipWithError("the build failed");
  const bool keywords = state.range(0) == kLookupKeywordList;
  EntryTextRenderer renderer;
  const KeywordRenderer keywordRenderer = DefinitionKeywordText;
  const auto typed = TypedTexts(renderer, keywords);
  std::vector<double> micros;
  int64_t positioned = 0;
  for (auto _ : state) {
    LookupRecordFile list(keywords ? kPackedDefinitionRecSize : kPackedWordRecSize,
                          keywords ? DictionaryFile::kDefinitionBlockBytes
                                   : DictionaryFile::kWordBlockBytes);
    const std::string folder = Folder();
    if (!list.Open(DictionaryFilePath(folder.c_str(), keywords ? DictionaryFile::kListDefinitionData
                                                               : DictionaryFile::kListWordData),
                   DictionaryFilePath(folder.c_str(), keywords
                                                          ? DictionaryFile::kListDefinitionIndex
                                                          : DictionaryFile::kListWordIndex)))
      return state.SkipWithError("no list database");
    micros.clear();
    positioned = 0;
    for (const auto& text : typed) {
      const auto start = std::chrono::steady_clock::now();
      const long found =
          keywords ? list.FindRow(LookupKeywordOrder(keywordRenderer, text.second))
                   : list.FindRow(LookupWordOrder(renderer, text.first.letters, text.first.vowels));
      const long row = RowForPosition(found, static_cast<long>(list.RecordCount()));
      positioned += found >= 0 ? 1 : 0;
      // The rows the window then shows, each read and described.
      for (DWORD r = static_cast<DWORD>(row); r < row + kVisibleRows && r < list.RecordCount();
           ++r) {
        BYTE record[kPackedWordRecSize];
        list.ReadRecord(r, record);
        HebWordRec word = {};
        char keyword[kEntryKeySize];
        if (keywords)
          DefinitionKeywordText(ReadU32LE(record), keyword, kEntryKeySize);
        else
          renderer.Render(ReadWordRecordBytes(record), word.letters, word.vowels, kWordPlaneSize);
      }
      micros.push_back(
          std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
              .count());
    }
  }
  SetTimeCounters(state, micros);
  state.counters["keystrokes"] = static_cast<double>(typed.size());
  state.counters["positioned"] = static_cast<double>(positioned);
  state.SetItemsProcessed(static_cast<int64_t>(typed.size()) * state.iterations());
}
BENCHMARK(BM_LookupListKeystroke)
    ->Arg(kLookupHebrewList)
    ->Arg(kLookupKeywordList)
    ->ArgName("mode")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
