// libFuzzer target over the reference texts' colour mark-up reader: whatever
// the text, the tokens stay within it, words and Hebrew runs are never empty,
// and a word holds no blank, new line, tab or '$'.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "speech/core/ColorMarkup.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  size_t length = 0;
  for (const MarkupToken& token : TokenizeMarkup(text)) {
    const bool run = token.kind == MarkupTokenKind::kWord || token.kind == MarkupTokenKind::kHebrew;
    if (run && token.text.empty()) {
      fprintf(stderr, "invariant broken: an empty word or run\n");
      __builtin_trap();
    }
    if (token.kind == MarkupTokenKind::kWord &&
        token.text.find_first_of(" \n\t\r$") != std::string::npos) {
      fprintf(stderr, "invariant broken: a word holds a separator\n");
      __builtin_trap();
    }
    length += token.text.size();
  }
  if (length > size) {
    fprintf(stderr, "invariant broken: the tokens hold more than the text\n");
    __builtin_trap();
  }
  return 0;
}
