// The fixture of the document/view tests: a fresh test application per test,
// started as a program starts, with its profile cleared first, and ended
// with every document closed unasked.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "classlib/tests/core/ScratchDir.h"
#include "classlib/tests/docview/DocViewTestApp.h"
#include "classlib/tests/docview/NoteDocument.h"
#include "classlib/tests/docview/RoutingLog.h"
#include "classlib/win/CDocument.h"
#include "classlib/win/HandleMap.h"
#include "testing/win/MessageBoxes.h"
#include "testing/win/WaitFor.h"

// Dispatches what is waiting in this thread's queue; a WM_QUIT is dropped.
inline void PumpWaiting() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

class DocViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, ProfileKeyPath().c_str());
    RoutedCommands().clear();
  }
  void TearDown() override { Stop(); }

  static std::string ProfileKeyPath() {
    return std::string("Software\\") + CDocViewTestApp::kRegistryKey + "\\" +
           CDocViewTestApp::kAppName;
  }

  // Starts the application with the command line, its main frame hidden
  // unless nCmdShow says otherwise. An active window on the screen takes
  // Wine two seconds to go without a window manager, so only tests of what
  // the screen shows or the mouse does show it.
  void Start(const std::string& cmdLine = "", int nCmdShow = SW_HIDE) {
    m_cmdLine = cmdLine;
    m_app = std::make_unique<CDocViewTestApp>();
    m_app->m_lpCmdLine = m_cmdLine.data();
    m_app->m_nCmdShow = nCmdShow;
    ASSERT_TRUE(m_app->InitInstance());
    RunIdle();
  }

  // Closes the documents without asking, then ends as a program does.
  void Stop() {
    if (!m_app) return;
    m_app->CloseAllDocuments(TRUE);
    if (m_app->m_pMainWnd != nullptr) m_app->m_pMainWnd->DestroyWindow();
    m_app->ExitInstance();
    PumpWaiting();
    m_app.reset();
    CHandleMapBase::DeleteAllTemp();
  }

  // What the message loop does when the queue is empty: titles, menus and
  // the status bar catch up.
  void RunIdle() {
    PumpWaiting();
    for (LONG lCount = 0; m_app->OnIdle(lCount); ++lCount) {
    }
  }

  CDocViewMainFrame* MainFrame() const { return m_app->GetMainFrame(); }
  CMDIChildWnd* ActiveChild() const { return MainFrame()->MDIGetActive(); }

  // Sends a command to the main frame as its menu or an accelerator would.
  void SendCommand(UINT nID) {
    MainFrame()->SendMessage(WM_COMMAND, nID);
    RunIdle();
  }

  // The titles of the MDI children, top first.
  std::vector<std::string> ChildTitles() const {
    std::vector<std::string> titles;
    for (HWND hWnd = ::GetWindow(MainFrame()->m_hWndMDIClient, GW_CHILD); hWnd != nullptr;
         hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
      char text[128] = {};
      ::GetWindowTextA(hWnd, text, sizeof text);
      titles.push_back(text);
    }
    return titles;
  }

  // A new note in its own child frame, which becomes the active one.
  CNoteDoc* NewNote() {
    auto* pDoc = static_cast<CNoteDoc*>(m_app->m_pNoteTemplate->OpenDocumentFile(nullptr));
    RunIdle();
    return pDoc;
  }

  std::unique_ptr<CDocViewTestApp> m_app;
  std::string m_cmdLine;
  ScratchDir m_dir;
};
