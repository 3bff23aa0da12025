#include "editor/core/ZultaDocData.h"

#include "editor/core/CharAttr.h"
#include "hebtext/core/SortedStrings.h"

void ZultaSideData::ClearText() {
  letters.clear();
  points.clear();
  attrs.clear();
  lineFormats.clear();
  sections.clear();
  layouts.clear();
}

CString ZultaDocData::FaceOf(int side, DWORD attr) const {
  UINT font = AttrFont(attr);
  if (font == 0) return sides[side].face;
  return CopyStringAt(styles.fontNames, static_cast<int>(font));
}

BOOL ZultaDocData::IsHebrewFontAttr(int side, DWORD attr) const {
  return IsProgramHebrewFont(FaceOf(side, attr));
}

void ZultaDocData::CopyFrom(const ZultaDocData& other) {
  title = other.title;
  styles.textColors.Copy(other.styles.textColors);
  styles.backColors.Copy(other.styles.backColors);
  styles.fontNames.Copy(other.styles.fontNames);
  styles.fontSizes.Copy(other.styles.fontSizes);
  styles.wordSpace.Copy(other.styles.wordSpace);
  styles.lineSpace.Copy(other.styles.lineSpace);
  for (int side = 0; side < kFileSideCount; ++side) sides[side] = other.sides[side];
  currentSide = other.currentSide;
}
