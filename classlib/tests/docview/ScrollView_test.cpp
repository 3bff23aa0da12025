// The note view scrolls: the bars come with a document larger than the
// window, each scroll request moves by its step within the document, and
// drawing follows the scroll position.
#include <string>

#include "classlib/tests/docview/DocViewTestSupport.h"
#include "classlib/win/WindowDCs.h"

namespace {

constexpr int kLineCount = 100;

class ScrollViewTest : public DocViewTest {
 protected:
  void SetUp() override {
    DocViewTest::SetUp();
    Start();
    NewNote();
    m_pView = static_cast<CNoteView*>(ActiveChild()->GetActiveView());
    std::string text = "Line 0";
    for (int i = 1; i < kLineCount; ++i) text += "\nLine " + std::to_string(i);
    m_pView->GetDocument()->SetText(text.c_str());
    RunIdle();
  }

  int ClientHeight() const {
    CRect rect;
    m_pView->GetClientRect(&rect);
    return rect.Height();
  }

  CNoteView* m_pView = nullptr;
};

struct ScrollCase {
  UINT nCode;
  UINT nThumb;
  int startY;
  // The position reached, given the client height h and the document height H.
  int (*expectedY)(int h, int H);
};

// clang-format off
const ScrollCase kVerticalScrolls[] = {
  {SB_LINEDOWN,   0,    0,   [](int, int) { return CNoteView::kLineHeight; }},
  {SB_LINEUP,     0,    100, [](int, int) { return 100 - CNoteView::kLineHeight; }},
  {SB_LINEUP,     0,    0,   [](int, int) { return 0; }},
  {SB_PAGEDOWN,   0,    0,   [](int, int) { return 5 * CNoteView::kLineHeight; }},
  {SB_PAGEUP,     0,    300, [](int, int) { return 300 - 5 * CNoteView::kLineHeight; }},
  {SB_BOTTOM,     0,    0,   [](int h, int H) { return H - h; }},
  {SB_TOP,        0,    300, [](int, int) { return 0; }},
  {SB_THUMBTRACK, 333,  0,   [](int, int) { return 333; }},
  {SB_THUMBTRACK, 9999, 0,   [](int h, int H) { return H - h; }},
};
// clang-format on

TEST_F(ScrollViewTest, EachRequestMovesByItsStepWithinTheDocument) {
  ASSERT_TRUE(m_pView->GetStyle() & WS_VSCROLL);
  const int nTotal = kLineCount * CNoteView::kLineHeight;
  EXPECT_EQ(m_pView->GetTotalSize().cy, nTotal);
  for (const ScrollCase& c : kVerticalScrolls) {
    SCOPED_TRACE(testing::Message() << "code " << c.nCode << " from " << c.startY);
    m_pView->ScrollToPosition(CPoint(0, c.startY));
    ASSERT_EQ(m_pView->GetScrollPosition().y, c.startY);
    m_pView->SendMessage(WM_VSCROLL, MAKEWPARAM(c.nCode, c.nThumb), 0);
    int expected = c.expectedY(ClientHeight(), nTotal);
    EXPECT_EQ(m_pView->GetScrollPosition().y, expected);
    EXPECT_EQ(m_pView->GetScrollPos(SB_VERT), expected);
  }
}

TEST_F(ScrollViewTest, TheBarsGoWhenTheDocumentFits) {
  m_pView->ScrollToPosition(CPoint(0, 200));
  m_pView->GetDocument()->SetText("one line");
  RunIdle();
  EXPECT_FALSE(m_pView->GetStyle() & WS_VSCROLL);
  EXPECT_EQ(m_pView->GetScrollPosition(), CPoint(0, 0));
  // A scroll request without a bar does nothing.
  m_pView->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
  EXPECT_EQ(m_pView->GetScrollPosition(), CPoint(0, 0));
}

TEST_F(ScrollViewTest, GrowingTheWindowBringsThePositionBackWithinTheDocument) {
  m_pView->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), 0);
  int nBottom = m_pView->GetScrollPosition().y;
  ASSERT_GT(nBottom, 0);
  // Taller by 100 pixels: the last line stays at the bottom.
  CRect rect;
  ActiveChild()->GetWindowRect(&rect);
  ::MapWindowPoints(nullptr, MainFrame()->m_hWndMDIClient, reinterpret_cast<POINT*>(&rect), 2);
  ActiveChild()->MoveWindow(rect.left, rect.top, rect.Width(), rect.Height() + 100);
  EXPECT_EQ(m_pView->GetScrollPosition().y, nBottom - 100);
}

TEST_F(ScrollViewTest, TheDrawingOriginFollowsTheScrollPosition) {
  m_pView->ScrollToPosition(CPoint(0, 240));
  CClientDC dc(m_pView);
  m_pView->OnPrepareDC(&dc);
  EXPECT_EQ(dc.GetViewportOrg(), CPoint(0, -240));
  // Line 12 is drawn at the top of the window.
  CPoint ptLine12(0, 12 * CNoteView::kLineHeight);
  dc.LPtoDP(&ptLine12);
  EXPECT_EQ(ptLine12.y, 0);
}

TEST_F(ScrollViewTest, TheWheelScrollsByLines) {
  UINT nLines = 3;
  ::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &nLines, 0);
  m_pView->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(m_pView->GetScrollPosition().y, static_cast<int>(nLines) * CNoteView::kLineHeight);
}

}  // namespace
