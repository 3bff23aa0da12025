// The modeless dialog shown while a job prints: the document, the printer
// and its port, the page being printed, and Cancel, which asks the job to
// stop at the next page.
#pragma once

#include "classlib/win/CDialog.h"

class CPrintingDialog : public CDialog {
 public:
  // The dialog's caption, by which a person (or a test) finds it.
  static constexpr const char* kCaption = "Printing";

  // Creates the dialog, owned by pParentWnd, filled with the names.
  BOOL Create(CWnd* pParentWnd, LPCSTR lpszDocName, LPCSTR lpszPrinterName, LPCSTR lpszPortName);
  void SetPage(UINT nPage);
  // Set when the user pressed Cancel.
  BOOL m_bUserAbort = FALSE;

 protected:
  void OnCancel() override;
};
