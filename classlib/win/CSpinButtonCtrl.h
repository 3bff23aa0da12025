// A spin button (up-down) control, usually attached to the edit before it
// (its buddy).
#pragma once

#include "classlib/win/CWnd.h"
#include "classlib/win/ControlMessage.h"

class CSpinButtonCtrl : public CWnd {
  DECLARE_DYNAMIC(CSpinButtonCtrl)
 public:
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  // The position in the low word; the high word is not 0 on error.
  int GetPos() const { return AfxSendCtrl(m_hWnd, UDM_GETPOS); }
  int SetPos(int nPos) { return AfxSendCtrl(m_hWnd, UDM_SETPOS, 0, MAKELPARAM(nPos, 0)); }
  void SetRange(int nLower, int nUpper) {
    AfxSendCtrl(m_hWnd, UDM_SETRANGE32, static_cast<WPARAM>(nLower), nUpper);
  }
  void GetRange(int& lower, int& upper) const {
    AfxSendCtrl(m_hWnd, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower),
                reinterpret_cast<LPARAM>(&upper));
  }
  CWnd* SetBuddy(CWnd* pWndBuddy) {
    return FromHandle(reinterpret_cast<HWND>(
        ::SendMessageA(m_hWnd, UDM_SETBUDDY, reinterpret_cast<WPARAM>(SafeHwnd(pWndBuddy)), 0)));
  }
  CWnd* GetBuddy() const {
    return FromHandle(reinterpret_cast<HWND>(::SendMessageA(m_hWnd, UDM_GETBUDDY, 0, 0)));
  }
  int SetBase(int nBase) { return AfxSendCtrl(m_hWnd, UDM_SETBASE, static_cast<WPARAM>(nBase)); }
  BOOL SetAccel(int nAccel, UDACCEL* pAccel) {
    return AfxSendCtrl(m_hWnd, UDM_SETACCEL, static_cast<WPARAM>(nAccel),
                       reinterpret_cast<LPARAM>(pAccel));
  }
};
