// What the three font dialogs share: the font they show, the sample of it
// painted in the sample frame, kept up to date as the user changes a combo,
// and their help.
#pragma once

#include "classlib/win/CDialog.h"
#include "editor/core/FontChoice.h"

// Posted to a font dialog when one of its combos changes: by then the combo
// shows the new text, which the dialog reads into its sample.
constexpr UINT WM_FONT_SAMPLE_UPDATE = WM_USER + 701;

class CFontSampleDlg : public CDialog {
 public:
  CFontSampleDlg(UINT nIDTemplate, CWnd* pParent);

  // The font shown: on entry the current one, after OK the chosen one.
  FontChoice m_font;

 protected:
  BOOL OnInitDialog() override;
  // A size that is no number, or 0, is never taken: the dialog stays open
  // with the focus in the size field.
  void OnOK() override;
  // Reads the dialog's combos into m_font. FALSE when a typed size is no
  // size: the font keeps its last size and the dialog cannot be confirmed.
  virtual BOOL ReadFontControls() = 0;
  // The buttons that confirm the choice, enabled only while it is a font.
  virtual void EnableConfirm(BOOL enable);

  // Lists the faces: the program's Hebrew faces first for a Hebrew side,
  // and selects the font's face.
  void FillFaceCombo(BOOL hebrewFirst);
  // Lists the standard sizes with the font's and selects it.
  void FillSizeCombo();
  // The face chosen in the face combo; the font's own while none is.
  CString ChosenFace() const;
  // The size in the size combo's field; 0 when it is no size.
  WORD TypedSize() const;
  // Selects the entry with exactly that text; FALSE when there is none.
  BOOL SelectComboText(int nComboId, LPCSTR text);
  CString ComboText(int nComboId) const;

  afx_msg void OnPaint();
  afx_msg void OnComboChange();
  afx_msg LRESULT OnFontSampleUpdate(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  void PaintSample(CDC* pDC);
  CRect m_sampleRect;  // client coordinates
};
