#include "speech/core/StressEndings.h"


#include <algorithm>

#include "hebtext/core/HebChar.h"
#include "speech/core/CodeSets.h"
#include "speech/core/WordPatterns.h"

namespace {

bool IsHolamOrSegolLike(int c) { return IsAnyOf(c, {145, 198, 201, 206}); }
bool IsFinalMemOrNun(int c) { return c == HebCode::FinalMem || c == HebCode::FinalNun; }

bool Matches(const WordView& w, const WordPattern* list, int flags) {
  int offset = 0;
  return MatchWordPatternList(w.Letters(), w.Vowels(), w.Last(), list, &offset, flags) != 0;
}

// clang-format off
const WordPattern kIyaWordList[] = {
    {{224, 244, 236, 233, 228}, {199, 1, 200, 200, 1}},
    {{224, 209, 171, 240, 166, 233, 228}, {199, 1, 192, 199, 196, 200, 1}},
    {{224, 209, 236, 233, 228}, {199, 1, 200, 200, 1}},
    {{161, 248, 229, 230, 169, 228}, {199, 1, 200, 196, 200, 1}},
    {{161, 248, 235, 233, 228}, {192, 197, 196, 200, 1}},
    {{228, 227, 233, 228}, {206, 200, 200, 1}},
    {{228, 230, 233, 228}, {194, 200, 200, 1}},
    {{228, 168, 233, 228}, {199, 200, 200, 1}},
    {{228, 236, 229, 233, 228}, {199, 1, 200, 200, 1}},
    {{228, 236, 236, 233, 228}, {199, 192, 202, 200, 1}},
    {{228, 242, 229, 233, 228}, {199, 194, 200, 200, 1}},
    {{228, 244, 236, 233, 228}, {199, 1, 200, 200, 1}},
    {{228, 244, 240, 233, 228}, {199, 1, 200, 200, 1}},
    {{228, 244, 248, 233, 228}, {199, 1, 200, 200, 1}},
    {{228, 247, 240, 233, 228}, {199, 1, 200, 200, 1}},
    {{228, 209, 228, 233, 228}, {199, 1, 200, 200, 1}},
    {{228, 209, 236, 233, 228}, {199, 1, 200, 200, 1}},
    {{228, 250, 242, 233, 228}, {199, 1, 200, 200, 1}},
    {{231, 225, 248, 169, 228}, {199, 1, 199, 200, 1}},
    {{231, 225, 248, 169, 228}, {197, 1, 199, 200, 1}},
    {{231, 209, 161, 240, 169, 228}, {198, 1, 206, 196, 200, 1}},
    {{233, 174, 169, 228}, {199, 196, 200, 1}},
    {{171, 248, 232, 233, 241, 233, 228}, {199, 1, 196, 1, 196, 200, 1}},
    {{236, 231, 238, 240, 169, 228}, {199, 1, 200, 196, 200, 1}},
    {{238, 241, 162, 248, 169, 228}, {199, 1, 197, 196, 200, 1}},
    {{238, 248, 171, 230, 169, 228}, {198, 1, 200, 196, 200, 1}},
    {{240, 162, 248, 169, 228}, {199, 200, 196, 200, 1}},
    {{240, 180, 231, 169, 228}, {199, 200, 196, 200, 1}},
    {{240, 247, 240, 233, 247, 169, 228}, {199, 1, 196, 1, 196, 200, 1}},
    {{241, 161, 240, 169, 228}, {199, 206, 196, 200, 1}},
    {{241, 233, 238, 240, 169, 228}, {196, 1, 200, 196, 200, 1}},
    {{241, 171, 248, 169, 228}, {202, 200, 196, 200, 1}},
    {{241, 240, 163, 236, 248, 169, 228}, {199, 1, 192, 200, 196, 200, 1}},
    {{241, 244, 162, 240, 169, 228}, {202, 1, 200, 196, 200, 1}},
    {{242, 226, 225, 240, 169, 228}, {199, 192, 200, 196, 200, 1}},
    {{242, 248, 161, 225, 169, 228}, {196, 1, 202, 196, 200, 1}},
    {{180, 231, 231, 169, 228}, {198, 200, 196, 200, 1}},
    {{180, 238, 236, 233, 228}, {200, 199, 1, 200, 1}},
    {{180, 248, 228, 241, 233, 228}, {199, 1, 198, 1, 200, 1}},
    {{180, 248, 247, 238, 232, 233, 228}, {192, 199, 1, 199, 1, 200, 1}},
    {{246, 236, 238, 240, 169, 228}, {199, 1, 206, 196, 200, 1}},
    {{246, 236, 238, 240, 169, 228}, {199, 1, 200, 196, 200, 1}},
    {{246, 238, 231, 240, 169, 228}, {196, 1, 206, 196, 200, 1}},
    {{246, 248, 235, 240, 169, 228}, {199, 192, 200, 196, 200, 1}},
    {{248, 165, 247, 169, 228}, {199, 200, 196, 200, 1}},
    {{248, 246, 242, 240, 169, 228}, {199, 1, 200, 196, 200, 1}},
    {{209, 242, 229, 240, 169, 228}, {199, 194, 200, 196, 200, 1}},
    {{209, 242, 248, 248, 169, 228}, {199, 194, 202, 196, 200, 1}},
    {{186, 238, 248, 247, 169, 228}, {199, 1, 202, 196, 200, 1}},
    {{186, 247, 236, 233, 232, 169, 228}, {199, 1, 196, 1, 196, 200, 1}},
    {},
};

const WordPattern kIkuItuList[] = {
    {{228, 171}, {196, 202}},
    {{240, 232}, {196, 202}},
    {},
};
// clang-format on

// -im after hiriq: yod without vowel and final mem, hiriq or none before.
bool ImAfterHiriq(const WordView& w) {
  const int n = w.Last();
  return n >= 2 && IsYodForm(w.L(n - 1)) && w.L(n) == HebCode::FinalMem && IsNoVowel(w.V(n)) &&
         IsNoVowel(w.V(n - 1)) && IsHiriqOrNoVowel(w.V(n - 2));
}

// -it or -im after hiriq.
bool ItOrImAfterHiriq(const WordView& w) {
  const int n = w.Last();
  return n >= 2 && IsYodForm(w.L(n - 1)) && (w.L(n) == HebCode::FinalMem || IsTav(w.L(n))) &&
         IsNoVowel(w.V(n)) && IsNoVowel(w.V(n - 1)) && IsHiriqOrNoVowel(w.V(n - 2));
}

bool AhEnding(const WordView& w) {
  const int n = w.Last();
  return n >= 2 && IsHe(w.L(n)) && IsQamatsForm(w.V(n - 1)) && IsNoVowel(w.V(n));
}

bool OtUtEnding(const WordView& w) {
  const int n = w.Last();
  return n >= 1 && IsTav(w.L(n)) && IsNoVowel(w.V(n)) &&
         (IsHolamMale(w.V(n - 1)) || IsShuruk(w.V(n - 1)));
}

// Before a zayin: a yod form at p with no vowel after hiriq or none, or a
// holam male at p.
bool YodOrHolamBeforeZayin(const WordView& w, int p) {
  return (IsYodForm(w.L(p)) && IsHiriqOrNoVowel(w.V(p - 1)) && IsNoVowel(w.V(p))) ||
         IsHolamMale(w.V(p));
}

bool IsHeOrMem(int c) { return IsHe(c) || IsAnyOf(c, {238, 174}); }

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
  const bool ending = (w.L(n) == HebCode::He && IsQamatsForm(w.V(n - 1))) ||
                      (w.L(n) == HebCode::Tav && IsVavVowel(w.V(n - 1)) && IsNoVowel(w.V(n)));
  if (!ending) return false;
  for (int k = 0; k <= 4; ++k) {
    if (k > 0 && TestWordPrefix(w.Letters(), w.Vowels(), k, FALSE) != k) continue;
    if (IsHeOrMem(w.L(k)) && HasHitpaelShape(w, k)) return false;
  }
  return true;
}

}  // namespace

bool IsIyaWord(const WordView& w) {
  return Matches(w, kIyaWordList, kVariantOtUt | kVariantVavVowelSwap);
}

bool HasAntepenultimateEnding(const WordView& w) {
  const int n = w.Last();
  auto L = [&](int i) { return w.L(i); };
  auto V = [&](int i) { return w.V(i); };
  if (n >= 4 && IsTet(L(n - 3)) && IsResh(L(n - 2)) && ImAfterHiriq(w) && IsHolamMale(V(n - 3))) {
    return true;
  }
  if (n >= 4 && IsYodForm(L(n - 2)) && IsQof(L(n - 1)) &&
      ((IsHe(L(n)) && IsQamatsForm(V(n - 1))) || (IsTav(L(n)) && IsHolamMale(V(n - 1)))) &&
      IsHiriqOrNoVowel(V(n - 3)) && IsNoVowel(V(n - 2)) && IsNoVowel(V(n))) {
    return true;
  }
  if (n >= 4 && IsSamekh(L(n - 2)) && IsVavVowel(V(n - 3)) && ImAfterHiriq(w)) return true;
  if (n >= 6 && IsNun(L(n - 4)) && IsYodForm(L(n - 3)) && IsQof(L(n - 2)) &&
      IsHiriqOrNoVowel(V(n - 4)) && IsNoVowel(V(n - 3)) && ImAfterHiriq(w)) {
    return true;
  }
  if (n >= 5 && IsSamekh(L(n - 2)) && IsYodForm(L(n - 1)) && IsDalet(L(n)) &&
      IsHolamMale(V(n - 3)) && IsPatahForm(V(n - 2)) && IsNoVowelOrShva(V(n - 1)) &&
      IsNoVowel(V(n))) {
    return true;
  }
  return n >= 4 && IsYodForm(L(n - 3)) && IsMem(L(n - 2)) && IsShuruk(V(n - 3)) && ImAfterHiriq(w);
}

bool HasFirstPenultimateEnding(const WordView& w) {
  const int n = w.Last();
  auto L = [&](int i) { return w.L(i); };
  auto V = [&](int i) { return w.V(i); };
  if (n >= 2 && IsSamekh(L(n)) && IsVavVowel(V(n - 1)) && IsNoVowel(V(n))) return true;
  if (n >= 4 && IsNun(L(n - 2)) && IsYodForm(L(n - 1)) && IsQof(L(n)) &&
      IsHiriqOrNoVowel(V(n - 2)) && IsNoVowel(V(n - 1)) && IsNoVowel(V(n))) {
    return true;
  }
  if (n >= 3 && IsMem(L(n - 3)) && IsTet(L(n - 2)) && IsResh(L(n - 1)) && IsYodForm(L(n)) &&
      IsSegolForm(V(n - 3)) && IsNoVowelOrShva(V(n - 2)) && IsHiriqOrNoVowel(V(n - 1)) &&
      IsNoVowel(V(n))) {
    return true;
  }
  return n >= 4 && IsMem(L(n - 4)) && IsTet(L(n - 3)) && IsResh(L(n - 2)) && ItOrImAfterHiriq(w) &&
         IsSegolForm(V(n - 4)) && IsNoVowelOrShva(V(n - 3));
}

bool HasSecondPenultimateEnding(const WordView& w) {
  const int n = w.Last();
  auto L = [&](int i) { return w.L(i); };
  auto V = [&](int i) { return w.V(i); };
  const bool im = ImAfterHiriq(w), itIm = ItOrImAfterHiriq(w);
  const bool ahOrOt = AhEnding(w) || OtUtEnding(w);
  if (n >= 3 && IsGimel(L(n - 3)) && IsResh(L(n - 2)) && IsMem(L(n - 1)) &&
      ((IsHe(L(n)) && IsQamatsForm(V(n - 1))) || (IsTav(L(n)) && IsHolamMale(V(n - 1)))) &&
      IsNoVowelOrShva(V(n - 3)) && IsPatahForm(V(n - 2)) && IsNoVowel(V(n))) {
    return true;
  }
  const bool aiShape = n >= 5 && IsPatahOrQamatsForm(V(n - 3)) && IsAlef(L(n - 2)) &&
                       IsHiriqOrNoVowel(V(n - 2)) && IsYodForm(L(n - 1));
  if (aiShape && (IsVavVowel(V(n - 1)) || IsNoVowel(V(n - 1))) && IsTav(L(n)) &&
      !Matches(w, kAiWordList, kVariantIt | kVariantOtUt)) {
    return true;
  }
  if (aiShape && IsNoVowel(V(n - 1)) && L(n) == HebCode::FinalMem &&
      !Matches(w, kAiWordList, kVariantIm)) {
    return true;
  }
  if (n >= 4 && IsYodForm(L(n - 3)) && IsSamekh(L(n - 2)) && IsTet(L(n - 1)) && IsYodForm(L(n)) &&
      IsHiriqOrNoVowel(V(n - 4)) && IsNoVowel(V(n - 3)) && IsNoVowelOrShva(V(n - 2)) &&
      IsHiriqOrNoVowel(V(n - 1)) && IsNoVowel(V(n))) {
    return true;
  }
  if (n >= 6 && IsYodForm(L(n - 4)) && IsSamekh(L(n - 3)) && IsTet(L(n - 2)) && itIm &&
      IsHiriqOrNoVowel(V(n - 5)) && IsNoVowel(V(n - 4)) && IsNoVowelOrShva(V(n - 3))) {
    return true;
  }
  if (n >= 4 && (IsNun(L(n - 3)) || IsQof(L(n - 3))) && IsTet(L(n - 2)) && im &&
      IsNoVowelOrShva(V(n - 3)) && IsSegolForm(V(n - 4))) {
    return true;
  }
  if (n >= 3 && L(n - 1) == 180 && IsHolamMale(V(n - 2)) && IsYodForm(L(n)) &&
      IsHiriqOrNoVowel(V(n - 1))) {
    return true;
  }
  if (n >= 3 && L(n - 2) == 180 && itIm && IsHolamMale(V(n - 3))) return true;
  // -logi, -logit, -logim
  if (n >= 3 && IsLamed(L(n - 2)) && IsGimel(L(n - 1)) && IsYodForm(L(n)) && IsNoVowel(V(n)) &&
      IsHiriqOrNoVowel(V(n - 1)) && IsHolamMale(V(n - 2)) && IsHolamMale(V(n - 3))) {
    return true;
  }
  if (n >= 4 && IsLamed(L(n - 3)) && IsGimel(L(n - 2)) && itIm && IsHolamMale(V(n - 3)) &&
      IsHolamMale(V(n - 4))) {
    return true;
  }
  if (n >= 5 && IsLamed(L(n - 4)) && IsGimel(L(n - 3)) && IsYodForm(L(n - 2)) && im &&
      IsHiriqForm(V(n - 3)) && IsHolamMale(V(n - 4)) && IsHolamMale(V(n - 5))) {
    return true;
  }
  // -gogi, -gogit, -gogim
  if (n >= 3 && IsGimel(L(n - 2)) && IsGimel(L(n - 1)) && IsYodForm(L(n)) &&
      IsHiriqOrNoVowel(V(n - 1)) && IsHolamMale(V(n - 2)) && IsPatahOrQamatsForm(V(n - 3))) {
    return true;
  }
  if (n >= 4 && IsGimel(L(n - 3)) && IsGimel(L(n - 2)) && itIm && IsHolamMale(V(n - 3)) &&
      IsPatahOrQamatsForm(V(n - 4))) {
    return true;
  }
  if (n >= 5 && IsGimel(L(n - 4)) && IsGimel(L(n - 3)) && IsYodForm(L(n - 2)) && im &&
      IsHiriqForm(V(n - 3)) && IsHolamMale(V(n - 4)) && IsPatahOrQamatsForm(V(n - 5))) {
    return true;
  }
  if (n >= 4 && im && IsNun(L(n - 2)) && IsHolamMale(V(n - 3)) &&
      (IsTet(L(n - 3)) || (IsTet(L(n - 4)) && IsResh(L(n - 3))) ||
       (IsYodForm(L(n - 3)) && (IsLamed(L(n - 4)) || IsResh(L(n - 4)))))) {
    return true;
  }
  if (n >= 2 && IsTet(L(n - 1)) && IsResh(L(n)) && IsHolamMale(V(n - 1)) && IsNoVowel(V(n))) {
    return true;
  }
  if (n >= 4 && IsYodForm(L(n - 3)) && IsMem(L(n - 2)) && im && IsHiriqOrNoVowel(V(n - 4)) &&
      IsNoVowel(V(n - 3))) {
    return true;
  }
  if (n >= 2 && IsYodForm(L(n - 1)) && L(n) == HebCode::FinalMem && IsShuruk(V(n - 1))) return true;
  // -ibi, -ibit, -ibim
  if (n >= 3 && IsYodForm(L(n - 2)) && L(n - 1) == HebCode::Bet && IsYodForm(L(n)) &&
      IsHiriqOrNoVowel(V(n - 3)) && IsNoVowel(V(n - 2)) && IsHiriqOrNoVowel(V(n - 1)) &&
      IsNoVowel(V(n))) {
    return true;
  }
  if (n >= 4 && IsYodForm(L(n - 3)) && L(n - 2) == HebCode::Bet && itIm &&
      IsHiriqOrNoVowel(V(n - 4)) && IsNoVowel(V(n - 3))) {
    return true;
  }
  if (n >= 5 && IsYodForm(L(n - 4)) && L(n - 3) == HebCode::Bet && IsYodForm(L(n - 2)) && im &&
      IsHiriqOrNoVowel(V(n - 5)) && IsNoVowel(V(n - 4)) && IsHiriqOrNoVowel(V(n - 3))) {
    return true;
  }
  // -ali, -alit, -alim
  if (n >= 3 && IsAlef(L(n - 2)) && IsLamed(L(n - 1)) && IsYodForm(L(n)) &&
      IsPatahOrQamatsForm(V(n - 3)) && IsNoVowel(V(n - 2)) && IsHiriqOrNoVowel(V(n - 1)) &&
      IsNoVowel(V(n))) {
    return true;
  }
  if (n >= 4 && IsAlef(L(n - 3)) && IsLamed(L(n - 2)) && itIm && IsNoVowel(V(n - 3)) &&
      IsPatahOrQamatsForm(V(n - 4))) {
    return true;
  }
  if (n >= 5 && IsAlef(L(n - 4)) && IsLamed(L(n - 3)) && IsYodForm(L(n - 2)) && im &&
      IsHiriqForm(V(n - 3)) && IsNoVowel(V(n - 4)) && IsPatahOrQamatsForm(V(n - 5))) {
    return true;
  }
  // -ti, -tit, -tim
  if (n >= 2 && IsTet(L(n - 1)) && IsYodForm(L(n)) && IsHiriqOrNoVowel(V(n - 1)) &&
      IsNoVowel(V(n))) {
    return true;
  }
  if (n >= 3 && IsTet(L(n - 2)) && itIm) return true;
  if (n >= 4 && IsTet(L(n - 3)) && IsYodForm(L(n - 2)) && im && IsHiriqForm(V(n - 3))) return true;
  // -land, -landi, -landit, -landim
  if (n >= 3 && IsLamed(L(n - 2)) && IsNun(L(n - 1)) && IsDalet(L(n)) && IsPatahForm(V(n - 2)) &&
      IsNoVowelOrShva(V(n - 1)) && IsNoVowel(V(n))) {
    return true;
  }
  if (n >= 4 && IsLamed(L(n - 3)) && IsNun(L(n - 2)) && IsDalet(L(n - 1)) && IsYodForm(L(n)) &&
      IsPatahForm(V(n - 3)) && IsNoVowelOrShva(V(n - 2)) && IsHiriqOrNoVowel(V(n - 1)) &&
      IsNoVowel(V(n))) {
    return true;
  }
  if (n >= 5 && IsLamed(L(n - 4)) && IsNun(L(n - 3)) && IsDalet(L(n - 2)) && itIm &&
      IsPatahForm(V(n - 4)) && IsNoVowelOrShva(V(n - 3))) {
    return true;
  }
  if (n >= 6 && IsLamed(L(n - 5)) && IsNun(L(n - 4)) && IsDalet(L(n - 3)) && IsYodForm(L(n - 2)) &&
      im && IsPatahForm(V(n - 5)) && IsNoVowelOrShva(V(n - 4)) && IsHiriqForm(V(n - 3))) {
    return true;
  }
  // -izi, -ozi and their -it and -im forms
  if (n >= 4 && IsZayin(L(n - 1)) && IsYodForm(L(n)) && IsHiriqOrNoVowel(V(n - 1)) &&
      IsNoVowel(V(n)) && YodOrHolamBeforeZayin(w, n - 2)) {
    return true;
  }
  if (n >= 5 && IsZayin(L(n - 2)) && itIm && YodOrHolamBeforeZayin(w, n - 3)) return true;
  if (n >= 6 && IsZayin(L(n - 3)) && IsYodForm(L(n - 2)) && im && IsHiriqForm(V(n - 3)) &&
      YodOrHolamBeforeZayin(w, n - 4)) {
    return true;
  }
  if (n >= 3 && IsZayin(L(n - 1)) && IsHolamMale(V(n - 2)) && ahOrOt) return true;
  if (n >= 4 && IsYodForm(L(n - 2)) && IsZayin(L(n - 1)) && IsTsereForm(V(n - 3)) &&
      IsNoVowel(V(n - 2)) && ahOrOt) {
    return true;
  }
  if (n >= 5 && IsYodForm(L(n - 3)) && IsZayin(L(n - 2)) && IsTsereForm(V(n - 4)) &&
      IsNoVowel(V(n - 3)) && im) {
    return true;
  }
  if (IyaOrIyotEnding(w)) return true;
  return n >= 3 && IsYodForm(L(n - 2)) && (IsZayin(L(n - 1)) || IsSamekh(L(n - 1))) &&
         L(n) == HebCode::FinalMem && IsHiriqOrNoVowel(V(n - 3)) && IsNoVowel(V(n - 2)) &&
         IsNoVowelOrShva(V(n - 1));
}

bool HasSuffixEnding(const WordView& w, int stemSyllables) {
  const int n = w.Last();
  if (IsHe(w.L(n)) && (w.V(n) == HebCode::Shuruk || w.V(n) == HebCode::Qamats)) return true;
  if (IsNun(w.L(n)) && w.V(n) == HebCode::Shuruk) return true;
  if (n < 2 || !(IsYodForm(w.L(n - 1)) || stemSyllables >= 3)) return false;
  const int back = n >= 3 && IsVavForm(w.L(n - 2)) && IsVavForm(w.L(n - 3)) ? 3 : 2;
  return IsFinalKafForm(w.L(n)) && IsAnyOf(w.V(n - back), {198, 196}) &&
         IsNoVowelOrShva(w.V(n - 1)) && w.V(n) == HebCode::Qamats;
}

bool HasUEnding(const WordView& w) {
  const int n = w.Last();
  if (n < 2 || Matches(w, kIkuItuList, 0)) return false;
  return (IsHiriqOrNoVowel(w.V(n - 2)) && w.V(n - 1) == 1 && w.V(n) == HebCode::Shuruk &&
          IsYodForm(w.L(n - 1))) ||
         (w.V(n - 1) == HebCode::Hiriq && w.V(n) == HebCode::Shuruk);
}

bool HasFinalSyllableEnding(const WordView& w) {
  const int n = w.Last();
  auto L = [&](int i) { return w.L(i); };
  auto V = [&](int i) { return w.V(i); };
  if (IsYodForm(L(n)) && V(n) == 1 && IsHiriqOrNoVowel(V(n - 1))) return true;
  if (IsFinalKafForm(L(n)) && V(n) == HebCode::Qamats &&
      (IsNoVowelOrShva(V(n - 1)) || IsHatafVowel(V(n - 1)))) {
    return true;
  }
  if ((L(n) == HebCode::FinalKaf || L(n) == 251) && IsNoVowelOrShva(V(n)) &&
      V(n - 1) == HebCode::Tsere) {
    return true;
  }
  if (V(n) == HebCode::HolamMale) return true;
  if (L(n) == HebCode::HeMappiq && V(n) == 1 && V(n - 1) == HebCode::Qamats) return true;
  if (IsFinalMemOrNun(L(n)) && IsKaf(L(n - 1)) && V(n - 1) == HebCode::Segol &&
      IsNoVowelOrShva(V(n - 2))) {
    return true;
  }
  if (IsFinalMemOrNun(L(n)) && V(n - 1) == HebCode::Qamats) return true;
  if (IsYodForm(L(n)) && V(n) == 1 && V(n - 1) == HebCode::Patah) return true;
  if (IsVav(L(n)) && IsYodForm(L(n - 1)) && V(n - 2) == HebCode::Qamats && V(n) == 1 &&
      V(n - 1) == 1) {
    return true;
  }
  return IsFinalMemOrNun(L(n)) && (IsKaf(L(n - 1)) || IsHe(L(n - 1))) &&
         V(n - 1) == HebCode::Segol && IsYodForm(L(n - 2)) && V(n - 2) == 1 &&
         V(n - 3) == HebCode::Tsere;
}

namespace {

// Two letters that together write one consonant or vowel letter: a doubled
// vav or yod, one of them without vowel.
bool IsDoubledPair(const WordView& w, int p) {
  const bool pair = (IsVavForm(w.L(p)) && IsVavForm(w.L(p - 1))) ||
                    (IsYodForm(w.L(p)) && IsYodForm(w.L(p - 1)));
  return pair && (w.V(p) == 1 || w.V(p - 1) == 1);
}

}  // namespace

bool IsSegolateEnding(const WordView& w) {
  const int n = w.Last();
  if (IsGutturalLetter(w.L(n)) && w.V(n) == HebCode::Patah) return true;
  if (n < 2 || !IsNoVowelOrShva(w.V(n))) return false;
  int a = n - 1, b = n - 2;
  if (IsDoubledPair(w, n - 1) || w.L(n - 1) == '"') {
    --a;
    --b;
  }
  if (IsDoubledPair(w, n - 2) ||
      (IsNoVowelOrShva(w.V(n - 2)) && IsAlefOrAyin(w.L(n - 2)))) {
    --b;
    if (b < n - 2 && IsDoubledPair(w, n - 3)) --b;
  }
  a = std::max(a, 0);
  b = std::max(b, 0);
  const bool moved = a != n - 1 || b != n - 2;
  const int va = w.V(a), vb = w.V(b), last = w.L(n);
  if (va == HebCode::Hiriq && IsYodForm(w.L(a)) && !IsYodForm(last)) return true;
  if (IsYodForm(last) && IsHiriqOrNoVowel(w.V(n - 1)) && w.V(n - 2) == HebCode::Segol) return true;
  if (last == HebCode::He && va == HebCode::Segol && IsAnyOf(vb, {206, 201, 145, 199})) {
    return false;
  }
  if (IsGutturalLetter(last) && !IsAlef(last)) {
    if (va != HebCode::Patah && va != HebCode::Segol) return false;
    if (IsHolamOrSegolLike(vb)) return true;
    return vb == HebCode::Patah && moved;
  }
  if (!IsYodForm(last) && IsGutturalLetter(w.L(n - 1))) {
    if (w.V(n - 1) == HebCode::Segol) return true;
    if (w.V(n - 1) != HebCode::Patah) return false;
    if (IsHolamOrSegolLike(vb)) return true;
    if (vb != HebCode::Patah) return false;
    if (moved || w.L(a) != HebCode::Het) return true;
    return TestWordPrefix(w.Letters() + b, w.Vowels() + b, 1, FALSE) != 1;
  }
  if (va != HebCode::Segol) return false;
  if (IsHolamOrSegolLike(vb)) return true;
  if (vb == HebCode::Tsere) return !IsNoVowelOrShva(w.V(b + 1));
  if (vb == HebCode::Qamats) {
    return !((IsKaf(w.L(n - 1)) || IsHe(w.L(n - 1))) && IsFinalMemOrNun(last));
  }
  return false;
}
