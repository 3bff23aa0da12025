// One undo step of the document editor and the position records it keeps.
// Positions are stored as page, line and character indices rather than as
// nodes, so that a step stays valid after the nodes are freed and made again.
#pragma once

#include "classlib/core/CArray.h"
#include "classlib/core/CString.h"
#include "classlib/core/Collections.h"
#include "editor/core/CPageLayout.h"

// The step kinds, in the order the commands record them.
enum DocUndoType : DWORD {
  kUndoInsertChar = 1,
  kUndoOverwriteChar = 2,
  kUndoPointChange = 3,
  kUndoDeleteNext = 4,
  kUndoDeletePrev = 5,
  kUndoRemovePoint = 6,
  kUndoInsertText = 7,
  kUndoDeleteSelection = 8,
  kUndoIndent = 9,
  kUndoBold = 10,
  kUndoItalic = 11,
  kUndoUnderline = 12,
  kUndoFont = 13,
  kUndoFontSize = 14,
  kUndoTypeface = 15,
  kUndoColors = 16,
  kUndoWordSpace = 17,
  kUndoJustify = 18,
  kUndoLineSpace = 19,
  kUndoColumns = 20,
  kUndoPageSettings = 21,
};

constexpr int kMaxUndoSteps = 500;

// A caret (slot 0) and an anchor (slot 1), each as page, line-in-page and
// character-in-line; -1 = unset.
struct CSelRanges {
  LONG pos[6];  // page caret, page anchor, line caret, line anchor, char caret, char anchor

  CSelRanges() { Reset(); }
  void Reset() {
    for (LONG& v : pos) v = -1;
  }
  LONG Page(int slot) const { return pos[slot]; }
  LONG Line(int slot) const { return pos[2 + slot]; }
  LONG Char(int slot) const { return pos[4 + slot]; }
  void Set(int slot, LONG page, LONG line, LONG ch) {
    pos[slot] = page;
    pos[2 + slot] = line;
    pos[4 + slot] = ch;
  }
  BOOL IsSet(int slot) const { return Page(slot) >= 0 && Line(slot) >= 0 && Char(slot) >= 0; }
  BOOL IsRange() const {
    return IsSet(0) && IsSet(1) && (Page(0) != Page(1) || Line(0) != Line(1) || Char(0) != Char(1));
  }
  bool operator==(const CSelRanges& o) const {
    for (int i = 0; i < 6; i++)
      if (pos[i] != o.pos[i]) return false;
    return true;
  }
};

// One page touched by a deleted range.
struct CTextPos {
  LONG page = -1;
  LONG firstLine = -1;  // counted from the side's first line
  LONG lastLine = -1;
  DWORD wholePage = 0;  // not the first page and wholly inside the range
};

// One run of lines touched by an operation: the lines of one column section,
// or lines without a section.
struct CEditSpan {
  DWORD charCount = 0;
  DWORD lineCount = 0;
  DWORD columnCount = 0;  // below 2 for lines without a section
  DWORD gap = 0;
  DWORD gapInUnit[2] = {0, 0};  // the section's double, as two words
  DWORD unit = 0;               // 16-bit value of the section
  DWORD joinsBefore = 0;
  DWORD joinsAfter = 0;
  // A section may hold a single column, or any count a file gave it, so
  // whether the lines have one is kept apart from the count.
  DWORD inSection = 0;
  DWORD fileValue = 0;

  bool operator==(const CEditSpan& o) const {
    return charCount == o.charCount && lineCount == o.lineCount && columnCount == o.columnCount &&
           gap == o.gap && gapInUnit[0] == o.gapInUnit[0] && gapInUnit[1] == o.gapInUnit[1] &&
           unit == o.unit && joinsBefore == o.joinsBefore && joinsAfter == o.joinsAfter &&
           inSection == o.inSection && fileValue == o.fileValue;
  }
  bool operator!=(const CEditSpan& o) const { return !(*this == o); }
};

typedef CArray<CEditSpan, const CEditSpan&> CEditSpanArray;

bool SameSpans(const CEditSpanArray& a, const CEditSpanArray& b);

class CEditSnapshot {
 public:
  CEditSnapshot() { Reset(); }
  CEditSnapshot(const CEditSnapshot&) = delete;
  CEditSnapshot& operator=(const CEditSnapshot&) = delete;
  ~CEditSnapshot() { ClearLayouts(); }

  // What every command does before it fills the pending step.
  void Reset();
  void CopyFrom(const CEditSnapshot& other);
  void ClearLayouts();

  DWORD type;
  DWORD side;
  BYTE letterBefore;
  BYTE pointBefore;
  DWORD attrBefore;
  CSelRanges posBefore;
  BYTE letterAfter;
  BYTE pointAfter;
  DWORD attrAfter;
  CSelRanges posAfter;
  DWORD param1, param2;
  WORD param3;
  BYTE param4, param5;
  DWORD param6;
  CString face1, face2;
  DWORD values[10];  // values[4]: indent flag of an indent step
  DWORD pageIndex;
  CPageLayout pageLayout;
  DWORD scope;
  CSelRanges deletedRange;
  CString deletedLetters;
  CByteArray deletedPoints;
  CDWordArray deletedAttrs;
  CDWordArray lineFormats;
  CDWordArray charCounts;
  DWORD rangeEnds[5];
  CArray<CPageLayout*, CPageLayout*> layouts;  // owned copies
  CArray<CTextPos, const CTextPos&> pages;

  // What Undo and Redo put back, stored as it was: the characters the step
  // replaced (strictly between the character before the change and the one
  // after it) and those it put there; the format words of the paragraphs
  // around the change, from the one holding the character before it; and,
  // when the step changed any, the page layouts as [default of side 0, pages
  // of side 0, default of side 1, pages of side 1].
  CSelRanges changeStart;  // the character before the change: slot 0 before, slot 1 after
  CString replacedLetters;
  CByteArray replacedPoints;
  CDWordArray replacedAttrs;
  CString insertedLetters;
  CByteArray insertedPoints;
  CDWordArray insertedAttrs;
  CDWordArray paragraphFormatsBefore;
  CDWordArray paragraphFormatsAfter;
  CArray<CPageLayout*, CPageLayout*> layoutsBefore;  // owned copies
  CArray<CPageLayout*, CPageLayout*> layoutsAfter;   // owned copies
  DWORD layoutPagesBefore[2];
  DWORD layoutPagesAfter[2];
  // When a side had column sections before or after the step: each side's
  // runs of lines from its start, before and after (empty: no sections).
  CEditSpanArray sectionsBefore[2];
  CEditSpanArray sectionsAfter[2];
  // The side's head node, before and after: a font given to the start of
  // the text lives there.
  DWORD headAttrs[2];
  BOOL HasSections() const;
};
