// Reads damaged dictionary files: any bytes as MSPKDB.BIN (tiled up to a few
// blocks) and MSPKDB.IDX, searched for a typed word with every prefix length
// and spelling variant, and as MSPKDB.BIN and DEFIN.BIN from which the index
// and list files are derived. Records render to letters made from their
// bytes, so that unsorted files, runs of equal keys and indexes that do not
// match their data all occur. Nothing may read outside the files or the hit
// list, and a derived file holds whole records.
#include <fuzzer/FuzzedDataProvider.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "lexicon/core/DefinitionDatabaseBuild.h"
#include "lexicon/core/DictionaryFiles.h"
#include "lexicon/core/PackedDefinitionRecord.h"
#include "lexicon/core/RecordFiles.h"
#include "lexicon/core/WordFormSearch.h"

namespace {

constexpr int kMaxTiles = 4;
constexpr int kFirstLetter = 224;  // alef
constexpr int kLetterCount = 27;
constexpr int kVowelCount = 40;
constexpr int kFirstVowel = 192;  // shva

// Letters from the field word's bytes and vowels from the extra byte: a few
// letters, so that many records share a key.
class BytesRenderer : public WordRecordRenderer {
 public:
  int Render(const PackedWordRec& record, BYTE* letters, BYTE* vowels,
             int capacity) const override {
    const int length = std::min<int>(record.fields & 3, capacity - 1);
    for (int i = 0; i < length; ++i) {
      letters[i] =
          static_cast<BYTE>(kFirstLetter + (record.fields >> (8 * (i + 1))) % kLetterCount);
      vowels[i] = static_cast<BYTE>(kFirstVowel + (record.extra + i) % kVowelCount);
    }
    letters[length] = 0;
    vowels[length] = 0;
    return length;
  }
};

const std::string& Folder() {
  static const std::string folder = "/tmp/zulta-wordfuzz-" + std::to_string(getpid());
  static bool made = [] { return mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST; }();
  (void)made;
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  FuzzedDataProvider input(bytes, size);
  const int tiles = input.ConsumeIntegralInRange<int>(1, kMaxTiles);
  const std::vector<BYTE> word = input.ConsumeBytes<BYTE>(input.ConsumeIntegralInRange<int>(1, 12));
  const std::vector<BYTE> index =
      input.ConsumeBytes<BYTE>(input.ConsumeIntegralInRange<int>(0, 64));
  const std::vector<BYTE> chunk = input.ConsumeRemainingBytes<BYTE>();
  std::vector<BYTE> data;
  for (int t = 0; t < tiles; ++t)
    while (data.size() < (t + 1) * DictionaryFile::kWordBlockBytes && !chunk.empty())
      data.insert(data.end(), chunk.begin(), chunk.end());

  UserMessageList ignored;
  const CString folder = Folder().c_str();
  WriteRecordFile(DictionaryFilePath(folder, DictionaryFile::kWordData), data.data(), data.size(),
                  ignored);
  WriteRecordFile(DictionaryFilePath(folder, DictionaryFile::kWordIndex), index.data(),
                  index.size(), ignored);

  BytesRenderer renderer;
  LookupData lookup(folder, renderer);
  lookup.SetReady(true);
  HebWordRec typed{};
  for (size_t i = 0; i < word.size(); ++i) {
    typed.letters[i] = word[i] == 0 ? kFirstLetter : word[i];
    typed.vowels[i] = static_cast<BYTE>(kFirstVowel + word[i] % kVowelCount);
  }
  SearchHitList hits;
  FindWordForms(lookup, typed, hits, kTranscriptionSearch);
  FindWordFormsRetry(lookup, typed, hits, kLookupBarRetry);
  SortSearchHits(lookup, hits);
  if (hits.Count() > kMaxSearchHits) __builtin_trap();

  // The derived files of damaged data files.
  WriteRecordFile(DictionaryFilePath(folder, DictionaryFile::kDefinitionData), data.data(),
                  data.size(), ignored);
  for (bool (*derive)(LPCSTR, UserMessageList&) :
       {BuildDatabaseIndex, BuildLookupWordFile, BuildLookupWordIndex, BuildDefinitionIndex,
        BuildLookupDefinitionFile, BuildLookupDefinitionIndex})
    derive(folder, ignored);
  struct Derived {
    LPCSTR name;
    size_t recordSize;
  };
  for (const Derived& file :
       {Derived{DictionaryFile::kListWordData, kPackedWordRecSize},
        Derived{DictionaryFile::kListDefinitionData, kPackedDefinitionRecSize}}) {
    std::vector<BYTE> derived;
    if (ReadRecordFile(DictionaryFilePath(folder, file.name), derived) &&
        derived.size() % file.recordSize != 0)
      __builtin_trap();
  }
  return 0;
}
