#include "speech/core/KeyTables.h"

#include <algorithm>
#include <iterator>

#include "hebtext/core/HebChar.h"
#include "hebtext/core/KeyMapping.h"

namespace {

using namespace HebCode;

constexpr WORD kHelpControl = 3;
constexpr WORD kExitControl = 2;
constexpr BYTE kBackspace = 8;
constexpr BYTE kTab = 9;
constexpr BYTE kEnter = 13;
constexpr BYTE kBlank = 32;
constexpr BYTE kEscape = 27;
constexpr WORD kQamatsControl = 1361;
constexpr int kFirstTypedChar = 9;
constexpr int kLastTypedChar = 126;

struct KeyChars {
  WORD control;
  char unshifted;
  char shifted;
};

// clang-format off
constexpr KeyChars kKeyboardChars[] = {
    {1140, '`', '~'}, {1144, '1', '!'}, {1151, '2', '@'}, {1156, '3', '#'}, {1160, '4', '$'},
    {1164, '5', '%'}, {1168, '6', '^'}, {1172, '7', '&'}, {1176, '8', '*'}, {1180, '9', '('},
    {1184, '0', ')'}, {1187, '-', '_'}, {1189, '=', '+'}, {1334, '\\', '|'},
    {1195, kBackspace, kBackspace}, {1360, kTab, kTab},
    {1223, 'q', 'Q'}, {1228, 'w', 'W'}, {1231, 'e', 'E'}, {1234, 'r', 'R'}, {1237, 't', 'T'},
    {1241, 'y', 'Y'}, {1244, 'u', 'U'}, {1246, 'i', 'I'}, {1254, 'o', 'O'}, {1256, 'p', 'P'},
    {1258, '[', '{'}, {1260, ']', '}'},
    {1263, 'a', 'A'}, {1266, 's', 'S'}, {1267, 'd', 'D'}, {1271, 'f', 'F'}, {1275, 'g', 'G'},
    {1277, 'h', 'H'}, {1280, 'j', 'J'}, {1283, 'k', 'K'}, {1286, 'l', 'L'}, {1289, ';', ':'},
    {1292, '\'', '"'}, {1298, kEnter, kEnter},
    {1301, 'z', 'Z'}, {1304, 'x', 'X'}, {1309, 'c', 'C'}, {1312, 'v', 'V'}, {1315, 'b', 'B'},
    {1318, 'n', 'N'}, {1321, 'm', 'M'}, {1323, ',', '<'}, {1326, '.', '>'}, {1328, '/', '?'},
    {1336, kBlank, kBlank},
};

constexpr WORD kKeyboardOrder[] = {
    1140, 1144, 1151, 1156, 1160, 1164, 1168, 1172, 1176, 1180, 1184, 1187, 1189, 1334, 1195,
    1360, 1223, 1228, 1231, 1234, 1237, 1241, 1244, 1246, 1254, 1256, 1258, 1260,
    1362, 1263, 1266, 1267, 1271, 1275, 1277, 1280, 1283, 1286, 1289, 1292, 1298,
    1353, 1301, 1304, 1309, 1312, 1315, 1318, 1321, 1323, 1326, 1328, 1331,
    1364, 1344, 1336, 1340, 1349, 1366, 1369, kHelpControl,
};
constexpr WORD kKeyboardFunctionKeys[] = {
    1195, 1360, 1362, 1298, 1353, 1331, 1364, 1344, 1336, 1340, 1349, 1366, 1369, kHelpControl,
};

struct ChainLink {
  WORD control;
  WORD target;
};
// The bottom row: Ctrl and Alt lead into the chain but are never reached.
constexpr ChainLink kKeyboardNext[] = {
    {1331, 1336}, {1364, 1336}, {1344, 1336}, {1336, 1366}, {1340, 1366}, {1349, 1366},
};
constexpr ChainLink kKeyboardPrevious[] = {
    {1364, 1331}, {1344, 1331}, {1336, 1331}, {1340, 1336}, {1349, 1336}, {1366, 1336},
};

struct ChartCode {
  WORD control;
  BYTE code;
};
constexpr ChartCode kChartCodes[] = {
    {1200, Alef}, {1202, Bet}, {1204, Gimel}, {1206, Dalet}, {1209, He}, {1219, Vav},
    {1222, Zayin}, {1227, Het}, {1230, Tet}, {1233, Yod}, {1236, Kaf}, {1240, Lamed},
    {1243, Mem}, {1245, Nun}, {1253, Samekh}, {1279, Ayin}, {1282, Pe}, {1285, Tsadi},
    {1288, Qof}, {1291, Resh}, {1297, ShinShinDot}, {1330, ShinSinDot}, {1300, Tav},
    {1317, FinalKaf}, {1320, FinalMem}, {1322, FinalNun}, {1325, FinalPe}, {1327, FinalTsadi},
    {1303, GimelGeresh}, {1308, ZayinGeresh}, {1311, TsadiGeresh}, {1314, FinalTsadiGeresh},
    {1333, Qubuts}, {1339, Patah}, {1343, Segol}, {1348, Hiriq}, {1352, Shva}, {1359, Shuruk},
    {kQamatsControl, Qamats}, {1363, Tsere}, {1365, HolamMale}, {1368, Holam},
    {1371, HatafSegol}, {1372, HatafPatah}, {1374, HatafQamats},
    {1377, Meteg}, {1376, Dagesh},
};

constexpr WORD kChartOrder[] = {
    1212, 1200, 1202, 1204, 1206, 1209, 1219, 1222, 1227, 1230, 1233, 1236, 1240, 1243, 1245,
    1253, 1279, 1282, 1285, 1288, 1291, 1330, 1297, 1300,
    1214, 1317, 1320, 1322, 1325, 1327,
    1215, 1303, 1308, 1311, 1314,
    1217, 1333, 1339, 1343, 1348, 1352, 1359, 1361, 1363, 1365, 1368,
    1255, 1371, 1372, 1374,
    1257, 1377,
    1259, 1376,
    kExitControl, kHelpControl, 1381,
};
constexpr WORD kFramedCaptions[] = {1212, 1214, 1215, 1217, 1255};
constexpr WORD kUnframedCaptions[] = {1257, 1259, 1381};
constexpr WORD kNoCaptionChain = 1381;  // the last caption is never focused
constexpr KeyChars kChartMnemonics[] = {
    {1212, 'c', 0}, {1215, 'm', 0}, {1217, 'v', 0}, {1255, 'k', 0}, {kExitControl, kEscape, 0},
};
constexpr ChainLink kChartNext[] = {
    {1376, kExitControl}, {kExitControl, kHelpControl}, {kHelpControl, 1200},
    {1255, 1372},  // the khataf caption leads past khataf segol
};
constexpr ChainLink kChartPrevious[] = {
    {1300, 1330}, {1200, 1376}, {kExitControl, 1376}, {kHelpControl, kExitControl},
    {1212, kHelpControl},
};
// clang-format on

template <typename T, size_t N>
bool Contains(const T (&list)[N], WORD control) {
  return std::find(std::begin(list), std::end(list), control) != std::end(list);
}

template <size_t N>
const ChainLink* FindLink(const ChainLink (&links)[N], WORD control) {
  for (const ChainLink& link : links) {
    if (link.control == control) return &link;
  }
  return nullptr;
}

const KeyChars* FindKeyChars(WORD control) {
  for (const KeyChars& key : kKeyboardChars) {
    if (key.control == control) return &key;
  }
  return nullptr;
}

std::vector<KeyTableEntry> BuildKeyboardTable() {
  constexpr size_t n = std::size(kKeyboardOrder);
  std::vector<KeyTableEntry> table;
  for (size_t i = 0; i < n; ++i) {
    const WORD control = kKeyboardOrder[i];
    KeyTableEntry entry{control, 0, kKeyboardOrder[(i + 1) % n], kKeyboardOrder[(i + n - 1) % n],
                        0};
    const bool function = Contains(kKeyboardFunctionKeys, control);
    entry.flags = kKeyEnglishLabel | (function ? kKeyFunction : kKeyCharacter);
    if (const ChainLink* link = FindLink(kKeyboardNext, control)) entry.next = link->target;
    if (const ChainLink* link = FindLink(kKeyboardPrevious, control)) entry.previous = link->target;
    const KeyChars* chars = FindKeyChars(control);
    // Of the function keys only Tab and the space bar carry their character.
    if (chars && (!function || chars->unshifted == kTab || chars->unshifted == kBlank)) {
      entry.character = static_cast<BYTE>(chars->unshifted);
    }
    table.push_back(entry);
  }
  return table;
}

bool IsChartCharacter(WORD control) {
  return std::any_of(std::begin(kChartCodes), std::end(kChartCodes),
                     [control](const ChartCode& c) { return c.control == control; });
}

std::vector<KeyTableEntry> BuildChartTable() {
  std::vector<WORD> characters;
  for (WORD control : kChartOrder) {
    if (IsChartCharacter(control)) characters.push_back(control);
  }
  const size_t n = characters.size();
  std::vector<KeyTableEntry> table;
  WORD lastCharacter = 0;
  for (size_t i = 0; i < std::size(kChartOrder); ++i) {
    const WORD control = kChartOrder[i];
    KeyTableEntry entry{control, 0, 0, 0, 0};
    if (IsChartCharacter(control)) {
      const size_t at =
          std::find(characters.begin(), characters.end(), control) - characters.begin();
      entry.flags = kKeyOfChart | kKeyCharacter;
      entry.next = characters[(at + 1) % n];
      entry.previous = characters[(at + n - 1) % n];
      lastCharacter = control;
    } else if (control == kExitControl || control == kHelpControl) {
      entry.flags = kKeyOfChart | kKeyFunction;
    } else if (control == kNoCaptionChain) {
      entry.flags = kKeyOfChart | kKeyUnframedCaption;
      entry.next = kNoNextKey;
    } else {
      entry.flags = kKeyOfChart |
                    (Contains(kFramedCaptions, control) ? kKeyFramedCaption : kKeyUnframedCaption);
      entry.next = kChartOrder[i + 1];  // the first character of its group
      entry.previous = lastCharacter;
    }
    if (const ChainLink* link = FindLink(kChartNext, control)) entry.next = link->target;
    if (const ChainLink* link = FindLink(kChartPrevious, control)) entry.previous = link->target;
    for (const KeyChars& mnemonic : kChartMnemonics) {
      if (mnemonic.control == control) entry.character = static_cast<BYTE>(mnemonic.unshifted);
    }
    table.push_back(entry);
  }
  return table;
}

}  // namespace

const std::vector<KeyTableEntry>& KeyboardKeyTable() {
  static const std::vector<KeyTableEntry> table = BuildKeyboardTable();
  return table;
}

const std::vector<KeyTableEntry>& ChartKeyTable() {
  static const std::vector<KeyTableEntry> table = BuildChartTable();
  return table;
}

int KeyControlForChar(int ch) {
  for (const KeyChars& key : kKeyboardChars) {
    if (key.unshifted == ch || key.shifted == ch) return key.control;
  }
  return 0;
}

int CharForKeyControl(int control, bool shifted) {
  const KeyChars* key = FindKeyChars(static_cast<WORD>(control));
  if (!key) return 0;
  return static_cast<BYTE>(shifted ? key->shifted : key->unshifted);
}

int ChartCodeForControl(int control, bool shifted) {
  if (control == kQamatsControl && shifted) return QamatsQatan;
  for (const ChartCode& c : kChartCodes) {
    if (c.control == control) return c.code;
  }
  return 0;
}

int ChartControlForCode(int code) {
  code &= 0xFF;
  if (code == QamatsQatan) return kQamatsControl;
  if (IsFinalKafForm(code)) code = FinalKaf;
  if (IsDageshLetter(code)) code = RemoveDagesh(code);
  for (const ChartCode& c : kChartCodes) {
    if (c.code == code) return c.control;
  }
  return 0;
}

int ChartControlForTypedChar(int ch) {
  // The digit 2 and the at sign show the qamats key as well.
  if (ch == '2' || ch == '@') return kQamatsControl;
  const int code = MapKeyToHebrew(ch, FALSE);
  // Digits and punctuation that pass unchanged stand for no chart key.
  if (code == 0 || code == ch) return 0;
  return ChartControlForCode(code);
}

int EnglishKeyForHebrewCode(int code) {
  code &= 0xFF;
  for (int ch = kFirstTypedChar; ch <= kLastTypedChar; ++ch) {
    if (ch != code && MapKeyToHebrew(ch, FALSE) == code) return ch;
  }
  return 0;
}
