// What the file reader and the text import leave for one side until the
// editor builds its nodes: the flat text, its line formats, the column
// sections by line and the page layouts (the side's default first).
#pragma once

#include "classlib/core/CArray.h"
#include "classlib/core/CString.h"
#include "classlib/core/Collections.h"
#include "editor/core/CPageLayout.h"
#include "editor/core/DocSection.h"

// A section starting at a line index; the gap is held in the section's unit
// (gapInUnit, unit 1 inches, 2 millimetres) and made pixels when built.
struct DocSectionRun {
  DWORD firstLine = 0;
  DWORD lineCount = 0;
  DocSection* section = nullptr;  // owned until the side is built
};

struct DocLoadBuffers {
  DocLoadBuffers() = default;
  DocLoadBuffers(const DocLoadBuffers&) = delete;
  DocLoadBuffers& operator=(const DocLoadBuffers&) = delete;
  ~DocLoadBuffers() { Empty(); }

  BOOL HasText() const { return !letters.IsEmpty(); }
  void Empty();

  CString letters;
  CByteArray points;
  CDWordArray attributes;
  CDWordArray lineFormats;
  CArray<DocSectionRun, const DocSectionRun&> sections;
  CArray<CPageLayout*, CPageLayout*> layouts;  // owned; [0] is the side's default
};
