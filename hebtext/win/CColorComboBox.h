// The colour toolbar's owner-drawn combo box: sixteen named colours, each
// with a swatch, and "More Colors..." (item data -1). Esc gives the focus
// back to the active document.
#pragma once

#include "hebtext/win/CFocusComboBox.h"

class CColorComboBox : public CFocusComboBox {
 public:
  enum { kItemCount = 17, kMoreColors = 16 };
  // The name of item n.
  static LPCSTR GetColorName(int index);

  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
  void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  DECLARE_MESSAGE_MAP()
};
