// The texts of the document and print commands' dialogs and messages: the program's
// string resource when it has one, else the class library's English text.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"

CString LoadDocumentText(UINT nID);
// The text of nID with "%1" replaced by lpsz1.
CString FormatDocumentText(UINT nID, LPCSTR lpsz1);
