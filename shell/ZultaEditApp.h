// The program's application object.
#pragma once

#include "classlib/win/CWinApp.h"

class CZultaEditApp : public CWinApp {
 public:
  BOOL InitInstance() override;

 protected:
  afx_msg void OnAppAbout();
  // The Edit commands go to the window with the keyboard focus.
  afx_msg void OnEditCommand(UINT nID);
  afx_msg void OnUpdateEditCommand(CCmdUI* pCmdUI);

  DECLARE_MESSAGE_MAP()
};

extern CZultaEditApp theApp;
