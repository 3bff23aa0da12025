#include "hebtext/core/HebrewDisplay.h"

#include <cstring>

#include "hebtext/core/HebChar.h"

using namespace HebCode;

int VowelToDisplayPoint(int vowel) {
  switch (vowel & 0xFF) {
    case QamatsQatan:
    case QamatsQatanAlef:
    case QamatsQatanVariant:
    case QamatsYod:
    case QamatsAlef: return Qamats;
    case StressedQamatsQatan:
    case StressedQamatsYod:
    case StressedQamatsAlef: return StressedQamats;
    case PatahForQamats:
    case PatahAlef:
    case PatahYod: return Patah;
    case StressedPatahForQamats:
    case StressedPatahAlef:
    case StressedPatahYod: return StressedPatah;
    case SegolYod: return Segol;
    case StressedSegolYod: return StressedSegol;
    case HiriqYod: return Hiriq;
    case StressedHiriqYod: return StressedHiriq;
    case TsereYod: return Tsere;
    case StressedTsereYod: return StressedTsere;
    case HolamVariant: return Holam;
    case VocalShva:
    case SilentShva: return Shva;
    default: return vowel & 0xFF;
  }
}

int LetterToDisplayGlyph(int letter) {
  switch (letter & 0xFF) {
    case YodDouble:
    case YodVariantB: return Yod;
    case YodDoubleDagesh:
    case YodVariantBDagesh: return YodDagesh;
    case Maqaf: return Hyphen;
    default: return letter & 0xFF;
  }
}

int FinalKafGlyph(int letter, int vowel) {
  letter &= 0xFF;
  const bool dagesh =
      letter == FinalKafDagesh || letter == FinalKafDageshShva || letter == FinalKafDageshQamats;
  switch (vowel & 0xFF) {
    case NoVowel: return letter;
    case VocalShva:
    case SilentShva:
    case Shva: return dagesh ? FinalKafDageshShva : FinalKafShva;
    case Qamats:
    case StressedQamats: return dagesh ? FinalKafDageshQamats : FinalKafQamats;
    default: return dagesh ? FinalKafDagesh : FinalKaf;  // no vowel it can carry
  }
}

int InsertHebrewChar(BYTE* letters, BYTE* vowels, int count, int capacity) {
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
