#include "lexicon/core/RootPreparation.h"

#include <cstring>

#include "hebtext/core/HebChar.h"
#include "lexicon/core/Binyan.h"
#include "lexicon/core/FormSlots.h"
#include "lexicon/core/FormStress.h"
#include "lexicon/core/GrammarLayout.h"

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

int SetBStep(BYTE* l, const BinyanRootRec& record, int binyan) {
  return IsRootInSetB(record, binyan) ? CopyThird(l) : 0;
}

// Per binyan: the classes that the registry lists as rewriting the root
// (ClassIds::k<Binyan>RootRewrite) have their rule here by id, and the
// hollow stems of Piel, Pual and Hitpael theirs by the parts of set B that
// the registry describes; the other classes of set B copy the third letter.
int Paal(BYTE* l, const BinyanRootRec& r, int id, int level, int slot) {
  switch (id) {
    case 181:
      if (!IsSlotBetween(slot, Future1s, ImperativeFp)) {
        DropFirst(l);
        l[2] = 0;
        return 1;
      }
      return 0;
    case 191:
      if (IsYodForm(l[0])) l[0] = He;
      return 0;
    case 243:
      return IsSlotBetween(slot, Future1s, Future3mp) ? DropFirst(l) : 0;
    case 276:
    case 331:
      if (level) l[2] = Yod;
      return 0;
    case 316:
      if (level) l[2] = Alef;
      return 0;
    case 466:
      return level == 0 ? SetBStep(l, r, Binyan::Paal) : 0;
    case 581:
      if (IsVav(l[1])) {
        BYTE first = l[0], third = l[2];
        l[0] = Yod;
        l[1] = first;
        l[2] = third;
        return 2;
      }
      return 0;
    default:
      return SetBStep(l, r, Binyan::Paal);
  }
}

int Nifal(BYTE* l, const BinyanRootRec& r, int id, int level, int slot) {
  int result = 0;
  switch (id) {
    case 133:
      return IsSlotBetween(slot, PresentMs, Past3p) ? DropFirst(l) : 0;
    case 155:
      return level >= 2 ? DropFirst(l) : 0;
    case 202:
      if (IsSlotBetween(slot, Infinitive, PresentFp)) l[1] = Vav;
      return 0;
    case 319:
      return DropFirst(l);
    case 353:
      CopyThird(l);
      return 0;
    default:
      result = SetBStep(l, r, Binyan::Nifal);
      break;
  }
  if (id == 326 || (id == 327 && level == 1 && IsSlotBetween(slot, PresentMs, Past3p))) {
    BYTE first = l[0], second = l[1];
    l[1] = first;
    l[2] = second;
    return 2;
  }
  return result;
}

int Piel(BYTE* l, int id, int level, int slot) {
  if (id == 132) {
    if (level && slot == Past3ms) l[2] = Alef;
    return 0;
  }
  if (id == 133) { l[0] = Vav; return 0; }
  if (id == 137) return InsertVavBeforeThird(l);
  if (id == 211) { l[1] = level == 0 ? Yod : Vav; return 0; }
  if (id >= 190 && id <= 209) return CopyThird(l);
  if (id >= 210 && id <= 219) { l[1] = Yod; return 0; }
  if (id >= 220 && id <= 229) { l[1] = Vav; return 0; }
  return 0;
}

int Pual(BYTE* l, int id, int level) {
  if (id == 163) {
    if (level) l[2] = Alef;
    return 0;
  }
  if (id == 164) { l[0] = Vav; return 0; }
  if (id == 222) { l[1] = l[0]; return 0; }
  if (id >= 220 && id <= 229) return CopyThird(l);
  if (id >= 230 && id <= 239) { l[1] = Vav; return 0; }
  if (id >= 240 && id <= 249) { l[1] = Yod; return 0; }
  return 0;
}

int Hitpael(BYTE* l, int id, int level) {
  if (id == 18) {
    if (level >= 2) l[0] = Vav;
    return 0;
  }
  if (id == 95) {
    if (level == 0) l[0] = Vav;
    return 0;
  }
  if (id >= 90 && id <= 99 && id != 94) { l[0] = Vav; return 0; }
  if (id == 242) return level != 2 ? InsertVavBeforeThird(l) : 0;
  if (id == 282 || id == 283 || id == 284 || id == 291) return CopyThird(l);
  if (id >= 280 && id <= 299) return level == 0 ? CopyThird(l) : 0;
  if (id >= 300 && id <= 309) { l[1] = Yod; return 0; }
  if (id == 311 && level) return CopyThird(l);
  if (id >= 310 && id <= 319) { l[1] = Vav; return 0; }
  return 0;
}

int Hifil(BYTE* l, const BinyanRootRec& r, int id, int level) {
  if (id == 116) return level >= 1 ? DropFirst(l) : 0;
  if ((id == 273 || id == 284) && level >= 2) return DoubleFirst(l);
  if (id == 274 && level == 0) return DoubleFirst(l);
  if (id == 341 || id == 344) return level == 0 ? DoubleFirst(l) : 0;
  if (id == 430) {
    if (level == 2) l[2] = l[3];
    return 0;
  }
  return SetBStep(l, r, Binyan::Hifil);
}

int Hufal(BYTE* l, const BinyanRootRec& r, int id, int level) {
  if (id == 221) return DoubleFirst(l);
  if (id == 222 && level) return 0;
  return SetBStep(l, r, Binyan::Hufal);
}

}  // namespace

int PrepareRootLetters(const BYTE* root, BYTE* l, const BinyanRootRec& record, int binyan,
                       int level, int slot) {
  std::memset(l, 0, 6);
  for (int i = 0; i < 5 && root[i]; ++i) l[i] = static_cast<BYTE>(FinalToRegularLetter(root[i]));
  int id = record.rootId & GrammarLayout::kBinyanClassMask;
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
