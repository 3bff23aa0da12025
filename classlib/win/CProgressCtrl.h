// A progress bar.
#pragma once

#include "classlib/win/CWnd.h"
#include "classlib/win/ControlMessage.h"

class CProgressCtrl : public CWnd {
  DECLARE_DYNAMIC(CProgressCtrl)
 public:
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  // Each setter gives the previous position.
  void SetRange(short nLower, short nUpper) {
    AfxSendCtrl(m_hWnd, PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper));
  }
  void SetRange32(int nLower, int nUpper) {
    AfxSendCtrl(m_hWnd, PBM_SETRANGE32, static_cast<WPARAM>(nLower), nUpper);
  }
  int SetPos(int nPos) { return AfxSendCtrl(m_hWnd, PBM_SETPOS, static_cast<WPARAM>(nPos)); }
  int GetPos() const { return AfxSendCtrl(m_hWnd, PBM_GETPOS); }
  int OffsetPos(int nPos) { return AfxSendCtrl(m_hWnd, PBM_DELTAPOS, static_cast<WPARAM>(nPos)); }
  int SetStep(int nStep) { return AfxSendCtrl(m_hWnd, PBM_SETSTEP, static_cast<WPARAM>(nStep)); }
  int StepIt() { return AfxSendCtrl(m_hWnd, PBM_STEPIT); }
};
