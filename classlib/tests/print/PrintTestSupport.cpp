#include "classlib/tests/print/PrintTestSupport.h"

#include "classlib/win/HandleMap.h"

POINT BlockCentre(const RECT& rectPage, const PageBlock& block) {
  const int nWidth = rectPage.right - rectPage.left;
  const int nHeight = rectPage.bottom - rectPage.top;
  return {rectPage.left + ::MulDiv(nWidth, (block.rect.left + block.rect.right) / 2, kBlockScale),
          rectPage.top + ::MulDiv(nHeight, (block.rect.top + block.rect.bottom) / 2, kBlockScale)};
}

void PumpWaiting() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

void PrintTest::SetUp() {
  m_app = std::make_unique<CPrintTestApp>();
  m_app->m_nCmdShow = SW_HIDE;
  ASSERT_TRUE(m_app->InitInstance());
  RunIdle();
}

void PrintTest::TearDown() {
  if (!m_app) return;
  if (m_app->m_pMainWnd != nullptr) m_app->m_pMainWnd->DestroyWindow();
  m_app->ExitInstance();
  PumpWaiting();
  m_app.reset();
  CHandleMapBase::DeleteAllTemp();
}

void PrintTest::RunIdle() {
  PumpWaiting();
  for (LONG lCount = 0; m_app->OnIdle(lCount); ++lCount) {
  }
}

void PrintTest::SendCommand(UINT nID) {
  Frame()->SendMessage(WM_COMMAND, nID);
  RunIdle();
}
