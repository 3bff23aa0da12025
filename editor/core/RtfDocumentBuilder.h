// A two-style RTF document from marked-up plain text, for the
// transliteration window: "*" starts a stressed syllable and "-" ends it.
#pragma once

#include <vector>

#include "classlib/core/CString.h"
#include "classlib/core/Collections.h"
#include "editor/core/RtfWriter.h"
#include "hebtext/core/PreferenceTexts.h"

struct RtfTextStyle {
  BOOL allCapitals = FALSE;
  COLORREF textColor = 0xFFFFFFFF;  // -1 none
  COLORREF backColor = 0xFFFFFFFF;  // -1 none
  WORD pointSize = 12;
  WORD style = 0;  // 1 bold, 2 italic, 4 underline
  CString face;
};

struct RtfDocumentOptions {
  BOOL capitalizeWords = FALSE;
  BOOL capitalizeLines = FALSE;
  BOOL hyphenateStress = FALSE;
  COLORREF pageBackColor = 0xFFFFFFFF;  // -1 none
  DWORD extraWordSpace = 0;
};

// The transliteration settings of the profile as the writer takes them.
RtfTextStyle RtfStyleOf(const TranslitTextStyle& style);
RtfDocumentOptions RtfOptionsOf(const TranslitWordSettings& word);

// The state of one build; make a fresh one for each document.
class CRtfTables2 {
 public:
  CRtfTables2();

  // Returns the RTF, which the object also keeps in result.
  const CString& BuildRtfDocument(LPCSTR text, const RtfDocumentOptions& options,
                                  const RtfTextStyle& stressed, const RtfTextStyle& normal,
                                  IRtfFontInfo* fonts = nullptr);

  CStringArray faces;            // entry 0 the empty name
  std::vector<COLORREF> colors;  // entry 0 automatic (-1)
  UINT fontIndex[3] = {};        // empty, normal, stressed
  UINT colorIndex[5] = {};       // normal text, stressed text, normal back, stressed back, page
  RtfDocumentOptions options;
  RtfTextStyle stressedStyle, normalStyle;
  CString result;
};
