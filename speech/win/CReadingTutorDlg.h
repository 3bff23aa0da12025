// The reading tutorial: a full-screen dialog with a menu of 24 lesson
// buttons, each lesson a walk through the steps of bin\Tutor.bin that
// introduce letters and vowels, compare them, practise words and end.
#pragma once

#include <functional>

#include "classlib/win/CDialog.h"
#include "classlib/win/CFont.h"
#include "hebtext/win/CFontInfo.h"
#include "speech/core/TutorFile.h"
#include "speech/core/TutorWalk.h"

class CDC;

// The Preferences dialogs the tutorial's menu opens; the program supplies
// them with its live settings. Each runs modally over the given window.
struct TutorPreferenceDialogs {
  std::function<void(CWnd*)> settings;
  std::function<void(CWnd*)> phonemeSet;
};

class CReadingTutorDlg : public CDialog {
 public:
  enum { IDD = 1557 };

  explicit CReadingTutorDlg(TutorPreferenceDialogs preferences, CWnd* pParent = nullptr);
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
  afx_msg void OnSettings();
  afx_msg void OnPhonemeSet();
  afx_msg void OnPaint();
  afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
  DECLARE_MESSAGE_MAP()

 private:
  void Layout();
  void CreateFonts();
  void ShowStep(int focusId);
  void ShowItems(const TutorStep& step);
  void SetVisibility();
  int MenuFocus() const;
  void Close(int result);

  void PaintItem(CDC* pDC, int id);
  void PaintExplanation(CDC* pDC);
  void DrawToggleButton(CDC* pDC, const RECT& rect, BOOL pressed);
  void DrawWordButton(CDC* pDC, int id, const RECT& rect);
  void DrawLessonButton(CDC* pDC, int id, const RECT& rect);
  // Draws one item (a letter, or a point on its carrier letter) with its
  // right edge at x and returns its width.
  int DrawItemGlyph(CDC* pDC, CFontInfo& font, int item, int x, int y, COLORREF color);
  int MeasureItemGlyph(const CFontInfo& font, int item) const;
  RECT ControlRect(int id) const;

  TutorPreferenceDialogs m_preferences;
  TutorData m_data;
  TutorPosition m_position;
  bool m_withoutVowels = false;
  CFont m_titleFont;
  CFontInfo m_itemFont;                        // the item panels
  CFontInfo m_wordFont;                        // the word buttons
  CFontInfo m_smallFont;                       // Hebrew inside texts and on buttons
  RECT m_panels[kTutorItemSlots] = {};         // one or three items
  RECT m_shiftedPanels[kTutorItemSlots] = {};  // two items
  RECT m_panelArea = {};                       // all three panels
  RECT m_wordRects[kTutorWordButtons] = {};    // where each word was drawn
};
