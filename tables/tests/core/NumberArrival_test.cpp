// A number entry arriving at the number view: the switches it needs and
// the figures it types; records that name no number change nothing.
#include "tables/core/NumberArrival.h"

#include <gtest/gtest.h>

#include <string>

#include "lexicon/core/NumberTable.h"
#include "lexicon/core/PackedWordRecord.h"

namespace {

PackedWordRec NumberRecord(int index, int ordinal, int feminine, int plene) {
  UnpackedWordRec fields;
  fields.entryIndex = static_cast<WORD>(index);
  fields.ordinal = ordinal;
  fields.gender = feminine;
  fields.plene = plene;
  return PackWordRecord(kKindNumber, fields);
}

TEST(NumberArrival, SwitchesOnlyWhatDiffers) {
  struct Case {
    const char* name;
    NumberViewSettings view;
    int ordinal, feminine, plene;
    bool leaveSequence, switchGender, switchFormat, toggleKtivKhaser;
  } const cases[] = {
      {"as shown", {false, 0, 0, 0, 1}, 0, 0, 0, false, false, false, false},
      {"from sequence mode", {true, 0, 0, 0, 1}, 0, 0, 0, true, false, false, false},
      {"feminine ordinal", {false, 0, 0, 0, 1}, 1, 1, 0, false, true, true, false},
      {"back to masculine", {false, 1, 1, 0, 1}, 1, 0, 0, false, true, false, false},
      {"plene, following the entry", {false, 0, 0, 0, 1}, 0, 0, 1, false, false, false, true},
      {"pointed, following the entry", {false, 0, 0, 1, 1}, 0, 0, 0, false, false, false, true},
      {"plene, not following", {false, 0, 0, 0, 0}, 0, 0, 1, false, false, false, false},
  };
  for (const auto& c : cases) {
    const PackedWordRec record = NumberRecord(3, c.ordinal, c.feminine, c.plene);
    const NumberArrivalPlan plan = PlanNumberArrival(record.fields, record.extra, c.view);
    EXPECT_TRUE(plan.valid) << c.name;
    EXPECT_EQ(c.leaveSequence, plan.leaveSequence) << c.name;
    EXPECT_EQ(c.switchGender, plan.switchGender) << c.name;
    EXPECT_EQ(c.switchFormat, plan.switchFormat) << c.name;
    EXPECT_EQ(c.toggleKtivKhaser, plan.toggleKtivKhaser) << c.name;
    EXPECT_EQ(c.feminine, plan.feminine) << c.name;
    EXPECT_EQ(c.ordinal, plan.ordinal) << c.name;
    EXPECT_EQ("3", plan.singleText) << c.name;
  }
}

TEST(NumberArrival, TypesTheTableValueInFigures) {
  const NumberViewSettings view{false, 0, 0, 0, 1};
  for (int index : {0, kNumberTableCount / 2, kNumberTableCount - 1}) {
    const PackedWordRec record = NumberRecord(index, 0, 0, 0);
    EXPECT_EQ(std::to_string(kNumberTable[index].value),
              PlanNumberArrival(record.fields, record.extra, view).singleText);
  }
}

TEST(NumberArrival, ARecordNamingNoNumberChangesNothing) {
  const NumberViewSettings view{true, 0, 0, 0, 1};
  UnpackedWordRec noun;
  const PackedWordRec records[] = {
      NumberRecord(kNumberTableCount, 1, 1, 1), {0, 0}, PackWordRecord(kKindNoun, noun)};
  for (const auto& record : records) {
    const NumberArrivalPlan plan = PlanNumberArrival(record.fields, record.extra, view);
    EXPECT_FALSE(plan.valid);
    EXPECT_FALSE(plan.leaveSequence || plan.switchGender || plan.switchFormat ||
                 plan.toggleKtivKhaser);
    EXPECT_EQ("", plan.singleText);
  }
}

}  // namespace
