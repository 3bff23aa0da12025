#include "classlib/core/CCommandLineInfo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(CommandLine, SplitsAsTheRuntimeDoes) {
  struct Case {
    LPCSTR cmdLine;
    std::vector<std::string> expected;
  };
  // clang-format off
  const Case cases[] = {
    {"", {}},
    {"   \t ", {}},
    {"Note.zlt", {"Note.zlt"}},
    {"  /p   Note.zlt  ", {"/p", "Note.zlt"}},
    {"\"C:\\My Files\\Note.zlt\"", {"C:\\My Files\\Note.zlt"}},
    {"a\"b c\"d e", {"ab cd", "e"}},
    {"\"\"", {""}},
    {"C:\\dir\\ x", {"C:\\dir\\", "x"}},
    {"a\\\\\"b c\"", {"a\\b c"}},
    {"a\\\"b", {"a\"b"}},
    {"\"a \"\"quoted\"\" word\"", {"a \"quoted\" word"}},
  };
  // clang-format on
  for (const Case& c : cases) {
    CStringArray args;
    SplitCommandLine(c.cmdLine, args);
    std::vector<std::string> actual;
    for (int i = 0; i < args.GetSize(); ++i) actual.emplace_back(static_cast<LPCSTR>(args[i]));
    EXPECT_EQ(actual, c.expected) << c.cmdLine;
  }
}

TEST(CommandLine, ParsesTheShellCommand) {
  using Shell = CCommandLineInfo::Shell;
  struct Case {
    LPCSTR cmdLine;
    Shell expectedCommand;
    LPCSTR expectedFile;
    bool expectedSplash;
  };
  // clang-format off
  const Case cases[] = {
    {"", CCommandLineInfo::FileNew, "", true},
    {"Note.zlt", CCommandLineInfo::FileOpen, "Note.zlt", true},
    {"\"C:\\My Files\\Note.zlt\"", CCommandLineInfo::FileOpen, "C:\\My Files\\Note.zlt", true},
    {"/p Note.zlt", CCommandLineInfo::FilePrint, "Note.zlt", true},
    {"-P Note.zlt", CCommandLineInfo::FilePrint, "Note.zlt", true},
    {"/dde", CCommandLineInfo::FileDDE, "", true},
    {"/Embedding", CCommandLineInfo::FileNew, "", false},
    {"/automation", CCommandLineInfo::FileNew, "", false},
    {"/Unregister", CCommandLineInfo::AppUnregister, "", true},
    {"/unregserver", CCommandLineInfo::AppUnregister, "", true},
    {"/unknown Note.zlt", CCommandLineInfo::FileOpen, "Note.zlt", true},
    {"First.zlt Second.zlt", CCommandLineInfo::FileOpen, "First.zlt", true},
  };
  // clang-format on
  for (const Case& c : cases) {
    CCommandLineInfo info;
    ParseCommandLineInto(info, c.cmdLine);
    EXPECT_EQ(info.m_nShellCommand, c.expectedCommand) << c.cmdLine;
    EXPECT_EQ(info.m_strFileName, c.expectedFile) << c.cmdLine;
    EXPECT_EQ(static_cast<bool>(info.m_bShowSplash), c.expectedSplash) << c.cmdLine;
  }
}

TEST(CommandLine, PrintToTakesThePrinterDriverAndPort) {
  CCommandLineInfo info;
  ParseCommandLineInto(info, "/pt Note.zlt \"Laser Printer\" winspool LPT1: extra");
  EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FilePrintTo);
  EXPECT_EQ(info.m_strFileName, "Note.zlt");
  EXPECT_EQ(info.m_strPrinterName, "Laser Printer");
  EXPECT_EQ(info.m_strDriverName, "winspool");
  EXPECT_EQ(info.m_strPortName, "LPT1:");
}

TEST(CommandLine, AParserCanTakeParametersOfItsOwn) {
  // A program's parser sees every parameter, with its flag character gone.
  struct RecordingInfo : CCommandLineInfo {
    std::vector<std::string> seen;
    void ParseParam(LPCSTR lpszParam, BOOL bFlag, BOOL bLast) override {
      seen.push_back(std::string(bFlag ? "flag " : "") + lpszParam + (bLast ? " last" : ""));
      CCommandLineInfo::ParseParam(lpszParam, bFlag, bLast);
    }
  } info;
  ParseCommandLineInto(info, "-x Note.zlt");
  EXPECT_EQ(info.seen, (std::vector<std::string>{"flag x", "Note.zlt last"}));
  EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FileOpen);
}

}  // namespace
