// The format key with which the RTF writer notices format changes.
#include "hebtext/core/CCharFormatKey.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

TEST(CCharFormatKey, ResetKeyDiffersFromEveryRealFormat) {
  CCharFormatKey reset;
  reset.Reset();
  EXPECT_EQ(0xFFFF, reset.m_textColor);
  EXPECT_EQ(0xFFFF, reset.m_fontSize);
  EXPECT_EQ(0xFF, reset.m_style);
  EXPECT_EQ(0, reset.m_extraWordSpace);
  CCharFormatKey plain;
  plain.Set(0, 0, 0, 0, 0, 0, 0, 0, 0);
  EXPECT_EQ(1, reset.IsDifferent(plain));
  CCharFormatKey again;
  again.Reset();
  EXPECT_EQ(0, reset.IsDifferent(again));
}

TEST(CCharFormatKey, SetTakesLineSpaceBeforeWordSpace) {
  CCharFormatKey key;
  key.Set(1, 2, 3, 4, 5, 1, 0, 7, 8);
  EXPECT_EQ(8, key.m_extraWordSpace);
  EXPECT_EQ(7, key.m_extraLineSpace);
}

TEST(CCharFormatKey, EveryFieldCounts) {
  const std::vector<std::function<void(CCharFormatKey&)>> changes{[](CCharFormatKey& k) { k.m_textColor = 9; },
                                                                  [](CCharFormatKey& k) { k.m_backColor = 9; },
                                                                  [](CCharFormatKey& k) { k.m_font = 9; },
                                                                  [](CCharFormatKey& k) { k.m_fontSize = 9; },
                                                                  [](CCharFormatKey& k) { k.m_style = 9; },
                                                                  [](CCharFormatKey& k) { k.m_alignment = 9; },
                                                                  [](CCharFormatKey& k) { k.m_zero = 9; },
                                                                  [](CCharFormatKey& k) { k.m_extraWordSpace = 9; },
                                                                  [](CCharFormatKey& k) { k.m_extraLineSpace = 9; }};
  for (size_t i = 0; i < changes.size(); ++i) {
    CCharFormatKey a, b;
    a.Set(1, 2, 3, 4, 1, 2, 0, 5, 6);
    b = a;
    changes[i](b);
    EXPECT_EQ(1, a.IsDifferent(b)) << "field " << i;
    EXPECT_EQ(1, b.IsDifferent(a)) << "field " << i;
  }
}

}  // namespace
