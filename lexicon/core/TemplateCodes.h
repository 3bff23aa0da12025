// The codes a template position holds besides the letter and vowel codes of
// the text: references to the root letters (or, in noun patterns, to the
// letters of the base) and the firm shva.
#pragma once

namespace TemplateCode {

// Letter references 1-5 take letter k of the root as it is; the others add
// their base to k.
constexpr int kFirstReference = 1;
constexpr int kLastReference = 5;
constexpr int kWithoutDagesh = 10;     // 11-15: the letter without dagesh
constexpr int kWithDagesh = 15;        // 16-20: with dagesh (a he keeps none)
constexpr int kBegadkefatDagesh = 20;  // 21-25: with dagesh when begadkefat
constexpr int kLastCode = kBegadkefatDagesh + kLastReference;

// A shva that never becomes a hataf on a guttural.
constexpr int kFirmShva = 8;

}  // namespace TemplateCode
