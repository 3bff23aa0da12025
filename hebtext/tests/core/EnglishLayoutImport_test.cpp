// The English-layout import: the byte mapping and the vowel rewriting that
// follows it.
#include "hebtext/core/EnglishLayoutImport.h"

#include <gtest/gtest.h>

#include <map>

#include "hebtext/core/HebChar.h"
#include "hebtext/tests/core/ByteStrings.h"

namespace {

using bytes::Codes;
using bytes::CodesOf;
using bytes::Text;
using namespace HebCode;

// The other word processor's bytes: its keys, and its own codes above 127.
// clang-format off
const std::map<int, int> kLayout = {
    {'\'', ','}, {',', Tav}, {'.', FinalTsadi}, {'/', '.'}, {';', FinalPe}, {'A', ShinDagesh},
    {'B', NunDagesh}, {'C', BetDagesh}, {'D', GimelDagesh}, {'E', QofDagesh}, {'F', KafDagesh},
    {'G', ShinSinDot}, {'H', YodDagesh}, {'I', HolamMale}, {'J', ShinShinDot}, {'K', LamedDagesh},
    {'L', FinalKafDagesh}, {'M', TsadiDagesh}, {'N', MemDagesh}, {'O', LamedHolam}, {'P', PeDagesh},
    {'Q', FinalKafShva}, {'R', Resh}, {'S', DaletDagesh}, {'T', TavDagesh}, {'U', Shuruk},
    {'V', HeMappiq}, {'W', FinalKafQamats}, {'X', SamekhDagesh}, {'Y', TetDagesh},
    {'Z', ZayinDagesh}, {'`', ';'}, {'a', Shin}, {'b', Nun}, {'c', Bet}, {'d', Gimel}, {'e', Qof},
    {'f', Kaf}, {'g', Ayin}, {'h', Yod}, {'i', FinalNun}, {'j', Het}, {'k', Lamed}, {'l', FinalKaf},
    {'m', Tsadi}, {'n', Mem}, {'o', FinalMem}, {'p', Pe}, {'q', '/'}, {'r', Resh}, {'s', Dalet},
    {'t', Alef}, {'u', Vav}, {'v', He}, {'w', '\''}, {'x', Samekh}, {'y', Tet}, {'z', Zayin},
    {'|', Hiriq}, {130, LamedDageshHolam}, {131, HatafSegol}, {132, HatafQamats}, {133, HatafPatah},
    {134, Segol}, {135, Tsere}, {136, Hiriq}, {137, Shva}, {138, Qamats}, {139, Patah},
    {140, Qubuts}, {145, '`'}, {146, '\''}, {147, '"'}, {148, '"'}, {149, Dagesh}, {150, '-'},
    {151, '-'}, {152, FinalKafDageshQamats}, {153, Qamats}, {155, '-'}, {156, Meteg},
    {161, HatafSegol}, {162, HatafQamats}, {163, HatafPatah}, {164, Segol}, {165, Tsere},
    {166, Hiriq}, {167, Shva}, {168, Qamats}, {169, Patah}, {170, Qubuts}, {171, Holam},
    {172, ShinSinDotDagesh}, {173, ShinShinDotDagesh}, {174, Segol}, {175, Tsere}, {176, Hiriq},
    {177, Shva}, {178, Qamats}, {179, Patah}, {180, Qubuts}, {181, Holam}, {187, Holam},
};
// clang-format on

TEST(EnglishLayoutCharToHebChar, MapsEveryByte) {
  for (int c = 0; c < 256; ++c) {
    const bool standsForItself = (c >= '\t' && c <= '\r') || (c >= ' ' && c <= '~');
    const int want = kLayout.count(c) ? kLayout.at(c) : standsForItself ? c : 0;
    EXPECT_EQ(want, EnglishLayoutCharToHebChar(c)) << c;
  }
  EXPECT_EQ(Holam, EnglishLayoutCharToHebChar(171));
  EXPECT_EQ(Holam, EnglishLayoutCharToHebChar(181));
  EXPECT_EQ(Holam, EnglishLayoutCharToHebChar(187));
}

TEST(EnglishLayoutToHebrew, LeavesOutBytesWithNoCode) {
  CString text = Text({'s', 'l', 'o', 'm', 0x7F, 1, 0xC8, '\r', '\n', 0x95});
  EnglishLayoutToHebrew(text);
  EXPECT_EQ((Codes{Dalet, FinalKaf, FinalMem, Tsadi, '\r', '\n', Dagesh}), CodesOf(text));
}

TEST(ReorderVowelSequences, RewritesDoubleVowelsMetegAndGlyphs) {
  struct Case {
    const char* name;
    Codes in;
    Codes out;
  } cases[] = {
      {"letter and vowel stay", {Bet, Qamats, Gimel}, {Bet, Qamats, Gimel}},
      {"a second vowel is dropped", {Bet, Qamats, Patah, Gimel}, {Bet, Qamats, Gimel}},
      {"shuruk after a vowel is a consonant vav", {Bet, Qamats, Shuruk}, {Bet, Qamats, VavDagesh}},
      {"holam male after a vowel is vav with holam",
       {Bet, Qamats, HolamMale, Gimel},
       {Bet, Qamats, Vav, Holam, Gimel}},
      {"meteg after the vowel stresses it", {Bet, Qamats, Meteg}, {Bet, StressedQamats}},
      {"meteg before the vowel waits for it",
       {Bet, Meteg, Gimel, Qamats},
       {Bet, Gimel, StressedQamats}},
      {"a meteg that finds no vowel is lost", {Bet, Meteg}, {Bet}},
      {"final kaf with dagesh and qamats",
       {FinalKafDageshQamats, Gimel},
       {FinalKafDagesh, Qamats, Gimel}},
      {"lamed with dagesh and holam",
       {Bet, Patah, LamedDageshHolam},
       {Bet, Patah, LamedDagesh, Holam}},
      {"final kaf with shva", {FinalKafShva}, {FinalKaf, Shva}},
      {"final kaf with qamats and meteg", {FinalKafQamats, Meteg}, {FinalKaf, StressedQamats}},
      {"lamed with holam", {LamedHolam, ' '}, {Lamed, Holam, ' '}},
      {"meteg flag carries to a glyph's vowel",
       {Meteg, FinalKafQamats},
       {FinalKaf, StressedQamats}},
      {"a vowel left at the end is written", {Bet, Hiriq}, {Bet, Hiriq}},
      {"vowel at the start", {Qamats, Bet}, {Qamats, Bet}},
      {"empty", {}, {}},
  };
  for (const auto& c : cases) {
    CString text = Text(c.in);
    ReorderVowelSequences(text);
    EXPECT_EQ(c.out, CodesOf(text)) << c.name;
  }
}

}  // namespace
