// What an engine instance has been told through its options and voice
// values, and how that is asked of espeak-ng.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "speech/engine/SonsynApi.h"

struct EngineSettings {
  int32_t sampleRate = kSonsynRate11025;
  bool phonemeNotices = false;
  // Until told otherwise an instance speaks with the program's first voice.
  int32_t voice[kSonsynVoiceValues] = {0, 50, 65, 30, 0, 0, 30, 92};
};

// Applies an option: 0, or kSonsynOptionRefused for an unknown option or a
// value the engine cannot take (another dialect or input type, a sample rate
// index outside 0-2, notices other than 0 or 1).
int32_t ApplyOption(EngineSettings& settings, int32_t option, int32_t value);

// Stores voice value index 0-7 of bank 0; false (nothing stored) otherwise.
bool ApplyVoiceValue(EngineSettings& settings, int32_t bank, int32_t index, int32_t value);

int SampleRateHz(int32_t sampleRate);

// espeak-ng's arguments for the settings, ahead of its input and output ones:
// the Hebrew voice with a variant chosen by vocal tract and head size, pitch,
// speed in words a minute and amplitude.
std::vector<std::string> EspeakVoiceArguments(const EngineSettings& settings);
