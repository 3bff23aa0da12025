// The typing rules: per key a character is inserted or overwritten, or a
// point, dagesh or stress mark is put on the letter before the caret, and one
// undo step is recorded. In one of the program's Hebrew fonts keys go
// through the Hebrew key map; in any other font they are taken as typed.
#include "editor/core/DocEditor.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/InsertMode.h"
#include "hebtext/core/KeyMapping.h"

namespace {

constexpr DWORD kMark = CharAttrBits::kTransientMark;
constexpr int kAsciiDelete = 127;

bool IsBlankKey(UINT ch) {
  return ch == kLetterTab || ch == kLetterPageBreak || ch == kLetterLineBreak || ch == kLetterSpace;
}

// The glyph codes of final kaf with a point stand for the letter and point.
void SplitTypedLetter(int code, BYTE& letter, BYTE& point) {
  letter = static_cast<BYTE>(code);
  point = 0;
  switch (code) {
    case HebCode::FinalKafDageshShva:
      letter = HebCode::FinalKafDagesh;
      point = HebCode::SilentShva;
      break;
    case HebCode::FinalKafDageshQamats:
      letter = HebCode::FinalKafDagesh;
      point = HebCode::Qamats;
      break;
    case HebCode::FinalKafShva:
      letter = HebCode::FinalKaf;
      point = HebCode::SilentShva;
      break;
    case HebCode::FinalKafQamats:
      letter = HebCode::FinalKaf;
      point = HebCode::Qamats;
      break;
    default: break;
  }
}

bool IsSeparatorOrPunct(int c) { return IsWordSeparatorOrMaqaf(c) || IsAsciiPunct(c); }

// A digit, Latin letter, separator or punctuation carries no point, nor does
// a letter with a point it cannot take.
void ClearUnfitPoint(DocCharNode* node, int code) {
  if (IsDigitCode(code) || IsAlpha(code) || IsSeparatorOrPunct(code) ||
      IsFinalOrHatafPointing(node->letter, node->point))
    node->point = 0;
}

}  // namespace

int DocEditor::TypeChar(UINT ch, BOOL shiftDown, BOOL capsLock) {
  int code = static_cast<int>(ch & 0xFF);
  if (m_model.IsHebrewInsertFont()) {
    code = IsBlankKey(ch) ? static_cast<int>(ch) : MapKeyToHebrew(code, capsLock);
    if (code == 0) return 0;
  }
  return TypeCode(code, shiftDown);
}

int DocEditor::TypeCode(int code, BOOL shiftDown) {
  m_pending.Reset();
  BOOL selection = HasSelection();
  BOOL hebrew = m_model.IsHebrewInsertFont();
  if (hebrew && (IsVowelCode(code) || IsDageshOrMeteg(code)) && selection) return 0;
  BOOL printable = (code >= kLetterSpace && code != kAsciiDelete) || IsBlankKey(code);
  if (!printable && !IsHebrewLetter(code) && !IsVowelCode(code) && !IsDageshOrMeteg(code)) return 0;

  DocSideState& s = Cur();
  if (code == kLetterTab && selection) {
    DocCharNode *first, *last;
    GetSelectionRange(first, last);
    DocLineNode* lastLine = m_model.GetCharLine(last);
    DocCharNode* lastChar = m_model.GetLineLastChar(lastLine);
    BeginChange(kUndoIndent, m_model.GetCharLine(first)->first, lastChar->next);
    m_pending.values[4] = shiftDown ? 0 : 1;
    IndentLines(!shiftDown);
    EndChange();
    return 1;
  }

  BOOL point = hebrew && (IsVowelCode(code) || IsDageshOrMeteg(code));
  BOOL overwrite = !selection && !point && !g_insertMode && s.caret->next != nullptr;
  // A letter typed before a waiting shuruk changes the node after the caret.
  DocCharNode* start = s.caret;
  DocCharNode* end = s.caret->next != nullptr ? s.caret->next->next : nullptr;
  DWORD type = kUndoInsertChar;
  if (selection) {
    DocCharNode *first, *last;
    GetSelectionRange(first, last);
    start = first->prev;
    end = last->next != nullptr ? last->next->next : nullptr;
  } else if (point) {
    // A shuruk may go on the letter before, become a letter after, or stand
    // alone.
    type = kUndoPointChange;
    if (s.caret->prev != nullptr) start = s.caret->prev;
    end = s.caret->next != nullptr ? s.caret->next->next : nullptr;
  } else if (overwrite) {
    type = kUndoOverwriteChar;
  }
  BeginChange(type, start, end);
  m_pending.letterBefore = s.caret->letter;
  m_pending.pointBefore = s.caret->point;
  m_pending.attrBefore = s.caret->attributes;
  if (selection) {
    RecordSelectionDelete(CurSide());
    DeleteSelection();
  }
  DWORD pending = m_model.GetPendingAttributes();
  if (pending != kNoPending) m_model.SetPendingAttributes(pending & ~kMark);
  if (point) {
    if (IsVowelCode(code))
      ApplyVowel(code);
    else
      ApplyMark(code);
  } else if (overwrite) {
    s.caret = s.caret->next;
    if (hebrew)
      OverwriteHebrewLetter(code);
    else
      OverwriteChar(static_cast<BYTE>(code));
  } else if (hebrew) {
    InsertHebrewLetter(code);
  } else {
    InsertChar(static_cast<BYTE>(code));
  }
  FinishEdit(start, s.caret);
  EndChange();
  return 1;
}

void DocEditor::FinishEdit(DocCharNode* start, DocCharNode* end) {
  m_ui.SetModifiedFlag();
  if (m_bBuilding) return;
  m_model.Reformat(CurSide(), start, end);
  m_model.UpdateScrollSizes();
}

// --- Single steps ------------------------------------------------------------------

DocCharNode* DocEditor::InsertRawAfter(DocCharNode* after, BYTE letter, BYTE point, CharAttr attr) {
  m_model.SetPendingAttributes(attr);
  DocCharNode* node = m_model.InsertCharAfter(after, letter, point);
  if (node == nullptr) {
    m_model.SetPendingAttributes(kNoPending);
    return nullptr;
  }
  m_model.MeasureCharNode(node, CurSide());
  return node;
}

void DocEditor::InsertChar(BYTE ch) {
  DocCharNode* node = m_model.InsertCharAfter(Cur().caret, ch, 0);
  if (node == nullptr) return;
  Cur().caret = node;
  m_model.MeasureCharNode(node, CurSide());
}

void DocEditor::InsertHebrewLetter(int code) {
  BYTE letter, point;
  SplitTypedLetter(code, letter, point);
  DocCharNode* node = Cur().caret->next;
  if (node != nullptr && node->letter == HebCode::Shuruk && IsHebrewLetter(letter)) {
    node->letter = letter;  // the waiting shuruk becomes this letter's vowel
  } else {
    node = m_model.InsertCharAfter(Cur().caret, letter, point);
    if (node == nullptr) return;
  }
  Cur().caret = node;
  ClearUnfitPoint(node, code);
  m_model.MeasureCharNode(node, CurSide());
}

// A break character that is overwritten, or that overwrites, takes or gives
// its line (and a page break its page) as typing it would have.
static void ApplyOverwriteBreaks(DocTextModel& m, DocCharNode* node, BYTE oldLetter) {
  BYTE n = node->letter;
  if (oldLetter == n || (!IsBreakLetter(oldLetter) && !IsBreakLetter(n))) return;
  DocLineNode* line = node->line;
  // A page break that now begins a line ends the columns it stood in.
  if (n == kLetterPageBreak && line != nullptr && line->section != nullptr &&
      line->section->first != line)
    m.EndSectionAt(line, line->section);
  if (oldLetter == kLetterPageBreak && line != nullptr) {
    DocPageNode* page = line->page;
    if (page != nullptr && page->prev != nullptr) {
      CPageLayout* layout = m.GetPageLayout(page);
      int side = static_cast<int>(page->side);
      m.DeletePage(page, TRUE);
      if (layout != nullptr) m.DeleteLayout(side, layout);
    }
    if (n != kLetterLineBreak) m.DeleteLine(line, TRUE);
  } else if (oldLetter == kLetterLineBreak && line != nullptr) {
    if (n == kLetterPageBreak) {
      DocPageNode* page = m.GetLinePage(line);
      if (page->first != line) {
        CPageLayout* layout = m.GetPageLayout(page);
        m.SplitPage(page, line);
        if (layout != nullptr) m.InsertLayoutAfter(layout);
      }
    } else {
      m.DeleteLine(line, TRUE);
    }
  } else if (n == kLetterLineBreak && node->line == nullptr) {
    m.CreateLineAfter(m.GetCharLine(node), node);
  }
}

void DocEditor::OverwriteChar(BYTE ch) {
  DocCharNode* node = Cur().caret;
  BYTE old = node->letter;
  node->letter = ch;
  m_model.MeasureCharNode(node, CurSide());
  ApplyOverwriteBreaks(m_model, node, old);
}

void DocEditor::OverwriteHebrewLetter(int code) {
  DocCharNode* node = Cur().caret;
  BYTE old = node->letter;
  node->letter = static_cast<BYTE>(code);
  ClearUnfitPoint(node, code);
  m_model.MeasureCharNode(node, CurSide());
  ApplyOverwriteBreaks(m_model, node, old);
}

void DocEditor::ApplyVowel(int vowel) {
  DocSideState& s = Cur();
  DocCharNode* caret = s.caret;
  if (vowel == HebCode::Shuruk || vowel == HebCode::StressedShuruk) {
    DocCharNode* next = caret->next;
    if (caret->prev != nullptr && !IsSeparatorOrPunct(caret->letter)) {
      caret->point = static_cast<BYTE>(vowel);
      m_model.MeasureCharNode(caret, CurSide());
    } else if (next != nullptr && next->letter == HebCode::Shuruk) {
      return;
    } else if (!g_insertMode && next != nullptr) {
      if (caret->prev != nullptr && !IsSeparatorOrPunct(caret->letter)) return;
      BYTE old = next->letter;
      next->letter = HebCode::Shuruk;
      next->point = static_cast<BYTE>(vowel);
      s.caret = next;
      m_model.MeasureCharNode(next, CurSide());
      ApplyOverwriteBreaks(m_model, next, old);
    } else {
      DocCharNode* node = m_model.InsertCharAfter(caret, HebCode::Shuruk, static_cast<BYTE>(vowel));
      if (node == nullptr) return;
      s.caret = node;
      m_model.MeasureCharNode(node, CurSide());
    }
    return;
  }
  int c = caret->letter;
  if (caret->prev == nullptr || !IsLetterOrShuruk(c)) return;
  if ((vowel == HebCode::HatafSegol || vowel == HebCode::HatafPatah) && !IsGutturalLetter(c))
    return;
  if (IsFinalKafForm(c)) {
    if (!IsQamatsForm(vowel) && !IsNoVowelOrShva(vowel)) return;
  } else if (IsFinalLetter(c)) {
    return;
  }
  caret->point = static_cast<BYTE>(vowel == HebCode::ExplicitNoVowel ? 0 : vowel);
  m_model.MeasureCharNode(caret, CurSide());
}

void DocEditor::ApplyMark(int mark) {
  DocCharNode* caret = Cur().caret;
  if (caret->prev == nullptr) return;
  if (mark == HebCode::Dagesh) {
    if (IsDageshLetter(caret->letter))
      caret->letter = static_cast<BYTE>(RemoveDagesh(caret->letter));
    else if (IsDageshableLetter(caret->letter))
      caret->letter = static_cast<BYTE>(AddDagesh(caret->letter));
  } else if (IsStressedVowel(caret->point)) {
    caret->point = static_cast<BYTE>(RemoveStressMark(caret->point));
  } else if (IsStressableVowel(caret->point)) {
    caret->point = static_cast<BYTE>(AddStressMark(caret->point));
  }
  m_model.MeasureCharNode(caret, CurSide());
}

BOOL DocEditor::DeleteCharAtCaret(BOOL wholeChar) {
  DocCharNode* caret = Cur().caret;
  if (caret->prev == nullptr) return FALSE;
  if (!wholeChar && !IsBreakLetter(caret->letter) && caret->letter != HebCode::Shuruk &&
      !IsNoVowel(caret->point) && m_model.IsHebrewFontNode(CurSide(), caret)) {
    caret->point = 0;
    m_model.MeasureCharNode(caret, CurSide());
    return TRUE;
  }
  RemoveBreakStructure(caret);
  m_model.UnlinkCharNode(caret);  // the caret moves to the node before
  return FALSE;
}

// --- Keys that delete ----------------------------------------------------------------

void DocEditor::Backspace() {
  DocSideState& s = Cur();
  if (s.caret->prev == nullptr && !HasSelection()) return;
  m_pending.Reset();
  if (HasSelection()) {
    DocCharNode *first, *last;
    GetSelectionRange(first, last);
    DocCharNode* start = first->prev;
    BeginChange(kUndoDeleteSelection, start, last->next);
    RecordSelectionDelete(CurSide());
    DeleteSelection();
    FinishEdit(start, start->next != nullptr ? start->next : start);
    EndChange();
    return;
  }
  DocCharNode* start = s.caret->prev;
  BeginChange(kUndoDeletePrev, start, s.caret->next);
  m_pending.letterBefore = s.caret->letter;
  m_pending.pointBefore = s.caret->point;
  m_pending.attrBefore = s.caret->attributes;
  if (DeleteCharAtCaret(FALSE)) m_pending.type = kUndoRemovePoint;
  FinishEdit(s.caret, s.caret->next != nullptr ? s.caret->next : s.caret);
  EndChange();
}

void DocEditor::DeleteForward() {
  DocSideState& s = Cur();
  if (HasSelection()) {
    // The same step as Backspace over a selection.
    Backspace();
    return;
  }
  DocCharNode* node = s.caret->next;
  if (node == nullptr) return;
  m_pending.Reset();
  BeginChange(kUndoDeleteNext, s.caret, node->next);
  m_pending.letterBefore = node->letter;
  m_pending.pointBefore = node->point;
  m_pending.attrBefore = node->attributes;
  RemoveBreakStructure(node);
  m_model.UnlinkCharNode(node);
  FinishEdit(s.caret, s.caret->next != nullptr ? s.caret->next : s.caret);
  EndChange();
}

void DocEditor::IndentLines(BOOL indent) {
  DocCharNode *first, *last;
  if (!GetSelectionRange(first, last)) return;
  DocLineNode* firstLine = m_model.GetCharLine(first);
  DocLineNode* lastLine = m_model.GetCharLine(last);
  DocCharNode* anchor = firstLine->first;
  SetSelection(anchor, m_model.GetLineLastChar(lastLine));
  BOOL changed = FALSE;
  for (DocLineNode* line = firstLine;; line = line->next) {
    DocCharNode* lineFirst = line->first;
    BOOL paragraph = lineFirst->prev == nullptr || IsBreakLetter(lineFirst->letter);
    if (paragraph && indent) {
      DocCharNode* tab = m_model.InsertCharAfter(lineFirst, kLetterTab, 0);
      if (tab != nullptr) {
        tab->attributes |= kMark;
        m_model.MeasureCharNode(tab, CurSide());
        if (Cur().caret == lineFirst && line == lastLine) Cur().caret = tab;
        changed = TRUE;
      }
    } else if (paragraph && !m_model.IsLineEmpty(line) && lineFirst->next != nullptr &&
               lineFirst->next->letter == kLetterTab &&
               m_model.GetCharLine(lineFirst->next) == line) {
      m_model.UnlinkCharNode(lineFirst->next);
      changed = TRUE;
    }
    if (line == lastLine) break;
  }
  if (!changed) return;
  m_ui.SetModifiedFlag();
  if (!m_bBuilding) {
    m_model.Reformat(CurSide(), Cur().anchor, Cur().caret);
    m_model.UpdateScrollSizes();
  }
}
