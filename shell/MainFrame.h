// The program's main window.
#pragma once

#include "classlib/win/CWnd.h"

class CMainFrame : public CWnd {
  DECLARE_DYNAMIC(CMainFrame)
 public:
  BOOL Create();

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PostNcDestroy() override;
};
