#include "classlib/core/PrintPages.h"

#include <gtest/gtest.h>

TEST(PrintPages, TheChosenRangeIsCutToTheDocument) {
  struct Case {
    UINT nMin, nMax;
    bool bRange;
    UINT nFrom, nTo;
    UINT nFirst, nLast;
  };
  // clang-format off
  const Case kCases[] = {
    {1, 3, false, 2, 2, 1, 3},       // all pages: the chosen numbers play no part
    {1, 9, true, 2, 4, 2, 4},        // a range inside the document
    {1, 9, true, 4, 2, 2, 4},        // given backwards
    {1, 3, true, 2, 7, 2, 3},        // past the end
    {2, 3, true, 1, 2, 2, 2},        // before the start
    {1, kPrintPageUnknown, false, 0, 0, 1, kPrintPageUnknown},
  };
  // clang-format on
  for (const Case& c : kCases) {
    PrintPageSpan span = PagesToPrint(c.nMin, c.nMax, c.bRange, c.nFrom, c.nTo);
    EXPECT_EQ(c.nFirst, span.nFirst) << c.nFrom << "-" << c.nTo;
    EXPECT_EQ(c.nLast, span.nLast) << c.nFrom << "-" << c.nTo;
    EXPECT_FALSE(span.IsEmpty());
  }
}

TEST(PrintPages, ARangeOutsideTheDocumentOrAnEmptyDocumentPrintsNothing) {
  EXPECT_TRUE(PagesToPrint(1, 3, true, 5, 8).IsEmpty());
  EXPECT_TRUE(PagesToPrint(1, 0, false, 0, 0).IsEmpty());
}
