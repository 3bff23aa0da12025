// A property sheet with two pages made from templates: pages are made when
// first shown, refuse to be left with bad data, apply on OK and Apply, reset
// on Cancel; a sheet may add its own controls and end with its own result.
#include <string>

#include "classlib/tests/win/DialogTestSupport.h"
#include "classlib/win/CButton.h"
#include "classlib/win/CDataExchange.h"
#include "classlib/win/CPropertyPage.h"
#include "classlib/win/CPropertySheet.h"
#include "classlib/win/CTabCtrl.h"

namespace {

// Counts what the sheet tells it.
class CCountingPage : public CPropertyPage {
 public:
  using CPropertyPage::CPropertyPage;
  int m_nSetActive = 0;
  int m_nKillActive = 0;
  int m_nApply = 0;
  int m_nReset = 0;
  BOOL OnSetActive() override {
    ++m_nSetActive;
    return CPropertyPage::OnSetActive();
  }
  BOOL OnKillActive() override {
    ++m_nKillActive;
    return CPropertyPage::OnKillActive();
  }
  BOOL OnApply() override {
    ++m_nApply;
    return CPropertyPage::OnApply();
  }
  void OnReset() override {
    ++m_nReset;
    CPropertyPage::OnReset();
  }
};

class CNamePage : public CCountingPage {
 public:
  CNamePage() : CCountingPage(IDD_DLGTEST_PAGE_ONE) {}
  CString m_strName = "initial";

 protected:
  void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_DLGTEST_NAME, m_strName); }
};

class CCountPage : public CCountingPage {
 public:
  CCountPage() : CCountingPage(IDD_DLGTEST_PAGE_TWO, IDS_DLGTEST_PAGE_TWO) {}
  int m_nCount = 3;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Text(pDX, IDC_DLGTEST_COUNT, m_nCount);
    DDV_MinMaxInt(pDX, m_nCount, 1, 10);
  }
};

using Sheet = CScripted<CPropertySheet>;

class PropertySheetTest : public DialogTest {
 protected:
  void SetUp() override {
    m_sheet.AddPage(&m_one);
    m_sheet.AddPage(&m_two);
  }
  CNamePage m_one;
  CCountPage m_two;
  Sheet m_sheet{IDS_DLGTEST_SHEET};
};

std::string TabText(CTabCtrl* pTab, int nItem) {
  char szText[64] = {};
  TCITEMA item = {};
  item.mask = TCIF_TEXT;
  item.pszText = szText;
  item.cchTextMax = sizeof szText;
  pTab->GetItem(nItem, &item);
  return szText;
}

TEST_F(PropertySheetTest, SwitchesPagesAndAppliesOnOK) {
  m_sheet.m_script = [&](Sheet& s) {
    EXPECT_EQ(2, s.GetPageCount());
    EXPECT_EQ(0, s.GetActiveIndex());
    EXPECT_EQ(&m_one, s.GetActivePage());
    EXPECT_EQ(nullptr, m_two.m_hWnd) << "a page is made when first shown";
    EXPECT_EQ("initial", ItemText(m_one.m_hWnd, IDC_DLGTEST_NAME));
    CTabCtrl* pTab = s.GetTabControl();
    ASSERT_NE(nullptr, pTab);
    EXPECT_EQ(2, pTab->GetItemCount());
    EXPECT_EQ("General", TabText(pTab, 0)) << "the template's caption";
    EXPECT_EQ("Limits", TabText(pTab, 1)) << "the caption string";

    ::SetDlgItemTextA(m_one.m_hWnd, IDC_DLGTEST_NAME, "changed");
    EXPECT_TRUE(s.SetActivePage(1));
    EXPECT_EQ(1, s.GetActiveIndex());
    EXPECT_EQ(1, m_one.m_nKillActive);
    EXPECT_STREQ("changed", m_one.m_strName) << "leaving a page takes its data";
    ASSERT_NE(nullptr, m_two.m_hWnd);
    EXPECT_EQ("3", ItemText(m_two.m_hWnd, IDC_DLGTEST_COUNT));

    // A bad value keeps the page.
    ::SetDlgItemTextA(m_two.m_hWnd, IDC_DLGTEST_COUNT, "50");
    s.SetActivePage(0);
    EXPECT_EQ(1, s.GetActiveIndex());
    EXPECT_EQ(std::vector<std::string>{"Please enter an integer between 1 and 10."},
              m_app.m_messages);

    ::SetDlgItemTextA(m_two.m_hWnd, IDC_DLGTEST_COUNT, "7");
    s.PressButton(PSBTN_OK);
  };
  EXPECT_EQ(IDOK, m_sheet.DoModal());
  EXPECT_EQ(nullptr, m_sheet.m_hWnd);
  EXPECT_EQ(nullptr, m_one.m_hWnd) << "the pages go with the sheet";
  EXPECT_STREQ("changed", m_one.m_strName);
  EXPECT_EQ(7, m_two.m_nCount);
  EXPECT_EQ(1, m_one.m_nApply);
  EXPECT_EQ(1, m_two.m_nApply);
  EXPECT_EQ(0, m_one.m_nReset);
}

TEST_F(PropertySheetTest, ApplyKeepsTheSheetOpenAndCancelResets) {
  m_sheet.m_script = [&](Sheet& s) {
    ::SetDlgItemTextA(m_one.m_hWnd, IDC_DLGTEST_NAME, "applied");
    m_one.SetModified();
    s.PressButton(PSBTN_APPLYNOW);
    PumpPending();
    EXPECT_EQ(1, m_one.m_nApply);
    EXPECT_STREQ("applied", m_one.m_strName);
    EXPECT_TRUE(::IsWindow(s.m_hWnd));
    EXPECT_EQ(0, s.GetActiveIndex());
    ::SetDlgItemTextA(m_one.m_hWnd, IDC_DLGTEST_NAME, "dropped");
    ClickButton(s.m_hWnd, IDCANCEL);
  };
  EXPECT_EQ(IDCANCEL, m_sheet.DoModal());
  EXPECT_EQ(1, m_one.m_nReset);
  EXPECT_STREQ("applied", m_one.m_strName);
}

TEST_F(PropertySheetTest, StartsOnTheChosenPage) {
  m_sheet.SetActivePage(1);
  m_sheet.m_script = [&](Sheet& s) {
    EXPECT_EQ(1, s.GetActiveIndex());
    EXPECT_EQ(&m_two, s.GetActivePage());
    s.PressButton(PSBTN_CANCEL);
  };
  EXPECT_EQ(IDCANCEL, m_sheet.DoModal());
}

TEST_F(PropertySheetTest, ModelessSheetRunsInTheProgramsLoop) {
  CWnd wndMain;
  ASSERT_TRUE(CreateTopLevel(wndMain));
  ASSERT_TRUE(m_sheet.Create(&wndMain));
  EXPECT_TRUE(m_sheet.IsWindowVisible());
  EXPECT_EQ(wndMain.m_hWnd, ::GetWindow(m_sheet.m_hWnd, GW_OWNER));
  EXPECT_TRUE(wndMain.IsWindowEnabled()) << "the owner stays usable";
  EXPECT_EQ(&m_one, m_sheet.GetActivePage());
  m_sheet.SetActivePage(&m_two);
  EXPECT_EQ(&m_two, m_sheet.GetActivePage());
  m_sheet.EndDialog(IDOK);
  EXPECT_EQ(nullptr, m_sheet.m_hWnd);
  EXPECT_EQ(nullptr, m_two.m_hWnd);
}

TEST_F(PropertySheetTest, PagesOfferHelpOnlyWhenTheProgramGivesIt) {
  EXPECT_EQ(0U, m_one.m_psp.dwFlags & PSP_HASHELP) << "the test program has no ID_HELP handler";
  EXPECT_EQ(static_cast<DWORD>(PSP_USETITLE), m_two.m_psp.dwFlags & PSP_USETITLE);
  EXPECT_STREQ("Limits", m_two.m_psp.pszTitle);
}

// A sheet with a button of its own that ends it with the program's result.
class CPreviewSheet : public CPropertySheet {
 public:
  static constexpr int kPreview = 32;
  using CPropertySheet::CPropertySheet;
  CButton m_wndPreview;

  BOOL OnInitDialog() override {
    BOOL bResult = CPropertySheet::OnInitDialog();
    CRect rc;
    GetDlgItem(IDOK)->GetWindowRect(&rc);
    ScreenToClient(&rc);
    rc.OffsetRect(-rc.Width() - 6, 0);
    m_wndPreview.Create("Pre&view", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, rc, this,
                        kPreview);
    m_wndPreview.SetFont(GetFont());
    return bResult;
  }

 protected:
  afx_msg void OnPreview() { EndDialog(kPreview); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPreviewSheet, CPropertySheet)
  ON_COMMAND(kPreview, OnPreview)
END_MESSAGE_MAP()

TEST_F(DialogTest, SheetAddsItsOwnButtonAndEndsWithItsOwnResult) {
  CNamePage page;
  CScripted<CPreviewSheet> sheet("Print");
  sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
  sheet.AddPage(&page);
  sheet.m_script = [](CScripted<CPreviewSheet>& s) {
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(s.m_hWnd, ID_APPLY_NOW)));
    ASSERT_TRUE(::IsWindowVisible(s.m_wndPreview.m_hWnd));
    ClickButton(s.m_hWnd, CPreviewSheet::kPreview);
  };
  EXPECT_EQ(CPreviewSheet::kPreview, sheet.DoModal());
}

}  // namespace
