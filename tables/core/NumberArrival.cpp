#include "tables/core/NumberArrival.h"

#include "lexicon/core/NumberTable.h"
#include "lexicon/core/NumberWords.h"
#include "lexicon/core/PackedWordRecord.h"

namespace {

constexpr int kFollowEntrySpelling = 1;
// Room for a DWORD's digits.
constexpr int kFiguresSize = 12;

}  // namespace

NumberArrivalPlan PlanNumberArrival(DWORD fields, BYTE extra, const NumberViewSettings& view) {
  NumberArrivalPlan plan{};
  UnpackedWordRec record;
  NumberTableEntry number;
  if (DecodeWordRecord(fields, extra, &record) != kKindNumber ||
      !GetNumberTableEntry(record.entryIndex, number))
    return plan;

  plan.valid = true;
  plan.leaveSequence = view.sequence;
  plan.feminine = record.gender;
  plan.ordinal = record.ordinal;
  plan.switchGender = record.gender != view.feminine;
  plan.switchFormat = record.ordinal != view.ordinal;
  plan.toggleKtivKhaser =
      view.nikudToggle == kFollowEntrySpelling && record.plene != view.ktivKhaser;
  char figures[kFiguresSize];
  FormatNumber(figures, sizeof figures, number.value, 0);
  plan.singleText = figures;
  return plan;
}
