// The in-place editor over a list-view cell. Enter keeps the typed text,
// Esc or leaving it any other way cancels; either way the list's parent gets
// LVN_ENDLABELEDIT and the editor destroys and deletes itself.
#pragma once

#include "classlib/win/CEdit.h"

class CLabelEdit : public CEdit {
 public:
  // Created on the heap by the list's owner, as a child of the list.
  CLabelEdit(int item, int subItem, LPCSTR initialText);

  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  void PostNcDestroy() override;
  DECLARE_MESSAGE_MAP()

 private:
  // Widens the editor to its text plus 5 pixels, at most to the list's right edge.
  void FitToText();

  int m_item;
  int m_subItem;
  CString m_initialText;
  BOOL m_cancelled = TRUE;
};
