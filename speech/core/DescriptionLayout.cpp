#include "speech/core/DescriptionLayout.h"

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

int DescriptionIndentedLines(int item) {
  const bool descends =
      IsOneOf(item, {Meteg, FinalTsadiGeresh, FinalKaf, FinalNun, FinalPe, FinalTsadi, Qof});
  const bool underCarrier = IsVowelCode(item) && !IsHolamForm(item) && !IsHolamMale(item);
  return descends || underCarrier ? 2 : 1;
}

int WordPopupRaise(int points, int pointsOn480, int screenHeight) {
  if (screenHeight == kBaseScreenHeight) return pointsOn480;
  return MulDivRounded(points, screenHeight, kBaseScreenHeight);
}
