// The shell item-ID-list helper over Wine's shell namespace: strict about
// what the helper itself does with the lists, tolerant of the names and
// icons the shell gives.
#include "toolkit/win/CKWShellIdList.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace kw_shell_id_list_test {

class ShellIdListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::CoInitialize(nullptr);
    char windows[MAX_PATH] = {};
    ::GetWindowsDirectoryA(windows, MAX_PATH);
    m_windows = windows;
    m_system = m_windows + "\\system32";
  }
  void TearDown() override { ::CoUninitialize(); }
  static int Items(CKWShellIdList& lists, LPCITEMIDLIST pidl) {
    int count = 0;
    for (LPCITEMIDLIST item = pidl; item && item->mkid.cb; item = lists.GetNextItem(item)) ++count;
    return count;
  }

  CKWShellIdList m_lists;
  std::string m_windows, m_system;
};

TEST_F(ShellIdListTest, ParsedPathsAreWalkedCopiedJoinedAndCut) {
  LPITEMIDLIST pidl = m_lists.ParseDisplayName(m_system.c_str());
  ASSERT_NE(pidl, nullptr);
  const int items = Items(m_lists, pidl);
  EXPECT_GE(items, 2);
  const UINT size = m_lists.GetSize(pidl);
  LPITEMIDLIST copy = m_lists.CopyItemIdList(pidl);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(std::memcmp(copy, pidl, size), 0);

  LPITEMIDLIST last = m_lists.GetLastItem(pidl);
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(m_lists.GetNextItem(last)->mkid.cb, 0);
  LPITEMIDLIST parent = m_lists.GetParentIdList(copy);
  EXPECT_EQ(parent, copy);
  EXPECT_EQ(Items(m_lists, parent), items - 1);
  LPITEMIDLIST joined = m_lists.ConcatItemIdLists(parent, last);
  ASSERT_NE(joined, nullptr);
  EXPECT_EQ(m_lists.GetSize(joined), size);
  EXPECT_EQ(std::memcmp(joined, pidl, size), 0);

  LPMALLOC pMalloc = nullptr;
  ASSERT_TRUE(SUCCEEDED(::SHGetMalloc(&pMalloc)));
  LPITEMIDLIST first = m_lists.CopyFirstItemId(pMalloc, pidl);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(Items(m_lists, first), 1);
  EXPECT_EQ(m_lists.GetSize(first), pidl->mkid.cb + 2u);
  EXPECT_EQ(m_lists.GetParentIdList(first), first) << "one item stays";
  EXPECT_EQ(Items(m_lists, first), 1);
  for (LPITEMIDLIST list : {pidl, copy, joined, first}) pMalloc->Free(list);
  pMalloc->Release();

  EXPECT_EQ(m_lists.GetSize(nullptr), 0u);
  EXPECT_EQ(m_lists.GetLastItem(nullptr), nullptr);
  EXPECT_EQ(m_lists.ParseDisplayName("Q:\\no\\such\\folder\\here"), nullptr);
}

TEST_F(ShellIdListTest, ParentFolderPaths) {
  EXPECT_EQ(_stricmp(m_lists.GetParentFolderPath(m_system.c_str()), m_windows.c_str()), 0)
      << static_cast<LPCSTR>(m_lists.GetParentFolderPath(m_system.c_str()));
  EXPECT_STREQ(m_lists.GetParentFolderPath(""), "");
  EXPECT_STREQ(m_lists.GetParentFolderPath("Q:\\no\\such\\folder\\here"), "");
}

TEST_F(ShellIdListTest, DisplayNamesAreTerminatedAndParseBack) {
  LPSHELLFOLDER pDesktop = nullptr;
  ASSERT_TRUE(SUCCEEDED(::SHGetDesktopFolder(&pDesktop)));
  LPITEMIDLIST pidl = m_lists.ParseDisplayName(m_windows.c_str());
  ASSERT_NE(pidl, nullptr);
  char name[CKWShellIdList::kNameChars];
  std::memset(name, '#', sizeof name);
  ASSERT_TRUE(m_lists.GetDisplayName(pDesktop, pidl, SHGDN_FORPARSING, name));
  ASSERT_NE(std::memchr(name, '\0', sizeof name), nullptr);
  EXPECT_EQ(_stricmp(name, m_windows.c_str()), 0) << name;
  std::memset(name, '#', sizeof name);
  EXPECT_TRUE(m_lists.GetDisplayName(pDesktop, pidl, SHGDN_NORMAL, name));
  EXPECT_NE(std::memchr(name, '\0', sizeof name), nullptr);
  EXPECT_GT(std::strlen(name), 0u);

  LPITEMIDLIST full = m_lists.GetFullyQualifiedIdList(pDesktop, pidl);
  ASSERT_NE(full, nullptr);
  EXPECT_EQ(m_lists.GetSize(full), m_lists.GetSize(pidl));
  // Wine's icons differ from Windows'; an index is all that is asked.
  EXPECT_GE(m_lists.GetIconIndex(pidl, SHGFI_SYSICONINDEX | SHGFI_SMALLICON), 0);
  EXPECT_GE(m_lists.GetIconIndex(m_windows.c_str(), SHGFI_SYSICONINDEX | SHGFI_SMALLICON), 0);
  ::CoTaskMemFree(full);
  ::CoTaskMemFree(pidl);
  pDesktop->Release();
}

}  // namespace kw_shell_id_list_test
