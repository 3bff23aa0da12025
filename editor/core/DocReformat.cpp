// The relayout after an edit: lines are refitted from just before the edit,
// flowed into pages (a page is split off, reused or dropped as the text
// needs), sections are set in balanced columns, and the pass stops once a
// line after the edit lands exactly where it was before. Lines whose text the
// edit did not reach keep the breaks and sizes their caches hold, so a line
// that moves the rest down moves it without measuring it again, and rows of a
// section before the edit are set again only where they begin as they did.
#include <algorithm>
#include <cassert>
#include <vector>

#include "editor/core/DocTextModel.h"

class DocTextModel::LayoutPass {
 public:
  LayoutPass(DocTextModel& model, int side, DocLineNode* editLine, DocCharNode* end)
      : m(model), m_side(side), m_end(end), m_editLine(editLine), m_endLine(m.GetCharLine(end)) {}

  void Run(DocLineNode* line);

 private:
  struct SectionLines;
  struct SectionRows;

  DocCharNode* Refit(DocLineNode* line, int maxWidth, int& width);
  DocCharNode* Fit(DocLineNode* line, int maxWidth, bool sameFit, int& width, bool& holdsEnd);
  bool IsKept(const DocLineNode* line) const;
  bool FitsAsCached(const DocLineNode* line) const;
  bool BeginsWithPageBreak(const DocLineNode* line) const;
  void Meet(const DocLineNode* line);
  int Height(const DocLineNode* line, bool kept) const;
  bool FitSectionLines(SectionLines& s, size_t count);
  bool LayOutSection(DocLineNode* first, DocLineNode*& last, DocCharNode*& brk);
  bool KeepsRestOfSide(const SectionLines& s, size_t start, int oldRow) const;
  int KeptRowFit(SectionLines& s, size_t start, int oldRow);
  int FirstRowReached(const DocSection* section) const;
  bool SkipsKeptRow(const SectionLines& s, size_t start, int oldRow, int reached) const;
  int LastKeptRow(const SectionLines& s, int oldRow, int reached) const;
  int RowFit(SectionLines& s, size_t start);
  void TakeOntoPage(DocLineNode* line);
  // Lines are about to be made or dropped, which may drop a section's rows.
  void KeepSectionRows();
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
  // The lines the edit begins and ends in: the lines before both are as
  // they were, and so is the text after the line that holds m_end.
  DocLineNode* m_editLine;
  DocLineNode* m_endLine;
  bool m_reachedEdit = false;  // either line met, or dropped
  bool m_metEditLine = false;
  DocPageNode* m_page = nullptr;
  CPageLayout* m_layout = nullptr;
  int m_y = 0;
  bool m_passedEnd = false;
  bool m_lastFitKept = false;
  bool m_lastFitBeforeEdit = false;
  SectionRows* m_sectionRows = nullptr;  // of the section being laid out
};

// The rows a section's layout has set so far: the first `front` rows laid
// out before, left in place in the section as they were, then those in rows.
struct DocTextModel::LayoutPass::SectionRows {
  explicit SectionRows(DocSection* s) : section(s) {}

  int Count() const { return front + rows.GetSize(); }
  // The section's rows are about to be dropped (a line of it is made or goes):
  // the ones left in place are taken over first.
  void TakeFront() {
    if (front == 0) return;
    CArray<CLayoutRow, const CLayoutRow&> all;
    all.SetSize(front + rows.GetSize());
    for (int i = 0; i < front; i++) all[i] = section->rows[i];
    for (int i = 0; i < rows.GetSize(); i++) all[front + i] = rows[i];
    rows.Copy(all);
    front = 0;
  }
  // Puts the rows in place of the old ones from `front` up to oldEnd.
  void Store(int oldEnd) {
    CArray<CLayoutRow, const CLayoutRow&>& old = section->rows;
    int count = rows.GetSize();
    if (oldEnd - front > count)
      old.RemoveAt(front + count, oldEnd - front - count);
    else if (oldEnd - front < count)
      old.InsertAt(oldEnd, CLayoutRow(), count - (oldEnd - front));
    for (int i = 0; i < count; i++) old[front + i] = rows[i];
    section->current = old[front + count - 1];
  }

  DocSection* section;
  int front = 0;
  CArray<CLayoutRow, const CLayoutRow&> rows;
};

void DocTextModel::LayoutPass::KeepSectionRows() {
  if (m_sectionRows != nullptr) m_sectionRows->TakeFront();
}

// The lines of a section fitted so far, in order, with their widths,
// heights and the running total of the heights.
struct DocTextModel::LayoutPass::SectionLines {
  SectionLines(DocSection* s, DocLineNode* firstLine) : section(s), first(firstLine) {}

  void Restart(int columnCount, int width, bool fitAsBefore) {
    columns = columnCount;
    maxWidth = width;
    sameFit = fitAsBefore;
    Rebase(first);
  }
  // The lines are fitted again from the line given on.
  void Rebase(DocLineNode* line) {
    next = line;
    complete = false;
    endIndex = -1;
    keptBefore = 0;
    lines.clear();
    widths.clear();
    heights.clear();
    sums.assign(1, 0);
  }
  long long Total(size_t from, size_t to) const { return sums[to] - sums[from]; }

  DocSection* section;
  DocLineNode* first;
  DocLineNode* next = nullptr;  // the line to fit next
  int columns = 1;
  int maxWidth = 0;
  bool sameFit = false;   // fitted to the width the section had when last laid out
  bool complete = false;  // the section's last line is among the lines
  int endIndex = -1;      // the line that holds the edit's end, when among them
  size_t keptBefore = 0;  // the first lines, before the edit and as they were
  DocCharNode* brk = nullptr;  // where the last line fitted ends
  std::vector<DocLineNode*> lines;
  std::vector<int> widths, heights;
  std::vector<long long> sums;  // sums[i]: the heights of the lines before i
};

// Refits one line; lines that now lie inside it are dropped, and the next line
// begins at the break found (an existing next line moves its start back, or a
// new one is made).
DocCharNode* DocTextModel::LayoutPass::Refit(DocLineNode* line, int maxWidth, int& width) {
  m.m_linesFitted++;
  DocCharNode* brk = m.FindLineBreak(line, *m_layout, width, maxWidth);
  for (DocCharNode* c = line->first->next; c != brk; c = c->next) {
    if (c->line != nullptr) {
      Meet(c->line);
      KeepSectionRows();
      m.DeleteLine(c->line, FALSE);
    }
  }
  if (brk == nullptr) {
    while (line->next != nullptr) {
      Meet(line->next);
      KeepSectionRows();
      m.DeleteLine(line->next, FALSE);
    }
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
      KeepSectionRows();
      m.CreateLineAfter(line, brk);
    }
  }
  line->last = brk->prev;
  return brk;
}

// Whether a page of the layout given fits ordinary text as one of this layout
// does: the same text width and the same tab stops.
static bool FitsAlike(const CPageLayout& a, const CPageLayout& b) {
  if (a.textRect.Width() != b.textRect.Width()) return false;
  const CDWordArray& stopsA = a.pixelTabStops;
  const CDWordArray& stopsB = b.pixelTabStops;
  if (stopsA.GetSize() != stopsB.GetSize()) return false;
  for (int i = 0; i < stopsA.GetSize(); i++)
    if (stopsA[i] != stopsB[i]) return false;
  return true;
}

// Whether the line's cached fit stands on the page being filled: it was
// fitted to this page's layout, or to the next or previous page's (a line that
// an edit moved across a page boundary) when that layout fits alike. So
// a line added or dropped moves the rest of the side without refitting it.
bool DocTextModel::LayoutPass::FitsAsCached(const DocLineNode* line) const {
  const CPageLayout* cached = line->cache.layout;
  if (cached == m_layout) return true;
  // Only the neighbours in the layout list are looked at: a line's cache may
  // name a layout that has gone.
  if (cached == nullptr || (cached != m_layout->prev && cached != m_layout->next)) return false;
  return FitsAlike(*cached, *m_layout);
}

// Whether the line begins with a page break. After the edit, a line as it was
// laid out that does not begin a page does not (a page break begins one), so
// the lines an edit only moves are laid out without visiting their text.
bool DocTextModel::LayoutPass::BeginsWithPageBreak(const DocLineNode* line) const {
  if (line->page == nullptr && m_passedEnd && m_metEditLine && !IsUnplaced(line)) return false;
  return line->first->letter == kLetterPageBreak;
}

// Notes a line the pass reaches or drops: once the line the edit begins or
// ends in is met, no line counts as before the edit.
void DocTextModel::LayoutPass::Meet(const DocLineNode* line) {
  if (line == m_editLine) m_metEditLine = true;
  if (line == m_editLine || line == m_endLine) m_reachedEdit = true;
}

// Whether the line breaks where it did when last laid out, so that its cache
// can stand for a refit: its text and the text of the next line (which the
// fit reads into) are as they were, before the edit or after it.
bool DocTextModel::LayoutPass::IsKept(const DocLineNode* line) const {
  if (IsUnplaced(line)) return false;
  if (m_passedEnd) return m_metEditLine;
  const DocLineNode* next = line->next;
  return !m_reachedEdit && next != nullptr && next != m_editLine && next != m_endLine;
}

// Fits the line with the width given, taking its break and width from its
// cache when it was fitted to the same width and breaks as it did; holdsEnd
// tells whether the line holds the edit's end.
DocCharNode* DocTextModel::LayoutPass::Fit(DocLineNode* line, int maxWidth, bool sameFit,
                                          int& width, bool& holdsEnd) {
  Meet(line);
  m_lastFitKept = sameFit && IsKept(line);
  m_lastFitBeforeEdit = m_lastFitKept && !m_passedEnd;
  if (m_lastFitKept) {
    width = line->cache.width;
    holdsEnd = false;  // a line before the edit or after its end
    if (line->last == nullptr) return nullptr;
    // It breaks where the next line begins: read from the line nodes, as a
    // line that only moves is laid out without visiting its characters.
    assert(line->next == nullptr || line->last->next == line->next->first);
    return line->next != nullptr ? line->next->first : line->last->next;
  }
  DocCharNode* brk = Refit(line, maxWidth, width);
  holdsEnd = !m_passedEnd && Contains(line, brk);
  return brk;
}

int DocTextModel::LayoutPass::Height(const DocLineNode* line, bool kept) const {
  return kept ? line->cache.height : m.LineHeight(line);
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

// Fits the section's lines until count of them are fitted; false when it
// has fewer.
bool DocTextModel::LayoutPass::FitSectionLines(SectionLines& s, size_t count) {
  while (s.lines.size() < count && !s.complete) {
    DocLineNode* line = s.next;
    int width;
    bool holdsEnd;
    s.brk = Fit(line, s.maxWidth, s.sameFit, width, holdsEnd);
    if (holdsEnd) {
      m_passedEnd = true;
      s.endIndex = static_cast<int>(s.lines.size());
    }
    int height = Height(line, m_lastFitKept);
    if (m_lastFitBeforeEdit && s.keptBefore == s.lines.size()) s.keptBefore++;
    s.lines.push_back(line);
    s.widths.push_back(width);
    s.heights.push_back(height);
    s.sums.push_back(s.sums.back() + height);
    s.complete = s.brk == nullptr || line->next->section != s.section;
    s.next = line->next;
  }
  return s.lines.size() >= count;
}

// How many of the lines from start make a row of balanced columns that fits
// the rest of the page; 0 when none does. The tallest column is at least the
// lines' total over the columns and at most their total, so only the counts
// between those bounds are balanced, and lines are fitted only up to them.
int DocTextModel::LayoutPass::RowFit(SectionLines& s, size_t start) {
  int counts[kMaxSectionColumns];
  int avail = TextHeight() - m_y;
  long long tooTall = static_cast<long long>(avail) * s.columns;
  while (s.Total(start, s.lines.size()) <= tooTall && FitSectionLines(s, s.lines.size() + 1)) {
  }
  int fitted = static_cast<int>(s.lines.size() - start);
  if (s.Total(start, s.lines.size()) <= tooTall &&
      BalanceColumnSums(&s.sums[start], fitted, s.columns, counts) <= avail)
    return fitted;  // every line left
  int fit = 0;
  if (FitSectionLines(s, start + s.columns + 1)) {
    for (int k = 1; k < fitted; k++) {
      long long total = s.Total(start, start + k);
      if (total > tooTall) break;
      if (total > avail && BalanceColumnSums(&s.sums[start], k, s.columns, counts) > avail)
        break;
      fit = k;
    }
  }
  return fit;
}

// The lines of the row that begins at start when it is the row laid out
// there before, at the same place, and all it depends on lies before the
// edit: its lines, the line after them and, unless it was the last row,
// lines enough that the rest cannot fit the page; 0 when it is not.
int DocTextModel::LayoutPass::KeptRowFit(SectionLines& s, size_t start, int oldRow) {
  if (!s.sameFit || oldRow < 0) return 0;
  const DocSection* section = s.section;
  const DocLineNode* line = s.lines[start];
  if (IsUnplaced(line) || line->cache.top != m_y || line->cache.layout != m_layout) return 0;
  size_t end = start;
  while (end < s.keptBefore && s.lines[end] != section->rows[oldRow].last)
    FitSectionLines(s, ++end + 1);
  if (end >= s.keptBefore) return 0;
  int fit = static_cast<int>(end - start + 1);
  if (oldRow == section->rows.GetUpperBound())
    return s.complete && s.keptBefore == s.lines.size() && end + 1 == s.lines.size() ? fit : 0;
  long long tooTall = static_cast<long long>(TextHeight() - m_y) * s.columns;
  while (s.keptBefore == s.lines.size() && s.Total(start, s.lines.size()) <= tooTall &&
         FitSectionLines(s, s.lines.size() + 1)) {
  }
  if (end + 1 >= s.keptBefore || s.Total(start, s.keptBefore) <= tooTall) return 0;
  // Whether more lines than columns are left decides as before.
  return FitSectionLines(s, start + s.columns + 1) ? fit : 0;
}

// The row laid out before that began with the line, looked for from the
// given one on; -1 when there is none.
static int FindOldRow(const DocSection* section, const DocLineNode* line, int from) {
  for (int r = from; r < section->rows.GetSize(); r++)
    if (section->rows[r].first == line) return r;
  return -1;
}

// The first row laid out before that the edit may reach: the row that
// begins the page the edit begins or ends on (0 when the section does not
// begin it), or past the rows when the edit lies after the section.
int DocTextModel::LayoutPass::FirstRowReached(const DocSection* section) const {
  if (m_reachedEdit || m_passedEnd) return 0;
  int reached = section->rows.GetSize();
  for (const DocLineNode* line : {m_editLine, m_endLine}) {
    if (line->section != section) continue;
    int row = FindOldRow(section, m.GetLinePage(line)->first, 0);
    reached = std::min(reached, std::max(row, 0));
  }
  return reached;
}

// Whether the row laid out before at start stands as it was without its
// lines being visited: it begins where it did, and all its fit reads (its
// lines, the line after them and lines enough that the rest cannot fit the
// page) lies in rows that end two rows before the one the edit reaches, as
// a word may move up into the row before that.
bool DocTextModel::LayoutPass::SkipsKeptRow(const SectionLines& s, size_t start, int oldRow,
                                            int reached) const {
  if (!s.sameFit || m_reachedEdit || m_passedEnd || oldRow < 0 || oldRow + 3 >= reached)
    return false;
  const DocLineNode* line = s.lines[start];
  if (IsUnplaced(line) || line->cache.top != m_y || line->cache.layout != m_layout) return false;
  const CArray<CLayoutRow, const CLayoutRow&>& rows = s.section->rows;
  long long tooTall = static_cast<long long>(TextHeight() - m_y) * s.columns;
  long long total = 0;
  int lines = 0;
  for (int r = oldRow; r + 2 < reached && (total <= tooTall || lines <= s.columns); r++) {
    total += rows[r].lineHeights;
    lines += rows[r].lineCount;
  }
  return total > tooTall && lines > s.columns;
}

// The last of the rows from oldRow, which stands as it was, that stand as
// they were one after another: each begins its page as it did, and what its
// fit reads ends two rows before the one the edit reaches, as SkipsKeptRow
// asks of each. Found from the rows laid out before, without their lines.
int DocTextModel::LayoutPass::LastKeptRow(const SectionLines& s, int oldRow, int reached) const {
  const CArray<CLayoutRow, const CLayoutRow&>& rows = s.section->rows;
  // The heights and lines of the rows from r to the last a fit may read.
  long long total = 0;
  int lines = 0;
  for (int r = oldRow + 1; r + 2 < reached; r++) {
    total += rows[r].lineHeights;
    lines += rows[r].lineCount;
  }
  int last = oldRow;
  for (int r = oldRow + 1; r + 3 < reached; r++) {
    const DocLineNode* line = rows[r].first;
    const DocPageNode* page = line->page;
    if (page == nullptr || IsUnplaced(line) || line->cache.top != 0) break;
    const CPageLayout* layout = m.GetPageLayout(page);
    if (line->cache.layout != layout) break;
    long long tooTall = static_cast<long long>(layout->textRect.Height()) * s.columns;
    if (total <= tooTall || lines <= s.columns) break;
    last = r;
    total -= rows[r].lineHeights;
    lines -= rows[r].lineCount;
  }
  return last;
}

// Whether the row that begins at start begins its page as it did, after the
// edit and fitted as before: then the rows from it, and the rest of the side,
// are laid out as they were.
bool DocTextModel::LayoutPass::KeepsRestOfSide(const SectionLines& s, size_t start,
                                               int oldRow) const {
  if (!s.sameFit || !m_passedEnd || !m_metEditLine || s.endIndex >= static_cast<int>(start))
    return false;
  const DocLineNode* line = s.lines[start];
  return oldRow >= 0 && !IsUnplaced(line) && line->cache.top == 0 && line->cache.layout == m_layout;
}

// Refits the lines of a section with the column width, balances them over the
// columns and sets them in rows: as many lines as fit the rest of the page in
// balanced columns, the others in further rows on the following pages. last
// receives the section's last line; false when a row after the edit began
// its page as before, and the rest of the side was left as it was.
bool DocTextModel::LayoutPass::LayOutSection(DocLineNode* first, DocLineNode*& last,
                                             DocCharNode*& brk) {
  DocSection* section = first->section;
  // Columns are fitted to the page the section begins on.
  if (first->first->letter == kLetterPageBreak && first != m_page->first) AdvancePage(first);
  SectionLines s(section, first);
  const int reached = FirstRowReached(section);
  bool passedEnd = m_passedEnd;
  for (;;) {
    int textWidth = m_layout->textRect.Width();
    bool valid = section->IsValidFor(textWidth) != FALSE;
    // The page the section began on keeps its layout unless the edit
    // reaches that far.
    bool sameFit = section->rows.GetSize() > 0 && !IsUnplaced(first) &&
                   first->cache.layout == m_layout &&
                   (m_passedEnd ? m_metEditLine
                                : !m_reachedEdit && first != m_editLine && first != m_endLine);
    s.Restart(valid ? section->columnCount : 1, valid ? section->ColumnWidth(textWidth) : textWidth,
              sameFit);
    m_passedEnd = passedEnd;
    FitSectionLines(s, 1);
    // Not even a first row fits the rest of this page: the section begins on
    // the next one, and is fitted to it. A first row that stands as it was
    // fits as it did.
    int oldFirstRow = FindOldRow(section, first, 0);
    if (m_y == 0 || first == m_page->first || SkipsKeptRow(s, 0, oldFirstRow, reached) ||
        KeptRowFit(s, 0, oldFirstRow) > 0 || RowFit(s, 0) > 0)
      break;
    AdvancePage(first);
  }
  section->balanced = 1;
  const int columns = s.columns;
  SectionRows laid(section);
  m_sectionRows = &laid;
  int nextOldRow = 0;
  bool changed = false;
  size_t start = 0;
  while (FitSectionLines(s, start + 1)) {
    if (laid.Count() > 0) AdvancePage(s.lines[start]);
    int oldRow = FindOldRow(section, s.lines[start], nextOldRow);
    if (oldRow >= 0) nextOldRow = oldRow + 1;
    if (SkipsKeptRow(s, start, oldRow, reached)) {
      // The rows that follow it and stand too are passed at once.
      int lastKept = LastKeptRow(s, oldRow, reached);
      const CLayoutRow& kept = section->rows[lastKept];
      if (lastKept > oldRow) {
        m_page = kept.first->page;
        m_layout = m.GetPageLayout(m_page);
        m_y = 0;
      }
      if (laid.rows.GetSize() == 0 && oldRow == laid.front)
        laid.front = lastKept + 1;
      else
        for (int r = oldRow; r <= lastKept; r++) laid.rows.Add(section->rows[r]);
      nextOldRow = lastKept + 1;
      m_y += kept.height;
      s.Rebase(kept.last->next);
      start = 0;
      continue;
    }
    if (laid.Count() > 0 && KeepsRestOfSide(s, start, oldRow)) {
      if (changed) Widen(first, laid.rows[laid.rows.GetUpperBound()].last);
      laid.Store(oldRow);
      m_sectionRows = nullptr;
      return false;
    }
        int counts[kMaxSectionColumns];
    int fit = KeptRowFit(s, start, oldRow);
    if (fit == 0) fit = RowFit(s, start);
    if (fit == 0) {
      // Taller than a page: it stays here.
      fit = FitSectionLines(s, start + columns + 1) ? 1 : static_cast<int>(s.lines.size() - start);
    }
    CLayoutRow row;
    row.height = BalanceColumnSums(&s.sums[start], fit, columns, counts);
    row.first = s.lines[start];
    row.last = s.lines[start + fit - 1];
    row.lineCount = fit;
    row.lineHeights = static_cast<int>(s.Total(start, start + fit));
    size_t i = start;
    for (int c = 0; c < columns; c++) {
      int top = m_y;
      if (counts[c] > 0) {
        row.columnFirst[c] = s.lines[i];
        row.columnLast[c] = s.lines[i + counts[c] - 1];
      }
      for (int k = 0; k < counts[c]; k++, i++) {
        DocLineNode* line = s.lines[i];
        if (line != m_page->first) TakeOntoPage(line);
        changed |= WriteCache(line, top, s.heights[i], s.widths[i]);
        top += s.heights[i];
      }
    }
    laid.rows.Add(row);
    m_y += row.height;
    start += fit;
  }
  last = s.lines.back();
  brk = s.brk;
  section->last = last;
  laid.Store(section->rows.GetSize());
  m_sectionRows = nullptr;
  if (changed) Widen(first, last);
  return true;
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
      if (!LayOutSection(line, line, brk)) return;
      changed = true;
    } else {
      int width;
      bool holdsEnd;
      bool hardBreak = BeginsWithPageBreak(line);
      if (hardBreak && line != m_page->first) AdvancePage(line);
      brk = Fit(line, 0, FitsAsCached(line), width, holdsEnd);
      int height = Height(line, m_lastFitKept);
      // A line that begins a page stays on it, however tall.
      if (line != m_page->first && m_y > 0 && m_y + height > TextHeight()) {
        AdvancePage(line);
        // The next page may be narrower or wider: fit the line to it.
        brk = Fit(line, 0, FitsAsCached(line), width, holdsEnd);
        height = Height(line, m_lastFitKept);
      } else if (line != m_page->first) {
        TakeOntoPage(line);
      }
      changed = WriteCache(line, m_y, height, width);
      // A line refitted twice (it moved to the next page) may be back where
      // it was while the line after it was made anew.
      if (m_passedEnd && !changed && !IsUnplaced(line->next)) return;
      if (holdsEnd) m_passedEnd = true;
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
  m_linesFitted = 0;
  LayoutPass pass(*this, side, line, end != nullptr ? end : start);
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
