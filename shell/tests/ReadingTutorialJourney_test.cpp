// Language Reference/Reading Tutorial in the real program: the lesson menu,
// lesson 1 walked from its first step to its end and back to the menu with
// a practice word spoken on the way, the gutturals lesson opened from the
// menu, and the Preferences dialogs reached from the tutorial's own menu.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "resources/MainFrameIds.h"
#include "resources/ReadingTutorIds.h"
#include "shell/tests/DialogControls.h"
#include "shell/tests/JourneyPictures.h"
#include "shell/tests/SpeechTrace.h"
#include "shell/tests/ZultaProcess.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/SoundStat.h"
#include "testing/win/UserInput.h"

namespace reading_tutorial_journey_test {

constexpr int kLessons = 24;
// Lesson 1 is short; a walk longer than this never comes back to the menu.
constexpr int kMostSteps = 60;
constexpr COLORREF kItemRed = RGB(210, 0, 0);
constexpr int kMenuKeyTries = 3;
constexpr DWORD kMenuKeyWaitMs = 3000;
const char kEndOfLesson1[] = "End of Lesson 1 ";

class ReadingTutorialJourney : public ::testing::Test {
 protected:
  void SetUp() override {
    m_trace.reset(new SpeechTraceFolder("zulta-reading-tutorial-journey"));
    ASSERT_TRUE(m_trace->Made());
    m_zulta.reset(new ZultaProcess());
    ASSERT_TRUE(m_zulta->Started()) << "error " << m_zulta->StartError();
    ASSERT_NE(nullptr, m_zulta->MainWindow());
    ::PostMessageA(m_zulta->MainWindow(), WM_COMMAND, ID_LANGREF_READING_TUTORIAL, 0);
    m_hDialog = WaitForTopLevelWindow(m_zulta->Id(), "Reading Tutorial", "#32770");
    ASSERT_NE(nullptr, m_hDialog);
    WaitFor([&] { return ::GetForegroundWindow() == m_hDialog; });
  }
  void TearDown() override {
    if (m_zulta) {
      if (::IsWindow(m_hDialog)) {
        ClickControlUntil(m_hDialog, IDOK, [&] { return !::IsWindow(m_hDialog); });
      }
      EXPECT_EQ(0u, m_zulta->Close());
    }
    m_trace.reset();
  }

  HWND Item(int id) const { return ::GetDlgItem(m_hDialog, id); }
  bool Shown(int id) const { return ::IsWindowVisible(Item(id)) != FALSE; }
  std::string Text(int id) const { return TextOf(Item(id)); }
  bool InMenu() const { return Shown(IDC_TUTOR_FIRST_LESSON) && !Shown(IDC_TUTOR_NEXT); }
  int ShownWords() const {
    int shown = 0;
    for (int id = IDC_TUTOR_WORD1; id <= IDC_TUTOR_WORD4; ++id) shown += Shown(id) ? 1 : 0;
    return shown;
  }
  // The red of the items drawn in the three panels.
  int RedItemPixels(const std::string& picture) const {
    RECT first;
    RECT last;
    RECT dialog;
    ::GetWindowRect(Item(IDC_TUTOR_ITEM1), &first);
    ::GetWindowRect(Item(IDC_TUTOR_ITEM3), &last);
    ::GetWindowRect(m_hDialog, &dialog);
    const RgbImage shot = SteadyPicture(m_hDialog, picture);
    const RECT area = {first.left - dialog.left, first.top - dialog.top,
                       last.right + (last.right - last.left) / 2 - dialog.left,
                       last.bottom - dialog.top};
    return CountPixels(shot, area, IsColor(kItemRed));
  }
  // Starts the lesson whose button is id, from the menu.
  void StartLesson(int id) {
    ASSERT_TRUE(InMenu());
    ASSERT_TRUE(ClickControlUntil(m_hDialog, id, [&] { return Shown(IDC_TUTOR_NEXT); }));
  }
  // Clicks a navigation button until the title changes or the menu shows.
  void Press(int id) {
    const std::string title = Text(IDC_TUTOR_TITLE);
    ASSERT_TRUE(ClickControlUntil(m_hDialog, id, [&] {
      return InMenu() || Text(IDC_TUTOR_TITLE) != title;
    })) << id;
  }
  // The toggle names what the words now show, which the picture keeps.
  void ToggleVowels(const std::string& ending, const std::string& picture) {
    const auto ends = [&] {
      const std::string text = Text(IDC_TUTOR_VOWELS_TOGGLE);
      return text.size() >= ending.size() &&
             text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
    };
    ASSERT_TRUE(ClickControlUntil(m_hDialog, IDC_TUTOR_VOWELS_TOGGLE, ends)) << ending;
    SteadyPicture(m_hDialog, picture);
  }
  // Opens a dialog of the tutorial's Preferences menu by its keys and closes
  // it with Esc.
  void OpenAndClosePreference(char key, const char* title) {
    // Keys sent while the previous dialog hands the focus back can be lost:
    // they are sent once the tutorial is in front, and again if nothing opens.
    HWND hPreference = nullptr;
    for (int tries = 0; tries < kMenuKeyTries && hPreference == nullptr; ++tries) {
      WaitFor([&] { return ::GetForegroundWindow() == m_hDialog; });
      SendChord(VK_MENU, 'P');
      SendKey(key);
      WaitFor(
          [&] {
            return (hPreference = FindTopLevelWindow(m_zulta->Id(), title, "#32770")) != nullptr;
          },
          kMenuKeyWaitMs);
      if (hPreference == nullptr) SendKey(VK_ESCAPE);  // a menu left open
    }
    ASSERT_NE(nullptr, hPreference) << title;
    EXPECT_EQ(m_hDialog, ::GetWindow(hPreference, GW_OWNER)) << title;
    WaitFor([&] { return ::GetForegroundWindow() == hPreference; });
    SteadyPicture(hPreference, std::string("reading_tutorial_") + key);
    SendKey(VK_ESCAPE);
    ASSERT_TRUE(WaitFor([&] { return !::IsWindow(hPreference); })) << title;
    EXPECT_TRUE(::IsWindow(m_hDialog));
  }

  // The first word is spoken and its transcription shows above it.
  void SpeakFirstWord() {
    HWND hPopup = nullptr;
    ASSERT_TRUE(ClickControlUntil(m_hDialog, IDC_TUTOR_WORD1, [&] {
      hPopup = ::FindWindowExA(m_hDialog, nullptr, "TranslWin", nullptr);
      return hPopup != nullptr && ::IsWindowVisible(hPopup);
    })) << "no transcription popup over the clicked word";
    ASSERT_TRUE(WaitFor([&] { return m_trace->TraceHolds("output finished"); }))
        << m_trace->Trace();
    const SoundStat sound = MeasureSound(m_trace->Utterance(1));
    ASSERT_TRUE(sound.measured) << m_trace->Trace();
    EXPECT_GT(sound.rms, 0.02);  // heard, not silence
    RECT popup, word;
    ::GetWindowRect(hPopup, &popup);
    ::GetWindowRect(Item(IDC_TUTOR_WORD1), &word);
    EXPECT_LT(popup.top, word.top);
    SteadyPicture(m_hDialog, "reading_tutorial_lesson1_spoken");
  }

  std::unique_ptr<SpeechTraceFolder> m_trace;
  std::unique_ptr<ZultaProcess> m_zulta;
  HWND m_hDialog = nullptr;
};

TEST_F(ReadingTutorialJourney, FillsTheScreenWithTheLessonMenu) {
  RECT dialog;
  ::GetWindowRect(m_hDialog, &dialog);
  EXPECT_EQ(0, dialog.left);
  EXPECT_EQ(0, dialog.top);
  EXPECT_EQ(::GetSystemMetrics(SM_CXSCREEN), dialog.right);
  EXPECT_TRUE(InMenu());
  for (int lesson = 1; lesson <= kLessons; ++lesson) {
    const int id = IDC_TUTOR_FIRST_LESSON + lesson - 1;
    EXPECT_TRUE(Shown(id)) << lesson;
    EXPECT_FALSE(Text(id).empty()) << lesson;
  }
  EXPECT_EQ(0, ShownWords());
  EXPECT_EQ(Item(IDC_TUTOR_FIRST_LESSON), FocusOf(m_hDialog));
  SteadyPicture(m_hDialog, "reading_tutorial_menu");
}

TEST_F(ReadingTutorialJourney, WalksLessonOneFromStartToEndAndBackToTheMenu) {
  StartLesson(IDC_TUTOR_FIRST_LESSON);
  EXPECT_EQ("Lesson 1", Text(IDC_TUTOR_LESSON_NUMBER));
  EXPECT_EQ(0u, Text(IDC_TUTOR_TITLE).find("Introducing the Letter"));
  EXPECT_LT(0, RedItemPixels("reading_tutorial_lesson1_first"));

  int steps = 1;
  bool practised = false;
  std::string lastTitle;
  while (!InMenu() && steps < kMostSteps) {
    lastTitle = Text(IDC_TUTOR_TITLE);
    if (!practised && ShownWords() > 0) {
      practised = true;
      EXPECT_TRUE(Shown(IDC_TUTOR_VOWELS_TOGGLE));
      SteadyPicture(m_hDialog, "reading_tutorial_lesson1_practice");
      ToggleVowels(": Without &Vowels", "reading_tutorial_lesson1_without_vowels");
      ToggleVowels(": With &Vowels", "reading_tutorial_lesson1_with_vowels");
      ASSERT_NO_FATAL_FAILURE(SpeakFirstWord());
    }
    if (lastTitle == kEndOfLesson1) SteadyPicture(m_hDialog, "reading_tutorial_lesson1_end");
    Press(IDC_TUTOR_NEXT);
    ++steps;
  }
  EXPECT_TRUE(InMenu());
  EXPECT_TRUE(practised);
  EXPECT_EQ(kEndOfLesson1, lastTitle);
  // Back in the menu the lesson's button has the focus.
  EXPECT_TRUE(WaitFor([&] { return FocusOf(m_hDialog) == Item(IDC_TUTOR_FIRST_LESSON); }));

  // Previous on the lesson's first step leaves it too.
  StartLesson(IDC_TUTOR_FIRST_LESSON);
  Press(IDC_TUTOR_PREVIOUS);
  EXPECT_TRUE(InMenu());
}

TEST_F(ReadingTutorialJourney, OpensTheGutturalsLessonFromTheMenu) {
  int gutturals = 0;
  for (int id = IDC_TUTOR_FIRST_LESSON; id <= IDC_TUTOR_LAST_LESSON; ++id)
    if (Text(id) == "Gutturals") gutturals = id;
  ASSERT_NE(0, gutturals);
  StartLesson(gutturals);
  const int lesson = gutturals - IDC_TUTOR_FIRST_LESSON + 1;
  EXPECT_EQ("Lesson " + std::to_string(lesson), Text(IDC_TUTOR_LESSON_NUMBER));
  EXPECT_FALSE(Text(IDC_TUTOR_TITLE).empty());
  SteadyPicture(m_hDialog, "reading_tutorial_gutturals");
  ASSERT_TRUE(ClickControlUntil(m_hDialog, IDC_TUTOR_LESSON_MENU, [&] { return InMenu(); }));
  EXPECT_TRUE(WaitFor([&] { return FocusOf(m_hDialog) == Item(gutturals); }));
}

TEST_F(ReadingTutorialJourney, OpensSettingsThePhonemeSetAndVoiceSettingsFromItsMenu) {
  OpenAndClosePreference('3', "Settings");
  OpenAndClosePreference('1', "Transliteration Phoneme Set");
  OpenAndClosePreference('4', "Voice Settings");
}

}  // namespace reading_tutorial_journey_test
