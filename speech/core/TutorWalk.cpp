#include "speech/core/TutorWalk.h"

#include "hebtext/core/HebChar.h"

namespace {

// The step's record, or null for an index past the records.
const TutorStep* StepAt(const TutorData& data, WORD step) {
  return step < data.steps.size() ? &data.steps[step] : nullptr;
}

bool IntroducesMeteg(const TutorData& data, WORD step) {
  const TutorStep* record = StepAt(data, step);
  return record != nullptr && record->items[0] == HebCode::Meteg;
}

void SetStep(const TutorData& data, TutorPosition& position, WORD step) {
  const TutorStep* record = StepAt(data, step);
  if (record == nullptr) return ShowTutorMenu(position);
  position.step = step;
  position.kind = record->kind;
}

}  // namespace

void StartTutorLesson(const TutorData& data, TutorPosition& position, int lesson) {
  if (lesson < 1 || lesson > kTutorLessonCount) return;
  position.lesson = lesson;
  // An empty lesson has nothing to show.
  if (data.LessonFirstStep(lesson) >= data.LessonEndStep(lesson)) return ShowTutorMenu(position);
  SetStep(data, position, data.LessonFirstStep(lesson));
}

void ShowTutorMenu(TutorPosition& position) {
  position.step = kNoTutorStep;
  position.kind = kTutorLessonMenu;
  position.meteg = false;
}

void NextTutorStep(const TutorData& data, TutorPosition& position) {
  if (position.InMenu()) return;
  const WORD step = static_cast<WORD>(position.step + 1);
  if (step >= data.LessonEndStep(position.lesson)) return ShowTutorMenu(position);
  if (IntroducesMeteg(data, step)) position.meteg = true;
  SetStep(data, position, step);
}

void PreviousTutorStep(const TutorData& data, TutorPosition& position) {
  if (position.InMenu()) return;
  if (position.step == 0 || position.step <= data.LessonFirstStep(position.lesson))
    return ShowTutorMenu(position);
  if (IntroducesMeteg(data, position.step)) position.meteg = false;
  SetStep(data, position, static_cast<WORD>(position.step - 1));
}
