// Grammar Table/Print/Preview as a user goes through it: the tab in front
// printed on the PDF printer, or previewed with a picture of the preview
// kept.
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
