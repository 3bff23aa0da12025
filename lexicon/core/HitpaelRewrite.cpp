#include "lexicon/core/HitpaelRewrite.h"

#include "hebtext/core/HebChar.h"
#include "lexicon/core/FormSlots.h"
#include "lexicon/generated/ClassIds.h"

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
    case Samekh:
      SwapPrefixTav(form, form.letters[2], TavDagesh);
      break;
    case Zayin:
      SwapPrefixTav(form, Zayin, DaletDagesh);
      break;
    case Tsadi:
      SwapPrefixTav(form, Tsadi, Tet);
      break;
    case Tet:
      form.letters[2] = TetDagesh;
      RemoveSecondPosition(form);
      break;
    case DaletDagesh:
    case TetDagesh:
    case TavDagesh:
      RemoveSecondPosition(form);
      break;
    default:
      break;
  }
}

// The prefix rewrite of a registered class by its id and alternative level;
// false when the third-letter rule is not to follow.
bool RewritePrefixOfClass(FormPlanes& form, int slot, int id, int level) {
  bool third = true;
  if (IsOneOf(id, {11, 12, 41, 52, 222, 224, 225, 231, 251, 283, 323, 327, 481, 500})) {
    if (level == 2) third = false;
    else if (level == 1) NunPrefix(form, slot);
  } else if (id == 325) {
    if (level == 1) NunPrefix(form, slot);
    third = false;
  } else if (id == 13 || id == 18) {
    if (level == 1) NunPrefix(form, slot);
    if (level >= 2) RemoveSecondPosition(form);
    if (level == 3) NunPrefix(form, slot);
  } else if (id == 15) {
    if (level == 1 || level == 3) {
      if (level == 3) MergeIntoTav(form);
      NunPrefix(form, slot);
    } else if (level == 2) {
      MergeIntoTav(form);
    }
    third = false;
  } else if (id == 16 || id == 291) {
    if (level != 0) RemoveSecondPosition(form);
  } else if (id == 343) {
    if (level != 0) {
      RemoveSecondPosition(form);
      if (IsDageshableLetter(form.letters[1])) form.letters[1] = static_cast<BYTE>(AddDagesh(form.letters[1]));
    }
  } else if (id == 17 || id == 205) {
    if (level == 0) third = false;
    else if (level == 1) { NunPrefix(form, slot); third = false; }
    else if (level == 3) NunPrefix(form, slot);
  } else if (id == 19) {
    RemoveSecondPosition(form);
    third = false;
  } else if (IsOneOf(id, {32, 33, 62, 71, 207, 284, 301, 326, 333, 411, 421})) {
    if (level == 1) NunPrefix(form, slot);
  } else if (id == 61) {
    if (level == 1) NunPrefix(form, slot);
    else if (level >= 2) RemoveSecondPosition(form);
  } else if (id == 63) {
    if (level > 1) third = false;
    else if (level == 1) NunPrefix(form, slot);
  } else if (id == 94) {
    if (level <= 1) {
      MergeIntoTav(form);
      if (level == 1) NunPrefix(form, slot);
    }
    third = false;
  } else if (id == 96) {
    MergeIntoTav(form);
    if (level != 0) NunPrefix(form, slot);
    third = false;
  } else if (id == 111) {
    if (level == 1) {
      RemoveSecondPosition(form);
      form.letters[1] = ZayinDagesh;
      third = false;
    }
  } else if (id == 241) {
    RemoveSecondPosition(form);
    form.letters[1] = ZayinDagesh;
    third = false;
  } else if (id == 201) {
    if (level == 1) third = false;
  } else if (IsOneOf(id, {202, 203, 223, 351, 402})) {
    if (level == 0) third = false;
  } else if (id == 204) {
    if (level == 0) third = false;
    else {
      RemoveSecondPosition(form);
      if (level >= 2) NunPrefix(form, slot);
    }
  } else if (id == 206 || id == 208) {
    if (level == 0) third = false;
    else if (level == 1 && IsPastSlot(slot)) { NunPrefix(form, slot); third = false; }
  } else if (IsOneOf(id, {209, 401, 404, 406})) {
    if (level == 1) NunPrefix(form, slot);
    else if (level == 2) third = false;
    else if (level == 3) { NunPrefix(form, slot); third = false; }
  } else if (IsOneOf(id, {221, 247, 249, 252})) {
    if (level >= 2) NunPrefix(form, slot);
  } else if (id == 243) {
    if (level == 2) NunPrefix(form, slot);
  } else if (id == 245) {
    if (level > 1) third = false;
  } else if (id == 246) {
    if (level > 1) { RemoveSecondPosition(form); third = false; }
  } else if (id == 248) {
    if (level < 2) third = false;
  } else if (id == 281 || id == 403) {
    third = false;
  } else if (id == 324) {
    RemoveSecondPosition(form);
  } else if (id == 334 || id == 412) {
    if (level == 1 || level == 3) NunPrefix(form, slot);
  } else if (IsOneOf(id, {342, 471, 492})) {
    if (level != 0) NunPrefix(form, slot);
  } else if (id == 352) {
    if (level == 1) NunPrefix(form, slot);
    else if (level == 2) RemoveSecondPosition(form);
  } else if (id == 353) {
    if (level == 1) NunPrefix(form, slot);
    if (level <= 1) third = false;
  } else if (id == 361) {
    if (level == 1) NunPrefix(form, slot);
    third = false;
  } else if (id == 391) {
    if (level == 1) NunPrefix(form, slot);
    else if (level == 2) third = false;
  } else if (id == 405) {
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
  bool registered = ClassIds::Contains(ClassIds::kHitpaelPrefixRewrite, id);
  if (!registered || RewritePrefixOfClass(form, slot, id, level)) ThirdLetterRule(form);
}
