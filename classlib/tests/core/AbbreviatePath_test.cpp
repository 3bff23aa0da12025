#include "classlib/core/AbbreviatePath.h"

#include <gtest/gtest.h>

namespace {

TEST(AbbreviatePath, KeepsTheRootAndAsManyLastFoldersAsFit) {
  struct Case {
    LPCSTR path;
    int nMaxLength;
    bool bAtLeastName;
    LPCSTR expected;
  };
  // clang-format off
  const Case cases[] = {
    {"C:\\Letters\\Note.txt", 30, true, "C:\\Letters\\Note.txt"},
    {"C:\\Letters\\Note.txt", 19, true, "C:\\Letters\\Note.txt"},
    {"C:\\Work\\Letters\\2024\\Note.txt", 28, true, "C:\\...\\Letters\\2024\\Note.txt"},
    {"C:\\Work\\Letters\\2024\\Note.txt", 27, true, "C:\\...\\2024\\Note.txt"},
    {"C:\\Work\\Letters\\2024\\Note.txt", 19, true, "C:\\...\\Note.txt"},
    {"C:\\Work\\Letters\\2024\\Note.txt", 15, true, "C:\\...\\Note.txt"},
    // Not even the root, the dots and the name fit.
    {"C:\\Work\\Letters\\2024\\Note.txt", 14, true, "Note.txt"},
    {"C:\\Work\\Letters\\2024\\Note.txt", 14, false, ""},
    // A network path keeps its server and share.
    {"\\\\server\\share\\Work\\Letters\\Note.txt", 32, true, "\\\\server\\share\\...\\Note.txt"},
    {"C:\\AVeryLongFileNameIndeed.txt", 20, true, "AVeryLongFileNameIndeed.txt"},
  };
  // clang-format on
  for (const Case& c : cases)
    EXPECT_STREQ(AbbreviatePath(c.path, c.nMaxLength, c.bAtLeastName), c.expected)
        << c.path << " in " << c.nMaxLength;
}

TEST(AbbreviatePath, MenuTextNumbersTheEntryAndShowsItsAmpersands) {
  EXPECT_EQ(RecentFileMenuText(1, "C:\\Note.txt"), "&1 C:\\Note.txt");
  EXPECT_EQ(RecentFileMenuText(10, "Tom & Jerry.txt"), "&10 Tom && Jerry.txt");
}

}  // namespace
