#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "classlib/core/CFile.h"
#include "editor/core/DocumentFileStore.h"

namespace {

std::string TempPath(const char* name) {
  const char* base = std::getenv("TMPDIR");
#ifdef _WIN32
  if (!base) base = std::getenv("TEMP");
  return std::string(base ? base : ".") + "\\" + name;
#else
  return std::string(base ? base : "/tmp") + "/" + name;
#endif
}

ByteBuffer Bytes(const std::string& text) { return ByteBuffer(text.begin(), text.end()); }

TEST(DocumentFileStoreTest, SaveReplacesTheTargetWhole) {
  std::string path = TempPath("edfile-store-test.zlt");
  CString error;
  ASSERT_TRUE(StoreFileReplacing(path.c_str(), Bytes("first contents"), error)) << error;
  ASSERT_TRUE(StoreFileReplacing(path.c_str(), Bytes("second"), error)) << error;
  ByteBuffer read;
  ASSERT_TRUE(LoadWholeFile(path.c_str(), read, error)) << error;
  EXPECT_EQ(read, Bytes("second"));
  CFileStatus status;
  EXPECT_FALSE(CFile::GetStatus((path + ".~sav").c_str(), status));
  CFile::Remove(path.c_str());
}

TEST(DocumentFileStoreTest, FailedSaveLeavesTheTargetAndMissingFileFailsToLoad) {
  std::string path = TempPath("edfile-store-missing-dir") + "/x/doc.zlt";
  CString error;
  EXPECT_FALSE(StoreFileReplacing(path.c_str(), Bytes("data"), error));
  EXPECT_FALSE(error.IsEmpty());
  ByteBuffer read;
  error.Empty();
  EXPECT_FALSE(LoadWholeFile(path.c_str(), read, error));
  EXPECT_FALSE(error.IsEmpty());
  EXPECT_TRUE(read.empty());
}

// A save that cannot put the old file aside fails with the old file as it was.
TEST(DocumentFileStoreTest, SaveThatCannotReplaceKeepsTheOldFile) {
  std::string path = TempPath("edfile-store-kept.zlt");
  std::string blocker = path + ".~old";
  CString error;
  ASSERT_TRUE(StoreFileReplacing(path.c_str(), Bytes("old contents"), error)) << error;
  // A folder with a file in it where the old file would step aside.
  std::filesystem::create_directory(blocker);
  ASSERT_TRUE(StoreFileReplacing((blocker + "/keep").c_str(), Bytes("x"), error)) << error;

  EXPECT_FALSE(StoreFileReplacing(path.c_str(), Bytes("new"), error));
  EXPECT_FALSE(error.IsEmpty());
  ByteBuffer read;
  ASSERT_TRUE(LoadWholeFile(path.c_str(), read, error)) << error;
  EXPECT_EQ(read, Bytes("old contents"));

  std::filesystem::remove_all(blocker);
  std::filesystem::remove(path);
  std::filesystem::remove(path + ".~sav");
}

}  // namespace
