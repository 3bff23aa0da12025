#include "testing/win/MessageBoxes.h"

namespace {

constexpr char kDialogClass[] = "#32770";
constexpr UINT kAnswerIntervalMs = 20;

// The answerer of this thread: a timer procedure has no other way to its object.
thread_local MessageBoxAnswerer* t_pAnswerer = nullptr;

BOOL CALLBACK AppendText(HWND hWnd, LPARAM lParam) {
  char text[256] = {};
  ::GetWindowTextA(hWnd, text, sizeof text);
  *reinterpret_cast<std::string*>(lParam) += std::string(text) + "|";
  return TRUE;
}

}  // namespace

std::string ChildTexts(HWND hWnd) {
  std::string texts;
  ::EnumChildWindows(hWnd, &AppendText, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

MessageBoxAnswerer::MessageBoxAnswerer(int nAnswer, const char* pszCaption)
    : m_nAnswer(nAnswer), m_caption(pszCaption != nullptr ? pszCaption : "") {
  t_pAnswerer = this;
  m_timer = ::SetTimer(nullptr, 0, kAnswerIntervalMs, &OnTimer);
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
  ::KillTimer(nullptr, m_timer);
  t_pAnswerer = nullptr;
}

void CALLBACK MessageBoxAnswerer::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (t_pAnswerer != nullptr)
    ::EnumThreadWindows(::GetCurrentThreadId(), &AnswerBox, reinterpret_cast<LPARAM>(t_pAnswerer));
}

BOOL CALLBACK MessageBoxAnswerer::AnswerBox(HWND hWnd, LPARAM lParam) {
  char className[16] = {};
  ::GetClassNameA(hWnd, className, sizeof className);
  if (std::string(className) != kDialogClass) return TRUE;
  char caption[128] = {};
  ::GetWindowTextA(hWnd, caption, sizeof caption);
  auto* pAnswerer = reinterpret_cast<MessageBoxAnswerer*>(lParam);
  if (!pAnswerer->m_caption.empty() && pAnswerer->m_caption != caption) return TRUE;
  pAnswerer->m_boxes.push_back({caption, ChildTexts(hWnd)});
  ::PostMessageA(hWnd, WM_COMMAND, static_cast<WPARAM>(pAnswerer->m_nAnswer), 0);
  return TRUE;
}
