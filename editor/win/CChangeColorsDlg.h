// Change Colors: the text and background colours of the selection, chosen
// from a palette, typed as red, green and blue or set with scroll bars, and
// shown on sample letters in the selection's font.
#pragma once

#include "classlib/win/CDialog.h"

class CChangeColorsDlg : public CDialog {
 public:
  enum { IDD = 121 };
  enum Target { kTargetText = 0, kTargetBack = 1 };

  // The sample is drawn in the font described; with backDisabled only the
  // text colour can be chosen.
  CChangeColorsDlg(COLORREF text, COLORREF back, const LOGFONT& sampleFont, BOOL backDisabled,
                   CWnd* pParent = nullptr);
  ~CChangeColorsDlg() override;

  int m_blue = 0;
  int m_green = 0;
  int m_red = 0;
  int m_target = kTargetText;
  COLORREF m_current;
  COLORREF m_text;
  COLORREF m_back;
  BOOL m_bHebrew = FALSE;
  BOOL m_bBackDisabled;
  LOGFONT m_sampleLogFont;
  HFONT m_hSampleFont = nullptr;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  afx_msg void OnPaint();
  afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
  afx_msg void OnRedChange();
  afx_msg void OnGreenChange();
  afx_msg void OnBlueChange();
  afx_msg void OnSaveDefault();
  DECLARE_MESSAGE_MAP()

 private:
  void OnColorEdit(int editId);
  // The fields' colour and the target radio, stored as the text or the
  // background colour.
  void StoreFromControls();
  void DrawSampleText();
  void DeleteSampleFont();

  // Set while the dialog writes or takes back its own fields.
  BOOL m_bSettingFields = TRUE;
};
