// The system's Print or Print Setup dialog, and the printer it leaves in m_pd
// (DEVMODE and DEVNAMES handles, and a printer DC when asked for).
#pragma once

#include "classlib/win/CCommonDialog.h"

class CPrintDialog : public CCommonDialog {
  DECLARE_DYNAMIC(CPrintDialog)
 public:
  explicit CPrintDialog(BOOL bPrintSetupOnly,
                        DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS |
                                        PD_HIDEPRINTTOFILE | PD_NOSELECTION,
                        CWnd* pParentWnd = nullptr);

  // IDOK or IDCANCEL.
  INT_PTR DoModal() override;
  // Fills m_pd with the default printer without showing anything; FALSE
  // when there is none. m_pd.hDevMode and hDevNames must be empty.
  BOOL GetDefaults();
  // A DC of the printer in m_pd (also kept in m_pd.hDC); the caller deletes it.
  HDC CreatePrinterDC();
  HDC GetPrinterDC() const { return m_pd.hDC; }
  // The printer's settings; nullptr when there is no printer.
  LPDEVMODEA GetDevMode() const;
  CString GetDriverName() const;
  CString GetDeviceName() const;
  CString GetPortName() const;
  int GetCopies() const;
  BOOL PrintAll() const { return (m_pd.Flags & (PD_PAGENUMS | PD_SELECTION)) == 0; }
  BOOL PrintRange() const { return (m_pd.Flags & PD_PAGENUMS) != 0; }
  BOOL PrintSelection() const { return (m_pd.Flags & PD_SELECTION) != 0; }
  int GetFromPage() const { return PrintRange() ? m_pd.nFromPage : -1; }
  int GetToPage() const { return PrintRange() ? m_pd.nToPage : -1; }

  PRINTDLGA m_pd = {};

 private:
  // One of the names in m_pd.hDevNames, by its offset's field.
  CString DevName(WORD DEVNAMES::*pOffset) const;
};
