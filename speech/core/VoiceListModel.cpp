#include "speech/core/VoiceListModel.h"

#include <cstring>
#include <utility>

namespace {

constexpr int kTractLimit = 1;
constexpr int kSpeedLimit = 250;
constexpr int kValueLimit = 100;

}  // namespace

int VoiceValueLimit(int index) {
  if (index == kVoiceTract) return kTractLimit;
  return index == kVoiceSpeed ? kSpeedLimit : kValueLimit;
}

void VoiceListModel::Load(std::vector<CVoiceDef> voices, LPCSTR currentName) {
  m_voices = std::move(voices);
  m_names.clear();
  for (const CVoiceDef& voice : m_voices) m_names.push_back(voice.m_name);
  m_selection = m_shown = kNone;
  if (m_voices.empty()) return;
  m_selection = 0;
  for (int i = 0; i < Count(); ++i) {
    if (m_names[i].CompareNoCase(currentName) == 0) {
      m_selection = i;
      break;
    }
  }
  Show(m_selection);
}

VoiceListModel::ButtonStates VoiceListModel::Buttons() const {
  ButtonStates states;
  states.add = Count() < kMaxVoices;
  states.reset = m_selection >= 0 && m_selection < kBuiltInVoiceCount;
  states.remove = m_selection >= kBuiltInVoiceCount && m_selection < kMaxVoices;
  return states;
}

void VoiceListModel::Select(int i) {
  if (i < 0 || i >= Count()) return;
  m_selection = i;
  if (i == m_shown) return;
  StoreShown();
  Show(i);
}

bool VoiceListModel::Add(LPCSTR name) {
  if (name[0] == '\0' || Count() >= kMaxVoices) return false;
  for (const CString& existing : m_names)
    if (existing.CompareNoCase(name) == 0) return false;
  StoreShown();
  m_names.push_back(name);
  CVoiceDef voice;
  voice.m_name = name;
  m_voices.push_back(voice);
  m_selection = m_shown = Count() - 1;
  return true;
}

void VoiceListModel::Delete() {
  if (m_selection < 0 || m_selection >= Count()) return;
  m_voices.erase(m_voices.begin() + m_selection);
  m_names.erase(m_names.begin() + m_selection);
  if (m_voices.empty()) {
    m_selection = m_shown = kNone;
    return;
  }
  if (m_selection >= Count()) m_selection = Count() - 1;
  Show(m_selection);
}

void VoiceListModel::Reset() {
  if (m_selection < 0 || m_selection >= kBuiltInVoiceCount || m_selection >= Count()) return;
  m_voices[m_selection] = BuiltInVoice(m_selection + 1);
  Show(m_selection);
}

const CVoiceDef& VoiceListModel::StoreShown() {
  static const CVoiceDef kNoVoice;
  if (m_shown < 0 || m_shown >= Count()) return kNoVoice;
  CVoiceDef& voice = m_voices[m_shown];
  voice.m_name = m_names[m_shown];
  memcpy(voice.m_values, m_values, sizeof(m_values));
  return voice;
}

void VoiceListModel::Show(int i) {
  m_shown = i;
  memcpy(m_values, m_voices[i].m_values, sizeof(m_values));
}
