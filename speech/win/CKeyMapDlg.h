// The key map as a dialog: the letter and vowel chart, where clicking a
// character asks for its description.
#pragma once

#include "classlib/win/CDialog.h"
#include "speech/win/KeyPad.h"
#include "speech/win/ReferenceServices.h"

class CKeyMapDlg : public CDialog {
 public:
  // The descriptions it opens speak and open their Preferences through services.
  explicit CKeyMapDlg(ReferenceServices services, CWnd* pParent = nullptr);

 protected:
  BOOL OnInitDialog() override;
  void OnCancel() override;

  afx_msg void OnPaint();
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg LRESULT OnDescribe(WPARAM wParam, LPARAM lParam);
  afx_msg void OnDestroy();

  CKeyPad m_keys;
  ReferenceServices m_services;

  DECLARE_MESSAGE_MAP()
};
