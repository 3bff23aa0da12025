#include "speech/engine/win/EspeakProcess.h"

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <fstream>
#include <iterator>

namespace {

// The Linux programs, through the drive Wine maps to the root.
constexpr const char* kLinuxRoot = "Z:";
constexpr const char* kEspeak = "/usr/bin/espeak-ng";
constexpr const char* kShell = "/bin/sh";
constexpr const char* kTempFolder = "/tmp/";
constexpr const char* kAbandonedSuffix = ".abandoned";
// How often the file is looked for, and how long espeak-ng may take for a
// segment on a loaded machine.
constexpr std::chrono::milliseconds kPollInterval(5);
constexpr std::chrono::milliseconds kGiveUpAfter(20000);

std::atomic<unsigned> g_files{0};

// Names of this process's files: Windows process ids repeat across Wine
// prefixes, which share /tmp, so the time of the first call joins them.
const std::string& ProcessTag() {
  static const std::string tag = [] {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return std::to_string(GetCurrentProcessId()) + "-" + std::to_string(now.QuadPart);
  }();
  return tag;
}

std::string WindowsPath(const std::string& linuxPath) {
  std::string path = kLinuxRoot + linuxPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

// One word of a shell command line: single-quoted, its own quotes closed,
// escaped and reopened.
std::string ShellQuoted(const std::string& word) {
  std::string quoted = "'";
  for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

bool StartShell(const std::string& command) {
  // The child gets none of the caller's standard handles: a Linux program
  // that ends would close them for the caller too.
  std::string line = "\"" + WindowsPath(kShell) + "\" -c \"" + command + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  PROCESS_INFORMATION process{};
  std::vector<char> buffer(line.begin(), line.end());
  buffer.push_back('\0');
  if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                      nullptr, &startup, &process))
    return false;
  if (process.hThread) CloseHandle(process.hThread);
  if (process.hProcess) CloseHandle(process.hProcess);
  return true;
}

// An aborted run leaves a mark beside the file it no longer waits for; the
// shell, seeing it when espeak-ng is done, removes its output and the mark.
// A file that was already in place is removed here.
void Abandon(const std::string& windowsFile) {
  const std::string mark = windowsFile + kAbandonedSuffix;
  const HANDLE created = CreateFileA(mark.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
  if (created != INVALID_HANDLE_VALUE) CloseHandle(created);
  if (DeleteFileA(windowsFile.c_str())) DeleteFileA(mark.c_str());
}

}  // namespace

bool EspeakAvailable() {
  return GetFileAttributesA(WindowsPath(kEspeak).c_str()) != INVALID_FILE_ATTRIBUTES &&
         GetFileAttributesA(WindowsPath(kShell).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool RunEspeak(const std::vector<std::string>& voiceArguments, const std::string& phonemeInput,
               const EspeakPause& pause, Pcm& out) {
  out = Pcm();
  const std::string file =
      std::string(kTempFolder) + "sonsyn-" + ProcessTag() + "-" + std::to_string(++g_files) + ".wav";
  const std::string part = file + ".part";
  std::string command = ShellQuoted(kEspeak);
  for (const std::string& argument : voiceArguments) command += " " + ShellQuoted(argument);
  const std::string mark = file + kAbandonedSuffix;
  command += " -w " + ShellQuoted(part) + " " + ShellQuoted(phonemeInput) + " && if [ -e " +
             ShellQuoted(mark) + " ]; then rm -f " + ShellQuoted(part) + " " + ShellQuoted(mark) +
             "; else mv " + ShellQuoted(part) + " " + ShellQuoted(file) + "; fi";
  if (!StartShell(command)) return false;

  const std::string windowsFile = WindowsPath(file);
  std::chrono::milliseconds waited(0);
  while (GetFileAttributesA(windowsFile.c_str()) == INVALID_FILE_ATTRIBUTES) {
    if (waited >= kGiveUpAfter || !pause(kPollInterval)) {
      Abandon(windowsFile);
      return false;
    }
    waited += kPollInterval;
  }
  std::ifstream in(windowsFile, std::ios::binary);
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
  in.close();
  DeleteFileA(windowsFile.c_str());
  return ParseWav(bytes, out);
}
