// The prompt dialog: its prompt line, the answer field with its text
// selected, OK and Cancel.
#include "hebtext/win/CPromptDlg.h"

#include <gtest/gtest.h>

#include "classlib/tests/win/DialogTestSupport.h"
#include "resources/HebtextIds.h"
#include "testing/win/WindowCapture.h"

namespace {

using PromptDlgTest = DialogTest;

TEST_F(PromptDlgTest, OkTakesTheAnswerUnderThePrompt) {
  CScripted<CPromptDlg> dialog;
  dialog.m_strPrompt = "Please Enter a Name for the New Voice:";
  dialog.m_strAnswer = "Voice 1";
  DWORD selection = 0;
  int focusId = 0;
  std::string prompt;
  dialog.m_script = [&](CScripted<CPromptDlg>& dlg) {
    HWND hDlg = dlg.GetSafeHwnd();
    prompt = ItemText(hDlg, IDC_PROMPT_TEXT);
    focusId = ::GetDlgCtrlID(::GetFocus());
    selection = static_cast<DWORD>(::SendDlgItemMessageA(hDlg, IDC_PROMPT_ANSWER, EM_GETSEL, 0, 0));
    SaveScreenshot(CaptureWindow(hDlg), "prompt-dialog");
    ::SetDlgItemTextA(hDlg, IDC_PROMPT_ANSWER, "Adam");
    ClickButton(hDlg, IDOK);
  };
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(prompt, "Please Enter a Name for the New Voice:");
  EXPECT_EQ(LOWORD(selection), 0);
  EXPECT_EQ(HIWORD(selection), 7);  // the whole of "Voice 1"
  EXPECT_EQ(focusId, IDC_PROMPT_ANSWER);
  EXPECT_STREQ(dialog.m_strAnswer, "Adam");
}

TEST_F(PromptDlgTest, CancelLeavesTheAnswerAlone) {
  CScripted<CPromptDlg> dialog;
  dialog.m_strPrompt = "Please Enter a Name for the New Phoneme Set:";
  dialog.m_script = [](CScripted<CPromptDlg>& dlg) {
    ::SetDlgItemTextA(dlg.GetSafeHwnd(), IDC_PROMPT_ANSWER, "ignored");
    ClickButton(dlg.GetSafeHwnd(), IDCANCEL);
  };
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_STREQ(dialog.m_strAnswer, "");
}

}  // namespace
