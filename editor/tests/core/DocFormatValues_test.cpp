// The values the spacing and column dialogs start from follow what the
// formatting commands set: the caret paragraph's line space, the selection's
// word space, the first column section of the range, and the caret's page.
#include <gtest/gtest.h>

#include "editor/core/DocFormatting.h"
#include "editor/tests/core/DocViewTestSupport.h"

namespace format_values {

// Two paragraphs on the English side: characters 1-10 and 11-21 (the break
// at 11).
const char kText[] = "alpha beta\rgamma delta";
constexpr int kSecondBreak = 11;

struct ValuesDoc : ViewDoc {
  ValuesDoc() : fmt(editor, ui) {
    LoadSides(kText, "");
    Activate(kEnglish);
  }
  DocCharNode* At(int index) { return ViewDoc::At(kEnglish, index); }
  void PutCaret(int index) {
    editor.ClearSelection();
    model.Side(kEnglish).caret = At(index);
  }
  DocFormatting fmt;
};

TEST(DocFormatValues, LineAndWordSpacesAreThoseOfTheCaretParagraphAndTheSelection) {
  ValuesDoc d;
  d.PutCaret(3);
  EXPECT_EQ(d.fmt.GetExtraLineSpacing(), 0);
  ASSERT_TRUE(d.fmt.SetExtraLineSpacing(150).changed);
  EXPECT_EQ(d.fmt.GetExtraLineSpacing(), 150);
  d.PutCaret(kSecondBreak + 3);
  EXPECT_EQ(d.fmt.GetExtraLineSpacing(), 0) << "the other paragraph";

  d.editor.SetSelection(d.At(4), d.At(8));  // "a be"
  EXPECT_EQ(d.fmt.GetExtraWordSpacing(), 0);
  ASSERT_TRUE(d.fmt.SetExtraWordSpacing(40).changed);
  EXPECT_EQ(d.fmt.GetExtraWordSpacing(), 40);
  d.PutCaret(1);
  EXPECT_EQ(d.fmt.GetExtraWordSpacing(), 0) << "before the spaced characters";
}

TEST(DocFormatValues, ColumnsComeFromTheFirstParagraphInASection) {
  ValuesDoc d;
  d.PutCaret(3);
  DocColumnSettings none = d.fmt.GetColumnSettings();
  EXPECT_EQ(none.count, 1);
  EXPECT_EQ(none.gapPixels, 0);

  d.PutCaret(kSecondBreak + 3);
  DocColumnSettings two;
  two.count = 2;
  two.gapPixels = 24;
  two.gap = 0.25;
  two.unit = 1;
  ASSERT_TRUE(d.fmt.SetColumns(two).changed);
  const DocColumnSettings got = d.fmt.GetColumnSettings();
  EXPECT_EQ(got.count, 2);
  EXPECT_EQ(got.gapPixels, 24);
  EXPECT_DOUBLE_EQ(got.gap, 0.25);
  // A selection over both paragraphs finds the second one's section.
  d.editor.SetSelection(d.At(2), d.At(kSecondBreak + 2));
  EXPECT_EQ(d.fmt.GetColumnSettings().count, 2);
  d.PutCaret(3);
  EXPECT_EQ(d.fmt.GetColumnSettings().count, 1);
}

TEST(DocFormatValues, TheCaretPageGivesItsLayout) {
  ValuesDoc d;
  d.PutCaret(3);
  const CPageLayout* layout = d.fmt.GetCaretPageLayout();
  ASSERT_NE(layout, nullptr);
  EXPECT_EQ(layout, d.model.GetFirstLayout(kEnglish));
}

}  // namespace format_values
