#include "testing/win/ProgramOutput.h"

std::string ClipboardUtf8() {
  std::string text;
  if (!::OpenClipboard(nullptr)) return text;
  if (HANDLE hData = ::GetClipboardData(CF_UNICODETEXT)) {
    const auto* wide = static_cast<const wchar_t*>(::GlobalLock(hData));
    if (wide != nullptr) {
      int size = ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
      text.resize(size > 0 ? size - 1 : 0);
      ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
      ::GlobalUnlock(hData);
    }
  }
  ::CloseClipboard();
  return text;
}

POINT CenterOf(HWND hWnd) {
  RECT rect;
  ::GetWindowRect(hWnd, &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

namespace {

struct TipSearch {
  DWORD processId;
  HWND hFound;
};

// A named callback: a lambda has no stdcall conversion on the 32-bit target.
BOOL CALLBACK MatchTipWindow(HWND hWnd, LPARAM lParam) {
  auto* pSearch = reinterpret_cast<TipSearch*>(lParam);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(hWnd, &owner);
  if (owner != pSearch->processId || !::IsWindowVisible(hWnd) ||
      (::GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) == 0 ||
      (::GetWindowLongA(hWnd, GWL_STYLE) & WS_POPUP) == 0)
    return TRUE;
  pSearch->hFound = hWnd;
  return FALSE;
}

}  // namespace

HWND FindTipWindow(DWORD processId) {
  TipSearch search = {processId, nullptr};
  ::EnumWindows(MatchTipWindow, reinterpret_cast<LPARAM>(&search));
  return search.hFound;
}
