// zlookup [--all] BIN-FOLDER WORD: the hits of the typed word (pointed or
// not, prefix letters and all) in the list database, as the lookup bar's word
// search finds and orders them, with the retry by similar vowels when it
// finds none; --all searches the full word database, as transcription does.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "Describe.h"
#include "lexicon/core/EntryTextRenderer.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/VerbFormText.h"
#include "lexicon/core/WordFormSearch.h"
#include "speech/core/PointedInput.h"

int main(int argc, char** argv) {
  const bool all = argc == 4 && std::strcmp(argv[1], "--all") == 0;
  if (argc != 3 && !all) {
    std::fprintf(stderr, "usage: zlookup [--all] BIN-FOLDER WORD\n");
    return 2;
  }
  const std::filesystem::path bin = std::filesystem::absolute(argv[argc - 2]).lexically_normal();
  const std::filesystem::path parent = (bin.has_filename() ? bin : bin.parent_path()).parent_path();
  std::string problem;
  const auto typed = PointedLettersFromUtf8(argv[argc - 1], &problem);
  if (!typed || typed->Last() < 0 || typed->Last() >= kWordPlaneSize - 1) {
    std::fprintf(stderr, "zlookup: not a word: %s\n", problem.c_str());
    return 2;
  }
  SetGrammarFolder(parent.string().c_str());
  const GrammarLoadResult loaded = LoadGrammarData();
  for (const UserMessage& message : loaded.messages)
    std::fprintf(stderr, "zlookup: %s\n", static_cast<LPCSTR>(message.text));
  if (!loaded.loaded) return 1;

  HebWordRec word = {};
  std::memcpy(word.letters, typed->L(), typed->Last() + 1);
  std::memcpy(word.vowels, typed->V(), typed->Last() + 1);
  EntryTextRenderer renderer;
  LookupData data(bin.string().c_str(), renderer);
  data.SetReady(true);
  SearchHitList hits;
  const auto start = std::chrono::steady_clock::now();
  if (all) {
    FindWordForms(data, word, hits, kTranscriptionSearch);
  } else if (!FindWordForms(data, word, hits, kLookupBarSearch)) {
    FindWordFormsRetry(data, word, hits, kLookupBarRetry);
  }
  SortSearchHits(data, hits);
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  for (const SearchHit& hit : hits.Hits()) {
    HebWordRec prefix = word;
    prefix.letters[hit.prefixLength] = 0;
    std::printf("%s\n", DescribeHit(renderer, hit, WordToUtf8(prefix)).c_str());
  }
  std::fprintf(stderr, "%d hits in %.2f ms\n", hits.Count(), ms);
  FreeGrammarData();
  return hits.Count() > 0 ? 0 : 1;
}
