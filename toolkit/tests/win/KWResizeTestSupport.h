// Shared by the resizable dialog, sheet and window list tests: an
// application with its own registry key, and child rectangles and window
// sizes read in the parent's client coordinates.
#pragma once

#include <windows.h>

#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "classlib/core/Geometry.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/HandleMap.h"
#include "testing/win/WindowCapture.h"

class ResizeTest : public ::testing::Test {
 protected:
  static constexpr char kCompanyKey[] = "Zulta Resize Test Company";

  void SetUp() override {
    DeleteCompanyKey();
    m_app.SetRegistryKey(kCompanyKey);
  }
  void TearDown() override {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    CHandleMapBase::DeleteAllTemp();
    DeleteCompanyKey();
  }
  static void DeleteCompanyKey() {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\") + kCompanyKey).c_str());
  }

  CWinApp m_app{"Zulta Resize Tests"};
};

// A child's rectangle in its parent's client coordinates.
inline CRect ChildRect(HWND hParent, int nID) {
  CRect rect;
  HWND hChild = ::GetDlgItem(hParent, nID);
  ::GetWindowRect(hChild, rect);
  ::MapWindowPoints(nullptr, ::GetParent(hChild), reinterpret_cast<LPPOINT>(&rect), 2);
  return rect;
}

// Grows (or shrinks) a window by dx, dy, as a drag of its frame would.
inline void GrowWindow(HWND hWnd, int dx, int dy) {
  CRect rect;
  ::GetWindowRect(hWnd, rect);
  ::SetWindowPos(hWnd, nullptr, 0, 0, rect.Width() + dx, rect.Height() + dy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A picture of the window, all of it painted afresh: Wine makes a new window
// surface when a window is resized, so the bits of moved controls that
// Windows copies are lost there until the controls paint again. The window
// and its controls are painted now, not through the thread's paint queue,
// which Wine can leave flagged after other tests with nothing to paint.
inline void SavePicture(HWND hWnd, const char* name) {
  ::RedrawWindow(hWnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  SaveScreenshot(CaptureSteadyWindow(hWnd), name);
}

inline CRect Shifted(CRect rect, int dl, int dt, int dr, int db) {
  return CRect(rect.left + dl, rect.top + dt, rect.right + dr, rect.bottom + db);
}

// Rectangles in failure messages.
inline void PrintTo(const CRect& rect, std::ostream* os) {
  *os << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}
