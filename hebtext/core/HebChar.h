// The program's 8-bit Hebrew character code, HebChar, with its character
// classes and code-to-code mappings.
//
// Letters sit at their Windows-1255 places (224-250), vowel points at 192-203;
// everything Windows-1255 writes as a letter plus combining marks (a letter
// with dagesh, shin or sin with its dot, a vav that is the vowel of the letter
// before it, a stressed vowel) is one code of its own, so a word is one code a
// letter and its pointing one vowel code a letter.
//
// Every operation takes a code in a machine word and looks only at its low
// 8 bits. Class tests return 1 or 0. Mappings change only the low 8 bits and
// return the other bits unchanged, except FinalToRegularLetter and
// RegularToFinalLetter, which return the bare code.
#pragma once

#include "classlib/core/WinTypes.h"

typedef BYTE HebChar;

// Codes the text code refers to by name.
namespace HebCode {
constexpr int NoVowel = 0;         // also the end of a letter string
constexpr int ExplicitNoVowel = 1; // "none" written into a vowel string
constexpr int QamatsQatan = 128;
constexpr int StressedHolamMale = 130;
constexpr int StressedShuruk = 137;
constexpr int Maqaf = 158;
constexpr int BetDagesh = 161;
constexpr int HeMappiq = 164;
constexpr int VavDagesh = 165;
constexpr int QofDagesh = 184;
constexpr int ShinDagesh = 185;    // shin with dagesh, no dot
constexpr int Shva = 192;
constexpr int HatafSegol = 193;
constexpr int HatafPatah = 194;
constexpr int HatafQamats = 195;
constexpr int Hiriq = 196;
constexpr int Tsere = 197;
constexpr int Segol = 198;
constexpr int Patah = 199;
constexpr int Qamats = 200;
constexpr int Holam = 201;
constexpr int Shuruk = 202;        // vav with dagesh as the vowel of the letter before
constexpr int Qubuts = 203;
constexpr int Dagesh = 204;        // a dagesh standing as a mark of its own
constexpr int Meteg = 205;
constexpr int HolamMale = 206;     // vav with holam as the vowel of the letter before
constexpr int ShinShinDotDagesh = 208;
constexpr int ShinShinDot = 209;
constexpr int ShinSinDot = 210;
constexpr int ShinSinDotDagesh = 211;
constexpr int Alef = 224;
constexpr int Bet = 225;
constexpr int Gimel = 226;
constexpr int Dalet = 227;
constexpr int He = 228;
constexpr int Vav = 229;
constexpr int Zayin = 230;
constexpr int Het = 231;
constexpr int Tet = 232;
constexpr int Yod = 233;
constexpr int FinalKaf = 234;
constexpr int Kaf = 235;
constexpr int Lamed = 236;
constexpr int FinalMem = 237;
constexpr int Mem = 238;
constexpr int FinalNun = 239;
constexpr int Nun = 240;
constexpr int Samekh = 241;
constexpr int Ayin = 242;
constexpr int FinalPe = 243;
constexpr int Pe = 244;
constexpr int FinalTsadi = 245;
constexpr int Tsadi = 246;
constexpr int Qof = 247;
constexpr int Resh = 248;
constexpr int Shin = 249;          // shin without dot
constexpr int Tav = 250;
constexpr int LamedHolam = 253;    // font glyph; met briefly in the English-layout import
}  // namespace HebCode

// Letters and their groups.
int IsHebrewLetter(int c);
int IsDageshLetter(int c);
int IsDageshableLetter(int c);
int IsFinalLetter(int c);
int HasFinalForm(int c);
int IsFinalKafForm(int c);
int IsGutturalLetter(int c);
int IsAlefOrAyin(int c);
int IsLabialLetter(int c);
int IsBegadkefatLetter(int c);
int IsSibilantLetter(int c);
int IsLetterWithTick(int c);
int IsYodForm(int c);
int IsYodVariantA(int c);
int IsYodVariantB(int c);
int IsShinWithShinDot(int c);
int IsShinWithSinDot(int c);
int IsLetterOrShuruk(int c);

// One letter each; final forms excluded.
int IsAlef(int c);
int IsBet(int c);
int IsGimel(int c);
int IsDalet(int c);
int IsHe(int c);
int IsVav(int c);
int IsZayin(int c);
int IsTet(int c);
int IsKaf(int c);
int IsLamed(int c);
int IsMem(int c);
int IsNun(int c);
int IsSamekh(int c);
int IsPe(int c);
int IsTsadi(int c);
int IsQof(int c);
int IsResh(int c);
int IsShin(int c);
int IsTav(int c);

// Vowels and marks.
int IsVowelCode(int c);
int IsNonVavVowel(int c);
int IsVavVowel(int c);
int IsDageshOrMeteg(int c);
int IsShva(int c);
int IsNoVowel(int c);
int IsNoVowelOrShva(int c);
int IsHatafVowel(int c);
int IsHiriqForm(int c);
int IsTsereForm(int c);
int IsSegolForm(int c);
int IsPatahForm(int c);
int IsPatahVariant(int c);
int IsQamatsForm(int c);
int IsQamatsQatan(int c);
int IsPatahOrQamatsForm(int c);
int IsPatahOrQamatsPlain(int c);
int IsQamatsPatahVariant(int c);
int IsHiriqOrNoVowel(int c);
int IsTsereOrNoVowel(int c);
int IsQamatsOrNoVowel(int c);
int IsHolamForm(int c);
int IsHolamMale(int c);
int IsShuruk(int c);
int IsQubutsForm(int c);
int IsVowelVariant(int c);
int HasVowelVariant(int c);
int IsStressedVowel(int c);
int IsStressableVowel(int c);
int HasAlternateVowel(int c);

// Everything else: digits, ASCII, blanks and word breaks.
int IsDigitCode(int c);
int IsAlpha(int c);
int IsAsciiPunct(int c);
int IsQuoteMark(int c);
int IsWordChar(int c);
int IsBlankCode(int c);
int IsFormFeedOrCR(int c);
int IsWordSeparator(int c);
int IsWordSeparatorOrMaqaf(int c);
int IsSpaceOrHyphen(int c);
int IsSpaceHyphenOrMaqaf(int c);
int IsWordBreakChar(int c);

// 1 when the vowel may not stand on the letter: a final letter takes no vowel
// (but final kaf takes shva and qamats), and a hataf stands only on gutturals.
int IsFinalOrHatafPointing(int letter, int vowel);

// Mappings; codes a mapping does not name come back unchanged.
int RemoveDagesh(int c);
int AddDagesh(int c);
int FinalToRegularLetter(int c);
int RegularToFinalLetter(int c);
int HatafToFullVowel(int c);
int ToggleVavVowel(int c);
int AddStressMark(int c);
int RemoveStressMark(int c);
int VowelVariantToPlain(int c);
int PlainToVowelVariant(int c);
int QamatsPatahVariantToPlain(int c);
int PlainToQamatsPatahVariant(int c);
