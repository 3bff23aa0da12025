#include "speech/engine/win/SpeechTrace.h"

#include <windows.h>

#include <fstream>
#include <mutex>

namespace {

constexpr const char* kWavDirVariable = "ZULTA_SPEECH_WAV_DIR";
constexpr const char* kLogName = "sonsyn-trace.log";

std::mutex g_traceLock;
int g_utterances = 0;

// Read from the process environment each time, so that a test can set it
// after loading the library.
std::string Folder() {
  char dir[MAX_PATH];
  const DWORD length = GetEnvironmentVariableA(kWavDirVariable, dir, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::string(dir, length) : std::string();
}

std::string PathIn(const std::string& folder, const std::string& name) {
  const char last = folder.empty() ? '\\' : folder.back();
  return last == '\\' || last == '/' ? folder + name : folder + "\\" + name;
}

void AppendLocked(const std::string& folder, const std::string& line) {
  std::ofstream log(PathIn(folder, kLogName), std::ios::app);
  log << GetTickCount() << " " << line << "\n";
}

}  // namespace

bool TraceOn() { return !Folder().empty(); }

void TraceLine(const std::string& line) {
  const std::string folder = Folder();
  if (folder.empty()) return;
  std::lock_guard<std::mutex> hold(g_traceLock);
  AppendLocked(folder, line);
}

void TraceUtterance(const Pcm& pcm) {
  const std::string folder = Folder();
  if (folder.empty()) return;
  std::lock_guard<std::mutex> hold(g_traceLock);
  const std::string name = "utterance-" + std::to_string(++g_utterances) + ".wav";
  const std::vector<uint8_t> bytes = EncodeWav(pcm);
  std::ofstream file(PathIn(folder, name), std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  AppendLocked(folder, "wav " + name + " " + std::to_string(pcm.samples.size()) + " samples at " +
                           std::to_string(pcm.rate) + " Hz");
}
