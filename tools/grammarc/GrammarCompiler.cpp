#include "tools/grammarc/GrammarCompiler.h"

#include "lexicon/core/LittleEndian.h"
#include "tools/grammarc/ClassIdHeader.h"
#include "tools/grammarc/IdRegistry.h"
#include "tools/grammarc/NounSources.h"
#include "tools/grammarc/VerbSources.h"

using namespace GrammarLayout;

namespace {

typedef std::vector<unsigned char> Bytes;

std::vector<SourceLine> ReadSource(const std::string& folder, const char* name) {
  return ReadSourceLines(folder + "/" + name, std::string("data/") + name);
}

void PutU16(Bytes& out, WORD value) {
  BYTE bytes[2];
  WriteU16LE(bytes, value);
  out.insert(out.end(), bytes, bytes + 2);
}

void PutU32(Bytes& out, DWORD value) {
  BYTE bytes[4];
  WriteU32LE(bytes, value);
  out.insert(out.end(), bytes, bytes + 4);
}

void PutBytes(Bytes& out, const std::string& bytes) {
  out.insert(out.end(), bytes.begin(), bytes.end());
}

void PutRootRecord(Bytes& out, const RootRecord& record) {
  PutU16(out, record.id);
  for (WORD word : record.words) PutU16(out, word);
  for (SHORT pattern : record.patterns) PutU16(out, static_cast<WORD>(pattern));
  PutU32(out, record.alternativeBits);
  PutU16(out, record.participleAlternativeBits);
}

Bytes VerbPatternFile(const GrammarModel& model) {
  Bytes out;
  for (const auto& row : model.verbPatterns)
    for (const auto& block : row) PutU32(out, static_cast<DWORD>(block.size()));
  for (const auto& row : model.verbPatterns)
    for (const auto& block : row)
      for (const std::string& record : block) PutBytes(out, record);
  return out;
}

Bytes VerbRootFile(const GrammarModel& model) {
  Bytes out;
  for (const auto& block : model.roots) PutU32(out, static_cast<DWORD>(block.size()));
  for (const auto& block : model.roots) {
    for (const RootRecord& record : block) PutRootRecord(out, record);
    PutRootRecord(out, RootRecord());  // the sentinel that ends the last class's run
  }
  return out;
}

Bytes VerbIndexFile(const GrammarModel& model) {
  const size_t count = model.verbs.size();
  Bytes entries, companions, text;
  for (const VerbRecord& verb : model.verbs) {
    const DWORD base = static_cast<DWORD>(text.size());
    BYTE entry[kVerbIndexEntrySize] = {}, companion[kVerbCompanionSize] = {};
    WriteU16LE(entry + kEntryRootLengthOffset, static_cast<WORD>(verb.root.size()));
    for (int b = 0; b < kVerbBlocks; ++b)
      WriteU16LE(entry + kEntryBinyanWordOffset + 2 * b, verb.binyanWords[b]);
    WriteU32LE(companion + kCompanionTextBaseOffset, base);
    for (int b = 0; b < kBinyanim; ++b) {
      WORD offset = kNoMeaning;
      if (verb.hasMeaning[b]) {
        DWORD relative = static_cast<DWORD>(text.size()) - base;
        if (relative > 0x7FFF) throw SourceError("the meanings of one verb exceed 32767 bytes");
        offset = static_cast<WORD>(relative);
        PutBytes(text, verb.meanings[b]);
        text.push_back(0);
      }
      WriteU16LE(entry + kEntryMeaningOffset + 2 * b, offset);
      entry[kEntryPrepMaskOffset + 3 * b] = verb.furtherPrepositions[b];
      entry[kEntryPrepMaskOffset + 3 * b + 1] = verb.firstParts[b];
      entry[kEntryPrepMaskOffset + 3 * b + 2] = verb.secondParts[b];
      WriteU32LE(companion + kCompanionPrepMaskOffset + 4 * b, verb.simplePrepositions[b]);
    }
    verb.root.copy(reinterpret_cast<char*>(entry + kEntryRootOffset), kEntryRootRoom - 1);
    entries.insert(entries.end(), entry, entry + sizeof(entry));
    companions.insert(companions.end(), companion, companion + sizeof(companion));
  }
  Bytes out(kVerbCountOffset, 0);
  PutU32(out, static_cast<DWORD>(count));
  PutU32(out, static_cast<DWORD>(text.size()));
  out.insert(out.end(), entries.begin(), entries.end());
  out.insert(out.end(), companions.begin(), companions.end());
  out.insert(out.end(), text.begin(), text.end());
  return out;
}

Bytes CountedFile(const std::vector<std::string>& records) {
  Bytes out;
  PutU32(out, static_cast<DWORD>(records.size()));
  for (const std::string& record : records) PutBytes(out, record);
  return out;
}

Bytes NounTableFile(const GrammarModel& model) {
  Bytes out;
  PutU32(out, static_cast<DWORD>(model.nounTables.size()));
  for (const NounTableRecord& record : model.nounTables)
    for (WORD word : record.words) PutU16(out, word);
  for (int i = 0; i < 16; ++i) PutU16(out, 0);  // the sentinel
  return out;
}

// Adds the text and its terminator; returns its offset.
DWORD AddText(Bytes& text, const std::string& value) {
  DWORD offset = static_cast<DWORD>(text.size());
  PutBytes(text, value);
  text.push_back(0);
  return offset;
}

Bytes NounDataFile(const GrammarModel& model) {
  Bytes out(kPrefixTables * kPrefixTableSize, 0);
  Bytes entries, text;
  for (const auto& block : model.entries) {
    PutU32(out, static_cast<DWORD>(block.size()));
    for (const NounEntryRecord& entry : block) {
      BYTE record[kNounEntrySize] = {};
      WriteU32LE(record + kNounEntryWordOffset, AddText(text, MergedWord(entry.word)));
      WriteU32LE(record + kNounEntryDefinitionOffset,
                 entry.hasDefinition ? AddText(text, entry.definition) : kNoText);
      WriteU16LE(record + kNounEntryTableIdOffset, entry.tableId);
      record[kNounEntryClassOffset] = entry.classAndFlag;
      for (int c = 0; c < kNounEntryCategories; ++c)
        record[kNounEntryCategoryOffset + c] = entry.categories[c];
      entries.insert(entries.end(), record, record + sizeof(record));
    }
  }
  if (text.size() >= kNoTextAlt) throw SourceError("the word texts exceed the 32-bit offsets");
  PutU32(out, static_cast<DWORD>(text.size()));
  out.insert(out.end(), entries.begin(), entries.end());
  out.insert(out.end(), text.begin(), text.end());
  return out;
}

Bytes AdjTableFile(const GrammarModel& model) {
  Bytes out;
  PutU32(out, static_cast<DWORD>(model.suffixWords.size()));
  for (const SuffixWordRecord& record : model.suffixWords) {
    PutU16(out, record.id);
    PutU16(out, record.group);
    out.push_back(record.mask);
    out.push_back(record.flags);
  }
  return out;
}

}  // namespace

GrammarModel ReadGrammarSources(const std::string& dataFolder) {
  IdRegistry registry;
  registry.Read(ReadSource(dataFolder, "registry.txt"));
  VerbSources verbs(registry);
  verbs.ReadPatterns(ReadSource(dataFolder, "verb-patterns.txt"));
  verbs.ReadClasses(ReadSource(dataFolder, "verb-classes.txt"));
  verbs.ReadVerbs(ReadSource(dataFolder, "verbs.txt"));
  NounSources nouns(registry);
  nouns.ReadNounPatterns(ReadSource(dataFolder, "noun-patterns.txt"));
  nouns.ReadNounTables(ReadSource(dataFolder, "noun-tables.txt"));
  nouns.ReadAdjectives(ReadSource(dataFolder, "adjectives.txt"));
  nouns.ReadWords(ReadSource(dataFolder, "words.txt"));
  GrammarModel model;
  verbs.Build(model);
  nouns.Build(model);
  return model;
}

std::vector<GrammarFile> WriteGrammarFiles(const GrammarModel& model) {
  return {
      {kVerbPatternFile, VerbPatternFile(model)},
      {kVerbRootFile, VerbRootFile(model)},
      {kVerbIndexFile, VerbIndexFile(model)},
      {kNounPatternFile, CountedFile(model.nounPatterns)},
      {kNounTableFile, NounTableFile(model)},
      {kNounDataFile, NounDataFile(model)},
      {kAdjPatternFile, CountedFile(model.suffixForms)},
      {kAdjTableFile, AdjTableFile(model)},
  };
}

std::string ReadClassIdHeader(const std::string& dataFolder) {
  IdRegistry registry;
  registry.Read(ReadSource(dataFolder, "registry.txt"));
  return WriteClassIdHeader(registry);
}
