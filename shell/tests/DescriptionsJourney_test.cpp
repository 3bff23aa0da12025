// Language Reference/Letter/Vowel Descriptions in the real program: a letter
// clicked in the chart opens its description over the whole screen, its
// examples pointed and then in full spelling; an example clicked is spoken
// by the speech engine library and its transcription shows over it; a vowel
// shows its six examples; Exit goes back to the chart.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "resources/DescriptionIds.h"
#include "resources/MainFrameIds.h"
#include "shell/tests/DialogControls.h"
#include "shell/tests/JourneyPictures.h"
#include "shell/tests/ProgramFonts.h"
#include "shell/tests/SpeechTrace.h"
#include "shell/tests/ZultaProcess.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/SoundStat.h"
#include "testing/win/UserInput.h"
#include "testing/win/WindowCapture.h"

namespace descriptions_journey_test {

const char kTitle[] = "Hebrew Letter/Vowel Descriptions and Usages";
constexpr int kChartBet = 1202;
constexpr int kChartQamats = 1361;
constexpr int kExampleButtons = 6;
constexpr COLORREF kRed = RGB(210, 0, 0);
constexpr COLORREF kNavy = RGB(0, 0, 128);

// The visible dialog of the process with the title whose owner is hOwner.
HWND FindOwnedDialog(DWORD processId, HWND hOwner) {
  HWND hWnd = nullptr;
  while ((hWnd = ::FindWindowExA(nullptr, hWnd, "#32770", kTitle)) != nullptr) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(hWnd, &process);
    if (process == processId && ::IsWindowVisible(hWnd) && ::GetWindow(hWnd, GW_OWNER) == hOwner)
      return hWnd;
  }
  return nullptr;
}

class DescriptionsJourney : public ::testing::Test {
 protected:
  void SetUp() override {
    m_trace.reset(new SpeechTraceFolder("zulta-descriptions-journey"));
    ASSERT_TRUE(m_trace->Made());
    InstallProgramFonts();
    m_zulta.reset(new ZultaProcess());
    ASSERT_TRUE(m_zulta->Started()) << "error " << m_zulta->StartError();
    m_hMain = m_zulta->MainWindow();
    ASSERT_NE(nullptr, m_hMain);
    ::PostMessageA(m_hMain, WM_COMMAND, ID_LANGREF_LETTER_VOWELS, 0);
    m_hChart = WaitForTopLevelWindow(m_zulta->Id(), kTitle, "#32770");
    ASSERT_NE(nullptr, m_hChart) << "Letter/Vowel Descriptions opened no chart";
    WaitFor([&] { return ::GetForegroundWindow() == m_hChart; });
  }
  // The program is ended as a user ends it: dialogs closed, then the main
  // window; a program killed here would leave the next one's session astray.
  void TearDown() override {
    if (m_zulta) {
      if (const HWND hDialog = FindOwnedDialog(m_zulta->Id(), m_hChart))
        ClickControlUntil(hDialog, IDOK, [&] { return !::IsWindow(hDialog); });
      if (::IsWindow(m_hChart))
        ClickControlUntil(m_hChart, IDCANCEL, [&] { return !::IsWindow(m_hChart); });
      EXPECT_EQ(0u, m_zulta->Close());
    }
    m_trace.reset();
  }

  // Clicks the chart's character until its description shows.
  HWND Describe(int chartId) {
    HWND hDialog = nullptr;
    EXPECT_TRUE(ClickControlUntil(
        m_hChart, chartId,
        [&] { return (hDialog = FindOwnedDialog(m_zulta->Id(), m_hChart)) != nullptr; }))
        << "the chart's character " << chartId << " opened no description";
    if (hDialog != nullptr) WaitFor([&] { return ::GetForegroundWindow() == hDialog; });
    return hDialog;
  }
  // Exit closes the description and the chart is back in front.
  void Exit(HWND hDialog) {
    ASSERT_TRUE(ClickControlUntil(hDialog, IDOK, [&] { return !::IsWindow(hDialog); }))
        << "Exit does not close the description";
    EXPECT_TRUE(WaitFor([&] { return ::GetForegroundWindow() == m_hChart; }));
  }
  static int ShownExamples(HWND hDialog) {
    int shown = 0;
    for (int k = 0; k < kExampleButtons; ++k)
      shown += ::IsWindowVisible(::GetDlgItem(hDialog, IDC_DESCRIPTION_EXAMPLE1 + k)) ? 1 : 0;
    return shown;
  }
  // The red pixels of an example button in a picture of the dialog.
  static int RedPixels(HWND hDialog, const RgbImage& shot, int id) {
    return ButtonPixels(hDialog, shot, id, kRed);
  }
  static int NavyPixels(HWND hDialog, const RgbImage& shot, int id) {
    return ButtonPixels(hDialog, shot, id, kNavy);
  }
  static int ButtonPixels(HWND hDialog, const RgbImage& shot, int id, COLORREF color) {
    RECT button, dialog;
    ::GetWindowRect(::GetDlgItem(hDialog, id), &button);
    ::GetWindowRect(hDialog, &dialog);
    ::OffsetRect(&button, -dialog.left, -dialog.top);
    return CountPixels(shot, button, IsColor(color));
  }
  // Whether the example buttons of the pictures look the same (the focus
  // mark aside, which stays on the spelling button).
  static bool ExamplesLookAlike(HWND hDialog, const RgbImage& one, const RgbImage& other) {
    for (int k = 0; k < kExampleButtons; ++k)
      if (RedPixels(hDialog, one, IDC_DESCRIPTION_EXAMPLE1 + k) !=
              RedPixels(hDialog, other, IDC_DESCRIPTION_EXAMPLE1 + k) ||
          NavyPixels(hDialog, one, IDC_DESCRIPTION_EXAMPLE1 + k) !=
              NavyPixels(hDialog, other, IDC_DESCRIPTION_EXAMPLE1 + k))
        return false;
    return true;
  }
  std::string Trace() const { return m_trace->Trace(); }

  std::unique_ptr<SpeechTraceFolder> m_trace;
  std::unique_ptr<ZultaProcess> m_zulta;
  HWND m_hMain = nullptr;
  HWND m_hChart = nullptr;
};

TEST_F(DescriptionsJourney, BetIsDescribedSpeaksItsExamplesAndShowsThemInFullSpelling) {
  SteadyPicture(m_hChart, "descriptions_0_chart");
  const HWND hDialog = Describe(kChartBet);
  ASSERT_NE(nullptr, hDialog);
  RECT dialog;
  ::GetWindowRect(hDialog, &dialog);
  EXPECT_EQ(0, dialog.left);
  EXPECT_EQ(0, dialog.top);
  EXPECT_EQ(::GetSystemMetrics(SM_CXSCREEN), dialog.right);
  EXPECT_EQ(kExampleButtons, ShownExamples(hDialog));  // bet has six

  // Each example's bet is red, pointed and in full spelling.
  const RgbImage pointed = SteadyPicture(hDialog, "descriptions_1_bet_pointed");
  EXPECT_LT(0, CountPixels(pointed, IsColor(kRed))) << "the large bet is not red";
  for (int k = 0; k < kExampleButtons; ++k)
    EXPECT_LT(0, RedPixels(hDialog, pointed, IDC_DESCRIPTION_EXAMPLE1 + k)) << k;
  ASSERT_TRUE(ClickControlUntil(hDialog, IDC_DESCRIPTION_SPELLING, [&] {
    return TextOf(::GetDlgItem(hDialog, IDC_DESCRIPTION_SPELLING)).find(": Without &Vowels") !=
           std::string::npos;
  }));
  const RgbImage full = SteadyPicture(hDialog, "descriptions_2_bet_full_spelling");
  EXPECT_NE(pointed.pixels, full.pixels) << "full spelling changed no example";
  for (int k = 0; k < kExampleButtons; ++k)
    EXPECT_LT(0, RedPixels(hDialog, full, IDC_DESCRIPTION_EXAMPLE1 + k)) << k;
  // Toggled back, the examples are pointed again.
  ASSERT_TRUE(ClickControlUntil(hDialog, IDC_DESCRIPTION_SPELLING, [&] {
    return ExamplesLookAlike(hDialog, CaptureSteadyWindow(hDialog), pointed);
  })) << "toggled twice, the examples are not pointed again";

  // The first example is spoken and its transcription shows over it.
  HWND hPopup = nullptr;
  ASSERT_TRUE(ClickControlUntil(hDialog, IDC_DESCRIPTION_EXAMPLE1, [&] {
    hPopup = ::FindWindowExA(hDialog, nullptr, "TranslWin", nullptr);
    return hPopup != nullptr && ::IsWindowVisible(hPopup);
  })) << "no transcription popup over the clicked example";
  ASSERT_TRUE(WaitFor([&] { return Trace().find("output finished") != std::string::npos; }))
      << Trace();
  const SoundStat sound = MeasureSound(m_trace->Utterance(1));
  ASSERT_TRUE(sound.measured) << Trace();
  EXPECT_GT(sound.seconds, 0.2);  // bayit, two syllables
  EXPECT_GT(sound.rms, 0.02);
  RECT popup, example;
  ::GetWindowRect(hPopup, &popup);
  ::GetWindowRect(::GetDlgItem(hDialog, IDC_DESCRIPTION_EXAMPLE1), &example);
  EXPECT_LT(popup.top, example.top) << "the popup does not stand above the example";
  SteadyPicture(hDialog, "descriptions_3_bet_spoken");
  // A click on the dialog closes the popup.
  ClickAt({dialog.right - 5, (example.bottom + dialog.bottom) / 2});
  EXPECT_TRUE(WaitFor([&] { return !::IsWindow(hPopup); }));

  Exit(hDialog);
}

TEST_F(DescriptionsJourney, QamatsShowsSixExamplesWithTheirPointsRed) {
  const HWND hDialog = Describe(kChartQamats);
  ASSERT_NE(nullptr, hDialog);
  EXPECT_EQ(kExampleButtons, ShownExamples(hDialog));
  const RgbImage shot = SteadyPicture(hDialog, "descriptions_4_qamats");
  for (int k = 0; k < kExampleButtons; ++k)
    EXPECT_LT(0, RedPixels(hDialog, shot, IDC_DESCRIPTION_EXAMPLE1 + k)) << k;
  Exit(hDialog);
  // The chart still answers: another letter opens its description.
  const HWND hBet = Describe(kChartBet);
  ASSERT_NE(nullptr, hBet);
  Exit(hBet);
  EXPECT_TRUE(ClickControlUntil(m_hChart, IDCANCEL, [&] { return !::IsWindow(m_hChart); }));
}

}  // namespace descriptions_journey_test
