// Numbers shared by the class library and the windows built on it: its
// private messages, the command notification codes, window flags and styles.
#pragma once

#include <windows.h>

#include "classlib/win/AfxRes.h"

// Private messages.
#define WM_QUERYAFXWNDPROC 0x0360   // answered 1 by every window of the class library
#define WM_SIZEPARENT 0x0361        // lParam: AFX_SIZEPARENTPARAMS*; a bar takes its room
#define WM_SETMESSAGESTRING 0x0362  // wParam: string id, or lParam: the text, for the status line
#define WM_IDLEUPDATECMDUI 0x0363   // wParam: disable items without a handler
#define WM_INITIALUPDATE 0x0364     // sent to the descendants of a frame after it is loaded
#define WM_COMMANDHELP 0x0365       // lResult: TRUE when help was given
#define WM_HELPHITTEST 0x0366       // lResult: the help context of a point
#define WM_RECALCPARENT 0x0368      // a bar asks its frame to lay itself out again
#define WM_POPMESSAGESTRING 0x0375  // as WM_SETMESSAGESTRING, unless the window forbids it

// A parent reflects a child's notification back to the child under this base.
#define WM_REFLECT_BASE 0xBC00

// Command notification codes for OnCmdMsg.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

// WF_* bits of CWnd::m_nFlags.
#define WF_TOOLTIPS 0x0001  // the window shows tooltips for its tools
#define WF_TEMPHIDE 0x0002
#define WF_STAYACTIVE 0x0020  // keep the caption active while a popup has the focus
#define WF_NOPOPMSG 0x0040    // ignore WM_POPMESSAGESTRING

// Frame styles, in the low word of the window style.
#define FWS_ADDTOTITLE 0x00008000L   // the frame shows its document's name in its title
#define FWS_PREFIXTITLE 0x00004000L  // ...before the application's name
#define FWS_SNAPTOBARS 0x00002000L

// WM_SIZEPARENT's parameters: each bar takes its room from rect (and adds
// its size to sizeTotal); the moves are gathered in hDWP.
struct AFX_SIZEPARENTPARAMS {
  HDWP hDWP;
  RECT rect;
  SIZE sizeTotal;
  BOOL bStretch;
};
