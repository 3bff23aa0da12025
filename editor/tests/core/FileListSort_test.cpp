#include <gtest/gtest.h>

#include "editor/core/FileListSort.h"

namespace {

FileRowKeys Row(int isFile, time_t modified, DWORD size, const char* type) {
  FileRowKeys row;
  row.isFile = isFile;
  row.modified = modified;
  row.size = size;
  row.typeName = type;
  return row;
}

int Sign(int value) { return (value > 0) - (value < 0); }

TEST(FileListSort, FoldersComeFirstAscendingAndLastDescending) {
  const FileRowKeys folder = Row(0, 5, 0, "File Folder");
  const FileRowKeys file = Row(1, 1, 9, "Text Document");
  for (int column = 0; column < kFileColumnCount; ++column) {
    const FileListColumn c = static_cast<FileListColumn>(column);
    EXPECT_EQ(-1, CompareFileRows(folder, file, c, TRUE, nullptr)) << column;
    EXPECT_EQ(1, CompareFileRows(file, folder, c, TRUE, nullptr)) << column;
    EXPECT_EQ(1, CompareFileRows(folder, file, c, FALSE, nullptr)) << column;
  }
  // An item whose kind is not known sorts with the folders.
  EXPECT_EQ(-1, CompareFileRows(Row(-1, 0, 0, ""), file, kFileColumnSize, TRUE, nullptr));
}

TEST(FileListSort, ColumnsCompareTheirValues) {
  const FileRowKeys a = Row(1, 100, 2048, "text document");
  const struct {
    FileRowKeys b;
    FileListColumn column;
    int order;
  } cases[] = {
      {Row(1, 50, 2048, ""), kFileColumnModified, 1},
      {Row(1, 100, 0, ""), kFileColumnModified, 0},
      {Row(1, 200, 0, ""), kFileColumnModified, -1},
      {Row(1, 0, 1024, ""), kFileColumnSize, 1},
      {Row(1, 0, 2048, ""), kFileColumnSize, 0},
      {Row(1, 0, 0xFFFFFFFF, ""), kFileColumnSize, -1},
      {Row(1, 0, 0, "Text Document"), kFileColumnType, 0},
      {Row(1, 0, 0, "Zulta Document"), kFileColumnType, -1},
      {Row(1, 0, 0, "Bitmap"), kFileColumnType, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.order, Sign(CompareFileRows(a, c.b, c.column, TRUE, nullptr))) << c.column;
    EXPECT_EQ(-c.order, Sign(CompareFileRows(a, c.b, c.column, FALSE, nullptr))) << c.column;
  }
}

TEST(FileListSort, NameColumnsAskTheCaller) {
  const FileRowKeys a = Row(1, 0, 0, ""), b = Row(1, 0, 0, "");
  FileListColumn asked = kFileColumnCount;
  const FileNameOrder order = [&](FileListColumn column) {
    asked = column;
    return 7;
  };
  EXPECT_EQ(7, CompareFileRows(a, b, kFileColumnName, TRUE, order));
  EXPECT_EQ(kFileColumnName, asked);
  EXPECT_EQ(-7, CompareFileRows(a, b, kFileColumnHebrewName, FALSE, order));
  EXPECT_EQ(kFileColumnHebrewName, asked);
  EXPECT_EQ(0, CompareFileRows(a, b, kFileColumnName, TRUE, nullptr));
}

TEST(FileListSort, ShellComparisonTakesTheSignedLowWord) {
  EXPECT_EQ(0, ShellCompareOrder(0));
  EXPECT_EQ(1, ShellCompareOrder(1));
  EXPECT_EQ(-1, ShellCompareOrder(0xFFFF));
  EXPECT_EQ(5, ShellCompareOrder(0x70000005));
  EXPECT_EQ(0, ShellCompareOrder(static_cast<LONG>(0x80004005u)));  // a failure
}

TEST(FileListSort, ClicksAlternateAndAnotherColumnStartsAscending) {
  FileListSortState state;
  state.Reset(-1, TRUE);
  EXPECT_TRUE(state.Click(3));
  EXPECT_FALSE(state.Click(3));
  EXPECT_TRUE(state.Click(3));
  EXPECT_TRUE(state.Click(0));
  EXPECT_EQ(0, state.LastColumn());
  // The shell's listing comes by name: the first click on Name reverses it.
  state.Reset(0, FALSE);
  EXPECT_FALSE(state.Click(0));
  EXPECT_TRUE(state.Click(0));
}

}  // namespace
