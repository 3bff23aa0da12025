// The control wrappers drive real controls: list and combo boxes, edits,
// buttons, statics, scroll bars, sliders, spin buttons, progress bars and tabs.
#include <string>

#include "classlib/tests/win/DialogTestSupport.h"
#include "classlib/win/CButton.h"
#include "classlib/win/CComboBox.h"
#include "classlib/win/CEdit.h"
#include "classlib/win/CListBox.h"
#include "classlib/win/CProgressCtrl.h"
#include "classlib/win/CScrollBar.h"
#include "classlib/win/CSliderCtrl.h"
#include "classlib/win/CSpinButtonCtrl.h"
#include "classlib/win/CStatic.h"
#include "classlib/win/CTabCtrl.h"

namespace {

// A hidden top-level window for the controls to live in.
class ControlsTest : public DialogTest {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    ASSERT_TRUE(m_wndParent.CreateEx(0, nullptr, "controls", WS_OVERLAPPEDWINDOW, 20, 20, 400, 300,
                                     nullptr, nullptr));
  }
  CRect Place(int x, int y, int cx, int cy) const { return CRect(x, y, x + cx, y + cy); }
  CWnd m_wndParent;
};

// What differs between the list box and the combo box.
struct ListBoxKind {
  using Ctrl = CListBox;
  static constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_HASSTRINGS;
  static CString Text(const CListBox& box, int nIndex) {
    CString text;
    box.GetText(nIndex, text);
    return text;
  }
};
struct ComboBoxKind {
  using Ctrl = CComboBox;
  static constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN;
  static CString Text(const CComboBox& box, int nIndex) {
    CString text;
    box.GetLBText(nIndex, text);
    return text;
  }
};

template <class TKind>
class ListControlsTest : public ControlsTest {};
using ListKinds = ::testing::Types<ListBoxKind, ComboBoxKind>;
TYPED_TEST_SUITE(ListControlsTest, ListKinds);

TYPED_TEST(ListControlsTest, AddInsertFindSelectDelete) {
  typename TypeParam::Ctrl box;
  ASSERT_TRUE(
      box.Create(TypeParam::kStyle, this->Place(10, 10, 150, 120), &this->m_wndParent, 100));
  EXPECT_EQ(0, box.AddString("Beta"));
  EXPECT_EQ(1, box.AddString("Gamma"));
  EXPECT_EQ(0, box.InsertString(0, "Alpha"));
  EXPECT_EQ(3, box.InsertString(-1, "Alphabet"));
  ASSERT_EQ(4, box.GetCount());
  EXPECT_STREQ("Alpha", TypeParam::Text(box, 0));
  EXPECT_STREQ("Alphabet", TypeParam::Text(box, 3));

  // Prefix search from the top, and after an item; exact search ignores case only.
  EXPECT_EQ(0, box.FindString(-1, "alp"));
  EXPECT_EQ(3, box.FindString(0, "alp"));
  EXPECT_EQ(3, box.FindStringExact(-1, "ALPHABET"));
  EXPECT_EQ(-1, box.FindStringExact(-1, "Alph"));
  EXPECT_EQ(-1, box.FindString(-1, "Delta"));

  EXPECT_EQ(-1, box.GetCurSel());
  EXPECT_EQ(2, box.SelectString(-1, "Gam"));
  EXPECT_EQ(2, box.GetCurSel());
  box.SetCurSel(-1);
  EXPECT_EQ(-1, box.GetCurSel());

  int nData = 7;
  box.SetItemData(1, 0xBEEF);
  box.SetItemDataPtr(2, &nData);
  EXPECT_EQ(0xBEEFU, box.GetItemData(1));
  EXPECT_EQ(&nData, box.GetItemDataPtr(2));

  EXPECT_EQ(3, box.DeleteString(0)) << "gives the count left";
  EXPECT_STREQ("Beta", TypeParam::Text(box, 0));
  box.ResetContent();
  EXPECT_EQ(0, box.GetCount());
  EXPECT_STREQ("", TypeParam::Text(box, 5)) << "no such item";
}

TEST_F(ControlsTest, ComboBoxDropDownWidthAndExtendedUI) {
  CComboBox box;
  ASSERT_TRUE(box.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, Place(10, 10, 120, 150),
                         &m_wndParent, 101));
  box.AddString("One");
  box.AddString("Two");
  EXPECT_FALSE(box.GetExtendedUI());
  box.SetExtendedUI();
  EXPECT_TRUE(box.GetExtendedUI());
  box.SetDroppedWidth(250);
  EXPECT_EQ(250, box.GetDroppedWidth());
  EXPECT_FALSE(box.GetDroppedState());
  box.ShowDropDown();
  EXPECT_TRUE(box.GetDroppedState());
  box.ShowDropDown(FALSE);
  EXPECT_FALSE(box.GetDroppedState());
}

TEST_F(ControlsTest, EditLimitSelectionReplaceAndUndo) {
  CEdit edit;
  ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL,
                          Place(10, 10, 200, 24), &m_wndParent, 102));
  edit.SetWindowText("hello world");
  edit.LimitText(20);
  EXPECT_EQ(20U, edit.GetLimitText());
  edit.SetSel(6, -1);
  int nStart = 0, nEnd = 0;
  edit.GetSel(nStart, nEnd);
  EXPECT_EQ(6, nStart);
  EXPECT_EQ(11, nEnd);
  edit.ReplaceSel("there", TRUE);
  CString text;
  edit.GetWindowText(text);
  EXPECT_STREQ("hello there", text);
  EXPECT_TRUE(edit.CanUndo());
  EXPECT_TRUE(edit.Undo());
  edit.GetWindowText(text);
  EXPECT_STREQ("hello world", text);
  edit.SetSel(0, 0);
  edit.GetSel(nStart, nEnd);
  EXPECT_EQ(0, nEnd);
}

TEST_F(ControlsTest, ButtonCheckAndStyle) {
  CButton check;
  ASSERT_TRUE(check.Create("Check", WS_CHILD | WS_VISIBLE | BS_AUTO3STATE, Place(10, 10, 100, 20),
                           &m_wndParent, 103));
  EXPECT_EQ(static_cast<UINT>(BS_AUTO3STATE), check.GetButtonStyle());
  for (int nCheck : {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED}) {
    check.SetCheck(nCheck);
    EXPECT_EQ(nCheck, check.GetCheck());
  }
}

TEST_F(ControlsTest, StaticShowsTheBitmapItIsGiven) {
  CStatic picture;
  ASSERT_TRUE(picture.Create(nullptr, WS_CHILD | WS_VISIBLE | SS_BITMAP, Place(10, 10, 32, 16),
                             &m_wndParent));
  HBITMAP hBitmap = ::LoadBitmapA(AfxGetResourceHandle(), "PICU");
  ASSERT_NE(nullptr, hBitmap);
  EXPECT_EQ(nullptr, picture.SetBitmap(hBitmap));
  EXPECT_EQ(hBitmap, picture.GetBitmap());
  picture.DestroyWindow();
  ::DeleteObject(hBitmap);
}

TEST_F(ControlsTest, ScrollBarSliderSpinAndProgressKeepTheirRangeAndPosition) {
  CScrollBar bar;
  ASSERT_TRUE(
      bar.Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, Place(10, 10, 150, 16), &m_wndParent, 104));
  bar.SetScrollRange(0, 100);
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_PAGE;
  info.nPage = 11;
  bar.SetScrollInfo(&info);
  bar.SetScrollPos(150);
  EXPECT_EQ(90, bar.GetScrollPos()) << "kept within the range less the page";
  EXPECT_EQ(90, bar.GetScrollLimit());

  CSliderCtrl slider;
  ASSERT_TRUE(slider.Create(WS_CHILD | WS_VISIBLE, Place(10, 40, 150, 30), &m_wndParent, 105));
  slider.SetRange(10, 20);
  slider.SetPos(25);
  EXPECT_EQ(20, slider.GetPos());
  int nMin = 0, nMax = 0;
  slider.GetRange(nMin, nMax);
  EXPECT_EQ(10, nMin);
  EXPECT_EQ(20, nMax);

  CEdit buddy;
  ASSERT_TRUE(
      buddy.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, Place(10, 80, 60, 22), &m_wndParent, 106));
  CSpinButtonCtrl spin;
  ASSERT_TRUE(spin.Create(WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT, Place(70, 80, 16, 22),
                          &m_wndParent, 107));
  spin.SetBuddy(&buddy);
  EXPECT_EQ(&buddy, spin.GetBuddy());
  spin.SetRange(-5, 5);
  spin.SetPos(3);
  EXPECT_EQ(3, LOWORD(spin.GetPos()));
  CString text;
  buddy.GetWindowText(text);
  EXPECT_STREQ("3", text) << "the buddy shows the position";
  int nLower = 0, nUpper = 0;
  spin.GetRange(nLower, nUpper);
  EXPECT_EQ(-5, nLower);
  EXPECT_EQ(5, nUpper);

  CProgressCtrl progress;
  ASSERT_TRUE(progress.Create(WS_CHILD | WS_VISIBLE, Place(10, 110, 150, 16), &m_wndParent, 108));
  progress.SetRange32(0, 1000);
  progress.SetStep(250);
  EXPECT_EQ(0, progress.SetPos(100));
  EXPECT_EQ(100, progress.StepIt());
  EXPECT_EQ(350, progress.OffsetPos(10));
  EXPECT_EQ(360, progress.GetPos());
}

TEST_F(ControlsTest, TabsAreFoundByPoint) {
  CTabCtrl tabs;
  ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE, Place(10, 10, 300, 150), &m_wndParent, 109));
  EXPECT_EQ(0, tabs.InsertItem(0, "First"));
  EXPECT_EQ(1, tabs.InsertItem(1, "Second"));
  EXPECT_EQ(2, tabs.GetItemCount());
  EXPECT_EQ(0, tabs.SetCurSel(1)) << "gives the previous selection";
  EXPECT_EQ(1, tabs.GetCurSel());
  CRect rc;
  ASSERT_TRUE(tabs.GetItemRect(1, &rc));
  TCHITTESTINFO hit = {rc.CenterPoint(), 0};
  EXPECT_EQ(1, tabs.HitTest(&hit));
  CRect rcDisplay(0, 0, 300, 150);
  tabs.AdjustRect(FALSE, &rcDisplay);
  EXPECT_GT(rcDisplay.top, rc.top) << "the display area is below the tabs";
  EXPECT_TRUE(tabs.DeleteItem(0));
  EXPECT_EQ(1, tabs.GetItemCount());
}

}  // namespace
