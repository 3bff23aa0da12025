// The speech engine library alone, loaded from the build and bound by
// ordinal as the program binds it: a pointed word's notation spoken into a
// WAV file (length and loudness measured by sox), markers and phoneme
// notices in order, abort, busy, and the registry entry.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

#include "speech/engine/SonsynApi.h"
#include "testing/win/LinuxCommand.h"
#include "testing/win/WaitFor.h"

namespace SonsynLibrary_test {

constexpr uint32_t kEndMarker = 0x80000000u;
constexpr const char* kWavDirVariable = "ZULTA_SPEECH_WAV_DIR";

// An export as the function type it has; FARPROC says nothing of it.
template <typename Fn>
Fn ExportOf(HMODULE library, LPCSTR name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

std::string ProgramFolder() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string program(path, length);
  return program.substr(0, program.rfind('\\') + 1);
}

// The build puts the library beside Zulta.exe.
std::string LibraryFolder() { return ProgramFolder() + "..\\..\\Zulta\\"; }

std::string FullPath(const std::string& path) {
  char full[MAX_PATH];
  const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
  return std::string(full, length);
}

// Everything the notifier was told, in order.
struct Notice {
  int32_t kind;
  uint32_t marker;
  SonsynPhonemeRecord record;
};

class Notices {
 public:
  static int SONSYN_CALL Notify(SonsynHandle, int32_t kind, intptr_t value, void* userData) {
    Notices* self = static_cast<Notices*>(userData);
    Notice notice{kind, 0, {}};
    if (kind == kSonsynNoticeMarker) notice.marker = static_cast<uint32_t>(value);
    // The record is only valid during the call: copied here.
    if (kind == kSonsynNoticePhoneme)
      std::memcpy(&notice.record, reinterpret_cast<const void*>(value), sizeof(notice.record));
    std::lock_guard<std::mutex> hold(self->m_lock);
    self->m_notices.push_back(notice);
    return 1;
  }

  std::vector<Notice> Copy() {
    std::lock_guard<std::mutex> hold(m_lock);
    return m_notices;
  }
  std::vector<uint32_t> Markers() {
    std::vector<uint32_t> markers;
    for (const Notice& n : Copy())
      if (n.kind == kSonsynNoticeMarker) markers.push_back(n.marker);
    return markers;
  }
  bool HasMarker(uint32_t marker) {
    for (uint32_t m : Markers())
      if (m == marker) return true;
    return false;
  }
  bool Silent() {
    const std::vector<Notice> all = Copy();
    return !all.empty() && all.back().kind == kSonsynNoticePhoneme &&
           all.back().record.code == kSonsynPhonemeSilence;
  }

 private:
  std::mutex m_lock;
  std::vector<Notice> m_notices;
};

// What sox says of a WAV file: length in seconds and RMS amplitude (0-1).
struct SoxStat {
  double seconds = 0;
  double rms = 0;
};

SoxStat MeasureWithSox(const std::string& wavPath) {
  const std::string linuxWav = FullPath(wavPath).substr(2);  // drive Z: is the root
  std::string unixWav = linuxWav;
  for (char& c : unixWav)
    if (c == '\\') c = '/';
  const std::string out = unixWav + ".stat";
  EXPECT_EQ(RunLinuxCommand("sox '" + unixWav + "' -n stat 2> '" + out + "'"), 0);
  std::ifstream in(LinuxPathOnDriveZ(out));
  SoxStat stat;
  std::string line;
  while (std::getline(in, line)) {
    const size_t colon = line.find(':');
    if (colon == std::string::npos) continue;
    const std::string name = line.substr(0, colon);
    std::istringstream value(line.substr(colon + 1));
    if (name.find("Length (seconds)") == 0) value >> stat.seconds;
    if (name.find("RMS     amplitude") == 0) value >> stat.rms;
  }
  return stat;
}

int WavRate(const std::string& wavPath) {
  std::ifstream in(wavPath, std::ios::binary);
  unsigned char header[28] = {};
  in.read(reinterpret_cast<char*>(header), sizeof(header));
  return header[24] | header[25] << 8 | header[26] << 16;
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class SonsynLibrary : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_library = LoadLibraryA((LibraryFolder() + SONSYN_LIBRARY_NAME).c_str());
    ASSERT_NE(s_library, nullptr);
  }
  static void TearDownTestSuite() {
    FreeLibrary(s_library);
    s_library = nullptr;
  }

  void SetUp() override {
    ASSERT_NE(s_library, nullptr);
    m_wavDir = ProgramFolder() + "sonsyn-wav\\";
    RunLinuxCommand("rm -rf '" + UnixPath(m_wavDir) + "'");
    CreateDirectoryA(m_wavDir.c_str(), nullptr);
    SetEnvironmentVariableA(kWavDirVariable, m_wavDir.c_str());
    create = Bind<TtsCreateFn>(kSonsynOrdCreate);
    destroy = Bind<TtsDestroyFn>(kSonsynOrdDestroy);
    setOption = Bind<TtsSetOptionFn>(kSonsynOrdSetOption);
    setVoiceValue = Bind<TtsSetVoiceValueFn>(kSonsynOrdSetVoiceValue);
    queueText = Bind<TtsQueueTextFn>(kSonsynOrdQueueText);
    queueMarker = Bind<TtsQueueMarkerFn>(kSonsynOrdQueueMarker);
    startOutput = Bind<TtsStartOutputFn>(kSonsynOrdStartOutput);
    abort = Bind<TtsAbortFn>(kSonsynOrdAbort);
    isBusy = Bind<TtsIsBusyFn>(kSonsynOrdIsBusy);
    setNotifier = Bind<TtsSetNotifierFn>(kSonsynOrdSetNotifier);
  }

  void TearDown() override {
    if (m_engine) destroy(m_engine);
    SetEnvironmentVariableA(kWavDirVariable, nullptr);
  }

  template <typename Fn>
  static Fn Bind(int ordinal) {
    const Fn function = ExportOf<Fn>(s_library, MAKEINTRESOURCEA(ordinal));
    EXPECT_NE(function, nullptr) << ordinal;
    return function;
  }

  static std::string UnixPath(const std::string& windowsPath) {
    std::string path = FullPath(windowsPath).substr(2);
    for (char& c : path)
      if (c == '\\') c = '/';
    return path;
  }

  // The WAV files written since the test began, in order, as the log names them.
  std::vector<std::string> Utterances() const {
    std::istringstream log(ReadAll(m_wavDir + "sonsyn-trace.log"));
    std::vector<std::string> files;
    std::string line;
    while (std::getline(log, line)) {
      const size_t at = line.find(" wav ");
      if (at != std::string::npos)
        files.push_back(m_wavDir + line.substr(at + 5, line.find(' ', at + 5) - at - 5));
    }
    return files;
  }

  // An instance set up as the program sets it up.
  void CreateEngine(int32_t sampleRate) {
    m_engine = create();
    ASSERT_NE(m_engine, 0u);
    EXPECT_EQ(setOption(m_engine, kSonsynOptionDialect, kSonsynDialectHebrew), 0);
    EXPECT_EQ(setOption(m_engine, kSonsynOptionInputType, kSonsynInputPhonetic), 0);
    EXPECT_EQ(setOption(m_engine, kSonsynOptionSampleRate, sampleRate), 0);
    EXPECT_EQ(setOption(m_engine, kSonsynOptionPhonemeNotices, 1), 0);
    setNotifier(m_engine, &Notices::Notify, &m_notices);
    const int32_t father[kSonsynVoiceValues] = {0, 50, 65, 30, 0, 0, 30, 92};
    for (int32_t i = 0; i < kSonsynVoiceValues; ++i) setVoiceValue(m_engine, 0, i, father[i]);
  }

  // Words as the program queues them: a marker before each, the end marker last.
  void QueueWords(const std::vector<const char*>& words) {
    for (size_t i = 0; i < words.size(); ++i) {
      queueMarker(m_engine, static_cast<uint32_t>(i + 1));
      queueText(m_engine, ((i == 0 ? "" : " ") + std::string(words[i])).c_str());
    }
    queueMarker(m_engine, kEndMarker);
  }

  static HMODULE s_library;
  TtsCreateFn create = nullptr;
  TtsDestroyFn destroy = nullptr;
  TtsSetOptionFn setOption = nullptr;
  TtsSetVoiceValueFn setVoiceValue = nullptr;
  TtsQueueTextFn queueText = nullptr;
  TtsQueueMarkerFn queueMarker = nullptr;
  TtsStartOutputFn startOutput = nullptr;
  TtsAbortFn abort = nullptr;
  TtsIsBusyFn isBusy = nullptr;
  TtsSetNotifierFn setNotifier = nullptr;
  SonsynHandle m_engine = 0;
  Notices m_notices;
  std::string m_wavDir;
};

HMODULE SonsynLibrary::s_library = nullptr;

TEST_F(SonsynLibrary, SpeaksWordsIntoSoundWithMarkersAndMouthsInOrder) {
  CreateEngine(kSonsynRate11025);
  // shalom, toda
  QueueWords({"`[S0a.l1Om]", "`[t0O.d1A]"});
  EXPECT_EQ(isBusy(m_engine), 0);
  startOutput(m_engine);
  EXPECT_NE(isBusy(m_engine), 0);  // busy as soon as output starts
  ASSERT_TRUE(WaitFor([&] { return isBusy(m_engine) == 0; }));

  EXPECT_EQ(m_notices.Markers(), (std::vector<uint32_t>{1, 2, kEndMarker}));
  // Each word's phonemes come after its marker, the silence after the end.
  std::string spoken;
  for (const Notice& n : m_notices.Copy()) {
    if (n.kind == kSonsynNoticeMarker) spoken += "|";
    else if (n.record.code == kSonsynPhonemeSilence) spoken += "#";
    else spoken += n.record.letters;
  }
  EXPECT_EQ(spoken, "|SalOm|tOdA|#");
  for (const Notice& n : m_notices.Copy())
    if (n.kind == kSonsynNoticePhoneme && n.record.letters[0] == 'a') {
      EXPECT_GT(n.record.opening, 128);  // an open vowel opens the mouth
    }

  ASSERT_EQ(Utterances().size(), 1u);
  const std::string wav = Utterances()[0];
  EXPECT_EQ(WavRate(wav), 11025);
  const SoxStat stat = MeasureWithSox(wav);
  EXPECT_GT(stat.seconds, 0.5);  // two words of two syllables
  EXPECT_LT(stat.seconds, 3.0);
  EXPECT_GT(stat.rms, 0.02);  // heard, not silence

  // The trace log saw the calls and the markers reached, in order.
  const std::string log = ReadAll(m_wavDir + "sonsyn-trace.log");
  const size_t first = log.find("reached marker 0x1");
  const size_t second = log.find("reached marker 0x2");
  const size_t end = log.find("reached marker 0x80000000");
  EXPECT_NE(log.find("text \" `[t0O.d1A]\""), std::string::npos);
  EXPECT_LT(first, second);
  EXPECT_LT(second, end);
  EXPECT_NE(end, std::string::npos);
  EXPECT_NE(log.find("output finished"), std::string::npos);
}

TEST_F(SonsynLibrary, LouderVoicesAndRatesShowInTheSound) {
  CreateEngine(kSonsynRate22050);
  setVoiceValue(m_engine, 0, kSonsynVoiceVolume, 30);
  QueueWords({"`[S0a.l1Om]"});
  startOutput(m_engine);
  ASSERT_TRUE(WaitFor([&] { return m_notices.HasMarker(kEndMarker); }));
  setVoiceValue(m_engine, 0, kSonsynVoiceVolume, 100);
  QueueWords({"`[S0a.l1Om]"});
  startOutput(m_engine);
  ASSERT_TRUE(WaitFor([&] { return isBusy(m_engine) == 0 && m_notices.Markers().size() == 4; }));

  const std::vector<std::string> wavs = Utterances();
  ASSERT_EQ(wavs.size(), 2u);
  EXPECT_EQ(WavRate(wavs[0]), 22050);
  const SoxStat quiet = MeasureWithSox(wavs[0]);
  const SoxStat loud = MeasureWithSox(wavs[1]);
  EXPECT_GT(loud.rms, quiet.rms * 2);
}

TEST_F(SonsynLibrary, AbortStopsAtOnceAndNothingFollows) {
  CreateEngine(kSonsynRate11025);
  const std::vector<const char*> words = {"`[S0a.l1Om]", "`[t0O.d1A]", "`[r0A.b1A]",
                                          "`[b0O.k1Er]", "`[t0O.v1A]"};
  // While the sound is still being made: nothing is spoken at all.
  QueueWords(words);
  startOutput(m_engine);
  abort(m_engine);
  EXPECT_EQ(isBusy(m_engine), 0);
  EXPECT_TRUE(m_notices.Markers().empty());

  // While it plays.
  QueueWords(words);
  startOutput(m_engine);
  ASSERT_TRUE(WaitFor([&] { return m_notices.HasMarker(2); }));
  abort(m_engine);
  EXPECT_EQ(isBusy(m_engine), 0);
  EXPECT_TRUE(m_notices.Silent());  // the mouth closes
  const size_t heard = m_notices.Copy().size();
  EXPECT_FALSE(m_notices.HasMarker(kEndMarker));

  // Nothing more arrives, even once the rest would have been spoken.
  queueText(m_engine, "`[k1En]");
  queueMarker(m_engine, 77);
  startOutput(m_engine);
  ASSERT_TRUE(WaitFor([&] { return isBusy(m_engine) == 0; }));
  std::vector<uint32_t> markers = m_notices.Markers();
  EXPECT_EQ(markers.back(), 77u);
  EXPECT_FALSE(m_notices.HasMarker(5));
  EXPECT_GT(m_notices.Copy().size(), heard);
  EXPECT_NE(ReadAll(m_wavDir + "sonsyn-trace.log").find("output aborted"), std::string::npos);
}

TEST_F(SonsynLibrary, RefusesWhatItCannotTakeAndIgnoresUnknownHandles) {
  CreateEngine(kSonsynRate8000);
  EXPECT_EQ(setOption(m_engine, kSonsynOptionDialect, 0), kSonsynOptionRefused);
  EXPECT_EQ(setOption(m_engine, kSonsynOptionInputType, 2), kSonsynOptionRefused);
  EXPECT_EQ(setOption(m_engine, kSonsynOptionSampleRate, 3), kSonsynOptionRefused);
  EXPECT_EQ(setOption(m_engine, 42, 1), kSonsynOptionRefused);

  const SonsynHandle unknown = m_engine + 1000;
  EXPECT_EQ(setOption(unknown, kSonsynOptionInputType, kSonsynInputPhonetic), kSonsynOptionRefused);
  EXPECT_EQ(isBusy(unknown), 0);
  queueText(unknown, "`[S1a]");
  startOutput(unknown);
  abort(unknown);
  destroy(unknown);

  // Only commands: markers still arrive, with no sound between them.
  queueText(m_engine, "`2 `/");
  queueMarker(m_engine, kEndMarker);
  startOutput(m_engine);
  ASSERT_TRUE(WaitFor([&] { return isBusy(m_engine) == 0; }));
  EXPECT_EQ(m_notices.Markers(), (std::vector<uint32_t>{kEndMarker}));
  ASSERT_EQ(Utterances().size(), 1u);
  EXPECT_EQ(WavRate(Utterances()[0]), 8000);

  // Destroying a speaking instance stops it.
  QueueWords({"`[S0a.l1Om]", "`[t0O.d1A]"});
  startOutput(m_engine);
  destroy(m_engine);
  m_engine = 0;
  EXPECT_FALSE(m_notices.HasMarker(2));
}

std::string RegisteredPath() {
  char value[MAX_PATH] = {};
  DWORD size = sizeof(value);
  if (RegGetValueA(HKEY_LOCAL_MACHINE, SONSYN_REGISTRY_KEY, SONSYN_REGISTRY_VALUE, RRF_RT_REG_SZ,
                   nullptr, value, &size) != ERROR_SUCCESS)
    return std::string();
  return value;
}

// HKLM of this process redirected into a scratch key for the test's time:
// other tests of the prefix, running meanwhile, still find the library.
class ScratchMachineKey {
 public:
  ScratchMachineKey() {
    RegDeleteTreeA(HKEY_CURRENT_USER, kScratch);
    RegCreateKeyExA(HKEY_CURRENT_USER, kScratch, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_key,
                    nullptr);
    m_redirected = m_key && RegOverridePredefKey(HKEY_LOCAL_MACHINE, m_key) == ERROR_SUCCESS;
  }
  ~ScratchMachineKey() {
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    if (m_key) RegCloseKey(m_key);
    RegDeleteTreeA(HKEY_CURRENT_USER, kScratch);
  }
  bool Redirected() const { return m_redirected; }

 private:
  static constexpr const char* kScratch = "Software\\Zulta tests\\sonsyn machine key";
  HKEY m_key = nullptr;
  bool m_redirected = false;
};

TEST_F(SonsynLibrary, RegistersItsFolderForTheProgram) {
  using RegisterFn = HRESULT(STDAPICALLTYPE*)();
  const auto registerServer = ExportOf<RegisterFn>(s_library, "DllRegisterServer");
  const auto unregisterServer = ExportOf<RegisterFn>(s_library, "DllUnregisterServer");
  ASSERT_NE(registerServer, nullptr);
  ASSERT_NE(unregisterServer, nullptr);
  ScratchMachineKey scratch;
  ASSERT_TRUE(scratch.Redirected());
  EXPECT_EQ(RegisteredPath(), "");

  ASSERT_EQ(registerServer(), S_OK);
  const std::string folder = RegisteredPath();
  EXPECT_EQ(FullPath(folder), FullPath(LibraryFolder()));
  EXPECT_EQ(folder.back(), '\\');
  EXPECT_NE(GetFileAttributesA((folder + SONSYN_LIBRARY_NAME).c_str()), INVALID_FILE_ATTRIBUTES);

  EXPECT_EQ(unregisterServer(), S_OK);
  EXPECT_EQ(RegisteredPath(), "");
  EXPECT_EQ(unregisterServer(), S_OK);  // twice is no error
}

}  // namespace SonsynLibrary_test
