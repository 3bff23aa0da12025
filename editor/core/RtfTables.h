// One parse of an RTF string: the input, the text and attribute words the
// reader collects, the RTF's own font and colour tables, and the links to
// the document style tables the attribute words index.
#pragma once

#include <string>
#include <vector>

#include "classlib/core/CString.h"
#include "editor/core/DocStyleTables.h"
#include "hebtext/core/UserMessage.h"

constexpr WORD kRtfNoIndex = 0xFFFF;

class CRtfTables {
 public:
  CRtfTables(const char* data, size_t length) : m_data(data), m_length(length) {}
  // tables may be null.
  CRtfTables(const char* data, size_t length, DocStyleTables* tables)
      : m_data(data), m_length(length), m_tables(tables) {}
  CRtfTables(const CRtfTables&) = delete;
  CRtfTables& operator=(const CRtfTables&) = delete;

  // The next input byte, -1 at the end.
  int GetByte() { return m_pos < m_length ? static_cast<BYTE>(m_data[m_pos++]) : -1; }
  void UngetByte() {
    if (m_pos > 0) --m_pos;
  }
  void AppendChar(BYTE c, DWORD attr) {
    text += static_cast<char>(c);
    attrs.push_back(attr);
  }

  // Local tables; equal entries are reused.
  WORD AddLocalFontName(const CString& face);
  LPCSTR GetLocalFontName(UINT index) const;  // null beyond the end
  WORD AddLocalColor(COLORREF color);
  COLORREF GetLocalColor(UINT index) const;  // -1 beyond the end

  // The linked document tables: the entry's index, kRtfNoIndex when the
  // table is full (after its message) or none is linked.
  WORD FindOrAddFontName(const CString& face);
  WORD FindOrAddFontSize(WORD size);
  WORD FindOrAddTextColor(COLORREF color);
  WORD FindOrAddBackColor(COLORREF color);
  WORD FindOrAddWordSpace(WORD value);
  WORD FindOrAddLineSpace(WORD value);
  BOOL HasBackColorTable() const { return m_tables != nullptr; }

  BOOL hebrewSeen = FALSE;
  std::string text;
  std::vector<DWORD> attrs;        // one per character of text
  std::vector<DWORD> paraFormats;  // one per paragraph
  UserMessageList messages;        // a linked style table that was full

 private:
  template <class Array, class Value>
  WORD FindOrAdd(DocStyleTable which, Array& table, const Value& value, const Value& first);
  WORD FindOrAddFace(CStringArray& table, const CString& face);

  const char* m_data;
  size_t m_length;
  size_t m_pos = 0;
  DocStyleTables* m_tables = nullptr;
  CStringArray m_localFonts;
  std::vector<COLORREF> m_localColors;
};
