// What sox measures of a sound file written by a test's program: its length
// and its loudness.
#pragma once

#include <string>

struct SoundStat {
  bool measured = false;  // sox ran and read the file
  double seconds = 0;
  double rms = 0;  // RMS amplitude, 0 to 1
};

// sox's "stat" of the WAV file at the Linux path.
SoundStat MeasureSound(const std::string& linuxPath);
