// The program's application object.
#pragma once

#include "classlib/win/CWinApp.h"

class CZultaEditApp : public CWinApp {
 public:
  BOOL InitInstance() override;
};

extern CZultaEditApp theApp;
