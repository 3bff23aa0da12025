#include "lexicon/core/HitpaelRewrite.h"

#include "hebtext/core/HebChar.h"
#include "lexicon/core/FormSlots.h"
#include "lexicon/generated/ClassIds.h"

using namespace ClassIds;
using namespace HebCode;

namespace {

bool IsPastSlot(int slot) { return GetTenseGroup(slot) == TenseGroup::Past; }

// N: the nun prefix of the past.
void NunPrefix(FormPlanes& form, int slot) {
  if (IsPastSlot(slot) && form.length > 0) form.letters[0] = Nun;
}

// R2: the tav merges with the first root letter into a tav with dagesh.
void MergeIntoTav(FormPlanes& form) {
  RemoveThirdLetterKeepVowel(form);
  if (form.length > 1) form.letters[1] = TavDagesh;
}

void SwapPrefixTav(FormPlanes& form, BYTE first, BYTE second) {
  BYTE mark = form.marks[1];
  form.letters[1] = first;
  form.marks[1] = form.marks[2];
  form.letters[2] = second;
  form.marks[2] = mark;
}

// T: the third-letter rule.
void ThirdLetterRule(FormPlanes& form) {
  if (form.length < 3) return;
  switch (form.letters[2]) {
    case ShinShinDot:
    case ShinSinDot:
    case Samekh: SwapPrefixTav(form, form.letters[2], TavDagesh); break;
    case Zayin: SwapPrefixTav(form, Zayin, DaletDagesh); break;
    case Tsadi: SwapPrefixTav(form, Tsadi, Tet); break;
    case Tet:
      form.letters[2] = TetDagesh;
      RemoveSecondPosition(form);
      break;
    case DaletDagesh:
    case TetDagesh:
    case TavDagesh: RemoveSecondPosition(form); break;
    default: break;
  }
}

// The prefix rewrite of a class that the registry names for one, by its
// alternative level; false when the third-letter rule is not to follow.
bool RewritePrefixOfClass(FormPlanes& form, int slot, int id, int level) {
  bool third = true;
  if (Contains(kHitpaelPrefixNunFirstKeptSecond, id)) {
    if (level == 2)
      third = false;
    else if (level == 1)
      NunPrefix(form, slot);
  } else if (Contains(kHitpaelPrefixNunFirstOnly, id)) {
    if (level == 1) NunPrefix(form, slot);
    third = false;
  } else if (Contains(kHitpaelPrefixNunOddTavDroppedLater, id)) {
    if (level == 1) NunPrefix(form, slot);
    if (level >= 2) RemoveSecondPosition(form);
    if (level == 3) NunPrefix(form, slot);
  } else if (id == kHitpaelPrefixTavMergedLaterNunOdd) {
    if (level == 1 || level == 3) {
      if (level == 3) MergeIntoTav(form);
      NunPrefix(form, slot);
    } else if (level == 2) {
      MergeIntoTav(form);
    }
    third = false;
  } else if (Contains(kHitpaelPrefixTavDroppedInAlternatives, id)) {
    if (level != 0) RemoveSecondPosition(form);
  } else if (id == kHitpaelPrefixTavDroppedDageshInAlternatives) {
    if (level != 0) {
      RemoveSecondPosition(form);
      if (IsDageshableLetter(form.letters[1]))
        form.letters[1] = static_cast<BYTE>(AddDagesh(form.letters[1]));
    }
  } else if (Contains(kHitpaelPrefixKeptMainNunOdd, id)) {
    if (level == 0)
      third = false;
    else if (level == 1) {
      NunPrefix(form, slot);
      third = false;
    } else if (level == 3)
      NunPrefix(form, slot);
  } else if (id == kHitpaelPrefixTavDroppedOnly) {
    RemoveSecondPosition(form);
    third = false;
  } else if (Contains(kHitpaelPrefixNunFirst, id)) {
    if (level == 1) NunPrefix(form, slot);
  } else if (id == kHitpaelPrefixNunFirstTavDroppedLater) {
    if (level == 1)
      NunPrefix(form, slot);
    else if (level >= 2)
      RemoveSecondPosition(form);
  } else if (id == kHitpaelPrefixNunFirstKeptLater) {
    if (level > 1)
      third = false;
    else if (level == 1)
      NunPrefix(form, slot);
  } else if (id == kHitpaelPrefixTavMergedMainAndFirst) {
    if (level <= 1) {
      MergeIntoTav(form);
      if (level == 1) NunPrefix(form, slot);
    }
    third = false;
  } else if (id == kHitpaelPrefixTavMergedNunInAlternatives) {
    MergeIntoTav(form);
    if (level != 0) NunPrefix(form, slot);
    third = false;
  } else if (id == kHitpaelPrefixZayinDoubledInFirst) {
    if (level == 1) {
      RemoveSecondPosition(form);
      form.letters[1] = ZayinDagesh;
      third = false;
    }
  } else if (id == kHitpaelPrefixZayinDoubled) {
    RemoveSecondPosition(form);
    form.letters[1] = ZayinDagesh;
    third = false;
  } else if (id == kHitpaelPrefixKeptFirst) {
    if (level == 1) third = false;
  } else if (Contains(kHitpaelPrefixKeptMain, id)) {
    if (level == 0) third = false;
  } else if (id == kHitpaelPrefixKeptMainTavDroppedInAlternatives) {
    if (level == 0)
      third = false;
    else {
      RemoveSecondPosition(form);
      if (level >= 2) NunPrefix(form, slot);
    }
  } else if (Contains(kHitpaelPrefixKeptMainNunFirstPast, id)) {
    if (level == 0)
      third = false;
    else if (level == 1 && IsPastSlot(slot)) {
      NunPrefix(form, slot);
      third = false;
    }
  } else if (Contains(kHitpaelPrefixNunOddKeptSecond, id)) {
    if (level == 1)
      NunPrefix(form, slot);
    else if (level == 2)
      third = false;
    else if (level == 3) {
      NunPrefix(form, slot);
      third = false;
    }
  } else if (Contains(kHitpaelPrefixNunLater, id)) {
    if (level >= 2) NunPrefix(form, slot);
  } else if (id == kHitpaelPrefixNunSecond) {
    if (level == 2) NunPrefix(form, slot);
  } else if (id == kHitpaelPrefixKeptLater) {
    if (level > 1) third = false;
  } else if (id == kHitpaelPrefixTavDroppedOnlyLater) {
    if (level > 1) {
      RemoveSecondPosition(form);
      third = false;
    }
  } else if (id == kHitpaelPrefixKeptMainAndFirst) {
    if (level < 2) third = false;
  } else if (id == kHitpaelPrefixKept || id == kHitpaelHitdapek) {
    third = false;
  } else if (id == kHitpaelPrefixTavDropped) {
    RemoveSecondPosition(form);
  } else if (Contains(kHitpaelPrefixNunOdd, id)) {
    if (level == 1 || level == 3) NunPrefix(form, slot);
  } else if (Contains(kHitpaelPrefixNunInAlternatives, id)) {
    if (level != 0) NunPrefix(form, slot);
  } else if (id == kHitpaelPrefixNunFirstTavDroppedSecond) {
    if (level == 1)
      NunPrefix(form, slot);
    else if (level == 2)
      RemoveSecondPosition(form);
  } else if (Contains(kHitpaelPrefixKeptMainNunFirstOnly, id)) {
    if (level == 1) NunPrefix(form, slot);
    if (level <= 1) third = false;
  }
  return third;
}

}  // namespace

void RemoveSecondPosition(FormPlanes& form) { form.Remove(1); }

void RemoveThirdLetterKeepVowel(FormPlanes& form) {
  if (form.length < 3) return;
  BYTE vowel = form.vowels[2];
  form.Remove(2);
  form.vowels[1] = vowel;
}

void RewriteHitpaelForm(FormPlanes& form, int slot, int id, int level) {
  if (form.length < 3) return;
  bool registered = Contains(kHitpaelPrefixRewrite, id);
  if (!registered || RewritePrefixOfClass(form, slot, id, level)) ThirdLetterRule(form);
}
