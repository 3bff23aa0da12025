// The suffix table's labels: the person beside each cell and the header
// for every form slot, on the screen and printed.
#include "tables/core/KinuiLabels.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(KinuiLabels, EachCellHasItsPersonLabel) {
  const char* const expected[] = {"",    "S1",  "S2M", "S2F", "S3M",     "S3F", "P1",
                                  "P2M", "P2F", "P3M", "P3F", "Shoresh", ""};
  for (int cell = 0; cell <= kKinuiRootCell + 1; ++cell)
    EXPECT_STREQ(expected[cell], KinuiCellLabel(cell)) << cell;
  EXPECT_STREQ("", KinuiCellLabel(-1));
}

const std::string kOpen = "{B|}{T255,0,0}{C}{F2}{FS100}Binyan: Piel\n{T0,0,128}{C}";
const std::string kClose = "{/F}{/T}{/B}";

TEST(KinuiLabels, TheHeaderNamesTheBinyanAndTheSlot) {
  struct Case {
    int slot;
    KinuiMode mode;
    const char* formLine;  // nullptr: no header at all
  } const cases[] = {
      {0, kKinuiSuffixForms, "Infinitive"},
      {0, kKinuiInfinitiveNoun, "Infinitive Noun"},
      {1, kKinuiSuffixForms, "Present\n{T0,0,128}{C}Masculine Singular"},
      {4, kKinuiSuffixForms, "Present\n{T0,0,128}{C}Feminine Plural"},
      {22, kKinuiSuffixForms, "Imperative\n{T0,0,128}{C}Masculine Singular"},
      {24, kKinuiSuffixForms, "Imperative\n{T0,0,128}{C}Masculine Plural"},
      {5, kKinuiSuffixForms, "Past Singular\n{T0,0,128}{C}First Person"},
      {10, kKinuiSuffixForms, "Past Plural\n{T0,0,128}{C}First Person"},
      {13, kKinuiSuffixForms, "Past Plural\n{T0,0,128}{C}Third Person"},
      {6, kKinuiSuffixForms, "Past Singular Masculine\n{T0,0,128}{C}Second Person"},
      {9, kKinuiSuffixForms, "Past Singular Feminine\n{T0,0,128}{C}Third Person"},
      {12, kKinuiSuffixForms, "Past Plural Feminine\n{T0,0,128}{C}Second Person"},
      {14, kKinuiSuffixForms, "Future Singular\n{T0,0,128}{C}First Person"},
      {18, kKinuiSuffixForms, "Future Plural\n{T0,0,128}{C}First Person"},
      {16, kKinuiSuffixForms, "Future Singular Feminine\n{T0,0,128}{C}Second Person"},
      {21, kKinuiSuffixForms, "Future Plural Masculine\n{T0,0,128}{C}Third Person"},
      {30, kKinuiSuffixForms, "Future Singular Feminine\n{T0,0,128}{C}Third Person"},
      {20, kKinuiSuffixForms, "Future Plural Feminine\n{T0,0,128}{C}Second and Third Persons"},
      {26, kKinuiSuffixForms, nullptr},
      {29, kKinuiSuffixForms, nullptr},
      {31, kKinuiSuffixForms, nullptr},
      {-1, kKinuiSuffixForms, nullptr},
  };
  for (const auto& c : cases) {
    const std::string expected = c.formLine ? kOpen + c.formLine + kClose : "";
    EXPECT_EQ(expected, KinuiHeaderText(c.slot, c.mode, "Piel")) << c.slot;
  }
}

TEST(KinuiLabels, PrintingAddsTheTitleAtScaledSizes) {
  // 107 x 8 / 10 rounds to 86, 100 to 80; then times the scale, truncated.
  EXPECT_EQ(
      "{B|}{T255,0,0}{C}{F2}{FS215}Pronominal Suffix Forms\n"
      "{B|}{T255,0,0}{C}{F2}{FS200}Binyan: Piel\n{T0,0,128}{C}Infinitive" +
          kClose,
      KinuiHeaderText(0, kKinuiSuffixForms, "Piel", true, 2.5));
  EXPECT_EQ("{B|}{T255,0,0}{C}{F2}{FS86}Infinitive Noun Forms\n",
            KinuiHeaderText(27, kKinuiInfinitiveNoun, "Piel", true, 1.0));
}

TEST(KinuiLabels, HeaderCentredAndLabelsOnTheFormsLine) {
  struct Case {
    RECT placeholder;
    SIZE table;
    POINT origin;
  } const cases[] = {
      {{100, 10, 300, 50}, {100, 20}, {150, 20}},
      {{100, 10, 300, 50}, {300, 40}, {50, 10}},  // wider: half the excess each side
      {{20, 4, 120, 24}, {300, 60}, {0, 0}},      // never off the view
  };
  for (const auto& c : cases) {
    const POINT origin = KinuiHeaderOrigin(c.placeholder, c.table);
    EXPECT_EQ(c.origin.x, origin.x);
    EXPECT_EQ(c.origin.y, origin.y);
  }
  const POINT label = KinuiLabelOrigin(RECT{200, 60, 260, 80}, 24, 14);
  EXPECT_EQ(205, label.x);
  EXPECT_EQ(65, label.y);
}

}  // namespace
