// A tooltip control. Tools are windows (nIDTool 0: the whole window, whose
// parent gets the notifications) or rectangles of a window (nIDTool not 0).
// The control sees the mouse only through RelayEvent.
#pragma once

#include "classlib/win/CWnd.h"
#include "classlib/win/ControlMessage.h"

class CToolTipCtrl : public CWnd {
  DECLARE_DYNAMIC(CToolTipCtrl)
 public:
  // dwStyle: TTS_ALWAYSTIP, TTS_NOPREFIX.
  virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

  // The text is lpszText, or the string resource nIDText; LPSTR_TEXTCALLBACK
  // asks the window for it (TTN_NEEDTEXT).
  BOOL AddTool(CWnd* pWnd, LPCSTR lpszText = LPSTR_TEXTCALLBACKA, LPCRECT lpRectTool = nullptr,
               UINT_PTR nIDTool = 0);
  BOOL AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
  void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
  void UpdateTipText(LPCSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
  void UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool = 0);
  void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
  BOOL GetToolInfo(TOOLINFOA& toolInfo, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
  void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
  int GetToolCount() const { return AfxSendCtrl(m_hWnd, TTM_GETTOOLCOUNT, 0, 0); }

  void Activate(BOOL bActivate) { ::SendMessageA(m_hWnd, TTM_ACTIVATE, bActivate, 0); }
  // Lets the control see a mouse message of one of its tools' windows.
  void RelayEvent(LPMSG lpMsg) {
    ::SendMessageA(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(lpMsg));
  }
  // Hides the tip shown.
  void Pop() { ::SendMessageA(m_hWnd, TTM_POP, 0, 0); }
  // dwDuration: TTDT_AUTOPOP, TTDT_INITIAL, TTDT_RESHOW, or TTDT_AUTOMATIC for all.
  void SetDelayTime(UINT nDelay) {
    ::SendMessageA(m_hWnd, TTM_SETDELAYTIME, TTDT_AUTOMATIC, static_cast<LPARAM>(nDelay));
  }
  void SetDelayTime(DWORD dwDuration, int iTime) {
    ::SendMessageA(m_hWnd, TTM_SETDELAYTIME, dwDuration, MAKELPARAM(iTime, 0));
  }
  int SetMaxTipWidth(int iWidth) { return AfxSendCtrl(m_hWnd, TTM_SETMAXTIPWIDTH, 0, iWidth); }

 private:
  // The record of a tool: the window itself (nIDTool 0) or an id within it.
  static TOOLINFOA ToolInfo(CWnd* pWnd, UINT_PTR nIDTool);
};
