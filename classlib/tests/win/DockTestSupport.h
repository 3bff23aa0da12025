// The docking tests' frame: two toolbars of the toolbar tests' buttons, a bar that
// floats at any width (its height follows), a status bar and a white pane,
// with the frame's dock bars on every side. Also real mouse input for
// dragging, and pictures of the screen around the frame.
#pragma once

#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "classlib/tests/win/FrameTestIds.h"
#include "classlib/tests/win/ToolBarTestIds.h"
#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/CControlBar.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CDockBar.h"
#include "classlib/win/CDockContext.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CMiniDockFrameWnd.h"
#include "classlib/win/CStatusBar.h"
#include "classlib/win/CToolBar.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"

namespace docktest {

constexpr UINT kBarA = AFX_IDW_TOOLBAR;
constexpr UINT kBarB = 0xE820;
constexpr UINT kSizableBar = 0xE821;
constexpr COLORREF kColorSizable = RGB(60, 170, 80);

// Where the frame stands on the screen, and the part of the screen pictured.
constexpr RECT kFrameRect = {40, 40, 560, 420};
constexpr RECT kPictureRect = {0, 0, 760, 600};

// A panel that floats at any width, keeping its area; docked it has fixed
// sizes along the top or bottom and along the sides.
class CSizableBar : public CControlBar {
 public:
  static constexpr int kArea = 150 * 90;
  static constexpr int kMinWidth = 40;
  static constexpr int kMaxWidth = 400;
  static constexpr SIZE kHorzDocked = {180, 60};
  static constexpr SIZE kVertDocked = {90, 150};

  BOOL Create(CWnd* pParent, UINT nID, LPCSTR lpszTitle) {
    m_dwStyle = CBRS_LEFT | CBRS_SIZE_DYNAMIC;
    m_nMRUWidth = 150;
    return CWnd::Create(nullptr, lpszTitle, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pParent, nID);
  }
  CSize CalcDynamicLayout(int nLength, DWORD dwMode) override {
    if (dwMode & LM_HORZDOCK) return kHorzDocked;
    if (dwMode & LM_VERTDOCK) return kVertDocked;
    int cx = m_nMRUWidth;
    if (!(dwMode & LM_MRUWIDTH) && nLength > 0)
      cx = (dwMode & LM_LENGTHY) ? kArea / nLength : nLength;
    cx = std::max(kMinWidth, std::min(cx, kMaxWidth));
    if (dwMode & LM_COMMIT) m_nMRUWidth = cx;
    return CSize(cx, kArea / cx);
  }
  CSize CalcFixedLayout(BOOL, BOOL bHorz) override {
    return bHorz ? CSize(kHorzDocked) : CSize(kVertDocked);
  }
  void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
  void DoPaint(CDC* pDC) override {
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, kColorSizable);
  }
};

// The frame: toolbars A and B on the top (B right of A), the sizable bar on
// the left, the status bar at the bottom. Its handlers disable the red
// button or check the green one when asked to.
class CDockTestFrame : public CFrameWnd {
 public:
  BOOL Build() {
    LPCSTR lpszPaneClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW),
                                               reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    static const UINT kIndicators[] = {ID_SEPARATOR};
    if (!m_pane.Create(lpszPaneClass, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1), this,
                       AFX_IDW_PANE_FIRST) ||
        !m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(kIndicators, 1) ||
        !CreateToolBar(m_wndBarA, kBarA, "Bar A") || !CreateToolBar(m_wndBarB, kBarB, "Bar B") ||
        !m_wndSizable.Create(this, kSizableBar, "Sizable"))
      return FALSE;
    for (CControlBar* pBar : Bars()) pBar->EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndBarA, AFX_IDW_DOCKBAR_TOP);
    RecalcLayout();
    CRect rectA;
    m_wndBarA.GetWindowRect(&rectA);
    rectA.OffsetRect(rectA.Width(), 0);
    DockControlBar(&m_wndBarB, AFX_IDW_DOCKBAR_TOP, &rectA);
    DockControlBar(&m_wndSizable, AFX_IDW_DOCKBAR_LEFT);
    RecalcLayout();
    return TRUE;
  }
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override {
    if (nCode == static_cast<int>(CN_UPDATE_COMMAND_UI) && pExtra != nullptr) {
      auto* pCmdUI = static_cast<CCmdUI*>(pExtra);
      switch (nID) {
        case ID_TBTEST_RED: pCmdUI->Enable(m_bRedEnabled); return TRUE;
        case ID_TBTEST_GREEN:
          // Enabled as well, or the button greys for want of a command handler.
          pCmdUI->Enable(TRUE);
          pCmdUI->SetCheck(m_bGreenChecked);
          return TRUE;
        case ID_TBTEST_BLUE: pCmdUI->Enable(TRUE); return TRUE;
        default: break;
      }
    }
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
  }
  std::vector<CControlBar*> Bars() { return {&m_wndBarA, &m_wndBarB, &m_wndSizable}; }
  CDockBar* DockBar(UINT nID) { return static_cast<CDockBar*>(GetControlBar(nID)); }

  CWnd m_pane;
  CStatusBar m_wndStatusBar;
  CToolBar m_wndBarA;
  CToolBar m_wndBarB;
  CSizableBar m_wndSizable;
  BOOL m_bRedEnabled = TRUE;
  BOOL m_bGreenChecked = FALSE;

 private:
  BOOL CreateToolBar(CToolBar& bar, UINT nID, LPCSTR lpszTitle) {
    if (!bar.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER,
                      CRect(0, 0, 0, 0), nID) ||
        !bar.LoadToolBar(IDR_TBTEST))
      return FALSE;
    bar.SetWindowText(lpszTitle);
    return TRUE;
  }
};

// ---- Real mouse input, queued at once: the drag loop takes it from the queue.

inline INPUT MouseInput(DWORD dwFlags, POINT pt = {0, 0}) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = dwFlags;
  if (dwFlags & MOUSEEVENTF_MOVE) {
    // Absolute positions are in 65536ths of the screen.
    int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    input.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE;
    input.mi.dx = static_cast<LONG>((pt.x * 65536LL + cx - 1) / cx);
    input.mi.dy = static_cast<LONG>((pt.y * 65536LL + cy - 1) / cy);
  }
  return input;
}
inline INPUT MoveTo(POINT pt) { return MouseInput(MOUSEEVENTF_MOVE, pt); }
inline INPUT LeftDown() { return MouseInput(MOUSEEVENTF_LEFTDOWN); }
inline INPUT LeftUp() { return MouseInput(MOUSEEVENTF_LEFTUP); }

inline void Send(std::vector<INPUT> inputs) {
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}
// Presses at from, moves in steps to to and, with bRelease, lets go there.
inline void Drag(POINT from, POINT to, bool bRelease = true) {
  std::vector<INPUT> inputs = {MoveTo(from), LeftDown()};
  constexpr int kSteps = 4;
  for (int i = 1; i <= kSteps; ++i)
    inputs.push_back(
        MoveTo({from.x + (to.x - from.x) * i / kSteps, from.y + (to.y - from.y) * i / kSteps}));
  if (bRelease) inputs.push_back(LeftUp());
  Send(inputs);
}
inline void DoubleClick(POINT pt) {
  Send({MoveTo(pt), LeftDown(), LeftUp(), LeftDown(), LeftUp()});
}

// Runs fn once the input queued so far has all been taken (a timer's message
// comes only when nothing else waits), from whatever loop takes the messages
// then: the drag loop, while the mouse is held. fn may queue the next step.
inline std::function<void()>& PendingStep() {
  static std::function<void()> s_fn;
  return s_fn;
}
inline void CALLBACK RunPendingStep(HWND, UINT, UINT_PTR nTimer, DWORD) {
  ::KillTimer(nullptr, nTimer);
  std::function<void()> fn = std::move(PendingStep());
  PendingStep() = nullptr;
  if (fn) fn();
}
inline void AfterInput(std::function<void()> fn) {
  PendingStep() = std::move(fn);
  ::SetTimer(nullptr, 0, 1, &RunPendingStep);
}
inline bool StepPending() { return static_cast<bool>(PendingStep()); }

// ---- Where things are.

inline CRect ScreenRect(CWnd& wnd) {
  CRect rect;
  wnd.GetWindowRect(&rect);
  return rect;
}
inline CPoint Center(const CRect& rect) { return rect.CenterPoint(); }
inline UINT DockBarOf(CControlBar& bar) {
  return bar.m_pDockBar != nullptr ? static_cast<UINT>(bar.m_pDockBar->GetDlgCtrlID()) : 0;
}
inline CMiniDockFrameWnd* FloatingFrameOf(CControlBar& bar) {
  if (!bar.IsFloating()) return nullptr;
  return static_cast<CMiniDockFrameWnd*>(bar.m_pDockBar->GetParent());
}

inline RgbImage CaptureScreenArea() {
  HDC hScreen = ::GetDC(nullptr);
  RgbImage image =
      CaptureDC(hScreen, kPictureRect.left, kPictureRect.top,
                kPictureRect.right - kPictureRect.left, kPictureRect.bottom - kPictureRect.top);
  ::ReleaseDC(nullptr, hScreen);
  return image;
}

// Each test has its frame on the screen at kFrameRect, shown and active.
class DockTest : public AppTest {
 protected:
  void SetUp() override { CreateFrame(); }
  void TearDown() override {
    PendingStep() = nullptr;
    DestroyFrame();
    AppTest::TearDown();
  }
  void CreateFrame() {
    m_pFrame = new CDockTestFrame;
    ASSERT_TRUE(m_pFrame->LoadFrame(IDR_FRAMETEST_MAIN, WS_POPUP | WS_BORDER | FWS_ADDTOTITLE));
    m_hFrame = m_pFrame->m_hWnd;
    m_app.m_pMainWnd = m_pFrame;
    m_pFrame->SetWindowPos(nullptr, kFrameRect.left, kFrameRect.top,
                           kFrameRect.right - kFrameRect.left, kFrameRect.bottom - kFrameRect.top,
                           SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(m_pFrame->Build());
    m_pFrame->ShowWindow(SW_SHOW);
    ::SetForegroundWindow(m_hFrame);
    PumpPending();
    m_pFrame->UpdateWindow();
  }
  // The frame goes with its floating frames, as when the program ends.
  void DestroyFrame() {
    if (::IsWindow(m_hFrame)) ::DestroyWindow(m_hFrame);
    m_app.m_pMainWnd = nullptr;
    m_pFrame = nullptr;
    PumpPending();
  }
  // Lays out what is pending and paints, as the program's idle time would.
  void Settle() {
    PumpPending();
    m_pFrame->RecalcLayout();
    ::RedrawWindow(nullptr, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    PumpPending();
  }
  void Picture(const std::string& name) {
    Settle();
    SaveScreenshot(CaptureScreenArea(), name);
  }
  CRect InFrame(CWnd& wnd) {
    CRect rect = ScreenRect(wnd);
    m_pFrame->ScreenToClient(&rect);
    return rect;
  }

  CDockTestFrame* m_pFrame = nullptr;
  HWND m_hFrame = nullptr;
};

}  // namespace docktest
