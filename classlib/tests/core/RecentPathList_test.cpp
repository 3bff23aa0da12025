#include "classlib/core/RecentPathList.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Entries(const RecentPathList& list) {
  std::vector<std::string> entries;
  for (int i = 0; i < list.GetCount(); ++i) entries.emplace_back(static_cast<LPCSTR>(list[i]));
  return entries;
}

void AddAll(RecentPathList& list, std::initializer_list<LPCSTR> added) {
  for (LPCSTR path : added) list.Add(path);
}

TEST(RecentPathList, AddingPutsThePathOnTop) {
  struct Case {
    std::initializer_list<LPCSTR> added;
    std::vector<std::string> expected;
  };
  // clang-format off
  const Case cases[] = {
    {{}, {}},
    {{"C:\\a.txt"}, {"C:\\a.txt"}},
    {{"C:\\a.txt", "C:\\b.txt", "C:\\c.txt"}, {"C:\\c.txt", "C:\\b.txt", "C:\\a.txt"}},
    // An equal path moves up, whatever its case, and takes the new spelling.
    {{"C:\\a.txt", "C:\\b.txt", "c:\\A.TXT"}, {"c:\\A.TXT", "C:\\b.txt"}},
    {{"C:\\a.txt", "C:\\b.txt", "C:\\b.txt"}, {"C:\\b.txt", "C:\\a.txt"}},
    // A full list drops its oldest entry.
    {{"C:\\a", "C:\\b", "C:\\c", "C:\\d", "C:\\e"}, {"C:\\e", "C:\\d", "C:\\c", "C:\\b"}},
    // The oldest entry of a full list moves up rather than dropping another.
    {{"C:\\a", "C:\\b", "C:\\c", "C:\\d", "C:\\a"}, {"C:\\a", "C:\\d", "C:\\c", "C:\\b"}},
    {{"", "C:\\a"}, {"C:\\a"}},
  };
  // clang-format on
  for (const Case& c : cases) {
    RecentPathList list(4);
    AddAll(list, c.added);
    EXPECT_EQ(Entries(list), c.expected);
  }
}

TEST(RecentPathList, RemovingMovesTheLaterEntriesUp) {
  RecentPathList list(4);
  AddAll(list, {"C:\\a", "C:\\b", "C:\\c"});
  list.Remove(1);
  EXPECT_EQ(Entries(list), (std::vector<std::string>{"C:\\c", "C:\\a"}));
  EXPECT_TRUE(list[2].IsEmpty());
  list.Remove(0);
  list.Remove(0);
  EXPECT_EQ(list.GetCount(), 0);
}

TEST(RecentPathList, AListOfNoEntriesKeepsNothing) {
  RecentPathList list(0);
  AddAll(list, {"C:\\a"});
  EXPECT_EQ(list.GetMaxSize(), 0);
  EXPECT_EQ(list.GetCount(), 0);
}

}  // namespace
