// The fixture of the Preferences dialogs' tests: the program started with
// the dialog's profile key cleared (and whatever values the test puts
// there first), the dialog opened by its command, the key cleared again at
// the end.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "shell/tests/DialogControls.h"
#include "shell/tests/ZultaProcess.h"
#include "testing/win/WaitFor.h"

class PreferenceDialogTest : public ::testing::Test {
 protected:
  PreferenceDialogTest(std::string profileKey, UINT command, const char* title)
      : m_profileKey(std::move(profileKey)), m_command(command), m_title(title) {}

  // The values the program is to start with, under the cleared key.
  virtual void PrepareProfile() {}

  void SetUp() override {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, m_profileKey.c_str());
    ASSERT_NO_FATAL_FAILURE(PrepareProfile());
    m_zulta = std::make_unique<ZultaProcess>();
    ASSERT_TRUE(m_zulta->Started()) << "error " << m_zulta->StartError();
    ASSERT_NE(nullptr, m_zulta->MainWindow());
  }
  void TearDown() override {
    if (m_zulta) EXPECT_EQ(0u, m_zulta->Close());
    ::RegDeleteTreeA(HKEY_CURRENT_USER, m_profileKey.c_str());
  }

  // Opens the dialog from the main window; nullptr when it does not show.
  HWND Open() {
    ::PostMessageA(m_zulta->MainWindow(), WM_COMMAND, m_command, 0);
    m_hDialog = WaitForTopLevelWindow(m_zulta->Id(), m_title, "#32770");
    if (m_hDialog != nullptr) WaitFor([&] { return ::GetForegroundWindow() == m_hDialog; });
    return m_hDialog;
  }
  HWND Item(int id) const { return ::GetDlgItem(m_hDialog, id); }
  bool Checked(int id) const { return ::IsDlgButtonChecked(m_hDialog, id) == BST_CHECKED; }
  // Radio buttons and check boxes take a click on their box at the left,
  // across is where that is; each click is made until the control shows it.
  void ClickBox(int id, double across) const {
    const bool wasChecked = Checked(id);
    ASSERT_TRUE(ClickControlUntil(
        m_hDialog, id, [&] { return Checked(id) != wasChecked; }, across))
        << id;
  }

  const std::string m_profileKey;
  std::unique_ptr<ZultaProcess> m_zulta;
  HWND m_hDialog = nullptr;

 private:
  const UINT m_command;
  const char* const m_title;
};
