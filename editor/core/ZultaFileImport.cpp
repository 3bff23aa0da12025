// Whole plain-text and RTF files opened as a document: the text goes to the
// Hebrew side when Hebrew makes up at least half of it.
#include <cstdio>

#include "editor/core/LetterPoints.h"
#include "editor/core/RtfReader.h"
#include "editor/core/ZultaFile.h"
#include "hebtext/core/AnsiImport.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/PointedText.h"
#include "hebtext/core/SortedStrings.h"
#include "hebtext/core/TextLines.h"

namespace {

const char kRtfParseCaption[] = "RTF Parse";

int HebrewSide(const char* text, size_t length) {
  size_t hebrew = 0;
  for (size_t i = 0; i < length; ++i) {
    BYTE c = static_cast<BYTE>(text[i]);
    if (IsHebrewLetter(c) || IsVowelCode(c)) ++hebrew;
  }
  return hebrew >= length - hebrew ? 1 : 0;
}

// Windows-1255 runs in one of the program's Hebrew fonts become HebChar
// text; the attribute words follow the shortened runs.
void ConvertImportedRuns(const ZultaDocData& doc, int side, std::string& text,
                         std::vector<DWORD>& attrs) {
  std::string out;
  std::vector<DWORD> words;
  size_t i = 0;
  while (i < text.size()) {
    size_t end = i + 1;
    while (end < text.size() && attrs[end] == attrs[i]) ++end;
    if (doc.IsHebrewFontAttr(side, attrs[i])) {
      CString run(text.data() + i, static_cast<int>(end - i));
      ConvertImportedText(run, kVavThenHolam);
      out.append(run, run.GetLength());
      words.insert(words.end(), run.GetLength(), attrs[i]);
    } else {
      out.append(text, i, end - i);
      words.insert(words.end(), end - i, attrs[i]);
    }
    i = end;
  }
  text.swap(out);
  attrs.swap(words);
}

}  // namespace

BOOL CZultaFile::ImportPlainTextFile(ZultaDocData& doc) {
  if (m_size == 0) return TRUE;
  CString text(reinterpret_cast<const char*>(m_data), static_cast<int>(m_size));
  NormalizeLineEndsToCr(text);
  NormalizeMarkOrder(text);
  ConvertImportedText(text, kVavThenHolam);
  int sideIndex = HebrewSide(text, text.GetLength());
  ZultaSideData& side = doc.sides[sideIndex];
  CString letters;
  CByteArray vowels;
  SeparateConsonantsFromVowels(text, letters, vowels);
  side.letters.assign(static_cast<LPCSTR>(letters), letters.GetLength());
  side.points.assign(vowels.GetData(), vowels.GetData() + vowels.GetSize());
  side.points.resize(side.letters.size());
  side.attrs.assign(side.letters.size(), 0);
  return TRUE;
}

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
  int sideIndex = HebrewSide(first.text.data(), first.text.size());
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
