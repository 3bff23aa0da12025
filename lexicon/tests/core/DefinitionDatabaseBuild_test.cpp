#include "lexicon/core/DefinitionDatabaseBuild.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "lexicon/core/DefinitionKeywords.h"
#include "lexicon/core/EntrySortKey.h"
#include "lexicon/core/LittleEndian.h"
#include "lexicon/core/PackedDefinitionRecord.h"
#include "lexicon/core/PackedWordRecord.h"
#include "lexicon/tests/core/DictionaryTestData.h"

namespace {

using namespace dicttest;
namespace File = DictionaryFile;

TEST(DefinitionKeywords, TheWordAfterTheMarkWithoutPunctuation) {
  struct Case {
    const char* text;
    int ordinal;
    int size;
    const char* keyword;
  };
  // clang-format off
  const Case cases[] = {
      {"to &write! a letter",        1, 32, "write"},
      {"to &re-do it",               1, 32, "re-do"},
      {"&one, &two\tthree",          2, 32, "two"},
      {"&one &two",                  3, 32, ""},
      {"no marks",                   1, 32, ""},
      {"&(say)so",                   1, 32, "sayso"},
      {"&abcdefgh",                  1, 5,  "abcd"},
  };
  // clang-format on
  for (const Case& c : cases) {
    char buffer[32];
    EXPECT_EQ(static_cast<int>(std::strlen(c.keyword)),
              DefinitionKeywordOf(c.text, c.ordinal, buffer, c.size))
        << c.text;
    EXPECT_STREQ(c.keyword, buffer) << c.text;
  }
  EXPECT_EQ(3, CountDefinitionKeywords("&a &b &c"));
}

// Keywords by record; a verb record's by its root, lowest binyan and ordinal.
class KeywordTable {
 public:
  void Add(DWORD record, const std::string& keyword) { m_keywords[Key(record)] = keyword; }
  KeywordRenderer Renderer() const {
    return [this](DWORD record, char* buffer, int size) {
      const auto found = m_keywords.find(Key(record));
      const std::string keyword = found == m_keywords.end() ? "" : found->second;
      std::snprintf(buffer, size, "%s", keyword.c_str());
      return static_cast<int>(std::strlen(buffer));
    };
  }

 private:
  static DWORD Key(DWORD record) {
    UnpackedDefinitionRec f{};
    if (DecodeDefinitionRecord(record, f) != kKindVerb) return record;
    int lowest = 0;
    while (lowest < 7 && !(f.binyanMask & (1 << lowest))) ++lowest;
    return PackDefinitionRecordVerb(f.entryIndex, 1 << lowest, f.definitionNumber);
  }
  std::map<DWORD, std::string> m_keywords;
};

class ListSource : public DefinitionRecordSource {
 public:
  explicit ListSource(std::vector<DWORD> records) : m_records(std::move(records)) {}
  bool Generate(DefinitionRecordFiler& filer, DatabaseBuildProgress& progress) override {
    for (DWORD record : m_records) filer.AddDefinitionRecord(record);
    return progress.Continue();
  }

 private:
  std::vector<DWORD> m_records;
};

std::vector<DWORD> Records(const std::vector<BYTE>& file) {
  std::vector<DWORD> records;
  for (size_t i = 0; i + kPackedDefinitionRecSize <= file.size(); i += kPackedDefinitionRecSize)
    records.push_back(ReadU32LE(&file[i]));
  return records;
}

TEST(DefinitionDatabaseBuild, KeywordsInOrderWithTheListFileOfVerbsPrepositionsAndNumbers) {
  KeywordTable table;
  const DWORD house = PackDefinitionRecordTable(kKindNoun, 1, 1);
  const DWORD in = PackDefinitionRecordTable(kKindPrep, 2, 1);
  const DWORD write = PackDefinitionRecordVerb(3, 1, 1);
  const DWORD ten = PackDefinitionRecordNumber(10, 0, 0, 0);
  const DWORD tenWords = PackDefinitionRecordNumber(10, 0, 0, 1);
  table.Add(house, "house");
  table.Add(in, "In");
  table.Add(write, "write");
  table.Add(ten, "10");
  table.Add(tenWords, "ten");
  ListSource source({write, house, tenWords, in, ten});
  DatabaseFolder folder("definitions");
  SilentBuildProgress progress;
  const KeywordRenderer renderer = table.Renderer();
  ASSERT_TRUE(BuildDefinitionDatabases(folder.Path().c_str(), source, renderer, progress).built);
  EXPECT_EQ(std::vector<DWORD>({ten, house, in, tenWords, write}),
            Records(folder.Read(File::kDefinitionData)));
  EXPECT_EQ(std::vector<DWORD>({ten, in, tenWords, write}),
            Records(folder.Read(File::kListDefinitionData)));
  EXPECT_EQ(std::vector<DWORD>({ten}), Records(folder.Read(File::kDefinitionIndex)));
}

TEST(DefinitionDatabaseBuild, OneVerbsKeywordInTwoBinyanimIsOneRecordWithTheLowerBinyansOrdinal) {
  const DWORD kal = PackDefinitionRecordVerb(7, 1 << 0, 3);
  const DWORD piel = PackDefinitionRecordVerb(7, 1 << 2, 1);
  const DWORD merged = PackDefinitionRecordVerb(7, (1 << 0) | (1 << 2), 3);
  KeywordTable table;
  table.Add(kal, "speak");
  table.Add(piel, "Speak");
  const KeywordRenderer renderer = table.Renderer();
  SilentBuildProgress progress;
  for (const std::vector<DWORD>& order :
       {std::vector<DWORD>{kal, piel}, std::vector<DWORD>{piel, kal}}) {
    DatabaseFolder folder("merge");
    ListSource source(order);
    ASSERT_TRUE(BuildDefinitionDatabases(folder.Path().c_str(), source, renderer, progress).built);
    EXPECT_EQ(std::vector<DWORD>({merged}), Records(folder.Read(File::kDefinitionData)));
  }
}

TEST(DefinitionDatabaseBuild, AFileThatCannotBeWrittenLeavesTheGroupUnbuiltWithItsName) {
  const DWORD write = PackDefinitionRecordVerb(3, 1, 1);
  KeywordTable table;
  table.Add(write, "write");
  const KeywordRenderer renderer = table.Renderer();
  ListSource source({write});
  SilentBuildProgress progress;
  ExpectEachUnwritableFileFailsTheBuild(
      {File::kDefinitionData, File::kDefinitionIndex, File::kListDefinitionData,
       File::kListDefinitionIndex},
      [&](LPCSTR folder) { return BuildDefinitionDatabases(folder, source, renderer, progress); });
}

}  // namespace
