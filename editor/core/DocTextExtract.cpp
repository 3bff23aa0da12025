// A side's text as flat arrays and back: the selection, the word and the
// phrase at the caret out; strings, flat runs and the loading buffers in.
// What goes in from stored text keeps each character's letter, point and
// attributes as they were stored: the interactive typing rules are not run
// over it.
#include "classlib/core/WinTypes.h"
#include "editor/core/DocEditor.h"
#include "editor/core/DocWordChars.h"
#include "editor/core/EdMulDiv.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/PointedText.h"
#include "hebtext/core/SortedStrings.h"
#include "speech/core/LetterRules.h"

BOOL DocEditor::GetRangeText(int side, const DocCharNode* first, const DocCharNode* last,
                             CString& letters, CByteArray& points, CDWordArray& attributes,
                             CDWordArray* formats) const {
  letters.Empty();
  points.RemoveAll();
  attributes.RemoveAll();
  if (formats != nullptr) formats->RemoveAll();
  BOOL hebrew = FALSE;
  BOOL firstChar = TRUE;
  CharAttr prevAttr = 0;
  for (const DocCharNode* c = first; c != nullptr; c = c->next) {
    if (c->prev != nullptr) {
      if (firstChar || c->attributes != prevAttr) hebrew = m_model.IsHebrewFontNode(side, c);
      letters += static_cast<TCHAR>(c->letter);
      attributes.Add(c->attributes);
      points.Add(hebrew && IsVowelCode(c->point) && !IsNoVowel(c->point) ? c->point : 0);
      if (formats != nullptr && (firstChar || IsFormFeedOrCR(c->letter)))
        formats->Add(m_model.GetCharLine(c)->format);
      prevAttr = c->attributes;
      firstChar = FALSE;
    }
    if (c == last) break;
  }
  return !letters.IsEmpty();
}

BOOL DocEditor::GetSelectionText(int side, CString& letters, CByteArray& points,
                                 CDWordArray& attributes, CDWordArray& formats) const {
  DocCharNode *first, *last;
  if (!GetSelectionRange(first, last)) {
    letters.Empty();
    points.RemoveAll();
    attributes.RemoveAll();
    formats.RemoveAll();
    return FALSE;
  }
  return GetRangeText(side, first, last, letters, points, attributes, &formats);
}

BOOL DocEditor::GetWordAtCaret(int side, CString& letters, CByteArray& points,
                               CDWordArray& attributes, DocCharNode*& first,
                               DocCharNode*& last) const {
  DocCharNode* c = m_model.Side(side).caret;
  if (c->prev == nullptr || IsWordBreakChar(c->letter)) {
    if (c->next == nullptr || IsWordBreakChar(c->next->letter)) return FALSE;
    first = c->next;
  } else {
    while (c->prev != nullptr && !IsWordBreakChar(c->letter)) c = c->prev;
    first = c->next;
  }
  BOOL digit = FALSE;
  last = first;
  for (DocCharNode* n = first; n != nullptr; n = n->next) {
    BOOL isBreak =
        IsWordBreakChar(n->letter) &&
        !(digit && n->letter == ',' && n->next != nullptr && IsDigitCode(n->next->letter));
    if (isBreak) break;
    if (IsDigitCode(n->letter)) digit = TRUE;
    last = n;
  }
  return GetRangeText(side, first, last, letters, points, attributes, nullptr);
}

BOOL DocEditor::GetPhraseAtCaret(int side, CString& letters, CByteArray& points,
                                 CDWordArray& attributes, DocCharNode*& first,
                                 DocCharNode*& last) const {
  DocCharNode* c = m_model.Side(side).caret;
  if (c->prev == nullptr || !IsSentenceMark(c->letter)) {
    while (c->prev != nullptr && !IsSentenceMark(c->letter)) c = c->prev;
    c = c->next;
    while (c != nullptr && !IsLetterVowelOrDigit(c->letter)) c = c->next;
  } else {
    c = c->next;
    if (c == nullptr || IsSentenceMark(c->letter) || !IsLetterVowelOrDigit(c->letter)) return FALSE;
  }
  if (c == nullptr) return FALSE;
  first = c;
  while (c->next != nullptr && !IsSentenceMark(c->letter)) c = c->next;
  last = c;
  return GetRangeText(side, first, last, letters, points, attributes, nullptr);
}

BOOL DocEditor::IsCaretInWord(int side) const {
  const DocCharNode* c = m_model.Side(side).caret;
  if (c->prev != nullptr && !IsWordBreakChar(c->letter)) return TRUE;
  return c->next != nullptr && !IsWordBreakChar(c->next->letter);
}

void DocEditor::SaveAttrs(CDWordArray& attrs, const DocCharNode* first,
                          const DocCharNode* last) const {
  attrs.RemoveAll();
  for (const DocCharNode* c = first; c != nullptr; c = c->next) {
    attrs.Add(c->attributes);
    if (c == last) break;
  }
}

void DocEditor::RestoreAttrs(const CDWordArray& attrs, DocCharNode* first) {
  DocCharNode* c = first;
  for (int i = 0; i < attrs.GetSize() && c != nullptr; i++, c = c->next) c->attributes = attrs[i];
}

void DocEditor::SaveLineFormats(CDWordArray& formats, const DocLineNode* first,
                                const DocLineNode* last) const {
  formats.RemoveAll();
  for (const DocLineNode* l = first; l != nullptr; l = l->next) {
    formats.Add(l->format);
    if (l == last) break;
  }
}

void DocEditor::RestoreLineFormats(const CDWordArray& formats, DocLineNode* first) {
  DocLineNode* l = first;
  for (int i = 0; i < formats.GetSize() && l != nullptr; i++, l = l->next) l->format = formats[i];
}

int DocEditor::InsertText(LPCSTR text) {
  CString s(text);
  if (m_model.IsHebrewInsertFont()) {
    CString consonants;
    CByteArray vowels;
    int n = SeparateConsonantsFromVowels(text, consonants, vowels);
    for (int i = 0; i < n; i++) {
      InsertHebrewLetter(static_cast<BYTE>(consonants[i]));
      if (!IsNoVowel(vowels[i])) ApplyVowel(vowels[i]);
    }
  } else {
    for (int i = 0; i < s.GetLength(); i++) InsertChar(static_cast<BYTE>(s[i]));
  }
  return s.GetLength();
}

int DocEditor::InsertRuns(const CString& letters, const CByteArray& points,
                          const CDWordArray& attributes, CDWordArray& formats) {
  ForgetSectionRuns();
  int side = CurSide();
  for (int i = 0; i < letters.GetLength(); i++) {
    BYTE letter = static_cast<BYTE>(letters[i]);
    if (IsFormFeedOrCR(letter)) {
      if (!(formats.GetSize() == 0)) {
        m_model.SetPendingLineFormat(formats[0]);
        formats.RemoveAt(0);
      }
    } else if (i == 0 && !(formats.GetSize() == 0)) {
      if (m_model.IsLineEmpty(m_model.GetCharLine(Cur().caret)))
        m_model.SetPendingLineFormat(formats[0]);
      formats.RemoveAt(0);
    }
    CharAttr attr = i < attributes.GetSize() ? attributes[i] & ~CharAttrBits::kTransientMark
                                             : Cur().caret->attributes;
    BYTE point = i < points.GetSize() ? points[i] : 0;
    DocCharNode* node = InsertRawAfter(Cur().caret, letter, point, attr);
    if (node == nullptr) break;
    Cur().caret = node;
  }
  (void)side;
  return letters.GetLength();
}

void DocLoadBuffers::Empty() {
  letters.Empty();
  points.RemoveAll();
  attributes.RemoveAll();
  lineFormats.RemoveAll();
  for (int i = 0; i < sections.GetSize(); i++) delete sections[i].section;
  sections.RemoveAll();
  for (int i = 0; i < layouts.GetSize(); i++) delete layouts[i];
  layouts.RemoveAll();
}

// Builds one side's nodes from its buffers: every character as stored, a
// line per paragraph with its format, the sections on their lines, and the
// page layouts in order once the side is laid out.
BOOL DocEditor::BuildSide(int side, IDocBuildProgress* progress, BOOL hashemFilter,
                          int pixelsPerInchX) {
  DocLoadBuffers& b = m_loadBuffers[side];
  m_model.SetCurrentSide(side);
  int count = b.letters.GetLength();
  CByteArray letters, points;
  letters.SetSize(count + 1);
  points.SetSize(count + 1);
  for (int i = 0; i < count; i++) {
    letters[i] = static_cast<BYTE>(b.letters[i]);
    points[i] = i < b.points.GetSize() ? b.points[i] : 0;
  }
  letters[count] = points[count] = 0;
  if (hashemFilter) count = ApplyLetterRulesToText(letters.GetData(), points.GetData(), TRUE);
  if (progress != nullptr)
    progress->Begin(side == 0 ? "Inserting English-side Text" : "Inserting Hebrew-side Text",
                    count);
  DocCharNode* head = m_model.GetHead(side);
  DocCharNode* after = head;
  CharAttr attr = (b.attributes.GetSize() == 0) ? head->attributes : b.attributes[0];
  for (int i = 0; i < count; i++) {
    if (i % 250 == 0 && progress != nullptr && !progress->Step(i)) return FALSE;
    if (i < b.attributes.GetSize()) attr = b.attributes[i] & ~CharAttrBits::kTransientMark;
    // Letter 0 marks a side's head alone; a NUL byte in a file's text is no
    // character.
    if (letters[i] == 0) continue;
    DocCharNode* node = InsertRawAfter(after, letters[i], points[i], attr);
    if (node == nullptr) break;
    after = node;
  }
  if (!(b.attributes.GetSize() == 0))
    head->attributes = b.attributes[0] & ~CharAttrBits::kTransientMark;
  m_model.MeasureCharNode(head, side);
  m_model.Side(side).caret = head;
  m_model.Side(side).anchor = nullptr;
  if (!(b.layouts.GetSize() == 0)) {
    CPageLayout def;
    def = *b.layouts[0];
    def.side = side;
    m_model.ComputeLayoutMetrics(def);
    if (def.HasTextArea()) m_model.Side(side).defaultLayout = def;
  }
  DocLineNode* line = head->line;
  for (int i = 0; i < b.lineFormats.GetSize() && line != nullptr; i++, line = line->next)
    line->format = b.lineFormats[i];
  for (int r = 0; r < b.sections.GetSize(); r++) {
    DocSectionRun& run = b.sections[r];
    DocLineNode* first = NthLineOfSide(side, run.firstLine);
    if (first == nullptr || run.section == nullptr || run.lineCount == 0) continue;
    DocSection* section = run.section;
    run.section = nullptr;
    bool inches = section->unit != 2;
    int scaled = static_cast<int>(section->gapInUnit * (inches ? 1000 : 10));
    section->gap = EdMulDiv(pixelsPerInchX, scaled, inches ? 1000 : 254);
    section->first = first;
    DocLineNode* l = first;
    for (DWORD k = 0; k < run.lineCount && l != nullptr; k++, l = l->next) {
      m_model.JoinSection(l, section);
      section->last = l;
    }
  }
  m_model.ReformatSide(side);
  // Page layouts after the default go to the side's pages in order; a page
  // made by the layout takes a copy of the one before, so each pass writes
  // them back and lays out again.
  for (int pass = 0; pass < b.layouts.GetSize(); pass++) {
    BOOL changed = FALSE;
    CPageLayout* layout = m_model.GetFirstLayout(side);
    for (int i = 1; i < b.layouts.GetSize() && layout != nullptr; i++, layout = layout->next) {
      CPageLayout wanted;
      wanted = *b.layouts[i];
      wanted.side = side;
      m_model.ComputeLayoutMetrics(wanted);
      if (!wanted.HasTextArea() || wanted == *layout) continue;
      *layout = wanted;
      changed = TRUE;
    }
    if (!changed) break;
    m_model.ReformatSide(side);
  }
  b.Empty();
  return TRUE;
}

int DocEditor::BuildSidesFromBuffers(IDocBuildProgress* progress, BOOL hashemFilter,
                                     int pixelsPerInchX) {
  int active = CurSide();
  ForgetSectionRuns();
  m_bBuilding = TRUE;
  for (int side = 0; side < kDocSideCount; side++) {
    if (!m_loadBuffers[side].HasText()) continue;
    active = side;
    if (!BuildSide(side, progress, hashemFilter, pixelsPerInchX)) {
      m_bBuilding = FALSE;
      return 0;
    }
  }
  m_bBuilding = FALSE;
  m_model.SetCurrentSide(active);
  m_model.UpdatePageUnion();
  m_model.UpdateScrollSizes();
  AssertConsistent();
  return 1;
}
