#include "lexicon/core/DatabaseStartup.h"

#include <functional>

#include "classlib/core/MulDivRounded.h"
#include "lexicon/core/DictionaryFiles.h"
#include "resources/LexiconIds.h"

// clang-format off
const GrammarFileName kGrammarFiles[kGrammarFileCount] = {
    {"bin\\verbdata.bin", "VerbData.bin"}, {"bin\\verbtbl.bin", "VerbTbl.bin"},
    {"bin\\verbpat.bin", "VerbPat.bin"},   {"bin\\noundata.bin", "NounData.bin"},
    {"bin\\nountbl.bin", "NounTbl.bin"},   {"bin\\nounpat.bin", "NounPat.bin"},
    {"bin\\adjpat.bin", "AdjPat.bin"},     {"bin\\adjtbl.bin", "AdjTbl.bin"},
};
// clang-format on

namespace {

constexpr LPCSTR kBinFolder = "bin\\";
// The write-time measure of a machine that builds in a minute per unit.
constexpr int kWriteTimePerMinuteMs = 350;
// Minutes added to every estimate for the steps the measure does not cover.
constexpr int kEstimateBaseMinutes = 3;
constexpr double kBytesPerMB = 1024.0 * 1024.0;
constexpr double kKBPerMB = 1024.0;
constexpr DWORD kTicksPerSecond = 1000;
constexpr int kSecondsPerMinute = 60;

constexpr LPCSTR kBuiltText = "Word/Definition Databases successfully built";
constexpr LPCSTR kAbortedText = "Word/Definition Database build aborted!";

// clang-format off
const DatabaseBuildOffer kDefinitionsOffer = {300, IDS_DEFINITIONS_BUILD_QUESTION,
                                              IDS_DEFINITIONS_NOT_BUILT, 1};
const DatabaseBuildOffer kHebrewOffer = {21000, IDS_HEBREW_BUILD_QUESTION,
                                         IDS_HEBREW_NOT_BUILT, 12};
const DatabaseBuildOffer kBothOffer = {21300, IDS_BOTH_BUILD_QUESTION,
                                       IDS_BOTH_NOT_BUILT, 13};
// clang-format on

CString LoadedString(UINT id) {
  CString text;
  text.LoadString(id);
  return text;
}

CString BinPath(LPCSTR name) { return CString(kBinFolder) + name; }

bool Unfinished(GroupOutcome outcome) {
  return outcome == GroupOutcome::kCancelled || outcome == GroupOutcome::kFailed;
}

typedef std::function<bool(UserMessageList&)> BuildStep;

// A step that stops without a message was stopped by the user.
GroupOutcome RunGroup(const std::vector<BuildStep>& steps, const std::atomic<bool>& keepGoing,
                      UserMessageList& failures) {
  for (const BuildStep& step : steps) {
    if (!keepGoing) return GroupOutcome::kCancelled;
    UserMessageList messages;
    if (!step(messages)) {
      if (messages.empty()) return GroupOutcome::kCancelled;
      failures.insert(failures.end(), messages.begin(), messages.end());
      return GroupOutcome::kFailed;
    }
  }
  return keepGoing ? GroupOutcome::kBuilt : GroupOutcome::kCancelled;
}

}  // namespace

CString GrammarFileMissingText(const GrammarFileName& file) {
  return CString("File Missing: ") + file.shownName;
}

std::vector<CString> DatabaseGroupFiles(DatabaseGroup group) {
  namespace File = DictionaryFile;
  if (group == DatabaseGroup::kWords)
    return {BinPath(File::kWordData), BinPath(File::kWordIndex), BinPath(File::kListWordData),
            BinPath(File::kListWordIndex)};
  return {BinPath(File::kDefinitionData), BinPath(File::kDefinitionIndex),
          BinPath(File::kListDefinitionData), BinPath(File::kListDefinitionIndex)};
}

std::vector<CString> AllDatabaseFiles() {
  std::vector<CString> files = DatabaseGroupFiles(DatabaseGroup::kWords);
  const std::vector<CString> definitions = DatabaseGroupFiles(DatabaseGroup::kDefinitions);
  files.insert(files.end(), definitions.begin(), definitions.end());
  return files;
}

const DatabaseBuildOffer* DatabaseBuildOfferFor(const DatabaseReadyFlags& ready) {
  if (ready.hebrewReady) return ready.definitionsReady ? nullptr : &kDefinitionsOffer;
  return ready.definitionsReady ? &kHebrewOffer : &kBothOffer;
}

int EstimateBuildMinutes(const DatabaseBuildOffer& offer, DWORD writeTimeMs) {
  return MulDivRounded(offer.factor, static_cast<int>(writeTimeMs), kWriteTimePerMinuteMs) +
         kEstimateBaseMinutes;
}

UserMessage DatabaseBuildQuestion(const DatabaseBuildOffer& offer, DWORD writeTimeMs) {
  UserMessage question;
  question.text.Format(LoadedString(offer.questionId), EstimateBuildMinutes(offer, writeTimeMs));
  question.caption = LoadedString(offer.captionId);
  return question;
}

bool HasDiskSpaceFor(ULONGLONG freeBytes, DWORD needKB) {
  return freeBytes / kBytesPerMB >= needKB / kKBPerMB;
}

UserMessage DiskSpaceLowMessage(ULONGLONG freeBytes, char drive, DWORD needKB) {
  CString needed;
  needed.Format(LoadedString(IDS_DISK_SPACE_NEEDED), freeBytes / kBytesPerMB, drive,
                needKB / kKBPerMB);
  UserMessage message;
  message.text = LoadedString(IDS_DATABASE_BUILD_NEEDED) + needed;
  message.caption = LoadedString(IDS_DISK_SPACE_LOW);
  return message;
}

void ElapsedTimeLine::Start(DWORD nowTicks) {
  m_startTicks = nowTicks;
  m_shownMinutes = -1;
  m_shownSeconds = -1;
}

bool ElapsedTimeLine::Refresh(DWORD nowTicks, CString& line) {
  const int seconds = static_cast<int>((nowTicks - m_startTicks) / kTicksPerSecond);
  // A whole minute still counts as seconds: 60 shows as 0 Min 60 Secs.
  const int minutes = seconds > kSecondsPerMinute ? seconds / kSecondsPerMinute : 0;
  const int restSeconds = seconds > kSecondsPerMinute ? seconds % kSecondsPerMinute : seconds;
  if (minutes == m_shownMinutes && restSeconds == m_shownSeconds) return false;
  m_shownMinutes = minutes;
  m_shownSeconds = restSeconds;
  line.Format("Elapsed Time: %d Min  %d Secs", minutes, restSeconds);
  return true;
}

DatabaseBuildOutcome RunDatabaseBuildSteps(LPCSTR binFolder, bool buildWords, bool buildDefinitions,
                                           const DatabaseBuildSources& sources,
                                           DatabaseBuildProgress& progress,
                                           const std::atomic<bool>& keepGoing) {
  DatabaseBuildOutcome outcome;
  if (buildWords) {
    const std::vector<BuildStep> steps = {
        [&](UserMessageList& messages) {
          return GenerateWordRecords(binFolder, sources.words, sources.wordRenderer, progress,
                                     messages);
        },
        [&](UserMessageList& messages) { return BuildDatabaseIndex(binFolder, messages); },
        [&](UserMessageList& messages) { return BuildLookupWordFile(binFolder, messages); },
        [&](UserMessageList& messages) { return BuildLookupWordIndex(binFolder, messages); },
    };
    outcome.words = RunGroup(steps, keepGoing, outcome.failures);
  }
  if (buildDefinitions) {
    const std::vector<BuildStep> steps = {
        [&](UserMessageList& messages) {
          return GenerateDefinitionRecords(binFolder, sources.definitions, sources.keywordRenderer,
                                           progress, messages);
        },
        [&](UserMessageList& messages) { return BuildDefinitionIndex(binFolder, messages); },
        [&](UserMessageList& messages) { return BuildLookupDefinitionFile(binFolder, messages); },
        [&](UserMessageList& messages) { return BuildLookupDefinitionIndex(binFolder, messages); },
    };
    outcome.definitions = RunGroup(steps, keepGoing, outcome.failures);
  }
  return outcome;
}

std::vector<CString> UnfinishedDatabaseFiles(const DatabaseBuildOutcome& outcome) {
  std::vector<CString> files;
  for (const auto& [group, result] :
       {std::make_pair(DatabaseGroup::kWords, outcome.words),
        std::make_pair(DatabaseGroup::kDefinitions, outcome.definitions)}) {
    if (!Unfinished(result)) continue;
    const std::vector<CString> groupFiles = DatabaseGroupFiles(group);
    files.insert(files.end(), groupFiles.begin(), groupFiles.end());
  }
  return files;
}

DatabaseBuildReport DatabaseBuildReportOf(const DatabaseBuildOutcome& outcome) {
  DatabaseBuildReport report;
  report.succeeded = !Unfinished(outcome.words) && !Unfinished(outcome.definitions);
  report.text = report.succeeded ? kBuiltText : kAbortedText;
  for (const UserMessage& failure : outcome.failures) report.text += "\n\n" + failure.text;
  return report;
}

bool CheckGrammarFiles(DatabaseStartupHost& host) {
  for (const GrammarFileName& file : kGrammarFiles) {
    if (host.FileExists(file.path)) continue;
    host.ShowMessage({GrammarFileMissingText(file), CString()}, StartupMessageStyle::kApplication);
    return false;
  }
  return true;
}

bool CheckDiskSpace(DatabaseStartupHost& host, DWORD needKB) {
  const DiskSpace space = host.FreeDiskSpace();
  if (HasDiskSpaceFor(space.freeBytes, needKB)) return true;
  host.ShowMessage(DiskSpaceLowMessage(space.freeBytes, space.drive, needKB),
                   StartupMessageStyle::kExclamation);
  return false;
}

bool RunDatabaseBuild(DatabaseStartupHost& host, DatabaseReadyFlags& ready) {
  const DatabaseBuildOutcome outcome = host.RunBuild(ready);
  for (const CString& file : UnfinishedDatabaseFiles(outcome))
    if (host.FileExists(file)) host.RemoveFile(file);
  ready.hebrewReady = ready.hebrewReady || outcome.words == GroupOutcome::kBuilt;
  ready.definitionsReady = ready.definitionsReady || outcome.definitions == GroupOutcome::kBuilt;
  const DatabaseBuildReport report = DatabaseBuildReportOf(outcome);
  host.ShowMessage({report.text, CString()}, report.succeeded ? StartupMessageStyle::kPlain
                                                              : StartupMessageStyle::kExclamation);
  return ready.hebrewReady && ready.definitionsReady;
}

DatabaseReadyFlags CheckBuildDatabases(DatabaseStartupHost& host, IProfileStore& profile) {
  if (!CheckGrammarFiles(host)) {
    host.ShowMessage(
        {LoadedString(IDS_DATABASE_FILES_MISSING), LoadedString(IDS_DATABASE_NOT_INSTALLED)},
        StartupMessageStyle::kStop);
    return DatabaseReadyFlags();
  }
  namespace File = DictionaryFile;
  DatabaseReadyFlags ready;
  ready.hebrewReady =
      host.FileExists(BinPath(File::kWordData)) && host.FileExists(BinPath(File::kWordIndex));
  ready.definitionsReady = host.FileExists(BinPath(File::kDefinitionData));

  constexpr int kBuildAsked = 1;
  if (profile.GetProfileInt(kDatabaseSection, kDatabaseBuildEntry, kBuildAsked) != 0) {
    profile.WriteProfileInt(kDatabaseSection, kDatabaseBuildEntry, 0);
    for (const CString& file : AllDatabaseFiles())
      if (host.FileExists(file)) host.RemoveFile(file);
    ready = DatabaseReadyFlags();
  }
  const DatabaseBuildOffer* offer = DatabaseBuildOfferFor(ready);
  if (offer == nullptr) return ready;
  if (!CheckDiskSpace(host, offer->needKB)) return ready;
  // Measured only when a build is offered: it costs every start otherwise.
  if (!host.AskYesNo(DatabaseBuildQuestion(*offer, host.MeasureWriteTime())) ||
      !RunDatabaseBuild(host, ready))
    return DatabaseReadyFlags();
  return ready;
}
