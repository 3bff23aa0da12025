// The older character set and the older assignments of the variant codes,
// each checked as its exact mapping over all 256 bytes. The old set kept its
// letters at the keys that type them.
#include "hebtext/core/LegacyCharsets.h"

#include <gtest/gtest.h>

#include <map>

#include "hebtext/core/HebChar.h"
#include "hebtext/tests/core/ByteStrings.h"

namespace {
using namespace HebCode;

using bytes::Codes;
using bytes::CodesOf;

// Each byte 1..255 through the conversion, one at a time.
std::string MapMismatches(void (*convert)(LPCSTR, CString&), int (*unlisted)(int),
                          const std::map<int, int>& listed) {
  std::string mismatches;
  for (int c = 1; c < 256; ++c) {
    const auto it = listed.find(c);
    const int want = it != listed.end() ? it->second : unlisted(c);
    const char text[2] = {static_cast<char>(c), 0};
    CString result("stale");
    convert(text, result);
    const Codes got = CodesOf(result);
    if (got != (want ? Codes{want} : Codes{})) mismatches += " " + std::to_string(c) + ";";
  }
  return mismatches;
}

int Unchanged(int c) { return c; }

TEST(LegacyCharsets, OldCharsetMapsEveryByte) {
  // clang-format off
  const std::map<int, int> pairs = {
      {2, QamatsQatan}, {3, StressedQamatsQatan}, {'"', Tsere}, {'$', GimelGereshDagesh},
      {'&', StressedPatah}, {'\'', Shva}, {'(', StressedSegol}, {')', StressedTsere},
      {'*', StressedQubuts}, {'+', StressedHiriq}, {',', Tav}, {'-', Patah}, {'.', FinalTsadi},
      {'/', Hiriq}, {'4', StressedHolamMale}, {'6', StressedHolam}, {'7', StressedShuruk},
      {'9', StressedQamats}, {';', FinalPe}, {'<', TavDagesh}, {'>', FinalTsadiGeresh},
      {'?', Holam}, {'A', ShinDagesh}, {'B', NunDagesh}, {'C', BetDagesh}, {'D', GimelDagesh},
      {'E', QofDagesh}, {'F', KafDagesh}, {'G', GimelGeresh}, {'H', YodDagesh}, {'I', Shuruk},
      {'J', ZayinGeresh}, {'K', LamedDagesh}, {'L', FinalKafDagesh}, {'M', TsadiDagesh},
      {'N', MemDagesh}, {'O', HolamMale}, {'P', PeDagesh}, {'Q', ShinSinDotDagesh},
      {'S', DaletDagesh}, {'T', TsadiGeresh}, {'U', VavDagesh}, {'V', HeMappiq},
      {'W', ShinShinDotDagesh}, {'X', SamekhDagesh}, {'Y', TetDagesh}, {'Z', ZayinDagesh},
      {'\\', Qubuts}, {']', Qamats}, {'_', HatafPatah}, {'`', Segol}, {'a', Shin}, {'b', Nun},
      {'c', Bet}, {'d', Gimel}, {'e', Qof}, {'f', Kaf}, {'g', Ayin}, {'h', Yod}, {'i', FinalNun},
      {'j', Het}, {'k', Lamed}, {'l', FinalKaf}, {'m', Tsadi}, {'n', Mem}, {'o', FinalMem},
      {'p', Pe}, {'q', ShinSinDot}, {'r', Resh}, {'s', Dalet}, {'t', Alef}, {'u', Vav}, {'v', He},
      {'w', ShinShinDot}, {'x', Samekh}, {'y', Tet}, {'z', Zayin}, {'}', HatafQamats},
      {'~', HatafSegol}, {133, SegolYod}, {134, StressedSegolYod}, {135, HiriqYod},
      {136, StressedHiriqYod}, {137, TsereYod}, {138, StressedTsereYod}, {139, QamatsYod},
      {140, StressedQamatsYod}, {141, QamatsAlef}, {142, StressedQamatsAlef}, {143, PatahAlef},
      {144, StressedPatahAlef}, {145, PatahYod}, {146, StressedPatahYod}, {147, VocalShva},
      {148, SilentShva}, {149, Maqaf}, {150, QamatsQatanVariant}, {151, HolamVariant},
      {152, YodVariantB}, {153, YodVariantBDagesh}, {154, YodDouble}, {155, YodDoubleDagesh},
      // clang-format on
  };
  const auto asciiMovedUp = [](int c) { return c < 128 ? c : c - 128; };
  EXPECT_EQ("", MapMismatches(ConvertOldHebrewCharset, asciiMovedUp, pairs));
  for (int c = 0; c < 256; ++c) {
    EXPECT_EQ(pairs.count(c) ? pairs.at(c) : asciiMovedUp(c), OldCharsetCharToHebChar(c)) << c;
  }
}

TEST(LegacyCharsets, OldCharsetLeavesOutItsNullByte) {
  CString result;
  ConvertOldHebrewCharset(
      "0\x80"
      "1",
      result);
  EXPECT_EQ((Codes{'0', '1'}), CodesOf(result));
}

TEST(LegacyCharsets, VariantsAMapsEveryByteThroughBothSteps) {
  // The codes of older versions, which meant other things then.
  const std::map<int, int> moved = {
      {132, 212}, {133, 213}, {134, 214}, {135, 215}, {136, 216}, {139, 219},
      {145, 208}, {146, 211}, {147, 218}, {178, 208}, {179, 211}, {190, 218},
      {211, 220}, {212, 221}, {213, 222}, {214, 223}, {215, 212}, {216, 213},
      {217, 214}, {218, 215}, {219, 216}, {220, 219},
  };
  EXPECT_EQ("", MapMismatches(RemapCodeVariantsA, Unchanged, moved));
}

TEST(LegacyCharsets, VariantsBReplacesTheOldQofWithDagesh) {
  EXPECT_EQ("", MapMismatches(RemapCodeVariantsB, Unchanged, {{OldQofDagesh, QofDagesh}}));
  CString result;
  RemapCodeVariantsB(bytes::Text({Qof, OldQofDagesh, Alef}), result);
  EXPECT_EQ((Codes{Qof, QofDagesh, Alef}), CodesOf(result));
}

}  // namespace
