#include "speech/core/LessonGroups.h"

#include <iterator>

#include "speech/core/TutorFile.h"
#include "speech/generated/ReferenceTexts.h"

static_assert(std::size(reference_texts::kLessonGroups) == kTutorLessonCount,
              "data/tutorial.txt gives a caption to each lesson");

const char* const* const g_lessonGroups = reference_texts::kLessonGroups;
