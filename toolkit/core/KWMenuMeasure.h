// The size of an owner-drawn menu item, in the plain look and in the flat
// ("office") look. The caller measures the label; the rules here only size it.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/Geometry.h"

enum class KWMenuItemKind { kSeparator, kText, kNoText, kChevron };

struct KWMenuItemMeasure {
  KWMenuItemKind kind = KWMenuItemKind::kText;
  int textWidth = 0;  // of KWMeasuredMenuText's result in the item's font
  bool first = false;
  bool last = false;
};

struct KWMenuMetrics {
  int cyMenu = 0;      // SM_CYMENU
  int cyDlgFrame = 0;  // SM_CYDLGFRAME
  CSize image;         // the cool menu's image size
  bool flatLook = false;
};

// Narrowest item of either look.
constexpr int kKWMenuMinItemWidth = 100;

// The label as it is measured: the tab before the accelerator widened to
// "XXX", so that label and accelerator keep a gap between their columns.
CString KWMeasuredMenuText(const CString& text);

CSize KWMeasureMenuItem(const KWMenuItemMeasure& item, const KWMenuMetrics& metrics);
