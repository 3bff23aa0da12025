// A journey through one tab of the Grammar Tables window: the program
// started with that tab in front, and Grammar Table/Print/Preview as a user
// goes through it (the tab printed on the PDF printer, or previewed with a
// picture of the preview kept).
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/win/AfxRes.h"
#include "resources/MainFrameIds.h"
#include "resources/PageSettingsIds.h"
#include "shell/tests/JourneyControls.h"
#include "shell/tests/JourneyPictures.h"
#include "shell/tests/ProgramFonts.h"
#include "shell/tests/ZultaProcess.h"
#include "testing/win/PrintedPdfs.h"
#include "testing/win/UserInput.h"
#include "testing/win/WaitFor.h"

// The page settings sheet, ended with its Print (the default button) or
// Preview button.
inline void PressGrammarPrintSheet(DWORD processId, HWND hMain, bool print) {
  ::PostMessageA(hMain, WM_COMMAND, ID_GRAMMAR_PRINT_PREVIEW, 0);
  HWND hSheet = WaitForBoxSaying(processId, "Preview");
  ASSERT_NE(hSheet, nullptr);
  HWND hButton = FindDescendantById(hSheet, print ? IDOK : IDC_SHEET_PREVIEW);
  ASSERT_NE(hButton, nullptr);
  ClickAt(CenterOf(hButton));
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(hSheet); }));
}

// The tab printed on the PDF printer, when there is one, fills one page.
inline void ExpectGrammarTabPrintedOnOnePage(DWORD processId, HWND hMain) {
  if (PrintOutputFolder().empty()) return;
  const std::vector<std::string> before = PrintedPdfs();
  PressGrammarPrintSheet(processId, hMain, true);
  HWND hPrint = WaitForBoxSaying(processId, "Copies");
  ASSERT_NE(hPrint, nullptr);
  ::SetForegroundWindow(hPrint);
  SendKey(VK_RETURN);
  const std::string pdf = WaitForNewPdf(before);
  ASSERT_FALSE(pdf.empty());
  EXPECT_EQ(PdfPageCount(pdf), 1);
}

// The tab previewed, its picture kept, and the preview closed.
inline void PreviewGrammarTab(DWORD processId, HWND hMain, const std::string& picture) {
  PressGrammarPrintSheet(processId, hMain, false);
  HWND hPreview = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    hPreview = FindDescendantById(hMain, AFX_IDW_PREVIEW_BAR);
    return hPreview != nullptr && ::IsWindowVisible(hPreview);
  }));
  SteadyPicture(hMain, picture);
  HWND hClose = FindDescendantById(hPreview, ID_PREVIEW_CLOSE);
  ASSERT_NE(hClose, nullptr);
  ClickAt(CenterOf(hClose));
  EXPECT_TRUE(WaitFor([&] { return !::IsWindowVisible(hPreview); }));
}

class GrammarTabJourney : public ::testing::Test {
 protected:
  // The tab's command, and a control of its view by which it is found.
  GrammarTabJourney(UINT tabCommand, int viewControl)
      : m_tabCommand(tabCommand), m_viewControl(viewControl) {}

  static void SetUpTestSuite() { InstallProgramFonts(); }
  void SetUp() override {
    ASSERT_TRUE(m_zulta.Started());
    m_hMain = m_zulta.MainWindow();
    ASSERT_NE(m_hMain, nullptr);
    ::PostMessageA(m_hMain, WM_COMMAND, m_tabCommand, 0);
    ASSERT_TRUE(WaitFor([&] {
      HWND hControl = FindDescendantById(m_hMain, m_viewControl);
      m_hView = hControl != nullptr ? ::GetParent(hControl) : nullptr;
      return m_hView != nullptr && ::IsWindowVisible(m_hView);
    }));
    ::SetForegroundWindow(m_hMain);
  }

  HWND Control(int nID) const { return ::GetDlgItem(m_hView, nID); }
  LRESULT Ask(UINT message) const { return ::SendMessageA(m_hView, message, 0, 0); }
  // Back to the left and top of the form, as the scroll bars take it (a
  // selected cell scrolls into view).
  void ScrollHome() const {
    ::SendMessageA(m_hView, WM_HSCROLL, SB_LEFT, 0);
    ::SendMessageA(m_hView, WM_VSCROLL, SB_TOP, 0);
  }

  const UINT m_tabCommand;
  const int m_viewControl;
  ZultaProcess m_zulta;
  HWND m_hMain = nullptr;
  HWND m_hView = nullptr;
};
