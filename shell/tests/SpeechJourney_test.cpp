// A listener's session: a pointed Hebrew sentence typed in a new document is
// spoken by the real speech engine library, the sound it made is measured,
// each word is highlighted in turn while it is spoken and the highlight goes
// at the end; spoken again, Stop ends the speech at once and leaves the
// engine idle.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "shell/tests/JourneyPictures.h"
#include "shell/tests/ProgramFonts.h"
#include "shell/tests/SpeechTrace.h"
#include "shell/tests/ZultaProcess.h"
#include "speech/core/SpeechMessages.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/SoundStat.h"
#include "testing/win/UserInput.h"
#include "testing/win/WindowCapture.h"

namespace SpeechJourney_test {

// "shalom olam" as typed on the English keyboard.
const std::string kSentenceKeys = "w]kOo gOk]o";
// The rulers' background.
bool IsRulerYellow(uint32_t rgb) {
  constexpr uint32_t kBright = 0xC0;
  return (rgb >> 16 & 0xFF) > kBright && (rgb >> 8 & 0xFF) > kBright && (rgb & 0xFF) < kBright;
}

// The selection colour the program paints with: the prefix's highlight
// colour as a newly started program reads it (this process's own copy of the
// system colours need not follow the prefix).
COLORREF ProgramHighlightColor() {
  char value[32] = {};
  DWORD size = sizeof value;
  int red = 0, green = 0, blue = 0;
  if (::RegGetValueA(HKEY_CURRENT_USER, "Control Panel\\Colors", "Hilight", RRF_RT_REG_SZ, nullptr,
                     value, &size) == ERROR_SUCCESS &&
      std::sscanf(value, "%d %d %d", &red, &green, &blue) == 3)
    return RGB(red, green, blue);
  return ::GetSysColor(COLOR_HIGHLIGHT);
}

class SpeechJourney : public testing::Test {
 protected:
  void SetUp() override {
    m_trace.reset(new SpeechTraceFolder("zulta-speech-journey"));
    ASSERT_TRUE(m_trace->Made());
    InstallProgramFonts();
  }
  void TearDown() override { m_trace.reset(); }
  std::string Trace() const { return m_trace->Trace(); }
  bool TraceHolds(const std::string& text, size_t count = 1) const {
    return m_trace->TraceHolds(text, count);
  }

  std::unique_ptr<SpeechTraceFolder> m_trace;
};

TEST_F(SpeechJourney, ASentenceIsHeardItsWordsHighlightedInTurnAndStopEndsIt) {
  ZultaProcess zulta;
  ASSERT_TRUE(zulta.Started()) << "error " << zulta.StartError();
  HWND hMain = zulta.MainWindow();
  ASSERT_NE(hMain, nullptr);
  ASSERT_TRUE(TraceHolds("create")) << "the engine library was not started:\n" << Trace();
  ::SetForegroundWindow(hMain);
  SendChord(VK_CONTROL, 'N');
  // The view is the only child of the MDI client's top window.
  HWND hClient = ::FindWindowExA(hMain, nullptr, "MDIClient", nullptr);
  HWND hView = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    HWND hChild = ::GetTopWindow(hClient);
    hView = hChild != nullptr ? ::GetTopWindow(hChild) : nullptr;
    return hView != nullptr && FocusOf(hMain) == hView;
  })) << "no editor view with the focus after New";
  SendChord(VK_CONTROL, 'H');
  SendText(kSentenceKeys);
  // The page shows with its yellow ruler and the typed text.
  const PixelTest black = IsColor(RGB(0, 0, 0));
  ASSERT_TRUE(WaitFor([&] {
    const RgbImage shot = CaptureWindow(hView);
    return CountPixels(shot, IsRulerYellow) > shot.width && CountPixels(shot, black) > 0;
  })) << "the sentence does not show";
  SteadyPicture(hView, "speech_journey_0_typed");

  // Speak the sentence: while it is spoken, the highlighted box is watched.
  SendChord(VK_CONTROL, 'T');
  // The selection's background (the transliteration popup's letters are blue too).
  const PixelTest selected = IsColor(ProgramHighlightColor());
  std::vector<RECT> highlights;  // each new highlighted box, in order
  bool cleared = false;
  ASSERT_TRUE(WaitFor([&] {
    const RgbImage shot = CaptureWindow(hView);
    const RECT box = BoundingBox(shot, selected);
    const bool any = box.left <= box.right;
    if (any && (highlights.empty() || !::EqualRect(&highlights.back(), &box))) {
      highlights.push_back(box);
      SaveScreenshot(shot, "speech_journey_" + std::to_string(highlights.size()));
    }
    cleared = !any;
    return TraceHolds("output finished") && cleared;
  })) << Trace();
  // The whole sentence first, then its words one by one: the first on the
  // right (Hebrew runs right to left), then the second.
  ASSERT_FALSE(highlights.empty()) << Trace();
  const LONG sentenceWidth = highlights[0].right - highlights[0].left;
  std::vector<RECT> wordBoxes;
  for (const RECT& box : highlights)
    if (4 * (box.right - box.left) < 3 * sentenceWidth) wordBoxes.push_back(box);
  ASSERT_GE(wordBoxes.size(), 2u) << Trace();
  EXPECT_GT(wordBoxes.front().left, wordBoxes.back().right);
  EXPECT_TRUE(cleared);

  const std::string log = Trace();
  const std::vector<size_t> words = Occurrences(log, "reached marker 0x1\n");
  const std::vector<size_t> end = Occurrences(log, "reached marker 0x80000000");
  ASSERT_EQ(words.size(), 2u) << log;
  ASSERT_EQ(end.size(), 1u) << log;
  EXPECT_LT(words[1], end[0]);

  const SoundStat sound = MeasureSound(m_trace->Utterance(1));
  ASSERT_TRUE(sound.measured) << log;
  EXPECT_GT(sound.seconds, 0.6);  // two words, four syllables
  EXPECT_LT(sound.seconds, 4.0);
  EXPECT_GT(sound.rms, 0.02);  // heard, not silence

  // Spoken again as a selection, then stopped as the speaking face's Cancel does.
  SendChord(VK_SHIFT, VK_HOME);
  SendChord(VK_CONTROL, 'D');
  ASSERT_TRUE(WaitFor([&] { return TraceHolds("start", 2); })) << Trace();
  ::PostMessageA(hMain, WM_SPEECH_CANCEL, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return TraceHolds("output aborted"); })) << Trace();
  const std::string stopped = Trace();
  EXPECT_EQ(Occurrences(stopped, "output finished").size(), 1u) << stopped;

  // The engine is idle after Stop: spoken once more, the request is not
  // aborted first (a busy engine's would be) and is heard to the end.
  SendChord(VK_CONTROL, 'T');
  ASSERT_TRUE(WaitFor([&] { return TraceHolds("output finished", 2); })) << Trace();
  const std::string again = Trace();
  EXPECT_EQ(Occurrences(again, "start\n").size(), 3u) << again;
  EXPECT_EQ(Occurrences(again, "abort\n").size(), 1u) << again;
}

}  // namespace SpeechJourney_test
