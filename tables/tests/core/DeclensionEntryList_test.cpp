#include "tables/core/DeclensionEntryList.h"

#include <gtest/gtest.h>

#include <vector>

#include "lexicon/core/GrammarLayout.h"

namespace {

constexpr BYTE kFlagged = 0x80;
constexpr BYTE kEnd = 255;

struct EntrySketch {
  BYTE classByte;
  std::vector<BYTE> categories;  // ended by 255 when shorter than five
};

std::vector<BYTE> EntryBlock(const std::vector<EntrySketch>& sketches) {
  std::vector<BYTE> block(sketches.size() * GrammarLayout::kNounEntrySize, 0);
  for (size_t i = 0; i < sketches.size(); ++i) {
    BYTE* entry = &block[i * GrammarLayout::kNounEntrySize];
    entry[GrammarLayout::kNounEntryClassOffset] = sketches[i].classByte;
    for (int k = 0; k < GrammarLayout::kNounEntryCategories; ++k)
      entry[GrammarLayout::kNounEntryCategoryOffset + k] =
          k < static_cast<int>(sketches[i].categories.size()) ? sketches[i].categories[k] : kEnd;
  }
  return block;
}

const std::vector<EntrySketch> kEntries = {
    {1, {3}},              // 0
    {kFlagged | 1, {3}},   // 1 flagged: never listed
    {2, {}},               // 2
    {2, {7, 3}},           // 3
    {1, {7, kEnd, 3}},     // 4: the end mark hides the 3 after it
    {1, {1, 2, 4, 5, 3}},  // 5: the last of five codes counts
};

struct ListCase {
  BYTE category;
  std::vector<int> rowEntries;
  std::vector<int> entryRows;
};

TEST(DeclensionEntryList, ListsUnflaggedEntriesOfTheCategory) {
  const std::vector<BYTE> block = EntryBlock(kEntries);
  const ListCase cases[] = {
      {kNoCategoryFilter, {0, 2, 3, 4, 5}, {0, -1, 1, 2, 3, 4}},
      {3, {0, 3, 5}, {0, -1, -1, 1, -1, 2}},
      {7, {3, 4}, {-1, -1, -1, 0, 1, -1}},
      {9, {}, {-1, -1, -1, -1, -1, -1}},
  };
  for (const ListCase& c : cases) {
    const DeclensionEntryRows rows =
        ListDeclensionEntries(block.data(), static_cast<int>(kEntries.size()), c.category);
    EXPECT_EQ(rows.rowEntries, c.rowEntries) << int(c.category);
    EXPECT_EQ(rows.entryRows, c.entryRows) << int(c.category);
  }
}

TEST(DeclensionEntryList, UnlistedEntriesHaveNoRow) {
  const std::vector<BYTE> block = EntryBlock(kEntries);
  const DeclensionEntryRows rows =
      ListDeclensionEntries(block.data(), static_cast<int>(kEntries.size()), 3);
  EXPECT_EQ(ListRowOfEntry(rows, 3), 1);
  EXPECT_EQ(ListRowOfEntry(rows, 2), -1);
  EXPECT_EQ(ListRowOfEntry(rows, -1), -1);
  EXPECT_EQ(ListRowOfEntry(rows, 6), -1);
  EXPECT_TRUE(ListDeclensionEntries(nullptr, 0, kNoCategoryFilter).rowEntries.empty());
}

}  // namespace
