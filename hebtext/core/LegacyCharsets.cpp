#include "hebtext/core/LegacyCharsets.h"

#include <string>

#include "hebtext/core/ByteText.h"
#include "hebtext/core/CodeTable.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/RuleCodeMap.h"

namespace {
using namespace HebCode;

// clang-format off
constexpr CodePair kOldCharsetCodes[] = {
    {2, QamatsQatan}, {3, StressedQamatsQatan}, {'"', Tsere}, {'$', GimelGereshDagesh},
    {'&', StressedPatah}, {'\'', Shva}, {'(', StressedSegol}, {')', StressedTsere},
    {'*', StressedQubuts}, {'+', StressedHiriq}, {',', Tav}, {'-', Patah}, {'.', FinalTsadi},
    {'/', Hiriq}, {'4', StressedHolamMale}, {'6', StressedHolam}, {'7', StressedShuruk},
    {'9', StressedQamats}, {';', FinalPe}, {'<', TavDagesh}, {'>', FinalTsadiGeresh}, {'?', Holam},
    {'A', ShinDagesh}, {'B', NunDagesh}, {'C', BetDagesh}, {'D', GimelDagesh}, {'E', QofDagesh},
    {'F', KafDagesh}, {'G', GimelGeresh}, {'H', YodDagesh}, {'I', Shuruk}, {'J', ZayinGeresh},
    {'K', LamedDagesh}, {'L', FinalKafDagesh}, {'M', TsadiDagesh}, {'N', MemDagesh},
    {'O', HolamMale}, {'P', PeDagesh}, {'Q', ShinSinDotDagesh}, {'S', DaletDagesh},
    {'T', TsadiGeresh}, {'U', VavDagesh}, {'V', HeMappiq}, {'W', ShinShinDotDagesh},
    {'X', SamekhDagesh}, {'Y', TetDagesh}, {'Z', ZayinDagesh}, {'\\', Qubuts}, {']', Qamats},
    {'_', HatafPatah}, {'`', Segol}, {'a', Shin}, {'b', Nun}, {'c', Bet}, {'d', Gimel}, {'e', Qof},
    {'f', Kaf}, {'g', Ayin}, {'h', Yod}, {'i', FinalNun}, {'j', Het}, {'k', Lamed}, {'l', FinalKaf},
    {'m', Tsadi}, {'n', Mem}, {'o', FinalMem}, {'p', Pe}, {'q', ShinSinDot}, {'r', Resh},
    {'s', Dalet}, {'t', Alef}, {'u', Vav}, {'v', He}, {'w', ShinShinDot}, {'x', Samekh}, {'y', Tet},
    {'z', Zayin}, {'}', HatafQamats}, {'~', HatafSegol}, {133, SegolYod}, {134, StressedSegolYod},
    {135, HiriqYod}, {136, StressedHiriqYod}, {137, TsereYod}, {138, StressedTsereYod},
    {139, QamatsYod}, {140, StressedQamatsYod}, {141, QamatsAlef}, {142, StressedQamatsAlef},
    {143, PatahAlef}, {144, StressedPatahAlef}, {145, PatahYod}, {146, StressedPatahYod},
    {147, VocalShva}, {148, SilentShva}, {149, Maqaf}, {150, QamatsQatanVariant},
    {151, HolamVariant}, {152, YodVariantB}, {153, YodVariantBDagesh}, {154, YodDouble},
    // clang-format on
    {155, YodDoubleDagesh},
};

// ASCII moved up by 128 in the older set.
constexpr RuleCodeMap kOldCharset([](int c) { return c < 128 ? c : c - 128; }, kOldCharsetCodes);

// The older variant codes were moved in two steps; text of that time goes
// through both, the second taking the first's result.
constexpr CodePair kVariantStepOne[] = {
    {132, 215}, {133, 216}, {134, 217}, {135, 218}, {136, 219},
    {139, 220}, {145, 178}, {146, 179}, {147, 190},
};
constexpr CodePair kVariantStepTwo[] = {
    {178, 208}, {179, 211}, {190, 218}, {211, 220}, {212, 221}, {213, 222}, {214, 223},
    {215, 212}, {216, 213}, {217, 214}, {218, 215}, {219, 216}, {220, 219},
};
constexpr CodeMap kVariantsOne(kVariantStepOne);
constexpr CodeMap kVariantsTwo(kVariantStepTwo);

constexpr CodePair kOldQofDagesh[] = {{OldQofDagesh, QofDagesh}};
constexpr CodeMap kVariantsB(kOldQofDagesh);

// A byte that maps to 0 (the older set's 128) is left out rather than
// ending the result there.
template <typename Map>
void MapEachByte(LPCSTR text, CString& result, Map map) {
  std::string out;
  for (const BYTE* c = BytesOf(text); *c != 0; ++c) {
    if (const int code = map(*c)) out += static_cast<char>(code);
  }
  AssignBytes(result, out);
}

}  // namespace

int OldCharsetCharToHebChar(int c) { return kOldCharset[c]; }

void ConvertOldHebrewCharset(LPCSTR text, CString& result) {
  MapEachByte(text, result, [](BYTE c) { return kOldCharset[c]; });
}

void RemapCodeVariantsA(LPCSTR text, CString& result) {
  MapEachByte(text, result, [](BYTE c) { return kVariantsTwo[kVariantsOne[c]]; });
}

void RemapCodeVariantsB(LPCSTR text, CString& result) {
  MapEachByte(text, result, [](BYTE c) { return kVariantsB[c]; });
}
