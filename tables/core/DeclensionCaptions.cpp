#include "tables/core/DeclensionCaptions.h"

#include "lexicon/core/GrammarData.h"

namespace {

constexpr int kNoCaptionRect = -1;

// Person tip styles: possessive pronouns, object pronouns of prepositions,
// adjective agreement.
constexpr int kPossessiveTip = 2;
constexpr int kPrepositionTip = 3;
constexpr int kAdjectiveTip = 4;

// By cell; the adjectives' cell 0 is the caption of their search edit.
// clang-format off
constexpr DeclensionCaption kNounCaptions[] = {
  {1166, "Singular"}, {1158, "Construct Singular"}, {1079, "Pausal"},
  {1485, "S1"}, {1486, "S2M"}, {1487, "S2F"}, {1488, "S3M"}, {1489, "S3F"},
  {1490, "P1"}, {1491, "P2M"}, {1492, "P2F"}, {1493, "P3M"}, {1070, "P3F"},
  {1162, "Plural"}, {1183, "Construct Plural"},
};
constexpr DeclensionCaption kPrepositionCaptions[] = {
  {1186, "Preposition"}, {1158, "Construct Sing"}, {1079, ""},
  {1485, "S1"}, {1486, "S2M"}, {1487, "S2F"}, {1488, "S3M"}, {1489, "S3F"},
  {1490, "P1"}, {1491, "P2M"}, {1492, "P2F"}, {1493, "P3M"}, {1070, "P3F"},
};
constexpr DeclensionCaption kAdjectiveCaptions[] = {
  {1238, ""}, {1224, "SM"}, {1229, "SF"}, {1232, "PM"}, {1235, "PF"},
};
constexpr DeclensionCaption kVocabularyCaptions[] = {
  {1166, "Singular"},
};
// clang-format on

template <int N>
DeclensionCaption CaptionAt(const DeclensionCaption (&captions)[N], int cell) {
  if (cell < 0 || cell >= N) return {0, ""};
  return captions[cell];
}

}  // namespace

DeclensionCaption DeclensionCellCaption(int tableType, int cell) {
  switch (tableType) {
    case TableType::Noun: return CaptionAt(kNounCaptions, cell);
    case TableType::Preposition: return CaptionAt(kPrepositionCaptions, cell);
    case TableType::Adjective: return CaptionAt(kAdjectiveCaptions, cell);
    case TableType::Vocabulary: return CaptionAt(kVocabularyCaptions, cell);
    default: return {0, ""};
  }
}

int CaptionRectIndex(int tableType, int cell) {
  if (cell <= 0 || DeclensionCellCaption(tableType, cell).controlId == 0) return kNoCaptionRect;
  return tableType == TableType::Adjective ? cell : cell - 1;
}

DeclensionTipRequest TipRequestForCaption(int tableType, int rectIndex) {
  switch (tableType) {
    case TableType::Preposition: return {rectIndex - 1, kPrepositionTip};
    case TableType::Adjective: return {rectIndex, kAdjectiveTip};
    case TableType::Noun: return {rectIndex - 1, kPossessiveTip};
    default: return {rectIndex, kPossessiveTip};
  }
}
