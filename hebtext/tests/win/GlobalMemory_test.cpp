// Global-memory blocks: texts, bytes, freeing and inserting into arrays.
#include "hebtext/win/GlobalMemory.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(GlobalMemory, TextsMakeTheRoundTrip) {
  HGLOBAL hText = CStringToGlobal("shalom");
  ASSERT_NE(hText, nullptr);
  EXPECT_EQ(::GlobalFlags(hText) & GMEM_DISCARDED, 0u);
  CString text;
  ASSERT_TRUE(GlobalTextToCString(hText, text));
  EXPECT_STREQ(text, "shalom");
  FreeGlobalHandle(hText);
  EXPECT_EQ(hText, nullptr);
  FreeGlobalHandle(hText);  // nothing for 0
  EXPECT_FALSE(GlobalTextToCString(nullptr, text));
}

TEST(GlobalMemory, ATextWithoutTerminatorEndsWithItsBlock) {
  const char letters[] = {'a', 'b', 'c'};
  HGLOBAL hBytes = BytesToGlobal(letters, sizeof letters);
  CString text;
  ASSERT_TRUE(GlobalTextToCString(hBytes, text));
  EXPECT_LE(text.GetLength(), static_cast<int>(::GlobalSize(hBytes)));
  EXPECT_EQ(strncmp(text, "abc", 3), 0);
  FreeGlobalHandle(hBytes);
}

TEST(GlobalMemory, FreeingUndoesEveryLock) {
  HGLOBAL hBlock = BytesToGlobal("xy", 2);
  ::GlobalLock(hBlock);
  ::GlobalLock(hBlock);
  EXPECT_EQ(::GlobalFlags(hBlock) & GMEM_LOCKCOUNT, 2u);
  FreeGlobalHandle(hBlock);
  EXPECT_EQ(hBlock, nullptr);
}

TEST(GlobalArrayInsertAt, MovesTheLaterElementsUpAndGrowsAFullBlock) {
  const DWORD values[] = {10, 20, 30};
  HGLOBAL hArray = BytesToGlobal(values, sizeof values);  // no room for a fourth
  const DWORD inserted = 15;
  ASSERT_TRUE(GlobalArrayInsertAt(hArray, sizeof(DWORD), &inserted, 1, 3));
  ASSERT_GE(::GlobalSize(hArray), 4 * sizeof(DWORD));
  auto* data = static_cast<DWORD*>(::GlobalLock(hArray));
  EXPECT_EQ(data[0], 10u);
  EXPECT_EQ(data[1], 15u);
  EXPECT_EQ(data[2], 20u);
  EXPECT_EQ(data[3], 30u);
  ::GlobalUnlock(hArray);
  const DWORD last = 40;
  ASSERT_TRUE(GlobalArrayInsertAt(hArray, sizeof(DWORD), &last, 4, 4));
  data = static_cast<DWORD*>(::GlobalLock(hArray));
  EXPECT_EQ(data[4], 40u);
  ::GlobalUnlock(hArray);
  EXPECT_FALSE(GlobalArrayInsertAt(hArray, sizeof(DWORD), &last, 6, 5));
  EXPECT_FALSE(GlobalArrayInsertAt(hArray, sizeof(DWORD), &last, -1, 5));
  FreeGlobalHandle(hArray);
}

}  // namespace
