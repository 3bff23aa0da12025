// The relayout after an edit: lines are refitted from just before the edit,
// flowed into pages (a page is split off, reused or dropped as the text
// needs), sections are set in balanced columns, and the pass stops once a
// line after the edit lands exactly where it was before.
#include <vector>

#include "editor/core/DocTextModel.h"

class DocTextModel::LayoutPass {
 public:
  LayoutPass(DocTextModel& model, int side, DocCharNode* end)
      : m(model), m_side(side), m_end(end) {}

  void Run(DocLineNode* line);

 private:
  DocCharNode* Refit(DocLineNode* line, int maxWidth, int& width);
  DocLineNode* LayOutSection(DocLineNode* first, DocCharNode*& brk);
  int RowFit(const std::vector<int>& heights, int start, int columns) const;
  void TakeOntoPage(DocLineNode* line);
  void AdvancePage(DocLineNode* line);
  void FinishSide();
  bool WriteCache(DocLineNode* line, int top, int height, int width);
  void Widen(DocLineNode* first, DocLineNode* last);
  bool Contains(const DocLineNode* line, const DocCharNode* brk) const;
  static bool IsUnplaced(const DocLineNode* line);
  int TextHeight() const { return m_layout->textRect.Height(); }

  DocTextModel& m;
  int m_side;
  DocCharNode* m_end;
  DocPageNode* m_page = nullptr;
  CPageLayout* m_layout = nullptr;
  int m_y = 0;
  bool m_passedEnd = false;
};

// Refits one line; lines that now lie inside it are dropped, and the next line
// begins at the break found (an existing next line moves its start back, or a
// new one is made).
DocCharNode* DocTextModel::LayoutPass::Refit(DocLineNode* line, int maxWidth, int& width) {
  DocCharNode* brk = m.FindLineBreak(line, *m_layout, width, maxWidth);
  for (DocCharNode* c = line->first->next; c != brk; c = c->next)
    if (c->line != nullptr) m.DeleteLine(c->line, FALSE);
  if (brk == nullptr) {
    while (line->next != nullptr) m.DeleteLine(line->next, FALSE);
    line->last = nullptr;
    return nullptr;
  }
  if (brk->line == nullptr) {
    DocLineNode* next = line->next;
    DocSection* section = brk->letter == kLetterPageBreak ? nullptr : line->section;
    if (next != nullptr && !IsBreakLetter(next->first->letter) && next->section == section) {
      next->first->line = nullptr;
      next->first = brk;
      brk->line = next;
    } else {
      // Before the line is cut at brk: the new line takes over its old end.
      m.CreateLineAfter(line, brk);
    }
  }
  line->last = brk->prev;
  return brk;
}

// A line placed on the current page that began the next page: that page now
// begins after it, or goes with its layout when nothing is left on it.
void DocTextModel::LayoutPass::TakeOntoPage(DocLineNode* line) {
  DocPageNode* taken = line->page;
  if (taken == nullptr || taken == m_page) return;
  line->page = nullptr;
  DocLineNode* next = line->next;
  if (next != nullptr && next->page == nullptr && taken->last != line) {
    taken->first = next;
    next->page = taken;
    taken->count = -1;
  } else {
    taken->first = nullptr;
    m.DeletePage(taken, FALSE);
    m.DeleteLayout(m_side, m_layout->next);
  }
  m_page->count = -1;
}

// The line begins the next page: the one that already begins with it, the
// following soft page moved back to it, or a new page with a copy of the
// current layout (before a hard page or at the end).
void DocTextModel::LayoutPass::AdvancePage(DocLineNode* line) {
  DocPageNode* next = m_page->next;
  if (next == nullptr || next->first != line) {
    if (next != nullptr && next->first->first->letter != kLetterPageBreak) {
      m_page->last = line->prev;
      m_page->count = -1;
      next->first->page = nullptr;
      next->first = line;
      line->page = next;
      next->count = -1;
    } else {
      m_page->last = next != nullptr ? next->first->prev : nullptr;
      next = m.SplitPage(m_page, line);
      m.InsertLayoutAfter(m_layout);
    }
  } else {
    m_page->last = line->prev;
    m_page->count = -1;
  }
  m_page = next;
  m_layout = m_layout->next;
  m_y = 0;
}

void DocTextModel::LayoutPass::FinishSide() {
  while (m_page->next != nullptr) {
    m.DeletePage(m_page->next, FALSE);
    m.DeleteLayout(m_side, m_layout->next);
  }
  m_page->last = nullptr;
  m_page->count = -1;
}

bool DocTextModel::LayoutPass::WriteCache(DocLineNode* line, int top, int height, int width) {
  DocLineCache cache;
  cache.top = top;
  cache.height = height;
  cache.width = width;
  cache.first = line->first;
  cache.last = line->last;
  cache.layout = m_layout;
  if (cache == line->cache) return false;
  line->cache = cache;
  Widen(line, line);
  return true;
}

void DocTextModel::LayoutPass::Widen(DocLineNode* first, DocLineNode* last) {
  // Lines come in text order, so the first one widened is the earliest.
  if (m.m_repaintFirst == nullptr) m.m_repaintFirst = first->first;
  m.m_repaintLast = m.GetLineLastChar(last);
}

// A line whose cache does not describe it has not been laid out since it
// was made or changed.
bool DocTextModel::LayoutPass::IsUnplaced(const DocLineNode* line) {
  return line != nullptr && (line->cache.first != line->first || line->cache.last != line->last);
}

bool DocTextModel::LayoutPass::Contains(const DocLineNode* line, const DocCharNode* brk) const {
  for (const DocCharNode* c = line->first; c != nullptr && c != brk; c = c->next)
    if (c == m_end) return true;
  return false;
}

// How many of the lines from start make a row of balanced columns that fits
// the rest of the page; 0 when none does.
int DocTextModel::LayoutPass::RowFit(const std::vector<int>& heights, int start,
                                     int columns) const {
  int counts[kMaxSectionColumns];
  int rest = static_cast<int>(heights.size()) - start;
  int avail = TextHeight() - m_y;
  if (BalanceColumnHeights(&heights[start], rest, columns, counts) <= avail) return rest;
  int fit = 0;
  if (rest > columns) {
    for (int k = 1; k < rest; k++) {
      if (BalanceColumnHeights(&heights[start], k, columns, counts) > avail) break;
      fit = k;
    }
  }
  return fit;
}

// Refits the lines of a section with the column width, balances them over the
// columns and sets them in rows: as many lines as fit the rest of the page in
// balanced columns, the others in further rows on the following pages.
// Returns the section's last line.
DocLineNode* DocTextModel::LayoutPass::LayOutSection(DocLineNode* first, DocCharNode*& brk) {
  DocSection* section = first->section;
  // Columns are fitted to the page the section begins on.
  if (first->first->letter == kLetterPageBreak && first != m_page->first) AdvancePage(first);
  std::vector<DocLineNode*> lines;
  std::vector<int> widths, heights;
  DocLineNode* line;
  int columns;
  for (;;) {
    int textWidth = m_layout->textRect.Width();
    bool valid = section->IsValidFor(textWidth) != FALSE;
    columns = valid ? section->columnCount : 1;
    int maxWidth = valid ? section->ColumnWidth(textWidth) : textWidth;
    lines.clear();
    widths.clear();
    heights.clear();
    for (line = first;; line = line->next) {
      int width;
      brk = Refit(line, maxWidth, width);
      if (!m_passedEnd && Contains(line, brk)) m_passedEnd = true;
      lines.push_back(line);
      widths.push_back(width);
      heights.push_back(m.LineHeight(line));
      if (brk == nullptr || line->next->section != section) break;
    }
    // Not even a first row fits the rest of this page: the section begins on
    // the next one, and is fitted to it.
    if (m_y == 0 || first == m_page->first || RowFit(heights, 0, columns) > 0) break;
    AdvancePage(first);
  }
  section->last = line;
  int counts[kMaxSectionColumns];
  int n = static_cast<int>(lines.size());
  section->height = BalanceColumnHeights(heights.data(), n, columns, counts);
  int index = 0;
  for (int c = 0; c < kMaxSectionColumns; c++) {
    section->initialFirst[c] = counts[c] > 0 ? lines[index] : nullptr;
    index += counts[c];
    section->initialLast[c] = counts[c] > 0 ? lines[index - 1] : nullptr;
  }
  section->balanced = 1;
  section->rows.RemoveAll();

  bool changed = false;
  int start = 0;
  while (start < n) {
    int rest = n - start;
    int fit = RowFit(heights, start, columns);
    if (fit == 0) fit = rest > columns ? 1 : rest;  // taller than a page: it stays here
    CLayoutRow row;
    row.height = BalanceColumnHeights(&heights[start], fit, columns, counts);
    row.first = lines[start];
    row.last = lines[start + fit - 1];
    int i = start;
    for (int c = 0; c < columns; c++) {
      int top = m_y;
      if (counts[c] > 0) {
        row.columnFirst[c] = lines[i];
        row.columnLast[c] = lines[i + counts[c] - 1];
      }
      for (int k = 0; k < counts[c]; k++, i++) {
        if (lines[i] != m_page->first) TakeOntoPage(lines[i]);
        changed |= WriteCache(lines[i], top, heights[i], widths[i]);
        top += heights[i];
      }
    }
    section->rows.Add(row);
    m_y += row.height;
    start += fit;
    if (start < n) AdvancePage(lines[start]);
  }
  section->current = section->rows[section->rows.GetUpperBound()];
  if (changed) Widen(first, line);
  return line;
}

void DocTextModel::LayoutPass::Run(DocLineNode* line) {
  m_page = m.GetLinePage(line);
  m_layout = m.GetPageLayout(m_page);
  m_y = line == m_page->first ? 0 : line->prev->cache.top + line->prev->cache.height;

  for (;;) {
    DocCharNode* brk;
    bool changed;
    if (line->section != nullptr && line->section->first != line) {
      // Cut off from its section's first line (a page break went between):
      // the line is ordinary text again.
      m.LeaveSection(line);
    }
    if (line->section != nullptr) {
      // A section is compared as a whole by the line after it.
      line = LayOutSection(line, brk);
      changed = true;
    } else {
      int width;
      bool hardBreak = line->first->letter == kLetterPageBreak;
      if (hardBreak && line != m_page->first) AdvancePage(line);
      brk = Refit(line, 0, width);
      int height = m.LineHeight(line);
      // A line that begins a page stays on it, however tall.
      if (line != m_page->first && m_y > 0 && m_y + height > TextHeight()) {
        AdvancePage(line);
        // The next page may be narrower or wider: fit the line to it.
        brk = Refit(line, 0, width);
        height = m.LineHeight(line);
      } else if (line != m_page->first) {
        TakeOntoPage(line);
      }
      bool containsEnd = !m_passedEnd && Contains(line, brk);
      changed = WriteCache(line, m_y, height, width);
      // A line refitted twice (it moved to the next page) may be back where
      // it was while the line after it was made anew.
      if (m_passedEnd && !changed && !IsUnplaced(line->next)) return;
      if (containsEnd) m_passedEnd = true;
      m_y += height;
    }
    if (brk == nullptr) {
      FinishSide();
      return;
    }
    line = line->next;
  }
}

// The first line whose layout an edit at start can change: the line before
// it (a word may move up), and whole sections with the line before each (a
// changed section may now begin on the page before). The pass starts after
// ordinary text, where the height used so far is known.
static DocLineNode* FirstLineToRefit(DocLineNode* line) {
  if (line->prev != nullptr) line = line->prev;
  for (;;) {
    if (line->section != nullptr && line->section->first != nullptr) {
      line = line->section->first;
      if (line->prev == nullptr) return line;
    } else if (line->prev == nullptr || line->prev->section == nullptr) {
      return line;
    }
    line = line->prev;
  }
}

void DocTextModel::Reformat(int side, DocCharNode* start, DocCharNode* end) {
  if (m_sides[side].head.line == nullptr) return;
  int pagesBefore = GetPageCount(side);
  // A break typed at start also shortens the line before it.
  DocLineNode* line = GetCharLine(start->prev != nullptr ? start->prev : start);
  if (m_bRelayoutFromPrevLine && line->prev != nullptr) line = line->prev;
  m_bRelayoutFromPrevLine = FALSE;
  m_repaintFirst = m_repaintLast = nullptr;
  LayoutPass pass(*this, side, end != nullptr ? end : start);
  pass.Run(FirstLineToRefit(line));
  if (m_repaintFirst == nullptr) {
    DocLineNode* startLine = GetCharLine(start);
    m_repaintFirst = startLine->first;
    m_repaintLast = GetLineLastChar(startLine);
  }
  if (GetPageCount(side) != pagesBefore) {
    m_bPagesChanged = TRUE;
    UpdatePageUnion();
    UpdateScrollSizes();
  }
  m_ui.OnLayoutChanged(side);
}

void DocTextModel::ReformatSide(int side) {
  DocCharNode* head = &m_sides[side].head;
  DocCharNode* last = head;
  while (last->next != nullptr) last = last->next;
  Reformat(side, head, last);
}
