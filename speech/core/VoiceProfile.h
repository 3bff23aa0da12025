// The profile section "Voices": the current voice (key "0"), the user's
// voice list (keys "1" to "25") and the three speech switches.
#pragma once

#include <vector>

#include "hebtext/core/ProfileStore.h"
#include "speech/core/VoiceDef.h"

constexpr const char* kVoicesSection = "Voices";
// The voice the engine speaks with.
constexpr int kCurrentVoiceKey = 0;
// The most voices the list holds; its keys are 1 to this, without gaps.
constexpr int kMaxVoices = 25;

// Sample rates of the switches: 8000, 11025 and 22050 Hz.
enum SampleRateIndex : int { kSampleRate8000 = 0, kSampleRate11025 = 1, kSampleRate22050 = 2 };

// Faces shown while speaking; kFaceNone shows none.
enum SpeakingFace : int {
  kFaceNone = 0,
  kFaceNerla = 1,
  kFaceStar = 2,
  kFaceDreidel = 3,
  kFaceMenorah = 4,
  kFaceCount = 5
};

struct SpeechSwitches {
  int voiceOn = 1;  // 0: speaking does nothing
  int sampleRate = kSampleRate11025;
  int face = kFaceNerla;

  bool operator==(const SpeechSwitches& other) const {
    return voiceOn == other.voiceOn && sampleRate == other.sampleRate && face == other.face;
  }
};

// Voice n of the profile over the built-in voice n (1 to 8; voice 1 for
// n = 0; an empty voice for other n). True when the profile held all of
// voice n, or n is a built-in voice's number.
bool ReadVoiceDef(IProfileStore& profile, int n, CVoiceDef& voice);
void WriteVoiceDef(IProfileStore& profile, int n, const CVoiceDef& voice);
// Removes the voice list's keys.
void ClearVoiceKeys(IProfileStore& profile);

// The voices 1, 2, ... as long as each is read whole: at least the eight
// built-in ones.
std::vector<CVoiceDef> LoadVoiceList(IProfileStore& profile);
// Replaces the voice list's keys by the list (at most kMaxVoices).
void SaveVoiceList(IProfileStore& profile, const std::vector<CVoiceDef>& voices);

SpeechSwitches ReadSpeechSwitches(IProfileStore& profile);
void WriteSpeechSwitches(IProfileStore& profile, const SpeechSwitches& switches);
