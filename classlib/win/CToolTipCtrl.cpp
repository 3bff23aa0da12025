#include "classlib/win/CToolTipCtrl.h"

#include "classlib/win/CWinApp.h"

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
  return CreateEx(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, SafeHwnd(pParentWnd), nullptr);
}

TOOLINFOA CToolTipCtrl::ToolInfo(CWnd* pWnd, UINT_PTR nIDTool) {
  TOOLINFOA ti = {};
  ti.cbSize = sizeof ti;
  if (nIDTool == 0) {
    // A window tool: its parent hears about it.
    ti.hwnd = ::GetParent(pWnd->m_hWnd);
    ti.uFlags = TTF_IDISHWND;
    ti.uId = reinterpret_cast<UINT_PTR>(pWnd->m_hWnd);
  } else {
    ti.hwnd = pWnd->m_hWnd;
    ti.uId = nIDTool;
  }
  return ti;
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
  TOOLINFOA ti = ToolInfo(pWnd, nIDTool);
  if (lpRectTool != nullptr) ti.rect = *lpRectTool;
  ti.hinst = AfxGetResourceHandle();
  ti.lpszText = const_cast<LPSTR>(lpszText);
  return static_cast<BOOL>(::SendMessageA(m_hWnd, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti)));
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
  return AddTool(pWnd, MAKEINTRESOURCEA(nIDText), lpRectTool, nIDTool);
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool) {
  TOOLINFOA ti = ToolInfo(pWnd, nIDTool);
  ::SendMessageA(m_hWnd, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::UpdateTipText(LPCSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool) {
  TOOLINFOA ti = ToolInfo(pWnd, nIDTool);
  ti.hinst = AfxGetResourceHandle();
  ti.lpszText = const_cast<LPSTR>(lpszText);
  ::SendMessageA(m_hWnd, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool) {
  UpdateTipText(MAKEINTRESOURCEA(nIDText), pWnd, nIDTool);
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect) {
  TOOLINFOA ti = ToolInfo(pWnd, nIDTool);
  ti.rect = *lpRect;
  ::SendMessageA(m_hWnd, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&ti));
}

BOOL CToolTipCtrl::GetToolInfo(TOOLINFOA& toolInfo, CWnd* pWnd, UINT_PTR nIDTool) const {
  toolInfo = ToolInfo(pWnd, nIDTool);
  return static_cast<BOOL>(
      ::SendMessageA(m_hWnd, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&toolInfo)));
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const {
  TOOLINFOA ti = ToolInfo(pWnd, nIDTool);
  // The control copies at most 80 characters.
  char szText[256] = {};
  ti.lpszText = szText;
  ::SendMessageA(m_hWnd, TTM_GETTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
  str = szText;
}
