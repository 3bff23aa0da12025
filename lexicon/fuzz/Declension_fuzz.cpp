// Drives the noun-form builder and the adjective form builder with random
// words, patterns, records, cells and kinds: every form must end within the
// 69 letters of a word record, with nothing written behind it, and no table
// may be read beyond its records.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "lexicon/core/AdjectiveForms.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/HebWordRec.h"
#include "lexicon/core/NounPatternForm.h"

namespace {

using namespace GrammarLayout;

enum Builder : int { NounPattern, Adjective, kBuilders };

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
  }
  return 0;
}
