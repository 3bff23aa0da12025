#include "testing/win/WaitFor.h"

namespace {

// How long one look at the condition waits for a message to come.
constexpr DWORD kPollMs = 10;

void DispatchAllButQuit() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, WM_QUIT - 1, PM_REMOVE) ||
         ::PeekMessageA(&msg, nullptr, WM_QUIT + 1, ~0u, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

// Looks at condition until it holds or the time is up; between looks, waits
// for input or kPollMs.
bool Poll(const std::function<bool()>& condition, DWORD timeoutMs, UINT wakeOn) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (::GetTickCount() - start >= timeoutMs) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMs, wakeOn);
  }
}

}  // namespace

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
  return Poll(
      [&] {
        DispatchAllButQuit();
        return condition();
      },
      timeoutMs, QS_ALLINPUT);
}

bool WaitForQueued(UINT kinds, DWORD timeoutMs) {
  return Poll([&] { return (HIWORD(::GetQueueStatus(kinds)) & kinds) != 0; }, timeoutMs, kinds);
}
