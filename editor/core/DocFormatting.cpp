#include "editor/core/DocFormatting.h"

#include <utility>

namespace {

constexpr DWORD kMark = CharAttrBits::kTransientMark;
constexpr DWORD kNoSecondValue = 0xFFFFFFFF;  // as a reset step holds it

constexpr DWORD StyleBits(UINT style) {
  return static_cast<DWORD>(style) << CharAttrBits::kStyleShift;
}

bool IsOneStyle(UINT style) {
  return style == kStyleBold || style == kStyleItalic || style == kStyleUnderline;
}

DWORD StyleUndoType(UINT style) {
  return style == kStyleBold ? kUndoBold : style == kStyleItalic ? kUndoItalic : kUndoUnderline;
}

// A function setting one field of an attribute or format word.
auto FieldSetter(int shift, DWORD mask, UINT value) {
  return [=](DWORD word) { return SetAttrField(word, shift, mask, value); };
}

bool BeginsParagraph(const DocLineNode* line) {
  return line->prev == nullptr || IsBreakLetter(line->first->letter);
}

}  // namespace

// The command's values as the undo step keeps them.
struct DocFormatting::StepValues {
  DWORD value = 0;
  DWORD second = kNoSecondValue;
  WORD size = 0;
  BYTE style = 0;
  BYTE unit = 0;
  CString face;

  void WriteTo(CEditSnapshot& step) const {
    step.param1 = value;
    step.param2 = second;
    step.param3 = size;
    step.param4 = style;
    step.param5 = unit;
    step.face1 = face;
  }
};

// --- Ranges and attributes ---------------------------------------------------------

BOOL DocFormatting::ResolveRange(DocCharRange& range) const {
  if (range.IsSelection()) return m_editor.GetSelectionRange(range.first, range.last, TRUE);
  if (m_model.CompareNodes(range.first, range.last) > 0) std::swap(range.first, range.last);
  return TRUE;
}

DocCharNode* DocFormatting::FirstSelected(const DocCharRange& range) {
  DocCharNode* first = range.first;
  if (first != range.last && (first->prev == nullptr || IsBreakLetter(first->letter)))
    return first->next;
  return first;
}

CharAttr DocFormatting::TypingAttr() const {
  DWORD pending = m_model.GetPendingAttributes();
  if (pending != kNoPending) return pending;
  return m_model.Side(Side()).caret->attributes & ~kMark;
}

BOOL DocFormatting::Found(WORD index, DocFormatResult& result) {
  if (index != kStyleTableFull) return TRUE;
  result.messages = m_model.TakeMessages();
  return FALSE;
}

void DocFormatting::Relayout(DocCharNode* first, DocCharNode* last) {
  m_model.Reformat(Side(), first, last);
  m_model.UpdateScrollSizes();
}

void DocFormatting::GetParagraphLines(DocCharRange range, DocLineNode*& first,
                                      DocLineNode*& last) const {
  DocCharNode *from, *to;
  if (ResolveRange(range)) {
    from = range.first;
    to = range.last;
    if (to != from && to->line != nullptr && IsBreakLetter(to->letter)) to = to->prev;
  } else {
    from = to = m_model.Side(Side()).caret;
  }
  first = m_model.GetCharLine(from);
  last = m_model.GetCharLine(to);
  while (!BeginsParagraph(first)) first = first->prev;
  while (last->next != nullptr && !BeginsParagraph(last->next)) last = last->next;
}

// --- Shared frames -----------------------------------------------------------------

template <class F>
void DocFormatting::ChangeChars(DWORD undoType, const DocCharRange& range, F change, BOOL relayout,
                                const StepValues& values, DocFormatResult& result) {
  m_editor.BeginStep(undoType, range.first, range.last);
  values.WriteTo(m_editor.Pending());
  for (DocCharNode* c = range.first;; c = c->next) {
    CharAttr changed = change(c->attributes);
    if (changed != c->attributes) {
      c->attributes = changed;
      if (relayout) m_model.MeasureCharNode(c, Side());
    }
    if (c == range.last) break;
  }
  m_ui.SetModifiedFlag();
  if (relayout) {
    Relayout(range.first, range.last);
    result.repaintFirst = range.first;
    result.repaintLast = range.last;
  }
  m_editor.EndStep();
  result.changed = TRUE;
}

template <class F>
void DocFormatting::ChangeLines(DWORD undoType, DocCharRange range, F change, BOOL relayout,
                                const StepValues& values, DocFormatResult& result) {
  DocLineNode *firstLine, *lastLine;
  GetParagraphLines(range, firstLine, lastLine);
  DocCharNode* first = firstLine->first;
  DocCharNode* last = m_model.GetLineLastChar(lastLine);
  m_editor.BeginStep(undoType, first, last);
  values.WriteTo(m_editor.Pending());
  for (DocLineNode* line = firstLine;; line = line->next) {
    line->format = change(line->format);
    if (line == lastLine) break;
  }
  m_ui.SetModifiedFlag();
  if (relayout) Relayout(first, last);
  m_editor.EndStep();
  result.changed = TRUE;
  result.repaintFirst = first;
  result.repaintLast = last;
}

// The start of the text takes its attributes from the head node: a change
// there is kept in the document like one of the text.
template <class F>
void DocFormatting::ChangeHead(DWORD undoType, F change, BOOL relayout, const StepValues& values,
                               DocFormatResult& result) {
  DocCharNode* head = m_model.GetHead(Side());
  m_editor.BeginStep(undoType);
  values.WriteTo(m_editor.Pending());
  head->attributes = change(head->attributes);
  m_ui.SetModifiedFlag();
  if (relayout) {
    m_model.MeasureCharNode(head, Side());
    Relayout(head, head);
    result.repaintFirst = result.repaintLast = head;
  }
  m_editor.EndStep();
  result.changed = TRUE;
}

// --- Character commands --------------------------------------------------------------

DocFormatResult DocFormatting::ToggleStyle(UINT style, DocCharRange range) {
  DocFormatResult result;
  if (!IsOneStyle(style)) return result;
  result.changed = TRUE;
  if (!ResolveRange(range)) {
    m_model.SetPendingAttributes(TypingAttr() ^ StyleBits(style));
    return result;
  }
  BOOL clear = (AttrStyle(FirstSelected(range)->attributes) & style) != 0;
  StepValues values;
  values.value = style;
  ChangeChars(
      StyleUndoType(style), range,
      [&](CharAttr a) { return clear ? a & ~StyleBits(style) : a | StyleBits(style); }, TRUE,
      values, result);
  return result;
}

DocFormatResult DocFormatting::ApplyFont(const CString& face, WORD size, UINT style,
                                         DocCharRange range) {
  return ApplyFontWorker({kFaceSizeStyle, face, size, style}, range);
}

DocFormatResult DocFormatting::ApplyTypeface(const CString& face, DocCharRange range) {
  return ApplyFontWorker({kFaceOnly, face, 0, 0}, range);
}

DocFormatResult DocFormatting::ApplyFontSize(WORD size, DocCharRange range) {
  return ApplyFontWorker({kSizeOnly, CString(), size, 0}, range);
}

DocFormatResult DocFormatting::ApplyFontWorker(const FontChange& change, DocCharRange range) {
  DocFormatResult result;
  int side = Side();
  WORD font = 0, size = 0;
  if (change.mode != kSizeOnly) {
    font = m_model.FindOrAddFontName(side, change.face);
    if (!Found(font, result)) return result;
  }
  if (change.mode != kFaceOnly) {
    size = m_model.FindOrAddFontSize(side, change.size);
    if (!Found(size, result)) return result;
  }
  auto apply = [&](CharAttr a) {
    if (change.mode != kSizeOnly)
      a = SetAttrField(a, CharAttrBits::kFontShift, CharAttrBits::kFontMask, font);
    if (change.mode != kFaceOnly)
      a = SetAttrField(a, CharAttrBits::kSizeShift, CharAttrBits::kSizeMask, size);
    if (change.mode == kFaceSizeStyle)
      a = SetAttrField(a, CharAttrBits::kStyleShift, CharAttrBits::kStyleMask, change.style);
    return a;
  };
  DWORD undoType = change.mode == kFaceSizeStyle ? kUndoFont
                   : change.mode == kFaceOnly    ? kUndoTypeface
                                                 : kUndoFontSize;
  StepValues values;
  values.value = change.mode == kFaceOnly ? 0 : change.size;
  values.size = change.mode == kFaceOnly ? 0 : change.size;
  values.style = change.mode == kFaceSizeStyle ? static_cast<BYTE>(change.style) : 0;
  values.face = change.face;
  if (ResolveRange(range)) {
    ChangeChars(undoType, range, apply, TRUE, values, result);
    return result;
  }
  if (m_model.Side(side).caret == m_model.GetHead(side)) {
    ChangeHead(undoType, apply, TRUE, values, result);
    return result;
  }
  // The step is kept even when only the next typed character changes, as
  // for a selection, so that Undo walks the same commands back.
  m_editor.BeginStep(undoType);
  values.WriteTo(m_editor.Pending());
  m_model.SetPendingAttributes(apply(TypingAttr()));
  m_editor.EndStep();
  result.changed = TRUE;
  return result;
}

DocFormatResult DocFormatting::ApplyColors(COLORREF text, COLORREF back, DocCharRange range) {
  DocFormatResult result;
  WORD textIndex = m_model.FindOrAddTextColor(text);
  if (!Found(textIndex, result)) return result;
  WORD backIndex = 0;
  if (back != kKeepBackColor) {
    backIndex = m_model.FindOrAddBackColor(back);
    if (!Found(backIndex, result)) return result;
  }
  auto apply = [&](CharAttr a) {
    a = SetAttrField(a, CharAttrBits::kTextColorShift, CharAttrBits::kTextColorMask, textIndex);
    if (back != kKeepBackColor)
      a = SetAttrField(a, CharAttrBits::kBackColorShift, CharAttrBits::kBackColorMask, backIndex);
    return a;
  };
  StepValues values;
  values.value = text;
  values.second = back;
  if (ResolveRange(range)) {
    ChangeChars(kUndoColors, range, apply, FALSE, values, result);
    return result;
  }
  if (m_model.Side(Side()).caret == m_model.GetHead(Side())) {
    ChangeHead(kUndoColors, apply, FALSE, values, result);
    return result;
  }
  m_model.SetPendingAttributes(apply(TypingAttr()));
  result.changed = TRUE;
  return result;
}

DocFormatResult DocFormatting::SetExtraWordSpacing(WORD value) {
  DocFormatResult result;
  DocCharRange range;
  if (!ResolveRange(range)) return result;
  WORD index = m_model.FindOrAddWordSpace(value);
  if (!Found(index, result)) return result;
  StepValues values;
  values.value = value;
  ChangeChars(kUndoWordSpace, range,
              FieldSetter(CharAttrBits::kWordSpaceShift, CharAttrBits::kWordSpaceMask, index), TRUE,
              values, result);
  return result;
}

// --- Paragraph commands ----------------------------------------------------------------

DocFormatResult DocFormatting::SetJustification(UINT justify, DocCharRange range) {
  DocFormatResult result;
  if (justify > kJustifyCenter) return result;
  StepValues values;
  values.value = justify;
  // The lines keep their breaks: only their places within the text width move.
  ChangeLines(kUndoJustify, range, FieldSetter(0, LineFormatBits::kAlignMask, justify), FALSE,
              values, result);
  return result;
}

DocFormatResult DocFormatting::SetExtraLineSpacing(WORD percent, DocCharRange range) {
  DocFormatResult result;
  WORD index = m_model.FindOrAddLineSpace(percent);
  if (!Found(index, result)) return result;
  StepValues values;
  values.value = percent;
  ChangeLines(kUndoLineSpace, range,
              FieldSetter(LineFormatBits::kLineSpaceShift, LineFormatBits::kLineSpaceMask, index),
              TRUE, values, result);
  return result;
}

DocFormatResult DocFormatting::SetColumns(const DocColumnSettings& settings, DocCharRange range) {
  DocFormatResult result;
  if (settings.count < 1 || settings.count > kMaxSectionColumns) return result;
  DocLineNode *firstLine, *lastLine;
  GetParagraphLines(range, firstLine, lastLine);
  DocCharNode* first = firstLine->first;
  DocCharNode* last = m_model.GetLineLastChar(lastLine);
  m_editor.BeginStep(kUndoColumns, first, last);
  StepValues values;
  values.value = static_cast<DWORD>(settings.count);
  values.second = static_cast<DWORD>(settings.gapPixels);
  values.unit = static_cast<BYTE>(settings.unit);
  values.WriteTo(m_editor.Pending());
  DocSection section;
  section.columnCount = settings.count;
  section.gap = settings.gapPixels;
  section.gapInUnit = settings.gap;
  section.unit = settings.unit;
  // The sections cut at the range are laid out again whole: the one before
  // from its start, the one after (a copy, when one spanned the range) to
  // its end.
  DocLineNode* before = firstLine->prev;
  DocCharNode* start =
      before != nullptr && before->section != nullptr ? before->section->first->first : first;
  m_model.SetLinesSection(firstLine, lastLine, settings.count == 1 ? nullptr : &section);
  DocLineNode* endLine = lastLine->next != nullptr && lastLine->next->section != nullptr
                             ? lastLine->next->section->last
                             : lastLine;
  DocCharNode* end = m_model.GetLineLastChar(endLine);
  m_ui.SetModifiedFlag();
  Relayout(start, end);
  m_editor.EndStep();
  result.changed = TRUE;
  result.repaintFirst = start;
  result.repaintLast = end;
  return result;
}

// --- Queries -------------------------------------------------------------------------

void DocFormatting::GetSelectionFont(CString& face, WORD& size, UINT& style,
                                     DocCharRange& range) const {
  range = DocCharRange();
  CharAttr attr = ResolveRange(range) ? FirstSelected(range)->attributes : TypingAttr();
  m_model.GetAttrFont(attr, -1, face, size, style);
}

void DocFormatting::GetSelectionColors(COLORREF& text, COLORREF& back, DocCharRange& range) const {
  range = DocCharRange();
  CharAttr attr = ResolveRange(range) ? FirstSelected(range)->attributes : TypingAttr();
  const DocStyleTables& tables = m_model.GetStyleTables();
  const DocSideState& side = m_model.Side(Side());
  UINT t = AttrTextColor(attr), b = AttrBackColor(attr);
  text = t != 0 && static_cast<int>(t) < tables.textColors.GetSize() ? tables.textColors[t]
                                                                     : side.colors[0];
  back = b != 0 && static_cast<int>(b) < tables.backColors.GetSize() ? tables.backColors[b]
                                                                     : side.colors[1];
}

CharAttr DocFormatting::GetCheckAttr() const {
  DWORD pending = m_model.GetPendingAttributes();
  return pending != kNoPending ? pending : m_editor.GetSelectionAttr();
}

BOOL DocFormatting::IsStyleChecked(UINT style) const {
  return (AttrStyle(GetCheckAttr()) & style) != 0;
}

BOOL DocFormatting::IsJustifyChecked(UINT justify) const {
  return FormatAlign(m_editor.GetSelectionParaFormat()) == justify;
}

BOOL DocFormatting::SelectionHasBlank() const {
  DocCharNode *first, *last;
  if (!m_editor.GetSelectionRange(first, last)) return FALSE;
  for (DocCharNode* c = first;; c = c->next) {
    if (c->letter == kLetterSpace) return TRUE;
    if (c == last) return FALSE;
  }
}
