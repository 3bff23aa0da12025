// Cut, Copy and Paste of a document side: the texts each copy form gives,
// the format a plain Paste takes, pasted text and RTF under each filter,
// the section rules of deleting a selection and one undo step per command.
#include "editor/core/DocClipboard.h"

#include <gtest/gtest.h>

#include <string>

#include "editor/core/DocumentPath.h"
#include "editor/core/HebrewCharsetFonts.h"
#include "editor/core/PageLayoutCopy.h"
#include "editor/tests/core/DocEditTestSupport.h"
#include "hebtext/core/HebChar.h"

namespace {

// שָׁלוֹם in the program's codes: shin with its dot and qamats, lamed with
// holam male, final mem.
const BYTE kShalomLetters[] = {HebCode::ShinShinDot, HebCode::Lamed, HebCode::FinalMem};
const BYTE kShalomPoints[] = {HebCode::Qamats, HebCode::HolamMale, 0};
// The same word in Windows-1255 with combining points, vav before holam, and
// in UTF-16.
const char kShalomAnsi[] = "\xF9\xD1\xC8\xEC\xE5\xC9\xED";
const char kShalomAnsiHolamFirst[] = "\xF9\xD1\xC8\xEC\xC9\xE5\xED";
const char kShalomUtf8[] =
    "\xD7\xA9\xD7\x81\xD6\xB8\xD7\x9C\xD7\x95\xD6\xB9\xD7\x9D";  // U+05E9 05C1 05B8 05DC 05D5 05B9
                                                                 // 05DD
const WCHAR kShalomUnicode[] = {0x05E9, 0x05C1, 0x05B8, 0x05DC, 0x05D5, 0x05B9, 0x05DD, 0};

struct ClipboardDoc : EditDoc {
  // Puts the runs at the caret of the side as a paste would, laid out.
  void Put(int side, const BYTE* letters, const BYTE* points, int count) {
    model.SetCurrentSide(side);
    CString text;
    CByteArray pointArray;
    CDWordArray attrs, formats;
    for (int i = 0; i < count; i++) {
      text += static_cast<char>(letters[i]);
      pointArray.Add(points[i]);
      attrs.Add(0);
    }
    editor.InsertRuns(text, pointArray, attrs, formats);
    model.ReformatSide(side);
  }
  void PutShalom() { Put(1, kShalomLetters, kShalomPoints, 3); }

  std::string Letters(int side) {
    std::string s;
    for (DocCharNode* c = Head(side)->next; c != nullptr; c = c->next)
      s += static_cast<char>(c->letter);
    return s;
  }
  std::string Points(int side) {
    std::string s;
    for (DocCharNode* c = Head(side)->next; c != nullptr; c = c->next)
      s += static_cast<char>(c->point);
    return s;
  }
  // The text of a paste, inserted at the caret as Paste does.
  int Paste(const std::string& text, BOOL rtf, ClipboardFilter filter,
            ClipboardDirection direction = kForward) {
    DocPasteText paste;
    paste.text = CString(text.data(), static_cast<int>(text.size()));
    paste.rtf = rtf;
    paste.options.filter = filter;
    paste.options.direction = direction;
    return editor.ReplaceSelection(paste, messages);
  }

  // The document as a step left it, the selection aside.
  DocState State() { return WithoutSelection(CaptureDoc(model)); }
  void ExpectState(const DocState& expected) {
    DocState state = State();
    EXPECT_TRUE(state == expected) << DescribeDifference(state, expected);
  }

  UserMessageList messages;
};

std::string Bytes(const BYTE* bytes, int count) {
  return std::string(reinterpret_cast<const char*>(bytes), count);
}

std::string ShalomLetters() { return Bytes(kShalomLetters, 3); }
std::string ShalomPoints() { return Bytes(kShalomPoints, 3); }

std::string Str(const CString& s) { return std::string(s, s.GetLength()); }

WideString Wide(const char* ascii) {
  WideString wide;
  for (const char* p = ascii; *p != 0; p++) wide += static_cast<WCHAR>(*p);
  return wide;
}

// --- Copy ----------------------------------------------------------------------

struct CopyCase {
  const char* name;
  ClipboardFilter form;
  VavOrder vavOrder;
  std::string text;
  bool unicode;  // the Unicode text is the word, else empty
  bool rtf;
};

TEST(DocClipboardCopy, EachTextFormPutsItsFormats) {
  const std::string stored = std::string("\xD1") + static_cast<char>(HebCode::Qamats) + "\xEC" +
                             static_cast<char>(HebCode::HolamMale) + "\xED";
  // clang-format off
  const CopyCase cases[] = {
      {"program codes",  kFilterNone,     kVavThenHolam, stored,                false, true},
      {"standard",       kFilterStandard, kVavThenHolam, kShalomAnsi,           true,  true},
      {"holam first",    kFilterStandard, kHolamThenVav, kShalomAnsiHolamFirst, true,  true},
      {"UTF-8",          kFilterUtf8,     kVavThenHolam, kShalomUtf8,           true,  false},
  };
  // clang-format on
  for (const CopyCase& c : cases) {
    SCOPED_TRACE(c.name);
    ClipboardDoc doc;
    doc.PutShalom();
    doc.editor.SelectAll();
    ClipboardTextOptions options;
    options.filter = c.form;
    options.vavOrder = c.vavOrder;
    DocClipboardCopy copy;
    ASSERT_TRUE(BuildSelectionCopy(doc.editor, options, nullptr, copy));
    EXPECT_EQ(Str(copy.text), c.text);
    if (c.unicode && c.vavOrder == kVavThenHolam) {
      EXPECT_EQ(copy.unicode, WideString(kShalomUnicode));
    }
    EXPECT_EQ(copy.unicode.empty(), !c.unicode);
    EXPECT_EQ(copy.hasRtf != FALSE, c.rtf);
    EXPECT_EQ(copy.rtf.IsEmpty() != FALSE, !c.rtf);
  }
}

TEST(DocClipboardCopy, NothingSelectedCopiesNothing) {
  ClipboardDoc doc;
  doc.PutShalom();
  DocClipboardCopy copy;
  EXPECT_FALSE(BuildSelectionCopy(doc.editor, ClipboardTextOptions(), nullptr, copy));
}

TEST(DocClipboardCopy, LinesEndInCrLfAndReverseEachOnItsOwn) {
  ClipboardDoc doc;
  doc.Load(0, "abc\rde");
  doc.model.SetCurrentSide(0);
  doc.editor.SelectAll();
  ClipboardTextOptions options;
  options.filter = kFilterStandard;
  DocClipboardCopy copy;
  ASSERT_TRUE(BuildSelectionCopy(doc.editor, options, nullptr, copy));
  EXPECT_EQ(Str(copy.text), "abc\r\nde");
  options.direction = kReverse;
  ASSERT_TRUE(BuildSelectionCopy(doc.editor, options, nullptr, copy));
  EXPECT_EQ(Str(copy.text), "cba\r\ned");
  EXPECT_EQ(copy.unicode, Wide("cba\r\ned"));
}

TEST(DocClipboardCopy, ReversedHebrewKeepsEachLettersPoints) {
  ClipboardDoc doc;
  doc.PutShalom();
  doc.editor.SelectAll();
  ClipboardTextOptions options;
  options.filter = kFilterStandard;
  options.direction = kReverse;
  DocClipboardCopy copy;
  ASSERT_TRUE(BuildSelectionCopy(doc.editor, options, nullptr, copy));
  EXPECT_EQ(Str(copy.text), "\xED\xEC\xE5\xC9\xF9\xD1\xC8");
}

// --- Paste ---------------------------------------------------------------------

TEST(DocClipboardPaste, PlainPasteTakesTheBestFormatOffered) {
  struct Case {
    ClipboardOffer offer;
    BOOL ok, rtf;
    ClipboardFilter filter;
  };
  // clang-format off
  const Case cases[] = {
      {{TRUE,  TRUE,  TRUE},  TRUE,  TRUE,  kFilterNone},
      {{TRUE,  FALSE, FALSE}, TRUE,  TRUE,  kFilterNone},
      {{FALSE, TRUE,  TRUE},  TRUE,  FALSE, kFilterWideChar},
      {{FALSE, FALSE, TRUE},  TRUE,  FALSE, kFilterNone},
      {{FALSE, FALSE, FALSE}, FALSE, FALSE, kFilterNone},
  };
  // clang-format on
  for (const Case& c : cases) {
    DocPasteText paste;
    EXPECT_EQ(ChoosePasteFormat(c.offer, paste), c.ok);
    EXPECT_EQ(paste.rtf, c.rtf);
    EXPECT_EQ(paste.options.filter, c.filter);
    EXPECT_EQ(paste.options.direction, kForward);
  }
}

TEST(DocClipboardPaste, EachFilterGivesThePointedWord) {
  std::string programCodes;
  for (int i = 0; i < 3; i++) {
    programCodes += static_cast<char>(kShalomLetters[i]);
    if (kShalomPoints[i] != 0) programCodes += static_cast<char>(kShalomPoints[i]);
  }
  struct Case {
    const char* name;
    std::string text;
    ClipboardFilter filter;
  };
  const Case cases[] = {
      {"program codes", programCodes, kFilterNone},
      {"standard", kShalomAnsi, kFilterStandard},
      {"UTF-8", kShalomUtf8, kFilterUtf8},
      {"wide characters", kShalomAnsi, kFilterWideChar},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClipboardDoc doc;
    EXPECT_EQ(doc.Paste(c.text, FALSE, c.filter), static_cast<int>(programCodes.size()));
    EXPECT_EQ(doc.Letters(1), ShalomLetters());
    EXPECT_EQ(doc.Points(1), ShalomPoints());
  }
}

TEST(DocClipboardPaste, ReversedTextPastesInReadingOrder) {
  ClipboardDoc doc;
  doc.Paste("\xED\xEC\xE5\xC9\xF9\xD1\xC8", FALSE, kFilterStandard, kReverse);
  EXPECT_EQ(doc.Letters(1), ShalomLetters());
  EXPECT_EQ(doc.Points(1), ShalomPoints());

  ClipboardDoc english;
  english.model.SetCurrentSide(0);
  english.Paste("cba\r\ned", FALSE, kFilterNone, kReverse);
  EXPECT_EQ(english.Letters(0), "abc\rde");
}

TEST(DocClipboardPaste, CopiedRtfPastesBackEqual) {
  ClipboardDoc source;
  source.PutShalom();
  source.Put(1, reinterpret_cast<const BYTE*>("\r"), reinterpret_cast<const BYTE*>("\0"), 1);
  source.PutShalom();
  source.editor.SelectAll();
  DocClipboardCopy copy;
  HebrewCharsetFonts fonts;
  ASSERT_TRUE(BuildSelectionCopy(source.editor, ClipboardTextOptions(), &fonts, copy));

  ClipboardDoc target;
  target.Paste(Str(copy.rtf), TRUE, kFilterNone);
  EXPECT_TRUE(target.messages.empty());
  EXPECT_EQ(target.Letters(1), source.Letters(1));
  EXPECT_EQ(target.Points(1), source.Points(1));
  for (DocCharNode* c = target.Head(1)->next; c != nullptr; c = c->next)
    EXPECT_TRUE(target.model.IsHebrewFontNode(1, c));
}

TEST(DocClipboardPaste, RtfParseErrorInsertsWhatWasRead) {
  ClipboardDoc doc;
  doc.model.SetCurrentSide(0);
  EXPECT_EQ(doc.Paste("{\\rtf1 abc \\'zz}", TRUE, kFilterNone), 4);
  ASSERT_EQ(doc.messages.size(), 1u);
  EXPECT_STREQ(doc.messages[0].text, "error 4 parsing rtf");
  EXPECT_STREQ(doc.messages[0].caption, "RTF Parse");
  EXPECT_EQ(doc.Letters(0).substr(0, 3), "abc");
}

// --- Undo ----------------------------------------------------------------------

TEST(DocClipboardUndo, CutAndPasteAreOneStepEach) {
  ClipboardDoc doc;
  doc.Load(1, "alpha beta gamma\rdelta");
  doc.model.SetCurrentSide(0);
  doc.Load(0, "one two");
  doc.model.SetCurrentSide(1);
  DocCharNode* head = doc.Head(1);
  DocCharNode* from = head;
  for (int i = 0; i < 6; i++) from = from->next;  // after "alpha "
  DocCharNode* to = from;
  for (int i = 0; i < 15; i++) to = to->next;  // through "beta gamma\rdelt"
  doc.editor.SetSelection(from, to);
  DocState before = doc.State();

  ASSERT_TRUE(doc.editor.CutSelection());
  EXPECT_EQ(doc.Text(1), "alpha a");
  EXPECT_EQ(doc.editor.GetStepCount(), 1);
  DocState cut = doc.State();
  EXPECT_EQ(doc.Paste("beta", FALSE, kFilterNone), 4);
  EXPECT_EQ(doc.Text(1), "alpha betaa");
  EXPECT_EQ(doc.editor.GetStepCount(), 2);
  DocState pasted = doc.State();
  CheckModel(doc.model, true);

  ASSERT_TRUE(doc.editor.UndoCommand());
  doc.ExpectState(cut);
  ASSERT_TRUE(doc.editor.UndoCommand());
  doc.ExpectState(before);
  ASSERT_TRUE(doc.editor.RedoCommand());
  ASSERT_TRUE(doc.editor.RedoCommand());
  doc.ExpectState(pasted);
}

TEST(DocClipboardUndo, NothingToCutOrPasteRecordsNoStep) {
  ClipboardDoc doc;
  doc.Load(1, "abc");
  EXPECT_FALSE(doc.editor.CutSelection());
  EXPECT_EQ(doc.Paste("", FALSE, kFilterNone), 0);
  EXPECT_EQ(doc.editor.GetStepCount(), 0);
  EXPECT_EQ(doc.Paste("x", FALSE, kFilterNone), 1);  // an empty selection deletes nothing
  EXPECT_EQ(doc.Text(1), "xabc");
  EXPECT_EQ(doc.editor.GetStepCount(), 1);
}

// --- Selection ------------------------------------------------------------------

TEST(DocClipboardSelection, SelectAllRunsFromTheHeadToTheLastCharacter) {
  ClipboardDoc doc;
  doc.Load(1, "ab\rcd");
  doc.editor.SelectAll();
  EXPECT_EQ(doc.model.Side(1).anchor, doc.Head(1));
  EXPECT_EQ(doc.model.Side(1).caret->letter, 'd');
  EXPECT_EQ(doc.model.Side(1).caret->next, nullptr);
  DocCharNode *first, *last;
  ASSERT_TRUE(doc.editor.GetSelectionRange(first, last));
  EXPECT_EQ(first, doc.Head(1)->next);
}

void SetTwoColumns(DocSection& settings) {
  settings.columnCount = 2;
  settings.gap = 12;
  settings.gapInUnit = 0.125;
}

// The line of the paragraph that begins after n characters of the side.
DocLineNode* LineAt(ClipboardDoc& doc, int n) {
  DocCharNode* c = doc.Head(1);
  for (int i = 0; i < n; i++) c = c->next;
  return doc.model.GetCharLine(c);
}

TEST(DocClipboardSelection, AParagraphEmptiedInASectionOfItsOwnLeavesIt) {
  struct Case {
    const char* name;
    int linesInSection;  // from the emptied paragraph's line
    bool kept;
  };
  const Case cases[] = {{"its own", 1, false}, {"shared with the next", 2, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClipboardDoc doc;
    doc.Load(1, "one\rtwo\rthree");
    DocLineNode* two = LineAt(doc, 4);
    DocSection settings;
    SetTwoColumns(settings);
    doc.model.SetLinesSection(two, c.linesInSection == 1 ? two : two->next, &settings);
    doc.model.ReformatSide(1);
    DocCharNode* cr = two->first;
    doc.editor.SetSelection(cr, cr->next->next->next);  // "two"
    EXPECT_TRUE(doc.editor.DeleteSelection());
    doc.model.ReformatSide(1);
    EXPECT_EQ(doc.Text(1), "one\r\rthree");
    DocLineNode* emptied = doc.Head(1)->line->next;
    EXPECT_EQ(emptied->section != nullptr, c.kept);
    EXPECT_EQ(emptied->next->section, emptied->section);
    CheckModel(doc.model, true);
  }
}

TEST(DocClipboardSelection, TextJoiningAParagraphTakesItsSection) {
  ClipboardDoc doc;
  // The second paragraph runs over several lines of about twenty characters.
  doc.Load(1, "aaaa bbbb\rcccc dddd eeee ffff gggg hhhh iiii jjjj kkkk llll");
  DocLineNode* first = doc.Head(1)->line;
  DocSection settings;
  SetTwoColumns(settings);
  doc.model.SetLinesSection(first, first, &settings);
  doc.model.ReformatSide(1);
  ASSERT_NE(first->section, nullptr);
  DocState before = doc.State();

  DocCharNode* from = doc.Head(1);
  for (int i = 0; i < 5; i++) from = from->next;  // after "aaaa "
  DocCharNode* to = from;
  for (int i = 0; i < 10; i++) to = to->next;  // through "bbbb\rcccc "
  doc.editor.SetSelection(from, to);
  ASSERT_TRUE(doc.editor.CutSelection());
  EXPECT_EQ(doc.Text(1), "aaaa dddd eeee ffff gggg hhhh iiii jjjj kkkk llll");
  ASSERT_NE(first->next, nullptr);
  for (DocLineNode* l = first; l != nullptr; l = l->next) EXPECT_EQ(l->section, first->section);
  CheckModel(doc.model, true);
  DocState after = doc.State();

  ASSERT_TRUE(doc.editor.UndoCommand());
  doc.ExpectState(before);
  ASSERT_TRUE(doc.editor.RedoCommand());
  doc.ExpectState(after);
}

// --- Page layouts and paths ---------------------------------------------------------

TEST(DocPageLayoutCopy, MarginsAndTabsKeepTheirSizeInTheNewUnit) {
  struct Case {
    const char* name;
    WORD destUnit, sourceUnit, margin, tab;
    WORD expectedMargin, expectedTab;
  };
  // clang-format off
  const Case cases[] = {
      {"same unit",         1, 1, 1000, 500, 1000, 500},
      {"inches to mm",      1, 2, 1000, 500,  254, 127},
      {"mm to inches",      2, 1,  254, 127, 1000, 500},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CPageLayout dest, source;
    dest.settings.unit = c.destUnit;
    dest.settings.leftMargin = dest.settings.topMargin = c.margin;
    dest.settings.rightMargin = dest.settings.bottomMargin = c.margin;
    dest.tabInterval = c.tab;
    dest.tabStops.Add(c.tab);
    source.settings.unit = c.sourceUnit;
    source.settings.orientation = 2;
    source.settings.paperCode = 9;
    source.settings.width = 2100;
    source.settings.length = 2970;
    source.settings.leftMargin = 1;
    CopyPageLayout(&dest, &source);
    EXPECT_EQ(dest.settings.unit, c.sourceUnit);
    EXPECT_EQ(dest.settings.orientation, 2);
    EXPECT_EQ(dest.settings.paperCode, 9);
    EXPECT_EQ(dest.settings.width, 2100);
    EXPECT_EQ(dest.settings.length, 2970);
    EXPECT_EQ(dest.settings.leftMargin, c.expectedMargin);
    EXPECT_EQ(dest.settings.bottomMargin, c.expectedMargin);
    EXPECT_EQ(dest.tabInterval, c.expectedTab);
    EXPECT_EQ(dest.tabStops[0], c.expectedTab);
  }
}

TEST(DocPageLayoutCopy, AMissingOrTheSameLayoutIsLeftAlone) {
  CPageLayout layout;
  layout.settings.leftMargin = 333;
  CopyPageLayout(&layout, nullptr);
  CopyPageLayout(nullptr, &layout);
  CopyPageLayout(&layout, &layout);
  EXPECT_EQ(layout.settings.leftMargin, 333);
}

TEST(DocPageLayoutCopy, LayoutsOfOneSideGoToTheOther) {
  ClipboardDoc doc;
  doc.model.GetNthLayout(0, 0)->settings.orientation = 2;
  CopyPageLayouts(doc.model, 0, 0, 0, 1);
  EXPECT_EQ(doc.model.GetNthLayout(1, 0)->settings.orientation, 2);
  EXPECT_TRUE(doc.model.GetNthLayout(1, 0)->HasTextArea());
}

TEST(DocumentPath, TheFolderOfAPathKeepsARootsBackslash) {
  struct Case {
    const char* path;
    const char* folder;
  };
  const Case cases[] = {
      {"C:\\letter.zlt", "C:\\"},
      {"C:\\Documents\\letter.zlt", "C:\\Documents"},
      {"\\\\server\\share\\letter.zlt", "\\\\server\\share"},
      {"letter.zlt", ""},
  };
  for (const Case& c : cases) EXPECT_STREQ(GetFolderOfPath(c.path), c.folder) << c.path;
}

}  // namespace
