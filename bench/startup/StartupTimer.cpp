// StartupTimer RUNS PROGRAM BASELINE: starts the two programs in turn, RUNS
// times each after one start of each not counted, and times each start from
// CreateProcess to its maximised main window titled "Zulta" being visible;
// then closes it. Prints each start's milliseconds, the medians, and the
// median of the ratios PROGRAM / BASELINE taken pair by pair, so that a
// drift in the machine's speed touches both sides of a pair alike.
//
// The databases must be beside the program; the profile value that asks for
// their build is cleared first, as the program's tests do.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "shell/tests/ZultaProfile.h"

namespace {

constexpr char kMainTitle[] = "Zulta";
constexpr DWORD kStartTimeoutMs = 60000;
constexpr DWORD kExitTimeoutMs = 30000;
constexpr DWORD kPollMs = 1;
constexpr int kWarmupRuns = 1;

HWND FindMainWindow(DWORD processId) {
  HWND hWnd = nullptr;
  while ((hWnd = ::FindWindowExA(nullptr, hWnd, nullptr, kMainTitle)) != nullptr) {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hWnd, &owner);
    if (owner == processId && ::IsWindowVisible(hWnd) && ::IsZoomed(hWnd)) return hWnd;
  }
  return nullptr;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

// Milliseconds to the main window; negative when it never came.
double TimeStart(const std::string& program) {
  std::string commandLine = "\"" + program + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  LARGE_INTEGER begin, end;
  ::QueryPerformanceCounter(&begin);
  if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
    std::fprintf(stderr, "cannot start %s: error %lu\n", program.c_str(), ::GetLastError());
    return -1;
  }
  HWND hMain = nullptr;
  const DWORD deadline = ::GetTickCount() + kStartTimeoutMs;
  while ((hMain = FindMainWindow(process.dwProcessId)) == nullptr && ::GetTickCount() < deadline &&
         ::WaitForSingleObject(process.hProcess, kPollMs) == WAIT_TIMEOUT) {
  }
  ::QueryPerformanceCounter(&end);
  if (hMain != nullptr) ::PostMessageA(hMain, WM_CLOSE, 0, 0);
  if (::WaitForSingleObject(process.hProcess, kExitTimeoutMs) != WAIT_OBJECT_0)
    ::TerminateProcess(process.hProcess, 1);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return hMain != nullptr ? Seconds(begin, end) * 1000 : -1;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 || std::atoi(argv[1]) < 1) {
    std::fprintf(stderr, "usage: StartupTimer RUNS PROGRAM BASELINE\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  MarkDatabasesBuilt();
  std::vector<double> program, baseline, ratios;
  for (int run = -kWarmupRuns; run < runs; ++run) {
    const double a = TimeStart(argv[2]);
    const double b = TimeStart(argv[3]);
    if (a < 0 || b < 0) return 1;
    if (run < 0) continue;
    std::printf("run %d: program %.0f ms, baseline %.0f ms\n", run + 1, a, b);
    program.push_back(a);
    baseline.push_back(b);
    ratios.push_back(a / b);
  }
  std::printf("median: program %.0f ms, baseline %.0f ms; ratio %.2f (min %.2f, max %.2f)\n",
              Median(program), Median(baseline), Median(ratios),
              *std::min_element(ratios.begin(), ratios.end()),
              *std::max_element(ratios.begin(), ratios.end()));
  return 0;
}
