// Fitting characters into lines: word wrap with tab stops, line widths and
// heights.
#include "editor/core/DocTextModel.h"

#include <algorithm>

#include "editor/core/EdMulDiv.h"

// x after the character: tabs jump to the next pixel stop, the head node and
// a break that begins its line take no room.
static int AdvanceX(const CPageLayout& layout, const DocCharNode* c, int x) {
  if (c->letter == 0 || IsBreakLetter(c->letter)) return x;
  if (c->letter == kLetterTab) {
    for (int i = 0; i < layout.pixelTabStops.GetSize(); i++) {
      int stop = static_cast<int>(layout.pixelTabStops[i]);
      if (stop > x) return stop;
    }
    return x;
  }
  return x + c->width;
}

DocCharNode* DocTextModel::FindLineBreak(DocLineNode* line, const CPageLayout& layout, int& width,
                                         int maxWidth) {
  if (maxWidth < 1) {
    int textWidth = layout.textRect.Width();
    maxWidth = line->section != nullptr && line->section->IsValidFor(textWidth)
                   ? line->section->ColumnWidth(textWidth)
                   : textWidth;
  }
  int x = 0;
  width = 0;
  DocCharNode* c = line->first;
  for (; c != nullptr; c = c->next) {
    if (IsBreakLetter(c->letter) && c != line->first) return c;
    x = AdvanceX(layout, c, x);
    if (x > maxWidth) break;
    width = x;
  }
  if (c == nullptr) return nullptr;

  // c overflows the line.
  if (c == line->first) {
    width = x;  // a line holds at least one character
    return c->next;
  }
  if (IsBreakOpportunity(c->letter)) return c;
  for (DocCharNode* b = c->prev; b != line->first; b = b->prev) {
    if (IsBreakOpportunity(b->letter)) {
      // The line's last character is not known yet: measure up to b directly.
      width = 0;
      for (const DocCharNode* w = line->first; w != b->next; w = w->next)
        width = AdvanceX(layout, w, width);
      return b->next;
    }
  }
  return c;  // one word wider than the line
}

int DocTextModel::LineWidth(const DocLineNode* line, const CPageLayout& layout,
                            const DocCharNode* upTo, int startX) const {
  const DocCharNode* last = GetLineLastChar(line);
  int x = startX;
  for (const DocCharNode* c = line->first; c != nullptr && c != upTo; c = c->next) {
    x = AdvanceX(layout, c, x);
    if (c == last) break;
  }
  return x - startX;
}

int DocTextModel::LineHeight(const DocLineNode* line) const {
  const DocCharNode* last = GetLineLastChar(line);
  int height = 0;
  for (const DocCharNode* c = line->first; c != nullptr; c = c->next) {
    height = std::max<int>(height, c->height);
    if (c == last) break;
  }
  UINT spaceIndex = FormatLineSpace(line->format);
  if (spaceIndex != 0) height += EdMulDiv(GetLineSpace(spaceIndex), height, 100);
  return height;
}

void DocTextModel::CharX(const DocCharNode* node, const CPageLayout& layout, int& x, int& width,
                         int startX) const {
  x = startX + LineWidth(GetCharLine(node), layout, node, startX);
  width = AdvanceX(layout, node, x) - x;
}

int DocTextModel::NextCharX(const CPageLayout& layout, const DocCharNode* node, int x) const {
  return AdvanceX(layout, node, x);
}
