// The structure check finds each kind of broken link or bound that an edit
// could leave, and nothing in a sound side.
#include <string>

#include "editor/tests/core/DocTestSupport.h"

namespace {

class DocStructureCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string text = "first\rsecond\f";
    for (int i = 0; i < 40; i++) text += "word and word ";
    doc.Load(1, text);
    for (DocLineNode* l = doc.Head(1)->line; l != nullptr; l = l->next) lines.push_back(l);
    ASSERT_GT(doc.model.GetPageCount(1), 2);
  }

  // The fault the check reports while field holds bad; the field is put back.
  template <class T>
  std::string FaultWhile(T& field, T bad) {
    T good = field;
    field = bad;
    CString fault = doc.model.FindStructureFault(1);
    field = good;
    return static_cast<LPCSTR>(fault);
  }

  // A line that continues its paragraph: wrapped, not begun by a break.
  DocLineNode* WrappedLine() {
    for (DocLineNode* l : lines)
      if (l->prev != nullptr && !IsBreakLetter(l->first->letter)) return l;
    return nullptr;
  }

  TestDoc doc;
  std::vector<DocLineNode*> lines;
};

TEST_F(DocStructureCheckTest, SoundSidesHaveNoFault) {
  EXPECT_STREQ(doc.model.FindStructureFault(0), "");
  EXPECT_STREQ(doc.model.FindStructureFault(1), "");
}

TEST_F(DocStructureCheckTest, EachBrokenLinkOrBoundIsFound) {
  DocCharNode* head = doc.Head(1);
  DocCharNode* lineBreak = lines[1]->first;
  DocLineNode* wrapped = WrappedLine();
  ASSERT_NE(wrapped, nullptr);
  DocPageNode* secondPage = doc.model.GetNthPage(1, 1);
  CPageLayout* secondLayout = doc.model.GetNthLayout(1, 1);
  DocSideState& side = doc.model.Side(1);

  EXPECT_NE(FaultWhile(lineBreak->next->prev, head), "") << "character back link";
  EXPECT_NE(FaultWhile(lineBreak->next->letter, BYTE(0)), "") << "a second head";
  EXPECT_NE(FaultWhile(lineBreak->line, static_cast<DocLineNode*>(nullptr)), "")
      << "a break that begins no line";
  EXPECT_NE(FaultWhile(lines[2]->first, lines[2]->first->next), "") << "line start";
  EXPECT_NE(FaultWhile(lines[2]->prev, lines[0]), "") << "line back link";
  EXPECT_NE(FaultWhile(lines[0]->last, head), "") << "line end";
  EXPECT_NE(FaultWhile(wrapped->format, wrapped->format ^ 1), "") << "paragraph format";
  EXPECT_NE(FaultWhile(secondPage->first->page, static_cast<DocPageNode*>(nullptr)), "")
      << "a page that begins at no line";
  EXPECT_NE(FaultWhile(secondPage->side, DWORD(0)), "") << "page side";
  EXPECT_NE(FaultWhile(secondPage->prev->last, secondPage->first), "") << "page end";
  EXPECT_NE(FaultWhile(secondLayout->prev, static_cast<CPageLayout*>(nullptr)), "")
      << "layout back link";
  EXPECT_NE(FaultWhile(secondLayout->next, static_cast<CPageLayout*>(nullptr)), "")
      << "fewer layouts than pages";
  EXPECT_NE(FaultWhile(side.caret, doc.Head(0)), "") << "caret on the other side";
  EXPECT_NE(FaultWhile(side.anchor, doc.Head(0)->line->first), "") << "anchor on the other side";
}

}  // namespace
