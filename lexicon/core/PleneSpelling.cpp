#include "lexicon/core/PleneSpelling.h"

#include "hebtext/core/HebChar.h"
#include "lexicon/core/Binyan.h"
#include "lexicon/core/FormSlots.h"
#include "lexicon/core/FormStress.h"
#include "lexicon/core/HebWordRec.h"

using namespace HebCode;
using namespace FormSlot;

namespace {

bool IsPlainYodForm(int c) { return IsYodForm(c) && !IsYodVariantB(c); }

struct PleneReader {
  const FormPlanes& in;
  int Letter(int i) const { return i >= 0 && i < in.length ? in.letters[i] : 0; }
  int Vowel(int i) const {
    if (i < 0 || i >= in.length) return 0;
    return in.vowels[i] == 0 ? ExplicitNoVowel : in.vowels[i];
  }
  bool IsVowelVav(int i) const {
    return IsVav(Letter(i)) && (IsHolamMale(Vowel(i)) || IsShuruk(Vowel(i)));
  }
  bool IsBareAlef(int i) const { return IsAlef(Letter(i)) && IsNoVowelOrShva(Vowel(i)); }
};

// The yod of Piel and Pual forms whose shva stands on a yod root letter,
// and the doubled yod of Hitpael forms (mitkayemim, mitbayshim).
bool DoublesVerbYod(int letter, int i, int rootLetters, int slot, int binyan) {
  if (binyan == Binyan::Hitpael) return IsDageshLetter(letter) != 0;
  if (binyan == Binyan::Piel)
    return (IsOneOf(slot, {PresentMp, PresentFp, Future2fs, Future2mp, Future3mp}) &&
            i == rootLetters - 1) ||
           (IsOneOf(slot, {Past3fs, Past3p, ImperativeFs, ImperativeMp}) && i == rootLetters - 2);
  if (binyan == Binyan::Pual)
    return (IsOneOf(slot, {Past3fs, Past3p}) && i == rootLetters - 2) ||
           (IsOneOf(slot, {Future2fs, Future2mp, Future3mp}) && i == rootLetters - 1);
  return false;
}

// Whether a hiriq or tsere at i is written with a yod, by binyan.
bool HiriqTakesYod(const PleneReader& r, int i, int rootLetters, int slot, int binyan) {
  switch (binyan) {
    case Binyan::Nifal:
      // A hiriq before a doubled letter is written with a yod (ניגשה, איוולד).
      if (i == 0 && (IsSlotBetween(slot, Future2ms, ImperativeFp) || slot == Future3fs ||
                     (slot == Future1s && IsHiriqForm(r.Vowel(0)) && IsDageshLetter(r.Letter(1)))))
        return true;
      if (i == 0 && IsSlotBetween(slot, PresentMs, Past3p) &&
          (!IsNoVowelOrShva(r.Vowel(1)) || IsDageshLetter(r.Letter(1))))
        return true;
      return i == 1 && slot == Infinitive;
    case Binyan::Piel: return i == 0 && IsSlotBetween(slot, Past1s, Past3p) && rootLetters <= 4;
    case Binyan::Hitpael:
      return i == (slot == Infinitive ? 1 : 0) && !IsNoVowelOrShva(r.Vowel(i + 1));
    default: return false;
  }
}

}  // namespace

void ConvertToPleneSpelling(FormPlanes& form, const PleneOptions& options) {
  if (form.length == 0) return;
  const int rootLetters = options.rootLetters, slot = options.slot, binyan = options.binyan;
  const FormPlanes copy = form;
  PleneReader r{copy};
  FormPlanes first;
  bool fits = true;
  int n = copy.length;
  for (int i = 0; i < n && fits; ++i) {
    int letter = r.Letter(i), vowel = r.Vowel(i), next = r.Letter(i + 1),
        nextVowel = r.Vowel(i + 1);
    fits = first.Append(static_cast<BYTE>(letter), static_cast<BYTE>(vowel), copy.marks[i]);
    if (!fits) break;
    BYTE& written = first.vowels[first.length - 1];
    bool insertAlef = false, insertYod = false;
    switch (vowel) {
      case QamatsQatan:
      case StressedQamatsQatan: {
        bool keep = r.IsVowelVav(i + 1) ||
                    (!IsQamatsQatan(nextVowel) && nextVowel != HatafQamats &&
                     (r.IsBareAlef(i + 1) ||
                      (i > 0 && (IsHolamMale(r.Vowel(i - 1)) || IsQamatsQatan(r.Vowel(i - 1))))));
        if (!keep) written = vowel == StressedQamatsQatan ? StressedHolamMale : HolamMale;
        break;
      }
      case StressedHolam:
      case Holam: {
        bool keep = r.IsVowelVav(i + 1) || (IsHe(next) && IsNoVowel(nextVowel) && i + 1 == n - 1) ||
                    (r.IsBareAlef(i + 1) && i + 1 != n - 1);
        if (!keep) written = vowel == StressedHolam ? StressedHolamMale : HolamMale;
        break;
      }
      case QamatsQatanAlef:
      case QamatsAlef:
      case StressedQamatsAlef:
      case PatahAlef:
      case StressedPatahAlef: insertAlef = true; break;
      case SegolYod:
      case StressedSegolYod:
      case HiriqYod:
      case StressedHiriqYod:
      case TsereYod:
      case StressedTsereYod:
      case QamatsYod:
      case StressedQamatsYod:
      case PatahYod:
      case StressedPatahYod:
        insertYod = !(IsYodForm(letter) && IsYodForm(next)) &&
                    !(!IsYodForm(letter) && IsYodForm(next) &&
                      (IsHolamMale(nextVowel) || IsShuruk(nextVowel) || IsQubutsForm(nextVowel) ||
                       IsHolamForm(nextVowel) || IsQamatsQatan(nextVowel)));
        break;
      case VocalShva:
      case SilentShva:
      case Shva:
        if (i > 0 && IsYodForm(letter) && !IsYodForm(next) &&
            DoublesVerbYod(letter, i, rootLetters, slot, binyan))
          insertYod = true;
        if ((letter == YodDouble || letter == YodDoubleDagesh) &&
            !(options.code == kStressFourthFromEnd && IsYodForm(next) && nextVowel == VocalShva))
          insertYod = true;
        break;
      case HatafQamats:
        if (i == 0 && !r.IsVowelVav(1)) written = HolamMale;
        break;
      case Hiriq:
      case Tsere:
      case StressedHiriq:
      case StressedTsere:
        // Before a yod the vowel takes no yod of its own (kiyem, kiymu).
        if (!IsPlainYodForm(next)) insertYod = HiriqTakesYod(r, i, rootLetters, slot, binyan);
        break;
      case Qamats:
      case StressedQamats:
        if (nextVowel == HatafQamats && !r.IsVowelVav(i + 1) &&
            !(i > 0 && r.Vowel(i - 1) == HolamVariant))
          written = vowel == StressedQamats ? StressedHolamMale : HolamMale;
        break;
      case Qubuts:
      case StressedQubuts:
        if (!r.IsVowelVav(i + 1)) written = vowel == StressedQubuts ? StressedShuruk : Shuruk;
        break;
      default: break;
    }
    if (insertAlef) fits = first.Append(Alef, ExplicitNoVowel, 0);
    if (insertYod && fits) fits = first.Append(Yod, ExplicitNoVowel, 0);
  }

  FormPlanes out;
  PleneReader f{first};
  int m = first.length;
  for (int i = 0; i < m && fits; ++i) {
    fits = out.Append(first.letters[i], first.vowels[i], first.marks[i]);
    if (!fits || i == 0 || i == m - 1) continue;
    int letter = f.Letter(i), vowel = f.Vowel(i), prev = f.Letter(i - 1),
        prevVowel = f.Vowel(i - 1);
    int next = f.Letter(i + 1), nextVowel = f.Vowel(i + 1);
    if (IsVav(letter) && !IsHolamMale(vowel) && !IsShuruk(vowel) && !IsHolamMale(prevVowel) &&
        !IsShuruk(prevVowel) && prevVowel != HolamVariant && !IsVav(prev) && !IsVav(next)) {
      fits = out.Append(Vav, ExplicitNoVowel, 0);
      continue;
    }
    if (!options.doubleYod || !IsPlainYodForm(letter) || IsNoVowelOrShva(vowel)) continue;
    bool keepSingle =
        IsHolamMale(vowel) || IsShuruk(vowel) || IsYodForm(prev) || IsYodForm(next) ||
        IsSpaceOrHyphen(prev) || (IsHe(next) && IsNoVowel(nextVowel) && i + 1 == m - 1) ||
        f.IsBareAlef(i + 1) || (IsPatahForm(prevVowel) && IsHiriqForm(vowel)) ||
        (i == 1 && (((IsBet(prev) || IsLamed(prev) || IsKaf(prev)) && IsShva(prevVowel)) ||
                    (IsMem(prev) && IsHiriqForm(prevVowel))));
    if (!keepSingle) fits = out.Append(Yod, ExplicitNoVowel, 0);
  }
  if (!fits) return;
  ClearVowelPlaceholders(out.vowels, out.length);
  form = out;
}
