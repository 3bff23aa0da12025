// The declension table of one dictionary entry: the entries of a table type
// in a list under a Hebrew search edit, the cells of the chosen entry's
// forms with their captions, its definition under them, and the buttons
// "&Alternate Forms" and "&Ktiv-Khaser". The template handed to the
// constructor chooses the table type; the program shows it as the
// preposition tab. A cell is selected by a click or Ctrl+G, copied, and
// explained by a tip over its caption; the dictionary's look-up can open
// the view on an entry, a cell and a spelling.
#pragma once

#include <string>

#include "hebtext/core/PageSettingsRec.h"
#include "lexicon/core/DeclensionCells.h"
#include "lexicon/core/GrammarContext.h"
#include "tables/core/DeclensionEntryList.h"
#include "tables/core/DeclensionTableContent.h"
#include "tables/core/GrammarCell.h"
#include "hebtext/win/CMyNavButton.h"
#include "tables/core/NumberRadios.h"
#include "tables/win/CHebListBox.h"
#include "tables/win/GrammarCellPaint.h"
#include "tables/win/GramTableView.h"

class CHebEdit;

class CGramDeclineView : public CGramTableView {
  DECLARE_DYNAMIC(CGramDeclineView)
 public:
  // nIDTemplate names the table type: 127 nouns, 130 prepositions,
  // 129 adjectives, 131 general vocabulary.
  explicit CGramDeclineView(UINT nIDTemplate);
  ~CGramDeclineView() override;

  // The selected cell of the type's range, -1 when none.
  int GetSelectedCell() const;
  int GetTableType() const { return m_tableType; }

  void OnInitialUpdate() override;
  // A looked-up word keeps the shown spelling until it has arrived.
  void SetOpenedFromLookup() override { m_bKeepAlternate = TRUE; }

 protected:
  BOOL IsTableShown() const override { return m_bTableShown; }
  void OnDraw(CDC* pDC) override;
  BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
  void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;

  afx_msg void OnSearchChanged();
  afx_msg void OnShowTable();
  afx_msg void OnAlternateForms();
  afx_msg void OnKtivKhaser();
  afx_msg void OnCopyForm();
  afx_msg void OnCopyFormNoMeteg();
  afx_msg void OnNextForm();
  afx_msg void OnPrintPreviewSheet();
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
  afx_msg void OnDestroy();
  afx_msg LRESULT OnListSelect(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnGetMaxAlternate(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnGetSelectedCell(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnSetParams(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnSelectWord(WPARAM wParam, LPARAM lParam);
  afx_msg void OnSingular();
  afx_msg void OnPlural();
  afx_msg LRESULT OnNextDlgCtl(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnArrowKey(WPARAM wParam, LPARAM lParam);

  DECLARE_MESSAGE_MAP()

 private:
  // Lists the type's entries under the category (kNoCategoryFilter: all).
  void FillEntryList(BYTE category);
  const BYTE* EntryOfRow(int row) const;
  void ShowDefinition(const BYTE* entry);
  // A row chosen in the list or by the search: the table is cleared.
  void SelectEntryRow(int row);
  void ClearTable();
  void BuildTable();
  void UpdateAlternateButton();
  // Redraws one cell (-1: every cell) on the screen.
  void RedrawCells(int cell = -1, bool onlyWithAlternates = false);
  void SelectCell(int cell);
  void DeselectCell();
  void ScrollCellIntoView(int cell);
  int HitTestCells(CPoint logical) const;
  int HitTestCaptions(CPoint logical) const;
  std::string CaptionTip(int rectIndex) const;
  void CopySelectedForm(bool withoutStress);
  void DrawCaptions(const GrammarDrawTarget& target);
  int FirstCell() const;
  int LastCell() const;
  // The noun table's number radios: enabled for the entry and none checked;
  // the forms the checked one (or the first enabled, then checked) chooses.
  void SetNumberRadios(const BYTE* entry);
  int ChooseNumberRadio();
  void ShowNumberForms(int forms);
  CMyNavButton& NumberRadio(int forms) { return forms == kPluralForms ? m_plural : m_singular; }
  // The entry's gender and number under "Gender" (nouns, general vocabulary).
  void ShowGenderText(const BYTE* entry);
  // On the page, at the search edit's place: "Noun" and the number shown,
  // or "Adjective".
  void PrintTableKind(const GrammarDrawTarget& target);

  int m_tableType;
  UINT m_nTemplateId;
  BOOL m_bEntriesFilled = FALSE;
  CHebEdit* m_pSearchEdit = nullptr;
  DWORD m_lookupRecord = 0;
  BYTE m_lookupExtra = 0;
  CHebListBox m_list;
  DeclensionEntryRows m_rows;
  BYTE m_category = kNoCategoryFilter;
  BOOL m_bFiltered = FALSE;  // the list was filled once
  DeclensionTable m_table;
  GrammarCell m_cells[DeclensionCell::Count];
  CPoint m_anchors[DeclensionCell::Count];
  // Caption rectangles, each under the index of the cell before its own.
  CRect m_hoverRects[DeclensionCell::Count];
  int m_alternate;
  BOOL m_bKeepAlternate = FALSE;
  int m_currentRow = -1;
  BOOL m_bTableShown = FALSE;
  // The noun table's "&Singular" and "Plu&ral", and the forms the table
  // was shown with (kNoNumberForms until one is).
  CMyNavButton m_singular;
  CMyNavButton m_plural;
  NumberRadios m_radios;
  int m_shownNumber = kNoNumberForms;
  BOOL m_bPageSettingsTaken = FALSE;
  PageSettingsRec m_pageSettings;
  GrammarContext m_context;
};
