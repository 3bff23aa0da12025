// Waiting in UI tests for something to happen (a window to appear, a paint to
// reach the screen, a timer to fall due), never for a fixed time.
#pragma once

#include <windows.h>

#include <functional>

// Long enough for Wine to start a program on a loaded machine; a condition
// that holds returns at once.
constexpr DWORD kWaitTimeoutMs = 30000;

// Checks condition until it holds, at most timeoutMs, dispatching this
// thread's messages meanwhile (WM_QUIT stays queued for the loop that wants
// it). True when it held.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = kWaitTimeoutMs);

// Waits, dispatching nothing, until a message of the kinds (QS_TIMER,
// QS_POSTMESSAGE, ...) is in this thread's queue. True when one came.
bool WaitForQueued(UINT kinds, DWORD timeoutMs = kWaitTimeoutMs);
