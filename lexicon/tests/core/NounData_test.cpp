// Properties of the nouns, prepositions, adjectives and vocabulary compiled
// from data/: enough words of each kind, a gender and a table for every noun,
// a declension for every declined preposition, well-formed pointing, a
// keyword in every sense of every definition, and each word once a kind.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <sstream>
#include <string>

#include "classlib/core/CString.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/UnicodeHebrew.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/generated/ClassIds.h"
#include "lexicon/tests/core/CompiledGrammar.h"
#include "tools/grammarc/HebrewSource.h"

namespace noun_data_test {

// The four entry blocks of the model, in table type order less one.
enum EntryKind { kNouns = 0, kPrepositions = 1, kAdjectives = 2, kVocabulary = 3 };

// Noun table words of a record as the compiler lays them out.
constexpr int kPersonsMaskWord = 8;
constexpr int kPluralPersonsMaskWord = 9;
constexpr int kPersonCellBits = 0x3FF;  // person cells 3-12
constexpr WORD kCompoundAdjective = 1000;  // added to the class id of a compound

// Gender/number classes a noun may carry: masculine, feminine, both, and
// the plural and dual ones.
const std::set<int> kNounClasses = {1, 2, 3, 4, 5, 6, 7, 11};

const GrammarModel& DataModel() {
  static const GrammarModel model = lextest::CompileDataModel();
  return model;
}

// The word in UTF-8, for messages.
std::string Spelling(const NounEntryRecord& entry) {
  CString text(MergedWord(entry.word).c_str());
  AnsiHebrewToUtf8(text);
  return std::string(text, text.GetLength());
}

// The word in the program's code, to compare words.
std::string Codes(const NounEntryRecord& entry) { return MergedWord(entry.word); }

bool IsWordSeparator(int code) {
  return code == HebCode::Space || code == HebCode::Hyphen || code == HebCode::Maqaf;
}

const NounTableRecord* FindTable(WORD id) {
  for (const NounTableRecord& record : DataModel().nounTables)
    if (record.words[0] == id) return &record;
  return nullptr;
}

TEST(NounData, HoldsEnoughWordsOfEachKind) {
  struct Minimum {
    EntryKind kind;
    size_t count;
  };
  const Minimum minimums[] = {{kNouns, 600}, {kPrepositions, 13}, {kAdjectives, 150},
                              {kVocabulary, 50}};
  for (const Minimum& minimum : minimums)
    EXPECT_GE(DataModel().entries[minimum.kind].size(), minimum.count) << "kind " << minimum.kind;
}

TEST(NounData, EveryNounHasAGenderAndATable) {
  for (const NounEntryRecord& noun : DataModel().entries[kNouns]) {
    EXPECT_TRUE(kNounClasses.count(noun.classAndFlag & 0x7F)) << Spelling(noun);
    EXPECT_TRUE(FindTable(noun.tableId)) << Spelling(noun);
  }
}

TEST(NounData, EveryAdjectiveHasAClass) {
  std::set<WORD> classes;
  for (const SuffixWordRecord& record : DataModel().suffixWords) classes.insert(record.id);
  for (const NounEntryRecord& adjective : DataModel().entries[kAdjectives])
    EXPECT_TRUE(classes.count(adjective.tableId > kCompoundAdjective
                                  ? adjective.tableId - kCompoundAdjective
                                  : adjective.tableId))
        << Spelling(adjective);
}

// The preposition view declines a table on the stem its persons name and
// shows nothing for a table that names neither.
TEST(NounData, EveryDeclinedPrepositionHasPersonCells) {
  for (const NounEntryRecord& preposition : DataModel().entries[kPrepositions]) {
    if (!preposition.tableId) continue;
    const NounTableRecord* table = FindTable(preposition.tableId);
    ASSERT_TRUE(table) << Spelling(preposition);
    EXPECT_TRUE((table->words[kPersonsMaskWord] | table->words[kPluralPersonsMaskWord]) &
                kPersonCellBits)
        << Spelling(preposition);
  }
}

// Every word part is pointed; a final letter ends a word part, and a part
// never ends in the regular form of a letter that has a final one (unless a
// vav vowel follows it).
TEST(NounData, PointingIsWellFormed) {
  for (const auto& entries : DataModel().entries) {
    for (const NounEntryRecord& entry : entries) {
      const std::string& letters = entry.word.letters;
      const std::string& vowels = entry.word.vowels;
      bool partHasVowel = false;
      for (size_t i = 0; i < letters.size(); ++i) {
        const int letter = static_cast<BYTE>(letters[i]);
        const bool endsPart =
            i + 1 == letters.size() || IsWordSeparator(static_cast<BYTE>(letters[i + 1]));
        if (IsWordSeparator(letter)) continue;
        if (static_cast<BYTE>(vowels[i]) > HebCode::ExplicitNoVowel) partHasVowel = true;
        EXPECT_TRUE(!IsFinalLetter(letter) || endsPart) << Spelling(entry) << " at " << i;
        // A vav vowel (kemo, anachnu) is written after the letter.
        EXPECT_TRUE(!HasFinalForm(letter) || !endsPart || IsVavVowel(static_cast<BYTE>(vowels[i])))
            << Spelling(entry) << " at " << i;
        if (endsPart) {
          EXPECT_TRUE(partHasVowel) << Spelling(entry) << " has an unpointed word";
          partHasVowel = false;
        }
      }
    }
  }
}

TEST(NounData, EachWordOnceAKind) {
  for (const auto& entries : DataModel().entries) {
    std::set<std::string> words;
    for (const NounEntryRecord& entry : entries)
      EXPECT_TRUE(words.insert(Codes(entry)).second) << Spelling(entry) << " given twice";
  }
}

// The look-up word an '&' marks: the letters up to the next blank.
std::string KeywordAfter(const std::string& text, size_t ampersand) {
  std::string keyword;
  for (size_t i = ampersand + 1;
       i < text.size() && !std::isspace(static_cast<unsigned char>(text[i])); ++i)
    if (std::isalnum(static_cast<unsigned char>(text[i]))) keyword += text[i];
  return keyword;
}

TEST(NounData, EverySenseOfEveryDefinitionHasAKeyword) {
  for (const auto& entries : DataModel().entries) {
    for (const NounEntryRecord& entry : entries) {
      ASSERT_TRUE(entry.hasDefinition) << Spelling(entry);
      std::istringstream senses(entry.definition);
      std::string sense;
      while (std::getline(senses, sense, ';')) {
        size_t ampersand = sense.find('&');
        ASSERT_NE(ampersand, std::string::npos) << Spelling(entry) << ": \"" << sense << "\"";
        EXPECT_FALSE(KeywordAfter(sense, ampersand).empty()) << Spelling(entry);
      }
    }
  }
}

// Every table of words is named by a word; the infinitive-noun tables are
// named by the verbs instead.
TEST(NounData, EveryWordTableIsUsed) {
  std::set<WORD> used;
  for (const auto& entries : DataModel().entries)
    for (const NounEntryRecord& entry : entries) used.insert(entry.tableId);
  for (const NounTableRecord& record : DataModel().nounTables) {
    const WORD id = record.words[0];
    if (ClassIds::Contains(ClassIds::kNounInfinitiveNoun, id)) continue;
    EXPECT_TRUE(used.count(id)) << "noun table " << id << " is named by no word";
  }
}

}  // namespace noun_data_test
