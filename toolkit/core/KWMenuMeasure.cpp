#include "toolkit/core/KWMenuMeasure.h"

#include <algorithm>

namespace {

constexpr char kAcceleratorGap[] = "XXX";
// Plain look: two image widths and a gap hold the image and check columns.
constexpr int kPlainImageGap = 2;
constexpr int kPlainExtraHeight = 4;
// Flat look: the 24-pixel image column and the text's margins.
constexpr int kFlatTextMargins = 28;
constexpr int kFlatExtraHeight = 2;
constexpr int kFlatEndExtra = 2;

}  // namespace

CString KWMeasuredMenuText(const CString& text) {
  int tab = text.Find('\t');
  if (tab < 0) return text;
  return text.Left(tab) + kAcceleratorGap + text.Mid(tab + 1);
}

CSize KWMeasureMenuItem(const KWMenuItemMeasure& item, const KWMenuMetrics& m) {
  CSize size;
  switch (item.kind) {
    case KWMenuItemKind::kSeparator:
      size = CSize(0, m.cyMenu / 2);
      break;
    case KWMenuItemKind::kNoText:
      size = CSize(kKWMenuMinItemWidth, m.cyMenu);
      break;
    case KWMenuItemKind::kText:
    case KWMenuItemKind::kChevron: {
      int columns = m.flatLook ? m.image.cx + kFlatTextMargins : 2 * m.image.cx + kPlainImageGap;
      size = CSize(std::max(kKWMenuMinItemWidth, columns + item.textWidth),
                   m.image.cy + kPlainExtraHeight);
      break;
    }
  }
  if (item.kind == KWMenuItemKind::kChevron)
    size.cy = m.cyMenu + 1;
  else if (item.kind != KWMenuItemKind::kSeparator)
    size.cy = std::max<LONG>(size.cy, m.cyMenu);
  if (!m.flatLook) return size;

  // The flat look's items draw the menu's frame between them.
  size.cy += kFlatExtraHeight;
  if (item.kind == KWMenuItemKind::kChevron) size.cy = m.image.cy;
  if (item.first) size.cy += kFlatEndExtra;
  if (item.last) size.cy += kFlatEndExtra - 2 * m.cyDlgFrame;
  return size;
}
