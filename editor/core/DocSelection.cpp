// Caret and selection of a side: the selected characters are those strictly
// after the earlier of anchor and caret up to the later one, and each carries
// the transient mark that painting shows.
#include <utility>

#include "editor/core/DocEditor.h"
#include "editor/core/DocWordChars.h"
#include "hebtext/core/HebChar.h"

namespace {

bool IsBreak(const DocCharNode* c) { return IsWordBreakChar(c->letter) != 0; }

}  // namespace

BOOL DocEditor::HasSelection() const {
  return Cur().anchor != nullptr && Cur().anchor != Cur().caret;
}

BOOL DocEditor::GetSelectionRange(DocCharNode*& first, DocCharNode*& last, BOOL headNode) const {
  const DocSideState& s = Cur();
  if (!HasSelection()) return FALSE;
  DocCharNode* earlier = s.anchor;
  DocCharNode* later = s.caret;
  if (m_model.CompareNodes(earlier, later) > 0) std::swap(earlier, later);
  first = earlier->next;
  if (headNode && (earlier->prev == nullptr || IsBreakLetter(earlier->letter))) first = earlier;
  last = later;
  return TRUE;
}

CharAttr DocEditor::GetSelectionAttr() const {
  DocCharNode *first, *last;
  if (GetSelectionRange(first, last)) return first->attributes;
  return Cur().caret->attributes;
}

DWORD DocEditor::GetSelectionParaFormat() const {
  DocCharNode *first, *last;
  const DocCharNode* node = GetSelectionRange(first, last) ? first : Cur().caret;
  return m_model.GetCharLine(node)->format;
}

// Marks or unmarks the characters strictly after the earlier of a and b up
// to the later one.
void DocEditor::MarkRange(DocCharNode* a, DocCharNode* b, BOOL mark) {
  if (a == nullptr || b == nullptr || a == b) return;
  if (m_model.CompareNodes(a, b) > 0) std::swap(a, b);
  for (DocCharNode* c = a->next; c != nullptr; c = c->next) {
    if (mark)
      c->attributes |= CharAttrBits::kTransientMark;
    else
      c->attributes &= ~CharAttrBits::kTransientMark;
    if (c == b) break;
  }
}

void DocEditor::SetSelection(DocCharNode* anchor, DocCharNode* caret) {
  ClearSelection();
  Cur().caret = caret;
  Cur().anchor = anchor;
  MarkRange(anchor, caret, TRUE);
}

void DocEditor::ClearSelection() {
  DocSideState& s = Cur();
  MarkRange(s.anchor, s.caret, FALSE);
  s.anchor = nullptr;
}

// Only the characters between the old and the new caret change: on one side
// of the anchor they are marked when the caret moved away from it and
// unmarked when it came back; a caret that crossed the anchor unmarks the
// old stretch and marks the new one.
void DocEditor::UpdateSelection(DocCharNode* oldCaret) {
  DocSideState& s = Cur();
  if (s.anchor == nullptr || oldCaret == nullptr) return;
  int oldSide = m_model.CompareNodes(oldCaret, s.anchor);
  int newSide = m_model.CompareNodes(s.caret, s.anchor);
  if (oldSide * newSide < 0) {
    MarkRange(s.anchor, oldCaret, FALSE);
    MarkRange(s.anchor, s.caret, TRUE);
    return;
  }
  int moved = m_model.CompareNodes(s.caret, oldCaret);
  BOOL away = (newSide > 0 && moved > 0) || (newSide < 0 && moved < 0);
  MarkRange(oldCaret, s.caret, away);
}

BOOL DocEditor::DeleteSelection() {
  DocCharNode *first, *last;
  if (!GetSelectionRange(first, last)) return FALSE;
  DocCharNode* before = first->prev;
  ClearSelection();
  DeleteRange(before, last);
  Cur().caret = before;
  DropEmptyParagraphSection();
  MergeFollowingSections();
  return TRUE;
}

void DocEditor::SelectAll() {
  DocCharNode* last = &Cur().head;
  while (last->next != nullptr) last = last->next;
  SetSelection(&Cur().head, last);
}

void DocEditor::DropEmptyParagraphSection() {
  DocLineNode* first = ParagraphFirstLine(m_model.GetCharLine(Cur().caret));
  DocLineNode* last = ParagraphLastLine(first);
  DocSection* section = first->section;
  const DocCharNode* content = first->first->next;
  bool empty = content == nullptr || IsBreakLetter(content->letter);
  if (!empty || section == nullptr) return;
  bool sharedBefore = first->prev != nullptr && first->prev->section == section;
  bool sharedAfter = last->next != nullptr && last->next->section == section;
  if (!sharedBefore && !sharedAfter) m_model.SetLinesSection(first, last, nullptr);
}

void DocEditor::MergeFollowingSections() {
  DocLineNode* line = m_model.GetCharLine(Cur().caret);
  for (DocLineNode* next = line->next; next != nullptr && !BeginsParagraph(next); next = next->next)
    m_model.ContinueSectionOfLineBefore(next);
}

// --- Deleting ----------------------------------------------------------------------

void DocEditor::RemoveBreakStructure(DocCharNode* node) {
  DocLineNode* line = node->line;
  if (line == nullptr || !IsBreakLetter(node->letter) || line->prev == nullptr) return;
  if (line->page != nullptr && line->page->prev != nullptr) {
    CPageLayout* layout = m_model.GetPageLayout(line->page);
    int side = static_cast<int>(line->page->side);
    m_model.DeletePage(line->page, TRUE);
    if (layout != nullptr) m_model.DeleteLayout(side, layout);
  }
  m_model.DeleteLine(line, TRUE);
}

void DocEditor::DeleteRange(DocCharNode* before, DocCharNode* last) {
  for (;;) {
    DocCharNode* node = before->next;
    if (node == nullptr) return;
    BOOL end = node == last;
    RemoveBreakStructure(node);
    m_model.UnlinkCharNode(node);
    if (end) return;
  }
}

// --- Word and sentence scanning ------------------------------------------------------

void DocEditor::WordStart() {
  DocCharNode* c = Cur().caret;
  while (c->prev != nullptr && IsBreak(c)) c = c->prev;
  while (c->prev != nullptr && !IsBreak(c)) c = c->prev;
  Cur().caret = c;
}

void DocEditor::NextWordStart() {
  DocCharNode* c = Cur().caret;
  if (c->next == nullptr) return;
  c = c->next;
  while (c->next != nullptr && !IsBreak(c->next)) c = c->next;
  while (c->next != nullptr && IsBreak(c->next)) c = c->next;
  Cur().caret = c;
}

void DocEditor::NextLetterWordStart() {
  DocCharNode* c = Cur().caret;
  if (c->next == nullptr) return;
  c = c->next;
  while (c->next != nullptr && !IsBreak(c->next)) c = c->next;
  while (c->next != nullptr && !IsLetterVowelOrDigit(c->next->letter)) c = c->next;
  Cur().caret = c;
}

void DocEditor::WordEnd() {
  DocCharNode* c = Cur().caret;
  if (c->next == nullptr) return;
  c = c->next;
  while (c->next != nullptr && !IsBreak(c)) c = c->next;
  if (IsBreak(c) && c->prev != nullptr) c = c->prev;
  Cur().caret = c;
}

void DocEditor::SentenceEnd() {
  DocCharNode* c = Cur().caret;
  while (c->next != nullptr && !IsSentenceMark(c->letter)) c = c->next;
  while (c->next != nullptr && IsSentenceMark(c->next->letter)) c = c->next;
  Cur().caret = c;
}
