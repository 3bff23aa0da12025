// libFuzzer target over the lesson file reader: whatever the bytes, it either
// rejects them with one message or loads data whose every step, lesson and
// text offset can be used without further checks.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "speech/core/TutorFile.h"

namespace {

[[noreturn]] void Broken(const char* what) {
  fprintf(stderr, "invariant broken: %s\n", what);
  __builtin_trap();
}

void CheckLoaded(const TutorData& data) {
  for (int lesson = 1; lesson <= kTutorLessonCount; ++lesson) {
    if (data.LessonFirstStep(lesson) >= data.LessonEndStep(lesson)) Broken("empty lesson");
  }
  if (data.LessonEndStep(kTutorLessonCount) > data.steps.size()) Broken("lesson past the steps");
  for (const TutorStep& step : data.steps) {
    data.GetTutorText(step.text);
    for (DWORD word : step.words) data.GetTutorText(word);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  TutorData data;
  const TutorLoadResult result = ReadTutorData(bytes, size, data);
  if (result.loaded()) {
    if (!result.messages.empty()) Broken("loaded with a message");
    CheckLoaded(data);
    if (WriteTutorData(data).size() != size) Broken("loaded data does not write back whole");
  } else if (result.messages.size() != 1 || !data.steps.empty()) {
    Broken("a rejected file left data or gave no message");
  }
  return 0;
}
