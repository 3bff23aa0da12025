#include "lexicon/core/WordFormSearch.h"

#include <algorithm>
#include <cstring>

#include "hebtext/core/CollationKey.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/WordCompare.h"
#include "lexicon/core/EntrySortKey.h"
#include "lexicon/core/EntryWords.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/core/SearchVariants.h"
#include "lexicon/core/VerbFormGenerator.h"
#include "speech/core/PrefixPointing.h"
#include "speech/core/WordPatterns.h"

namespace {

using namespace HebCode;

constexpr int kMaxPrefixLetters = 4;
constexpr int kInfinitiveSlot = 0;
constexpr int kFirstImperativeSlot = 22;
constexpr int kRootKeySize = 20;
// The infinitive noun with the first-person suffix, which a lamed prefix
// never stands before.
constexpr int kFirstPersonSuffix = 1;

// A word as letters and vowels, zero-terminated.
struct Word {
  BYTE letters[kEntryKeySize] = {};
  BYTE vowels[kEntryKeySize] = {};
  int length = 0;
};

Word WordOf(const BYTE* letters, const BYTE* vowels) {
  Word w;
  w.length = std::min(static_cast<int>(std::strlen(reinterpret_cast<const char*>(letters))),
                      kEntryKeySize - 1);
  std::memcpy(w.letters, letters, w.length);
  std::memcpy(w.vowels, vowels, w.length);
  return w;
}

Word Rendered(LookupData& data, const PackedWordRec& record) {
  Word w;
  w.length = data.Renderer().Render(record, w.letters, w.vowels, kEntryKeySize);
  w.letters[w.length] = 0;
  w.vowels[w.length] = 0;
  return w;
}

int KindOf(const PackedWordRec& record, UnpackedWordRec* fields = nullptr) {
  return DecodeWordRecord(record.fields, record.extra, fields);
}

bool IsConjunctionShuruk(const Word& w) { return w.letters[0] == Shuruk; }

// Every prefix letter without vowel, a leading conjunction shuruk too.
bool PrefixUnpointed(const Word& w, int k) {
  for (int i = 0; i < k; ++i) {
    if (i == 0 && IsConjunctionShuruk(w)) continue;
    if (!IsNoVowel(w.vowels[i])) return false;
  }
  return true;
}

bool IsVavVerbWithSuffixSlot(const PackedWordRec& record, int vavInversive) {
  UnpackedWordRec f;
  return KindOf(record, &f) == kKindVerb && f.vavInversive == vavInversive &&
         TakesPronominalSuffix(f.formSlot, f.binyan);
}

// The filters that a prefix puts on the verb hits found behind it.
void FilterByPrefix(LookupData& data, const Word& typed, int k, WORD flags, SearchHitList& found) {
  if (k == 0) return;
  const int last = typed.letters[k - 1];
  const bool bareVavRequired = (flags & kSearchBareVavPrefix) != 0;
  const bool vavPrefix = k == 1 && (IsVav(typed.letters[0]) || IsConjunctionShuruk(typed)) &&
                         (!bareVavRequired || IsNoVowel(typed.vowels[0]));
  std::vector<SearchHit>& hits = found.Hits();
  for (SearchHit& hit : hits) {
    if (!vavPrefix || !IsVavVerbWithSuffixSlot(hit.record, 0)) continue;
    // The form may be the vav-inversive one of the same letters.
    UnpackedWordRec f;
    KindOf(hit.record, &f);
    f.vavInversive = 1;
    f.extra = 0;
    const PackedWordRec inverted = PackWordRecord(kKindVerb, f);
    const Word plain = Rendered(data, hit.record);
    const Word other = Rendered(data, inverted);
    if (other.length > 0 &&
        CompareWordsPositional(plain.letters, other.letters, plain.vowels, other.vowels) == 0)
      hit.record = inverted;
  }
  const bool preposition = IsBet(last) || IsKaf(last) || IsLamed(last) || IsMem(last);
  hits.erase(std::remove_if(hits.begin(), hits.end(),
                            [&](const SearchHit& hit) {
                              UnpackedWordRec f;
                              if (KindOf(hit.record, &f) != kKindVerb) return false;
                              if (preposition && f.formSlot != kInfinitiveSlot) return true;
                              return IsLamed(last) && f.suffixBase != 0 &&
                                     f.pronominalSuffix == kFirstPersonSuffix;
                            }),
             hits.end());
}

void AppendAll(const SearchHitList& from, SearchHitList& to) {
  for (const SearchHit& hit : from.Hits())
    if (!to.Append(hit)) return;
}

// The word behind k prefix letters, and its possessive-kaf spellings.
void SearchTail(LookupData& data, const Word& typed, int k, WORD flags, SearchHitList& hits) {
  const BYTE prefix = static_cast<BYTE>(k);
  SearchHitList found;
  SearchWordDatabase(data, typed.letters + k, typed.vowels + k, found, prefix, flags);

  const int n = typed.length;
  if (n - k >= 2) {
    const int kaf = typed.letters[n - 2];
    const int kafVowel = typed.vowels[n - 2];
    Word w = typed;
    bool retry = false;
    if (IsKaf(kaf) && IsHe(typed.letters[n - 1]) &&
        (IsNoVowel(kafVowel) || IsQamatsForm(kafVowel))) {
      w.letters[n - 2] = static_cast<BYTE>(kaf == KafDagesh ? FinalKafDagesh : FinalKaf);
      retry = true;
    } else if (IsKaf(kaf) && IsYodForm(typed.letters[n - 1]) &&
               (IsNoVowel(kafVowel) || IsHiriqForm(kafVowel))) {
      w.letters[n - 2] = FinalKaf;
      w.vowels[n - 2] = Shva;
      if (n - 1 > 3 && IsYodForm(w.letters[n - 3]) &&
          (IsQamatsForm(w.vowels[n - 4]) || IsNoVowel(w.vowels[n - 4]))) {
        w.vowels[n - 3] = Hiriq;
        w.vowels[n - 4] = Patah;
      }
      retry = true;
    }
    if (retry) {
      w.letters[n - 1] = 0;
      w.vowels[n - 1] = 0;
      w.length = n - 1;
      SearchWordDatabase(data, w.letters + k, w.vowels + k, found, prefix, flags);
    }
  }
  FilterByPrefix(data, typed, k, flags, found);
  AppendAll(found, hits);
}

bool VowelsAgree(const Word& typed, const Word& pointed, int k, bool attempt1) {
  // A conjunction shuruk is its own vowel.
  for (int i = IsConjunctionShuruk(typed) ? 1 : 0; i < k; ++i) {
    const int t = typed.vowels[i];
    const int c = pointed.vowels[i];
    if (VowelsMatchLoose(t, c, typed.vowels[i + 1], pointed.vowels[i + 1])) continue;
    if (attempt1 && IsPatahForm(c) && IsQamatsForm(t)) continue;
    return false;
  }
  return true;
}

// Whether the vowels typed on the prefix letters are those the prefix takes
// before the word found.
bool PrefixVowelsFit(LookupData& data, const Word& typed, const SearchHit& hit) {
  const int k = hit.prefixLength;
  if (k == 0 || PrefixUnpointed(typed, k)) return true;
  const bool vav = IsVav(typed.letters[0]) || IsConjunctionShuruk(typed);
  if (k == 1 && vav && IsVavVerbWithSuffixSlot(hit.record, 1)) return true;
  const Word found = Rendered(data, hit.record);
  if (found.length == 0 || k + found.length >= kEntryKeySize) return false;
  if (k == 1 && vav && IsYodForm(found.letters[0]) && IsShva(found.vowels[0]) &&
      IsHiriqForm(typed.vowels[0]) && IsNoVowel(typed.vowels[1]))
    return true;
  for (int attempt = 0; attempt < 2; ++attempt) {
    Word pointed;
    std::memcpy(pointed.letters, typed.letters, k);
    std::memcpy(pointed.letters + k, found.letters, found.length);
    std::memcpy(pointed.vowels + k, found.vowels, found.length);
    pointed.length = k + found.length;
    PointPrefixLetters(pointed.letters, pointed.vowels, k,
                       attempt == 0 ? kArticleNotAbsorbed : kArticleAbsorbed);
    if (VowelsAgree(typed, pointed, k, attempt == 1)) return true;
  }
  return false;
}

// The variant's hits, prefixes peeled off up to its first variable place.
void SearchVariant(LookupData& data, const Word& typed, int maxPrefix, WORD flags,
                   SearchHitList& hits) {
  SearchHitList found;
  for (int k = 0; k <= std::min(maxPrefix, kMaxPrefixLetters) && k < typed.length; ++k) {
    if (k > 0 && TestWordPrefix(typed.letters, typed.vowels, k, PrefixUnpointed(typed, k)) != k)
      continue;
    SearchTail(data, typed, k, flags, found);
  }
  std::vector<SearchHit>& list = found.Hits();
  list.erase(
      std::remove_if(list.begin(), list.end(),
                     [&](const SearchHit& hit) { return !PrefixVowelsFit(data, typed, hit); }),
      list.end());
  AppendAll(found, hits);
}

}  // namespace

bool FindWordForms(LookupData& data, const HebWordRec& word, SearchHitList& hits, WORD flags) {
  // A database that cannot be read is tried once, not for every prefix and
  // spelling of the word.
  if (!data.IsReady() || data.Database(flags) == nullptr) return false;
  int firstChanged = 0;
  const int variants = GetSearchVariant(word, &firstChanged, nullptr, 0);
  for (int v = 0; v <= variants && !hits.IsFull(); ++v) {
    HebWordRec spelled = word;
    if (v > 0 && !GetSearchVariant(word, nullptr, &spelled, v)) continue;
    const Word typed = WordOf(spelled.letters, spelled.vowels);
    SearchVariant(data, typed, v == 0 ? kMaxPrefixLetters : firstChanged, flags, hits);
    DedupeHits(hits);
    if (v == 0 && hits.Count() > 0) return true;
    if (v > 0) {
      // A variant finds the word in the spelling it was typed for.
      for (SearchHit& hit : hits.Hits()) {
        UnpackedWordRec f;
        const int kind = KindOf(hit.record, &f);
        if (kind < kKindVerb || kind >= kKindNumber || f.plene == 0) continue;
        f.plene = 0;
        f.extra = 0;
        hit.record = PackWordRecord(kind, f);
      }
      DedupeHits(hits);
    }
  }
  return hits.Count() > 0;
}

bool FindWordFormsRetry(LookupData& data, const HebWordRec& word, SearchHitList& hits, WORD flags) {
  HebWordRec loose = word;
  const Word typed = WordOf(word.letters, word.vowels);
  std::vector<int> expected(typed.length, 0);
  bool changed = false;
  for (int i = 0; i + 1 < typed.length; ++i) {
    const int v = typed.vowels[i];
    expected[i] = IsQamatsForm(v) ? Patah : IsTsereForm(v) ? Segol : IsSegolForm(v) ? Tsere : 0;
    if (expected[i] == 0) continue;
    loose.vowels[i] = NoVowel;
    changed = true;
  }
  if (!changed) return false;
  SearchHitList found;
  FindWordForms(data, loose, found, flags);
  const int before = hits.Count();
  for (const SearchHit& hit : found.Hits()) {
    UnpackedWordRec f;
    if (KindOf(hit.record, &f) != kKindVerb || f.formSlot >= kFirstImperativeSlot) continue;
    if (f.suffixBase != 0 && f.pronominalSuffix != 0) continue;
    const Word w = Rendered(data, hit.record);
    bool fits = true;
    for (int i = hit.prefixLength; i < typed.length && fits; ++i) {
      if (expected[i] == 0) continue;
      const int j = i - hit.prefixLength;
      const int v = j < w.length ? w.vowels[j] : 0;
      fits = expected[i] == Patah ? IsPatahOrQamatsForm(v) : IsSegolForm(v) || IsTsereForm(v);
    }
    if (fits && !hits.Append(hit)) break;
  }
  return hits.Count() > before;
}

namespace {

struct SortFacts {
  bool verb = false;
  std::string rootKey;
  bool suffixed = false;
  bool empty = false;
  int wordNumber = 0;
  int words = 0;
  EntrySortKey key{};
};

SortFacts FactsOf(LookupData& data, const PackedWordRec& record) {
  SortFacts facts;
  UnpackedWordRec f;
  const int kind = KindOf(record, &f);
  facts.verb = kind == kKindVerb;
  if (facts.verb) {
    BYTE root[kEntryKeySize] = {};
    BYTE noVowels[kEntryKeySize] = {};
    const int length = GetVerbRootLetters(f.entryIndex, root);
    char key[kRootKeySize];
    BuildLetterVowelKey(key, kRootKeySize, root, noVowels, length);
    facts.rootKey = key;
    facts.suffixed = f.pronominalSuffix != 0;
    return facts;
  }
  const Word w = Rendered(data, record);
  facts.empty = w.length == 0;
  facts.wordNumber = kind == kKindPrep ? 0 : f.wordNumber;
  facts.words = CountEntryWords(w.letters, w.length);
  BuildEntrySortKey(w.letters, w.vowels, w.length, facts.key);
  return facts;
}

bool FactsBefore(const SortFacts& a, const SortFacts& b) {
  if (a.verb != b.verb) return !a.verb;
  if (a.verb) {
    const int byRoot = CompareKeyText(a.rootKey.c_str(), b.rootKey.c_str());
    return byRoot != 0 ? byRoot < 0 : !a.suffixed && b.suffixed;
  }
  if (a.empty != b.empty) return a.empty;
  if (a.wordNumber != b.wordNumber) return a.wordNumber < b.wordNumber;
  if (a.words != b.words) return a.words < b.words;
  return CompareEntrySortKeys(a.key, b.key) < 0;
}

}  // namespace

void SortSearchHits(LookupData& data, SearchHitList& hits) {
  std::vector<std::pair<SortFacts, SearchHit>> sorted;
  for (const SearchHit& hit : hits.Hits()) sorted.push_back({FactsOf(data, hit.record), hit});
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const auto& a, const auto& b) { return FactsBefore(a.first, b.first); });
  for (size_t i = 0; i < sorted.size(); ++i) hits[static_cast<int>(i)] = sorted[i].second;
}
