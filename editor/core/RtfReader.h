// A table-driven RTF reader: plain 8-bit text with one attribute word per
// character and one format word per paragraph, collected in a CRtfTables.
// Only what the editor can show is kept; everything else is read over.
#pragma once

#include "editor/core/RtfTables.h"
#include "hebtext/core/UserMessage.h"

enum RtfError {
  kRtfOk = 0,
  kRtfStackUnderflow = 1,  // a closing brace without an open group
  kRtfStackOverflow = 2,   // no room to save a group's state
  kRtfUnmatchedBrace = 3,  // the input ends with groups still open
  kRtfInvalidHex = 4,
  kRtfBadTable = 6,
  kRtfAssertion = 7,  // an unexpected input state
  kRtfEndOfFile = 8,  // the input ends inside a control word
};

// The deepest group nesting the reader keeps; deeper input is refused.
constexpr int kRtfMaxDepth = 1024;

// Parses the whole input of the tables object and returns an error code.
// Every parse starts from the same clean state.
int RtfParse(CRtfTables& tables);

// What the user is told of a parse that failed with the code.
UserMessage RtfParseErrorMessage(int code);
