// A parent passes the sorting and deleting messages of an owner-drawn list box
// to the list box's own object, which orders and releases the items it keeps.
#include <algorithm>
#include <vector>

#include "classlib/tests/win/DialogTestSupport.h"
#include "classlib/win/CListBox.h"

namespace {

// Items are numbers kept as item data; the box sorts them in descending order.
class CDescendingList : public CListBox {
 public:
  int CompareItem(LPCOMPAREITEMSTRUCT lpCompare) override {
    auto a = static_cast<long>(lpCompare->itemData1), b = static_cast<long>(lpCompare->itemData2);
    return a > b ? -1 : (a < b ? 1 : 0);
  }
  void DeleteItem(LPDELETEITEMSTRUCT lpDelete) override {
    m_deleted.push_back(static_cast<long>(lpDelete->itemData));
  }
  std::vector<long> m_deleted;
};

class ItemMessagesTest : public DialogTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_wndParent.CreateEx(0, nullptr, "items", WS_OVERLAPPEDWINDOW, 20, 20, 300, 200,
                                     nullptr, nullptr));
    ASSERT_TRUE(m_wndList.Create(WS_CHILD | LBS_OWNERDRAWFIXED | LBS_SORT, CRect(5, 5, 200, 150),
                                 &m_wndParent, 100));
  }
  CWnd m_wndParent;
  CDescendingList m_wndList;
};

TEST_F(ItemMessagesTest, TheListObjectSortsAndReleasesItsItems) {
  for (long value : {3L, 9L, 1L, 5L})
    m_wndList.SendMessage(LB_ADDSTRING, 0, static_cast<LPARAM>(value));
  ASSERT_EQ(4, m_wndList.GetCount());
  std::vector<long> order;
  for (int i = 0; i < 4; ++i) order.push_back(static_cast<long>(m_wndList.GetItemData(i)));
  EXPECT_EQ((std::vector<long>{9, 5, 3, 1}), order);

  m_wndList.DeleteString(1);
  EXPECT_EQ((std::vector<long>{5}), m_wndList.m_deleted);
  m_wndList.ResetContent();  // the order of a reset's deletions is the system's
  std::sort(m_wndList.m_deleted.begin() + 1, m_wndList.m_deleted.end());
  EXPECT_EQ((std::vector<long>{5, 1, 3, 9}), m_wndList.m_deleted);
}

}  // namespace
