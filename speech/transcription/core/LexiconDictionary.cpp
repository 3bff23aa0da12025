#include "speech/transcription/core/LexiconDictionary.h"

#include "lexicon/core/EntryText.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/WordFormSearch.h"

namespace {
constexpr size_t kInflectionOffset = 8;
}  // namespace

bool LexiconDictionary::FindHits(const HebWordRec& word, SearchHitList& hits) {
  return FindWordForms(m_data, word, hits, kTranscriptionSearch) ||
         FindWordFormsRetry(m_data, word, hits, kLookupBarRetry);
}

int LexiconDictionary::EntryText(const PackedWordRec& record, bool stripVav, BYTE* letters,
                                 BYTE* vowels) {
  EntryTextOptions options;
  options.stripVav = stripVav;
  EntryTextOutput output;
  output.letters = letters;
  output.vowels = vowels;
  return LookupEntryText(m_context, record.fields, record.extra, options, output);
}

int LexiconDictionary::AdjectiveInflection(int entryIndex) {
  const GrammarBlock& block = GetNounTableBlock(TableType::Adjective);
  const size_t at = static_cast<size_t>(entryIndex) * GrammarLayout::kNounEntrySize + kInflectionOffset;
  if (entryIndex < 0 || at + sizeof(short) > block.Size()) return 0;
  const BYTE* bytes = block.Data() + at;
  return static_cast<short>(bytes[0] | (bytes[1] << 8));
}
