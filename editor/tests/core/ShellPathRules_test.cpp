#include <gtest/gtest.h>

#include "editor/core/ShellPathRules.h"

namespace {

struct DriveCase {
  const char* path;
  char letter;
  BOOL root;
};

TEST(ShellPathRules, DriveLetterAndRootOfPaths) {
  const DriveCase cases[] = {
      {"c:/", 'C', TRUE},     {"D:\\", 'D', TRUE},       {"e:\\docs\\a.zlt", 'E', FALSE},
      {"c:", 0, FALSE},       {"c", 0, FALSE},           {"", 0, FALSE},
      {"1:\\", 0, FALSE},     {"\\\\srv\\share", 0, FALSE}, {"c:x", 0, FALSE},
  };
  for (const DriveCase& c : cases) {
    EXPECT_EQ(c.letter, DriveLetterOfPath(c.path)) << c.path;
    EXPECT_EQ(c.root, IsDriveRoot(c.path)) << c.path;
  }
  EXPECT_EQ(0, DriveLetterOfPath(nullptr));
}

TEST(ShellPathRules, NetworkPathsBeginWithTwoBackslashes) {
  EXPECT_TRUE(IsNetworkPath("\\\\server\\share"));
  EXPECT_FALSE(IsNetworkPath("\\server"));
  EXPECT_FALSE(IsNetworkPath("//server/share"));
  EXPECT_FALSE(IsNetworkPath(""));
}

TEST(ShellPathRules, DriveLetterOfDisplayNames) {
  const struct {
    const char* name;
    char letter;
  } cases[] = {
      {"Local Disk (c:)", 'C'}, {"(D:)", 'D'},       {"Disk (C:", 0},
      {"Disk (1:)", 0},         {"Disk (", 0},       {"My Documents", 0},
      {"A (b) (C:)", 0},  // only the first '(' counts
  };
  for (const auto& c : cases) EXPECT_EQ(c.letter, DriveLetterOfDisplayName(c.name)) << c.name;
}

TEST(ShellPathRules, ShortcutsEndInLnkInAnyCase) {
  const struct {
    const char* path;
    BOOL shortcut;
  } cases[] = {{"a.lnk", TRUE}, {"C:\\x\\B.LNK", TRUE}, {"lnk", TRUE}, {"nk", FALSE},
               {"", FALSE},     {"a.lnk.txt", FALSE}, {"a.ink", FALSE}};
  for (const auto& c : cases) EXPECT_EQ(c.shortcut, IsShortcutPath(c.path)) << c.path;
}

}  // namespace
