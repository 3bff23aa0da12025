#include "lexicon/core/RootPreparation.h"

#include <cstring>

#include "hebtext/core/HebChar.h"
#include "lexicon/core/Binyan.h"
#include "lexicon/core/FormSlots.h"
#include "lexicon/core/FormStress.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/generated/ClassIds.h"

using namespace ClassIds;
using namespace HebCode;
using namespace FormSlot;

namespace {

int DropFirst(BYTE* l) {
  l[0] = l[1];
  l[1] = l[2];
  // With an empty third letter the third position becomes empty; otherwise
  // positions 2 and 3 keep the same letter.
  return 1;
}

int CopyThird(BYTE* l) {
  l[1] = l[2];
  return 1;
}

int DoubleFirst(BYTE* l) {
  l[1] = l[0];
  return 2;
}

// A vav before the third letter: the fourth position takes the third.
int InsertVavBeforeThird(BYTE* l) {
  l[3] = l[2];
  l[2] = Vav;
  l[4] = 0;
  return 0;
}

// Classes whose last root letter he is a consonant (גבהּ, תמהּ): it keeps
// its mappiq, which the form drops again where the he is not last.
bool KeepsLastHe(int binyan, int id) {
  switch (binyan) {
    case Binyan::Paal: return Contains(kPaalLastHeConsonant, id);
    case Binyan::Hitpael: return Contains(kHitpaelLastHeConsonant, id);
    case Binyan::Hifil: return Contains(kHifilLastHeConsonant, id);
    case Binyan::Hufal: return Contains(kHufalLastHeConsonant, id);
    default: return false;
  }
}

void MarkLastHe(BYTE* l) {
  int last = 0;
  while (last + 1 < 5 && l[last + 1]) ++last;
  if (IsHe(l[last])) l[last] = HeMappiq;
}

int SetBStep(BYTE* l, const BinyanRootRec& record, int binyan) {
  return IsRootInSetB(record, binyan) ? CopyThird(l) : 0;
}

// Per binyan: the ids and ranges that the registry names for a rule of their
// own (ClassIds.h) rewrite the root here; the other classes of set B copy the
// third letter.
int Paal(BYTE* l, const BinyanRootRec& r, int id, int level, int slot) {
  if (Contains(kPaalThirdYodInAlternatives, id)) {
    if (level) l[2] = Yod;
    return 0;
  }
  switch (id) {
    case kPaalDropFirstOutsideFuture:
      if (!IsSlotBetween(slot, Future1s, ImperativeFp)) {
        DropFirst(l);
        l[2] = 0;
        return 1;
      }
      return 0;
    case kPaalFirstYodToHe:
      if (IsYodForm(l[0])) l[0] = He;
      return 0;
    case kPaalDropFirstInFuture: return IsSlotBetween(slot, Future1s, Future3mp) ? DropFirst(l) : 0;
    case kPaalThirdAlefInAlternatives:
      if (level) l[2] = Alef;
      return 0;
    case kPaalSetBInMainOnly: return level == 0 ? SetBStep(l, r, Binyan::Paal) : 0;
    case kPaalYodFirstForSecondVav:
      if (IsVav(l[1])) {
        BYTE first = l[0], third = l[2];
        l[0] = Yod;
        l[1] = first;
        l[2] = third;
        return 2;
      }
      return 0;
    default: return SetBStep(l, r, Binyan::Paal);
  }
}

int Nifal(BYTE* l, const BinyanRootRec& r, int id, int level, int slot) {
  int result = 0;
  switch (id) {
    case kNifalDropFirstInPresentAndPast:
      return IsSlotBetween(slot, PresentMs, Past3p) ? DropFirst(l) : 0;
    case kNifalDropFirstInLaterAlternatives: return level >= 2 ? DropFirst(l) : 0;
    case kNifalSecondVavInInfinitiveAndPresent:
      if (IsSlotBetween(slot, Infinitive, PresentFp)) l[1] = Vav;
      return 0;
    case kNifalDropFirst: return DropFirst(l);
    case kNifalCopyThird: CopyThird(l); return 0;
    default: result = SetBStep(l, r, Binyan::Nifal); break;
  }
  if (id == kNifalNimol || (id == kNifalFirstFirstSecondInFirstAlternative && level == 1 &&
                            IsSlotBetween(slot, PresentMs, Past3p))) {
    BYTE first = l[0], second = l[1];
    l[1] = first;
    l[2] = second;
    return 2;
  }
  return result;
}

int Piel(BYTE* l, int id, int level, int slot) {
  if (id == kPielThirdAlefInPast3msAlternatives) {
    if (level && slot == Past3ms) l[2] = Alef;
    return 0;
  }
  if (id == kPielFirstVav) {
    l[0] = Vav;
    return 0;
  }
  if (id == kPielVavBeforeThird) return InsertVavBeforeThird(l);
  if (id == kPielSecondYodOrVav) {
    l[1] = level == 0 ? Yod : Vav;
    return 0;
  }
  if (Contains(kPielCopiesThirdLetter, id)) return CopyThird(l);
  if (Contains(kPielSecondLetterYod, id)) {
    l[1] = Yod;
    return 0;
  }
  if (Contains(kPielSecondLetterVav, id)) {
    l[1] = Vav;
    return 0;
  }
  return 0;
}

int Pual(BYTE* l, int id, int level) {
  if (id == kPualThirdAlefInAlternatives) {
    if (level) l[2] = Alef;
    return 0;
  }
  if (id == kPualFirstVav) {
    l[0] = Vav;
    return 0;
  }
  if (id == kPualFirstOverSecond) {
    l[1] = l[0];
    return 0;
  }
  if (Contains(kPualCopiesThirdLetter, id)) return CopyThird(l);
  if (Contains(kPualSecondLetterVav, id)) {
    l[1] = Vav;
    return 0;
  }
  if (Contains(kPualSecondLetterYod, id)) {
    l[1] = Yod;
    return 0;
  }
  return 0;
}

int Hitpael(BYTE* l, int id, int level) {
  if (id == kHitpaelFirstVavInLaterAlternatives) {
    if (level >= 2) l[0] = Vav;
    return 0;
  }
  if (id == kHitpaelFirstVavInMain) {
    if (level == 0) l[0] = Vav;
    return 0;
  }
  if (Contains(kHitpaelFirstLetterVav, id)) {
    l[0] = Vav;
    return 0;
  }
  if (id == kHitpaelVavBeforeThirdExceptSecondAlternative)
    return level != 2 ? InsertVavBeforeThird(l) : 0;
  if (Contains(kHitpaelCopiesThirdLetter, id)) return CopyThird(l);
  if (Contains(kHitpaelCopiesThirdLetterInMain, id)) return level == 0 ? CopyThird(l) : 0;
  if (Contains(kHitpaelSecondLetterYod, id)) {
    l[1] = Yod;
    return 0;
  }
  if (id == kHitpaelCopiesThirdLetterInAlternatives && level) return CopyThird(l);
  if (Contains(kHitpaelSecondLetterVav, id)) {
    l[1] = Vav;
    return 0;
  }
  return 0;
}

int Hifil(BYTE* l, const BinyanRootRec& r, int id, int level) {
  if (id == kHifilDropFirstInAlternatives) return level >= 1 ? DropFirst(l) : 0;
  if (Contains(kHifilDoubleFirstInLaterAlternatives, id) && level >= 2) return DoubleFirst(l);
  if (id == kHifilDoubleFirstInMain && level == 0) return DoubleFirst(l);
  if (Contains(kHifilDoubleFirstInMainOnly, id)) return level == 0 ? DoubleFirst(l) : 0;
  if (id == kHifilThirdTakesFourthInSecondAlternative) {
    if (level == 2) l[2] = l[3];
    return 0;
  }
  return SetBStep(l, r, Binyan::Hifil);
}

int Hufal(BYTE* l, const BinyanRootRec& r, int id, int level) {
  if (id == kHufalDoubleFirst) return DoubleFirst(l);
  if (id == kHufalRootKeptInAlternatives && level) return 0;
  return SetBStep(l, r, Binyan::Hufal);
}

}  // namespace

int PrepareRootLetters(const BYTE* root, BYTE* l, const BinyanRootRec& record, int binyan,
                       int level, int slot) {
  std::memset(l, 0, 6);
  for (int i = 0; i < 5 && root[i]; ++i) l[i] = static_cast<BYTE>(FinalToRegularLetter(root[i]));
  int id = record.rootId & GrammarLayout::kBinyanClassMask;
  if (KeepsLastHe(binyan, id)) MarkLastHe(l);
  switch (binyan) {
    case Binyan::Paal: return Paal(l, record, id, level, slot);
    case Binyan::Nifal: return Nifal(l, record, id, level, slot);
    case Binyan::Piel: return Piel(l, id, level, slot);
    case Binyan::Pual: return Pual(l, id, level);
    case Binyan::Hitpael: return Hitpael(l, id, level);
    case Binyan::Hifil: return Hifil(l, record, id, level);
    case Binyan::Hufal: return Hufal(l, record, id, level);
    default: return 0;
  }
}
