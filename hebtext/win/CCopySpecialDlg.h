// Copy Special: the export filter, direction and vav order of a copy from
// the Hebrew edit control, remembered in the profile.
#pragma once

#include "classlib/win/CDialog.h"
#include "hebtext/core/EditClipboardText.h"

class CCopySpecialDlg : public CDialog {
 public:
  enum { IDD = 1566 };
  explicit CCopySpecialDlg(CWnd* pParent = nullptr);

  // Radio indexes; -1 for none.
  int m_interpret = -1;  // None, Microsoft Hebrew Standard, UTF8 Unicode
  int m_direction = -1;
  int m_vavOption = -1;

  // The export filter (ClipboardFilter) the chosen radio stands for.
  int GetCopyFilter() const;
  // The choices as the copy takes them.
  ClipboardTextOptions GetChosenOptions() const;

  static int LoadInterpret();
  static void SaveInterpret(int value);
  static int LoadDirection();
  static void SaveDirection(int value);
  static int LoadVavOption();
  static void SaveVavOption(int value);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  afx_msg void OnFilterNone();
  afx_msg void OnFilterConverting();
  afx_msg void OnHelpButton();
  DECLARE_MESSAGE_MAP()
};
