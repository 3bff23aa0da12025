// The reading tutorial: a full-screen dialog with a menu of 24 lesson
// buttons, each lesson a walk through the steps of bin\Tutor.bin that
// introduce letters and vowels, compare them, practise words and end.
#pragma once

#include "hebtext/win/CFontInfo.h"
#include "speech/core/TutorFile.h"
#include "speech/core/TutorWalk.h"
#include "speech/win/CReferenceDlg.h"

class CDC;

class CReadingTutorDlg : public CReferenceDlg {
 public:
  enum { IDD = 1557 };

  explicit CReadingTutorDlg(ReferenceServices services, CWnd* pParent = nullptr);
  ~CReadingTutorDlg() override;

  // Reads bin\Tutor.bin; FALSE with the message to show when it cannot be had.
  BOOL LoadTutorData(CString& message);
  const TutorPosition& Position() const { return m_position; }

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  afx_msg void OnLessonButton(UINT nID);
  afx_msg void OnNext();
  afx_msg void OnPrevious();
  afx_msg void OnLessonMenu();
  afx_msg void OnToggleVowels();
  afx_msg void OnWordButton(UINT nID);
  afx_msg void OnPaint();
  afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
  DECLARE_MESSAGE_MAP()

 private:
  void CreateFonts();
  void ShowStep(int focusId);
  void ShowItems(const TutorStep& step);
  void SetVisibility();
  int MenuFocus() const;
  void Close(int result);

  void PaintItem(CDC* pDC, int id);
  void DrawWordButton(CDC* pDC, int id, HWND hButton, const RECT& rect);
  void DrawLessonButton(CDC* pDC, int id, const RECT& rect);

  TutorData m_data;
  TutorPosition m_position;
  bool m_withoutVowels = false;
  CFontInfo m_itemFont;                        // the item panels
  CFontInfo m_wordFont;                        // the word buttons
  CFontInfo m_smallFont;                       // Hebrew inside texts and on buttons
  RECT m_panels[kTutorItemSlots] = {};         // one or three items
  RECT m_shiftedPanels[kTutorItemSlots] = {};  // two items
  RECT m_panelArea = {};                       // all three panels
  RECT m_wordRects[kTutorWordButtons] = {};    // where each word was drawn, in the dialog
};
