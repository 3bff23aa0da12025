#include "shell/MainFrame.h"

#include "classlib/win/MessageMap.h"
#include "classlib/win/WindowDCs.h"
#include "hebtext/win/InterfaceFont.h"
#include "hebtext/win/ScreenDpi.h"

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
  ON_WM_CREATE()
END_MESSAGE_MAP()

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTA& cs) {
  // The documents' windows go on the application workspace.
  if (cs.lpszClass == nullptr)
    cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                       reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1));
  return CFrameWnd::PreCreateWindow(cs);
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
  CClientDC screen(nullptr);
  g_screenDpi = screen.GetDeviceCaps(LOGPIXELSY);
  CreateHebrewInterfaceFont(&screen, g_screenDpi);
  return 0;
}
