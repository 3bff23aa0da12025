// The texts the reading tutorial shows for a step: its title line, its
// explanation (with the colour mark-up), and the name under each item.
#pragma once

#include <string>

#include "classlib/core/WinTypes.h"
#include "speech/core/TutorFile.h"

struct TutorStepTexts {
  std::string title;
  std::string explanation;
};

// The texts of the step at index of the lesson (1 to 24); the lesson menu
// (kNoTutorStep) and an index past the steps have none.
TutorStepTexts ComposeTutorStep(const TutorData& data, WORD index, int lesson);

// The name shown under an item: its English name from its description (a
// letter with dagesh by its plain letter's first name, a plain letter by the
// second), with "Final", "Khataf" or the foreign sound of a letter with a
// tick; "" for a code without a description.
std::string TutorItemName(int code);
