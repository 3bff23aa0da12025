// The character classes of HebChar as compile-time code sets, built from the
// named codes and from each other. The Is... functions of HebChar.h answer
// from these; code that needs a class as a set (a table of classes, a union
// of two) uses them directly.
#pragma once

#include "hebtext/core/CodeTable.h"
#include "hebtext/core/HebChar.h"

namespace HebSet {
using namespace HebCode;

// Letters.
constexpr CodeSet PlainLetter = CodeRange(Alef, Tav);
constexpr CodeSet DageshLetter = Codes({BetDagesh,        GimelDagesh,        DaletDagesh,
                                        HeMappiq,         VavDagesh,          ZayinDagesh,
                                        TetDagesh,        YodDagesh,          KafDagesh,
                                        FinalKafDagesh,   LamedDagesh,        MemDagesh,
                                        NunDagesh,        SamekhDagesh,       PeDagesh,
                                        TsadiDagesh,      QofDagesh,          ShinDagesh,
                                        TavDagesh,        FinalKafDageshShva, FinalKafDageshQamats,
                                        YodDoubleDagesh,  YodVariantBDagesh,  ShinShinDotDagesh,
                                        ShinSinDotDagesh, GimelGereshDagesh});
// The letters that have a dagesh code of their own, each the pair of one in
// DageshLetter.
constexpr CodeSet DageshableLetter = Codes(
    {Bet,       Gimel,       Dalet,       He,         Vav,        Zayin,        Tet,
     Yod,       Kaf,         FinalKaf,    Lamed,      Mem,        Nun,          Samekh,
     Pe,        Tsadi,       Qof,         Shin,       Tav,        FinalKafShva, FinalKafQamats,
     YodDouble, YodVariantB, ShinShinDot, ShinSinDot, GimelGeresh});
constexpr CodeSet YodVariantA = Codes({YodDouble, YodDoubleDagesh});
constexpr CodeSet YodVariantB = Codes({HebCode::YodVariantB, YodVariantBDagesh});
constexpr CodeSet YodForm = YodVariantA | YodVariantB | Codes({Yod, YodDagesh});
constexpr CodeSet ShinWithShinDot = Codes({Shin, ShinDagesh, ShinShinDot, ShinShinDotDagesh});
constexpr CodeSet ShinWithSinDot = Codes({Shin, ShinDagesh, ShinSinDot, ShinSinDotDagesh});
constexpr CodeSet LetterWithGeresh =
    Codes({GimelGeresh, GimelGereshDagesh, ZayinGeresh, TsadiGeresh, FinalTsadiGeresh});
constexpr CodeSet FinalKafForm = Codes({FinalKaf, FinalKafDagesh, FinalKafShva, FinalKafQamats,
                                        FinalKafDageshShva, FinalKafDageshQamats});
constexpr CodeSet HebrewLetter = PlainLetter | DageshLetter | DageshableLetter | LetterWithGeresh;
constexpr CodeSet FinalLetter =
    FinalKafForm | Codes({FinalMem, FinalNun, FinalPe, FinalTsadi, FinalTsadiGeresh});
// The letters RegularToFinalLetter changes; a pe with dagesh keeps its form.
constexpr CodeSet HasFinalForm =
    Codes({Kaf, KafDagesh, Mem, MemDagesh, Nun, NunDagesh, Pe, Tsadi, TsadiDagesh, TsadiGeresh});
// Resh is not among them: the rules that ask treat it as an ordinary letter.
constexpr CodeSet GutturalLetter = Codes({Alef, He, HeMappiq, Het, Ayin});
constexpr CodeSet AlefOrAyin = Codes({Alef, Ayin});
// The plain vav only: a vav with dagesh is not taken as a labial.
constexpr CodeSet LabialLetter = Codes({Bet, BetDagesh, Mem, MemDagesh, Pe, PeDagesh, Vav});
// Final kaf and final pe are not among them.
constexpr CodeSet BegadkefatLetter = Codes({Bet, BetDagesh, Gimel, GimelDagesh, Dalet, DaletDagesh,
                                            Kaf, KafDagesh, Pe, PeDagesh, Tav, TavDagesh});
// Neither final tsadi nor the final tsadi with geresh is among them.
constexpr CodeSet SibilantLetter = Codes({Zayin, ZayinDagesh, ZayinGeresh, Samekh, SamekhDagesh,
                                          Tsadi, TsadiDagesh, TsadiGeresh}) |
                                   ShinWithShinDot | ShinWithSinDot;
// The final tsadi with geresh is not among them.
constexpr CodeSet LetterWithTick = LetterWithGeresh.Without(Codes({FinalTsadiGeresh}));

// Vowels.
constexpr CodeSet NoVowel = Codes({HebCode::NoVowel, ExplicitNoVowel});
constexpr CodeSet Shva = Codes({HebCode::Shva, VocalShva, SilentShva});
constexpr CodeSet NoVowelOrShva = NoVowel | Shva;
constexpr CodeSet HatafVowel = Codes({HatafSegol, HatafPatah, HatafQamats});
constexpr CodeSet HiriqForm = Codes({Hiriq, StressedHiriq, HiriqYod, StressedHiriqYod});
constexpr CodeSet TsereForm = Codes({Tsere, StressedTsere, TsereYod, StressedTsereYod});
constexpr CodeSet SegolForm = Codes({Segol, StressedSegol, SegolYod, StressedSegolYod});
constexpr CodeSet PatahVariant = Codes({PatahForQamats, StressedPatahForQamats});
constexpr CodeSet PatahForm =
    Codes({Patah, StressedPatah, PatahAlef, StressedPatahAlef, PatahYod, StressedPatahYod}) |
    PatahVariant;
constexpr CodeSet QamatsForm =
    Codes({Qamats, StressedQamats, QamatsYod, StressedQamatsYod, QamatsAlef, StressedQamatsAlef});
constexpr CodeSet QamatsQatan =
    Codes({HebCode::QamatsQatan, StressedQamatsQatan, QamatsQatanAlef, QamatsQatanVariant});
constexpr CodeSet PatahOrQamatsForm = PatahForm | QamatsForm;
constexpr CodeSet PatahOrQamatsPlain = Codes({Patah, StressedPatah, Qamats, StressedQamats});
constexpr CodeSet QamatsPatahVariant =
    Codes({QamatsAlef, StressedQamatsAlef, PatahAlef, StressedPatahAlef});
constexpr CodeSet HiriqOrNoVowel = HiriqForm | NoVowel;
constexpr CodeSet TsereOrNoVowel = TsereForm | NoVowel;
// Not the alef variant of qamats.
constexpr CodeSet QamatsOrNoVowel =
    Codes({Qamats, StressedQamats, QamatsYod, StressedQamatsYod}) | NoVowel;
constexpr CodeSet HolamForm = Codes({Holam, StressedHolam, HolamVariant});
constexpr CodeSet HolamMale = Codes({HebCode::HolamMale, StressedHolamMale});
constexpr CodeSet Shuruk = Codes({HebCode::Shuruk, StressedShuruk});
constexpr CodeSet QubutsForm = Codes({Qubuts, StressedQubuts});
constexpr CodeSet VavVowel = HolamMale | Shuruk;
constexpr CodeSet VowelCode = Codes({ExplicitNoVowel}) | Shva | HatafVowel | HiriqForm | TsereForm |
                              SegolForm | PatahForm | QamatsForm | QamatsQatan | HolamForm |
                              QubutsForm | VavVowel;
constexpr CodeSet NonVavVowel = VowelCode.Without(VavVowel);
// The vowels written with a yod after them.
constexpr CodeSet VowelVariant =
    Codes({HiriqYod, StressedHiriqYod, TsereYod, StressedTsereYod, SegolYod, StressedSegolYod,
           PatahYod, StressedPatahYod, QamatsYod, StressedQamatsYod});
constexpr CodeSet HasVowelVariant =
    Codes({Hiriq, Tsere, Segol, Patah, Qamats, Qubuts, StressedHiriq, StressedTsere, StressedSegol,
           StressedPatah, StressedQamats, StressedQubuts});
constexpr CodeSet StressedVowel =
    Codes({StressedHiriq, StressedTsere, StressedSegol, StressedPatah, StressedQamats,
           StressedQubuts, StressedHolam, StressedHolamMale, StressedShuruk, StressedQamatsQatan,
           StressedHiriqYod, StressedTsereYod, StressedSegolYod, StressedPatahYod,
           StressedQamatsYod, StressedPatahForQamats, StressedPatahAlef, StressedQamatsAlef});
// The alef variants of patah and qamats are not among them, so a meteg on
// them is dropped on import.
constexpr CodeSet StressableVowel =
    Codes({Hiriq, Tsere, Segol, Patah, Qamats, Qubuts, Holam, HolamVariant, HebCode::HolamMale,
           HebCode::Shuruk, HebCode::QamatsQatan, QamatsQatanAlef, QamatsQatanVariant, HiriqYod,
           TsereYod, SegolYod, PatahYod, QamatsYod, PatahForQamats});
// The codes ToggleVavVowel changes.
constexpr CodeSet HasAlternateVowel =
    Codes({ExplicitNoVowel, Holam, StressedHolam}) | Shva | QubutsForm | VavVowel;
constexpr CodeSet DageshOrMeteg = Codes({Dagesh, Meteg});

// ASCII, blanks and word breaks.
constexpr CodeSet Digit = CodeRange('0', '9');
constexpr CodeSet Alpha = CodeRange('A', 'Z') | CodeRange('a', 'z');
constexpr CodeSet AsciiPunct = CodeRange('!', '~').Without(Digit | Alpha);
constexpr CodeSet QuoteMark = Codes({Gershayim, Geresh});
constexpr CodeSet Blank = Codes({Tab, FormFeed, CarriageReturn, Space});
constexpr CodeSet FormFeedOrCR = Codes({FormFeed, CarriageReturn});
constexpr CodeSet WordSeparator = Blank | Codes({Hyphen});
constexpr CodeSet WordSeparatorOrMaqaf = WordSeparator | Codes({Maqaf});
constexpr CodeSet SpaceOrHyphen = Codes({Space, Hyphen});
constexpr CodeSet SpaceHyphenOrMaqaf = SpaceOrHyphen | Codes({Maqaf});
// Geresh and gershayim stay inside a word.
constexpr CodeSet WordBreak =
    AsciiPunct.Without(QuoteMark) | WordSeparatorOrMaqaf | Codes({EndOfString});
constexpr CodeSet LetterOrShuruk = HebrewLetter | Shuruk;
constexpr CodeSet WordChar = LetterOrShuruk | QuoteMark | Digit | Codes({Comma});

}  // namespace HebSet
