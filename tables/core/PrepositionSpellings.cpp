#include "tables/core/PrepositionSpellings.h"

#include <cstring>

namespace {

// Letters and vowels in the program's code, each zero-terminated.
struct Spelling {
  const char* letters;
  const char* vowels;
};

// clang-format off
constexpr Spelling kSimple[kSimplePrepositionCount] = {
  {"\xE0\xFA", "\xC6\x00"},                          // et
  {"\xA1", "\xC0"},                                  // be
  {"\xEC", "\xC0"},                                  // le
  {"\xEE\xEF", "\xC4\x00"},                          // min
  {"\xF2\xEC", "\xC7\x00"},                          // al
  {"\xF2\xED", "\xC4\x00"},                          // im
  {"\xE0\xEC", "\xC6\x00"},                          // el
  {"\xF0\xE2\xE3", "\xC6\xC6\x00"},                  // neged
  {"\xE0\xF6\xEC", "\xC5\xC6\x00"},                  // etsel
  {"\xF2\xE3", "\xC7\x00"},                          // ad
  {"\xA1\xF2\xE3", "\xC0\xC7\x00"},                  // be'ad
  {"\xE0\xE7\xF8\xE9", "\xC7\xC2\xC5\x00"},          // akharey
  {"\xEC\xF4\xF0\xE9", "\xC4\xC0\xC5\x00"},          // lifney
  {"\xA1\xF4\xF0\xE9", "\xC4\xC0\xC5\x00"},          // bifney
  {"\xF2\xEC\x2D\xE9\xE3\xE9", "\xC7\x00\x00\xC0\xC5\x00"},  // al-yedey
  {"\xEE\xB4\xF0\xE9", "\xC4\xC0\xC5\x00"},          // mipney
  {"\xAB\xF0\xE2\xE3", "\xC0\xC6\xC6\x00"},          // keneged
  {"\xF2\xEC\x2D\xB4\xF0\xE9", "\xC7\x00\x00\xC0\xC5\x00"},  // al-pney
  {"\xA1\xE9\xEF", "\xC5\x00\x00"},                  // beyn
  {"\xAB", "\xC0"},                                  // ke
  {"\xBA\xE7\xFA", "\xC7\xC7\x00"},                  // takhat
  {"\xEC\xFA\xEA", "\xC0\xCE\xC0"},                  // letokh
  {"\xEE\xB0\xE2\xE3", "\xC4\xC6\xC6\x00"},          // mineged
  {"\xE0\xE7\xF8", "\xC7\xC7\x00"},                  // akhar
  {"\xEE\xF2\xED", "\xC5\xC4\x00"},                  // me'im
  {"\xEE\xF2\xEC", "\xC5\xC7\x00"},                  // me'al
  {"\xEE\xE0\xE7\xF8\xE9", "\xC5\xC7\xC2\xC5\x00"},  // me'akharey
  {"\xEE\xE0\xFA", "\xC5\xC5\x00"},                  // me'et
  {"\xD1\xEC", "\xC6\x00"},                          // shel
  {"\xAB\xEC\xB4\xE9", "\xC0\xC7\xC5\x00"},          // klapey
  {"\xEC\xE9\xE3\xE9", "\xC4\x00\xC5\x00"},          // liydey
  {"\xA1\xFA\xEA", "\xC0\xCE\xC0"},                  // betokh
};

constexpr Spelling kFurther[kFurtherPrepositionCount] = {
  {"\xEE\xAC\xF4\xF0\xE9", "\xC4\xC4\xC0\xC5\x00"},  // millifney
  {"\xEE\xE0\xF6\xEC", "\xC5\xC5\xC6\x00"},          // me'etsel
  {"\xEC\xF7\xF8\xE0\xFA", "\xC4\xC0\xC7\x00\x00"},  // likrat
};

constexpr Spelling kFirstParts[kCompoundPartCount] = {
  {"\xF2\xEC", "\xC7\x00"}, {"\xA1", "\xC0"}, {"\xE0\xFA", "\xC6\x00"}, {"\xEC", "\xC0"},
  {"\xEE\xEF", "\xC4\x00"}, {"\xA1\xE9\xEF", "\xC5\x00\x00"}, {"\xF2\xED", "\xC4\x00"},
};

constexpr Spelling kSecondParts[kCompoundPartCount] = {
  {"\xF2\xEC", "\xC7\x00"}, {"\xA1", "\xC0"}, {"\xE0\xFA", "\xC6\x00"}, {"\xEC", "\xC0"},
  {"\xEE\xEF", "\xC4\x00"}, {"\xEC\xE1\xE9\xEF", "\xC0\xC5\x00\x00"}, {"\xE0\xEC", "\xC6\x00"},
};
// clang-format on

template <int N>
PrepositionWord Spell(const Spelling (&table)[N], int index) {
  PrepositionWord word;
  if (index < 0 || index >= N) return word;
  const Spelling& spelling = table[index];
  word.length = static_cast<int>(std::strlen(spelling.letters));
  std::memcpy(word.letters, spelling.letters, static_cast<size_t>(word.length));
  std::memcpy(word.vowels, spelling.vowels, static_cast<size_t>(word.length));
  return word;
}

}  // namespace

PrepositionWord SimplePreposition(int index) { return Spell(kSimple, index); }
PrepositionWord FurtherPreposition(int index) { return Spell(kFurther, index); }
PrepositionWord CompoundFirstPart(int index) { return Spell(kFirstParts, index); }
PrepositionWord CompoundSecondPart(int index) { return Spell(kSecondParts, index); }
