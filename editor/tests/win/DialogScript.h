// Runs a test's script on the next dialog of a caption once it is on the
// screen: the dialog runs modally inside the command the test sends, so a
// timer of the test's thread, served by the dialog's own loop, runs it. The
// script ends the dialog (OK or Cancel).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>

#include "testing/win/MessageBoxes.h"

namespace dialog_script {

inline std::string g_caption;
inline std::function<void(HWND)> g_script;
inline bool g_ran = false;

inline void CALLBACK Run(HWND, UINT, UINT_PTR idEvent, DWORD) {
  HWND hDlg = ::FindWindowA("#32770", g_caption.c_str());
  if (hDlg == nullptr || !::IsWindowVisible(hDlg)) return;
  ::KillTimer(nullptr, idEvent);
  std::function<void(HWND)> script = std::move(g_script);
  g_ran = true;
  script(hDlg);
}

// The message box over a dialog: another dialog window that the dialog owns.
inline HWND g_boxOwner = nullptr;
inline std::string g_boxTexts;

inline BOOL CALLBACK FindBox(HWND hWnd, LPARAM lParam) {
  char className[16] = "";
  ::GetClassNameA(hWnd, className, sizeof className);
  if (std::string(className) != "#32770" || ::GetWindow(hWnd, GW_OWNER) != g_boxOwner ||
      !::IsWindowVisible(hWnd))
    return TRUE;
  *reinterpret_cast<HWND*>(lParam) = hWnd;
  return FALSE;
}

inline void CALLBACK AnswerBox(HWND, UINT, UINT_PTR idEvent, DWORD) {
  HWND hBox = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), &FindBox, reinterpret_cast<LPARAM>(&hBox));
  if (hBox == nullptr) return;
  ::KillTimer(nullptr, idEvent);
  g_boxTexts = ChildTexts(hBox);
  ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
}

}  // namespace dialog_script

inline void OnNextDialog(const char* caption, std::function<void(HWND)> script) {
  dialog_script::g_caption = caption;
  dialog_script::g_script = std::move(script);
  dialog_script::g_ran = false;
  constexpr UINT kLookMs = 20;
  ::SetTimer(nullptr, 0, kLookMs, dialog_script::Run);
}

// Whether the last dialog given a script showed and ran it.
inline bool DialogScriptRan() { return dialog_script::g_ran; }

// The next message box the dialog shows is read and answered with OK.
inline void AnswerNextBoxOver(HWND hDlg) {
  dialog_script::g_boxOwner = hDlg;
  dialog_script::g_boxTexts.clear();
  constexpr UINT kLookMs = 20;
  ::SetTimer(nullptr, 0, kLookMs, dialog_script::AnswerBox);
}

// Its texts as ChildTexts gives them; empty while none was answered.
inline const std::string& AnsweredBoxTexts() { return dialog_script::g_boxTexts; }
