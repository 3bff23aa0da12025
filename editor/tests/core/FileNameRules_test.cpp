#include "editor/core/FileNameRules.h"

#include <gtest/gtest.h>

namespace {

TEST(FileNameRulesTest, FindsTheFirstRefusedCharacter) {
  struct Case {
    const char* name;
    int at;
  } cases[] = {
      {"letter.zlt", -1}, {"*.rtf", -1},   {"a?c", -1},   {"", -1},
      {"a\\b", 1},        {"/x", 0},       {"c:d", 1},    {"say\"hi\"", 3},
      {"<x>", 0},         {"x>y", 1},      {"pipe|", 4},  {"ok:then|", 2},
  };
  for (const Case& c : cases) EXPECT_EQ(FindBadFileNameChar(c.name), c.at) << c.name;
  EXPECT_STREQ(kBadFileNameMessage, "A Filename may not contain the characters: \\ / : \" < > |");
  EXPECT_STREQ(kBadFileNameCaption, "Bad File Name");
}

TEST(FileNameRulesTest, WildcardsMakeAPattern) {
  EXPECT_TRUE(IsWildcardName("*.rtf"));
  EXPECT_TRUE(IsWildcardName("let?er"));
  EXPECT_FALSE(IsWildcardName("letter.zlt"));
  EXPECT_TRUE(IsAllFilesPattern("*.*"));
  EXPECT_FALSE(IsAllFilesPattern("*.zlt"));
}

TEST(FileNameRulesTest, TypeTableInBoxOrder) {
  ASSERT_EQ(kFileTypeCount, 4);
  const char* patterns[] = {"*.zlt", "*.rtf", "*.txt", "*.*"};
  const char* texts[] = {"Zulta Files (*.zlt)", "Rich Text Files (*.rtf)", "Text Files (*.txt)",
                         "All Files (*.*)"};
  for (int i = 0; i < kFileTypeCount; ++i) {
    EXPECT_STREQ(kFileTypes[i].pattern, patterns[i]);
    EXPECT_STREQ(kFileTypes[i].text, texts[i]);
  }
  EXPECT_EQ(kFileTypes[3].extension, nullptr);
  EXPECT_STREQ(FileTypeAt(-1).pattern, "*.*");
  EXPECT_STREQ(FileTypeAt(kFileTypeCount).pattern, "*.*");
}

TEST(FileNameRulesTest, TypeEntryFollowsTheExtension) {
  struct Case {
    const char* name;
    int index;
  } cases[] = {
      {"letter.zlt", 0}, {"LETTER.ZLT", 0}, {"a.rtf", 1}, {"notes.Txt", 2},
      {"x.doc", 3},      {"zlt", 3},        {"", 3},      {"a.zlt.bak", 3},
  };
  for (const Case& c : cases) EXPECT_EQ(FileTypeIndexForName(c.name), c.index) << c.name;
}

TEST(FileNameRulesTest, SaveAddsTheTypesExtensionWhenNoDotIsNearTheEnd) {
  struct Case {
    const char* name;
    int type;
    const char* saved;
  } cases[] = {
      {"letter", 0, "letter.zlt"},     {"letter", 1, "letter.rtf"},
      {"letter", 2, "letter.txt"},     {"letter", 3, "letter"},
      {"x.zl", 0, "x.zl"},             {"a.b", 0, "a.b"},
      {"ab", 0, "ab.zlt"},             {"a", 1, "a.rtf"},
      {".", 0, "."},                   {"", 0, ".zlt"},
      {"my.letter", 0, "my.letter.zlt"}, {"note.", 2, "note."},
      {"letter", 99, "letter"},
  };
  for (const Case& c : cases)
    EXPECT_STREQ(WithDefaultExtension(c.name, c.type), c.saved) << c.name << " " << c.type;
}

TEST(FileNameRulesTest, OverwriteQuestion) {
  EXPECT_STREQ(FormatOverwriteQuestion("letter.zlt"),
               "The file 'letter.zlt' already exists!\n\tOVERWRITE?");
  EXPECT_STREQ(kOverwriteCaption, "Warning: File Exists");
}

}  // namespace
