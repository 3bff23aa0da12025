// The number view's modes: each keeps its own text and limit, and the
// answers to the frame's questions.
#include "tables/core/NumberModes.h"

#include <gtest/gtest.h>

#include "tables/core/NumberInput.h"

namespace {

TEST(NumberModes, EachModeKeepsItsOwnText) {
  NumberModeTexts texts;
  EXPECT_EQ("1", texts.single);
  EXPECT_EQ("1", texts.sequence);

  NumberModeSwitch to = SwitchNumberMode(texts, false, true, "123456789012");
  EXPECT_TRUE(to.changed);
  EXPECT_EQ("1", to.shown);
  EXPECT_EQ(kSequenceInputLimit, to.limit);

  NumberModeSwitch back = SwitchNumberMode(texts, true, false, "9999");
  EXPECT_TRUE(back.changed);
  EXPECT_EQ("123456789012", back.shown);
  EXPECT_EQ(kSingleInputLimit, back.limit);

  to = SwitchNumberMode(texts, false, true, "5");
  EXPECT_EQ("9999", to.shown);
}

TEST(NumberModes, StayingInAModeChangesNothing) {
  NumberModeTexts texts;
  for (bool sequence : {false, true}) {
    const NumberModeSwitch same = SwitchNumberMode(texts, sequence, sequence, "42");
    EXPECT_FALSE(same.changed);
    EXPECT_EQ("1", texts.single);
    EXPECT_EQ("1", texts.sequence);
  }
}

TEST(NumberModes, TheFramesQuestions) {
  NumberModeTexts texts;
  texts.single = "";
  EXPECT_FALSE(NumberTableShown(texts, false));
  EXPECT_TRUE(NumberTableShown(texts, true));

  struct Case {
    int selected;
    const char* copyText;
    int answer;
  } const cases[] = {{-1, "", -1}, {-1, "x", -1}, {7, "", -1}, {7, "x", 0}, {10, "x", 0}};
  for (const auto& c : cases)
    EXPECT_EQ(c.answer, NumberSelectionAnswer(c.selected, c.copyText)) << c.selected;
}

}  // namespace
