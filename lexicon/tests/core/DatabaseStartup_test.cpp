#include "lexicon/core/DatabaseStartup.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "classlib/core/MulDivRounded.h"
#include "hebtext/core/MemoryProfileStore.h"
#include "lexicon/core/PackedDefinitionRecord.h"
#include "lexicon/tests/core/DictionaryTestData.h"
#include "resources/LexiconIds.h"

namespace {

using namespace dicttest;
namespace File = DictionaryFile;

// The string table of the program, as far as the start-up check uses it.
const std::map<UINT, std::string> kStrings = {
    {IDS_DEFINITIONS_BUILD_QUESTION,
     "Definitions Database File needs to be built.\nIf not, the program will automatically exit "
     "at this time.\n\nThis will take approximately %d minutes.\n\nSelect \"YES\" to build this "
     "file now."},
    {IDS_DEFINITIONS_NOT_BUILT, "Definitions Database not built!"},
    {IDS_DATABASE_FILES_MISSING,
     "One or more Database Files do not Exist!\n\nYou will need to reinstall ZULTA!"},
    {IDS_DATABASE_NOT_INSTALLED, "Database Files not Installed Properly!"},
    {IDS_HEBREW_BUILD_QUESTION,
     "Hebrew Database needs to be built.\nIf not, the program will automatically exit at this "
     "time.\n\nThis will take approximately %d minutes.\n\nSelect \"YES\" to build this file "
     "now."},
    {IDS_HEBREW_NOT_BUILT, "Hebrew Database not built!"},
    {IDS_BOTH_BUILD_QUESTION,
     "Hebrew and Definitions Database Files need to be built.\nIf not, the program will "
     "automatically exit at this time.\n\nThis will take approximately %d minutes.\n\nSelect "
     "\"YES\" to build this file now."},
    {IDS_BOTH_NOT_BUILT, "Hebrew and Definitions Databases not built!"},
    {IDS_DISK_SPACE_NEEDED,
     "However, you only have %01.1f MB disk space on drive %c\n\n%01.1f Megabtyes are "
     "needed!\n\nFree up some disk space, then restart ZULTA."},
    {IDS_DISK_SPACE_LOW, "Disk Space Low!"},
    {IDS_DATABASE_BUILD_NEEDED,
     "Hebrew and/or Definition Database Files need to be built.\nIf not, the program will "
     "automatically exit at this time.\n\n"},
};

BOOL LoadTestString(UINT nID, CString& rString) {
  const auto found = kStrings.find(nID);
  if (found == kStrings.end()) return FALSE;
  rString = found->second.c_str();
  return TRUE;
}

class DatabaseStartupTest : public testing::Test {
 protected:
  void SetUp() override { AfxSetStringLoader(LoadTestString); }
  void TearDown() override { AfxSetStringLoader(nullptr); }
};

std::string Str(const CString& s) { return static_cast<LPCSTR>(s); }

std::vector<std::string> Strs(const std::vector<CString>& list) {
  std::vector<std::string> out;
  for (const CString& s : list) out.push_back(Str(s));
  return out;
}

const std::vector<std::string> kWordFiles = {"bin\\MSPKDB.BIN", "bin\\MSPKDB.IDX", "bin\\HLCDB.BIN",
                                             "bin\\HLCDB.IDX"};
const std::vector<std::string> kDefinitionFiles = {"bin\\DEFIN.BIN", "bin\\DEFIN.IDX",
                                                   "bin\\HLCDEF.BIN", "bin\\HLCDEF.IDX"};

TEST_F(DatabaseStartupTest, WhatIsMissingChoosesTheSpaceTheQuestionAndTheFactor) {
  struct Case {
    bool hebrewReady, definitionsReady;
    DWORD needKB;
    UINT question, caption;
    int factor;
  };
  // clang-format off
  const Case cases[] = {
      {true,  false, 300,   IDS_DEFINITIONS_BUILD_QUESTION, IDS_DEFINITIONS_NOT_BUILT, 1},
      {false, true,  21000, IDS_HEBREW_BUILD_QUESTION,      IDS_HEBREW_NOT_BUILT,      12},
      {false, false, 21300, IDS_BOTH_BUILD_QUESTION,        IDS_BOTH_NOT_BUILT,        13},
  };
  // clang-format on
  for (const Case& c : cases) {
    const DatabaseBuildOffer* offer = DatabaseBuildOfferFor({c.hebrewReady, c.definitionsReady});
    ASSERT_NE(nullptr, offer) << c.needKB;
    EXPECT_EQ(c.needKB, offer->needKB);
    EXPECT_EQ(c.question, offer->questionId);
    EXPECT_EQ(c.caption, offer->captionId);
    EXPECT_EQ(c.factor, offer->factor);
  }
  EXPECT_EQ(nullptr, DatabaseBuildOfferFor({true, true}));
}

TEST_F(DatabaseStartupTest, TheEstimateIsTheRoundedWriteTimeShareAndThreeMinutes) {
  struct Case {
    bool hebrewReady, definitionsReady;
    DWORD writeTimeMs;
    int minutes;
  };
  // clang-format off
  const Case cases[] = {
      {false, false, 350, 16},  // 13 + 3
      {true,  false, 350, 4},
      {false, true,  350, 15},
      {true,  false, 175, 4},   // half a unit rounds up
      {true,  false, 174, 3},
      {false, false, 0,   3},
  };
  // clang-format on
  for (const Case& c : cases) {
    const DatabaseBuildOffer& offer = *DatabaseBuildOfferFor({c.hebrewReady, c.definitionsReady});
    EXPECT_EQ(c.minutes, EstimateBuildMinutes(offer, c.writeTimeMs)) << c.writeTimeMs;
  }
  // Halves away from zero on either side, as the system's MulDiv.
  EXPECT_EQ(-1, MulDivRounded(-1, 175, 350));
  EXPECT_EQ(-1, MulDivRounded(1, 175, -350));
  EXPECT_EQ(0, MulDivRounded(-1, 174, 350));

  const UserMessage question = DatabaseBuildQuestion(*DatabaseBuildOfferFor({false, false}), 350);
  EXPECT_EQ(
      "Hebrew and Definitions Database Files need to be built.\nIf not, the program will "
      "automatically exit at this time.\n\nThis will take approximately 16 minutes.\n\nSelect "
      "\"YES\" to build this file now.",
      Str(question.text));
  EXPECT_EQ("Hebrew and Definitions Databases not built!", Str(question.caption));
}

TEST_F(DatabaseStartupTest, TooLittleSpaceSaysWhatIsFreeOnTheDriveAndWhatIsNeeded) {
  constexpr ULONGLONG kMB = 1024 * 1024;
  EXPECT_TRUE(HasDiskSpaceFor(300 * 1024, 300));
  EXPECT_FALSE(HasDiskSpaceFor(300 * 1024 - 1, 300));
  EXPECT_TRUE(HasDiskSpaceFor(8 * 1024 * kMB, 21300));  // beyond 32 bits

  const UserMessage message = DiskSpaceLowMessage(kMB / 5, 'C', 300);
  EXPECT_EQ(
      "Hebrew and/or Definition Database Files need to be built.\nIf not, the program will "
      "automatically exit at this time.\n\nHowever, you only have 0.2 MB disk space on drive "
      "C\n\n0.3 Megabtyes are needed!\n\nFree up some disk space, then restart ZULTA.",
      Str(message.text));
  EXPECT_EQ("Disk Space Low!", Str(message.caption));
}

TEST(ElapsedTimeLine, ShowsWholeSecondsAMinuteOnlyPastSixtyAndOnlyChanges) {
  struct Case {
    DWORD afterMs;
    const char* line;  // nullptr: the line shown stays
  };
  // clang-format off
  const Case cases[] = {
      {0,      "Elapsed Time: 0 Min  0 Secs"},
      {999,    nullptr},
      {1000,   "Elapsed Time: 0 Min  1 Secs"},
      {60000,  "Elapsed Time: 0 Min  60 Secs"},
      {60999,  nullptr},
      {61000,  "Elapsed Time: 1 Min  1 Secs"},
      {120000, "Elapsed Time: 2 Min  0 Secs"},
  };
  // clang-format on
  // The start lies just before the tick count wraps.
  constexpr DWORD kStart = 0xFFFFF000;
  ElapsedTimeLine elapsed;
  elapsed.Start(kStart);
  for (const Case& c : cases) {
    CString line;
    EXPECT_EQ(c.line != nullptr, elapsed.Refresh(kStart + c.afterMs, line)) << c.afterMs;
    if (c.line != nullptr) {
      EXPECT_EQ(c.line, Str(line));
    }
  }
  // A new start shows its first line again.
  CString line;
  elapsed.Start(0);
  EXPECT_TRUE(elapsed.Refresh(0, line));
}

TEST(DatabaseGroupFiles, EachGroupsFourFilesUnderBin) {
  EXPECT_EQ(kWordFiles, Strs(DatabaseGroupFiles(DatabaseGroup::kWords)));
  EXPECT_EQ(kDefinitionFiles, Strs(DatabaseGroupFiles(DatabaseGroup::kDefinitions)));
  std::vector<std::string> all = kWordFiles;
  all.insert(all.end(), kDefinitionFiles.begin(), kDefinitionFiles.end());
  EXPECT_EQ(all, Strs(AllDatabaseFiles()));
  EXPECT_EQ("File Missing: VerbData.bin", Str(GrammarFileMissingText(kGrammarFiles[0])));
}

// ---- The build steps

const std::vector<WordEntry> kEntries = {
    {Noun(1), "שָׁלוֹם"}, {Noun(2), "בַּיִת"}, {Verb(3, 0), "לִכְתֹּב"}, {Noun(4), "סֵפֶר"}};

// Files its records; a Cancel may arrive while it runs.
class DefinitionList : public DefinitionRecordSource {
 public:
  bool Generate(DefinitionRecordFiler& filer, DatabaseBuildProgress& progress) override {
    ++runs;
    filer.AddDefinitionRecord(PackDefinitionRecordVerb(3, 1, 1));
    if (cancel != nullptr) *cancel = false;
    return progress.Continue();
  }
  std::atomic<bool>* cancel = nullptr;
  int runs = 0;
};

int WriteKeyword(DWORD, char* buffer, int size) {
  std::snprintf(buffer, size, "write");
  return 5;
}

// The progress of the dialog: stops once the flag is cleared.
class FlagProgress : public DatabaseBuildProgress {
 public:
  explicit FlagProgress(const std::atomic<bool>& keepGoing) : m_keepGoing(keepGoing) {}
  void ShowLine(const CString&) override {}
  bool Continue() override { return m_keepGoing; }

 private:
  const std::atomic<bool>& m_keepGoing;
};

class BuildStepsTest : public testing::Test {
 protected:
  DatabaseBuildOutcome Build(const std::string& folder, bool words, bool definitions) {
    const DatabaseBuildSources sources{m_words, m_renderer, m_definitions, m_keywords};
    FlagProgress progress(m_keepGoing);
    return RunDatabaseBuildSteps(folder.c_str(), words, definitions, sources, progress,
                                 m_keepGoing);
  }

  TableRenderer m_renderer{kEntries};
  TableSource m_words{kEntries};
  DefinitionList m_definitions;
  KeywordRenderer m_keywords = WriteKeyword;
  std::atomic<bool> m_keepGoing{true};
};

bool Exists(const DatabaseFolder& folder, LPCSTR file) {
  return std::filesystem::exists(std::string(DictionaryFilePath(folder.Path().c_str(), file)));
}

TEST_F(BuildStepsTest, BothGroupsBuiltWriteTheirEightFiles) {
  DatabaseFolder folder("startup-both");
  const DatabaseBuildOutcome outcome = Build(folder.Path(), true, true);
  EXPECT_EQ(GroupOutcome::kBuilt, outcome.words);
  EXPECT_EQ(GroupOutcome::kBuilt, outcome.definitions);
  EXPECT_TRUE(outcome.failures.empty());
  for (LPCSTR file : {File::kWordData, File::kWordIndex, File::kListWordData, File::kListWordIndex,
                      File::kDefinitionData, File::kDefinitionIndex, File::kListDefinitionData,
                      File::kListDefinitionIndex})
    EXPECT_TRUE(Exists(folder, file)) << file;
  EXPECT_TRUE(UnfinishedDatabaseFiles(outcome).empty());
  const DatabaseBuildReport report = DatabaseBuildReportOf(outcome);
  EXPECT_TRUE(report.succeeded);
  EXPECT_EQ("Word/Definition Databases successfully built", Str(report.text));
}

TEST_F(BuildStepsTest, OnlyTheGroupAskedForIsBuilt) {
  DatabaseFolder folder("startup-definitions");
  const DatabaseBuildOutcome outcome = Build(folder.Path(), false, true);
  EXPECT_EQ(GroupOutcome::kNotNeeded, outcome.words);
  EXPECT_EQ(GroupOutcome::kBuilt, outcome.definitions);
  EXPECT_FALSE(Exists(folder, File::kWordData));
  EXPECT_TRUE(Exists(folder, File::kListDefinitionIndex));
}

TEST_F(BuildStepsTest, ACancelDuringTheDefinitionsLeavesTheWordsBuilt) {
  DatabaseFolder folder("startup-cancel");
  m_definitions.cancel = &m_keepGoing;
  const DatabaseBuildOutcome outcome = Build(folder.Path(), true, true);
  EXPECT_EQ(GroupOutcome::kBuilt, outcome.words);
  EXPECT_EQ(GroupOutcome::kCancelled, outcome.definitions);
  EXPECT_TRUE(outcome.failures.empty());
  EXPECT_EQ(kDefinitionFiles, Strs(UnfinishedDatabaseFiles(outcome)));
  const DatabaseBuildReport report = DatabaseBuildReportOf(outcome);
  EXPECT_FALSE(report.succeeded);
  EXPECT_EQ("Word/Definition Database build aborted!", Str(report.text));
}

TEST_F(BuildStepsTest, ACancelDuringTheWordsRunsNoDefinitionStep) {
  DatabaseFolder folder("startup-cancel-words");
  m_keepGoing = false;
  const DatabaseBuildOutcome outcome = Build(folder.Path(), true, true);
  EXPECT_EQ(GroupOutcome::kCancelled, outcome.words);
  EXPECT_EQ(GroupOutcome::kCancelled, outcome.definitions);
  EXPECT_EQ(0, m_definitions.runs);
  std::vector<std::string> all = kWordFiles;
  all.insert(all.end(), kDefinitionFiles.begin(), kDefinitionFiles.end());
  EXPECT_EQ(all, Strs(UnfinishedDatabaseFiles(outcome)));
}

TEST_F(BuildStepsTest, AFileThatCannotBeWrittenFailsItsGroupAndTheReportNamesIt) {
  DatabaseFolder folder("startup-unwritable");
  const std::string blocked(DictionaryFilePath(folder.Path().c_str(), File::kDefinitionIndex));
  std::filesystem::create_directory(blocked);
  const DatabaseBuildOutcome outcome = Build(folder.Path(), true, true);
  EXPECT_EQ(GroupOutcome::kBuilt, outcome.words);
  EXPECT_EQ(GroupOutcome::kFailed, outcome.definitions);
  EXPECT_EQ(kDefinitionFiles, Strs(UnfinishedDatabaseFiles(outcome)));
  const DatabaseBuildReport report = DatabaseBuildReportOf(outcome);
  EXPECT_FALSE(report.succeeded);
  EXPECT_EQ(
      "Word/Definition Database build aborted!\n\nThe file " + blocked + " could not be written.",
      Str(report.text));
}

// ---- The check at start-up

struct Shown {
  std::string text;
  std::string caption;
  StartupMessageStyle style;
};

// The machine as the check sees it: files, free space, the user's answer and
// what the build dialog would leave.
class FakeHost : public DatabaseStartupHost {
 public:
  FakeHost() {
    for (const GrammarFileName& file : kGrammarFiles) files.insert(file.path);
  }
  bool FileExists(LPCSTR relativePath) override { return files.count(relativePath) != 0; }
  void RemoveFile(LPCSTR relativePath) override {
    files.erase(relativePath);
    removed.push_back(relativePath);
  }
  DWORD MeasureWriteTime() override {
    ++measures;
    return 350;
  }
  DiskSpace FreeDiskSpace() override { return {freeBytes, 'C'}; }
  void ShowMessage(const UserMessage& message, StartupMessageStyle style) override {
    shown.push_back({Str(message.text), Str(message.caption), style});
  }
  bool AskYesNo(const UserMessage& question) override {
    asked.push_back({Str(question.text), Str(question.caption), StartupMessageStyle::kPlain});
    return answerYes;
  }
  DatabaseBuildOutcome RunBuild(const DatabaseReadyFlags& ready) override {
    builtWith.push_back(ready);
    DatabaseBuildOutcome outcome = buildGives;
    // What the build writes before it stops.
    for (DatabaseGroup group : {DatabaseGroup::kWords, DatabaseGroup::kDefinitions}) {
      const bool needed =
          group == DatabaseGroup::kWords ? !ready.hebrewReady : !ready.definitionsReady;
      if (needed)
        for (const CString& file : DatabaseGroupFiles(group)) files.insert(Str(file));
    }
    return outcome;
  }
  void AddDatabaseFiles() {
    for (const CString& file : AllDatabaseFiles()) files.insert(Str(file));
  }

  std::set<std::string> files;
  ULONGLONG freeBytes = 1ull << 40;
  bool answerYes = true;
  DatabaseBuildOutcome buildGives;
  int measures = 0;
  std::vector<std::string> removed;
  std::vector<Shown> shown;
  std::vector<Shown> asked;
  std::vector<DatabaseReadyFlags> builtWith;
};

class StartupCheckTest : public DatabaseStartupTest {
 protected:
  void SetUp() override {
    DatabaseStartupTest::SetUp();
    host.buildGives.words = GroupOutcome::kBuilt;
    host.buildGives.definitions = GroupOutcome::kBuilt;
  }
  int BuildValue() { return static_cast<int>(profile.GetProfileInt("Database", "Build", -7)); }

  FakeHost host;
  MemoryProfileStore profile;
};

TEST_F(StartupCheckTest, AMissingGrammarFileIsNamedAndNothingIsBuilt) {
  for (const GrammarFileName& missing : kGrammarFiles) {
    FakeHost bare;
    bare.files.erase(missing.path);
    const DatabaseReadyFlags ready = CheckBuildDatabases(bare, profile);
    EXPECT_FALSE(ready.hebrewReady || ready.definitionsReady);
    ASSERT_EQ(2u, bare.shown.size()) << missing.path;
    EXPECT_EQ(std::string("File Missing: ") + missing.shownName, bare.shown[0].text);
    EXPECT_EQ(StartupMessageStyle::kApplication, bare.shown[0].style);
    EXPECT_EQ("One or more Database Files do not Exist!\n\nYou will need to reinstall ZULTA!",
              bare.shown[1].text);
    EXPECT_EQ("Database Files not Installed Properly!", bare.shown[1].caption);
    EXPECT_EQ(StartupMessageStyle::kStop, bare.shown[1].style);
    EXPECT_TRUE(bare.asked.empty());
    EXPECT_TRUE(bare.builtWith.empty());
  }
  EXPECT_EQ("File Missing: AdjTbl.bin", GrammarFileMissingText(kGrammarFiles[7]));
}

TEST_F(StartupCheckTest, WithoutTheBuildValueAllEightFilesGoAndBothAreBuilt) {
  host.AddDatabaseFiles();
  const DatabaseReadyFlags ready = CheckBuildDatabases(host, profile);
  EXPECT_EQ(0, BuildValue());
  std::vector<std::string> all = kWordFiles;
  all.insert(all.end(), kDefinitionFiles.begin(), kDefinitionFiles.end());
  EXPECT_EQ(all, host.removed);
  ASSERT_EQ(1u, host.asked.size());
  EXPECT_NE(std::string::npos, host.asked[0].text.find("approximately 16 minutes"));
  EXPECT_EQ("Hebrew and Definitions Databases not built!", host.asked[0].caption);
  ASSERT_EQ(1u, host.builtWith.size());
  EXPECT_FALSE(host.builtWith[0].hebrewReady || host.builtWith[0].definitionsReady);
  EXPECT_TRUE(ready.hebrewReady && ready.definitionsReady);
  ASSERT_EQ(1u, host.shown.size());
  EXPECT_EQ("Word/Definition Databases successfully built", host.shown[0].text);
  EXPECT_EQ("", host.shown[0].caption);
  EXPECT_EQ(StartupMessageStyle::kPlain, host.shown[0].style);
}

TEST_F(StartupCheckTest, AMissingWordIndexOffersOnlyTheHebrewDatabase) {
  profile.WriteProfileInt("Database", "Build", 0);
  host.files.insert("bin\\DEFIN.BIN");
  host.files.insert("bin\\MSPKDB.BIN");
  host.buildGives.definitions = GroupOutcome::kNotNeeded;
  host.freeBytes = 21000 * 1024;  // just enough
  const DatabaseReadyFlags ready = CheckBuildDatabases(host, profile);
  ASSERT_EQ(1u, host.asked.size());
  EXPECT_NE(std::string::npos, host.asked[0].text.find("Hebrew Database needs to be built."));
  EXPECT_NE(std::string::npos, host.asked[0].text.find("approximately 15 minutes"));
  EXPECT_EQ("Hebrew Database not built!", host.asked[0].caption);
  ASSERT_EQ(1u, host.builtWith.size());
  EXPECT_FALSE(host.builtWith[0].hebrewReady);
  EXPECT_TRUE(host.builtWith[0].definitionsReady);
  EXPECT_TRUE(host.removed.empty());
  EXPECT_TRUE(ready.hebrewReady && ready.definitionsReady);
}

TEST_F(StartupCheckTest, ReadyDatabasesStartWithoutAQuestionOrAMeasure) {
  profile.WriteProfileInt("Database", "Build", 0);
  host.AddDatabaseFiles();
  const DatabaseReadyFlags ready = CheckBuildDatabases(host, profile);
  EXPECT_TRUE(ready.hebrewReady && ready.definitionsReady);
  EXPECT_TRUE(host.asked.empty() && host.shown.empty() && host.removed.empty());
  EXPECT_EQ(0, host.measures);
}

TEST_F(StartupCheckTest, NoMeansNoStart) {
  host.answerYes = false;
  const DatabaseReadyFlags ready = CheckBuildDatabases(host, profile);
  EXPECT_FALSE(ready.hebrewReady || ready.definitionsReady);
  EXPECT_TRUE(host.builtWith.empty());
  EXPECT_TRUE(host.shown.empty());
}

TEST_F(StartupCheckTest, TooLittleSpaceAsksNothingAndLeavesTheFlagsAsTheyAre) {
  profile.WriteProfileInt("Database", "Build", 0);
  host.files.insert("bin\\MSPKDB.BIN");
  host.files.insert("bin\\MSPKDB.IDX");
  host.freeBytes = 1024 * 1024 / 5;
  const DatabaseReadyFlags ready = CheckBuildDatabases(host, profile);
  EXPECT_TRUE(ready.hebrewReady);
  EXPECT_FALSE(ready.definitionsReady);
  EXPECT_TRUE(host.asked.empty());
  ASSERT_EQ(1u, host.shown.size());
  EXPECT_EQ(Str(DiskSpaceLowMessage(host.freeBytes, 'C', 300).text), host.shown[0].text);
  EXPECT_EQ("Disk Space Low!", host.shown[0].caption);
  EXPECT_EQ(StartupMessageStyle::kExclamation, host.shown[0].style);
}

TEST_F(StartupCheckTest, ACancelledDefinitionBuildIsOfferedAloneAtTheNextStart) {
  host.buildGives.definitions = GroupOutcome::kCancelled;
  const DatabaseReadyFlags ready = CheckBuildDatabases(host, profile);
  EXPECT_FALSE(ready.hebrewReady || ready.definitionsReady);
  EXPECT_EQ(kDefinitionFiles, host.removed);
  ASSERT_EQ(1u, host.shown.size());
  EXPECT_EQ("Word/Definition Database build aborted!", host.shown[0].text);
  EXPECT_EQ("", host.shown[0].caption);
  EXPECT_EQ(StartupMessageStyle::kExclamation, host.shown[0].style);

  FakeHost next;
  next.files = host.files;
  next.buildGives.definitions = GroupOutcome::kBuilt;
  const DatabaseReadyFlags nextReady = CheckBuildDatabases(next, profile);
  ASSERT_EQ(1u, next.asked.size());
  EXPECT_NE(std::string::npos,
            next.asked[0].text.find("Definitions Database File needs to be built."));
  EXPECT_EQ("Definitions Database not built!", next.asked[0].caption);
  EXPECT_TRUE(nextReady.hebrewReady && nextReady.definitionsReady);
}

TEST_F(StartupCheckTest, AGroupThatFailedIsNotReadyAndTheReportNamesTheFile) {
  host.buildGives.words = GroupOutcome::kFailed;
  host.buildGives.failures.push_back({"The file X:\\bin\\MSPKDB.IDX could not be written.", ""});
  const DatabaseReadyFlags ready = CheckBuildDatabases(host, profile);
  EXPECT_FALSE(ready.hebrewReady || ready.definitionsReady);
  EXPECT_EQ(kWordFiles, host.removed);
  ASSERT_EQ(1u, host.shown.size());
  EXPECT_EQ(
      "Word/Definition Database build aborted!\n\nThe file X:\\bin\\MSPKDB.IDX could not be "
      "written.",
      host.shown[0].text);
}

}  // namespace
