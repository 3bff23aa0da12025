#include "tables/core/AlternateSpelling.h"

namespace {

const COLORREF kAlternateColours[kMaxAlternateIndex + 1] = {RGB(0, 0, 0), RGB(128, 0, 0),
                                                            RGB(128, 0, 255), RGB(255, 0, 0)};

}  // namespace

int ShownAlternate(const LONG (&offsets)[kSpellingAlternates], int alternate) {
  if (alternate > kMaxAlternateIndex) alternate = kMaxAlternateIndex;
  for (int k = alternate; k >= 0; --k)
    if (offsets[k] > 0) return k;
  return kFirstSpelling;
}

LONG ShownSpellingOffset(const LONG (&offsets)[kSpellingAlternates], int alternate) {
  const int shown = ShownAlternate(offsets, alternate);
  return shown == kFirstSpelling ? 0 : offsets[shown];
}

COLORREF ShownSpellingColour(const LONG (&offsets)[kSpellingAlternates], int alternate,
                             COLORREF firstColour) {
  const int shown = ShownAlternate(offsets, alternate);
  return shown == kFirstSpelling ? firstColour : kAlternateColours[shown];
}
