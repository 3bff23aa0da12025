// The letter and vowel descriptions: one letter, vowel point or mark drawn
// large with its description (names, place, sound and usage), and three or
// six example words on buttons, pointed or in full spelling, each spoken
// when clicked.
#pragma once

#include "hebtext/win/CFontInfo.h"
#include "speech/core/ItemDescriptions.h"
#include "speech/win/CReferenceDlg.h"

class CDC;

class CLetterDescriptionDlg : public CReferenceDlg {
 public:
  enum { IDD = 115 };

  CLetterDescriptionDlg(int item, ReferenceServices services, CWnd* pParent = nullptr);

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  afx_msg void OnPaint();
  afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
  afx_msg void OnExample(UINT nID);
  afx_msg void OnToggleSpelling();
  DECLARE_MESSAGE_MAP()

 private:
  void CreateFonts();
  void MoveButtonsDown();
  void PaintItem(CDC* pDC, const RECT& area);
  void DrawExampleButton(CDC* pDC, int id, const RECT& rect);
  // The example on the button, nullptr for a button without one.
  const DescriptionExample* ExampleOf(int id) const;

  int m_item;
  ItemDescription m_description;  // empty for an item without one
  bool m_withoutVowels = false;
  CFontInfo m_itemFont;     // the item drawn large
  CFontInfo m_exampleFont;  // the example words
  CFontInfo m_buttonFont;   // the Hebrew words of the spelling button
  int m_meaningPoints = 0;  // the examples' English meanings
};
