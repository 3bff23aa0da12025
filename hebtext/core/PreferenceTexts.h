// The values kept in the profile's "General" and "Transliteration"
// sections, with the text form each is stored in.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/Collections.h"
#include "classlib/core/WinTypes.h"

// Longest face name a font accepts, without its terminator.
constexpr int kFaceNameMax = 31;

struct EditorFontSpec {
  CString face;
  WORD pointSize = 0;
  BYTE style = 0;  // the character-format style bits
};

struct EditorColors {
  COLORREF text = 0;
  COLORREF background = 0;
  COLORREF selectedText = 0;
  COLORREF selectionBackground = 0;
};

struct TranslitWordSettings {
  DWORD capitalizeWords = 0;
  DWORD capitalizeLines = 1;
  DWORD syllableHyphens = 1;
  COLORREF background = 0xFFFFFF;
  DWORD extraWordSpacing = 0;  // quarter points
  DWORD keepNumbers = 0;       // do not transliterate numbers
};

struct TranslitTextStyle {
  DWORD allUpperCase = 0;
  COLORREF textColor = 0;
  COLORREF backColor = 0xFFFFFFFF;  // none
  WORD pointSize = 14;
  BYTE style = 0;  // 1 bold, 2 italic, 4 underline
  CString face = "Times New Roman";
};

// "face|size|style". Reading: no '|' keeps the given font, one '|' sets only
// the face; a size that is not a positive number keeps the given size.
CString FormatFontText(const EditorFontSpec& font);
void ParseFontText(LPCSTR text, EditorFontSpec& font);

// "text|background|selected|selection" in lower-case hexadecimal. Reading
// sets each colour whose part is present and holds a hexadecimal number.
CString FormatColorsText(const EditorColors& colors);
void ParseColorsText(LPCSTR text, EditorColors& colors);

// "left top right bottom". FALSE, with the rectangle untouched, for an
// empty text.
CString FormatRectText(const RECT& rect);
BOOL ParseRectText(LPCSTR text, RECT& rect);

// Every stop followed by '|'. Reading replaces the stops with those of the
// text; text after the last '|' is ignored.
CString FormatTabStopsText(const CDWordArray& stops);
void ParseTabStopsText(LPCSTR text, CDWordArray& stops);

// The transliteration settings: "Word" and the styles of "Stress" and
// "NonStress". Reading an empty text keeps the given values.
CString FormatTranslitWordText(const TranslitWordSettings& word);
void ParseTranslitWordText(LPCSTR text, TranslitWordSettings& word);
CString FormatTranslitStyleText(const TranslitTextStyle& style);
void ParseTranslitStyleText(LPCSTR text, TranslitTextStyle& style);
