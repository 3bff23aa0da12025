// The loaders against damaged and missing files: a file whose counts, sizes
// or offsets do not hold together is rejected whole, with a message for the
// caller to show, and leaves its tables empty; nothing is read outside the
// file.
#include <gtest/gtest.h>

#include <functional>

#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/LittleEndian.h"
#include "lexicon/tests/core/CompiledGrammar.h"

using namespace GrammarLayout;

namespace {

typedef std::vector<unsigned char> Bytes;
typedef std::vector<std::string> Texts;

Texts TextsOf(const UserMessageList& messages) {
  Texts texts;
  for (const UserMessage& message : messages) texts.push_back(static_cast<LPCSTR>(message.text));
  return texts;
}

class GrammarLoader : public ::testing::Test {
 protected:
  void SetUp() override { files = WriteGrammarFiles(lextest::CompileDataModel()); }
  void TearDown() override { FreeGrammarData(); }

  Bytes File(const std::string& name) const { return lextest::FileNamed(files, name).bytes; }

  std::vector<GrammarFile> files;
};

struct Damage {
  const char* name;
  const char* file;
  std::function<void(Bytes&)> apply;
};

void SetU32(Bytes& bytes, size_t at, DWORD value) { WriteU32LE(bytes.data() + at, value); }

// The place of verb 0's entry and of the noun entries.
constexpr size_t kFirstVerbEntry = kVerbIndexHeader;
constexpr size_t kFirstNounEntry = kNounDataHeader;

// The last verb's meanings lie at the end of the text, so that the largest
// offset reaches beyond it however long the text is.
size_t LastVerbEntry(const Bytes& b) {
  return kVerbIndexHeader + (ReadU32LE(b.data() + kVerbCountOffset) - 1) * kVerbIndexEntrySize;
}

const Damage kDamages[] = {
    {"verbpat truncated", kVerbPatternFile, [](Bytes& b) { b.pop_back(); }},
    {"verbpat trailing byte", kVerbPatternFile, [](Bytes& b) { b.push_back(0); }},
    {"verbpat header cut", kVerbPatternFile, [](Bytes& b) { b.resize(100); }},
    {"verbpat count beyond 16 bits", kVerbPatternFile,
     [](Bytes& b) { SetU32(b, 0, ReadU32LE(b.data()) + 0x10000); }},
    {"verbpat count larger than the file", kVerbPatternFile,
     [](Bytes& b) { SetU32(b, 4, 0xFFFF); }},
    {"verbtbl truncated", kVerbRootFile, [](Bytes& b) { b.resize(b.size() - kBinyanRootRecSize); }},
    {"verbtbl count beyond 16 bits", kVerbRootFile, [](Bytes& b) { SetU32(b, 0, 0xFFFFFFFF); }},
    {"verbdata empty", kVerbIndexFile, [](Bytes& b) { b.clear(); }},
    {"verbdata count beyond 16 bits", kVerbIndexFile,
     [](Bytes& b) { SetU32(b, kVerbCountOffset, 0x10001); }},
    {"verbdata count larger than the file", kVerbIndexFile,
     [](Bytes& b) { SetU32(b, kVerbCountOffset, 0x8000); }},
    {"verbdata text size wrong", kVerbIndexFile,
     [](Bytes& b) {
       SetU32(b, kVerbTextSizeOffset, ReadU32LE(b.data() + kVerbTextSizeOffset) + 1);
     }},
    {"verbdata text not terminated", kVerbIndexFile, [](Bytes& b) { b.back() = 'x'; }},
    {"verbdata root not terminated", kVerbIndexFile,
     [](Bytes& b) {
       std::fill_n(b.begin() + kFirstVerbEntry + kEntryRootOffset, kEntryRootRoom, 0xE0);
     }},
    {"verbdata root length wrong", kVerbIndexFile, [](Bytes& b) { b[kFirstVerbEntry] = 9; }},
    {"verbdata meaning outside the text", kVerbIndexFile,
     [](Bytes& b) { WriteU16LE(b.data() + LastVerbEntry(b) + kEntryMeaningOffset + 4, 0x7FFF); }},
    {"verbdata meaning before the text", kVerbIndexFile,
     [](Bytes& b) { WriteU16LE(b.data() + kFirstVerbEntry + kEntryMeaningOffset + 4, 0x8000); }},
    {"nounpat truncated", kNounPatternFile, [](Bytes& b) { b.pop_back(); }},
    {"nounpat count beyond 16 bits", kNounPatternFile, [](Bytes& b) { SetU32(b, 0, 0x10000); }},
    {"nounpat no count", kNounPatternFile, [](Bytes& b) { b.resize(3); }},
    {"nountbl without its spare record", kNounTableFile,
     [](Bytes& b) { b.resize(b.size() - kNounTableRecSize); }},
    {"noundata header cut", kNounDataFile, [](Bytes& b) { b.resize(kNounDataCountsOffset + 8); }},
    {"noundata count beyond 16 bits", kNounDataFile,
     [](Bytes& b) { SetU32(b, kNounDataCountsOffset, 0x10000); }},
    {"noundata text size wrong", kNounDataFile,
     [](Bytes& b) {
       SetU32(b, kNounDataCountsOffset + 16, ReadU32LE(b.data() + kNounDataCountsOffset + 16) - 1);
     }},
    {"noundata word outside the text", kNounDataFile,
     [](Bytes& b) { SetU32(b, kFirstNounEntry + kNounEntryWordOffset, 0x7FFFFFFF); }},
    {"noundata definition outside the text", kNounDataFile,
     [](Bytes& b) { SetU32(b, kFirstNounEntry + kNounEntryDefinitionOffset, 0xFFFFFFFD); }},
    {"noundata text not terminated", kNounDataFile, [](Bytes& b) { b.back() = 'x'; }},
    {"adjpat truncated", kAdjPatternFile, [](Bytes& b) { b.pop_back(); }},
    {"adjtbl trailing byte", kAdjTableFile, [](Bytes& b) { b.push_back(1); }},
    {"adjtbl count beyond 16 bits", kAdjTableFile, [](Bytes& b) { SetU32(b, 0, 0x12345678); }},
};

// The file's tables, as one text to compare: empty when all are absent.
std::string LoadedTables(const std::string& file) {
  std::string seen;
  auto add = [&](const GrammarBlock& block, DWORD count) {
    if (block.IsPresent())
      seen += std::string(reinterpret_cast<const char*>(block.Data()), block.Size());
    if (count) seen += "#" + std::to_string(count);
  };
  if (file == kVerbPatternFile)
    for (int r = 0; r < kPatternRows; ++r)
      for (int g = 0; g < kTenseGroups; ++g)
        add(GetVerbPatternBlock(r, g), GetVerbPatternCount(r, g));
  if (file == kVerbRootFile)
    for (int b = 0; b < kVerbBlocks; ++b) add(GetVerbRootBlock(b), GetVerbRootCount(b));
  if (file == kVerbIndexFile) {
    add(GetVerbIndexEntries(), GetVerbCount());
    add(GetVerbCompanions(), 0);
    add(GetVerbTextBlock(), GetVerbTextSize());
  }
  if (file == kNounPatternFile) add(GetNounPatternBlock(), GetNounPatternCount());
  if (file == kNounTableFile) add(GetNounTableRecBlock(), GetNounTableRecCount());
  if (file == kNounDataFile) {
    for (int type = TableType::Noun; type <= TableType::Vocabulary; ++type)
      add(GetNounTableBlock(type), GetNounTableCount(type));
    add(GetNounTextBlock(), 0);
    for (int type : {TableType::Noun, TableType::Adjective, TableType::Vocabulary})
      add(*GetNounDataPrefixTable(type), 0);
  }
  if (file == kAdjPatternFile) add(GetAdjPatternBlock(), GetAdjPatternCount());
  if (file == kAdjTableFile) add(GetAdjTableBlock(), GetAdjTableCount());
  return seen;
}

TEST_F(GrammarLoader, ADamagedFileIsRejectedWholeWithAMessage) {
  for (const Damage& damage : kDamages) {
    SCOPED_TRACE(damage.name);
    lextest::GrammarFolder folder("damaged");
    folder.WriteAll(files);
    Bytes bytes = File(damage.file);
    damage.apply(bytes);
    folder.Write(damage.file, bytes);

    GrammarLoadResult result = LoadGrammarData();

    EXPECT_EQ(LoadedTables(damage.file), "");
    EXPECT_EQ(TextsOf(result.messages), Texts{"The grammar file " + folder.Path(damage.file) +
                                              " is damaged and was not loaded."});
    // Start-up stops only for the verb index; the other tables still load.
    EXPECT_EQ(result.loaded, std::string(damage.file) != kVerbIndexFile);
    if (std::string(damage.file) != kVerbPatternFile) {
      EXPECT_GT(GetVerbPatternCount(0, 1), 0);
    }
  }
}

TEST_F(GrammarLoader, AMissingVerbIndexEndsStartUpAndSaysWhichFile) {
  lextest::GrammarFolder folder("no-verbdata");
  folder.WriteAll(files);
  folder.Remove(kVerbIndexFile);
  GrammarLoadResult result = LoadGrammarData();
  EXPECT_FALSE(result.loaded);
  EXPECT_EQ(TextsOf(result.messages), Texts{"Couldn't find " + folder.Path(kVerbIndexFile) + "!"});
  EXPECT_FALSE(GetNounTableBlock(TableType::Noun).IsPresent()) << "noun tables are not loaded then";
}

TEST_F(GrammarLoader, AMissingNounTableLeavesDeclensionEmptyWhileVerbsWork) {
  lextest::GrammarFolder folder("no-nountbl");
  folder.WriteAll(files);
  folder.Remove(kNounTableFile);
  GrammarLoadResult result = LoadGrammarData();
  EXPECT_TRUE(result.loaded);
  EXPECT_TRUE(result.messages.empty());
  EXPECT_FALSE(GetNounTableRecBlock().IsPresent());
  EXPECT_EQ(GetNounTableRecCount(), 0u);
  EXPECT_GT(GetVerbCount(), 0);
  EXPECT_TRUE(GetNounTableBlock(TableType::Noun).IsPresent());
}

TEST_F(GrammarLoader, ZeroVerbPatternCountsLoadWithEveryBlockAbsent) {
  lextest::GrammarFolder folder("zero-patterns");
  folder.WriteAll(files);
  folder.Write(kVerbPatternFile, Bytes(kVerbPatternHeader, 0));
  GrammarLoadResult result = LoadGrammarData();
  EXPECT_TRUE(result.loaded);
  EXPECT_TRUE(result.messages.empty());
  for (int r = 0; r < kPatternRows; ++r)
    for (int g = 0; g < kTenseGroups; ++g) EXPECT_FALSE(GetVerbPatternBlock(r, g).IsPresent());
}

TEST_F(GrammarLoader, RootBlocksTakeOneRecordMoreThanTheirCount) {
  Bytes bytes(kVerbRootHeader + 6 * kBinyanRootRecSize + 7 * kBinyanRootRecSize, 0);
  SetU32(bytes, 0, 5);
  for (size_t at = kVerbRootHeader; at < kVerbRootHeader + 6 * kBinyanRootRecSize;
       at += kBinyanRootRecSize)
    bytes[at] = 7;
  ASSERT_TRUE(ReadVerbRootTables(bytes.data(), bytes.size()));
  EXPECT_EQ(GetVerbRootCount(0), 5);
  EXPECT_EQ(GetVerbRootBlock(0).Size(), 144u);
  EXPECT_EQ(GetVerbRootBlock(0).Data()[5 * kBinyanRootRecSize], 7)
      << "the sixth record is block 0's";
  EXPECT_EQ(GetVerbRootBlock(1).Data()[0], 0) << "block 1 starts after it";
}

TEST_F(GrammarLoader, EntryBlocksByTableTypeAndPrefixTables) {
  lextest::GrammarFolder folder("types");
  folder.WriteAll(files);
  ASSERT_TRUE(LoadGrammarData().loaded);
  const GrammarBlock& nouns = GetNounTableBlock(TableType::Noun);
  for (int type : {0, 5, -3}) EXPECT_EQ(&GetNounTableBlock(type), &nouns) << type;
  for (int type : {TableType::Preposition, TableType::Adjective, TableType::Vocabulary})
    EXPECT_NE(&GetNounTableBlock(type), &nouns) << type;
  for (int type : {0, int(TableType::Preposition), 5})
    EXPECT_EQ(GetNounDataPrefixTable(type), nullptr) << type;
}

TEST_F(GrammarLoader, NounWordsAreBoundedAndTerminated) {
  lextest::GrammarFolder folder("words");
  folder.WriteAll(files);
  ASSERT_TRUE(LoadGrammarData().loaded);
  BYTE entry[kNounEntrySize];
  std::copy_n(GetNounTableBlock(TableType::Noun).Data(), kNounEntrySize, entry);
  BYTE letters[4], vowels[4];
  std::fill_n(letters, 4, 0xAA);
  std::fill_n(vowels, 4, 0xAA);
  EXPECT_EQ(GetNounWord(entry, letters, vowels, 3), 2) << "only what fits before the terminator";
  EXPECT_EQ(letters[2], 0);
  EXPECT_EQ(vowels[2], 0);
  EXPECT_EQ(letters[3], 0xAA);

  WriteU32LE(entry + kNounEntryWordOffset, kNoText);
  EXPECT_EQ(GetNounWord(entry, letters, vowels, 4), 0);
  EXPECT_EQ(letters[0], 0);
  WriteU32LE(entry + kNounEntryWordOffset, 0x7FFFFFFF);
  EXPECT_EQ(GetNounWord(entry, letters, vowels, 4), 0) << "an offset outside the text block";
}

TEST_F(GrammarLoader, VerbAccessorsAnswerOutOfRangeQuestionsEmpty) {
  lextest::GrammarFolder folder("verbs");
  folder.WriteAll(files);
  ASSERT_TRUE(LoadGrammarData().loaded);
  BYTE root[kEntryRootRoom] = {1};
  EXPECT_EQ(GetVerbRootLetters(GetVerbCount(), root), 0);
  EXPECT_EQ(root[0], 0);
  EXPECT_EQ(GetVerbRootLetters(-1, root), 0);
  EXPECT_EQ(GetVerbMeaning(GetVerbCount(), 0), nullptr);
  EXPECT_EQ(GetVerbMeaning(0, 7), nullptr);
  EXPECT_FALSE(GetVerbPatternBlock(8, 0).IsPresent());
  EXPECT_EQ(GetVerbPatternCount(0, 6), 0);
  EXPECT_FALSE(GetVerbRootBlock(8).IsPresent());
}

TEST_F(GrammarLoader, ASecondLoadReplacesTheData) {
  lextest::GrammarFolder folder("reload");
  folder.WriteAll(files);
  ASSERT_TRUE(LoadGrammarData().loaded);
  WORD verbs = GetVerbCount();
  Bytes empty(kVerbIndexHeader, 0);
  folder.Write(kVerbIndexFile, empty);
  UserMessageList messages;
  EXPECT_TRUE(LoadVerbIndex(messages));
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(GetVerbCount(), 0);
  EXPECT_FALSE(GetVerbIndexEntries().IsPresent());
  EXPECT_GT(verbs, 0);
}

}  // namespace

namespace {

TEST_F(GrammarLoader, FreeingTakesTheCountsWithTheBlocks) {
  lextest::GrammarFolder folder("free");
  folder.WriteAll(files);
  ASSERT_TRUE(LoadGrammarData().loaded);
  FreeGrammarData();
  EXPECT_EQ(GetVerbCount(), 0);
  EXPECT_EQ(GetVerbTextSize(), 0u);
  for (int type = 1; type <= 4; ++type) EXPECT_EQ(GetNounTableCount(type), 0u) << type;
  for (int b = 0; b < kVerbBlocks; ++b) EXPECT_EQ(GetVerbRootCount(b), 0) << b;
  EXPECT_EQ(GetVerbPatternCount(0, 1), 0);
  EXPECT_EQ(
      GetNounTableRecCount() + GetNounPatternCount() + GetAdjPatternCount() + GetAdjTableCount(),
      0u);
}

}  // namespace
