// The note view scrolls: the bars come with a document larger than the
// window, each scroll request moves by its step within the document, and
// drawing follows the scroll position.
#include <algorithm>
#include <string>

#include "classlib/tests/docview/CardDocument.h"
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

  CNoteView* m_pView = nullptr;
};

struct ScrollCase {
  UINT nMessage;  // WM_HSCROLL or WM_VSCROLL
  UINT nCode;
  UINT nThumb;
  int start;
  // The position reached, given the window's extent and the document's in that direction.
  int (*expected)(int nWindow, int nDocument);
};

constexpr int kLine = CNoteView::kLineHeight;
constexpr int kPage = 5 * CNoteView::kLineHeight;
constexpr int kColumn = 10;
constexpr int kColumnPage = CNoteView::kPageWidth / 2;

// clang-format off
const ScrollCase kScrolls[] = {
  {WM_VSCROLL, SB_LINEDOWN,   0,    0,   [](int, int) { return kLine; }},
  {WM_VSCROLL, SB_LINEUP,     0,    100, [](int, int) { return 100 - kLine; }},
  {WM_VSCROLL, SB_LINEUP,     0,    0,   [](int, int) { return 0; }},
  {WM_VSCROLL, SB_PAGEDOWN,   0,    0,   [](int, int) { return kPage; }},
  {WM_VSCROLL, SB_PAGEUP,     0,    300, [](int, int) { return 300 - kPage; }},
  {WM_VSCROLL, SB_BOTTOM,     0,    0,   [](int w, int d) { return d - w; }},
  {WM_VSCROLL, SB_TOP,        0,    300, [](int, int) { return 0; }},
  {WM_VSCROLL, SB_THUMBTRACK, 333,  0,   [](int, int) { return 333; }},
  {WM_VSCROLL, SB_THUMBTRACK, 9999, 0,   [](int w, int d) { return d - w; }},
  {WM_HSCROLL, SB_LINEDOWN,   0,    0,   [](int, int) { return kColumn; }},
  {WM_HSCROLL, SB_PAGEDOWN,   0,    0,   [](int w, int d) { return std::min(kColumnPage, d - w); }},
  {WM_HSCROLL, SB_BOTTOM,     0,    0,   [](int w, int d) { return d - w; }},
};
// clang-format on

TEST_F(ScrollViewTest, EachRequestMovesByItsStepWithinTheDocument) {
  // The window is smaller than the document both ways.
  ASSERT_TRUE(m_pView->GetStyle() & WS_VSCROLL);
  ASSERT_TRUE(m_pView->GetStyle() & WS_HSCROLL);
  const CSize sizeTotal(CNoteView::kPageWidth, kLineCount * CNoteView::kLineHeight);
  EXPECT_EQ(m_pView->GetTotalSize(), sizeTotal);
  CRect rectClient;
  m_pView->GetClientRect(&rectClient);
  for (const ScrollCase& c : kScrolls) {
    bool bVertical = c.nMessage == WM_VSCROLL;
    SCOPED_TRACE(testing::Message() << (bVertical ? "vertical" : "horizontal") << " code "
                                    << c.nCode << " from " << c.start);
    m_pView->ScrollToPosition(bVertical ? CPoint(0, c.start) : CPoint(c.start, 0));
    m_pView->SendMessage(c.nMessage, MAKEWPARAM(c.nCode, c.nThumb), 0);
    int expected = bVertical ? c.expected(rectClient.Height(), sizeTotal.cy)
                             : c.expected(rectClient.Width(), sizeTotal.cx);
    CPoint ptPos = m_pView->GetScrollPosition();
    EXPECT_EQ(bVertical ? ptPos.y : ptPos.x, expected);
    EXPECT_EQ(m_pView->GetScrollPos(bVertical ? SB_VERT : SB_HORZ), expected);
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

TEST_F(ScrollViewTest, AFormScrollsWhenItsWindowIsSmallerThanItsTemplate) {
  m_app->m_pCardTemplate->OpenDocumentFile(nullptr);
  RunIdle();
  auto* pForm = static_cast<CCardView*>(ActiveChild()->GetActiveView());
  CRect rectTemplate(0, 0, 200, 80);  // the template's size in dialog units
  ::MapDialogRect(pForm->m_hWnd, &rectTemplate);
  EXPECT_EQ(pForm->GetTotalSize(), rectTemplate.Size());
  ActiveChild()->MoveWindow(0, 0, rectTemplate.Width() / 2, rectTemplate.Height() / 2);
  EXPECT_TRUE(pForm->GetStyle() & WS_HSCROLL);
  EXPECT_TRUE(pForm->GetStyle() & WS_VSCROLL);
}

}  // namespace
