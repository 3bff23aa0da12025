// The program folder and path tests.
#include "hebtext/core/ProgramPath.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgramPath, PrefixesTheProgramsFolder) {
  SetProgramFolder("C:\\Program Files\\Zulta\\Zulta.exe");
  EXPECT_STREQ(GetProgramFolder(), "C:\\Program Files\\Zulta\\");
  CString path;
  MakeProgramPath(path, "bin\\words.dat");
  EXPECT_STREQ(path, "C:\\Program Files\\Zulta\\bin\\words.dat");
  SetProgramFolder("Zulta.exe");
  EXPECT_STREQ(GetProgramFolder(), "");
}

TEST(HasExtension, ComparesTheExtensionIgnoringCase) {
  struct Case {
    const char* path;
    const char* extension;
    BOOL expected;
  } const cases[] = {
      {"doc.ZLT", "zlt", TRUE},   {"c:\\a.b\\doc.rtf", "RTF", TRUE},
      {"doc.zlt", "rtf", FALSE},  {"doczlt", "zlt", FALSE},
      {"zlt", "zlt", FALSE},      {".zlt", "zlt", TRUE},
      {"doc.zlt2", "zlt", FALSE},
  };
  for (const auto& c : cases) EXPECT_EQ(HasExtension(c.path, c.extension), c.expected) << c.path;
}

}  // namespace
