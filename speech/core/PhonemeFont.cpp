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
// Far above any font a dialog line holds.
constexpr int kLargestFittedPoints = 1000;
}  // namespace

void LoadPhonemeFont(IProfileStore& profile, int screenDpiY, LogFontRecord& font) {
  std::vector<BYTE> data;
  if (profile.GetProfileBinary(kSection, kFontEntry, data) && data.size() == sizeof(font)) {
    memcpy(&font, data.data(), sizeof(font));
    return;
  }
  DefaultPhonemeFont(screenDpiY, font);
}

void DefaultPhonemeFont(int screenDpiY, LogFontRecord& font) {
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

std::string DescribePhonemeFont(const char* face, int points, int weight, bool italic) {
  std::string text = std::string(face) + " " + std::to_string(points) + " pt.";
  if (weight >= kBoldWeight) text += " Bold";
  if (italic) text += " Italic";
  return text;
}

int FitPointSize(int limit, const std::function<int(int points)>& lineHeightAt) {
  int fitted = 0;
  // A measurer that never reaches the limit is not followed for ever.
  for (int points = 1; points <= kLargestFittedPoints; ++points) {
    const int height = lineHeightAt(points);
    if (height > limit) break;
    fitted = points;
    if (height == limit) break;
  }
  return fitted;
}
