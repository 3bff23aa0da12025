// The undo stack and the recording and replaying of steps. A step holds the
// text that a command replaced (between the character before the change and
// the character after it) and the text it put there, each with its letters,
// points and attributes, plus the line formats of the paragraphs around the
// change and, when they changed, the page layouts. Undo and Redo put one text
// in place of the other as stored, never through the typing rules, and then
// write back the formats and layouts, so that a step taken back gives the
// side exactly as it was.
#include "editor/core/DocEditor.h"

#include <cassert>
#include <cstdio>

namespace {

constexpr DWORD kMark = CharAttrBits::kTransientMark;

// Layout passes needed until formats and layouts written back hold; each
// pass fixes at least the first page that still differs.
constexpr int kMaxSettlePasses = 64;

}  // namespace

DocEditor::~DocEditor() {
  ClearUndo();
  DeleteLayouts(m_layoutShadow);
}

// --- Stack ---------------------------------------------------------------------

void DocEditor::PushUndo(CEditSnapshot& snapshot) {
  while (m_steps.GetSize() > m_undoIndex) {
    delete m_steps[m_steps.GetUpperBound()];
    m_steps.RemoveAt(m_steps.GetUpperBound());
  }
  snapshot.side = CurSide();
  CEditSnapshot* copy = new CEditSnapshot;
  copy->CopyFrom(snapshot);
  m_steps.Add(copy);
  if (m_steps.GetSize() > kMaxUndoSteps) {
    delete m_steps[0];
    m_steps.RemoveAt(0);
  }
  m_undoIndex = m_steps.GetSize();
}

void DocEditor::ClearUndo() {
  for (int i = 0; i < m_steps.GetSize(); i++) delete m_steps[i];
  m_steps.RemoveAll();
  m_undoIndex = 0;
  ForgetSectionRuns();
}

BOOL DocEditor::UndoCommand() {
  if (!CanUndo()) return FALSE;
  m_undoIndex--;
  const CEditSnapshot& step = *m_steps[m_undoIndex];
  m_ui.SetModifiedFlag();
  m_model.SetCurrentSide(static_cast<int>(step.side));
  Undo(static_cast<int>(step.side), step);
  return TRUE;
}

BOOL DocEditor::RedoCommand() {
  if (!CanRedo()) return FALSE;
  const CEditSnapshot& step = *m_steps[m_undoIndex];
  m_undoIndex++;
  m_ui.SetModifiedFlag();
  m_model.SetCurrentSide(static_cast<int>(step.side));
  Redo(static_cast<int>(step.side), step);
  return TRUE;
}

CString DocEditor::FindUndoFault() const {
  if (m_undoIndex < 0 || m_undoIndex > m_steps.GetSize()) return "the undo index is off the stack";
  if (m_steps.GetSize() > kMaxUndoSteps) return "the undo stack holds too many steps";
  for (int i = 0; i < m_steps.GetSize(); i++)
    if (m_steps[i] == nullptr || m_steps[i]->side >= static_cast<DWORD>(kDocSideCount))
      return "an undo step without a side";
  return CString();
}

// The walks are linear in the sides, as the edit's own relayout is.
void DocEditor::AssertConsistent() const {
#ifndef NDEBUG
  if (m_bBuilding) return;
  CString fault = FindUndoFault();
  for (int side = 0; side < kDocSideCount && fault.IsEmpty(); side++)
    fault = m_model.FindStructureFault(side);
  if (!fault.IsEmpty()) std::fprintf(stderr, "editor invariant: %s\n", static_cast<LPCSTR>(fault));
  assert(fault.IsEmpty());
#endif
}

// --- Positions -------------------------------------------------------------------

void DocEditor::StorePosition(const DocCharNode* node, CSelRanges& sel, int slot) const {
  sel.Set(slot, m_model.GetCharPageIndex(node), m_model.GetCharLineIndexInPage(node),
          m_model.GetCharIndexInLine(node));
}

void DocEditor::StoreCaretAndAnchor(int side, CSelRanges& sel) const {
  sel.Reset();
  const DocSideState& s = m_model.Side(side);
  if (s.anchor != nullptr) StorePosition(s.anchor, sel, 1);
  StorePosition(s.caret, sel, 0);
}

DocCharNode* DocEditor::ResolvePosition(int side, const CSelRanges& sel, int slot) const {
  if (!sel.IsSet(slot)) return nullptr;
  DocPageNode* page = m_model.GetNthPage(side, sel.Page(slot));
  if (page == nullptr) return nullptr;
  DocLineNode* line = m_model.GetPageLine(page, sel.Line(slot));
  if (line == nullptr) return nullptr;
  if (sel.Char(slot) >= m_model.GetLineCharCount(line)) return nullptr;
  return m_model.GetLineChar(line, sel.Char(slot));
}

BOOL DocEditor::RestoreCaretAndAnchor(int side, const CSelRanges& sel) {
  DocCharNode* caret = ResolvePosition(side, sel, 0);
  DocCharNode* anchor = sel.IsSet(1) ? ResolvePosition(side, sel, 1) : nullptr;
  if (caret == nullptr || (sel.IsSet(1) && anchor == nullptr)) return FALSE;
  int current = CurSide();
  m_model.SetCurrentSide(side);
  SetSelection(anchor, caret);
  m_model.SetCurrentSide(current);
  return TRUE;
}

DWORD DocEditor::LineIndexInSide(int side, const DocLineNode* line) const {
  if (line == nullptr) return 0x7FFFFFFF;
  DWORD n = 0;
  for (const DocLineNode* l = m_model.Side(side).head.line; l != nullptr && l != line; l = l->next)
    n++;
  return n;
}

DocLineNode* DocEditor::NthLineOfSide(int side, DWORD n) const {
  if (n == 0x7FFFFFFF) return nullptr;
  DocLineNode* line = m_model.Side(side).head.line;
  while (line != nullptr && n-- > 0) line = line->next;
  return line;
}

void DocEditor::PageSpanOfLines(int side, const DocLineNode* fromLine, const DocLineNode* toLine,
                                int& first, int& last) const {
  first = last = -1;
  if (fromLine == nullptr || toLine == nullptr) return;
  first = m_model.GetLinePageIndex(fromLine);
  last = m_model.GetLinePageIndex(toLine);
  (void)side;
}

void DocEditor::WholePagesInRange(int side, int firstPage, int lastPage,
                                  const DocLineNode* fromLine, const DocLineNode* toLine,
                                  CDWordArray& flags) const {
  flags.RemoveAll();
  DWORD from = LineIndexInSide(side, fromLine), to = LineIndexInSide(side, toLine);
  for (int p = firstPage; p >= 0 && p <= lastPage; p++) {
    DocPageNode* page = m_model.GetNthPage(side, p);
    if (page == nullptr) break;
    DocLineNode* last = m_model.GetPageLastLine(page);
    DWORD a = LineIndexInSide(side, page->first), b = LineIndexInSide(side, last);
    flags.Add(a >= from && b <= to ? 1 : 0);
  }
}

void DocEditor::RecordSelectionDelete(int side) {
  DocCharNode *first, *last;
  CSelRanges& range = m_pending.deletedRange;
  StoreCaretAndAnchor(side, range);
  int current = CurSide();
  m_model.SetCurrentSide(side);
  BOOL has = GetSelectionRange(first, last);
  m_model.SetCurrentSide(current);
  if (!has) return;
  CDWordArray formats;
  GetRangeText(side, first, last, m_pending.deletedLetters, m_pending.deletedPoints,
               m_pending.deletedAttrs, nullptr);
  DocLineNode* firstLine = m_model.GetCharLine(first);
  DocLineNode* lastLine = m_model.GetCharLine(last);
  for (DocLineNode* line = firstLine;; line = line->next) {
    m_pending.lineFormats.Add(line->format);
    DWORD count = 0;
    for (DocCharNode* c = line->first; c != nullptr && m_model.GetCharLine(c) == line; c = c->next)
      if (m_model.CompareNodes(c, first) >= 0 && m_model.CompareNodes(c, last) <= 0) count++;
    m_pending.charCounts.Add(count);
    if (line == lastLine) break;
  }
  DocCharNode* head = m_model.GetHead(side);
  m_pending.rangeEnds[0] = m_model.GetCharIndexInLine(first);
  m_pending.rangeEnds[1] = first->prev == head ? 0 : m_pending.rangeEnds[0];
  m_pending.rangeEnds[2] = last != m_model.GetLineLastChar(lastLine) ? 1 : 0;
  m_pending.rangeEnds[3] =
      first->prev == head ? 0 : (firstLine->page == nullptr || m_pending.rangeEnds[0] > 0);
  DocPageNode* lastPage = m_model.GetLinePage(lastLine);
  m_pending.rangeEnds[4] =
      last != m_model.GetLineLastChar(m_model.GetPageLastLine(lastPage)) ? 1 : 0;
  int firstPage, lastPageIndex;
  PageSpanOfLines(side, firstLine, lastLine, firstPage, lastPageIndex);
  CDWordArray whole;
  WholePagesInRange(side, firstPage, lastPageIndex, firstLine, lastLine, whole);
  for (int p = firstPage; p >= 0 && p <= lastPageIndex; p++) {
    DocPageNode* page = m_model.GetNthPage(side, p);
    CTextPos pos;
    pos.page = p;
    pos.firstLine = static_cast<LONG>(LineIndexInSide(side, page->first));
    pos.lastLine = static_cast<LONG>(LineIndexInSide(side, m_model.GetPageLastLine(page)));
    pos.wholePage = p > 0 && p - firstPage < whole.GetSize() ? whole[p - firstPage] : 0;
    m_pending.pages.Add(pos);
    m_pending.layouts.Add(new CPageLayout(*m_model.GetPageLayout(page)));
  }
}

// --- Recording -------------------------------------------------------------------

static bool BeginsParagraph(const DocLineNode* line) {
  return line->prev == nullptr || IsBreakLetter(line->first->letter);
}

static DocLineNode* ParagraphFirstLine(DocLineNode* line) {
  while (!BeginsParagraph(line)) line = line->prev;
  return line;
}

// The format words of the paragraphs from the one holding `from` to the one
// holding `to` (null: the side's last). `from` outlives the change, so the
// words are found again from its paragraph rather than by counting
// paragraphs from the side's start.
void DocEditor::CaptureFormats(const DocCharNode* from, const DocCharNode* to,
                               CDWordArray& formats) const {
  formats.RemoveAll();
  const DocLineNode* last = to != nullptr ? m_model.GetCharLine(to) : nullptr;
  bool reachedLast = false;
  for (DocLineNode* line = ParagraphFirstLine(m_model.GetCharLine(from)); line != nullptr;
       line = line->next) {
    if (BeginsParagraph(line)) formats.Add(line->format);
    reachedLast = reachedLast || line == last;
    if (reachedLast && (line->next == nullptr || BeginsParagraph(line->next))) break;
  }
}

void DocEditor::CaptureLayouts(CArray<CPageLayout*, CPageLayout*>& list, DWORD counts[2]) const {
  for (int side = 0; side < kDocSideCount; side++) {
    list.Add(new CPageLayout(m_model.Side(side).defaultLayout));
    counts[side] = 0;
    for (CPageLayout* l = m_model.GetFirstLayout(side); l != nullptr; l = l->next, counts[side]++)
      list.Add(new CPageLayout(*l));
  }
}

void DocEditor::DeleteLayouts(CArray<CPageLayout*, CPageLayout*>& list) {
  for (int i = 0; i < list.GetSize(); i++) delete list[i];
  list.RemoveAll();
}

// Whether the sides' layouts are those of the list, as CaptureLayouts gives it.
BOOL DocEditor::LayoutsMatch(const CArray<CPageLayout*, CPageLayout*>& list,
                             const DWORD counts[2]) const {
  int k = 0;
  for (int side = 0; side < kDocSideCount; side++) {
    if (k >= list.GetSize() || m_model.Side(side).defaultLayout != *list[k++]) return FALSE;
    DWORD n = 0;
    for (const CPageLayout* l = m_model.GetFirstLayout(side); l != nullptr; l = l->next, n++)
      if (n >= counts[side] || *l != *list[k + static_cast<int>(n)]) return FALSE;
    if (n != counts[side]) return FALSE;
    k += static_cast<int>(n);
  }
  return k == list.GetSize();
}

// Whether the sides' default layouts are those of the list.
BOOL DocEditor::DefaultLayoutsMatch(const CArray<CPageLayout*, CPageLayout*>& list,
                                    const DWORD counts[2]) const {
  int k = 0;
  for (int side = 0; side < kDocSideCount; side++) {
    if (k >= list.GetSize() || m_model.Side(side).defaultLayout != *list[k]) return FALSE;
    k += 1 + static_cast<int>(counts[side]);
  }
  return TRUE;
}

// Typing seldom changes a layout, so the copies taken for one step serve the
// next ones for as long as they still match. The pages' layouts are compared
// only when the model says that a page or layout came, went or was
// rewritten since they last matched.
void DocEditor::SyncLayoutShadow() {
  DWORD changes = m_model.GetPageListChanges();
  if (m_layoutShadow.GetSize() > 0 && changes == m_layoutShadowChanges &&
      DefaultLayoutsMatch(m_layoutShadow, m_layoutShadowPages)) {
    assert(LayoutsMatch(m_layoutShadow, m_layoutShadowPages));
    return;
  }
  if (!LayoutsMatch(m_layoutShadow, m_layoutShadowPages)) {
    DeleteLayouts(m_layoutShadow);
    CaptureLayouts(m_layoutShadow, m_layoutShadowPages);
  }
  m_layoutShadowChanges = changes;
}

// The characters strictly between start and end (null: to the end of the
// side) exactly as they are stored.
void DocEditor::CaptureRaw(const DocCharNode* start, const DocCharNode* end, CString& letters,
                           CByteArray& points, CDWordArray& attrs) const {
  letters.Empty();
  points.RemoveAll();
  attrs.RemoveAll();
  for (const DocCharNode* c = start->next; c != end; c = c->next) {
    letters += static_cast<TCHAR>(c->letter);
    points.Add(c->point);
    attrs.Add(c->attributes);
  }
}

void DocEditor::BeginChange(DWORD type, DocCharNode* start, DocCharNode* end) {
  int side = CurSide();
  m_changeStart = start;
  m_changeEnd = end;
  m_pending.type = type;
  StoreCaretAndAnchor(side, m_pending.posBefore);
  // An anchor on the caret selects nothing; an edit drops it.
  if (!HasSelection()) Cur().anchor = nullptr;
  StorePosition(start, m_pending.changeStart, 0);
  m_pending.headAttrs[0] = Cur().head.attributes;
  CaptureRaw(start, end, m_pending.replacedLetters, m_pending.replacedPoints,
             m_pending.replacedAttrs);
  CaptureFormats(start, end, m_pending.paragraphFormatsBefore);
  SyncLayoutShadow();
  m_pageListChangesBefore = m_model.GetPageListChanges();
  m_commandStep = FALSE;
  for (int s = 0; s < kDocSideCount; s++)
    CaptureSectionsBefore(s, s == side ? start : nullptr, end, m_pending.sectionsBefore[s]);
}

void DocEditor::EndChange() {
  int side = CurSide();
  DocCharNode* caret = Cur().caret;
  m_pending.letterAfter = caret->letter;
  m_pending.pointAfter = caret->point;
  m_pending.attrAfter = caret->attributes;
  StoreCaretAndAnchor(side, m_pending.posAfter);
  StorePosition(m_changeStart, m_pending.changeStart, 1);
  m_pending.headAttrs[1] = Cur().head.attributes;
  CaptureRaw(m_changeStart, m_changeEnd, m_pending.insertedLetters, m_pending.insertedPoints,
             m_pending.insertedAttrs);
  CaptureFormats(m_changeStart, m_changeEnd, m_pending.paragraphFormatsAfter);
  // Typing changes no layout in place: it can only add or drop pages.
  bool layoutsMayDiffer =
      m_commandStep || m_model.GetPageListChanges() != m_pageListChangesBefore;
  assert(layoutsMayDiffer || LayoutsMatch(m_layoutShadow, m_layoutShadowPages));
  if (layoutsMayDiffer && !LayoutsMatch(m_layoutShadow, m_layoutShadowPages)) {
    m_pending.layoutsBefore.Append(m_layoutShadow);
    for (int s = 0; s < kDocSideCount; s++) m_pending.layoutPagesBefore[s] = m_layoutShadowPages[s];
    m_layoutShadow.RemoveAll();
    CaptureLayouts(m_pending.layoutsAfter, m_pending.layoutPagesAfter);
    CaptureLayouts(m_layoutShadow, m_layoutShadowPages);
  }
  m_layoutShadowChanges = m_model.GetPageListChanges();
  int addedChars = m_pending.insertedLetters.GetLength() - m_pending.replacedLetters.GetLength();
  bool sectionsKept = true;
  for (int s = 0; s < kDocSideCount; s++) {
    // Typing and deleting give a side without sections none.
    if (m_pending.sectionsBefore[s].GetSize() == 0 && !m_commandStep) continue;
    if (m_commandStep) ForgetSectionRuns();
    CaptureSectionsAfter(s, s == side ? m_changeStart : nullptr, m_changeEnd, addedChars,
                         m_pending.sectionsAfter[s]);
    sectionsKept =
        sectionsKept && SameSpans(m_pending.sectionsBefore[s], m_pending.sectionsAfter[s]);
  }
  if (sectionsKept) {
    for (int s = 0; s < kDocSideCount; s++) {
      m_pending.sectionsBefore[s].RemoveAll();
      m_pending.sectionsAfter[s].RemoveAll();
    }
  }
  m_changeStart = m_changeEnd = nullptr;
  PushUndo(m_pending);
  AssertConsistent();
}

void DocEditor::BeginStep(DWORD type) {
  DocCharNode *first, *last;
  if (GetSelectionRange(first, last, TRUE))
    BeginStep(type, first, last);
  else
    BeginCommandChange(type, Cur().caret, Cur().caret);
}

void DocEditor::BeginStep(DWORD type, DocCharNode* first, DocCharNode* last) {
  BeginCommandChange(type, first->prev != nullptr ? first->prev : first, last);
}

void DocEditor::BeginCommandChange(DWORD type, DocCharNode* start, DocCharNode* end) {
  m_pending.Reset();
  // Text typed in may take a waiting shuruk after it as its vowel.
  BeginChange(type, start, end->next != nullptr ? end->next->next : nullptr);
  m_commandStep = TRUE;
}

void DocEditor::EndStep() { EndChange(); }

// --- Replaying ---------------------------------------------------------------------

// Writes format words back paragraph by paragraph from the paragraph of
// `start`, on every line of each; TRUE when any line changed, with the first
// and last line that did.
BOOL DocEditor::ApplyFormats(const DocCharNode* start, const CDWordArray& formats,
                             DocLineNode*& firstChanged, DocLineNode*& lastChanged) {
  firstChanged = lastChanged = nullptr;
  if (start == nullptr) return FALSE;
  DocLineNode* line = ParagraphFirstLine(m_model.GetCharLine(start));
  for (int i = -1; line != nullptr; line = line->next) {
    if (BeginsParagraph(line) && ++i == formats.GetSize()) break;
    if (line->format != formats[i]) {
      line->format = formats[i];
      if (firstChanged == nullptr) firstChanged = line;
      lastChanged = line;
    }
  }
  return firstChanged != nullptr;
}

// Writes layouts back page by page; TRUE when any changed or the number of
// pages differs from the stored one.
BOOL DocEditor::ApplyLayouts(const CArray<CPageLayout*, CPageLayout*>& list, const DWORD pages[2]) {
  if ((list.GetSize() == 0)) return FALSE;
  BOOL changed = FALSE;
  int k = 0;
  for (int side = 0; side < kDocSideCount; side++) {
    CPageLayout& def = m_model.Side(side).defaultLayout;
    if (def != *list[k]) {
      def = *list[k];
      changed = TRUE;
    }
    k++;
    DWORD n = 0;
    for (CPageLayout* l = m_model.GetFirstLayout(side); l != nullptr; l = l->next, n++) {
      if (n < pages[side] && *l != *list[k + static_cast<int>(n)]) {
        *l = *list[k + static_cast<int>(n)];
        changed = TRUE;
      }
    }
    if (n != pages[side]) changed = TRUE;
    k += static_cast<int>(pages[side]);
  }
  if (changed) m_model.UpdatePageUnion();
  return changed;
}

// Writes back the stored formats, layouts and sections until they hold:
// new pages take copies of their neighbours' layouts, new lines their
// neighbours' formats and sections, and a layout may end a section, so each
// pass that changed something lays out again, only the lines whose format
// changed unless a side's layouts or sections did. TRUE when anything was
// written back.
BOOL DocEditor::Settle(int side, const SettleTarget& target) {
  BOOL wrote = FALSE;
  for (int pass = 0; pass < kMaxSettlePasses; pass++) {
    DocLineNode *firstChanged, *lastChanged;
    BOOL formatsChanged = ApplyFormats(target.start, *target.formats, firstChanged, lastChanged);
    BOOL layoutsChanged = ApplyLayouts(*target.layouts, target.layoutPages);
    BOOL changed = formatsChanged || layoutsChanged;
    BOOL sectionsChanged[kDocSideCount];
    for (int s = 0; s < kDocSideCount; s++) {
      const CEditSpanArray* current = pass == 0 ? &target.currentSections[s] : nullptr;
      sectionsChanged[s] =
          !target.withoutSections[s] && ApplySections(s, target.sections[s], current);
      changed |= sectionsChanged[s];
    }
    if (!changed) break;
    wrote = TRUE;
    for (int s = 0; s < kDocSideCount; s++) {
      if (layoutsChanged || sectionsChanged[s])
        m_model.ReformatSide(s);
      else if (s == side && formatsChanged)
        m_model.Reformat(side, firstChanged->first, m_model.GetLineLastChar(lastChanged));
    }
  }
  return wrote;
}

// Puts `letters` in place of the `oldCount` characters after `start`, each
// character as stored. Characters that already stand as stored at either end
// are left alone, so that an unchanged break keeps its line, page and layout.
// Returns the character the unchanged end follows.
DocCharNode* DocEditor::ReplaceText(DocCharNode* start, int oldCount, const CString& letters,
                                    const CByteArray& points, const CDWordArray& attrs) {
  auto same = [&](const DocCharNode* c, int i) {
    return c->letter == static_cast<BYTE>(letters[i]) && c->point == points[i] &&
           (c->attributes & ~kMark) == (attrs[i] & ~kMark);
  };
  int count = letters.GetLength();
  DocCharNode* before = start;  // the last character kept at the front
  int prefix = 0;
  while (prefix < oldCount && prefix < count && before->next != nullptr &&
         same(before->next, prefix)) {
    before = before->next;
    prefix++;
  }
  DocCharNode* last = before;  // the last old character before the kept end
  for (int i = prefix; i < oldCount && last->next != nullptr; i++) last = last->next;
  DocCharNode* lastGone = last;
  int suffix = 0;
  while (suffix < oldCount - prefix && suffix < count - prefix && lastGone != before &&
         same(lastGone, count - 1 - suffix)) {
    lastGone = lastGone->prev;
    suffix++;
  }
  if (lastGone != before) DeleteRange(before, lastGone);
  for (int i = prefix; i < count - suffix; i++) {
    DocCharNode* node =
        InsertRawAfter(before, static_cast<BYTE>(letters[i]), points[i], attrs[i] & ~kMark);
    if (node == nullptr) break;
    before = node;
  }
  return before;
}

void DocEditor::RunStep(int side, const CEditSnapshot& step, BOOL forward) {
  int current = CurSide();
  m_model.SetCurrentSide(side);
  const CString& oldLetters = forward ? step.replacedLetters : step.insertedLetters;
  const CString& letters = forward ? step.insertedLetters : step.replacedLetters;
  const CByteArray& points = forward ? step.insertedPoints : step.replacedPoints;
  const CDWordArray& attrs = forward ? step.insertedAttrs : step.replacedAttrs;
  int slot = forward ? 0 : 1;
  if (step.changeStart.IsSet(slot) && ResolvePosition(side, step.changeStart, slot) == nullptr) {
    m_model.SetCurrentSide(current);
    return;  // the side no longer matches the step
  }
  ClearSelection();
  // What the step left alone is put back as it stood: a page emptied on the
  // way goes with its layout, a line that goes may take a section with it.
  if (step.layoutsBefore.GetSize() == 0) SyncLayoutShadow();
  DocCharNode* start = ResolvePosition(side, step.changeStart, slot);
  // The character after the text replaced: like start it outlives the
  // replay, so the section runs are counted as for a typed change.
  const DocCharNode* end = start;
  for (int i = 0; i <= oldLetters.GetLength() && end != nullptr; i++) end = end->next;
  CEditSpanArray unchangedSections[kDocSideCount];
  CEditSpanArray currentSections[kDocSideCount];
  SettleTarget target;
  for (int s = 0; s < kDocSideCount; s++) {
    // A step that recorded no sections gives a side without any none.
    target.withoutSections[s] = !step.HasSections() && IsKnownWithoutSections(s);
    if (!target.withoutSections[s])
      CaptureSectionsBefore(s, s == side ? start : nullptr, end, unchangedSections[s]);
  }
  DocCharNode* written = start;  // the last character the step wrote
  if (start != nullptr && oldLetters == letters) {
    // Only points and attributes changed: written in place.
    DocCharNode* c = start->next;
    for (int i = 0; i < letters.GetLength() && c != nullptr; i++, c = c->next) {
      c->point = points[i];
      c->attributes = attrs[i] & ~kMark;
      m_model.MeasureCharNode(c, side);
      written = c;
    }
  } else if (start != nullptr) {
    written = ReplaceText(start, oldLetters.GetLength(), letters, points, attrs);
  }
  // A font given to the start of the text lives in the head node.
  DocCharNode* head = m_model.GetHead(side);
  DWORD headAttr = step.headAttrs[forward ? 1 : 0];
  if (step.headAttrs[0] != step.headAttrs[1] && head->attributes != headAttr) {
    head->attributes = headAttr;
    m_model.MeasureCharNode(head, side);
  }
  if (start != nullptr)
    m_model.Reformat(side, start, written->next != nullptr ? written->next : written);
  else
    m_model.ReformatSide(side);
  for (int s = 0; s < kDocSideCount; s++) {
    if (!target.withoutSections[s])
      CaptureSectionsAfter(s, s == side ? start : nullptr, end,
                           letters.GetLength() - oldLetters.GetLength(), currentSections[s]);
  }
  target.currentSections = currentSections;
  const CArray<CPageLayout*, CPageLayout*>& layouts =
      forward ? step.layoutsAfter : step.layoutsBefore;
  target.start = start;
  target.formats = forward ? &step.paragraphFormatsAfter : &step.paragraphFormatsBefore;
  target.layouts = layouts.GetSize() > 0 ? &layouts : &m_layoutShadow;
  target.layoutPages = layouts.GetSize() > 0
                           ? (forward ? step.layoutPagesAfter : step.layoutPagesBefore)
                           : m_layoutShadowPages;
  target.sections = !step.HasSections() ? unchangedSections
                    : forward           ? step.sectionsAfter
                                        : step.sectionsBefore;
  if (Settle(side, target)) ForgetSectionRuns();
  for (int s = 0; s < kDocSideCount; s++)
    if (target.withoutSections[s]) AssertRunsCounted(s, unchangedSections[s]);
  RestoreCaretAndAnchor(side, forward ? step.posAfter : step.posBefore);
  m_model.UpdateScrollSizes();
  m_model.SetCurrentSide(current);
  AssertConsistent();
}

void DocEditor::Undo(int side, const CEditSnapshot& step) { RunStep(side, step, FALSE); }

void DocEditor::Redo(int side, const CEditSnapshot& step) { RunStep(side, step, TRUE); }
