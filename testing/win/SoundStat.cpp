#include "testing/win/SoundStat.h"

#include <fstream>
#include <sstream>

#include "testing/win/LinuxCommand.h"

SoundStat MeasureSound(const std::string& linuxPath) {
  SoundStat stat;
  const std::string report = linuxPath + ".stat";
  // sox writes its statistics on standard error.
  if (RunLinuxCommand("sox '" + linuxPath + "' -n stat 2> '" + report + "'") != 0) return stat;
  std::ifstream in(LinuxPathOnDriveZ(report));
  std::string line;
  while (std::getline(in, line)) {
    const size_t colon = line.find(':');
    if (colon == std::string::npos) continue;
    const std::string name = line.substr(0, colon);
    std::istringstream value(line.substr(colon + 1));
    if (name.find("Length (seconds)") == 0)
      stat.measured = static_cast<bool>(value >> stat.seconds);
    if (name.find("RMS     amplitude") == 0) value >> stat.rms;
  }
  return stat;
}
