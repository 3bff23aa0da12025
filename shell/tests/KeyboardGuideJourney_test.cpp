// The Keyboard Guides window in the real program: keys clicked on the
// on-screen keyboard type pointed Hebrew into a new document, a key held
// down is drawn pressed, Caps Lock clicked shows the other layer of every
// key and clicked again the first, and the letter and vowel chart types
// its characters too and, as a dialog, opens their descriptions.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "resources/MainFrameIds.h"
#include "shell/tests/DialogControls.h"
#include "shell/tests/JourneyPictures.h"
#include "shell/tests/ProgramFonts.h"
#include "shell/tests/ZultaProcess.h"
#include "shell/tests/ZultaProfile.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/UserInput.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"

namespace keyboard_guide_journey_test {

// Keys of the keyboard guide: "W" types shin, "}" qamats.
constexpr int kKeyW = 1228;
constexpr int kKeyQamats = 1260;
constexpr int kCapsLockKey = 1362;
constexpr int kBackspaceKey = 1195;
constexpr int kSecondKey = 1144;  // "1", after the first key in the focus chain
// The chart's alef.
constexpr int kChartAlef = 1200;

// The editor view: the only child of the MDI client's top window.
HWND FindEditView(HWND hMain) {
  HWND hClient = ::FindWindowExA(hMain, nullptr, "MDIClient", nullptr);
  HWND hChild = hClient != nullptr ? ::GetTopWindow(hClient) : nullptr;
  return hChild != nullptr ? ::GetTopWindow(hChild) : nullptr;
}

// The black pixels of a window: the text typed into the editor.
int BlackPixels(HWND hWnd) { return CountPixels(CaptureWindow(hWnd), IsColor(RGB(0, 0, 0))); }

// The key's top-left inner pixel in a picture of its view: the bevel that
// is black while the key is pressed and white when it is up.
uint32_t BevelPixel(HWND hView, int keyId) {
  RECT key;
  ::GetWindowRect(::GetDlgItem(hView, keyId), &key);
  RECT view;
  ::GetWindowRect(hView, &view);
  const RgbImage shot = CaptureWindow(hView);
  return shot.PixelAt(key.left - view.left + 1, key.top - view.top + 2);
}

const std::string kSettingsKey = std::string(kZultaProfileKey) + "\\Settings";
constexpr char kActiveTabValue[] = "ActiveKeyboardTab";
constexpr DWORD kChartTab = 1;
constexpr int kExitButton = 2;
const char kKeyMapTitle[] = "Hebrew Letter/Vowel Descriptions and Usages";

// Whether a pixel of the area differs between the pictures.
bool Differs(const RgbImage& before, const RgbImage& after, const RECT& area) {
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (before.PixelAt(x, y) != after.PixelAt(x, y)) return true;
  return false;
}

class KeyboardGuideJourney : public ::testing::Test {
 protected:
  // The program with a new document taking Hebrew, the Keyboard Guides
  // window showing the tab.
  void Start(DWORD keyboardTab) {
    InstallProgramFonts();
    ASSERT_EQ(ERROR_SUCCESS,
              ::RegSetKeyValueA(HKEY_CURRENT_USER, kSettingsKey.c_str(), kActiveTabValue, REG_DWORD,
                                &keyboardTab, sizeof keyboardTab));
    m_zulta.reset(new ZultaProcess());
    ASSERT_TRUE(m_zulta->Started()) << "error " << m_zulta->StartError();
    m_hMain = m_zulta->MainWindow();
    ASSERT_NE(nullptr, m_hMain);
    ::SetForegroundWindow(m_hMain);
    SendChord(VK_CONTROL, 'N');
    ASSERT_TRUE(WaitFor([&] {
      m_hEdit = FindEditView(m_hMain);
      return m_hEdit != nullptr && FocusOf(m_hMain) == m_hEdit;
    })) << "no editor view with the focus after New";
    SendChord(VK_CONTROL, 'H');
  }
  // The typed document is not kept: the program is ended, not closed.
  void TearDown() override {
    m_zulta.reset();
    ::RegDeleteKeyValueA(HKEY_CURRENT_USER, kSettingsKey.c_str(), kActiveTabValue);
  }

  // The view holding the key: the guide or the chart.
  HWND ViewOf(int keyId) const { return ::GetParent(FindDescendantById(m_hMain, keyId)); }

  std::unique_ptr<ZultaProcess> m_zulta;
  HWND m_hMain = nullptr;
  HWND m_hEdit = nullptr;
};

TEST_F(KeyboardGuideJourney, ClickedKeysTypeHebrewAndShowPressed) {
  ASSERT_NO_FATAL_FAILURE(Start(0));
  HWND hGuide = ViewOf(kKeyW);
  ASSERT_NE(nullptr, hGuide);
  ASSERT_TRUE(WaitFor([&] { return ::IsWindowVisible(hGuide) != FALSE; }));
  const RgbImage lower = SteadyPicture(hGuide, "keyboard_guide_0_keys");
  const uint32_t black = CaptureColor(RGB(0, 0, 0));
  const uint32_t white = CaptureColor(RGB(255, 255, 255));
  EXPECT_EQ(white, BevelPixel(hGuide, kKeyW));

  // Held down, the key is drawn pressed; let go, it types its letter.
  RECT key;
  ::GetWindowRect(::GetDlgItem(hGuide, kKeyW), &key);
  INPUT press[] = {MouseMoveInput({(key.left + key.right) / 2, (key.top + key.bottom) / 2}),
                   MouseButtonInput(MOUSEEVENTF_LEFTDOWN)};
  ::SendInput(2, press, sizeof(INPUT));
  EXPECT_TRUE(WaitFor([&] { return BevelPixel(hGuide, kKeyW) == black; }))
      << "the key held down is not drawn pressed";
  SteadyPicture(hGuide, "keyboard_guide_1_pressed");
  const int before = BlackPixels(m_hEdit);
  INPUT release = MouseButtonInput(MOUSEEVENTF_LEFTUP);
  ::SendInput(1, &release, sizeof(INPUT));
  EXPECT_TRUE(WaitFor([&] { return BevelPixel(hGuide, kKeyW) == white; }));
  int shin = 0;
  EXPECT_TRUE(WaitFor([&] { return (shin = BlackPixels(m_hEdit)) > before; }))
      << "the clicked key typed nothing into the document";

  // The vowel goes under the letter.
  ClickControl(hGuide, kKeyQamats);
  int pointed = 0;
  EXPECT_TRUE(WaitFor([&] { return (pointed = BlackPixels(m_hEdit)) > shin; }))
      << "the clicked vowel key typed nothing";
  SteadyPicture(m_hEdit, "keyboard_guide_2_typed");
  // Backspace takes the vowel away again.
  ClickControl(hGuide, kBackspaceKey);
  EXPECT_TRUE(WaitFor([&] { return BlackPixels(m_hEdit) < pointed; }))
      << "the clicked backspace key deleted nothing";

  // Caps Lock shows the other layer; clicked again, the first.
  ASSERT_TRUE(ClickControlUntil(hGuide, kCapsLockKey, [&] {
    return CaptureWindow(hGuide).pixels != lower.pixels;
  })) << "Caps Lock changed no key";
  SteadyPicture(hGuide, "keyboard_guide_3_caps_lock");
  ASSERT_TRUE(ClickControlUntil(hGuide, kCapsLockKey, [&] {
    return CaptureWindow(hGuide).pixels == lower.pixels;
  })) << "Caps Lock clicked again does not bring back the first layer";
}

TEST_F(KeyboardGuideJourney, FocusedGuideMovesItsFocusByTabAndPassesTypedKeysOn) {
  ASSERT_NO_FATAL_FAILURE(Start(0));
  HWND hGuide = ViewOf(kKeyW);
  ASSERT_NE(nullptr, hGuide);
  SendChord(VK_CONTROL, '3');
  ASSERT_TRUE(WaitFor([&] { return FocusOf(m_hMain) == hGuide; }))
      << "Docking Window Focus: Keyboard Guides did not focus the guide";

  // Tab takes the dotted focus from the first key to the second.
  RECT view, second;
  ::GetWindowRect(hGuide, &view);
  ::GetWindowRect(::GetDlgItem(hGuide, kSecondKey), &second);
  ::OffsetRect(&second, -view.left, -view.top);
  const RgbImage unfocused = CaptureSteadyWindow(hGuide);
  SendKey(VK_TAB);
  EXPECT_TRUE(WaitFor([&] { return Differs(unfocused, CaptureWindow(hGuide), second); }))
      << "Tab drew no focus on the second key";
  SteadyPicture(hGuide, "keyboard_guide_4_focus_moved");

  // A key typed on the keyboard goes to the document and shows pressed.
  const int before = BlackPixels(m_hEdit);
  SendText("w");
  EXPECT_TRUE(WaitFor([&] { return BlackPixels(m_hEdit) > before; }))
      << "the key typed in the guide did not reach the document";
  EXPECT_TRUE(WaitFor([&] { return BevelPixel(hGuide, kKeyW) == CaptureColor(RGB(0, 0, 0)); }))
      << "the typed key is not shown pressed";
  EXPECT_EQ(hGuide, FocusOf(m_hMain));
}

TEST_F(KeyboardGuideJourney, ChartTypesItsLettersAndOpensAsADialog) {
  ASSERT_NO_FATAL_FAILURE(Start(kChartTab));
  HWND hChart = ViewOf(kChartAlef);
  ASSERT_NE(nullptr, hChart);
  ASSERT_TRUE(WaitFor([&] { return ::IsWindowVisible(hChart) != FALSE; }));
  SteadyPicture(hChart, "key_map_0_chart");
  const int before = BlackPixels(m_hEdit);
  EXPECT_TRUE(ClickControlUntil(hChart, kChartAlef, [&] { return BlackPixels(m_hEdit) > before; }))
      << "the chart's alef typed nothing into the document";

  ::PostMessageA(m_hMain, WM_COMMAND, ID_LANGREF_LETTER_VOWELS, 0);
  HWND hDialog = WaitForTopLevelWindow(m_zulta->Id(), kKeyMapTitle, "#32770");
  ASSERT_NE(nullptr, hDialog) << "Letter/Vowel Descriptions opened no key map";
  SteadyPicture(hDialog, "key_map_1_dialog");
  // A letter opens its description over the chart; its Exit goes back.
  HWND hDescription = nullptr;
  EXPECT_TRUE(ClickControlUntil(hDialog, kChartAlef, [&] {
    hDescription = ::GetWindow(::GetForegroundWindow(), GW_OWNER) == hDialog
                       ? ::GetForegroundWindow()
                       : nullptr;
    return hDescription != nullptr;
  })) << "the chart's alef opened no description";
  EXPECT_TRUE(ClickControlUntil(hDescription, IDOK, [&] { return !::IsWindow(hDescription); }))
      << "Exit does not close the description";
  EXPECT_TRUE(ClickControlUntil(hDialog, kExitButton, [&] { return !::IsWindow(hDialog); }))
      << "Exit does not close the key map";
}

}  // namespace keyboard_guide_journey_test
