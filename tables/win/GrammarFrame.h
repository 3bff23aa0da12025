// What the grammar views take from the program's main frame: the view of
// the Grammar Tables tab in front, the flag that keeps the editor's Print
// command for a grammar table just after its print preview, and the Full
// View size the window remembers. The main frame implements it.
#pragma once

#include "classlib/core/WinTypes.h"

class CWnd;

class IGrammarFrame {
 public:
  // The active view of Grammar Tables; nullptr when there is none.
  virtual CWnd* GetGrammarView() = 0;
  // A grammar table's print preview has just ended.
  virtual void SetGrammarPreviewEnded() = 0;
  // Clears that flag; returns what it was.
  virtual BOOL TakeGrammarPreviewEnded() = 0;
  // Forgets the size of the last Full View, so the next one enlarges again.
  virtual void ForgetGrammarFullView() = 0;

 protected:
  ~IGrammarFrame() = default;
};

// The program's main window as a grammar frame; nullptr when it is none.
IGrammarFrame* GetGrammarFrame();
