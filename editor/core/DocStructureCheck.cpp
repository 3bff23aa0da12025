// The invariants of a side's node structure, checked in one walk over its
// characters, lines, pages and layouts together. Builds with assertions run
// it after every edit; the tests run it with their own layout checks.
#include "editor/core/DocTextModel.h"

namespace {

CString Fault(LPCSTR what, int index) {
  CString text;
  text.Format("%s (%d)", what, index);
  return text;
}

}  // namespace

CString DocTextModel::FindStructureFault(int side) const {
  const DocSideState& s = m_sides[side];
  const DocCharNode* head = &s.head;
  if (head->letter != 0 || head->prev != nullptr) return "the head node is not the side's start";
  const DocLineNode* firstLine = head->line;
  if (firstLine == nullptr || firstLine->prev != nullptr || firstLine->first != head)
    return "the first line does not begin with the head node";
  const DocPageNode* firstPage = firstLine->page;
  if (firstPage == nullptr || firstPage->prev != nullptr)
    return "the first page does not begin with the first line";

  // Characters in order: each line begins where the line list says, and each
  // page where the page list says.
  const DocLineNode* nextLine = firstLine;
  const DocLineNode* prevLine = nullptr;
  const DocPageNode* nextPage = firstPage;
  const DocPageNode* prevPage = nullptr;
  const DocCharNode* last = head;
  bool caretFound = false, anchorFound = s.anchor == nullptr;
  int index = 0;
  for (const DocCharNode* c = head; c != nullptr; last = c, c = c->next, index++) {
    if (c != head && (c->prev != last || c->letter == 0))
      return Fault("broken character link", index);
    caretFound = caretFound || c == s.caret;
    anchorFound = anchorFound || c == s.anchor;
    if (c->line == nullptr) {
      if (IsBreakLetter(c->letter)) return Fault("a break does not begin its line", index);
      continue;
    }
    const DocLineNode* line = c->line;
    if (line != nextLine || line->first != c || line->prev != prevLine)
      return Fault("a line begins out of order", index);
    if (prevLine != nullptr && prevLine->last != c->prev)
      return Fault("a line does not end before the next", index);
    if (prevLine != nullptr && !IsBreakLetter(c->letter) && line->format != prevLine->format)
      return Fault("a paragraph has two formats", index);
    if (line->page != nullptr) {
      const DocPageNode* page = line->page;
      if (page != nextPage || page->first != line || page->prev != prevPage ||
          page->side != static_cast<DWORD>(side))
        return Fault("a page begins out of order", index);
      if (prevPage != nullptr && prevPage->last != line->prev)
        return Fault("a page does not end before the next", index);
      prevPage = page;
      nextPage = page->next;
    }
    prevLine = line;
    nextLine = line->next;
  }
  if (nextLine != nullptr) return "a line begins outside the side";
  if (prevLine->last != nullptr && prevLine->last != last) return "the last line ends early";
  if (nextPage != nullptr) return "a page begins outside the side";
  if (prevPage->last != nullptr && prevPage->last != prevLine) return "the last page ends early";
  if (!caretFound || !anchorFound) return "the caret or anchor is not in the side";

  // One layout a page, each where the page table finds it.
  const DocPageNode* page = firstPage;
  const CPageLayout* prevLayout = nullptr;
  int pageIndex = 0;
  for (const CPageLayout* l = s.layouts; l != nullptr; prevLayout = l, l = l->next, pageIndex++) {
    if (page == nullptr) return "more layouts than pages";
    if (l->prev != prevLayout || l->side != static_cast<DWORD>(side)) return "broken layout link";
    if (GetNthPage(side, pageIndex) != page || GetNthLayout(side, pageIndex) != l)
      return Fault("the page table is out of date", pageIndex);
    page = page->next;
  }
  if (page != nullptr) return "fewer layouts than pages";
  if (GetPageCount(side) != pageIndex) return "the page table has pages the side has not";
  return FindSectionFault(side);
}

// Each section holds one run of lines, from its first line to its last, and
// counts them; the side counts its lines.
CString DocTextModel::FindSectionFault(int side) const {
  int lines = 0, sectionLines = 0;
  const DocSection* open = nullptr;  // the section of the run the walk is in
  int openLines = 0;
  CArray<const DocSection*, const DocSection*> closed;
  for (const DocLineNode* l = m_sides[side].head.line; l != nullptr; l = l->next, lines++) {
    if (l->side != side) return Fault("a line names the other side", lines);
    if (l->section != open) {
      if (open != nullptr && (open->lineCount != openLines || open->last != l->prev))
        return Fault("a section miscounts its lines", lines);
      for (int i = 0; i < closed.GetSize(); i++)
        if (closed[i] == l->section) return Fault("a section's lines are not one run", lines);
      if (l->section != nullptr && l->section->first != l)
        return Fault("a section does not begin at its first line", lines);
      if (open != nullptr) closed.Add(open);
      open = l->section;
      openLines = 0;
    }
    openLines++;
    if (l->section != nullptr) sectionLines++;
  }
  if (open != nullptr && (open->lineCount != openLines || open->last->next != nullptr))
    return Fault("a section miscounts its lines", lines);
  if (lines != m_lineCounts[side]) return "the side miscounts its lines";
  if (sectionLines != m_sectionLineCounts[side]) return "the side miscounts its lines in sections";
  return CString();
}
