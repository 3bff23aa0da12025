// The Lookup Tables/Search Results docking window: it holds the lookup bar
// with its result list, whose mode the Lookup/Search toolbar's edit follows;
// hidden, it passes the keyboard focus on. Its word databases are also the
// dictionary by which word transcription speaks unmarked words.
#pragma once

#include <memory>

#include "lexicon/win/LookupResultsBar.h"
#include "speech/transcription/core/LexiconDictionary.h"
#include "toolkit/win/CKWDockWindow.h"

class CHebEdit;

class CLookupDockWindow : public CKWDockWindow {
 public:
  ~CLookupDockWindow() override;

  // Creates the window with the lookup bar as its child; FALSE when either
  // cannot be made.
  BOOL Create(CWnd* pParentWnd, UINT nID, LPCSTR lpszTitle, CSize size, DWORD dwStyle,
              DWORD dwExStyle) override;
  CLookupBar& GetLookupBar() { return m_lookupBar; }
  // The lookup toolbar's edit, which the bar's lookups read.
  void SetLookupEdit(CHebEdit* pEdit) { m_pLookupEdit = pEdit; }
  CHebEdit* GetLookupEdit() const { return m_pLookupEdit; }
  // Where the list's rows open their grammar tables.
  void SetTableOpener(LookupTableOpener* pOpener) { m_lookupBar.SetTableOpener(pOpener); }

 protected:
  afx_msg void OnWindowPosChanged(WINDOWPOS* lpWndPos);
  afx_msg LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnCommandHelp(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  CLookupResultsBar m_lookupBar;
  CHebEdit* m_pLookupEdit = nullptr;
  std::unique_ptr<LexiconDictionary> m_pDictionary;
};
