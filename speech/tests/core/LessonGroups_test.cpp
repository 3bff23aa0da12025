#include "speech/core/LessonGroups.h"

#include <gtest/gtest.h>

#include <string>

#include "hebtext/core/HebChar.h"

namespace {

TEST(LessonGroups, EachLessonButtonHasItsItemsAndTheGutturalsTheirName) {
  constexpr int kGutturalsLesson = 18;
  const std::string first = g_lessonGroups[0];
  EXPECT_EQ(first, "\xA1 \xE1 \xE0 \xC8 \xC7");  // bet, vet, alef, qamats, patah
  EXPECT_STREQ(g_lessonGroups[kGutturalsLesson - 1], "Gutturals");
  for (int lesson = 1; lesson <= 24; ++lesson) {
    if (lesson == kGutturalsLesson) continue;
    const std::string caption = g_lessonGroups[lesson - 1];
    ASSERT_FALSE(caption.empty()) << lesson;
    for (size_t i = 0; i < caption.size(); ++i) {
      const int code = static_cast<unsigned char>(caption[i]);
      // Items in even places, blanks between them.
      if (i % 2) {
        EXPECT_EQ(code, ' ') << lesson;
      } else {
        EXPECT_TRUE(IsHebrewLetter(code) || IsVowelCode(code) || IsDageshOrMeteg(code)) << lesson;
      }
    }
  }
}

}  // namespace
