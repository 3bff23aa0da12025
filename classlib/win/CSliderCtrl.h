// A slider (trackbar) control.
#pragma once

#include "classlib/win/CWnd.h"

class CSliderCtrl : public CWnd {
  DECLARE_DYNAMIC(CSliderCtrl)
 public:
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetPos() const { return Send(TBM_GETPOS); }
  void SetPos(int nPos) { Send(TBM_SETPOS, TRUE, nPos); }
  int GetRangeMin() const { return Send(TBM_GETRANGEMIN); }
  int GetRangeMax() const { return Send(TBM_GETRANGEMAX); }
  void GetRange(int& nMin, int& nMax) const {
    nMin = GetRangeMin();
    nMax = GetRangeMax();
  }
  void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE) {
    Send(TBM_SETRANGEMIN, FALSE, nMin);
    Send(TBM_SETRANGEMAX, bRedraw, nMax);
  }
  int GetLineSize() const { return Send(TBM_GETLINESIZE); }
  int SetLineSize(int nSize) { return Send(TBM_SETLINESIZE, 0, nSize); }
  int GetPageSize() const { return Send(TBM_GETPAGESIZE); }
  int SetPageSize(int nSize) { return Send(TBM_SETPAGESIZE, 0, nSize); }
  void SetTicFreq(int nFreq) { Send(TBM_SETTICFREQ, static_cast<WPARAM>(nFreq)); }
  BOOL SetTic(int nTic) { return Send(TBM_SETTIC, 0, nTic); }
  void ClearTics(BOOL bRedraw = FALSE) { Send(TBM_CLEARTICS, bRedraw); }

 private:
  int Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return static_cast<int>(::SendMessageA(m_hWnd, message, wParam, lParam));
  }
};
