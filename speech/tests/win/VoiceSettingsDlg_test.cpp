// The Voice Settings dialog over the engine stand-in and a profile of the
// test's own in the registry: the list, the values' edit boxes and sliders,
// adding, deleting, resetting and testing voices, OK's registry keys, and
// Cancel taking back a tried voice.
#include "speech/win/CVoiceSettingsDlg.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "classlib/win/CWinApp.h"
#include "hebtext/win/AppProfileStore.h"
#include "resources/HebtextIds.h"
#include "resources/VoiceSettingsIds.h"
#include "speech/tests/win/SonsynStandIn.h"
#include "testing/win/MessageBoxes.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"

namespace VoiceSettingsDlg_test {

constexpr char kCompanyKey[] = "Zulta Voice Settings Test";
constexpr char kVoicesKey[] = "Software\\Zulta Voice Settings Test\\Zulta\\Voices";
constexpr UINT kPromptPollMs = 20;

// A registry value of the test's "Voices" key; "(none)" when it is missing.
std::string StoredValue(const char* name) {
  char text[256] = {};
  DWORD size = sizeof(text);
  if (::RegGetValueA(HKEY_CURRENT_USER, kVoicesKey, name, RRF_RT_REG_SZ | RRF_RT_REG_DWORD, nullptr,
                     text, &size) != ERROR_SUCCESS)
    return "(none)";
  return text;
}

DWORD StoredNumber(const char* name) {
  DWORD value = 0;
  DWORD size = sizeof(value);
  ::RegGetValueA(HKEY_CURRENT_USER, kVoicesKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size);
  return value;
}

// While it lives, the prompt dialog that asks for a name is answered with
// the text, from a timer that runs in the prompt's modal loop.
class PromptAnswerer {
 public:
  explicit PromptAnswerer(const char* answer) {
    t_answer = answer;
    m_timer = ::SetTimer(nullptr, 0, kPromptPollMs, &OnTimer);
  }
  ~PromptAnswerer() { ::KillTimer(nullptr, m_timer); }

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    ::EnumThreadWindows(::GetCurrentThreadId(), &Answer, 0);
  }
  static BOOL CALLBACK Answer(HWND hWnd, LPARAM) {
    HWND hAnswer = ::GetDlgItem(hWnd, IDC_PROMPT_ANSWER);
    if (hAnswer == nullptr || !::IsWindowVisible(hWnd)) return TRUE;
    char prompt[128] = {};
    ::GetDlgItemTextA(hWnd, IDC_PROMPT_TEXT, prompt, sizeof(prompt));
    t_prompt = prompt;
    ::SetWindowTextA(hAnswer, t_answer);
    ::PostMessageA(hWnd, WM_COMMAND, IDOK, 0);
    return FALSE;
  }
  static inline const char* t_answer = "";
  UINT_PTR m_timer = 0;

 public:
  static inline std::string t_prompt;
};

class VoiceSettingsDlgTest : public testing::Test {
 protected:
  void SetUp() override {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Zulta Voice Settings Test");
    m_app.SetRegistryKey(kCompanyKey);
    g_standIn = StandInRecorder();
    m_engine.SetSpeakingFace(&m_face);
  }
  void TearDown() override {
    if (m_pDlg != nullptr) {
      m_pDlg->DestroyWindow();
      delete m_pDlg;
    }
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Zulta Voice Settings Test");
  }
  // The engine started on the profile, then the dialog opened modeless.
  void Open() {
    m_engine.Init(StandInCalls(), m_profile);
    m_pDlg = new CVoiceSettingsDlg(m_engine, m_profile);
    ASSERT_TRUE(m_pDlg->Create(CVoiceSettingsDlg::IDD));
    m_pDlg->ShowWindow(SW_SHOW);
    g_standIn.calls.clear();
  }
  HWND Item(int nID) const { return ::GetDlgItem(m_pDlg->m_hWnd, nID); }
  void Click(int nID) {
    ::SendMessageA(m_pDlg->m_hWnd, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                   reinterpret_cast<LPARAM>(Item(nID)));
  }
  void SelectInCombo(int nID, int index) {
    ::SendMessageA(Item(nID), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageA(m_pDlg->m_hWnd, WM_COMMAND, MAKEWPARAM(nID, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(Item(nID)));
  }
  int Selection() const {
    return static_cast<int>(::SendMessageA(Item(IDC_VOICE_LIST), CB_GETCURSEL, 0, 0));
  }
  int Count() const {
    return static_cast<int>(::SendMessageA(Item(IDC_VOICE_LIST), CB_GETCOUNT, 0, 0));
  }
  std::string Text(int nID) const {
    char text[256] = {};
    ::GetWindowTextA(Item(nID), text, sizeof(text));
    return text;
  }
  int SliderPos(int nID) const {
    return static_cast<int>(::SendMessageA(Item(nID), TBM_GETPOS, 0, 0));
  }
  bool Enabled(int nID) const { return ::IsWindowEnabled(Item(nID)) != FALSE; }

  CWinApp m_app{"Zulta"};
  CAppProfileStore m_profile{&m_app};
  RecordingFace m_face;
  CSpeechEngine m_engine;
  CVoiceSettingsDlg* m_pDlg = nullptr;
};

TEST_F(VoiceSettingsDlgTest, EditsAddsDeletesResetsTestsAndOkWritesTheKeys) {
  WriteVoiceDef(m_profile, 9, CVoiceDef("Ninth", {0, 9, 9, 9, 9, 9, 9, 9}));
  WriteVoiceDef(m_profile, 10, CVoiceDef("Tenth", {1, 10, 10, 10, 10, 10, 10, 10}));
  WriteVoiceDef(m_profile, kCurrentVoiceKey, CVoiceDef("TENTH", {1, 10, 10, 10, 10, 10, 10, 10}));
  Open();
  ASSERT_EQ(Count(), 10);
  EXPECT_EQ(Selection(), 9);
  EXPECT_TRUE(Enabled(IDC_VOICE_DELETE));
  EXPECT_FALSE(Enabled(IDC_VOICE_RESET));
  EXPECT_EQ(Text(IDC_VOICE_SPEED), "10");
  ::RedrawWindow(m_pDlg->m_hWnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  SaveScreenshot(CaptureWindow(m_pDlg->m_hWnd), "voice_settings");

  // Out of range goes back; in range moves the slider.
  ::SetWindowTextA(Item(IDC_VOICE_SPEED), "300");
  EXPECT_EQ(Text(IDC_VOICE_SPEED), "10");
  ::SetWindowTextA(Item(IDC_VOICE_SPEED), "250");
  EXPECT_EQ(SliderPos(IDC_VOICE_SPEED_SLIDER), 250);

  // Deleting entry 9 shows entry 10 in its place.
  SelectInCombo(IDC_VOICE_LIST, 8);
  EXPECT_EQ(Text(IDC_VOICE_HEAD_SIZE), "9");
  {
    MessageBoxAnswerer answerer(IDYES, "Zulta");
    Click(IDC_VOICE_DELETE);
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_NE(answerer.Boxes()[0].texts.find("Do you really want to delete the voice 'Ninth'?"),
              std::string::npos);
  }
  EXPECT_EQ(Count(), 9);
  EXPECT_EQ(Selection(), 8);
  EXPECT_EQ(Text(IDC_VOICE_SPEED), "250");

  // A built-in voice's values come back with Reset.
  SelectInCombo(IDC_VOICE_LIST, 4);
  ::SetWindowTextA(Item(IDC_VOICE_PITCH), "12");
  EXPECT_EQ(SliderPos(IDC_VOICE_PITCH_SLIDER), 12);
  Click(IDC_VOICE_RESET);
  EXPECT_EQ(Text(IDC_VOICE_PITCH), "69");
  EXPECT_EQ(SliderPos(IDC_VOICE_PITCH_SLIDER), 69);

  // A new voice takes the values on screen; a taken name adds nothing.
  ::SetWindowTextA(Item(IDC_VOICE_VOLUME), "55");
  {
    PromptAnswerer prompt("Deep");
    Click(IDC_VOICE_ADD);
  }
  EXPECT_EQ(PromptAnswerer::t_prompt, "Please Enter a Name for the New Voice:");
  EXPECT_EQ(Count(), 10);
  EXPECT_EQ(Selection(), 9);
  {
    PromptAnswerer prompt("dEEP");
    Click(IDC_VOICE_ADD);
  }
  EXPECT_EQ(Count(), 10);

  // Test speaks the greeting with the values on screen.
  Click(IDC_VOICE_TEST);
  EXPECT_EQ(g_standIn.calls,
            (std::vector<std::string>{"voice 0=0", "voice 1=50", "voice 2=69", "voice 3=34",
                                      "voice 4=0", "voice 5=0", "voice 6=50", "voice 7=55",
                                      "face shown", "face animated", "text '`[S0al1Om]'",
                                      "text ' `[x0av0Er1im]'", "start"}));

  Click(IDOK);
  EXPECT_EQ(StoredValue("9"), "Tenth|1|10|10|10|10|10|250|10");
  // Add stored the values on screen into the entry shown before it.
  EXPECT_EQ(StoredValue("5"), "5  - Dod (Uncle) Garvil|0|50|69|34|0|0|50|55");
  EXPECT_EQ(StoredValue("10"), "Deep|0|50|69|34|0|0|50|55");
  EXPECT_EQ(StoredValue("11"), "(none)");
  EXPECT_EQ(StoredValue("0"), "Deep|0|50|69|34|0|0|50|55");
  EXPECT_EQ(StoredNumber("VoiceOn"), 1u);
  EXPECT_EQ(StoredNumber("SampleRate"), 1u);
  EXPECT_EQ(StoredNumber("Face"), 1u);
  EXPECT_EQ(m_engine.CurrentVoice().m_name, CString("Deep"));
}

TEST_F(VoiceSettingsDlgTest, CancelTakesBackATriedVoiceAndWritesNothing) {
  Open();
  const CVoiceDef opening = m_engine.CurrentVoice();
  SelectInCombo(IDC_VOICE_LIST, 2);
  ::SendMessageA(Item(IDC_VOICE_OFF), BM_CLICK, 0, 0);
  Click(IDC_VOICE_TEST);
  EXPECT_EQ(m_engine.CurrentVoice(), BuiltInVoice(3));
  // Speech off: the test speaks nothing.
  EXPECT_EQ(g_standIn.calls.back(), "voice 7=90");
  Click(IDCANCEL);
  EXPECT_EQ(m_engine.CurrentVoice(), opening);
  EXPECT_EQ(m_engine.Switches().voiceOn, 1);
  EXPECT_EQ(StoredValue("0"), "(none)");
  EXPECT_EQ(StoredValue("1"), "(none)");
}

TEST_F(VoiceSettingsDlgTest, AChosenFaceIsShownOverTheDialogAndNoneClosesIt) {
  Open();
  SelectInCombo(IDC_VOICE_FACE, 2);
  EXPECT_NE(m_face.FaceWindow(), nullptr);
  EXPECT_EQ(m_engine.Switches().face, 2);
  EXPECT_EQ(m_engine.FaceParent(), m_pDlg->m_hWnd);
  SelectInCombo(IDC_VOICE_FACE, kFaceNone);
  EXPECT_EQ(m_face.FaceWindow(), nullptr);
}

}  // namespace VoiceSettingsDlg_test
