// One page of a property sheet, made from a dialog template (a child dialog
// without buttons). The sheet tells the page when it is shown (OnSetActive),
// left (OnKillActive: FALSE keeps it), applied (OnApply) and cancelled
// (OnReset); its data moves through DoDataExchange as a dialog's does.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/win/CDialog.h"

class CPropertyPage : public CDialog {
  DECLARE_DYNAMIC(CPropertyPage)
 public:
  // nIDCaption 0 keeps the template's caption for the tab.
  explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
  explicit CPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption = 0);

  // Enables the sheet's Apply button (bChanged) or clears this page's change.
  void SetModified(BOOL bChanged = TRUE);
  // After a change that cannot be undone: OK becomes Close, Cancel is disabled.
  void CancelToClose();

  // Shown: fills the controls again after the first time. FALSE refuses.
  virtual BOOL OnSetActive();
  // Left: takes the data back and checks it. FALSE keeps the page.
  virtual BOOL OnKillActive();
  // The sheet's OK or Apply: calls OnOK. FALSE keeps the sheet open.
  virtual BOOL OnApply();
  // The sheet's Cancel: calls OnCancel.
  virtual void OnReset();
  // Whether Cancel may close the sheet.
  virtual BOOL OnQueryCancel();
  // What OK and Cancel mean for the page; nothing by default.
  void OnOK() override;
  void OnCancel() override;

  BOOL PreTranslateMessage(MSG* pMsg) override;
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

  // The page's record for the sheet; PSP_HASHELP shows the Help button.
  PROPSHEETPAGEA m_psp = {};

 private:
  // A notification of the sheet: FALSE when it is not one of the page's.
  BOOL OnSheetNotify(UINT nCode, LRESULT* pResult);

  CString m_strCaption;
  BOOL m_bFirstSetActive = TRUE;
};
