#include "lexicon/core/PersonSuffixTables.h"

#include "hebtext/core/HebChar.h"

namespace {

using namespace HebCode;

constexpr BYTE NV = ExplicitNoVowel;
constexpr int kPersonCells = 10;  // cells 3-12
constexpr int kFirstPersonCell = 3;
constexpr int kSetATables = 14;  // A0-A13
constexpr int kSetBTables = 4;   // B0-B3

struct PersonSuffixTable {
  SuffixTemplate cells[kPersonCells];
};

// Each template: the connecting vowel, then the suffix letters with their
// vowels; a template without letters only gives the stem's last letter
// its vowel.
// clang-format off
const PersonSuffixTable kSetA[kSetATables] = {
    // A0
    {{
        {Hiriq, {{Yod, NV}}},
        {Shva, {{FinalKaf, Qamats}}},
        {Tsere, {{FinalKaf, Shva}}},
        {HolamMale},
        {Qamats, {{HeMappiq, NV}}},
        {StressedTsere, {{Nun, Shuruk}}},
        {Shva, {{Kaf, Segol}, {FinalMem, NV}}},
        {Shva, {{Kaf, Segol}, {FinalNun, NV}}},
        {Qamats, {{FinalMem, NV}}},
        {Qamats, {{FinalNun, NV}}},
    }},
    // A1
    {{
        {Hiriq, {{Yod, NV}}},
        {StressedHiriq, {{Yod, NV}, {FinalKaf, Qamats}}},
        {Hiriq, {{Yod, NV}, {FinalKaf, Shva}}},
        {Hiriq, {{Yod, NV}, {Vav, NV}}},
        {StressedHiriq, {{Yod, NV}, {He, Qamats}}},
        {StressedHiriq, {{Yod, NV}, {Nun, Shuruk}}},
        {Hiriq, {{Yod, NV}, {Kaf, Segol}, {FinalMem, NV}}},
        {Hiriq, {{Yod, NV}, {Kaf, Segol}, {FinalNun, NV}}},
        {Hiriq, {{Yod, NV}, {He, Segol}, {FinalMem, NV}}},
        {Hiriq, {{Yod, NV}, {He, Segol}, {FinalNun, NV}}},
    }},
    // A2
    {{
        {Hiriq, {{Yod, NV}}},
        {Shva, {{FinalKaf, Qamats}}},
        {Tsere, {{FinalKaf, Shva}}},
        {StressedTsere, {{He, Shuruk}}},
        {StressedSegol, {{He, Qamats}}},
        {StressedTsere, {{Nun, Shuruk}}},
        {Shva, {{Kaf, Segol}, {FinalMem, NV}}},
        {Shva, {{Kaf, Segol}, {FinalNun, NV}}},
        {Qamats, {{FinalMem, NV}}},
        {Qamats, {{FinalNun, NV}}},
    }},
    // A3
    {{
        {Hiriq, {{Yod, NV}}},
        {NV, {{FinalKaf, Qamats}}},
        {Tsere, {{FinalKaf, Shva}}},
        {HolamMale},
        {NV, {{HeMappiq, Qamats}}},
        {StressedTsere, {{Nun, Shuruk}}},
        {NV, {{Kaf, Segol}, {FinalMem, NV}}},
        {NV, {{Kaf, Segol}, {FinalNun, NV}}},
        {Qamats, {{FinalMem, NV}}},
        {Qamats, {{FinalNun, NV}}},
    }},
    // A4
    {{
        {NV},
        {StressedTsere, {{FinalKaf, Qamats}}},
        {NV},
        {NV, {{He, Shuruk}}},
        {NV},
        {NV},
        {NV},
        {NV},
        {Qamats, {{He, StressedTsere}, {MemDagesh, Qamats}, {He, NV}}},
        {Qamats, {{He, StressedTsere}, {NunDagesh, Qamats}, {He, NV}}},
    }},
    // A5
    {{
        {StressedTsere, {{Nun, Hiriq}, {Yod, NV}}},
        {StressedSegol, {{FinalKafDagesh, Qamats}}},
        {NV},
        {NV},
        {NV},
        {NV},
        {Tsere, {{Kaf, StressedSegol}, {FinalMem, NV}}},
        {Tsere, {{Kaf, StressedSegol}, {FinalNun, NV}}},
        {Shva, {{He, Segol}, {FinalMem, NV}}},
        {Shva, {{He, Segol}, {FinalNun, NV}}},
    }},
    // A6
    {{
        {StressedSegol, {{NunDagesh, Hiriq}, {Yod, NV}}},
        {Shva, {{FinalKaf, Qamats}}},
        {Tsere, {{FinalKaf, Shva}}},
        {StressedSegol, {{NunDagesh, Shuruk}}},
        {StressedSegol, {{NunDagesh, Qamats}, {He, NV}}},
        {StressedSegol, {{NunDagesh, Shuruk}}},
        {Qamats, {{Kaf, Segol}, {FinalMem, NV}}},
        {Qamats, {{Kaf, Segol}, {FinalNun, NV}}},
        {Qamats, {{He, Segol}, {FinalMem, NV}}},
        {Qamats, {{He, Segol}, {FinalNun, NV}}},
    }},
    // A7
    {{
        {Hiriq, {{Yod, NV}}},
        {Shva, {{FinalKaf, Qamats}}},
        {Qamats, {{FinalKaf, Shva}}},
        {HolamMale},
        {Qamats, {{HeMappiq, NV}}},
        {StressedQamats, {{Nun, Shuruk}}},
        {NV},
        {NV},
        {Qamats, {{FinalMem, NV}}},
        {Qamats, {{FinalNun, NV}}},
    }},
    // A8
    {{
        {Hiriq, {{Yod, NV}}},
        {Shva, {{FinalKaf, Qamats}}},
        {Qamats, {{FinalKaf, Shva}}},
        {HolamMale},
        {Qamats, {{HeMappiq, NV}}},
        {Shva, {{Nun, Shuruk}}},
        {Shva, {{Kaf, Segol}, {FinalMem, NV}}},
        {Shva, {{Kaf, Segol}, {FinalNun, NV}}},
        {Qamats, {{FinalMem, NV}}},
        {Qamats, {{FinalNun, NV}}},
    }},
    // A9
    {{
        {StressedTsere, {{Yod, NV}, {Nun, Hiriq}, {Yod, NV}}},
        {Tsere, {{Yod, NV}, {Space, NV}, {Alef, Patah}, {TavDagesh, Qamats}, {He, NV}}},
        {Tsere, {{Yod, NV}, {Space, NV}, {Alef, Patah}, {TavDagesh, Shva}}},
        {StressedTsere, {{Yod, NV}, {He, Shuruk}}},
        {StressedTsere, {{Yod, NV}, {He, Hiriq}, {Yod, NV}}},
        {StressedTsere, {{Yod, NV}, {Nun, Shuruk}}},
        {Tsere, {{Yod, NV}, {Space, NV}, {Alef, Patah}, {TavDagesh, Segol}, {FinalMem, NV}}},
        {Tsere, {{Yod, NV}, {Space, NV}, {Alef, Patah}, {TavDagesh, Segol}, {FinalNun, NV}}},
        {Tsere, {{Yod, NV}, {He, Segol}, {FinalMem, NV}}},
        {Tsere, {{Yod, NV}, {He, Segol}, {FinalNun, NV}}},
    }},
    // A10
    {{
        {StressedHolamMale, {{Nun, Hiriq}, {Yod, NV}}},
        {StressedHolamMale, {{FinalKaf, Qamats}}},
        {HolamMale, {{FinalKaf, Shva}}},
        {StressedHolamMale, {{He, Shuruk}}},
        {StressedHolamMale, {{He, Qamats}}},
        {StressedHolamMale, {{Nun, Shuruk}}},
        {NV},
        {NV},
        {HolamMale},
        {NV},
    }},
    // A11
    {{
        {NV},
        {NV},
        {NV},
        {NV},
        {NV},
        {NV},
        {NV},
        {NV},
        {Qamats, {{He, Tsere}, {FinalMem, NV}}},
        {StressedQamats, {{Nun, Qamats}, {He, NV}}},
    }},
    // A12
    {{
        {NV},
        {NV},
        {NV},
        {NV},
        {NV},
        {NV},
        {Hiriq, {{KafDagesh, Segol}, {FinalMem, NV}}},
        {Hiriq, {{KafDagesh, Segol}, {FinalNun, NV}}},
        {Tsere, {{He, Segol}, {FinalMem, NV}}},
        {Tsere, {{He, Segol}, {FinalNun, NV}}},
    }},
    // A13
    {{
        {NV},
        {NV},
        {NV},
        {NV},
        {NV},
        {NV},
        {NV},
        {NV},
        {NV},
        {Shva, {{He, Tsere}, {FinalNun, NV}}},
    }},
};

const PersonSuffixTable kSetB[kSetBTables] = {
    // B0
    {{
        {PatahYod, {{Yod, NV}}},
        {StressedSegol, {{Yod, NV}, {FinalKaf, Qamats}}},
        {StressedPatahYod, {{Yod, Hiriq}, {FinalKaf, Shva}}},
        {Qamats, {{Yod, NV}, {Vav, NV}}},
        {StressedSegol, {{Yod, NV}, {He, Qamats}}},
        {StressedTsere, {{Yod, NV}, {Nun, Shuruk}}},
        {Tsere, {{Yod, NV}, {Kaf, Segol}, {FinalMem, NV}}},
        {Tsere, {{Yod, NV}, {Kaf, Segol}, {FinalNun, NV}}},
        {Tsere, {{Yod, NV}, {He, Segol}, {FinalMem, NV}}},
        {Tsere, {{Yod, NV}, {He, Segol}, {FinalNun, NV}}},
    }},
    // B1
    {{
        {Hiriq, {{Yod, NV}}},
        {Shva, {{FinalKaf, Qamats}}},
        {Tsere, {{FinalKaf, Shva}}},
        {HolamMale},
        {Qamats, {{HeMappiq, NV}}},
        {StressedTsere, {{Nun, Shuruk}}},
        {Shva, {{Kaf, Segol}, {FinalMem, NV}}},
        {Shva, {{Kaf, Segol}, {FinalNun, NV}}},
        {Qamats, {{FinalMem, NV}}},
        {Qamats, {{FinalNun, NV}}},
    }},
    // B2
    {{
        {StressedTsere, {{Nun, Hiriq}, {Yod, NV}}},
        {NV},
        {NV},
        {HolamMale},
        {StressedSegol, {{NunDagesh, Qamats}, {He, NV}}},
        {StressedTsere, {{Yod, NV}, {Nun, Shuruk}}},
        {NV},
        {NV},
        {Qamats, {{FinalMem, NV}}},
        {NV},
    }},
    // B3
    {{
        {NV},
        {NV},
        {NV},
        {NV},
        {NV},
        {NV},
        {NV},
        {NV},
        {HolamMale},
        {NV},
    }},
};
// clang-format on

}  // namespace

int SuffixTemplate::SuffixLength() const {
  int n = 0;
  while (n < kMaxSuffixLetters && suffix[n].letter) ++n;
  return n;
}

PersonSuffixChoice GetPersonSuffixTemplate(bool pluralStem, int selector, int cell) {
  PersonSuffixChoice choice;
  if (cell < kFirstPersonCell || cell >= kFirstPersonCell + kPersonCells) return choice;
  int index = cell - kFirstPersonCell;
  if (pluralStem) {
    bool known = selector >= 1 && selector < kSetBTables;
    choice.pluralDefault = !known;
    choice.suffix = &kSetB[known ? selector : 0].cells[index];
  } else {
    bool known = selector >= 1 && selector < kSetATables;
    choice.suffix = &kSetA[known ? selector : 0].cells[index];
  }
  return choice;
}
