#include "speech/core/VoiceProfile.h"

namespace {

constexpr const char* kVoiceOnKey = "VoiceOn";
constexpr const char* kSampleRateKey = "SampleRate";
constexpr const char* kFaceKey = "Face";

CString VoiceKey(int n) {
  CString key;
  key.Format("%d", n);
  return key;
}

// A stored value outside its range (a hand-edited profile) reads as the
// default: the engine and the face index their tables with it.
int ReadSwitch(IProfileStore& profile, LPCSTR key, int defaultValue, int limit) {
  const int value = static_cast<int>(profile.GetProfileInt(kVoicesSection, key, defaultValue));
  return value >= 0 && value < limit ? value : defaultValue;
}

}  // namespace

bool ReadVoiceDef(IProfileStore& profile, int n, CVoiceDef& voice) {
  voice.Clear();
  bool result = false;
  if (n >= 1 && n <= kBuiltInVoiceCount) {
    voice = BuiltInVoice(n);
    result = true;
  } else if (n == kCurrentVoiceKey) {
    voice = BuiltInVoice(1);
  }
  const CString text = profile.GetProfileString(kVoicesSection, VoiceKey(n), "");
  if (text.IsEmpty()) return result;
  return ParseVoiceString(text, voice) || result;
}

void WriteVoiceDef(IProfileStore& profile, int n, const CVoiceDef& voice) {
  profile.WriteProfileString(kVoicesSection, VoiceKey(n), FormatVoiceString(voice));
}

void ClearVoiceKeys(IProfileStore& profile) {
  for (int n = 1; n <= kMaxVoices; ++n)
    profile.WriteProfileString(kVoicesSection, VoiceKey(n), nullptr);
}

std::vector<CVoiceDef> LoadVoiceList(IProfileStore& profile) {
  std::vector<CVoiceDef> voices;
  CVoiceDef voice;
  for (int n = 1; n <= kMaxVoices && ReadVoiceDef(profile, n, voice); ++n) voices.push_back(voice);
  return voices;
}

void SaveVoiceList(IProfileStore& profile, const std::vector<CVoiceDef>& voices) {
  ClearVoiceKeys(profile);
  for (size_t i = 0; i < voices.size() && i < static_cast<size_t>(kMaxVoices); ++i)
    WriteVoiceDef(profile, static_cast<int>(i) + 1, voices[i]);
}

SpeechSwitches ReadSpeechSwitches(IProfileStore& profile) {
  constexpr int kSwitchStates = 2;
  constexpr int kSampleRates = 3;
  const SpeechSwitches defaults;
  SpeechSwitches switches;
  switches.voiceOn = ReadSwitch(profile, kVoiceOnKey, defaults.voiceOn, kSwitchStates);
  switches.sampleRate = ReadSwitch(profile, kSampleRateKey, defaults.sampleRate, kSampleRates);
  switches.face = ReadSwitch(profile, kFaceKey, defaults.face, kFaceCount);
  return switches;
}

void WriteSpeechSwitches(IProfileStore& profile, const SpeechSwitches& switches) {
  profile.WriteProfileInt(kVoicesSection, kVoiceOnKey, switches.voiceOn);
  profile.WriteProfileInt(kVoicesSection, kSampleRateKey, switches.sampleRate);
  profile.WriteProfileInt(kVoicesSection, kFaceKey, switches.face);
}
