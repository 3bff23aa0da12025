// The pronominal-suffix and infinitive-noun table: the second tab of the
// Grammar Tables window. The verb table hands it one verb form; it shows
// the form (or the verb's infinitive noun) with the object (possessive)
// suffix of each of the ten persons and the root, under a header naming
// the binyan and the form and over the verb's meaning, with person labels
// and their tips, selection, Ctrl+G, alternate and Ktiv-Khaser spellings,
// copying, printing and a dictionary look-up's arrival.
#pragma once

#include "hebtext/core/PageSettingsRec.h"
#include "lexicon/core/GrammarContext.h"
#include "tables/core/KinuiTableContent.h"
#include "tables/win/GramTableView.h"

class CFontInfo;

class CGramKinuiView : public CGramTableView {
  DECLARE_DYNCREATE(CGramKinuiView)
 public:
  CGramKinuiView();
  ~CGramKinuiView() override;

  // Shows the forms of a verb form chosen in the verb table (verb: the
  // verb's index, for its meaning). The alternate spelling starts again at
  // the first; a verb without the forms keeps the table shown before.
  void ShowForms(const KinuiRequest& request, int verb);
  int GetSelectedCell() const;
  void OnInitialUpdate() override;

 protected:
  BOOL IsTableShown() const override { return m_bTableShown; }
  void OnDraw(CDC* pDC) override;
  BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
  void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
  void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;

  afx_msg void OnAlternateForms();
  afx_msg void OnKtivKhaser();
  afx_msg void OnCopyCell();
  afx_msg void OnCopyCellNoMeteg();
  afx_msg void OnSelectNextForm();
  afx_msg void OnPrintPreviewSheet();
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
  afx_msg LRESULT OnGetMaxAlternate(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnGetSelectedCell(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnSetParams(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnSelectWord(WPARAM wParam, LPARAM lParam);

  DECLARE_MESSAGE_MAP()

 private:
  // Drawing on the screen (scale 1, no offset) or on the printed page.
  struct DrawTarget {
    CDC* pDC;
    CFontInfo* pFormFont;
    double scale = 1.0;
    CPoint offset;
    bool printing = false;
  };

  void BuildForms();
  void ShowMeaning();
  void MeasureCell(int cell);
  void DrawCell(const DrawTarget& target, int cell);
  void DrawLabels(const DrawTarget& target);
  void DrawHeader(const DrawTarget& target);
  // Invalidates one cell's old and new rectangles (-1: every cell; with
  // onlyAlternates, those an alternate-spelling change touches).
  void RedrawCells(int cell = -1, bool onlyAlternates = false);
  void SelectCell(int cell);
  // Selects the form cell at the client point; the cell, -1 when none.
  int SelectCellAt(CPoint point);
  void DeselectCell();
  void ScrollCellIntoView(int cell);
  void SpeakCell(int cell);
  int HitTestCells(CPoint logical) const;
  int HitTestLabels(CPoint logical) const;
  void CopyCell(bool keepMeteg);
  CFontInfo* FormFont() const;

  BOOL m_bInitialised = FALSE;
  DWORD m_wordReference = 0;
  BYTE m_referenceExtra = 0;
  CRect m_labelRects[kKinuiCells];
  KinuiTable m_table;
  int m_alternate;
  CPoint m_anchors[kKinuiCells];
  KinuiRequest m_request;
  int m_verb = -1;
  BOOL m_bTableShown = FALSE;
  BOOL m_bPageSettingsTaken = FALSE;
  PageSettingsRec m_pageSettings;
  GrammarContext m_context;
};
