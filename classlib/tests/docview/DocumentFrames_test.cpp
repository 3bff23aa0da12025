// Documents in MDI child frames: File/New numbers them, a second window on
// a document numbers the titles, the Window menu lists and activates the
// children, and closing asks to save a modified document.
#include <string>
#include <vector>

#include "classlib/tests/docview/DocViewTestSupport.h"
#include "classlib/win/CMenu.h"

namespace {

using ::testing::ElementsAre;

int ViewCount(const CDocument* pDoc) {
  int nViews = 0;
  for (POSITION pos = pDoc->GetFirstViewPosition(); pos != nullptr; ++nViews)
    pDoc->GetNextView(pos);
  return nViews;
}

TEST_F(DocViewTest, FileNewMakesNumberedDocumentsInChildFrames) {
  Start();
  NewNote();
  ASSERT_NE(ActiveChild(), nullptr);
  EXPECT_THAT(ChildTitles(), ElementsAre("Note1"));
  {
    MessageBoxAnswerer answerer;  // takes the first kind, Note
    SendCommand(ID_FILE_NEW);
  }
  EXPECT_THAT(ChildTitles(), ElementsAre("Note2", "Note1"));
  CView* pView = ActiveChild()->GetActiveView();
  ASSERT_NE(pView, nullptr);
  ASSERT_TRUE(pView->IsKindOf(RUNTIME_CLASS(CNoteView)));
  EXPECT_EQ(static_cast<CNoteView*>(pView)->m_nInitialUpdates, 1);
  EXPECT_EQ(pView->GetDocument()->GetTitle(), "Note2");
  EXPECT_EQ(ActiveChild()->GetActiveDocument(), pView->GetDocument());
}

TEST_F(DocViewTest, TwoWindowsOnOneDocumentAreNumbered) {
  Start();
  CDocument* pDoc = NewNote();
  SendCommand(ID_WINDOW_NEW);
  EXPECT_THAT(ChildTitles(), ElementsAre("Note1:2", "Note1:1"));
  EXPECT_EQ(ActiveChild()->GetActiveDocument(), pDoc);
  EXPECT_EQ(ViewCount(pDoc), 2);
  // A view that goes leaves its document; with one window again the number goes.
  ActiveChild()->SendMessage(WM_CLOSE);
  RunIdle();
  EXPECT_EQ(ViewCount(pDoc), 1);
  EXPECT_THAT(ChildTitles(), ElementsAre("Note1"));
}

TEST_F(DocViewTest, WindowMenuListsTheChildrenAndActivatesThem) {
  Start();
  NewNote();
  CMDIChildWnd* pFirst = ActiveChild();
  NewNote();
  ASSERT_NE(ActiveChild(), pFirst);
  // The Window popup is the menu bar's last; the MDI client appends the children.
  HMENU hMenuBar = ::GetMenu(MainFrame()->m_hWnd);
  HMENU hWindowMenu = ::GetSubMenu(hMenuBar, ::GetMenuItemCount(hMenuBar) - 1);
  MainFrame()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hWindowMenu),
                           ::GetMenuItemCount(hMenuBar) - 1);
  std::vector<std::string> entries;
  for (UINT nID = AFX_IDM_FIRST_MDICHILD; nID < AFX_IDM_FIRST_MDICHILD + 2; ++nID) {
    char text[64] = {};
    ::GetMenuStringA(hWindowMenu, nID, text, sizeof text, MF_BYCOMMAND);
    entries.push_back(text);
  }
  EXPECT_THAT(entries, ElementsAre("&1 Note1", "&2 Note2"));
  SendCommand(AFX_IDM_FIRST_MDICHILD);
  EXPECT_EQ(ActiveChild(), pFirst);
  EXPECT_EQ(ActiveChild()->GetActiveDocument()->GetTitle(), "Note1");
}

TEST_F(DocViewTest, TileAndCascadeArrangeTheChildren) {
  // Only children on the screen are arranged.
  Start("", SW_SHOW);
  NewNote();
  NewNote();
  SendCommand(ID_WINDOW_TILE_HORZ);
  // Tiled children share the client without overlapping.
  CRect rects[2];
  int i = 0;
  for (HWND hWnd = ::GetWindow(MainFrame()->m_hWndMDIClient, GW_CHILD); hWnd != nullptr && i < 2;
       hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    ::GetWindowRect(hWnd, &rects[i++]);
  ASSERT_EQ(i, 2);
  CRect overlap;
  EXPECT_FALSE(overlap.IntersectRect(&rects[0], &rects[1]));
  SendCommand(ID_WINDOW_CASCADE);
  ::GetWindowRect(::GetWindow(MainFrame()->m_hWndMDIClient, GW_CHILD), &rects[0]);
  ::GetWindowRect(::GetWindow(::GetWindow(MainFrame()->m_hWndMDIClient, GW_CHILD), GW_HWNDNEXT),
                  &rects[1]);
  EXPECT_TRUE(overlap.IntersectRect(&rects[0], &rects[1]));
}

}  // namespace
