#include "tables/core/GovernedPrepositions.h"

#include <cstring>

#include "hebtext/core/HebChar.h"
#include "lexicon/core/Binyan.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/LittleEndian.h"
#include "lexicon/core/VerbFormText.h"
#include "tables/core/PrepositionSpellings.h"

using namespace GrammarLayout;

namespace {

constexpr int kMaxLineLetters = kWordPlaneSize - 1;
const BYTE kSeparator[] = {HebCode::Comma, HebCode::Space};

// Appends letters (with their vowels, or none) while the line has room.
class LineWriter {
 public:
  explicit LineWriter(HebWordRec& line) : m_line(line) { ClearWordRec(m_line); }

  // One item: a separator before every item but the first; false, with the
  // line unchanged, when the item does not fit.
  bool AddItem(const PrepositionWord& first, const PrepositionWord* second = nullptr) {
    int separator = m_length > 0 ? static_cast<int>(sizeof kSeparator) : 0;
    int needed = separator + first.length + (second ? 1 + second->length : 0);
    if (m_length + needed > kMaxLineLetters) return false;
    if (separator) Append(kSeparator, nullptr, separator);
    Append(first.letters, first.vowels, first.length);
    if (second) {
      const BYTE hyphen = HebCode::Hyphen;
      Append(&hyphen, nullptr, 1);
      Append(second->letters, second->vowels, second->length);
    }
    return true;
  }

 private:
  void Append(const BYTE* letters, const BYTE* vowels, int count) {
    std::memcpy(m_line.letters + m_length, letters, count);
    if (vowels) std::memcpy(m_line.vowels + m_length, vowels, count);
    m_length += count;
  }

  HebWordRec& m_line;
  int m_length = 0;
};

}  // namespace

GovernedPrepositionMasks GetGovernedPrepositionMasks(int verb, int binyan) {
  GovernedPrepositionMasks masks;
  const BYTE* entry = GetVerbIndexEntry(verb);
  const GrammarBlock& companions = GetVerbCompanions();
  size_t companion = static_cast<size_t>(verb) * kVerbCompanionSize;
  if (!entry || binyan < 0 || binyan >= Binyan::kCount ||
      companion + kVerbCompanionSize > companions.Size())
    return masks;
  masks.simple = ReadU32LE(companions.Data() + companion + kCompanionPrepMaskOffset + 4 * binyan);
  const BYTE* entryMasks = entry + kEntryPrepMaskOffset + 3 * binyan;
  masks.further = entryMasks[0];
  masks.firstParts = entryMasks[1];
  masks.secondParts = entryMasks[2];
  return masks;
}

void BuildGovernedPrepositionsLine(const GovernedPrepositionMasks& masks, HebWordRec& line) {
  LineWriter writer(line);
  for (int i = 0; i < kSimplePrepositionCount; ++i)
    if (masks.simple & (1u << i) && !writer.AddItem(SimplePreposition(i))) return;
  for (int i = 0; i < kFurtherPrepositionCount; ++i)
    if (masks.further & (1u << i) && !writer.AddItem(FurtherPreposition(i))) return;
  for (int f = 0; f < kCompoundPartCount; ++f) {
    if (!(masks.firstParts & (1u << f))) continue;
    for (int s = 0; s < kCompoundPartCount; ++s) {
      if (!(masks.secondParts & (1u << s))) continue;
      PrepositionWord second = CompoundSecondPart(s);
      if (!writer.AddItem(CompoundFirstPart(f), &second)) return;
    }
  }
}
