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

void DocEditor::CountSectionRuns(int side, SectionRunCache& out) const {
  out.runs.RemoveAll();
  out.starts.RemoveAll();
  out.sections.RemoveAll();
  out.sectionChanges = m_model.GetSectionChanges();
  out.boundsKnown = TRUE;
  if (!m_model.HasSections(side)) return;  // no runs to count
  const DocLineNode* first = m_model.Side(side).head.line;
  bool any = false;
  for (const DocLineNode* l = first; l != nullptr; l = l->next) {
    if (l == first || l->section != l->prev->section) {
      out.runs.Add(SpanOf(l->section));
      out.starts.Add(l->first);
      out.sections.Add(l->section);
    }
    CEditSpan& run = out.runs[out.runs.GetUpperBound()];
    run.lineCount++;
    run.charCount += static_cast<DWORD>(m_model.GetLineCharCount(l));
    any = any || l->section != nullptr;
  }
  if (!any) {
    out.runs.RemoveAll();
    out.starts.RemoveAll();
    out.sections.RemoveAll();
  }
}

void DocEditor::CaptureSections(int side, CEditSpanArray& runs) const {
  SectionRunCache counted;
  CountSectionRuns(side, counted);
  runs.Copy(counted.runs);
}

// --- Runs kept from step to step ------------------------------------------------
// Counting a side's characters on every key would cost the whole side, so
// the runs of the last step are kept. While the model's count of section
// changes stands, the side has the same sections in the same order, and only
// where their runs begin needs looking at. An edit between two characters
// that both outlive it changes the character count of the run it lies in
// only, by the characters it added.

// The line that run i of the kept runs begins with now.
const DocLineNode* DocEditor::KeptRunFirstLine(int side, int i) const {
  const SectionRunCache& kept = m_sectionRuns[side];
  if (i == 0) return m_model.Side(side).head.line;
  if (kept.sections[i] != nullptr) return kept.sections[i]->first;
  // Lines without a section follow one that has a section.
  return kept.sections[i - 1]->last->next;
}

BOOL DocEditor::KeptRunBoundsStand(int side) const {
  const SectionRunCache& kept = m_sectionRuns[side];
  if (!kept.boundsKnown || kept.sectionChanges != m_model.GetSectionChanges()) return FALSE;
  int count = kept.runs.GetSize();
  for (int i = 0; i < count; i++) {
    const DocLineNode* first = KeptRunFirstLine(side, i);
    if (first == nullptr || first->section != kept.sections[i] || first->first != kept.starts[i])
      return FALSE;
    if (i > 0 && first->prev->section != kept.sections[i - 1]) return FALSE;
  }
  const DocSection* lastSection = count > 0 ? kept.sections[count - 1] : nullptr;
  return lastSection == nullptr || lastSection->last->next == nullptr;
}

int DocEditor::KeptRunHolding(int side, const DocLineNode* line) const {
  const SectionRunCache& kept = m_sectionRuns[side];
  if (line->section != nullptr) {
    for (int i = 0; i < kept.sections.GetSize(); i++)
      if (kept.sections[i] == line->section) return i;
    return -1;
  }
  // The run without a section that the next section's run follows.
  for (int i = 0; i < kept.runs.GetSize(); i++) {
    if (kept.sections[i] != nullptr) continue;
    if (i + 1 == kept.runs.GetSize() ||
        m_model.CompareLines(line, KeptRunFirstLine(side, i + 1)) < 0)
      return i;
  }
  return -1;
}

BOOL DocEditor::UpdateKeptLineCounts(int side, int editRun) {
  SectionRunCache& kept = m_sectionRuns[side];
  if (kept.runs.GetSize() == 0) return TRUE;
  // The lines without a section are what the sections leave of the side's.
  int plainNow = m_model.GetLineCount(side), plainKept = 0;
  for (int i = 0; i < kept.runs.GetSize(); i++) {
    if (kept.sections[i] != nullptr)
      plainNow -= kept.sections[i]->lineCount;
    else
      plainKept += static_cast<int>(kept.runs[i].lineCount);
  }
  int change = plainNow - plainKept;
  if (change != 0) {
    if (editRun < 0 || kept.sections[editRun] != nullptr) return FALSE;
    if (static_cast<int>(kept.runs[editRun].lineCount) + change < 1) return FALSE;
    kept.runs[editRun].lineCount += change;
  }
  for (int i = 0; i < kept.runs.GetSize(); i++)
    if (kept.sections[i] != nullptr)
      kept.runs[i].lineCount = static_cast<DWORD>(kept.sections[i]->lineCount);
  return TRUE;
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
  // A side without sections needs no counts.
  bool usable = KeptRunBoundsStand(side) && (kept.countsKnown || kept.runs.GetSize() == 0) &&
                UpdateKeptLineCounts(side, -1);
  if (!usable) CountSectionRuns(side, kept);
  runs.Copy(kept.runs);
  kept.countsKnown = !RunBeginsWithin(start, end, kept.starts);
  AssertRunsCounted(side, runs);
}

void DocEditor::CaptureSectionsAfter(int side, const DocCharNode* start, const DocCharNode* end,
                                     int addedChars, CEditSpanArray& runs) {
  SectionRunCache& kept = m_sectionRuns[side];
  bool usable = kept.countsKnown && KeptRunBoundsStand(side) &&
                !RunBeginsWithin(start, end, kept.starts);
  if (usable && kept.runs.GetSize() > 0) {
    int editRun = start != nullptr ? KeptRunHolding(side, m_model.GetCharLine(start)) : -1;
    usable = (start == nullptr || editRun >= 0) && UpdateKeptLineCounts(side, editRun);
    if (usable && editRun >= 0) kept.runs[editRun].charCount += static_cast<DWORD>(addedChars);
  }
  if (!usable) CountSectionRuns(side, kept);
  kept.countsKnown = TRUE;
  runs.Copy(kept.runs);
  AssertRunsCounted(side, runs);
}

BOOL DocEditor::IsKnownWithoutSections(int side) const {
  return KeptRunBoundsStand(side) && m_sectionRuns[side].runs.GetSize() == 0;
}

void DocEditor::ForgetSectionRuns() {
  for (SectionRunCache& kept : m_sectionRuns) kept.countsKnown = FALSE;
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
  m_sectionRuns[side].countsKnown = FALSE;
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
