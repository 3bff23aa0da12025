#include "tools/grammarc/VerbSources.h"

#include <algorithm>

#include "hebtext/core/CollationKey.h"
#include "lexicon/core/FormSlots.h"
#include "tools/grammarc/Names.h"

using namespace GrammarLayout;

namespace {

constexpr long kMaxClassId = kBinyanClassMask;  // 13 bits
constexpr int kMaxAlternatives = 4;
constexpr int kMaxRootLetters = 5;

void SetAlternativeBit(RootRecord& record, int slot) {
  int group = GetTenseGroup(slot);
  int bit = slot - GetGroupFirstSlot(group);
  if (kAlternativeFirstBit[group] < 0)
    record.participleAlternativeBits |= static_cast<WORD>(1u << bit);
  else
    record.alternativeBits |= 1u << (kAlternativeFirstBit[group] + bit);
}

// A verb's index order: by the collation key of its root, then its codes.
std::string RootKey(const std::string& root) {
  std::string noVowels(root.size(), '\0');
  char key[32];
  BuildLetterVowelKey(key, sizeof(key), reinterpret_cast<const BYTE*>(root.data()),
                      reinterpret_cast<const BYTE*>(noVowels.data()),
                      static_cast<int>(root.size()));
  return key;
}

bool RootOrder(const VerbRecord& a, const VerbRecord& b) {
  std::string keyA = RootKey(a.root), keyB = RootKey(b.root);
  return keyA != keyB ? keyA < keyB : a.root < b.root;
}

}  // namespace

void VerbSources::ReadPatterns(const std::vector<SourceLine>& lines) {
  for (const SourceBlock& block : SplitBlocks(lines)) {
    const SourceLine& h = block.header;
    ExpectTokens(h, 5, 5, "pattern <binyan> <tense group> <number> <name>");
    if (h.tokens[0] != "pattern") throw SourceError(h, "expected a pattern");
    int row = ParseBinyanName(h, h.tokens[1]);
    int group = ParseTenseGroupName(h, h.tokens[2]);
    int number = static_cast<int>(ParseNumber(h, h.tokens[3], 1, 0x7FFF));
    if (m_patterns[row][group].count(number))
      throw SourceError(h, "pattern number " + h.tokens[3] + " is given twice");
    if (!m_patternNames[row][group].emplace(h.tokens[4], number).second)
      throw SourceError(h, "the pattern name " + h.tokens[4] + " is given twice");
    if (static_cast<int>(block.body.size()) != GetGroupSlotCount(group))
      throw SourceError(h, "a " + h.tokens[2] + " pattern has " +
                               std::to_string(GetGroupSlotCount(group)) + " slot lines");
    PatternEntry entry{h, {}};
    for (size_t i = 0; i < block.body.size(); ++i) {
      const SourceLine& line = block.body[i];
      std::string label =
          "[" + std::to_string(GetGroupFirstSlot(group) + static_cast<int>(i)) + "]";
      if (line.tokens[0] != label) throw SourceError(line, "expected the slot line " + label);
      std::vector<TemplatePosition> positions;
      if (!(line.tokens.size() == 2 && line.tokens[1] == "-")) {
        positions = ParseTemplate(line, 1, 5, kTemplateLength - 1);
        if (positions.empty()) throw SourceError(line, "a slot without a form is written \"-\"");
      }
      entry.records.push_back(TemplateRecord(positions, kTemplateLength));
    }
    m_patterns[row][group].emplace(number, std::move(entry));
  }
}

int VerbSources::PatternNumber(const SourceLine& line, int row, int group,
                               const std::string& token) const {
  if (token == "0" || token == "-") return 0;
  auto named = m_patternNames[row][group].find(token);
  int number = named != m_patternNames[row][group].end()
                   ? named->second
                   : static_cast<int>(ParseNumber(line, token, 1, 0x7FFF));
  if (!m_patterns[row][group].count(number))
    throw SourceError(line, "no " + std::string(kTenseGroupNames[group]) + " pattern " + token +
                                " for " + kBinyanNames[row]);
  return number;
}

void VerbSources::ReadClassBody(const SourceBlock& block, int row, VerbClass& verbClass) const {
  verbClass.records.emplace_back();
  verbClass.records.back().id =
      static_cast<WORD>(ParseNumber(block.header, block.header.tokens[3], 1, kMaxClassId));
  for (const SourceLine& line : block.body) {
    const auto& t = line.tokens;
    RootRecord& record = verbClass.records.back();
    if (t[0] == "patterns") {
      for (size_t i = 1; i < t.size(); ++i) {
        std::string key, value;
        if (!SplitKeyValue(t[i], key, value))
          throw SourceError(line, "expected <tense group>=<pattern>");
        int group = ParseTenseGroupName(line, key);
        record.patterns[group] = static_cast<SHORT>(PatternNumber(line, row, group, value));
      }
    } else if (t[0] == "words") {
      ExpectTokens(line, 3, 3, "words <number> <number>");
      for (int w = 0; w < 2; ++w)
        record.words[w] = static_cast<WORD>(ParseNumber(line, t[1 + w], 0, 0xFFFF));
    } else if (t[0] == "alternative") {
      ExpectTokens(line, 2, 2, "alternative <slots>");
      if (static_cast<int>(verbClass.records.size()) > kMaxAlternatives)
        throw SourceError(line, "a class has at most four alternatives");
      for (long slot : ParseNumberList(line, t[1], FormSlot::Infinitive, FormSlot::ParticipleFp))
        SetAlternativeBit(record, static_cast<int>(slot));
      RootRecord next;
      next.id = record.id;
      verbClass.records.push_back(next);
    } else {
      throw SourceError(line, "expected patterns, words or alternative");
    }
  }
}

void VerbSources::ReadClasses(const std::vector<SourceLine>& lines) {
  for (const SourceBlock& block : SplitBlocks(lines)) {
    const SourceLine& h = block.header;
    ExpectTokens(h, 5, 5, "class <binyan> <name> <id> <kind>");
    if (h.tokens[0] != "class") throw SourceError(h, "expected a class");
    int b = ParseBinyanName(h, h.tokens[1]);
    long id = ParseNumber(h, h.tokens[3], 1, kMaxClassId);
    m_registry.Check(h, kBinyanNames[b], h.tokens[4], id);
    m_registry.CheckName(h, kBinyanNames[b], h.tokens[2], id);
    if (m_classes[b].count(static_cast<int>(id)))
      throw SourceError(h, "class id " + h.tokens[3] + " is given twice in " + kBinyanNames[b]);
    if (!m_classNames[b].emplace(h.tokens[2], static_cast<int>(id)).second)
      throw SourceError(h, "the class name " + h.tokens[2] + " is given twice");
    VerbClass verbClass{h, {}};
    ReadClassBody(block, b, verbClass);
    m_classes[b].emplace(static_cast<int>(id), std::move(verbClass));
  }
}

void VerbSources::ReadBinyanLine(const SourceLine& line, VerbRecord& verb) const {
  const auto& t = line.tokens;
  int b = ParseBinyanName(line, t[0]);
  if (t.size() < 2) throw SourceError(line, "expected: <binyan> <class> [options]");
  auto found = m_classNames[b].find(t[1]);
  if (found == m_classNames[b].end())
    throw SourceError(line, "no " + std::string(kBinyanNames[b]) + " class " + t[1]);
  if (verb.binyanWords[b])
    throw SourceError(line, std::string(kBinyanNames[b]) + " is given twice");
  WORD word = static_cast<WORD>(found->second);
  for (size_t i = 2; i < t.size(); ++i) {
    bool perBinyan = b < kBinyanim;
    auto needValue = [&]() -> const std::string& {
      if (i + 1 >= t.size()) throw SourceError(line, t[i] + " needs a value");
      if (!perBinyan) throw SourceError(line, t[i] + " is not given for the short forms");
      return t[++i];
    };
    if (t[i] == "suffixes") {
      word |= kBinyanHasSuffixes;
    } else if (t[i] == "restricted") {
      word |= kBinyanRestricted;
    } else if (t[i] == "meaning") {
      const std::string& value = needValue();
      if (!IsQuoted(value, &verb.meanings[b])) throw SourceError(line, "a meaning is quoted");
      if (std::count(verb.meanings[b].begin(), verb.meanings[b].end(), '&') > 31)
        throw SourceError(line, "a meaning marks at most 31 keywords with '&'");
      verb.hasMeaning[b] = true;
    } else if (t[i] == "preps") {
      const std::string& value = needValue();
      size_t start = 0;
      while (start <= value.size()) {
        size_t comma = value.find(',', start);
        if (comma == std::string::npos) comma = value.size();
        verb.simplePrepositions[b] |=
            1u << ParsePrepositionName(line, value.substr(start, comma - start));
        start = comma + 1;
      }
    } else if (t[i] == "further" || t[i] == "first" || t[i] == "second") {
      const std::string& key = t[i];
      BYTE* masks = key == "further" ? verb.furtherPrepositions
                    : key == "first" ? verb.firstParts
                                     : verb.secondParts;
      for (long bit : ParseNumberList(line, needValue(), 0, key == "further" ? 2 : 6))
        masks[b] |= static_cast<BYTE>(1u << bit);
    } else {
      throw SourceError(line, "unknown option " + t[i]);
    }
  }
  verb.binyanWords[b] = word;
}

void VerbSources::ReadVerbs(const std::vector<SourceLine>& lines) {
  for (const SourceBlock& block : SplitBlocks(lines)) {
    const SourceLine& h = block.header;
    ExpectTokens(h, 2, 2, "verb <root>");
    if (h.tokens[0] != "verb") throw SourceError(h, "expected a verb");
    PointedWord root = ConvertHebrewWord(h, h.tokens[1]);
    if (root.letters.size() > kMaxRootLetters)
      throw SourceError(h, "a root has at most five letters");
    if (root.vowels.find_first_not_of('\0') != std::string::npos)
      throw SourceError(h, "a root is written without points");
    VerbRecord verb;
    verb.root = root.letters;
    if (block.body.empty()) throw SourceError(h, "a verb needs at least one binyan");
    for (const SourceLine& line : block.body) ReadBinyanLine(line, verb);
    m_verbs.push_back(std::move(verb));
  }
  if (m_verbs.size() > 4096)
    throw SourceError("the verb index holds at most 4096 verbs (12 bits in the word records)");
}

void VerbSources::Build(GrammarModel& model) const {
  for (int row = 0; row < kPatternRows; ++row) {
    for (int group = 0; group < kTenseGroups; ++group) {
      const auto& entries = m_patterns[row][group];
      std::vector<std::string>& records = model.verbPatterns[row][group];
      int last = entries.empty() ? 0 : entries.rbegin()->first;
      // Numbers left out stay as entries without forms, so that the numbers
      // keep their places.
      for (int number = 1; number <= last; ++number) {
        auto found = entries.find(number);
        for (int s = 0; s < GetGroupSlotCount(group); ++s)
          records.push_back(found != entries.end() ? found->second.records[s]
                                                   : std::string(kVerbPatternRecSize, '\0'));
      }
      if (records.size() > kMaxCount)
        throw SourceError(entries.rbegin()->second.header,
                          "the pattern block holds more than 65535 records");
    }
  }
  for (int b = 0; b < kVerbBlocks; ++b) {
    for (const auto& entry : m_classes[b])
      for (const RootRecord& record : entry.second.records) model.roots[b].push_back(record);
    if (model.roots[b].size() > kMaxCount)
      throw SourceError(std::string("more than 65535 root records in ") + kBinyanNames[b]);
  }
  model.verbs = m_verbs;
  std::stable_sort(model.verbs.begin(), model.verbs.end(), RootOrder);
}
