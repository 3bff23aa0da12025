// The character classes of HebChar, each the exact set of codes it accepts.
#include "hebtext/core/CodeTable.h"
#include "hebtext/core/HebChar.h"

namespace {

// Letters.
constexpr CodeSet kHebrewLetter{One(132), One(133), One(146), One(147), {161, 166}, {168, 172},
                                One(174), One(176), One(177), One(180), One(182), {184, 188},
                                {208, 211}, One(218), {220, 252}};
constexpr CodeSet kDageshLetter{One(133), One(147), {161, 166}, {168, 172}, One(174), One(176),
                                One(177), One(180), One(182), {184, 188}, One(208), One(211),
                                One(218)};
constexpr CodeSet kDageshableLetter{One(132), One(146), One(209), One(210), One(220), {225, 230},
                                    {232, 236}, One(238), One(240), One(241), One(244),
                                    One(246), One(247), {249, 252}};
constexpr CodeSet kFinalLetter{One(170), One(187), One(188), One(222), One(234), One(237),
                               One(239), One(243), One(245), One(251), One(252)};
constexpr CodeSet kHasFinalForm{One(171), One(174), One(176), One(182), One(223),
                                One(235), One(238), One(240), One(244), One(246)};
constexpr CodeSet kFinalKafForm{One(170), One(187), One(188), One(234), One(251), One(252)};
constexpr CodeSet kGutturalLetter{One(164), One(224), One(228), One(231), One(242)};
constexpr CodeSet kAlefOrAyin{One(224), One(242)};
constexpr CodeSet kLabialLetter{One(161), One(174), One(180), One(225), One(229), One(238),
                                One(244)};
constexpr CodeSet kBegadkefatLetter{One(161), One(162), One(163), One(171), One(180), One(186),
                                    One(225), One(226), One(227), One(235), One(244), One(250)};
constexpr CodeSet kSibilantLetter{One(166), One(177), One(182), One(185), {208, 211}, One(221),
                                  One(223), One(230), One(241), One(246), One(249)};
constexpr CodeSet kLetterWithTick{One(218), One(220), One(221), One(223)};
constexpr CodeSet kYodVariantA{One(132), One(133)};
constexpr CodeSet kYodVariantB{One(146), One(147)};
constexpr CodeSet kYodForm = kYodVariantA | kYodVariantB | CodeSet{One(169), One(233)};
constexpr CodeSet kShinWithShinDot{One(185), One(208), One(209), One(249)};
constexpr CodeSet kShinWithSinDot{One(185), One(210), One(211), One(249)};
constexpr CodeSet kShuruk{One(137), One(202)};
constexpr CodeSet kLetterOrShuruk = kHebrewLetter | kShuruk;

// Vowels.
constexpr CodeSet kVowelCode{One(1), {128, 131}, {134, 138}, {140, 145}, {148, 157}, One(159),
                             {192, 203}, One(206), {212, 216}, One(219)};
constexpr CodeSet kVavVowel{One(130), One(137), One(202), One(206)};
constexpr CodeSet kNonVavVowel = kVowelCode.Without(kVavVowel);
constexpr CodeSet kDageshOrMeteg{One(204), One(205)};
constexpr CodeSet kShva{One(156), One(157), One(192)};
constexpr CodeSet kNoVowel{One(0), One(1)};
constexpr CodeSet kNoVowelOrShva = kNoVowel | kShva;
constexpr CodeSet kHatafVowel{{193, 195}};
constexpr CodeSet kHiriqForm{One(141), One(142), One(196), One(212)};
constexpr CodeSet kTsereForm{One(143), One(144), One(197), One(213)};
constexpr CodeSet kSegolForm{One(138), One(140), One(198), One(214)};
constexpr CodeSet kPatahForm{One(134), One(135), {152, 155}, One(199), One(215)};
constexpr CodeSet kPatahVariant{One(134), One(135)};
constexpr CodeSet kQamatsForm{{148, 151}, One(200), One(216)};
constexpr CodeSet kPatahOrQamatsForm = kPatahForm | kQamatsForm;
constexpr CodeSet kQamatsQatan{One(128), One(129), One(136), One(159)};
constexpr CodeSet kPatahOrQamatsPlain{One(199), One(200), One(215), One(216)};
constexpr CodeSet kQamatsPatahVariant{{150, 153}};
constexpr CodeSet kHiriqOrNoVowel = kHiriqForm | kNoVowel;
constexpr CodeSet kTsereOrNoVowel = kTsereForm | kNoVowel;
// Not the second qamats variant.
constexpr CodeSet kQamatsOrNoVowel = CodeSet{One(148), One(149), One(200), One(216)} | kNoVowel;
constexpr CodeSet kHolamForm{One(131), One(145), One(201)};
constexpr CodeSet kHolamMale{One(130), One(206)};
constexpr CodeSet kQubutsForm{One(203), One(219)};
constexpr CodeSet kVowelVariant{One(138), {140, 144}, One(148), One(149), One(154), One(155)};
constexpr CodeSet kHasVowelVariant{{196, 200}, One(203), {212, 216}, One(219)};
constexpr CodeSet kStressedVowel{{129, 131}, One(135), One(137), One(140), One(142), One(144),
                                 One(149), One(151), One(153), One(155), {212, 216}, One(219)};
constexpr CodeSet kStressableVowel{One(128), One(134), One(136), One(138), One(141), One(143),
                                   One(145), One(148), One(154), One(159), {196, 203},
                                   One(206)};
constexpr CodeSet kHasAlternateVowel{One(1), One(130), One(131), One(137), One(156), One(157),
                                     One(192), One(201), One(202), One(203), One(206),
                                     One(219)};

// ASCII, blanks and word breaks.
constexpr CodeSet kDigit{{'0', '9'}};
constexpr CodeSet kAlpha{{'A', 'Z'}, {'a', 'z'}};
constexpr CodeSet kAsciiPunct{{33, 47}, {58, 64}, {91, 96}, {123, 126}};
constexpr CodeSet kQuoteMark{One('"'), One('\'')};
constexpr CodeSet kBlank{One('\t'), One('\f'), One('\r'), One(' ')};
constexpr CodeSet kFormFeedOrCR{One('\f'), One('\r')};
constexpr CodeSet kWordSeparator = kBlank | CodeSet{One('-')};
constexpr CodeSet kWordSeparatorOrMaqaf = kWordSeparator | CodeSet{One(HebCode::Maqaf)};
constexpr CodeSet kSpaceOrHyphen{One(' '), One('-')};
constexpr CodeSet kSpaceHyphenOrMaqaf = kSpaceOrHyphen | CodeSet{One(HebCode::Maqaf)};
// Geresh and gershayim stay inside a word.
constexpr CodeSet kWordBreak =
    kAsciiPunct.Without(kQuoteMark) | kWordSeparatorOrMaqaf | CodeSet{One(0)};
constexpr CodeSet kWordChar =
    kHebrewLetter | kShuruk | kQuoteMark | kDigit | CodeSet{One(',')};

int In(const CodeSet& set, int c) { return set.Contains(c) ? 1 : 0; }

}  // namespace

int IsHebrewLetter(int c) { return In(kHebrewLetter, c); }
int IsDageshLetter(int c) { return In(kDageshLetter, c); }
int IsDageshableLetter(int c) { return In(kDageshableLetter, c); }
int IsFinalLetter(int c) { return In(kFinalLetter, c); }
int HasFinalForm(int c) { return In(kHasFinalForm, c); }
int IsFinalKafForm(int c) { return In(kFinalKafForm, c); }
int IsGutturalLetter(int c) { return In(kGutturalLetter, c); }
int IsAlefOrAyin(int c) { return In(kAlefOrAyin, c); }
int IsLabialLetter(int c) { return In(kLabialLetter, c); }
int IsBegadkefatLetter(int c) { return In(kBegadkefatLetter, c); }
int IsSibilantLetter(int c) { return In(kSibilantLetter, c); }
int IsLetterWithTick(int c) { return In(kLetterWithTick, c); }
int IsYodForm(int c) { return In(kYodForm, c); }
int IsYodVariantA(int c) { return In(kYodVariantA, c); }
int IsYodVariantB(int c) { return In(kYodVariantB, c); }
int IsShinWithShinDot(int c) { return In(kShinWithShinDot, c); }
int IsShinWithSinDot(int c) { return In(kShinWithSinDot, c); }
int IsLetterOrShuruk(int c) { return In(kLetterOrShuruk, c); }

namespace {
// A letter with its dagesh form, when it has one.
int IsLetter(int c, int plain, int withDagesh) {
  c &= 0xFF;
  return c == plain || c == withDagesh ? 1 : 0;
}
}  // namespace

int IsAlef(int c) { return IsLetter(c, HebCode::Alef, HebCode::Alef); }
int IsBet(int c) { return IsLetter(c, HebCode::Bet, 161); }
int IsGimel(int c) { return IsLetter(c, HebCode::Gimel, 162); }
int IsDalet(int c) { return IsLetter(c, HebCode::Dalet, 163); }
int IsHe(int c) { return IsLetter(c, HebCode::He, 164); }
int IsVav(int c) { return IsLetter(c, HebCode::Vav, 165); }
int IsZayin(int c) { return IsLetter(c, HebCode::Zayin, 166); }
int IsTet(int c) { return IsLetter(c, HebCode::Tet, 168); }
int IsKaf(int c) { return IsLetter(c, HebCode::Kaf, 171); }
int IsLamed(int c) { return IsLetter(c, HebCode::Lamed, 172); }
int IsMem(int c) { return IsLetter(c, HebCode::Mem, 174); }
int IsNun(int c) { return IsLetter(c, HebCode::Nun, 176); }
int IsSamekh(int c) { return IsLetter(c, HebCode::Samekh, 177); }
int IsPe(int c) { return IsLetter(c, HebCode::Pe, 180); }
int IsTsadi(int c) { return IsLetter(c, HebCode::Tsadi, 182); }
int IsQof(int c) { return IsLetter(c, HebCode::Qof, 184); }
int IsResh(int c) { return IsLetter(c, HebCode::Resh, HebCode::Resh); }
int IsShin(int c) { return IsLetter(c, HebCode::Shin, 185); }
int IsTav(int c) { return IsLetter(c, HebCode::Tav, 186); }

int IsVowelCode(int c) { return In(kVowelCode, c); }
int IsNonVavVowel(int c) { return In(kNonVavVowel, c); }
int IsVavVowel(int c) { return In(kVavVowel, c); }
int IsDageshOrMeteg(int c) { return In(kDageshOrMeteg, c); }
int IsShva(int c) { return In(kShva, c); }
int IsNoVowel(int c) { return In(kNoVowel, c); }
int IsNoVowelOrShva(int c) { return In(kNoVowelOrShva, c); }
int IsHatafVowel(int c) { return In(kHatafVowel, c); }
int IsHiriqForm(int c) { return In(kHiriqForm, c); }
int IsTsereForm(int c) { return In(kTsereForm, c); }
int IsSegolForm(int c) { return In(kSegolForm, c); }
int IsPatahForm(int c) { return In(kPatahForm, c); }
int IsPatahVariant(int c) { return In(kPatahVariant, c); }
int IsQamatsForm(int c) { return In(kQamatsForm, c); }
int IsQamatsQatan(int c) { return In(kQamatsQatan, c); }
int IsPatahOrQamatsForm(int c) { return In(kPatahOrQamatsForm, c); }
int IsPatahOrQamatsPlain(int c) { return In(kPatahOrQamatsPlain, c); }
int IsQamatsPatahVariant(int c) { return In(kQamatsPatahVariant, c); }
int IsHiriqOrNoVowel(int c) { return In(kHiriqOrNoVowel, c); }
int IsTsereOrNoVowel(int c) { return In(kTsereOrNoVowel, c); }
int IsQamatsOrNoVowel(int c) { return In(kQamatsOrNoVowel, c); }
int IsHolamForm(int c) { return In(kHolamForm, c); }
int IsHolamMale(int c) { return In(kHolamMale, c); }
int IsShuruk(int c) { return In(kShuruk, c); }
int IsQubutsForm(int c) { return In(kQubutsForm, c); }
int IsVowelVariant(int c) { return In(kVowelVariant, c); }
int HasVowelVariant(int c) { return In(kHasVowelVariant, c); }
int IsStressedVowel(int c) { return In(kStressedVowel, c); }
int IsStressableVowel(int c) { return In(kStressableVowel, c); }
int HasAlternateVowel(int c) { return In(kHasAlternateVowel, c); }

int IsDigitCode(int c) { return In(kDigit, c); }
int IsAlpha(int c) { return In(kAlpha, c); }
int IsAsciiPunct(int c) { return In(kAsciiPunct, c); }
int IsQuoteMark(int c) { return In(kQuoteMark, c); }
int IsWordChar(int c) { return In(kWordChar, c); }
int IsBlankCode(int c) { return In(kBlank, c); }
int IsFormFeedOrCR(int c) { return In(kFormFeedOrCR, c); }
int IsWordSeparator(int c) { return In(kWordSeparator, c); }
int IsWordSeparatorOrMaqaf(int c) { return In(kWordSeparatorOrMaqaf, c); }
int IsSpaceOrHyphen(int c) { return In(kSpaceOrHyphen, c); }
int IsSpaceHyphenOrMaqaf(int c) { return In(kSpaceHyphenOrMaqaf, c); }
int IsWordBreakChar(int c) { return In(kWordBreak, c); }

int IsFinalOrHatafPointing(int letter, int vowel) {
  if (IsFinalKafForm(letter) && (IsShva(vowel) || IsQamatsForm(vowel))) return 0;
  if (IsFinalLetter(letter)) return 1;
  return !IsGutturalLetter(letter) && IsHatafVowel(vowel) ? 1 : 0;
}
