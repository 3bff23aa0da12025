// Extra Line Spacing (per cent) and Extra Inter-Word Spacing (quarter
// points): one number each, typed or set with a spin within its range.
#pragma once

#include "classlib/win/CDialog.h"

class CSpacingValueDlg : public CDialog {
 public:
  int m_value = 0;

 protected:
  CSpacingValueDlg(UINT nIDTemplate, int maximum, CWnd* pParent)
      : CDialog(nIDTemplate, pParent), m_maximum(maximum) {}
  BOOL OnInitDialog() override;
  // The value is the spin's.
  void OnOK() override;

 private:
  int m_maximum;
};

class CExtraLineSpacingDlg : public CSpacingValueDlg {
 public:
  enum { IDD = 1568, kMaximum = 300 };
  explicit CExtraLineSpacingDlg(CWnd* pParent = nullptr)
      : CSpacingValueDlg(IDD, kMaximum, pParent) {}
};

class CExtraWordSpacingDlg : public CSpacingValueDlg {
 public:
  enum { IDD = 136, kMaximum = 99 };
  explicit CExtraWordSpacingDlg(CWnd* pParent = nullptr)
      : CSpacingValueDlg(IDD, kMaximum, pParent) {}
};
