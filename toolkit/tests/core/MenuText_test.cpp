#include "toolkit/core/MenuText.h"

#include <gtest/gtest.h>

namespace {

TEST(StripMnemonics, DropsSingleAmpersandsAndKeepsDoubledOnes) {
  struct {
    const char* text;
    const char* stripped;
  } const cases[] = {
      {"&File", "File"},
      {"Save && &Exit", "Save && Exit"},
      {"Save & Exit", "Save  Exit"},
      {"&&&Tools", "&&Tools"},
      {"Plain", "Plain"},
      {"", ""},
      {"&", ""},
      {"A&&B&&C", "A&&B&&C"},
      {"Tab&", "Tab"},
      // Carets are text, not a stand-in for doubled ampersands.
      {"x^^y && &z", "x^^y && z"},
      {"^^&Go", "^^Go"},
  };
  for (const auto& c : cases) {
    CString text(c.text);
    StripMnemonics(text);
    EXPECT_STREQ(text, c.stripped) << c.text;
  }
}

}  // namespace
