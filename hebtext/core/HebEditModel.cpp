#include "hebtext/core/HebEditModel.h"

#include "hebtext/core/HebChar.h"
#include "hebtext/core/PointedText.h"

namespace {

BOOL IsStandaloneShuruk(const HebCharNode* pNode) {
  return pNode != nullptr && IsShuruk(pNode->letter);
}

BOOL HasVowel(const HebCharNode* pNode) { return pNode->vowel > HebCode::ExplicitNoVowel; }

}  // namespace

void AppendNodeText(const HebCharNode* pNode, BOOL hebrewMode, CString& text) {
  text += static_cast<char>(pNode->letter);
  if (hebrewMode && !IsStandaloneShuruk(pNode) && HasVowel(pNode))
    text += static_cast<char>(pNode->vowel);
}

BOOL HebEditModel::IsSpaceOrPunct(int ch) { return IsSpaceHyphenOrMaqaf(ch) || IsAsciiPunct(ch); }

HebEditModel::HebEditModel(HebCharWidths* pWidths) : m_pWidths(pWidths), m_pCaret(&m_sentinel) {}

HebEditModel::~HebEditModel() { m_pool.FreeAll(); }

// ---- Nodes ----

HebCharNode* HebEditModel::InsertNodeAfter(HebCharNode* pNode, int letter, int vowel) {
  if (m_textLimit > 0 && GetLength() >= m_textLimit) return nullptr;
  HebCharNode* pNew = m_pool.Take();
  if (pNew == nullptr) return nullptr;
  pNew->letter = static_cast<BYTE>(letter);
  pNew->vowel = static_cast<BYTE>(vowel);
  pNew->pPrev = pNode;
  pNew->pNext = pNode->pNext;
  if (pNode->pNext != nullptr) pNode->pNext->pPrev = pNew;
  pNode->pNext = pNew;
  return pNew;
}

HebCharNode* HebEditModel::UnlinkNode(HebCharNode* pNode) {
  HebCharNode* pPrev = pNode->pPrev;
  pPrev->pNext = pNode->pNext;
  if (pNode->pNext != nullptr) pNode->pNext->pPrev = pPrev;
  FreeNode(pNode);
  return pPrev;
}

// Nothing keeps pointing at a node once it is back in the pool.
void HebEditModel::FreeNode(HebCharNode* pNode) {
  if (m_pCaret == pNode) m_pCaret = pNode->pPrev != nullptr ? pNode->pPrev : &m_sentinel;
  if (m_pAnchor == pNode) m_pAnchor = nullptr;
  if (m_pLastDragged == pNode) m_pLastDragged = nullptr;
  if (m_pRepaintStart == pNode) {
    m_pRepaintStart = nullptr;
    m_repaintMode = kRepaintAll;
  }
  m_pool.Return(pNode);
}

// Every node of the list, and only those, came from the pool.
void HebEditModel::FreeAllNodes() {
  m_sentinel.pNext = nullptr;
  m_pCaret = &m_sentinel;
  m_pAnchor = nullptr;
  m_pLastDragged = nullptr;
  m_pRepaintStart = nullptr;
  m_pool.ReturnAll();
}

BOOL HebEditModel::MeasureNode(HebCharNode* pNode) {
  int width = m_pWidths->CharWidth(pNode->letter, pNode->vowel, m_rightToLeft);
  if (width > 0x7FFF) width = 0x7FFF;
  if (width < 0) width = 0;
  const BOOL changed = pNode->width != width;
  pNode->width = static_cast<short>(width);
  return changed;
}

HebCharNode* HebEditModel::LastNode() {
  HebCharNode* p = &m_sentinel;
  while (p->pNext != nullptr) p = p->pNext;
  return p;
}

int HebEditModel::GetLength() const {
  int length = 0;
  for (const HebCharNode* p = m_sentinel.pNext; p != nullptr; p = p->pNext) ++length;
  return length;
}

int HebEditModel::IndexOfNode(const HebCharNode* pNode) const {
  int index = 0;
  for (const HebCharNode* p = &m_sentinel; p != nullptr; p = p->pNext, ++index) {
    if (p == pNode) return index;
  }
  return -1;
}

HebCharNode* HebEditModel::NodeAtIndex(int index) {
  if (index < 0) return nullptr;
  HebCharNode* p = &m_sentinel;
  for (; p != nullptr && index > 0; --index) p = p->pNext;
  return p;
}

// ---- Repaint notes ----

// Two changes before one paint are drawn as a full repaint, so that neither
// is lost.
void HebEditModel::NoteRepaint(HebCharNode* pStart, int mode) {
  if (m_repaintNoted && (pStart != m_pRepaintStart || mode != m_repaintMode)) {
    pStart = nullptr;
    mode = kRepaintAll;
  }
  m_pRepaintStart = pStart;
  m_repaintMode = mode;
  m_repaintNoted = TRUE;
}

void HebEditModel::NoteChangedNode(HebCharNode* pNode, BOOL widthChanged) {
  NoteRepaint(pNode, widthChanged ? kRepaintToEnd : kRepaintNode);
}

void HebEditModel::EndPaint() {
  m_pRepaintStart = nullptr;
  m_repaintMode = kRepaintAll;
  m_repaintNoted = FALSE;
}

// ---- Text and selection ----

void HebEditModel::ClearText() {
  FreeAllNodes();
  NoteRepaint(nullptr, kRepaintAll);
}

void HebEditModel::SetText(LPCSTR text) {
  SaveUndo();
  ClearText();
  InsertTextAtCaret(text);
}

void HebEditModel::GetText(CString& text) const {
  text.Empty();
  for (const HebCharNode* p = m_sentinel.pNext; p != nullptr; p = p->pNext)
    AppendNodeText(p, m_rightToLeft, text);
}

HebCharNode* HebEditModel::InsertTextAtCaret(LPCSTR text) {
  HebCharNode* pLast = m_pCaret;
  if (text == nullptr) return pLast;
  if (!m_rightToLeft) {
    for (const BYTE* p = reinterpret_cast<const BYTE*>(text); *p != 0; ++p) {
      HebCharNode* pNew = InsertNodeAfter(pLast, *p, 0);
      if (pNew == nullptr) break;
      MeasureNode(pNew);
      pLast = pNew;
    }
  } else {
    // The count is a full int: a long paste must not wrap.
    const int count = SplitLettersAndVowels(text, nullptr, nullptr, 0, 0);
    std::vector<BYTE> letters(count + 1);
    std::vector<BYTE> vowels(count + 1);
    SplitLettersAndVowels(text, letters.data(), vowels.data(), count + 1, 0);
    for (int i = 0; i < count; ++i) {
      const int letter = letters[i];
      if (!(IsHebrewLetter(letter) || IsShuruk(letter) || IsDigitCode(letter) || IsAlpha(letter) ||
            IsSpaceOrPunct(letter))) {
        continue;
      }
      HebCharNode* pNew = InsertNodeAfter(pLast, letter, vowels[i]);
      if (pNew == nullptr) break;
      MeasureNode(pNew);
      pLast = pNew;
    }
  }
  NoteRepaint(nullptr, kRepaintAll);
  return pLast;
}

void HebEditModel::SelectAll() {
  m_pCaret = LastNode();
  m_pAnchor = m_pCaret == &m_sentinel ? nullptr : &m_sentinel;
  NoteRepaint(nullptr, kRepaintSelection);
}

void HebEditModel::ClearAnchor() {
  m_pAnchor = nullptr;
  NoteRepaint(nullptr, kRepaintSelection);
}

BOOL HebEditModel::HasSelection() const { return m_pAnchor != nullptr && m_pAnchor != m_pCaret; }

BOOL HebEditModel::HasVowels() const {
  for (const HebCharNode* p = m_sentinel.pNext; p != nullptr; p = p->pNext) {
    if (HasVowel(p)) return TRUE;
  }
  return FALSE;
}

BOOL HebEditModel::GetSelectionRange(HebCharNode*& pFirst, HebCharNode*& pStop) const {
  pFirst = pStop = nullptr;
  if (!HasSelection()) return FALSE;
  const HebCharNode* pLater = nullptr;
  for (const HebCharNode* p = &m_sentinel; p != nullptr; p = p->pNext) {
    if (p == m_pAnchor || p == m_pCaret) {
      pFirst = p->pNext;
      pLater = p == m_pAnchor ? m_pCaret : m_pAnchor;
      break;
    }
  }
  if (pLater == nullptr) return FALSE;
  pStop = pLater->pNext;
  return TRUE;
}

void HebEditModel::DeleteSelection() {
  HebCharNode* pFirst = nullptr;
  HebCharNode* pStop = nullptr;
  if (GetSelectionRange(pFirst, pStop)) {
    HebCharNode* pBefore = pFirst->pPrev;
    // From the end back, so that the pool's in-use array shrinks at its end.
    HebCharNode* p = pStop != nullptr ? pStop->pPrev : LastNode();
    while (p != pBefore) p = UnlinkNode(p);
    m_pCaret = pBefore;
    NoteRepaint(nullptr, kRepaintAll);
  }
  m_pAnchor = nullptr;
}

void HebEditModel::ReplaceSelection(LPCSTR text) {
  SaveUndo();
  DeleteSelection();
  m_pCaret = InsertTextAtCaret(text);
  NoteRepaint(nullptr, kRepaintAll);
}

void HebEditModel::RemoveVowels() {
  SaveUndo();
  for (HebCharNode* p = m_sentinel.pNext; p != nullptr; p = p->pNext) {
    if (IsDageshLetter(p->letter)) {
      p->letter = static_cast<BYTE>(RemoveDagesh(p->letter));
    } else if (IsStandaloneShuruk(p)) {
      p->letter = HebCode::Vav;
      p->vowel = 0;
    }
    const BOOL vavVowel = IsVavVowel(p->vowel) || IsQubutsForm(p->vowel);
    p->vowel = 0;
    if (vavVowel) {
      MeasureNode(p);
      HebCharNode* pVav = InsertNodeAfter(p, HebCode::Vav, 0);
      if (pVav != nullptr) p = pVav;
    }
    MeasureNode(p);
  }
  NoteRepaint(nullptr, kRepaintAll);
}

// ---- Undo ----

HebEditModel::UndoRecord HebEditModel::CaptureState() const {
  UndoRecord state;
  state.caret = IndexOfNode(m_pCaret);
  state.anchor = IndexOfNode(m_pAnchor);
  GetText(state.text);
  return state;
}

void HebEditModel::SaveUndo() { m_undo = CaptureState(); }

void HebEditModel::KeepUndoIfChanged(const UndoRecord& before) {
  CString text;
  GetText(text);
  if (text.Compare(before.text) != 0) m_undo = before;
}

void HebEditModel::Undo() {
  UndoRecord current = CaptureState();
  FreeAllNodes();
  InsertTextAtCaret(m_undo.text);
  // The text may load with fewer characters than it was saved with (the
  // mode changed in between); a position past the end becomes the end.
  HebCharNode* pCaret = NodeAtIndex(m_undo.caret);
  m_pCaret = pCaret != nullptr ? pCaret : LastNode();
  m_pAnchor = NodeAtIndex(m_undo.anchor);
  m_undo = current;
  NoteRepaint(nullptr, kRepaintAll);
}

// ---- Word movement ----

namespace {

BOOL IsBreak(const HebCharNode* pNode) {
  return pNode->pPrev == nullptr || IsWordBreakChar(pNode->letter);
}

}  // namespace

void HebEditModel::WordLeft() {
  if (m_pCaret == &m_sentinel) return;
  HebCharNode* p = m_pCaret;
  while (p != &m_sentinel && IsBreak(p)) p = p->pPrev;
  while (p != &m_sentinel && !IsBreak(p)) p = p->pPrev;
  if (IsBreak(p) && p->pNext != nullptr) p = p->pNext;
  if (p != &m_sentinel) p = p->pPrev;
  m_pCaret = p;
}

void HebEditModel::WordRight() {
  if (m_pCaret->pNext == nullptr) return;
  HebCharNode* p = m_pCaret->pNext;
  while (!IsBreak(p) && !IsLastNode(p)) p = p->pNext;
  if (!IsLastNode(p)) {
    while (IsBreak(p) && !IsLastNode(p)) p = p->pNext;
  }
  if (!IsLastNode(p)) p = p->pPrev;
  m_pCaret = p;
}

void HebEditModel::WordEnd() {
  if (m_pCaret->pNext == nullptr) return;
  HebCharNode* p = m_pCaret->pNext;
  while (!IsBreak(p) && !IsLastNode(p)) p = p->pNext;
  if (IsBreak(p)) p = p->pPrev;
  m_pCaret = p;
}
