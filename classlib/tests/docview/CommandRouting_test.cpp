// Who takes a command: the active view first, then its document, the
// document's template, the child frame, the main frame and the application
// last. Each route command is handled by its own target and every target
// after it, so the first one asked is the one that records it.
#include <string>
#include <vector>

#include "classlib/tests/docview/DocViewTestIds.h"
#include "classlib/tests/docview/DocViewTestSupport.h"

namespace {

using ::testing::ElementsAre;

struct RouteCase {
  UINT nID;
  const char* target;
};

// clang-format off
const RouteCase kRoutesWithADocument[] = {
  {ID_DVT_ROUTE_VIEW,        "view"},
  {ID_DVT_ROUTE_DOCUMENT,    "document"},
  {ID_DVT_ROUTE_TEMPLATE,    "template"},
  {ID_DVT_ROUTE_CHILD_FRAME, "child frame"},
  {ID_DVT_ROUTE_MAIN_FRAME,  "main frame"},
  {ID_DVT_ROUTE_APPLICATION, "application"},
};
// Without a document the main frame is the first target.
const RouteCase kRoutesWithoutADocument[] = {
  {ID_DVT_ROUTE_VIEW,        "main frame"},
  {ID_DVT_ROUTE_MAIN_FRAME,  "main frame"},
  {ID_DVT_ROUTE_APPLICATION, "application"},
};
// clang-format on

std::vector<std::string> Targets() {
  std::vector<std::string> targets;
  for (const RoutedCommand& command : RoutedCommands()) targets.push_back(command.target);
  return targets;
}

TEST_F(DocViewTest, ACommandReachesTheActiveViewFirstAndTheApplicationLast) {
  Start();
  NewNote();
  for (const RouteCase& c : kRoutesWithADocument) {
    SCOPED_TRACE(c.target);
    RoutedCommands().clear();
    SendCommand(c.nID);
    EXPECT_THAT(Targets(), ElementsAre(c.target));
  }
}

TEST_F(DocViewTest, WithoutADocumentCommandsStartAtTheMainFrame) {
  Start();
  ASSERT_EQ(ActiveChild(), nullptr);
  for (const RouteCase& c : kRoutesWithoutADocument) {
    SCOPED_TRACE(c.nID);
    RoutedCommands().clear();
    SendCommand(c.nID);
    EXPECT_THAT(Targets(), ElementsAre(c.target));
  }
}

TEST_F(DocViewTest, TheActiveChildsAcceleratorsReachTheView) {
  Start();
  NewNote();
  HWND hWndView = ActiveChild()->GetActiveView()->m_hWnd;
  // F7 is in the note template's accelerators only.
  MSG msg = {hWndView, WM_KEYDOWN, VK_F7, 0x00410001, 0, {0, 0}};
  EXPECT_TRUE(m_app->PreTranslateMessage(&msg));
  RunIdle();
  EXPECT_THAT(Targets(), ElementsAre("view"));
}

TEST_F(DocViewTest, UpdateHandlersFollowTheSameRoute) {
  Start();
  NewNote();
  // Menu updates ask the same targets: every route command finds its
  // handler, wherever it is, and stays enabled.
  HMENU hMenuBar = ::GetMenu(MainFrame()->m_hWnd);
  HMENU hRouteMenu = ::GetSubMenu(hMenuBar, 1);
  MainFrame()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hRouteMenu), 1);
  for (UINT nID = ID_DVT_ROUTE_VIEW; nID <= ID_DVT_ROUTE_APPLICATION; ++nID)
    EXPECT_EQ(::GetMenuState(hRouteMenu, nID, MF_BYCOMMAND) & MF_GRAYED, 0u) << nID;
}

}  // namespace
