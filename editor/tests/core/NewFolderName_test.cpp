#include <gtest/gtest.h>

#include <set>
#include <string>

#include "editor/core/NewFolderName.h"

namespace {

struct Taken {
  std::set<std::string> paths;
  PathExistsTest Test() const {
    return [this](LPCSTR path) { return paths.count(path) ? TRUE : FALSE; };
  }
};

TEST(NewFolderName, FirstFreeNameInTheFolder) {
  const struct {
    const char* folder;
    std::set<std::string> taken;
    const char* path;
  } cases[] = {
      {"C:\\docs", {}, "C:\\docs\\New Folder"},
      {"C:\\", {}, "C:\\New Folder"},  // a root has its separator already
      {"C:\\docs", {"C:\\docs\\New Folder"}, "C:\\docs\\New Folder (2)"},
      {"C:\\docs", {"C:\\docs\\New Folder", "C:\\docs\\New Folder (2)"}, "C:\\docs\\New Folder (3)"},
  };
  for (const auto& c : cases) {
    const Taken taken{c.taken};
    CString path;
    EXPECT_TRUE(FindNewFolderPath(c.folder, taken.Test(), path)) << c.path;
    EXPECT_STREQ(c.path, path);
  }
}

TEST(NewFolderName, FailsWhenEveryNumberIsTaken) {
  Taken taken;
  taken.paths.insert("D:\\x\\New Folder");
  for (int n = kFirstNewFolderNumber; n < kLastNewFolderNumber; ++n)
    taken.paths.insert("D:\\x\\New Folder (" + std::to_string(n) + ")");
  CString path;
  EXPECT_TRUE(FindNewFolderPath("D:\\x", taken.Test(), path));
  EXPECT_STREQ("D:\\x\\New Folder (99)", path);
  taken.paths.insert("D:\\x\\New Folder (99)");
  EXPECT_FALSE(FindNewFolderPath("D:\\x", taken.Test(), path));
}

}  // namespace
