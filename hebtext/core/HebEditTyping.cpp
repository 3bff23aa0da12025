// The typing rules and the keys of the Hebrew edit control's model.
#include "hebtext/core/HebChar.h"
#include "hebtext/core/HebEditModel.h"
#include "hebtext/core/InsertMode.h"
#include "hebtext/core/KeyMapping.h"
#include "hebtext/core/NumberText.h"

namespace {

// The character Ctrl+A types; the control only repaints for it.
constexpr int kCtrlA = 1;

// The final-kaf glyph codes stand for final kaf with a vowel.
void SplitTypedLetter(int code, int& letter, int& vowel) {
  letter = code;
  vowel = 0;
  switch (code) {
    case HebCode::FinalKafDageshShva:
      letter = HebCode::FinalKafDagesh;
      vowel = HebCode::SilentShva;
      break;
    case HebCode::FinalKafDageshQamats:
      letter = HebCode::FinalKafDagesh;
      vowel = HebCode::Qamats;
      break;
    case HebCode::FinalKafShva:
      letter = HebCode::FinalKaf;
      vowel = HebCode::SilentShva;
      break;
    case HebCode::FinalKafQamats:
      letter = HebCode::FinalKaf;
      vowel = HebCode::Qamats;
      break;
    default: break;
  }
}

}  // namespace

int HebEditModel::TypeCode(int code, BOOL forceInsert) {
  code &= 0xFF;
  if (IsHebrewLetter(code) || IsDigitCode(code) || IsAlpha(code) || IsSpaceOrPunct(code)) {
    if (!forceInsert && !g_insertMode && m_pCaret->pNext != nullptr) {
      m_pCaret = m_pCaret->pNext;
      ReplaceLetter(code);
    } else {
      InsertLetter(code);
    }
    return 1;
  }
  if (IsVowelCode(code)) {
    ApplyVowel(code);
    return 1;
  }
  if (IsDageshOrMeteg(code)) {
    ToggleMark(code);
    return 1;
  }
  return 0;
}

void HebEditModel::InsertLetter(int code) {
  int letter = 0;
  int vowel = 0;
  SplitTypedLetter(code, letter, vowel);
  HebCharNode* pNode = m_pCaret->pNext;
  if (pNode != nullptr && IsShuruk(pNode->letter) && IsHebrewLetter(letter)) {
    // The letter takes the standalone shuruk typed before it as its vowel.
    pNode->letter = static_cast<BYTE>(letter);
  } else {
    pNode = InsertNodeAfter(m_pCaret, letter, vowel);
    if (pNode == nullptr) return;
  }
  m_pCaret = pNode;
  FixPointing(pNode, letter);
  MeasureNode(pNode);
  NoteRepaint(pNode, kRepaintToEnd);
}

void HebEditModel::ReplaceLetter(int code) {
  m_pCaret->letter = static_cast<BYTE>(code);
  FixPointing(m_pCaret, code);
  NoteChangedNode(m_pCaret, MeasureNode(m_pCaret));
}

void HebEditModel::FixPointing(HebCharNode* pNode, int code) {
  if (IsFinalOrHatafPointing(code, m_pCaret->vowel) || IsDigitCode(code) || IsAlpha(code) ||
      IsWordSeparator(code) || IsAsciiPunct(code)) {
    pNode->vowel = 0;
  }
}

void HebEditModel::ApplyVowel(int vowel) {
  if (IsShuruk(vowel)) {
    ApplyShuruk(vowel);
    return;
  }
  HebCharNode* pChar = m_pCaret;
  const int letter = pChar->letter;
  if (!IsHebrewLetter(letter) && !IsShuruk(letter)) return;
  if (!IsGutturalLetter(letter) && (vowel == HebCode::HatafSegol || vowel == HebCode::HatafPatah)) {
    return;
  }
  if (IsFinalKafForm(letter)) {
    if (!IsQamatsForm(vowel) && !IsNoVowelOrShva(vowel)) return;
  } else if (IsFinalLetter(letter)) {
    return;
  }
  pChar->vowel = static_cast<BYTE>(vowel == HebCode::ExplicitNoVowel ? 0 : vowel);
  NoteChangedNode(pChar, MeasureNode(pChar));
}

void HebEditModel::ApplyShuruk(int vowel) {
  HebCharNode* pBefore = m_pCaret;
  HebCharNode* pAfter = m_pCaret->pNext;
  if (pBefore != &m_sentinel && !IsSpaceOrPunct(pBefore->letter)) {
    pBefore->vowel = static_cast<BYTE>(vowel);
    MeasureNode(pBefore);
  } else if (pAfter != nullptr && IsShuruk(pAfter->letter)) {
    return;
  } else if (!g_insertMode && pAfter != nullptr) {
    const HebCharNode* pTwoBefore = pBefore->pPrev;
    if (pBefore != &m_sentinel && !(pTwoBefore != nullptr && IsSpaceOrPunct(pTwoBefore->letter))) {
      return;
    }
    pAfter->letter = HebCode::Shuruk;
    pAfter->vowel = static_cast<BYTE>(vowel);
    m_pCaret = pAfter;
    MeasureNode(pAfter);
  } else {
    HebCharNode* pNew = InsertNodeAfter(m_pCaret, HebCode::Shuruk, vowel);
    if (pNew == nullptr) return;
    m_pCaret = pNew;
    MeasureNode(pNew);
  }
  NoteRepaint(nullptr, kRepaintAll);
}

void HebEditModel::ToggleMark(int mark) {
  if (m_pCaret == &m_sentinel) return;
  HebCharNode* pChar = m_pCaret;
  if (mark == HebCode::Dagesh) {
    if (IsDageshLetter(pChar->letter)) {
      pChar->letter = static_cast<BYTE>(RemoveDagesh(pChar->letter));
    } else if (IsDageshableLetter(pChar->letter)) {
      pChar->letter = static_cast<BYTE>(AddDagesh(pChar->letter));
    }
  } else if (IsStressedVowel(pChar->vowel)) {
    pChar->vowel = static_cast<BYTE>(RemoveStressMark(pChar->vowel));
  } else if (IsStressableVowel(pChar->vowel)) {
    pChar->vowel = static_cast<BYTE>(AddStressMark(pChar->vowel));
  }
  NoteChangedNode(pChar, MeasureNode(pChar));
}

void HebEditModel::DeleteBackward() {
  HebCharNode* pChar = m_pCaret;
  if (pChar == &m_sentinel) return;
  if (!IsShuruk(pChar->letter) && pChar->vowel > HebCode::ExplicitNoVowel) {
    pChar->vowel = 0;
    NoteChangedNode(pChar, MeasureNode(pChar));
    return;
  }
  HebCharNode* pPrev = UnlinkNode(pChar);
  m_pCaret = pPrev;
  NoteRepaint(pPrev, kRepaintAll);
}

BOOL HebEditModel::TypeEnglishChar(int ch) {
  if (!(IsPrintableChar(ch) || ch == ' ' || IsHebrewLetter(ch) || IsVowelCode(ch) ||
        IsDageshOrMeteg(ch))) {
    return FALSE;
  }
  if (m_pAnchor != nullptr) {
    DeleteSelection();
    InsertRawChar(ch);
  } else if (!g_insertMode && m_pCaret->pNext != nullptr) {
    m_pCaret = m_pCaret->pNext;
    ReplaceRawChar(ch);
  } else {
    InsertRawChar(ch);
  }
  return TRUE;
}

void HebEditModel::InsertRawChar(int ch) {
  HebCharNode* pNode = InsertNodeAfter(m_pCaret, ch, 0);
  if (pNode == nullptr) return;
  m_pCaret = pNode;
  MeasureNode(pNode);
  NoteRepaint(pNode, kRepaintToEnd);
}

void HebEditModel::ReplaceRawChar(int ch) {
  m_pCaret->letter = static_cast<BYTE>(ch);
  NoteChangedNode(m_pCaret, MeasureNode(m_pCaret));
}

HebEditModel::CharResult HebEditModel::TypeCharacter(int ch, BOOL capsLock) {
  ch &= 0xFF;
  if (ch == '\b') {
    if (m_pCaret == &m_sentinel) return kCharIgnored;
    const UndoRecord before = CaptureState();
    if (m_pAnchor != nullptr) {
      DeleteSelection();
    } else {
      DeleteBackward();
    }
    KeepUndoIfChanged(before);
    return kCharChanged;
  }
  if (ch == '\r') return kCharIgnored;
  if (ch == kCtrlA) return kCharRepaint;
  if (!m_rightToLeft) return TypeEnglishChar(ch) ? kCharChanged : kCharIgnored;
  const int code = MapKeyToHebrew(ch, capsLock);
  if (code == 0) return kCharIgnored;
  if (m_pAnchor != nullptr && (IsVowelCode(code) || IsDageshOrMeteg(code))) return kCharIgnored;
  return TypeWithUndo(code) ? kCharChanged : kCharIgnored;
}

BOOL HebEditModel::TypeControlChar(int ch) { return TypeWithUndo(ch); }

// Typing over a selection deletes it and inserts whatever the overwrite mode.
BOOL HebEditModel::TypeWithUndo(int code) {
  const UndoRecord before = CaptureState();
  const BOOL hadAnchor = m_pAnchor != nullptr;
  if (hadAnchor) DeleteSelection();
  const int used = TypeCode(code, hadAnchor);
  KeepUndoIfChanged(before);
  return used;
}

BOOL HebEditModel::DeleteKey() {
  const UndoRecord before = CaptureState();
  if (m_pAnchor != nullptr) {
    DeleteSelection();
    KeepUndoIfChanged(before);
    return TRUE;
  }
  if (m_pCaret->pNext == nullptr) return FALSE;
  UnlinkNode(m_pCaret->pNext);
  m_undo = before;
  NoteRepaint(m_pCaret, kRepaintAll);
  return TRUE;
}

void HebEditModel::MoveCaretByKey(CaretKey key, BOOL shift, BOOL ctrl) {
  BOOL selectionChanged = FALSE;
  if (shift) {
    if (m_pAnchor == nullptr) m_pAnchor = m_pCaret;
    selectionChanged = TRUE;
  } else if (m_pAnchor != nullptr) {
    m_pAnchor = nullptr;
    selectionChanged = TRUE;
  }
  BOOL caretOnly = !selectionChanged;
  switch (key) {
    case kKeyHome:
      m_pCaret = &m_sentinel;
      m_scrollOffset = 0;
      caretOnly = caretOnly && GetTextWidth() < m_rightEdge;
      break;
    case kKeyEnd:
      m_pCaret = LastNode();
      caretOnly = caretOnly && GetTextWidth() < m_rightEdge;
      break;
    case kKeyForward:
      if (m_pCaret->pNext == nullptr) break;
      if (ctrl) {
        WordRight();
      } else {
        m_pCaret = m_pCaret->pNext;
      }
      break;
    case kKeyBackward:
      if (m_pCaret == &m_sentinel) break;
      if (ctrl) {
        WordLeft();
      } else {
        m_pCaret = m_pCaret->pPrev;
      }
      break;
  }
  if (selectionChanged) {
    NoteRepaint(nullptr, kRepaintSelection);
  } else if (caretOnly) {
    NoteRepaint(nullptr, kRepaintCaret);
  } else {
    NoteRepaint(nullptr, kRepaintAll);
  }
}

// ---- Mouse ----

void HebEditModel::ButtonDown(int x) {
  if (m_pAnchor != nullptr) {
    m_pAnchor = nullptr;
    NoteRepaint(nullptr, kRepaintSelection);
  }
  m_pCaret = HitTest(x);
}

void HebEditModel::StartDrag() {
  m_pAnchor = m_pCaret;
  m_pLastDragged = m_pCaret;
}

BOOL HebEditModel::DragTo(int x) {
  m_pCaret = HitTest(x);
  if (m_pCaret == m_pLastDragged) return FALSE;
  m_pLastDragged = m_pCaret;
  NoteRepaint(nullptr, kRepaintSelection);
  return TRUE;
}

BOOL HebEditModel::ButtonUp() {
  if (m_pAnchor == m_pCaret) m_pAnchor = nullptr;
  if (m_pCaret == m_pLastDragged) return FALSE;
  m_pLastDragged = nullptr;
  NoteRepaint(nullptr, kRepaintSelection);
  return TRUE;
}

void HebEditModel::SelectWordAtCaret() {
  WordLeft();
  m_pAnchor = m_pCaret;
  WordEnd();
  NoteRepaint(nullptr, kRepaintSelection);
}
