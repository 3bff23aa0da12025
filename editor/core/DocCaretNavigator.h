// The caret of the active side moved by the mouse and the navigation keys,
// the selection it drags along, and the x that moves up and down aim for.
// What it decides needs no window: the view forwards its messages, shows the
// caret afterwards and scrolls through IDocViewScroll.
#pragma once

#include "classlib/core/Geometry.h"
#include "editor/core/DocEditor.h"
#include "editor/core/DocPageView.h"

// Virtual-key codes of the navigation keys.
enum : UINT {
  kVkPageUp = 0x21,
  kVkPageDown = 0x22,
  kVkEnd = 0x23,
  kVkHome = 0x24,
  kVkLeft = 0x25,
  kVkUp = 0x26,
  kVkRight = 0x27,
  kVkDown = 0x28,
  kVkShift = 0x10,
  kVkControl = 0x11,
  kVkAlt = 0x12,
  kVkEscape = 0x1B,
  kVkF4 = 0x73,
};

// What a key-down left for the window to do.
enum DocKeyAction {
  kKeyUnused,         // not a key of the view's: the window passes it on
  kKeyDone,           // handled; the caret may have moved
  kKeyEdited,         // the text changed: repaint what the layout changed
  kKeyCloseDocument,  // close the document's window
};

// Vertical scroll codes the moves send to the view.
enum : UINT {
  kScrollLineUp = 0,
  kScrollLineDown = 1,
  kScrollPageUp = 2,
  kScrollPageDown = 3,
  kScrollTop = 6,
  kScrollBottom = 7,
};

class IDocViewScroll {
 public:
  // Scrolls the view vertically by the code, then ends the scroll.
  virtual void ScrollView(UINT code) = 0;
  // The client area in the view's logical coordinates.
  virtual CRect GetClientRect() = 0;

 protected:
  ~IDocViewScroll() = default;
};

class DocCaretNavigator {
 public:
  DocCaretNavigator(DocEditor& editor, DocPageView& pages)
      : m_editor(editor), m_model(editor.Model()), m_pages(pages) {}

  // A key of the table below; FALSE, with nothing changed but the
  // selection's start, when its move is impossible.
  BOOL OnNavigationKey(UINT key, BOOL ctrl, BOOL shift, IDocViewScroll& view);

  // The view's key-down: the navigation keys, Esc (drops the selection),
  // Delete, and Ctrl+F4 for the window to close the document.
  DocKeyAction HandleKeyDown(UINT key, BOOL ctrl, BOOL shift, IDocViewScroll& view);

  void MouseDown(CPoint point);
  void MouseDrag(CPoint point);
  void MouseUp(CPoint point);
  void MouseDoubleClick(CPoint point);
  // Sets the caret from a point; FALSE, leaving it, on no page or character.
  BOOL CaretFromPoint(CPoint point);

  // The characters whose selection mark changed since last asked, first to
  // last in text order, for the window to repaint at once (before the text
  // changes); FALSE when none did.
  BOOL TakeRepaintRange(DocCharNode*& first, DocCharNode*& last);

  void RememberCaretX() { m_goalX[Side()] = m_pages.GetCaretRect(Side()).left; }
  int GetGoalX(int side) const { return m_goalX[side]; }
  // The caret onto the line at the goal x; FALSE when no character spans it.
  BOOL MoveToLine(const DocLineNode* line);
  // To the previous (-1) or next (+1) line; FALSE when there is none.
  BOOL MoveLines(int direction);

 private:
  int Side() const { return m_model.GetCurrentSide(); }
  DocCharNode*& Caret() { return m_model.Side(Side()).caret; }
  const DocLineNode* CaretLine() const;
  // The characters strictly after the earlier of a and b up to the later one
  // join the range to repaint.
  void NoteChange(DocCharNode* a, DocCharNode* b);
  void DropSelection();
  // The caret moved from oldCaret: marks follow it.
  void ExtendSelection(DocCharNode* oldCaret);
  const DocLineNode* NextLine(int direction) const;
  // The caret's moves by key; FALSE when impossible.
  BOOL MoveSideways(BOOL towardsEnd, BOOL ctrl);
  BOOL MoveHomeEnd(BOOL end, BOOL ctrl, IDocViewScroll& view);
  BOOL MoveVertically(int direction, BOOL ctrl, IDocViewScroll& view);
  BOOL MovePage(int direction, IDocViewScroll& view);
  // After the view scrolled a page: keep the caret where it stood on the
  // screen, or walk it to the end the key points to when nothing scrolled.
  void CaretAfterPageScroll(const CRect& oldScreenCaret, const CRect& oldClient, int direction,
                            IDocViewScroll& view);
  // Brings the caret back into the client area line by line.
  void LineScrollCorrection(int direction, IDocViewScroll& view);

  DocEditor& m_editor;
  DocTextModel& m_model;
  DocPageView& m_pages;
  int m_goalX[kDocSideCount] = {0, 0};
  DocCharNode* m_dragExtent = nullptr;
  BOOL m_bDoubleClick = FALSE;
  DocCharNode* m_changedFirst = nullptr;
  DocCharNode* m_changedLast = nullptr;
};
