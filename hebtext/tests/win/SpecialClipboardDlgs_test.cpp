// Copy Special and Paste Special: the radios set from the profile, the
// controls each filter enables, and the choices stored on OK.
#include <gtest/gtest.h>

#include "classlib/tests/win/DialogTestSupport.h"
#include "hebtext/core/MemoryProfileStore.h"
#include "hebtext/core/Preferences.h"
#include "hebtext/win/CCopySpecialDlg.h"
#include "hebtext/win/CPasteSpecialDlg.h"
#include "hebtext/win/InterfaceFont.h"
#include "hebtext/tests/win/HebrewTestFonts.h"
#include "classlib/win/WindowDCs.h"
#include "resources/HebtextIds.h"
#include "testing/win/WindowCapture.h"

namespace {

class SpecialDlgTest : public DialogTest {
 protected:
  static void SetUpTestSuite() {
    RegisterHebrewFonts();
    CClientDC screen(nullptr);
    CreateHebrewInterfaceFont(&screen, 96);
  }
  void SetUp() override { SetPreferenceStore(&m_store); }
  void TearDown() override {
    SetPreferenceStore(nullptr);
    DialogTest::TearDown();
  }
  int Stored(LPCSTR entry) {
    return static_cast<int>(m_store.GetProfileInt("Preferences", entry, -9));
  }
  static BOOL Enabled(HWND hDlg, int id) { return ::IsWindowEnabled(::GetDlgItem(hDlg, id)); }
  static BOOL Checked(HWND hDlg, int id) { return ::IsDlgButtonChecked(hDlg, id) == BST_CHECKED; }

  MemoryProfileStore m_store;
};

TEST_F(SpecialDlgTest, CopySpecialStoresUtf8AsTwoAndReopensWithIt) {
  CScripted<CCopySpecialDlg> dialog;
  BOOL vavEnabledAtNone = TRUE;
  dialog.m_script = [&](CScripted<CCopySpecialDlg>& dlg) {
    HWND hDlg = dlg.GetSafeHwnd();
    vavEnabledAtNone = Enabled(hDlg, IDC_VAV_THEN_HOLAM) || Enabled(hDlg, IDC_VAV_ORDER_LABEL);
    ::CheckRadioButton(hDlg, IDC_FILTER_NONE, IDC_FILTER_UTF8, IDC_FILTER_UTF8);
    ClickButton(hDlg, IDC_FILTER_UTF8);
    ::CheckRadioButton(hDlg, IDC_DIRECTION_FORWARD, IDC_DIRECTION_REVERSE, IDC_DIRECTION_REVERSE);
    ::CheckRadioButton(hDlg, IDC_VAV_THEN_HOLAM, IDC_HOLAM_THEN_VAV, IDC_HOLAM_THEN_VAV);
    ClickButton(hDlg, IDOK);
  };
  ASSERT_EQ(IDOK, dialog.DoModal());
  EXPECT_FALSE(vavEnabledAtNone);
  EXPECT_EQ(2, Stored("CopySpecial Interpret"));
  EXPECT_EQ(1, Stored("CopySpecial Direction"));
  EXPECT_EQ(1, Stored("CopySpecial VavOption"));
  EXPECT_EQ(3, dialog.GetCopyFilter());

  CScripted<CCopySpecialDlg> again;
  BOOL utf8 = FALSE, vavEnabled = FALSE, reverse = FALSE;
  again.m_script = [&](CScripted<CCopySpecialDlg>& dlg) {
    HWND hDlg = dlg.GetSafeHwnd();
    utf8 = Checked(hDlg, IDC_FILTER_UTF8);
    reverse = Checked(hDlg, IDC_DIRECTION_REVERSE);
    vavEnabled = Enabled(hDlg, IDC_VAV_THEN_HOLAM) && Enabled(hDlg, IDC_VAV_ORDER_LABEL);
    SaveScreenshot(CaptureWindow(hDlg), "copy-special-dialog");
    ClickButton(hDlg, IDC_FILTER_NONE);
    vavEnabled = vavEnabled && !Enabled(hDlg, IDC_HOLAM_THEN_VAV);
    ClickButton(hDlg, IDCANCEL);
  };
  EXPECT_EQ(IDCANCEL, again.DoModal());
  EXPECT_TRUE(utf8);
  EXPECT_TRUE(reverse);
  EXPECT_TRUE(vavEnabled);
  EXPECT_EQ(2, Stored("CopySpecial Interpret"));
}

struct FilterClickRow {
  int filterId;
  BOOL rtfEnabled;
  BOOL vavEnabled;
  int directionId;
};

TEST_F(SpecialDlgTest, PasteSpecialFilterRadiosSetTheOtherControls) {
  const FilterClickRow rows[] = {
      {IDC_FILTER_NONE, TRUE, FALSE, IDC_DIRECTION_FORWARD},
      {IDC_FILTER_STANDARD, TRUE, TRUE, IDC_DIRECTION_FORWARD},
      {IDC_FILTER_ENGLISH_LAYOUT, FALSE, FALSE, IDC_DIRECTION_REVERSE},
      {IDC_FILTER_UTF8, FALSE, TRUE, IDC_DIRECTION_FORWARD},
      {IDC_FILTER_WIDE_CHAR, FALSE, TRUE, IDC_DIRECTION_FORWARD},
  };
  for (const FilterClickRow& row : rows) {
    SCOPED_TRACE(row.filterId);
    CScripted<CPasteSpecialDlg> dialog;
    ASSERT_TRUE(dialog.m_wideCharOffered);  // Wine reports the NT family
    BOOL rtf = FALSE, vav = FALSE, direction = FALSE;
    dialog.m_script = [&](CScripted<CPasteSpecialDlg>& dlg) {
      HWND hDlg = dlg.GetSafeHwnd();
      ::CheckRadioButton(hDlg, IDC_FILTER_NONE, IDC_FILTER_WIDE_CHAR, row.filterId);
      ClickButton(hDlg, row.filterId);
      rtf = Enabled(hDlg, IDC_FORMAT_RTF);
      vav = Enabled(hDlg, IDC_VAV_THEN_HOLAM);
      direction = Checked(hDlg, row.directionId);
      ClickButton(hDlg, IDOK);
    };
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(row.rtfEnabled, rtf);
    EXPECT_EQ(row.vavEnabled, vav);
    EXPECT_TRUE(direction);
    EXPECT_EQ(row.filterId - IDC_FILTER_NONE, Stored("PasteSpecial Interpret"));
  }
}

TEST_F(SpecialDlgTest, PasteSpecialKeepsADirectionTheUserChose) {
  m_store.WriteProfileInt("Preferences", "PasteSpecial Interpret", 1);
  CScripted<CPasteSpecialDlg> dialog;
  dialog.m_rtfOffered = FALSE;
  BOOL reverseKept = FALSE, rtfDisabled = FALSE, standard = FALSE;
  dialog.m_script = [&](CScripted<CPasteSpecialDlg>& dlg) {
    HWND hDlg = dlg.GetSafeHwnd();
    standard = Checked(hDlg, IDC_FILTER_STANDARD) && Enabled(hDlg, IDC_VAV_THEN_HOLAM);
    rtfDisabled = !Enabled(hDlg, IDC_FORMAT_RTF);
    SaveScreenshot(CaptureWindow(hDlg), "paste-special-dialog");
    ::CheckRadioButton(hDlg, IDC_DIRECTION_FORWARD, IDC_DIRECTION_REVERSE, IDC_DIRECTION_REVERSE);
    ClickButton(hDlg, IDC_DIRECTION_REVERSE);
    ::CheckRadioButton(hDlg, IDC_FILTER_NONE, IDC_FILTER_WIDE_CHAR, IDC_FILTER_UTF8);
    ClickButton(hDlg, IDC_FILTER_UTF8);
    reverseKept = Checked(hDlg, IDC_DIRECTION_REVERSE);
    ClickButton(hDlg, IDOK);
  };
  ASSERT_EQ(IDOK, dialog.DoModal());
  EXPECT_TRUE(standard);
  EXPECT_TRUE(rtfDisabled);
  EXPECT_TRUE(reverseKept);
  EXPECT_EQ(3, dialog.m_filter);
  EXPECT_EQ(1, Stored("PasteSpecial Direction"));
}

TEST_F(SpecialDlgTest, HelpAsksForTheDialogsTopic) {
  CScripted<CCopySpecialDlg> dialog;
  dialog.m_script = [](CScripted<CCopySpecialDlg>& dlg) {
    ClickButton(dlg.GetSafeHwnd(), IDC_HELP_BUTTON);
    ClickButton(dlg.GetSafeHwnd(), IDCANCEL);
  };
  dialog.DoModal();
  ASSERT_EQ(1u, m_app.m_helpContexts.size());
  EXPECT_EQ(0x20000u + 1566, m_app.m_helpContexts[0]);
}

}  // namespace
