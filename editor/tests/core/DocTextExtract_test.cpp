// Flat text out of a side and stored text back in: the selection, the word
// and phrase at the caret, flat runs, and both sides built after loading.
#include "editor/tests/core/DocEditTestSupport.h"
#include "hebtext/core/HebChar.h"

namespace {

std::string Letters(const CString& s) {
  std::string out;
  for (int i = 0; i < s.GetLength(); i++) out += static_cast<char>(s[i]);
  return out;
}

TEST(DocTextExtract, SelectionFlattensWithoutTheHeadAndWithItsFormats) {
  EditDoc doc;
  doc.model.SetCurrentSide(0);
  doc.Load(0, "ab\rcd");
  doc.model.Side(0).caret = doc.Head(0)->next;
  doc.Head(0)->next->point = HebCode::Qamats;  // an ordinary font: no point out
  doc.editor.SetSelection(doc.Head(0), SideChars(doc.model, 0).back());
  CString letters;
  CByteArray points;
  CDWordArray attrs, formats;
  ASSERT_TRUE(doc.editor.GetSelectionText(0, letters, points, attrs, formats));
  EXPECT_EQ(Letters(letters), "ab\rcd");
  for (int i = 0; i < points.GetSize(); i++) EXPECT_EQ(points[i], 0);
  EXPECT_EQ(formats.GetSize(), 2);
  for (int i = 0; i < attrs.GetSize(); i++) EXPECT_NE(attrs[i] & CharAttrBits::kTransientMark, 0u);
  doc.editor.ClearSelection();
  EXPECT_FALSE(doc.editor.GetSelectionText(0, letters, points, attrs, formats));
  EXPECT_EQ(letters.GetLength(), 0);
}

struct WordCase {
  const char* text;
  int caret;  // characters before the caret
  const char* word;
};

const WordCase kWords[] = {
    {"pay 12,500 now", 6, "12,500"}, {"word, next", 2, "word"}, {"one two", 3, "one"},
    {"one two", 4, "two"},           {"one  ", 4, ""},
};

TEST(DocTextExtract, WordAtCaret) {
  for (const WordCase& c : kWords) {
    SCOPED_TRACE(c.text);
    EditDoc doc;
    doc.Load(0, c.text);
    doc.model.Side(0).caret = SideChars(doc.model, 0)[c.caret];
    CString letters;
    CByteArray points;
    CDWordArray attrs;
    DocCharNode *first, *last;
    BOOL found = doc.editor.GetWordAtCaret(0, letters, points, attrs, first, last);
    EXPECT_EQ(found != FALSE, *c.word != 0);
    if (found) {
      EXPECT_EQ(Letters(letters), c.word);
    }
  }
}

TEST(DocTextExtract, PhraseRunsToTheSentenceEnd) {
  EditDoc doc;
  doc.Load(0, "Go. 12 apples here. Next");
  doc.model.Side(0).caret = SideChars(doc.model, 0)[8];
  CString letters;
  CByteArray points;
  CDWordArray attrs;
  DocCharNode *first, *last;
  ASSERT_TRUE(doc.editor.GetPhraseAtCaret(0, letters, points, attrs, first, last));
  EXPECT_EQ(Letters(letters), "12 apples here.");
}

TEST(DocTextExtract, BuildsASideAsStored) {
  EditDoc doc;
  DocLoadBuffers& b = doc.editor.LoadBuffers(1);
  const BYTE text[] = {HebCode::Bet,  HebCode::Shuruk,  kLetterLineBreak,
                       HebCode::Alef, kLetterPageBreak, HebCode::Gimel};
  const BYTE points[] = {HebCode::HatafPatah, HebCode::Shuruk, 0, HebCode::Qamats, 0, 0};
  for (int i = 0; i < 6; i++) {
    b.letters += static_cast<TCHAR>(text[i]);
    b.points.Add(points[i]);
    b.attributes.Add(doc.Head(1)->attributes);
  }
  b.lineFormats.Add(1);
  b.lineFormats.Add(2);
  b.lineFormats.Add(0);
  CPageLayout* def = new CPageLayout;
  def->settings = SmallPage();
  b.layouts.Add(def);
  CPageLayout* first = new CPageLayout;
  first->settings = SmallPage();
  first->settings.topMargin = 500;
  b.layouts.Add(first);
  CPageLayout* second = new CPageLayout;
  second->settings = SmallPage();
  second->settings.leftMargin = 400;
  b.layouts.Add(second);
  ASSERT_EQ(doc.editor.BuildSidesFromBuffers(nullptr, FALSE, 96), 1);
  CheckModel(doc.model, true);
  SideState s = CaptureSide(doc.model, 1);
  EXPECT_EQ(s.letters, std::vector<int>(text, text + 6));
  EXPECT_EQ(s.points, std::vector<int>(points, points + 6));
  EXPECT_EQ(s.formats, (std::vector<DWORD>{1, 2, 0}));
  ASSERT_EQ(s.layouts.size(), 2u);
  EXPECT_EQ(doc.model.GetNthLayout(1, 0)->settings.topMargin, 500);
  EXPECT_EQ(doc.model.GetNthLayout(1, 1)->settings.leftMargin, 400);
  EXPECT_EQ(doc.model.GetCurrentSide(), 1);
  EXPECT_EQ(b.letters.GetLength(), 0);
}

TEST(DocTextExtract, BuildingLeavesOutTheNulBytesOfAFilesText) {
  EditDoc doc;
  DocLoadBuffers& b = doc.editor.LoadBuffers(0);
  b.letters = CString("a\0b\0", 4);
  ASSERT_EQ(doc.editor.BuildSidesFromBuffers(nullptr, FALSE, 96), 1);
  CheckModel(doc.model, true);
  EXPECT_EQ(doc.Text(0), "ab");
}

class CancellingProgress : public IDocBuildProgress {
 public:
  void Begin(LPCSTR, int range) override { this->range = range; }
  BOOL Step(int position) override {
    steps.push_back(position);
    return position < cancelAt;
  }
  int range = 0, cancelAt = 1 << 30;
  std::vector<int> steps;
};

TEST(DocTextExtract, ProgressStepsEveryQuarterThousandAndCancels) {
  EditDoc doc;
  doc.editor.LoadBuffers(0).letters = CString('x', 1000);
  CancellingProgress progress;
  EXPECT_EQ(doc.editor.BuildSidesFromBuffers(&progress, FALSE, 96), 1);
  EXPECT_EQ(progress.steps, (std::vector<int>{0, 250, 500, 750}));
  EXPECT_EQ(doc.model.GetCurrentSide(), 0);

  EditDoc cancelled;
  cancelled.editor.LoadBuffers(1).letters = CString('x', 1000);
  CancellingProgress stop;
  stop.cancelAt = 500;
  EXPECT_EQ(cancelled.editor.BuildSidesFromBuffers(&stop, FALSE, 96), 0);
}

}  // namespace
