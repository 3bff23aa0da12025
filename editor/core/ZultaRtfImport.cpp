// Whole RTF files opened as a document.
#include <cstdio>

#include "editor/core/ImportedText.h"
#include "editor/core/LetterPoints.h"
#include "editor/core/RtfReader.h"
#include "editor/core/ZultaFile.h"
#include "hebtext/core/AnsiImport.h"

namespace {

const char kRtfParseCaption[] = "RTF Parse";

}  // namespace

BOOL CZultaFile::ImportRtfFile(ZultaDocData& doc) {
  const char* rtf = reinterpret_cast<const char*>(m_data);
  CRtfTables first(rtf, m_size);
  int error = RtfParse(first);
  if (error != kRtfOk) {
    // Every parse starts from the same state, so a second one would fail
    // alike: nothing of the file is taken.
    char message[64];
    std::snprintf(message, sizeof message, "error %d parsing rtf", error);
    m_messages.push_back({message, kRtfParseCaption});
    return Fail(message);
  }
  int sideIndex = ChooseImportSide(first.text.data(), first.text.size());
  ZultaSideData& side = doc.sides[sideIndex];

  DocStyleTables tables;
  tables.CopyFrom(doc.styles);
  tables.AddDefaultEntries();
  tables.textColors[0] = side.colors[0];
  tables.backColors[0] = side.colors[1];
  tables.fontNames[0] = side.face;
  tables.fontSizes[0] = side.pointSize;
  CRtfTables parse(rtf, m_size, &tables);
  int parsed = RtfParse(parse);
  m_messages.insert(m_messages.end(), parse.messages.begin(), parse.messages.end());
  if (parsed != kRtfOk) return Corrupt();
  tables.textColors[0] = 0xFFFFFFFF;
  tables.backColors[0] = 0xFFFFFFFF;
  tables.fontNames[0] = CString();
  tables.fontSizes[0] = 65535;
  doc.styles.CopyFrom(tables);

  std::string text = parse.text;
  CString ordered(text.data(), static_cast<int>(text.size()));
  NormalizeMarkOrder(ordered);
  text.assign(ordered, ordered.GetLength());
  std::vector<DWORD> attrs = parse.attrs;
  ConvertImportedRuns(doc, sideIndex, text, attrs);
  SplitLetterPoints(doc, sideIndex, text, side.letters, side.points, attrs);
  side.attrs.swap(attrs);
  return TRUE;
}
