// A toolbar combo box whose Esc gives the focus back to the active document.
#pragma once

#include "classlib/win/CComboBox.h"

class CFocusComboBox : public CComboBox {
 protected:
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  DECLARE_MESSAGE_MAP()
};
