// Sorted string lists and the font-face lists of the font choosers.
#include "hebtext/core/SortedStrings.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Items(const CStringArray& strings) {
  std::vector<std::string> items;
  for (int i = 0; i < strings.GetSize(); ++i) items.emplace_back(strings[i]);
  return items;
}

void Fill(CStringArray& strings, std::initializer_list<const char*> items) {
  strings.RemoveAll();
  for (const char* item : items) strings.Add(item);
}

TEST(InsertSortedString, InsertsBeforeTheFirstNotSmallerIgnoringCase) {
  CStringArray strings;
  for (const char* text : {"pear", "Apple", "banana", "apple", "Cherry"})
    InsertSortedString(strings, text);
  EXPECT_EQ(Items(strings),
            (std::vector<std::string>{"apple", "Apple", "banana", "Cherry", "pear"}));
}

TEST(CopySortedStringArray, EmptiesTheTargetFirst) {
  CStringArray source;
  CStringArray target;
  Fill(source, {"b", "A", "c"});
  Fill(target, {"old"});
  CopySortedStringArray(target, source);
  EXPECT_EQ(Items(target), (std::vector<std::string>{"A", "b", "c"}));
  EXPECT_STREQ(CopyStringAt(target, 1), "b");
  EXPECT_STREQ(CopyStringAt(target, 3), "");
  EXPECT_STREQ(CopyStringAt(target, -1), "");
}

TEST(ProgramHebrewFonts, AreFoundIgnoringCase) {
  EXPECT_TRUE(IsProgramHebrewFont("pomlar david 2"));
  EXPECT_FALSE(IsProgramHebrewFont("Arial"));
  EXPECT_EQ(FindProgramHebrewFont("Pomlar Sephardi 2"), 0);
  EXPECT_EQ(FindProgramHebrewFont("POMLAR CURSIVA 2"), 5);
  EXPECT_EQ(FindProgramHebrewFont("Arial"), -1);
}

TEST(BuildFontFaceList, GroupsTheProgramsHebrewFacesByMode) {
  struct Case {
    int mode;
    std::vector<std::string> expected;
  } const cases[] = {
      {kFontListHebrewFirst,
       {"Pomlar David 2", "Pomlar Stam 2", "Arial", "courier", "Times New Roman"}},
      {kFontListOthersFirst,
       {"Arial", "courier", "Times New Roman", "Pomlar David 2", "Pomlar Stam 2"}},
      {kFontListSorted, {"Arial", "courier", "Pomlar David 2", "Pomlar Stam 2", "Times New Roman"}},
      {0, {}},
      {4, {}},
  };
  for (const auto& c : cases) {
    CStringArray faces;
    Fill(faces, {"Times New Roman", "Pomlar Stam 2", "Arial", "Pomlar David 2", "courier"});
    BuildFontFaceList(faces, c.mode);
    EXPECT_EQ(Items(faces), c.expected) << c.mode;
  }
}

}  // namespace
