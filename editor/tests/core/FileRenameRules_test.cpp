#include <gtest/gtest.h>

#include "editor/core/FileRenameRules.h"

namespace {

TEST(FileRenameRules, DecidesFromColumnAndText) {
  const struct {
    int column;
    const char* text;
    RenameDecision decision;
  } cases[] = {
      {0, "b.zlt", kRenameFile},     {1, "b.zlt", kRenameNothing},  {0, nullptr, kRenameNothing},
      {0, "", kRenameNothing},       {0, "A.ZLT", kRenameNothing},  {0, "a.zlt", kRenameNothing},
      {0, "a*.zlt", kRenameRefused}, {0, "a?", kRenameRefused},     {0, "x\\y", kRenameRefused},
      {0, "x/y", kRenameRefused},    {0, "c:", kRenameRefused},     {0, "\"q\"", kRenameRefused},
      {0, "<a>", kRenameRefused},    {0, "a|b", kRenameRefused},    {0, "a b.c", kRenameFile},
  };
  for (const auto& c : cases) {
    RenameMessage message;
    EXPECT_EQ(c.decision, DecideRename(c.column, c.text, "a.zlt", message)) << (c.text ? c.text : "");
    EXPECT_EQ(c.decision == kRenameRefused, !message.text.IsEmpty());
  }
  RenameMessage message;
  DecideRename(0, "a:b", "a.zlt", message);
  EXPECT_STREQ("A Filename may not contain the characters: * ? \\ / : \" < > |", message.text);
  EXPECT_STREQ("Bad File Name", message.caption);
}

TEST(FileRenameRules, NewPathKeepsTheFolder) {
  EXPECT_STREQ("C:\\docs\\b.zlt", RenamedPath("C:\\docs\\a.zlt", "b.zlt"));
  EXPECT_STREQ("b.zlt", RenamedPath("a.zlt", "b.zlt"));
}

TEST(FileRenameRules, ExistingTargetNamesTheFileAlone) {
  const RenameMessage message = RenameTargetExistsMessage("C:\\docs\\b.zlt");
  EXPECT_STREQ("The file: 'b.zlt' already exists!", message.text);
  EXPECT_STREQ("Error Renaming File", message.caption);
  EXPECT_STREQ("The file: '100%' already exists!", RenameTargetExistsMessage("C:\\100%").text);
}

}  // namespace
