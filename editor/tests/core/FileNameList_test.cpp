#include "editor/core/FileNameList.h"

#include <gtest/gtest.h>

namespace {

TEST(FileNameListTest, MatchesPatterns) {
  struct Case {
    const char* name;
    const char* pattern;
    BOOL match;
  } cases[] = {
      {"letter.zlt", "*.zlt", TRUE},  {"LETTER.ZLT", "*.zlt", TRUE},
      {"letter.rtf", "*.zlt", FALSE}, {"letter.zlt.bak", "*.zlt", FALSE},
      {"noext", "*.*", TRUE},         {"a.b.c", "*.*", TRUE},
      {"letter.zlt", "letter.zlt", TRUE}, {"letter.zlt", "letter", FALSE},
      {"abc", "a?c", TRUE},           {"ac", "a?c", FALSE},
      {"abcbd", "a*b*d", TRUE},       {"abcbe", "a*b*d", FALSE},
      {"", "*", TRUE},                {"", "?", FALSE},
      {"x", "", FALSE},               {"aaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*c", FALSE},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MatchesFilePattern(c.name, c.pattern), c.match) << c.name << " ~ " << c.pattern;
}

std::vector<FolderEntry> SampleFolder() {
  return {
      {".", TRUE, FALSE},          {"..", TRUE, FALSE},        {"Old", TRUE, FALSE},
      {"archive", TRUE, FALSE},    {"Secret", TRUE, TRUE},     {"b.zlt", FALSE, FALSE},
      {"A.ZLT", FALSE, FALSE},     {"c.rtf", FALSE, FALSE},    {"hidden.zlt", FALSE, TRUE},
      {"dir.zlt", TRUE, FALSE},
  };
}

TEST(FileNameListTest, KeepsDirectoriesAndMatchingFiles) {
  FileNameList list(SampleFolder(), "*.zlt", FALSE);
  EXPECT_EQ(list.GetDirectoryCount(), 3);  // Old, archive, dir.zlt
  EXPECT_EQ(list.GetFileCount(), 2);       // A.ZLT, b.zlt
  struct Case {
    const char* name;
    BOOL isFolder;
    BOOL listed;
  } cases[] = {
      {"old", TRUE, TRUE},     {"ARCHIVE", TRUE, TRUE},   {"dir.zlt", TRUE, TRUE},
      {"Secret", TRUE, FALSE}, {".", TRUE, FALSE},        {"a.zlt", FALSE, TRUE},
      {"B.zlt", FALSE, TRUE},  {"c.rtf", FALSE, FALSE},   {"hidden.zlt", FALSE, FALSE},
      {"Old", FALSE, FALSE},   {"dir.zlt", FALSE, FALSE},
  };
  for (const Case& c : cases) EXPECT_EQ(list.Contains(c.name, c.isFolder), c.listed) << c.name;
}

TEST(FileNameListTest, HiddenEntriesWhenWanted) {
  FileNameList list(SampleFolder(), "*.zlt", TRUE);
  EXPECT_TRUE(list.Contains("Secret", TRUE));
  EXPECT_TRUE(list.Contains("hidden.zlt", FALSE));
  EXPECT_EQ(FileNameList({}, "*.*", TRUE).GetFileCount(), 0);
}

TEST(FileNameListTest, TypeAheadWrapsAfterTheSelection) {
  std::vector<CString> names = {"apple", "Banana", "avocado", "", "berry", "cherry"};
  struct Case {
    int selected;
    char typed;
    int row;
  } cases[] = {
      {-1, 'a', 0}, {0, 'a', 2}, {2, 'A', 0}, {0, 'b', 1}, {1, 'B', 4}, {4, 'b', 1},
      {5, 'c', 5},  {0, 'z', -1}, {99, 'c', 5}, {3, 'a', 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FindTypeAheadRow(names, c.selected, c.typed), c.row) << c.selected << c.typed;
  EXPECT_EQ(FindTypeAheadRow({}, 0, 'a'), -1);
}

}  // namespace
