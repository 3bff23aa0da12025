// One parse of an RTF string: the input, the text and attribute words the
// reader collects, the RTF's own font and colour tables, and the links to
// the document style tables the attribute words index.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "classlib/core/CString.h"
#include "editor/core/DocStyleTables.h"
#include "hebtext/core/UserMessage.h"

constexpr WORD kRtfNoIndex = 0xFFFF;

// RTF's gap between columns when \colsx does not give it.
constexpr int kRtfDefaultColumnGap = 720;

// The columns of a paragraph's section: \colsN and the gap \colsxN in twips.
struct RtfColumns {
  int count = 1;
  int gapTwips = kRtfDefaultColumnGap;
};

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

  // Local tables; equal entries are reused. kRtfNoIndex only once a table
  // holds every index below it.
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

  // The face for Latin characters beside Hebrew when the RTF's default font is Hebrew too;
  // empty stands for the side's default.
  CString latinFace;

  BOOL hebrewSeen = FALSE;
  std::string text;
  std::vector<DWORD> attrs;        // one per character of text
  std::vector<DWORD> paraFormats;  // one per paragraph: its format at its end
  std::vector<RtfColumns> paraColumns;  // one per paragraph, in step with paraFormats
  UserMessageList messages;        // a linked style table that was full

 private:
  // Where each value of a table stands (the first of equal entries), so
  // that large tables are searched in constant time. Entries appended to
  // the table by anyone are taken in at the next search.
  template <class Key>
  struct EntryPositions {
    std::unordered_map<Key, int> positions;
    int indexed = 0;  // the table's entries already in positions
  };
  template <class Array, class Key, class KeyOf>
  static int FindEntry(const Array& table, EntryPositions<Key>& index, const Key& key,
                       KeyOf keyOf);

  template <class Array>
  WORD FindOrAdd(DocStyleTable which, Array& table, DWORD value, DWORD first);
  WORD FindOrAddFace(CStringArray& table, const CString& face);

  const char* m_data;
  size_t m_length;
  size_t m_pos = 0;
  DocStyleTables* m_tables = nullptr;
  CStringArray m_localFonts;
  CDWordArray m_localColors;
  EntryPositions<std::string> m_localFontPositions;
  EntryPositions<DWORD> m_localColorPositions;
  EntryPositions<std::string> m_facePositions;  // keyed on the face folded to lower case
  EntryPositions<DWORD> m_valuePositions[kStyleTableCount];
};
