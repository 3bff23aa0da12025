#include "testing/win/LinuxCommand.h"

#include <windows.h>

#include <fstream>

#include "testing/win/WaitFor.h"

std::string LinuxPathOnDriveZ(const std::string& path) { return "Z:" + path; }

int RunLinuxCommand(const std::string& commandLine) {
  // Wine may report the Linux program ended before it has: the command
  // leaves its exit code in a file, moved into place whole, to wait for.
  static int s_nRun = 0;
  const std::string statusPath = "/tmp/zulta-linux-status-" +
                                 std::to_string(::GetCurrentProcessId()) + "-" +
                                 std::to_string(++s_nRun);
  const std::string statusFile = LinuxPathOnDriveZ(statusPath);
  ::DeleteFileA(statusFile.c_str());
  std::string line = "Z:\\bin\\sh -c \"" + commandLine + "; echo $? > '" + statusPath +
                     ".part' && mv '" + statusPath + ".part' '" + statusPath + "'\"";
  // The program gets no standard handles of the test's: a Linux program
  // that ends would take the test's output with it.
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE hNull =
      ::CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    &inherit, OPEN_EXISTING, 0, nullptr);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = startup.hStdOutput = startup.hStdError = hNull;
  PROCESS_INFORMATION process = {};
  const BOOL started = ::CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process);
  if (hNull != INVALID_HANDLE_VALUE) ::CloseHandle(hNull);
  if (!started) return -1;
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  int nStatus = -1;
  WaitFor([&] {
    std::ifstream in(statusFile);
    return static_cast<bool>(in >> nStatus);
  });
  ::DeleteFileA(statusFile.c_str());
  return nStatus;
}
