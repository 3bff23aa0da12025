// libFuzzer target over word transcription, fed with arbitrary texts of any
// length (letters and vowels, digits, quote marks, punctuation, line
// breaks) and a dictionary that offers an entry for every word. Run by
// scripts/checks/fuzz. Besides the sanitizers' findings it stops when a
// number's word group is left open (a trap).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "speech/transcription/core/DictionaryChoice.h"
#include "speech/transcription/core/Transcription.h"

namespace {

// Every word finds a noun behind the prefix its length allows, and a verb.
class AnyWordDictionary : public TranscriptionDictionary {
 public:
  bool FindHits(const HebWordRec& word, SearchHitList& hits) override {
    const int length =
        static_cast<int>(strnlen(reinterpret_cast<const char*>(word.letters), kWordPlaneSize));
    UnpackedWordRec noun;
    noun.numberField = 1;
    UnpackedWordRec verb;
    verb.vavInversive = 1;
    hits.Append(SearchHit{PackWordRecord(kKindNoun, noun), static_cast<BYTE>(length % 5)});
    hits.Append(SearchHit{PackWordRecord(kKindVerb, verb), static_cast<BYTE>(length > 1)});
    return true;
  }
  int EntryText(const PackedWordRec&, bool, BYTE* letters, BYTE* vowels) override {
    // bayit, pointed, its first letter a begadkefat letter with dagesh
    static const BYTE kLetters[] = {161, 233, 250, 0};
    static const BYTE kVowels[] = {199, 196, 1, 0};
    memcpy(letters, kLetters, sizeof kLetters);
    memcpy(vowels, kVowels, sizeof kVowels);
    return 3;
  }
  int AdjectiveInflection(int) override { return 0; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  // The first byte picks the request and settings; then letter and vowel
  // byte pairs.
  TranscriptionRequest request;
  const int modes[] = {kModeFromDictionary, kModeVerbForm, kModeNounForm, kModeMarkedStress};
  request.mode = modes[data[0] % 4];
  request.prefixKind = (data[0] & 4) != 0 ? kAnyPrefixKind : 0;
  request.forDocument = (data[0] & 8) != 0;
  request.keepNumbers = (data[0] & 16) != 0;
  AnyWordDictionary dictionary;
  TranscriptionContext context;
  context.dictionary = (data[0] & 32) != 0 ? &dictionary : nullptr;
  context.hashemFilter = (data[0] & 64) != 0;
  context.pronunciation.pronunciation = static_cast<Pronunciation>(kSephardi + data[0] % 3);
  std::vector<BYTE> letters, vowels;
  for (size_t i = 1; i + 1 < size; i += 2) {
    letters.push_back(data[i] != 0 ? data[i] : ' ');
    vowels.push_back(data[i + 1]);
  }
  letters.push_back(0);
  vowels.push_back(0);
  TranscriptionResult result;
  TranscribeText(letters.data(), vowels.data(), request, context, result);
  const LPCSTR phonetic = result.phonetic;
  if (std::count(phonetic, phonetic + result.phonetic.GetLength(), kPhoneticGroup) % 2 != 0) {
    fprintf(stderr, "a number's word group is left open\n");
    __builtin_trap();
  }
  return 0;
}
