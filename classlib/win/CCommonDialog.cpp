#include "classlib/win/CCommonDialog.h"

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)

void CCommonDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  Default();
}

void CCommonDialog::OnCancel() { Default(); }
