#include "lexicon/core/LookupOrders.h"

#include <algorithm>
#include <cstring>

#include "hebtext/core/HebChar.h"
#include "lexicon/core/LittleEndian.h"

namespace {

// Vowel codes 0 and 1 both mean none.
constexpr BYTE kLastNoVowel = 1;

int LeadingVowelledLetters(const BYTE* letters, const BYTE* vowels, int length) {
  int count = 0;
  while (count < length && !(IsLetterOrShuruk(letters[count]) && vowels[count] <= kLastNoVowel))
    ++count;
  return count;
}

int Length(const BYTE* letters) {
  return static_cast<int>(std::strlen(reinterpret_cast<const char*>(letters)));
}

}  // namespace

HebrewEntryKey MakeHebrewEntryKey(const BYTE* letters, const BYTE* vowels, int length) {
  HebrewEntryKey entry;
  BuildEntrySortKey(letters, vowels, length, entry.key);
  entry.vowelled = LeadingVowelledLetters(letters, vowels, length);
  return entry;
}

int CompareHebrewEntries(const HebrewEntryKey& a, const HebrewEntryKey& b, bool fine) {
  const int primary = CompareKeyText(a.key.primary, b.key.primary);
  if (primary != 0 || !fine) return primary;
  const size_t compared = static_cast<size_t>(std::min(a.vowelled, b.vowelled));
  if (compared == 0) return 0;
  const std::string first(a.key.secondary, std::min(compared, std::strlen(a.key.secondary)));
  const std::string second(b.key.secondary, std::min(compared, std::strlen(b.key.secondary)));
  return CompareKeyText(first.c_str(), second.c_str());
}

LookupWordOrder::LookupWordOrder(const WordRecordRenderer& renderer, const BYTE* letters,
                                 const BYTE* vowels)
    : m_renderer(renderer),
      m_typed(MakeHebrewEntryKey(letters, vowels, std::min(Length(letters), kEntryKeySize - 1))) {}

int LookupWordOrder::Compare(const BYTE* record, bool fine) const {
  BYTE letters[kEntryKeySize] = {};
  BYTE vowels[kEntryKeySize] = {};
  const int length =
      m_renderer.Render(ReadWordRecordBytes(record), letters, vowels, kEntryKeySize);
  return CompareHebrewEntries(MakeHebrewEntryKey(letters, vowels, length), m_typed, fine);
}

LookupKeywordOrder::LookupKeywordOrder(const KeywordRenderer& renderer, std::string typed)
    : m_renderer(renderer), m_typed(std::move(typed)) {}

int LookupKeywordOrder::Compare(const BYTE* record, bool) const {
  char keyword[kEntryKeySize] = {};
  m_renderer(ReadU32LE(record), keyword, kEntryKeySize);
  return CompareKeywordTexts(keyword, m_typed.c_str());
}
