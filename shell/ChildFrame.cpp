#include "shell/ChildFrame.h"

#include "classlib/win/AfxMsg.h"

IMPLEMENT_DYNCREATE(CChildFrame, CKWMDIChildWnd)

BOOL CChildFrame::PreCreateWindow(CREATESTRUCTA& cs) {
  if (!CKWMDIChildWnd::PreCreateWindow(cs)) return FALSE;
  cs.style = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE;
  return TRUE;
}

void CChildFrame::ActivateFrame(int) { CKWMDIChildWnd::ActivateFrame(SW_SHOWMAXIMIZED); }
