#include "speech/core/PhonemeFont.h"

#include <cstring>
#include <vector>

#include "hebtext/core/ProfileStore.h"

namespace {
constexpr char kSection[] = "Phonemes";
constexpr char kFontEntry[] = "LogFont Data";
}  // namespace

void LoadPhonemeFont(IProfileStore& profile, int screenDpiY, LogFontRecord& font) {
  std::vector<BYTE> data;
  if (profile.GetProfileBinary(kSection, kFontEntry, data) && data.size() == sizeof(font)) {
    memcpy(&font, data.data(), sizeof(font));
    return;
  }
  memset(&font, 0, sizeof(font));
  font.lfHeight = -22 * screenDpiY / 96;
  font.lfWeight = 700;
  strcpy(font.lfFaceName, "Arial");
}

void SavePhonemeFont(IProfileStore& profile, const LogFontRecord& font) {
  profile.WriteProfileBinary(kSection, kFontEntry, reinterpret_cast<const BYTE*>(&font),
                             sizeof(font));
}
