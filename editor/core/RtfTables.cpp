#include "editor/core/RtfTables.h"

namespace {

std::string ExactKey(const CString& face) { return std::string(face, face.GetLength()); }

// Face names compare as CString::CompareNoCase does.
std::string FoldedKey(const CString& face) {
  CString folded = face;
  folded.MakeLower();
  return ExactKey(folded);
}

DWORD ValueKey(DWORD value) { return value; }

}  // namespace

template <class Array, class Key, class KeyOf>
int CRtfTables::FindEntry(const Array& table, EntryPositions<Key>& index, const Key& key,
                          KeyOf keyOf) {
  if (table.GetSize() < index.indexed) index = EntryPositions<Key>();
  for (; index.indexed < table.GetSize(); ++index.indexed)
    index.positions.emplace(keyOf(table[index.indexed]), index.indexed);
  auto found = index.positions.find(key);
  return found == index.positions.end() ? -1 : found->second;
}

WORD CRtfTables::AddLocalFontName(const CString& face) {
  if (m_localFonts.GetSize() == 0) m_localFonts.Add(CString());
  int found = FindEntry(m_localFonts, m_localFontPositions, ExactKey(face), ExactKey);
  if (found >= 0) return static_cast<WORD>(found);
  if (m_localFonts.GetSize() >= kRtfNoIndex) return kRtfNoIndex;
  return static_cast<WORD>(m_localFonts.Add(face));
}

LPCSTR CRtfTables::GetLocalFontName(UINT index) const {
  return index < static_cast<UINT>(m_localFonts.GetSize())
             ? static_cast<LPCSTR>(m_localFonts.GetData()[index])
             : nullptr;
}

WORD CRtfTables::AddLocalColor(COLORREF color) {
  if (m_localColors.GetSize() == 0) m_localColors.Add(0xFFFFFFFF);
  int found = FindEntry(m_localColors, m_localColorPositions, DWORD(color), ValueKey);
  if (found >= 0) return static_cast<WORD>(found);
  if (m_localColors.GetSize() >= kRtfNoIndex) return kRtfNoIndex;
  return static_cast<WORD>(m_localColors.Add(color));
}

COLORREF CRtfTables::GetLocalColor(UINT index) const {
  return index < static_cast<UINT>(m_localColors.GetSize()) ? m_localColors.GetData()[index]
                                                           : 0xFFFFFFFF;
}

template <class Array>
WORD CRtfTables::FindOrAdd(DocStyleTable which, Array& table, DWORD value, DWORD first) {
  if (table.GetSize() == 0) table.Add(first);
  int found = FindEntry(table, m_valuePositions[which], value, ValueKey);
  if (found >= 0) return static_cast<WORD>(found);
  if (table.GetSize() >= DocStyleTables::kLimits[which]) {
    messages.push_back({DocStyleTables::kFullMessages[which], CString()});
    return kRtfNoIndex;
  }
  return static_cast<WORD>(table.Add(value));
}

WORD CRtfTables::FindOrAddFace(CStringArray& table, const CString& face) {
  if (table.GetSize() == 0) table.Add(CString());
  int found = FindEntry(table, m_facePositions, FoldedKey(face), FoldedKey);
  if (found >= 0) return static_cast<WORD>(found);
  if (table.GetSize() >= DocStyleTables::kLimits[kFontNames]) {
    messages.push_back({DocStyleTables::kFullMessages[kFontNames], CString()});
    return kRtfNoIndex;
  }
  return static_cast<WORD>(table.Add(face));
}

WORD CRtfTables::FindOrAddFontName(const CString& face) {
  return m_tables ? FindOrAddFace(m_tables->fontNames, face) : kRtfNoIndex;
}
WORD CRtfTables::FindOrAddFontSize(WORD size) {
  return m_tables ? FindOrAdd(kFontSizes, m_tables->fontSizes, size, 65535) : kRtfNoIndex;
}
WORD CRtfTables::FindOrAddTextColor(COLORREF color) {
  return m_tables ? FindOrAdd(kTextColors, m_tables->textColors, color, 0xFFFFFFFF) : kRtfNoIndex;
}
WORD CRtfTables::FindOrAddBackColor(COLORREF color) {
  return m_tables ? FindOrAdd(kBackColors, m_tables->backColors, color, 0xFFFFFFFF) : kRtfNoIndex;
}
WORD CRtfTables::FindOrAddWordSpace(WORD value) {
  return m_tables ? FindOrAdd(kWordSpace, m_tables->wordSpace, value, 0) : kRtfNoIndex;
}
WORD CRtfTables::FindOrAddLineSpace(WORD value) {
  return m_tables ? FindOrAdd(kLineSpace, m_tables->lineSpace, value, 0) : kRtfNoIndex;
}
