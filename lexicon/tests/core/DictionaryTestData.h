// Test helpers for the dictionary files: a renderer over a table of words,
// a source that files that table, and a scratch folder for the files.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "lexicon/core/DictionaryFiles.h"
#include "lexicon/core/HebWordRec.h"
#include "lexicon/core/RecordFiles.h"
#include "lexicon/core/WordDatabaseBuild.h"
#include "lexicon/tests/core/CompiledGrammar.h"
#include "speech/core/PointedInput.h"

namespace dicttest {

// The word of each record, written as pointed UTF-8.
struct WordEntry {
  PackedWordRec record;
  std::string word;
};

inline PointedLetters Pointed(const std::string& utf8) {
  return *PointedLettersFromUtf8(utf8.c_str());
}

// The word as typed: its letters and vowels, zero-terminated.
inline HebWordRec Typed(const std::string& utf8) {
  HebWordRec word{};
  const PointedLetters p = Pointed(utf8);
  std::memcpy(word.letters, p.L(), p.Last() + 1);
  std::memcpy(word.vowels, p.V(), p.Last() + 1);
  return word;
}

inline PackedWordRec Noun(int index, int extra = 0) {
  UnpackedWordRec f;
  f.entryIndex = static_cast<WORD>(index);
  f.numberField = 1;
  f.extra = extra;
  return PackWordRecord(kKindNoun, f);
}

inline PackedWordRec Verb(int index, int slot, int binyan = 0) {
  UnpackedWordRec f;
  f.entryIndex = static_cast<WORD>(index);
  f.formSlot = static_cast<WORD>(slot);
  f.binyan = binyan;
  return PackWordRecord(kKindVerb, f);
}

inline DWORD Key(const PackedWordRec& record) {
  return record.fields ^ (static_cast<DWORD>(record.extra) << 28);
}

class TableRenderer : public WordRecordRenderer {
 public:
  explicit TableRenderer(const std::vector<WordEntry>& entries) {
    for (const WordEntry& entry : entries) m_words[Key(entry.record)] = Pointed(entry.word);
  }
  int Render(const PackedWordRec& record, BYTE* letters, BYTE* vowels,
             int capacity) const override {
    const auto found = m_words.find(Key(record));
    if (found == m_words.end()) return 0;
    const int length = std::min(found->second.Last() + 1, capacity - 1);
    std::memcpy(letters, found->second.L(), length);
    std::memcpy(vowels, found->second.V(), length);
    letters[length] = 0;
    vowels[length] = 0;
    return length;
  }

 private:
  std::map<DWORD, PointedLetters> m_words;
};

// Files every entry, in the order given, in each pass.
class TableSource : public WordRecordSource {
 public:
  explicit TableSource(std::vector<WordEntry> entries) : m_entries(std::move(entries)) {}
  bool Generate(WordRecordFiler& filer, DatabaseBuildProgress& progress) override {
    for (const WordEntry& entry : m_entries) {
      const PointedLetters word = Pointed(entry.word);
      filer.AddWordRecord(word.L(), word.V(), entry.record);
    }
    return progress.Continue();
  }

 private:
  std::vector<WordEntry> m_entries;
};

// A fresh folder for the database files; removed with the object.
class DatabaseFolder {
 public:
  explicit DatabaseFolder(const std::string& name)
      : m_root(lextest::ScratchFolder("dict-" + name)) {
    std::filesystem::remove_all(m_root);
    std::filesystem::create_directories(m_root);
  }
  ~DatabaseFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_root, ignored);
  }
  std::string Path() const { return m_root.string(); }
  std::vector<BYTE> Read(LPCSTR file) const {
    std::vector<BYTE> bytes;
    ReadRecordFile(DictionaryFilePath(Path().c_str(), file), bytes);
    return bytes;
  }
  void Write(LPCSTR file, const std::vector<BYTE>& bytes) const {
    UserMessageList ignored;
    WriteRecordFile(DictionaryFilePath(Path().c_str(), file), bytes.data(), bytes.size(), ignored);
  }

 private:
  std::filesystem::path m_root;
};

// For each of the files, a build (given its folder) where a folder stands in
// the file's place fails, with the one message that names the file.
template <typename Build>
void ExpectEachUnwritableFileFailsTheBuild(std::initializer_list<LPCSTR> files, Build build) {
  for (LPCSTR file : files) {
    DatabaseFolder folder("unwritable");
    const std::string path(DictionaryFilePath(folder.Path().c_str(), file));
    std::filesystem::create_directory(path);
    const auto result = build(folder.Path().c_str());
    EXPECT_FALSE(result.built) << file;
    ASSERT_EQ(1u, result.messages.size()) << file;
    EXPECT_EQ("The file " + path + " could not be written.",
              static_cast<LPCSTR>(result.messages[0].text));
  }
}

}  // namespace dicttest
