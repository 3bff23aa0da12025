// The engine wrapper over a recording stand-in of the library's functions:
// the calls of start-up and of a voice, speaking with markers, a request
// while busy, the notices the callback posts, and no library at all.
#include "speech/win/SpeechEngine.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/win/CWinApp.h"
#include "classlib/win/CWnd.h"
#include "hebtext/core/MemoryProfileStore.h"
#include "speech/tests/win/SonsynStandIn.h"
#include "testing/win/MessageBoxes.h"

namespace SpeechEngine_test {

class SpeechEngineTest : public testing::Test {
 protected:
  void SetUp() override {
    g_standIn = StandInRecorder();
    m_hMain = ::CreateWindowExA(0, "STATIC", "main", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                nullptr, nullptr);
    m_hView = ::CreateWindowExA(0, "STATIC", "view", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                nullptr, nullptr);
    m_main.Attach(m_hMain);
    m_app.m_pMainWnd = &m_main;
  }
  void TearDown() override {
    m_app.m_pMainWnd = nullptr;
    m_main.Detach();
    ::DestroyWindow(m_hView);
    ::DestroyWindow(m_hMain);
  }
  // The engine started on the stand-in, its calls forgotten.
  void Start(CSpeechEngine& engine) {
    engine.SetSpeakingFace(&m_face);
    engine.Init(StandInCalls(), m_profile);
    g_standIn.calls.clear();
  }
  // The lParams of the messages of that number queued for the window.
  static std::vector<LPARAM> Posted(HWND hWnd, UINT message) {
    std::vector<LPARAM> values;
    MSG msg;
    while (::PeekMessageA(&msg, hWnd, message, message, PM_REMOVE)) values.push_back(msg.lParam);
    return values;
  }
  static std::vector<std::string> Calls() { return g_standIn.calls; }

  CWinApp m_app{"Zulta"};
  CWnd m_main;
  HWND m_hMain = nullptr;
  HWND m_hView = nullptr;
  RecordingFace m_face;
  MemoryProfileStore m_profile;
};

using Lines = std::vector<std::string>;

TEST_F(SpeechEngineTest, StartUpSetsTheOptionsAndEveryValueOfTheCurrentVoice) {
  const CVoiceDef mine("Mine", {1, 2, 3, 4, 5, 6, 7, 8});
  WriteVoiceDef(m_profile, kCurrentVoiceKey, mine);
  WriteSpeechSwitches(m_profile, SpeechSwitches{1, kSampleRate22050, kFaceNerla});
  CSpeechEngine engine;
  engine.Init(StandInCalls(), m_profile);
  EXPECT_EQ(Calls(),
            (Lines{"create", "option 9=262144", "option 1=1", "option 5=1", "option 7=1",
                   "notifier", "option 5=2", "voice 0=1", "voice 1=2", "voice 2=3", "voice 3=4",
                   "voice 4=5", "voice 5=6", "voice 6=7", "voice 7=8", "option 7=1"}));
  EXPECT_TRUE(engine.HasEngine());
  EXPECT_TRUE(engine.PhonemeNotices());
  EXPECT_EQ(engine.CurrentVoice(), mine);
  EXPECT_EQ(engine.Switches().sampleRate, kSampleRate22050);
}

TEST_F(SpeechEngineTest, RefusalsAreReportedAndARefusedRateFallsBack) {
  {
    MessageBoxAnswerer answerer;
    g_standIn.refusedOption = kSonsynOptionDialect;
    CSpeechEngine engine;
    engine.Init(StandInCalls(), m_profile);
    EXPECT_FALSE(engine.HasEngine());
    EXPECT_EQ(Calls(), (Lines{"create", "option 9=262144", "destroy"}));
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_NE(answerer.Boxes()[0].texts.find("Cannot set Vocarin Language Dialect"),
              std::string::npos);
  }
  g_standIn = StandInRecorder();
  g_standIn.refusedRate = kRefuseEveryRate;
  g_standIn.refusedOption = kSonsynOptionPhonemeNotices;
  CSpeechEngine engine;
  engine.Init(StandInCalls(), m_profile);
  EXPECT_TRUE(engine.HasEngine());
  EXPECT_FALSE(engine.PhonemeNotices());
  const Lines expectedStart{"create",     "option 9=262144", "option 1=1", "option 5=1",
                            "option 5=1", "option 5=0",      "option 7=1", "notifier"};
  const Lines calls = Calls();
  ASSERT_GE(calls.size(), expectedStart.size());
  EXPECT_EQ(Lines(calls.begin(), calls.begin() + expectedStart.size()), expectedStart);
}

TEST_F(SpeechEngineTest, ApplyVoiceWithoutForceSendsWhatChanged) {
  CSpeechEngine engine;
  Start(engine);
  CVoiceDef voice = engine.CurrentVoice();
  voice.m_values[kVoiceSpeed] = 99;
  SpeechSwitches switches = engine.Switches();
  switches.face = kFaceNone;
  engine.ApplyVoice(voice, switches, false);
  EXPECT_EQ(Calls(), (Lines{"voice 6=99", "option 7=0"}));
  EXPECT_FALSE(engine.PhonemeNotices());
}

TEST_F(SpeechEngineTest, SpeaksWordByWordWithMarkersAndShowsTheFace) {
  CSpeechEngine engine;
  Start(engine);
  engine.Speak(m_hView, m_hView, " `[S0al1Om]  `[x0av0Er1im] ", kSpeakSentence);
  EXPECT_EQ(Calls(), (Lines{"face shown", "face animated", "marker 1", "text '`[S0al1Om]'",
                            "marker 1", "text ' `[x0av0Er1im]'", "marker 80000000", "start"}));
  EXPECT_EQ(engine.NotifyWindow(), m_hView);
}

TEST_F(SpeechEngineTest, ARequestWhileBusyWaitsForTheRestartAndOnlyTheLastIsSpoken) {
  CSpeechEngine engine;
  Start(engine);
  g_standIn.busy = true;
  engine.Speak(m_hView, m_hView, "`[a1]", kSpeakWords);
  engine.Speak(m_hView, m_hView, "`[b1]", kSpeakSelection);
  // A restart that still finds the engine busy keeps the request.
  engine.Speak(m_hView, m_hView, nullptr, kSpeakPendingMode);
  EXPECT_EQ(Calls(), (Lines{"abort", "abort", "abort"}));
  EXPECT_EQ(Posted(m_hMain, WM_SPEECH_RESTART).size(), 3u);
  EXPECT_EQ(engine.PendingText(), CString("`[b1]"));
  g_standIn.busy = false;
  g_standIn.calls.clear();
  engine.Speak(engine.FaceParent(), engine.NotifyWindow(), nullptr, kSpeakPendingMode);
  EXPECT_EQ(Calls(), (Lines{"face shown", "face animated", "marker 0", "text '`[b1]'", "start"}));
}

TEST_F(SpeechEngineTest, VoiceOffSpeaksNothingAndStopsOnlyWhatIsBusy) {
  CSpeechEngine engine;
  Start(engine);
  SpeechSwitches off = engine.Switches();
  off.voiceOn = 0;
  engine.ApplyVoice(engine.CurrentVoice(), off, false);
  g_standIn.calls.clear();
  engine.Speak(m_hView, m_hView, "`[a1]", kSpeakWords);
  EXPECT_EQ(engine.NotifyWindow(), nullptr);
  EXPECT_FALSE(engine.Stop());
  g_standIn.busy = true;
  EXPECT_TRUE(engine.Stop());
  EXPECT_EQ(Calls(), (Lines{"abort"}));
}

TEST_F(SpeechEngineTest, TheCallbackPostsMarkersAndACopyOfThePhonemeRecord) {
  CSpeechEngine engine;
  Start(engine);
  engine.Speak(m_hView, m_hView, "`[a1]", kSpeakWords);
  ASSERT_NE(m_face.FaceWindow(), nullptr);
  SonsynPhonemeRecord record{'a', "a", 200, 90};
  EXPECT_EQ(g_standIn.notifier(kStandInHandle, kSonsynNoticePhoneme,
                               reinterpret_cast<intptr_t>(&record), g_standIn.userData),
            1);
  record = SonsynPhonemeRecord{};  // the engine's record is gone after the call
  g_standIn.notifier(kStandInHandle, kSonsynNoticeMarker, kMarkerEnd, g_standIn.userData);
  g_standIn.notifier(kStandInHandle, 9, 5, g_standIn.userData);
  const std::vector<LPARAM> phonemes = Posted(m_face.FaceWindow(), WM_SPEECH_PHONEME);
  ASSERT_EQ(phonemes.size(), 1u);
  const PhonemeNotice notice = UnpackPhonemeNotice(phonemes[0]);
  EXPECT_EQ(notice.code, 'a');
  EXPECT_EQ(notice.opening, 200);
  EXPECT_EQ(notice.width, 90);
  EXPECT_EQ(Posted(m_hView, WM_SPEECH_INDEX), (std::vector<LPARAM>{LPARAM{kMarkerEnd}}));
}

TEST_F(SpeechEngineTest, WithoutTheLibrarySpeechIsOffAndSaysSoOnce) {
  MessageBoxAnswerer answerer;
  CSpeechEngine engine;
  engine.Init(static_cast<HMODULE>(nullptr), m_profile);
  EXPECT_FALSE(engine.HasEngine());
  engine.Speak(m_hView, m_hView, "`[a1]", kSpeakWords);
  engine.Speak(m_hView, m_hView, "`[b1]", kSpeakWords);
  EXPECT_FALSE(engine.Stop());
  ASSERT_EQ(answerer.Boxes().size(), 1u);
  EXPECT_NE(answerer.Boxes()[0].texts.find(kNoSpeechEngineMessage), std::string::npos);
  EXPECT_TRUE(Calls().empty());
}

TEST_F(SpeechEngineTest, ALibraryWithoutEveryOrdinalGivesNoEngine) {
  // The program itself exports none of the ordinals.
  EXPECT_FALSE(BindSonsynCalls(::GetModuleHandleA(nullptr)).IsWhole());
  EXPECT_FALSE(BindSonsynCalls(nullptr).IsWhole());
}

}  // namespace SpeechEngine_test
