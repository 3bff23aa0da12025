#include "editor/core/TypedPath.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

const std::set<std::string> kFolders = {"C:\\", "C:\\Docs", "C:\\Docs\\Old", "\\\\srv\\share"};

bool IsFolder(const CString& path) { return kFolders.count(static_cast<LPCSTR>(path)) > 0; }

TEST(TypedPathTest, ShortcutNames) {
  struct Case {
    const char* text;
    BOOL shortcut;
  } cases[] = {
      {"a.lnk", TRUE}, {"A.LNK", TRUE}, {"lnk", TRUE}, {"Lnk", TRUE},
      {"nk", FALSE},   {"", FALSE},     {"a.lnk2", FALSE}, {"\"a.lnk\"", FALSE},
  };
  for (const Case& c : cases) EXPECT_EQ(IsShortcutName(c.text), c.shortcut) << c.text;
}

TEST(TypedPathTest, ShortcutPathDropsQuotesAndStaysBounded) {
  struct Case {
    const char* folder;
    const char* text;
    const char* path;
  } cases[] = {
      {"C:\\Docs", "a.lnk", "C:\\Docs\\a.lnk"},
      {"C:\\", "a.lnk", "C:\\a.lnk"},
      {"C:\\Docs", "\"a b.lnk\" rest", "C:\\Docs\\a b.lnk"},
      {"C:\\Docs", "\"", "C:\\Docs\\"},
      {"C:\\Docs", "D:\\x.lnk", "D:\\x.lnk"},
      {"C:\\Docs", "\\x.lnk", "\\x.lnk"},
      {"", "x.lnk", "x.lnk"},
  };
  for (const Case& c : cases) EXPECT_STREQ(ShortcutPathOf(c.folder, c.text), c.path) << c.text;
  CString longName('x', 1000);
  EXPECT_EQ(ShortcutPathOf("C:\\Docs", longName + ".lnk").GetLength(), MAX_PATH - 1);
}

TEST(TypedPathTest, SplitsAFolderAndANameOrPattern) {
  struct Case {
    const char* text;
    BOOL wasShortcut;
    TypedPathKind kind;
    const char* folder;
    const char* name;
  } cases[] = {
      {"letter", FALSE, TypedPathKind::kFileName, "", ""},
      {"C:\\Docs", FALSE, TypedPathKind::kFolder, "C:\\Docs", ""},
      {"C:\\Docs\\*.rtf", FALSE, TypedPathKind::kFolderAndName, "C:\\Docs", "*.rtf"},
      {"C:\\Docs\\Old\\a.zlt", FALSE, TypedPathKind::kFolderAndName, "C:\\Docs\\Old", "a.zlt"},
      {"C:\\*.txt", FALSE, TypedPathKind::kFolderAndName, "C:\\", "*.txt"},
      {"C:\\Nowhere\\a.zlt", FALSE, TypedPathKind::kFileName, "", ""},
      {"\\\\srv\\share\\a.zlt", FALSE, TypedPathKind::kFolderAndName, "\\\\srv\\share", "a.zlt"},
      {"\\a.zlt", FALSE, TypedPathKind::kFileName, "", ""},
      {"C:\\Docs\\Old", TRUE, TypedPathKind::kFolder, "C:\\Docs\\Old", ""},
      {"C:\\Docs\\target.zlt", TRUE, TypedPathKind::kFileName, "", ""},
  };
  for (const Case& c : cases) {
    TypedPath typed = SplitTypedPath(c.text, c.wasShortcut, IsFolder);
    EXPECT_EQ(typed.kind, c.kind) << c.text;
    EXPECT_STREQ(typed.folder, c.folder) << c.text;
    EXPECT_STREQ(typed.name, c.name) << c.text;
  }
}

TEST(TypedPathTest, TrailingBackslash) {
  struct Case {
    const char* folder;
    const char* with;
    const char* without;
  } cases[] = {
      {"C:\\Docs", "C:\\Docs\\", "C:\\Docs"},
      {"C:\\Docs\\", "C:\\Docs\\", "C:\\Docs"},
      {"C:\\", "C:\\", "C:"},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_STREQ(WithTrailingBackslash(c.folder), c.with) << c.folder;
    EXPECT_STREQ(WithoutTrailingBackslash(c.folder), c.without) << c.folder;
  }
}

}  // namespace
