#include "tables/core/DeclensionCaptions.h"

#include <gtest/gtest.h>

#include <string>

#include "lexicon/core/GrammarData.h"

namespace {

struct CaptionCase {
  int tableType;
  int cell;
  int controlId;
  const char* text;
  int rectIndex;
};

TEST(DeclensionCaptions, CaptionsAndTheirRectangles) {
  const CaptionCase cases[] = {
      {TableType::Preposition, 0, 1186, "Preposition", -1},
      {TableType::Preposition, 1, 1158, "Construct Sing", 0},
      {TableType::Preposition, 2, 1079, "", 1},
      {TableType::Preposition, 3, 1485, "S1", 2},
      {TableType::Preposition, 11, 1493, "P3M", 10},
      {TableType::Preposition, 12, 1070, "P3F", 11},
      {TableType::Preposition, 13, 0, "", -1},
      {TableType::Noun, 0, 1166, "Singular", -1},
      {TableType::Noun, 1, 1158, "Construct Singular", 0},
      {TableType::Noun, 2, 1079, "Pausal", 1},
      {TableType::Noun, 13, 1162, "Plural", 12},
      {TableType::Noun, 14, 1183, "Construct Plural", 13},
      {TableType::Noun, 15, 0, "", -1},
      {TableType::Adjective, 1, 1224, "SM", 1},
      {TableType::Adjective, 4, 1235, "PF", 4},
      {TableType::Vocabulary, 0, 1166, "Singular", -1},
      {TableType::Vocabulary, 1, 0, "", -1},
  };
  for (const CaptionCase& c : cases) {
    const DeclensionCaption caption = DeclensionCellCaption(c.tableType, c.cell);
    EXPECT_EQ(caption.controlId, c.controlId) << c.tableType << " cell " << c.cell;
    EXPECT_STREQ(caption.text, c.text) << c.tableType << " cell " << c.cell;
    EXPECT_EQ(CaptionRectIndex(c.tableType, c.cell), c.rectIndex) << c.tableType << " " << c.cell;
  }
}

TEST(DeclensionCaptions, PersonCaptionsAskForPersonTips) {
  // The preposition's "S1" to "P3F" (cells 3 to 12) give persons 1 to 10.
  for (int cell = 3; cell <= 12; ++cell) {
    const DeclensionTipRequest tip = TipRequestForCaption(
        TableType::Preposition, CaptionRectIndex(TableType::Preposition, cell));
    EXPECT_EQ(tip.person, cell - 2);
    EXPECT_EQ(tip.style, 3);
  }
  // "Construct Sing" asks for no person.
  EXPECT_LE(TipRequestForCaption(TableType::Preposition, 0).person, 0);
  const DeclensionTipRequest noun = TipRequestForCaption(TableType::Noun, 2);
  EXPECT_EQ(noun.person, 1);
  EXPECT_EQ(noun.style, 2);
  const DeclensionTipRequest adjective = TipRequestForCaption(TableType::Adjective, 3);
  EXPECT_EQ(adjective.person, 3);
  EXPECT_EQ(adjective.style, 4);
}

}  // namespace
