#include "speech/core/KeyTables.h"

#include <gtest/gtest.h>

#include <map>

#include "hebtext/core/HebChar.h"
#include "hebtext/core/KeyMapping.h"

namespace {

using namespace HebCode;

std::map<int, KeyTableEntry> ByControl(const std::vector<KeyTableEntry>& table) {
  std::map<int, KeyTableEntry> entries;
  for (const KeyTableEntry& entry : table) entries[entry.control] = entry;
  return entries;
}

// Expected entries of a key table.
struct Row {
  int control;
  int flags;
  int character;
  int next;
  int previous;
};

template <size_t N>
void ExpectRows(const std::vector<KeyTableEntry>& table, const Row (&rows)[N]) {
  const auto keys = ByControl(table);
  for (const Row& row : rows) {
    const KeyTableEntry& key = keys.at(row.control);
    EXPECT_EQ(key.flags, row.flags) << row.control;
    EXPECT_EQ(key.character, row.character) << row.control;
    EXPECT_EQ(key.next, row.next) << row.control;
    EXPECT_EQ(key.previous, row.previous) << row.control;
  }
}

// The controls Tab reaches from the first, until it comes back.
std::vector<int> TabWalk(const std::vector<KeyTableEntry>& table, int from, int steps) {
  const auto entries = ByControl(table);
  std::vector<int> walk{from};
  for (int i = 0; i < steps; ++i) walk.push_back(entries.at(walk.back()).next);
  return walk;
}

TEST(KeyTables, KeyboardTableHasItsKeysFlagsCharactersAndChain) {
  const std::vector<KeyTableEntry>& table = KeyboardKeyTable();
  ASSERT_EQ(table.size(), 61u);
  EXPECT_EQ(table.front().control, 1140);
  EXPECT_EQ(table.back().control, 3);
  // clang-format off
  const Row rows[] = {
      {1140, 0x41, '`', 1144, 3},     {3, 0x42, 0, 1140, 1369},
      {1223, 0x41, 'q', 1228, 1360},  {1360, 0x42, 9, 1223, 1195},
      {1195, 0x42, 0, 1360, 1334},    {1292, 0x41, '\'', 1298, 1289},
      {1336, 0x42, ' ', 1366, 1331},  {1331, 0x42, 0, 1336, 1328},
      {1364, 0x42, 0, 1336, 1331},    {1344, 0x42, 0, 1336, 1331},
      {1340, 0x42, 0, 1366, 1336},    {1349, 0x42, 0, 1366, 1336},
      {1366, 0x42, 0, 1369, 1336},    {1328, 0x41, '/', 1331, 1326},
  };
  // clang-format on
  ExpectRows(table, rows);
  const std::vector<int> walk{1328, 1331, 1336, 1366, 1369, 3, 1140};
  EXPECT_EQ(TabWalk(table, 1328, 6), walk);
}

TEST(KeyTables, KeyboardCharactersAndControlsMapBothWays) {
  struct Case {
    int control;
    int unshifted;
    int shifted;
  };
  const Case cases[] = {
      {1151, '2', '@'}, {1263, 'a', 'A'}, {1292, '\'', '"'}, {1334, '\\', '|'},
      {1195, 8, 8},     {1360, 9, 9},     {1298, 13, 13},    {1336, ' ', ' '},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CharForKeyControl(c.control, false), c.unshifted) << c.control;
    EXPECT_EQ(CharForKeyControl(c.control, true), c.shifted) << c.control;
    EXPECT_EQ(KeyControlForChar(c.unshifted), c.control) << c.control;
    EXPECT_EQ(KeyControlForChar(c.shifted), c.control) << c.control;
  }
  EXPECT_EQ(CharForKeyControl(1353, true), 0);  // Shift has no character
  EXPECT_EQ(KeyControlForChar(127), 0);
}

TEST(KeyTables, ChartTableHasItsKeysCaptionsAndChain) {
  const std::vector<KeyTableEntry>& table = ChartKeyTable();
  ASSERT_EQ(table.size(), 57u);  // 47 characters, 8 captions, Exit and Help
  EXPECT_EQ(table.front().control, 1212);
  EXPECT_EQ(table.back().control, 1381);
  // clang-format off
  const Row rows[] = {
      {1212, 0x30, 'c', 1200, 3},     {1200, 0x21, 0, 1202, 1376},
      {1330, 0x21, 0, 1297, 1291},    {1297, 0x21, 0, 1300, 1330},
      {1300, 0x21, 0, 1317, 1330},    {1214, 0x30, 0, 1317, 1300},
      {1215, 0x30, 'm', 1303, 1327},  {1217, 0x30, 'v', 1333, 1314},
      {1255, 0x30, 'k', 1372, 1368},  {1257, 0x24, 0, 1377, 1374},
      {1259, 0x24, 0, 1376, 1377},    {1376, 0x21, 0, 2, 1377},
      {2, 0x22, 27, 3, 1376},         {3, 0x22, 0, 1200, 2},
      {1381, 0x24, 0, 65535, 0},
  };
  // clang-format on
  ExpectRows(table, rows);
}

TEST(KeyTables, ChartControlsAndCodesMapBothWays) {
  EXPECT_EQ(ChartCodeForControl(1361, false), Qamats);
  EXPECT_EQ(ChartCodeForControl(1361, true), QamatsQatan);
  EXPECT_EQ(ChartCodeForControl(1202, true), Bet);
  EXPECT_EQ(ChartCodeForControl(1212, false), 0);  // a caption
  int characters = 0;
  for (const KeyTableEntry& key : ChartKeyTable()) {
    if (!(key.flags & kKeyCharacter)) continue;
    ++characters;
    EXPECT_EQ(ChartControlForCode(ChartCodeForControl(key.control, false)), key.control);
  }
  EXPECT_EQ(characters, 47);
  struct Case {
    int code;
    int control;
  };
  const Case cases[] = {{BetDagesh, 1202},         {QamatsQatan, 1361}, {FinalKafQamats, 1317},
                        {ShinShinDotDagesh, 1297}, {Shin, 0},           {'a', 0}};
  for (const Case& c : cases) EXPECT_EQ(ChartControlForCode(c.code), c.control) << c.code;
}

TEST(KeyTables, TypedCharactersShowTheChartKeyOfWhatTheyType) {
  struct Case {
    int ch;
    int control;
  };
  // clang-format off
  const Case cases[] = {
      {'"', 1363}, {'\'', 1352}, {',', 1300}, {'-', 1339}, {';', 1325}, {'=', 1377},
      {':', 1376}, {'2', 1361},  {'@', 1361}, {']', 1361}, {'R', 1361}, {'t', 1200},
      {'C', 1202}, {'w', 1297},  {'q', 1330}, {'_', 1372}, {'G', 1303}, {'>', 1314},
      {'[', 1317}, {'a', 0},     {'1', 0},    {'!', 0},    {' ', 0},
  };
  // clang-format on
  for (const Case& c : cases) EXPECT_EQ(ChartControlForTypedChar(c.ch), c.control) << c.ch;
}

TEST(KeyTables, EveryHebrewCodeOfTheKeyMapHasItsEnglishKey) {
  for (int ch = 9; ch <= 126; ++ch) {
    const int code = MapKeyToHebrew(ch, FALSE);
    if (code == 0 || code == ch) continue;
    const int key = EnglishKeyForHebrewCode(code);
    EXPECT_NE(key, 0) << ch;
    EXPECT_EQ(MapKeyToHebrew(key, FALSE), code) << ch;
  }
  EXPECT_EQ(EnglishKeyForHebrewCode(Alef), 't');
  EXPECT_EQ(EnglishKeyForHebrewCode(Qamats), ']');
  EXPECT_EQ(EnglishKeyForHebrewCode(HatafPatah), '_');
  EXPECT_EQ(EnglishKeyForHebrewCode(StressedQamats), 0);
}

}  // namespace
