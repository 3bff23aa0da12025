// The base of the system's common dialogs (find and replace, print, colour,
// font). Their OK and Cancel belong to the system's dialog procedure.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include "classlib/win/CDialog.h"

class CCommonDialog : public CDialog {
  DECLARE_DYNAMIC(CCommonDialog)
 public:
  explicit CCommonDialog(CWnd* pParentWnd) { m_pParentWnd = pParentWnd; }

 protected:
  void OnOK() override;
  void OnCancel() override;
};
