#include "lexicon/core/EntryTextRenderer.h"

#include <algorithm>
#include <cstring>

#include "lexicon/core/EntryText.h"

int EntryTextRenderer::Render(const PackedWordRec& record, BYTE* letters, BYTE* vowels,
                              int capacity) const {
  BYTE wordLetters[kWordPlaneSize] = {};
  BYTE wordVowels[kWordPlaneSize] = {};
  EntryTextOutput output;
  output.letters = wordLetters;
  output.vowels = wordVowels;
  const int length =
      std::min(LookupEntryText(m_context, record.fields, record.extra, EntryTextOptions(), output),
               capacity - 1);
  std::memcpy(letters, wordLetters, length);
  std::memcpy(vowels, wordVowels, length);
  letters[length] = 0;
  vowels[length] = 0;
  return length;
}
