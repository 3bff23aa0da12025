// The editing half of the editor document that needs no window: the typing
// rules, the undo stack, caret and selection, and the conversions between a
// side's nodes and flat text. It works on a DocTextModel; the document window
// class owns one of each and forwards its view's keys and commands.
#pragma once

#include "classlib/core/CArray.h"
#include "classlib/core/CString.h"
#include "classlib/core/Collections.h"
#include "editor/core/DocEditSnapshot.h"
#include "editor/core/DocLoadBuffers.h"
#include "editor/core/DocTextModel.h"

// The progress dialog shown while sides are built after loading.
class IDocBuildProgress {
 public:
  virtual void Begin(LPCSTR caption, int range) = 0;
  // Steps the bar and pumps messages; FALSE once the user cancelled.
  virtual BOOL Step(int position) = 0;

 protected:
  ~IDocBuildProgress() = default;
};

// Virtual-key codes of the keys the model handles.
enum : UINT { kVkDelete = 0x2E };

class DocEditor {
 public:
  typedef CArray<const DocCharNode*, const DocCharNode*> RunStarts;
  DocEditor(DocTextModel& model, IDocUISink& ui) : m_model(model), m_ui(ui) {}
  DocEditor(const DocEditor&) = delete;
  DocEditor& operator=(const DocEditor&) = delete;
  ~DocEditor();

  DocTextModel& Model() { return m_model; }

  // --- Typing rules ---------------------------------------------------------
  // One typed key; shiftDown is Shift's state (Tab outdents with it), capsLock
  // goes to the key map. 1 when the key was used.
  int TypeChar(UINT ch, BOOL shiftDown = FALSE, BOOL capsLock = FALSE);
  // A character code typed as it is, without the key map (the punctuation
  // Ctrl gives in a Hebrew font); the same rules otherwise.
  int TypeCode(int code, BOOL shiftDown = FALSE);
  void Backspace();
  // The Delete key: the selection, or the character after the caret.
  void DeleteForward();
  // Indents (tab after the first character) or outdents the selection's
  // paragraphs.
  void IndentLines(BOOL indent);
  void InsertChar(BYTE ch);
  void InsertHebrewLetter(int code);
  void OverwriteChar(BYTE ch);
  void OverwriteHebrewLetter(int code);
  void ApplyVowel(int vowel);
  void ApplyMark(int mark);
  // Removes the caret character, or only its point unless wholeChar; TRUE
  // when only the point went.
  BOOL DeleteCharAtCaret(BOOL wholeChar);

  // --- Caret and selection --------------------------------------------------
  BOOL HasSelection() const;
  BOOL GetSelectionRange(DocCharNode*& first, DocCharNode*& last, BOOL headNode = FALSE) const;
  CharAttr GetSelectionAttr() const;
  DWORD GetSelectionParaFormat() const;
  // Sets the selection from anchor to caret, marking the characters between.
  void SetSelection(DocCharNode* anchor, DocCharNode* caret);
  void ClearSelection();
  // Marks and unmarks the characters whose state changed when the caret moved
  // from oldCaret.
  void UpdateSelection(DocCharNode* oldCaret);
  // Deletes the selected characters with their lines and pages; the caret
  // goes before them.
  void DeleteSelection();
  void WordStart();
  void NextWordStart();
  void NextLetterWordStart();
  void WordEnd();
  void SentenceEnd();

  // --- Undo -----------------------------------------------------------------
  CEditSnapshot& Pending() { return m_pending; }
  void PushUndo(CEditSnapshot& snapshot);
  void ClearUndo();
  int GetUndoCount() const { return m_undoIndex; }
  int GetStepCount() const { return m_steps.GetSize(); }
  const CEditSnapshot& GetStep(int i) const { return *m_steps[i]; }
  BOOL CanUndo() const { return m_undoIndex > 0; }
  BOOL CanRedo() const { return m_undoIndex < m_steps.GetSize(); }
  // The commands: switch to the step's side and run it backwards or again.
  BOOL UndoCommand();
  BOOL RedoCommand();
  void StorePosition(const DocCharNode* node, CSelRanges& sel, int slot) const;
  void StoreCaretAndAnchor(int side, CSelRanges& sel) const;
  DocCharNode* ResolvePosition(int side, const CSelRanges& sel, int slot) const;
  // FALSE, leaving caret and anchor alone, when a stored position no longer
  // resolves.
  BOOL RestoreCaretAndAnchor(int side, const CSelRanges& sel);
  DWORD LineIndexInSide(int side, const DocLineNode* line) const;
  DocLineNode* NthLineOfSide(int side, DWORD n) const;
  void PageSpanOfLines(int side, const DocLineNode* fromLine, const DocLineNode* toLine, int& first,
                       int& last) const;
  void WholePagesInRange(int side, int firstPage, int lastPage, const DocLineNode* fromLine,
                         const DocLineNode* toLine, CDWordArray& flags) const;
  void RecordSelectionDelete(int side);
  void Undo(int side, const CEditSnapshot& step);
  void Redo(int side, const CEditSnapshot& step);
  // Begins and ends a step around a change between caret and anchor made by
  // another command (paste, formatting, page settings): Begin records the
  // state before (the selection, else the caret); End, once the change is
  // laid out, records the state after and pushes the step.
  void BeginStep(DWORD type);
  // The same around a change of the characters from first to last.
  void BeginStep(DWORD type, DocCharNode* first, DocCharNode* last);
  void EndStep();
  // The first fault of the undo stack, described; empty when it holds.
  CString FindUndoFault() const;

  // --- Flat text ------------------------------------------------------------
  BOOL GetSelectionText(int side, CString& letters, CByteArray& points, CDWordArray& attributes,
                        CDWordArray& formats) const;
  BOOL GetRangeText(int side, const DocCharNode* first, const DocCharNode* last, CString& letters,
                    CByteArray& points, CDWordArray& attributes, CDWordArray* formats) const;
  BOOL GetWordAtCaret(int side, CString& letters, CByteArray& points, CDWordArray& attributes,
                      DocCharNode*& first, DocCharNode*& last) const;
  BOOL GetPhraseAtCaret(int side, CString& letters, CByteArray& points, CDWordArray& attributes,
                        DocCharNode*& first, DocCharNode*& last) const;
  BOOL IsCaretInWord(int side) const;
  void SaveAttrs(CDWordArray& attrs, const DocCharNode* first, const DocCharNode* last) const;
  void RestoreAttrs(const CDWordArray& attrs, DocCharNode* first);
  void SaveLineFormats(CDWordArray& formats, const DocLineNode* first,
                       const DocLineNode* last) const;
  void RestoreLineFormats(const CDWordArray& formats, DocLineNode* first);
  // Types a string at the caret; returns its length.
  int InsertText(LPCSTR text);
  // Inserts flat runs at the caret of the current side as they are, each
  // character with its own letter, point and attributes; formats hold one
  // word for the first character and one for every page break or paragraph
  // end, and are consumed from the front. Nothing is laid out here. Returns
  // the number of letters.
  int InsertRuns(const CString& letters, const CByteArray& points, const CDWordArray& attributes,
                 CDWordArray& formats);
  // Builds both sides from the loading buffers and lays them out; 0 when the
  // progress dialog was cancelled. progress may be null; section gaps are
  // made pixels at pixelsPerInchX.
  int BuildSidesFromBuffers(IDocBuildProgress* progress, BOOL hashemFilter, int pixelsPerInchX);
  // What a load read for the side, for BuildSidesFromBuffers.
  DocLoadBuffers& LoadBuffers(int side) { return m_loadBuffers[side]; }

 private:
  DocSideState& Cur() { return m_model.Side(m_model.GetCurrentSide()); }
  const DocSideState& Cur() const { return m_model.Side(m_model.GetCurrentSide()); }
  int CurSide() const { return m_model.GetCurrentSide(); }
  int CodeForKey(UINT ch, BOOL capsLock, BOOL hebrew) const;
  // Puts one stored character back as it was: letter, point and attributes.
  DocCharNode* InsertRawAfter(DocCharNode* after, BYTE letter, BYTE point, CharAttr attr);
  // Removes the characters after `before` up to and including `last`, with
  // the lines and pages their breaks begin.
  void DeleteRange(DocCharNode* before, DocCharNode* last);
  // A break about to go takes its line (and a page break its page and
  // layout) with it.
  void RemoveBreakStructure(DocCharNode* node);
  void MarkRange(DocCharNode* a, DocCharNode* b, BOOL mark);
  // Modified flag and layout after a typed change.
  void FinishEdit(DocCharNode* start, DocCharNode* end);
  // A step changes the characters strictly between start and end (null: to
  // the end of the side); start and end themselves outlive the change.
  void BeginChange(DWORD type, DocCharNode* start, DocCharNode* end);
  // A command's step over the characters after start up to the one after end.
  void BeginCommandChange(DWORD type, DocCharNode* start, DocCharNode* end);
  void EndChange();
  void CaptureRaw(const DocCharNode* start, const DocCharNode* end, CString& letters,
                  CByteArray& points, CDWordArray& attrs) const;
  void CaptureFormats(const DocCharNode* from, const DocCharNode* to, CDWordArray& formats) const;
  void CaptureLayouts(CArray<CPageLayout*, CPageLayout*>& list, DWORD pages[2]) const;
  static void DeleteLayouts(CArray<CPageLayout*, CPageLayout*>& list);
  BOOL LayoutsMatch(const CArray<CPageLayout*, CPageLayout*>& list, const DWORD pages[2]) const;
  BOOL DefaultLayoutsMatch(const CArray<CPageLayout*, CPageLayout*>& list,
                           const DWORD pages[2]) const;
  void SyncLayoutShadow();
  // The side's runs of lines by section from its start; empty when it has no
  // section.
  void CaptureSections(int side, CEditSpanArray& runs) const;
  struct SectionRunCache;
  // Counts the runs, walking the whole side when it has sections.
  void CountSectionRuns(int side, SectionRunCache& out) const;
  const DocLineNode* KeptRunFirstLine(int side, int i) const;
  // Whether the kept runs still begin where they began: the same sections
  // in the same order, each run at its line and character.
  BOOL KeptRunBoundsStand(int side) const;
  // The kept run that holds the line, -1 for none.
  int KeptRunHolding(int side, const DocLineNode* line) const;
  // Brings the kept line counts up to date from the model's: a change in the
  // lines without a section goes to editRun, which must be such a run.
  BOOL UpdateKeptLineCounts(int side, int editRun);
  // The runs before and after a step that changes the characters strictly
  // between start and end (start null: none) and adds addedChars to them.
  void CaptureSectionsBefore(int side, const DocCharNode* start, const DocCharNode* end,
                             CEditSpanArray& runs);
  void CaptureSectionsAfter(int side, const DocCharNode* start, const DocCharNode* end,
                            int addedChars, CEditSpanArray& runs);
  // Whether the side had no section when a step last looked, and still has none.
  BOOL IsKnownWithoutSections(int side) const;
  // The text changed other than by a recorded step: the kept character counts
  // no longer hold.
  void ForgetSectionRuns();
  void AssertRunsCounted(int side, const CEditSpanArray& runs) const;
  BOOL ApplyFormats(const DocCharNode* start, const CDWordArray& formats,
                    DocLineNode*& firstChanged, DocLineNode*& lastChanged);
  BOOL ApplyLayouts(const CArray<CPageLayout*, CPageLayout*>& list, const DWORD pages[2]);
  // current: the side's runs when known, else they are counted.
  BOOL ApplySections(int side, const CEditSpanArray& runs, const CEditSpanArray* current = nullptr);
  // What a replayed step leaves besides the text.
  struct SettleTarget {
    const DocCharNode* start;  // the character before the change
    const CDWordArray* formats;
    const CArray<CPageLayout*, CPageLayout*>* layouts;
    const DWORD* layoutPages;
    const CEditSpanArray* sections;         // one array per side
    BOOL withoutSections[kDocSideCount];    // sides that have and keep none
    const CEditSpanArray* currentSections;  // one array per side, as the replay left them
  };
  BOOL Settle(int side, const SettleTarget& target);
  DocCharNode* ReplaceText(DocCharNode* start, int oldCount, const CString& letters,
                           const CByteArray& points, const CDWordArray& attrs);
  BOOL BuildSide(int side, IDocBuildProgress* progress, BOOL hashemFilter, int pixelsPerInchX);
  void RunStep(int side, const CEditSnapshot& step, BOOL forward);
  // Builds with assertions stop at an edit that leaves the model or the undo
  // stack broken.
  void AssertConsistent() const;

  DocTextModel& m_model;
  IDocUISink& m_ui;
  DocLoadBuffers m_loadBuffers[kDocSideCount];
  BOOL m_bBuilding = FALSE;  // typing rules leave the layout to the builder
  CArray<CEditSnapshot*, CEditSnapshot*> m_steps;
  int m_undoIndex = 0;
  CEditSnapshot m_pending;
  // Copies of the layouts as they stood when a step last began or changed
  // them, as CaptureLayouts gives them.
  CArray<CPageLayout*, CPageLayout*> m_layoutShadow;
  DWORD m_layoutShadowPages[2] = {0, 0};
  DWORD m_layoutShadowChanges = 0;  // the model's count when they last matched
  // The step is another command than typing: it may add sections and
  // change layouts in place.
  BOOL m_commandStep = FALSE;
  DWORD m_pageListChangesBefore = 0;  // the model's count when the step began
  struct SectionRunCache {
    CEditSpanArray runs;                        // as CaptureSections gives them
    RunStarts starts;                           // the first character of each run
    CArray<DocSection*, DocSection*> sections;  // of each run; null for lines without one
    DWORD sectionChanges = 0;                   // the model's count when the runs were counted
    BOOL boundsKnown = FALSE;
    BOOL countsKnown = FALSE;  // the character counts hold
  };
  SectionRunCache m_sectionRuns[kDocSideCount];
  DocCharNode* m_changeStart = nullptr;
  DocCharNode* m_changeEnd = nullptr;
};
