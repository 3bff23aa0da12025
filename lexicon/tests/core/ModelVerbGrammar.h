// Test helpers: the grammar of data/ compiled with the model verbs of the
// golden tables (or with other sources put in place of data/ files), loaded
// from a scratch folder, and the forms of a verb looked up by its root.
#pragma once

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "hebtext/core/HebChar.h"
#include "lexicon/core/BinyanRootRec.h"
#include "lexicon/core/FormPlanes.h"
#include "lexicon/core/FormSlots.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/VerbFormText.h"
#include "lexicon/tests/core/CompiledGrammar.h"
#include "tools/grammarc/HebrewSource.h"

namespace lextest {

inline std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// data/ with verbs.txt replaced by the model verbs and any file of
// replacements put in place; compiled and loaded.
class ModelVerbGrammar {
 public:
  explicit ModelVerbGrammar(const std::string& name,
                            std::map<std::string, std::string> replacements = {})
      : m_sources(ScratchFolder("verbsrc-" + name)), m_folder(name) {
    std::filesystem::remove_all(m_sources);
    std::filesystem::create_directories(m_sources);
    for (const auto& entry : std::filesystem::directory_iterator(SourceDir() + "/data"))
      if (entry.path().extension() == ".txt")
        std::filesystem::copy_file(entry.path(), m_sources / entry.path().filename());
    replacements.emplace("verbs.txt",
                         ReadText(SourceDir() + "/lexicon/tests/core/data/model-verbs.txt"));
    for (const auto& file : replacements) {
      std::ofstream out(m_sources / file.first, std::ios::binary | std::ios::trunc);
      out << file.second;
    }
    m_folder.WriteAll(WriteGrammarFiles(ReadGrammarSources(m_sources.string())));
    loaded = LoadGrammarData().loaded;
  }
  ~ModelVerbGrammar() {
    std::error_code ignored;
    std::filesystem::remove_all(m_sources, ignored);
  }

  bool loaded = false;

 private:
  std::filesystem::path m_sources;
  GrammarFolder m_folder;
};

// The verb index entry of the verb with the (unpointed) root, or null.
inline const BYTE* EntryOfRoot(const std::string& utf8Root) {
  PointedWord root = ConvertHebrewWord(SourceLine{}, utf8Root);
  for (int verb = 0; verb < GetVerbCount(); ++verb) {
    const BYTE* entry = GetVerbIndexEntry(verb);
    if (root.letters == reinterpret_cast<const char*>(GetEntryRoot(entry))) return entry;
  }
  return nullptr;
}

// Every form the verb has in the binyan, in slot order; future 3fs, which
// repeats future 2ms, is left out.
inline std::vector<std::string> FormsOf(GrammarContext& context, const BYTE* entry, int binyan) {
  std::vector<std::string> forms;
  for (int slot = 0; slot < FormSlot::Future3fs; ++slot) {
    HebWordRec form = GenerateVerbForm(context, entry, binyan, slot);
    if (form.letters[0]) forms.push_back(WordToUtf8(form));
  }
  return forms;
}

// A pointed word as the forms are written out (its marks in the exporter's
// order), so that expectations may be typed in any order of marks.
// A leading conjunction shuruk is its own letter code, as the generator
// writes it.
inline std::string Canonical(const std::string& utf8) {
  const std::string shuruk = "\xD7\x95\xD6\xBC";
  bool conjunction = utf8.compare(0, shuruk.size(), shuruk) == 0;
  PointedWord word =
      ConvertHebrewWord(SourceLine{}, conjunction ? utf8.substr(shuruk.size()) : utf8);
  if (conjunction) {
    word.letters.insert(0, 1, static_cast<char>(HebCode::Shuruk));
    word.vowels.insert(0, 1, static_cast<char>(HebCode::Shuruk));
  }
  HebWordRec record = {};
  std::memcpy(record.letters, word.letters.data(), word.letters.size());
  std::memcpy(record.vowels, word.vowels.data(), word.vowels.size());
  return WordToUtf8(record);
}

// A form with its alternatives (separated by ','), canonical part by part.
inline std::string CanonicalAlternatives(const std::string& list) {
  std::string result;
  std::istringstream in(list);
  for (std::string form; std::getline(in, form, ',');)
    result += (result.empty() ? "" : ",") + Canonical(form);
  return result;
}

inline std::vector<std::string> CanonicalWords(const std::string& text) {
  std::vector<std::string> words;
  std::istringstream in(text);
  for (std::string word; in >> word;) words.push_back(CanonicalAlternatives(word));
  return words;
}

// The planes of a pointed word (marks 0), and the word of planes.
inline FormPlanes PlanesOf(const std::string& utf8) {
  PointedWord word = ConvertHebrewWord(SourceLine{}, utf8);
  FormPlanes planes;
  for (size_t i = 0; i < word.letters.size(); ++i)
    planes.Append(static_cast<BYTE>(word.letters[i]), static_cast<BYTE>(word.vowels[i]), 0);
  return planes;
}

inline std::string Utf8Of(const FormPlanes& planes) {
  HebWordRec record = {};
  planes.ToRecord(record);
  return WordToUtf8(record);
}

}  // namespace lextest
