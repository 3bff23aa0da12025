#include "tools/grammarc/NounSources.h"

#include <algorithm>

#include "hebtext/core/CollationKey.h"
#include "tools/grammarc/Names.h"

using namespace GrammarLayout;

namespace {

constexpr int kMaxAlternatives = 4;
constexpr long kMaxNounTableId = 9999;  // the lookup takes larger ids as marked ones
constexpr long kMaxAdjectiveId = 1000;  // larger ids mark compounds
constexpr WORD kCompoundAdjective = 1000;
constexpr int kMaxPrepositions = 255;  // 8 bits in the word records

// The sixteen words of a NounTableRec by what the sources call them.
// clang-format off
enum NounTableWord {
  kId = 0, kSingular = 1, kPausal = 2, kPlural = 3, kConstruct = 4, kConstructPlural = 5,
  kPersons = 6, kPluralPersons = 7, kPersonsMask = 8, kPluralPersonsMask = 9,
  kMorePersons = 10, kMorePluralPersons = 11, kMorePersonsMask = 12,
  kMorePluralPersonsMask = 13, kAlternatives = 14, kPluralAlternatives = 15,
};
// clang-format on

struct PatternField {
  const char* name;
  int word;
  int mask;  // -1 for a cell without a person mask
};

const PatternField kPatternFields[] = {
    {"singular", kSingular, -1},
    {"pausal", kPausal, -1},
    {"plural", kPlural, -1},
    {"construct", kConstruct, -1},
    {"construct-plural", kConstructPlural, -1},
    {"persons", kPersons, kPersonsMask},
    {"plural-persons", kPluralPersons, kPluralPersonsMask},
    {"more-persons", kMorePersons, kMorePersonsMask},
    {"more-plural-persons", kMorePluralPersons, kMorePluralPersonsMask},
};

// Person cells 3-12 are bits 9-0 of masks and alternative words.
WORD PersonCellBit(long cell) { return static_cast<WORD>(1u << (12 - cell)); }

const char* const kEntryKinds[4] = {"noun", "prep", "adj", "vocab"};

std::string WordKey(const PointedWord& word) {
  char key[80];
  BuildLetterVowelKey(key, sizeof(key), reinterpret_cast<const BYTE*>(word.letters.data()),
                      reinterpret_cast<const BYTE*>(word.vowels.data()),
                      static_cast<int>(word.letters.size()));
  return key;
}

bool WordOrder(const NounEntryRecord& a, const NounEntryRecord& b) {
  std::string keyA = WordKey(a.word), keyB = WordKey(b.word);
  if (keyA != keyB) return keyA < keyB;
  return MergedWord(a.word) < MergedWord(b.word);
}

std::string ReadDefinition(const SourceLine& line, const std::string& token) {
  std::string text;
  if (!IsQuoted(token, &text)) throw SourceError(line, "a definition is quoted");
  if (std::count(text.begin(), text.end(), '&') > 31)
    throw SourceError(line, "a definition marks at most 31 keywords with '&'");
  return text;
}

}  // namespace

void NounSources::ReadNounPatterns(const std::vector<SourceLine>& lines) {
  for (const SourceLine& line : lines) {
    if (line.indented || line.tokens[0] != "nounpattern" || line.tokens.size() < 3)
      throw SourceError(line, "expected: nounpattern <name> <positions>");
    m_nounPatterns.push_back(
        TemplateRecord(ParseTemplate(line, 2, 6, kNounPatternLength), kNounPatternLength));
    if (!m_nounPatternNames.emplace(line.tokens[1], static_cast<WORD>(m_nounPatterns.size()))
             .second)
      throw SourceError(line, "the noun pattern name " + line.tokens[1] + " is given twice");
  }
  if (m_nounPatterns.size() > 0x7FFF) throw SourceError("more than 32767 noun patterns");
}

WORD NounSources::NounPatternNumber(const SourceLine& line, const std::string& token) const {
  if (token == "0" || token == "-") return 0;
  auto found = m_nounPatternNames.find(token);
  if (found == m_nounPatternNames.end()) throw SourceError(line, "no noun pattern " + token);
  return found->second;
}

void NounSources::ReadNounTableLine(const SourceLine& line,
                                    std::vector<NounTableRecord>& records) const {
  const auto& t = line.tokens;
  NounTableRecord& record = records.back();
  if (t[0] == "alternative") {
    if (static_cast<int>(records.size()) > kMaxAlternatives)
      throw SourceError(line, "a noun table has at most four alternatives");
    for (size_t i = 1; i < t.size(); ++i) {
      std::string key, value;
      if (!SplitKeyValue(t[i], key, value) || (key != "singular-stem" && key != "plural-stem"))
        throw SourceError(line, "expected singular-stem=<cells> or plural-stem=<cells>");
      bool plural = key == "plural-stem";
      for (long cell : ParseNumberList(line, value, 1, 14)) {
        WORD& bits = record.words[plural ? kPluralAlternatives : kAlternatives];
        if (cell >= 3 && cell <= 12)
          bits |= PersonCellBit(cell);
        else if (cell == (plural ? 14 : 1))
          bits |= 1u << 11;
        else if (plural && cell == 13)
          bits |= 1u << 10;
        else
          throw SourceError(
              line, "cell " + std::to_string(cell) + " has no alternative bit on the " + key);
      }
    }
    NounTableRecord next;
    next.words[kId] = record.words[kId];
    records.push_back(next);
    return;
  }
  for (const PatternField& field : kPatternFields) {
    if (t[0] != field.name) continue;
    if (t.size() < 2) throw SourceError(line, std::string(field.name) + " needs a pattern");
    record.words[field.word] = NounPatternNumber(line, t[1]);
    if (field.mask < 0) {
      ExpectTokens(line, 2, 2, "<cell> <pattern>");
      return;
    }
    WORD mask = 0;
    for (size_t i = 2; i < t.size(); ++i) {
      std::string key, value;
      if (SplitKeyValue(t[i], key, value) && key == "cells") {
        for (long cell : ParseNumberList(line, value, 3, 12)) mask |= PersonCellBit(cell);
      } else if (SplitKeyValue(t[i], key, value) && key == "suffixes") {
        mask |= static_cast<WORD>(ParseNumber(line, value, 0, 15) << 12);
      } else {
        throw SourceError(line, "expected cells=<cells> or suffixes=<table>");
      }
    }
    record.words[field.mask] = mask;
    return;
  }
  throw SourceError(line, "unknown noun table line " + t[0]);
}

void NounSources::ReadNounTables(const std::vector<SourceLine>& lines) {
  for (const SourceBlock& block : SplitBlocks(lines)) {
    const SourceLine& h = block.header;
    ExpectTokens(h, 4, 4, "nountable <name> <id> <kind>");
    if (h.tokens[0] != "nountable") throw SourceError(h, "expected a nountable");
    long id = ParseNumber(h, h.tokens[2], 1, kMaxNounTableId);
    m_registry.Check(h, "noun", h.tokens[3], id);
    if (m_nounTables.count(static_cast<WORD>(id)))
      throw SourceError(h, "noun table id " + h.tokens[2] + " is given twice");
    if (!m_nounTableNames.emplace(h.tokens[1], static_cast<WORD>(id)).second)
      throw SourceError(h, "the noun table name " + h.tokens[1] + " is given twice");
    std::vector<NounTableRecord> records(1);
    records[0].words[kId] = static_cast<WORD>(id);
    for (const SourceLine& line : block.body) ReadNounTableLine(line, records);
    m_nounTables.emplace(static_cast<WORD>(id), std::move(records));
  }
}

SuffixWordRecord NounSources::ReadSuffixWord(const SourceLine& line, size_t first, WORD id) const {
  SuffixWordRecord record;
  record.id = id;
  bool hasGroup = false;
  for (size_t i = first; i < line.tokens.size(); ++i) {
    std::string key, value;
    if (!SplitKeyValue(line.tokens[i], key, value))
      throw SourceError(line, "expected group=, indexes= or flags=");
    if (key == "group") {
      record.group = static_cast<WORD>(ParseNumber(line, value, 1, 0xFFFF));
      hasGroup = true;
    } else if (key == "indexes") {
      for (long index : ParseNumberList(line, value, 1, 8))
        record.mask |= static_cast<BYTE>(1u << (index - 1));
    } else if (key == "flags") {
      record.flags = static_cast<BYTE>(ParseNumber(line, value, 0, 255));
    } else {
      throw SourceError(line, "unknown setting " + key);
    }
  }
  if (!hasGroup) throw SourceError(line, "an adjective class names its group=");
  for (int index = 1; index <= 8; ++index) {
    long row = index + 4L * record.group - 5;
    if ((record.mask & (1u << (index - 1))) && row >= static_cast<long>(m_suffixForms.size()))
      throw SourceError(line, "index " + std::to_string(index) + " needs suffix form " +
                                  std::to_string(row) + ", which is not given");
  }
  return record;
}

void NounSources::ReadAdjectives(const std::vector<SourceLine>& lines) {
  for (const SourceBlock& block : SplitBlocks(lines)) {
    const SourceLine& h = block.header;
    if (h.tokens[0] == "suffixform") {
      if (!block.body.empty()) throw SourceError(block.body[0], "a suffix form is one line");
      m_suffixForms.push_back(
          TemplateRecord(ParseTemplate(h, 1, 6, kTemplateLength), kTemplateLength));
      continue;
    }
    if (h.tokens[0] != "adjclass" || h.tokens.size() < 4)
      throw SourceError(h, "expected: adjclass <name> <id> <kind> group=<g> indexes=<list>");
    long id = ParseNumber(h, h.tokens[2], 1, kMaxAdjectiveId);
    m_registry.Check(h, "adjective", h.tokens[3], id);
    WORD key = static_cast<WORD>(id);
    if (m_suffixWords.count(key))
      throw SourceError(h, "adjective class id " + h.tokens[2] + " is given twice");
    if (!m_adjectiveNames.emplace(h.tokens[1], key).second)
      throw SourceError(h, "the adjective class name " + h.tokens[1] + " is given twice");
    std::vector<SuffixWordRecord>& records = m_suffixWords[key];
    records.push_back(ReadSuffixWord(h, 4, key));
    for (const SourceLine& line : block.body) {
      if (line.tokens[0] != "alternative") throw SourceError(line, "expected an alternative");
      if (static_cast<int>(records.size()) > kMaxAlternatives)
        throw SourceError(line, "an adjective class has at most four alternatives");
      records.push_back(ReadSuffixWord(line, 1, key));
    }
  }
  if (m_suffixForms.size() > kMaxCount) throw SourceError("more than 65535 suffix forms");
}

void NounSources::ReadWords(const std::vector<SourceLine>& lines) {
  for (const SourceLine& line : lines) {
    const auto& t = line.tokens;
    int kind = 0;
    while (kind < 4 && t[0] != kEntryKinds[kind]) ++kind;
    if (line.indented || kind == 4 || t.size() < 2)
      throw SourceError(line, "expected: noun|prep|adj|vocab <word> [settings]");
    NounEntryRecord entry;
    std::string quoted;  // a phrase of several words is quoted
    entry.word = ConvertHebrewWord(line, IsQuoted(t[1], &quoted) ? quoted : t[1]);
    if (static_cast<int>(entry.word.letters.size()) > kMaxFormLetters)
      throw SourceError(line, "a word has at most 69 letters");
    int categories = 0;
    for (size_t i = 2; i < t.size(); ++i) {
      std::string key, value;
      if (t[i] == "hidden") {
        entry.classAndFlag |= 0x80;
      } else if (t[i] == "definition" && i + 1 < t.size()) {
        entry.definition = ReadDefinition(line, t[++i]);
        entry.hasDefinition = true;
      } else if (SplitKeyValue(t[i], key, value) && key == "inflect") {
        const auto& names = kind == 2 ? m_adjectiveNames : m_nounTableNames;
        bool compound =
            kind == 2 && value.size() > 9 && value.compare(value.size() - 9, 9, "+compound") == 0;
        if (compound) value.resize(value.size() - 9);
        auto found = names.find(value);
        if (found == names.end())
          throw SourceError(
              line, std::string("no ") + (kind == 2 ? "adjective class " : "noun table ") + value);
        entry.tableId = static_cast<WORD>(found->second + (compound ? kCompoundAdjective : 0));
      } else if (SplitKeyValue(t[i], key, value) && key == "class") {
        entry.classAndFlag =
            static_cast<BYTE>((entry.classAndFlag & 0x80) | ParseNumber(line, value, 0, 127));
      } else if (SplitKeyValue(t[i], key, value) && key == "categories") {
        for (long code : ParseNumberList(line, value, 0, 254)) {
          if (categories == kNounEntryCategories)
            throw SourceError(line, "at most five categories");
          entry.categories[categories++] = static_cast<BYTE>(code);
        }
      } else {
        throw SourceError(line, "unknown setting " + t[i]);
      }
    }
    m_entries[kind].push_back(std::move(entry));
  }
  if (m_entries[1].size() > kMaxPrepositions)
    throw SourceError("at most 255 prepositions (8 bits in the word records)");
  for (const auto& entries : m_entries)
    if (entries.size() > kMaxCount)
      throw SourceError("more than 65535 entries in a declension table");
}

void NounSources::Build(GrammarModel& model) const {
  model.nounPatterns = m_nounPatterns;
  for (const auto& table : m_nounTables)
    for (const NounTableRecord& record : table.second) model.nounTables.push_back(record);
  if (model.nounTables.size() > kMaxCount) throw SourceError("more than 65535 noun table records");
  model.suffixForms = m_suffixForms;
  for (const auto& word : m_suffixWords)
    for (const SuffixWordRecord& record : word.second) model.suffixWords.push_back(record);
  if (model.suffixWords.size() > kMaxCount)
    throw SourceError("more than 65535 adjective class records");
  for (int k = 0; k < 4; ++k) {
    model.entries[k] = m_entries[k];
    std::stable_sort(model.entries[k].begin(), model.entries[k].end(), WordOrder);
  }
}
