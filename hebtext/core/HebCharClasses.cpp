// The character classes of HebChar, each answered from its set.
#include "hebtext/core/HebChar.h"

#include "hebtext/core/HebCharSets.h"

namespace {
int In(const CodeSet& set, int c) { return set.Contains(c) ? 1 : 0; }
}  // namespace

int IsHebrewLetter(int c) { return In(HebSet::HebrewLetter, c); }
int IsDageshLetter(int c) { return In(HebSet::DageshLetter, c); }
int IsDageshableLetter(int c) { return In(HebSet::DageshableLetter, c); }
int IsFinalLetter(int c) { return In(HebSet::FinalLetter, c); }
int HasFinalForm(int c) { return In(HebSet::HasFinalForm, c); }
int IsFinalKafForm(int c) { return In(HebSet::FinalKafForm, c); }
int IsGutturalLetter(int c) { return In(HebSet::GutturalLetter, c); }
int IsAlefOrAyin(int c) { return In(HebSet::AlefOrAyin, c); }
int IsLabialLetter(int c) { return In(HebSet::LabialLetter, c); }
int IsBegadkefatLetter(int c) { return In(HebSet::BegadkefatLetter, c); }
int IsSibilantLetter(int c) { return In(HebSet::SibilantLetter, c); }
int IsLetterWithTick(int c) { return In(HebSet::LetterWithTick, c); }
int IsYodForm(int c) { return In(HebSet::YodForm, c); }
int IsYodVariantA(int c) { return In(HebSet::YodVariantA, c); }
int IsYodVariantB(int c) { return In(HebSet::YodVariantB, c); }
int IsShinWithShinDot(int c) { return In(HebSet::ShinWithShinDot, c); }
int IsShinWithSinDot(int c) { return In(HebSet::ShinWithSinDot, c); }
int IsLetterOrShuruk(int c) { return In(HebSet::LetterOrShuruk, c); }

namespace {
// A letter with its dagesh form, when it has one.
int IsLetter(int c, int plain, int withDagesh) {
  c &= 0xFF;
  return c == plain || c == withDagesh ? 1 : 0;
}
}  // namespace

int IsAlef(int c) { return IsLetter(c, HebCode::Alef, HebCode::Alef); }
int IsBet(int c) { return IsLetter(c, HebCode::Bet, HebCode::BetDagesh); }
int IsGimel(int c) { return IsLetter(c, HebCode::Gimel, HebCode::GimelDagesh); }
int IsDalet(int c) { return IsLetter(c, HebCode::Dalet, HebCode::DaletDagesh); }
int IsHe(int c) { return IsLetter(c, HebCode::He, HebCode::HeMappiq); }
int IsVav(int c) { return IsLetter(c, HebCode::Vav, HebCode::VavDagesh); }
int IsZayin(int c) { return IsLetter(c, HebCode::Zayin, HebCode::ZayinDagesh); }
int IsTet(int c) { return IsLetter(c, HebCode::Tet, HebCode::TetDagesh); }
int IsKaf(int c) { return IsLetter(c, HebCode::Kaf, HebCode::KafDagesh); }
int IsLamed(int c) { return IsLetter(c, HebCode::Lamed, HebCode::LamedDagesh); }
int IsMem(int c) { return IsLetter(c, HebCode::Mem, HebCode::MemDagesh); }
int IsNun(int c) { return IsLetter(c, HebCode::Nun, HebCode::NunDagesh); }
int IsSamekh(int c) { return IsLetter(c, HebCode::Samekh, HebCode::SamekhDagesh); }
int IsPe(int c) { return IsLetter(c, HebCode::Pe, HebCode::PeDagesh); }
int IsTsadi(int c) { return IsLetter(c, HebCode::Tsadi, HebCode::TsadiDagesh); }
int IsQof(int c) { return IsLetter(c, HebCode::Qof, HebCode::QofDagesh); }
int IsResh(int c) { return IsLetter(c, HebCode::Resh, HebCode::Resh); }
int IsShin(int c) { return IsLetter(c, HebCode::Shin, HebCode::ShinDagesh); }
int IsTav(int c) { return IsLetter(c, HebCode::Tav, HebCode::TavDagesh); }

int IsVowelCode(int c) { return In(HebSet::VowelCode, c); }
int IsNonVavVowel(int c) { return In(HebSet::NonVavVowel, c); }
int IsVavVowel(int c) { return In(HebSet::VavVowel, c); }
int IsDageshOrMeteg(int c) { return In(HebSet::DageshOrMeteg, c); }
int IsShva(int c) { return In(HebSet::Shva, c); }
int IsNoVowel(int c) { return In(HebSet::NoVowel, c); }
int IsNoVowelOrShva(int c) { return In(HebSet::NoVowelOrShva, c); }
int IsHatafVowel(int c) { return In(HebSet::HatafVowel, c); }
int IsHiriqForm(int c) { return In(HebSet::HiriqForm, c); }
int IsTsereForm(int c) { return In(HebSet::TsereForm, c); }
int IsSegolForm(int c) { return In(HebSet::SegolForm, c); }
int IsPatahForm(int c) { return In(HebSet::PatahForm, c); }
int IsPatahVariant(int c) { return In(HebSet::PatahVariant, c); }
int IsQamatsForm(int c) { return In(HebSet::QamatsForm, c); }
int IsQamatsQatan(int c) { return In(HebSet::QamatsQatan, c); }
int IsPatahOrQamatsForm(int c) { return In(HebSet::PatahOrQamatsForm, c); }
int IsPatahOrQamatsPlain(int c) { return In(HebSet::PatahOrQamatsPlain, c); }
int IsQamatsPatahVariant(int c) { return In(HebSet::QamatsPatahVariant, c); }
int IsHiriqOrNoVowel(int c) { return In(HebSet::HiriqOrNoVowel, c); }
int IsTsereOrNoVowel(int c) { return In(HebSet::TsereOrNoVowel, c); }
int IsQamatsOrNoVowel(int c) { return In(HebSet::QamatsOrNoVowel, c); }
int IsHolamForm(int c) { return In(HebSet::HolamForm, c); }
int IsHolamMale(int c) { return In(HebSet::HolamMale, c); }
int IsShuruk(int c) { return In(HebSet::Shuruk, c); }
int IsQubutsForm(int c) { return In(HebSet::QubutsForm, c); }
int IsVowelVariant(int c) { return In(HebSet::VowelVariant, c); }
int HasVowelVariant(int c) { return In(HebSet::HasVowelVariant, c); }
int IsStressedVowel(int c) { return In(HebSet::StressedVowel, c); }
int IsStressableVowel(int c) { return In(HebSet::StressableVowel, c); }
int HasAlternateVowel(int c) { return In(HebSet::HasAlternateVowel, c); }

int IsDigitCode(int c) { return In(HebSet::Digit, c); }
int IsAlpha(int c) { return In(HebSet::Alpha, c); }
int IsAsciiPunct(int c) { return In(HebSet::AsciiPunct, c); }
int IsQuoteMark(int c) { return In(HebSet::QuoteMark, c); }
int IsWordChar(int c) { return In(HebSet::WordChar, c); }
int IsBlankCode(int c) { return In(HebSet::Blank, c); }
int IsFormFeedOrCR(int c) { return In(HebSet::FormFeedOrCR, c); }
int IsWordSeparator(int c) { return In(HebSet::WordSeparator, c); }
int IsWordSeparatorOrMaqaf(int c) { return In(HebSet::WordSeparatorOrMaqaf, c); }
int IsSpaceOrHyphen(int c) { return In(HebSet::SpaceOrHyphen, c); }
int IsSpaceHyphenOrMaqaf(int c) { return In(HebSet::SpaceHyphenOrMaqaf, c); }
int IsWordBreakChar(int c) { return In(HebSet::WordBreak, c); }

int IsFinalOrHatafPointing(int letter, int vowel) {
  if (IsFinalKafForm(letter) && (IsShva(vowel) || IsQamatsForm(vowel))) return 0;
  if (IsFinalLetter(letter)) return 1;
  return !IsGutturalLetter(letter) && IsHatafVowel(vowel) ? 1 : 0;
}
