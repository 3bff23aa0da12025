// libFuzzer target over the notation parser and its espeak-ng input: any
// text must parse, and what it becomes must be espeak-ng phoneme input
// that holds no character the engine's text could smuggle into it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "speech/engine/core/MouthShape.h"
#include "speech/engine/core/PhoneticNotation.h"

namespace {

// Letters, stress and separator marks that espeak-ng's input is built of.
bool IsEspeakInputChar(char c) {
  static const std::string allowed = "bdfghjklmnprstvwXzNSZ?aeiou@'%, []";
  return allowed.find(c) != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::vector<NotationPhoneme> phonemes = ParseNotation(text);
  const std::string input = EspeakPhonemeInput(phonemes);
  for (char c : input) {
    if (!IsEspeakInputChar(c)) {
      fprintf(stderr, "unexpected character %d in %s\n", c, input.c_str());
      __builtin_trap();
    }
  }
  if (phonemes.empty() != input.empty()) __builtin_trap();
  for (const NotationPhoneme& p : phonemes) {
    const SonsynPhonemeRecord record = PhonemeRecordOf(p);
    if (record.letters[sizeof(record.letters) - 1] != '\0') __builtin_trap();
  }
  return 0;
}
