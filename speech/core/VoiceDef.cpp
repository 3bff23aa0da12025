#include "speech/core/VoiceDef.h"

#include <cassert>
#include <cstring>

#include "hebtext/core/NumberText.h"

namespace {

constexpr char kFieldSeparator = '|';

struct BuiltInRow {
  const char* name;
  int values[kVoiceValueCount];
};

// clang-format off
constexpr BuiltInRow kBuiltInRows[kBuiltInVoiceCount] = {
  {"1  - AB-ba (Father)",        {0, 50, 65, 30,  0,  0, 30,  92}},
  {"2  - I-ma (Mother)",         {1, 50, 81, 30,  0, 50, 30, 100}},
  {"3  - YE-led (Child)",        {1, 22, 93, 35,  0,  0, 30,  90}},
  {"4  - Dod (Uncle) Tovan",     {0, 86, 56, 47,  0,  0, 30,  93}},
  {"5  - Dod (Uncle) Garvil",    {0, 50, 69, 34,  0,  0, 50,  92}},
  {"6  - Do-DA (Aunt) Velira",   {1, 56, 89, 35,  0, 40, 50,  95}},
  {"7  - SAV-ta (Grandma)",      {1, 45, 68, 30,  3, 40, 30,  90}},
  {"8  - SAB-ba (Grandpa)",      {0, 30, 61, 44, 18, 20, 30,  90}},
};
// clang-format on

}  // namespace

CVoiceDef::CVoiceDef(LPCSTR name, const int (&values)[kVoiceValueCount]) : m_name(name) {
  memcpy(m_values, values, sizeof(m_values));
}

void CVoiceDef::Clear() {
  m_name.Empty();
  memset(m_values, 0, sizeof(m_values));
}

bool CVoiceDef::operator==(const CVoiceDef& other) const {
  return m_name == other.m_name && memcmp(m_values, other.m_values, sizeof(m_values)) == 0;
}

const CVoiceDef& BuiltInVoice(int n) {
  // Built on first use and kept for the whole run.
  static const CVoiceDef* const voices = [] {
    static CVoiceDef table[kBuiltInVoiceCount];
    for (int i = 0; i < kBuiltInVoiceCount; ++i)
      table[i] = CVoiceDef(kBuiltInRows[i].name, kBuiltInRows[i].values);
    return table;
  }();
  assert(n >= 1 && n <= kBuiltInVoiceCount);
  return voices[n - 1];
}

CString FormatVoiceString(const CVoiceDef& voice) {
  CString text = voice.m_name;
  for (int value : voice.m_values) {
    CString field;
    field.Format("%c%u", kFieldSeparator, static_cast<unsigned>(value));
    text += field;
  }
  return text;
}

bool ParseVoiceString(LPCSTR text, CVoiceDef& voice) {
  const char* separator = strchr(text, kFieldSeparator);
  const size_t nameLength = separator ? static_cast<size_t>(separator - text) : strlen(text);
  if (nameLength == 0) return false;
  voice.m_name = CString(text, static_cast<int>(nameLength));
  for (int& value : voice.m_values) {
    if (separator == nullptr) return false;
    const char* field = separator + 1;
    separator = strchr(field, kFieldSeparator);
    const size_t fieldLength = separator ? static_cast<size_t>(separator - field) : strlen(field);
    if (fieldLength == 0) return false;
    value = ParseSignedInt(CString(field, static_cast<int>(fieldLength)));
  }
  return true;
}
