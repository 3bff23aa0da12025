// The wrappers of the common controls the program builds its own windows
// on: tooltips, list views with their header, and toolbars.
#include <algorithm>
#include <iterator>
#include <string>

#include "classlib/tests/win/DialogTestSupport.h"
#include "classlib/win/CHeaderCtrl.h"
#include "classlib/win/CImageList.h"
#include "classlib/win/CListCtrl.h"
#include "classlib/win/CToolBarCtrl.h"
#include "classlib/win/CToolTipCtrl.h"

namespace {

class CommonControlsTest : public DialogTest {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    // A popup, shown without activation where a test shows it: without a
    // window manager it then goes at once.
    ASSERT_TRUE(m_wndParent.CreateEx(0, nullptr, "common controls", WS_POPUP | WS_BORDER, 20, 20,
                                     400, 300, nullptr, nullptr));
  }
  CWnd m_wndParent;
};

CString TipText(const CToolTipCtrl& tip, CWnd* pTool) {
  CString text;
  tip.GetText(text, pTool);
  return text;
}

TEST_F(CommonControlsTest, ToolTipToolsAreAddedUpdatedAndDeleted) {
  CWnd child;
  ASSERT_TRUE(child.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(10, 10, 60, 30),
                           &m_wndParent, 200));
  CToolTipCtrl tip;
  ASSERT_TRUE(tip.Create(&m_wndParent, TTS_ALWAYSTIP));
  ASSERT_TRUE(tip.AddTool(&child, "First tip"));
  // A rectangle of the parent is a tool of its own id.
  CRect rcArea(100, 100, 150, 150);
  ASSERT_TRUE(tip.AddTool(&m_wndParent, "Area tip", &rcArea, 7));
  EXPECT_EQ(2, tip.GetToolCount());
  EXPECT_STREQ("First tip", TipText(tip, &child));

  tip.UpdateTipText("Second tip", &child);
  EXPECT_STREQ("Second tip", TipText(tip, &child));
  TOOLINFOA ti = {};
  ASSERT_TRUE(tip.GetToolInfo(ti, &m_wndParent, 7));
  EXPECT_EQ(rcArea, CRect(ti.rect));

  tip.Activate(TRUE);
  MSG msg = {child.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5), 0, {15, 15}};
  tip.RelayEvent(&msg);
  tip.Pop();
  tip.DelTool(&child);
  EXPECT_EQ(1, tip.GetToolCount());
  EXPECT_FALSE(tip.GetToolInfo(ti, &child));
}

// Sorts by item data, largest first.
int CALLBACK ByDataDescending(LPARAM lParam1, LPARAM lParam2, LPARAM) {
  return lParam1 < lParam2 ? 1 : lParam1 > lParam2 ? -1 : 0;
}

TEST_F(CommonControlsTest, ListViewColumnsItemsStatesAndSorting) {
  CListCtrl list;
  ASSERT_TRUE(
      list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200), &m_wndParent, 201));
  EXPECT_EQ(0, list.InsertColumn(0, "Word", LVCFMT_LEFT, 120));
  EXPECT_EQ(1, list.InsertColumn(1, "Count", LVCFMT_RIGHT, 60, 1));
  EXPECT_EQ(120, list.GetColumnWidth(0));
  ASSERT_NE(nullptr, list.GetHeaderCtrl());
  EXPECT_EQ(2, list.GetHeaderCtrl()->GetItemCount());

  const char* const words[] = {"alef", "bet", "gimel"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(i, list.InsertItem(i, words[i]));
    CString count;
    count.Format("%d", (i + 1) * 10);
    EXPECT_TRUE(list.SetItemText(i, 1, count));
    EXPECT_TRUE(list.SetItemData(i, static_cast<DWORD_PTR>(i + 1)));
  }
  ASSERT_EQ(3, list.GetItemCount());
  EXPECT_STREQ("bet", list.GetItemText(1, 0));
  EXPECT_STREQ("20", list.GetItemText(1, 1));
  EXPECT_EQ(2U, list.GetItemData(1));

  ASSERT_TRUE(list.SortItems(ByDataDescending, 0));
  EXPECT_STREQ("gimel", list.GetItemText(0, 0));
  EXPECT_STREQ("alef", list.GetItemText(2, 0));

  list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  EXPECT_EQ(static_cast<UINT>(LVIS_SELECTED), list.GetItemState(1, LVIS_SELECTED));
  EXPECT_EQ(1, list.GetNextItem(-1, LVNI_SELECTED));
  EXPECT_EQ(-1, list.GetNextItem(1, LVNI_SELECTED));
  EXPECT_EQ(1U, list.GetSelectedCount());
  EXPECT_TRUE(list.EnsureVisible(2, FALSE));

  CRect rcItem;
  ASSERT_TRUE(list.GetItemRect(2, &rcItem, LVIR_BOUNDS));
  UINT nFlags = 0;
  EXPECT_EQ(2, list.HitTest(CPoint(rcItem.left + 5, rcItem.CenterPoint().y), &nFlags));
  EXPECT_NE(0U, nFlags & LVHT_ONITEM);
  EXPECT_EQ(-1, list.HitTest(CPoint(5, 190)));

  list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  EXPECT_EQ(static_cast<DWORD>(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES), list.GetExtendedStyle());
  CImageList images;
  ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 0));
  list.SetImageList(&images, LVSIL_SMALL);
  EXPECT_EQ(&images, list.GetImageList(LVSIL_SMALL));
  list.SetImageList(nullptr, LVSIL_SMALL);

  EXPECT_TRUE(list.DeleteItem(0));
  EXPECT_TRUE(list.DeleteAllItems());
  EXPECT_EQ(0, list.GetItemCount());
}

// Records the header items it draws.
class CDrawnHeader : public CHeaderCtrl {
 public:
  std::vector<UINT> m_drawn;
  void DrawItem(LPDRAWITEMSTRUCT lpDIS) override { m_drawn.push_back(lpDIS->itemID); }
};

TEST_F(CommonControlsTest, OwnerDrawnHeaderItemsAreDrawnByTheHeaderObject) {
  CListCtrl list;
  ASSERT_TRUE(
      list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200), &m_wndParent, 202));
  list.InsertColumn(0, "Plain", LVCFMT_LEFT, 100);
  list.InsertColumn(1, "Drawn", LVCFMT_LEFT, 100);
  CDrawnHeader header;
  ASSERT_TRUE(header.SubclassWindow(list.GetHeaderCtrl()->m_hWnd));
  HDITEMA item = {};
  item.mask = HDI_FORMAT;
  item.fmt = HDF_OWNERDRAW;
  header.SetItem(1, &item);

  m_wndParent.ShowWindow(SW_SHOWNA);
  header.RedrawWindow();
  EXPECT_EQ(std::vector<UINT>{1}, header.m_drawn)
      << "the list view reflects the header's WM_DRAWITEM";

  CRect rc;
  ASSERT_TRUE(header.GetItemRect(1, &rc));
  HDHITTESTINFO hit = {};
  hit.pt = rc.CenterPoint();
  EXPECT_EQ(1, header.HitTest(&hit));
  EXPECT_NE(0U, hit.flags & HHT_ONHEADER);
  header.UnsubclassWindow();
}

constexpr UINT kToolBarID = 203;
const TBBUTTON kButtons[] = {
    {0, 301, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
    {0, 0, TBSTATE_ENABLED, BTNS_SEP, {}, 0, 0},
    {1, 302, TBSTATE_ENABLED, BTNS_CHECK, {}, 0, 0},
};

// Tells a restoring toolbar about the buttons it may have.
class CToolBarParent : public CWnd {
 protected:
  afx_msg void OnGetButtonInfo(NMHDR* pNMHDR, LRESULT* pResult) {
    auto* pInfo = reinterpret_cast<NMTOOLBARA*>(pNMHDR);
    *pResult = pInfo->iItem >= 0 && pInfo->iItem < 3;
    if (*pResult) pInfo->tbButton = kButtons[pInfo->iItem];
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CToolBarParent, CWnd)
  ON_NOTIFY(TBN_GETBUTTONINFOA, kToolBarID, OnGetButtonInfo)
  ON_NOTIFY(TBN_GETBUTTONINFOW, kToolBarID, OnGetButtonInfo)
END_MESSAGE_MAP()

TEST_F(DialogTest, ToolBarButtonsStatesAndSavedLayout) {
  CToolBarParent parent;
  ASSERT_TRUE(CreateTopLevel(parent));
  CToolBarCtrl bar;
  ASSERT_TRUE(
      bar.Create(WS_CHILD | WS_VISIBLE | CCS_ADJUSTABLE, CRect(0, 0, 0, 0), &parent, kToolBarID));
  EXPECT_EQ(0, bar.AddBitmap(2, IDB_DLGTEST_SQUARES));
  TBBUTTON buttons[3];
  std::copy(std::begin(kButtons), std::end(kButtons), buttons);
  ASSERT_TRUE(bar.AddButtons(3, buttons));
  ASSERT_EQ(3, bar.GetButtonCount());
  EXPECT_EQ(2, bar.CommandToIndex(302));
  EXPECT_EQ(-1, bar.CommandToIndex(999));

  EXPECT_TRUE(bar.EnableButton(301, FALSE));
  EXPECT_FALSE(bar.IsButtonEnabled(301));
  EXPECT_TRUE(bar.CheckButton(302));
  EXPECT_TRUE(bar.IsButtonChecked(302));
  EXPECT_EQ(TBSTATE_ENABLED | TBSTATE_CHECKED, bar.GetState(302));
  EXPECT_TRUE(bar.HideButton(301));
  EXPECT_TRUE(bar.IsButtonHidden(301));
  bar.HideButton(301, FALSE);
  bar.SetButtonSize(CSize(24, 22));
  EXPECT_EQ(CSize(24, 22), bar.GetButtonSize());

  // The layout goes to the registry and comes back after a change.
  const char* const kKey = "Software\\ZultaTests\\DialogTests";
  bar.SaveState(HKEY_CURRENT_USER, kKey, "Toolbar");
  EXPECT_TRUE(bar.DeleteButton(0));
  ASSERT_EQ(2, bar.GetButtonCount());
  bar.RestoreState(HKEY_CURRENT_USER, kKey, "Toolbar");
  EXPECT_EQ(3, bar.GetButtonCount());
  EXPECT_EQ(0, bar.CommandToIndex(301));
  ::RegDeleteKeyA(HKEY_CURRENT_USER, kKey);
}

}  // namespace
