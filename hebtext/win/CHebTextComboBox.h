// An owner-drawn combo box that shows pointed Hebrew (the program's codes)
// in the fonts of the Hebrew edit control it is attached to, or plain text
// in that control's English font.
#pragma once

#include "classlib/core/Collections.h"
#include "classlib/win/CComboBox.h"

class CHebEdit;

class CHebTextComboBox : public CComboBox {
 public:
  CStringArray m_items;         // the item texts, by index
  BOOL m_hebrewFont = FALSE;    // draw the items as pointed Hebrew
  CHebEdit* m_pEdit = nullptr;  // whose fonts it draws in
  BOOL m_firstMeasure = TRUE;

  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
  void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
};
