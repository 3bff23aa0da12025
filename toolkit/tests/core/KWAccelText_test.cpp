#include "toolkit/core/KWAccelText.h"

#include <gtest/gtest.h>

#include <iterator>

namespace {

TEST(KWKeyName, NamesKeysFromEveryPartOfTheTable) {
  struct {
    unsigned key;
    const char* name;
  } const cases[] = {
      {'0', "0"},        {'9', "9"},          {'A', "A"},           {'Z', "Z"},
      {0x70, "F1"},      {0x74, "F5"},        {0x7B, "F12"},        {0x60, "NUMPAD0"},
      {0x69, "NUMPAD9"}, {0x08, "BACK"},      {0x0D, "RETURN"},     {0x2E, "DELETE"},
      {0x6B, "ADD"},     {0x90, "NUMLOCK"},   {0x01, "LEFTBUTTON"}, {0xFE, "OEM_CLEAR"},
      {0x5D, "APPS"},    {0x91, "SCROLL"},
      // Codes the table leaves out.
      {0x00, ""},        {0x7C, ""},          {0x5E, ""},           {'@', ""},
      {0xFF, ""},        {0x1234, ""},
  };
  for (const auto& c : cases) EXPECT_STREQ(KWKeyName(c.key), c.name) << c.key;
}

TEST(KWFormatAccelKey, PutsTheModifiersInTheirOrderBeforeTheKey) {
  constexpr unsigned kVirtKey = 0x01;
  constexpr unsigned kNoInvert = 0x02;
  struct {
    unsigned flags;
    unsigned key;
    const char* text;
  } const cases[] = {
      {kVirtKey | kKWAccelCtrl, 0x46, "Ctrl+F"},
      {kVirtKey | kKWAccelShift | kKWAccelCtrl, 0x46, "Shift+Ctrl+F"},
      {kVirtKey | kKWAccelShift | kKWAccelCtrl | kKWAccelAlt, 0x74, "Shift+Ctrl+Alt+F5"},
      {kVirtKey | kKWAccelAlt, 0x08, "Alt+BACK"},
      {kVirtKey | kKWAccelCtrl, 0x6B, "Ctrl+ADD"},
      {kVirtKey, 0x61, "NUMPAD1"},
      {kVirtKey | kNoInvert, 0x7B, "F12"},
      // The virtual-key flag is not looked at.
      {kKWAccelCtrl, 0x53, "Ctrl+S"},
      // A key without a name keeps its modifiers.
      {kKWAccelAlt, 0x7C, "Alt+"},
      // No key, no text, whatever the modifiers.
      {kKWAccelShift | kKWAccelCtrl, 0, ""},
  };
  for (const auto& c : cases)
    EXPECT_STREQ(KWFormatAccelKey(c.flags, c.key), c.text) << c.flags << " " << c.key;
}

constexpr unsigned kSave = 57603;
constexpr unsigned kOpen = 57601;
constexpr unsigned kPrint = 57607;
constexpr KWAccelEntry kTable[] = {
    {kKWAccelCtrl, 'S', kSave},
    {kKWAccelCtrl, 'O', kOpen},
    {0, 0x7B, kSave},
    {kKWAccelShift | kKWAccelCtrl, 0x74, kSave},
};

TEST(KWAppendAccelText, ListsACommandsShortcutsInTableOrder) {
  struct {
    unsigned command;
    const char* before;
    const char* after;
  } const cases[] = {
      {kSave, "", "Ctrl+S, F12, Shift+Ctrl+F5"},
      {kOpen, "", "Ctrl+O"},
      {kOpen, "Open", "Open, Ctrl+O"},
      {kPrint, "", ""},
      {kPrint, "kept", "kept"},
  };
  for (const auto& c : cases) {
    CString text(c.before);
    KWAppendAccelText(kTable, static_cast<int>(std::size(kTable)), c.command, text);
    EXPECT_STREQ(text, c.after) << c.command;
  }
}

TEST(KWMenuTextWithShortcut, ShowsOnlyTheFirstShortcutBehindOneTab) {
  struct {
    const char* item;
    const char* shortcuts;
    const char* text;
    bool changed;
  } const cases[] = {
      {"&Save", "Ctrl+S, F12", "&Save\tCtrl+S", true},
      {"&Save\tCtrl+Q", "Ctrl+S, F12", "&Save\tCtrl+S", true},
      {"&Open", "Ctrl+O", "&Open\tCtrl+O", true},
      // An old shortcut goes when the command has none now.
      {"&Print\tCtrl+P", "", "&Print", true},
      {"&Print\t", "", "&Print", true},
      {"&Close", "", "&Close", false},
      {"\tCtrl+P", "F2", "\tF2", true},
  };
  for (const auto& c : cases) {
    CString text(c.item);
    EXPECT_EQ(KWMenuTextWithShortcut(text, c.shortcuts), c.changed) << c.item;
    EXPECT_STREQ(text, c.text) << c.item;
  }
}

}  // namespace
