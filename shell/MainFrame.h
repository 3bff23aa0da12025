// The program's main window.
#pragma once

#include "classlib/win/CFrameWnd.h"

class CMainFrame : public CFrameWnd {
  DECLARE_DYNCREATE(CMainFrame)
 public:
  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
};
