#include "editor/core/FontSizeBox.h"

#include <gtest/gtest.h>

namespace {

void Fill(CStringArray& entries, std::initializer_list<const char*> texts) {
  for (const char* t : texts) entries.Add(t);
}

TEST(FontSizeBox, TextsCompareLikeTheNumbers) {
  EXPECT_STREQ(static_cast<LPCSTR>(FontSizeBoxText(8)), " 8");
  EXPECT_STREQ(static_cast<LPCSTR>(FontSizeBoxText(12)), "12");
  CStringArray entries;
  Fill(entries, {" 8", " 9", "10", "12", "72"});
  EXPECT_EQ(FindFontSizeBoxEntry(entries, 9), 1);
  EXPECT_EQ(FindFontSizeBoxEntry(entries, 11), -1);
}

struct InsertCase {
  int size;
  int index;
};

TEST(FontSizeBox, ATypedSizeGoesBeforeTheFirstLargerOne) {
  CStringArray entries;
  Fill(entries, {" 6", " 9", "12", "48"});
  const InsertCase cases[] = {{5, 0}, {7, 1}, {10, 2}, {13, 3}, {72, 4}};
  for (const InsertCase& c : cases)
    EXPECT_EQ(FontSizeBoxInsertIndex(entries, c.size), c.index) << c.size;
  EXPECT_EQ(FontSizeBoxInsertIndex(CStringArray(), 12), 0);
}

struct ParseCase {
  const char* text;
  WORD size;
};

TEST(FontSizeBox, OnlyTwoDigitSizesAreTaken) {
  const ParseCase cases[] = {{"12", 12}, {" 9", 9}, {"9 ", 9},  {"99", 99},
                             {"0", 0},   {"", 0},   {"100", 0}, {"65547", 0},
                             {"1x", 0},  {"-5", 0}, {"  ", 0},  {"99999999999999", 0}};
  for (const ParseCase& c : cases) EXPECT_EQ(ParseTypedFontSize(c.text), c.size) << c.text;
}

}  // namespace
