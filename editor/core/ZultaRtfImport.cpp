// Whole RTF files opened as a document.
#include <algorithm>

#include "editor/core/DocNodes.h"
#include "editor/core/DocSection.h"
#include "editor/core/ImportedText.h"
#include "editor/core/LetterPoints.h"
#include "editor/core/RtfReader.h"
#include "editor/core/ZultaFile.h"
#include "hebtext/core/AnsiImport.h"
#include "hebtext/core/MeasureUnits.h"

namespace {

constexpr double kTwipsPerInch = 1440.0;
// The narrowest gutter the editor's column settings allow.
constexpr double kMinGutterInches = 0.125;

// The letter that begins each line after the first: the side's breaks.
std::vector<BYTE> LineBreaks(const std::string& letters) {
  std::vector<BYTE> breaks;
  for (char letter : letters)
    if (IsBreakLetter(static_cast<BYTE>(letter))) breaks.push_back(static_cast<BYTE>(letter));
  return breaks;
}

// Each paragraph of the RTF is one line of the side and keeps its format
// word; a line the reader gave no word continues the format before it.
void TakeLineFormats(const std::vector<DWORD>& paraFormats, size_t lineCount, ZultaSideData& side) {
  side.lineFormats.assign(paraFormats.begin(),
                          paraFormats.begin() + std::min(paraFormats.size(), lineCount));
  side.lineFormats.resize(lineCount, side.lineFormats.empty() ? 0 : side.lineFormats.back());
}

ZultaSectionRun SectionAt(DWORD lineIndex, const RtfColumns& columns) {
  ZultaSectionRun run;
  run.lineIndex = lineIndex;
  run.columns = static_cast<WORD>(std::clamp(columns.count, 1, kMaxSectionColumns));
  run.unit = kUnitInches;
  if (run.columns > 1) run.gapInUnit = std::max(columns.gapTwips / kTwipsPerInch, kMinGutterInches);
  return run;
}

bool SameSettings(const ZultaSectionRun& a, const ZultaSectionRun& b) {
  return a.columns == b.columns && a.gapInUnit == b.gapInUnit;
}

// Paragraphs set in columns become the side's column sections. A section
// reaches to the next one, so the lines after a run of columns go back to
// one column through a one-column section; and as in the editor, a page
// break starts a new section.
void TakeColumnSections(const std::vector<RtfColumns>& paraColumns, const std::vector<BYTE>& breaks,
                        ZultaSideData& side) {
  side.sections.clear();
  ZultaSectionRun current = SectionAt(0, RtfColumns());
  for (size_t line = 0; line <= breaks.size(); ++line) {
    // Like its format, a line the reader gave no columns continues the last.
    RtfColumns columns =
        paraColumns.empty() ? RtfColumns() : paraColumns[std::min(line, paraColumns.size() - 1)];
    ZultaSectionRun run = SectionAt(static_cast<DWORD>(line), columns);
    bool newPage = line > 0 && breaks[line - 1] == kLetterPageBreak;
    bool starts = !SameSettings(run, current) || (newPage && run.columns > 1);
    if (starts && (run.columns > 1 || !side.sections.empty())) side.sections.push_back(run);
    current = run;
  }
}

}  // namespace

BOOL CZultaFile::ImportRtfFile(ZultaDocData& doc) {
  const char* rtf = reinterpret_cast<const char*>(m_data);
  // A first parse over scratch tables finds which side the text belongs to.
  DocStyleTables scratch;
  scratch.AddDefaultEntries();
  CRtfTables first(rtf, m_size, &scratch);
  int error = RtfParse(first);
  if (error != kRtfOk) {
    // Every parse starts from the same state, so a second one would fail
    // alike: nothing of the file is taken.
    UserMessage message = RtfParseErrorMessage(error);
    m_messages.push_back(message);
    return Fail(message.text);
  }
  int sideIndex = ChooseImportSide(first.text, first.attrs, scratch);
  ZultaSideData& side = doc.sides[sideIndex];

  DocStyleTables tables;
  tables.CopyFrom(doc.styles);
  tables.TakeSideDefaults(side.colors[0], side.colors[1], side.face, side.pointSize);
  CRtfTables parse(rtf, m_size, &tables);
  // On the Hebrew side, Latin text that the RTF sets in no Latin face of its
  // own shows in the English side's face, as in plain-text files.
  if (sideIndex != 0) parse.latinFace = doc.sides[0].face;
  int parsed = RtfParse(parse);
  m_messages.insert(m_messages.end(), parse.messages.begin(), parse.messages.end());
  if (parsed != kRtfOk) return Corrupt();
  tables.MarkDefaultEntries();
  doc.styles.CopyFrom(tables);

  std::string text = parse.text;
  std::vector<DWORD> attrs = parse.attrs;
  ConvertImportedRuns(doc, sideIndex, text, attrs);
  SplitLetterPoints(doc, sideIndex, text, side.letters, side.points, attrs);
  side.attrs.swap(attrs);
  std::vector<BYTE> breaks = LineBreaks(side.letters);
  TakeLineFormats(parse.paraFormats, breaks.size() + 1, side);
  TakeColumnSections(parse.paraColumns, breaks, side);
  return TRUE;
}
