// Window helpers the toolkit's windows and dialogs share.
#pragma once

#include <windows.h>

#include "classlib/core/CString.h"

class CWnd;
class CFont;
class CDocument;
struct CRuntimeClass;
struct CCreateContext;

// Scales the window (keeping its centre) and its children to the new font's
// character cell, and gives them all the font.
void FitDialogToFont(CWnd* pWnd, CFont* pFont);
// The first visible child, in z-order, under the point (parent client
// coordinates), skipping children with the id 0xFFFF; nullptr when none.
CWnd* ChildWindowFromPoint(CWnd* pParent, POINT point);
// A window of the run-time class, created empty at its parent with the style,
// id and context (one naming the class and document when none is given); its
// owner is pOwner or the parent. nullptr when it cannot be made.
CWnd* CreateWindowFromClass(CWnd* pParent, CRuntimeClass* pClass, CDocument* pDocument,
                            CCreateContext* pContext, DWORD dwStyle, CWnd* pOwner, UINT nID);
// The text after the first backslash; empty without one.
CString TextAfterBackslash(LPCSTR lpszText);
// Zeroes the record and sets its size to the one menus take on every system.
void InitMenuItemInfo(MENUITEMINFOA* pInfo);
