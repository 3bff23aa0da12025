// The phoneme sets as the Phoneme Set dialog edits them: read from the
// profile in index order up to the first empty one, changed in memory, and
// written back numbered from 0 without gaps.
#pragma once

#include <string>
#include <vector>

#include "classlib/core/WinTypes.h"
#include "speech/core/PhonemeSets.h"

class IProfileStore;

constexpr int kMaxPhonemeSets = 50;

class PhonemeSetList {
 public:
  // Sets 0, 1, 2 ... up to the first with no text (the built-in texts stand
  // in for 0 to 5), at most kMaxPhonemeSets.
  void Read(IProfileStore& profile);
  // Deletes every stored set "0" to "49", then writes the list in order.
  void Write(IProfileStore& profile) const;

  int Count() const { return static_cast<int>(m_texts.size()); }
  const std::string& Text(int index) const { return m_texts[static_cast<size_t>(index)]; }
  // The name: the text up to its first '|'.
  std::string Name(int index) const;
  bool HasName(const std::string& name) const;
  bool IsFull() const { return Count() >= kMaxPhonemeSets; }

  // The set's text from its name and the spellings of its slots, each
  // without blanks at either end.
  void Keep(int index, const std::string& name, const std::vector<std::string>& spellings);
  void Replace(int index, const std::string& text) { m_texts[static_cast<size_t>(index)] = text; }
  // A new, empty set at the end.
  void Add();
  void Remove(int index);

 private:
  std::vector<std::string> m_texts;
};

// The spellings of a set text, slot by slot (fewer when the text has fewer).
std::vector<std::string> PhonemeSetSpellings(const std::string& text);

// Which set to show after deleting the set at index from a list that now
// holds remaining sets: the same position, or the last; -1 when none is left.
int SelectionAfterDelete(int index, int remaining);

// Built-in sets (0 to 5) can be reset and not deleted; the others the other
// way round.
inline bool IsBuiltInPhonemeSet(int index) { return index >= 0 && index < kBuiltInPhonemeSets; }
