#include "lexicon/core/VavInversive.h"

#include <cstring>
#include <initializer_list>

#include "hebtext/core/HebChar.h"
#include "lexicon/core/Binyan.h"
#include "lexicon/core/FormSlots.h"
#include "lexicon/core/FormStress.h"
#include "lexicon/core/GrammarLayout.h"
#include "lexicon/core/VerbFormGenerator.h"

using namespace HebCode;
using namespace GrammarLayout;
using namespace FormSlot;

namespace {

struct Root3 {
  BYTE a, b, c;
};

struct RootVowel {
  Root3 root;
  BYTE vowel;
};

// The roots as the verb index writes them: shin and sin with their dots, a
// last letter that has a final form in it.
const Root3 kHollowPatahRoots[] = {{ShinShinDot, Yod, Resh}, {Ayin, Yod, Tet}};
const Root3 kAlefSegolRoots[] = {{Alef, Mem, Resh}, {Alef, Het, Zayin}};
const Root3 kNifalHeDropping[] = {{Gimel, Lamed, He}, {Het, Tsadi, He},       {Mem, Het, He},
                                  {Nun, Tsadi, He},   {Ayin, ShinSinDot, He}, {Pe, Tav, He},
                                  {Qof, Resh, He},    {Resh, Alef, He}};
const Root3 kPielSegolRoots[] = {{Bet, Resh, FinalKaf}, {Gimel, Resh, ShinShinDot}};
const RootVowel kPielHeDropping[] = {
    {{Alef, Vav, He}, Patah},        {{Gimel, Lamed, He}, Patah},     {{Het, Lamed, He}, Patah},
    {{Het, Pe, He}, Patah},          {{Kaf, Lamed, He}, Patah},       {{Kaf, Samekh, He}, Patah},
    {{Mem, Nun, He}, Patah},         {{Nun, Samekh, He}, Patah},      {{Ayin, Resh, He}, Patah},
    {{Pe, Kaf, He}, Patah},          {{Tsadi, Vav, He}, Patah},       {{Tsadi, Pe, He}, Patah},
    {{Qof, Vav, He}, Patah},         {{Qof, ShinShinDot, He}, Patah}, {{Resh, Dalet, He}, Patah},
    {{ShinShinDot, Vav, He}, Patah}, {{Tav, Vav, He}, Qamats}};
const RootVowel kHitpaelHeDropping[] = {
    {{Alef, Vav, He}, Patah},   {{Gimel, Lamed, He}, Patah}, {{Gimel, Resh, He}, Qamats},
    {{Het, Lamed, He}, Qamats}, {{Het, Resh, He}, Patah},    {{Yod, Pe, He}, Patah},
    {{Kaf, Samekh, He}, Patah}, {{Ayin, Lamed, He}, Patah},  {{Qof, ShinShinDot, He}, Patah},
    {{Resh, Ayin, He}, Patah}};
const Root3 kKafTavTav{Kaf, Tav, Tav};
const Root3 kReshMemMem{Resh, Mem, FinalMem};
const Root3 kSinReshResh{ShinSinDot, Resh, Resh};
const Root3 kLamedHetMem{Lamed, Het, FinalMem};
const Root3 kKafSamekhHe{Kaf, Samekh, He};

bool IsRoot(const BYTE* entry, const Root3& root) {
  const BYTE* r = GetEntryRoot(entry);
  return r[0] == root.a && r[1] == root.b && r[2] == root.c;
}

template <size_t N>
bool InList(const BYTE* entry, const Root3 (&list)[N]) {
  for (const Root3& root : list)
    if (IsRoot(entry, root)) return true;
  return false;
}

template <size_t N>
const RootVowel* FindIn(const BYTE* entry, const RootVowel (&list)[N]) {
  for (const RootVowel& item : list)
    if (IsRoot(entry, item.root)) return &item;
  return nullptr;
}

int ThirdRootLetter(const BYTE* entry) { return GetEntryRoot(entry)[2]; }

// The prefix letter after vav-patah is doubled, except a yod with shva
// (vayedaber, vayehi).
bool TakesDoublingDagesh(BYTE letter, BYTE vowel) {
  return IsDageshableLetter(letter) && !(IsYodForm(letter) && IsShva(vowel));
}

// One alternative being rewritten, with L its last letter.
struct Work {
  FormPlanes& f;
  bool trailingComma() const { return f.length > 0 && f.letters[f.length - 1] == ','; }
  int L() const { return f.length - (trailingComma() ? 2 : 1); }
  BYTE outside = 0;  // what a position before the first letter reads and takes
  BYTE& V(int i) {
    outside = 0;
    return i >= 0 && i < f.length ? f.vowels[i] : outside;
  }
  int Letter(int i) const { return i >= 0 && i < f.length ? f.letters[i] : 0; }
  void Stress(int code) { ApplyStressPosition(f.letters, f.vowels, code); }
  void DropLast() {
    int last = L();
    if (last < 0) return;
    f.Remove(last);
  }
  // The letter now last: no vowel, final form, a final kaf with shva.
  void CloseLast(bool removeDagesh) {
    int last = L();
    if (last < 0) return;
    BYTE& letter = f.letters[last];
    f.vowels[last] = 0;
    if (removeDagesh && IsDageshLetter(letter)) letter = static_cast<BYTE>(RemoveDagesh(letter));
    if (HasFinalForm(letter)) letter = static_cast<BYTE>(RegularToFinalLetter(letter));
    if (IsFinalKafForm(letter)) f.vowels[last] = Shva;
  }
};

// The final he drops, with the vowel before it set when setVowel; the form
// is marked changed, as it is by SegolLastPenultStress.
void HeDropping(Work& w, WORD& changed, BYTE vowel, bool setVowel, int stress) {
  changed = 1;
  int last = w.L();
  w.DropLast();
  if (setVowel && last >= 2) w.V(last - 2) = vowel;
  w.CloseLast(setVowel);
  w.Stress(stress);
}

// The last vowel becomes segol and the stress moves back a syllable.
void SegolLastPenultStress(Work& w, WORD& changed) {
  changed = 1;
  if (w.L() >= 1) w.V(w.L() - 1) = Segol;
  w.Stress(kStressPenult);
}

void PaalRule(Work& w, WORD& changed, const BinyanRootRec& record, const BYTE* entry, int slot,
              int alternative) {
  int L = w.L();
  if (L < 1) return;
  if (IsRootInSetB(record, Binyan::Paal)) {
    if (IsHolamMale(w.V(L - 1)) || IsHolamForm(w.V(L - 1))) return;
    if (IsGutturalLetter(w.Letter(L))) {
      w.V(L - 1) = Patah;
      w.V(L) = 0;
    } else if (IsShuruk(w.V(L - 1))) {
      w.V(L - 1) = QamatsQatan;
    } else if (IsYodForm(w.Letter(L - 1)) && IsHiriqForm(w.V(L - 2))) {
      w.V(L - 2) = InList(entry, kHollowPatahRoots) ? Patah : Segol;
      w.f.Remove(L - 1);
    } else {
      return;
    }
    changed = 1;
    w.Stress(kStressPenult);
    return;
  }
  if (IsRootInSetC(record, Binyan::Paal)) {
    if (IsRoot(entry, kKafTavTav) && slot == Future1s) {
      changed = 1;
      w.V(L - 2) = Segol;
      if (IsDageshableLetter(w.Letter(L - 1)))
        w.f.letters[L - 1] = static_cast<BYTE>(AddDagesh(w.f.letters[L - 1]));
    } else if (IsRoot(entry, kReshMemMem)) {
      changed = 1;
      w.V(L - 1) = Qubuts;
      w.Stress(kStressPenult);
    } else if (IsRoot(entry, kSinReshResh) && slot == Future3ms) {
      changed = 1;
      w.V(L - 1) = alternative == 0 ? QamatsQatan : Patah;
      w.Stress(kStressPenult);
    } else if (L == 2 && !IsGutturalLetter(w.Letter(2))) {
      // Only the qamats-prefixed future shortens (וַיָּסָב); the one with the
      // first letter doubled keeps its holam (וַתִּתֹּם).
      if (IsHolamForm(w.V(1)) && IsQamatsForm(w.V(0)))
        w.V(1) = QamatsQatan;
      else if (IsPatahForm(w.V(1)))
        w.V(1) = Segol;
      else
        return;
      changed = 1;
      w.Stress(kStressPenult);
    }
    return;
  }
  if (InList(entry, kAlefSegolRoots)) {
    if (IsPatahForm(w.V(L - 1))) w.V(L - 1) = Segol;
    changed = 1;
    w.Stress(kStressPenult);
    return;
  }
  if (IsVavInversiveShortRoot(record, Binyan::Paal)) {
    bool stressBefore = IsTsereForm(w.V(L - 2));
    if (!IsGutturalLetter(ThirdRootLetter(entry)) && IsTsereForm(w.V(L - 1))) {
      w.V(L - 1) = Segol;
      changed = 1;
    }
    if (stressBefore) w.Stress(kStressPenult);
  }
}

// The Hifil's yod before the last letter goes. The vowel before it follows
// the given letter: a quiescent alef keeps the tsere (as in וַיּוֹצֵא),
// another guttural takes patah and loses its own vowel, the rest take
// otherVowel.
void DropHifilYod(Work& w, int letter, BYTE otherVowel, int stress) {
  int L = w.L();
  if (IsAlef(letter)) {
    w.V(L - 2) = Tsere;
  } else if (IsGutturalLetter(letter)) {
    w.V(L - 2) = Patah;
    w.V(L) = 0;
  } else {
    w.V(L - 2) = otherVowel;
  }
  w.f.Remove(L - 1);
  w.Stress(stress);
}

void HifilRule(Work& w, WORD& changed, const BinyanRootRec& record, const BYTE* entry) {
  int L = w.L();
  if (L < 2) return;
  if (IsRootInSetB(record, Binyan::Hifil)) {
    changed = 1;
    DropHifilYod(w, w.Letter(L), Segol, kStressPenult);
    return;
  }
  if (IsRootInSetC(record, Binyan::Hifil) && L == 2) {
    if (IsGutturalLetter(w.Letter(2))) return;
    if (!IsTsereForm(w.V(1)) && !IsPatahForm(w.V(1))) return;
    w.V(1) = Segol;
    changed = 1;
    w.Stress(kStressPenult);
    return;
  }
  if (IsVavInversiveShortRoot(record, Binyan::Hifil)) {
    changed = 1;
    DropHifilYod(w, ThirdRootLetter(entry), Segol, kStressPenult);
    return;
  }
  if (IsYodForm(w.Letter(L - 1)) && w.V(L - 1) == 0 && IsHiriqForm(w.V(L - 2))) {
    changed = 1;
    DropHifilYod(w, w.Letter(L), Tsere, kStressLast);
  }
}

void FutureBinyanRule(Work& w, WORD& changed, int alternative, int slot, int binyan,
                      const BinyanRootRec& record, const BYTE* entry) {
  if (!IsVavInversiveSlot(slot)) return;
  switch (binyan) {
    case Binyan::Paal: PaalRule(w, changed, record, entry, slot, alternative); break;
    case Binyan::Nifal:
      if (InList(entry, kNifalHeDropping)) {
        HeDropping(w, changed, 0, false, kStressPenult);
      } else if (IsRoot(entry, kLamedHetMem)) {
        SegolLastPenultStress(w, changed);
      }
      break;
    case Binyan::Piel:
      if (const RootVowel* root = FindIn(entry, kPielHeDropping)) {
        HeDropping(w, changed, root->vowel, true, kStressLast);
      } else if (InList(entry, kPielSegolRoots)) {
        SegolLastPenultStress(w, changed);
      }
      break;
    case Binyan::Hitpael:
      if (const RootVowel* root = FindIn(entry, kHitpaelHeDropping)) {
        HeDropping(w, changed, root->vowel, true, kStressPenult);
      }
      break;
    case Binyan::Hifil: HifilRule(w, changed, record, entry); break;
    default: break;
  }
}

// The short future form of the class (row "short"), each of its parts
// behind its own conjunction.
int WriteShortForm(GrammarContext& context, const VerbRootRun& shortRun, FormPlanes& out, int start,
                   WORD& changed, int slot, int binyan, const BYTE* entry) {
  BYTE root[6] = {};
  std::memcpy(root, GetEntryRoot(entry), 5);
  NormalizeFinalLetters(root);
  VerbFormOptions options;
  options.shortForms = true;
  options.stressArgument = 1;
  // Hifil's short forms are built under Pual's number, which gives them none
  // of the rules of Hifil's classes.
  const HebWordRec shortForm =
      *BuildVerbForm(context, shortRun, 0, entry, root, VavInversiveSlot(slot, binyan),
                     binyan == Binyan::Paal ? Binyan::Paal : Binyan::Pual, options);
  changed = 1;
  FormPlanes all = FormPlanes::FromRecord(shortForm);
  BYTE conjunction[3] = {out.letters[start], out.vowels[start], out.marks[start]};
  int i = 0;
  bool firstPart = true;
  while (i < all.length) {
    int end = i;
    while (end < all.length && all.letters[end] != ',') ++end;
    if (!firstPart) {
      out.Append(',', 0, 0);
      out.Append(conjunction[0], conjunction[1], conjunction[2]);
    }
    FormPlanes part;
    part.AppendRange(all, i, end - i);
    // A segol before a last het or ayin is a patah (וַיִּמַח, וַיַּטַע).
    int last = part.length - 1;
    if (last >= 1 && IsGutturalLetter(part.letters[last]) && !IsAlef(part.letters[last]) &&
        IsSegolForm(part.vowels[last - 1]))
      part.vowels[last - 1] = Patah;
    if (slot != Future1s && part.length > 0 && TakesDoublingDagesh(part.letters[0], part.vowels[0]))
      part.letters[0] = static_cast<BYTE>(AddDagesh(part.letters[0]));
    ApplyStressPosition(part.letters, part.vowels, kStressPenult);
    out.AppendRange(part, 0, part.length);
    firstPart = false;
    i = end + 1;
  }
  return out.length - start;
}

}  // namespace

bool FindShortFormRecord(const BYTE* entry, int binyan, VerbRootRun& shortRun) {
  shortRun.count = 0;
  if (!entry || (binyan != Binyan::Paal && binyan != Binyan::Hifil)) return false;
  WORD id = GetVerbBinyanWord(entry, kShortFutureRow) & kBinyanClassMask;
  if (!id || !FindVerbRootRun(kShortFutureRow, id, shortRun)) return false;
  int group = binyan == Binyan::Paal ? TenseGroup::Present : TenseGroup::Imperative;
  if (shortRun.records[0].patterns[group] == 0) {
    shortRun.count = 0;
    return false;
  }
  return true;
}

int ApplyVavInversiveRule(GrammarContext& context, int alternative, FormPlanes& work,
                          FormPlanes& out, WORD& changed, int group, int slot, int binyan,
                          const BinyanRootRec& record, const BYTE* entry, bool& end) {
  if (work.length == 0 || work.letters[0] == ',') return 0;
  int start = out.length;
  Work w{work};
  if (group == TenseGroup::Past) {
    BYTE first = work.letters[0];
    BYTE& firstVowel = work.vowels[0];
    if (IsYodForm(first) && IsShva(firstVowel)) {
      out.Append(Vav, Hiriq, 0);
      firstVowel = 0;
    } else if (IsHatafVowel(firstVowel)) {
      out.Append(Vav, static_cast<BYTE>(HatafToFullVowel(firstVowel)), 0);
    } else if (!IsNoVowelOrShva(firstVowel) && !IsLabialLetter(first)) {
      out.Append(Vav, Shva, 0);
    } else {
      out.Append(Shuruk, Shuruk, 0);
    }
    if (IsBegadkefatLetter(work.letters[0]) && IsDageshLetter(work.letters[0]))
      work.letters[0] = static_cast<BYTE>(RemoveDagesh(work.letters[0]));
    out.AppendRange(work, 0, work.length);
    if (!IsRootInSetA(record, binyan)) {
      FormPlanes written;
      written.AppendRange(out, start, out.length - start);
      ApplyStressPosition(written.letters, written.vowels,
                          slot == Past1p ? kStressPenult : kStressLast);
      std::memcpy(out.vowels + start, written.vowels, written.length);
    }
    return out.length - start;
  }

  if (slot == Future1s) {
    out.Append(Vav, Qamats, 0);
  } else {
    out.Append(Vav, Patah, 0);
    if (TakesDoublingDagesh(work.letters[0], work.vowels[0]))
      work.letters[0] = static_cast<BYTE>(AddDagesh(work.letters[0]));
  }
  if (IsRootInSetA(record, binyan) && (binyan == Binyan::Paal || binyan == Binyan::Hifil)) {
    VerbRootRun shortRun;
    if (IsVavInversiveSlot(slot) && FindShortFormRecord(entry, binyan, shortRun)) {
      end = true;
      return WriteShortForm(context, shortRun, out, start, changed, slot, binyan, entry);
    }
  } else {
    FutureBinyanRule(w, changed, alternative, slot, binyan, record, entry);
  }
  out.AppendRange(work, 0, work.length);
  return out.length - start;
}

void MakeVavInversiveForm(GrammarContext& context, HebWordRec& word, const BinyanRootRec& record,
                          const BYTE* entry, int slot, int binyan, int flag) {
  FormPlanes all = FormPlanes::FromRecord(word);
  FormPlanes parts[kMaxWordParts];
  int count = 0;
  for (int i = 0; i <= all.length && count < kMaxWordParts;) {
    int end = i;
    while (end < all.length && all.letters[end] != ',') ++end;
    // A part keeps the ',' that follows it when another part follows.
    int take = end < all.length ? end - i + 1 : end - i;
    parts[count++].AppendRange(all, i, take);
    i = end + 1;
  }
  if (IsRoot(entry, kSinReshResh) && slot == Future3ms && flag == 0 && count == 1) {
    parts[0].Append(',', 0, 0);
    parts[1] = parts[0];
    parts[1].Truncate(parts[1].length - 1);
    count = 2;
  }
  if (IsRoot(entry, kKafSamekhHe) && binyan == Binyan::Hitpael && IsVavInversiveSlot(slot)) {
    FormPlanes& main = parts[0];
    if (main.length > 0 && main.letters[main.length - 1] == ',') main.Truncate(main.length - 1);
    main.Truncate(main.length - 1);
    count = 1;
  }

  int group = GetTenseGroup(slot);
  FormPlanes out;
  WORD changed = word.spare[1];
  for (int k = 0; k < count; ++k) {
    bool end = false;
    if (ApplyVavInversiveRule(context, k, parts[k], out, changed, group, slot, binyan, record,
                              entry, end) == 0)
      out.Append(',', 0, 0);
    if (end) break;
  }
  out.ToRecord(word);
  word.spare[1] = changed;
}
