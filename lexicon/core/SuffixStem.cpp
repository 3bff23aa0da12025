// Stem preparation before an object suffix, by binyan, slot code and form
// type.
#include "lexicon/core/SuffixStem.h"

#include "hebtext/core/HebChar.h"
#include "lexicon/core/Binyan.h"
#include "lexicon/core/FormSlots.h"
#include "lexicon/core/FormStress.h"
#include "lexicon/core/SuffixFormTypes.h"

namespace {

using namespace HebCode;

// The root-letter number of the second root letter in the mark plane, which
// decides the set-C condition.
constexpr int kSecondRootLetter = 2;

BYTE LetterAt(const FormPlanes& stem, int i) {
  return i >= 0 && i < stem.length ? stem.letters[i] : 0;
}

void SetVowel(FormPlanes& stem, int i, int vowel) {
  if (i >= 0 && i < stem.length) stem.vowels[i] = static_cast<BYTE>(vowel);
}

void Drop(FormPlanes& stem) {
  if (stem.length > 0) stem.Truncate(stem.length - 1);
}

void SetLastLetter(FormPlanes& stem, int letter) {
  if (stem.length == 0) return;
  stem.letters[stem.length - 1] = static_cast<BYTE>(letter);
  stem.vowels[stem.length - 1] = Shva;
}

void AddDageshToBegadkefatLast(FormPlanes& stem) {
  if (stem.length == 0) return;
  BYTE& last = stem.letters[stem.length - 1];
  if (IsBegadkefatLetter(last) && IsDageshableLetter(last)) last = static_cast<BYTE>(AddDagesh(last));
}

void RemoveDageshFromBegadkefatLast(FormPlanes& stem) {
  if (stem.length == 0) return;
  BYTE& last = stem.letters[stem.length - 1];
  if (IsBegadkefatLetter(last)) last = static_cast<BYTE>(RemoveDagesh(last));
}

// Where the rewritten first syllable begins: after a conjunction vav.
int FirstPosition(int vavFlag) { return vavFlag == 1 ? 1 : 0; }

void SetConjunctionShuruk(FormPlanes& stem) {
  stem.letters[0] = Shuruk;
  stem.vowels[0] = Shuruk;
}

// The first syllable of a Hifil form whose prefix vowel reduces before the
// suffix (two-letter stems): hataf or shva on the prefix.
void KindA(FormPlanes& stem, int vavFlag, int s) {
  const int p = FirstPosition(vavFlag);
  const bool vav = vavFlag == 1;
  if (stem.length < p + 2) return;
  const bool nextGuttural = IsGutturalLetter(LetterAt(stem, p + 1)) != 0;
  if (s == 0) {
    const bool thirdGuttural = IsGutturalLetter(LetterAt(stem, 2)) != 0;
    SetVowel(stem, 0, thirdGuttural ? Shva : Patah);
    SetVowel(stem, 1, thirdGuttural ? Patah : HatafPatah);
  } else if (IsSlotBetween(s, 1, 4) || IsSlotBetween(s, 14, 25)) {
    int vowel = Shva;
    if (IsGutturalLetter(LetterAt(stem, p))) vowel = nextGuttural ? Patah : HatafPatah;
    SetVowel(stem, p, vowel);
    if (vav && vowel < HatafSegol) SetConjunctionShuruk(stem);
  } else if (IsOneOf(s, {8, 9, 13})) {
    SetVowel(stem, p, nextGuttural ? Segol : HatafSegol);
    if (vav) SetVowel(stem, 0, nextGuttural ? Shva : Segol);
  } else {
    SetVowel(stem, p, nextGuttural ? Patah : HatafPatah);
    if (vav) SetVowel(stem, 0, nextGuttural ? Shva : Patah);
  }
}

// The same for geminate Hifil stems, whose second letter takes hiriq in the
// past.
void KindB(FormPlanes& stem, int vavFlag, int s, int type) {
  const int p = FirstPosition(vavFlag);
  const bool vav = vavFlag == 1;
  if (stem.length < p + 2) return;
  const bool nextGuttural = IsGutturalLetter(LetterAt(stem, p + 1)) != 0;
  if (s == 0) {
    SetVowel(stem, 0, Patah);
    SetVowel(stem, 1, HatafPatah);
  } else if (IsSlotBetween(s, 1, 4) || IsSlotBetween(s, 14, 21)) {
    if (vav) SetConjunctionShuruk(stem);
    SetVowel(stem, p, IsGutturalLetter(LetterAt(stem, p)) ? HatafPatah : Shva);
  } else if (type == 11) {
    return;
  } else if (IsOneOf(s, {8, 9, 13})) {
    SetVowel(stem, p, nextGuttural ? Segol : HatafSegol);
    if (vav) SetVowel(stem, 0, nextGuttural ? Shva : Segol);
    SetVowel(stem, p + 1, Hiriq);
    // The doubled letter after the hiriq is written with dagesh (hesibo).
    if (p + 2 < stem.length && IsDageshableLetter(stem.letters[p + 2]))
      stem.letters[p + 2] = static_cast<BYTE>(AddDagesh(stem.letters[p + 2]));
  } else {
    SetVowel(stem, p, nextGuttural ? Patah : HatafPatah);
    if (vav) SetVowel(stem, 0, Patah);
  }
}

bool PersonOnSecondForm(const SuffixStemRequest& r, std::initializer_list<int> persons) {
  return r.secondForm == 1 && IsOneOf(r.person, persons);
}

// Paal; returns whether the first syllable is recomputed.
bool PreparePaal(FormPlanes& stem, const SuffixStemRequest& r, bool wanted) {
  const int type = FormTypeBase(r.formType);
  switch (r.slotCode) {
    case 0:
      RegularizeLastLetter(stem);
      if (type == 1 || type == 22) {
        if (PersonOnSecondForm(r, {2, 7, 8})) {
          SetVowel(stem, 2, QamatsQatan);
          return false;
        }
        SetVowel(stem, 0, Shva);
        SetVowel(stem, 1, QamatsQatan);
        return true;
      }
      if (type == 23) {
        SetVowel(stem, 0, Shva);
        SetVowel(stem, 1, Hiriq);
        return true;
      }
      return IsOneOf(type, {5, 7, 49, 52, 53, 55, 56, 57, 62});
    case 1:
      if (type == 4) Drop(stem);
      RegularizeLastLetter(stem);
      return false;
    case 2: SetLastLetter(stem, IsOneOf(type, {3, 4, 5}) ? Tav : TavDagesh); return false;
    case 3: Drop(stem); return false;
    case 4: return false;
    case 5:
    case 6:
    case 7:
    case 10:
      if (type == 6)
        for (int i = 0; i < stem.length; ++i)
          if (stem.marks[i] == 1) {
            if (IsHolamForm(stem.vowels[i])) stem.vowels[i] = QamatsQatan;
            break;
          }
      return wanted;
    case 8:
      if (type == 4) Drop(stem);
      if (type == 7) AddDageshToBegadkefatLast(stem);
      RegularizeLastLetter(stem);
      return IsOneOf(type, {4, 5, 7, 12}) ? false : wanted;
    case 9: {
      bool recompute = wanted;
      if (type == 4) {
        Drop(stem);
        recompute = PersonOnSecondForm(r, {7, 8});
      } else if (IsOneOf(type, {5, 7, 12})) {
        recompute = false;
      }
      SetLastLetter(stem, Tav);
      return recompute;
    }
    case 13:
      if (type == 4) return PersonOnSecondForm(r, {7, 8});
      return IsOneOf(type, {5, 7, 12}) ? false : wanted;
    case 14:
    case 15:
    case 17:
    case 18: {
      bool recompute = IsOneOf(type, {7, 39, 40, 51, 52, 53, 56, 60});
      if (IsOneOf(type, {4, 42, 43, 44, 45})) Drop(stem);
      RegularizeLastLetter(stem);
      return recompute;
    }
    case 16:
    case 19:
    case 20:
    case 21: return IsOneOf(type, {7, 39, 40, 51, 52, 53, 56, 60});
    case 22: {
      bool recompute = IsOneOf(type, {55, 57});
      if (type == 4)
        Drop(stem);
      else if (type == 7)
        AddDageshToBegadkefatLast(stem);
      else if (type == 61)
        InsertYodBeforeLast(stem);
      else
        RemoveDageshFromBegadkefatLast(stem);
      RegularizeLastLetter(stem);
      return recompute;
    }
    case 23:
    case 24:
    case 25: return IsOneOf(type, {34, 35, 58, 64});
    default: return wanted;
  }
}

void PreparePielHitpael(FormPlanes& stem, const SuffixStemRequest& r) {
  const int type = FormTypeBase(r.formType);
  switch (r.slotCode) {
    case 0: RegularizeLastLetter(stem); break;
    case 1:
    case 14:
    case 15:
    case 17:
    case 18:
    case 22:
      if (type == 4 || type == 17) Drop(stem);
      RegularizeLastLetter(stem);
      break;
    case 2: SetLastLetter(stem, IsOneOf(type, {3, 4, 5, 16, 17}) ? Tav : TavDagesh); break;
    case 3: Drop(stem); break;
    case 8:
      if (IsOneOf(type, {4, 17, 20})) Drop(stem);
      RegularizeLastLetter(stem);
      break;
    case 9:
      if (IsOneOf(type, {4, 17, 20})) Drop(stem);
      SetLastLetter(stem, Tav);
      break;
    default: break;
  }
}

void PrepareHifil(FormPlanes& stem, const SuffixStemRequest& r, bool inSetB, bool setC) {
  const int type = FormTypeBase(r.formType);
  const int s = r.slotCode;
  const bool skipKinds = type == 10 || type == 11;
  auto kindA = [&] {
    if (!skipKinds) KindA(stem, r.vavFlag, s);
  };
  auto kindB = [&] {
    if (!skipKinds) KindB(stem, r.vavFlag, s, type);
  };
  // Form types 7 and 9 of the present: the two-letter stems reduce their
  // prefix as kind A, the geminate ones as kind B.
  auto presentKinds = [&] {
    if (type == 5) kindA();
    if (type == 7 || type == 9) inSetB ? kindA() : kindB();
  };
  switch (s) {
    case 0:
      RegularizeLastLetter(stem);
      if (IsOneOf(type, {5, 41})) kindA();
      if (IsOneOf(type, {7, 8, 9})) kindB();
      break;
    case 1:
      if (type == 4) Drop(stem);
      if (type == 5) kindA();
      if (type == 7 || type == 9) kindB();
      RegularizeLastLetter(stem);
      break;
    case 2:
      SetLastLetter(stem, Tav);
      presentKinds();
      break;
    case 3:
      Drop(stem);
      presentKinds();
      break;
    case 4: presentKinds(); break;
    case 8:
    case 9:
      if (type == 4) Drop(stem);
      if (s == 8)
        RegularizeLastLetter(stem);
      else
        SetLastLetter(stem, Tav);
      if (inSetB)
        kindA();
      else if (setC)
        kindB();
      break;
    case 14:
    case 15:
    case 17:
    case 18:
      if (type == 4) Drop(stem);
      RegularizeLastLetter(stem);
      if (IsOneOf(type, {5, 41})) kindA();
      if (type == 7 || type == 8) kindB();
      break;
    case 16:
    case 19:
    case 20:
    case 21:
    case 23:
    case 24:
    case 25:
      if (IsOneOf(type, {5, 41})) kindA();
      if (type == 7 || type == 8) kindB();
      break;
    case 22:
      if (type == 1 || type == 2) InsertYodBeforeLast(stem);
      if (type == 4) Drop(stem);
      if (IsOneOf(type, {5, 41})) {
        InsertYodBeforeLast(stem);
        kindA();
      }
      if (type == 7 || type == 8) kindB();
      RegularizeLastLetter(stem);
      break;
    default:
      if (inSetB)
        kindA();
      else if (setC)
        kindB();
      break;
  }
}

}  // namespace

void RegularizeLastLetter(FormPlanes& stem) {
  if (stem.length == 0) return;
  BYTE& last = stem.letters[stem.length - 1];
  if (last == HeMappiq)
    last = He;
  else if (IsFinalLetter(last))
    last = static_cast<BYTE>(FinalToRegularLetter(last));
}

void InsertYodBeforeLast(FormPlanes& stem) {
  if (stem.length < 1) return;
  SetVowel(stem, stem.length - 2, Hiriq);
  int last = stem.length - 1;
  if (!stem.Insert(last, Yod, ExplicitNoVowel, 0)) return;
  stem.vowels[last + 1] = ExplicitNoVowel;
}

void SetVavConjunctionVowels(FormPlanes& stem, int vavFlag) {
  if (stem.length == 0) return;
  if (vavFlag != 1) {
    stem.vowels[0] = IsGutturalLetter(stem.letters[0]) ? HatafPatah : Shva;
    return;
  }
  if (stem.length < 2) return;
  BYTE rootLetter = stem.letters[1];
  if (IsGutturalLetter(rootLetter)) {
    stem.vowels[0] = Patah;
    stem.vowels[1] = HatafPatah;
  } else if (!IsYodForm(rootLetter)) {
    SetConjunctionShuruk(stem);
    stem.vowels[1] = Shva;
  } else {
    stem.vowels[0] = Hiriq;
    stem.vowels[1] = ExplicitNoVowel;
  }
}

FormPlanes PrepareSuffixStem(const SuffixStemRequest& r, const FormPlanes& form) {
  FormPlanes stem = form;
  MarkZeroBytes(stem.vowels, stem.length);
  int lastMark = 0;
  for (int i = 0; i < stem.length; ++i)
    if (stem.marks[i]) lastMark = stem.marks[i];
  const int binyan = Binyan::LowByte(r.binyan);
  const bool inSetB = r.record && IsRootInSetB(*r.record, binyan);
  const bool setC = r.record && IsRootInSetC(*r.record, binyan) && lastMark == kSecondRootLetter;
  bool recompute = false;
  switch (binyan) {
    case Binyan::Paal: recompute = PreparePaal(stem, r, !inSetB && !setC); break;
    case Binyan::Piel:
    case Binyan::Hitpael: PreparePielHitpael(stem, r); break;
    case Binyan::Hifil: PrepareHifil(stem, r, inSetB, setC); break;
    default:
      for (int i = 0; i < stem.length; ++i)
        if (!IsHolamMale(stem.vowels[i]) && !IsShuruk(stem.vowels[i]))
          stem.vowels[i] = ExplicitNoVowel;
      break;
  }
  if (recompute) SetVavConjunctionVowels(stem, r.vavFlag);
  return stem;
}
