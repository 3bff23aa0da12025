#include "langmodule/core/ModulePath.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct FolderCase {
  const char* path;
  const char* folder;
};

class FolderPartLengthTest : public testing::TestWithParam<FolderCase> {};

TEST_P(FolderPartLengthTest, EndsAtTheLastBackslash) {
  std::string path = GetParam().path;
  EXPECT_EQ(path.substr(0, FolderPartLength(path.c_str())), GetParam().folder);
}

INSTANTIATE_TEST_SUITE_P(
    ModuleNames, FolderPartLengthTest,
    testing::Values(FolderCase{"C:\\Program Files\\Norvane\\Spokwell\\gerlex.uil",
                               "C:\\Program Files\\Norvane\\Spokwell\\"},
                    // Renamed modules: a cut by the length of "gerlex.uil" would land inside
                    // the folder or before the start of the name.
                    FolderCase{"C:\\Engine\\de.uil", "C:\\Engine\\"},
                    FolderCase{"C:\\a.dll", "C:\\"},
                    FolderCase{"D:\\Sprachen\\gerlex-deutsch-6.2.uil", "D:\\Sprachen\\"},
                    FolderCase{"\\\\server\\share\\gerlex.uil", "\\\\server\\share\\"},
                    FolderCase{"C:\\Ordner.mit.Punkt\\gerlex", "C:\\Ordner.mit.Punkt\\"},
                    FolderCase{"gerlex.uil", ""}, FolderCase{"", ""}));

}  // namespace
