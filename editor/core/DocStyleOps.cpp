// Style tables seen from the text: find-or-add with its limits, compaction of
// entries no character uses, and turning an attribute word into a measured
// character.
#include "editor/core/DocTextModel.h"

#include <climits>
#include <vector>

namespace {

struct TableField {
  int shift;
  DWORD mask;
};

// Where each table's index sits: in the character attributes, or (line space)
// in the line's format word.
// clang-format off
const TableField kFields[kStyleTableCount] = {
    {CharAttrBits::kTextColorShift, CharAttrBits::kTextColorMask},
    {CharAttrBits::kBackColorShift, CharAttrBits::kBackColorMask},
    {CharAttrBits::kFontShift, CharAttrBits::kFontMask},
    {CharAttrBits::kSizeShift, CharAttrBits::kSizeMask},
    {CharAttrBits::kWordSpaceShift, CharAttrBits::kWordSpaceMask},
    {LineFormatBits::kLineSpaceShift, LineFormatBits::kLineSpaceMask},
};

}  // namespace

int DocTextModel::FindEntry(DocStyleTable table, const void* value) const {
  const DocStyleTables& t = m_styles;
  for (int i = 0; i < t.GetCount(table); i++) {
    switch (table) {
      case kTextColors: if (t.textColors[i] == *static_cast<const DWORD*>(value)) return i; break;
      case kBackColors: if (t.backColors[i] == *static_cast<const DWORD*>(value)) return i; break;
      case kFontNames:
        if (t.fontNames[i].CompareNoCase(*static_cast<const CString*>(value)) == 0) return i;
        break;
      case kFontSizes: if (t.fontSizes[i] == *static_cast<const WORD*>(value)) return i; break;
      case kWordSpace: if (t.wordSpace[i] == *static_cast<const WORD*>(value)) return i; break;
      case kLineSpace: if (t.lineSpace[i] == *static_cast<const WORD*>(value)) return i; break;
      default: break;
    }
  }
  // clang-format on
  return -1;
}

void DocTextModel::AppendEntry(DocStyleTable table, const void* value) {
  DocStyleTables& t = m_styles;
  switch (table) {
    case kTextColors: t.textColors.Add(*static_cast<const DWORD*>(value)); break;
    case kBackColors: t.backColors.Add(*static_cast<const DWORD*>(value)); break;
    case kFontNames: t.fontNames.Add(*static_cast<const CString*>(value)); break;
    case kFontSizes: t.fontSizes.Add(*static_cast<const WORD*>(value)); break;
    case kWordSpace: t.wordSpace.Add(*static_cast<const WORD*>(value)); break;
    case kLineSpace: t.lineSpace.Add(*static_cast<const WORD*>(value)); break;
    default: break;
  }
}

UserMessageList DocTextModel::TakeMessages() {
  UserMessageList messages;
  messages.swap(m_messages);
  return messages;
}

WORD DocTextModel::FindOrAddEntry(DocStyleTable table, const void* value) {
  m_styles.AddDefaultEntries();
  int index = FindEntry(table, value);
  if (index >= 0) return static_cast<WORD>(index);
  if (m_styles.GetCount(table) >= DocStyleTables::kLimits[table]) {
    CompactTable(table, FALSE);
    if (m_styles.GetCount(table) >= DocStyleTables::kLimits[table]) {
      m_messages.push_back({DocStyleTables::kFullMessages[table], CString()});
      return kStyleTableFull;
    }
  }
  AppendEntry(table, value);
  return static_cast<WORD>(m_styles.GetCount(table) - 1);
}

WORD DocTextModel::FindOrAddFontName(int side, const CString& face) {
  if (face.CompareNoCase(m_sides[side].face) == 0) return 0;
  return FindOrAddEntry(kFontNames, &face);
}

WORD DocTextModel::FindOrAddFontSize(int side, WORD size) {
  if (size == m_sides[side].pointSize) return 0;
  return FindOrAddEntry(kFontSizes, &size);
}

WORD DocTextModel::FindOrAddTextColor(COLORREF color) {
  if (color == 0xFFFFFFFF || color == m_sides[m_currentSide].colors[0]) return 0;
  DWORD value = color;
  return FindOrAddEntry(kTextColors, &value);
}

WORD DocTextModel::FindOrAddBackColor(COLORREF color) {
  if (color == 0xFFFFFFFF || color == m_sides[m_currentSide].colors[1]) return 0;
  DWORD value = color;
  return FindOrAddEntry(kBackColors, &value);
}

WORD DocTextModel::FindOrAddWordSpace(WORD value) { return FindOrAddEntry(kWordSpace, &value); }

WORD DocTextModel::FindOrAddLineSpace(WORD value) { return FindOrAddEntry(kLineSpace, &value); }

int DocTextModel::CompactTable(DocStyleTable table, BOOL all) {
  int count = m_styles.GetCount(table);
  if (count <= 1) return count;
  const TableField field = kFields[table];
  std::vector<bool> used(count, false);
  used[0] = true;

  if (table == kLineSpace) {
    for (int side = 0; side < kDocSideCount; side++)
      for (DocLineNode* l = m_sides[side].head.line; l != nullptr; l = l->next) {
        UINT index = GetAttrField(l->format, field.shift, field.mask);
        if (index < static_cast<UINT>(count)) used[index] = true;
      }
  } else {
    // The selection is about to be restyled: its characters do not hold on
    // to their entries unless every character counts.
    const DocCharNode* selFirst = nullptr;
    const DocCharNode* selLast = nullptr;
    const DocSideState& cur = m_sides[m_currentSide];
    if (!all && cur.anchor != nullptr && cur.anchor != cur.caret) {
      bool caretFirst = CompareNodes(cur.caret, cur.anchor) < 0;
      selFirst = (caretFirst ? cur.caret : cur.anchor)->next;
      selLast = caretFirst ? cur.anchor : cur.caret;
    }
    for (int side = 0; side < kDocSideCount; side++) {
      bool inSelection = false;
      for (const DocCharNode* c = m_sides[side].head.next; c != nullptr; c = c->next) {
        if (side == m_currentSide && c == selFirst) inSelection = true;
        if (!inSelection) {
          UINT index = GetAttrField(c->attributes, field.shift, field.mask);
          if (index < static_cast<UINT>(count)) used[index] = true;
        }
        if (side == m_currentSide && c == selLast) inSelection = false;
      }
    }
  }

  std::vector<UINT> renumber(count, 0);
  int removed = 0;
  for (int i = 1; i < count; i++) {
    if (used[i])
      renumber[i] = i - removed;
    else
      removed++;
  }
  if (removed == 0) return count;
  for (int i = count - 1; i >= 1; i--)
    if (!used[i]) m_styles.RemoveEntry(table, i);

  // Characters still naming a removed entry were in the selection; they fall
  // back to the default until restyled.
  for (int side = 0; side < kDocSideCount; side++) {
    if (table == kLineSpace) {
      for (DocLineNode* l = m_sides[side].head.line; l != nullptr; l = l->next) {
        UINT index = GetAttrField(l->format, field.shift, field.mask);
        l->format = SetAttrField(l->format, field.shift, field.mask,
                                 index < static_cast<UINT>(count) ? renumber[index] : 0);
      }
    } else {
      for (DocCharNode* c = &m_sides[side].head; c != nullptr; c = c->next) {
        UINT index = GetAttrField(c->attributes, field.shift, field.mask);
        c->attributes = SetAttrField(c->attributes, field.shift, field.mask,
                                     index < static_cast<UINT>(count) ? renumber[index] : 0);
      }
    }
  }
  return m_styles.GetCount(table);
}

BOOL DocTextModel::SetSideDefaultFont(int side, const CString& face, WORD size, BYTE style) {
  WORD fontIndex = FindOrAddFontName(side, face);
  WORD sizeIndex = FindOrAddFontSize(side, size);
  if (fontIndex == kStyleTableFull || sizeIndex == kStyleTableFull) return FALSE;
  CharAttr& attr = m_sides[side].head.attributes;
  attr = SetAttrField(attr, CharAttrBits::kFontShift, CharAttrBits::kFontMask, fontIndex);
  attr = SetAttrField(attr, CharAttrBits::kSizeShift, CharAttrBits::kSizeMask, sizeIndex);
  attr = SetAttrField(attr, CharAttrBits::kStyleShift, CharAttrBits::kStyleMask, style);
  return TRUE;
}

void DocTextModel::GetAttrFont(CharAttr attr, int side, CString& face, WORD& size,
                               UINT& style) const {
  const DocSideState& s = m_sides[side < 0 ? m_currentSide : side];
  style = AttrStyle(attr);
  UINT fontIndex = AttrFont(attr), sizeIndex = AttrSize(attr);
  // An index the tables do not hold (a damaged file) reads as the default.
  bool knownFont = fontIndex > 0 && fontIndex < static_cast<UINT>(m_styles.fontNames.GetSize());
  bool knownSize = sizeIndex > 0 && sizeIndex < static_cast<UINT>(m_styles.fontSizes.GetSize());
  face = knownFont ? m_styles.fontNames[fontIndex] : s.face;
  size = knownSize ? m_styles.fontSizes[sizeIndex] : s.pointSize;
}

static SHORT ClampShort(long long v) {
  return static_cast<SHORT>(v > SHRT_MAX ? SHRT_MAX : (v < SHRT_MIN ? SHRT_MIN : v));
}

void DocTextModel::MeasureCharNode(DocCharNode* node, int side) {
  CString face;
  WORD size;
  UINT style;
  GetAttrFont(node->attributes, side, face, size, style);
  DocCharMetrics m = m_metrics.MeasureChar(face, size, style, node->letter, node->point);
  long long width = m.width;
  UINT wordSpace = AttrWordSpace(node->attributes);
  if (node->letter == kLetterSpace && wordSpace != 0 && size != 0)
    width += static_cast<long long>(m.height / (size * 4.0) * GetWordSpace(wordSpace));
  node->width = ClampShort(width);
  node->height = ClampShort(m.height);
  node->ascent = ClampShort(m.ascent);
  node->descent = ClampShort(m.descent);
}
