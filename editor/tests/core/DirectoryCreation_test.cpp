#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "editor/core/DirectoryCreation.h"

namespace {

// Directories in memory; a directory is made only under an existing parent.
class FakeDirectories : public IDirectoryFileSystem {
 public:
  std::set<std::string> existing{"C:\\"};
  std::set<std::string> refused;
  std::vector<std::string> made;

  BOOL IsDirectory(LPCSTR path) override { return existing.count(Trimmed(path)) != 0; }
  BOOL MakeDirectory(LPCSTR path) override {
    const std::string dir = Trimmed(path);
    const size_t cut = dir.find_last_of("\\/");
    std::string parent = dir.substr(0, cut);
    if (parent.size() == 2) parent += '\\';
    if (refused.count(dir) || !existing.count(parent) || existing.count(dir)) return FALSE;
    existing.insert(dir);
    made.push_back(dir);
    return TRUE;
  }

 private:
  static std::string Trimmed(LPCSTR path) {
    std::string p(path);
    if (p.size() > 3 && (p.back() == '\\' || p.back() == '/')) p.pop_back();
    return p;
  }
};

TEST(DirectoryCreation, MakesTheMissingLevelsInOrder) {
  FakeDirectories files;
  files.existing.insert("C:\\a");
  EXPECT_TRUE(CreateDirectoryWithParents("C:\\a\\b\\c", files));
  EXPECT_EQ((std::vector<std::string>{"C:\\a\\b", "C:\\a\\b\\c"}), files.made);
}

TEST(DirectoryCreation, TakesEitherSeparatorAndATrailingOne) {
  FakeDirectories files;
  EXPECT_TRUE(CreateDirectoryWithParents("C:\\a/b\\", files));
  EXPECT_EQ((std::vector<std::string>{"C:\\a", "C:\\a/b"}), files.made);
}

TEST(DirectoryCreation, AnExistingDirectoryIsDone) {
  FakeDirectories files;
  files.existing.insert("C:\\a");
  EXPECT_TRUE(CreateDirectoryWithParents("C:\\a", files));
  EXPECT_TRUE(files.made.empty());
}

TEST(DirectoryCreation, FailsWithoutADriveOrAtTheFirstRefusal) {
  FakeDirectories files;
  for (const char* path : {"a\\b", "\\\\srv\\share\\x", "C:", ""})
    EXPECT_FALSE(CreateDirectoryWithParents(path, files)) << path;
  files.refused.insert("C:\\a\\b");
  EXPECT_FALSE(CreateDirectoryWithParents("C:\\a\\b\\c", files));
  EXPECT_EQ((std::vector<std::string>{"C:\\a"}), files.made);
}

}  // namespace
