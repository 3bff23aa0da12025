#include "classlib/win/CWaitCursor.h"

#include "classlib/win/CWinApp.h"

CWaitCursor::CWaitCursor() { AfxGetApp()->DoWaitCursor(1); }

CWaitCursor::~CWaitCursor() { AfxGetApp()->DoWaitCursor(-1); }

void CWaitCursor::Restore() { AfxGetApp()->DoWaitCursor(0); }
