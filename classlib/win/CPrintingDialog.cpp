#include "classlib/win/CPrintingDialog.h"

#include "classlib/win/AfxRes.h"
#include "classlib/win/DialogTemplate.h"
#include "classlib/win/DocumentTexts.h"

namespace {

// The layout in dialog units.
constexpr short kWidth = 160;
constexpr short kHeight = 90;
constexpr short kMargin = 8;
constexpr short kLineHeight = 10;
constexpr short kButtonWidth = 50;
constexpr short kButtonHeight = 14;

}  // namespace

BOOL CPrintingDialog::Create(CWnd* pParentWnd, LPCSTR lpszDocName, LPCSTR lpszPrinterName,
                             LPCSTR lpszPortName) {
  DialogTemplateBuilder builder(kCaption, DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_VISIBLE,
                                kWidth, kHeight);
  constexpr short kTextWidth = kWidth - 2 * kMargin;
  const WORD kLines[] = {AFX_IDC_PRINT_DOCNAME, AFX_IDC_PRINT_PRINTERNAME, AFX_IDC_PRINT_PORTNAME,
                         AFX_IDC_PRINT_PAGENUM};
  short y = kMargin;
  for (WORD wID : kLines) {
    builder.AddItem(kDialogStaticClass, wID, SS_CENTER | SS_NOPREFIX, kMargin, y, kTextWidth,
                    kLineHeight, "");
    y += kLineHeight + kLineHeight / 2;
  }
  builder.AddItem(kDialogButtonClass, IDCANCEL, BS_DEFPUSHBUTTON | WS_TABSTOP,
                  (kWidth - kButtonWidth) / 2, kHeight - kMargin - kButtonHeight, kButtonWidth,
                  kButtonHeight, "Cancel");
  if (!CreateIndirect(builder.Get(), pParentWnd)) return FALSE;
  SetDlgItemText(AFX_IDC_PRINT_DOCNAME, lpszDocName);
  SetDlgItemText(AFX_IDC_PRINT_PRINTERNAME, lpszPrinterName);
  SetDlgItemText(AFX_IDC_PRINT_PORTNAME, FormatDocumentText(AFX_IDS_PRINTONPORT, lpszPortName));
  return TRUE;
}

void CPrintingDialog::SetPage(UINT nPage) {
  CString strPage;
  strPage.Format("%u", nPage);
  SetDlgItemText(AFX_IDC_PRINT_PAGENUM, FormatDocumentText(AFX_IDS_PRINTPAGENUM, strPage));
}

void CPrintingDialog::OnCancel() {
  // The job ends at the next page; the print loop destroys the dialog.
  m_bUserAbort = TRUE;
}
