// The document/view test application: an MDI main frame with a status bar
// and two document templates (notes in a scroll view, cards in a form view).
// Every target on a command's route records the route commands it takes.
#pragma once

#include "classlib/win/CMDIChildWnd.h"
#include "classlib/win/CMDIFrameWnd.h"
#include "classlib/win/CMultiDocTemplate.h"
#include "classlib/win/CStatusBar.h"
#include "classlib/win/CWinApp.h"

class CDocViewMainFrame : public CMDIFrameWnd {
  DECLARE_DYNCREATE(CDocViewMainFrame)
 public:
  CStatusBar m_wndStatusBar;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnRoute(UINT nID);
  DECLARE_MESSAGE_MAP()
};

class CDocViewChildFrame : public CMDIChildWnd {
  DECLARE_DYNCREATE(CDocViewChildFrame)
 protected:
  afx_msg void OnRoute(UINT nID);
  DECLARE_MESSAGE_MAP()
};

class CRoutingDocTemplate : public CMultiDocTemplate {
 public:
  using CMultiDocTemplate::CMultiDocTemplate;

 protected:
  afx_msg void OnRoute(UINT nID);
  DECLARE_MESSAGE_MAP()
};

class CDocViewTestApp : public CWinApp {
 public:
  // The registry key under which the test application keeps its profile.
  static constexpr const char* kRegistryKey = "Zulta Tests";
  static constexpr const char* kAppName = "DocView Test";

  CDocViewTestApp();

  // The main frame's style: a popup shows and goes at once, where a window
  // with a caption waits for a window manager.
  DWORD m_dwMainFrameStyle = WS_POPUP | WS_BORDER | WS_CLIPCHILDREN | FWS_ADDTOTITLE;
  CRect m_rectMainFrame{0, 0, 640, 480};

  BOOL InitInstance() override;

  CDocViewMainFrame* GetMainFrame() const;
  CMultiDocTemplate* m_pNoteTemplate = nullptr;
  CMultiDocTemplate* m_pCardTemplate = nullptr;

 protected:
  afx_msg void OnRoute(UINT nID);
  DECLARE_MESSAGE_MAP()
};
