// The code-to-code mappings of HebChar. Each is a list of pairs; AddDagesh is
// RemoveDagesh read backwards, so the two can never disagree.
#include "hebtext/core/CodeTable.h"
#include "hebtext/core/HebChar.h"

namespace {

// Letter with dagesh > the same letter without it. Qof's dagesh form is 184
// (plain minus 63); the combined codes pair as listed.
constexpr CodePair kDageshPairs[] = {
    {133, 132}, {147, 146}, {161, 225}, {162, 226}, {163, 227}, {164, 228}, {165, 229},
    {166, 230}, {168, 232}, {169, 233}, {170, 234}, {171, 235}, {172, 236}, {174, 238},
    {176, 240}, {177, 241}, {180, 244}, {182, 246}, {184, 247}, {185, 249}, {186, 250},
    {187, 251}, {188, 252}, {208, 209}, {211, 210}, {218, 220}};
constexpr CodeMap kRemoveDagesh(kDageshPairs);
constexpr CodeMap kAddDagesh(kDageshPairs, true);

// The final kaf forms that carry a point all come back as plain kaf.
constexpr CodePair kFinalToRegular[] = {{170, 171}, {187, 171}, {188, 171}, {222, 223},
                                        {234, 235}, {237, 238}, {239, 240}, {243, 244},
                                        {245, 246}, {251, 235}, {252, 235}};
constexpr CodeMap kFinalToRegularMap(kFinalToRegular);

// A mem, nun or tsadi with dagesh becomes the plain final form.
constexpr CodePair kRegularToFinal[] = {{171, 170}, {174, 237}, {176, 239}, {182, 245},
                                        {223, 222}, {235, 234}, {238, 237}, {240, 239},
                                        {244, 243}, {246, 245}};
constexpr CodeMap kRegularToFinalMap(kRegularToFinal);

constexpr CodePair kHatafToFull[] = {{193, 198}, {194, 199}, {195, 200}};
constexpr CodeMap kHatafToFullMap(kHatafToFull);

// Between a vowel written with a vav and without; stressed codes give the
// unstressed counterpart.
constexpr CodePair kToggleVav[] = {{1, 192},   {156, 1},   {157, 1},   {192, 1},
                                   {201, 206}, {131, 206}, {206, 201}, {130, 201},
                                   {203, 202}, {219, 202}, {202, 203}, {137, 203}};
constexpr CodeMap kToggleVavMap(kToggleVav);

// Every qamats qatan stresses to 129, which unstresses to 128.
constexpr CodePair kAddStress[] = {
    {128, 129}, {136, 129}, {159, 129}, {134, 135}, {138, 140}, {141, 142}, {143, 144},
    {145, 131}, {201, 131}, {148, 149}, {150, 151}, {152, 153}, {154, 155}, {196, 212},
    {197, 213}, {198, 214}, {199, 215}, {200, 216}, {202, 137}, {203, 219}, {206, 130}};
constexpr CodeMap kAddStressMap(kAddStress);

constexpr CodePair kRemoveStress[] = {
    {129, 128}, {130, 206}, {131, 201}, {135, 134}, {137, 202}, {140, 138},
    {142, 141}, {144, 143}, {149, 148}, {151, 150}, {153, 152}, {155, 154},
    {212, 196}, {213, 197}, {214, 198}, {215, 199}, {216, 200}, {219, 203}};
constexpr CodeMap kRemoveStressMap(kRemoveStress);

constexpr CodePair kVariantToPlain[] = {{138, 198}, {140, 214}, {141, 196}, {142, 212},
                                        {143, 197}, {144, 213}, {148, 200}, {149, 216},
                                        {154, 199}, {155, 215}};
constexpr CodeMap kVariantToPlainMap(kVariantToPlain);

// Qubuts has no variant code, so it is left as it is.
constexpr CodePair kPlainToVariant[] = {{196, 141}, {197, 143}, {198, 138}, {199, 154},
                                        {200, 148}, {212, 142}, {213, 144}, {214, 140},
                                        {215, 155}, {216, 149}};
constexpr CodeMap kPlainToVariantMap(kPlainToVariant);

constexpr CodePair kQamatsPatahVariants[] = {{150, 200}, {151, 216}, {152, 199}, {153, 215}};
constexpr CodeMap kQamatsPatahVariantToPlain(kQamatsPatahVariants);
constexpr CodeMap kPlainToQamatsPatahVariant(kQamatsPatahVariants, true);

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
