// The text changes behind Cut and Paste, each one undo step.
#include "editor/core/DocClipboard.h"
#include "editor/core/DocEditor.h"

BOOL DocEditor::CutSelection() {
  if (!HasSelection()) return FALSE;
  BeginStep(kUndoDeleteSelection);
  DeleteSelection();
  FinishEdit(Cur().caret, Cur().caret);
  EndStep();
  return TRUE;
}

int DocEditor::ReplaceSelection(const DocPasteText& paste, UserMessageList& messages) {
  BOOL selected = HasSelection();
  if (!selected && paste.text.IsEmpty()) return 0;
  BeginStep(kUndoInsertText);
  DeleteSelection();
  DocCharNode* start = Cur().caret;
  int inserted = ImportDocText(*this, paste, messages);
  if (!selected && inserted == 0) {
    m_pending.Reset();  // nothing changed: no step
    return 0;
  }
  FinishEdit(start, Cur().caret);
  EndStep();
  return inserted;
}
