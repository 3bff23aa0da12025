#include "speech/core/ReferenceFontHeights.h"

#include <cmath>

#include "classlib/core/MulDivRounded.h"
#include "hebtext/core/HebChar.h"

namespace {

constexpr int kBaseScreenHeight = 480;
constexpr int kKeyViewDesignHeight = 690;  // the screen height the keyboard was drawn for
constexpr int kDesignPixelsPerInch = 96;
constexpr int kFullScale = 100;
constexpr int kPointsPerInch = 72;

struct HeightRow {
  int screen;
  int font;
};

// clang-format off
constexpr HeightRow kKeyFontHeights[] = {
    {480, -19}, {512, -20}, {600, -23}, {720, -28}, {768, -30}, {800, -31}, {864, -34},
    {900, -35}, {960, -38}, {1024, -40}, {1050, -41}, {1152, -45}, {1200, -47},
};
constexpr HeightRow kDialogFontHeights[] = {
    {480, -11}, {512, -12}, {600, -14}, {720, -17}, {768, -19}, {800, -19}, {864, -21},
    {900, -22}, {960, -24}, {1024, -25}, {1050, -26}, {1152, -29}, {1200, -30},
};
// clang-format on

// The table's height for the screen; between and beyond its rows, a line
// through the smallest screen's height with the given slope.
template <size_t N>
int HeightByScreen(const HeightRow (&table)[N], int screenHeight, double slope) {
  for (const HeightRow& row : table) {
    if (row.screen == screenHeight) return row.font;
  }
  const double base = -table[0].font;
  return -static_cast<int>(std::floor((screenHeight - kBaseScreenHeight) * slope + base + 0.5));
}

}  // namespace

int KeyFontBaseHeight(int screenHeight) {
  constexpr double kSlope = 0.0389;
  return HeightByScreen(kKeyFontHeights, screenHeight, kSlope);
}

int KeyViewFontHeight(int screenHeight, int scalePercent, int pixelsPerInch) {
  int height = MulDivRounded(KeyFontBaseHeight(screenHeight), kKeyViewDesignHeight, screenHeight);
  height = MulDivRounded(height, scalePercent, kFullScale);
  return MulDivRounded(height, pixelsPerInch, kDesignPixelsPerInch);
}

int KeyMapDialogFontHeight(int screenHeight, int pixelsPerInch) {
  return MulDivRounded(KeyFontBaseHeight(screenHeight), pixelsPerInch, kDesignPixelsPerInch);
}

int ReferenceDialogFontHeight(int screenHeight) {
  constexpr double kSlope = 0.0264;
  return HeightByScreen(kDialogFontHeights, screenHeight, kSlope);
}

DescriptionFontSizes GetDescriptionFontSizes(int screenHeight, int itemCode) {
  constexpr int kSmallScreen = 512;
  constexpr int kYudScreen = 600;
  constexpr int kLargeScreen = 1024;
  if (screenHeight == kBaseScreenHeight || screenHeight == kSmallScreen) {
    return {26, 19, 13, 13};
  }
  if (screenHeight == kYudScreen && itemCode == HebCode::Yod) return {29, 19, 11, 13};
  if (screenHeight == kLargeScreen) return {39, 19, 13, 13};
  return {39, 20, 13, 14};
}

int ReferenceFontPixelHeight(int points, int screenHeight, int pixelsPerInch) {
  return -MulDivRounded(MulDivRounded(points, screenHeight, kBaseScreenHeight), pixelsPerInch,
                        kPointsPerInch);
}
