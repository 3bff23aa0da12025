#include "classlib/win/WndProcException.h"

#include "classlib/win/CUserException.h"

LRESULT AfxProcessWndProcException(CException* e, const MSG& msg) {
  // A window whose painting failed is taken as painted: else the message
  // box's own loop would send the paint again, and fail again.
  if (msg.message == WM_PAINT) ::ValidateRect(msg.hwnd, nullptr);
  if (!e->IsKindOf(RUNTIME_CLASS(CUserException))) e->ReportError(MB_ICONEXCLAMATION);
  e->Delete();
  return msg.message == WM_CREATE ? -1 : 0;
}
