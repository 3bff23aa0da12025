// A side's column sections as runs of characters from its start, which stay
// valid however the lines are laid out, and their writing back.
#include <cassert>
#include <cstring>

#include "editor/core/DocEditor.h"

static CEditSpan SpanOf(const DocSection* section) {
  CEditSpan span;
  if (section == nullptr) return span;
  span.inSection = 1;
  span.columnCount = static_cast<DWORD>(section->columnCount);
  span.gap = static_cast<DWORD>(section->gap);
  static_assert(sizeof(span.gapInUnit) == sizeof(section->gapInUnit), "a double in two words");
  std::memcpy(span.gapInUnit, &section->gapInUnit, sizeof(span.gapInUnit));
  span.unit = section->unit;
  span.fileValue = section->fileValue;
  return span;
}

static void SettingsOf(const CEditSpan& span, DocSection& section) {
  section.columnCount = static_cast<int>(span.columnCount);
  section.gap = static_cast<int>(span.gap);
  std::memcpy(&section.gapInUnit, span.gapInUnit, sizeof(span.gapInUnit));
  section.unit = static_cast<WORD>(span.unit);
  section.fileValue = span.fileValue;
}

void DocEditor::ScanSections(int side, CEditSpanArray& runs, RunStarts& starts,
                             const DocLineNode* find, int* findRun) const {
  runs.RemoveAll();
  starts.RemoveAll();
  const DocLineNode* first = m_model.Side(side).head.line;
  bool any = false;
  for (const DocLineNode* l = first; l != nullptr; l = l->next) {
    if (l == first || l->section != l->prev->section) {
      runs.Add(SpanOf(l->section));
      starts.Add(l->first);
    }
    runs[runs.GetUpperBound()].lineCount++;
    if (l == find) *findRun = runs.GetUpperBound();
    any = any || l->section != nullptr;
  }
  if (!any) {
    runs.RemoveAll();
    starts.RemoveAll();
    if (findRun != nullptr) *findRun = -1;
  }
}

void DocEditor::CaptureSections(int side, CEditSpanArray& runs) const {
  RunStarts starts;
  ScanSections(side, runs, starts);
  int run = -1;
  for (const DocLineNode* l = m_model.Side(side).head.line; l != nullptr && runs.GetSize() > 0;
       l = l->next) {
    if (run + 1 < starts.GetSize() && l->first == starts[run + 1]) run++;
    runs[run].charCount += static_cast<DWORD>(m_model.GetLineCharCount(l));
  }
}

// --- Runs kept from step to step ------------------------------------------------
// Counting a side's characters on every key would cost the whole side, so
// the counts of the last step are kept. An edit between two characters that
// both outlive it changes the count of the run it lies in only, by the
// characters it added; the lines are walked to make sure that every run
// still begins at the character it began at.

static bool SameRunStarts(const CEditSpanArray& a, const DocEditor::RunStarts& aStarts,
                          const CEditSpanArray& b, const DocEditor::RunStarts& bStarts,
                          bool lineCountsToo) {
  if (a.GetSize() != b.GetSize() || aStarts.GetSize() != bStarts.GetSize()) return false;
  for (int i = 0; i < a.GetSize(); i++) {
    CEditSpan left = a[i], right = b[i];
    left.charCount = right.charCount = 0;
    if (!lineCountsToo) left.lineCount = right.lineCount = 0;
    if (left != right || aStarts[i] != bStarts[i]) return false;
  }
  return true;
}

// Whether a run begins among the characters strictly between start and end.
static bool RunBeginsWithin(const DocCharNode* start, const DocCharNode* end,
                            const DocEditor::RunStarts& starts) {
  if (start == nullptr || starts.GetSize() < 2) return false;
  for (const DocCharNode* c = start->next; c != end; c = c->next)
    for (int i = 1; i < starts.GetSize(); i++)
      if (starts[i] == c) return true;
  return false;
}

// Builds with assertions count the runs again to check the kept counts.
void DocEditor::AssertRunsCounted(int side, const CEditSpanArray& runs) const {
#ifndef NDEBUG
  CEditSpanArray counted;
  CaptureSections(side, counted);
  assert(SameSpans(runs, counted));
#else
  (void)side;
  (void)runs;
#endif
}

void DocEditor::CaptureSectionsBefore(int side, const DocCharNode* start, const DocCharNode* end,
                                      CEditSpanArray& runs) {
  SectionRunCache& kept = m_sectionRuns[side];
  // Typing gives a side without sections none, and the other commands that
  // could have given it some are recorded in full.
  if (IsKnownWithoutSections(side)) {
    runs.RemoveAll();
    AssertRunsCounted(side, runs);
    return;
  }
  RunStarts starts;
  ScanSections(side, runs, starts);
  if (kept.valid && SameRunStarts(runs, starts, kept.runs, kept.starts, true)) {
    runs.Copy(kept.runs);
  } else {
    CaptureSections(side, runs);
    kept.runs.Copy(runs);
    kept.starts.Copy(starts);
  }
  kept.valid = !RunBeginsWithin(start, end, starts);
  AssertRunsCounted(side, runs);
}

void DocEditor::CaptureSectionsAfter(int side, const DocCharNode* start, const DocCharNode* end,
                                     int addedChars, CEditSpanArray& runs) {
  SectionRunCache& kept = m_sectionRuns[side];
  RunStarts starts;
  int editRun = -1;
  ScanSections(side, runs, starts, start != nullptr ? m_model.GetCharLine(start) : nullptr,
               &editRun);
  if (kept.valid && SameRunStarts(runs, starts, kept.runs, kept.starts, false) &&
      !RunBeginsWithin(start, end, starts)) {
    for (int i = 0; i < runs.GetSize(); i++) runs[i].charCount = kept.runs[i].charCount;
    if (editRun >= 0) runs[editRun].charCount += static_cast<DWORD>(addedChars);
  } else {
    CaptureSections(side, runs);
  }
  kept.runs.Copy(runs);
  kept.starts.Copy(starts);
  kept.valid = TRUE;
  AssertRunsCounted(side, runs);
}

BOOL DocEditor::IsKnownWithoutSections(int side) const {
  const SectionRunCache& kept = m_sectionRuns[side];
  return kept.valid && kept.runs.GetSize() == 0;
}

void DocEditor::ForgetSectionRuns() {
  for (SectionRunCache& kept : m_sectionRuns) kept.valid = FALSE;
}

// Line counts are left to the layout: each run's lines are those that begin
// among its characters, and a line is split where a run begins inside it.
BOOL DocEditor::ApplySections(int side, const CEditSpanArray& runs,
                              const CEditSpanArray* current) {
  CEditSpanArray counted;
  if (current == nullptr) {
    CaptureSections(side, counted);
    current = &counted;
  }
  if (SameSpans(*current, runs)) return FALSE;
  m_sectionRuns[side].valid = FALSE;
  m_model.ClearSections(side);
  CArray<DocLineNode*, DocLineNode*> starts;
  DocCharNode* c = m_model.GetHead(side);
  for (int i = 0; i < runs.GetSize() && c != nullptr; i++) {
    if (c->line == nullptr) m_model.CreateLineAfter(m_model.GetCharLine(c), c);
    starts.Add(c->line);
    for (DWORD k = 0; k < runs[i].charCount && c != nullptr; k++) c = c->next;
  }
  for (int i = 0; i < starts.GetSize(); i++) {
    if (!runs[i].inSection) continue;
    DocLineNode* last = starts[i];
    while (last->next != nullptr && (i + 1 == starts.GetSize() || last->next != starts[i + 1]))
      last = last->next;
    DocSection settings;
    SettingsOf(runs[i], settings);
    m_model.SetLinesSection(starts[i], last, &settings);
  }
  return TRUE;
}
