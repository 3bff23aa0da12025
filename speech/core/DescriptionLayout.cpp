#include "speech/core/DescriptionLayout.h"

#include <algorithm>
#include <initializer_list>

#include "classlib/core/MulDivRounded.h"
#include "hebtext/core/HebChar.h"

namespace {

using namespace HebCode;

constexpr int kBaseScreenHeight = 480;

bool IsOneOf(int code, std::initializer_list<int> codes) {
  for (int c : codes)
    if (c == code) return true;
  return false;
}

}  // namespace

bool ExampleButtonsMoveDown(int item) { return IsOneOf(item, {Dagesh, Meteg, Het}); }

int DescriptionIndentedLines(int item, int ascent, int descent, int lineHeight) {
  const bool descends =
      IsOneOf(item, {Meteg, FinalTsadiGeresh, FinalKaf, FinalNun, FinalPe, FinalTsadi, Qof});
  const bool underCarrier = IsVowelCode(item) && !IsHolamForm(item) && !IsHolamMale(item);
  const int height = ascent + (descends || underCarrier ? descent : 0);
  if (lineHeight <= 0) return 1;
  return std::max(1, (height + lineHeight - 1) / lineHeight);
}

int WordPopupRaise(int points, int pointsOn480, int screenHeight) {
  if (screenHeight == kBaseScreenHeight) return pointsOn480;
  return MulDivRounded(points, screenHeight, kBaseScreenHeight);
}
