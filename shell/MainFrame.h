// The program's main window.
#pragma once

#include "classlib/win/CFrameWnd.h"

class CMainFrame : public CFrameWnd {
  DECLARE_DYNCREATE(CMainFrame)
 public:
  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

 protected:
  // Reads the screen's pixels per inch, with which controls scale point sizes.
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);

  DECLARE_MESSAGE_MAP()
};
