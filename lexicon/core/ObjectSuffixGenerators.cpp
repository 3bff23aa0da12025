// The object-suffix generators: the stem-end vowels of each group of form
// slots, the suffix of each object person and its stress.
#include "lexicon/core/ObjectSuffixGenerators.h"

#include "hebtext/core/HebChar.h"
#include "lexicon/core/Binyan.h"
#include "lexicon/core/FormSlots.h"
#include "lexicon/core/FormStress.h"
#include "lexicon/core/SuffixFormTypes.h"
#include "lexicon/core/SuffixStem.h"

namespace {

using namespace HebCode;
using namespace ObjectPerson;

constexpr BYTE kBare = ExplicitNoVowel;

// An object suffix: letters with their vowels.
struct Suffix {
  BYTE letters[3];
  BYTE vowels[3];
  int count;
};

// clang-format off
// The plain suffix of each object person (index 0 unused).
constexpr Suffix kPlainSuffix[kLast + 1] = {
    {{}, {}, 0},
    {{Nun, Yod}, {Hiriq, kBare}, 2},          // me
    {{FinalKaf}, {Qamats}, 1},                // you m. sg.
    {{FinalKaf}, {Shva}, 1},                  // you f. sg.
    {{He}, {Shuruk}, 1},                      // him
    {{He}, {Qamats}, 1},                      // her
    {{Nun}, {Shuruk}, 1},                     // us
    {{Kaf, FinalMem}, {Segol, kBare}, 2},     // you m. pl.
    {{Kaf, FinalNun}, {Segol, kBare}, 2},     // you f. pl.
    {{FinalMem}, {kBare}, 1},                 // them m.
    {{FinalNun}, {kBare}, 1},                 // them f.
};
// The variants some slots take.
constexpr Suffix kNoSuffix = {{}, {}, 0};
constexpr Suffix kBareYod = {{Yod}, {kBare}, 1};
constexpr Suffix kBareVav = {{Vav}, {kBare}, 1};
constexpr Suffix kHerMappiq = {{HeMappiq}, {kBare}, 1};
constexpr Suffix kYodMe = {{Yod, Nun, Yod}, {kBare, Hiriq, kBare}, 3};
constexpr Suffix kYodVav = {{Yod, Vav}, {kBare, kBare}, 2};
constexpr Suffix kYodHim = {{Yod, He}, {kBare, Shuruk}, 2};
constexpr Suffix kYodHer = {{Yod, He}, {kBare, Qamats}, 2};
constexpr Suffix kYodUs = {{Yod, Nun}, {kBare, Shuruk}, 2};
constexpr Suffix kYodThemM = {{Yod, FinalMem}, {kBare, kBare}, 2};
constexpr Suffix kYodThemF = {{Yod, FinalNun}, {kBare, kBare}, 2};
constexpr Suffix kEnergicHim = {{NunDagesh}, {Shuruk}, 1};        // -ennu
constexpr Suffix kEnergicHer = {{NunDagesh, He}, {Qamats, kBare}, 2};  // -ennah
constexpr Suffix kHemThemM = {{He, FinalMem}, {Segol, kBare}, 2};
constexpr Suffix kHenThemF = {{He, FinalNun}, {Segol, kBare}, 2};
constexpr Suffix kYuMe = {{Yod, Nun, Yod}, {Shuruk, Hiriq, kBare}, 3};
// clang-format on

bool IsHeavyPerson(int person) { return IsOneOf(person, {YouMs, YouMp, YouFp}); }

void SetFromEnd(FormPlanes& stem, int placesBefore, int vowel) {
  int i = stem.length - 1 - placesBefore;
  if (i >= 0) stem.vowels[i] = static_cast<BYTE>(vowel);
}
int VowelFromEnd(const FormPlanes& stem, int placesBefore) {
  int i = stem.length - 1 - placesBefore;
  return i >= 0 ? stem.vowels[i] : 0;
}
int LetterFromEnd(const FormPlanes& stem, int placesBefore) {
  int i = stem.length - 1 - placesBefore;
  return i >= 0 ? stem.letters[i] : 0;
}
void SetL(FormPlanes& stem, int vowel) { SetFromEnd(stem, 0, vowel); }
void SetP(FormPlanes& stem, int vowel) { SetFromEnd(stem, 1, vowel); }
void SetQ(FormPlanes& stem, int vowel) { SetFromEnd(stem, 2, vowel); }

// Shva, or hataf patah under a guttural.
int ShvaFor(int letter) { return IsGutturalLetter(letter) ? HatafPatah : Shva; }
void ShvaAt(FormPlanes& stem, int placesBefore) {
  SetFromEnd(stem, placesBefore, ShvaFor(LetterFromEnd(stem, placesBefore)));
}
void ShvaL(FormPlanes& stem) { ShvaAt(stem, 0); }
void ShvaP(FormPlanes& stem) { ShvaAt(stem, 1); }

void ReplaceLastLetter(FormPlanes& stem, int letter) {
  if (stem.length > 0) stem.letters[stem.length - 1] = static_cast<BYTE>(letter);
}

void DageshLast(FormPlanes& stem) {
  if (stem.length == 0) return;
  BYTE& last = stem.letters[stem.length - 1];
  if (IsDageshableLetter(last)) last = static_cast<BYTE>(AddDagesh(last));
}

// A guttural's hataf patah (farther from the end) before a shva or hataf
// (nearer the end) becomes patah.
void PatahBeforeReduced(FormPlanes& stem, int nearer, int farther) {
  int v = VowelFromEnd(stem, nearer);
  if (!IsShva(v) && !IsHatafVowel(v)) return;
  if (VowelFromEnd(stem, farther) == HatafPatah && IsGutturalLetter(LetterFromEnd(stem, farther)))
    SetFromEnd(stem, farther, Patah);
}

// What a generator is working on.
struct Work {
  const ObjectSuffixRequest& r;
  const FormPlanes& form;
  int type;
  ObjectSuffixForms& out;

  int binyan() const { return Binyan::LowByte(r.binyan); }
  int base() const { return FormTypeBase(type); }

  FormPlanes Stem(int slotCode, int formType, int secondForm = -1) const {
    SuffixStemRequest request;
    request.record = r.record;
    request.binyan = binyan();
    request.vavFlag = r.vavFlag;
    request.slotCode = slotCode;
    request.formType = formType;
    if (secondForm >= 0) {
      request.person = r.person;
      request.secondForm = secondForm;
    }
    return PrepareSuffixStem(request, form);
  }

  // A form whose suffix would not fit whole is left out. No hataf stands
  // before a shva in a finished form (heelkha, yeensekha).
  void Add(FormPlanes stem, const Suffix& suffix, int stress) const {
    for (int i = 0; i < suffix.count; ++i)
      if (!stem.Append(suffix.letters[i], suffix.vowels[i], 0)) return;
    ExpandHatafBeforeShva(stem.letters, stem.vowels);
    ApplyStressPosition(stem.letters, stem.vowels, stress);
    out.Add(stem);
  }
  void AddWithLast(FormPlanes stem, int lastVowel, const Suffix& suffix, int stress) const {
    SetL(stem, lastVowel);
    Add(stem, suffix, stress);
  }
  const Suffix& Plain() const { return kPlainSuffix[r.person]; }
  // The plain suffix with the stress most slots give it: before the last
  // syllable for -ni, -kha, -hu, -ha, -nu, on the last for the others.
  void AddPlain(const FormPlanes& stem) const {
    Add(stem, Plain(), IsOneOf(r.person, {Me, YouMs, Him, Her, Us}) ? kStressPenult : kStressLast);
  }
};

bool IsObjectPerson(int person) { return person >= kFirst && person <= kLast; }

// ---- Stem-end rules

void FixGutturalHatafAt(FormPlanes& stem, int t, int slot) {
  int nearer = -1, farther = -1;
  if (t == 32 || t == 33) nearer = 1, farther = 2;
  if (t == 42 || t == 43) nearer = 0, farther = 1;
  if (nearer < 0) return;
  int v = VowelFromEnd(stem, nearer);
  if (!IsShva(v) && !IsHatafVowel(v)) return;
  if (VowelFromEnd(stem, farther) == HatafPatah) SetFromEnd(stem, farther, Patah);
  if (slot == FormSlot::Future1s && VowelFromEnd(stem, farther) == HatafSegol)
    SetFromEnd(stem, farther, Segol);
}

void FixFutureStemEnd(FormPlanes& stem, int t, int q, int slot, bool thirdForm) {
  const bool heavy = IsHeavyPerson(q);
  auto lightOrHeavyL = [&] { heavy ? ShvaL(stem) : SetL(stem, Tsere); };
  if (IsOneOf(t, {4, 39, 40, 42, 43, 44, 45, 56, 60, 61})) {
    lightOrHeavyL();
  } else if (IsOneOf(t, {7, 51, 52, 53})) {
    DageshLast(stem);
    if (t == 7 || (t == 51 && thirdForm)) SetP(stem, Qubuts);
    else if (t == 52 || t == 51) SetP(stem, QamatsQatan);
    else SetP(stem, Holam);
    lightOrHeavyL();
  } else if (IsOneOf(t, {31, 32, 33, 47, 59})) {
    if (t == 32 && slot != FormSlot::Future1s) {
      SetFromEnd(stem, 3, Patah);
      SetFromEnd(stem, 2, HatafPatah);
    }
    if (heavy) {
      SetP(stem, QamatsQatan);
      ShvaL(stem);
    } else {
      ShvaP(stem);
      SetL(stem, Tsere);
    }
  } else if (IsOneOf(t, {34, 35, 38, 48, 50, 57, 58})) {
    if (q == YouMp || q == YouFp) {
      SetP(stem, Patah);
      ShvaL(stem);
    } else {
      SetP(stem, Qamats);
      q == YouMs ? ShvaL(stem) : SetL(stem, Tsere);
    }
  } else if (IsOneOf(t, {36, 37, 46, 49, 55})) {
    if (t == 46) DageshLast(stem);
    if (heavy) {
      SetP(stem, t == 36 ? Patah : t == 46 ? QamatsQatan : Segol);
      ShvaL(stem);
    } else {
      if (t == 37)
        SetP(stem, IsGutturalLetter(LetterFromEnd(stem, 1)) ? HatafSegol : Shva);
      else
        ShvaP(stem);
      SetL(stem, Tsere);
    }
  }
  FixGutturalHatafAt(stem, t, slot);
}

// Future, infinitive and imperative masculine singular of Piel and Hitpael.
void PielStemEnd(FormPlanes& stem, int t, int q, bool second) {
  const bool secondYou = q == YouMs && second;
  const bool heavyFirst = (q == YouMs && !second) || q == YouMp || q == YouFp;
  if (IsOneOf(t, {1, 2, 3, 14})) {
    if (secondYou) {
      ShvaP(stem);
      SetL(stem, Segol);
    } else if (heavyFirst) {
      SetP(stem, t == 1 ? Segol : t == 3 ? Tsere : Patah);
      ShvaL(stem);
    } else {
      ShvaP(stem);
      SetL(stem, Tsere);
    }
  } else if (IsOneOf(t, {4, 17, 18})) {
    if (t == 18) SetP(stem, Segol);
    if (secondYou)
      SetL(stem, Segol);
    else if (heavyFirst)
      ShvaL(stem);
    else
      SetL(stem, Tsere);
  }
  if (t == 17) PatahBeforeReduced(stem, 0, 1);
  if (t == 14) PatahBeforeReduced(stem, 1, 2);
}

// The same generators for Hifil.
void HifilStemEnd(FormPlanes& stem, int t, int q, bool second) {
  const bool secondYou = q == YouMs && second;
  const bool heavyFirst = (q == YouMs && !second) || q == YouMp || q == YouFp;
  if (IsOneOf(t, {7, 8, 10})) DageshLast(stem);
  if (t == 7 && !IsGutturalLetter(LetterFromEnd(stem, 0)) && !IsResh(LetterFromEnd(stem, 0)))
    SetP(stem, Hiriq);
  if (IsOneOf(t, {1, 2, 4, 5, 7, 8, 41})) {
    if (secondYou)
      SetL(stem, Segol);
    else if (heavyFirst)
      ShvaL(stem);
    else
      SetL(stem, Tsere);
  } else if (t == 10) {
    if (q == YouMp || q == YouFp || (q == YouMs && !second)) {
      SetP(stem, Segol);
      ShvaL(stem);
    } else {
      SetP(stem, Shva);
      SetL(stem, secondYou ? Segol : Tsere);
    }
  }
  if (t == 4 && (IsShva(VowelFromEnd(stem, 0)) || VowelFromEnd(stem, 0) == HatafPatah) &&
      VowelFromEnd(stem, 1) == HatafPatah)
    SetP(stem, Patah);
}

void ImperativePaalStemEnd(FormPlanes& stem, int t) {
  if (IsOneOf(t, {7, 52, 53})) {
    DageshLast(stem);
    SetP(stem, t == 7 ? Qubuts : t == 52 ? QamatsQatan : Holam);
  } else if (t == 31 || t == 32) {
    SetQ(stem, QamatsQatan);
    ShvaP(stem);
  } else if (IsOneOf(t, {34, 35, 38, 48, 50, 58, 64})) {
    if (IsGutturalLetter(LetterFromEnd(stem, 2))) SetQ(stem, HatafPatah);
    SetP(stem, Qamats);
  } else if (t == 36) {
    ShvaP(stem);
  } else if (t == 37) {
    SetP(stem, IsGutturalLetter(LetterFromEnd(stem, 1)) ? HatafSegol : Shva);
  } else if (t == 46) {
    DageshLast(stem);
    ShvaP(stem);
  } else if (t == 49) {
    SetP(stem, Shva);
  } else if (t == 65) {
    SetP(stem, Qamats);
  }
  FixGutturalHatafAt(stem, t, FormSlot::ImperativeMs);
}

// Hataf qamats, or shva when the letter is no guttural: the reduced o of the
// infinitive's first syllable.
int HatafQamatsFor(int letter) { return IsGutturalLetter(letter) ? HatafQamats : Shva; }

void InfinitivePaalStemEnd(FormPlanes& stem, int t, int q, bool second) {
  const bool onlyLast = (t == 1 || t == 22) && second && IsHeavyPerson(q);
  if (onlyLast) {
    ShvaL(stem);
    return;
  }
  if (t == 1 || t == 22) {
    SetP(stem, HatafQamatsFor(LetterFromEnd(stem, 1)));
    if (t == 22 && IsBegadkefatLetter(LetterFromEnd(stem, 0))) DageshLast(stem);
  } else if (t == 7 || t == 52 || t == 53) {
    DageshLast(stem);
    SetP(stem, t == 7 ? Qubuts : t == 52 ? QamatsQatan : Holam);
  } else if (t == 23) {
    SetP(stem, Shva);
  } else if (t == 49) {
    SetQ(stem, Hiriq);
    SetP(stem, Shva);
    ReplaceLastLetter(stem, TavDagesh);
  } else if (t == 55 || t == 62) {
    SetP(stem, t == 55 ? Hiriq : Shva);
    ReplaceLastLetter(stem, TavDagesh);
  } else if (t == 58) {
    ReplaceLastLetter(stem, Tav);
  }
  if (IsOneOf(t, {1, 22, 23}) && stem.length >= 2) {
    BYTE& before = stem.letters[stem.length - 2];
    if (IsBegadkefatLetter(before)) before = static_cast<BYTE>(RemoveDagesh(before));
  }
  // Only the vowel before the last letter takes hataf qamats (shomʿakha,
  // not shomʿokha).
  ShvaL(stem);
}

void PresentStemEnd(FormPlanes& stem, int binyan, int slot, int t, int q, bool second) {
  const bool heavyFirst = (q == YouMs && !second) || q == YouMp || q == YouFp;
  const bool plural = q == YouMp || q == YouFp;
  if (binyan == Binyan::Hifil) {
    if (slot == FormSlot::PresentMs) {
      if (t == 4 && heavyFirst && VowelFromEnd(stem, 1) == HatafPatah &&
          IsGutturalLetter(LetterFromEnd(stem, 1)))
        SetP(stem, Patah);
      if (t == 7 || t == 10) {
        DageshLast(stem);
        SetP(stem, Hiriq);
      }
      ShvaL(stem);
    } else if (plural) {
      SetP(stem, Patah);
    }
    return;
  }
  if (slot == FormSlot::PresentMs) {
    if (t == 1 || t == 13) {
      if (heavyFirst)
        SetP(stem, IsGutturalLetter(LetterFromEnd(stem, 1)) ? Patah : Segol);
      else
        ShvaP(stem);
    } else if (IsOneOf(t, {2, 3, 14, 16})) {
      if (heavyFirst)
        SetP(stem, Patah);
      else
        ShvaP(stem);
      if ((t == 14 || t == 16) && VowelFromEnd(stem, 2) == HatafPatah)
        PatahBeforeReduced(stem, 1, 2);
    } else if (t == 5) {
      if (plural) SetP(stem, Patah);
    } else if (t == 7) {
      DageshLast(stem);
    } else if (t == 17) {
      if (heavyFirst && VowelFromEnd(stem, 1) == HatafPatah &&
          IsGutturalLetter(LetterFromEnd(stem, 1)))
        SetP(stem, Patah);
    } else if (t == 18 || t == 19) {
      SetP(stem, Segol);
    }
    ShvaL(stem);
    return;
  }
  if (IsOneOf(t, {1, 13, 18, 19})) {
    SetQ(stem, Patah);
    ShvaP(stem);
  } else if (t == 2 || t == 14) {
    SetQ(stem, Patah);
    SetP(stem, Shva);
  } else if (t == 3) {
    SetQ(stem, Tsere);
    SetP(stem, kBare);
  } else if (t == 4 || t == 17) {
    if (plural) SetP(stem, Patah);
  } else if (t == 5) {
    if (heavyFirst) SetP(stem, Patah);
  }
}

}  // namespace

void ObjectSuffixForms::Add(const FormPlanes& part) {
  if (part.length == 0) return;
  if (list.length == 0)
    list = part;
  else if (!list.AppendAlternative(part, 0))
    return;
  written = true;
}

void ExpandHatafBeforeShva(BYTE* letters, BYTE* vowels) {
  for (int i = 0; i < kWordPlaneSize - 1 && letters[i]; ++i)
    if (IsHatafVowel(vowels[i]) && letters[i + 1] && IsShva(vowels[i + 1]))
      vowels[i] = static_cast<BYTE>(HatafToFullVowel(vowels[i]));
}

int IsSameSubjectObject(int person, int slot) {
  if (IsOneOf(person, {Me, Us})) return IsOneOf(slot, {FormSlot::Future1s, FormSlot::Future1p});
  if (IsOneOf(person, {YouMs, YouFs, YouMp, YouFp}))
    return IsOneOf(slot, {FormSlot::Future2ms, FormSlot::Future2fs, FormSlot::Future2mp});
  return 0;
}

namespace {

// The stem-end rule of the infinitive, future and masculine imperative of
// Piel, Hitpael and Hifil.
void DerivedStemEnd(FormPlanes& stem, int binyan, int t, int q, bool second) {
  if (binyan == Binyan::Hifil)
    HifilStemEnd(stem, t, q, second);
  else
    PielStemEnd(stem, t, q, second);
}

// The three forms of "him" and "her" and the two of "us" of the future and
// the masculine imperative: plain, energic (-ennu, -ennah) and short.
void AddFutureThirdPersons(const Work& w, const FormPlanes& stem, int q, int plainLast) {
  switch (q) {
    case Him:
      w.AddWithLast(stem, plainLast, kPlainSuffix[Him], kStressPenult);
      w.AddWithLast(stem, Segol, kEnergicHim, kStressPenult);
      break;
    case Her:
      w.AddWithLast(stem, Segol, kPlainSuffix[Her], kStressPenult);
      w.AddWithLast(stem, Segol, kEnergicHer, kStressPenult);
      break;
    case Us:
      w.AddWithLast(stem, plainLast, kPlainSuffix[Us], kStressPenult);
      w.AddWithLast(stem, Segol, kEnergicHim, kStressPenult);
      break;
    default: break;
  }
}

}  // namespace

int GeneratePresentSingular(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                            ObjectSuffixForms& out) {
  const Work w{r, form, type, out};
  const int q = r.person;
  const bool masculine = r.slot == FormSlot::PresentMs;
  auto stem = [&](bool second) {
    FormPlanes s = w.Stem(r.slot, type);
    PresentStemEnd(s, w.binyan(), r.slot, w.base(), q, second);
    return s;
  };
  switch (q) {
    case Me:
      w.AddWithLast(stem(false), Tsere, w.Plain(), kStressPenult);
      w.AddWithLast(stem(true), Hiriq, kBareYod, kStressLast);
      break;
    case YouMs:
      w.Add(stem(false), w.Plain(), kStressLast);
      w.AddWithLast(stem(true), Segol, w.Plain(), kStressPenult);
      break;
    case YouFs: w.AddWithLast(stem(false), Tsere, w.Plain(), kStressLast); break;
    case Him:
      if (masculine) w.AddWithLast(stem(false), Tsere, w.Plain(), kStressPenult);
      w.AddWithLast(stem(false), HolamMale, kNoSuffix, kStressLast);
      break;
    case Her:
      if (masculine) w.AddWithLast(stem(false), Segol, w.Plain(), kStressPenult);
      w.AddWithLast(stem(false), Qamats, kHerMappiq, kStressLast);
      break;
    case Us: w.AddWithLast(stem(false), Tsere, w.Plain(), kStressPenult); break;
    case YouMp:
    case YouFp: w.Add(stem(false), w.Plain(), kStressLast); break;
    case ThemM:
    case ThemF: w.AddWithLast(stem(false), Qamats, w.Plain(), kStressLast); break;
    default: return 0;
  }
  return out.written ? 1 : 0;
}

int GeneratePresentPlural(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                          ObjectSuffixForms& out) {
  const Work w{r, form, type, out};
  if (!IsObjectPerson(r.person)) return 0;
  FormPlanes stem = w.Stem(r.slot, type);
  // The feminine plural keeps its -ot and takes the plural's yod after it.
  if (r.slot == FormSlot::PresentFp) stem.Append(Yod, kBare, 0);
  struct Row {
    int beforeLast;
    int last;  // 0: left as it is
    const Suffix* suffix;
    int stress;
  };
  const Row rows[kLast + 1] = {
      {},
      {Patah, 0, &kNoSuffix, kStressLast},
      {Segol, 0, &kPlainSuffix[YouMs], kStressPenult},
      {Patah, Hiriq, &kPlainSuffix[YouFs], kStressPenult},
      {Qamats, 0, &kBareVav, kStressLast},
      {Segol, 0, &kPlainSuffix[Her], kStressPenult},
      {Tsere, 0, &kPlainSuffix[Us], kStressPenult},
      {Tsere, 0, &kPlainSuffix[YouMp], kStressLast},
      {Tsere, 0, &kPlainSuffix[YouFp], kStressLast},
      {Tsere, 0, &kHemThemM, kStressLast},
      {Tsere, 0, &kHenThemF, kStressLast},
  };
  const Row& row = rows[r.person];
  SetP(stem, row.beforeLast);
  if (row.last) SetL(stem, row.last);
  w.Add(stem, *row.suffix, row.stress);
  return out.written ? 1 : 0;
}

int GenerateInfinitivePaal(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                           ObjectSuffixForms& out) {
  const Work w{r, form, type, out};
  const int q = r.person;
  const int t = w.base();
  const bool twoStems = t == 1 || t == 22;
  auto stem = [&](bool second) {
    FormPlanes s = w.Stem(FormSlot::Infinitive, type, second ? 1 : 0);
    InfinitivePaalStemEnd(s, t, q, second);
    return s;
  };
  switch (q) {
    case Me:
      if (IsOneOf(t, {23, 55, 56, 57, 62})) {
        w.AddWithLast(stem(false), Hiriq, kBareYod, kStressLast);
      } else {
        w.AddWithLast(stem(false), Tsere, w.Plain(), kStressPenult);
        w.AddWithLast(stem(true), Hiriq, kBareYod, kStressLast);
      }
      break;
    case YouMs:
      w.Add(stem(false), w.Plain(), kStressLast);
      if (twoStems) w.Add(stem(true), w.Plain(), kStressLast);
      w.AddWithLast(stem(false), Segol, w.Plain(), kStressPenult);
      break;
    case YouFs: w.AddWithLast(stem(false), Tsere, w.Plain(), kStressLast); break;
    case Him: w.AddWithLast(stem(false), HolamMale, kNoSuffix, kStressLast); break;
    case Her: w.AddWithLast(stem(false), Qamats, kHerMappiq, kStressLast); break;
    case Us: w.AddWithLast(stem(false), Tsere, w.Plain(), kStressPenult); break;
    case YouMp:
    case YouFp:
      w.Add(stem(false), w.Plain(), kStressLast);
      if (twoStems) w.Add(stem(true), w.Plain(), kStressLast);
      break;
    case ThemM:
    case ThemF: w.AddWithLast(stem(false), Qamats, w.Plain(), kStressLast); break;
    default: return 0;
  }
  return out.written ? 1 : 0;
}

int GenerateInfinitive(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                       ObjectSuffixForms& out) {
  const Work w{r, form, type, out};
  const int q = r.person;
  auto stem = [&](bool second) {
    FormPlanes s = w.Stem(FormSlot::Infinitive, type);
    DerivedStemEnd(s, w.binyan(), w.base(), q, second);
    return s;
  };
  switch (q) {
    case Me:
    case Us: w.Add(stem(false), w.Plain(), kStressPenult); break;
    case YouMs:
      w.Add(stem(false), w.Plain(), kStressLast);
      w.Add(stem(true), w.Plain(), kStressPenult);
      break;
    case YouFs:
    case YouMp:
    case YouFp: w.Add(stem(false), w.Plain(), kStressLast); break;
    case Him: w.AddWithLast(stem(false), HolamMale, kNoSuffix, kStressLast); break;
    case Her: w.AddWithLast(stem(false), Qamats, kHerMappiq, kStressLast); break;
    case ThemM:
    case ThemF: w.AddWithLast(stem(false), Qamats, w.Plain(), kStressLast); break;
    default: return 0;
  }
  return out.written ? 1 : 0;
}

int GenerateFirstPersonPast(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                            ObjectSuffixForms& out) {
  const Work w{r, form, type, out};
  const FormPlanes stem = w.Stem(StemSlotCode::FirstPersonPast, type);
  // The subject's own persons take no object suffix.
  if (!IsObjectPerson(r.person) || IsOneOf(r.person, {Me, Us})) return 0;
  if (r.person == Him && r.slot == FormSlot::Past1s) w.Add(stem, kBareVav, kStressLast);
  w.AddPlain(stem);
  return out.written ? 1 : 0;
}

int GeneratePast2ms(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                    ObjectSuffixForms& out) {
  const Work w{r, form, type, out};
  const FormPlanes stem = w.Stem(r.slot, type);
  switch (r.person) {
    case Me: w.AddWithLast(stem, Patah, w.Plain(), kStressPenult); break;
    case Him:
      w.AddWithLast(stem, HolamMale, kNoSuffix, kStressLast);
      // The long form keeps the qamats of -ta before -hu.
      w.AddWithLast(stem, Qamats, w.Plain(), kStressPenult);
      break;
    case Her: w.Add(stem, kHerMappiq, kStressLast); break;
    case Us: w.Add(stem, w.Plain(), kStressPenult); break;
    case ThemM:
    case ThemF: w.Add(stem, w.Plain(), kStressLast); break;
    default: return 0;
  }
  return out.written ? 1 : 0;
}

int GeneratePast2fs(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                    ObjectSuffixForms& out) {
  const Work w{r, form, type, out};
  FormPlanes stem = w.Stem(r.slot, type);
  SetL(stem, Hiriq);
  // The helping patah of a last guttural (shamaat) goes before the suffix's
  // vowel: the guttural closes its syllable again (shmatini).
  if (IsPatahForm(VowelFromEnd(stem, 1)) && IsGutturalLetter(LetterFromEnd(stem, 1)) &&
      IsPatahForm(VowelFromEnd(stem, 2)))
    SetP(stem, Shva);
  switch (r.person) {
    case Me: w.Add(stem, kYodMe, kStressPenult); break;
    case Him:
      w.Add(stem, kYodVav, kStressLast);
      w.Add(stem, kYodHim, kStressPenult);
      break;
    case Her: w.Add(stem, kYodHer, kStressPenult); break;
    case Us: w.Add(stem, kYodUs, kStressPenult); break;
    case ThemM: w.Add(stem, kYodThemM, kStressLast); break;
    case ThemF: w.Add(stem, kYodThemF, kStressLast); break;
    default: return 0;
  }
  return out.written ? 1 : 0;
}

int GeneratePast2Plural(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                        ObjectSuffixForms& out) {
  const Work w{r, form, type, out};
  FormPlanes stem = w.Stem(r.slot, type);
  if (stem.length > 0) stem.Truncate(stem.length - 1);
  SetL(stem, Shuruk);
  if (!IsOneOf(r.person, {Me, Him, Her, Us, ThemM, ThemF})) return 0;
  w.AddPlain(stem);
  return out.written ? 1 : 0;
}

namespace {

// The vowel before the last letter of the third masculine singular past.
void Past3msBeforeLast(FormPlanes& stem, int binyan, int type, int q) {
  const int t = FormTypeBase(type);
  const bool heavy = q == YouMp || q == YouFp;
  if (binyan == Binyan::Paal) {
    if (t == 1 && IsFormTypeVariant(type)) {
      if (heavy) SetP(stem, Segol);
    } else if ((t == 1 || t == 3) && !heavy) {
      SetP(stem, Qamats);
    } else if (t == 6) {
      SetP(stem, QamatsQatan);
    }
  } else if ((binyan == Binyan::Piel || binyan == Binyan::Hitpael) &&
             !IsOneOf(t, {4, 17, 20})) {
    // (A lamed-he stem, its he dropped, keeps its vowels.) The tsere of dibber stays (as segol, as patah before a guttural)
    // only before a closed syllable.
    if (IsHeavyPerson(q)) {
      if (IsTsereForm(VowelFromEnd(stem, 1)))
        SetP(stem, IsGutturalLetter(LetterFromEnd(stem, 0)) ? Patah : Segol);
    } else {
      ShvaP(stem);
    }
  }
}

}  // namespace

int GeneratePast3ms(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                    ObjectSuffixForms& out) {
  const Work w{r, form, type, out};
  const int q = r.person;
  const int t = w.base();
  const bool paal = w.binyan() == Binyan::Paal;
  auto stem = [&](int formType) {
    FormPlanes s = w.Stem(FormSlot::Past3ms, formType);
    Past3msBeforeLast(s, w.binyan(), formType, q);
    return s;
  };
  switch (q) {
    case Me:
      // A lamed-he stem keeps its qamats (kanani); others take patah (shmarani).
      w.AddWithLast(stem(type), paal && t == 4 ? Qamats : Patah, w.Plain(), kStressPenult);
      break;
    case YouMs: {
      FormPlanes s = stem(type);
      ShvaL(s);
      w.Add(s, w.Plain(), kStressLast);
      if (paal && t == 4) w.AddWithLast(stem(4), Segol, w.Plain(), kStressPenult);
      break;
    }
    case YouFs: w.AddWithLast(stem(type), Tsere, w.Plain(), kStressLast); break;
    case Him:
      if (paal && t == 4) {
        w.AddWithLast(stem(type), Qamats, w.Plain(), kStressPenult);
        break;
      }
      w.AddWithLast(stem(type), HolamMale, kNoSuffix, kStressLast);
      if (!IsFormTypeVariant(type)) {
        FormPlanes s = stem(type);
        if (paal && !IsOneOf(t, {5, 7, 12})) SetP(s, t == 6 ? QamatsQatan : Qamats);
        w.AddWithLast(s, Qamats, w.Plain(), kStressPenult);
      }
      break;
    case Her: w.AddWithLast(stem(type), Qamats, kHerMappiq, kStressLast); break;
    case Us: w.AddWithLast(stem(type), Qamats, w.Plain(), kStressPenult); break;
    case YouMp:
    case YouFp: {
      FormPlanes s = stem(type);
      ShvaL(s);
      w.Add(s, w.Plain(), kStressLast);
      if (paal && (t == 4 || t == 5)) {
        SetP(s, Patah);
        w.Add(s, w.Plain(), kStressLast);
      }
      break;
    }
    case ThemM:
    case ThemF: w.AddWithLast(stem(type), Qamats, w.Plain(), kStressLast); break;
    default: return 0;
  }
  return out.written ? 1 : 0;
}

int GeneratePast3fs(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                    ObjectSuffixForms& out) {
  const Work w{r, form, type, out};
  const int q = r.person;
  const int t = w.base();
  const bool variant = IsFormTypeVariant(type);
  auto stem = [&](int formType, int second) {
    FormPlanes s = w.Stem(FormSlot::Past3fs, formType, second);
    // Before the tav: patah (shmaratni), qamats in a lamed-he stem (asatni).
    SetP(s, w.binyan() == Binyan::Paal && t == 4 ? Qamats : Patah);
    switch (w.binyan()) {
      case Binyan::Paal:
        if (t == 3) SetQ(s, variant ? Tsere : Qamats);
        if (t == 1 || t == 6) SetQ(s, !variant ? Qamats : IsHeavyPerson(q) && q != YouMs ? Segol : Tsere);
        break;
      case Binyan::Piel:
      case Binyan::Hitpael:
        if (t == 20) SetQ(s, HatafPatah);
        break;
      case Binyan::Hifil:
        if (t == 4 && IsGutturalLetter(LetterFromEnd(s, 2))) SetQ(s, HatafSegol);
        break;
      default: break;
    }
    return s;
  };
  switch (q) {
    case Me:
    case YouMs:
    case Us: w.Add(stem(type, -1), w.Plain(), kStressPenult); break;
    case YouFs: {
      FormPlanes s = stem(type, -1);
      SetP(s, Qamats);
      w.AddWithLast(s, Segol, w.Plain(), kStressPenult);
      break;
    }
    case Him: {
      FormPlanes s = stem(type, -1);
      FormPlanes doubled = s;
      ReplaceLastLetter(doubled, TavDagesh);
      w.AddWithLast(doubled, Shuruk, kNoSuffix, kStressPenult);
      w.Add(s, w.Plain(), kStressPenult);
      break;
    }
    case Her: {
      FormPlanes s = stem(type, -1);
      ReplaceLastLetter(s, TavDagesh);
      w.AddWithLast(s, Qamats, kHerMappiq, kStressPenult);
      break;
    }
    case YouMp:
    case YouFp:
      w.Add(stem(type, -1), w.Plain(), kStressLast);
      if (w.binyan() == Binyan::Paal && t == 4) w.Add(stem(4, 1), w.Plain(), kStressLast);
      break;
    case ThemM:
    case ThemF: {
      FormPlanes s = stem(type, -1);
      SetP(s, Qamats);
      w.AddWithLast(s, Patah, w.Plain(), kStressPenult);
      break;
    }
    default: return 0;
  }
  return out.written ? 1 : 0;
}

int GeneratePast3Plural(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                        ObjectSuffixForms& out) {
  const Work w{r, form, type, out};
  FormPlanes stem = w.Stem(FormSlot::Past3p, type);
  // katvu: the reduced qamats comes back before the suffix (ketavuni), on
  // a guttural from its hataf (nahagu: nehaguni).
  const int t = w.base();
  const int reduced = VowelFromEnd(stem, 1);
  if (w.binyan() == Binyan::Paal && (t == 1 || t == 3) && !IsFormTypeVariant(type) &&
      (IsShva(reduced) || IsHatafVowel(reduced)))
    SetP(stem, Qamats);
  if (!IsObjectPerson(r.person)) return 0;
  w.AddPlain(stem);
  return out.written ? 1 : 0;
}

int GenerateFuturePaal(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                       ObjectSuffixForms& out) {
  const Work w{r, form, type, out};
  const int q = r.person;
  const int t = w.base();
  if (IsSameSubjectObject(q, r.slot)) return 0;
  auto stem = [&](bool thirdForm) {
    FormPlanes s = w.Stem(StemSlotCode::Future, type);
    FixFutureStemEnd(s, t, q, r.slot, thirdForm);
    // A guttural's hataf before the reduced vowel opens (yeesof: yeesfeni).
    ExpandHatafBeforeShva(s.letters, s.vowels);
    return s;
  };
  const FormPlanes first = stem(false);
  switch (q) {
    case Me:
    case YouFs:
    case YouMp:
    case YouFp:
    case ThemM:
    case ThemF: w.AddPlain(first); break;
    case YouMs: {
      w.Add(first, w.Plain(), kStressLast);
      FormPlanes s = first;
      int letter = LetterFromEnd(s, 1);
      if (IsOneOf(t, {31, 32, 33, 36, 46, 47, 49, 55, 59}))
        SetP(s, ShvaFor(letter));
      else if (t == 37)
        SetP(s, IsGutturalLetter(letter) ? HatafSegol : Shva);
      else if (t == 42)
        SetP(s, HatafSegol);
      else if (t == 43)
        SetP(s, r.slot == FormSlot::Future1s ? HatafSegol : HatafPatah);
      w.AddWithLast(s, Segol, w.Plain(), kStressPenult);
      break;
    }
    case Him:
    case Her:
    case Us:
      AddFutureThirdPersons(w, first, q, VowelFromEnd(first, 0));
      if (q == Him) w.AddWithLast(first, HolamMale, kNoSuffix, kStressLast);
      if (q == Her) w.AddWithLast(first, Qamats, kHerMappiq, kStressLast);
      break;
    default: return 0;
  }
  if (t == 51 && r.slot == FormSlot::Future3ms && (q == YouMs || q == Him))
    w.AddWithLast(stem(true), Segol, q == Him ? kEnergicHim : w.Plain(), kStressPenult);
  return out.written ? 1 : 0;
}

int GenerateFuture(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                   ObjectSuffixForms& out) {
  const Work w{r, form, type, out};
  const int q = r.person;
  if (IsSameSubjectObject(q, r.slot)) return 0;
  auto stem = [&](bool second) {
    FormPlanes s = w.Stem(StemSlotCode::Future, type);
    DerivedStemEnd(s, w.binyan(), w.base(), q, second);
    return s;
  };
  const FormPlanes first = stem(false);
  switch (q) {
    case Me:
    case YouFs:
    case YouMp:
    case YouFp:
    case ThemM:
    case ThemF: w.AddPlain(first); break;
    case YouMs:
      w.Add(first, w.Plain(), kStressLast);
      w.Add(stem(true), w.Plain(), kStressPenult);
      break;
    case Him:
    case Her:
    case Us:
      AddFutureThirdPersons(w, first, q, VowelFromEnd(first, 0));
      if (q == Him) w.AddWithLast(first, HolamMale, kNoSuffix, kStressLast);
      if (q == Her) w.AddWithLast(first, Qamats, kHerMappiq, kStressLast);
      break;
    default: return 0;
  }
  return out.written ? 1 : 0;
}

int GenerateSecondFuture(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                         ObjectSuffixForms& out) {
  const Work w{r, form, type, out};
  const int q = r.person;
  const int t = w.base();
  if (IsSameSubjectObject(q, r.slot)) return 0;
  FormPlanes stem = w.Stem(StemSlotCode::SecondFuture, type);
  const int place = r.slot == FormSlot::Future2fs ? 2 : 1;
  if (w.binyan() == Binyan::Paal) {
    int vowel = 0;
    if (t == 7) vowel = Qubuts;
    if (t == 51 || t == 52) vowel = QamatsQatan;
    if (t == 53) vowel = Holam;
    if (IsOneOf(t, {34, 35})) vowel = Qamats;
    if (t == 37) vowel = HatafSegol;
    if (IsOneOf(t, {38, 48, 50, 57, 58}) && q != YouMp && q != YouFp) vowel = Qamats;
    if (vowel) SetFromEnd(stem, place, vowel);
  } else if (w.binyan() == Binyan::Hifil && t == 7) {
    SetFromEnd(stem, place, Hiriq);
  }
  if (!IsObjectPerson(q)) return 0;
  w.AddPlain(stem);
  if (q == Me && r.slot == FormSlot::Future2mp && w.binyan() == Binyan::Piel &&
      IsRoot(r.root, Dalet, Mem, He)) {
    FormPlanes s = w.Stem(StemSlotCode::SecondFuture, type);
    SetL(s, SilentShva);
    w.Add(s, kYuMe, kStressPenult);
  }
  return out.written ? 1 : 0;
}

int GenerateImperativeMs(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                         ObjectSuffixForms& out) {
  const Work w{r, form, type, out};
  const int q = r.person;
  if (!IsObjectPerson(q) || IsOneOf(q, {YouMs, YouFs, YouMp, YouFp})) return 0;
  FormPlanes stem = w.Stem(FormSlot::ImperativeMs, type);
  if (w.binyan() == Binyan::Paal)
    ImperativePaalStemEnd(stem, w.base());
  else
    DerivedStemEnd(stem, w.binyan(), w.base(), q, false);
  switch (q) {
    case Me:
    case Us: w.AddWithLast(stem, Tsere, w.Plain(), kStressPenult); break;
    case Him:
    case Her:
      AddFutureThirdPersons(w, stem, q, Tsere);
      if (q == Her) w.AddWithLast(stem, Qamats, kHerMappiq, kStressLast);
      break;
    case ThemM:
    case ThemF: w.AddWithLast(stem, Tsere, w.Plain(), kStressLast); break;
    default: return 0;
  }
  return out.written ? 1 : 0;
}

int GenerateImperative(const ObjectSuffixRequest& r, const FormPlanes& form, int type,
                       ObjectSuffixForms& out) {
  const Work w{r, form, type, out};
  const int q = r.person;
  if (!IsObjectPerson(q) || IsOneOf(q, {YouMs, YouFs, YouMp, YouFp})) return 0;
  FormPlanes stem = w.Stem(r.slot, type);
  const int place = r.slot == FormSlot::ImperativeFs ? 2 : 1;
  const int t = w.base();
  int vowel = 0;
  if (w.binyan() == Binyan::Paal) {
    if (t == 7) vowel = Qubuts;
    if (t == 51 || t == 52) vowel = QamatsQatan;
    if (t == 53) vowel = Holam;
    if (IsOneOf(t, {34, 35, 38, 48, 50, 58, 64})) vowel = Qamats;
    if (t == 37) vowel = HatafSegol;
  } else if (w.binyan() == Binyan::Hifil && t == 7) {
    vowel = Hiriq;
  }
  if (vowel) SetFromEnd(stem, place, vowel);
  w.AddPlain(stem);
  return out.written ? 1 : 0;
}
