// The "Page Settings" sheet: paper, orientation, margins and (for documents)
// tab stops of one page-settings record, in inches or millimetres, checked
// before they are taken and savable as the defaults. In grammar mode it ends
// with kResultPrint or kResultPreview for the grammar-table printing.
#pragma once

#include "classlib/win/CButton.h"
#include "classlib/win/CPropertySheet.h"
#include "classlib/win/CStatic.h"
#include "editor/core/PageSettingsValues.h"
#include "editor/win/CPageSettingsMargins.h"
#include "editor/win/CPageSettingsPaperSize.h"
#include "editor/win/CPageSettingsTabs.h"
#include "hebtext/core/PageSettingsRec.h"

class CPageSettings : public CPropertySheet {
 public:
  static constexpr INT_PTR kResultPrint = 4;
  static constexpr INT_PTR kResultPreview = 32;
  static constexpr int kScopeCount = 3;

  CPageSettings(UINT nIDCaption, BOOL grammarMode, CWnd* pParentWnd = nullptr,
                UINT iSelectPage = 0);

  // Shows the record (and the tabs) the caller filled; opens on the page last
  // used for the same purpose.
  INT_PTR DoModal() override;
  BOOL OnInitDialog() override;

  BOOL IsGrammarMode() const { return m_bGrammarMode; }
  PageSettingsValues& Values() { return m_values; }
  // Called by a page when it is shown.
  void RememberActivePage(int index);
  // Raises small margins and checks the paper and margins; on a fault shows
  // its message and puts the focus on the edit concerned. FALSE on a fault.
  BOOL ValidateValues();

  // Filled by the caller; after OK (or Print and Preview) the results.
  int m_side = 1;  // 1 Hebrew, 0 English
  PageSettingsRec m_record;
  DWORD m_tabInterval = 0;
  CDWordArray m_tabStops;
  int m_scope = 0;  // 0 the page only, 1 from the page on, 2 the whole document
  BOOL m_bBothSides = FALSE;

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  afx_msg void OnSave();
  afx_msg void OnPreview();
  afx_msg void OnBothSides();
  DECLARE_MESSAGE_MAP()

 private:
  // The values back into the record and tabs.
  void StoreValues();
  void SaveDefaults();
  // Grows the sheet below the pages and makes the extra controls there.
  void AddExtraControls();
  void UpdateSaveNote();
  CString ActivePageKey() const;

  CButton m_previewButton;
  CButton m_saveButton;
  CStatic m_saveNote;
  CButton m_scopeRadios[kScopeCount];
  CButton m_scopeGroup;
  CButton m_bothSidesCheck;
  BOOL m_bGrammarMode;
  int m_activePage = 0;
  PageSettingsValues m_values;
  CPageSettingsTabs m_tabsPage;
  CPageSettingsMargins m_marginsPage;
  CPageSettingsPaperSize m_paperPage;
};
