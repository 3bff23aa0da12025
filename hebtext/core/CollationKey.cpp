#include "hebtext/core/CollationKey.h"

#include "hebtext/core/HebChar.h"
#include "hebtext/core/HebCharSets.h"

namespace {

using namespace HebCode;

struct CodeGroup {
  char key;
  CodeSet codes;
};

// Every code of a letter sorts as the letter; a vav that is the vowel of the
// letter before it sorts as vav.
constexpr CodeGroup kLetterKeys[] = {
    {'a', Codes({Alef})},
    {'b', Codes({Bet, BetDagesh})},
    {'c', Codes({Gimel, GimelDagesh, GimelGeresh, GimelGereshDagesh})},
    {'d', Codes({Dalet, DaletDagesh})},
    {'e', Codes({He, HeMappiq})},
    {'f', Codes({Vav, VavDagesh}) | HebSet::VavVowel},
    {'g', Codes({Zayin, ZayinDagesh, ZayinGeresh})},
    {'h', Codes({Het})},
    {'i', Codes({Tet, TetDagesh})},
    {'j', HebSet::YodForm},
    {'k', Codes({Kaf, KafDagesh}) | HebSet::FinalKafForm},
    {'l', Codes({Lamed, LamedDagesh, LamedHolam})},
    {'m', Codes({Mem, MemDagesh, FinalMem})},
    {'n', Codes({Nun, NunDagesh, FinalNun})},
    {'o', Codes({Samekh, SamekhDagesh})},
    {'p', Codes({Ayin})},
    {'q', Codes({Pe, PeDagesh, FinalPe})},
    {'r', Codes({Tsadi, TsadiDagesh, FinalTsadi, TsadiGeresh, FinalTsadiGeresh})},
    {'s', Codes({Qof, QofDagesh})},
    {'t', Codes({Resh})},
    {'u', HebSet::ShinWithShinDot | HebSet::ShinWithSinDot},
    {'v', Codes({Tav, TavDagesh})},
    {' ', HebSet::SpaceHyphenOrMaqaf},
};

constexpr CodeGroup kVowelClasses[] = {
    {'A', HebSet::QamatsForm},
    {'B', HebSet::PatahForm},
    {'C', HebSet::HiriqForm},
    {'D', HebSet::SegolForm | HebSet::TsereForm},
    {'E', HebSet::Shuruk | HebSet::QubutsForm},
    {'G', HebSet::QamatsQatan | HebSet::HolamForm | HebSet::HolamMale},
    {'J', HebSet::Shva | HebSet::HatafVowel},
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
