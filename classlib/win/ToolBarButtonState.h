// A toolbar button's state as bars and update handlers see it: the style
// word (the TBSTYLE_* bits in the low word, the TBSTATE_* bits in the high
// word with the enabled bit turned into a disabled one), and a CCmdUI that
// enables, checks and greys a button of any bar that reads and writes style
// words by index.
#pragma once

#include "classlib/win/CCmdUI.h"
#include "classlib/win/CToolBar.h"

inline UINT ToolBarStyleWord(const TBBUTTON& button) {
  return MAKELONG(button.fsStyle, button.fsState) ^ TBBS_DISABLED;
}

inline void SetToolBarStyleWord(TBBUTTON* pButton, UINT nStyle) {
  nStyle ^= TBBS_DISABLED;
  pButton->fsStyle = static_cast<BYTE>(LOWORD(nStyle));
  pButton->fsState = static_cast<BYTE>(HIWORD(nStyle));
}

inline bool SameToolBarButton(const TBBUTTON& a, const TBBUTTON& b) {
  return a.iBitmap == b.iBitmap && a.idCommand == b.idCommand && a.fsState == b.fsState &&
         a.fsStyle == b.fsStyle && a.iString == b.iString;
}

// TBar has GetButtonStyle(int) and SetButtonStyle(int, UINT).
template <class TBar>
class CToolBarButtonCmdUI : public CCmdUI {
 public:
  explicit CToolBarButtonCmdUI(TBar* pBar) : m_pBar(pBar) {}
  void Enable(BOOL bOn) override {
    m_bEnableChanged = TRUE;
    UINT nStyle = Style() & ~TBBS_DISABLED;
    // A disabled button cannot stay pressed.
    if (!bOn) nStyle = (nStyle | TBBS_DISABLED) & ~TBBS_PRESSED;
    SetStyle(nStyle);
  }
  void SetCheck(int nCheck) override {
    // A checked button toggles when clicked.
    UINT nStyle = (Style() & ~(TBBS_CHECKED | TBBS_INDETERMINATE)) | TBBS_CHECKBOX;
    if (nCheck == 1) nStyle |= TBBS_CHECKED;
    if (nCheck == 2) nStyle |= TBBS_INDETERMINATE;
    SetStyle(nStyle);
  }
  void SetText(LPCSTR) override {}

 private:
  UINT Style() const { return m_pBar->GetButtonStyle(static_cast<int>(m_nIndex)); }
  void SetStyle(UINT nStyle) { m_pBar->SetButtonStyle(static_cast<int>(m_nIndex), nStyle); }
  TBar* m_pBar;
};
