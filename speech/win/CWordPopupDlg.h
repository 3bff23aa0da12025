// A small modal pop-up that shows a notice and, below it, a word (pointed
// Hebrew or plain text) in large letters for a fixed time, then closes
// itself.
#pragma once

#include "classlib/core/Collections.h"
#include "classlib/core/CString.h"
#include "classlib/win/CDialog.h"

class CWordPopupDlg : public CDialog {
 public:
  CWordPopupDlg(UINT displayMs, LPCSTR letters, LPCSTR vowels, const CByteArray& wordData,
                BOOL pointed, CWnd* pParent);
  CWordPopupDlg(UINT displayMs, LPCSTR message, CWnd* pParent);

  // The notice shown above the word.
  void SetMessage(LPCSTR message) { m_message = message; }

  enum : UINT_PTR { kCloseTimer = 303 };

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  DECLARE_MESSAGE_MAP()

 private:
  void StopTimer();

  CString m_message;
  CString m_letters;
  CString m_vowels;
  CByteArray m_wordData;  // the word's entry data, as the caller gave it
  BOOL m_pointed = FALSE;
  UINT m_displayMs;
  UINT_PTR m_timer = 0;
};
