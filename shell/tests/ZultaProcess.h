// Starts the real program, as a user would, for the tests that drive it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "testing/win/WaitFor.h"

// A Linux path as the program sees it under Wine.
inline std::string WindowsPath(std::string path) {
  for (char& c : path)
    if (c == '/') c = '\\';
  return path.front() == '\\' ? "Z:" + path : path;
}

// The first visible top-level window of the process with that title (any
// title for nullptr); nullptr when there is none.
inline HWND FindTopLevelWindow(DWORD processId, const char* title, const char* className) {
  HWND hWnd = nullptr;
  while ((hWnd = ::FindWindowExA(nullptr, hWnd, className, title)) != nullptr) {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hWnd, &owner);
    if (owner == processId && ::IsWindowVisible(hWnd)) return hWnd;
  }
  return nullptr;
}

// The same, waiting for it to appear.
inline HWND WaitForTopLevelWindow(DWORD processId, const char* title,
                                  const char* className = nullptr) {
  HWND hWnd = nullptr;
  WaitFor([&] { return (hWnd = FindTopLevelWindow(processId, title, className)) != nullptr; });
  return hWnd;
}

// Zulta.exe, started by the constructor; Close() asks it to end and gives
// its exit code.
class ZultaProcess {
 public:
  ZultaProcess() {
    std::string commandLine = "\"" + WindowsPath(ZULTA_EXE_PATH) + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    // Wine may refuse a new process for a moment while the previous one is
    // still being torn down; that passes, so it is tried again until it starts.
    WaitFor([&] {
      m_bStarted = ::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0,
                                    nullptr, nullptr, &startup, &m_process) != FALSE;
      if (!m_bStarted) m_lastError = ::GetLastError();
      return m_bStarted;
    });
    if (!m_bStarted) return;
    ::WaitForInputIdle(m_process.hProcess, kWaitTimeoutMs);
    m_hMain = WaitForTopLevelWindow(m_process.dwProcessId, "Zulta");
  }
  ~ZultaProcess() {
    if (!m_bStarted) return;
    if (::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
      ::TerminateProcess(m_process.hProcess, 1);
    ::CloseHandle(m_process.hThread);
    ::CloseHandle(m_process.hProcess);
  }
  ZultaProcess(const ZultaProcess&) = delete;
  ZultaProcess& operator=(const ZultaProcess&) = delete;

  bool Started() const { return m_bStarted; }
  // Why the program could not be started.
  DWORD StartError() const { return m_lastError; }
  DWORD Id() const { return m_process.dwProcessId; }
  // The main window, nullptr when none appeared.
  HWND MainWindow() const { return m_hMain; }

  // Closes the main window; the exit code, or ~0u when the program did not end.
  DWORD Close() {
    ::PostMessageA(m_hMain, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(m_process.hProcess, kWaitTimeoutMs) != WAIT_OBJECT_0) return ~0u;
    DWORD exitCode = ~0u;
    ::GetExitCodeProcess(m_process.hProcess, &exitCode);
    return exitCode;
  }

 private:
  PROCESS_INFORMATION m_process = {};
  bool m_bStarted = false;
  DWORD m_lastError = 0;
  HWND m_hMain = nullptr;
};
