// The hover tips of the verb table's slots.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "hebtext/core/HebChar.h"
#include "lexicon/core/FormSlots.h"
#include "tables/core/VerbTipText.h"

namespace {

std::string Codes(std::initializer_list<int> codes) {
  std::string text;
  for (int code : codes) text += static_cast<char>(code);
  return text;
}

TEST(VerbTipText, PastSecondFeminineSingular) {
  using namespace HebCode;
  EXPECT_EQ(BuildVerbTipText(FormSlot::Past2fs),
            "{B255,255,255}{T255,0,0}{C}{F2}{FS130}Feminine Singular\n{C}Second Person\n"
            "{T0,0,128}{C}{F2}{FS120}You = {F6}{FS150}" +
                Codes({Alef, Patah, TavDagesh, Shva}) + "{/F}{/T}{/B}");
}

TEST(VerbTipText, FirstPersonHasNoGender) {
  std::string tip = BuildVerbTipText(FormSlot::Future1s);
  EXPECT_NE(tip.find("{FS130} Singular\n{C}First Person"), std::string::npos) << tip;
  EXPECT_EQ(tip, BuildVerbTipText(FormSlot::Past1s));
}

TEST(VerbTipText, ColumnsNameThreePersons) {
  using namespace HebCode;
  std::string tip = BuildVerbTipText(FormSlot::ParticipleFp);
  EXPECT_EQ(tip, BuildVerbTipText(FormSlot::PresentFp));
  EXPECT_EQ(tip.find("{F2}{FS130}Feminine Plural\n{T0,0,128}{1R}{F2}{FS120}We"), 27u) << tip;
  for (const std::string& row :
       {"We{2C}={3L}{F6}{FS150}" + Codes({Alef, HatafPatah, Nun, Patah, Het, Shva, Nun, Shuruk}),
        "You{2C}={3L}{F6}{FS150}" + Codes({Alef, Patah, TavDagesh, Segol, FinalNun}),
        "They{2C}={3L}{F6}{FS150}" + Codes({He, Tsere, FinalNun})})
    EXPECT_NE(tip.find(row), std::string::npos) << row;
}

TEST(VerbTipText, BothGendersOfThePlural) {
  std::string third = BuildVerbTipText(FormSlot::Future3mp);
  EXPECT_NE(third.find("Masculine Plural\nFeminine Plural\n{C}Third Person"), std::string::npos);
  EXPECT_NE(third.find("They (Masculine) = "), std::string::npos);
  EXPECT_NE(third.find("They (Feminine) = "), std::string::npos);
  EXPECT_EQ(BuildVerbTipText(FormSlot::ImperativeMp), BuildVerbTipText(FormSlot::Future2mp));
  std::string past = BuildVerbTipText(FormSlot::Past3p);
  EXPECT_NE(past.find("{FS130}Plural\n{C}Third Person"), std::string::npos) << past;
}

TEST(VerbTipText, BiblicalFormsCarryTheirNote) {
  std::string future = BuildVerbTipText(FormSlot::Future2fp3fp);
  EXPECT_NE(future.find("Second Person"), std::string::npos);
  EXPECT_NE(future.find("{FS130}Third Person"), std::string::npos);
  const std::string note =
      "{T128,0,255}{C}{F2}{FS130}(Archaic / Biblical Usage.\nUse Plural "
      "Masculine";
  EXPECT_NE(future.find(note + "\n2nd and 3rd Person\nforms for Modern Hebrew.)"),
            std::string::npos);
  std::string imperative = BuildVerbTipText(FormSlot::ImperativeFp);
  EXPECT_NE(imperative.find(note + "\nform for Modern Hebrew.)"), std::string::npos);
}

TEST(VerbTipText, SizesAndSlotsWithoutATip) {
  VerbTipSizes sizes{90, 80, 100};
  std::string tip = BuildVerbTipText(FormSlot::Future3fs, sizes);
  EXPECT_NE(tip.find("{FS90}Feminine Singular\n{C}Third Person"), std::string::npos) << tip;
  EXPECT_NE(tip.find("{FS80}She = {F6}{FS100}"), std::string::npos) << tip;
  for (int slot : {int{FormSlot::Infinitive}, -1, int{FormSlot::Count}, 1000})
    EXPECT_EQ(BuildVerbTipText(slot), "") << slot;
  for (int slot = 1; slot < FormSlot::Count; ++slot)
    EXPECT_LT(BuildVerbTipText(slot).size(), static_cast<size_t>(kMaxVerbTipText)) << slot;
}

}  // namespace
