// What a document file holds, as plain arrays: the title, the style tables,
// and per side its default style and colours, its text as letters with one
// point and one attribute word each, its line formats, its column sections
// and its page layouts. Reading a file fills one; the document builds its
// nodes from it. Writing takes one collected from the document.
#pragma once

#include <string>
#include <vector>

#include "classlib/core/CString.h"
#include "editor/core/DocStyleTables.h"
#include "hebtext/core/PageSettingsRec.h"

constexpr int kFileSideCount = 2;

// A column section of a side and the line where it begins.
struct ZultaSectionRun {
  DWORD lineIndex = 0;
  DWORD fileValue = 0;
  WORD columns = 1;
  WORD unit = 1;  // 1 inches, 2 millimetres
  double gapInUnit = 0.0;
};

struct ZultaPageLayoutRec {
  DWORD tabInterval = 0;
  std::vector<DWORD> tabStops;
  PageSettingsRec settings;
};

struct ZultaSideData {
  COLORREF colors[4] = {0, 0xFFFFFF, 0xFFFFFF, 0};  // text, back, selected text, selection
  CString face;
  WORD pointSize = 12;
  BYTE style = 0;  // bit 0 bold, 1 italic, 2 underline
  std::string letters;
  std::vector<BYTE> points;        // one per letter, 0 none
  std::vector<DWORD> attrs;        // one per letter
  std::vector<DWORD> lineFormats;  // one per line
  std::vector<ZultaSectionRun> sections;
  // The side's document layout first, then the layouts of its pages.
  std::vector<ZultaPageLayoutRec> layouts;

  // Empties the text, lines, sections and layouts.
  void ClearText();
};

struct ZultaDocData {
  CString title;
  DocStyleTables styles;
  ZultaSideData sides[kFileSideCount];
  int currentSide = 1;  // the side a .rtf or .txt export takes

  ZultaDocData() = default;
  ZultaDocData(const ZultaDocData&) = delete;
  ZultaDocData& operator=(const ZultaDocData&) = delete;
  void CopyFrom(const ZultaDocData& other);

  // Indices in attribute and line format words beyond their tables become
  // 0, the side's default, so that no later lookup leaves a table.
  void ClampStyleIndices();
  // The face a character's attribute word stands for on a side.
  CString FaceOf(int side, DWORD attr) const;
  // Whether the character is set in one of the program's Hebrew fonts.
  BOOL IsHebrewFontAttr(int side, DWORD attr) const;
};
