// The six per-document style tables that character attribute words and line
// format words index. Entry 0 of each stands for the side's default.
#pragma once

#include "classlib/core/Collections.h"

enum DocStyleTable {
  kTextColors,
  kBackColors,
  kFontNames,
  kFontSizes,
  kWordSpace,
  kLineSpace,
  kStyleTableCount
};

// What entry 0 of the colour and size tables holds for "the side's default".
constexpr DWORD kDefaultColorEntry = 0xFFFFFFFF;
constexpr WORD kDefaultSizeEntry = 65535;

struct DocStyleTables {
  static const int kLimits[kStyleTableCount];
  static const char* const kFullMessages[kStyleTableCount];

  CDWordArray textColors;
  CDWordArray backColors;
  CStringArray fontNames;
  CWordArray fontSizes;
  CWordArray wordSpace;
  CWordArray lineSpace;

  int GetCount(DocStyleTable table) const;
  void RemoveAll();
  void CopyFrom(const DocStyleTables& other);
  // Gives every empty table its entry 0.
  void AddDefaultEntries();
  // While an import fills the tables, entry 0 of the colour, face and size
  // tables holds the side's own defaults, so that values equal to them map
  // to entry 0; afterwards it goes back to standing for "the default".
  void TakeSideDefaults(COLORREF text, COLORREF back, const CString& face, WORD size);
  void MarkDefaultEntries();
  void RemoveEntry(DocStyleTable table, int index);
  // 0 for an index at or beyond the table's count.
  WORD GetWordSpace(UINT index) const;
  WORD GetLineSpace(UINT index) const;
};
