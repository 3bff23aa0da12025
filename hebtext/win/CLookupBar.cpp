#include "hebtext/win/CLookupBar.h"

CLookupBar* CLookupBar::s_pMainBar = nullptr;
HWND CLookupBar::s_hReturnTarget = nullptr;
UINT CLookupBar::s_nReturnMessage = 0;

BEGIN_MESSAGE_MAP(CLookupBar, CWnd)
  ON_WM_CREATE()
  ON_WM_DESTROY()
END_MESSAGE_MAP()

CLookupBar::~CLookupBar() {
  if (s_pMainBar == this) s_pMainBar = nullptr;
}

int CLookupBar::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
  s_pMainBar = this;
  return 0;
}

void CLookupBar::OnDestroy() {
  if (s_pMainBar == this) s_pMainBar = nullptr;
  CWnd::OnDestroy();
}

void CLookupBar::SetReturnMessage(HWND hTarget, UINT message) {
  s_hReturnTarget = hTarget;
  s_nReturnMessage = message;
}

void CLookupBar::SendReturnMessage() {
  const HWND hTarget = s_hReturnTarget;
  const UINT message = s_nReturnMessage;
  SetReturnMessage(nullptr, 0);
  // The window may have closed since it searched.
  if (message != 0 && ::IsWindow(hTarget)) ::SendMessageA(hTarget, message, 0, 0);
}
