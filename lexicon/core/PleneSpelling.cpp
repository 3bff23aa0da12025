#include "lexicon/core/PleneSpelling.h"

#include "hebtext/core/HebChar.h"
#include "lexicon/core/FormSlots.h"
#include "lexicon/core/HebWordRec.h"

using namespace HebCode;

namespace {

constexpr int kYodDouble = 132;
constexpr int kYodDoubleAlt = 133;
constexpr int kHolamVariant = 145;

bool IsPlainYodForm(int c) { return IsYodForm(c) && c != 146 && c != 147; }

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
  if (binyan == 4) return IsDageshLetter(letter) != 0;
  if (binyan == 2)
    return (IsOneOf(slot, {3, 4, 16, 19, 21}) && i == rootLetters - 1) ||
           (IsOneOf(slot, {9, 13, 23, 24}) && i == rootLetters - 2);
  if (binyan == 3)
    return (IsOneOf(slot, {9, 13}) && i == rootLetters - 2) ||
           (IsOneOf(slot, {16, 19, 21}) && i == rootLetters - 1);
  return false;
}

// Whether a hiriq or tsere at i is written with a yod, by binyan.
bool HiriqTakesYod(const PleneReader& r, int i, int rootLetters, int slot, int binyan) {
  switch (binyan) {
    case 1:
      // A hiriq before a doubled letter is written with a yod (ניגשה, איוולד).
      if (i == 0 && ((slot >= 15 && slot <= 25) || slot == 30 ||
                     (slot == 14 && IsHiriqForm(r.Vowel(0)) && IsDageshLetter(r.Letter(1)))))
        return true;
      if (i == 0 && slot >= 1 && slot <= 13 &&
          (!IsNoVowelOrShva(r.Vowel(1)) || IsDageshLetter(r.Letter(1))))
        return true;
      return i == 1 && slot == 0;
    case 2:
      return i == 0 && slot >= 5 && slot <= 13 && rootLetters <= 4;
    case 4:
      return i == (slot == 0 ? 1 : 0) && !IsNoVowelOrShva(r.Vowel(i + 1));
    default:
      return false;
  }
}

}  // namespace

void ConvertToPleneSpelling(int rootLetters, FormPlanes& form, int slot, int binyan, int code,
                            int yodDoubling) {
  if (form.length == 0) return;
  const FormPlanes copy = form;
  PleneReader r{copy};
  FormPlanes first;
  bool fits = true;
  int n = copy.length;
  for (int i = 0; i < n && fits; ++i) {
    int letter = r.Letter(i), vowel = r.Vowel(i), next = r.Letter(i + 1), nextVowel = r.Vowel(i + 1);
    fits = first.Append(static_cast<BYTE>(letter), static_cast<BYTE>(vowel), copy.marks[i]);
    if (!fits) break;
    BYTE& written = first.vowels[first.length - 1];
    bool insertAlef = false, insertYod = false;
    switch (vowel) {
      case 128:
      case 129: {
        bool keep = r.IsVowelVav(i + 1) ||
                    (!IsQamatsQatan(nextVowel) && nextVowel != HatafQamats &&
                     (r.IsBareAlef(i + 1) ||
                      (i > 0 && (IsHolamMale(r.Vowel(i - 1)) || IsQamatsQatan(r.Vowel(i - 1))))));
        if (!keep) written = vowel == 129 ? StressedHolamMale : HolamMale;
        break;
      }
      case 131:
      case Holam: {
        bool keep = r.IsVowelVav(i + 1) ||
                    (IsHe(next) && IsNoVowel(nextVowel) && i + 1 == n - 1) ||
                    (r.IsBareAlef(i + 1) && i + 1 != n - 1);
        if (!keep) written = vowel == 131 ? StressedHolamMale : HolamMale;
        break;
      }
      case 136: case 150: case 151: case 152: case 153:
        insertAlef = true;
        break;
      case 138: case 140: case 141: case 142: case 143: case 144:
      case 148: case 149: case 154: case 155:
        insertYod = !(IsYodForm(letter) && IsYodForm(next)) &&
                    !(!IsYodForm(letter) && IsYodForm(next) &&
                      (IsHolamMale(nextVowel) || IsShuruk(nextVowel) || IsQubutsForm(nextVowel) ||
                       IsHolamForm(nextVowel) || IsQamatsQatan(nextVowel)));
        break;
      case 156: case 157: case Shva:
        if (i > 0 && IsYodForm(letter) && !IsYodForm(next) &&
            DoublesVerbYod(letter, i, rootLetters, slot, binyan))
          insertYod = true;
        if ((letter == kYodDouble || letter == kYodDoubleAlt) &&
            !(code == 103 && IsYodForm(next) && nextVowel == 156))
          insertYod = true;
        break;
      case HatafQamats:
        if (i == 0 && !r.IsVowelVav(1)) written = HolamMale;
        break;
      case Hiriq: case Tsere: case 212: case 213:
        // Before a yod the vowel takes no yod of its own (kiyem, kiymu).
        if (!IsPlainYodForm(next))
          insertYod = HiriqTakesYod(r, i, rootLetters, slot, binyan);
        break;
      case Qamats:
      case 216:
        if (nextVowel == HatafQamats && !r.IsVowelVav(i + 1) &&
            !(i > 0 && r.Vowel(i - 1) == kHolamVariant))
          written = vowel == 216 ? StressedHolamMale : HolamMale;
        break;
      case Qubuts:
      case 219:
        if (!r.IsVowelVav(i + 1)) written = vowel == 219 ? StressedShuruk : Shuruk;
        break;
      default:
        break;
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
    int letter = f.Letter(i), vowel = f.Vowel(i), prev = f.Letter(i - 1), prevVowel = f.Vowel(i - 1);
    int next = f.Letter(i + 1), nextVowel = f.Vowel(i + 1);
    if (IsVav(letter) && !IsHolamMale(vowel) && !IsShuruk(vowel) && !IsHolamMale(prevVowel) &&
        !IsShuruk(prevVowel) && prevVowel != kHolamVariant && !IsVav(prev) && !IsVav(next)) {
      fits = out.Append(Vav, ExplicitNoVowel, 0);
      continue;
    }
    if (!yodDoubling || !IsPlainYodForm(letter) || IsNoVowelOrShva(vowel)) continue;
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
