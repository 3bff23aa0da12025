#include "shell/core/ProgramFolder.h"

#include <gtest/gtest.h>

namespace {

struct FolderCase {
  const char* programFile;
  const char* folder;
};

// clang-format off
const FolderCase kFolderCases[] = {
  {"C:\\Apps\\Zulta.exe",                    "C:\\Apps\\"},
  {"C:\\Zulta.exe",                          "C:\\"},
  {"C:\\Src\\Zulta\\Release\\Zulta.exe",     "C:\\Src\\Zulta\\"},
  {"C:\\Src\\Zulta\\release\\Zulta.exe",     "C:\\Src\\Zulta\\"},
  {"C:\\Src\\Zulta\\RELEASE\\Zulta.exe",     "C:\\Src\\Zulta\\"},
  // Only the program file's own folder is a build folder.
  {"C:\\Release\\Zulta\\Zulta.exe",          "C:\\Release\\Zulta\\"},
  {"C:\\PreRelease\\Zulta.exe",              "C:\\PreRelease\\"},
  {"C:\\Releases\\Zulta.exe",                "C:\\Releases\\"},
  {"C:\\My RELEASE\\Zulta.exe",              "C:\\My RELEASE\\"},
  // With no folder above it, the build folder stays.
  {"Release\\Zulta.exe",                     "Release\\"},
  {"C:\\Release\\Zulta.exe",                 "C:\\"},
  {"Zulta.exe",                              ""},
  {"",                                       ""},
};
// clang-format on

TEST(ProgramFolderTest, FolderOfProgramFile) {
  for (const FolderCase& c : kFolderCases) {
    EXPECT_STREQ(c.folder, ProgramFolderOf(c.programFile)) << c.programFile;
  }
}

}  // namespace
