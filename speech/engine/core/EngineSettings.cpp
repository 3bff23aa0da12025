#include "speech/engine/core/EngineSettings.h"

#include <algorithm>

namespace {

constexpr int kSampleRates[] = {8000, 11025, 22050};
constexpr int kSampleRateCount = sizeof(kSampleRates) / sizeof(kSampleRates[0]);

// espeak-ng's voice variants for each vocal tract, from large heads to small.
const char* const kMaleVariants[] = {"m3", "m1", "m2", "m6", "m4", "m5", "m7"};
const char* const kFemaleVariants[] = {"f4", "f1", "f5", "f2", "f3"};
constexpr int kHeadSizeMax = 100;

constexpr int kEspeakPitchMax = 99;
// Speed 0-250 of the voice settings: 0 is slow speech, 30 to 50 the voices'
// usual pace.
constexpr int kSlowestWordsPerMinute = 110;
constexpr int kWordsPerMinuteStepTimes5 = 6;
constexpr int kEspeakSpeedMax = 450;
constexpr int kEspeakAmplitudeMax = 200;

template <size_t N>
const char* VariantBySize(const char* const (&variants)[N], int headSize) {
  // Large heads have low formants: they take the first variants.
  const int size = std::clamp(headSize, 0, kHeadSizeMax);
  const int index = (kHeadSizeMax - size) * static_cast<int>(N) / (kHeadSizeMax + 1);
  return variants[index];
}

}  // namespace

int32_t ApplyOption(EngineSettings& settings, int32_t option, int32_t value) {
  switch (option) {
    case kSonsynOptionDialect:
      return value == kSonsynDialectHebrew ? 0 : kSonsynOptionRefused;
    case kSonsynOptionInputType:
      return value == kSonsynInputPhonetic ? 0 : kSonsynOptionRefused;
    case kSonsynOptionSampleRate:
      if (value < 0 || value >= kSampleRateCount) return kSonsynOptionRefused;
      settings.sampleRate = value;
      return 0;
    case kSonsynOptionPhonemeNotices:
      if (value != 0 && value != 1) return kSonsynOptionRefused;
      settings.phonemeNotices = value == 1;
      return 0;
    default: return kSonsynOptionRefused;
  }
}

bool ApplyVoiceValue(EngineSettings& settings, int32_t bank, int32_t index, int32_t value) {
  if (bank != 0 || index < 0 || index >= kSonsynVoiceValues) return false;
  settings.voice[index] = value;
  return true;
}

int SampleRateHz(int32_t sampleRate) {
  return kSampleRates[std::clamp(sampleRate, 0, kSampleRateCount - 1)];
}

std::vector<std::string> EspeakVoiceArguments(const EngineSettings& settings) {
  const int32_t* v = settings.voice;
  const bool female = v[kSonsynVoiceTract] != 0;
  const char* variant = female ? VariantBySize(kFemaleVariants, v[kSonsynVoiceHeadSize])
                               : VariantBySize(kMaleVariants, v[kSonsynVoiceHeadSize]);
  const int pitch = std::clamp(v[kSonsynVoicePitch], 0, kEspeakPitchMax);
  const int speed = std::clamp(
      kSlowestWordsPerMinute + v[kSonsynVoiceSpeed] * kWordsPerMinuteStepTimes5 / 5,
      kSlowestWordsPerMinute, kEspeakSpeedMax);
  const int amplitude = std::clamp(v[kSonsynVoiceVolume], 0, kEspeakAmplitudeMax);
  return {"-v", std::string("he+") + variant, "-p", std::to_string(pitch),
          "-s", std::to_string(speed),        "-a", std::to_string(amplitude)};
}
