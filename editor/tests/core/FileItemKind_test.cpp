#include <gtest/gtest.h>

#include "editor/core/FileItemKind.h"

namespace {

FileItemFacts Facts(BOOL isFile, const char* name, BOOL isDirectory, BOOL isNative) {
  FileItemFacts facts;
  facts.isFile = isFile;
  facts.displayName = name;
  facts.isDirectory = isDirectory;
  facts.isNativeDocument = isNative;
  return facts;
}

TEST(FileItemKind, WorkedOutFromTheFacts) {
  const struct {
    FileItemFacts facts;
    FileItemKind kind;
  } cases[] = {
      {Facts(FALSE, "Local Disk (C:)", FALSE, FALSE), kFileKindDrive},
      {Facts(FALSE, "Docs (C:)", TRUE, FALSE), kFileKindDrive},  // the name decides first
      {Facts(FALSE, "Letters", TRUE, FALSE), kFileKindFolder},
      {Facts(FALSE, "Control Panel", FALSE, FALSE), kFileKindOtherObject},
      {Facts(TRUE, "a.zlt", FALSE, TRUE), kFileKindNativeDocument},
      {Facts(TRUE, "Disk (C:)", FALSE, FALSE), kFileKindOtherFile},
  };
  for (const auto& c : cases) EXPECT_EQ(c.kind, WorkOutFileItemKind(c.facts)) << c.facts.displayName;
}

TEST(FileItemKind, FileSystemAndFileKinds) {
  const struct {
    int kind;
    BOOL fileSystem, file;
  } cases[] = {{kFileKindUnknown, FALSE, FALSE},       {kFileKindDrive, FALSE, FALSE},
               {kFileKindFolder, TRUE, FALSE},         {kFileKindNativeDocument, TRUE, TRUE},
               {kFileKindOtherFile, TRUE, TRUE},       {kFileKindOtherObject, FALSE, FALSE}};
  for (const auto& c : cases) {
    EXPECT_EQ(c.fileSystem, IsFileSystemKind(c.kind)) << c.kind;
    EXPECT_EQ(c.file, IsFileKind(c.kind)) << c.kind;
  }
}

TEST(FileItemKind, ModifiedTextIsMonthDayYearHoursMinutes) {
  std::tm local = {};
  local.tm_year = 99;
  local.tm_mon = 11;
  local.tm_mday = 31;
  local.tm_hour = 7;
  local.tm_min = 5;
  EXPECT_STREQ("12/31/99 07:05", FormatModifiedText(local));
  local.tm_year = 126;
  local.tm_mon = 0;
  local.tm_mday = 2;
  EXPECT_STREQ("01/02/26 07:05", FormatModifiedText(local));
}

}  // namespace
