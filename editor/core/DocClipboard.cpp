#include "editor/core/DocClipboard.h"

#include <string>
#include <vector>

#include "editor/core/LetterPoints.h"
#include "editor/core/ImportedText.h"
#include "editor/core/RtfReader.h"
#include "editor/core/RtfTables.h"
#include "editor/core/ZultaDocTransfer.h"
#include "hebtext/core/AnsiImport.h"
#include "hebtext/core/EnglishLayoutImport.h"
#include "hebtext/core/TextLines.h"

namespace {

template <class Array, class Value>
std::vector<Value> ToVector(const Array& array) {
  return std::vector<Value>(array.GetData(), array.GetData() + array.GetSize());
}

CString ToCString(const std::string& text) {
  return CString(text.data(), static_cast<int>(text.size()));
}

// The document's style tables with entry 0 of each standing for the side's
// defaults, for a parse to add to.
void PrepareImportTables(const DocTextModel& model, const ZultaDocData& doc, int side,
                         DocStyleTables& tables) {
  const ZultaSideData& defaults = doc.sides[side];
  tables.CopyFrom(model.GetStyleTables());
  tables.TakeSideDefaults(defaults.colors[0], defaults.colors[1], defaults.face,
                          defaults.pointSize);
}

// Takes the parsed tables back into the document, entry 0 marked as the default again.
void StoreImportTables(DocTextModel& model, ZultaDocData& doc, DocStyleTables& tables) {
  tables.MarkDefaultEntries();
  model.GetStyleTables().CopyFrom(tables);
  doc.styles.CopyFrom(tables);
}

int ImportRtf(DocEditor& editor, const DocPasteText& paste, UserMessageList& messages) {
  DocTextModel& model = editor.Model();
  int side = model.GetCurrentSide();
  ZultaDocData doc;
  CollectDocumentStyles(model, doc);
  DocStyleTables tables;
  PrepareImportTables(model, doc, side, tables);
  CRtfTables parse(paste.text, static_cast<size_t>(paste.text.GetLength()), &tables);
  // Latin text the RTF sets in no Latin face of its own shows in the
  // English side's face, not in a Hebrew one.
  if (side != 0) parse.latinFace = doc.sides[0].face;
  int error = RtfParse(parse);
  // What was read before an error is inserted all the same.
  if (error != kRtfOk) messages.push_back(RtfParseErrorMessage(error));
  messages.insert(messages.end(), parse.messages.begin(), parse.messages.end());
  StoreImportTables(model, doc, tables);

  std::string& text = parse.text;
  std::vector<DWORD>& attrs = parse.attrs;
  if (paste.options.filter == kFilterStandard || parse.hebrewSeen)
    ConvertImportedRuns(doc, side, text, attrs);
  std::string letters;
  std::vector<BYTE> points;
  SplitLetterPoints(doc, side, text, letters, points, attrs);
  if (paste.options.direction == kReverse) ReverseLines(letters, points, attrs);
  CByteArray pointArray;
  for (BYTE point : points) pointArray.Add(point);
  CDWordArray attrArray, formats;
  for (DWORD attr : attrs) attrArray.Add(attr);
  for (DWORD format : parse.paraFormats) formats.Add(format);
  return editor.InsertRuns(ToCString(letters), pointArray, attrArray, formats);
}

int ImportPlain(DocEditor& editor, const DocPasteText& paste) {
  CString text = paste.text;
  const ClipboardTextOptions& options = paste.options;
  NormalizeLineEndsToCr(text);
  if (options.filter == kFilterUtf8) Utf8ToAnsiHebrew(text);
  if (options.filter == kFilterStandard || options.filter == kFilterUtf8 ||
      options.filter == kFilterWideChar) {
    NormalizeMarkOrder(text);
    ConvertImportedText(text, options.vavOrder);
  } else if (options.filter == kFilterEnglishLayout) {
    EnglishLayoutToHebrew(text);
  }
  if (options.direction == kReverse) {
    BOOL movePoints = options.filter != kFilterEnglishLayout && editor.Model().IsHebrewInsertFont();
    ReverseTextLines(text, movePoints);
  }
  if (options.filter == kFilterEnglishLayout) ReorderVowelSequences(text);
  return editor.InsertText(text);
}

}  // namespace

BOOL BuildSelectionCopy(const DocEditor& editor, const ClipboardTextOptions& options,
                        IRtfFontInfo* fonts, DocClipboardCopy& copy) {
  const DocTextModel& model = editor.Model();
  int side = model.GetCurrentSide();
  CString letterText;
  CByteArray pointArray;
  CDWordArray attrArray, formatArray;
  if (!editor.GetSelectionText(side, letterText, pointArray, attrArray, formatArray)) return FALSE;
  std::string letters(letterText, letterText.GetLength());
  std::vector<BYTE> points = ToVector<CByteArray, BYTE>(pointArray);
  std::vector<DWORD> attrs = ToVector<CDWordArray, DWORD>(attrArray);
  if (options.direction == kReverse) ReverseLines(letters, points, attrs);

  ZultaDocData doc;
  CollectDocumentStyles(model, doc);
  // The RTF and the Unicode text carry the Windows-1255 form in every case.
  std::string ansi;
  std::vector<DWORD> ansiAttrs = attrs;
  ConvertRunsToAnsi(doc, side, ansi, letters, points, ansiAttrs, options.vavOrder);
  CString ansiText = ToCString(ansi);

  if (options.filter == kFilterNone) {
    std::string stored;
    std::vector<DWORD> storedAttrs = attrs;
    MergeLetterPoints(doc, side, letters, points, storedAttrs, stored);
    copy.text = ToCString(stored);
    copy.unicode.clear();
  } else {
    copy.text = ansiText;
    if (options.filter == kFilterUtf8) AnsiHebrewToUtf8(copy.text);
    CString unicodeSource = ansiText;
    CrToCrLf(unicodeSource);
    copy.unicode = AnsiHebrewToUnicode(unicodeSource);
  }
  CrToCrLf(copy.text);

  copy.hasRtf = options.filter != kFilterUtf8;
  copy.rtf.Empty();
  if (copy.hasRtf) {
    std::vector<DWORD> formats = ToVector<CDWordArray, DWORD>(formatArray);
    BuildRtf(doc, side, copy.rtf, ansi, ansiAttrs, formats, fonts);
  }
  return TRUE;
}

BOOL ChoosePasteFormat(const ClipboardOffer& offer, DocPasteText& paste) {
  paste.options = ClipboardTextOptions();
  paste.rtf = offer.rtf;
  if (offer.rtf) return TRUE;
  if (offer.unicode) {
    paste.options.filter = kFilterWideChar;
    return TRUE;
  }
  return offer.text;
}

int ImportDocText(DocEditor& editor, const DocPasteText& paste, UserMessageList& messages) {
  return paste.rtf ? ImportRtf(editor, paste, messages) : ImportPlain(editor, paste);
}
