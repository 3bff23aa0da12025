// The fixture of the printing tests: a fresh test application per test, and
// the printer the tests print to (testing/win/PrintedPdfs.h).
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "classlib/tests/print/PrintTestApp.h"
#include "testing/PngWriter.h"
#include "testing/win/PrintedPdfs.h"

// The centre of a page's block, for the page's rectangle on a picture.
POINT BlockCentre(const RECT& rectPage, const PageBlock& block);

// Dispatches what is waiting in this thread's queue; a WM_QUIT is dropped.
void PumpWaiting();

class PrintTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // What the message loop does when the queue is empty.
  void RunIdle();
  // Sends a command to the frame as its menu would.
  void SendCommand(UINT nID);

  CPrintTestFrame* Frame() const { return m_app->GetFrame(); }
  CThreePageView* View() const { return m_app->GetView(); }

  std::unique_ptr<CPrintTestApp> m_app;
};
