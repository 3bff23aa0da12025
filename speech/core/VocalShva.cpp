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
  return IsAnyOf(c, {VavDagesh,   ZayinDagesh, LamedDagesh,
                     MemDagesh,   NunDagesh,   SamekhDagesh,
                     TsadiDagesh, ShinDagesh,  ShinShinDotDagesh,
                     ShinShinDot, ShinSinDot,  ShinSinDotDagesh,
                     ZayinGeresh, Bet,         Vav,
                     Zayin,       Lamed,       Mem,
                     Nun,         Samekh,      Pe,
                     Tsadi,       Resh,        Shin});
}
bool IsPatahOrQamatsPlainCode(int c) { return c == Patah || c == Qamats; }

// clang-format off
// Words whose second letter carries a silent shva although a prefix could
// stand before it.
const WordPattern* SecondLetterSilentShvaWords() {
  static const WordPatternList list({
      u8"יִתְדוֹת", u8"מָשְׁזָר", u8"שֶׁלְךָ", u8"שֶׁנְהָב",
  });
  return list.Patterns();
}

// Words that begin with bet or kaf under shva and a consonant cluster.
const WordPattern* BlClusterWords() {
  static const WordPatternList list({
      u8"בְּלוֹאִים", u8"בְּלִי", u8"בְּלוֹיִים", u8"בְּלוֹף", u8"בְּלוֹפֶר", u8"בְּלוֹק",
      u8"בְּלוֹקָדָה", u8"בְּלוֹרִית", u8"בְּלִי", u8"בְּלִיטָה", u8"בְּלִיל", u8"בְּלִילָה",
      u8"בְּלִימָה", u8"בְּלַינד", u8"בְּלִיעָה", u8"בְּלִיַּעַל", u8"בְּלִישָׁה", u8"בְּלֶנדֶּר",
      u8"בְּלַנק", u8"בְּלַנקוֹ", u8"בְּנִיָּה",
  });
  return list.Patterns();
}

const WordPattern* BrClusterWords() {
  static const WordPatternList list(
      {
          u8"בְּרֵאשִׁית", u8"בְּרֵאשִׁיתִי", u8"בְּרַהמִין", u8"בְּרָווֹ", u8"בְּרָאווֹ",
          u8"בְּרוּטוֹ", u8"בְּרוּטָלִי", u8"בְּרוּטָלִיּוּת", u8"בְּרוֹך", u8"בְּרוֹם",
          u8"בְּרוֹמִיד", u8"בְּרוֹנזָה", u8"בְּרוּנֶטִית", u8"בְּרוֹנכִיט", u8"בְּרוֹנכִיטִיס",
          u8"בְּרוּרוֹת", u8"בְּרוֹשׁ", u8"בְּרָזִיל", u8"בְּרָאזִיל", u8"בְּרָזִילָאִי",
          u8"בְּרֶזֶנט", u8"בְּרִיאָה", u8"בְּרִיאוּת", u8"בְּרִיגָדָה", u8"בְּרִיָּה",
          u8"בְּרִיחַ", u8"בְּרִיחָה", u8"בְּרִיטִי", u8"בְּרִיטַניָה", u8"בְּרַיל",
          u8"בְּרִיליַנט", u8"בְּרִיליַנטִין", u8"בְּרִיסטוֹל", u8"בְּרִירָה", u8"בְּרֵירָה",
          u8"בְּרֵרָה", u8"בְּרִירוּת", u8"בְּרִית", u8"בְּרֵיכָה", u8"בְּרָכָה", u8"בְּרֵכָה",
          u8"בְּרֵכַת", u8"בְּרֵיכַת", u8"בְּרֵכִיָּה", u8"בְּרֵיכִיָּה", u8"בְּרֶן", u8"בְּרָסוֹ",
          u8"בְּרֶקס", u8"בְּרָרָה",
      },
      // Entries pointed UTF-8 cannot write: a letter with a tick with no vowel byte, and a vowel
      // plane that holds a letter, kept as the list has always held it.
      {
          {{BetDagesh, Resh, Yod, Dalet, ZayinGeresh},
           {Shva, Hiriq, ExplicitNoVowel, ExplicitNoVowel, NoVowel}},
          {{BetDagesh, Resh, Alef, Yod, Lamed},
           {Shva, Patah, Alef, ExplicitNoVowel, ExplicitNoVowel}},
      });
  return list.Patterns();
}

const WordPattern* KClusterWords() {
  static const WordPatternList list(
      {
          u8"כְּבֵדוּת", u8"כְּבֵידוּת", u8"כְּבִידָה", u8"כְּבִיָּה", u8"כְּבִילָה",
          u8"כְּבִילוּת", u8"כְּבִיסָה", u8"כְּבִיסוּת", u8"כְּבִירָה", u8"כְּבִישׁ",
          u8"כְּבִישִׁים", u8"כְּבִישָׁה", u8"כְּבִישַׁת", u8"כְּבֵנָה", u8"כְּבֵינָה",
          u8"כְּבָסִים", u8"כְּבָר", u8"כְּבָרָה", u8"כְּלַבלַב", u8"כְּלַבתֶּה", u8"כְּלָפתֶּה",
          u8"כְּלוּב", u8"כְּלוּלוֹת", u8"כְּלוּם", u8"כְּלוּמִי", u8"כְּלוּמִית", u8"כְּלוּמִיוֹת",
          u8"כְּלוּמִיּוּת", u8"כְּלוּמִים", u8"כְּלוּמנִיק", u8"כְּלוּמנִיקִית", u8"כְּלוֹנָס",
          u8"כְּלוֹנסָאוֹת", u8"כְּלוֹר", u8"כְּלוֹרוֹפוֹרם", u8"כְּלוֹרוֹפִיל", u8"כְּלוֹרִיד",
          u8"כְּלוֹרִינַציָה", u8"כְּלִי", u8"כְּלֵי", u8"כְּלִיאָה", u8"כְּלִיבָה", u8"כְּלָיָה",
          u8"כְּלִיל", u8"כְּלָל", u8"כְּלַל", u8"כְּלָלִי", u8"כְּלָלִיּוּת", u8"כְּלַפֵּי",
          u8"כְּלַפַּי", u8"כְּלַפֶּיךָ", u8"כְּלַפַּיִך", u8"כְּלַפָּיו", u8"כְּלַפֶּיהָ",
          u8"כְּלַפֵּינוּ", u8"כְּמוֹ", u8"כְּמוֹכֶם", u8"כְּמוֹהֶם", u8"כְּמוֹכֶן", u8"כְּמוֹהֶן",
          u8"כְּמוּסָה", u8"כְּמוּרָה", u8"כְּמוֹת", u8"כְּמִיהָה", u8"כְּמִינָה", u8"כְּמִיסוּת",
          u8"כְּמִישָׁה", u8"כְּנוּפיָה", u8"כְּנוּפיָתִי", u8"כְּנִימָה", u8"כְּנִיסָה",
          u8"כְּנִיעָה", u8"כְּנִיעוּת", u8"כְּנֵסִיָּה", u8"כְּנֵסִיָּתִי", u8"כְּנֵסִיָּתִית",
          u8"כְּנַעַן", u8"כְּנַעַנִי", u8"כְּנַעַנִים", u8"כְּסוּי", u8"כְּסוּת", u8"כְּסָיָה",
          u8"כְּסִיחָה", u8"כְּסִיל", u8"כְּסִיסָה", u8"כְּפִיָּה", u8"כְּפִיָּיה", u8"כְּפִיּוֹת",
          u8"כְּפִיּוּת", u8"כְּפִילָה", u8"כְּפִילוּת", u8"כְּפִין", u8"כְּפִיפָה", u8"כְּפִיפוּת",
          u8"כְּפִיר", u8"כְּפִירָה", u8"כְּפִיתוּת", u8"כְּפָפָה", u8"כְּפָפוֹת", u8"כְּפָפַת",
          u8"כְּפָר", u8"כְּפָרִים", u8"כְּשׁוּת", u8"כְּשִׁירוּת",
      },
      // Entries whose last letter and vowel are shifted by one (a qamats in the letter plane, a he
      // in the vowel plane), kept as the list has always held them.
      {
          {{KafDagesh, Lamed, MemDagesh, Qamats},
           {Shva, Hiriq, Qamats, He}},
          {{KafDagesh, Lamed, Yod, MemDagesh, Qamats},
           {Shva, Hiriq, ExplicitNoVowel, Qamats, He}},
      });
  return list.Patterns();
}

const WordPattern* KrClusterWords() {
  static const WordPatternList list({
      u8"כְּרוּב", u8"כְּרוּבִים", u8"כְּרוּבִית", u8"כְּרוּבִיּוֹת", u8"כְּרוּז", u8"כְּרוּכיָה",
      u8"כְּרוּכִית", u8"כְּרוּכִיּוֹת", u8"כְּרוֹם", u8"כְּרוֹמוֹסוֹמָה", u8"כְּרוֹמוֹזוֹם",
      u8"כְּרוֹמָטִי", u8"כְּרוֹנוֹלוֹגִי", u8"כְּרוֹנוֹלוֹגיָה", u8"כְּרוֹנוֹמֶטֶר", u8"כְּרוֹנִי",
      u8"כְּרוֹנִיקָה", u8"כְּרָזָה", u8"כְּרִיכָה", u8"כְּרִיכוּת", u8"כְּרִיכִיָּה",
      u8"כְּרִיעָה", u8"כְּרִיתָה", u8"כְּרִיתוּת", u8"כְּרַכִּי", u8"כְּרֵישָׁה", u8"כְּרֵשָׁה",
      u8"כְּרֵתִי", u8"כְּרֵתִים", u8"כְּרֵתִית",
  });
  return list.Patterns();
}
// clang-format on

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
    if (MatchesWordList(w, BlClusterWords()) || MatchesWordList(w, BrClusterWords())) {
      return kSilentShva;
    }
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
    if (MatchesWordList(w, KClusterWords()) || MatchesWordList(w, KrClusterWords())) {
      return kSilentShva;
    }
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

ShvaKind TestVocalShva(const BYTE* letters, const BYTE* vowels, int i, int n, const PrefixInfo& p) {
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
    if (p.slots[k] == 0 && i == k + 1 && MatchesWordList(w, SecondLetterSilentShvaWords())) {
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
  if (IsZayinTsadiGroup(letter) && letter != TsadiGeresh) {
    return vocalIf(pronunciation != kSephardi);
  }
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
  if (IsAnyOf(a, {ZayinDagesh, SamekhDagesh, TsadiDagesh, ShinDagesh, ShinSinDot, ShinSinDotDagesh,
                  ZayinGeresh, TsadiGeresh, Zayin, Samekh, Tsadi, Shin}) ||
      a == Tav) {
    return IsZayin(b) || IsTsadi(b) || IsSamekh(b) ||
           IsAnyOf(b, {ZayinGeresh, FinalTsadi, Shin, ShinDagesh, ShinSinDot, ShinSinDotDagesh}) ||
           (b == Tav && !sephardi);
  }
  if (b == a) return true;
  if (a != Pe && IsDageshableLetter(a) && b == (AddDagesh(a) & 0xFF)) return true;
  return IsDageshLetter(a) && a != PeDagesh && b == (RemoveDagesh(a) & 0xFF);
}
