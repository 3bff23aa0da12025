#include "hebtext/core/HebrewDisplay.h"

#include <cstring>

#include "hebtext/core/HebChar.h"

int VowelToDisplayPoint(int vowel) {
  switch (vowel & 0xFF) {
    case 128: case 136: case 148: case 150: case 159: return HebCode::Qamats;
    case 129: case 149: case 151: return 216;
    case 134: case 152: case 154: return HebCode::Patah;
    case 135: case 153: case 155: return 215;
    case 138: return HebCode::Segol;
    case 140: return 214;
    case 141: return HebCode::Hiriq;
    case 142: return 212;
    case 143: return HebCode::Tsere;
    case 144: return 213;
    case 145: return HebCode::Holam;
    case 156: case 157: return HebCode::Shva;
    default: return vowel & 0xFF;
  }
}

int LetterToDisplayGlyph(int letter) {
  switch (letter & 0xFF) {
    case 132: case 146: return HebCode::Yod;
    case 133: case 147: return 169;  // yod with dagesh
    case HebCode::Maqaf: return '-';
    default: return letter & 0xFF;
  }
}

int FinalKafGlyph(int letter, int vowel) {
  letter &= 0xFF;
  const bool dagesh = letter == 170 || letter == 187 || letter == 188;
  switch (vowel & 0xFF) {
    case HebCode::NoVowel: return letter;
    case 156: case 157: case HebCode::Shva: return dagesh ? 187 : 251;
    case HebCode::Qamats: case 216: return dagesh ? 188 : 252;
    default: return dagesh ? 170 : HebCode::FinalKaf;  // no vowel it can carry
  }
}

int MakeUnpointedPlene(BYTE* letters, BYTE* vowels, int count, int capacity) {
  if (capacity <= 0) return 0;
  const int limit = capacity - 1;  // room for the terminator
  if (count > limit) count = limit;
  for (int i = 0; i < count; ++i) {
    int letter = RemoveDagesh(letters[i]);
    if (IsShinWithShinDot(letter) || IsShinWithSinDot(letter)) letter = HebCode::Shin;
    if (IsShuruk(letter)) letter = HebCode::Vav;
    letters[i] = static_cast<BYTE>(letter);
    if ((IsShuruk(vowels[i]) || IsHolamMale(vowels[i])) && count < limit) {
      std::memmove(letters + i + 2, letters + i + 1, count - i - 1);
      std::memmove(vowels + i + 2, vowels + i + 1, count - i - 1);
      letters[i + 1] = HebCode::Vav;
      vowels[i + 1] = HebCode::NoVowel;
      ++count;
      ++i;
    }
  }
  std::memset(vowels, 0, count);
  letters[count] = 0;
  return count;
}
