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

LookupWordOrder::LookupWordOrder(const WordRecordRenderer& renderer, const BYTE* letters,
                                 const BYTE* vowels)
    : m_renderer(renderer) {
  const int length = std::min(Length(letters), kEntryKeySize - 1);
  BuildEntrySortKey(letters, vowels, length, m_typed);
  m_vowelled = LeadingVowelledLetters(letters, vowels, length);
}

int LookupWordOrder::Compare(const BYTE* record, bool fine) const {
  BYTE letters[kEntryKeySize] = {};
  BYTE vowels[kEntryKeySize] = {};
  const int length =
      m_renderer.Render(ReadWordRecordBytes(record), letters, vowels, kEntryKeySize);
  EntrySortKey key;
  BuildEntrySortKey(letters, vowels, length, key);
  const int primary = CompareKeyText(key.primary, m_typed.primary);
  if (primary != 0 || !fine) return primary;
  const size_t compared =
      static_cast<size_t>(std::min(m_vowelled, LeadingVowelledLetters(letters, vowels, length)));
  if (compared == 0) return 0;
  const std::string a(key.secondary, std::min(compared, std::strlen(key.secondary)));
  const std::string b(m_typed.secondary, std::min(compared, std::strlen(m_typed.secondary)));
  return CompareKeyText(a.c_str(), b.c_str());
}

LookupKeywordOrder::LookupKeywordOrder(const KeywordRenderer& renderer, std::string typed)
    : m_renderer(renderer), m_typed(std::move(typed)) {}

int LookupKeywordOrder::Compare(const BYTE* record, bool) const {
  char keyword[kEntryKeySize] = {};
  m_renderer(ReadU32LE(record), keyword, kEntryKeySize);
  return CompareKeywordTexts(keyword, m_typed.c_str());
}
