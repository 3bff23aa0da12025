// A one-line field that moves through its window's controls like a dialog
// field does: Tab and the arrow keys go to the neighbouring controls, Enter
// sends its command and Escape cancels; it keeps only the kinds of
// characters its mask allows.
#pragma once

#include "classlib/win/CEdit.h"

// The edit field inside a drop-down combo box: its target is the combo's
// parent, where Escape returns the focus to the document and the arrow keys
// keep their meaning in the list.
constexpr UINT kComboEditId = 1001;

class CNavEdit : public CEdit {
 public:
  CNavEdit() = default;

  // Takes over the parent's control; nCommand is sent on Enter, nMask is of
  // NavEditRules.h.
  BOOL SubclassDlgItem(UINT nID, CWnd* pParent, UINT nCommand, BYTE nMask);

 protected:
  afx_msg UINT OnGetDlgCode();
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  DECLARE_MESSAGE_MAP()

 private:
  BOOL IsComboEdit() const { return m_nControlId == kComboEditId; }
  // The window the keys act on.
  HWND Target() const;
  void FocusNeighbour(BOOL previous);

  UINT m_nCommand = 0;
  UINT m_nControlId = 0;
  BYTE m_nMask = 0;
};
