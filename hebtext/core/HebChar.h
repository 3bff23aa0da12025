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
// RegularToFinalLetter, which return the bare code. HebCharSets.h gives the
// classes as code sets, for code that needs a class as a table.
#pragma once

#include "classlib/core/WinTypes.h"

typedef BYTE HebChar;

// Every code of the text code by name. Plain letters and points sit at their
// Windows-1255 places; the rest are the program's own combined codes. The
// variant codes of a point are shown and written out as the plain point; the
// grammar, transcription and speech rules give them their roles (the grammar
// data's keyword for each is in brackets).
namespace HebCode {
// Controls and ASCII the Hebrew rules look at.
constexpr int NoVowel = 0;  // also the end of a letter string
constexpr int EndOfString = 0;
constexpr int ExplicitNoVowel = 1;  // "none" written into a vowel string
constexpr int Tab = 9;
constexpr int FormFeed = 12;        // page break
constexpr int CarriageReturn = 13;  // end of line
constexpr int Space = 32;
constexpr int Gershayim = 34;  // typed as the ASCII double quote
constexpr int Geresh = 39;     // typed as the ASCII apostrophe
constexpr int Comma = 44;
constexpr int Hyphen = 45;
constexpr int SofPasuq = 58;  // the ASCII colon

// Vowel codes of the program's own: stressed twins and variants.
constexpr int QamatsQatan = 128;          // [KAM_K]
constexpr int StressedQamatsQatan = 129;  // every qamats qatan stresses to this
constexpr int StressedHolamMale = 130;
constexpr int StressedHolam = 131;
constexpr int YodDouble = 132;  // yod variant A [YUD_DBL]
constexpr int YodDoubleDagesh = 133;
constexpr int PatahForQamats = 134;  // [PAT_KAM]
constexpr int StressedPatahForQamats = 135;
constexpr int QamatsQatanAlef = 136;  // [KAM_K_ALEF]
constexpr int StressedShuruk = 137;
constexpr int SegolYod = 138;  // [SEG_Y]
constexpr int StressedSegolYod = 140;
constexpr int HiriqYod = 141;  // [HIR_Y]
constexpr int StressedHiriqYod = 142;
constexpr int TsereYod = 143;  // [TSE_Y]
constexpr int StressedTsereYod = 144;
constexpr int HolamVariant = 145;  // [HOL_D_C]
constexpr int YodVariantB = 146;
constexpr int YodVariantBDagesh = 147;
constexpr int QamatsYod = 148;  // [KAM_Y]
constexpr int StressedQamatsYod = 149;
constexpr int QamatsAlef = 150;  // [KAM_ALEF]
constexpr int StressedQamatsAlef = 151;
constexpr int PatahAlef = 152;  // [PAT_ALEF]
constexpr int StressedPatahAlef = 153;
constexpr int PatahYod = 154;  // [PAT_Y]
constexpr int StressedPatahYod = 155;
constexpr int VocalShva = 156;           // a shva that is pronounced [SHV_P]
constexpr int SilentShva = 157;          // [SHV_S]
constexpr int Maqaf = 158;               // shown as '-', written out as the maqaf
constexpr int QamatsQatanVariant = 159;  // [KAM_K_C]

// Letters with dagesh: the plain code minus 64 (qof minus 63).
constexpr int BetDagesh = 161;
constexpr int GimelDagesh = 162;
constexpr int DaletDagesh = 163;
constexpr int HeMappiq = 164;
constexpr int VavDagesh = 165;
constexpr int ZayinDagesh = 166;
constexpr int TetDagesh = 168;
constexpr int YodDagesh = 169;
constexpr int FinalKafDagesh = 170;
constexpr int KafDagesh = 171;
constexpr int LamedDagesh = 172;
constexpr int MemDagesh = 174;
constexpr int NunDagesh = 176;
constexpr int SamekhDagesh = 177;
constexpr int PeDagesh = 180;
constexpr int TsadiDagesh = 182;
constexpr int OldQofDagesh = 183;  // older files only; remapped on loading
constexpr int QofDagesh = 184;
constexpr int ShinDagesh = 185;  // shin with dagesh, no dot
constexpr int TavDagesh = 186;
constexpr int FinalKafDageshShva = 187;  // one glyph each
constexpr int FinalKafDageshQamats = 188;

// The points at their Windows-1255 places.
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
constexpr int Shuruk = 202;  // vav with dagesh as the vowel of the letter before
constexpr int Qubuts = 203;
constexpr int Dagesh = 204;  // a dagesh standing as a mark of its own
constexpr int Meteg = 205;
constexpr int HolamMale = 206;  // vav with holam as the vowel of the letter before

// Shin with its dot, and the stressed plain points.
constexpr int ShinShinDotDagesh = 208;
constexpr int ShinShinDot = 209;
constexpr int ShinSinDot = 210;
constexpr int ShinSinDotDagesh = 211;
constexpr int StressedHiriq = 212;
constexpr int StressedTsere = 213;
constexpr int StressedSegol = 214;
constexpr int StressedPatah = 215;
constexpr int StressedQamats = 216;
constexpr int StressedQubuts = 219;

// Letters with a tick (geresh) for foreign sounds.
constexpr int GimelGereshDagesh = 218;
constexpr int GimelGeresh = 220;
constexpr int ZayinGeresh = 221;
constexpr int FinalTsadiGeresh = 222;
constexpr int TsadiGeresh = 223;

// The letters at their Windows-1255 places.
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
constexpr int Shin = 249;  // shin without dot
constexpr int Tav = 250;
constexpr int FinalKafShva = 251;  // one glyph each
constexpr int FinalKafQamats = 252;

// Glyphs of the program's Hebrew fonts for a letter with its holam: never
// text, except that the English-layout import meets the two lamed forms
// before splitting them into letter and vowel.
constexpr int LamedHolam = 253;
constexpr int LamedDageshHolam = 189;
constexpr int GimelGereshHolam = 254;
constexpr int GimelGereshDageshHolam = 190;
constexpr int ZayinGereshHolam = 191;
constexpr int TsadiGereshHolam = 207;
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
