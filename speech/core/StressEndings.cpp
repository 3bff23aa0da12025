#include "speech/core/StressEndings.h"

#include <algorithm>

#include "hebtext/core/HebChar.h"
#include "speech/core/CodeSets.h"
#include "speech/core/WordPatterns.h"

namespace {

using namespace HebCode;

// The o and e vowels before a segolate's last syllable.
bool IsHolamOrSegolLike(int c) { return IsAnyOf(c, {HolamVariant, Segol, Holam, HolamMale}); }

// clang-format off
const WordPattern* IyaWords() {
  static const WordPatternList list({
      u8"אַפלָיָה", u8"אַשׁכְּנַזִּיָה", u8"אַשׁלָיָה", u8"בַּרוָזִיָּה", u8"בְּרֵכִיָה",
      u8"הוֹדָיָה", u8"הֲזָיָה", u8"הַטָּיָה", u8"הַלוָיָה", u8"הַלְלוּיָה", u8"הַעֲוָיָה",
      u8"הַפלָיָה", u8"הַפנָיָה", u8"הַפרָיָה", u8"הַקנָיָה", u8"הַשׁהָיָה", u8"הַשׁלָיָה",
      u8"הַתעָיָה", u8"חַברַיָּה", u8"חֵברַיָּה", u8"חֶשׁבּוֹנִיָּה", u8"יַמִּיָּה",
      u8"כַּרטִיסִיָה", u8"לַחמָנִיָּה", u8"מַסגֵּרִיָּה", u8"מֶרכָּזִיָּה", u8"נַגָּרִיָּה",
      u8"נַפָּחִיָּה", u8"נַקנִיקִיָּה", u8"סַבּוֹנִיָּה", u8"סִימָנִיָּה", u8"סוּכָּרִיָּה",
      u8"סַנדְּלָרִיָּה", u8"סוּפגָּנִיָּה", u8"עַגְבָנִיָּה", u8"עִרבּוּבִיָּה", u8"פֶּחָחִיָּה",
      u8"פָּמַליָה", u8"פַּרהֶסיָה", u8"פְּרַקמַטיָה", u8"צַלמוֹנִיָּה", u8"צַלמָנִיָּה",
      u8"צִמחוֹנִיָּה", u8"צַרְכָנִיָּה", u8"רַוָּקִיָּה", u8"רַצעָנִיָּה", u8"שַׁעֲוָנִיָּה",
      u8"שַׁעֲרוּרִיָּה", u8"תַּמרוּקִיָּה", u8"תַּקלִיטִיָּה",
  });
  return list.Patterns();
}

const WordPattern* IkuItuWords() {
  static const WordPatternList list({
      u8"הִכּוּ", u8"נִטוּ",
  });
  return list.Patterns();
}
// clang-format on

// The shapes of a word's end that the ending rules build on.

// -im after hiriq: yod without vowel and final mem, hiriq or none before.
bool ImAfterHiriq(const WordView& w) {
  const int n = w.Last();
  return n >= 2 && IsYodForm(w.L(n - 1)) && w.L(n) == FinalMem && IsNoVowel(w.V(n)) &&
         IsNoVowel(w.V(n - 1)) && IsHiriqOrNoVowel(w.V(n - 2));
}

// -it or -im after hiriq.
bool ItOrImAfterHiriq(const WordView& w) {
  const int n = w.Last();
  return n >= 2 && IsYodForm(w.L(n - 1)) && (w.L(n) == FinalMem || IsTav(w.L(n))) &&
         IsNoVowel(w.V(n)) && IsNoVowel(w.V(n - 1)) && IsHiriqOrNoVowel(w.V(n - 2));
}

// -ah, or -ot / -ut.
bool AhOrOtUtEnding(const WordView& w) {
  const int n = w.Last();
  const bool ah = n >= 2 && IsHe(w.L(n)) && IsQamatsForm(w.V(n - 1)) && IsNoVowel(w.V(n));
  const bool otUt = n >= 1 && IsTav(w.L(n)) && IsNoVowel(w.V(n)) &&
                    (IsHolamMale(w.V(n - 1)) || IsShuruk(w.V(n - 1)));
  return ah || otUt;
}

// The last letter a he after qamats or a tav after holam male (-ah, -ot).
bool AhOrOtLetter(const WordView& w) {
  const int n = w.Last();
  return (IsHe(w.L(n)) && IsQamatsForm(w.V(n - 1))) || (IsTav(w.L(n)) && IsHolamMale(w.V(n - 1)));
}

// An ending rule: letter and vowel tests at positions counted back from the
// last letter, on a word with at least minLast + 1 letters, and optionally a
// shape of the word's end. A missing test accepts anything.
using ClassTest = int (*)(int);  // the shape of HebChar.h's class tests
using EndTest = bool (*)(const WordView&);

struct PositionTest {
  int back = 0;
  ClassTest letter = nullptr;
  ClassTest vowel = nullptr;
};

struct EndingRule {
  int minLast = 0;
  PositionTest at[5] = {};
  EndTest end = nullptr;
};

template <int kCode>
int Exactly(int c) {
  return c == kCode;
}

int IsNunOrQof(int c) { return IsNun(c) || IsQof(c); }
int IsLamedOrResh(int c) { return IsLamed(c) || IsResh(c); }
int IsZayinOrSamekh(int c) { return IsZayin(c) || IsSamekh(c); }
int IsKafOrHe(int c) { return IsKaf(c) || IsHe(c); }
int IsFinalMemOrNun(int c) { return c == FinalMem || c == FinalNun; }
int IsFinalKafBare(int c) { return c == FinalKaf || c == FinalKafShva; }
int IsNoVowelShvaOrHataf(int c) { return IsNoVowelOrShva(c) || IsHatafVowel(c); }

bool Matches(const WordView& w, const EndingRule& rule) {
  const int n = w.Last();
  if (n < rule.minLast) return false;
  for (const PositionTest& test : rule.at) {
    if (test.letter != nullptr && !test.letter(w.L(n - test.back))) return false;
    if (test.vowel != nullptr && !test.vowel(w.V(n - test.back))) return false;
  }
  return rule.end == nullptr || rule.end(w);
}

template <size_t kCount>
bool AnyMatches(const WordView& w, const EndingRule (&rules)[kCount]) {
  return std::any_of(rules, rules + kCount, [&](const EndingRule& r) { return Matches(w, r); });
}

constexpr ClassTest kAny = nullptr;

// clang-format off
// Stressed on the third syllable from the end.
const EndingRule kAntepenultimateRules[] = {
    // -torim
    {4, {{3, IsTet, IsHolamMale}, {2, IsResh, kAny}}, ImAfterHiriq},
    // -ika, -ikot
    {4, {{3, kAny, IsHiriqOrNoVowel}, {2, IsYodForm, IsNoVowel}, {1, IsQof, kAny},
         {0, kAny, IsNoVowel}}, AhOrOtLetter},
    // -usim, -osim
    {4, {{3, kAny, IsVavVowel}, {2, IsSamekh, kAny}}, ImAfterHiriq},
    // -inikim
    {6, {{4, IsNun, IsHiriqOrNoVowel}, {3, IsYodForm, IsNoVowel}, {2, IsQof, kAny}},
     ImAfterHiriq},
    // -sayd after o
    {5, {{3, kAny, IsHolamMale}, {2, IsSamekh, IsPatahForm}, {1, IsYodForm, IsNoVowelOrShva},
         {0, IsDalet, IsNoVowel}}},
    // -umim
    {4, {{3, IsYodForm, IsShuruk}, {2, IsMem, kAny}}, ImAfterHiriq},
};

// Stressed on the syllable before last, for stems of two syllables or more.
const EndingRule kFirstPenultimateRules[] = {
    // -os, -us
    {2, {{1, kAny, IsVavVowel}, {0, IsSamekh, IsNoVowel}}},
    // -inik
    {4, {{2, IsNun, IsHiriqOrNoVowel}, {1, IsYodForm, IsNoVowel}, {0, IsQof, IsNoVowel}}},
    // -metri
    {3, {{3, IsMem, IsSegolForm}, {2, IsTet, IsNoVowelOrShva}, {1, IsResh, IsHiriqOrNoVowel},
         {0, IsYodForm, IsNoVowel}}},
    // -metrit, -metrim
    {4, {{4, IsMem, IsSegolForm}, {3, IsTet, IsNoVowelOrShva}, {2, IsResh, kAny}},
     ItOrImAfterHiriq},
};

// Stressed on the syllable before last, for stems of three syllables or more
// (besides the -a'i and -iya endings).
const EndingRule kSecondPenultimateRules[] = {
    // -grama, -gramot
    {3, {{3, IsGimel, IsNoVowelOrShva}, {2, IsResh, IsPatahForm}, {1, IsMem, kAny},
         {0, kAny, IsNoVowel}}, AhOrOtLetter},
    // -isti
    {4, {{4, kAny, IsHiriqOrNoVowel}, {3, IsYodForm, IsNoVowel}, {2, IsSamekh, IsNoVowelOrShva},
         {1, IsTet, IsHiriqOrNoVowel}, {0, IsYodForm, IsNoVowel}}},
    // -istit, -istim
    {6, {{5, kAny, IsHiriqOrNoVowel}, {4, IsYodForm, IsNoVowel}, {3, IsSamekh, IsNoVowelOrShva},
         {2, IsTet, kAny}}, ItOrImAfterHiriq},
    // -entim, -ektim
    {4, {{4, kAny, IsSegolForm}, {3, IsNunOrQof, IsNoVowelOrShva}, {2, IsTet, kAny}},
     ImAfterHiriq},
    // -opi
    {3, {{2, kAny, IsHolamMale}, {1, Exactly<PeDagesh>, IsHiriqOrNoVowel}, {0, IsYodForm, kAny}}},
    // -opit, -opim
    {3, {{3, kAny, IsHolamMale}, {2, Exactly<PeDagesh>, kAny}}, ItOrImAfterHiriq},
    // -ologi, -ologit, -ologim
    {3, {{3, kAny, IsHolamMale}, {2, IsLamed, IsHolamMale}, {1, IsGimel, IsHiriqOrNoVowel},
         {0, IsYodForm, IsNoVowel}}},
    {4, {{4, kAny, IsHolamMale}, {3, IsLamed, IsHolamMale}, {2, IsGimel, kAny}},
     ItOrImAfterHiriq},
    {5, {{5, kAny, IsHolamMale}, {4, IsLamed, IsHolamMale}, {3, IsGimel, IsHiriqForm},
         {2, IsYodForm, kAny}}, ImAfterHiriq},
    // -agogi, -agogit, -agogim
    {3, {{3, kAny, IsPatahOrQamatsForm}, {2, IsGimel, IsHolamMale},
         {1, IsGimel, IsHiriqOrNoVowel}, {0, IsYodForm, kAny}}},
    {4, {{4, kAny, IsPatahOrQamatsForm}, {3, IsGimel, IsHolamMale}, {2, IsGimel, kAny}},
     ItOrImAfterHiriq},
    {5, {{5, kAny, IsPatahOrQamatsForm}, {4, IsGimel, IsHolamMale}, {3, IsGimel, IsHiriqForm},
         {2, IsYodForm, kAny}}, ImAfterHiriq},
    // -tonim, -tronim, -lyonim, -ryonim
    {4, {{3, IsTet, IsHolamMale}, {2, IsNun, kAny}}, ImAfterHiriq},
    {4, {{4, IsTet, kAny}, {3, IsResh, IsHolamMale}, {2, IsNun, kAny}}, ImAfterHiriq},
    {4, {{4, IsLamedOrResh, kAny}, {3, IsYodForm, IsHolamMale}, {2, IsNun, kAny}}, ImAfterHiriq},
    // -tor
    {2, {{1, IsTet, IsHolamMale}, {0, IsResh, IsNoVowel}}},
    // -imim
    {4, {{4, kAny, IsHiriqOrNoVowel}, {3, IsYodForm, IsNoVowel}, {2, IsMem, kAny}},
     ImAfterHiriq},
    // -yum
    {2, {{1, IsYodForm, IsShuruk}, {0, Exactly<FinalMem>, kAny}}},
    // -ibi, -ibit, -ibim
    {3, {{3, kAny, IsHiriqOrNoVowel}, {2, IsYodForm, IsNoVowel},
         {1, Exactly<Bet>, IsHiriqOrNoVowel}, {0, IsYodForm, IsNoVowel}}},
    {4, {{4, kAny, IsHiriqOrNoVowel}, {3, IsYodForm, IsNoVowel}, {2, Exactly<Bet>, kAny}},
     ItOrImAfterHiriq},
    {5, {{5, kAny, IsHiriqOrNoVowel}, {4, IsYodForm, IsNoVowel},
         {3, Exactly<Bet>, IsHiriqOrNoVowel}, {2, IsYodForm, kAny}}, ImAfterHiriq},
    // -ali, -alit, -alim
    {3, {{3, kAny, IsPatahOrQamatsForm}, {2, IsAlef, IsNoVowel}, {1, IsLamed, IsHiriqOrNoVowel},
         {0, IsYodForm, IsNoVowel}}},
    {4, {{4, kAny, IsPatahOrQamatsForm}, {3, IsAlef, IsNoVowel}, {2, IsLamed, kAny}},
     ItOrImAfterHiriq},
    {5, {{5, kAny, IsPatahOrQamatsForm}, {4, IsAlef, IsNoVowel}, {3, IsLamed, IsHiriqForm},
         {2, IsYodForm, kAny}}, ImAfterHiriq},
    // -ti, -tit, -tim
    {2, {{1, IsTet, IsHiriqOrNoVowel}, {0, IsYodForm, IsNoVowel}}},
    {3, {{2, IsTet, kAny}}, ItOrImAfterHiriq},
    {4, {{3, IsTet, IsHiriqForm}, {2, IsYodForm, kAny}}, ImAfterHiriq},
    // -land, -landi, -landit, -landim
    {3, {{2, IsLamed, IsPatahForm}, {1, IsNun, IsNoVowelOrShva}, {0, IsDalet, IsNoVowel}}},
    {4, {{3, IsLamed, IsPatahForm}, {2, IsNun, IsNoVowelOrShva}, {1, IsDalet, IsHiriqOrNoVowel},
         {0, IsYodForm, IsNoVowel}}},
    {5, {{4, IsLamed, IsPatahForm}, {3, IsNun, IsNoVowelOrShva}, {2, IsDalet, kAny}},
     ItOrImAfterHiriq},
    {6, {{5, IsLamed, IsPatahForm}, {4, IsNun, IsNoVowelOrShva}, {3, IsDalet, IsHiriqForm},
         {2, IsYodForm, kAny}}, ImAfterHiriq},
    // -izi, -izit, -izim
    {4, {{3, kAny, IsHiriqOrNoVowel}, {2, IsYodForm, IsNoVowel}, {1, IsZayin, IsHiriqOrNoVowel},
         {0, IsYodForm, IsNoVowel}}},
    {5, {{4, kAny, IsHiriqOrNoVowel}, {3, IsYodForm, IsNoVowel}, {2, IsZayin, kAny}},
     ItOrImAfterHiriq},
    {6, {{5, kAny, IsHiriqOrNoVowel}, {4, IsYodForm, IsNoVowel}, {3, IsZayin, IsHiriqForm},
         {2, IsYodForm, kAny}}, ImAfterHiriq},
    // -ozi, -ozit, -ozim
    {4, {{2, kAny, IsHolamMale}, {1, IsZayin, IsHiriqOrNoVowel}, {0, IsYodForm, IsNoVowel}}},
    {5, {{3, kAny, IsHolamMale}, {2, IsZayin, kAny}}, ItOrImAfterHiriq},
    {6, {{4, kAny, IsHolamMale}, {3, IsZayin, IsHiriqForm}, {2, IsYodForm, kAny}}, ImAfterHiriq},
    // -ozah, -ozot; -ezah, -ezot; -ezim
    {3, {{2, kAny, IsHolamMale}, {1, IsZayin, kAny}}, AhOrOtUtEnding},
    {4, {{3, kAny, IsTsereForm}, {2, IsYodForm, IsNoVowel}, {1, IsZayin, kAny}}, AhOrOtUtEnding},
    {5, {{4, kAny, IsTsereForm}, {3, IsYodForm, IsNoVowel}, {2, IsZayin, kAny}}, ImAfterHiriq},
    // -izm, -ism
    {3, {{3, kAny, IsHiriqOrNoVowel}, {2, IsYodForm, IsNoVowel},
         {1, IsZayinOrSamekh, IsNoVowelOrShva}, {0, Exactly<FinalMem>, kAny}}},
};

// Stressed on the last syllable.
const EndingRule kFinalSyllableRules[] = {
    // -i
    {0, {{1, kAny, IsHiriqOrNoVowel}, {0, IsYodForm, Exactly<ExplicitNoVowel>}}},
    // -kha; -ekh
    {0, {{1, kAny, IsNoVowelShvaOrHataf}, {0, IsFinalKafForm, Exactly<Qamats>}}},
    {0, {{1, kAny, Exactly<Tsere>}, {0, IsFinalKafBare, IsNoVowelOrShva}}},
    // -o
    {0, {{0, kAny, Exactly<HolamMale>}}},
    // -ah with mappiq (her)
    {0, {{1, kAny, Exactly<Qamats>}, {0, Exactly<HeMappiq>, Exactly<ExplicitNoVowel>}}},
    // -khem, -khen
    {0, {{2, kAny, IsNoVowelOrShva}, {1, IsKaf, Exactly<Segol>}, {0, IsFinalMemOrNun, kAny}}},
    // -am, -an
    {0, {{1, kAny, Exactly<Qamats>}, {0, IsFinalMemOrNun, kAny}}},
    // -ai
    {0, {{1, kAny, Exactly<Patah>}, {0, IsYodForm, Exactly<ExplicitNoVowel>}}},
    // -av
    {0, {{2, kAny, Exactly<Qamats>}, {1, IsYodForm, Exactly<ExplicitNoVowel>},
         {0, IsVav, Exactly<ExplicitNoVowel>}}},
    // -eikhem, -eihem
    {0, {{3, kAny, Exactly<Tsere>}, {2, IsYodForm, Exactly<ExplicitNoVowel>},
         {1, IsKafOrHe, Exactly<Segol>}, {0, IsFinalMemOrNun, kAny}}},
};
// clang-format on

// -a'it, -a'ot, -a'ut and -a'im, unless the word is one whose -ai is no ending.
bool AiEnding(const WordView& w) {
  const int n = w.Last();
  auto L = [&](int i) { return w.L(i); };
  auto V = [&](int i) { return w.V(i); };
  if (!(n >= 5 && IsPatahOrQamatsForm(V(n - 3)) && IsAlef(L(n - 2)) && IsHiriqOrNoVowel(V(n - 2)) &&
        IsYodForm(L(n - 1)))) {
    return false;
  }
  if ((IsVavVowel(V(n - 1)) || IsNoVowel(V(n - 1))) && IsTav(L(n)) &&
      !MatchesWordList(w, AiWords(), kVariantIt | kVariantOtUt)) {
    return true;
  }
  return IsNoVowel(V(n - 1)) && L(n) == FinalMem && !MatchesWordList(w, AiWords(), kVariantIm);
}

bool IsHeOrMem(int c) { return IsHe(c) || IsAnyOf(c, {Mem, MemDagesh}); }

// Words like "mitpala", "hitkala": he or mem under hiriq starting a stem
// whose -iya ending is not stressed on the yod.
bool HasHitpaelShape(const WordView& w, int k) {
  const int v = w.V(k);
  const int next = w.L(k + 1), nextVowel = w.V(k + 1), after = w.L(k + 2);
  if (IsHiriqForm(v)) {
    const bool bare = IsNoVowelOrShva(nextVowel);
    if (IsTav(next) && bare) return true;
    if ((IsShinWithShinDot(next) || IsShinWithSinDot(next) || IsSamekh(next)) && bare &&
        IsTav(after)) {
      return true;
    }
    if (IsTsadi(next) && bare && IsTet(after)) return true;
    if (IsZayin(next) && bare && IsDalet(after)) return true;
  }
  return (IsHiriqForm(v) || IsNoVowel(v)) && IsYodForm(next) && IsNoVowel(nextVowel) &&
         IsZayin(after) && IsNoVowelOrShva(w.V(k + 2)) && IsDalet(w.L(k + 3));
}

bool IyaOrIyotEnding(const WordView& w) {
  const int n = w.Last();
  if (!(n >= 2 && IsYodForm(w.L(n - 1)) && !IsVavVowel(w.V(n - 2)) &&
        !(IsQamatsForm(w.V(n - 2)) && IsNun(w.L(n - 2))))) {
    return false;
  }
  const bool ending = (w.L(n) == He && IsQamatsForm(w.V(n - 1))) ||
                      (w.L(n) == Tav && IsVavVowel(w.V(n - 1)) && IsNoVowel(w.V(n)));
  if (!ending) return false;
  for (int k = 0; k <= 4; ++k) {
    if (k > 0 && TestWordPrefix(w.Letters(), w.Vowels(), k) != k) continue;
    if (IsHeOrMem(w.L(k)) && HasHitpaelShape(w, k)) return false;
  }
  return true;
}

}  // namespace

bool IsIyaWord(const WordView& w) {
  return MatchesWordList(w, IyaWords(), kVariantOtUt | kVariantVavVowelSwap);
}

bool HasAntepenultimateEnding(const WordView& w) { return AnyMatches(w, kAntepenultimateRules); }

bool HasFirstPenultimateEnding(const WordView& w) { return AnyMatches(w, kFirstPenultimateRules); }

bool HasSecondPenultimateEnding(const WordView& w) {
  return AnyMatches(w, kSecondPenultimateRules) || AiEnding(w) || IyaOrIyotEnding(w);
}

bool HasSuffixEnding(const WordView& w, int stemSyllables) {
  const int n = w.Last();
  if (IsHe(w.L(n)) && (w.V(n) == Shuruk || w.V(n) == Qamats)) return true;
  if (IsNun(w.L(n)) && w.V(n) == Shuruk) return true;
  if (n < 2 || !(IsYodForm(w.L(n - 1)) || stemSyllables >= 3)) return false;
  const int back = n >= 3 && IsVavForm(w.L(n - 2)) && IsVavForm(w.L(n - 3)) ? 3 : 2;
  return IsFinalKafForm(w.L(n)) && IsAnyOf(w.V(n - back), {Segol, Hiriq}) &&
         IsNoVowelOrShva(w.V(n - 1)) && w.V(n) == Qamats;
}

bool HasUEnding(const WordView& w) {
  const int n = w.Last();
  if (n < 2 || MatchesWordList(w, IkuItuWords())) return false;
  return (IsHiriqOrNoVowel(w.V(n - 2)) && w.V(n - 1) == ExplicitNoVowel && w.V(n) == Shuruk &&
          IsYodForm(w.L(n - 1))) ||
         (w.V(n - 1) == Hiriq && w.V(n) == Shuruk);
}

bool HasFinalSyllableEnding(const WordView& w) { return AnyMatches(w, kFinalSyllableRules); }

namespace {

// Two letters that together write one consonant or vowel letter: a doubled
// vav or yod, one of them without vowel.
bool IsDoubledPair(const WordView& w, int p) {
  const bool pair =
      (IsVavForm(w.L(p)) && IsVavForm(w.L(p - 1))) || (IsYodForm(w.L(p)) && IsYodForm(w.L(p - 1)));
  return pair && (w.V(p) == ExplicitNoVowel || w.V(p - 1) == ExplicitNoVowel);
}

}  // namespace

bool IsSegolateEnding(const WordView& w) {
  const int n = w.Last();
  if (IsGutturalLetter(w.L(n)) && w.V(n) == Patah) return true;
  if (n < 2 || !IsNoVowelOrShva(w.V(n))) return false;
  int a = n - 1, b = n - 2;
  if (IsDoubledPair(w, n - 1) || w.L(n - 1) == Gershayim) {
    --a;
    --b;
  }
  if (IsDoubledPair(w, n - 2) || (IsNoVowelOrShva(w.V(n - 2)) && IsAlefOrAyin(w.L(n - 2)))) {
    --b;
    if (b < n - 2 && IsDoubledPair(w, n - 3)) --b;
  }
  a = std::max(a, 0);
  b = std::max(b, 0);
  const bool moved = a != n - 1 || b != n - 2;
  const int va = w.V(a), vb = w.V(b), last = w.L(n);
  if (va == Hiriq && IsYodForm(w.L(a)) && !IsYodForm(last)) return true;
  if (IsYodForm(last) && IsHiriqOrNoVowel(w.V(n - 1)) && w.V(n - 2) == Segol) return true;
  if (last == He && va == Segol && IsAnyOf(vb, {HolamMale, Holam, HolamVariant, Patah})) {
    return false;
  }
  if (IsGutturalLetter(last) && !IsAlef(last)) {
    if (va != Patah && va != Segol) return false;
    if (IsHolamOrSegolLike(vb)) return true;
    return vb == Patah && moved;
  }
  if (!IsYodForm(last) && IsGutturalLetter(w.L(n - 1))) {
    if (w.V(n - 1) == Segol) return true;
    if (w.V(n - 1) != Patah) return false;
    if (IsHolamOrSegolLike(vb)) return true;
    if (vb != Patah) return false;
    if (moved || w.L(a) != Het) return true;
    return TestWordPrefix(w.Letters() + b, w.Vowels() + b, 1) != 1;
  }
  if (va != Segol) return false;
  if (IsHolamOrSegolLike(vb)) return true;
  if (vb == Tsere) return !IsNoVowelOrShva(w.V(b + 1));
  if (vb == Qamats) {
    return !((IsKaf(w.L(n - 1)) || IsHe(w.L(n - 1))) && IsFinalMemOrNun(last));
  }
  return false;
}
