// Change Font: face, style and size together, for the selection of a side
// or as a side's default font in the preferences.
#pragma once

#include "editor/win/FontSampleDlg.h"

class CChangeFontDlg : public CFontSampleDlg {
 public:
  enum { IDD = 1554 };
  // What the dialog chooses: the selection's font on a side, or a side's
  // default font.
  enum Purpose {
    kHebrewSelection = 1,
    kEnglishSelection = 2,
    kHebrewDefault = 101,
    kEnglishDefault = 102
  };
  CChangeFontDlg(Purpose purpose, CWnd* pParent = nullptr);

 protected:
  BOOL OnInitDialog() override;
  BOOL ReadFontControls() override;
  void EnableConfirm(BOOL enable) override;
  afx_msg void OnUseAsDefault();
  DECLARE_MESSAGE_MAP()

 private:
  BOOL IsHebrew() const { return m_purpose == kHebrewSelection || m_purpose == kHebrewDefault; }
  BOOL ChoosesDefault() const {
    return m_purpose == kHebrewDefault || m_purpose == kEnglishDefault;
  }

  Purpose m_purpose;
};
