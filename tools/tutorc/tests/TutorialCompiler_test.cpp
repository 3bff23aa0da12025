// The tutorial compiler on small sources, with every mistake reported at its
// place, and on the lessons of data/tutorial.txt themselves.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

#include "hebtext/core/HebChar.h"
#include "tools/tutorc/tests/TempSource.h"
#include "tools/tutorc/TutorialSource.h"

namespace {

using namespace HebCode;

// 23 lessons of one end step each, to follow a lesson 1 under test.
std::string OtherLessons() {
  std::string text;
  for (int lesson = 2; lesson <= kTutorLessonCount; ++lesson) {
    text += "lesson " + std::to_string(lesson) + " \"x\"\n  end\n";
  }
  return text;
}

class TutorialCompiler : public ::testing::Test {
 protected:
  CompiledTutorial Compile(const std::string& source) {
    return CompileTutorial(m_source.Write(source), "data/tutorial.txt");
  }
  std::string ErrorOf(const std::string& source) {
    return TempSource::ErrorOf([&] { Compile(source); });
  }

  TempSource m_source;
};

TEST_F(TutorialCompiler, MakesTheStepsTextsAndCaptionsOfItsSource) {
  const CompiledTutorial tutorial = Compile(
      "lesson 1 בּ ב KAM\n"
      "  introduce בּ ב\n"
      "  reintroduce KAM_K\n"
      "  explain SHV \"Said $בְּ$ 'e'.\\n\"\n"
      "  contrast ג' DAG \"x\"\n"
      "  note ץ' \"x\"\n"
      "  compare K_PAT \"x\"\n"
      "  practice בָּא אַבָּא בָּא\n"
      "  end\n" +
      OtherLessons());
  const TutorData& data = tutorial.data;
  ASSERT_EQ(data.steps.size(), 8u + 23u);
  EXPECT_EQ(data.LessonFirstStep(1), 0);
  EXPECT_EQ(data.LessonEndStep(1), 8);
  EXPECT_EQ(data.LessonEndStep(kTutorLessonCount), 31);
  EXPECT_EQ(tutorial.captions[0], "\xA1 \xE1 \xC8");
  EXPECT_EQ(tutorial.captions[1], "x");

  struct Expected {
    DWORD kind;
    BYTE flag;
    BYTE items[3];
  };
  const Expected expected[] = {
      {kTutorIntroduce, 0, {BetDagesh, Bet, 0}},
      {kTutorIntroduce, kTutorReintroducing, {QamatsQatan, 0, 0}},
      {kTutorIntroduce, kTutorExplanationFromText, {Shva, 0, 0}},
      {kTutorCompare, kTutorComparisonTitle, {GimelGeresh, Dagesh, 0}},
      {kTutorCompare, kTutorNoTitle, {FinalTsadiGeresh, 0, 0}},
      {kTutorCompare, 0, {HatafPatah, 0, 0}},
  };
  for (size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(data.steps[i].kind, expected[i].kind) << i;
    EXPECT_EQ(data.steps[i].flag, expected[i].flag) << i;
    for (int k = 0; k < 3; ++k) EXPECT_EQ(data.steps[i].items[k], expected[i].items[k]) << i;
  }
  EXPECT_EQ(data.steps[0].text, kNoTutorText);
  EXPECT_EQ(data.GetTutorText(data.steps[2].text), "Said $\xA1\xC0$ 'e'.\n");
  const TutorStep& practice = data.steps[6];
  EXPECT_EQ(practice.kind, kTutorPractice);
  EXPECT_EQ(data.GetTutorText(practice.words[0]), "\xA1\xC8\xE0");
  EXPECT_EQ(data.GetTutorText(practice.words[1]), "\xE0\xC7\xA1\xC8\xE0");
  EXPECT_EQ(practice.words[2], practice.words[0]);  // stored once
  EXPECT_EQ(practice.words[3], kNoTutorText);
  EXPECT_EQ(data.steps[7].kind, kTutorEndOfLesson);

  TutorData reread;
  const std::vector<BYTE> bytes = WriteTutorData(data);
  EXPECT_TRUE(ReadTutorData(bytes.data(), bytes.size(), reread).loaded());
}

TEST_F(TutorialCompiler, ReadsQamatsQatanAndLettersWithATick) {
  const CompiledTutorial tutorial =
      Compile("lesson 1 \"x\"\n  practice חׇכְמָה ג'ִירָפָה סֶנְדְוִיץ'\n  end\n" + OtherLessons());
  const TutorData& data = tutorial.data;
  EXPECT_EQ(data.GetTutorText(data.steps[0].words[0]), "\xE7\x80\xEB\xC0\xEE\xC8\xE4");
  EXPECT_EQ(data.GetTutorText(data.steps[0].words[1]), "\xDC\xC4\xE9\xF8\xC8\xF4\xC8\xE4");
  EXPECT_EQ(data.GetTutorText(data.steps[0].words[2]), "\xF1\xC6\xF0\xC0\xE3\xC0\xE5\xC4\xE9\xDE");
}

TEST_F(TutorialCompiler, ReportsEachMistakeAtItsLine) {
  struct Case {
    std::string source;
    std::string error;
  };
  const std::string end = "  end\n" + OtherLessons();
  const Case cases[] = {
      {"lesson 2 \"x\"\n  end\n", "data/tutorial.txt:1: expected lesson 1"},
      {"lesson 1\n  end\n", "data/tutorial.txt:1: a lesson needs its caption"},
      {"lesson 1 \"x\"\n  introduce ב\n",
       "data/tutorial.txt:1: the lesson does not end with an end step"},
      {"lesson 1 \"x\"\n  end\n  end\n", "data/tutorial.txt:2: an end step ends its lesson"},
      {"lesson 1 \"x\"\n  introduce\n" + end,
       "data/tutorial.txt:2: introduce takes one to three items"},
      {"lesson 1 \"x\"\n  introduce א ב ג ד\n" + end,
       "data/tutorial.txt:2: introduce takes one to three items"},
      {"lesson 1 \"x\"\n  explain ב\n" + end,
       "data/tutorial.txt:2: explain takes one to three items and a quoted text"},
      {"lesson 1 \"x\"\n  introduce KAMATS\n" + end,
       "data/tutorial.txt:2: \"KAMATS\" is not a letter, vowel or mark"},
      {"lesson 1 \"x\"\n  introduce NV\n" + end,
       "data/tutorial.txt:2: \"NV\" is not a letter, vowel or mark"},
      {"lesson 1 \"x\"\n  introduce בָּ\n" + end,
       "data/tutorial.txt:2: \"בָּ\" is not a letter, vowel or mark"},
      {"lesson 1 \"x\"\n  note ב \"a $בּ\"\n" + end,
       "data/tutorial.txt:2: a Hebrew run has no closing $"},
      {"lesson 1 \"x\"\n  note ב \"a בּ\"\n" + end,
       "data/tutorial.txt:2: Hebrew stands between $ marks only"},
      {"lesson 1 \"x\"\n  note ב \"a \\r\"\n" + end,
       "data/tutorial.txt:2: a backslash stands for \\n or \\t only"},
      {"lesson 1 \"x\"\n  practice\n" + end,
       "data/tutorial.txt:2: expected: practice <one to four words>"},
      {"lesson 1 \"x\"\n  practice א א א א א\n" + end,
       "data/tutorial.txt:2: expected: practice <one to four words>"},
      {"lesson 1 \"x\"\n  practice abc\n" + end,
       "data/tutorial.txt:2: \"abc\" holds a character outside Hebrew"},
      {"lesson 1 \"x\"\n  show ב\n" + end, "data/tutorial.txt:2: \"show\" is not a step"},
      {"lesson 1 \"x\"\n  end\n", "data/tutorial.txt: has 1 lessons, not 24"},
      {"lesson 1 \"x\"\n" + end + "lesson 25 \"x\"\n  end\n",
       "data/tutorial.txt:49: 25 is outside 1-24"},
  };
  for (const Case& c : cases) EXPECT_EQ(ErrorOf(c.source), c.error) << c.source;
}

// The lessons themselves: they compile into a file the program loads, the
// gutturals lesson is the one its button shows by name, and every practice
// word uses only letters and vowels taught by then.
TEST(TutorialLessons, TeachEveryPracticeWordsLettersAndVowelsFirst) {
  const char* source = std::getenv("ZULTA_SOURCE_DIR");
  ASSERT_NE(source, nullptr);
  const CompiledTutorial tutorial =
      CompileTutorial(std::string(source) + "/data/tutorial.txt", "data/tutorial.txt");
  const TutorData& data = tutorial.data;
  const std::vector<BYTE> bytes = WriteTutorData(data);
  TutorData loaded;
  ASSERT_TRUE(ReadTutorData(bytes.data(), bytes.size(), loaded).loaded());
  constexpr int kGutturalsLesson = 18;
  ASSERT_EQ(tutorial.captions.size(), 24u);
  EXPECT_EQ(tutorial.captions[kGutturalsLesson - 1], "Gutturals");

  std::set<int> taught;
  const auto teach = [&taught](int code) { taught.insert(RemoveStressMark(RemoveDagesh(code))); };
  for (int lesson = 1; lesson <= kTutorLessonCount; ++lesson) {
    for (char c : tutorial.captions[lesson - 1]) teach(static_cast<BYTE>(c));
    int practised = 0;
    for (WORD i = data.LessonFirstStep(lesson); i < data.LessonEndStep(lesson); ++i) {
      const TutorStep& step = data.steps[i];
      for (BYTE item : step.items) teach(item);
      if (step.kind != kTutorPractice) continue;
      for (DWORD offset : step.words) {
        const std::string word = data.GetTutorText(offset);
        practised += !word.empty();
        for (char c : word) {
          const int code = RemoveStressMark(RemoveDagesh(static_cast<BYTE>(c)));
          EXPECT_TRUE(taught.count(code)) << "lesson " << lesson << " code " << code;
        }
      }
    }
    EXPECT_GE(practised, 3) << "lesson " << lesson;
  }
}

}  // namespace
