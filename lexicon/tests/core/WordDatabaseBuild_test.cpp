#include "lexicon/core/WordDatabaseBuild.h"

#include <gtest/gtest.h>

#include "lexicon/core/DatabaseOrderCheck.h"
#include "lexicon/core/EntrySortKey.h"
#include "lexicon/tests/core/DictionaryTestData.h"

namespace word_database_build_test {

using namespace dicttest;
namespace File = DictionaryFile;

const std::vector<WordEntry> kEntries = {
    {Noun(1), "שָׁלוֹם"}, {Noun(2), "בַּיִת"},    {Verb(3, 0), "לִכְתֹּב"},  {Noun(4), "סֵפֶר"},
    {Noun(5), "יֶלֶד"},  {Verb(3, 5), "כָּתַב"}, {Noun(6), "דָּבָר"},      {Noun(7), "דִּבֵּר"},
    {Noun(8), "מֶלֶךְ"},  {Noun(9), "כֶּלֶב"},    {Noun(10), "בֵּית סֵפֶר"},
};

std::vector<EntrySortKey> KeysOf(const std::vector<BYTE>& file,
                                 const WordRecordRenderer& renderer) {
  std::vector<EntrySortKey> keys;
  for (size_t offset = 0; offset < file.size(); offset += kPackedWordRecSize) {
    BYTE letters[kEntryKeySize];
    BYTE vowels[kEntryKeySize];
    const int n =
        renderer.Render(ReadWordRecordBytes(&file[offset]), letters, vowels, kEntryKeySize);
    keys.emplace_back();
    BuildEntrySortKey(letters, vowels, n, keys.back());
  }
  return keys;
}

TEST(WordDatabaseBuild, WritesEveryRecordInKeyOrderWithItsIndexAndListFile) {
  DatabaseFolder folder("order");
  TableSource source(kEntries);
  TableRenderer renderer(kEntries);
  SilentBuildProgress progress;
  const WordDatabaseBuildResult result =
      BuildWordDatabases(folder.Path().c_str(), source, renderer, progress);
  ASSERT_TRUE(result.built);
  EXPECT_TRUE(result.messages.empty());

  const std::vector<BYTE> data = folder.Read(File::kWordData);
  ASSERT_EQ(kEntries.size() * kPackedWordRecSize, data.size());
  const std::vector<EntrySortKey> keys = KeysOf(data, renderer);
  for (size_t i = 1; i < keys.size(); ++i) EXPECT_LE(CompareEntrySortKeys(keys[i - 1], keys[i]), 0);
  EXPECT_EQ(std::vector<BYTE>(data.begin(), data.begin() + kPackedWordRecSize),
            folder.Read(File::kWordIndex));

  // The list file keeps the verbs in the same order.
  const std::vector<BYTE> list = folder.Read(File::kListWordData);
  ASSERT_EQ(2u * kPackedWordRecSize, list.size());
  for (size_t offset = 0; offset < list.size(); offset += kPackedWordRecSize)
    EXPECT_EQ(kKindVerb, DecodeWordRecord(ReadWordRecordBytes(&list[offset]).fields, 0, nullptr));
  EXPECT_EQ(std::vector<BYTE>(list.begin(), list.begin() + kPackedWordRecSize),
            folder.Read(File::kListWordIndex));
}

TEST(WordDatabaseBuild, NoRecordsGiveEmptyFiles) {
  DatabaseFolder folder("empty");
  TableSource source({});
  TableRenderer renderer({});
  SilentBuildProgress progress;
  ASSERT_TRUE(BuildWordDatabases(folder.Path().c_str(), source, renderer, progress).built);
  for (LPCSTR file : {File::kWordData, File::kWordIndex, File::kListWordData, File::kListWordIndex})
    EXPECT_TRUE(
        std::filesystem::exists(std::string(DictionaryFilePath(folder.Path().c_str(), file))) &&
        folder.Read(file).empty())
        << file;
}

TEST(WordDatabaseBuild, TheFileIsTheSameWhateverOrderTheSourcesGiveTheRecords) {
  std::vector<WordEntry> twins = kEntries;
  twins.push_back({Noun(20), "שָׁלוֹם"});  // an equal key and vowel classes
  std::vector<WordEntry> reversed(twins.rbegin(), twins.rend());
  DatabaseFolder a("same-a");
  DatabaseFolder b("same-b");
  TableRenderer renderer(twins);
  SilentBuildProgress progress;
  TableSource forward(twins);
  TableSource backward(reversed);
  ASSERT_TRUE(BuildWordDatabases(a.Path().c_str(), forward, renderer, progress).built);
  ASSERT_TRUE(BuildWordDatabases(b.Path().c_str(), backward, renderer, progress).built);
  EXPECT_EQ(a.Read(File::kWordData), b.Read(File::kWordData));
}

TEST(WordDatabaseBuild, WordsAreOrderedByTheirWholeKeysHoweverLong) {
  // Alike in more key letters than a 32-byte key holds: the search bisects
  // by whole keys, so the build must not sort by shorter ones.
  const std::string common = "בֵּית הַסֵּפֶר הַתִּיכוֹן הָעִירוֹנִי הֶחָדָשׁ שֶׁל הָעִיר ";
  std::vector<WordEntry> entries;
  int index = 100;
  for (const char* town : {"דָּן", "חֲדֵרָה", "יָפוֹ", "לוֹד", "נְתַנְיָה", "עַכּוֹ", "צְפַת", "רַמְלָה"})
    entries.push_back({Noun(index--), common + town});
  DatabaseFolder folder("long");
  TableSource source(entries);
  TableRenderer renderer(entries);
  SilentBuildProgress progress;
  ASSERT_TRUE(BuildWordDatabases(folder.Path().c_str(), source, renderer, progress).built);
  const std::vector<EntrySortKey> keys = KeysOf(folder.Read(File::kWordData), renderer);
  ASSERT_EQ(entries.size(), keys.size());
  for (size_t i = 1; i < keys.size(); ++i) EXPECT_LT(CompareEntrySortKeys(keys[i - 1], keys[i]), 0);
}

class Lines : public DatabaseBuildProgress {
 public:
  void ShowLine(const CString& line) override { last = static_cast<LPCSTR>(line); }
  bool Continue() override { return true; }
  std::string last;
};

TEST(WordDatabaseBuild, TheOrderCheckPassesABuiltFileAndNamesAPairOutOfOrder) {
  DatabaseFolder folder("check");
  TableSource source(kEntries);
  TableRenderer renderer(kEntries);
  SilentBuildProgress silent;
  ASSERT_TRUE(BuildWordDatabases(folder.Path().c_str(), source, renderer, silent).built);
  Lines lines;
  DatabaseOrderResult result = CheckDatabaseOrder(folder.Path().c_str(), renderer, lines);
  EXPECT_TRUE(result.opened);
  EXPECT_EQ(kEntries.size(), result.total);
  EXPECT_EQ(kEntries.size(), result.compared);
  EXPECT_TRUE(result.faults.empty());
  EXPECT_EQ("DONE! Compared 11 items out of 11", lines.last);

  // The last record moved to the front.
  std::vector<BYTE> data = folder.Read(File::kWordData);
  std::rotate(data.begin(), data.end() - kPackedWordRecSize, data.end());
  folder.Write(File::kWordData, data);
  result = CheckDatabaseOrder(folder.Path().c_str(), renderer, lines);
  ASSERT_EQ(1u, result.faults.size());
  EXPECT_EQ(0, std::strncmp("BAD-ORDER!\n", result.faults[0].text, 11));
}

TEST(WordDatabaseBuild, IndexesHoldTheRecordAtTheStartOfEveryBlock) {
  struct Case {
    size_t bytes;
    size_t entries;
  };
  for (const Case c : {Case{0, 0}, Case{5, 1}, Case{10000, 2}, Case{10005, 3}}) {
    std::vector<BYTE> data(c.bytes);
    for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<BYTE>(i / kPackedWordRecSize);
    const std::vector<BYTE> index = IndexOfRecords(data, kPackedWordRecSize, File::kWordBlockBytes);
    ASSERT_EQ(c.entries * kPackedWordRecSize, index.size()) << c.bytes;
    for (size_t k = 0; k < c.entries; ++k)
      EXPECT_EQ(data[k * File::kWordBlockBytes], index[k * kPackedWordRecSize]);
  }
}

class CancelAt : public DatabaseBuildProgress {
 public:
  explicit CancelAt(int calls) : m_left(calls) {}
  void ShowLine(const CString&) override {}
  bool Continue() override { return --m_left > 0; }

 private:
  int m_left;
};

// Gives one record more in its second run than in its first.
class GrowingSource : public WordRecordSource {
 public:
  bool Generate(WordRecordFiler& filer, DatabaseBuildProgress&) override {
    const PointedLetters word = Pointed("שָׁלוֹם");
    for (int i = 0; i <= filer.Pass(); ++i) filer.AddWordRecord(word.L(), word.V(), Noun(1 + i));
    return true;
  }
};

TEST(WordDatabaseBuild, FailuresLeaveTheGroupUnbuilt) {
  TableRenderer renderer(kEntries);
  TableSource source(kEntries);
  SilentBuildProgress progress;
  {
    DatabaseFolder folder("cancel");
    CancelAt cancel(2);
    const WordDatabaseBuildResult result =
        BuildWordDatabases(folder.Path().c_str(), source, renderer, cancel);
    EXPECT_FALSE(result.built);
    EXPECT_TRUE(result.messages.empty());
  }
  {
    const std::string missing = DatabaseFolder("absent").Path() + "/no-such-folder";
    const WordDatabaseBuildResult result =
        BuildWordDatabases(missing.c_str(), source, renderer, progress);
    EXPECT_FALSE(result.built);
    ASSERT_EQ(1u, result.messages.size());
    const std::string path(DictionaryFilePath(missing.c_str(), File::kWordData));
    EXPECT_EQ("The file " + path + " could not be written.",
              static_cast<LPCSTR>(result.messages[0].text));
  }
  {
    DatabaseFolder folder("grow");
    GrowingSource growing;
    const WordDatabaseBuildResult result =
        BuildWordDatabases(folder.Path().c_str(), growing, renderer, progress);
    EXPECT_FALSE(result.built);
    ASSERT_EQ(1u, result.messages.size());
    EXPECT_STREQ("The word sources gave more records in the second pass than in the first.",
                 result.messages[0].text);
  }
  {
    // A record that renders into another bucket than the one it was filed in.
    DatabaseFolder folder("misfiled");
    std::vector<WordEntry> other = kEntries;
    other[0].word = "תּוֹרָה";
    TableRenderer disagreeing(other);
    const WordDatabaseBuildResult result =
        BuildWordDatabases(folder.Path().c_str(), source, disagreeing, progress);
    EXPECT_FALSE(result.built);
    ASSERT_EQ(1u, result.messages.size());
  }
}

TEST(WordDatabaseBuild, AFileThatCannotBeWrittenLeavesTheGroupUnbuiltWithItsName) {
  TableSource source(kEntries);
  TableRenderer renderer(kEntries);
  SilentBuildProgress progress;
  ExpectEachUnwritableFileFailsTheBuild(
      {File::kWordData, File::kWordIndex, File::kListWordData, File::kListWordIndex},
      [&](LPCSTR folder) { return BuildWordDatabases(folder, source, renderer, progress); });
}

}  // namespace word_database_build_test
