#include "hebtext/win/CLookupBar.h"

CLookupBar* CLookupBar::s_pMainBar = nullptr;

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
