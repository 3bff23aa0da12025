// The grammar of data/ compiled, written, loaded back and compared field by
// field with what the compiler made of the sources.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>

#include "hebtext/core/CollationKey.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/LittleEndian.h"
#include "lexicon/tests/core/CompiledGrammar.h"

using namespace GrammarLayout;

namespace {

std::string BlockBytes(const GrammarBlock& block) {
  return block.IsPresent() ? std::string(reinterpret_cast<const char*>(block.Data()), block.Size())
                           : std::string();
}

std::string Joined(const std::vector<std::string>& records) {
  std::string bytes;
  for (const std::string& record : records) bytes += record;
  return bytes;
}

class GrammarRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override {
    model = lextest::CompileDataModel();
    files = WriteGrammarFiles(model);
    folder.WriteAll(files);
    GrammarLoadResult result = LoadGrammarData();
    ASSERT_TRUE(result.loaded);
    EXPECT_TRUE(result.messages.empty()) << static_cast<LPCSTR>(result.messages.front().text);
  }

  lextest::GrammarFolder folder{"roundtrip"};
  GrammarModel model;
  std::vector<GrammarFile> files;
};

TEST_F(GrammarRoundTrip, VerbPatternBlocksHoldTheCompiledRecords) {
  for (int row = 0; row < kPatternRows; ++row) {
    for (int group = 0; group < kTenseGroups; ++group) {
      SCOPED_TRACE(testing::Message() << "row " << row << " group " << group);
      const auto& records = model.verbPatterns[row][group];
      EXPECT_EQ(GetVerbPatternCount(row, group), records.size());
      EXPECT_EQ(BlockBytes(GetVerbPatternBlock(row, group)), Joined(records));
    }
  }
  // Every binyan has a regular class with a past pattern.
  for (int row = 0; row < kBinyanim; ++row) EXPECT_GT(GetVerbPatternCount(row, 1), 0);
}

TEST_F(GrammarRoundTrip, RootRecordsEndWithASentinel) {
  for (int b = 0; b < kVerbBlocks; ++b) {
    SCOPED_TRACE(b);
    const auto& records = model.roots[b];
    ASSERT_EQ(GetVerbRootCount(b), records.size());
    const GrammarBlock& block = GetVerbRootBlock(b);
    ASSERT_EQ(block.Size(), (records.size() + 1) * kBinyanRootRecSize);
    for (size_t r = 0; r < records.size(); ++r) {
      const BYTE* rec = block.Data() + r * kBinyanRootRecSize;
      EXPECT_EQ(ReadU16LE(rec), records[r].id);
      for (int g = 0; g < kTenseGroups; ++g)
        EXPECT_EQ(static_cast<SHORT>(ReadU16LE(rec + 6 + 2 * g)), records[r].patterns[g]);
      EXPECT_EQ(ReadU32LE(rec + 18), records[r].alternativeBits);
      EXPECT_EQ(ReadU16LE(rec + 22), records[r].participleAlternativeBits);
    }
    const BYTE* sentinel = block.Data() + records.size() * kBinyanRootRecSize;
    EXPECT_EQ(std::count(sentinel, sentinel + kBinyanRootRecSize, 0), kBinyanRootRecSize);
  }
}

TEST_F(GrammarRoundTrip, VerbIndexGivesBackRootsMeaningsAndPrepositions) {
  ASSERT_EQ(GetVerbCount(), model.verbs.size());
  ASSERT_GE(model.verbs.size(), 5u);
  for (size_t v = 0; v < model.verbs.size(); ++v) {
    const VerbRecord& verb = model.verbs[v];
    SCOPED_TRACE(v);
    BYTE root[kEntryRootRoom];
    EXPECT_EQ(GetVerbRootLetters(static_cast<int>(v), root), static_cast<int>(verb.root.size()));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(root)), verb.root);
    const BYTE* entry = GetVerbIndexEntries().Data() + v * kVerbIndexEntrySize;
    const BYTE* companion = GetVerbCompanions().Data() + v * kVerbCompanionSize;
    for (int b = 0; b < kVerbBlocks; ++b)
      EXPECT_EQ(ReadU16LE(entry + kEntryBinyanWordOffset + 2 * b), verb.binyanWords[b]);
    for (int b = 0; b < kBinyanim; ++b) {
      LPCSTR meaning = GetVerbMeaning(static_cast<int>(v), b);
      EXPECT_EQ(meaning != nullptr, verb.hasMeaning[b]);
      if (meaning) {
        EXPECT_EQ(std::string(meaning), verb.meanings[b]);
      }
      EXPECT_EQ(ReadU32LE(companion + kCompanionPrepMaskOffset + 4 * b),
                verb.simplePrepositions[b]);
      EXPECT_EQ(entry[kEntryPrepMaskOffset + 3 * b], verb.furtherPrepositions[b]);
      EXPECT_EQ(entry[kEntryPrepMaskOffset + 3 * b + 1], verb.firstParts[b]);
      EXPECT_EQ(entry[kEntryPrepMaskOffset + 3 * b + 2], verb.secondParts[b]);
    }
  }
}

TEST_F(GrammarRoundTrip, VerbIndexIsInDictionaryOrderForTheBinarySearch) {
  std::string previous;
  for (int v = 0; v < GetVerbCount(); ++v) {
    BYTE root[kEntryRootRoom], none[kEntryRootRoom] = {};
    int n = GetVerbRootLetters(v, root);
    char key[32];
    BuildLetterVowelKey(key, sizeof(key), root, none, n);
    EXPECT_LE(previous, key);
    previous = key;
  }
}

TEST_F(GrammarRoundTrip, DeclensionEntriesGiveBackTheirWordsAndDefinitions) {
  const int types[4] = {TableType::Noun, TableType::Preposition, TableType::Adjective,
                        TableType::Vocabulary};
  for (int k = 0; k < 4; ++k) {
    SCOPED_TRACE(k);
    const auto& entries = model.entries[k];
    ASSERT_EQ(GetNounTableCount(types[k]), entries.size());
    ASSERT_FALSE(entries.empty());
    for (size_t e = 0; e < entries.size(); ++e) {
      const BYTE* entry = GetNounTableBlock(types[k]).Data() + e * kNounEntrySize;
      BYTE letters[kMaxFormLetters + 1], vowels[kMaxFormLetters + 1];
      int n = GetNounWord(entry, letters, vowels, sizeof(letters));
      EXPECT_EQ(std::string(reinterpret_cast<char*>(letters), n), entries[e].word.letters);
      EXPECT_EQ(std::string(reinterpret_cast<char*>(vowels), n), entries[e].word.vowels);
      EXPECT_EQ(letters[n], 0);
      EXPECT_EQ(vowels[n], 0);
      LPCSTR definition = GetNounDefinition(entry);
      ASSERT_EQ(definition != nullptr, entries[e].hasDefinition);
      if (definition) {
        EXPECT_EQ(std::string(definition), entries[e].definition);
      }
      EXPECT_EQ(ReadU16LE(entry + kNounEntryTableIdOffset), entries[e].tableId);
      EXPECT_EQ(entry[kNounEntryClassOffset], entries[e].classAndFlag);
    }
  }
}

TEST_F(GrammarRoundTrip, NounAndAdjectiveTablesHoldTheCompiledRecords) {
  EXPECT_EQ(GetNounPatternCount(), model.nounPatterns.size());
  EXPECT_EQ(BlockBytes(GetNounPatternBlock()), Joined(model.nounPatterns));
  EXPECT_EQ(GetAdjPatternCount(), model.suffixForms.size());
  EXPECT_EQ(BlockBytes(GetAdjPatternBlock()), Joined(model.suffixForms));

  ASSERT_EQ(GetNounTableRecCount(), model.nounTables.size());
  ASSERT_EQ(GetNounTableRecBlock().Size(), (model.nounTables.size() + 1) * kNounTableRecSize);
  for (size_t r = 0; r < model.nounTables.size(); ++r)
    for (int w = 0; w < 16; ++w)
      EXPECT_EQ(ReadU16LE(GetNounTableRecBlock().Data() + r * kNounTableRecSize + 2 * w),
                model.nounTables[r].words[w]);

  ASSERT_EQ(GetAdjTableCount(), model.suffixWords.size());
  for (size_t r = 0; r < model.suffixWords.size(); ++r) {
    const BYTE* rec = GetAdjTableBlock().Data() + r * kSuffixWordRecSize;
    EXPECT_EQ(ReadU16LE(rec), model.suffixWords[r].id);
    EXPECT_EQ(ReadU16LE(rec + 2), model.suffixWords[r].group);
    EXPECT_EQ(rec[4], model.suffixWords[r].mask);
    EXPECT_EQ(rec[5], model.suffixWords[r].flags);
  }
  for (int type : {TableType::Noun, TableType::Adjective, TableType::Vocabulary}) {
    ASSERT_NE(GetNounDataPrefixTable(type), nullptr);
    EXPECT_EQ(GetNounDataPrefixTable(type)->Size(), static_cast<size_t>(kPrefixTableSize));
  }
}

TEST_F(GrammarRoundTrip, TheSameSourcesGiveTheSameBytes) {
  std::vector<GrammarFile> again = WriteGrammarFiles(lextest::CompileDataModel());
  ASSERT_EQ(again.size(), files.size());
  for (size_t f = 0; f < files.size(); ++f)
    EXPECT_EQ(again[f].bytes, files[f].bytes) << files[f].name;
}

TEST_F(GrammarRoundTrip, TheBuildPutTheseFilesBesideTheProgram) {
  const char* build = std::getenv("ZULTA_BINARY_DIR");
  if (!build) GTEST_SKIP() << "run by ctest, which names the build folder";
  for (const GrammarFile& file : files) {
    std::ifstream in(std::string(build) + "/Zulta/bin/" + file.name, std::ios::binary);
    ASSERT_TRUE(in) << file.name;
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, file.bytes) << file.name;
  }
}

}  // namespace
