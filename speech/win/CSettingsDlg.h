// Settings: the Hebrew pronunciation, the vowels of speech and
// transliteration, how qamats qatan is coloured, the names-of-God filter and
// the automatic toggling of vowel points. OK writes each to the profile;
// Cancel changes nothing.
#pragma once

#include "classlib/win/CDialog.h"
#include "hebtext/win/CFontInfo.h"

class CSettingsDlg : public CDialog {
 public:
  enum { IDD = 108 };
  // No choice in a radio group.
  static constexpr int kNoChoice = -1;

  // The program's live values, which the dialog starts from and OK sets.
  struct Values {
    int accent = 1;
    int nikudToggle = 0;
    int vowelType = 1;
    int haShemFilter = 0;
  };

  explicit CSettingsDlg(Values& values, CWnd* pParent = nullptr);
  ~CSettingsDlg() override;

  int m_pronunciation = kNoChoice;  // 0 Sephardi, 1 Ashkenazi, 2 Yemenite
  int m_kamStyle = kNoChoice;       // 0 the text colour, 1 a colour of its own
  int m_nikudToggle = kNoChoice;
  int m_vowelType = kNoChoice;
  COLORREF m_kamColor;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  afx_msg void OnPaint();
  afx_msg void OnChangeColor();
  afx_msg void OnUseCustomColor();
  afx_msg void OnUseTextColor();
  DECLARE_MESSAGE_MAP()

 private:
  void EnableChangeColor(BOOL enable);
  // The word kol, its qamats qatan coloured as chosen, on the Hebrew edit
  // controls' background.
  void DrawSample(CDC* pDC);

  Values& m_values;
  CFontInfo m_sampleFont;
};
