#include "speech/core/VocalShva.h"

#include <optional>

#include "hebtext/core/HebChar.h"
#include "speech/core/CodeSets.h"
#include "speech/core/WordPatterns.h"
#include "speech/core/WordView.h"

namespace {

using namespace HebCode;

bool IsZayinTsadiGroup(int c) {
  return IsAnyOf(c, {ZayinDagesh, TsadiDagesh, ZayinGeresh, TsadiGeresh, Zayin, Tsadi});
}
bool IsSamekhShinGroup(int c) {
  return IsAnyOf(c, {SamekhDagesh, ShinDagesh, ShinShinDotDagesh, ShinShinDot, ShinSinDot,
                     ShinSinDotDagesh, Samekh, Shin});
}
bool IsSonorant(int c) {
  return IsYodForm(c) || IsAnyOf(c, {He, HeMappiq, Lamed, LamedDagesh, Mem, MemDagesh, Nun,
                                     NunDagesh, Alef, Ayin, Resh});
}
bool IsReshOrLamed(int c) { return IsResh(c) || IsLamed(c); }
bool IsBetForm(int c) { return c == BetDagesh || c == Bet; }
bool IsGimelOrQof(int c) { return IsAnyOf(c, {GimelDagesh, Gimel, QofDagesh, Qof}); }
// The letters that a gimel or qof under shva opening a word runs into as one
// cluster, its shva silent.
bool ClustersAfterGimelOrQof(int c) {
  return IsAnyOf(c, {VavDagesh, ZayinDagesh, LamedDagesh, MemDagesh, NunDagesh, SamekhDagesh,
                     TsadiDagesh, ShinDagesh, ShinShinDotDagesh, ShinShinDot, ShinSinDot,
                     ShinSinDotDagesh, ZayinGeresh, Bet, Vav, Zayin, Lamed, Mem, Nun, Samekh,
                     Pe, Tsadi, Resh, Shin});
}
bool IsPatahOrQamatsPlainCode(int c) { return c == Patah || c == Qamats; }

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
  const DWORD prefixKind = p.options.prefixKind;
  const bool kindMatches =
      prefixKind == static_cast<DWORD>(i) || (prefixKind == kAnyPrefixKind && p.slots[i] != 0);
  if (!kindMatches) return false;
  const int kind = prefixKind <= 4 ? static_cast<int>(prefixKind) : 0;
  if (kind >= 1 && w.L(kind - 1) == He && IsPatahOrQamatsPlainCode(w.V(kind - 1))) return true;
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
         (prefixKind == 1 && IsHiriqForm(v0) && (IsBet(l0) || IsKaf(l0) || IsLamed(l0)));
}

ShvaKind ClusterTest(int letter, int next, const PrefixInfo& p) {
  if (IsReshOrLamed(next)) return IsSonorant(letter) ? kVocalShva : kSilentShva;
  if (p.options.plainShvaRules && IsPe(letter) && IsSamekh(next)) return kSilentShva;
  return kVocalShva;
}

// The shva at the start of a syllable; nothing when the later steps decide.
std::optional<ShvaKind> TestAtSyllableStart(const WordView& w, int i, int next,
                                            const PrefixInfo& p) {
  const int letter = w.L(i);
  const bool prefixed = p.options.prefixKind != 0;
  if (IsZayinTsadiGroup(letter)) {
    if (IsGutturalLetter(next)) return kVocalShva;
    if (p.options.pronunciation != kSephardi) return kVocalShvaAtStart;
    return std::nullopt;
  }
  if (IsSamekhShinGroup(letter)) {
    if (IsGutturalLetter(next)) return kVocalShva;
    return std::nullopt;
  }
  if (letter == Vav) return kVocalShva;
  if (IsBetForm(letter)) {
    if (MatchesList(w, kBlClusterList) || MatchesList(w, kBrClusterList)) return kSilentShva;
    if (prefixed) return kVocalShva;
    return ClusterTest(letter, next, p);
  }
  if (IsGimelOrQof(letter)) {
    if (ClustersAfterGimelOrQof(next)) return kSilentShva;
    return ClusterTest(letter, next, p);
  }
  const bool shinWithSegolNext = IsShinWithShinDot(next) && next != Shin && w.V(i + 1) == Segol;
  if (letter == KafDagesh) {
    if (shinWithSegolNext) return kVocalShvaAtStart;
    if (MatchesList(w, kKClusterList) || MatchesList(w, kKrClusterList)) return kSilentShva;
    if (prefixed) return kVocalShva;
    return ClusterTest(letter, next, p);
  }
  if (letter == Kaf && shinWithSegolNext) return kVocalShvaAtStart;
  return ClusterTest(letter, next, p);
}

}  // namespace

PrefixInfo FindPrefixes(const BYTE* letters, const BYTE* vowels,
                        const PronunciationOptions& options) {
  PrefixInfo prefix;
  prefix.options = options;
  for (int k = 1; k <= 4; ++k) {
    if (options.prefixKind == kAnyPrefixKind || options.prefixKind == static_cast<DWORD>(k)) {
      prefix.slots[k] = TestWordPrefix(letters, vowels, k);
    }
  }
  return prefix;
}

bool IsDoubledVav(const BYTE* letters, const BYTE* vowels, int i, int n) {
  const WordView w(letters, vowels, n);
  return IsVavForm(w.L(i)) && IsVavForm(w.L(i + 1)) && IsNoVowel(w.V(i + 1)) && i + 1 != n &&
         i + 1 <= n;
}

ShvaKind TestVocalShva(const BYTE* letters, const BYTE* vowels, int i, int n,
                       const PrefixInfo& p) {
  const Pronunciation pronunciation = p.options.pronunciation;
  const WordView w(letters, vowels, n);
  // 1. Explicit answers.
  if (n == 0) return kVocalShva;
  if (i >= n) return kSilentShva;
  if (i < 0) return kSilentShva;
  if (w.V(i) == VocalShva) return kVocalShva;
  if (w.V(i) == SilentShva) return kSilentShva;
  // 2. A vav with patah or qamats taken as a one-letter prefix.
  if (i == 1 && p.options.initialVavIsPrefix && p.options.prefixKind == 1 && w.L(0) == Vav &&
      IsPatahOrQamatsPlainCode(w.V(0))) {
    return kVocalShva;
  }
  // 3.
  for (int k = 0; k <= 4; ++k) {
    if (p.slots[k] == 0 && i == k + 1 && MatchesList(w, kSecondLetterSilentShvaList)) {
      return kSilentShva;
    }
  }
  const int letter = w.L(i);
  const int doubled = IsDoubledVav(letters, vowels, i, n) ? 1 : 0;
  const int next = w.L(i + 1 + doubled);
  const int skip =
      i >= 2 && IsVavForm(w.L(i - 2)) && IsVavForm(w.L(i - 1)) && IsNoVowel(w.V(i - 1)) ? 1 : 0;
  const int previous = w.L(i - 1 - skip);
  const int previousVowel = w.V(i - 1 - skip);
  auto vocalIf = [](bool spoken) { return spoken ? kVocalShva : kSilentShva; };
  // 4. Syllable start.
  if (i == 0 || IsSpaceOrHyphen(w.L(i - 1)) || IsBlankCode(w.L(i - 1)) || IsAfterPrefix(w, i, p)) {
    if (const std::optional<ShvaKind> kind = TestAtSyllableStart(w, i, next, p)) return *kind;
  }
  const bool likeLetterRules = !p.options.plainShvaRules;
  // 5. Two shvas in a row.
  if (i >= 1 + skip && IsShva(previousVowel) && likeLetterRules && !IsAlefOrAyin(previous) &&
      !IsHe(previous)) {
    if (!IsSonorant(letter) && IsReshOrLamed(next)) return kVocalShvaBeforeLiquid;
    if (IsZayinTsadiGroup(letter)) {
      return vocalIf(IsSibilantLetter(previous) || LettersSoundAlike(letter, next, pronunciation));
    }
    if (IsSamekhShinGroup(letter)) {
      const int after = w.L(i + 1);
      if (!(IsSibilantLetter(after) || IsAlefOrAyin(after))) return kSilentShva;
      return vocalIf(IsSibilantLetter(previous) || LettersSoundAlike(letter, next, pronunciation));
    }
    return kVocalShva;
  }
  // 6. After two yods without vowels.
  if (i >= 2 && IsNoVowelOrShva(w.V(i - 1)) && IsNoVowelOrShva(w.V(i - 2)) &&
      IsYodForm(w.L(i - 1)) && IsYodForm(w.L(i - 2))) {
    return kVocalShva;
  }
  // 7. Before a letter that sounds alike.
  if (LettersSoundAlike(letter, next, pronunciation) && !IsNoVowelOrShva(w.V(i + 1)) &&
      likeLetterRules) {
    return kVocalShva;
  }
  // 8.
  if (i < 1 + skip || !IsNoVowel(previousVowel) || IsAlef(w.L(i - 1)) || IsYodForm(w.L(i - 1)) ||
      skip == 1 || IsNoVowelOrShva(w.V(i + 1 + doubled))) {
    return kSilentShva;
  }
  // 9.-11.
  if (IsGutturalLetter(next)) return kVocalShva;
  if (IsZayinTsadiGroup(letter) && letter != TsadiGeresh) return vocalIf(pronunciation != kSephardi);
  if (IsSamekhShinGroup(letter)) return kSilentShva;
  if (!IsResh(next)) return kVocalShva;
  return vocalIf(IsYodForm(letter) || IsHe(letter) || IsAlefOrAyin(letter) || IsResh(letter));
}

bool LettersSoundAlike(int a, int b, Pronunciation pronunciation) {
  a &= 0xFF;
  b &= 0xFF;
  const bool sephardi = pronunciation == kSephardi;
  if (a == BetDagesh || a == PeDagesh) return b == a;
  if (IsAnyOf(a, {Gimel, GimelDagesh, FinalKafDagesh, KafDagesh, FinalKafDageshShva,
                  FinalKafDageshQamats, QofDagesh, Qof})) {
    return false;
  }
  if (IsDalet(a)) return IsDalet(b);
  if (IsTet(a)) return IsTet(b);
  if (IsAnyOf(a, {ShinShinDotDagesh, ShinShinDot})) {
    return IsAnyOf(b, {Shin, ShinDagesh, ShinShinDot, ShinShinDotDagesh});
  }
  if (IsVavForm(a)) return b == Bet;
  if (a == Bet) return b == Bet || IsVavForm(b);
  const auto isKhSound = [](int c) {
    return IsAnyOf(c, {Het, Kaf, FinalKaf, FinalKafShva, FinalKafQamats});
  };
  if (isKhSound(a)) return isKhSound(b);
  if (a == TavDagesh) return b == TavDagesh || (b == Tav && sephardi);
  if (a == Tav && sephardi) return IsAnyOf(b, {Tav, TavDagesh});
  if (IsAnyOf(a, {ZayinDagesh, SamekhDagesh, TsadiDagesh, ShinDagesh, ShinSinDot,
                  ShinSinDotDagesh, ZayinGeresh, TsadiGeresh, Zayin, Samekh, Tsadi, Shin}) ||
      a == Tav) {
    return IsZayin(b) || IsTsadi(b) || IsSamekh(b) ||
           IsAnyOf(b, {ZayinGeresh, FinalTsadi, Shin, ShinDagesh, ShinSinDot, ShinSinDotDagesh}) ||
           (b == Tav && !sephardi);
  }
  if (b == a) return true;
  if (a != Pe && IsDageshableLetter(a) && b == (AddDagesh(a) & 0xFF)) return true;
  return IsDageshLetter(a) && a != PeDagesh && b == (RemoveDagesh(a) & 0xFF);
}
