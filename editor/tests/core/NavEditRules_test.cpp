#include "editor/core/NavEditRules.h"

#include <gtest/gtest.h>

namespace {

struct AcceptCase {
  UINT ch;
  BYTE mask;
  BOOL accepted;
};

TEST(NavEditRules, EachKindOfCharacterNeedsItsOwnBit) {
  const AcceptCase cases[] = {
      {'7', kNavEditDigits, TRUE},        {'a', kNavEditDigits, FALSE},
      {'.', kNavEditDigits, FALSE},       {'Z', kNavEditLetters, TRUE},
      {'3', kNavEditLetters, FALSE},      {'-', kNavEditPunctuation, TRUE},
      {'x', kNavEditPunctuation, FALSE},  {'5', kNavEditLetters | kNavEditDigits, TRUE},
      {' ', 0x7F, FALSE},                 {'\b', kNavEditDigits, FALSE},
      {'\r', 0x7F, FALSE},                {0xE9, 0x7F, FALSE},
      {' ', kNavEditAnything, TRUE},      {'\b', kNavEditAnything, TRUE},
      {0xE9, 0xFF, TRUE},
  };
  for (const AcceptCase& c : cases)
    EXPECT_EQ(NavEditAcceptsChar(c.ch, c.mask), c.accepted) << c.ch << " mask " << int(c.mask);
}

}  // namespace
