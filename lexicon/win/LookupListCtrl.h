// The list of the lookup/search docking window: a virtual, owner-drawn
// report list with one row per record of the Hebrew list database, of the
// last word search's hits, or of the English keyword list. It follows what
// is typed in the lookup edit, copies its selected row there, and asks its
// host to open the grammar table of a row.
#pragma once

#include <windows.h>

#include <memory>

#include "classlib/core/CString.h"
#include "classlib/win/CListCtrl.h"
#include "hebtext/win/CFontInfo.h"
#include "lexicon/core/GrammarContext.h"
#include "lexicon/core/LookupColumns.h"
#include "lexicon/core/LookupRecordFile.h"
#include "lexicon/core/LookupRowText.h"
#include "lexicon/core/LookupSearch.h"

class CHebEdit;

// Where the list sends the record of a row to be shown in a grammar table
// (the shell's grammar docking window).
class LookupTableOpener {
 public:
  virtual ~LookupTableOpener() = default;
  struct Request {
    int tab;               // 0 verbs, 2 prepositions, 3 numbers
    PackedWordRec record;  // the record to show
    BYTE action;           // the binyan or keyword ordinal, 255 by default
    BOOL bringToFront;     // false for a verb form with a suffix
    CString caption;       // the keyword, or empty
  };
  virtual void OpenTable(const Request& request) = 0;
};

class CLookupListCtrl : public CListCtrl {
 public:
  // Commands of the binyan menu: kBinyanCommand + binyan.
  static constexpr UINT kBinyanCommand = 35000;
  static constexpr BYTE kDefaultAction = 255;
  static constexpr LONG kAtSelectedRow = static_cast<LONG>(0x80000000);

  // Writes the list databases of binFolder that are missing.
  explicit CLookupListCtrl(LPCSTR binFolder);
  ~CLookupListCtrl() override;

  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, CHebEdit* pLookupEdit);
  void SetTableOpener(LookupTableOpener* pOpener) { m_pOpener = pOpener; }

  // Sets the mode and loads its column widths; the caller then replaces the
  // columns and sets the row count.
  void SetMode(int mode);
  int GetMode() const { return m_mode; }
  void InsertColumns();
  void DeleteColumns();
  void SaveColumnWidths();
  void LoadColumnWidths();
  void CountVisibleRows();
  // The virtual row count, without repainting every row.
  void SetRowCount(int count);
  int GetVisibleRows() const { return m_visibleRows; }
  DWORD GetWordRowCount() const { return m_words.RecordCount(); }
  DWORD GetDefinitionRowCount() const { return m_definitions.RecordCount(); }

  // The search mode's hits and the word they were found for.
  void SetResults(const LookupResults& results) { m_results = results; }
  const LookupResults& GetResults() const { return m_results; }

  PackedWordRec GetRowRecord(int row);
  DWORD GetDefinitionRecord(int row);
  // The row at which the typed text would stand, or -1.
  int FindWordRow(const HebWordRec& typed);
  int FindDefinitionRow(LPCSTR text);
  int GetSelectedItem() const;
  // Set while the list puts its row into the lookup edit, whose change
  // must not position the list again.
  BOOL IsQuiet() const { return m_quiet; }
  // Selects and shows the row; quiet keeps its text out of the lookup edit.
  void SelectRow(int row, BOOL quiet);
  // The row's text as the lookup edit takes it.
  CString GetRowEditText(int row);
  // The row's word: respelled records unpointed, and a search hit after the
  // prefix letters peeled off the typed word.
  PointedText GetRowWord(int row);

  // The binyan menu of a verb keyword of several binyanim; TRUE when shown.
  BOOL ShowActionMenu(CPoint point);
  void OpenGrammarTable(BYTE action);

  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
  void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnBinyanCommand(UINT nID);
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  DECLARE_MESSAGE_MAP()

 private:
  void OnHeaderDividerDblClick(int column);
  CRect CellRect(const CRect& rowRect, int column) const;
  int RowHeight() const;
  void DrawPointed(CDC* pDC, const CString& text, const CRect& cell, COLORREF color);
  // The texts of the row's columns (pointed Hebrew as the single-string form).
  void RowTexts(int row, CString* texts, int count);
  PointedText RowWord(int row, PointedText word) const;
  void MoveSelection(int row);

  CHebEdit* m_pLookupEdit = nullptr;
  LookupTableOpener* m_pOpener = nullptr;
  CFontInfo m_listFont;
  CFontInfo m_hebrewFont;  // the lookup edit's Hebrew face at the list's size
  CString m_modeKey;
  int m_visibleRows = 0;
  BOOL m_quiet = FALSE;
  int m_mode = kLookupHebrewList;
  LookupResults m_results;
  CString m_binFolder;
  LookupRecordFile m_words;
  LookupRecordFile m_definitions;
  GrammarContext m_context;
  std::unique_ptr<class EntryTextRenderer> m_pRenderer;
};
