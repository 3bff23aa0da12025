// Where the reading tutorial stands: the lesson menu or a step of a lesson,
// and the moves of its Next, Previous and Lesson Menu buttons.
#pragma once

#include "classlib/core/WinTypes.h"
#include "speech/core/TutorFile.h"

struct TutorPosition {
  DWORD kind = kTutorLessonMenu;  // the shown step's kind; 0 in the menu
  WORD step = kNoTutorStep;
  int lesson = 1;  // 1 to 24; kept in the menu so its button takes the focus
  // Set once a step introducing the meteg has been passed with Next; until
  // then the practice words are shown without their stress marks.
  bool meteg = false;

  bool InMenu() const { return step == kNoTutorStep; }
};

// The first step of the lesson (1 to 24).
void StartTutorLesson(const TutorData& data, TutorPosition& position, int lesson);
void ShowTutorMenu(TutorPosition& position);
// Past the lesson's last step, and before its first, lies the menu. In the
// menu both leave the position as it is.
void NextTutorStep(const TutorData& data, TutorPosition& position);
void PreviousTutorStep(const TutorData& data, TutorPosition& position);
