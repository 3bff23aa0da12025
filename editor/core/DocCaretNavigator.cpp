#include "editor/core/DocCaretNavigator.h"

#include <utility>

namespace {

constexpr int kUp = -1;
constexpr int kDown = 1;

// The caret rectangle as the screen shows it: where it stands in the client
// area.
CRect OnScreen(CRect rect, const CRect& client) {
  rect.OffsetRect(-client.left, -client.top);
  return rect;
}

}  // namespace

const DocLineNode* DocCaretNavigator::CaretLine() const {
  return m_model.GetCharLine(m_model.Side(Side()).caret);
}

const DocLineNode* DocCaretNavigator::NextLine(int direction) const {
  const DocLineNode* line = CaretLine();
  return direction < 0 ? line->prev : line->next;
}

BOOL DocCaretNavigator::MoveToLine(const DocLineNode* line) {
  DocCharNode* node = m_pages.CharOnLineAtX(line, m_goalX[Side()]);
  if (node == nullptr) return FALSE;
  Caret() = node;
  return TRUE;
}

BOOL DocCaretNavigator::MoveLines(int direction) {
  const DocLineNode* line = NextLine(direction);
  return line != nullptr && MoveToLine(line);
}

BOOL DocCaretNavigator::CaretFromPoint(CPoint point) {
  DocCharNode* node = m_pages.CharFromPoint(point);
  if (node == nullptr) return FALSE;
  Caret() = node;
  return TRUE;
}

// --- Marks to repaint --------------------------------------------------------

void DocCaretNavigator::NoteChange(DocCharNode* a, DocCharNode* b) {
  if (a == nullptr || b == nullptr || a == b) return;
  if (m_model.CompareNodes(a, b) > 0) std::swap(a, b);
  DocCharNode* first = a->next;
  if (m_changedFirst == nullptr || m_model.CompareNodes(first, m_changedFirst) < 0)
    m_changedFirst = first;
  if (m_changedLast == nullptr || m_model.CompareNodes(b, m_changedLast) > 0) m_changedLast = b;
}

void DocCaretNavigator::DropSelection() {
  DocSideState& side = m_model.Side(Side());
  NoteChange(side.anchor, side.caret);
  m_editor.ClearSelection();
}

void DocCaretNavigator::ExtendSelection(DocCharNode* oldCaret) {
  if (m_model.Side(Side()).anchor != nullptr) NoteChange(oldCaret, Caret());
  m_editor.UpdateSelection(oldCaret);
}

BOOL DocCaretNavigator::TakeRepaintRange(DocCharNode*& first, DocCharNode*& last) {
  first = m_changedFirst;
  last = m_changedLast;
  m_changedFirst = m_changedLast = nullptr;
  return first != nullptr;
}

// --- Keys -------------------------------------------------------------------

BOOL DocCaretNavigator::OnNavigationKey(UINT key, BOOL ctrl, BOOL shift, IDocViewScroll& view) {
  m_model.SetPendingAttributes(kNoPending);
  DocSideState& side = m_model.Side(Side());
  if (shift && side.anchor == nullptr) side.anchor = side.caret;
  if (!shift && side.anchor != nullptr) DropSelection();
  DocCharNode* oldCaret = side.caret;
  // The arrows move the way the side's text runs.
  BOOL rtl = Side() == kRightToLeftSide;
  BOOL moved = FALSE;
  switch (key) {
    case kVkLeft:
    case kVkRight: moved = MoveSideways((key == kVkRight) != rtl, ctrl); break;
    case kVkHome:
    case kVkEnd: moved = MoveHomeEnd(key == kVkEnd, ctrl, view); break;
    case kVkUp:
    case kVkDown: moved = MoveVertically(key == kVkDown ? kDown : kUp, ctrl, view); break;
    case kVkPageUp:
    case kVkPageDown: moved = MovePage(key == kVkPageDown ? kDown : kUp, view); break;
    default: return FALSE;
  }
  if (!moved) return FALSE;
  if (key != kVkUp && key != kVkDown && key != kVkPageUp && key != kVkPageDown) RememberCaretX();
  ExtendSelection(oldCaret);
  return TRUE;
}

DocKeyAction DocCaretNavigator::HandleKeyDown(UINT key, BOOL ctrl, BOOL shift,
                                              IDocViewScroll& view) {
  switch (key) {
    case kVkF4: return ctrl ? kKeyCloseDocument : kKeyUnused;
    case kVkShift:
    case kVkControl:
    case kVkAlt: return kKeyDone;
    case kVkEscape: DropSelection(); return kKeyDone;
    case kVkDelete:
      if (!m_editor.HasSelection() && Caret()->next == nullptr) return kKeyDone;
      m_editor.DeleteForward();
      return kKeyEdited;
    case kVkPageUp:
    case kVkPageDown:
    case kVkEnd:
    case kVkHome:
    case kVkLeft:
    case kVkUp:
    case kVkRight:
    case kVkDown: OnNavigationKey(key, ctrl, shift, view); return kKeyDone;
    default: return kKeyUnused;
  }
}

BOOL DocCaretNavigator::MoveSideways(BOOL towardsEnd, BOOL ctrl) {
  DocCharNode* caret = Caret();
  if (towardsEnd) {
    if (caret->next == nullptr) return FALSE;
    if (ctrl)
      m_editor.NextWordStart();
    else
      Caret() = caret->next;
  } else {
    if (caret->prev == nullptr) return FALSE;
    if (ctrl)
      m_editor.WordStart();
    else
      Caret() = caret->prev;
  }
  return TRUE;
}

BOOL DocCaretNavigator::MoveHomeEnd(BOOL end, BOOL ctrl, IDocViewScroll& view) {
  DocCharNode* caret = Caret();
  if (end) {
    if (caret->next == nullptr) return FALSE;
    if (!ctrl) {
      Caret() = m_model.GetLineLastChar(CaretLine());
      return TRUE;
    }
    DocLineNode* lastLine = m_model.GetPageLastLine(m_model.GetLastPage(Side()));
    BOOL onLastLine = CaretLine() == lastLine;
    Caret() = m_model.GetLineLastChar(lastLine);
    if (!onLastLine) view.ScrollView(kScrollBottom);
    return TRUE;
  }
  if (caret->prev == nullptr) return FALSE;
  if (!ctrl) {
    Caret() = CaretLine()->first;
    return TRUE;
  }
  Caret() = m_model.GetHead(Side());
  view.ScrollView(kScrollTop);
  return TRUE;
}

BOOL DocCaretNavigator::MoveVertically(int direction, BOOL ctrl, IDocViewScroll& view) {
  const DocLineNode* line = NextLine(direction);
  if (line == nullptr) return FALSE;
  if (!ctrl) {
    MoveToLine(line);
    return TRUE;
  }
  view.ScrollView(direction == kDown ? kScrollLineDown : kScrollLineUp);
  LineScrollCorrection(direction, view);
  return TRUE;
}

BOOL DocCaretNavigator::MovePage(int direction, IDocViewScroll& view) {
  if (NextLine(direction) == nullptr) return FALSE;
  CRect oldClient = view.GetClientRect();
  CRect oldCaret = OnScreen(m_pages.GetCaretRect(Side()), oldClient);
  view.ScrollView(direction == kDown ? kScrollPageDown : kScrollPageUp);
  CaretAfterPageScroll(oldCaret, oldClient, direction, view);
  return TRUE;
}

void DocCaretNavigator::CaretAfterPageScroll(const CRect& oldScreenCaret, const CRect& oldClient,
                                             int direction, IDocViewScroll& view) {
  CRect client = view.GetClientRect();
  if (client.top == oldClient.top) {
    while (MoveLines(direction)) {
    }
    return;
  }
  auto middle = [&] {
    CRect caret = OnScreen(m_pages.GetCaretRect(Side()), client);
    return (caret.top + caret.bottom) / 2;
  };
  // The caret follows the text it stood on until it is back at its old place
  // on the screen.
  auto beyond = [&](int m) {
    return direction == kDown ? m < oldScreenCaret.top : m >= oldScreenCaret.bottom;
  };
  while (beyond(middle()) && MoveLines(direction)) {
  }
  LineScrollCorrection(direction, view);
}

void DocCaretNavigator::LineScrollCorrection(int direction, IDocViewScroll& view) {
  CRect client = view.GetClientRect();
  auto outside = [&] {
    CRect caret = m_pages.GetCaretRect(Side());
    return direction == kDown ? caret.top < client.top : caret.bottom > client.bottom;
  };
  while (outside() && MoveLines(direction)) {
  }
}

// --- Mouse ------------------------------------------------------------------

void DocCaretNavigator::MouseDown(CPoint point) {
  m_bDoubleClick = FALSE;
  m_model.SetPendingAttributes(kNoPending);
  DocSideState& side = m_model.Side(Side());
  if (side.anchor != nullptr) DropSelection();
  CaretFromPoint(point);
  side.anchor = m_dragExtent = side.caret;
  RememberCaretX();
}

void DocCaretNavigator::MouseDrag(CPoint point) {
  CaretFromPoint(point);
  ExtendSelection(m_dragExtent);
  m_dragExtent = Caret();
}

void DocCaretNavigator::MouseUp(CPoint point) {
  if (m_bDoubleClick) {
    m_bDoubleClick = FALSE;
    return;
  }
  CaretFromPoint(point);
  // A button-up away from the last drag point still selects up to it.
  ExtendSelection(m_dragExtent);
  m_dragExtent = Caret();
  DocSideState& side = m_model.Side(Side());
  if (side.anchor == side.caret) DropSelection();
  RememberCaretX();
}

void DocCaretNavigator::MouseDoubleClick(CPoint point) {
  m_bDoubleClick = TRUE;
  if (m_model.Side(Side()).anchor != nullptr) DropSelection();
  CaretFromPoint(point);
  m_editor.WordStart();
  DocCharNode* start = Caret();
  m_editor.WordEnd();
  m_editor.SetSelection(start, Caret());
  NoteChange(start, Caret());
  m_dragExtent = Caret();
  RememberCaretX();
}
