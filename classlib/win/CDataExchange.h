// Data exchange between a dialog's controls and its members: DoDataExchange
// calls one DDX_ routine per control, each of which fills the control from
// the member or, when saving, reads the member back from the control; the
// DDV_ routines check the value just read.
//
// A value that cannot be read or is refused is reported with a message box;
// then Fail puts the focus back on the control (an edit's text selected) and
// ends the exchange: UpdateData returns FALSE and the dialog stays open.
#pragma once

#include <windows.h>

#include "classlib/core/CString.h"

class CWnd;

class CDataExchange {
 public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

  // The control nIDC, remembered as the one a failure goes back to.
  HWND PrepareCtrl(int nIDC);
  HWND PrepareEditCtrl(int nIDC);
  // Gives the focus back to the last control prepared and throws a
  // CUserException; call it after telling the user what is wrong.
  [[noreturn]] void Fail();

  BOOL m_bSaveAndValidate;  // TRUE: controls to members, and check
  CWnd* m_pDlgWnd;
  HWND m_hWndLastControl = nullptr;
  BOOL m_bEditLastControl = FALSE;
};

// Text of an edit (or any window with text). Numbers that do not read wholly
// as their type are refused with a message.
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
void DDX_Text(CDataExchange* pDX, int nIDC, long& value);
void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// A check box's state: 0, 1, or 2 for indeterminate.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// The group of radio buttons starting at nIDC: the index of the checked one,
// -1 for none.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// Index of the selection of a list box or combo box, -1 for none.
void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
// A combo box's text: loading selects the first item that starts with the
// value, else (with an edit) puts the value into the edit.
void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
// Binds rControl to the control nIDC the first time (subclassing it).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// Checks of the value just read; loading only sets an edit's limit (DDV_MaxChars).
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);
