// Columns: how many columns (one to four) the paragraphs are set in, and
// the gutter between them in inches or millimetres, kept within what the
// page's text width leaves.
#pragma once

#include "classlib/win/CDialog.h"

class CColumnsDlg : public CDialog {
 public:
  enum { IDD = 1572 };
  explicit CColumnsDlg(CWnd* pParent = nullptr);

  int m_count = 1;
  CString m_gutterText;
  CString m_lastGutterText;
  double m_gutter = 0.0;      // in the unit
  int m_unit = 1;             // 1 inches, 2 millimetres
  double m_available = 0.0;   // the page's text width in the unit
  BOOL m_bUpdating = TRUE;    // set while the dialog writes its own fields

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  afx_msg void OnCountNone();
  afx_msg void OnCount2();
  afx_msg void OnCount3();
  afx_msg void OnCount4();
  afx_msg void OnGutterChange();
  afx_msg void OnGutterSpin(NMHDR* pNMHDR, LRESULT* pResult);
  DECLARE_MESSAGE_MAP()

 private:
  void ChooseCount(int count);
  void EnableGutter();
  // Writes the gutter's text into the field.
  void ShowGutter();
};
