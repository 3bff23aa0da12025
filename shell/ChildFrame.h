// The frame of every document window inside the main frame.
#pragma once

#include "toolkit/win/CKWMDIChildWnd.h"

class CChildFrame : public CKWMDIChildWnd {
  DECLARE_DYNCREATE(CChildFrame)
 public:
  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
  // Every document window opens maximised, whatever show state is asked.
  void ActivateFrame(int nCmdShow = -1) override;
};
