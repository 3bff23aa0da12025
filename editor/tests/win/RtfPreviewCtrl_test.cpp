// The RTF display control in a small frame: plain text and RTF set as its
// window text, checked by what it paints; a parse error's message; clicks
// and keys closing the transliteration window.
#include "editor/win/RtfPreviewCtrl.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <iterator>
#include <string>

#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/CWinApp.h"
#include "editor/core/RtfDocumentBuilder.h"
#include "editor/win/ScreenRtfFontInfo.h"
#include "hebtext/tests/win/HebrewTestFonts.h"
#include "speech/win/TranslWin.h"
#include "testing/win/MessageBoxes.h"
#include "testing/win/UserInput.h"
#include "testing/win/WaitFor.h"

namespace {

constexpr UINT kPreviewId = 1001;
constexpr int kPreviewWidth = 300;
constexpr int kPreviewHeight = 120;
constexpr COLORREF kWhite = RGB(255, 255, 255);
// Glyphs do not fill their cells: a centred text's ink may lean this far.
constexpr int kInkSlack = 4;

PixelTest IsInk() {
  return [](uint32_t rgb) { return rgb != 0xFFFFFF; };
}

// One frame and control for all tests: destroying an active top-level
// window makes Wine wait for the window manager.
class RtfPreviewCtrlTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterHebrewFonts();
    s_pApp = new CWinApp("Zulta Tests");
    s_pFrame = new CWnd;
    CreateShownParent(*s_pFrame, "RTF preview test", kPreviewWidth + 40, kPreviewHeight + 40);
    s_pPreview = new CRtfPreviewCtrl;
    s_pPreview->CreateEx(
        0, AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW)), "", WS_CHILD | WS_VISIBLE,
        CRect(20, 20, 20 + kPreviewWidth, 20 + kPreviewHeight), s_pFrame, kPreviewId);
  }
  static void TearDownTestSuite() {
    s_pFrame->DestroyWindow();
    delete s_pPreview;
    delete s_pFrame;
    delete s_pApp;
  }
  void TearDown() override {
    PumpPending();
    CHandleMapBase::DeleteAllTemp();
  }

  // Sets the text and returns the control's picture once its paint is there.
  static RgbImage ShowText(const char* text, const std::string& screenshot) {
    s_pPreview->SetWindowText(text);
    RgbImage image;
    WaitFor([&] {
      image = CaptureWindow(s_pPreview->m_hWnd);
      return CountPixels(image, IsInk()) > 0;
    });
    SaveScreenshot(image, screenshot);
    return image;
  }

  static void ExpectCentred(const RgbImage& image) {
    const RECT ink = BoundingBox(image, IsInk());
    ASSERT_LE(ink.left, ink.right) << "nothing painted";
    EXPECT_NEAR(ink.left, image.width - 1 - ink.right, kInkSlack);
    EXPECT_NEAR(ink.top, image.height - 1 - ink.bottom, kInkSlack);
  }

  static CWinApp* s_pApp;
  static CWnd* s_pFrame;
  static CRtfPreviewCtrl* s_pPreview;
};

CWinApp* RtfPreviewCtrlTest::s_pApp = nullptr;
CWnd* RtfPreviewCtrlTest::s_pFrame = nullptr;
CRtfPreviewCtrl* RtfPreviewCtrlTest::s_pPreview = nullptr;

TEST_F(RtfPreviewCtrlTest, PlainTextIsCentredAndWraps) {
  const RgbImage word = ShowText("Shalom", "rtf-preview-one-line");
  ExpectCentred(word);
  const RECT oneLine = BoundingBox(word, IsInk());

  const RgbImage wrapped =
      ShowText("A plain text too long for one line of the control wraps at its blanks",
               "rtf-preview-wrapped");
  ExpectCentred(wrapped);
  const RECT block = BoundingBox(wrapped, IsInk());
  EXPECT_GT(block.bottom - block.top, 2 * (oneLine.bottom - oneLine.top)) << "more than one line";
  EXPECT_LT(block.right - block.left, kPreviewWidth - 2 * kInkSlack);
}

TEST_F(RtfPreviewCtrlTest, RtfShowsItsColoursAndHebrew) {
  // "shalom" in red Arial, then the word in the program's Hebrew letters.
  RtfTextStyle stressed, normal;
  stressed.face = "Arial";
  stressed.pointSize = 16;
  stressed.textColor = RGB(255, 0, 0);
  stressed.style = 1;
  normal.face = "Pomlar David 2";
  normal.pointSize = 20;
  ScreenRtfFontInfo fonts;
  CRtfTables2 builder;
  const CString& rtf = builder.BuildRtfDocument("*shalom- \xF9\xEC\xE5\xED", RtfDocumentOptions(),
                                                stressed, normal, &fonts);
  const RgbImage image = ShowText(rtf, "rtf-preview-hebrew");
  ExpectCentred(image);
  EXPECT_GT(CountPixels(image, IsColor(RGB(255, 0, 0))), 0) << "the Latin word";
  EXPECT_GT(CountPixels(image, IsColor(RGB(0, 0, 0))), 0) << "the Hebrew word";
}

TEST_F(RtfPreviewCtrlTest, ParseErrorIsReportedAndLeavesTheControlEmpty) {
  ShowText("kept until the error", "rtf-preview-before-error");
  MessageBoxAnswerer answerer;
  s_pPreview->SetWindowText("{\\rtf1 a}}");
  ASSERT_EQ(answerer.Boxes().size(), 1u);
  EXPECT_EQ(answerer.Boxes()[0].caption, "RTF Parse");
  EXPECT_NE(answerer.Boxes()[0].texts.find("error 1 parsing rtf"), std::string::npos)
      << answerer.Boxes()[0].texts;
  RgbImage image;
  EXPECT_TRUE(WaitFor([&] {
    image = CaptureWindow(s_pPreview->m_hWnd);
    return CountPixels(image, IsInk()) == 0;
  }));
  SaveScreenshot(image, "rtf-preview-after-error");
}

TEST_F(RtfPreviewCtrlTest, ClickOrKeyClosesTheTransliterationWindow) {
  ShowText("Click me", "rtf-preview-click");
  HWND popup = nullptr;
  auto openPopup = [&] {
    popup = ::CreateWindowExA(0, "STATIC", "transliteration", WS_POPUP, 0, 0, 40, 20, nullptr,
                              nullptr, nullptr, nullptr);
    ASSERT_NE(popup, nullptr);
    SetTranslWin(popup);
  };
  CRect screen;
  s_pPreview->GetWindowRect(&screen);

  openPopup();
  ClickAt(screen.CenterPoint());
  EXPECT_TRUE(WaitFor([&] { return !::IsWindow(popup); })) << "a click closes it";

  openPopup();
  INPUT rightClick[] = {MouseMoveInput(screen.CenterPoint()),
                        MouseButtonInput(MOUSEEVENTF_RIGHTDOWN),
                        MouseButtonInput(MOUSEEVENTF_RIGHTUP)};
  ::SendInput(static_cast<UINT>(std::size(rightClick)), rightClick, sizeof(INPUT));
  EXPECT_TRUE(WaitFor([&] { return !::IsWindow(popup); })) << "a right click closes it";

  openPopup();
  ::SetForegroundWindow(s_pFrame->m_hWnd);
  s_pPreview->SetFocus();
  ASSERT_TRUE(WaitFor([] { return ::GetFocus() == s_pPreview->m_hWnd; }));
  SendKey(VK_SPACE);
  EXPECT_TRUE(WaitFor([&] { return !::IsWindow(popup); })) << "a key closes it";

  ClickAt(screen.CenterPoint());  // with none open, nothing happens
  EXPECT_TRUE(WaitFor([] { return true; }));
}

}  // namespace
