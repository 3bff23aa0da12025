#include <gtest/gtest.h>

#include "editor/tests/core/DocTestSupport.h"

namespace {

CharAttr WithFont(CharAttr attr, WORD index) {
  return SetAttrField(attr, CharAttrBits::kFontShift, CharAttrBits::kFontMask, index);
}

TEST(DocStyleTablesTest, DefaultsKeepEveryTableAtOneEntry) {
  TestDoc doc;
  doc.Load(1, "plain text in the side's own font");
  const DocStyleTables& t = doc.model.GetStyleTables();
  for (int table = 0; table < kStyleTableCount; table++)
    EXPECT_EQ(t.GetCount(static_cast<DocStyleTable>(table)), 1) << table;
  EXPECT_EQ(doc.model.FindOrAddFontName(1, "POMLAR SEPHARDI 2"), 0) << "the default face, any case";
  EXPECT_EQ(doc.model.FindOrAddFontSize(1, 12), 0);
  EXPECT_EQ(doc.model.FindOrAddWordSpace(0), 0);
  EXPECT_EQ(doc.model.FindOrAddLineSpace(0), 0);
}

TEST(DocStyleTablesTest, MinusOneAndTheSideDefaultColourGiveIndexZero) {
  TestDoc doc;
  COLORREF defaultText = doc.model.Side(doc.model.GetCurrentSide()).colors[0];
  COLORREF defaultBack = doc.model.Side(doc.model.GetCurrentSide()).colors[1];
  EXPECT_EQ(doc.model.FindOrAddTextColor(0xFFFFFFFF), 0);
  EXPECT_EQ(doc.model.FindOrAddTextColor(defaultText), 0);
  EXPECT_EQ(doc.model.FindOrAddBackColor(0xFFFFFFFF), 0);
  EXPECT_EQ(doc.model.FindOrAddBackColor(defaultBack), 0);
  EXPECT_EQ(doc.model.FindOrAddTextColor(0x123456), 1);
  EXPECT_EQ(doc.model.FindOrAddTextColor(0x123456), 1);
  EXPECT_EQ(doc.model.FindOrAddTextColor(0x654321), 2);
}

struct LimitCase {
  const char* name;
  DocStyleTable table;
  int limit;
  const char* message;
};

const LimitCase kLimitCases[] = {
    {"text colours", kTextColors, 64, "Maximum Number of Text Colors Reached"},
    {"back colours", kBackColors, 32, "Maximum Number of Back Colors Reached"},
    {"font names", kFontNames, 64, "Maximum Number of Font Names Reached"},
    {"font sizes", kFontSizes, 64, "Maximum Number of Font Sizes Reached"},
    {"word space", kWordSpace, 16, "Maximum Number of Extra-Word-Space Values Reached"},
    {"line space", kLineSpace, 16, "Maximum Number of Extra-Line-Space Values Reached"},
};

WORD AddDistinct(DocTextModel& model, DocStyleTable table, int i) {
  switch (table) {
    case kTextColors: return model.FindOrAddTextColor(0x10000 + i);
    case kBackColors: return model.FindOrAddBackColor(0x10000 + i);
    case kFontNames: {
      CString face;
      face.Format("Face %d", i);
      return model.FindOrAddFontName(1, face);
    }
    case kFontSizes: return model.FindOrAddFontSize(1, static_cast<WORD>(100 + i));
    case kWordSpace: return model.FindOrAddWordSpace(static_cast<WORD>(1 + i));
    case kLineSpace: return model.FindOrAddLineSpace(static_cast<WORD>(1 + i));
    default: return kStyleTableFull;
  }
}

// Gives one character per entry so that no entry is free to compact.
void UseEveryEntry(TestDoc& doc, DocStyleTable table) {
  const DocStyleTables& t = doc.model.GetStyleTables();
  DocCharNode* after = doc.Head(1);
  while (after->next != nullptr) after = after->next;
  for (int i = 1; i < t.GetCount(table); i++) {
    after = doc.model.InsertCharAfter(
        after, table == kLineSpace ? static_cast<BYTE>(kLetterLineBreak) : static_cast<BYTE>('x'),
        0);
    if (table == kLineSpace) {
      after->line->format =
          SetAttrField(0, LineFormatBits::kLineSpaceShift, LineFormatBits::kLineSpaceMask, i);
      continue;
    }
    static const int kShift[] = {CharAttrBits::kTextColorShift, CharAttrBits::kBackColorShift,
                                 CharAttrBits::kFontShift, CharAttrBits::kSizeShift,
                                 CharAttrBits::kWordSpaceShift};
    static const DWORD kMask[] = {CharAttrBits::kTextColorMask, CharAttrBits::kBackColorMask,
                                  CharAttrBits::kFontMask, CharAttrBits::kSizeMask,
                                  CharAttrBits::kWordSpaceMask};
    after->attributes = SetAttrField(0, kShift[table], kMask[table], i);
  }
}

class StyleLimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(StyleLimitTest, FullTableShowsItsMessageOnlyWhenEveryEntryIsUsed) {
  const LimitCase& c = GetParam();
  TestDoc doc;
  doc.model.SetCurrentSide(1);
  for (int i = 1; i < c.limit; i++) ASSERT_EQ(AddDistinct(doc.model, c.table, i), i) << c.name;
  EXPECT_EQ(doc.model.GetStyleTables().GetCount(c.table), c.limit);

  // Nothing uses the entries yet: compaction makes room.
  EXPECT_EQ(AddDistinct(doc.model, c.table, 1000), 1) << c.name;
  EXPECT_TRUE(doc.model.TakeMessages().empty());

  for (int i = 2; i < c.limit; i++) AddDistinct(doc.model, c.table, 2000 + i);
  ASSERT_EQ(doc.model.GetStyleTables().GetCount(c.table), c.limit);
  UseEveryEntry(doc, c.table);
  EXPECT_EQ(AddDistinct(doc.model, c.table, 3000), kStyleTableFull) << c.name;
  UserMessageList messages = doc.model.TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_STREQ(messages[0].text, c.message);
  EXPECT_STREQ(messages[0].caption, "");
  EXPECT_EQ(doc.model.GetStyleTables().GetCount(c.table), c.limit);
}

INSTANTIATE_TEST_SUITE_P(Table, StyleLimitTest, ::testing::ValuesIn(kLimitCases));

TEST(DocStyleTablesTest, CompactionRenumbersTheCharactersThatStay) {
  TestDoc doc;
  doc.Load(1, "abc");
  std::vector<DocCharNode*> chars = SideChars(doc.model, 1);
  WORD f1 = doc.model.FindOrAddFontName(1, "Arial");
  WORD f2 = doc.model.FindOrAddFontName(1, "Courier");
  WORD f3 = doc.model.FindOrAddFontName(1, "Tahoma");
  chars[1]->attributes = WithFont(chars[1]->attributes, f1);
  chars[2]->attributes = WithFont(chars[2]->attributes, f3);
  chars[3]->attributes = WithFont(chars[3]->attributes, f3);
  (void)f2;
  EXPECT_EQ(doc.model.CompactFontNames(TRUE), 3);
  EXPECT_EQ(AttrFont(chars[1]->attributes), 1u);
  EXPECT_EQ(AttrFont(chars[2]->attributes), 2u);
  EXPECT_EQ(doc.model.GetStyleTables().fontNames[2], "Tahoma");
}

TEST(DocStyleTablesTest, SelectedCharactersDoNotHoldTheirEntries) {
  TestDoc doc;
  doc.model.SetCurrentSide(1);
  doc.Load(1, "abcd");
  std::vector<DocCharNode*> chars = SideChars(doc.model, 1);
  WORD f1 = doc.model.FindOrAddFontName(1, "Arial");
  WORD f2 = doc.model.FindOrAddFontName(1, "Courier");
  chars[1]->attributes = WithFont(chars[1]->attributes, f1);
  chars[3]->attributes = WithFont(chars[3]->attributes, f2);
  // Selection of characters 2 and 3: caret after 1, anchor on 3.
  doc.model.Side(1).caret = chars[1];
  doc.model.Side(1).anchor = chars[3];
  EXPECT_EQ(doc.model.CompactFontNames(FALSE), 2);
  EXPECT_EQ(AttrFont(chars[1]->attributes), 1u);
  EXPECT_EQ(AttrFont(chars[3]->attributes), 0u) << "restyled by the caller";
  EXPECT_EQ(doc.model.CompactFontNames(TRUE), 2);
}

TEST(DocStyleTablesTest, IndexBeyondTheTableReadsAsZero) {
  TestDoc doc;
  EXPECT_EQ(doc.model.GetWordSpace(15), 0);
  EXPECT_EQ(doc.model.GetLineSpace(9), 0);
  CString face;
  WORD size;
  UINT style;
  doc.model.GetAttrFont(WithFont(0, 40), 1, face, size, style);
  EXPECT_EQ(face, "Pomlar Sephardi 2");
}

TEST(DocStyleTablesTest, WordSpaceWidensSpacesAndASizeOfZeroNeverDivides) {
  TestDoc doc;
  doc.Load(0, "a b");
  DocCharNode* space = SideChars(doc.model, 0)[2];
  int plain = space->width;
  WORD ws = doc.model.FindOrAddWordSpace(40);
  space->attributes = SetAttrField(space->attributes, CharAttrBits::kWordSpaceShift,
                                   CharAttrBits::kWordSpaceMask, ws);
  doc.model.MeasureCharNode(space, 0);
  // height 19 / (12 * 4.0) * 40 = 15.8, truncated
  EXPECT_EQ(space->width, plain + 15);

  WORD zero = doc.model.FindOrAddFontSize(0, 0);
  space->attributes =
      SetAttrField(space->attributes, CharAttrBits::kSizeShift, CharAttrBits::kSizeMask, zero);
  doc.model.MeasureCharNode(space, 0);
  EXPECT_EQ(space->width, 0);
}

TEST(DocStyleTablesTest, LineSpaceAddsToTheLineHeight) {
  TestDoc doc;
  doc.Load(0, "abc");
  DocLineNode* line = doc.Head(0)->line;
  int plain = doc.model.LineHeight(line);
  WORD index = doc.model.FindOrAddLineSpace(50);
  line->format = SetAttrField(line->format, LineFormatBits::kLineSpaceShift,
                              LineFormatBits::kLineSpaceMask, index);
  EXPECT_EQ(doc.model.LineHeight(line), plain + (plain * 50 + 50) / 100);
}

}  // namespace

namespace {

TEST(DocFontListTest, FontsOtherThanTheCaretsInAlphabeticalOrderWithPaddedSizes) {
  TestDoc doc;
  doc.model.SetFontListSide(0);
  doc.Load(0, "abcd");
  std::vector<DocCharNode*> chars = SideChars(doc.model, 0);
  WORD courier = doc.model.FindOrAddFontName(0, "Courier");
  WORD arial = doc.model.FindOrAddFontName(0, "arial");
  WORD size9 = doc.model.FindOrAddFontSize(0, 9);
  chars[2]->attributes = WithFont(chars[2]->attributes, courier);
  chars[3]->attributes = SetAttrField(WithFont(chars[3]->attributes, arial),
                                      CharAttrBits::kSizeShift, CharAttrBits::kSizeMask, size9) |
                         (1u << CharAttrBits::kStyleShift);
  doc.model.Side(0).caret = chars[1];  // in the default font
  CStringArray names;
  CDWordArray keys;
  DWORD key = 0;
  int index = 7;
  ASSERT_EQ(doc.model.ListUsedFonts(names, keys, key, index, FALSE), 2);
  EXPECT_EQ(names[0], "arial\t  9\tBold");
  EXPECT_EQ(names[1], "Courier\t 12\tRegular");
  EXPECT_EQ(keys[0], 65536u + size9 * 256u + arial);
  EXPECT_EQ(keys[1], static_cast<DWORD>(courier));
  EXPECT_EQ(key, 0u) << "the caret's own font";
  EXPECT_EQ(index, -1);
}

TEST(DocFontListTest, HebrewFontsDecideHebrewTyping) {
  TestDoc doc;
  doc.model.SetCurrentSide(1);
  EXPECT_TRUE(doc.model.IsHebrewInsertFont());
  EXPECT_TRUE(doc.model.IsHebrewFontNode(1, doc.Head(1)));
  EXPECT_FALSE(doc.model.IsHebrewFontNode(0, doc.Head(0)));
  doc.model.SetPendingAttributes(WithFont(0, doc.model.FindOrAddFontName(1, "Arial")));
  EXPECT_FALSE(doc.model.IsHebrewInsertFont());
}

}  // namespace
