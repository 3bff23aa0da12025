// The owner-drawn list of pointed Hebrew entries beside a grammar table
// (verb roots, nouns, prepositions), tied to the Hebrew edit in which the
// user types the entry to look for. Items hold no strings: each item's data
// is the index of an entry in the grammar tables, whose kind the list mode
// names. Moving in the list loads the entry into the edit and tells the
// parent with WM_HEBLIST_SELECT; typing a Hebrew letter in the list starts
// a new text in the edit.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/win/CListBox.h"

class CHebEdit;

class CHebListBox : public CListBox {
  DECLARE_DYNAMIC(CHebListBox)
 public:
  // The entries a list shows: those of a declension table type, or the verb index.
  enum ListMode : int {
    kNouns = 1,
    kPrepositions = 2,
    kAdjectives = 3,
    kVocabulary = 4,
    kVerbRoots = 5,
  };

  // Takes over the dialog item of the parent; nCommandId (0 none) goes to
  // the parent as WM_COMMAND when Enter is pressed.
  BOOL Attach(UINT nItemId, CWnd* pParent, int nListMode, CHebEdit* pEdit, UINT nCommandId);

  // The entry's text: modes 1-4 its pointed word, mode 5 the root letters
  // without points. FALSE, with the text empty, for an index outside the
  // list or a mode outside 1-5.
  BOOL GetItemText(int nIndex, CString& text) const;
  // Loads the entry's text into the attached edit.
  void SelectToEdit(int nIndex);
  // Scrolls the selection to the middle of the rows.
  void CenterSelection();

  int GetVisibleRows() const { return m_nVisibleRows; }

  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
  // Items are a line of the edit's Hebrew font high; the first measure sizes
  // the list to a whole number of rows.
  void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

 protected:
  afx_msg UINT OnGetDlgCode();
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnSelChange();
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);

  UINT m_nCommandId = 0;
  CHebEdit* m_pEdit = nullptr;
  int m_nListMode = 0;
  BOOL m_bSizePending = TRUE;
  int m_nVisibleRows = 1;

  DECLARE_MESSAGE_MAP()

 private:
  // Selects the entry, loads it into the edit and tells the parent.
  void MoveTo(int nIndex);
  void DrawEntry(CDC* pDC, const RECT& item, int nEntry, COLORREF textColor);
};
