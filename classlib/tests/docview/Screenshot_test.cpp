// A picture of the test application: two documents tiled in the MDI client,
// a note and a card, with the status bar below, in a frame with its caption.
#include <string>

#include "classlib/tests/docview/CardDocument.h"
#include "classlib/tests/docview/DocViewTestSupport.h"
#include "testing/win/WindowCapture.h"

namespace {

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
  EXPECT_THAT(ChildTitles(), testing::ElementsAre("Card1", "Note1"));
  RgbImage image = CaptureWindow(MainFrame()->m_hWnd);
  std::string path = SaveScreenshot(image, "classlib_docview_two_children");
  EXPECT_FALSE(path.empty());
}

}  // namespace
