// Which fonts a side uses: the Hebrew-font tests of typing and the font list
// of the Switch Font command.
#include "editor/core/DocTextModel.h"
#include "editor/core/FontStyleNames.h"
#include "hebtext/core/SortedStrings.h"

namespace {

DWORD PackFontKey(CharAttr attr) {
  return AttrStyle(attr) * 65536 + AttrSize(attr) * 256 + AttrFont(attr);
}

CharAttr UnpackFontKey(DWORD key) {
  CharAttr attr = SetAttrField(0, CharAttrBits::kFontShift, CharAttrBits::kFontMask, key & 0xFF);
  attr = SetAttrField(attr, CharAttrBits::kSizeShift, CharAttrBits::kSizeMask, (key >> 8) & 0xFF);
  return SetAttrField(attr, CharAttrBits::kStyleShift, CharAttrBits::kStyleMask, key >> 16);
}

}  // namespace

BOOL DocTextModel::IsHebrewFontNode(int side, const DocCharNode* node) const {
  CString face;
  WORD size;
  UINT style;
  GetAttrFont(node->attributes, side, face, size, style);
  return IsProgramHebrewFont(face);
}

BOOL DocTextModel::IsHebrewInsertFont() const {
  const DocCharNode* caret = m_sides[m_currentSide].caret;
  CharAttr attr = m_pendingAttributes != kNoPending ? m_pendingAttributes
                  : caret != nullptr                ? caret->attributes
                                                    : m_sides[m_currentSide].head.attributes;
  CString face;
  WORD size;
  UINT style;
  GetAttrFont(attr, m_currentSide, face, size, style);
  return IsProgramHebrewFont(face);
}

int DocTextModel::ListUsedFonts(CStringArray& names, CDWordArray& keys, DWORD& currentKey,
                                int& currentIndex, BOOL keepKey) {
  names.RemoveAll();
  keys.RemoveAll();
  int side = m_fontListSide;
  const DocSideState& s = m_sides[side];
  DWORD caretKey = PackFontKey((s.caret != nullptr ? s.caret : &s.head)->attributes);

  CDWordArray found;  // in first-use order
  for (const DocCharNode* c = s.head.next; c != nullptr; c = c->next) {
    DWORD key = PackFontKey(c->attributes);
    if (key == caretKey) continue;
    int i = 0;
    while (i < found.GetSize() && found[i] != key) i++;
    if (i == found.GetSize()) found.Add(key);
  }
  for (int k = 0; k < found.GetSize(); k++) {
    CString face;
    WORD size;
    UINT style;
    GetAttrFont(UnpackFontKey(found[k]), side, face, size, style);
    CString sizeText;
    sizeText.Format("%3.3u", static_cast<unsigned>(size));  // zero-padded to three digits
    for (int i = 0; i < sizeText.GetLength() - 1 && sizeText[i] == '0'; i++) sizeText.SetAt(i, ' ');
    CString text;
    text.Format("%s\t%s\t%s", static_cast<LPCSTR>(face), static_cast<LPCSTR>(sizeText),
                StyleIndexToName(style));
    int at = 0;
    while (at < names.GetSize() && names[at].CompareNoCase(text) < 0) at++;
    names.InsertAt(at, text);
    keys.InsertAt(at, found[k]);
  }
  if (names.GetSize() == 1) {
    currentKey = keys[0];
    if (!keepKey) m_switchFontKey = caretKey;
  } else {
    currentKey = caretKey;
    currentIndex = -1;
    for (int i = 0; i < keys.GetSize(); i++)
      if (keys[i] == m_switchFontKey) currentIndex = i;
  }
  return names.GetSize();
}
