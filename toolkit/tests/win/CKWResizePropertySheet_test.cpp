// A resizable property sheet keeps its buttons at its bottom-right corner,
// stretches its tab control and pages (and a page its own controls) at two
// sizes, and adds the sizing commands to its system menu.
#include "toolkit/win/CKWResizePropertySheet.h"

#include <string>

#include "toolkit/tests/win/KWResizeTestIds.h"
#include "toolkit/tests/win/KWResizeTestSupport.h"
#include "toolkit/win/CKWResizePropertyPage.h"

namespace kw_resize_property_sheet_test {

constexpr UINT kTabId = 0x3020;
constexpr UINT kApplyId = 0x3021;

class CAnchoredPage : public CKWResizePropertyPage {
 public:
  explicit CAnchoredPage(UINT nIDTemplate) : CKWResizePropertyPage(nIDTemplate, 0, 0) {}
  BOOL OnInitDialog() override {
    CKWResizePropertyPage::OnInitDialog();
    SetResize(IDC_KWTEST_EDIT, CKWResizeRect(0, 0, 1, 0));
    SetResize(IDC_KWTEST_LIST, CKWResizeRect(0, 0, 1, 1));
    return TRUE;
  }
};

// A sheet with a sizing frame, as a program gives it one before the layout starts.
class CSizingSheet : public CKWResizePropertySheet {
 public:
  CSizingSheet() : CKWResizePropertySheet("Sheet", nullptr, 0, 0) {
    AddPage(&m_first);
    AddPage(&m_second);
  }
  BOOL OnInitDialog() override {
    ModifyStyle(0, WS_THICKFRAME);
    return CKWResizePropertySheet::OnInitDialog();
  }
  CAnchoredPage m_first{IDD_KWTEST_PAGE_ONE};
  CAnchoredPage m_second{IDD_KWTEST_PAGE_TWO};
};

constexpr DWORD kSheetStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_VISIBLE;

using ResizeSheetTest = ResizeTest;

TEST_F(ResizeSheetTest, ButtonsTabsAndPagesStayAnchoredAtTwoSizes) {
  CSizingSheet sheet;
  ASSERT_TRUE(sheet.Create(nullptr, kSheetStyle));
  HWND hSheet = sheet.m_hWnd;
  HWND hPage = sheet.m_first.m_hWnd;
  ASSERT_NE(hPage, nullptr);
  EXPECT_NE(::GetDlgItem(hSheet, CKWSizeGrip::kId), nullptr);
  const UINT corner[] = {IDOK, IDCANCEL, kApplyId};
  CRect buttons[3];
  for (int i = 0; i < 3; ++i) buttons[i] = ChildRect(hSheet, corner[i]);
  const CRect tab = ChildRect(hSheet, kTabId);
  CRect page;
  ::GetWindowRect(hPage, page);
  ::MapWindowPoints(nullptr, hSheet, reinterpret_cast<LPPOINT>(&page), 2);
  const CRect edit = ChildRect(hPage, IDC_KWTEST_EDIT), list = ChildRect(hPage, IDC_KWTEST_LIST);
  SavePicture(hSheet, "toolkit_resize_sheet_small");

  const int dx = 80, dy = 50;
  GrowWindow(hSheet, dx, dy);
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(ChildRect(hSheet, corner[i]), Shifted(buttons[i], dx, dy, dx, dy)) << corner[i];
  EXPECT_EQ(ChildRect(hSheet, kTabId), Shifted(tab, 0, 0, dx, dy));
  CRect pageNow;
  ::GetWindowRect(hPage, pageNow);
  ::MapWindowPoints(nullptr, hSheet, reinterpret_cast<LPPOINT>(&pageNow), 2);
  EXPECT_EQ(pageNow, Shifted(page, 0, 0, dx, dy));
  EXPECT_EQ(ChildRect(hPage, IDC_KWTEST_EDIT), Shifted(edit, 0, 0, dx, 0));
  EXPECT_EQ(ChildRect(hPage, IDC_KWTEST_LIST), Shifted(list, 0, 0, dx, dy));
  SavePicture(hSheet, "toolkit_resize_sheet_large");

  GrowWindow(hSheet, -dx, -dy);
  EXPECT_EQ(ChildRect(hSheet, IDOK), buttons[0]);
  EXPECT_EQ(ChildRect(hPage, IDC_KWTEST_LIST), list);
  sheet.DestroyWindow();
}

TEST_F(ResizeSheetTest, TheSystemMenuGainsTheSizingCommands) {
  CSizingSheet sheet;
  ASSERT_TRUE(sheet.Create(nullptr, kSheetStyle));
  HMENU hMenu = ::GetSystemMenu(sheet.m_hWnd, FALSE);
  ASSERT_NE(hMenu, nullptr);
  // The sheet has no owner with a system menu of its own: the English texts.
  EXPECT_EQ(::GetMenuItemID(hMenu, 0), UINT(SC_RESTORE));
  char text[64] = {};
  ::GetMenuStringA(hMenu, 0, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "&Restore");
  for (UINT command : {UINT(SC_SIZE), UINT(SC_MINIMIZE), UINT(SC_MAXIMIZE)})
    EXPECT_NE(::GetMenuState(hMenu, command, MF_BYCOMMAND), UINT(-1)) << command;
  sheet.DestroyWindow();
}

TEST_F(ResizeSheetTest, AnOwnersSystemMenuTextsAreTaken) {
  // An owner whose system menu speaks another language.
  HWND hOwner = ::CreateWindowA("STATIC", "owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                nullptr, nullptr, nullptr);
  HMENU hOwnerMenu = ::GetSystemMenu(hOwner, FALSE);
  ASSERT_NE(hOwnerMenu, nullptr);
  ::ModifyMenuA(hOwnerMenu, SC_RESTORE, MF_BYCOMMAND | MF_STRING, SC_RESTORE, "&Wiederherstellen");
  CWnd owner;
  owner.Attach(hOwner);
  CSizingSheet sheet;
  ASSERT_TRUE(sheet.Create(&owner, kSheetStyle));
  char text[64] = {};
  ::GetMenuStringA(::GetSystemMenu(sheet.m_hWnd, FALSE), 0, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "&Wiederherstellen");
  sheet.DestroyWindow();
  owner.Detach();
  ::DestroyWindow(hOwner);
}

}  // namespace kw_resize_property_sheet_test
