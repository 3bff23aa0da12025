// What the editor's Copy, Cut and Paste exchange with the clipboard: the
// texts a copy of the selection gives in each text form, which of the
// offered formats a plain Paste takes, and the conversion of pasted or
// imported text or RTF into runs inserted at the caret.
#pragma once

#include "classlib/core/CString.h"
#include "editor/core/DocEditor.h"
#include "editor/core/RtfWriter.h"
#include "hebtext/core/EditClipboardText.h"
#include "hebtext/core/UnicodeHebrew.h"
#include "hebtext/core/UserMessage.h"

// What a copy puts on the clipboard, in the order it puts them there.
struct DocClipboardCopy {
  CString text;        // CF_TEXT, lines ending in CR LF
  WideString unicode;  // CF_UNICODETEXT; empty for the program's own codes
  CString rtf;         // "Rich Text Format"; empty (not offered) for UTF-8
  BOOL hasRtf = FALSE;
};

// Builds the copy of the current side's selection: options.filter is the
// text form (kFilterNone the program's codes, kFilterStandard Windows-1255,
// kFilterUtf8 UTF-8), options.direction kReverse reverses each line. FALSE
// when nothing is selected.
BOOL BuildSelectionCopy(const DocEditor& editor, const ClipboardTextOptions& options,
                        IRtfFontInfo* fonts, DocClipboardCopy& copy);

// Text to insert at the caret: RTF, or plain text read through a filter
// (kFilterWideChar: CF_UNICODETEXT already turned into Windows-1255).
struct DocPasteText {
  CString text;
  BOOL rtf = FALSE;
  ClipboardTextOptions options;
};

// The formats a plain Paste takes, best first: RTF, else Unicode text, else
// 8-bit text. FALSE when the clipboard offers none of them.
struct ClipboardOffer {
  BOOL rtf = FALSE;
  BOOL unicode = FALSE;
  BOOL text = FALSE;
};
BOOL ChoosePasteFormat(const ClipboardOffer& offer, DocPasteText& paste);

// Inserts the text at the caret of the current side and returns the number
// of characters inserted; RTF that fails to parse is inserted as far as it
// was read, with its message. Nothing is laid out here.
int ImportDocText(DocEditor& editor, const DocPasteText& paste, UserMessageList& messages);
