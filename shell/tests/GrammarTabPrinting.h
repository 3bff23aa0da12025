// The tab in front of the Grammar Tables window printed as a user prints
// it: Grammar Table/Print/Preview, its page settings sheet and the print
// dialog, onto the PDF printer (when the test runs with one), then
// previewed with a picture kept and the preview closed.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/win/AfxRes.h"
#include "resources/MainFrameIds.h"
#include "resources/PageSettingsIds.h"
#include "shell/tests/JourneyPictures.h"
#include "shell/tests/ZultaProcess.h"
#include "testing/win/PrintedPdfs.h"
#include "testing/win/ProgramOutput.h"
#include "testing/win/UserInput.h"

// Grammar Table/Print/Preview: the page settings sheet, ended with its
// Print (the default button) or Preview button.
inline void ChooseGrammarPrintOrPreview(DWORD processId, HWND hMain, bool print) {
  ::PostMessageA(hMain, WM_COMMAND, ID_GRAMMAR_PRINT_PREVIEW, 0);
  HWND hSheet = WaitForBoxSaying(processId, "Preview");
  ASSERT_NE(hSheet, nullptr);
  HWND hButton = FindDescendantById(hSheet, print ? IDOK : IDC_SHEET_PREVIEW);
  ASSERT_NE(hButton, nullptr);
  ClickAt(CenterOf(hButton));
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(hSheet); }));
}

// Prints the tab on one page, then previews it (picture previewName).
inline void PrintAndPreviewGrammarTab(DWORD processId, HWND hMain, const std::string& previewName) {
  if (!PrintOutputFolder().empty()) {
    const std::vector<std::string> before = PrintedPdfs();
    ChooseGrammarPrintOrPreview(processId, hMain, true);
    HWND hPrint = WaitForBoxSaying(processId, "Copies");
    ASSERT_NE(hPrint, nullptr);
    ::SetForegroundWindow(hPrint);
    SendKey(VK_RETURN);
    const std::string pdf = WaitForNewPdf(before);
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(PdfPageCount(pdf), 1);
  }
  ChooseGrammarPrintOrPreview(processId, hMain, false);
  HWND hPreview = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    hPreview = FindDescendantById(hMain, AFX_IDW_PREVIEW_BAR);
    return hPreview != nullptr && ::IsWindowVisible(hPreview);
  }));
  SteadyPicture(hMain, previewName);
  HWND hClose = FindDescendantById(hPreview, ID_PREVIEW_CLOSE);
  ASSERT_NE(hClose, nullptr);
  ClickAt(CenterOf(hClose));
  EXPECT_TRUE(WaitFor([&] { return !::IsWindowVisible(hPreview); }));
}
