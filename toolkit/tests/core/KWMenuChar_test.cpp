#include "toolkit/core/KWMenuChar.h"

#include <gtest/gtest.h>

namespace {

constexpr DWORD kExecute = 0x20000;
constexpr DWORD kSelect = 0x30000;

std::vector<KWMenuCharItem> Items(std::initializer_list<const char*> texts, int highlighted) {
  std::vector<KWMenuCharItem> items;
  for (const char* text : texts) items.push_back({text, true, false});
  if (highlighted >= 0) items[highlighted].highlighted = true;
  return items;
}

TEST(KWMnemonicOf, SkipsLiteralAmpersands) {
  EXPECT_EQ(KWMnemonicOf("&Open"), 'O');
  EXPECT_EQ(KWMnemonicOf("Save && E&xit"), 'x');
  EXPECT_EQ(KWMnemonicOf("Plain"), 0);
  EXPECT_EQ(KWMnemonicOf("Tab&"), 0);
}

TEST(KWChooseMenuChar, ExecutesOneSelectsTheNextOfSeveral) {
  struct {
    std::vector<KWMenuCharItem> items;
    unsigned char typed;
    DWORD expected;
  } const cases[] = {
      {Items({"&Open", "&Save", "&Close"}, -1), 's', kExecute | 1},
      {Items({"&Open", "&Save", "&Close"}, -1), 'x', 0},
      {Items({"&Cut", "&Copy", "&Clear"}, -1), 'c', kSelect | 0},
      {Items({"&Cut", "&Copy", "&Clear"}, 0), 'C', kSelect | 1},
      {Items({"&Cut", "&Copy", "&Clear"}, 1), 'c', kSelect | 2},
      {Items({"&Cut", "&Copy", "&Clear"}, 2), 'c', kSelect | 0},
      // Hebrew letters in code page 1255 are above 0x7F: matched as they are.
      {Items({"&\xF9\xEE\xE5\xF8", "&\xF4\xFA\xE7"}, -1), 0xF4, kExecute | 1},
      {Items({"&\xF9\xEE\xE5\xF8", "&\xF9\xE1\xF5"}, 0), 0xF9, kSelect | 1},
      {Items({"&\xF9\xEE\xE5\xF8"}, -1), 0xD9, 0},
      {Items({"&Open"}, -1), 0, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(KWChooseMenuChar(c.items, c.typed), c.expected) << c.typed;
}

TEST(KWChooseMenuChar, ItemsThatAreNotOwnerDrawnAreLeftToTheSystem) {
  std::vector<KWMenuCharItem> items = Items({"&Save", "&Send"}, -1);
  items[0].ownerDrawn = false;
  EXPECT_EQ(KWChooseMenuChar(items, 's'), kExecute | 1);
}

}  // namespace
