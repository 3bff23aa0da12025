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
  void RemoveEntry(DocStyleTable table, int index);
  // 0 for an index at or beyond the table's count.
  WORD GetWordSpace(UINT index) const;
  WORD GetLineSpace(UINT index) const;
};
