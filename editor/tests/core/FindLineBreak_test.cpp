#include <gtest/gtest.h>

#include "editor/tests/core/DocTestSupport.h"

namespace {

// Every printable character 10 pixels wide.
class TenPixelMetrics : public IDocMetrics {
 public:
  int GetPixelsPerInchX() const override { return 96; }
  int GetPixelsPerInchY() const override { return 96; }
  DocCharMetrics MeasureChar(const CString&, WORD, UINT, BYTE letter, BYTE) const override {
    DocCharMetrics m;
    m.height = 20;
    m.ascent = 16;
    m.descent = 4;
    m.width = (letter == 0 || letter == 9 || IsBreakLetter(letter)) ? 0 : 10;
    return m;
  }
};

struct BreakCase {
  const char* name;
  const char* text;  // \r line break, \t tab
  int maxWidth;
  int next;  // index of the character that begins the next line, -1 none
  int width;
};

// Index 0 is the head node; the text follows from 1.
const BreakCase kBreakCases[] = {
    {"fits", "abc", 50, -1, 30},
    {"one long word breaks where it overflows", "abcdefgh", 50, 6, 50},
    {"wraps after the last space that fits", "ab cdefg", 50, 4, 30},
    {"space at the edge stays, next word wraps", "abcd efg", 50, 6, 50},
    {"space that overflows begins the next line", "abcde fg", 50, 6, 50},
    {"wraps after a hyphen", "ab-cdef", 50, 4, 30},
    {"a line break ends the line", "ab\rcd", 50, 3, 20},
    {"a page break ends the line",
     "ab\x0c"
     "cd",
     50, 3, 20},
    {"tab jumps to the next stop", "a\tb", 100, -1, 58},
    {"tab beyond the last stop has no width", "aaaaaaaaaaaaaaaaaaaa\tb", 240, -1, 210},
    {"wraps after a tab", "abc\tdefgh", 60, 5, 48},
};

class FindLineBreakTest : public ::testing::TestWithParam<BreakCase> {};

TEST_P(FindLineBreakTest, Table) {
  const BreakCase& c = GetParam();
  TenPixelMetrics metrics;
  RecordingUISink ui;
  DocTextModel model(metrics, ui);
  DocSideDefaults defaults[kDocSideCount];
  for (auto& d : defaults) {
    d.face = "Arial";
    d.pageSettings = SmallPage();  // 240 pixels of text, stops every 48
    d.tabInterval = 500;
  }
  model.InitContents(defaults);
  model.CreateEmptySides();
  // The text as one line, the way a file load leaves it before layout.
  model.SetBulkInsert(TRUE);
  DocCharNode* after = model.GetHead(0);
  for (const char* p = c.text; *p; p++) {
    after = model.InsertCharAfter(after, static_cast<BYTE>(*p), 0);
    model.MeasureCharNode(after, 0);
  }
  model.SetBulkInsert(FALSE);
  std::vector<DocCharNode*> chars = SideChars(model, 0);
  int width = -1;
  DocCharNode* next =
      model.FindLineBreak(model.GetHead(0)->line, *model.GetFirstLayout(0), width, c.maxWidth);
  EXPECT_EQ(next, c.next < 0 ? nullptr : chars[c.next]) << c.name;
  EXPECT_EQ(width, c.width) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Table, FindLineBreakTest, ::testing::ValuesIn(kBreakCases));

TEST(FindLineBreakTest, ALineKeepsAtLeastOneCharacter) {
  TenPixelMetrics metrics;
  RecordingUISink ui;
  DocTextModel model(metrics, ui);
  DocSideDefaults defaults[kDocSideCount];
  for (auto& d : defaults) d.pageSettings = SmallPage();
  model.InitContents(defaults);
  model.CreateEmptySides();
  model.SetBulkInsert(TRUE);
  DocCharNode* a = model.InsertCharAfter(model.GetHead(0), 'a', 0);
  DocCharNode* b = model.InsertCharAfter(a, 'b', 0);
  model.MeasureCharNode(a, 0);
  model.MeasureCharNode(b, 0);
  model.SetBulkInsert(FALSE);
  const CPageLayout& layout = *model.GetFirstLayout(0);
  int width;
  EXPECT_EQ(model.FindLineBreak(model.GetHead(0)->line, layout, width, 5), a);
  DocLineNode* line = model.CreateLineAfter(model.GetHead(0)->line, a);
  EXPECT_EQ(model.FindLineBreak(line, layout, width, 5), b);
  EXPECT_EQ(width, 10);
}

}  // namespace
