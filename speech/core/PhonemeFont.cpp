#include "speech/core/PhonemeFont.h"

#include <cstring>
#include <vector>

#include "hebtext/core/ProfileStore.h"

namespace {
constexpr char kSection[] = "Phonemes";
constexpr char kFontEntry[] = "LogFont Data";
// The default height: 22 pixels on a screen of 96 dots per inch, scaled to the screen's.
constexpr int kDefaultHeight = 22;
constexpr int kReferenceDpi = 96;
constexpr int kBoldWeight = 700;  // FW_BOLD
}  // namespace

void LoadPhonemeFont(IProfileStore& profile, int screenDpiY, LogFontRecord& font) {
  std::vector<BYTE> data;
  if (profile.GetProfileBinary(kSection, kFontEntry, data) && data.size() == sizeof(font)) {
    memcpy(&font, data.data(), sizeof(font));
    return;
  }
  memset(&font, 0, sizeof(font));
  // Negative: the height of the characters without their leading.
  font.lfHeight = -kDefaultHeight * screenDpiY / kReferenceDpi;
  font.lfWeight = kBoldWeight;
  strcpy(font.lfFaceName, "Arial");
}

void SavePhonemeFont(IProfileStore& profile, const LogFontRecord& font) {
  profile.WriteProfileBinary(kSection, kFontEntry, reinterpret_cast<const BYTE*>(&font),
                             sizeof(font));
}
