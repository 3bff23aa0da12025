// What the speech engine library did for a journey: with
// ZULTA_SPEECH_WAV_DIR set, the library the program starts writes each
// utterance as a WAV file and a trace of its calls into that folder.
#pragma once

#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "testing/win/LinuxCommand.h"

// The positions in the log where the text stands, in order.
inline std::vector<size_t> Occurrences(const std::string& log, const std::string& text) {
  std::vector<size_t> found;
  for (size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1))
    found.push_back(at);
  return found;
}

// A fresh folder for the program started after it, removed with it.
class SpeechTraceFolder {
 public:
  explicit SpeechTraceFolder(const std::string& name)
      : m_dir("/tmp/" + name + "-" + std::to_string(::GetCurrentProcessId()) + "/") {
    m_made = RunLinuxCommand("rm -rf '" + m_dir + "' && mkdir -p '" + m_dir + "'") == 0;
    // The program inherits it.
    ::SetEnvironmentVariableA(kVariable, LinuxPathOnDriveZ(m_dir).c_str());
  }
  ~SpeechTraceFolder() {
    ::SetEnvironmentVariableA(kVariable, nullptr);
    RunLinuxCommand("rm -rf '" + m_dir + "'");
  }
  SpeechTraceFolder(const SpeechTraceFolder&) = delete;
  SpeechTraceFolder& operator=(const SpeechTraceFolder&) = delete;

  bool Made() const { return m_made; }
  std::string Trace() const {
    std::ifstream in(LinuxPathOnDriveZ(m_dir + "sonsyn-trace.log"));
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  bool TraceHolds(const std::string& text, size_t count = 1) const {
    return Occurrences(Trace(), text).size() >= count;
  }
  // The Linux path of the nth utterance, from 1.
  std::string Utterance(int n) const { return m_dir + "utterance-" + std::to_string(n) + ".wav"; }

 private:
  static constexpr char kVariable[] = "ZULTA_SPEECH_WAV_DIR";
  std::string m_dir;
  bool m_made = false;
};
