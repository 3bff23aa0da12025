#include "lexicon/core/DefinitionKeywords.h"

#include <cctype>
#include <cstring>

#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/NumberTable.h"
#include "lexicon/core/NumberWords.h"
#include "lexicon/core/PackedDefinitionRecord.h"
#include "lexicon/core/PackedWordRecord.h"

namespace {

constexpr char kKeywordMark = '&';
constexpr int kBinyanCount = 7;
// Room for a keyword, or a number of the table in English words.
constexpr int kKeywordStringRoom = 256;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\r' || c == '\n'; }
bool IsKeywordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '-'; }

int LowestBinyan(int mask) {
  for (int b = 0; b < kBinyanCount; ++b)
    if (mask & (1 << b)) return b;
  return -1;
}

int Empty(char* buffer, int size) {
  if (size > 0) buffer[0] = 0;
  return 0;
}

}  // namespace

int DefinitionKeywordOf(LPCSTR text, int ordinal, char* buffer, int size) {
  if (size < 1) return 0;
  buffer[0] = 0;
  if (text == nullptr || ordinal < 1) return 0;
  const char* at = text;
  for (int n = 0; n < ordinal; ++n) {
    at = std::strchr(at, kKeywordMark);
    if (at == nullptr) return 0;
    ++at;
  }
  int length = 0;
  for (int taken = 0; at[taken] != 0 && !IsBlank(at[taken]) && taken < size - 1; ++taken)
    if (IsKeywordChar(at[taken])) buffer[length++] = at[taken];
  buffer[length] = 0;
  return length;
}

int CountDefinitionKeywords(LPCSTR text) {
  int count = 0;
  for (const char* at = text; at != nullptr && (at = std::strchr(at, kKeywordMark)); ++at) ++count;
  return count;
}

const BYTE* DeclensionTableEntry(int tableType, int index) {
  const GrammarBlock& block = GetNounTableBlock(tableType);
  if (static_cast<DWORD>(index) >= GetNounTableCount(tableType) ||
      static_cast<size_t>(index + 1) * GrammarLayout::kNounEntrySize > block.Size())
    return nullptr;
  return block.Data() + static_cast<size_t>(index) * GrammarLayout::kNounEntrySize;
}

int DefinitionKeywordText(DWORD fields, char* buffer, int size) {
  UnpackedDefinitionRec record{};
  const int kind = DecodeDefinitionRecord(fields, record);
  if (kind == kKindVerb) {
    const int binyan = LowestBinyan(record.binyanMask);
    if (binyan < 0) return Empty(buffer, size);
    return DefinitionKeywordOf(GetVerbMeaning(record.entryIndex, binyan), record.definitionNumber,
                               buffer, size);
  }
  if (kind >= kKindNoun && kind <= kKindVocab) {
    const BYTE* entry = DeclensionTableEntry(kind - kKindNoun + TableType::Noun, record.entryIndex);
    if (entry == nullptr) return Empty(buffer, size);
    return DefinitionKeywordOf(GetNounDefinition(entry), record.definitionNumber, buffer, size);
  }
  NumberTableEntry number;
  if (kind != kKindNumber || !GetNumberTableEntry(record.entryIndex, number))
    return Empty(buffer, size);
  if (record.flagE21 == 0) return FormatNumber(buffer, size, number.value, record.flagE19);
  NumberWordsOptions options;
  options.language = kNumberEnglish;
  options.ordinal = record.flagE19;
  options.feminine = record.flagE20;
  options.cleanUp = 1;
  return NumberToWords(buffer, size, number.value, options);
}

std::string DefinitionKeywordString(DWORD fields) {
  char keyword[kKeywordStringRoom] = {};
  DefinitionKeywordText(fields, keyword, kKeywordStringRoom);
  return keyword;
}
