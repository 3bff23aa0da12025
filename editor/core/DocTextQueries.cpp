// Walks over the node structure: where a character, line or page stands and
// how two positions compare.
#include "editor/core/DocTextModel.h"

#include <algorithm>

// --- Lines --------------------------------------------------------------------

int DocTextModel::GetLineCharCount(const DocLineNode* line) const {
  int count = 0;
  const DocCharNode* last = GetLineLastChar(line);
  for (const DocCharNode* c = line->first; c != nullptr; c = c->next) {
    count++;
    if (c == last) break;
  }
  return count;
}

DocCharNode* DocTextModel::GetLineChar(const DocLineNode* line, int n) const {
  const DocCharNode* last = GetLineLastChar(line);
  for (DocCharNode* c = line->first; c != nullptr; c = c->next) {
    if (n-- == 0) return c;
    if (c == last) break;
  }
  return nullptr;
}

BOOL DocTextModel::IsCharInLine(const DocLineNode* line, const DocCharNode* node) const {
  return node != nullptr && GetCharLine(node) == line;
}

int DocTextModel::GetLineAscent(const DocLineNode* line) const {
  int ascent = 0;
  const DocCharNode* last = GetLineLastChar(line);
  for (const DocCharNode* c = line->first; c != nullptr; c = c->next) {
    ascent = std::max<int>(ascent, c->ascent);
    if (c == last) break;
  }
  return ascent;
}

DocCharNode* DocTextModel::GetLineLastChar(const DocLineNode* line) const {
  if (line->last != nullptr) return line->last;
  if (line->next != nullptr) return line->next->first->prev;
  DocCharNode* c = line->first;
  while (c->next != nullptr) c = c->next;
  return c;
}

BOOL DocTextModel::IsLineEmpty(const DocLineNode* line) const {
  const DocCharNode* last = GetLineLastChar(line);
  return last == line->first && (line->first->letter == 0 || IsBreakLetter(line->first->letter));
}

int DocTextModel::GetLineIndexInPage(const DocLineNode* line) const {
  int index = 0;
  for (; line != nullptr && line->page == nullptr; line = line->prev) index++;
  return index;
}

DocPageNode* DocTextModel::GetLinePage(const DocLineNode* line) const {
  while (line != nullptr && line->page == nullptr) line = line->prev;
  return line != nullptr ? line->page : nullptr;
}

int DocTextModel::GetLinePageIndex(const DocLineNode* line) const {
  const DocPageNode* page = GetLinePage(line);
  return page != nullptr ? GetPageIndex(page) : -1;
}

// --- Pages --------------------------------------------------------------------

DocPageNode* DocTextModel::GetFirstPage(int side) const {
  const DocLineNode* line = m_sides[side].head.line;
  return line != nullptr ? line->page : nullptr;
}

DocLineNode* DocTextModel::GetPageLastLine(DocPageNode* page) {
  if (page->last != nullptr) return page->last;
  if (page->count > 0) return page->lineIndex[page->count - 1];
  DocLineNode* line = page->first;
  while (line->next != nullptr) line = line->next;
  return line;
}

void DocTextModel::RebuildLineIndex(DocPageNode* page) {
  page->lineIndex.RemoveAll();
  page->count = -1;
  DocLineNode* last = GetPageLastLine(page);
  for (DocLineNode* line = page->first; line != nullptr; line = line->next) {
    if (line != page->first) line->page = nullptr;
    page->lineIndex.Add(line);
    if (line == last) break;
  }
  page->count = page->lineIndex.GetSize();
}

DocLineNode* DocTextModel::GetPageLine(DocPageNode* page, int n) {
  if (page->count < 0) RebuildLineIndex(page);
  return n >= 0 && n < page->count ? page->lineIndex[n] : nullptr;
}

int DocTextModel::ComparePages(const DocPageNode* a, const DocPageNode* b) const {
  int ia = GetPageIndex(a), ib = GetPageIndex(b);
  return ia < ib ? -1 : (ia > ib ? 1 : 0);
}

// --- Positions ------------------------------------------------------------------

DocLineNode* DocTextModel::GetCharLine(const DocCharNode* node) const {
  while (node != nullptr && node->line == nullptr) node = node->prev;
  return node != nullptr ? node->line : nullptr;
}

DocPageNode* DocTextModel::GetCharPage(const DocCharNode* node) const {
  return GetLinePage(GetCharLine(node));
}

int DocTextModel::GetCharIndexInLine(const DocCharNode* node) const {
  int index = 0;
  for (; node != nullptr && node->line == nullptr; node = node->prev) index++;
  return index;
}

int DocTextModel::GetCharPageIndex(const DocCharNode* node) const {
  return GetLinePageIndex(GetCharLine(node));
}

int DocTextModel::GetCharLineIndexInPage(const DocCharNode* node) const {
  return GetLineIndexInPage(GetCharLine(node));
}

int DocTextModel::GetSidePageCount(const DocCharNode* node) const {
  const DocPageNode* page = GetCharPage(node);
  return page != nullptr ? GetPageCount(static_cast<int>(page->side)) : 0;
}

int DocTextModel::CompareLines(const DocLineNode* a, const DocLineNode* b) const {
  if (a == b) return 0;
  if (a->section != nullptr && a->section == b->section) {
    // Searched outwards from a, so that the walk is as long as the lines
    // are apart rather than the rest of the side.
    const DocLineNode* after = a->next;
    const DocLineNode* before = a->prev;
    while (after != nullptr || before != nullptr) {
      if (after == b) return -1;
      if (before == b) return 1;
      if (after != nullptr) after = after->next;
      if (before != nullptr) before = before->prev;
    }
    return 1;
  }
  int pa = GetLinePageIndex(a), pb = GetLinePageIndex(b);
  if (pa != pb) return pa < pb ? -1 : 1;
  int la = GetLineIndexInPage(a), lb = GetLineIndexInPage(b);
  return la < lb ? -1 : (la > lb ? 1 : 0);
}

int DocTextModel::CompareNodes(const DocCharNode* a, const DocCharNode* b) const {
  if (a == b) return 0;
  int byLine = CompareLines(GetCharLine(a), GetCharLine(b));
  if (byLine != 0) return byLine;
  int ia = GetCharIndexInLine(a), ib = GetCharIndexInLine(b);
  return ia < ib ? -1 : (ia > ib ? 1 : 0);
}
