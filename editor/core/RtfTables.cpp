#include "editor/core/RtfTables.h"

WORD CRtfTables::AddLocalFontName(const CString& face) {
  if (m_localFonts.GetSize() == 0) m_localFonts.Add(CString());
  for (int i = 0; i < m_localFonts.GetSize(); ++i)
    if (m_localFonts[i] == face) return static_cast<WORD>(i);
  return static_cast<WORD>(m_localFonts.Add(face));
}

LPCSTR CRtfTables::GetLocalFontName(UINT index) const {
  return index < static_cast<UINT>(m_localFonts.GetSize())
             ? static_cast<LPCSTR>(m_localFonts.GetData()[index])
             : nullptr;
}

WORD CRtfTables::AddLocalColor(COLORREF color) {
  if (m_localColors.empty()) m_localColors.push_back(0xFFFFFFFF);
  for (size_t i = 0; i < m_localColors.size(); ++i)
    if (m_localColors[i] == color) return static_cast<WORD>(i);
  m_localColors.push_back(color);
  return static_cast<WORD>(m_localColors.size() - 1);
}

COLORREF CRtfTables::GetLocalColor(UINT index) const {
  return index < m_localColors.size() ? m_localColors[index] : 0xFFFFFFFF;
}

template <class Array, class Value>
WORD CRtfTables::FindOrAdd(DocStyleTable which, Array& table, const Value& value,
                           const Value& first) {
  if (table.GetSize() == 0) table.Add(first);
  for (int i = 0; i < table.GetSize(); ++i)
    if (table[i] == value) return static_cast<WORD>(i);
  if (table.GetSize() >= DocStyleTables::kLimits[which]) {
    messages.push_back({DocStyleTables::kFullMessages[which], CString()});
    return kRtfNoIndex;
  }
  return static_cast<WORD>(table.Add(value));
}

WORD CRtfTables::FindOrAddFace(CStringArray& table, const CString& face) {
  if (table.GetSize() == 0) table.Add(CString());
  for (int i = 0; i < table.GetSize(); ++i)
    if (table[i].CompareNoCase(face) == 0) return static_cast<WORD>(i);
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
  return m_tables ? FindOrAdd(kFontSizes, m_tables->fontSizes, size, WORD(65535)) : kRtfNoIndex;
}
WORD CRtfTables::FindOrAddTextColor(COLORREF color) {
  return m_tables ? FindOrAdd(kTextColors, m_tables->textColors, DWORD(color), DWORD(0xFFFFFFFF))
                  : kRtfNoIndex;
}
WORD CRtfTables::FindOrAddBackColor(COLORREF color) {
  return m_tables ? FindOrAdd(kBackColors, m_tables->backColors, DWORD(color), DWORD(0xFFFFFFFF))
                  : kRtfNoIndex;
}
WORD CRtfTables::FindOrAddWordSpace(WORD value) {
  return m_tables ? FindOrAdd(kWordSpace, m_tables->wordSpace, value, WORD(0)) : kRtfNoIndex;
}
WORD CRtfTables::FindOrAddLineSpace(WORD value) {
  return m_tables ? FindOrAdd(kLineSpace, m_tables->lineSpace, value, WORD(0)) : kRtfNoIndex;
}
