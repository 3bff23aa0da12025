// The character and paragraph format of one run of document text, as the RTF
// writer compares it from character to character to see where a new format
// group must open. The indexes are those of the document's style tables.
#pragma once

#include "classlib/core/WinTypes.h"

class CCharFormatKey {
 public:
  // Indexes 0xFFFF and style 0xFF: differs from every real format, so the
  // first character always opens a group.
  void Reset();
  // The last two arguments come in the opposite order of their fields.
  void Set(WORD textColor, WORD backColor, WORD font, WORD fontSize, BYTE style, BYTE alignment,
           BYTE zero, WORD extraLineSpace, WORD extraWordSpace);
  int IsDifferent(const CCharFormatKey& other) const;

  WORD m_textColor = 0;
  WORD m_backColor = 0;
  WORD m_font = 0;
  WORD m_fontSize = 0;
  BYTE m_style = 0;      // 1 bold, 2 italic, 4 underline
  BYTE m_alignment = 0;  // 1 right, 2 centre, else no alignment keyword
  BYTE m_zero = 0;       // always written as 0
  WORD m_extraWordSpace = 0;
  WORD m_extraLineSpace = 0;
};
