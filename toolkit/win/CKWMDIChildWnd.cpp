#include "toolkit/win/CKWMDIChildWnd.h"

#include "classlib/win/CView.h"
#include "toolkit/win/KWRegisteredMessages.h"

namespace {

// Registered in every source file that handles it.
const UINT s_nBarContextMenuMessage = KWBarContextMenuMessage();

}  // namespace

IMPLEMENT_DYNCREATE(CKWMDIChildWnd, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CKWMDIChildWnd, CMDIChildWnd)
  ON_WM_CREATE()
  ON_REGISTERED_MESSAGE(s_nBarContextMenuMessage, OnBarContextMenu)
  ON_COMMAND(ID_KW_CUSTOMIZE, OnCustomize)
END_MESSAGE_MAP()

void CKWMDIChildWnd::LoadBarState(LPCSTR lpszProfileName) {
  CKWFrameImpl::LoadBarState(lpszProfileName, this);
}
void CKWMDIChildWnd::SaveBarState(LPCSTR lpszProfileName) {
  CKWFrameImpl::SaveBarState(lpszProfileName, this);
}
BOOL CKWMDIChildWnd::DockControlBarLeftOf(CControlBar* pBar, CControlBar* pLeftOf) {
  return CKWFrameImpl::DockControlBarLeftOf(pBar, pLeftOf, this);
}
BOOL CKWMDIChildWnd::PreCreateWindowWithIcon(CREATESTRUCTA& cs, UINT nIDIcon) {
  return CMDIChildWnd::PreCreateWindow(cs) &&
         CKWFrameImpl::PreCreateWindowWithIcon(cs, nIDIcon, this);
}
void CKWMDIChildWnd::EnableDocking(DWORD dwDockStyle) {
  CKWFrameImpl::EnableDocking(dwDockStyle, this);
}
void CKWMDIChildWnd::EnableDocking(DWORD dwDockStyle, DWORD dwDockBarFlags) {
  CKWFrameImpl::EnableDocking(dwDockStyle, dwDockBarFlags, this);
}
BOOL CKWMDIChildWnd::DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect) {
  return CKWFrameImpl::DockControlBar(pBar, pDockBar, lpRect, this);
}
BOOL CKWMDIChildWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect) {
  return CKWFrameImpl::DockControlBar(pBar, nDockBarID, lpRect, this);
}

void CKWMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
  // A view made behind a splitter or a docking window is not made active.
  for (CWnd* pChild = GetWindow(GW_CHILD); pChild != nullptr;
       pChild = pChild->GetWindow(GW_HWNDNEXT)) {
    if (!pChild->IsKindOf(RUNTIME_CLASS(CView))) continue;
    auto* pView = static_cast<CView*>(pChild);
    if (pView != GetActiveView()) SetActiveView(pView, TRUE);
    break;
  }
  CMDIChildWnd::OnUpdateFrameTitle(bAddToTitle);
}

int CKWMDIChildWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CMDIChildWnd::OnCreate(lpCreateStruct) == -1) return -1;
  m_childCoolMenu.Install(this);
  return 0;
}

LRESULT CKWMDIChildWnd::OnBarContextMenu(WPARAM wParam, LPARAM) {
  return CKWFrameImpl::OnBarContextMenu(wParam, this);
}

void CKWMDIChildWnd::OnCustomize() { CKWFrameImpl::OnCustomize(this); }
