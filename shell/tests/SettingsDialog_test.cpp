// Preferences/Settings in the real program: the dialog starts from the
// General preferences, shows qamats qatan in the colour chosen for it, and
// writes the user's choices to the profile on OK only.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "resources/MainFrameIds.h"
#include "resources/SettingsIds.h"
#include "shell/tests/DialogControls.h"
#include "shell/tests/JourneyPictures.h"
#include "shell/tests/ProgramFonts.h"
#include "shell/tests/ZultaProcess.h"
#include "testing/win/UserInput.h"

namespace settings_dialog_test {

const std::string kGeneralKey = std::string(kZultaProfileKey) + "\\General";
constexpr COLORREF kQamatsQatanRed = RGB(255, 0, 0);
constexpr DWORD kAshkenazi = 2;
constexpr DWORD kYemenite = 3;
// Where a radio button or check box is clicked, as a fraction of its width.
constexpr double kAtTheBox = 0.04;

void SetGeneral(const char* name, DWORD value) {
  ASSERT_EQ(ERROR_SUCCESS, ::RegSetKeyValueA(HKEY_CURRENT_USER, kGeneralKey.c_str(), name,
                                             REG_DWORD, &value, sizeof value));
}

DWORD General(const char* name) {
  DWORD value = ~0u;
  DWORD size = sizeof value;
  ::RegGetValueA(HKEY_CURRENT_USER, kGeneralKey.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value,
                 &size);
  return value;
}

class SettingsDialogTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { InstallProgramFonts(); }
  void SetUp() override {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kGeneralKey.c_str());
    SetGeneral("Accent", kYemenite);
    SetGeneral("KAMStyle", 0);
    SetGeneral("KAMColor", kQamatsQatanRed);
    m_zulta.reset(new ZultaProcess());
    ASSERT_TRUE(m_zulta->Started()) << "error " << m_zulta->StartError();
    ASSERT_NE(nullptr, m_zulta->MainWindow());
  }
  void TearDown() override {
    if (m_zulta) {
      EXPECT_EQ(0u, m_zulta->Close());
    }
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kGeneralKey.c_str());
  }

  HWND Open() {
    ::PostMessageA(m_zulta->MainWindow(), WM_COMMAND, ID_PREF_SETTINGS, 0);
    m_hDialog = WaitForTopLevelWindow(m_zulta->Id(), "Settings", "#32770");
    if (m_hDialog != nullptr) WaitFor([&] { return ::GetForegroundWindow() == m_hDialog; });
    return m_hDialog;
  }
  bool Checked(int id) const { return ::IsDlgButtonChecked(m_hDialog, id) == BST_CHECKED; }
  // Radio buttons and check boxes take a click on their box at the left;
  // each click is made until the control shows it.
  void Click(int id) const {
    const bool wasChecked = Checked(id);
    ASSERT_TRUE(ClickControlUntil(
        m_hDialog, id, [&] { return Checked(id) != wasChecked; }, kAtTheBox))
        << id;
  }
  bool Closed() const {
    return WaitFor([&] { return !::IsWindow(m_hDialog); });
  }
  // Whether the sample word comes to show its qamats qatan red (in the
  // colour of its own) or not, as expected; the picture is kept.
  bool SampleShowsRed(const std::string& picture, bool red) const {
    RECT sample;
    ::GetWindowRect(::GetDlgItem(m_hDialog, IDC_SETTINGS_SAMPLE), &sample);
    RECT dialog;
    ::GetWindowRect(m_hDialog, &dialog);
    const RECT area = {sample.left - dialog.left, sample.top - dialog.top,
                       sample.right - dialog.left, sample.bottom - dialog.top};
    RgbImage shot;
    const bool shown = WaitFor([&] {
      shot = CaptureSteadyWindow(m_hDialog);
      return (CountPixels(shot, area, IsColor(kQamatsQatanRed)) > 0) == red;
    });
    SaveScreenshot(shot, picture);
    return shown;
  }

  std::unique_ptr<ZultaProcess> m_zulta;
  HWND m_hDialog = nullptr;
};

TEST_F(SettingsDialogTest, StartsFromTheProfileAndWritesChoicesOnlyOnOK) {
  ASSERT_NE(nullptr, Open());
  // Qamats qatan in the text colour greys Change Color.
  EXPECT_TRUE(Checked(IDC_SETTINGS_YEMENITE));
  EXPECT_TRUE(Checked(IDC_SETTINGS_KAM_TEXT_COLOR));
  EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(m_hDialog, IDC_SETTINGS_CHANGE_COLOR)));
  EXPECT_TRUE(Checked(IDC_SETTINGS_VOWELS_ISRAELI));
  EXPECT_TRUE(Checked(IDC_SETTINGS_TOGGLE_DISABLE));
  EXPECT_FALSE(Checked(IDC_SETTINGS_HASHEM_FILTER));
  EXPECT_TRUE(SampleShowsRed("settings_dialog_text_color", false));
  // OK keeps what was shown.
  SendKey(VK_RETURN);
  ASSERT_TRUE(Closed());
  EXPECT_EQ(kYemenite, General("Accent"));
  EXPECT_EQ(0u, General("KAMStyle"));
  EXPECT_EQ(1u, General("VowelType"));

  // The custom colour shows the qamats qatan red; a cancelled colour dialog
  // keeps it.
  ASSERT_NE(nullptr, Open());
  Click(IDC_SETTINGS_KAM_CUSTOM_COLOR);
  ASSERT_TRUE(WaitFor([&] {
    return ::IsWindowEnabled(::GetDlgItem(m_hDialog, IDC_SETTINGS_CHANGE_COLOR)) != FALSE;
  }));
  EXPECT_TRUE(SampleShowsRed("settings_dialog_custom_color", true));
  HWND hColor = nullptr;
  ASSERT_TRUE(ClickControlUntil(m_hDialog, IDC_SETTINGS_CHANGE_COLOR, [&] {
    return (hColor = FindTopLevelWindow(m_zulta->Id(), "Color", "#32770")) != nullptr;
  }));
  WaitFor([&] { return ::GetForegroundWindow() == hColor; });
  SendKey(VK_ESCAPE);
  ASSERT_TRUE(WaitFor([&] { return !::IsWindow(hColor); }));
  EXPECT_TRUE(SampleShowsRed("settings_dialog_color_kept", true));

  Click(IDC_SETTINGS_ASHKENAZI);
  Click(IDC_SETTINGS_VOWELS_LONG);
  Click(IDC_SETTINGS_TOGGLE_ENABLE);
  Click(IDC_SETTINGS_HASHEM_FILTER);
  SteadyPicture(m_hDialog, "settings_dialog_chosen");
  SendKey(VK_RETURN);
  ASSERT_TRUE(Closed());
  EXPECT_EQ(kAshkenazi, General("Accent"));
  EXPECT_EQ(0u, General("VowelType"));
  EXPECT_EQ(1u, General("NikudToggle"));
  EXPECT_EQ(1u, General("HaShemFilter"));
  EXPECT_EQ(1u, General("KAMStyle"));
  EXPECT_EQ(kQamatsQatanRed, General("KAMColor"));

  // The dialog opens on what was chosen; Cancel stores nothing.
  ASSERT_NE(nullptr, Open());
  EXPECT_TRUE(Checked(IDC_SETTINGS_ASHKENAZI));
  EXPECT_TRUE(Checked(IDC_SETTINGS_VOWELS_LONG));
  EXPECT_TRUE(Checked(IDC_SETTINGS_TOGGLE_ENABLE));
  EXPECT_TRUE(Checked(IDC_SETTINGS_HASHEM_FILTER));
  Click(IDC_SETTINGS_YEMENITE);
  Click(IDC_SETTINGS_HASHEM_FILTER);
  SendKey(VK_ESCAPE);
  ASSERT_TRUE(Closed());
  EXPECT_EQ(kAshkenazi, General("Accent"));
  EXPECT_EQ(1u, General("HaShemFilter"));
}

}  // namespace settings_dialog_test
