// The fixture of the editor window's tests: a test application whose new
// document's view has the focus, closed again after each test.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "classlib/win/HandleMap.h"
#include "editor/tests/win/EditViewTestApp.h"
#include "editor/win/ZultaEditDoc.h"
#include "editor/win/ZultaEditView.h"
#include "testing/win/WaitFor.h"

class EditViewFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    m_app = std::make_unique<CEditViewTestApp>();
    m_pView = m_app->Start();
    ASSERT_NE(m_pView, nullptr) << "no focused view of a new document";
    m_pDoc = m_pView->GetDocument();
  }
  void TearDown() override {
    m_app->Stop();
    m_app.reset();
    CHandleMapBase::DeleteAllTemp();
  }

  // A menu command, through the frame to the active view and document.
  void Command(UINT id) {
    m_app->GetMainFrame()->SendMessage(WM_COMMAND, id);
    WaitFor([] { return true; });
  }

  std::unique_ptr<CEditViewTestApp> m_app;
  CZultaEditView* m_pView = nullptr;
  CZultaEditDoc* m_pDoc = nullptr;
};
