// The flat hover button on the screen: flat at rest, raised while the mouse
// is over it, sunken while pressed; and icons handed to it stay the caller's.
#include "toolkit/win/CKWButton.h"

#include <gtest/gtest.h>

#include "classlib/tests/win/WndTestSupport.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"
#include "toolkit/tests/win/KWMouseInput.h"

namespace kw_button_test {

using namespace kwtest;

constexpr int kButtonId = 100;
const CRect kButtonRect(10, 10, 110, 40);

class FlatButtonTest : public AppTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CreateShownParent(m_parent, "Flat button", 140, 60));
    ASSERT_TRUE(m_button.Create("Flat", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, kButtonRect,
                                &m_parent, kButtonId));
    // The button draws itself once its deferred initialisation has run.
    ASSERT_TRUE(WaitFor([&] { return (m_button.GetStyle() & BS_TYPEMASK) == BS_OWNERDRAW; }));
    // Away from the button.
    MoveMouse(CPoint(600, 500));
    ASSERT_TRUE(WaitFor([&] { return !m_button.IsHot(); }));
  }
  void TearDown() override {
    SendMouse({MouseInput(MOUSEEVENTF_LEFTUP), MouseInput(MOUSEEVENTF_MOVE, CPoint(600, 500))});
    PumpPending();
    if (m_button.m_hWnd != nullptr) m_button.DestroyWindow();
    m_parent.DestroyWindow();
    AppTest::TearDown();
  }
  // The colour of the button's top-left corner on the screen, and a picture.
  COLORREF CornerOnScreen(const char* name) {
    m_button.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RgbImage image = CaptureWindow(m_button.m_hWnd);
    SaveScreenshot(image, name);
    uint32_t rgb = image.PixelAt(0, 0);
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
  }
  CPoint Centre() {
    CRect rect;
    m_button.GetWindowRect(&rect);
    return rect.CenterPoint();
  }

  CWnd m_parent;
  CKWButton m_button;
};

TEST_F(FlatButtonTest, FlatAtRestRaisedWhenHotSunkenWhenPressed) {
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  const COLORREF hilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
  EXPECT_EQ(CornerOnScreen("kw_flat_button_rest"), face);
  MoveMouse(Centre());
  ASSERT_TRUE(WaitFor([&] { return m_button.IsHot() != FALSE; }));
  EXPECT_TRUE(WaitFor([&] { return CornerOnScreen("kw_flat_button_hot") == hilite; }));
  SendMouse({MouseInput(MOUSEEVENTF_LEFTDOWN)});
  ASSERT_TRUE(WaitFor([&] { return m_button.IsMousePressed() != FALSE; }));
  EXPECT_TRUE(WaitFor([&] { return CornerOnScreen("kw_flat_button_pressed") == shadow; }));
  SendMouse({MouseInput(MOUSEEVENTF_LEFTUP)});
  ASSERT_TRUE(WaitFor([&] { return !m_button.IsMousePressed(); }));
  // Leaving stops the hover and the button is flat again.
  MoveMouse(CPoint(600, 500));
  EXPECT_TRUE(WaitFor([&] { return !m_button.IsHot(); }));
  EXPECT_TRUE(WaitFor([&] { return CornerOnScreen("kw_flat_button_left") == face; }));
}

TEST_F(FlatButtonTest, IconsHandedInStayTheCallers) {
  HICON hIcon = ::LoadIconA(nullptr, IDI_APPLICATION);
  HICON hOwn = ::CopyIcon(hIcon);
  ASSERT_NE(hOwn, nullptr);
  ASSERT_TRUE(m_button.SetIcon(16, 16, hOwn, nullptr, TRUE));
  m_button.FreeImages();
  m_button.DestroyWindow();
  ICONINFO info = {};
  // Still a live icon after the button let it go.
  ASSERT_TRUE(::GetIconInfo(hOwn, &info));
  if (info.hbmColor != nullptr) ::DeleteObject(info.hbmColor);
  if (info.hbmMask != nullptr) ::DeleteObject(info.hbmMask);
  EXPECT_TRUE(::DestroyIcon(hOwn));
}

}  // namespace kw_button_test
