// Transliteration Document Format: how a transliteration document lays out
// its text — a font, style, size, colours and capitals for stressed and for
// unstressed syllables, and hyphens, capitals, word spacing, numbers and the
// window colour for the whole text — with a sample phrase shown as it will
// look. OK writes the settings to the profile; Cancel stores nothing.
#pragma once

#include "classlib/win/CDialog.h"
#include "editor/win/RtfPreviewCtrl.h"
#include "hebtext/core/PreferenceTexts.h"

class CTranslitFormatDlg : public CDialog {
 public:
  enum { IDD = 1559 };
  enum Syllable { kStressed = 0, kUnstressed = 1 };
  enum Target { kSyllableText = 1, kSyllableBack = 2, kWindowBack = 3 };
  // The longest extra word spacing kept, in quarter points.
  static constexpr DWORD kMaxWordSpacing = 500;

  explicit CTranslitFormatDlg(CWnd* pParent = nullptr);
  ~CTranslitFormatDlg() override;

  TranslitWordSettings m_word;
  TranslitTextStyle m_styles[2];  // by Syllable

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  afx_msg void OnPaint();
  afx_msg void OnStressed();
  afx_msg void OnUnstressed();
  afx_msg void OnTargetText();
  afx_msg void OnTargetBack();
  afx_msg void OnTargetWindow();
  afx_msg void OnRedChange();
  afx_msg void OnGreenChange();
  afx_msg void OnBlueChange();
  afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
  afx_msg void OnNoColor();
  afx_msg void OnFontChange();
  afx_msg LRESULT OnFontChanged(WPARAM wParam, LPARAM lParam);
  afx_msg void OnWordSettingChange();
  DECLARE_MESSAGE_MAP()

 private:
  void ChooseSyllable(int syllable);
  void ChooseTarget(int target);
  void OnColorEdit(int editId);
  COLORREF& TargetColor(int target);
  void ShowStyle(int syllable);
  void StoreShownStyle();
  void ShowTargetColor();
  void TakeWordSettings();
  void DrawSample();

  int m_shown = kStressed;
  int m_target = kSyllableText;
  COLORREF m_edited = 0;
  // Set while the dialog writes its own fields, whose change notices are not the user's.
  BOOL m_bSettingFields = TRUE;
  CRtfPreviewCtrl m_preview;
};
