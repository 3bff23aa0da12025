// The lookup bar with its result list: it follows the lookup edit as the
// reader types (the Hebrew list and the keyword list position themselves),
// searches the typed word on Enter in the search mode, and keeps each
// mode's text, row and results while another mode is shown.
#pragma once

#include <memory>

#include "hebtext/win/CLookupBar.h"
#include "lexicon/core/EntryTextRenderer.h"
#include "lexicon/core/LookupListRules.h"
#include "lexicon/win/LookupListCtrl.h"

class CLookupResultsBar : public CLookupBar {
 public:
  static constexpr UINT kListId = 1001;
  static constexpr UINT kLookupEditId = 1739;

  CLookupResultsBar();
  ~CLookupResultsBar() override;

  // The folder of the dictionary files; before the window is created.
  void SetBinFolder(LPCSTR binFolder) { m_binFolder = binFolder; }
  void SetTableOpener(LookupTableOpener* pOpener);

  void SaveModeState() override;
  void SetMode(int mode) override;
  CLookupListCtrl* GetList() const { return m_pList.get(); }
  // The word databases the searches read; null before the window exists.
  LookupData* GetLookupData() const { return m_pData.get(); }
  // Counts the rows of the Hebrew list and of the keyword list (a file that
  // cannot be read counts none).
  void CountRecords();

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnSearchTextChange();
  afx_msg void OnSearch();
  afx_msg LRESULT OnNextDlgCtl(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  CString EditText() const;
  void PostEnterToList();
  // Asks the main frame to show the docking window when it is hidden.
  void ShowBar();

  CString m_binFolder;
  std::unique_ptr<CLookupListCtrl> m_pList;
  LookupTableOpener* m_pOpener = nullptr;
  EntryTextRenderer m_renderer;
  std::unique_ptr<LookupData> m_pData;
  LookupModeStates m_states;
  int m_rowCount = 0;
  long m_wordRows = 0;
  long m_definitionRows = 0;
};
