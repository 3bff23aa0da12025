// A dialog made from its template exchanges data with every kind of control
// both ways; a refused value keeps the dialog open with the focus on the
// control concerned; the template's font, stored combo strings, help and
// focus moves work as the dialog manager's.
#include <string>

#include "classlib/tests/win/DialogTestSupport.h"
#include "classlib/win/CComboBox.h"
#include "classlib/win/CDataExchange.h"
#include "classlib/win/CDialog.h"
#include "classlib/win/CFont.h"
#include "testing/win/WindowCapture.h"

namespace {

class CExchangeDlg : public CDialog {
 public:
  CExchangeDlg() : CDialog(IDD_DLGTEST_EXCHANGE) {}

  int m_nInt = -42;
  UINT m_nUInt = 4000000000U;
  long m_lLong = -2000000000L;
  double m_dNumber = 2.5;
  CString m_strText = "hello";
  int m_nCheck = 2;
  int m_nRadio = 2;
  int m_nCBIndex = 1;
  CString m_strCB = "Echo";
  int m_nLBIndex = 2;
  CComboBox m_wndIndexCombo;
  HFONT m_hFontGiven = nullptr;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Control(pDX, IDC_DLGTEST_CBINDEX, m_wndIndexCombo);
    DDX_Text(pDX, IDC_DLGTEST_INT, m_nInt);
    DDV_MinMaxInt(pDX, m_nInt, -100, 100);
    DDX_Text(pDX, IDC_DLGTEST_UINT, m_nUInt);
    DDX_Text(pDX, IDC_DLGTEST_LONG, m_lLong);
    DDX_Text(pDX, IDC_DLGTEST_DOUBLE, m_dNumber);
    DDX_Text(pDX, IDC_DLGTEST_TEXT, m_strText);
    DDV_MaxChars(pDX, m_strText, 10);
    DDX_Check(pDX, IDC_DLGTEST_CHECK, m_nCheck);
    DDX_Radio(pDX, IDC_DLGTEST_RADIO1, m_nRadio);
    DDX_CBIndex(pDX, IDC_DLGTEST_CBINDEX, m_nCBIndex);
    DDX_CBString(pDX, IDC_DLGTEST_CBSTRING, m_strCB);
    DDX_LBIndex(pDX, IDC_DLGTEST_LBINDEX, m_nLBIndex);
  }
  void OnSetFont(CFont* pFont) override { m_hFontGiven = static_cast<HFONT>(pFont->m_hObject); }
};

using Dlg = CScripted<CExchangeDlg>;

int Checked(HWND hDlg, int nID) {
  return static_cast<int>(::SendDlgItemMessageA(hDlg, nID, BM_GETCHECK, 0, 0));
}

int Send(HWND hDlg, int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return static_cast<int>(::SendDlgItemMessageA(hDlg, nID, message, wParam, lParam));
}

using DialogExchangeTest = DialogTest;

TEST_F(DialogExchangeTest, MembersFillTheControlsAndComeBackChanged) {
  Dlg dlg;
  bool bRan = false;
  dlg.m_script = [&](Dlg& d) {
    bRan = true;
    HWND h = d.m_hWnd;
    EXPECT_TRUE(::IsWindowVisible(h)) << "shown before the first idle moment";
    EXPECT_EQ("-42", ItemText(h, IDC_DLGTEST_INT));
    EXPECT_EQ("4000000000", ItemText(h, IDC_DLGTEST_UINT));
    EXPECT_EQ("-2000000000", ItemText(h, IDC_DLGTEST_LONG));
    EXPECT_EQ("2.5", ItemText(h, IDC_DLGTEST_DOUBLE));
    EXPECT_EQ("hello", ItemText(h, IDC_DLGTEST_TEXT));
    EXPECT_EQ(10, Send(h, IDC_DLGTEST_TEXT, EM_GETLIMITTEXT)) << "DDV_MaxChars limits the edit";
    EXPECT_EQ(BST_INDETERMINATE, Checked(h, IDC_DLGTEST_CHECK));
    EXPECT_EQ(BST_UNCHECKED, Checked(h, IDC_DLGTEST_RADIO1));
    EXPECT_EQ(BST_CHECKED, Checked(h, IDC_DLGTEST_RADIO3));
    // The combo and list strings come from the template's stored strings.
    EXPECT_EQ(3, d.m_wndIndexCombo.GetCount());
    EXPECT_EQ(1, d.m_wndIndexCombo.GetCurSel());
    EXPECT_EQ(2, Send(h, IDC_DLGTEST_CBSTRING, CB_GETCOUNT));
    EXPECT_EQ("Echo", ItemText(h, IDC_DLGTEST_CBSTRING));
    EXPECT_EQ(3, Send(h, IDC_DLGTEST_LBINDEX, LB_GETCOUNT));
    EXPECT_EQ(2, Send(h, IDC_DLGTEST_LBINDEX, LB_GETCURSEL));

    ::SetDlgItemTextA(h, IDC_DLGTEST_INT, " 17 ");
    ::SetDlgItemTextA(h, IDC_DLGTEST_UINT, "7");
    ::SetDlgItemTextA(h, IDC_DLGTEST_LONG, "123456");
    ::SetDlgItemTextA(h, IDC_DLGTEST_DOUBLE, "-0.125");
    ::SetDlgItemTextA(h, IDC_DLGTEST_TEXT, "world");
    Send(h, IDC_DLGTEST_CHECK, BM_SETCHECK, BST_CHECKED);
    Send(h, IDC_DLGTEST_RADIO3, BM_SETCHECK, BST_UNCHECKED);
    Send(h, IDC_DLGTEST_RADIO2, BM_SETCHECK, BST_CHECKED);
    Send(h, IDC_DLGTEST_CBINDEX, CB_SETCURSEL, 2);
    ::SetDlgItemTextA(h, IDC_DLGTEST_CBSTRING, "Foxtrot");
    Send(h, IDC_DLGTEST_LBINDEX, LB_SETCURSEL, 0);
    ClickButton(h, IDOK);
  };
  ASSERT_EQ(IDOK, dlg.DoModal());
  ASSERT_TRUE(bRan);
  EXPECT_EQ(nullptr, dlg.m_hWnd) << "the window is gone after DoModal";
  EXPECT_TRUE(m_app.m_messages.empty());
  EXPECT_EQ(17, dlg.m_nInt);
  EXPECT_EQ(7U, dlg.m_nUInt);
  EXPECT_EQ(123456L, dlg.m_lLong);
  EXPECT_DOUBLE_EQ(-0.125, dlg.m_dNumber);
  EXPECT_STREQ("world", dlg.m_strText);
  EXPECT_EQ(1, dlg.m_nCheck);
  EXPECT_EQ(1, dlg.m_nRadio);
  EXPECT_EQ(2, dlg.m_nCBIndex);
  EXPECT_STREQ("Foxtrot", dlg.m_strCB);
  EXPECT_EQ(0, dlg.m_nLBIndex);
}

TEST_F(DialogExchangeTest, NoRadioCheckedAndNoSelectionReadAsMinusOne) {
  Dlg dlg;
  dlg.m_nRadio = -1;
  dlg.m_nCBIndex = -1;
  dlg.m_nLBIndex = -1;
  dlg.m_script = [](Dlg& d) {
    for (int nID : {IDC_DLGTEST_RADIO1, IDC_DLGTEST_RADIO2, IDC_DLGTEST_RADIO3})
      EXPECT_EQ(BST_UNCHECKED, Checked(d.m_hWnd, nID));
    ClickButton(d.m_hWnd, IDOK);
  };
  ASSERT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ(-1, dlg.m_nRadio);
  EXPECT_EQ(-1, dlg.m_nCBIndex);
  EXPECT_EQ(-1, dlg.m_nLBIndex);
}

struct RefusedValue {
  int nIDC;
  const char* pszBad;
  const char* pszMessage;
  const char* pszGood;
};

class DialogRefusalTest : public DialogTest, public ::testing::WithParamInterface<RefusedValue> {};

TEST_P(DialogRefusalTest, TellsTheUserAndKeepsTheDialogOpenOnTheControl) {
  const RefusedValue& c = GetParam();
  Dlg dlg;
  bool bChecked = false;
  dlg.m_script = [&](Dlg& d) {
    HWND h = d.m_hWnd;
    HWND hCtrl = ::GetDlgItem(h, c.nIDC);
    ::SetDlgItemTextA(h, c.nIDC, c.pszBad);
    ClickButton(h, IDOK);
    ASSERT_EQ(std::vector<std::string>{c.pszMessage}, m_app.m_messages);
    EXPECT_TRUE(::IsWindowVisible(h)) << "the dialog stays open";
    EXPECT_EQ(hCtrl, ::GetFocus()) << "the focus goes back to the control";
    DWORD dwStart = 0, dwEnd = 0;
    ::SendMessageA(hCtrl, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart),
                   reinterpret_cast<LPARAM>(&dwEnd));
    EXPECT_EQ(0U, dwStart);
    EXPECT_EQ(static_cast<DWORD>(std::string(c.pszBad).size()), dwEnd) << "with its text selected";
    bChecked = true;
    // Corrected, the dialog closes.
    ::SetDlgItemTextA(h, c.nIDC, c.pszGood);
    ClickButton(h, IDOK);
  };
  EXPECT_EQ(IDOK, dlg.DoModal());
  EXPECT_TRUE(bChecked);
  EXPECT_EQ(1U, m_app.m_messages.size());
}

INSTANTIATE_TEST_SUITE_P(
    Values, DialogRefusalTest,
    ::testing::Values(
        RefusedValue{IDC_DLGTEST_INT, "12x", "Please enter an integer.", "12"},
        RefusedValue{IDC_DLGTEST_INT, "", "Please enter an integer.", "0"},
        RefusedValue{IDC_DLGTEST_INT, "3000000000", "Please enter an integer.", "3"},
        RefusedValue{IDC_DLGTEST_INT, "500", "Please enter an integer between -100 and 100.",
                     "100"},
        RefusedValue{IDC_DLGTEST_UINT, "-3", "Please enter a positive integer.", "3"},
        RefusedValue{IDC_DLGTEST_UINT, "5000000000", "Please enter a positive integer.", "5"},
        RefusedValue{IDC_DLGTEST_LONG, "99999999999", "Please enter an integer.", "9"},
        RefusedValue{IDC_DLGTEST_DOUBLE, "2.5.1", "Please enter a number.", "2.5"},
        RefusedValue{IDC_DLGTEST_DOUBLE, "1e999", "Please enter a number.", "1e9"},
        RefusedValue{IDC_DLGTEST_TEXT, "far too long", "Please enter no more than 10 characters.",
                     "just right"}));

TEST_F(DialogExchangeTest, CancelLeavesTheMembersAlone) {
  Dlg dlg;
  dlg.m_script = [](Dlg& d) {
    ::SetDlgItemTextA(d.m_hWnd, IDC_DLGTEST_INT, "not a number");
    ClickButton(d.m_hWnd, IDCANCEL);
  };
  EXPECT_EQ(IDCANCEL, dlg.DoModal());
  EXPECT_EQ(-42, dlg.m_nInt);
  EXPECT_TRUE(m_app.m_messages.empty());
}

TEST_F(DialogExchangeTest, TemplateFontFocusMovesAndHelp) {
  Dlg dlg;
  dlg.m_script = [&](Dlg& d) {
    HWND h = d.m_hWnd;
    // The font of the template, made by the dialog manager and given to OnSetFont.
    CFont* pFont = d.GetFont();
    ASSERT_NE(nullptr, pFont);
    EXPECT_EQ(d.m_hFontGiven, static_cast<HFONT>(pFont->m_hObject));
    LOGFONTA lf = {};
    pFont->GetLogFont(&lf);
    EXPECT_STREQ("MS Shell Dlg", lf.lfFaceName);

    d.GotoDlgCtrl(d.GetDlgItem(IDC_DLGTEST_TEXT));
    EXPECT_EQ(::GetDlgItem(h, IDC_DLGTEST_TEXT), ::GetFocus());
    d.NextDlgCtrl();
    EXPECT_EQ(::GetDlgItem(h, IDC_DLGTEST_CHECK), ::GetFocus());
    d.PrevDlgCtrl();
    EXPECT_EQ(::GetDlgItem(h, IDC_DLGTEST_TEXT), ::GetFocus());

    // Help for the dialog: 0x20000 plus its template id.
    ::SendMessageA(h, WM_COMMAND, ID_HELP, 0);
    d.EndDialog(IDCANCEL);
  };
  EXPECT_EQ(IDCANCEL, dlg.DoModal());
  EXPECT_EQ(std::vector<DWORD_PTR>{0x20000 + IDD_DLGTEST_EXCHANGE}, m_app.m_helpContexts);
}

TEST_F(DialogExchangeTest, ModalDialogLooksAsAPersonSeesIt) {
  Dlg dlg;
  dlg.m_script = [](Dlg& d) {
    d.UpdateWindow();
    RgbImage image = CaptureWindow(d.m_hWnd);
    SaveScreenshot(image, "dialog_exchange");
    ASSERT_GT(image.width, 0);
    // Below the radio buttons, left of OK, is the dialog's own face.
    POINT face = PointInCapture(d.m_hWnd, d.m_hWnd, 10, 200);
    EXPECT_EQ(CaptureColor(::GetSysColor(COLOR_BTNFACE)), image.PixelAt(face.x, face.y));
    // Inside the edit, right of its text, is the window colour.
    HWND hEdit = ::GetDlgItem(d.m_hWnd, IDC_DLGTEST_INT);
    RECT rc;
    ::GetClientRect(hEdit, &rc);
    POINT inEdit = PointInCapture(d.m_hWnd, hEdit, rc.right - 3, rc.bottom / 2);
    EXPECT_EQ(CaptureColor(::GetSysColor(COLOR_WINDOW)), image.PixelAt(inEdit.x, inEdit.y));
    d.EndDialog(IDCANCEL);
  };
  EXPECT_EQ(IDCANCEL, dlg.DoModal());
}

}  // namespace
