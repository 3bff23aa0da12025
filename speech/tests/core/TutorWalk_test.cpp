#include "speech/core/TutorWalk.h"

#include <gtest/gtest.h>

#include "hebtext/core/HebChar.h"

namespace tutor_walk_test {

using namespace HebCode;

TutorStep Step(DWORD kind, BYTE firstItem = 0) {
  TutorStep step;
  step.kind = kind;
  step.items[0] = firstItem;
  return step;
}

// Lesson 1: steps 0-2 (the meteg at 1); lesson 2: steps 3-4; lessons 3 to
// 24 are empty at the end.
TutorData SampleData() {
  TutorData data;
  data.steps = {Step(kTutorIntroduce, Bet), Step(kTutorIntroduce, Meteg), Step(kTutorEndOfLesson),
                Step(kTutorPractice), Step(kTutorEndOfLesson)};
  data.lessons[0] = 0;
  data.lessons[1] = 3;
  for (int k = 2; k <= kTutorLessonCount; ++k) data.lessons[k] = 5;
  return data;
}

struct Expected {
  WORD step;
  DWORD kind;
  bool meteg;
};

void ExpectAt(const TutorPosition& position, const Expected& expected, int line) {
  SCOPED_TRACE(line);
  EXPECT_EQ(expected.step, position.step);
  EXPECT_EQ(expected.kind, position.kind);
  EXPECT_EQ(expected.meteg, position.meteg);
}

TEST(TutorWalk, NextWalksTheLessonSettingTheMetegAndEndsInItsMenu) {
  const TutorData data = SampleData();
  TutorPosition position;
  StartTutorLesson(data, position, 1);
  const Expected walk[] = {{0, kTutorIntroduce, false},
                           {1, kTutorIntroduce, true},
                           {2, kTutorEndOfLesson, true},
                           {kNoTutorStep, kTutorLessonMenu, false}};
  ExpectAt(position, walk[0], __LINE__);
  for (size_t k = 1; k < sizeof walk / sizeof walk[0]; ++k) {
    NextTutorStep(data, position);
    ExpectAt(position, walk[k], __LINE__);
  }
  EXPECT_EQ(1, position.lesson);  // its button takes the focus
  NextTutorStep(data, position);  // the menu stays
  ExpectAt(position, walk[3], __LINE__);
}

TEST(TutorWalk, PreviousStepsBackClearingTheMetegAndLeavesBeforeTheFirstStep) {
  const TutorData data = SampleData();
  TutorPosition position;
  StartTutorLesson(data, position, 1);
  NextTutorStep(data, position);
  NextTutorStep(data, position);
  PreviousTutorStep(data, position);
  ExpectAt(position, {1, kTutorIntroduce, true}, __LINE__);
  PreviousTutorStep(data, position);  // leaving the meteg's step
  ExpectAt(position, {0, kTutorIntroduce, false}, __LINE__);
  PreviousTutorStep(data, position);  // step 0
  ExpectAt(position, {kNoTutorStep, kTutorLessonMenu, false}, __LINE__);

  StartTutorLesson(data, position, 2);
  ExpectAt(position, {3, kTutorPractice, false}, __LINE__);
  PreviousTutorStep(data, position);
  ExpectAt(position, {kNoTutorStep, kTutorLessonMenu, false}, __LINE__);
  EXPECT_EQ(2, position.lesson);
}

TEST(TutorWalk, AnEmptyLessonOrOneOutOfRangeShowsNoStep) {
  const TutorData data = SampleData();
  TutorPosition position;
  StartTutorLesson(data, position, 3);
  ExpectAt(position, {kNoTutorStep, kTutorLessonMenu, false}, __LINE__);
  for (int lesson : {0, kTutorLessonCount + 1}) {
    StartTutorLesson(data, position, lesson);
    EXPECT_EQ(3, position.lesson);
    EXPECT_TRUE(position.InMenu());
  }
}

TEST(TutorWalk, LessonMenuClearsTheMeteg) {
  const TutorData data = SampleData();
  TutorPosition position;
  StartTutorLesson(data, position, 1);
  NextTutorStep(data, position);
  ShowTutorMenu(position);
  ExpectAt(position, {kNoTutorStep, kTutorLessonMenu, false}, __LINE__);
}

}  // namespace tutor_walk_test
