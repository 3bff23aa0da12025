// Paste Special: the import filter, text format, direction and vav order of
// a paste, remembered in the profile (all but the text format). The document
// editor offers RTF through it as well.
#pragma once

#include "classlib/win/CDialog.h"
#include "hebtext/core/EditClipboardText.h"

class CPasteSpecialDlg : public CDialog {
 public:
  enum { IDD = 134 };
  explicit CPasteSpecialDlg(CWnd* pParent = nullptr);

  // Radio indexes; -1 for none.
  int m_direction = -1;
  int m_filter = -1;      // ClipboardFilter
  int m_textFormat = -1;  // 0 plain text, 1 RTF
  int m_vavOption = -1;
  BOOL m_plainTextOffered = TRUE;
  BOOL m_rtfOffered = TRUE;
  BOOL m_wideCharOffered;  // on the NT family only
  BOOL m_directionChosen = FALSE;

  // The choices as the paste takes them.
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
  afx_msg void OnFilterStandard();
  afx_msg void OnFilterEnglishLayout();
  afx_msg void OnFilterUnicode();
  afx_msg void OnDirection();
  afx_msg void OnHelpButton();
  DECLARE_MESSAGE_MAP()

 private:
  // What a filter radio does to the other controls: the RTF radio (when
  // offered), the vav-order controls and the direction (unless the user
  // chose it here).
  void ApplyFilter(BOOL rtf, BOOL vavOrder, BOOL vavOrderAlways, int direction);
};
