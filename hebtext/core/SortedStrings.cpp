#include "hebtext/core/SortedStrings.h"

#include "hebtext/core/HebrewFontFamily.h"

void InsertSortedString(CStringArray& strings, LPCSTR text) {
  int index = 0;
  while (index < strings.GetSize() && strings[index].CompareNoCase(text) < 0) ++index;
  strings.InsertAt(index, CString(text));
}

void CopySortedStringArray(CStringArray& target, const CStringArray& source) {
  target.RemoveAll();
  for (int i = 0; i < source.GetSize(); ++i) InsertSortedString(target, source[i]);
}

CString CopyStringAt(const CStringArray& strings, int index) {
  return index >= 0 && index < strings.GetSize() ? strings[index] : CString();
}

BOOL IsProgramHebrewFont(LPCSTR face) { return HebrewFontFamilyOfFace(face) != 0; }

int FindProgramHebrewFont(LPCSTR face) { return HebrewFontFamilyOfFace(face) - 1; }

void BuildFontFaceList(CStringArray& faces, int mode) {
  CStringArray sorted;
  CopySortedStringArray(sorted, faces);
  faces.RemoveAll();
  if (mode == kFontListSorted) {
    faces.Copy(sorted);
    return;
  }
  if (mode != kFontListHebrewFirst && mode != kFontListOthersFirst) return;
  for (bool hebrewGroup : {mode == kFontListHebrewFirst, mode != kFontListHebrewFirst})
    for (int i = 0; i < sorted.GetSize(); ++i)
      if (static_cast<bool>(IsProgramHebrewFont(sorted[i])) == hebrewGroup) faces.Add(sorted[i]);
}
