// A voice of the speech engine: a name and its eight voice values, the
// eight built-in voices, and the voice string the profile keeps.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"

// The voice values, in the engine's order.
enum VoiceValue : int {
  kVoiceTract = 0,  // 0 male, 1 female
  kVoiceHeadSize = 1,
  kVoicePitch = 2,
  kVoicePitchFluctuation = 3,
  kVoiceRoughness = 4,
  kVoiceBreathiness = 5,
  kVoiceSpeed = 6,
  kVoiceVolume = 7,
  kVoiceValueCount = 8
};

class CVoiceDef {
 public:
  CVoiceDef() = default;
  CVoiceDef(LPCSTR name, const int (&values)[kVoiceValueCount]);

  // Empty name, every value 0.
  void Clear();

  bool operator==(const CVoiceDef& other) const;
  bool operator!=(const CVoiceDef& other) const { return !(*this == other); }

  CString m_name;
  int m_values[kVoiceValueCount] = {};
};

constexpr int kBuiltInVoiceCount = 8;
// Built-in voice n, 1 to kBuiltInVoiceCount.
const CVoiceDef& BuiltInVoice(int n);

// "name|v0|...|v7".
CString FormatVoiceString(const CVoiceDef& voice);
// Reads a voice string over voice: the name up to the first "|", then the
// values in order. Stops at the first missing or empty field, keeping what
// voice held there; an empty name stops before anything is read. True when
// all eight values were read.
bool ParseVoiceString(LPCSTR text, CVoiceDef& voice);
