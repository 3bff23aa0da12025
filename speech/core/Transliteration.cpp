#include "speech/core/Transliteration.h"

#include <algorithm>
#include <string>

#include "hebtext/core/ByteText.h"
#include "hebtext/core/HebChar.h"
#include "speech/core/CodeSets.h"
#include "speech/core/VocalShva.h"
#include "speech/core/WordPatterns.h"
#include "speech/core/WordView.h"

namespace {

using namespace HebCode;

// A nun closing a syllable before these is spoken as in "ink".
bool IsVelarStop(int c) { return IsAnyOf(c, {GimelDagesh, FinalKafDagesh, KafDagesh, Gimel, Qof}); }

// clang-format off
// gimel with geresh, nun, gimel, lamed: the shva under the gimel is spoken
// as a neutral vowel.
const WordPattern* NeutralShvaWords() {
  // A letter with a tick has no UTF-8 form.
  static const WordPatternList list(
      {}, {{{GimelGeresh, Nun, Gimel, Lamed}, {Shuruk, Shva, Shva, ExplicitNoVowel}}});
  return list.Patterns();
}

// Words in -a'i whose qamats is no diphthong.
const WordPattern* AiExceptionWords() {
  static const WordPatternList list({
      u8"גּרָפִיקָאִי", u8"חַקְלָאִי", u8"טַוָאִי", u8"סַבָּאִי", u8"סַבְתָּאִי", u8"צְבָאִי",
  });
  return list.Patterns();
}
// clang-format on

struct Onset {
  std::string engine;
  std::string code;
  bool silent = false;
};

struct VowelPart {
  std::string engine;
  std::string code;
  int used = 0;  // following letters taken up, the doubled vav included
};

// One call's state: the word, its prefixes and options, and the doubled
// vav of the letter processed last, which the next letter's hiriq reads.
class WordTransliterator {
 public:
  WordTransliterator(const BYTE* letters, const BYTE* vowels, int last, const PrefixInfo& prefix)
      : m_pron(prefix.options.pronunciation),
        m_vowelType(prefix.options.vowelType),
        w(letters, vowels, last),
        m_prefix(prefix) {}

  void Run(std::string& phonetic, std::string& code);

 private:
  Onset ConsonantOf(int i) const;
  VowelPart VowelOf(int i);
  VowelPart ExplicitNoVowelPart(int i) const;
  VowelPart HolamPart(int i) const;
  VowelPart ShurukPart(int i) const;
  VowelPart HiriqPart(int i) const;
  VowelPart TserePart(int i) const;
  VowelPart PatahOrQamatsPart(int i, bool qamats) const;
  VowelPart ShvaPart(int i) const;
  VowelPart HatafPatahPart(int i) const;
  VowelPart HatafQamatsPart(int i) const;

  // The engine spelling for the two vowel types; none for any other type.
  std::string Typed(const char* longClear, const char* israeli) const {
    if (m_vowelType == kLongClearVowels) return longClear;
    if (m_vowelType == kIsraeliVowels) return israeli;
    return std::string();
  }
  VowelPart Part(std::string engine, const char* code, int more) const {
    return VowelPart{std::move(engine), code, more + m_w};
  }
  bool ClosingYodAfter(int p) const {
    return p < w.Last() && IsYodForm(w.L(p + 1)) &&
           (IsNoVowel(w.V(p + 1)) || (IsShva(w.V(p + 1)) && w.V(p + 1) != VocalShva));
  }
  // A closing yod that a vowel rule may take up.
  bool SwallowableYodAfter(int p) const { return ClosingYodAfter(p) && !m_prefixYod; }
  ShvaKind ShvaAt(int i) const {
    return TestVocalShva(w.Letters(), w.Vowels(), i, w.Last(), m_prefix);
  }

  const Pronunciation m_pron;
  const VowelType m_vowelType;
  const WordView w;
  const PrefixInfo& m_prefix;
  int m_w = 0;          // doubled vav at the current letter
  int m_j = 0;          // the current letter, past a doubled vav
  int m_previousW = 0;  // doubled vav of the letter processed before
  bool m_prefixYod = false;
  int m_syllables = 0;  // stress digits written before the current letter
};

Onset WordTransliterator::ConsonantOf(int i) const {
  const int letter = w.L(i), vowel = w.V(i), next = w.L(i + 1);
  const bool yemenite = m_pron == kYemenite;
  auto both = [](const char* sound) { return Onset{sound, sound, false}; };
  auto split = [](const char* engine, const char* code) { return Onset{engine, code, false}; };
  const Onset silent{"", "", true};
  if (IsYodForm(letter)) return split("j", "y");
  switch (letter) {
    case BetDagesh: return both("b");
    case Bet: return both("v");
    case Gimel: return both("g");
    case GimelDagesh: return both(yemenite ? "Z" : "g");
    case Dalet: return yemenite ? split("d", "D") : both("d");
    case DaletDagesh: return both("d");
    case He:
    case HeMappiq: return IsNoVowelOrShva(vowel) && !IsYodForm(next) ? silent : both("h");
    case Vav:
    case VavDagesh:
      if (IsNoVowel(vowel) && IsVavForm(next) && !IsNoVowel(w.V(i + 1))) return silent;
      return both(yemenite ? "w" : "v");
    case Zayin:
    case ZayinDagesh: return both("z");
    case Het:
    case Kaf:
    case FinalKaf:
    case FinalKafShva:
    case FinalKafQamats: return both("x");
    case Tet:
    case TetDagesh:
    case TavDagesh: return both("t");
    case KafDagesh:
    case FinalKafDagesh:
    case FinalKafDageshShva:
    case FinalKafDageshQamats:
    case Qof:
    case QofDagesh: return both("k");
    case Lamed:
    case LamedDagesh: return both("l");
    case Mem:
    case FinalMem:
    case MemDagesh: return both("m");
    case Nun:
    case FinalNun:
    case NunDagesh: {
      const bool closed = IsNoVowel(vowel) || (IsShva(vowel) && ShvaAt(i + 1) == kSilentShva);
      if (closed && IsVelarStop(next)) return split("G", "N");
      return both("n");
    }
    case Samekh:
    case SamekhDagesh: return both(next == FinalMem && IsNoVowel(vowel) ? "z" : "s");
    case PeDagesh: return both("p");
    case Pe:
    case FinalPe: return both("f");
    case Tsadi:
    case FinalTsadi:
    case TsadiDagesh: return yemenite ? both("s") : split("T", "c");
    case Shin:
    case ShinDagesh:
    case ShinShinDotDagesh:
    case ShinShinDot: return both("S");
    case ShinSinDot:
    case ShinSinDotDagesh: return both("s");
    case Resh: return both("r");
    case Tav:
      if (m_pron == kSephardi) return both("t");
      if (m_pron == kAshkenazi) return both("s");
      if (yemenite) return split("s", "T");
      return Onset{};
    case Alef:
    case Ayin:
      if (IsNoVowelOrShva(vowel)) return silent;
      return split(i == 0 ? "" : ".", "q");
    case Shuruk: return split("", "q");
    case GimelGereshDagesh:
    case GimelGeresh: return split("J", "j");
    case ZayinGeresh: return both("Z");
    case FinalTsadiGeresh:
    case TsadiGeresh: return both("C");
    default: return Onset{};
  }
}

VowelPart WordTransliterator::ExplicitNoVowelPart(int i) const {
  const int n = w.Last(), j = m_j;
  if (i == n - 1) {
    const bool yodClusterMem = IsYodForm(w.L(n - 2)) &&
                               (IsZayin(w.L(n - 1)) || IsSamekh(w.L(n - 1))) &&
                               w.L(n) == FinalMem && IsHiriqOrNoVowel(w.V(n - 3)) &&
                               IsNoVowel(w.V(n - 2)) && IsNoVowelOrShva(w.V(n - 1));
    if (yodClusterMem || MatchesWordList(w, NeutralShvaWords())) return Part("0@", "1", 0);
  }
  if (SwallowableYodAfter(j)) {
    if (!ClosingYodAfter(j + 1)) return Part(Typed("0i.ji", "0I.jI"), "i", 1);
    if (w.L(j + 3) == FinalMem) return Part(Typed("0a.j0i", "0A.j0I"), "Yyi", 2);
    return Part(Typed("0a.j0a", "0A.j0A"), "aya", 2);
  }
  return Part("", "", 0);
}

VowelPart WordTransliterator::HolamPart(int i) const {
  const int j = m_j;
  if (IsHolamMale(w.V(i)) && i + 3 <= w.Last() && w.L(j + 1) == Alef && IsHiriqForm(w.V(j + 1)) &&
      IsYodForm(w.L(j + 2)) && IsNoVowelOrShva(w.V(j + 2)) && IsDalet(w.L(j + 3))) {
    const bool stressed = IsStressedVowel(w.V(i)) || IsStressedVowel(w.V(j + 1));
    return Part(stressed ? "1'oj'" : "0'oj'", "O", 2);
  }
  if (SwallowableYodAfter(j)) return Part("0'oj'", "O", 1);
  return Part("0O", "o", 0);
}

VowelPart WordTransliterator::ShurukPart(int i) const {
  const int j = m_j;
  if (SwallowableYodAfter(j)) return Part("0Ui", "U", ClosingYodAfter(j + 1) ? 2 : 1);
  if (IsResh(w.L(j + 1)) &&
      (IsNoVowel(w.V(j + 1)) || (IsShva(w.V(j + 1)) && ShvaAt(j + 1) == kSilentShva))) {
    return Part(Typed("0ur", "0Ur"), "ur", 1);
  }
  return Part(Typed("0u", "0U"), "u", 0);
}

VowelPart WordTransliterator::HiriqPart(int i) const {
  const int n = w.Last(), j = m_j;
  // -iyim
  if (i == n - 3 && IsYodForm(w.L(n - 2)) && IsYodForm(w.L(n - 1)) && w.L(n) == FinalMem &&
      IsHiriqOrNoVowel(w.V(n - 2)) && IsNoVowel(w.V(n - 1))) {
    return Part(Typed("i.j0Im", "I.j0Im"), "2yim", 2);
  }
  // -iyo, -iyu
  const int yodVowel = w.V(j + 1);
  if (IsYodForm(w.L(j + 1)) && (IsHolamMale(yodVowel) || IsShuruk(yodVowel))) {
    const bool holam = IsHolamMale(yodVowel);
    const bool ownSyllable = (j + 1 == n - 1 && IsTav(w.L(n))) ||
                             (i == 1 && (IsNoVowelOrShva(w.V(0)) || IsHatafVowel(w.V(0))));
    if (ownSyllable) {
      return holam ? Part(Typed("0ij0O", "0Ij0O"), "iyo", 1)
                   : Part(Typed("0ij0u", "0Ij0U"), "iyu", 1);
    }
    return holam ? Part(Typed("ij0O", "Ij0O"), "2yo", 1) : Part(Typed("ij0u", "Ij0U"), "2yu", 1);
  }
  // -iya, -iyat
  const int before = w.V(i - 1);
  if (i >= 2 && !IsHolamMale(before) && !IsHolamForm(before) && IsYodForm(w.L(j + 1)) &&
      (IsHe(w.L(j + 2)) || IsTav(w.L(j + 2)))) {
    const int afterYod = w.V(j + 2);
    const bool yodOpen = IsPatahOrQamatsForm(yodVowel);
    if ((IsNoVowelOrShva(yodVowel) && IsPatahOrQamatsForm(afterYod)) || yodOpen) {
      const int aVowel = yodOpen ? yodVowel : afterYod;
      const bool afterDoubledVav = i == 2 && m_previousW && IsVavForm(w.L(0)) &&
                                   (IsHatafVowel(w.V(0)) || IsNoVowelOrShva(w.V(0)));
      const bool unstressed = !IsStressedVowel(w.V(i)) && !IsStressedVowel(aVowel);
      const int more = IsYodForm(w.L(j + 2)) ? 2 : 1;
      if (afterDoubledVav || unstressed) return Part(Typed("i0A", "I0A"), "2ya", more);
      return Part(Typed("0i1A", "0I1A"), "2ya", more);
    }
  }
  const bool yodFollows =
      IsYodForm(w.L(j + 1)) && IsNoVowelOrShva(yodVowel) && j + 1 != n && !m_prefixYod;
  return Part(Typed("0i", "0I"), "i", yodFollows ? 1 : 0);
}

VowelPart WordTransliterator::TserePart(int i) const {
  const int n = w.Last(), j = m_j;
  const int next = w.L(j + 1), nextVowel = w.V(j + 1);
  bool shortTsere;
  if (m_pron == kSephardi) {
    shortTsere = !(ClosingYodAfter(j) || (next == Alef && IsNoVowel(nextVowel)) ||
                   (next == He && IsNoVowel(nextVowel)) ||
                   (j + 1 == n && IsGutturalLetter(w.L(n)) && IsPatahForm(w.V(n))));
  } else {
    shortTsere = (IsResh(next) || IsLamed(next)) &&
                 (IsNoVowel(nextVowel) || (IsShva(nextVowel) && ShvaAt(j + 1) == kSilentShva));
  }
  const int more = SwallowableYodAfter(j) ? 1 : 0;
  if (shortTsere) return Part("0E", "E", more);
  if (m_vowelType == kLongClearVowels) return Part("0e", "e", more);
  if (m_vowelType == kIsraeliVowels) return Part("0E", "e", more);
  return Part("", "e", more);
}

VowelPart WordTransliterator::PatahOrQamatsPart(int i, bool qamats) const {
  const int n = w.Last(), j = m_j;
  const bool sephardi = m_pron == kSephardi;
  // Alef endings: -a'i, -a'it, -a'iyim, -a'ot, -a'ut.
  if (m_syllables > 1 && w.L(j + 1) == Alef && IsHiriqOrNoVowel(w.V(j + 1)) &&
      !MatchesWordList(w, AiWords(), kVariantAll)) {
    if (n == j + 2 && SwallowableYodAfter(j + 1) &&
        (!qamats || !MatchesWordList(w, AiExceptionWords()))) {
      return Part("0'aj'", "Y", 2);
    }
    const bool bareTavEnd = w.L(n) == Tav && IsNoVowel(w.V(n));
    if (n == j + 3) {
      const int yod = w.L(j + 2), yodVowel = w.V(j + 2);
      if ((SwallowableYodAfter(j + 1) && bareTavEnd) ||
          (IsYodForm(yod) && IsNoVowel(yodVowel) && w.L(n) == FinalMem && IsNoVowel(w.V(n)))) {
        return Part(Typed("1'aj'.j0i", "1'aj'.j0I"), "Yqi", 2);
      }
      if (IsYodForm(yod) && bareTavEnd && IsHolamMale(yodVowel)) return Part("1'aj'0O", "Yqo", 2);
      if (IsYodForm(yod) && bareTavEnd && IsShuruk(yodVowel)) {
        return Part(Typed("1'aj'0u", "1'aj'0U"), "Yqu", 2);
      }
    }
  }
  // -av
  if (IsYodForm(w.L(j + 1)) && IsNoVowel(w.V(j + 1)) && IsVavForm(w.L(j + 2)) && j + 1 < n) {
    return sephardi ? Part(Typed("0a", "0A"), "a", 1) : Part("0'o~'", "A", 1);
  }
  const VowelPart plain =
      qamats && !sephardi ? Part("0'o~'", "A", 0) : Part(Typed("0a", "0A"), "a", 0);
  if (!qamats && w.L(j + 1) == Alef && IsNoVowel(w.V(j + 1)) && SwallowableYodAfter(j + 1)) {
    return Part("0'aj'", "Y", 2);
  }
  // A word-initial vav before a yod under shva: the yod is a consonant.
  if (!qamats && i == 0 && IsVavForm(w.L(0)) && IsYodForm(w.L(1)) && IsShva(w.V(1))) return plain;
  if (SwallowableYodAfter(j) && !IsYodForm(w.L(j))) {
    if (!qamats) {
      if (!ClosingYodAfter(j + 1)) {
        if (IsYodForm(w.L(j + 2))) return Part(plain.engine, plain.code.c_str(), 1);
        return Part("0'aj'", "Y", 1);
      }
      if (w.L(j + 3) == FinalMem && j + 3 <= n) {
        return Part(Typed("0a.j0i", "0A.j0I"), "Yyi", 2);
      }
      return Part("0'aj'", "Y", 2);
    }
    if (!IsYodForm(w.L(j + 2))) return sephardi ? Part("0'aj'", "Y", 1) : Part("0'oj'", "O", 1);
  }
  if (qamats && w.V(j + 1) == HatafQamats) return Part(Typed("0o", "0O"), "o", 0);
  if (SwallowableYodAfter(j) && j + 1 < n) return Part(plain.engine, plain.code.c_str(), 1);
  return plain;
}

VowelPart WordTransliterator::ShvaPart(int i) const {
  const int n = w.Last(), j = m_j;
  const int more = IsYodForm(w.L(i)) && SwallowableYodAfter(j) ? 1 : 0;
  if (i == n - m_w - 1 && MatchesWordList(w, NeutralShvaWords())) return Part("0@", "1", more);
  switch (ShvaAt(i)) {
    case kVocalShva:
    case kVocalShvaAtStart: return Part("9I", "I", more);
    case kVocalShvaBeforeLiquid: return Part("9@", "0", more);
    default: return Part("", "", more);
  }
}

VowelPart WordTransliterator::HatafPatahPart(int i) const {
  const int j = m_j;
  if (IsYodForm(w.L(j + 1)) && IsHiriqForm(w.V(j + 1)) && j + 1 == w.Last()) {
    return Part(Typed("9a.j0i", "9A.j0I"), "7yi", 1);
  }
  if (SwallowableYodAfter(j)) return Part("9'aj'", "7", 1);
  return Part(Typed("9a", "9A"), "3", 0);
}

VowelPart WordTransliterator::HatafQamatsPart(int i) const {
  if (SwallowableYodAfter(m_j)) return Part("9'oj'", "8", 1);
  return Part("9O", "6", 0);
}

VowelPart WordTransliterator::VowelOf(int i) {
  const int vowel = w.V(i);
  if (vowel == ExplicitNoVowel) return ExplicitNoVowelPart(i);
  if (IsHolamForm(vowel) || IsHolamMale(vowel) || IsQamatsQatan(vowel)) return HolamPart(i);
  if (IsShuruk(vowel) || IsQubutsForm(vowel)) return ShurukPart(i);
  if (IsSegolForm(vowel)) return Part("0E", "E", 0);
  if (IsHiriqForm(vowel)) return HiriqPart(i);
  if (IsTsereForm(vowel)) return TserePart(i);
  if (IsPatahForm(vowel)) return PatahOrQamatsPart(i, false);
  if (IsQamatsForm(vowel)) return PatahOrQamatsPart(i, true);
  if (IsShva(vowel)) return ShvaPart(i);
  if (vowel == HatafSegol) return Part("9E", "4", 0);
  if (vowel == HatafPatah) return HatafPatahPart(i);
  if (vowel == HatafQamats) return HatafQamatsPart(i);
  return Part("", "", 0);
}

void WordTransliterator::Run(std::string& phonetic, std::string& code) {
  phonetic = "`[";
  code.clear();
  const int n = w.Last();
  for (int i = 0; i <= n; ++i) {
    const Onset onset = ConsonantOf(i);
    if (onset.silent) continue;
    m_w = IsDoubledVav(w.Letters(), w.Vowels(), i, n) ? 1 : 0;
    m_j = i + m_w;
    m_prefixYod = false;
    if (!m_prefix.options.initialVavIsPrefix && IsYodForm(w.L(i + 1)) && IsShva(w.V(i + 1))) {
      for (int k = 1; k <= 4; ++k) m_prefixYod = m_prefixYod || m_prefix.slots[k] == i;
    }
    m_syllables = CountStressDigits(phonetic.c_str());
    VowelPart vowel = VowelOf(i);
    if (IsStressedVowel(w.V(i))) {
      const size_t digit = vowel.engine.find('0');
      if (digit != std::string::npos) vowel.engine[digit] = '1';
    }
    std::string engine, codes;
    const int letter = w.L(i);
    if (IsGutturalLetter(letter) && !IsHe(letter) && IsPatahForm(w.V(i)) && i == n && i != 0) {
      // Furtive patah: the vowel is spoken before its letter.
      engine = vowel.engine + (IsAlefOrAyin(letter) ? "" : onset.engine);
      codes = "q" + vowel.code + onset.code;
    } else {
      engine = onset.engine + vowel.engine;
      codes = onset.code + vowel.code;
    }
    // Room is kept for the closing "]"; a word too long for the text ends early.
    if (phonetic.size() + engine.size() + 1 >= static_cast<size_t>(kMaxPhoneticText) ||
        code.size() + codes.size() >= static_cast<size_t>(kMaxPhoneticText)) {
      break;
    }
    phonetic += engine;
    code += codes;
    m_previousW = m_w;
    i += std::max(0, vowel.used);
  }
  phonetic += "]";
}

}  // namespace

void TransliterateWord(const BYTE* letters, const BYTE* vowels, const PronunciationOptions& options,
                       CString& phonetic, CString& code) {
  const PrefixInfo prefix = FindPrefixes(letters, vowels, options);
  const int last = LastLetterIndex(letters, kMaxTransliteratedLetters);
  std::string phoneticText, codeText;
  WordTransliterator(letters, vowels, last, prefix).Run(phoneticText, codeText);
  AssignBytes(phonetic, phoneticText);
  AssignBytes(code, codeText);
}
