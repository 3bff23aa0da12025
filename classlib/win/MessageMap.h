// The entries of message maps. Each ON_WM_* entry calls the handler of
// CWnd's name and signature for its message (OnSize(UINT, int, int), ...);
// the other entries name their handler.
#pragma once

#include "classlib/core/Geometry.h"
#include "classlib/win/CCmdTarget.h"
#include "classlib/win/CCmdUI.h"

// The entries read best one to a line, however long.
// clang-format off

// Parameter unpacking shared by the entries.
#define ZULTA_POINT_LPARAM CPoint(static_cast<short>(LOWORD(a_.lParam)), static_cast<short>(HIWORD(a_.lParam)))
#define ZULTA_WND_WPARAM CWnd::FromHandle(reinterpret_cast<HWND>(a_.wParam))
#define ZULTA_WND_LPARAM CWnd::FromHandle(reinterpret_cast<HWND>(a_.lParam))

// ---- Window messages.
#define ZULTA_ON_WM(msg, ...) ZULTA_MSG_ENTRY(msg, 0, 0, 0, nullptr, __VA_ARGS__)

#define ON_WM_CREATE() ZULTA_ON_WM(WM_CREATE, a_.result = p_->OnCreate(reinterpret_cast<LPCREATESTRUCT>(a_.lParam)))
#define ON_WM_NCCREATE() ZULTA_ON_WM(WM_NCCREATE, a_.result = p_->OnNcCreate(reinterpret_cast<LPCREATESTRUCT>(a_.lParam)))
#define ON_WM_DESTROY() ZULTA_ON_WM(WM_DESTROY, p_->OnDestroy())
#define ON_WM_NCDESTROY() ZULTA_ON_WM(WM_NCDESTROY, p_->OnNcDestroy())
#define ON_WM_CLOSE() ZULTA_ON_WM(WM_CLOSE, p_->OnClose())
#define ON_WM_PAINT() ZULTA_ON_WM(WM_PAINT, p_->OnPaint())
#define ON_WM_NCPAINT() ZULTA_ON_WM(WM_NCPAINT, p_->OnNcPaint())
#define ON_WM_ERASEBKGND() ZULTA_ON_WM(WM_ERASEBKGND, a_.result = p_->OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(a_.wParam))))
#define ON_WM_SIZE() ZULTA_ON_WM(WM_SIZE, p_->OnSize(static_cast<UINT>(a_.wParam), static_cast<short>(LOWORD(a_.lParam)), static_cast<short>(HIWORD(a_.lParam))))
#define ON_WM_MOVE() ZULTA_ON_WM(WM_MOVE, p_->OnMove(static_cast<short>(LOWORD(a_.lParam)), static_cast<short>(HIWORD(a_.lParam))))
#define ON_WM_SHOWWINDOW() ZULTA_ON_WM(WM_SHOWWINDOW, p_->OnShowWindow(static_cast<BOOL>(a_.wParam), static_cast<UINT>(a_.lParam)))
#define ON_WM_ENABLE() ZULTA_ON_WM(WM_ENABLE, p_->OnEnable(static_cast<BOOL>(a_.wParam)))
#define ON_WM_TIMER() ZULTA_ON_WM(WM_TIMER, p_->OnTimer(static_cast<UINT_PTR>(a_.wParam)))
#define ON_WM_SETFOCUS() ZULTA_ON_WM(WM_SETFOCUS, p_->OnSetFocus(ZULTA_WND_WPARAM))
#define ON_WM_KILLFOCUS() ZULTA_ON_WM(WM_KILLFOCUS, p_->OnKillFocus(ZULTA_WND_WPARAM))
#define ON_WM_ACTIVATE() ZULTA_ON_WM(WM_ACTIVATE, p_->OnActivate(LOWORD(a_.wParam), ZULTA_WND_LPARAM, HIWORD(a_.wParam)))
#define ON_WM_ACTIVATEAPP() ZULTA_ON_WM(WM_ACTIVATEAPP, p_->OnActivateApp(static_cast<BOOL>(a_.wParam), static_cast<DWORD>(a_.lParam)))
#define ON_WM_NCACTIVATE() ZULTA_ON_WM(WM_NCACTIVATE, a_.result = p_->OnNcActivate(static_cast<BOOL>(a_.wParam)))
#define ON_WM_MOUSEACTIVATE() ZULTA_ON_WM(WM_MOUSEACTIVATE, a_.result = p_->OnMouseActivate(ZULTA_WND_WPARAM, LOWORD(a_.lParam), HIWORD(a_.lParam)))
#define ON_WM_SETCURSOR() ZULTA_ON_WM(WM_SETCURSOR, a_.result = p_->OnSetCursor(ZULTA_WND_WPARAM, LOWORD(a_.lParam), HIWORD(a_.lParam)))
#define ON_WM_GETMINMAXINFO() ZULTA_ON_WM(WM_GETMINMAXINFO, p_->OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(a_.lParam)))
#define ON_WM_WINDOWPOSCHANGING() ZULTA_ON_WM(WM_WINDOWPOSCHANGING, p_->OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(a_.lParam)))
#define ON_WM_WINDOWPOSCHANGED() ZULTA_ON_WM(WM_WINDOWPOSCHANGED, p_->OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(a_.lParam)))
#define ON_WM_SETTEXT() ZULTA_ON_WM(WM_SETTEXT, a_.result = p_->OnSetText(reinterpret_cast<LPCSTR>(a_.lParam)))
#define ON_WM_GETDLGCODE() ZULTA_ON_WM(WM_GETDLGCODE, a_.result = p_->OnGetDlgCode())
#define ON_WM_DROPFILES() ZULTA_ON_WM(WM_DROPFILES, p_->OnDropFiles(reinterpret_cast<HDROP>(a_.wParam)))
#define ON_WM_SETTINGCHANGE() ZULTA_ON_WM(WM_SETTINGCHANGE, p_->OnSettingChange(static_cast<UINT>(a_.wParam), reinterpret_cast<LPCSTR>(a_.lParam)))
#define ON_WM_SYSCOLORCHANGE() ZULTA_ON_WM(WM_SYSCOLORCHANGE, p_->OnSysColorChange())
#define ON_WM_FONTCHANGE() ZULTA_ON_WM(WM_FONTCHANGE, p_->OnFontChange())
#define ON_WM_CANCELMODE() ZULTA_ON_WM(WM_CANCELMODE, p_->OnCancelMode())
#define ON_WM_CAPTURECHANGED() ZULTA_ON_WM(WM_CAPTURECHANGED, p_->OnCaptureChanged(ZULTA_WND_LPARAM))
#define ON_WM_SYSCOMMAND() ZULTA_ON_WM(WM_SYSCOMMAND, p_->OnSysCommand(static_cast<UINT>(a_.wParam), a_.lParam))
#define ON_WM_CONTEXTMENU() ZULTA_ON_WM(WM_CONTEXTMENU, p_->OnContextMenu(ZULTA_WND_WPARAM, ZULTA_POINT_LPARAM))
#define ON_WM_PARENTNOTIFY() ZULTA_ON_WM(WM_PARENTNOTIFY, p_->OnParentNotify(LOWORD(a_.wParam), a_.lParam))
#define ON_WM_DRAWITEM() ZULTA_ON_WM(WM_DRAWITEM, p_->OnDrawItem(static_cast<int>(a_.wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(a_.lParam)); a_.result = TRUE)
#define ON_WM_MEASUREITEM() ZULTA_ON_WM(WM_MEASUREITEM, p_->OnMeasureItem(static_cast<int>(a_.wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(a_.lParam)); a_.result = TRUE)
#define ON_WM_INITMENU() ZULTA_ON_WM(WM_INITMENU, p_->OnInitMenu(CMenu::FromHandle(reinterpret_cast<HMENU>(a_.wParam))))
#define ON_WM_INITMENUPOPUP() ZULTA_ON_WM(WM_INITMENUPOPUP, p_->OnInitMenuPopup(CMenu::FromHandle(reinterpret_cast<HMENU>(a_.wParam)), LOWORD(a_.lParam), HIWORD(a_.lParam)))
#define ON_WM_MENUSELECT() ZULTA_ON_WM(WM_MENUSELECT, p_->OnMenuSelect(LOWORD(a_.wParam), HIWORD(a_.wParam), reinterpret_cast<HMENU>(a_.lParam)))
#define ON_WM_MENUCHAR() ZULTA_ON_WM(WM_MENUCHAR, a_.result = p_->OnMenuChar(LOWORD(a_.wParam), HIWORD(a_.wParam), CMenu::FromHandle(reinterpret_cast<HMENU>(a_.lParam))))
#define ON_WM_ENTERMENULOOP() ZULTA_ON_WM(WM_ENTERMENULOOP, p_->OnEnterMenuLoop(static_cast<BOOL>(a_.wParam)))
#define ON_WM_EXITMENULOOP() ZULTA_ON_WM(WM_EXITMENULOOP, p_->OnExitMenuLoop(static_cast<BOOL>(a_.wParam)))

#define ZULTA_ON_KEY(msg, fn) ZULTA_ON_WM(msg, p_->fn(static_cast<UINT>(a_.wParam), LOWORD(a_.lParam), HIWORD(a_.lParam)))
#define ON_WM_KEYDOWN() ZULTA_ON_KEY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() ZULTA_ON_KEY(WM_KEYUP, OnKeyUp)
#define ON_WM_CHAR() ZULTA_ON_KEY(WM_CHAR, OnChar)
#define ON_WM_SYSKEYDOWN() ZULTA_ON_KEY(WM_SYSKEYDOWN, OnSysKeyDown)
#define ON_WM_SYSKEYUP() ZULTA_ON_KEY(WM_SYSKEYUP, OnSysKeyUp)
#define ON_WM_SYSCHAR() ZULTA_ON_KEY(WM_SYSCHAR, OnSysChar)

#define ZULTA_ON_MOUSE(msg, fn) ZULTA_ON_WM(msg, p_->fn(static_cast<UINT>(a_.wParam), ZULTA_POINT_LPARAM))
#define ON_WM_MOUSEMOVE() ZULTA_ON_MOUSE(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN() ZULTA_ON_MOUSE(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() ZULTA_ON_MOUSE(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() ZULTA_ON_MOUSE(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() ZULTA_ON_MOUSE(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() ZULTA_ON_MOUSE(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() ZULTA_ON_MOUSE(WM_RBUTTONDBLCLK, OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() ZULTA_ON_MOUSE(WM_MBUTTONDOWN, OnMButtonDown)
#define ON_WM_MBUTTONUP() ZULTA_ON_MOUSE(WM_MBUTTONUP, OnMButtonUp)
#define ON_WM_MOUSEWHEEL() ZULTA_ON_WM(WM_MOUSEWHEEL, a_.result = p_->OnMouseWheel(LOWORD(a_.wParam), static_cast<short>(HIWORD(a_.wParam)), ZULTA_POINT_LPARAM))

#define ON_WM_NCHITTEST() ZULTA_ON_WM(WM_NCHITTEST, a_.result = p_->OnNcHitTest(ZULTA_POINT_LPARAM))
#define ON_WM_NCCALCSIZE() ZULTA_ON_WM(WM_NCCALCSIZE, p_->OnNcCalcSize(static_cast<BOOL>(a_.wParam), reinterpret_cast<NCCALCSIZE_PARAMS*>(a_.lParam)))
#define ZULTA_ON_NCMOUSE(msg, fn) ZULTA_ON_WM(msg, p_->fn(static_cast<UINT>(a_.wParam), ZULTA_POINT_LPARAM))
#define ON_WM_NCMOUSEMOVE() ZULTA_ON_NCMOUSE(WM_NCMOUSEMOVE, OnNcMouseMove)
#define ON_WM_NCLBUTTONDOWN() ZULTA_ON_NCMOUSE(WM_NCLBUTTONDOWN, OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() ZULTA_ON_NCMOUSE(WM_NCLBUTTONUP, OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() ZULTA_ON_NCMOUSE(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN() ZULTA_ON_NCMOUSE(WM_NCRBUTTONDOWN, OnNcRButtonDown)

// The scroll bar is nullptr for a window's own scroll bars; otherwise a
// CScrollBar (include classlib/win/CScrollBar.h where the entry is used).
#define ZULTA_ON_SCROLL(msg, fn) ZULTA_ON_WM(msg, p_->fn(LOWORD(a_.wParam), HIWORD(a_.wParam), static_cast<CScrollBar*>(ZULTA_WND_LPARAM)))
#define ON_WM_HSCROLL() ZULTA_ON_SCROLL(WM_HSCROLL, OnHScroll)
#define ON_WM_VSCROLL() ZULTA_ON_SCROLL(WM_VSCROLL, OnVScroll)

// A scroll bar control handles its own scrolling: void fn(UINT nSBCode, UINT nPos).
#define ON_WM_HSCROLL_REFLECT() ZULTA_ON_WM(WM_REFLECT_BASE + WM_HSCROLL, p_->HScroll(LOWORD(a_.wParam), HIWORD(a_.wParam)))
#define ON_WM_VSCROLL_REFLECT() ZULTA_ON_WM(WM_REFLECT_BASE + WM_VSCROLL, p_->VScroll(LOWORD(a_.wParam), HIWORD(a_.wParam)))

// Reflected owner drawing: the control draws and measures itself.
#define ON_WM_DRAWITEM_REFLECT() ZULTA_ON_WM(WM_REFLECT_BASE + WM_DRAWITEM, p_->DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(a_.lParam)); a_.result = TRUE)
#define ON_WM_MEASUREITEM_REFLECT() ZULTA_ON_WM(WM_REFLECT_BASE + WM_MEASUREITEM, p_->MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(a_.lParam)); a_.result = TRUE)

// ---- User-defined and registered messages: LRESULT fn(WPARAM, LPARAM).
#define ON_MESSAGE(message, fn) ZULTA_ON_WM(message, a_.result = p_->fn(a_.wParam, a_.lParam))
#define ON_REGISTERED_MESSAGE(nMessageVariable, fn) \
  ZULTA_MSG_ENTRY(0, 0, 0, 0, &nMessageVariable, a_.result = p_->fn(a_.wParam, a_.lParam))

// ---- Commands.
#define ON_COMMAND(id, fn) ZULTA_MSG_ENTRY(WM_COMMAND, CN_COMMAND, id, id, nullptr, p_->fn())
#define ON_COMMAND_RANGE(id, idLast, fn) \
  ZULTA_MSG_ENTRY(WM_COMMAND, CN_COMMAND, id, idLast, nullptr, p_->fn(a_.nID))
// BOOL fn(UINT nID): FALSE passes the command on to the next target.
#define ON_COMMAND_EX(id, fn) \
  ZULTA_MSG_ENTRY(WM_COMMAND, CN_COMMAND, id, id, nullptr, return p_->fn(a_.nID))
#define ON_COMMAND_EX_RANGE(id, idLast, fn) \
  ZULTA_MSG_ENTRY(WM_COMMAND, CN_COMMAND, id, idLast, nullptr, return p_->fn(a_.nID))
// void fn(CCmdUI*): ContinueRouting() there passes the update on.
#define ZULTA_UPDATE_CALL(fn)                                  \
  CCmdUI* pCmdUI_ = static_cast<CCmdUI*>(a_.pExtra);           \
  pCmdUI_->m_bContinueRouting = FALSE;                         \
  p_->fn(pCmdUI_);                                             \
  return !pCmdUI_->m_bContinueRouting
#define ON_UPDATE_COMMAND_UI(id, fn) \
  ZULTA_MSG_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, id, nullptr, ZULTA_UPDATE_CALL(fn))
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, fn) \
  ZULTA_MSG_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, idLast, nullptr, ZULTA_UPDATE_CALL(fn))

// ---- Control notifications: void fn().
#define ON_CONTROL(code, id, fn) ZULTA_MSG_ENTRY(WM_COMMAND, code, id, id, nullptr, p_->fn())
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_CBN_SELENDOK(id, fn) ON_CONTROL(CBN_SELENDOK, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)

// ---- WM_NOTIFY: void fn(NMHDR*, LRESULT*).
#define ZULTA_NOTIFY_CALL(fn)                                          \
  AFX_NOTIFY* pNotify_ = static_cast<AFX_NOTIFY*>(a_.pExtra);          \
  p_->fn(pNotify_->pNMHDR, pNotify_->pResult)
#define ON_NOTIFY(code, id, fn) \
  ZULTA_MSG_ENTRY(WM_NOTIFY, static_cast<WORD>(code), id, id, nullptr, ZULTA_NOTIFY_CALL(fn))

// ---- Reflected to the control that sent them.
#define ON_NOTIFY_REFLECT(code, fn) \
  ZULTA_MSG_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, static_cast<WORD>(code), 0, 0, nullptr, ZULTA_NOTIFY_CALL(fn))
#define ON_CONTROL_REFLECT(code, fn) \
  ZULTA_MSG_ENTRY(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, nullptr, p_->fn())

// clang-format on
