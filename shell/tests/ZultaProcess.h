// Starts the real program, as a user would, for the tests that drive it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "shell/tests/ZultaProfile.h"
#include "testing/win/MessageBoxes.h"
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

// The window that has the keyboard focus in the thread of hWnd.
inline HWND FocusOf(HWND hWnd) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  ::GetGUIThreadInfo(::GetWindowThreadProcessId(hWnd, nullptr), &info);
  return info.hwndFocus;
}

// The window with that control id anywhere below hParent (a bar sits in a
// dock bar); nullptr when there is none.
inline HWND FindDescendantById(HWND hParent, int nID) {
  struct Search {
    int nID;
    HWND hFound;
  } search = {nID, nullptr};
  ::EnumChildWindows(
      hParent,
      [](HWND hWnd, LPARAM lParam) -> BOOL {
        auto* pSearch = reinterpret_cast<Search*>(lParam);
        if (::GetDlgCtrlID(hWnd) != pSearch->nID) return TRUE;
        pSearch->hFound = hWnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.hFound;
}

// A visible dialog or message box of the process whose texts hold the
// words; nullptr when there is none.
inline HWND FindBoxSaying(DWORD processId, const std::string& words) {
  HWND hBox = nullptr;
  while ((hBox = ::FindWindowExA(nullptr, hBox, "#32770", nullptr)) != nullptr) {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hBox, &owner);
    if (owner == processId && ::IsWindowVisible(hBox) &&
        ChildTexts(hBox).find(words) != std::string::npos)
      return hBox;
  }
  return nullptr;
}

// The same, waiting for it to appear.
inline HWND WaitForBoxSaying(DWORD processId, const std::string& words,
                             DWORD timeoutMs = kWaitTimeoutMs) {
  HWND hBox = nullptr;
  WaitFor([&] { return (hBox = FindBoxSaying(processId, words)) != nullptr; }, timeoutMs);
  return hBox;
}

constexpr char kProgramName[] = "Zulta";

// How a test starts the program.
struct ZultaStart {
  // The program file (a Linux path or a Windows one).
  std::string programPath = ZULTA_EXE_PATH;
  // What follows the program on its command line.
  std::string arguments;
  // Start-up finds the databases built and is not asked to build them again,
  // as on every start after the first; false leaves the profile as it is.
  bool databasesReady = true;
  // The main window is looked for before the constructor returns.
  bool waitForMainWindow = true;
};

// Zulta.exe, started by the constructor; Close() asks it to end and gives
// its exit code.
class ZultaProcess {
 public:
  explicit ZultaProcess(const ZultaStart& start = ZultaStart()) {
    if (start.databasesReady) MarkDatabasesBuilt();
    std::string commandLine = "\"" + WindowsPath(start.programPath) + "\" " + start.arguments;
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
    if (start.waitForMainWindow) WaitForMainWindow();
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

  // Waits for the main window, the one whose title names the program (and
  // its document, when one is open); nullptr when none appeared.
  HWND WaitForMainWindow() {
    ::WaitForInputIdle(m_process.hProcess, kWaitTimeoutMs);
    WaitFor([&] { return (m_hMain = FindMainWindow()) != nullptr; });
    return m_hMain;
  }

  bool Started() const { return m_bStarted; }
  // Why the program could not be started.
  DWORD StartError() const { return m_lastError; }
  DWORD Id() const { return m_process.dwProcessId; }
  // The main window, nullptr when none appeared.
  HWND MainWindow() const { return m_hMain; }

  // Closes the main window; the exit code, or ~0u when the program did not end.
  DWORD Close() {
    ::PostMessageA(m_hMain, WM_CLOSE, 0, 0);
    return ExitCode();
  }
  // The exit code once the program ended by itself, or ~0u when it did not.
  DWORD ExitCode() {
    if (::WaitForSingleObject(m_process.hProcess, kWaitTimeoutMs) != WAIT_OBJECT_0) return ~0u;
    DWORD exitCode = ~0u;
    ::GetExitCodeProcess(m_process.hProcess, &exitCode);
    return exitCode;
  }

 private:
  HWND FindMainWindow() const {
    HWND hWnd = nullptr;
    while ((hWnd = ::FindWindowExA(nullptr, hWnd, nullptr, nullptr)) != nullptr) {
      DWORD owner = 0;
      ::GetWindowThreadProcessId(hWnd, &owner);
      char title[256] = {}, className[64] = {};
      ::GetWindowTextA(hWnd, title, sizeof title);
      ::GetClassNameA(hWnd, className, sizeof className);
      // Dialogs (the splash among them) and menus are not it.
      if (owner == m_process.dwProcessId && ::IsWindowVisible(hWnd) && className[0] != '#' &&
          std::string(title).find(kProgramName) != std::string::npos)
        return hWnd;
    }
    return nullptr;
  }

  PROCESS_INFORMATION m_process = {};
  bool m_bStarted = false;
  DWORD m_lastError = 0;
  HWND m_hMain = nullptr;
};
