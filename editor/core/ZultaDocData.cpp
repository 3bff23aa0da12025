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

namespace {

DWORD ClampField(DWORD word, int shift, DWORD mask, int count) {
  return GetAttrField(word, shift, mask) < static_cast<UINT>(count)
             ? word
             : SetAttrField(word, shift, mask, 0);
}

}  // namespace

void ZultaDocData::ClampStyleIndices() {
  using namespace CharAttrBits;
  for (ZultaSideData& side : sides) {
    for (DWORD& attr : side.attrs) {
      attr = ClampField(attr, kTextColorShift, kTextColorMask, styles.textColors.GetSize());
      attr = ClampField(attr, kBackColorShift, kBackColorMask, styles.backColors.GetSize());
      attr = ClampField(attr, kFontShift, kFontMask, styles.fontNames.GetSize());
      attr = ClampField(attr, kSizeShift, kSizeMask, styles.fontSizes.GetSize());
      attr = ClampField(attr, kWordSpaceShift, kWordSpaceMask, styles.wordSpace.GetSize());
    }
    for (DWORD& format : side.lineFormats)
      format = ClampField(format, LineFormatBits::kLineSpaceShift, LineFormatBits::kLineSpaceMask,
                          styles.lineSpace.GetSize());
  }
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
