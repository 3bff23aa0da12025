// A small host for the editor's view: an MDI main frame with the editor's
// document template, shown on the screen so that real input reaches it.
#pragma once

#include "classlib/win/CMDIFrameWnd.h"
#include "classlib/win/CMultiDocTemplate.h"
#include "classlib/win/CWinApp.h"

class CZultaEditDoc;
class CZultaEditView;

class CEditViewTestApp : public CWinApp {
 public:
  CEditViewTestApp();
  BOOL InitInstance() override;

  CMDIFrameWnd* GetMainFrame() const { return static_cast<CMDIFrameWnd*>(m_pMainWnd); }
  // A new empty document in its own window, its view active.
  CZultaEditView* NewDocument();

  CMultiDocTemplate* m_pTemplate = nullptr;
};
