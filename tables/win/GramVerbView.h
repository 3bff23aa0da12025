// The verb table: the first tab of the Grammar Tables window. The user picks
// a root in the Hebrew edit or the list of all verb roots, a binyan with the
// seven radio buttons and the regular or vav-inversive forms in the combo;
// the view shows the verb's 31 forms with their captions, the definition and
// the governed prepositions, with hover tips, selection, Ctrl+G, alternate
// spellings, Ktiv-Khaser spelling, copying, printing and the dictionary
// look-up's arrival.
#pragma once

#include "classlib/win/CComboBox.h"
#include "hebtext/core/PageSettingsRec.h"
#include "hebtext/win/CMyComboBox.h"
#include "hebtext/win/CMyNavButton.h"
#include "lexicon/core/Binyan.h"
#include "lexicon/core/GrammarContext.h"
#include "lexicon/core/HebWordRec.h"
#include "lexicon/core/PackedWordRecord.h"
#include "tables/core/GrammarCell.h"
#include "tables/core/VerbTableContent.h"
#include "tables/win/CHebListBox.h"
#include "tables/win/GrammarCellPaint.h"
#include "tables/win/GramTableView.h"

class CFontInfo;
class CHebEdit;

class CGramVerbView : public CGramTableView {
  DECLARE_DYNCREATE(CGramVerbView)
 public:
  CGramVerbView();
  ~CGramVerbView() override;

  // The slot of the selected cell of the shown set, -1 when none.
  int GetSelectedForm() const;
  // What the slot's pop-up menu offers (all FALSE for an empty slot).
  void GetFormMenuFlags(int slot, BOOL& hasStressMarks, BOOL& hasSuffixForms,
                        BOOL& hasInfinitiveNoun);

  void OnInitialUpdate() override;
  // A looked-up word keeps the shown spelling until it has arrived.
  void SetOpenedFromLookup() override { m_bLookupInProgress = TRUE; }

 protected:
  BOOL IsTableShown() const override { return m_bTableBuilt; }
  void OnDraw(CDC* pDC) override;
  BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
  void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;

  afx_msg void OnRootChanged();
  afx_msg void OnShowTable();
  afx_msg void OnBinyan(UINT nID);
  afx_msg void OnFormSetChanged();
  afx_msg void OnAlternateForms();
  afx_msg void OnKtivKhaser();
  afx_msg void OnCopyForm();
  afx_msg void OnCopyFormNoMeteg();
  afx_msg void OnNextForm();
  afx_msg void OnSuffixForms();
  afx_msg void OnInfinitiveNoun();
  afx_msg void OnPrintPreviewSheet();
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
  afx_msg LRESULT OnGetMaxAlternate(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnGetSelectedCell(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnArrowKey(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnSetParams(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnSelectWord(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnListSelect(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnNextDlgCtl(WPARAM wParam, LPARAM lParam);

  DECLARE_MESSAGE_MAP()

 private:
  // Selecting a verb entry: the table and its state are cleared.
  void SelectVerb(int verb);
  void BuildTable();
  void SetFormSet(int formSet);
  void SetPastFutureHeadings();
  void UpdateAlternateButton();
  // Redraws one slot (-1: every slot) of the shown set on the screen.
  void RedrawCells(int slot = -1, bool onlyWithAlternates = false);
  void SelectSlot(int slot);
  void DeselectCell();
  int HitTestCells(CPoint logical) const;
  int HitTestCaptions(CPoint logical) const;
  int CheckedBinyan() const;
  void CheckBinyan(int binyan);
  void CopySelectedForm(bool withoutStress);
  // Hands the selected form to the suffix table in front of it; false when
  // no form is selected or the form has no such forms.
  bool HandOverSelectedForm(int mode);

  // Drawing: on the screen (scale 1, no offset) or on the printed page.
  using DrawTarget = GrammarDrawTarget;
  void DrawCell(const DrawTarget& target, int slot);
  void DrawCaptions(const DrawTarget& target);
  void DrawPrepositions(const DrawTarget& target);
  void MeasureCell(int slot);
  CPoint Anchor(int slot) const { return m_anchors[slot]; }
  void ShowGroupHeadings();

  BOOL m_bInitialUpdateDone = FALSE;
  DWORD m_lookupRecord = 0;
  BYTE m_lookupExtra = 0;
  CHebEdit* m_pRootEdit = nullptr;
  CHebListBox m_list;
  CMyNavButton m_binyanButtons[Binyan::kCount];
  CMyComboBox m_formSetCombo;
  int m_formSet = VerbFormSet::Regular;
  int m_binyan = -1;
  int m_verb = -1;
  BOOL m_bRebuild = TRUE;
  BOOL m_bLookupInProgress = FALSE;
  int m_alternate = kFirstSpelling;
  BOOL m_bTableBuilt = FALSE;
  VerbFormSetTable m_sets[VerbFormSet::Count];
  GrammarCell m_cells[VerbFormSet::Count][kVerbTableSlots];
  CRect m_hoverRects[kVerbTableSlots];
  CPoint m_anchors[kVerbTableSlots];
  HebWordRec m_prepositions = {};
  BOOL m_bPageSettingsTaken = FALSE;
  PageSettingsRec m_pageSettings;
  GrammarContext m_context;
};
