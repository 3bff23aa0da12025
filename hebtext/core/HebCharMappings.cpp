// The code-to-code mappings of HebChar. Each is a list of pairs; a mapping
// and its inverse (AddDagesh and RemoveDagesh, ...) read one list both ways,
// so the two can never disagree.
#include "hebtext/core/CodeTable.h"
#include "hebtext/core/HebChar.h"

namespace {
using namespace HebCode;

// Letter with dagesh > the same letter without it.
// clang-format off
constexpr CodePair kDageshPairs[] = {
    {BetDagesh, Bet},        {GimelDagesh, Gimel},     {DaletDagesh, Dalet},
    {HeMappiq, He},          {VavDagesh, Vav},         {ZayinDagesh, Zayin},
    {TetDagesh, Tet},        {YodDagesh, Yod},         {FinalKafDagesh, FinalKaf},
    {KafDagesh, Kaf},        {LamedDagesh, Lamed},     {MemDagesh, Mem},
    {NunDagesh, Nun},        {SamekhDagesh, Samekh},   {PeDagesh, Pe},
    {TsadiDagesh, Tsadi},    {QofDagesh, Qof},         {ShinDagesh, Shin},
    {TavDagesh, Tav},        {YodDoubleDagesh, YodDouble},
    {YodVariantBDagesh, YodVariantB},                  {FinalKafDageshShva, FinalKafShva},
    {FinalKafDageshQamats, FinalKafQamats},            {ShinShinDotDagesh, ShinShinDot},
    {ShinSinDotDagesh, ShinSinDot},                    {GimelGereshDagesh, GimelGeresh}};
// clang-format on
constexpr CodeMap kRemoveDagesh(kDageshPairs);
constexpr CodeMap kAddDagesh(kDageshPairs, true);

// The final kaf forms that carry a point lose it; the dagesh stays.
constexpr CodePair kFinalToRegular[] = {{FinalKaf, Kaf},
                                        {FinalKafShva, Kaf},
                                        {FinalKafQamats, Kaf},
                                        {FinalKafDagesh, KafDagesh},
                                        {FinalKafDageshShva, KafDagesh},
                                        {FinalKafDageshQamats, KafDagesh},
                                        {FinalMem, Mem},
                                        {FinalNun, Nun},
                                        {FinalPe, Pe},
                                        {FinalTsadi, Tsadi},
                                        {FinalTsadiGeresh, TsadiGeresh}};
constexpr CodeMap kFinalToRegularMap(kFinalToRegular);

// A kaf with dagesh keeps it; a mem, nun or tsadi with dagesh becomes the
// plain final form, which has no dagesh code.
constexpr CodePair kRegularToFinal[] = {{Kaf, FinalKaf},
                                        {KafDagesh, FinalKafDagesh},
                                        {Mem, FinalMem},
                                        {MemDagesh, FinalMem},
                                        {Nun, FinalNun},
                                        {NunDagesh, FinalNun},
                                        {Pe, FinalPe},
                                        {Tsadi, FinalTsadi},
                                        {TsadiDagesh, FinalTsadi},
                                        {TsadiGeresh, FinalTsadiGeresh}};
constexpr CodeMap kRegularToFinalMap(kRegularToFinal);

constexpr CodePair kHatafToFull[] = {
    {HatafSegol, Segol}, {HatafPatah, Patah}, {HatafQamats, Qamats}};
constexpr CodeMap kHatafToFullMap(kHatafToFull);

// Between a vowel written with a vav and without; stressed codes give the
// unstressed counterpart, and every shva gives "none", which gives shva.
constexpr CodePair kToggleVav[] = {{ExplicitNoVowel, Shva},
                                   {Shva, ExplicitNoVowel},
                                   {VocalShva, ExplicitNoVowel},
                                   {SilentShva, ExplicitNoVowel},
                                   {Holam, HolamMale},
                                   {StressedHolam, HolamMale},
                                   {HolamMale, Holam},
                                   {StressedHolamMale, Holam},
                                   {Qubuts, Shuruk},
                                   {StressedQubuts, Shuruk},
                                   {Shuruk, Qubuts},
                                   {StressedShuruk, Qubuts}};
constexpr CodeMap kToggleVavMap(kToggleVav);

// Every qamats qatan stresses to one code, which unstresses to the plain one;
// the holam variant stresses as holam.
// clang-format off
constexpr CodePair kAddStress[] = {
    {Hiriq, StressedHiriq},             {Tsere, StressedTsere},
    {Segol, StressedSegol},             {Patah, StressedPatah},
    {Qamats, StressedQamats},           {Qubuts, StressedQubuts},
    {Holam, StressedHolam},             {HolamVariant, StressedHolam},
    {HolamMale, StressedHolamMale},     {Shuruk, StressedShuruk},
    {QamatsQatan, StressedQamatsQatan}, {QamatsQatanAlef, StressedQamatsQatan},
    {QamatsQatanVariant, StressedQamatsQatan},
    {HiriqYod, StressedHiriqYod},       {TsereYod, StressedTsereYod},
    {SegolYod, StressedSegolYod},       {PatahYod, StressedPatahYod},
    {QamatsYod, StressedQamatsYod},     {PatahForQamats, StressedPatahForQamats},
    {PatahAlef, StressedPatahAlef},     {QamatsAlef, StressedQamatsAlef}};
// clang-format on
constexpr CodeMap kAddStressMap(kAddStress);

constexpr CodePair kRemoveStress[] = {
    {StressedHiriq, Hiriq},         {StressedTsere, Tsere},
    {StressedSegol, Segol},         {StressedPatah, Patah},
    {StressedQamats, Qamats},       {StressedQubuts, Qubuts},
    {StressedHolam, Holam},         {StressedHolamMale, HolamMale},
    {StressedShuruk, Shuruk},       {StressedQamatsQatan, QamatsQatan},
    {StressedHiriqYod, HiriqYod},   {StressedTsereYod, TsereYod},
    {StressedSegolYod, SegolYod},   {StressedPatahYod, PatahYod},
    {StressedQamatsYod, QamatsYod}, {StressedPatahForQamats, PatahForQamats},
    {StressedPatahAlef, PatahAlef}, {StressedQamatsAlef, QamatsAlef}};
constexpr CodeMap kRemoveStressMap(kRemoveStress);

// The vowels written with a yod after them, and the plain vowel. Qubuts has
// no such variant, so it is left as it is.
constexpr CodePair kYodVariants[] = {{HiriqYod, Hiriq},   {StressedHiriqYod, StressedHiriq},
                                     {TsereYod, Tsere},   {StressedTsereYod, StressedTsere},
                                     {SegolYod, Segol},   {StressedSegolYod, StressedSegol},
                                     {PatahYod, Patah},   {StressedPatahYod, StressedPatah},
                                     {QamatsYod, Qamats}, {StressedQamatsYod, StressedQamats}};
constexpr CodeMap kVariantToPlainMap(kYodVariants);
constexpr CodeMap kPlainToVariantMap(kYodVariants, true);

constexpr CodePair kAlefVariants[] = {{QamatsAlef, Qamats},
                                      {StressedQamatsAlef, StressedQamats},
                                      {PatahAlef, Patah},
                                      {StressedPatahAlef, StressedPatah}};
constexpr CodeMap kQamatsPatahVariantToPlain(kAlefVariants);
constexpr CodeMap kPlainToQamatsPatahVariant(kAlefVariants, true);

}  // namespace

int RemoveDagesh(int c) { return MapLowByte(kRemoveDagesh, c); }
int AddDagesh(int c) { return MapLowByte(kAddDagesh, c); }
int FinalToRegularLetter(int c) { return kFinalToRegularMap[c]; }
int RegularToFinalLetter(int c) { return kRegularToFinalMap[c]; }
int HatafToFullVowel(int c) { return MapLowByte(kHatafToFullMap, c); }
int ToggleVavVowel(int c) { return MapLowByte(kToggleVavMap, c); }
int AddStressMark(int c) { return MapLowByte(kAddStressMap, c); }
int RemoveStressMark(int c) { return MapLowByte(kRemoveStressMap, c); }
int VowelVariantToPlain(int c) { return MapLowByte(kVariantToPlainMap, c); }
int PlainToVowelVariant(int c) { return MapLowByte(kPlainToVariantMap, c); }
int QamatsPatahVariantToPlain(int c) { return MapLowByte(kQamatsPatahVariantToPlain, c); }
int PlainToQamatsPatahVariant(int c) { return MapLowByte(kPlainToQamatsPatahVariant, c); }
