// libFuzzer target over transliteration, stress placement and the rewrite
// rules, fed with arbitrary pointed words. Built and run by
// scripts/checks/fuzz-speech. Besides the sanitizers' findings it stops on a
// broken invariant (a trap).
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "speech/fuzz/PronunciationChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  // The first byte picks the settings; the rest is the word.
  const auto pronunciation = static_cast<Pronunciation>(kSephardi + data[0] % 3);
  const auto vowelType = static_cast<VowelType>((data[0] / 3) % 3);  // 2: no engine vowels
  const DWORD kinds[] = {0, 1, 2, 3, 4, kAnyPrefixKind};
  const DWORD prefixKind = kinds[(data[0] / 9) % 6];
  const auto word = pronunciation_checks::WordFromBytes(data + 1, size - 1);
  const std::string failure =
      pronunciation_checks::CheckWord(word, pronunciation, vowelType, prefixKind);
  if (!failure.empty()) {
    fprintf(stderr, "invariant broken: %s\n", failure.c_str());
    __builtin_trap();
  }
  return 0;
}
