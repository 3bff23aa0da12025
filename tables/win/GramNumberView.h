// The number table: the fourth tab of the Grammar Tables window. The user
// types a number in figures and picks cardinal or ordinal, masculine or
// feminine; in single mode the view shows the number in pointed Hebrew words
// and in English words, in sequence mode ten numbers from the typed one by
// the chosen interval in Hebrew words with their figures. Cells are
// selected by a click or Ctrl+G and copied; the Ktiv-Khaser spelling, the
// printed page and a dictionary number entry's arrival are the view's too.
#pragma once

#include <string>

#include "classlib/win/CFont.h"
#include "hebtext/core/PageSettingsRec.h"
#include "hebtext/win/CFontInfo.h"
#include "hebtext/win/CMyWnd.h"
#include "tables/core/NumberCellLayout.h"
#include "tables/core/NumberCells.h"
#include "tables/core/NumberModes.h"
#include "tables/win/MyFormView.h"

class CGramNumberView : public CMyFormView {
  DECLARE_DYNCREATE(CGramNumberView)
 public:
  CGramNumberView();

  // The selected cell among those of the mode, -1 when none.
  int GetSelectedCell() const { return SelectedNumberCell(m_cells, IsSequence()); }

  void OnInitialUpdate() override;
  // Ctrl+G selects the next cell wherever the focus is in the view.
  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnDraw(CDC* pDC) override;
  BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
  void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;

  afx_msg void OnNumberChanged();
  afx_msg void OnNumberFocus();
  afx_msg void OnInterval(UINT nID);
  afx_msg void OnNumberFormat(UINT nID);
  afx_msg void OnGender(UINT nID);
  afx_msg void OnKtivKhaser();
  afx_msg void OnCopyCell();
  afx_msg void OnCopyCellNoMeteg();
  afx_msg void OnNextCell();
  afx_msg void OnPrintPreviewSheet();
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
  afx_msg void OnDestroy();
  afx_msg LRESULT OnControlFocus(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnGetTableShown(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnGetSelectedCell(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnSetParams(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnSelectNumber(WPARAM wParam, LPARAM lParam);

  DECLARE_MESSAGE_MAP()

 private:
  bool IsSequence() const { return m_interval != 0; }
  void MakeFonts();
  void TakeCellPlaces();
  // Reads the edit box for the current mode: its digits, with anything
  // else removed from the box at once.
  std::string FilterTypedNumber();
  void UpdateSingle();
  void UpdateSequence();
  void UpdateMode();
  void SwitchMode(bool toSequence);
  void RedrawModeCells();
  void SelectCell(int cell);
  void ScrollCellIntoView(int cell);
  void CopyText(bool withoutStress);
  void SendCommandToSelf(UINT nID);

  // Drawing: on the screen (scale 1, no offset) or on the printed page,
  // where the fonts are the printer's copies.
  struct DrawTarget {
    CDC* pDC;
    CFontInfo* hebrewFonts;  // large, medium, small
    CFont* pLabelFont;
    CFont* pFigureFont;
    double scale = 1.0;
    CPoint offset;
    bool printing = false;
  };
  void DrawCell(const DrawTarget& target, int cell);
  void DrawHebrewCell(const DrawTarget& target, int cell, const CRect& rect, COLORREF text,
                      COLORREF figures);
  // The single mode's number in figures and in English under the cells, then
  // the gender and the format.
  void PrintCaptions(CDC* pDC, CFont* pLabelFont, const CRect& area, int below);

  int m_ordinal = 0;   // the "&Number Format" radios
  int m_feminine = 0;  // the "Gen&der" radios
  BOOL m_bInitialised = FALSE;
  LONG m_interval = 0;  // 0 single mode, else the sequence interval
  CFont m_labelFont;
  CFont m_figureFont;
  CFontInfo m_hebrewFonts[3];
  LONG m_sequenceValues[kSequenceCells] = {};
  CRect m_textRects[kNumberCells];  // drawn text bounds, for scrolling into view
  NumberCell m_cells[kNumberCells] = {};
  NumberModeTexts m_texts;
  std::string m_copyText;
  static constexpr int kWrappedControls = 10;
  CMyWnd m_controls[kWrappedControls];
  DWORD m_lookupRecord = 0;
  BYTE m_lookupExtra = 0;
  BOOL m_bPageSettingsTaken = FALSE;
  PageSettingsRec m_pageSettings;
  // Set while the edit text is swapped between the modes: its changes are
  // not the user's.
  BOOL m_bSwitching = FALSE;
  // Set while an update rewrites the edit box itself, one for each mode.
  BOOL m_bSingleUpdating = FALSE;
  BOOL m_bSequenceUpdating = FALSE;
};
