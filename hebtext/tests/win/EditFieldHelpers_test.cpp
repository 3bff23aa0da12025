// Numeric fields checked as the user types, combo boxes filled from lists,
// a window scrolled to show a rectangle.
#include "hebtext/win/EditFieldHelpers.h"

#include <gtest/gtest.h>

#include "classlib/tests/win/DialogTestSupport.h"
#include "classlib/win/CComboBox.h"
#include "hebtext/core/EditValidation.h"
#include "hebtext/win/CPromptDlg.h"
#include "resources/HebtextIds.h"

namespace {

class EditFieldTest : public DialogTest {
 protected:
  void SetUp() override { ASSERT_TRUE(m_dialog.Create(CPromptDlg::IDD)); }
  void TearDown() override {
    m_dialog.DestroyWindow();
    DialogTest::TearDown();
  }
  // Types the text as the field's new content, the caret after position caret.
  void Type(LPCSTR text, int caret) {
    HWND hEdit = ::GetDlgItem(m_dialog.GetSafeHwnd(), IDC_PROMPT_ANSWER);
    ::SetWindowTextA(hEdit, text);
    ::SendMessageA(hEdit, EM_SETSEL, caret, caret);
  }
  DWORD Selection() {
    return static_cast<DWORD>(
        ::SendDlgItemMessageA(m_dialog.GetSafeHwnd(), IDC_PROMPT_ANSWER, EM_GETSEL, 0, 0));
  }
  CPromptDlg m_dialog;
};

TEST_F(EditFieldTest, ARefusedTextGivesWayToThePreviousOne) {
  const UINT flags = kEditAllowDigits | kEditAllowOnePunct;
  CString previous("1.5");
  CString current;
  Type("1.5.", 4);
  EXPECT_FALSE(ValidateNumericEdit(&m_dialog, IDC_PROMPT_ANSWER, flags, previous, current));
  EXPECT_EQ(ItemText(m_dialog.GetSafeHwnd(), IDC_PROMPT_ANSWER), "1.5");
  EXPECT_STREQ(current, "1.5");
  EXPECT_EQ(LOWORD(Selection()), 3);  // one before where the typing was
  Type("1.52", 4);
  EXPECT_TRUE(ValidateNumericEdit(&m_dialog, IDC_PROMPT_ANSWER, flags, previous, current));
  EXPECT_STREQ(previous, "1.52");
  Type("x", 0);  // a caret at the start stays there
  EXPECT_FALSE(ValidateNumericEdit(&m_dialog, IDC_PROMPT_ANSWER, flags, previous, current));
  EXPECT_EQ(LOWORD(Selection()), 0);
}

TEST_F(EditFieldTest, UpperCaseFlagRaisesTheLettersAndKeepsTheCaret) {
  CString previous;
  CString current;
  Type("ab1", 2);
  EXPECT_TRUE(ValidateNumericEdit(&m_dialog, IDC_PROMPT_ANSWER,
                                  kEditAllowLetters | kEditAllowDigits | kEditUpperCase, previous,
                                  current));
  EXPECT_EQ(ItemText(m_dialog.GetSafeHwnd(), IDC_PROMPT_ANSWER), "AB1");
  EXPECT_STREQ(previous, "AB1");
  EXPECT_EQ(LOWORD(Selection()), 2);
}

TEST_F(EditFieldTest, ComboBoxesAreFilledInListOrder) {
  CComboBox combo;
  ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST, CRect(0, 0, 100, 100), &m_dialog, 500));
  CStringArray strings;
  strings.Add("Regular");
  strings.Add("Bold");
  FillComboFromStrings(strings, &combo);
  ASSERT_EQ(combo.GetCount(), 2);
  CString text;
  combo.GetLBText(1, text);
  EXPECT_STREQ(text, "Bold");
}

TEST_F(EditFieldTest, ScrollRectIntoViewMovesTheVisibleRectangle) {
  RECT visible{0, 0, 100, 50};
  ScrollRectIntoView(&m_dialog, visible, RECT{10, 60, 20, 70});
  EXPECT_EQ(visible.top, 20);
  EXPECT_EQ(visible.bottom, 70);
  EXPECT_EQ(visible.left, 0);
  ScrollRectIntoView(&m_dialog, visible, RECT{10, 30, 20, 40});  // inside: nothing
  EXPECT_EQ(visible.top, 20);
}

}  // namespace
