// A slider (trackbar) control.
#pragma once

#include "classlib/win/CWnd.h"
#include "classlib/win/ControlMessage.h"

class CSliderCtrl : public CWnd {
  DECLARE_DYNAMIC(CSliderCtrl)
 public:
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetPos() const { return AfxSendCtrl(m_hWnd, TBM_GETPOS); }
  void SetPos(int nPos) { AfxSendCtrl(m_hWnd, TBM_SETPOS, TRUE, nPos); }
  int GetRangeMin() const { return AfxSendCtrl(m_hWnd, TBM_GETRANGEMIN); }
  int GetRangeMax() const { return AfxSendCtrl(m_hWnd, TBM_GETRANGEMAX); }
  void GetRange(int& nMin, int& nMax) const {
    nMin = GetRangeMin();
    nMax = GetRangeMax();
  }
  void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE) {
    AfxSendCtrl(m_hWnd, TBM_SETRANGEMIN, FALSE, nMin);
    AfxSendCtrl(m_hWnd, TBM_SETRANGEMAX, bRedraw, nMax);
  }
  int GetLineSize() const { return AfxSendCtrl(m_hWnd, TBM_GETLINESIZE); }
  int SetLineSize(int nSize) { return AfxSendCtrl(m_hWnd, TBM_SETLINESIZE, 0, nSize); }
  int GetPageSize() const { return AfxSendCtrl(m_hWnd, TBM_GETPAGESIZE); }
  int SetPageSize(int nSize) { return AfxSendCtrl(m_hWnd, TBM_SETPAGESIZE, 0, nSize); }
  void SetTicFreq(int nFreq) { AfxSendCtrl(m_hWnd, TBM_SETTICFREQ, static_cast<WPARAM>(nFreq)); }
  BOOL SetTic(int nTic) { return AfxSendCtrl(m_hWnd, TBM_SETTIC, 0, nTic); }
  void ClearTics(BOOL bRedraw = FALSE) { AfxSendCtrl(m_hWnd, TBM_CLEARTICS, bRedraw); }
};
