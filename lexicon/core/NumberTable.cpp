#include "lexicon/core/NumberTable.h"

namespace {
constexpr DWORD kBothGendersBothKinds =
    kNumberMasculine | kNumberFeminine | kNumberCardinal | kNumberOrdinal;
constexpr DWORD kBothGendersCardinal = kNumberMasculine | kNumberFeminine | kNumberCardinal;
constexpr DWORD kMasculineCardinal = kNumberMasculine | kNumberCardinal;
// Hundreds count as feminine nouns; ten thousand has a feminine word of its
// own as an ordinal.
constexpr DWORD kFeminineCardinal = kNumberFeminine | kNumberCardinal;
constexpr DWORD kFeminineOrdinal = kNumberFeminine | kNumberOrdinal;
}  // namespace

// clang-format off
const NumberTableEntry kNumberTable[kNumberTableCount + 1] = {
    {0, kMasculineCardinal},
    {1, kBothGendersBothKinds}, {2, kBothGendersBothKinds}, {3, kBothGendersBothKinds},
    {4, kBothGendersBothKinds}, {5, kBothGendersBothKinds}, {6, kBothGendersBothKinds},
    {7, kBothGendersBothKinds}, {8, kBothGendersBothKinds}, {9, kBothGendersBothKinds},
    {10, kBothGendersBothKinds},
    {11, kBothGendersCardinal}, {12, kBothGendersCardinal}, {13, kBothGendersCardinal},
    {14, kBothGendersCardinal}, {15, kBothGendersCardinal}, {16, kBothGendersCardinal},
    {17, kBothGendersCardinal}, {18, kBothGendersCardinal}, {19, kBothGendersCardinal},
    {20, kMasculineCardinal}, {30, kMasculineCardinal}, {40, kMasculineCardinal},
    {50, kMasculineCardinal}, {60, kMasculineCardinal}, {70, kMasculineCardinal},
    {80, kMasculineCardinal}, {90, kMasculineCardinal},
    {100, kFeminineCardinal}, {200, kFeminineCardinal}, {300, kFeminineCardinal},
    {400, kFeminineCardinal}, {500, kFeminineCardinal}, {600, kFeminineCardinal},
    {700, kFeminineCardinal}, {800, kFeminineCardinal}, {900, kFeminineCardinal},
    {1000, kMasculineCardinal}, {2000, kMasculineCardinal}, {3000, kMasculineCardinal},
    {4000, kMasculineCardinal}, {5000, kMasculineCardinal}, {6000, kMasculineCardinal},
    {7000, kMasculineCardinal}, {8000, kMasculineCardinal}, {9000, kMasculineCardinal},
    {10000, kMasculineCardinal},
    {10000, kFeminineOrdinal},
    {1000000, kMasculineCardinal},
    {1000000000, kMasculineCardinal},
    {kNumberTableEnd, 0},
};
// clang-format on

bool GetNumberTableEntry(int index, NumberTableEntry& entry) {
  if (index < 0 || index >= kNumberTableCount) return false;
  entry = kNumberTable[index];
  return true;
}
