// Switch to Previously Used Font: a list of the other fonts a side uses
// (face, size and style in three columns) to choose one from. The columns'
// widths are kept for the whole program and in the profile.
#pragma once

#include "classlib/core/Collections.h"
#include "classlib/win/CDialog.h"
#include "editor/core/FontChoice.h"
#include "editor/core/SwitchFontList.h"

class CSwitchFontDlg : public CDialog {
 public:
  enum { IDD = 147 };
  explicit CSwitchFontDlg(CWnd* pParent = nullptr);

  // The list's entries ("face\tsize\tstyle") and the one selected first
  // (-1 none).
  CStringArray m_entries;
  int m_nSelected = -1;
  // After OK: the chosen entry's font.
  FontChoice m_font;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  afx_msg void OnListDoubleClick(NMHDR* pNotify, LRESULT* pResult);
  DECLARE_MESSAGE_MAP()

 private:
  void SaveColumnWidths();

  static SwitchFontColumnWidths s_widths;
  HWND m_hList = nullptr;
};
