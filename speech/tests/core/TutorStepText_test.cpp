#include "speech/core/TutorStepText.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "hebtext/core/HebChar.h"

namespace {

using namespace HebCode;

TutorStep Items(DWORD kind, BYTE flag, std::initializer_list<int> items,
                DWORD text = kNoTutorText) {
  TutorStep step;
  step.kind = kind;
  step.flag = flag;
  int i = 0;
  for (int item : items) step.items[i++] = static_cast<BYTE>(item);
  step.text = text;
  return step;
}

struct StepCase {
  TutorStep step;
  const char* title;
  const char* explanation;  // nullptr: the title again
};

TEST(TutorStepText, TitlesAndExplanationsFollowTheStepsItems) {
  TutorData data;
  const std::string text = "Said 'e'.";
  data.text.assign(text.begin(), text.end());
  data.text.push_back(0);
  const StepCase cases[] = {
      {Items(kTutorIntroduce, 0, {BetDagesh, Bet}),
       "Introducing the Letters: ", "They are pronounced like the #D20000 'B' in #D20000 Boy. "},
      {Items(kTutorIntroduce, 0, {Bet}),
       "Introducing the Letter: ", "It is pronounced like the #D20000 'V' in #D20000 Very. "},
      {Items(kTutorIntroduce, kTutorReintroducing, {FinalKaf}),
       "Re-introducing the Letter: ", "It is pronounced like the #D20000 'KH' in #D20000 Bach. "},
      {Items(kTutorIntroduce, 0, {TavDagesh, Tav}),
       "Introducing the Letter: ", "It is pronounced like the #D20000 'T' in #D20000 Tall. "},
      {Items(kTutorIntroduce, 0, {Alef}), "Introducing the Letter: ",
       "It is #D20000 silent and assumes the sound of any vowel associated with it. "},
      {Items(kTutorIntroduce, 0, {Ayin, Het}), "Introducing the Letters: ",
       "They are #D20000 silent and assume the sound of any vowel associated with them. "},
      {Items(kTutorIntroduce, 0, {Segol, Tsere}), "Introducing the Vowels: ",
       "They are pronounced like the #D20000 'E' in #D20000 Bed. \n"
       "It is placed BELOW a consonant. "},
      {Items(kTutorIntroduce, 0, {HolamMale}), "Introducing the Vowel: ",
       "It is pronounced like the #D20000 'O' in #D20000 Note. \n"
       "The single dot Kholam is placed ABOVE a consonant to its left.\n"
       "The Kholam in combination with a VAV (Lesson 21) is placed\nto the LEFT of a consonant. "},
      {Items(kTutorIntroduce, 0, {Shva}), "Introducing the Vowel: ", nullptr},
      {Items(kTutorIntroduce, 0, {Meteg}), "Introducing the Diacritical Mark: ", nullptr},
      {Items(kTutorIntroduce, kTutorExplanationFromText, {Shva}, 0),
       "Introducing the Vowel: ", "Said 'e'. "},
      {Items(kTutorCompare, 0, {Samekh, ShinSinDot}, 0), "Notice the Letters: ", "Said 'e'. "},
      {Items(kTutorCompare, kTutorComparisonTitle, {Qamats, QamatsQatan}, 0),
       "Notice the difference between the Vowels: ", "Said 'e'. "},
      {Items(kTutorCompare, 0, {Yod, Hiriq}, 0), "Notice the Letter and Vowel: ", "Said 'e'. "},
      {Items(kTutorCompare, 0, {Bet, Kaf, Dagesh}, 0),
       "Notice the Letters and Vowel: ", "Said 'e'. "},
      {Items(kTutorCompare, kTutorNoTitle, {Bet}, 0), "", "Said 'e'. "},
  };
  for (const StepCase& c : cases) {
    data.steps = {c.step};
    const TutorStepTexts texts = ComposeTutorStep(data, 0, 3);
    EXPECT_EQ(texts.title, c.title) << int(c.step.items[0]);
    EXPECT_EQ(texts.explanation, c.explanation ? c.explanation : c.title) << int(c.step.items[0]);
  }
  TutorStep practice;
  practice.kind = kTutorPractice;
  data.steps = {practice, TutorStep()};
  EXPECT_EQ(ComposeTutorStep(data, 0, 3).title,
            "Click on the Hebrew Words to see and hear how they sound.");
  EXPECT_EQ(ComposeTutorStep(data, 1, 7).title, "End of Lesson 7 ");
  EXPECT_EQ(ComposeTutorStep(data, kNoTutorStep, 7).title, "");
  EXPECT_EQ(ComposeTutorStep(data, 2, 7).title, "");
}

TEST(TutorStepText, ItemsAreNamedByTheirForm) {
  struct Case {
    int code;
    const char* name;
  };
  const Case cases[] = {
      {BetDagesh, "Bet"},
      {Bet, "Vet"},
      {PeDagesh, "Pey"},
      {Pe, "Fey"},
      {Tav, "Tav"},
      {TavDagesh, "Tav"},
      {ShinShinDot, "Shin"},
      {ShinSinDot, "Sin"},
      {Shin, "Shin"},
      {ShinSinDotDagesh, "Sin"},
      {FinalKaf, "Final Khaf"},
      {FinalKafDagesh, "Final Kaf"},
      {FinalMem, "Final Mem"},
      {FinalTsadiGeresh, "Final Tsadi-CH"},
      {GimelGeresh, "Gimel-J"},
      {GimelGereshDagesh, "Gimel-J"},
      {ZayinGeresh, "Zayin-ZH"},
      {TsadiGeresh, "Tsadi-CH"},
      {HatafSegol, "Khataf Segol"},
      {HatafQamats, "Khataf Kamats"},
      {Qamats, "Kamats"},
      {QamatsQatan, "Kamats Katan"},
      {Dagesh, "Dagesh"},
      {Alef, "Aleph"},
      {'a', ""},
  };
  for (const Case& c : cases) EXPECT_EQ(TutorItemName(c.code), c.name) << c.code;
}

}  // namespace

namespace {

// The lessons as built: every step has its texts, and the items a step
// introduces together share the sound its explanation gives.
TEST(TutorStepText, TheLessonsIntroduceItemsThatShareTheirSound) {
  const char* build = std::getenv("ZULTA_BINARY_DIR");
  ASSERT_NE(build, nullptr);
  // Read as bytes: the build folder is a path of the build machine.
  std::ifstream in(std::string(build) + "/Zulta/bin/Tutor.bin", std::ios::binary);
  const std::vector<BYTE> bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
  TutorData data;
  ASSERT_TRUE(ReadTutorData(bytes.data(), bytes.size(), data).loaded());
  for (int lesson = 1; lesson <= kTutorLessonCount; ++lesson) {
    for (WORD i = data.LessonFirstStep(lesson); i < data.LessonEndStep(lesson); ++i) {
      const TutorStep& step = data.steps[i];
      const TutorStepTexts texts = ComposeTutorStep(data, i, lesson);
      EXPECT_TRUE(!texts.title.empty() || step.flag == kTutorNoTitle) << lesson << "." << i;
      if (step.kind != kTutorIntroduce || step.flag == kTutorExplanationFromText) continue;
      std::set<std::string> sounds;
      for (BYTE item : step.items) {
        if (item == 0) break;
        TutorData one = data;
        one.steps = {Items(kTutorIntroduce, 0, {item})};
        const std::string explanation = ComposeTutorStep(one, 0, lesson).explanation;
        if (explanation.find("pronounced") != std::string::npos) {
          sounds.insert(explanation.substr(0, explanation.find('\n')));
        }
      }
      EXPECT_LE(sounds.size(), 1u) << "lesson " << lesson << " step " << i;
    }
  }
}

}  // namespace
