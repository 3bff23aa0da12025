// The text of the one-line Hebrew edit control and everything it does that
// needs no window: the node list, caret and selection, the typing rules for
// letters, vowel points, dagesh and meteg, single-step undo, word movement,
// the caret keys, the hit test, the caret position, sideways scrolling and
// what a paint has to draw. The window (CHebEdit) measures characters with
// its fonts through HebCharWidths and turns the results into drawing.
#pragma once

#include <vector>

#include "classlib/core/CString.h"
#include "classlib/core/WinTypes.h"
#include "hebtext/core/HebCharNodePool.h"

// The advance of one character with its vowel in the control's current font.
class HebCharWidths {
 public:
  virtual int CharWidth(int letter, int vowel, BOOL rightToLeft) = 0;

 protected:
  ~HebCharWidths() = default;
};

// One run of characters to draw: before the selection, the selection, after it.
struct HebEditPaintRun {
  std::vector<BYTE> letters;  // zero-terminated
  std::vector<BYTE> vowels;   // one a letter, 1 for none; zero-terminated
  RECT rect;
  BOOL selected;
  int GetCount() const { return static_cast<int>(letters.size()) - 1; }
};

struct HebEditPaintPlan {
  int fillCount = 0;
  RECT fills[2];  // areas outside the text, filled with the background
  int runCount = 0;
  HebEditPaintRun runs[3];
};

// Appends one character as the control's text holds it: its letter and, in
// Hebrew mode, its vowel (none for a standalone shuruk).
void AppendNodeText(const HebCharNode* pNode, BOOL hebrewMode, CString& text);

class HebEditModel {
 public:
  // What the next paint must draw.
  enum RepaintMode {
    kRepaintAll = 0,        // everything, or from the noted node on
    kRepaintNode = 1,       // the noted node alone; its width did not change
    kRepaintToEnd = 2,      // from the noted node to the end
    kRepaintCaret = 3,      // nothing but the caret
    kRepaintSelection = 4,  // everything, the selection changed
  };
  enum CaretKey { kKeyHome, kKeyEnd, kKeyForward, kKeyBackward };
  enum CharResult { kCharIgnored, kCharRepaint, kCharChanged };
  enum { kMargin = 2, kTextTop = 2 };

  explicit HebEditModel(HebCharWidths* pWidths);
  HebEditModel(const HebEditModel&) = delete;
  HebEditModel& operator=(const HebEditModel&) = delete;
  ~HebEditModel();

  // Text and selection.
  void SetText(LPCSTR text);
  void GetText(CString& text) const;
  void ClearText();
  void SelectAll();
  BOOL HasSelection() const;
  BOOL HasAnchor() const { return m_pAnchor != nullptr; }
  void ClearAnchor();
  void SetRightToLeft(BOOL rightToLeft) { m_rightToLeft = rightToLeft ? 1 : 0; }
  // At most this many characters are held (0: no limit); typing and pastes
  // beyond it are dropped.
  void SetTextLimit(int limit) { m_textLimit = limit; }
  BOOL IsRightToLeft() const { return m_rightToLeft; }
  BOOL HasVowels() const;
  void RemoveVowels();
  // Loads text after the caret (the caret stays); returns the last node
  // inserted, or the caret node when nothing was.
  HebCharNode* InsertTextAtCaret(LPCSTR text);
  BOOL GetSelectionRange(HebCharNode*& pFirst, HebCharNode*& pStop) const;
  void DeleteSelection();
  // A paste: an undo step, the selection replaced by the text and the caret
  // after the last character inserted.
  void ReplaceSelection(LPCSTR text);

  // Typing. TypeCode takes a code of the program's character code; it returns
  // 1 when the code was used.
  int TypeCode(int code, BOOL forceInsert);
  // A WM_CHAR character (Hebrew mode maps it from the English keyboard).
  CharResult TypeCharacter(int ch, BOOL capsLock);
  // A punctuation character typed with Ctrl; TRUE when it was used.
  BOOL TypeControlChar(int ch);
  // The Delete key; TRUE when something changed.
  BOOL DeleteKey();
  void MoveCaretByKey(CaretKey key, BOOL shift, BOOL ctrl);

  // Undo: one step that swaps with the current state.
  void SaveUndo();
  void Undo();

  void WordLeft();
  void WordRight();
  void WordEnd();

  // Mouse.
  HebCharNode* HitTest(int x) const;
  // Button down: the anchor is cleared and the caret goes to x; StartDrag
  // then anchors the selection there.
  void ButtonDown(int x);
  void StartDrag();
  BOOL DragTo(int x);  // TRUE when the caret moved
  BOOL ButtonUp();     // TRUE when a repaint is due
  void SelectWordAtCaret();

  // Layout.
  void SetClientSize(int width, int height);
  void SetLineHeight(int lineHeight) { m_lineHeight = lineHeight; }
  int GetLineHeight() const { return m_lineHeight; }
  int GetLeftEdge() const { return m_leftEdge; }
  int GetRightEdge() const { return m_rightEdge; }
  int GetTextWidth() const;
  POINT GetCaretPoint() const;
  int GetScrollOffset() const { return m_scrollOffset; }
  // Scrolls so that the caret is inside the client area; TRUE when it did.
  BOOL ScrollCaretIntoView();

  // Painting.
  void NoteRepaint(HebCharNode* pStart, int mode);
  int GetRepaintMode() const { return m_repaintMode; }
  const HebCharNode* GetRepaintStart() const { return m_pRepaintStart; }
  void PlanPaint(const RECT& clip, HebEditPaintPlan& plan) const;
  void EndPaint();

  // Nodes and positions: the sentinel is index 0, the first character 1.
  const HebCharNode* GetSentinel() const { return &m_sentinel; }
  const HebCharNode* GetCaretNode() const { return m_pCaret; }
  const HebCharNode* GetAnchorNode() const { return m_pAnchor; }
  int IndexOfNode(const HebCharNode* pNode) const;
  HebCharNode* NodeAtIndex(int index);
  int GetCaretIndex() const { return IndexOfNode(m_pCaret); }
  int GetAnchorIndex() const { return IndexOfNode(m_pAnchor); }
  int GetLength() const;
  int GetPoolInUseCount() const { return m_pool.GetInUseCount(); }

 private:
  HebCharNode* InsertNodeAfter(HebCharNode* pNode, int letter, int vowel);
  HebCharNode* UnlinkNode(HebCharNode* pNode);
  void FreeNode(HebCharNode* pNode);
  void FreeAllNodes();
  // Measures the node; TRUE when its width changed.
  BOOL MeasureNode(HebCharNode* pNode);
  void NoteChangedNode(HebCharNode* pNode, BOOL widthChanged);
  HebCharNode* LastNode();
  BOOL IsLastNode(const HebCharNode* pNode) const { return pNode->pNext == nullptr; }

  void InsertLetter(int code);
  void ReplaceLetter(int code);
  void FixPointing(HebCharNode* pNode, int code);
  void ApplyVowel(int vowel);
  void ApplyShuruk(int vowel);
  void ToggleMark(int mark);
  void DeleteBackward();
  BOOL TypeEnglishChar(int ch);
  static BOOL IsSpaceOrPunct(int ch);
  BOOL TypeWithUndo(int code);
  void InsertRawChar(int ch);
  void ReplaceRawChar(int ch);

  int WidthBefore(const HebCharNode* pNode) const;

  HebCharWidths* m_pWidths;
  BOOL m_rightToLeft = 1;
  int m_textLimit = 0;
  HebCharNode m_sentinel = {0, 0, kMargin, nullptr, nullptr};
  HebCharNode* m_pCaret;
  HebCharNode* m_pAnchor = nullptr;
  HebCharNode* m_pLastDragged = nullptr;

  int m_clientWidth = 0;
  int m_clientHeight = 0;
  int m_lineHeight = 0;
  int m_leftEdge = kMargin;
  int m_rightEdge = 0;
  int m_scrollOffset = 0;

  struct UndoRecord {
    CString text;
    int caret = 0;
    int anchor = -1;
  };
  UndoRecord CaptureState() const;
  // Keeps the state taken before a key as the undo step when the key changed
  // the text; a refused key leaves the step before it.
  void KeepUndoIfChanged(const UndoRecord& before);

  UndoRecord m_undo;

  HebCharNode* m_pRepaintStart = nullptr;
  int m_repaintMode = kRepaintAll;
  BOOL m_repaintNoted = FALSE;

  HebCharNodePool m_pool;
};
