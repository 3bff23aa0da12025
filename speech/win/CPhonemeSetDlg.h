// Transliteration Phoneme Set: chooses the active phoneme set, edits the 38
// spellings of any set, adds and deletes sets, restores a built-in one, and
// chooses the font transliterations are shown in. OK stores the sets and
// the active one; Cancel stores nothing (the font is stored when chosen).
#pragma once

#include <memory>

#include "classlib/win/CDialog.h"
#include "classlib/win/CFont.h"
#include "hebtext/win/CFontInfo.h"
#include "speech/core/PhonemeSetList.h"

class IProfileStore;

class CPhonemeSetDlg : public CDialog {
 public:
  enum { IDD = 117 };

  // The sets, their active index and the font are the profile's;
  // transliterationFont is the program's font, remade when another is chosen.
  CPhonemeSetDlg(IProfileStore& profile, CFontInfo& transliterationFont, CWnd* pParent = nullptr);
  ~CPhonemeSetDlg() override;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  afx_msg void OnSetChosen();
  afx_msg void OnNewSet();
  afx_msg void OnDeleteSet();
  afx_msg void OnResetSet();
  afx_msg void OnChangeFont();
  afx_msg void OnResetFont();
  DECLARE_MESSAGE_MAP()

 private:
  int ChosenSet() const;
  void ChooseSet(int index);
  // The set shown takes the spellings of the edit boxes.
  void KeepShownSet();
  void ShowSet(int index);
  void UpdateButtons();
  void UseTransliterationFont(const LOGFONT& logFont);
  void DescribeFont();
  // The edit boxes' font: the transliteration font at the largest size
  // whose line fits the labels', or the label font in the labels' face.
  void FitEditFont();

  IProfileStore& m_profile;
  CFontInfo& m_transliterationFont;
  PhonemeSetList m_sets;
  int m_shownSet = -1;
  CFontInfo m_labelFont;
  std::unique_ptr<CFont> m_pEditFont;
};
