// The toolkit's MDI frame with a docking window, a tabbed docking window
// with two views, a toolbar and a status bar, driven with real mouse and
// keyboard input: docked on each side, floated, two windows in one
// row resized by their splitter, expanded and contracted, hidden by the
// caption button, views cycled by Ctrl+Tab and F6, and the layout saved,
// the frame made again and the layout restored. A picture of each state is
// kept in the screenshots folder.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "classlib/tests/win/DockTestSupport.h"
#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/AfxRes.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CDockBar.h"
#include "classlib/win/CStatusBar.h"
#include "classlib/win/CView.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"
#include "toolkit/tests/win/KWMouseInput.h"
#include "toolkit/tests/win/ToolkitTestIds.h"
#include "toolkit/win/CKWDockBar.h"
#include "toolkit/win/CKWDockSplitter.h"
#include "toolkit/win/CKWDockState.h"
#include "classlib/core/DockScreenScale.h"
#include "classlib/core/DockStateNames.h"
#include "toolkit/core/KWSavedLayout.h"
#include "toolkit/win/CKWDockWindow.h"
#include "toolkit/win/CKWMDIFrameWnd.h"
#include "toolkit/win/CKWProfileStore.h"
#include "toolkit/win/CKWTabCtrlBar.h"
#include "toolkit/win/CKWToolBar.h"

namespace docking_journey_test {

constexpr char kCompanyKey[] = "Zulta Docking Journey Test";
constexpr char kProfile[] = "JourneyBars";
constexpr UINT kLexiconId = 0xE850;
constexpr UINT kTablesId = 0xE851;
constexpr UINT kToolBarId = AFX_IDW_TOOLBAR;
const CSize kLexiconSize(200, 140);
const CSize kTablesSize(220, 140);
const CRect kFramePlace(20, 20, 780, 580);
constexpr int kSplitterDrag = 40;
// How long one look for the typed keys' effect waits for a message.
constexpr DWORD kKeyPollMs = 10;

// The dock sides, named for the pictures.
struct DockSide {
  UINT nID;
  const char* name;
};
const DockSide kSides[] = {{AFX_IDW_DOCKBAR_TOP, "top"},
                           {AFX_IDW_DOCKBAR_BOTTOM, "bottom"},
                           {AFX_IDW_DOCKBAR_LEFT, "left"},
                           {AFX_IDW_DOCKBAR_RIGHT, "right"}};

// Views that fill themselves with a colour of their own.
class CJourneyView : public CView {
  DECLARE_DYNCREATE(CJourneyView)
 public:
  void OnDraw(CDC* pDC) override {
    static const COLORREF kColours[] = {RGB(220, 235, 255), RGB(255, 235, 210)};
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, kColours[GetDlgCtrlID() % 2]);
  }
};
IMPLEMENT_DYNCREATE(CJourneyView, CView)

class CJourneyFrame : public CKWMDIFrameWnd {
 public:
  CKWToolBar m_toolBar;
  CStatusBar m_statusBar;
  CKWDockWindow m_lexicon;
  CWnd m_lexiconPane;
  CKWTabCtrlBar m_tables;

  // With bTables the tabbed window is made too (a later program may not).
  BOOL Build(bool bTables) {
    // Made before the dock bars, the status bar is laid out first: below them.
    static const UINT indicators[] = {ID_SEPARATOR};
    if (!m_statusBar.Create(this) || !m_statusBar.SetIndicators(indicators, 1)) return FALSE;
    // The toolkit's dock bars on every side and its floating frames.
    EnableDocking(CBRS_ALIGN_ANY);
    if (!m_toolBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER, kToolBarId) ||
        !m_toolBar.LoadToolBar(IDR_KWTEST_TOOLBAR))
      return FALSE;
    LPCSTR lpszWhite =
        AfxRegisterWndClass(0, nullptr, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    if (!m_lexicon.Create(this, kLexiconId, "Lexicon", kLexiconSize, CBRS_LEFT | CBRS_GRIPPER,
                          CKWControlBar::kExStyleDefault) ||
        !m_lexiconPane.Create(lpszWhite, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1),
                              &m_lexicon, AFX_IDW_PANE_FIRST))
      return FALSE;
    m_lexicon.SetChild(&m_lexiconPane);
    m_toolBar.EnableDocking(CBRS_ALIGN_ANY);
    m_lexicon.EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_toolBar, AFX_IDW_DOCKBAR_TOP);
    DockControlBar(&m_lexicon, AFX_IDW_DOCKBAR_LEFT);
    if (bTables) {
      if (!m_tables.Create(this, kTablesId, "Tables", kTablesSize, CBRS_RIGHT | CBRS_GRIPPER,
                           CKWControlBar::kExStyleDefault) ||
          !m_tables.AddView("Verbs", RUNTIME_CLASS(CJourneyView), nullptr) ||
          !m_tables.AddView("Nouns", RUNTIME_CLASS(CJourneyView), nullptr))
        return FALSE;
      m_tables.EnableDocking(CBRS_ALIGN_ANY);
      DockControlBar(&m_tables, AFX_IDW_DOCKBAR_RIGHT);
    }
    RecalcLayout();
    return TRUE;
  }
};

CRect WindowRect(const CWnd& wnd) {
  CRect rect;
  wnd.GetWindowRect(&rect);
  return rect;
}

std::string Text(const CRect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

UINT DockSideOf(const CControlBar& bar) {
  return bar.m_pDockBar != nullptr ? static_cast<UINT>(bar.m_pDockBar->GetDlgCtrlID()) : 0;
}

class DockingJourneyTest : public AppTest {
 protected:
  void SetUp() override {
    DeleteCompanyKey();
    m_app.SetRegistryKey(kCompanyKey);
  }
  void TearDown() override {
    if (::IsWindow(m_hFrame)) ::DestroyWindow(m_hFrame);
    DeleteCompanyKey();
    AppTest::TearDown();
  }
  static void DeleteCompanyKey() {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\") + kCompanyKey).c_str());
  }

  // The frame on the screen and active, as the user's program is.
  void OpenFrame(bool bTables = true) {
    m_pFrame = new CJourneyFrame;
    ASSERT_TRUE(m_pFrame->Create(nullptr, "Docking journey", WS_POPUP | WS_BORDER | WS_CLIPCHILDREN,
                                 kFramePlace));
    m_hFrame = m_pFrame->m_hWnd;
    m_app.m_pMainWnd = m_pFrame;
    ASSERT_TRUE(m_pFrame->Build(bTables));
    m_pFrame->ShowWindow(SW_SHOW);
    ::SetForegroundWindow(m_hFrame);
    m_pFrame->RecalcLayout();
    m_pFrame->UpdateWindow();
    PumpPending();
  }
  void CloseFrame() {
    ::DestroyWindow(m_hFrame);
    PumpPending();
    m_pFrame = nullptr;
    m_app.m_pMainWnd = nullptr;
  }

  // The screen around the frame, painted, as a picture in the screenshots folder.
  void Picture(const std::string& name) {
    ::RedrawWindow(nullptr, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    m_pFrame->RecalcLayout();
    m_pFrame->RedrawWindow(nullptr, nullptr,
                           RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpPending();
    RgbImage image = CaptureWindow(::GetDesktopWindow());
    SaveScreenshot(image, "journey_" + name);
  }

  // A press at from and the mouse moved to to in steps, queued as real input
  // that the drag loop the press starts reads; the release comes once all of
  // it has been taken, there. Waits until done() holds.
  void Drag(CPoint from, CPoint to, const std::function<bool()>& done) {
    docktest::AfterInput([] { docktest::Send({docktest::LeftUp()}); });
    docktest::Drag(from, to, false);
    EXPECT_TRUE(WaitFor(done)) << "drag from " << from.x << "," << from.y << " to " << to.x << ","
                               << to.y;
    docktest::PendingStep() = nullptr;
    m_pFrame->RecalcLayout();
    PumpPending();
  }
  void ClickAt(CPoint pt, const std::function<bool()>& done) {
    kwtest::Click(pt);
    EXPECT_TRUE(WaitFor(done)) << "click at " << pt.x << "," << pt.y;
    PumpPending();
  }
  // Keys pressed and released as real input, the messages offered to the
  // windows from the focus up to the frame before they are dispatched, as a
  // program's message loop does.
  void PressKeys(const std::vector<WORD>& keys, const std::function<bool()>& done) {
    std::vector<INPUT> inputs;
    for (WORD vk : keys) inputs.push_back(KeyInput(vk, 0));
    for (auto it = keys.rbegin(); it != keys.rend(); ++it) inputs.push_back(KeyInput(*it, KEYEVENTF_KEYUP));
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    const DWORD dwStart = ::GetTickCount();
    while (!done() && ::GetTickCount() - dwStart < kWaitTimeoutMs) {
      MSG msg;
      while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (CWnd::WalkPreTranslateTree(m_hFrame, &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
      }
      ::MsgWaitForMultipleObjects(0, nullptr, FALSE, kKeyPollMs, QS_ALLINPUT);
    }
    EXPECT_TRUE(done());
  }
  static INPUT KeyInput(WORD vk, DWORD dwFlags) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = dwFlags;
    return input;
  }

  // Where a docking window is taken hold of: its caption strip, clear of
  // its buttons, or its floating frame's caption.
  static CPoint GripOf(const CKWDockWindow& window) {
    if (window.IsFloating()) {
      CWnd* pFrame = window.GetParentFrame();
      const CRect frame = WindowRect(*pFrame);
      CRect client;
      pFrame->GetClientRect(&client);
      pFrame->ClientToScreen(&client);
      return CPoint(frame.left + 8, (frame.top + client.top) / 2);
    }
    CRect strip = window.GetGripperRect();
    window.ClientToScreen(&strip);
    return CPoint(strip.left + 4, strip.top + strip.Height() / 2);
  }
  // A toolbar's gripper at its start.
  static CPoint GripOf(const CKWToolBar& bar) {
    const CRect rect = WindowRect(bar);
    return (bar.GetBarStyle() & CBRS_ORIENT_HORZ) ? CPoint(rect.left + 3, rect.top + rect.Height() / 2)
                                                   : CPoint(rect.left + rect.Width() / 2, rect.top + 3);
  }
  // Where a drop docks on a side: the middle of that dock bar, which is a
  // line of no depth when empty.
  CPoint DropOn(UINT nSide) {
    CRect rect = WindowRect(*m_pFrame->GetControlBar(nSide));
    return CPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  }
  // The middle of the MDI client, away from every dock bar.
  CPoint FreeMiddle() {
    CRect rect;
    ::GetWindowRect(m_pFrame->m_hWndMDIClient, &rect);
    return rect.CenterPoint();
  }

  // A bar dragged by its grip onto a side.
  template <typename Bar>
  void DockOn(Bar& bar, UINT nSide) {
    if (bar.IsFloating()) {
      // A floating frame may have gone behind its frame when that was last
      // clicked; the user brings it up before taking its caption.
      CWnd* pFloating = bar.GetParentFrame();
      ::SetWindowPos(pFloating->m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      const CPoint grip = GripOf(bar);
      EXPECT_TRUE(WaitFor([&] {
        return ::GetAncestor(::WindowFromPoint(grip), GA_ROOT) == pFloating->m_hWnd;
      }));
    }
    Drag(GripOf(bar), DropOn(nSide), [&] { return DockSideOf(bar) == nSide; });
    ASSERT_EQ(DockSideOf(bar), nSide) << SideName(nSide);
  }
  // A docking window dragged into the middle of the frame, away from every
  // dock bar: it floats there, its frame on the screen.
  void FloatAway(CKWDockWindow& window, CSize offset = CSize(0, 0)) {
    const CPoint drop = FreeMiddle() + offset;
    Drag(GripOf(window), drop, [&] { return window.IsFloating() != FALSE; });
    ASSERT_TRUE(window.IsFloating());
    CRect floating = WindowRect(*window.GetParentFrame());
    CRect screen(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    CRect inside;
    EXPECT_TRUE(inside.IntersectRect(&floating, &screen)) << Text(floating);
    EXPECT_TRUE(window.GetParentFrame()->IsWindowVisible());
    Picture(std::string("floating_") + std::to_string(++m_nFloats));
  }
  static const char* SideName(UINT nSide) {
    for (const DockSide& side : kSides)
      if (side.nID == nSide) return side.name;
    return "none";
  }

  CJourneyFrame* m_pFrame = nullptr;
  HWND m_hFrame = nullptr;
  int m_nFloats = 0;
};

TEST_F(DockingJourneyTest, DockingWindowDocksOnEachSideAndFloats) {
  ASSERT_NO_FATAL_FAILURE(OpenFrame());
  Picture("start");
  CKWDockWindow& lexicon = m_pFrame->m_lexicon;
  ASSERT_EQ(DockSideOf(lexicon), static_cast<UINT>(AFX_IDW_DOCKBAR_LEFT));
  // Each side in turn, straight from one side to the next, once by way of
  // a floating frame.
  const UINT kFloat = 0;
  for (UINT nSide : {static_cast<UINT>(AFX_IDW_DOCKBAR_RIGHT), static_cast<UINT>(AFX_IDW_DOCKBAR_TOP),
                     static_cast<UINT>(AFX_IDW_DOCKBAR_BOTTOM), kFloat,
                     static_cast<UINT>(AFX_IDW_DOCKBAR_LEFT)}) {
    if (nSide == kFloat) {
      ASSERT_NO_FATAL_FAILURE(FloatAway(lexicon));
      continue;
    }
    ASSERT_NO_FATAL_FAILURE(DockOn(lexicon, nSide));
    EXPECT_TRUE(lexicon.IsWindowVisible());
    // In its dock bar, no deeper than the deepest window was made.
    const CRect bar = WindowRect(lexicon);
    const CRect dock = WindowRect(*lexicon.m_pDockBar);
    EXPECT_TRUE(dock.PtInRect(bar.CenterPoint())) << Text(bar) << " in " << Text(dock);
    const bool bHorz = nSide == AFX_IDW_DOCKBAR_TOP || nSide == AFX_IDW_DOCKBAR_BOTTOM;
    EXPECT_LE(bHorz ? bar.Height() : bar.Width(), kTablesSize.cx) << Text(bar);
    // The other window keeps its place in the frame.
    CRect client;
    m_pFrame->GetClientRect(&client);
    m_pFrame->ClientToScreen(&client);
    const CRect other = WindowRect(m_pFrame->m_tables);
    EXPECT_TRUE(client.PtInRect(other.TopLeft()) && client.PtInRect(other.BottomRight() - CSize(1, 1)))
        << Text(other) << " in " << Text(client);
    Picture(std::string("docked_") + SideName(nSide));
  }
}

// The two docking windows side by side in the bottom row.
class DockingRowJourneyTest : public DockingJourneyTest {
 protected:
  void DockBothInTheBottomRow() {
    ASSERT_NO_FATAL_FAILURE(OpenFrame());
    CKWDockWindow& lexicon = m_pFrame->m_lexicon;
    CKWTabCtrlBar& tables = m_pFrame->m_tables;
    ASSERT_NO_FATAL_FAILURE(DockOn(lexicon, AFX_IDW_DOCKBAR_BOTTOM));
    ASSERT_NO_FATAL_FAILURE(FloatAway(tables));
    // Dropped on the right half of the first: the same row, behind it.
    CRect first = WindowRect(lexicon);
    Drag(GripOf(tables), CPoint(first.right - 20, first.top + first.Height() / 2),
         [&] { return DockSideOf(tables) == AFX_IDW_DOCKBAR_BOTTOM; });
    ASSERT_EQ(WindowRect(lexicon).top, WindowRect(tables).top);
    ASSERT_LT(WindowRect(lexicon).left, WindowRect(tables).left);
  }
  // The bar splitter between the two, on the screen.
  CRect BarSplitter() {
    auto* pDockBar = static_cast<CKWDockBar*>(m_pFrame->GetControlBar(AFX_IDW_DOCKBAR_BOTTOM));
    for (int i = 0; i < pDockBar->GetSplitterCount(); ++i) {
      CKWDockSplitter* pSplitter = pDockBar->GetSplitter(i);
      if (pSplitter->IsRowSplitter()) continue;
      CRect rect = pSplitter->GetRect();
      pDockBar->ClientToScreen(&rect);
      return rect;
    }
    return CRect();
  }
  static CPoint CenterOf(const CWnd* pWnd) { return WindowRect(*pWnd).CenterPoint(); }
};

TEST_F(DockingRowJourneyTest, TwoWindowsShareARowAndTheSplitterMovesTheirBoundary) {
  ASSERT_NO_FATAL_FAILURE(DockBothInTheBottomRow());
  Picture("one_row");
  CKWDockWindow& lexicon = m_pFrame->m_lexicon;
  CKWTabCtrlBar& tables = m_pFrame->m_tables;
  const CRect splitter = BarSplitter();
  ASSERT_FALSE(splitter.IsRectEmpty());
  EXPECT_GE(splitter.left, WindowRect(lexicon).right - 1);
  EXPECT_LE(splitter.right, WindowRect(tables).left + 1);
  const int nFirstWidth = WindowRect(lexicon).Width();
  const int nSecondLeft = WindowRect(tables).left;
  const CPoint grip = splitter.CenterPoint();
  Drag(grip, grip + CSize(kSplitterDrag, 0),
       [&] { return WindowRect(lexicon).Width() != nFirstWidth; });
  EXPECT_EQ(WindowRect(lexicon).Width(), nFirstWidth + kSplitterDrag);
  EXPECT_EQ(WindowRect(tables).left, nSecondLeft + kSplitterDrag);
  Picture("split");
}

TEST_F(DockingRowJourneyTest, CaptionButtonsExpandContractAndHide) {
  ASSERT_NO_FATAL_FAILURE(DockBothInTheBottomRow());
  CKWDockWindow& lexicon = m_pFrame->m_lexicon;
  CKWTabCtrlBar& tables = m_pFrame->m_tables;
  m_pFrame->SendMessageToDescendants(WM_IDLEUPDATECMDUI, FALSE, 0, TRUE, TRUE);
  ASSERT_TRUE(lexicon.GetExpandButton()->IsWindowEnabled());
  const int nWidth = WindowRect(lexicon).Width();
  ClickAt(CenterOf(lexicon.GetExpandButton()), [&] { return lexicon.IsExpanded() != FALSE; });
  EXPECT_GT(WindowRect(lexicon).Width(), nWidth);
  Picture("expanded");
  ClickAt(CenterOf(lexicon.GetExpandButton()), [&] { return !lexicon.IsExpanded(); });
  EXPECT_EQ(WindowRect(lexicon).Width(), nWidth);
  Picture("contracted");
  ClickAt(CenterOf(tables.GetHideButton()), [&] { return !tables.IsWindowVisible(); });
  m_pFrame->RecalcLayout();
  EXPECT_TRUE(lexicon.IsWindowVisible());
  Picture("hidden");
}

TEST_F(DockingJourneyTest, CtrlTabAndF6CycleTheTabbedViews) {
  ASSERT_NO_FATAL_FAILURE(OpenFrame());
  CKWTabCtrl& tabs = m_pFrame->m_tables.GetTabCtrl();
  ASSERT_EQ(tabs.GetItemCount(), 2);
  tabs.SetActiveView(0);
  // The keyboard's focus in the shown view, by a click on it.
  CWnd* pView = tabs.GetView(0);
  ClickAt(WindowRect(*pView).CenterPoint(), [&] { return ::GetFocus() == pView->m_hWnd; });
  ASSERT_EQ(::GetFocus(), pView->m_hWnd);
  PressKeys({VK_CONTROL, VK_TAB}, [&] { return tabs.GetCurSel() == 1; });
  EXPECT_EQ(tabs.GetActiveView(), tabs.GetView(1));
  EXPECT_TRUE(tabs.GetView(1)->IsWindowVisible());
  EXPECT_FALSE(tabs.GetView(0)->IsWindowVisible());
  Picture("second_tab");
  PressKeys({VK_F6}, [&] { return tabs.GetCurSel() == 0; });
  PressKeys({VK_SHIFT, VK_F6}, [&] { return tabs.GetCurSel() == 1; });
  PressKeys({VK_CONTROL, VK_TAB}, [&] { return tabs.GetCurSel() == 0; });
  EXPECT_TRUE(tabs.GetView(0)->IsWindowVisible());
}

// Where each bar of the frame is, as a restored layout must give it back.
struct BarPlace {
  UINT nSide;
  BOOL bFloating;
  BOOL bVisible;
  CRect rect;
};

class RestartJourneyTest : public DockingJourneyTest {
 protected:
  static BarPlace PlaceOf(const CControlBar& bar) {
    return {DockSideOf(bar), bar.IsFloating(), bar.IsWindowVisible(), WindowRect(bar)};
  }
  static void ExpectPlace(const BarPlace& place, const CControlBar& bar, const char* name) {
    const BarPlace now = PlaceOf(bar);
    EXPECT_EQ(now.nSide, place.nSide) << name;
    EXPECT_EQ(now.bFloating, place.bFloating) << name;
    EXPECT_EQ(now.bVisible, place.bVisible) << name;
    EXPECT_EQ(Text(now.rect), Text(place.rect)) << name;
  }
  // Runs fn with each docking window of the frame and the section of its
  // bar record, found by "BarID": the docking windows keep their sizes there
  // beside the layout.
  void ForEachDockWindowSection(const std::function<void(CKWDockWindow&, LPCSTR)>& fn) {
    CKWProfileStore store;
    for (CKWDockWindow* pWindow : {static_cast<CKWDockWindow*>(&m_pFrame->m_lexicon),
                                   static_cast<CKWDockWindow*>(&m_pFrame->m_tables)}) {
      if (pWindow->m_hWnd == nullptr) continue;
      for (int n = 0; n < kKWMaxSavedBars; ++n) {
        CString strSection;
        strSection.Format(dockstate::kBarSection, kProfile, n);
        const int nID = store.GetInt(strSection, dockstate::kBarID, kNoDockPosition);
        if (nID == kNoDockPosition) break;
        if (nID != pWindow->GetDlgCtrlID()) continue;
        fn(*pWindow, strSection);
        break;
      }
    }
  }
  // The frame's bars and the docking windows' sizes into the profile, as the
  // program keeps them before it ends.
  void SaveLayout() { m_pFrame->SaveBarState(kProfile); }
  // ... and back, as the program starts.
  void LoadLayout() {
    m_pFrame->LoadBarState(kProfile);
    m_pFrame->RecalcLayout();
    PumpPending();
  }
  // The docking windows' sizes, then the saved layout fitted to the frame
  // and applied, whatever bars it names that the frame no longer has;
  // answers the records dropped.
  int RestoreFittedLayout() {
    ForEachDockWindowSection([](CKWDockWindow& window, LPCSTR lpszSection) {
      window.LoadBarPosition(lpszSection);
    });
    CKWDockState state;
    state.LoadState(kProfile);
    const int nDropped = state.FitToFrame(m_pFrame);
    m_pFrame->SetDockState(state);
    m_pFrame->RecalcLayout();
    PumpPending();
    return nDropped;
  }
  // Lexicon docked at the bottom, the tables floating and the toolbar docked
  // on the left: nothing where a new frame puts it.
  void Rearrange() {
    ASSERT_NO_FATAL_FAILURE(DockOn(m_pFrame->m_lexicon, AFX_IDW_DOCKBAR_BOTTOM));
    ASSERT_NO_FATAL_FAILURE(FloatAway(m_pFrame->m_tables, CSize(60, -40)));
    ASSERT_NO_FATAL_FAILURE(DockOn(m_pFrame->m_toolBar, AFX_IDW_DOCKBAR_LEFT));
    // Dropped halfway down, the toolbar moves up to show all its buttons.
    const CKWToolBar& bar = m_pFrame->m_toolBar;
    EXPECT_FALSE(bar.HasHiddenButtons());
    const CRect dock = WindowRect(*bar.m_pDockBar);
    EXPECT_LE(WindowRect(bar).bottom, dock.bottom) << Text(WindowRect(bar)) << " in " << Text(dock);
    CRect last;
    bar.GetItemRect(bar.CommandToIndex(ID_KWTEST_MAGENTA), &last);
    bar.ClientToScreen(&last);
    EXPECT_LE(last.bottom, dock.bottom) << Text(last) << " in " << Text(dock);
  }
};

TEST_F(RestartJourneyTest, LayoutSavedBeforeARestartComesBack) {
  ASSERT_NO_FATAL_FAILURE(OpenFrame());
  ASSERT_NO_FATAL_FAILURE(Rearrange());
  Picture("before_restart");
  const BarPlace lexicon = PlaceOf(m_pFrame->m_lexicon);
  const BarPlace tables = PlaceOf(m_pFrame->m_tables);
  const BarPlace toolBar = PlaceOf(m_pFrame->m_toolBar);
  const BarPlace statusBar = PlaceOf(m_pFrame->m_statusBar);
  ASSERT_TRUE(tables.bFloating);
  SaveLayout();
  CloseFrame();

  ASSERT_NO_FATAL_FAILURE(OpenFrame());
  EXPECT_EQ(DockSideOf(m_pFrame->m_lexicon), static_cast<UINT>(AFX_IDW_DOCKBAR_LEFT));
  Picture("restarted");
  LoadLayout();
  ASSERT_TRUE(WaitFor([&] { return m_pFrame->m_tables.GetParentFrame()->IsWindowVisible(); }));
  // A floating frame made for a saved layout is owned by the frame, as one
  // made by a drag is.
  EXPECT_EQ(::GetWindow(m_pFrame->m_tables.GetParentFrame()->m_hWnd, GW_OWNER), m_hFrame);
  Picture("restored");
  ExpectPlace(lexicon, m_pFrame->m_lexicon, "lexicon");
  ExpectPlace(tables, m_pFrame->m_tables, "tables");
  ExpectPlace(toolBar, m_pFrame->m_toolBar, "toolbar");
  ExpectPlace(statusBar, m_pFrame->m_statusBar, "status bar");
}

TEST_F(RestartJourneyTest, ALaterFrameWithoutOneWindowTakesTheRest) {
  ASSERT_NO_FATAL_FAILURE(OpenFrame());
  ASSERT_NO_FATAL_FAILURE(Rearrange());
  const BarPlace lexicon = PlaceOf(m_pFrame->m_lexicon);
  const BarPlace toolBar = PlaceOf(m_pFrame->m_toolBar);
  SaveLayout();
  CloseFrame();

  // The tabbed window's record and the floating frame that held it go.
  ASSERT_NO_FATAL_FAILURE(OpenFrame(false));
  EXPECT_EQ(RestoreFittedLayout(), 2);
  Picture("restored_without_tables");
  ExpectPlace(lexicon, m_pFrame->m_lexicon, "lexicon");
  ExpectPlace(toolBar, m_pFrame->m_toolBar, "toolbar");
}

TEST_F(RestartJourneyTest, AFloatingFrameSavedOnALargerScreenComesBackInReach) {
  ASSERT_NO_FATAL_FAILURE(OpenFrame());
  ASSERT_NO_FATAL_FAILURE(FloatAway(m_pFrame->m_tables));
  SaveLayout();
  // As if saved on a screen twice the size, near its bottom-right corner.
  const CSize screen(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
  CKWProfileStore store;
  CString strSection;
  strSection.Format(dockstate::kSummarySection, kProfile);
  store.WriteInt(strSection, dockstate::kScreenCX, screen.cx * 2);
  store.WriteInt(strSection, dockstate::kScreenCY, screen.cy * 2);
  const int nBars = store.GetInt(strSection, dockstate::kBars, 0);
  for (int n = 0; n < nBars; ++n) {
    strSection.Format(dockstate::kBarSection, kProfile, n);
    if (store.GetInt(strSection, dockstate::kBarID, 0) != AFX_IDW_DOCKBAR_FLOAT) continue;
    store.WriteInt(strSection, dockstate::kXPos, screen.cx * 2 - 1);
    store.WriteInt(strSection, dockstate::kYPos, screen.cy * 2 - 1);
  }
  CloseFrame();

  ASSERT_NO_FATAL_FAILURE(OpenFrame());
  LoadLayout();
  ASSERT_TRUE(m_pFrame->m_tables.IsFloating());
  CWnd* pFloating = m_pFrame->m_tables.GetParentFrame();
  ASSERT_TRUE(WaitFor([&] { return pFloating->IsWindowVisible() != FALSE; }));
  CRect work;
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const CRect frame = WindowRect(*pFloating);
  EXPECT_GE(frame.top, work.top) << Text(frame);
  EXPECT_LE(frame.left, work.right - kKWMinReachable) << Text(frame);
  EXPECT_LE(frame.top, work.bottom - kKWMinReachable) << Text(frame);
  Picture("restored_from_larger_screen");
}

}  // namespace docking_journey_test
