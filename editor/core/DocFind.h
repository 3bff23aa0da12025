// Find and Replace on the active side of a document: the search by a sliding
// window over the side's characters, the test whether the selection is the
// current match, the replace step and the replace-all loop. The window that
// runs them shows the caret, scrolls and reports what was not found.
#pragma once

#include <vector>

#include "classlib/core/CString.h"
#include "editor/core/DocEditor.h"
#include "hebtext/core/UserMessage.h"

// A text to find or put in: letters, one byte a character, and one vowel
// point a letter (0 for none).
struct FindText {
  CString letters;
  std::vector<BYTE> points;

  BOOL IsEmpty() const { return letters.IsEmpty(); }
  // The single-string form, points merged in.
  CString Merged() const;
  // Hebrew texts are split into letters and points; English ones keep every
  // byte as a letter.
  static FindText FromMerged(LPCSTR merged, BOOL hebrew);
};

struct FindOptions {
  BOOL down = TRUE;
  BOOL wholeWord = FALSE;
  BOOL matchVowels = FALSE;  // Hebrew side
  BOOL matchDagesh = FALSE;  // Hebrew side
  BOOL matchCase = FALSE;    // English side
};

// The search every editor view shares: the last texts and options given.
struct CurrentSearch {
  FindText find;
  FindText replace;
  FindOptions options;
};

// Searches the active side from the selection (or caret) in the options'
// direction; on a match selects it (anchor before it, caret on its last
// character) and returns TRUE. Nothing changes when nothing is found.
BOOL FindInSide(DocEditor& editor, const FindText& find, const FindOptions& options);

// Whether the selection is a match of the find text (an empty selection
// never is).
BOOL IsCurrentMatch(const DocEditor& editor, const FindText& find, const FindOptions& options);

enum class ReplaceOutcome {
  kReplacedAndFound,  // replaced, and the next match is selected
  kReplacedNoMore,    // replaced; no match beyond it
  kFound,             // the selection was no match: the search ran and found one
  kNotFound,          // the selection was no match and the search found none
};

// The Replace button: the current match is replaced (one undo step) and the
// next one searched for; otherwise only the search runs. The next search
// never looks into the text just put in, in either direction.
ReplaceOutcome ReplaceStep(DocEditor& editor, const CurrentSearch& search,
                           UserMessageList& messages);

struct ReplaceAllResult {
  int replaced = 0;
  BOOL notFound = FALSE;  // no match at all: the caller reports it
};

// The Replace All button: from the selection (or the first match after it)
// every match in the direction is replaced, each as one undo step. It always
// ends: what it put in is never searched again.
ReplaceAllResult ReplaceAll(DocEditor& editor, const CurrentSearch& search,
                            UserMessageList& messages);
