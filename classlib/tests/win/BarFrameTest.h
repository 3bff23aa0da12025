// The bar tests' fixture: a frame of class TFrame (which makes its bars when
// it is created) on the screen, shown without activation, as the
// application's main window; it goes with the test.
#pragma once

#include <windows.h>

#include "classlib/tests/win/FrameTestIds.h"
#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/CFrameWnd.h"

// Where the bar tests' frames stand.
constexpr int kBarFrameLeft = 20;
constexpr int kBarFrameTop = 20;

template <class TFrame>
class BarFrameTest : public AppTest {
 protected:
  // The frame, nWidth by nHeight; the derived fixture's SetUp calls it.
  void CreateFrame(int nWidth, int nHeight, DWORD dwStyle = WS_POPUP | WS_BORDER) {
    m_pFrame = new TFrame;
    ASSERT_TRUE(m_pFrame->LoadFrame(IDR_FRAMETEST_MAIN, dwStyle));
    m_hFrame = m_pFrame->m_hWnd;
    m_app.m_pMainWnd = m_pFrame;
    m_pFrame->SetWindowPos(nullptr, kBarFrameLeft, kBarFrameTop, nWidth, nHeight,
                           SWP_NOZORDER | SWP_NOACTIVATE);
    m_pFrame->ShowWindow(SW_SHOWNA);
  }
  void TearDown() override {
    if (::IsWindow(m_hFrame)) ::DestroyWindow(m_hFrame);
    AppTest::TearDown();
  }
  CRect RectInFrame(CWnd& wnd) {
    CRect rect;
    wnd.GetWindowRect(&rect);
    m_pFrame->ScreenToClient(&rect);
    return rect;
  }

  TFrame* m_pFrame = nullptr;
  HWND m_hFrame = nullptr;
};
