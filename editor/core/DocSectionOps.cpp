// Column sections on a side's lines: a section is one run of lines that all
// point to it, from its first line to its last.
#include "editor/core/DocTextModel.h"

void DocTextModel::DetachFromSection(DocLineNode* line) {
  DocSection* section = line->section;
  if (section->last == line) section->last = line->prev;
  section->ForgetLayout();
  SetLineSection(line, nullptr);
}

// A line that leaves or joins columns is refitted to its new width: its old
// layout no longer counts.
void DocTextModel::SetLineSection(DocLineNode* line, DocSection* section) {
  if (line->section != nullptr) {
    line->section->lineCount--;
    m_sectionLineCounts[line->side]--;
  }
  line->section = section;
  if (section != nullptr) {
    section->lineCount++;
    m_sectionLineCounts[line->side]++;
  }
  line->cache = DocLineCache();
}

void DocTextModel::JoinSection(DocLineNode* line, DocSection* section) {
  SetLineSection(line, section);
  m_sectionChanges++;
}

void DocTextModel::DeleteSection(DocSection* section) {
  for (DocLineNode* l = section->first; l != nullptr && l->section == section; l = l->next)
    LeaveSection(l);
  delete section;
}

void DocTextModel::EndSectionAt(DocLineNode* line, DocSection* section) {
  for (DocLineNode* l = line; l != nullptr && (l == line || l->section == section); l = l->next)
    if (l->section == section) LeaveSection(l);
  section->last = line->prev;
  section->ForgetLayout();
}

void DocTextModel::CollectSections(int side, CArray<DocSection*, DocSection*>& sections) const {
  const DocSection* previous = nullptr;
  for (const DocLineNode* line = m_sides[side].head.line; line != nullptr; line = line->next) {
    if (line->section != nullptr && line->section != previous) sections.Add(line->section);
    previous = line->section;
  }
}

void DocTextModel::ClearSections(int side) {
  CArray<DocSection*, DocSection*> sections;
  CollectSections(side, sections);
  for (DocLineNode* line = m_sides[side].head.line; line != nullptr; line = line->next)
    if (line->section != nullptr) LeaveSection(line);
  for (int i = 0; i < sections.GetSize(); i++) delete sections[i];
}

void DocTextModel::SetLinesSection(DocLineNode* first, DocLineNode* last,
                                   const DocSection* settings) {
  DocSection* before = first->prev != nullptr ? first->prev->section : nullptr;
  DocLineNode* after = last->next;
  DocSection* following = after != nullptr ? after->section : nullptr;
  if (following != nullptr) {
    DocSection* tail = following;
    if (following == before) {
      tail = new DocSection;
      tail->CopySettings(*following);
      tail->last = following->last;
      for (DocLineNode* l = after; l != nullptr && l->section == following; l = l->next)
        JoinSection(l, tail);
    }
    tail->first = after;
    tail->ForgetLayout();
  }
  // Sections that lie wholly inside the range go with it.
  CArray<DocSection*, DocSection*> inside;
  for (DocLineNode* l = first;; l = l->next) {
    DocSection* s = l->section;
    if (s != nullptr) {
      if (s != before && s != following &&
          (inside.GetSize() == 0 || inside[inside.GetUpperBound()] != s))
        inside.Add(s);
      LeaveSection(l);
    }
    if (l == last) break;
  }
  for (int i = 0; i < inside.GetSize(); i++) delete inside[i];
  if (before != nullptr) {
    before->last = first->prev;
    before->ForgetLayout();
  }
  if (settings == nullptr) return;
  // A page break ends a section: the columns go on after it as a new one.
  DocSection* section = nullptr;
  for (DocLineNode* l = first;; l = l->next) {
    if (section == nullptr || l->first->letter == kLetterPageBreak) {
      section = new DocSection;
      section->CopySettings(*settings);
      section->first = l;
    }
    JoinSection(l, section);
    section->last = l;
    if (l == last) break;
  }
}
