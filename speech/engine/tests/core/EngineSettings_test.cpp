// Options and voice values an engine instance takes, and the espeak-ng
// arguments they become.
#include "speech/engine/core/EngineSettings.h"

#include <gtest/gtest.h>

namespace EngineSettings_test {

struct OptionCase {
  int32_t option, value, result;
};

TEST(EngineSettings, TakesTheProgramsOptionsAndRefusesOthers) {
  const OptionCase cases[] = {
      {kSonsynOptionDialect, kSonsynDialectHebrew, 0},
      {kSonsynOptionDialect, 0, kSonsynOptionRefused},
      {kSonsynOptionInputType, kSonsynInputPhonetic, 0},
      {kSonsynOptionInputType, 0, kSonsynOptionRefused},
      {kSonsynOptionSampleRate, kSonsynRate8000, 0},
      {kSonsynOptionSampleRate, kSonsynRate22050, 0},
      {kSonsynOptionSampleRate, 3, kSonsynOptionRefused},
      {kSonsynOptionSampleRate, -1, kSonsynOptionRefused},
      {kSonsynOptionPhonemeNotices, 1, 0},
      {kSonsynOptionPhonemeNotices, 0, 0},
      {kSonsynOptionPhonemeNotices, 2, kSonsynOptionRefused},
      {0, 0, kSonsynOptionRefused},
      {8, 1, kSonsynOptionRefused},
  };
  for (const OptionCase& c : cases) {
    EngineSettings settings;
    EXPECT_EQ(ApplyOption(settings, c.option, c.value), c.result)
        << c.option << "=" << c.value;
  }
}

TEST(EngineSettings, StoresWhatWasAccepted) {
  EngineSettings settings;
  EXPECT_EQ(settings.sampleRate, kSonsynRate11025);
  EXPECT_FALSE(settings.phonemeNotices);
  ApplyOption(settings, kSonsynOptionSampleRate, kSonsynRate22050);
  ApplyOption(settings, kSonsynOptionSampleRate, 7);  // refused: kept
  ApplyOption(settings, kSonsynOptionPhonemeNotices, 1);
  EXPECT_EQ(settings.sampleRate, kSonsynRate22050);
  EXPECT_TRUE(settings.phonemeNotices);

  EXPECT_TRUE(ApplyVoiceValue(settings, 0, kSonsynVoicePitch, 81));
  EXPECT_FALSE(ApplyVoiceValue(settings, 1, kSonsynVoicePitch, 10));
  EXPECT_FALSE(ApplyVoiceValue(settings, 0, kSonsynVoiceValues, 10));
  EXPECT_FALSE(ApplyVoiceValue(settings, 0, -1, 10));
  EXPECT_EQ(settings.voice[kSonsynVoicePitch], 81);
}

TEST(EngineSettings, SampleRatesInHertz) {
  EXPECT_EQ(SampleRateHz(kSonsynRate8000), 8000);
  EXPECT_EQ(SampleRateHz(kSonsynRate11025), 11025);
  EXPECT_EQ(SampleRateHz(kSonsynRate22050), 22050);
}

struct VoiceCase {
  int32_t voice[kSonsynVoiceValues];
  std::vector<std::string> arguments;
};

TEST(EngineSettings, VoiceValuesBecomeVariantPitchSpeedAndAmplitude) {
  const VoiceCase cases[] = {
      // the program's father and mother voices
      {{0, 50, 65, 30, 0, 0, 30, 92}, {"-v", "he+m6", "-p", "65", "-s", "146", "-a", "92"}},
      {{1, 50, 81, 30, 0, 50, 30, 100}, {"-v", "he+f5", "-p", "81", "-s", "146", "-a", "100"}},
      // head size picks the variant: large heads the deepest
      {{0, 100, 50, 0, 0, 0, 0, 50}, {"-v", "he+m3", "-p", "50", "-s", "110", "-a", "50"}},
      {{0, 0, 50, 0, 0, 0, 0, 50}, {"-v", "he+m7", "-p", "50", "-s", "110", "-a", "50"}},
      {{1, 22, 93, 35, 0, 0, 30, 90}, {"-v", "he+f2", "-p", "93", "-s", "146", "-a", "90"}},
      // out of range values are held to espeak-ng's ranges
      {{5, -20, 250, 0, 0, 0, 999, -4}, {"-v", "he+f3", "-p", "99", "-s", "450", "-a", "0"}},
      {{0, 300, -5, 0, 0, 0, 250, 100}, {"-v", "he+m3", "-p", "0", "-s", "410", "-a", "100"}},
  };
  for (const VoiceCase& c : cases) {
    EngineSettings settings;
    std::copy(std::begin(c.voice), std::end(c.voice), settings.voice);
    EXPECT_EQ(EspeakVoiceArguments(settings), c.arguments) << c.arguments[1];
  }
}

}  // namespace EngineSettings_test
