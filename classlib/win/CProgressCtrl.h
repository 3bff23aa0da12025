// A progress bar.
#pragma once

#include "classlib/win/CWnd.h"

class CProgressCtrl : public CWnd {
  DECLARE_DYNAMIC(CProgressCtrl)
 public:
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  // Each setter gives the previous position.
  void SetRange(short nLower, short nUpper) { Send(PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper)); }
  void SetRange32(int nLower, int nUpper) { Send(PBM_SETRANGE32, static_cast<WPARAM>(nLower), nUpper); }
  int SetPos(int nPos) { return Send(PBM_SETPOS, static_cast<WPARAM>(nPos)); }
  int GetPos() const { return Send(PBM_GETPOS); }
  int OffsetPos(int nPos) { return Send(PBM_DELTAPOS, static_cast<WPARAM>(nPos)); }
  int SetStep(int nStep) { return Send(PBM_SETSTEP, static_cast<WPARAM>(nStep)); }
  int StepIt() { return Send(PBM_STEPIT); }

 private:
  int Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return static_cast<int>(::SendMessageA(m_hWnd, message, wParam, lParam));
  }
};
