#include "editor/core/FontSizeBox.h"

#include <gtest/gtest.h>

#include <cstdlib>

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
                             {"1x", 0},  {"-5", 0}, {"  ", 0},  {"99999999999999", 0},
                             {"ab", 0},  {" 0", 0}, {"00", 0}};
  for (const ParseCase& c : cases) EXPECT_EQ(ParseTypedFontSize(c.text), c.size) << c.text;
}

struct StandardListCase {
  const char* current;
  const char* inserted;  // the current size's text where it joins the list; null for none
  int index;
};

TEST(FontSizeBox, TheStandardListTakesTheCurrentSizeInItsPlace) {
  const StandardListCase cases[] = {
      {"13", "13", 7},  {" 5", " 5", 0}, {"30", "30", 15}, {"12", nullptr, 0},
      {" 6", nullptr, 0}, {"0", nullptr, 0}, {"", nullptr, 0}, {"73", nullptr, 0},
  };
  for (const StandardListCase& c : cases) {
    CStringArray entries;
    AppendStandardFontSizes(entries, c.current);
    const int standardCount = 18;
    ASSERT_EQ(entries.GetSize(), standardCount + (c.inserted ? 1 : 0)) << c.current;
    EXPECT_STREQ(static_cast<LPCSTR>(entries[0]), c.inserted && c.index == 0 ? c.inserted : " 6");
    EXPECT_STREQ(static_cast<LPCSTR>(entries[entries.GetSize() - 1]), "72") << c.current;
    if (c.inserted) {
      EXPECT_STREQ(static_cast<LPCSTR>(entries[c.index]), c.inserted) << c.current;
    }
    for (int i = 1; i < entries.GetSize(); i++)
      EXPECT_LT(std::atoi(entries[i - 1]), std::atoi(entries[i])) << c.current << " at " << i;
  }
}

TEST(FontSizeBox, SizesAlreadyListedAreNotAddedAgain) {
  CStringArray entries;
  Fill(entries, {"12", "13"});
  AppendStandardFontSizes(entries, "13");
  EXPECT_EQ(entries.GetSize(), 2 + 17);
  EXPECT_STREQ(static_cast<LPCSTR>(entries[0]), "12");
  EXPECT_STREQ(static_cast<LPCSTR>(entries[1]), "13");
  EXPECT_STREQ(static_cast<LPCSTR>(entries[2]), " 6");
}

}  // namespace
