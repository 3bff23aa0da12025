// A side's column sections as runs of characters from its start, which stay
// valid however the lines are laid out, and their writing back.
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

void DocEditor::CaptureSections(int side, CEditSpanArray& runs) const {
  runs.RemoveAll();
  const DocLineNode* first = m_model.Side(side).head.line;
  bool any = false;
  for (const DocLineNode* l = first; l != nullptr && !any; l = l->next) any = l->section != nullptr;
  if (!any) return;
  for (const DocLineNode* l = first; l != nullptr; l = l->next) {
    if (l == first || l->section != l->prev->section) runs.Add(SpanOf(l->section));
    CEditSpan& run = runs[runs.GetUpperBound()];
    run.lineCount++;
    run.charCount += static_cast<DWORD>(m_model.GetLineCharCount(l));
  }
}

// Line counts are left to the layout: each run's lines are those that begin
// among its characters, and a line is split where a run begins inside it.
BOOL DocEditor::ApplySections(int side, const CEditSpanArray& runs) {
  CEditSpanArray current;
  CaptureSections(side, current);
  if (SameSpans(current, runs)) return FALSE;
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
