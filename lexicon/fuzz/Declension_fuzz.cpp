// Drives the noun-form builder, the adjective form builder, the object
// suffixes of verb forms and the pronominal-suffix builder of nouns and
// infinitive nouns with random words, patterns, records, cells, kinds,
// slots and persons: every form must end within the 69 letters of a
// word record, with nothing written behind it, and no table may be read
// beyond its records.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "lexicon/core/AdjectiveForms.h"
#include "lexicon/core/BinyanRootRec.h"
#include "lexicon/core/FormPlanes.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/HebWordRec.h"
#include "lexicon/core/InfinitiveNounForms.h"
#include "lexicon/core/NounPatternForm.h"
#include "lexicon/core/VerbObjectSuffix.h"

namespace {

using namespace GrammarLayout;

enum Builder : int { NounPattern, Adjective, VerbObjectSuffix, PronominalSuffix, kBuilders };

constexpr int kRootRoom = 11;

struct Word {
  BYTE letters[kWordPlaneSize] = {};
  BYTE vowels[kWordPlaneSize] = {};
};

Word TakeWord(FuzzedDataProvider& data) {
  Word word;
  int length = data.ConsumeIntegralInRange<int>(0, kWordPlaneSize - 1);
  for (int i = 0; i < length; ++i) {
    word.letters[i] = data.ConsumeIntegralInRange<BYTE>(1, 255);
    word.vowels[i] = data.ConsumeIntegral<BYTE>();
  }
  return word;
}

// count records of the size, each exactly as long as the table, so that a
// read past them is caught.
std::vector<BYTE> TakeRecords(FuzzedDataProvider& data, int recordSize, DWORD& count) {
  count = data.ConsumeIntegralInRange<DWORD>(0, 8);
  std::vector<BYTE> bytes = data.ConsumeBytes<BYTE>(static_cast<size_t>(count) * recordSize);
  count = static_cast<DWORD>(bytes.size() / recordSize);
  bytes.resize(static_cast<size_t>(count) * recordSize);
  return bytes;
}

void CheckBounded(const HebWordRec& form) {
  int n = 0;
  while (n < kWordPlaneSize && form.letters[n]) ++n;
  if (n > kMaxFormLetters) __builtin_trap();
  for (int i = n; i < kWordPlaneSize; ++i)
    if (form.letters[i] || form.vowels[i]) __builtin_trap();
}

const BYTE* DataOrNull(const std::vector<BYTE>& bytes) {
  return bytes.empty() ? nullptr : bytes.data();
}

void BuildNounPattern(FuzzedDataProvider& data) {
  Word word = TakeWord(data);
  NounPatternRequest request;
  request.letters = word.letters;
  request.vowels = word.vowels;
  request.nounTableId = data.ConsumeIntegral<WORD>();
  request.kind = data.ConsumeIntegralInRange<int>(0, 4);
  request.cell = data.ConsumeIntegralInRange<int>(-1, 16);
  request.tableType = data.ConsumeIntegralInRange<int>(0, 6);
  std::vector<BYTE> patterns = TakeRecords(data, kNounPatternRecSize, request.patternCount);
  std::vector<BYTE> records = TakeRecords(data, kNounTableRecSize, request.table.count);
  request.patterns = DataOrNull(patterns);
  request.table.records = DataOrNull(records);
  HebWordRec form;
  BuildNounPatternForm(request, form);
  CheckBounded(form);
}

void BuildAdjective(FuzzedDataProvider& data) {
  Word word = TakeWord(data);
  int id = data.ConsumeIntegralInRange<int>(0, 2100);
  int index = data.ConsumeIntegralInRange<int>(-1, 10);
  AdjectiveTables tables;
  std::vector<BYTE> forms = TakeRecords(data, kSuffixFormRecSize, tables.formCount);
  std::vector<BYTE> classes = TakeRecords(data, kSuffixWordRecSize, tables.classCount);
  tables.forms = DataOrNull(forms);
  tables.classes = DataOrNull(classes);
  DWORD record = data.ConsumeIntegralInRange<DWORD>(0, tables.classCount);
  HebWordRec form;
  BuildSuffixedForm(word.letters, word.vowels, id, index, tables, record, form);
  CheckBounded(form);
}

void BuildVerbObjectSuffix(FuzzedDataProvider& data) {
  Word word = TakeWord(data);
  FormPlanes form;
  for (int i = 0; word.letters[i]; ++i)
    form.Append(word.letters[i], word.vowels[i], data.ConsumeIntegralInRange<BYTE>(0, 5));
  BYTE root[kRootRoom] = {};
  int rootLength = data.ConsumeIntegralInRange<int>(0, kRootRoom - 1);
  for (int i = 0; i < rootLength; ++i) root[i] = data.ConsumeIntegralInRange<BYTE>(1, 255);
  std::vector<BYTE> recordBytes = data.ConsumeBytes<BYTE>(kBinyanRootRecSize);
  recordBytes.resize(kBinyanRootRecSize);
  BinyanRootRec record = ReadBinyanRootRec(recordBytes.data());
  ObjectSuffixRequest request;
  request.slot = data.ConsumeIntegralInRange<int>(-1, 32);
  request.record = &record;
  request.binyan = data.ConsumeIntegral<int>();
  request.vavFlag = data.ConsumeIntegralInRange<int>(0, 2);
  request.person = data.ConsumeIntegralInRange<int>(-1, 11);
  request.pattern = data.ConsumeIntegralInRange<int>(-1, 70);
  request.root = root;
  HebWordRec out;
  GenerateVerbForm(request, form, out);
  CheckBounded(out);
}

// Nouns and infinitive nouns through the pronominal-suffix builder (with no
// noun patterns loaded, every pattern number lies beyond its block).
void BuildPronominalSuffix(FuzzedDataProvider& data) {
  Word word = TakeWord(data);
  BYTE root[kRootRoom] = {};
  int rootLength = data.ConsumeIntegralInRange<int>(0, kRootRoom - 1);
  for (int i = 0; i < rootLength; ++i) root[i] = data.ConsumeIntegralInRange<BYTE>(1, 255);
  PronominalSuffixRequest request;
  request.nounTableId = data.ConsumeIntegral<WORD>();
  request.cell = data.ConsumeIntegralInRange<int>(-1, 16);
  request.kind = data.ConsumeIntegralInRange<int>(0, 4);
  request.tableType = data.ConsumeIntegralInRange<int>(0, 6);
  request.binyan = data.ConsumeIntegral<int>();
  request.verbClass = data.ConsumeIntegralInRange<int>(-2, 40);
  request.rootLetters = root;
  request.genderNumberClass = data.ConsumeIntegralInRange<int>(0, 127);
  std::vector<BYTE> records = TakeRecords(data, kNounTableRecSize, request.recordCount);
  request.records = DataOrNull(records);
  BuildPronominalSuffixForm(request, word.letters, word.vowels);
  // The form ends within the planes' 69 letters.
  if (!std::memchr(word.letters, 0, kWordPlaneSize)) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  FuzzedDataProvider data(bytes, size);
  switch (data.ConsumeIntegralInRange<int>(0, kBuilders - 1)) {
    case NounPattern:
      BuildNounPattern(data);
      break;
    case Adjective:
      BuildAdjective(data);
      break;
    case VerbObjectSuffix:
      BuildVerbObjectSuffix(data);
      break;
    case PronominalSuffix:
      BuildPronominalSuffix(data);
      break;
  }
  return 0;
}
