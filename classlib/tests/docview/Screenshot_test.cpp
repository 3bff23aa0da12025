// A picture of the test application: two documents tiled in the MDI client,
// a note and a card, with the status bar below, in a frame with its caption.
#include <string>

#include "classlib/tests/docview/CardDocument.h"
#include "classlib/tests/docview/DocViewTestSupport.h"
#include "testing/win/WindowCapture.h"

namespace {

// Whether the window shows dark pixels (text) in its left part, as captured from the screen.
bool ShowsTextAtLeft(HWND hWnd) {
  RgbImage image = CaptureWindow(hWnd);
  constexpr uint32_t kDarkBlue = 0x60;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width / 4; ++x)
      if ((image.PixelAt(x, y) & 0xFF) < kDarkBlue) return true;
  }
  return false;
}

TEST_F(DocViewTest, PictureOfTwoChildrenAndTheStatusBar) {
  // Shown with its caption, as the program's frame is.
  auto pApp = std::make_unique<CDocViewTestApp>();
  pApp->m_dwMainFrameStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | FWS_ADDTOTITLE;
  m_cmdLine = "";
  pApp->m_lpCmdLine = m_cmdLine.data();
  m_app = std::move(pApp);
  ASSERT_TRUE(m_app->InitInstance());
  CNoteDoc* pNote = NewNote();
  pNote->SetText("Bereshit bara\nThe second line\nThe third line");
  auto* pCard = static_cast<CCardDoc*>(m_app->m_pCardTemplate->OpenDocumentFile(nullptr));
  ASSERT_NE(pCard, nullptr);
  pCard->m_strName = "Ruth";
  pCard->m_strPlace = "Moab";
  static_cast<CCardView*>(ActiveChild()->GetActiveView())->OnInitialUpdate();
  SendCommand(ID_WINDOW_TILE_VERT);
  RunIdle();
  MainFrame()->RedrawWindow(nullptr, nullptr,
                            RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);

  CString strStatus;
  MainFrame()->m_wndStatusBar.GetWindowText(strStatus);
  EXPECT_EQ(strStatus, "Ready");
  // What was painted last reaches the screen once the thread looks at its queue.
  EXPECT_TRUE(WaitFor([&] { return ShowsTextAtLeft(MainFrame()->m_wndStatusBar.m_hWnd); }));
  EXPECT_THAT(ChildTitles(), testing::ElementsAre("Card1", "Note1"));
  RgbImage image = CaptureWindow(MainFrame()->m_hWnd);
  std::string path = SaveScreenshot(image, "classlib_docview_two_children");
  EXPECT_FALSE(path.empty());
}

}  // namespace
