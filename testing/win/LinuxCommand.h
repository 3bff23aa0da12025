// Linux programs run from a test under Wine (xclip, LibreOffice, poppler's
// tools), and the Linux paths of their files as Windows programs see them.
#pragma once

#include <string>

// Runs the command line with /bin/sh; its exit status, -1 when it could not
// be started or did not end within the wait.
int RunLinuxCommand(const std::string& commandLine);

// A Linux path on Wine's drive Z:.
std::string LinuxPathOnDriveZ(const std::string& path);
