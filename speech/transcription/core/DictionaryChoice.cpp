#include "speech/transcription/core/DictionaryChoice.h"

#include <cstring>
#include <vector>

#include "hebtext/core/HebChar.h"
#include "hebtext/core/WordCompare.h"
#include "speech/core/PrefixPointing.h"
#include "speech/core/PronunciationOptions.h"

namespace {

constexpr int kMatchBonus = 10000;
constexpr int kPrefixPenaltyBase = 10;
constexpr int kPrefixPenaltyUnit = 100;
constexpr int kInversivePenalty = 1000;
constexpr int kPlenePenalty = 1000;
constexpr int kNounWordBase = 400;
constexpr int kNounWordUnit = 10;
constexpr int kAdjectiveInflectionSplit = 100;
constexpr int kUnsetPrefixKind = -1;

enum EntryMode : int {
  kModeUnknown = 0,
  kModeVerb = 1,
  kModeNoun = 2,
  kModeAdjective = 3,
  kModePreposition = 4,
  kModeVocabulary = 5,
  kModeNumber = 6,
};

int WordLength(const BYTE* letters) {
  return static_cast<int>(strnlen(reinterpret_cast<const char*>(letters), kWordPlaneSize));
}

// A vav-inversive verb found behind its conjunction vav (or shuruk).
bool IsInversiveBehindVav(int kind, const UnpackedWordRec& fields, const SearchHit& hit,
                          const HebWordRec& word) {
  return kind == kKindVerb && fields.vavInversive == 1 && hit.prefixLength == 1 &&
         (word.letters[0] == HebCode::Vav || word.letters[0] == HebCode::Shuruk);
}

int VerbScore(const UnpackedWordRec& f) {
  if (f.suffixBase && f.pronominalSuffix == 0 && (f.binyan == 1 || f.binyan == 5)) return 10;
  if (f.pronominalSuffix != 0) {
    const bool base = f.suffixBase && f.pronominalSuffix == 2 &&
                      (f.binyan == 1 || f.binyan == 2 || f.binyan == 4 || f.binyan == 5);
    return base ? 1700 : 2000;
  }
  const int slot = f.formSlot;
  int score;
  if (f.binyan == 3 || f.binyan == 6) {
    score = 1500;
  } else if (slot >= 22 && slot <= 25) {
    score = 1750;
  } else if (slot >= 26 && slot <= 29) {
    score = 2500;
  } else {
    score = 3000;
  }
  if (f.binyan == 0) score += 10;
  if (slot >= 1 && slot <= 4) {
    score += 10;
  } else if (slot >= 5 && slot <= 13) {
    score += 9;
  } else if ((slot >= 14 && slot <= 21) || slot == 30) {
    score += 8;
  } else if (slot == 0) {
    score += 7;
  }
  return score;
}

bool IsNounCellUsable(int cell) { return cell == 0 || cell == 1 || cell == 13 || cell == 14; }

int AdjectiveScore(TranscriptionDictionary& dictionary, const UnpackedWordRec& f,
                   const BYTE* entryLetters) {
  const bool severalWords = strchr(reinterpret_cast<const char*>(entryLetters), ' ') != nullptr ||
                            strchr(reinterpret_cast<const char*>(entryLetters), '-') != nullptr;
  const int inflection = dictionary.AdjectiveInflection(f.entryIndex);
  const bool otherForm = (inflection > kAdjectiveInflectionSplit && f.wordNumber != 0) ||
                         (inflection < kAdjectiveInflectionSplit && f.wordNumber != 1);
  return severalWords && otherForm ? 2900 : 5000;
}

bool TakesEntryFirstLetter(const HebWordRec& word, int p, int entryFirst,
                           const HebWordRec* previous) {
  const int typed = word.letters[p];
  if ((typed == HebCode::Shin || typed == HebCode::ShinDagesh) &&
      (IsShinWithShinDot(entryFirst) || IsShinWithSinDot(entryFirst))) {
    return true;
  }
  if (!IsBegadkefatLetter(entryFirst)) return false;
  if (p > 0) {
    const int prefix = word.letters[p - 1];
    if (word.vowels[p - 1] == HebCode::Patah || IsMem(prefix) || IsHe(prefix)) return true;
  }
  if (!IsDageshableLetter(typed)) return false;
  if (p == 0) {
    bool softened = false;  // the word before ends in a vowel: no dagesh after it
    if (previous != nullptr) {
      const int last = WordLength(previous->letters) - 1;
      softened = last >= 0 && (IsAlef(previous->letters[last]) || IsHe(previous->letters[last]) ||
                               IsYodForm(previous->letters[last]) ||
                               IsVavVowel(previous->vowels[last]));
    }
    return !softened;
  }
  return p == 1 && IsShinWithShinDot(word.letters[0]);
}

}  // namespace

int ModeOfEntryKind(int kind) {
  switch (kind) {
    case kKindVerb:
      return kModeVerb;
    case kKindNoun:
      return kModeNoun;
    case kKindPrep:
      return kModePreposition;
    case kKindAdj:
      return kModeAdjective;
    case kKindVocab:
      return kModeVocabulary;
    case kKindNumber:
      return kModeNumber;
    default:
      return kModeUnknown;
  }
}

HitScore ScoreDictionaryHit(TranscriptionDictionary& dictionary, const SearchHit& hit,
                            const HebWordRec& word) {
  HitScore result;
  UnpackedWordRec f;
  result.kind = DecodeWordRecord(hit.record.fields, hit.record.extra, &f);
  const int p = hit.prefixLength;
  const bool inversive = IsInversiveBehindVav(result.kind, f, hit, word);
  BYTE entryLetters[kWordPlaneSize] = {};
  BYTE entryVowels[kWordPlaneSize] = {};
  dictionary.EntryText(hit.record, !inversive, entryLetters, entryVowels);
  const int skip = inversive ? 1 : 0;
  PleneCompareOptions compare;
  compare.exactDagesh = true;
  result.match = entryLetters[0] != 0 && p < kWordPlaneSize &&
                 CompareWordsPleneTolerant(word.letters + p, entryLetters + skip, word.vowels + p,
                                           entryVowels + skip, compare) == 0;
  result.usable = true;
  int score = 0;
  switch (result.kind) {
    case kKindVerb:
      score = VerbScore(f);
      if (f.pronominalSuffix > 0) result.usable = false;
      if ((f.suffixBase && f.pronominalSuffix) || (p > 0 && !IsHe(word.letters[p - 1]))) {
        result.match = false;
      }
      break;
    case kKindNoun:
      score = (kNounWordBase - f.wordNumber) * kNounWordUnit - f.cell;
      result.usable = IsNounCellUsable(f.cell);
      break;
    case kKindPrep:
      score = 6000;
      break;
    case kKindAdj:
      score = AdjectiveScore(dictionary, f, entryLetters);
      break;
    case kKindVocab:
      score = 7000;
      break;
    case kKindNumber:
      score = 8000;
      break;
    default:
      break;
  }
  if (p > 0 && !inversive) score -= (kPrefixPenaltyBase + p) * kPrefixPenaltyUnit;
  if (p == 0 && result.kind == kKindVerb && f.vavInversive == 1) score -= kInversivePenalty;
  if (!IsUnpointed(word.letters, word.vowels) && f.plene) score -= kPlenePenalty;
  result.score = static_cast<short>(score);
  return result;
}

int ChooseDictionaryHit(const HitScore* scores, int count) {
  if (count <= 0) return -1;
  int best = 0;
  auto ranked = [](const HitScore& s) { return s.score + (s.match ? kMatchBonus : 0); };
  for (int i = 1; i < count; ++i) {
    const HitScore& hit = scores[i];
    const HitScore& top = scores[best];
    bool better;
    if (hit.usable != top.usable) {
      better = hit.usable > top.usable;
    } else if (hit.kind == top.kind) {
      better = ranked(hit) > ranked(top);
    } else {
      better = hit.score > top.score;
    }
    if (better) best = i;
  }
  return best;
}

DictionaryChoice ApplyDictionary(TranscriptionDictionary& dictionary, HebWordRec& word,
                                 const HebWordRec* previous, DWORD prefixKind) {
  DictionaryChoice choice;
  choice.prefixKind = prefixKind;
  SearchHitList hits;
  if (!dictionary.FindHits(word, hits) || hits.Count() == 0) return choice;
  std::vector<HitScore> scores;
  for (int i = 0; i < hits.Count(); ++i) scores.push_back(ScoreDictionaryHit(dictionary, hits[i], word));
  const int best = ChooseDictionaryHit(scores.data(), hits.Count());
  if (best < 0) return choice;

  SearchHit hit = hits[best];
  UnpackedWordRec f;
  const int kind = DecodeWordRecord(hit.record.fields, hit.record.extra, &f);
  const bool inversive = IsInversiveBehindVav(kind, f, hit, word);
  if (f.plene) {
    f.plene = 0;
    f.extra = 0;
    hit.record = PackWordRecord(kind, f);
  }
  int p = hit.prefixLength;
  if (inversive) {
    p = 0;
    choice.prefixKind = 1;
  }
  BYTE entryLetters[kWordPlaneSize] = {};
  BYTE entryVowels[kWordPlaneSize] = {};
  const int entryLength = dictionary.EntryText(hit.record, !inversive, entryLetters, entryVowels);
  if (entryLength <= 0 || p + entryLength >= kWordPlaneSize) return choice;

  const bool takeFirst = TakesEntryFirstLetter(word, p, entryLetters[0], previous);
  if (takeFirst) word.letters[p] = entryLetters[0];
  memcpy(word.letters + p + 1, entryLetters + 1, entryLength - 1);
  memcpy(word.vowels + p, entryVowels, entryLength);
  memset(word.letters + p + entryLength, 0, kWordPlaneSize - p - entryLength);
  memset(word.vowels + p + entryLength, 0, kWordPlaneSize - p - entryLength);
  PointPrefixLetters(word.letters, word.vowels, p, kArticleDecide);

  if (static_cast<int>(choice.prefixKind) == kUnsetPrefixKind && p > 0) choice.prefixKind = p;
  choice.chosen = true;
  choice.mode = ModeOfEntryKind(kind);
  return choice;
}
