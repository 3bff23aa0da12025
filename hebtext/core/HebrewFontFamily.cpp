#include "hebtext/core/HebrewFontFamily.h"

#include <cctype>

#include "hebtext/core/HebChar.h"

const char* const g_hebrewFontFaces[kHebrewFontFaceCount] = {
    "Pomlar Sephardi 2", "Pomlar Stam 2", "Pomlar David 2",
    "Pomlar Velira 2",   "Pomlar Noam 2", "Pomlar Cursiva 2",
};

namespace {

bool SameIgnoringCase(const char* a, const char* b) {
  for (; *a != 0 && *b != 0; ++a, ++b) {
    if (std::tolower(static_cast<unsigned char>(*a)) !=
        std::tolower(static_cast<unsigned char>(*b))) {
      return false;
    }
  }
  return *a == *b;
}

}  // namespace

int HebrewFontFamilyOfFace(const char* faceName) {
  if (faceName == nullptr) return 0;
  for (int i = 0; i < kHebrewFontFaceCount; ++i) {
    if (SameIgnoringCase(faceName, g_hebrewFontFaces[i])) return i + 1;
  }
  return 0;
}

int StressMarkFamilyOfFace(const char* faceName) {
  const int family = HebrewFontFamilyOfFace(faceName);
  return family == 1 || family == 2 ? family : 0;
}

namespace {
using namespace HebCode;

// Percentages by column: families 1, 4 and 6 share one; then 2, 3 and 5.
struct MarkPosition {
  BYTE letters[6];
  BYTE percent[4];
};

const MarkPosition kMarkPositions[] = {
    {{Alef}, {0, 40, 0, 0}},
    {{Gimel, GimelDagesh}, {0, 0, 45, 0}},
    {{Dalet, DaletDagesh}, {35, 15, 35, 35}},
    {{He, HeMappiq}, {0, 40, 0, 0}},
    {{Vav}, {35, 15, 35, 0}},
    {{VavDagesh}, {35, 15, 35, 48}},
    {{Zayin}, {55, 55, 35, 55}},
    {{ZayinDagesh}, {0, 0, 35, 0}},
    {{Yod}, {60, 60, 60, 55}},
    {{YodDagesh}, {60, 60, 60, 45}},
    {{Kaf, KafDagesh}, {0, 0, 60, 60}},
    {{Lamed, LamedDagesh}, {65, 40, 70, 60}},
    {{Mem, MemDagesh}, {0, 45, 0, 0}},
    {{Samekh, SamekhDagesh}, {0, 45, 0, 0}},
    {{Ayin}, {45, 35, 45, 45}},
    {{Pe, PeDagesh}, {0, 0, 0, 55}},
    {{Qof, QofDagesh}, {47, 30, 45, 45}},
    {{Resh}, {20, 20, 25, 27}},
    {{Shin, ShinDagesh, ShinShinDotDagesh, ShinShinDot, ShinSinDot, ShinSinDotDagesh},
     {62, 62, 55, 0}},
    {{GimelGeresh, GimelGereshDagesh}, {0, 45, 40, 40}},
    {{ZayinGeresh}, {40, 35, 30, 35}},
    {{TsadiGeresh}, {0, 45, 0, 40}},
};

int FamilyColumn(int family) {
  switch (family) {
    case 1:
    case 4:
    case 6: return 0;
    case 2: return 1;
    case 3: return 2;
    case 5: return 3;
    default: return -1;
  }
}

int MarkPercent(int letter, int family) {
  const int column = FamilyColumn(family);
  if (column < 0) return 0;
  for (const MarkPosition& position : kMarkPositions) {
    for (BYTE code : position.letters) {
      if (code != 0 && code == letter) return position.percent[column];
    }
  }
  return 0;
}

}  // namespace

int GetVowelOffsetPercent(int letter, int letterWidth, int markWidth, int* offset, int family) {
  const int percent = MarkPercent(letter & 0xFF, family);
  if (percent == 0) return 0;
  const double centre = letterWidth * (percent * 0.01);
  *offset = static_cast<int>(centre + markWidth * 0.5);
  if (static_cast<int>(centre - markWidth * 0.5) < 0) *offset = markWidth;
  return *offset >= letterWidth ? 0 : percent;
}
