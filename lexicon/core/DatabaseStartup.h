// The check at start-up that the word and definition databases exist, and
// their build when they do not: which group is missing, what building it
// needs, the question to the user, the steps of the build and what is left
// afterwards. The window side gives the services (DatabaseStartupHost); the
// decisions and texts are here.
#pragma once

#include <atomic>
#include <vector>

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"
#include "hebtext/core/ProfileStore.h"
#include "hebtext/core/UserMessage.h"
#include "lexicon/core/DatabaseBuildProgress.h"
#include "lexicon/core/DefinitionDatabaseBuild.h"
#include "lexicon/core/WordDatabaseBuild.h"

// Both set: the program may start.
struct DatabaseReadyFlags {
  bool hebrewReady = false;
  bool definitionsReady = false;
};

// Profile value that asks for a rebuild at the next start (missing: asks).
constexpr LPCSTR kDatabaseSection = "Database";
constexpr LPCSTR kDatabaseBuildEntry = "Build";

// ---- Grammar files

constexpr int kGrammarFileCount = 8;
// The file's path under the program folder and its name in the message.
struct GrammarFileName {
  LPCSTR path;
  LPCSTR shownName;
};
// In the order they are checked.
extern const GrammarFileName kGrammarFiles[kGrammarFileCount];
// "File Missing: <name>".
CString GrammarFileMissingText(const GrammarFileName& file);

// ---- What is missing and what building it takes

enum class DatabaseGroup { kWords, kDefinitions };

// The four files of a group under the program folder ("bin\...").
std::vector<CString> DatabaseGroupFiles(DatabaseGroup group);
// The eight files, words first.
std::vector<CString> AllDatabaseFiles();

struct DatabaseBuildOffer {
  DWORD needKB;     // disk space the build takes
  UINT questionId;  // the question, with "%d" for the minutes
  UINT captionId;
  int factor;  // the build's time in units of the write-time measure
};
// The offer for what is not ready; nullptr when both are.
const DatabaseBuildOffer* DatabaseBuildOfferFor(const DatabaseReadyFlags& ready);

// Minutes the build takes by the time the write measure took.
int EstimateBuildMinutes(const DatabaseBuildOffer& offer, DWORD writeTimeMs);
// The question with the minutes, and its caption.
UserMessage DatabaseBuildQuestion(const DatabaseBuildOffer& offer, DWORD writeTimeMs);

// Enough free space for the build; else the message that says how much is
// free on the drive and how much is needed.
bool HasDiskSpaceFor(ULONGLONG freeBytes, DWORD needKB);
UserMessage DiskSpaceLowMessage(ULONGLONG freeBytes, char drive, DWORD needKB);

// ---- Elapsed time

// "Elapsed Time: <m> Min  <s> Secs" since Start; Refresh gives the line
// only when it differs from the one shown last.
class ElapsedTimeLine {
 public:
  void Start(DWORD nowTicks);
  bool Refresh(DWORD nowTicks, CString& line);

 private:
  DWORD m_startTicks = 0;
  int m_shownMinutes = -1;
  int m_shownSeconds = -1;
};

// ---- The build

enum class GroupOutcome { kNotNeeded, kBuilt, kCancelled, kFailed };

struct DatabaseBuildOutcome {
  GroupOutcome words = GroupOutcome::kNotNeeded;
  GroupOutcome definitions = GroupOutcome::kNotNeeded;
  // What made a group fail; each names the file that could not be written.
  UserMessageList failures;
};

// Where the records of the two groups come from.
struct DatabaseBuildSources {
  WordRecordSource& words;
  const WordRecordRenderer& wordRenderer;
  DefinitionRecordSource& definitions;
  const KeywordRenderer& keywordRenderer;
};

// Builds the groups asked for into binFolder, words first, each step by
// step while keepGoing is set (Cancel clears it, from any thread). A group
// is built only when all its steps wrote their files.
DatabaseBuildOutcome RunDatabaseBuildSteps(LPCSTR binFolder, bool buildWords, bool buildDefinitions,
                                           const DatabaseBuildSources& sources,
                                           DatabaseBuildProgress& progress,
                                           const std::atomic<bool>& keepGoing);

// The files of the groups that were to be built and were not.
std::vector<CString> UnfinishedDatabaseFiles(const DatabaseBuildOutcome& outcome);

// What the user is told after the build: success, or the abort with the
// files that could not be written.
struct DatabaseBuildReport {
  bool succeeded = false;
  CString text;
};
DatabaseBuildReport DatabaseBuildReportOf(const DatabaseBuildOutcome& outcome);

// ---- The check at start-up

// How a message is shown: through the application (its own caption) or as a
// box with the message's caption as it stands, even empty.
enum class StartupMessageStyle { kApplication, kStop, kExclamation, kPlain };

struct DiskSpace {
  ULONGLONG freeBytes = 0;
  char drive = 0;
};

// The window side of the start-up check. Paths are relative to the program
// folder.
class DatabaseStartupHost {
 public:
  virtual bool FileExists(LPCSTR relativePath) = 0;
  // To the recycle bin, without asking.
  virtual void RemoveFile(LPCSTR relativePath) = 0;
  virtual DWORD MeasureWriteTime() = 0;
  virtual DiskSpace FreeDiskSpace() = 0;
  virtual void ShowMessage(const UserMessage& message, StartupMessageStyle style) = 0;
  // A Yes/No question; true for Yes.
  virtual bool AskYesNo(const UserMessage& question) = 0;
  // Builds the groups that are not ready, under the progress dialog.
  virtual DatabaseBuildOutcome RunBuild(const DatabaseReadyFlags& ready) = 0;

 protected:
  ~DatabaseStartupHost() = default;
};

// False, after the message that names the first missing one, unless all
// eight grammar files exist.
bool CheckGrammarFiles(DatabaseStartupHost& host);
// False, after the message that says so, when the program's disk has too
// little space for the build.
bool CheckDiskSpace(DatabaseStartupHost& host, DWORD needKB);
// Builds what is not ready, removes the files of the groups left unfinished,
// sets the flags of the groups built and reports; true when both are ready.
bool RunDatabaseBuild(DatabaseStartupHost& host, DatabaseReadyFlags& ready);

// Checks the grammar files, decides what to build, asks, builds, removes what
// is unfinished and reports. Both flags set: start-up may go on.
DatabaseReadyFlags CheckBuildDatabases(DatabaseStartupHost& host, IProfileStore& profile);
