#include "lexicon/core/EntryTextRenderer.h"

#include <algorithm>
#include <cstring>

#include "lexicon/core/HebWordRec.h"

int EntryTextRenderer::Render(const PackedWordRec& record, BYTE* letters, BYTE* vowels,
                              int capacity) const {
  if (capacity < 1) return 0;
  BYTE wordLetters[kWordPlaneSize];
  BYTE wordVowels[kWordPlaneSize];
  EntryTextOutput output;
  output.letters = wordLetters;
  output.vowels = wordVowels;
  const int length =
      std::min(LookupEntryText(m_context, record.fields, record.extra, EntryTextOptions(), output),
               capacity - 1);
  if (length > 0) {
    std::memcpy(letters, wordLetters, length);
    std::memcpy(vowels, wordVowels, length);
  }
  letters[std::max(length, 0)] = 0;
  vowels[std::max(length, 0)] = 0;
  return length;
}
