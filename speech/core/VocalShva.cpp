#include "speech/core/VocalShva.h"


#include "hebtext/core/HebChar.h"
#include "speech/core/CodeSets.h"
#include "speech/core/WordPatterns.h"
#include "speech/core/WordView.h"

namespace {

bool IsZayinTsadiGroup(int c) { return IsAnyOf(c, {166, 182, 221, 223, 230, 246}); }
bool IsSamekhShinGroup(int c) { return IsAnyOf(c, {177, 185, 208, 209, 210, 211, 241, 249}); }
bool IsSonorant(int c) {
  return IsYodForm(c) || IsAnyOf(c, {228, 164, 236, 172, 238, 174, 240, 176, 224, 242, 248});
}
bool IsReshOrLamed(int c) { return IsResh(c) || IsLamed(c); }
bool IsHeForm(int c) { return IsHe(c); }
bool IsDaletForm(int c) { return IsDalet(c); }
bool IsTetForm(int c) { return IsTet(c); }

// clang-format off
// Words whose second letter carries a silent shva although a prefix could
// stand before it.
const WordPattern kSecondLetterSilentShvaList[] = {
    {{233, 250, 227, 250}, {196, 192, 206, 1}},
    {{238, 209, 230, 248}, {200, 192, 200, 1}},
    {{209, 236, 234}, {198, 192, 200}},
    {{209, 240, 228, 225}, {198, 192, 200, 1}},
    {},
};

// Words that begin with bet or kaf under shva and a consonant cluster.
const WordPattern kBlClusterList[] = {
    {{161, 236, 224, 233, 237}, {192, 206, 196, 1, 1}},
    {{161, 236, 233}, {192, 196, 1}},
    {{161, 236, 233, 233, 237}, {192, 206, 196, 1, 1}},
    {{161, 236, 243}, {192, 206, 1}},
    {{161, 236, 244, 248}, {192, 206, 198, 1}},
    {{161, 236, 247}, {192, 206, 1}},
    {{161, 236, 247, 227, 228}, {192, 206, 200, 200, 1}},
    {{161, 236, 248, 233, 250}, {192, 206, 196, 1, 1}},
    {{161, 236, 233}, {192, 196, 1}},
    {{161, 236, 233, 232, 228}, {192, 196, 1, 200, 1}},
    {{161, 236, 233, 236}, {192, 196, 1, 1}},
    {{161, 236, 233, 236, 228}, {192, 196, 1, 200, 1}},
    {{161, 236, 233, 238, 228}, {192, 196, 1, 200, 1}},
    {{161, 236, 233, 240, 227}, {192, 199, 1, 1, 1}},
    {{161, 236, 233, 242, 228}, {192, 196, 1, 200, 1}},
    {{161, 236, 169, 242, 236}, {192, 196, 199, 199, 1}},
    {{161, 236, 233, 209, 228}, {192, 196, 1, 200, 1}},
    {{161, 236, 240, 163, 248}, {192, 198, 1, 198, 1}},
    {{161, 236, 240, 247}, {192, 199, 1, 1}},
    {{161, 236, 240, 247}, {192, 199, 1, 206}},
    {{161, 240, 169, 228}, {192, 196, 200, 1}},
    {},
};
const WordPattern kBrClusterList[] = {
    {{161, 248, 224, 209, 233, 250}, {192, 197, 1, 196, 1, 1}},
    {{161, 248, 224, 209, 233, 250, 233}, {192, 197, 1, 196, 1, 196, 1}},
    {{161, 248, 228, 238, 233, 239}, {192, 199, 1, 196, 1, 1}},
    {{161, 248, 229}, {192, 200, 206}},
    {{161, 248, 224, 229}, {192, 200, 1, 206}},
    {{161, 248, 232}, {192, 202, 206}},
    {{161, 248, 232, 236, 233}, {192, 202, 200, 196, 1}},
    {{161, 248, 232, 236, 169, 250}, {192, 202, 200, 196, 202, 1}},
    {{161, 248, 234}, {192, 206, 1}},
    {{161, 248, 237}, {192, 206, 1}},
    {{161, 248, 238, 233, 227}, {192, 206, 196, 1, 1}},
    {{161, 248, 240, 230, 228}, {192, 206, 1, 200, 1}},
    {{161, 248, 240, 232, 233, 250}, {192, 202, 198, 196, 1, 1}},
    {{161, 248, 240, 235, 233, 232}, {192, 206, 1, 196, 1, 1}},
    {{161, 248, 240, 235, 233, 232, 233, 241}, {192, 206, 1, 196, 1, 196, 1, 1}},
    {{161, 248, 248, 250}, {192, 202, 206, 1}},
    {{161, 248, 209}, {192, 206, 1}},
    {{161, 248, 230, 233, 236}, {192, 200, 196, 1, 1}},
    {{161, 248, 224, 230, 233, 236}, {192, 200, 1, 196, 1, 1}},
    {{161, 248, 230, 233, 236, 224, 233}, {192, 200, 196, 1, 200, 196, 1}},
    {{161, 248, 230, 240, 232}, {192, 198, 198, 1, 1}},
    {{161, 248, 233, 224, 228}, {192, 196, 1, 200, 1}},
    {{161, 248, 233, 224, 250}, {192, 196, 1, 202, 1}},
    {{161, 248, 233, 226, 227, 228}, {192, 196, 1, 200, 200, 1}},
    {{161, 248, 233, 227, 221}, {192, 196, 1, 1, 0}},
    {{161, 248, 169, 228}, {192, 196, 200, 1}},
    {{161, 248, 233, 231}, {192, 196, 1, 199}},
    {{161, 248, 233, 231, 228}, {192, 196, 1, 200, 1}},
    {{161, 248, 233, 232, 233}, {192, 196, 1, 196, 1}},
    {{161, 248, 233, 232, 240, 233, 228}, {192, 196, 1, 199, 1, 200, 1}},
    {{161, 248, 233, 236}, {192, 199, 1, 1}},
    {{161, 248, 224, 233, 236}, {192, 199, 224, 1, 1}},
    {{161, 248, 233, 236, 233, 240, 232}, {192, 196, 1, 1, 199, 1, 1}},
    {{161, 248, 233, 236, 233, 240, 232, 233, 239}, {192, 196, 1, 1, 199, 1, 196, 1, 1}},
    {{161, 248, 233, 241, 232, 236}, {192, 196, 1, 1, 206, 1}},
    {{161, 248, 233, 248, 228}, {192, 196, 1, 200, 1}},
    {{161, 248, 233, 248, 228}, {192, 197, 1, 200, 1}},
    {{161, 248, 248, 228}, {192, 197, 200, 1}},
    {{161, 248, 233, 248, 250}, {192, 196, 1, 202, 1}},
    {{161, 248, 233, 250}, {192, 196, 1, 1}},
    {{161, 248, 233, 235, 228}, {192, 197, 1, 200, 1}},
    {{161, 248, 235, 228}, {192, 200, 200, 1}},
    {{161, 248, 235, 228}, {192, 197, 200, 1}},
    {{161, 248, 235, 250}, {192, 197, 199, 1}},
    {{161, 248, 233, 235, 250}, {192, 197, 1, 199, 1}},
    {{161, 248, 235, 169, 228}, {192, 197, 196, 200, 1}},
    {{161, 248, 233, 235, 169, 228}, {192, 197, 1, 196, 200, 1}},
    {{161, 248, 239}, {192, 198, 1}},
    {{161, 248, 241}, {192, 200, 206}},
    {{161, 248, 247, 241}, {192, 198, 1, 1}},
    {{161, 248, 248, 228}, {192, 200, 200, 1}},
    {},
};
const WordPattern kKClusterList[] = {
    {{171, 225, 227, 250}, {192, 197, 202, 1}},
    {{171, 225, 233, 227, 250}, {192, 197, 1, 202, 1}},
    {{171, 225, 233, 227, 228}, {192, 196, 1, 200, 1}},
    {{171, 225, 169, 228}, {192, 196, 200, 1}},
    {{171, 225, 233, 236, 228}, {192, 196, 1, 200, 1}},
    {{171, 225, 233, 236, 250}, {192, 196, 1, 202, 1}},
    {{171, 225, 233, 241, 228}, {192, 196, 1, 200, 1}},
    {{171, 225, 233, 241, 250}, {192, 196, 1, 202, 1}},
    {{171, 225, 233, 248, 228}, {192, 196, 1, 200, 1}},
    {{171, 225, 233, 209}, {192, 196, 1, 1}},
    {{171, 225, 233, 209, 233, 237}, {192, 196, 1, 196, 1, 1}},
    {{171, 225, 233, 209, 228}, {192, 196, 1, 200, 1}},
    {{171, 225, 233, 209, 250}, {192, 196, 1, 199, 1}},
    {{171, 225, 240, 228}, {192, 197, 200, 1}},
    {{171, 225, 233, 240, 228}, {192, 197, 1, 200, 1}},
    {{171, 225, 241, 233, 237}, {192, 200, 196, 1, 1}},
    {{171, 225, 248}, {192, 200, 1}},
    {{171, 225, 248, 228}, {192, 200, 200, 1}},
    {{171, 236, 225, 236, 225}, {192, 199, 1, 199, 1}},
    {{171, 236, 225, 186, 228}, {192, 199, 1, 198, 1}},
    {{171, 236, 244, 186, 228}, {192, 200, 1, 198, 1}},
    {{171, 236, 225}, {192, 202, 1}},
    {{171, 236, 236, 250}, {192, 202, 206, 1}},
    {{171, 236, 237}, {192, 202, 1}},
    {{171, 236, 238, 233}, {192, 202, 196, 1}},
    {{171, 236, 238, 233, 250}, {192, 202, 196, 1, 1}},
    {{171, 236, 238, 233, 250}, {192, 202, 196, 206, 1}},
    {{171, 236, 238, 169, 250}, {192, 202, 196, 202, 1}},
    {{171, 236, 238, 233, 237}, {192, 202, 196, 1, 1}},
    {{171, 236, 238, 240, 233, 247}, {192, 202, 1, 196, 1, 1}},
    {{171, 236, 238, 240, 233, 247, 233, 250}, {192, 202, 1, 196, 1, 196, 1, 1}},
    {{171, 236, 240, 241}, {192, 206, 200, 1}},
    {{171, 236, 240, 241, 224, 250}, {192, 206, 1, 200, 206, 1}},
    {{171, 236, 248}, {192, 206, 1}},
    {{171, 236, 248, 244, 248, 237}, {192, 206, 206, 206, 1, 1}},
    {{171, 236, 248, 244, 233, 236}, {192, 206, 206, 196, 1, 1}},
    {{171, 236, 248, 233, 227}, {192, 206, 196, 1, 1}},
    {{171, 236, 248, 233, 240, 246, 233, 228}, {192, 206, 196, 1, 199, 1, 200, 1}},
    {{171, 236, 233}, {192, 196, 1}},
    {{171, 236, 233}, {192, 197, 1}},
    {{171, 236, 233, 224, 228}, {192, 196, 1, 200, 1}},
    {{171, 236, 233, 225, 228}, {192, 196, 1, 200, 1}},
    {{171, 236, 233, 228}, {192, 200, 200, 1}},
    {{171, 236, 233, 236}, {192, 196, 1, 1}},
    {{171, 236, 236}, {192, 200, 1}},
    {{171, 236, 236}, {192, 199, 1}},
    {{171, 236, 236, 233}, {192, 200, 196, 1}},
    {{171, 236, 236, 169, 250}, {192, 200, 196, 202, 1}},
    {{171, 236, 174, 200}, {192, 196, 200, 228}},
    {{171, 236, 233, 174, 200}, {192, 196, 1, 200, 228}},
    {{171, 236, 180, 233}, {192, 199, 197, 1}},
    {{171, 236, 180, 233}, {192, 199, 199, 1}},
    {{171, 236, 180, 233, 234}, {192, 199, 198, 1, 200}},
    {{171, 236, 180, 233, 234}, {192, 199, 199, 196, 1}},
    {{171, 236, 180, 233, 229}, {192, 199, 200, 1, 1}},
    {{171, 236, 180, 233, 228}, {192, 199, 198, 1, 200}},
    {{171, 236, 180, 233, 240}, {192, 199, 197, 1, 202}},
    {{171, 238}, {192, 206}},
    {{171, 238, 235, 237}, {192, 206, 198, 1}},
    {{171, 238, 228, 237}, {192, 206, 198, 1}},
    {{171, 238, 235, 239}, {192, 206, 198, 1}},
    {{171, 238, 228, 239}, {192, 206, 198, 1}},
    {{171, 238, 241, 228}, {192, 202, 200, 1}},
    {{171, 238, 248, 228}, {192, 202, 200, 1}},
    {{171, 238, 250}, {192, 206, 1}},
    {{171, 238, 233, 228, 228}, {192, 196, 1, 200, 1}},
    {{171, 238, 233, 240, 228}, {192, 196, 1, 200, 1}},
    {{171, 238, 233, 241, 250}, {192, 196, 1, 202, 1}},
    {{171, 238, 233, 209, 228}, {192, 196, 1, 200, 1}},
    {{171, 240, 244, 233, 228}, {192, 202, 1, 200, 1}},
    {{171, 240, 244, 233, 250, 233}, {192, 202, 1, 200, 196, 1}},
    {{171, 240, 233, 238, 228}, {192, 196, 1, 200, 1}},
    {{171, 240, 233, 241, 228}, {192, 196, 1, 200, 1}},
    {{171, 240, 233, 242, 228}, {192, 196, 1, 200, 1}},
    {{171, 240, 233, 242, 250}, {192, 196, 1, 202, 1}},
    {{171, 240, 241, 169, 228}, {192, 197, 196, 200, 1}},
    {{171, 240, 241, 169, 250, 233}, {192, 197, 196, 200, 196, 1}},
    {{171, 240, 241, 169, 250, 233, 250}, {192, 197, 196, 200, 196, 1, 1}},
    {{171, 240, 242, 239}, {192, 199, 199, 1}},
    {{171, 240, 242, 240, 233}, {192, 199, 199, 196, 1}},
    {{171, 240, 242, 240, 233, 237}, {192, 199, 199, 196, 1, 1}},
    {{171, 241, 233}, {192, 202, 1}},
    {{171, 241, 250}, {192, 202, 1}},
    {{171, 241, 233, 228}, {192, 200, 200, 1}},
    {{171, 241, 233, 231, 228}, {192, 196, 1, 200, 1}},
    {{171, 241, 233, 236}, {192, 196, 1, 1}},
    {{171, 241, 233, 241, 228}, {192, 196, 1, 200, 1}},
    {{171, 244, 169, 228}, {192, 196, 200, 1}},
    {{171, 244, 169, 233, 228}, {192, 196, 200, 1, 1}},
    {{171, 244, 169, 250}, {192, 196, 206, 1}},
    {{171, 244, 169, 250}, {192, 196, 202, 1}},
    {{171, 244, 233, 236, 228}, {192, 196, 1, 200, 1}},
    {{171, 244, 233, 236, 250}, {192, 196, 1, 202, 1}},
    {{171, 244, 233, 239}, {192, 196, 1, 1}},
    {{171, 244, 233, 244, 228}, {192, 196, 1, 200, 1}},
    {{171, 244, 233, 244, 250}, {192, 196, 1, 202, 1}},
    {{171, 244, 233, 248}, {192, 196, 1, 1}},
    {{171, 244, 233, 248, 228}, {192, 196, 1, 200, 1}},
    {{171, 244, 233, 250, 250}, {192, 196, 1, 202, 1}},
    {{171, 244, 244, 228}, {192, 200, 200, 1}},
    {{171, 244, 244, 250}, {192, 200, 206, 1}},
    {{171, 244, 244, 250}, {192, 200, 199, 1}},
    {{171, 244, 248}, {192, 200, 1}},
    {{171, 244, 248, 233, 237}, {192, 200, 196, 1, 1}},
    {{171, 209, 250}, {192, 202, 1}},
    {{171, 209, 233, 248, 250}, {192, 196, 1, 202, 1}},
    {},
};
const WordPattern kKrClusterList[] = {
    {{171, 248, 225}, {192, 202, 1}},
    {{171, 248, 225, 233, 237}, {192, 202, 196, 1, 1}},
    {{171, 248, 225, 233, 250}, {192, 202, 196, 1, 1}},
    {{171, 248, 225, 169, 250}, {192, 202, 196, 206, 1}},
    {{171, 248, 230}, {192, 202, 1}},
    {{171, 248, 235, 233, 228}, {192, 202, 1, 200, 1}},
    {{171, 248, 235, 233, 250}, {192, 202, 196, 1, 1}},
    {{171, 248, 235, 169, 250}, {192, 202, 196, 206, 1}},
    {{171, 248, 237}, {192, 206, 1}},
    {{171, 248, 238, 241, 238, 228}, {192, 206, 206, 206, 200, 1}},
    {{171, 248, 238, 230, 237}, {192, 206, 206, 206, 1}},
    {{171, 248, 238, 232, 233}, {192, 206, 200, 196, 1}},
    {{171, 248, 240, 236, 226, 233}, {192, 206, 206, 206, 196, 1}},
    {{171, 248, 240, 236, 226, 233, 228}, {192, 206, 206, 206, 1, 200, 1}},
    {{171, 248, 240, 238, 232, 248}, {192, 206, 206, 198, 198, 1}},
    {{171, 248, 240, 233}, {192, 206, 196, 1}},
    {{171, 248, 240, 233, 247, 228}, {192, 206, 196, 1, 200, 1}},
    {{171, 248, 230, 228}, {192, 200, 200, 1}},
    {{171, 248, 233, 235, 228}, {192, 196, 1, 200, 1}},
    {{171, 248, 233, 235, 250}, {192, 196, 1, 202, 1}},
    {{171, 248, 233, 235, 169, 228}, {192, 196, 1, 196, 200, 1}},
    {{171, 248, 233, 242, 228}, {192, 196, 1, 200, 1}},
    {{171, 248, 233, 250, 228}, {192, 196, 1, 200, 1}},
    {{171, 248, 233, 250, 250}, {192, 196, 1, 202, 1}},
    {{171, 248, 171, 233}, {192, 199, 196, 1}},
    {{171, 248, 233, 209, 228}, {192, 197, 1, 200, 1}},
    {{171, 248, 209, 228}, {192, 197, 200, 1}},
    {{171, 248, 250, 233}, {192, 197, 196, 1}},
    {{171, 248, 250, 233, 237}, {192, 197, 196, 1, 1}},
    {{171, 248, 250, 233, 250}, {192, 197, 196, 1, 1}},
    {},
};
// clang-format on

bool MatchesList(const WordView& w, const WordPattern* list) {
  int offset = 0;
  return MatchWordPatternList(w.Letters(), w.Vowels(), w.Last(), list, &offset, 0) != 0;
}

// Whether a prefix chain of k letters ends before position i = k and leaves
// the shva at i at the start of the stem's first syllable.
bool IsAfterPrefix(const WordView& w, int i, const PrefixInfo& p) {
  if (i < 1 || i > 4) return false;
  const bool kindMatches =
      p.prefixKind == static_cast<DWORD>(i) || (p.prefixKind == kAnyPrefixKind && p.slots[i] != 0);
  if (!kindMatches) return false;
  const int kind = p.prefixKind <= 4 ? static_cast<int>(p.prefixKind) : 0;
  if (kind >= 1 && w.L(kind - 1) == HebCode::He && IsAnyOf(w.V(kind - 1), {199, 200})) return true;
  if (!(p.slots[1] != 0 && i == 1)) {
    for (int k = 2; k <= 4; ++k) {
      if (p.slots[k] != 0 && i == k && IsShinWithShinDot(w.L(k - 1)) && IsSegolForm(w.V(k - 1))) {
        return true;
      }
    }
    return false;
  }
  const int l0 = w.L(0), v0 = w.V(0);
  return (IsShuruk(l0) && IsShuruk(v0)) ||
         (IsVavForm(l0) && (IsSegolForm(v0) || IsPatahForm(v0) || IsQamatsForm(v0))) ||
         (IsShinWithShinDot(l0) && (IsSegolForm(v0) || IsQamatsForm(v0))) ||
         (p.prefixKind == 1 && IsHiriqForm(v0) && (IsBet(l0) || IsKaf(l0) || IsLamed(l0)));
}

int ClusterTest(int letter, int next, const PrefixInfo& p) {
  if (IsReshOrLamed(next)) return IsSonorant(letter) ? 1 : 0;
  if ((p.optionBits & 1) && IsPe(letter) && IsSamekh(next)) return 0;
  return 1;
}

// The shva at the start of a syllable; -1 when the later steps decide.
int TestAtSyllableStart(int pronunciation, const WordView& w, int i, int next,
                        const PrefixInfo& p) {
  const int letter = w.L(i);
  if (IsZayinTsadiGroup(letter)) {
    if (IsGutturalLetter(next)) return 1;
    if (pronunciation != kSephardi) return 2;
    return -1;
  }
  if (IsSamekhShinGroup(letter)) return IsGutturalLetter(next) ? 1 : -1;
  if (letter == HebCode::Vav) return 1;
  if (letter == 161 || letter == 225) {
    if (MatchesList(w, kBlClusterList) || MatchesList(w, kBrClusterList)) return 0;
    if (p.prefixKind != 0) return 1;
    return ClusterTest(letter, next, p);
  }
  if (IsAnyOf(letter, {162, 226, 184, 247})) {
    if (IsAnyOf(next, {165, 166, 172, 174, 176, 177, 182, 185, 208, 209, 210, 211, 221, 225, 229,
                       230, 236, 238, 240, 241, 244, 246, 248, 249})) {
      return 0;
    }
    return ClusterTest(letter, next, p);
  }
  const bool shinWithSegolNext = IsShinWithShinDot(next) && next != 249 &&
                                 w.V(i + 1) == HebCode::Segol;
  if (letter == 171) {
    if (shinWithSegolNext) return 2;
    if (MatchesList(w, kKClusterList) || MatchesList(w, kKrClusterList)) return 0;
    if (p.prefixKind != 0) return 1;
    return ClusterTest(letter, next, p);
  }
  if (letter == HebCode::Kaf && shinWithSegolNext) return 2;
  return ClusterTest(letter, next, p);
}

}  // namespace

int IsDoubledVav(const BYTE* letters, const BYTE* vowels, int i, int n) {
  const WordView w(letters, vowels, n);
  return IsVavForm(w.L(i)) && IsVavForm(w.L(i + 1)) && IsNoVowel(w.V(i + 1)) && i + 1 != n &&
                 i + 1 <= n
             ? 1
             : 0;
}

int TestVocalShva(int pronunciation, const BYTE* letters, const BYTE* vowels, int i, int n,
                  const PrefixInfo& p) {
  const WordView w(letters, vowels, n);
  // 1. Explicit answers.
  if (n == 0) return 1;
  if (i >= n) return 0;
  if (i < 0) return 0;
  if (w.V(i) == 156) return 1;
  if (w.V(i) == 157) return 0;
  // 2. A vav with patah or qamats taken as a one-letter prefix.
  if (i == 1 && p.firstOption == 1 && p.prefixKind == 1 && w.L(0) == HebCode::Vav &&
      IsAnyOf(w.V(0), {199, 200})) {
    return 1;
  }
  // 3.
  for (int k = 0; k <= 4; ++k) {
    if (p.slots[k] == 0 && i == k + 1 && MatchesList(w, kSecondLetterSilentShvaList)) return 0;
  }
  const int letter = w.L(i);
  const int doubled = IsDoubledVav(letters, vowels, i, n);
  const int next = w.L(i + 1 + doubled);
  const int skip = i >= 2 && IsVavForm(w.L(i - 2)) && IsVavForm(w.L(i - 1)) && IsNoVowel(w.V(i - 1))
                       ? 1
                       : 0;
  const int previous = w.L(i - 1 - skip);
  const int previousVowel = w.V(i - 1 - skip);
  // 4. Syllable start.
  if (i == 0 || IsSpaceOrHyphen(w.L(i - 1)) || IsBlankCode(w.L(i - 1)) || IsAfterPrefix(w, i, p)) {
    const int result = TestAtSyllableStart(pronunciation, w, i, next, p);
    if (result >= 0) return result;
  }
  const bool likeLetterRules = (p.optionBits & 1) == 0;
  // 5. Two shvas in a row.
  if (i >= 1 + skip && IsShva(previousVowel) && likeLetterRules && !IsAlefOrAyin(previous) &&
      !IsHeForm(previous)) {
    if (!IsSonorant(letter) && IsReshOrLamed(next)) return 3;
    if (IsZayinTsadiGroup(letter)) {
      return IsSibilantLetter(previous) || LettersSoundAlike(letter, next, pronunciation) ? 1 : 0;
    }
    if (IsSamekhShinGroup(letter)) {
      const int after = w.L(i + 1);
      if (!(IsSibilantLetter(after) || IsAlefOrAyin(after))) return 0;
      return IsSibilantLetter(previous) || LettersSoundAlike(letter, next, pronunciation) ? 1 : 0;
    }
    return 1;
  }
  // 6. After two yods without vowels.
  if (i >= 2 && IsNoVowelOrShva(w.V(i - 1)) && IsNoVowelOrShva(w.V(i - 2)) &&
      IsYodForm(w.L(i - 1)) && IsYodForm(w.L(i - 2))) {
    return 1;
  }
  // 7. Before a letter that sounds alike.
  if (LettersSoundAlike(letter, next, pronunciation) && !IsNoVowelOrShva(w.V(i + 1)) &&
      likeLetterRules) {
    return 1;
  }
  // 8.
  if (i < 1 + skip || !IsNoVowel(previousVowel) || IsAlef(w.L(i - 1)) || IsYodForm(w.L(i - 1)) ||
      skip == 1 || IsNoVowelOrShva(w.V(i + 1 + doubled))) {
    return 0;
  }
  // 9.-11.
  if (IsGutturalLetter(next)) return 1;
  if (IsZayinTsadiGroup(letter) && letter != 223) return pronunciation == kSephardi ? 0 : 1;
  if (IsSamekhShinGroup(letter)) return 0;
  if (!IsResh(next)) return 1;
  return IsYodForm(letter) || IsHeForm(letter) || IsAlefOrAyin(letter) || IsResh(letter) ? 1 : 0;
}

int LettersSoundAlike(int a, int b, int pronunciation) {
  a &= 0xFF;
  b &= 0xFF;
  const bool sephardi = pronunciation == kSephardi;
  if (a == 161 || a == 180) return b == a;
  if (IsAnyOf(a, {226, 162, 170, 171, 187, 188, 184, 247})) return 0;
  if (IsDaletForm(a)) return IsDaletForm(b);
  if (IsTetForm(a)) return IsTetForm(b);
  if (IsAnyOf(a, {208, 209})) return IsAnyOf(b, {249, 185, 209, 208});
  if (IsVavForm(a)) return b == HebCode::Bet;
  if (a == HebCode::Bet) return b == HebCode::Bet || IsVavForm(b);
  if (IsAnyOf(a, {231, 235, 234, 251, 252})) return IsAnyOf(b, {231, 234, 235, 251, 252});
  if (a == 186) return b == 186 || (b == HebCode::Tav && sephardi);
  if (a == HebCode::Tav && sephardi) return IsAnyOf(b, {250, 186});
  if (IsAnyOf(a, {166, 177, 182, 185, 210, 211, 221, 223, 230, 241, 246, 249}) ||
      a == HebCode::Tav) {
    return IsZayin(b) || IsTsadi(b) || IsSamekh(b) ||
           IsAnyOf(b, {221, 245, 249, 185, 210, 211}) || (b == HebCode::Tav && !sephardi);
  }
  if (b == a) return 1;
  if (a != HebCode::Pe && IsDageshableLetter(a) && b == (AddDagesh(a) & 0xFF)) return 1;
  return IsDageshLetter(a) && a != 180 && b == (RemoveDagesh(a) & 0xFF) ? 1 : 0;
}
