#include "hebtext/core/CollationKey.h"

#include "hebtext/core/CodeTable.h"
#include "hebtext/core/HebChar.h"

namespace {

struct CodeGroup {
  char key;
  CodeSet codes;
};

// Every code of a letter sorts as the letter; a vav that is the vowel of the
// letter before it sorts as vav.
constexpr CodeGroup kLetterKeys[] = {
    {'a', {One(224)}},
    {'b', {One(225), One(161)}},
    {'c', {One(226), One(162), One(220), One(218)}},
    {'d', {One(227), One(163)}},
    {'e', {One(228), One(164)}},
    {'f', {One(229), One(165), One(202), One(137), One(206), One(130)}},
    {'g', {One(230), One(166), One(221)}},
    {'h', {One(231)}},
    {'i', {One(232), One(168)}},
    {'j', {One(233), One(169), One(132), One(133), One(146), One(147)}},
    {'k', {One(170), One(171), One(187), One(188), One(234), One(235), One(251), One(252)}},
    {'l', {One(236), One(172), One(253)}},
    {'m', {One(238), One(174), One(237)}},
    {'n', {One(240), One(176), One(239)}},
    {'o', {One(241), One(177)}},
    {'p', {One(242)}},
    {'q', {One(244), One(180), One(243)}},
    {'r', {One(246), One(182), One(245), One(223), One(222)}},
    {'s', {One(247), One(184)}},
    {'t', {One(248)}},
    {'u', {One(249), One(185), {208, 211}}},
    {'v', {One(250), One(186)}},
    {' ', {One(' '), One('-'), One(HebCode::Maqaf)}},
};

constexpr CodeGroup kVowelClasses[] = {
    {'A', {{148, 151}, One(200), One(216)}},
    {'B', {One(134), One(135), {152, 155}, One(199), One(215)}},
    {'C', {One(141), One(142), One(196), One(212)}},
    {'D', {One(138), One(140), One(143), One(144), One(197), One(198), One(213), One(214)}},
    {'E', {One(137), One(202), One(203), One(219)}},
    {'G', {{128, 131}, One(136), One(145), One(159), One(201), One(206)}},
    {'J', {One(156), One(157), {192, 195}}},
};

template <size_t N>
int KeyOf(const CodeGroup (&groups)[N], int c, int otherwise) {
  for (const CodeGroup& group : groups) {
    if (group.codes.Contains(c)) return group.key;
  }
  return otherwise;
}

}  // namespace

int CollationKeyChar(int c) {
  c &= 0xFF;
  const int key = KeyOf(kLetterKeys, c, 0);
  if (key != 0) return key;
  if (IsDigitCode(c)) return c;
  return IsAsciiPunct(c) ? '!' : '1';
}

int BuildLetterVowelKey(char* buffer, int size, const BYTE* letters, const BYTE* vowels,
                        int count) {
  if (size < 1) return 0;
  int length = 0;
  auto put = [&](int key) {
    if (length < size - 1) buffer[length++] = static_cast<char>(key);
  };
  for (int i = 0; i < count; ++i) {
    const int letter = letters[i];
    if (IsQuoteMark(letter)) continue;
    put(CollationKeyChar(letter));
    // The vav of a shuruk or holam male written on the letter before it. A
    // shuruk standing as a letter is that vav itself.
    if (IsHebrewLetter(letter) && (IsShuruk(vowels[i]) || IsHolamMale(vowels[i]))) put('f');
  }
  buffer[length] = 0;
  return length;
}

int VowelSoundClass(int vowel) { return KeyOf(kVowelClasses, vowel & 0xFF, '1'); }

int VowelClassString(char* buffer, int size, const BYTE* vowels, int count) {
  if (size < 1) return 0;
  int length = 0;
  for (; length < count && length < size - 1; ++length) {
    buffer[length] = static_cast<char>(VowelSoundClass(vowels[length]));
  }
  buffer[length] = 0;
  return length;
}
