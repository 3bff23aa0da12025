// Messages the small shared controls send to their parents, and the command
// that gives the focus back to the active document.
#pragma once

#include <windows.h>

enum : UINT {
  kControlFocusMessage = WM_USER + 105,  // wParam: the control object
  kNavArrowMessage = WM_USER + 106,      // wParam: the arrow key; lParam: the control object
  kNotifyContextMenu = WM_USER + 201,    // wParam: control id; lParam: screen point
  kNotifyFocus = WM_USER + 202,          // wParam: control id; lParam: the control object
};

enum : UINT { ID_ACTIVE_DOCUMENT_FOCUS = 32833 };

class CWnd;

// Tells the parent that the control took the focus (1129).
void SendControlFocus(CWnd* pControl);
// Tab moves to the parent's next control, Shift+Tab to the previous one.
void SendTabToParent(CWnd* pControl);
// Esc in a toolbar control: the active document takes the focus back.
void PostActiveDocumentFocus();
