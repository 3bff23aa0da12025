// Answers the Copy Special or Paste Special dialog of a test, once it shows,
// with a filter radio and OK: the dialog runs modally inside the command the
// test sends, so a timer of the test's thread answers it.
#pragma once

#include <windows.h>

#include "resources/HebtextIds.h"

namespace special_dialog_answer {

inline int g_filterId = 0;
inline const char* g_caption = "";

inline void CALLBACK Answer(HWND, UINT, UINT_PTR idEvent, DWORD) {
  HWND hDlg = ::FindWindowA("#32770", g_caption);
  if (hDlg == nullptr || !::IsWindowVisible(hDlg)) return;
  ::KillTimer(nullptr, idEvent);
  ::CheckRadioButton(hDlg, IDC_FILTER_NONE, IDC_FILTER_WIDE_CHAR, g_filterId);
  ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(g_filterId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, g_filterId)));
  ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
}

}  // namespace special_dialog_answer

// The next dialog of that caption is answered with the filter radio.
inline void AnswerNextDialog(const char* caption, int filterId) {
  special_dialog_answer::g_caption = caption;
  special_dialog_answer::g_filterId = filterId;
  ::SetTimer(nullptr, 0, 20, special_dialog_answer::Answer);
}
