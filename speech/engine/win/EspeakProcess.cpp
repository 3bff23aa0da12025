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
// How often the file is looked for, and how long espeak-ng may take for a
// segment on a loaded machine.
constexpr std::chrono::milliseconds kPollInterval(5);
constexpr std::chrono::milliseconds kGiveUpAfter(20000);

std::atomic<unsigned> g_files{0};

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

}  // namespace

bool EspeakAvailable() {
  return GetFileAttributesA(WindowsPath(kEspeak).c_str()) != INVALID_FILE_ATTRIBUTES &&
         GetFileAttributesA(WindowsPath(kShell).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool RunEspeak(const std::vector<std::string>& voiceArguments, const std::string& phonemeInput,
               const EspeakPause& pause, Pcm& out) {
  out = Pcm();
  const std::string file = std::string(kTempFolder) + "sonsyn-" +
                           std::to_string(GetCurrentProcessId()) + "-" +
                           std::to_string(++g_files) + ".wav";
  const std::string part = file + ".part";
  std::string command = ShellQuoted(kEspeak);
  for (const std::string& argument : voiceArguments) command += " " + ShellQuoted(argument);
  command += " -w " + ShellQuoted(part) + " " + ShellQuoted(phonemeInput) + " && mv " +
             ShellQuoted(part) + " " + ShellQuoted(file);
  if (!StartShell(command)) return false;

  const std::string windowsFile = WindowsPath(file);
  std::chrono::milliseconds waited(0);
  while (GetFileAttributesA(windowsFile.c_str()) == INVALID_FILE_ATTRIBUTES) {
    if (waited >= kGiveUpAfter || !pause(kPollInterval)) return false;
    waited += kPollInterval;
  }
  std::ifstream in(windowsFile, std::ios::binary);
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
  in.close();
  DeleteFileA(windowsFile.c_str());
  return ParseWav(bytes, out);
}
