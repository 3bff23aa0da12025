// Helpers of dialog fields and scrolled windows: numeric fields checked as
// the user types, combo boxes filled from string lists, scrolling a
// rectangle into view.
#pragma once

#include <windows.h>

#include "classlib/core/CString.h"
#include "classlib/core/Collections.h"

class CComboBox;
class CDialog;
class CWnd;

// Checks the field's new text against the flags of ValidateEditText. A
// refused text is replaced by the previous one, with the caret one place
// before where the typing happened; FALSE. Accepted text (in upper case
// with kEditUpperCase) becomes the previous text; TRUE.
BOOL ValidateNumericEdit(CDialog* pDialog, int editId, UINT flags, CString& previousText,
                         CString& currentText);

void FillComboFromStrings(const CStringArray& strings, CComboBox* pCombo);

// Scrolls the window so that the target shows within the visible
// rectangle (both in scroll coordinates), and moves the visible rectangle
// with it.
void ScrollRectIntoView(CWnd* pWnd, RECT& visible, const RECT& target);
