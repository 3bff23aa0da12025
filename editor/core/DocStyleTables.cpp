#include "editor/core/DocStyleTables.h"

const int DocStyleTables::kLimits[kStyleTableCount] = {64, 32, 64, 64, 16, 16};

const char* const DocStyleTables::kFullMessages[kStyleTableCount] = {
    "Maximum Number of Text Colors Reached",
    "Maximum Number of Back Colors Reached",
    "Maximum Number of Font Names Reached",
    "Maximum Number of Font Sizes Reached",
    "Maximum Number of Extra-Word-Space Values Reached",
    "Maximum Number of Extra-Line-Space Values Reached",
};

int DocStyleTables::GetCount(DocStyleTable table) const {
  switch (table) {
    case kTextColors: return textColors.GetSize();
    case kBackColors: return backColors.GetSize();
    case kFontNames: return fontNames.GetSize();
    case kFontSizes: return fontSizes.GetSize();
    case kWordSpace: return wordSpace.GetSize();
    case kLineSpace: return lineSpace.GetSize();
    default: return 0;
  }
}

void DocStyleTables::RemoveAll() {
  textColors.RemoveAll();
  backColors.RemoveAll();
  fontNames.RemoveAll();
  fontSizes.RemoveAll();
  wordSpace.RemoveAll();
  lineSpace.RemoveAll();
}

void DocStyleTables::CopyFrom(const DocStyleTables& other) {
  textColors.Copy(other.textColors);
  backColors.Copy(other.backColors);
  fontNames.Copy(other.fontNames);
  fontSizes.Copy(other.fontSizes);
  wordSpace.Copy(other.wordSpace);
  lineSpace.Copy(other.lineSpace);
}

void DocStyleTables::AddDefaultEntries() {
  if (textColors.GetSize() == 0) textColors.Add(kDefaultColorEntry);
  if (backColors.GetSize() == 0) backColors.Add(kDefaultColorEntry);
  if (fontNames.GetSize() == 0) fontNames.Add(CString());
  if (fontSizes.GetSize() == 0) fontSizes.Add(kDefaultSizeEntry);
  if (wordSpace.GetSize() == 0) wordSpace.Add(0);
  if (lineSpace.GetSize() == 0) lineSpace.Add(0);
}

void DocStyleTables::TakeSideDefaults(COLORREF text, COLORREF back, const CString& face,
                                      WORD size) {
  AddDefaultEntries();
  textColors[0] = text;
  backColors[0] = back;
  fontNames[0] = face;
  fontSizes[0] = size;
}

void DocStyleTables::MarkDefaultEntries() {
  textColors[0] = kDefaultColorEntry;
  backColors[0] = kDefaultColorEntry;
  fontNames[0] = CString();
  fontSizes[0] = kDefaultSizeEntry;
}

void DocStyleTables::RemoveEntry(DocStyleTable table, int index) {
  switch (table) {
    case kTextColors: textColors.RemoveAt(index); break;
    case kBackColors: backColors.RemoveAt(index); break;
    case kFontNames: fontNames.RemoveAt(index); break;
    case kFontSizes: fontSizes.RemoveAt(index); break;
    case kWordSpace: wordSpace.RemoveAt(index); break;
    case kLineSpace: lineSpace.RemoveAt(index); break;
    default: break;
  }
}

WORD DocStyleTables::GetWordSpace(UINT index) const {
  return index < static_cast<UINT>(wordSpace.GetSize()) ? wordSpace[index] : 0;
}

WORD DocStyleTables::GetLineSpace(UINT index) const {
  return index < static_cast<UINT>(lineSpace.GetSize()) ? lineSpace[index] : 0;
}
