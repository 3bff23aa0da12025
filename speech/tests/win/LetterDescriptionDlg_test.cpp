// The letter and vowel descriptions dialog over the engine stand-in: which
// example buttons an item shows, where the tall items put them, and an
// example clicked spoken with its transcription over it.
#include "speech/win/CLetterDescriptionDlg.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "classlib/win/CWinApp.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/win/AppProfileStore.h"
#include "resources/DescriptionIds.h"
#include "speech/tests/win/SonsynStandIn.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"

namespace LetterDescriptionDlg_test {

using namespace HebCode;

constexpr char kCompanyKey[] = "Zulta Letter Description Test";
constexpr int kExamples = 6;

class LetterDescriptionDlgTest : public testing::Test {
 protected:
  void SetUp() override {
    m_app.SetRegistryKey(kCompanyKey);
    g_standIn = StandInRecorder();
    m_engine.SetSpeakingFace(&m_face);
    m_engine.Init(StandInCalls(), m_profile);
  }
  void TearDown() override {
    Close();
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Zulta Letter Description Test");
  }
  // The dialog for the item, opened modeless.
  void Open(int item) {
    Close();
    ReferenceServices services;
    services.engine = &m_engine;
    m_pDlg = new CLetterDescriptionDlg(item, services);
    ASSERT_TRUE(m_pDlg->Create(CLetterDescriptionDlg::IDD));
    m_pDlg->ShowWindow(SW_SHOW);
  }
  void Close() {
    if (m_pDlg == nullptr) return;
    m_pDlg->DestroyWindow();
    delete m_pDlg;
    m_pDlg = nullptr;
  }
  HWND Item(int id) const { return ::GetDlgItem(m_pDlg->m_hWnd, id); }
  bool Shown(int id) const { return ::IsWindowVisible(Item(id)) != FALSE; }
  RECT Rect(int id) const {
    RECT rect;
    ::GetWindowRect(Item(id), &rect);
    return rect;
  }
  void Click(int id) {
    ::SendMessageA(m_pDlg->m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(Item(id)));
  }

  CWinApp m_app{"Zulta"};
  CAppProfileStore m_profile{&m_app};
  RecordingFace m_face;
  CSpeechEngine m_engine;
  CLetterDescriptionDlg* m_pDlg = nullptr;
};

TEST_F(LetterDescriptionDlgTest, ItemsShowTheirExampleButtons) {
  struct Case {
    int item;
    int shown;
  } const cases[] = {{Bet, 6}, {Qamats, 6}, {Alef, 3}, {Hiriq, 3}, {QamatsQatan, 3}, {Shin, 3}};
  for (const Case& c : cases) {
    Open(c.item);
    int shown = 0;
    for (int k = 0; k < kExamples; ++k) shown += Shown(IDC_DESCRIPTION_EXAMPLE1 + k) ? 1 : 0;
    EXPECT_EQ(c.shown, shown) << c.item;
  }
}

TEST_F(LetterDescriptionDlgTest, KamatsKatanHasNoExamplesToDrawOrSpeak) {
  Open(QamatsQatan);
  const RgbImage shot = CaptureSteadyWindow(m_pDlg->m_hWnd);
  SaveScreenshot(shot, "letter_description_kamats_katan");
  RECT dialog;
  ::GetWindowRect(m_pDlg->m_hWnd, &dialog);
  const PixelTest ink = [](uint32_t rgb) {
    return rgb == CaptureColor(RGB(210, 0, 0)) || rgb == CaptureColor(RGB(0, 0, 128));
  };
  for (int k = 0; k < 3; ++k) {
    RECT button = Rect(IDC_DESCRIPTION_EXAMPLE1 + k);
    ::OffsetRect(&button, -dialog.left, -dialog.top);
    EXPECT_EQ(0, CountPixels(shot, button, ink)) << k;
  }
  g_standIn.calls.clear();
  Click(IDC_DESCRIPTION_EXAMPLE1);
  EXPECT_TRUE(g_standIn.calls.empty());
  EXPECT_EQ(nullptr, ::FindWindowExA(m_pDlg->m_hWnd, nullptr, "TranslWin", nullptr));
}

TEST_F(LetterDescriptionDlgTest, TallItemsMoveTheirButtonsDownByOneButton) {
  Open(Bet);
  const RECT first = Rect(IDC_DESCRIPTION_EXAMPLE1);
  const RECT exit = Rect(IDOK);
  const RECT spelling = Rect(IDC_DESCRIPTION_SPELLING);
  const RECT fourth = Rect(IDC_DESCRIPTION_EXAMPLE4);
  const LONG height = first.bottom - first.top;
  for (int item : {Dagesh, Meteg, Het}) {
    Open(item);
    EXPECT_EQ(first.top + height, Rect(IDC_DESCRIPTION_EXAMPLE1).top) << item;
    EXPECT_EQ(first.top + height, Rect(IDC_DESCRIPTION_EXAMPLE1 + 2).top) << item;
    EXPECT_EQ(exit.top + height, Rect(IDOK).top) << item;
    EXPECT_EQ(spelling.top + height, Rect(IDC_DESCRIPTION_SPELLING).top) << item;
    EXPECT_EQ(fourth.top, Rect(IDC_DESCRIPTION_EXAMPLE4).top) << item;  // hidden, not moved
  }
}

TEST_F(LetterDescriptionDlgTest, AnExampleIsSpokenPointedInEitherSpelling) {
  Open(Bet);
  SaveScreenshot(CaptureSteadyWindow(m_pDlg->m_hWnd), "letter_description_bet");
  std::string spoken[2];
  for (bool full : {false, true}) {
    if (full) Click(IDC_DESCRIPTION_SPELLING);
    g_standIn.calls.clear();
    Click(IDC_DESCRIPTION_EXAMPLE1);  // bayit
    const HWND hPopup = ::FindWindowExA(m_pDlg->m_hWnd, nullptr, "TranslWin", nullptr);
    ASSERT_NE(nullptr, hPopup) << full;
    RECT popup;
    ::GetWindowRect(hPopup, &popup);
    EXPECT_LT(popup.top, Rect(IDC_DESCRIPTION_EXAMPLE1).top) << full;
    // One word, no markers, as the stress of its marks says.
    ASSERT_FALSE(g_standIn.calls.empty()) << full;
    for (const std::string& call : g_standIn.calls)
      if (call.find("text '") == 0) spoken[full] += call;
    EXPECT_FALSE(spoken[full].empty()) << full;
    EXPECT_EQ(0, std::count_if(g_standIn.calls.begin(), g_standIn.calls.end(),
                               [](const std::string& call) { return call.find("marker") == 0; }))
        << full;
    EXPECT_EQ("start", g_standIn.calls.back()) << full;
  }
  // The spoken text is the same whichever spelling the buttons show.
  EXPECT_EQ(spoken[0], spoken[1]);
}

}  // namespace LetterDescriptionDlg_test
