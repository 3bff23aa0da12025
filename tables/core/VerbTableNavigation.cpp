#include "tables/core/VerbTableNavigation.h"

#include <algorithm>

#include "lexicon/core/FormSlots.h"
#include "tables/core/VerbTableContent.h"

namespace {

// The slots in the order the walk visits them: future third feminine
// singular stands after the second feminine singular.
const int kWalkOrder[kVerbTableSlots] = {
    FormSlot::Infinitive,   FormSlot::PresentMs,    FormSlot::PresentFs,    FormSlot::PresentMp,
    FormSlot::PresentFp,    FormSlot::Past1s,       FormSlot::Past2ms,      FormSlot::Past2fs,
    FormSlot::Past3ms,      FormSlot::Past3fs,      FormSlot::Past1p,       FormSlot::Past2mp,
    FormSlot::Past2fp,      FormSlot::Past3p,       FormSlot::Future1s,     FormSlot::Future2ms,
    FormSlot::Future2fs,    FormSlot::Future3ms,    FormSlot::Future3fs,    FormSlot::Future1p,
    FormSlot::Future2mp,    FormSlot::Future2fp3fp, FormSlot::Future3mp,    FormSlot::ImperativeMs,
    FormSlot::ImperativeFs, FormSlot::ImperativeMp, FormSlot::ImperativeFp, FormSlot::ParticipleMs,
    FormSlot::ParticipleFs, FormSlot::ParticipleMp, FormSlot::ParticipleFp};

int WalkPosition(int slot) {
  const int* found = std::find(std::begin(kWalkOrder), std::end(kWalkOrder), slot);
  return found == std::end(kWalkOrder) ? 0 : static_cast<int>(found - std::begin(kWalkOrder));
}

}  // namespace

int NextFilledSlot(int selected, const FilledSlotTest& filled) {
  int start = WalkPosition(selected < 0 ? FormSlot::Infinitive : selected);
  for (int step = 1; step < kVerbTableSlots; ++step) {
    int slot = kWalkOrder[(start + step) % kVerbTableSlots];
    if (filled(slot)) return slot;
  }
  return -1;
}

int NextAlternate(int current, int highestAlternate) {
  int last = std::min(highestAlternate, kMaxAlternateIndex);
  return current < last ? current + 1 : kFirstSpelling;
}

int AlternatePresses(int current, int highestAlternate, int recordAlternate) {
  int highest = std::clamp(highestAlternate, kFirstSpelling, kMaxAlternateIndex);
  current = std::clamp(current, kFirstSpelling, highest);
  // Record alternate r is alternate index r - 1; the cycle runs through
  // -1 to highest.
  int target = std::clamp(recordAlternate, 0, highest + 1);
  int next = current + 1;
  return target >= next ? target - next : target + 2 + (highest - next);
}
