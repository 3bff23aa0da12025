#include "editor/core/ZultaFile.h"

#include <algorithm>
#include <cstring>

#include "editor/core/CharAttr.h"
#include "editor/core/LetterPoints.h"
#include "editor/core/PackedRunList.h"
#include "hebtext/core/LegacyCharsets.h"
#include "hebtext/core/MeasureUnits.h"

namespace {

const char kMagic[] = "ZULTA ";
const size_t kMagicSize = 6;
// Versions 1.2 and 1.3 begin with a two-byte magic and the version bytes.
const char kOldMagic[] = "QX";
const size_t kOldMagicSize = 2;
const BYTE kMinor12 = 2, kMinor13 = 3;
// The magic, then the major and minor version bytes.
const size_t kSignatureSize = kMagicSize + 2;
// The major version of every native file this program reads and writes.
const BYTE kNativeMajor = 1;
const char kDamaged[] = "This file cannot be opened: it is damaged or is not a Zulta document.";
const char kNewer[] = "This document was saved by a newer version of Zulta and cannot be opened.";
const char kTooLong[] =
    "The document cannot be saved: a side holds more characters than the file format can store.";
const size_t kMaxSmallBlock = 0xFFFF;  // blocks with 16-bit positions
const size_t kSectionRecordSize = 16;
const size_t kMinLayoutRecordSize = 4 + 2 + 18;

// The units a gutter width is stored in; any other stores none.
BOOL IsGapUnit(UINT unit) { return unit == kUnitInches || unit == kUnitMillimetres; }

// The 16-bit count of a stored style table and its entries 1 to n-1.
BOOL GetTableCount(ByteReader& block, int limit, UINT& count) {
  count = block.GetU16LE();
  return !block.Failed() && count <= static_cast<UINT>(limit);
}

template <class Array>
void PutWordTable(ByteBuffer& out, const Array& table) {
  PutU16LE(out, table.GetSize());
  for (int i = 1; i < table.GetSize(); ++i) PutU16LE(out, table[i]);
}

void PutColorTable(ByteBuffer& out, const CDWordArray& table) {
  PutU16LE(out, table.GetSize());
  for (int i = 1; i < table.GetSize(); ++i) PutU32LE(out, table[i]);
}

BOOL ReadWordTable(ByteReader& block, DocStyleTable which, CWordArray& table) {
  UINT count;
  if (!GetTableCount(block, DocStyleTables::kLimits[which], count)) return FALSE;
  for (UINT i = 1; i < count; ++i) table.Add(static_cast<WORD>(block.GetU16LE()));
  return !block.Failed();
}

BOOL ReadColorTable(ByteReader& block, DocStyleTable which, CDWordArray& table) {
  UINT count;
  if (!GetTableCount(block, DocStyleTables::kLimits[which], count)) return FALSE;
  for (UINT i = 1; i < count; ++i) table.Add(block.GetU32LE());
  return !block.Failed();
}

void RemapTitleOrText(BYTE minor, std::string& text) {
  if (minor != 10 && minor != 11) return;
  CString remapped;
  if (minor == 10)
    RemapCodeVariantsA(text.c_str(), remapped);
  else
    RemapCodeVariantsB(text.c_str(), remapped);
  text.assign(remapped, remapped.GetLength());
}

// The bytes of the magic that differ from the file's, as far as the file goes.
size_t CountMismatches(const BYTE* data, size_t size, const char* magic, size_t magicSize) {
  size_t mismatches = 0;
  for (size_t i = 0; i < magicSize && i < size; ++i)
    if (data[i] != static_cast<BYTE>(magic[i])) ++mismatches;
  return mismatches;
}

// A native file with a damaged signature, rather than a text or RTF file to
// import: a save cut short within the signature (a text of just those few
// letters is far less likely); the magic with major version 0, which no
// writer stores; or either magic with one byte changed and then a version
// that files with it have, whose control codes no text file holds there.
// Anything else that lacks a magic stays a text or RTF file.
BOOL IsDamagedSignature(const BYTE* data, size_t size) {
  if (size == 0) return FALSE;
  const size_t mismatches = CountMismatches(data, size, kMagic, kMagicSize);
  if (size < kSignatureSize) return mismatches == 0;
  const BYTE major = data[kMagicSize];
  if ((mismatches == 0 && major == 0) || (mismatches == 1 && major == kNativeMajor)) return TRUE;
  const BYTE oldMinor = data[kOldMagicSize + 1];
  return CountMismatches(data, size, kOldMagic, kOldMagicSize) == 1 &&
         data[kOldMagicSize] == kNativeMajor && (oldMinor == kMinor12 || oldMinor == kMinor13);
}

// A font index beyond the face table reads as the side's default face, as
// every index beyond its table does once the file is read. The letter-point
// split judges each byte's font, so it must see the words that way too, or
// the bytes would split otherwise when the document is read again.
void ClampFontIndices(const DocStyleTables& styles, std::vector<DWORD>& words) {
  const UINT faces = static_cast<UINT>(styles.fontNames.GetSize());
  for (DWORD& word : words)
    if (AttrFont(word) >= faces)
      word = SetAttrField(word, CharAttrBits::kFontShift, CharAttrBits::kFontMask, 0);
}

BOOL EndsWithNoCase(LPCSTR path, LPCSTR suffix) {
  size_t length = std::strlen(path);
  if (length < 4) return FALSE;
  return CString(path + length - 4).CompareNoCase(suffix) == 0;
}

}  // namespace

CString RenameLegacyFace(const CString& face) {
  static const struct {
    const char* old;
    const char* current;
  } kRenames[] = {
      {"Sephardi", "Pomlar Sephardi 2"}, {"Pomlar Sephardi", "Pomlar Sephardi 2"},
      {"Stam", "Pomlar Stam 2"},         {"Pomlar Stam", "Pomlar Stam 2"},
      {"Pomlar Noam", "Pomlar Noam 2"},  {"Pomlar David", "Pomlar David 2"},
  };
  for (const auto& rename : kRenames)
    if (face.CompareNoCase(rename.old) == 0) return rename.current;
  return face;
}

BOOL CZultaFile::Fail(LPCSTR message) {
  if (m_error.IsEmpty()) m_error = message;
  return FALSE;
}

BOOL CZultaFile::Corrupt() { return Fail(kDamaged); }

BOOL CZultaFile::GetBlock(DWORD offset, DWORD length, ByteReader& block) {
  if (offset > m_size || length > m_size - offset) return Corrupt();
  block = ByteReader(m_data + offset, length);
  return TRUE;
}

BOOL CZultaFile::GetHeaderBlock(int offsetField, int lengthField, ByteReader& block) {
  // Every block is written after the header; one that starts inside it
  // would read the header's own fields as content.
  const DWORD offset = ReadU32LE(m_header + offsetField);
  if (offset < kZultaHeaderSize) return Corrupt();
  return GetBlock(offset, ReadU32LE(m_header + lengthField), block);
}

BOOL CZultaFile::ReadSignature() {
  m_major = m_minor = 0;
  if (!m_data && m_size) return FALSE;
  if (m_size >= kOldMagicSize + 2 && std::memcmp(m_data, kOldMagic, kOldMagicSize) == 0) {
    m_major = m_data[kOldMagicSize];
    m_minor = m_data[kOldMagicSize + 1];
  } else if (IsDamagedSignature(m_data, m_size)) {
    return Corrupt();
  } else if (m_size >= kSignatureSize && std::memcmp(m_data, kMagic, kMagicSize) == 0) {
    m_major = m_data[kMagicSize];
    m_minor = m_data[kMagicSize + 1];
  } else {
    m_minor = m_size >= 5 && std::memcmp(m_data, "{\\rtf", 5) == 0 ? 1 : 0;
  }
  return TRUE;
}

BOOL CZultaFile::ReadHeader() {
  if (m_major == 0) return TRUE;
  if (m_major != kNativeMajor) return Fail(kNewer);
  BYTE* header = m_header;
  size_t size = kZultaHeaderSize;
  if (m_minor == kMinor12) {
    header = m_header12;
    size = kHeader12Size;
  } else if (m_minor == kMinor13) {
    header = m_header13;
    size = kHeader13Size;
  }
  if (m_size < size) return Corrupt();
  std::memcpy(header, m_data, size);
  return TRUE;
}

BOOL CZultaFile::ReadDocument(const BYTE* data, size_t size, ZultaDocData& doc) {
  m_data = data;
  m_size = size;
  m_error.Empty();
  m_messages.clear();
  if (size > 0x7FFFFFFF) return Corrupt();  // beyond what the text buffers index
  if (!ReadSignature() || !ReadHeader()) return FALSE;
  // Read into a copy so that a refused file leaves the document as it was.
  ZultaDocData read;
  read.CopyFrom(doc);
  read.title.Empty();
  for (ZultaSideData& side : read.sides) side.ClearText();
  BOOL ok;
  if (m_major == 0)
    ok = m_minor == 1 ? ImportRtfFile(read) : ImportPlainTextFile(read);
  else if (m_minor == kMinor12)
    ok = ReadVersion12(read);
  else if (m_minor == kMinor13)
    ok = ReadVersion13(read);
  else
    ok = ReadCurrentLayout(read);
  if (!ok) return Fail(kDamaged);
  read.ClampStyleIndices();
  doc.CopyFrom(read);
  return TRUE;
}

BOOL CZultaFile::ReadCurrentLayout(ZultaDocData& doc) {
  if (!ReadTitle(doc.title) || !UnpackFonts(doc) || !UnpackColors(doc) || !UnpackSpacing(doc))
    return FALSE;
  for (int side = 0; side < kFileSideCount; ++side)
    if (!UnpackSideText(doc, side)) return FALSE;
  return UnpackPageLayouts(doc);
}

BOOL CZultaFile::ReadTitle(CString& title) {
  title.Empty();
  ByteReader block;
  if (!GetHeaderBlock(ZultaHeader::kTitle, ZultaHeader::kTitle + 4, block)) return FALSE;
  if (block.Size() == 0) return TRUE;
  // The title is zero-terminated text: it ends at its first zero byte.
  std::string text(reinterpret_cast<const char*>(block.Data()), block.Size());
  text.resize(std::strlen(text.c_str()));
  RemapTitleOrText(m_minor, text);
  title = text.c_str();
  return TRUE;
}

BOOL CZultaFile::UnpackFonts(ZultaDocData& doc) {
  ByteReader block;
  if (!GetHeaderBlock(ZultaHeader::kFont, ZultaHeader::kFont + 4, block)) return FALSE;
  std::string face;
  for (ZultaSideData& side : doc.sides) {
    side.style = static_cast<BYTE>(block.GetU8());
    side.pointSize = static_cast<WORD>(block.GetU16LE());
    if (!block.GetCString(face, kMaxFaceNameLength)) return Corrupt();
    side.face = RenameLegacyFace(face.c_str());
  }
  if (!ReadWordTable(block, kFontSizes, doc.styles.fontSizes)) return Corrupt();
  UINT count;
  if (!GetTableCount(block, DocStyleTables::kLimits[kFontNames], count)) return Corrupt();
  for (UINT i = 1; i < count; ++i) {
    if (!block.GetCString(face, kMaxFaceNameLength)) return Corrupt();
    doc.styles.fontNames.Add(RenameLegacyFace(face.c_str()));
  }
  return TRUE;
}

BOOL CZultaFile::UnpackColors(ZultaDocData& doc) {
  ByteReader block;
  if (!GetHeaderBlock(ZultaHeader::kColor, ZultaHeader::kColor + 4, block)) return FALSE;
  // The shared colour tables follow each side's colours, the same both times.
  // The attribute words index the first copy; the second is read over, since
  // taking it too would double the tables at every open and save.
  CDWordArray secondTextColors, secondBackColors;
  for (int sideIndex = 0; sideIndex < kFileSideCount; ++sideIndex) {
    for (COLORREF& color : doc.sides[sideIndex].colors) color = block.GetU32LE();
    const BOOL first = sideIndex == 0;
    if (!ReadColorTable(block, kTextColors, first ? doc.styles.textColors : secondTextColors) ||
        !ReadColorTable(block, kBackColors, first ? doc.styles.backColors : secondBackColors))
      return Corrupt();
  }
  return TRUE;
}

BOOL CZultaFile::UnpackSpacing(ZultaDocData& doc) {
  ByteReader block;
  if (!GetHeaderBlock(ZultaHeader::kSpacing, ZultaHeader::kSpacing + 4, block)) return FALSE;
  if (!ReadWordTable(block, kWordSpace, doc.styles.wordSpace) ||
      !ReadWordTable(block, kLineSpace, doc.styles.lineSpace))
    return Corrupt();
  return TRUE;
}

BOOL CZultaFile::UnpackSideText(ZultaDocData& doc, int sideIndex) {
  ZultaSideData& side = doc.sides[sideIndex];
  const int at = 4 * sideIndex;
  ByteReader text, attrs, lines;
  if (!GetHeaderBlock(ZultaHeader::kTextOffset + at, ZultaHeader::kTextLength + at, text) ||
      !GetHeaderBlock(ZultaHeader::kAttrOffset + at, ZultaHeader::kAttrLength + at, attrs) ||
      !GetHeaderBlock(ZultaHeader::kLineOffset + at, ZultaHeader::kLineLength + at, lines))
    return FALSE;
  if (text.Size() > kMaxPackedCount) return Corrupt();
  std::string stored(reinterpret_cast<const char*>(text.Data()), text.Size());
  std::vector<DWORD> words;
  if (!ReadPackedRuns(attrs.Data(), attrs.Size(), stored.size(), words)) return Corrupt();
  words.resize(stored.size());
  ClampFontIndices(doc.styles, words);
  if (sideIndex == 1) RemapTitleOrText(m_minor, stored);
  SplitLetterPoints(doc, sideIndex, stored, side.letters, side.points, words);
  side.attrs.swap(words);
  if (!ReadPackedRuns(lines.Data(), lines.Size(), kMaxPackedCount, side.lineFormats))
    return Corrupt();
  // Every line but the first begins with a character.
  if (side.lineFormats.size() > side.letters.size() + 1) return Corrupt();
  return UnpackSectionRuns(doc, sideIndex);
}

BOOL CZultaFile::UnpackSectionRuns(ZultaDocData& doc, int sideIndex) {
  ZultaSideData& side = doc.sides[sideIndex];
  const int at = 4 * sideIndex;
  ByteReader block;
  if (!GetHeaderBlock(ZultaHeader::kSectionOffset + at, ZultaHeader::kSectionLength + at, block))
    return FALSE;
  UINT count = block.GetU16LE();
  if (block.Failed() || count > block.Remaining() / kSectionRecordSize) return Corrupt();
  for (UINT i = 0; i < count; ++i) {
    ZultaSectionRun run;
    run.lineIndex = block.GetU32LE();
    run.fileValue = block.GetU32LE();
    run.columns = static_cast<WORD>(block.GetU16LE());
    run.unit = static_cast<WORD>(block.GetU16LE());
    int fixed = static_cast<int>(block.GetU32LE());
    if (run.lineIndex >= side.lineFormats.size() || run.columns < 1 || run.columns > 4)
      return Corrupt();
    // A gutter is never negative; a negative width, which would not convert
    // back to the same stored value, reads as none.
    run.gapInUnit = IsGapUnit(run.unit) && fixed > 0 ? FixedToMeasure(fixed, run.unit) : 0.0;
    side.sections.push_back(run);
  }
  return TRUE;
}

BOOL CZultaFile::UnpackPageLayouts(ZultaDocData& doc) {
  for (int sideIndex = 0; sideIndex < kFileSideCount; ++sideIndex) {
    ZultaSideData& side = doc.sides[sideIndex];
    side.layouts.clear();
    ByteReader block;
    if (!GetHeaderBlock(ZultaHeader::kLayoutOffset + 4 * sideIndex,
                        ZultaHeader::kLayoutLength + 4 * sideIndex, block))
      return FALSE;
    DWORD count = block.GetU32LE();
    if (block.Failed() || count > block.Remaining() / kMinLayoutRecordSize) return Corrupt();
    for (DWORD i = 0; i < count; ++i) {
      ZultaPageLayoutRec layout;
      layout.tabInterval = block.GetU32LE();
      UINT tabs = block.GetU16LE();
      if (block.Failed() || tabs > block.Remaining() / 4) return Corrupt();
      for (UINT t = 0; t < tabs; ++t) layout.tabStops.push_back(block.GetU32LE());
      WORD* fields = &layout.settings.orientation;
      for (int f = 0; f < 9; ++f) fields[f] = static_cast<WORD>(block.GetU16LE());
      if (block.Failed()) return Corrupt();
      side.layouts.push_back(layout);
    }
  }
  return TRUE;
}

// --- Writing ----------------------------------------------------------------

void CZultaFile::InitHeader() {
  std::memset(m_header, 0, sizeof m_header);
  std::memcpy(m_header, kMagic, kMagicSize);
  m_header[kMagicSize] = kNativeMajor;
  m_header[kMagicSize + 1] = kWrittenMinor;
}

void CZultaFile::PackTitle(const ZultaDocData& doc, ByteBuffer& block) {
  block.assign(static_cast<LPCSTR>(doc.title),
               static_cast<LPCSTR>(doc.title) + doc.title.GetLength());
}

BOOL CZultaFile::PackFonts(const ZultaDocData& doc, ByteBuffer& block) {
  // Faces are stored as reading gives them back (renamed, ending at a zero
  // byte, no longer than the reader takes), so that a document opens with
  // the faces, and so the letter-point split, that it was saved with.
  auto putFace = [&block](const CString& face) {
    const CString renamed = RenameLegacyFace(face);
    LPCSTR name = renamed;
    block.insert(block.end(), name, name + std::min(std::strlen(name), kMaxFaceNameLength));
    PutU8(block, 0);
  };
  block.clear();
  for (const ZultaSideData& side : doc.sides) {
    PutU8(block, side.style);
    PutU16LE(block, side.pointSize);
    putFace(side.face);
  }
  PutWordTable(block, doc.styles.fontSizes);
  PutU16LE(block, doc.styles.fontNames.GetSize());
  for (int i = 1; i < doc.styles.fontNames.GetSize(); ++i)
    putFace(doc.styles.fontNames.GetData()[i]);
  return block.size() <= kMaxSmallBlock;
}

BOOL CZultaFile::PackColors(const ZultaDocData& doc, ByteBuffer& block) {
  block.clear();
  for (const ZultaSideData& side : doc.sides) {
    for (COLORREF color : side.colors) PutU32LE(block, color);
    PutColorTable(block, doc.styles.textColors);
    PutColorTable(block, doc.styles.backColors);
  }
  return block.size() <= kMaxSmallBlock;
}

BOOL CZultaFile::PackSpacing(const ZultaDocData& doc, ByteBuffer& block) {
  block.clear();
  PutWordTable(block, doc.styles.wordSpace);
  PutWordTable(block, doc.styles.lineSpace);
  return block.size() <= kMaxSmallBlock;
}

BOOL CZultaFile::PackPageLayouts(const ZultaDocData& doc, int side, ByteBuffer& block) {
  block.clear();
  const std::vector<ZultaPageLayoutRec>& layouts = doc.sides[side].layouts;
  PutU32LE(block, static_cast<DWORD>(layouts.size()));
  for (const ZultaPageLayoutRec& layout : layouts) {
    if (layout.tabStops.size() > 0xFFFF) return FALSE;
    PutU32LE(block, layout.tabInterval);
    PutU16LE(block, static_cast<UINT>(layout.tabStops.size()));
    for (DWORD stop : layout.tabStops) PutU32LE(block, stop);
    const WORD* fields = &layout.settings.orientation;
    for (int f = 0; f < 9; ++f) PutU16LE(block, fields[f]);
  }
  return TRUE;
}

BOOL CZultaFile::PackSectionRuns(const ZultaSideData& side, ByteBuffer& block) {
  if (side.sections.size() > 0xFFFF) return FALSE;
  PutU16LE(block, static_cast<UINT>(side.sections.size()));
  for (const ZultaSectionRun& run : side.sections) {
    PutU32LE(block, run.lineIndex);
    PutU32LE(block, run.fileValue);
    PutU16LE(block, run.columns);
    PutU16LE(block, run.unit);
    const BOOL stored = IsGapUnit(run.unit) && run.gapInUnit > 0;
    PutU32LE(block, stored ? static_cast<DWORD>(MeasureToFixed(run.gapInUnit, run.unit)) : 0);
  }
  return TRUE;
}

BOOL CZultaFile::PackSideText(const ZultaDocData& doc, int sideIndex, ByteBuffer& blocks,
                              DWORD lengths[4]) {
  const ZultaSideData& side = doc.sides[sideIndex];
  std::vector<DWORD> attrs = side.attrs;
  attrs.resize(side.letters.size());
  std::string stored;
  MergeLetterPoints(doc, sideIndex, side.letters, side.points, attrs, stored);
  size_t start = blocks.size();
  blocks.insert(blocks.end(), stored.begin(), stored.end());
  lengths[0] = static_cast<DWORD>(blocks.size() - start);
  start = blocks.size();
  if (!WritePackedRuns(attrs.data(), attrs.size(), blocks)) return FALSE;
  lengths[1] = static_cast<DWORD>(blocks.size() - start);
  start = blocks.size();
  // A side always has its first line: one given without lines is stored with
  // a plain one, as reading an empty block gives it.
  const std::vector<DWORD> firstLineOnly(1, 0);
  const std::vector<DWORD>& lines = side.lineFormats.empty() ? firstLineOnly : side.lineFormats;
  if (!WritePackedRuns(lines.data(), lines.size(), blocks)) return FALSE;
  lengths[2] = static_cast<DWORD>(blocks.size() - start);
  start = blocks.size();
  if (!PackSectionRuns(side, blocks)) return FALSE;
  lengths[3] = static_cast<DWORD>(blocks.size() - start);
  return TRUE;
}

BOOL CZultaFile::WriteDocument(const ZultaDocData& doc, LPCSTR path, ByteBuffer& out) {
  out.clear();
  m_error.Empty();
  BOOL rtf = EndsWithNoCase(path, ".rtf");
  if (rtf || EndsWithNoCase(path, ".txt")) {
    CString text;
    ExportSideText(doc, doc.currentSide == 0 ? 0 : 1, text, rtf ? 1 : 0, m_fonts);
    out.assign(static_cast<LPCSTR>(text), static_cast<LPCSTR>(text) + text.GetLength());
    return TRUE;
  }
  InitHeader();
  ByteBuffer title, fonts, colors, spacing, layouts[2], sides[2];
  DWORD sideLengths[2][4];
  PackTitle(doc, title);
  if (!PackFonts(doc, fonts) || !PackColors(doc, colors) || !PackSpacing(doc, spacing) ||
      !PackPageLayouts(doc, 0, layouts[0]) || !PackPageLayouts(doc, 1, layouts[1]) ||
      !PackSideText(doc, 0, sides[0], sideLengths[0]) ||
      !PackSideText(doc, 1, sides[1], sideLengths[1]))
    return Fail(kTooLong);
  size_t total = kZultaHeaderSize + title.size() + fonts.size() + colors.size() + spacing.size() +
                 layouts[0].size() + layouts[1].size() + sides[0].size() + sides[1].size();
  if (total > 0xFFFFFFFFu) return Fail(kTooLong);
  DWORD at = kZultaHeaderSize;
  auto place = [&](int offsetField, int lengthField, size_t length) {
    WriteU32LE(m_header + offsetField, at);
    WriteU32LE(m_header + lengthField, static_cast<DWORD>(length));
    at += static_cast<DWORD>(length);
  };
  place(ZultaHeader::kTitle, ZultaHeader::kTitle + 4, title.size());
  place(ZultaHeader::kFont, ZultaHeader::kFont + 4, fonts.size());
  place(ZultaHeader::kColor, ZultaHeader::kColor + 4, colors.size());
  place(ZultaHeader::kSpacing, ZultaHeader::kSpacing + 4, spacing.size());
  for (int side = 0; side < kFileSideCount; ++side)
    place(ZultaHeader::kLayoutOffset + 4 * side, ZultaHeader::kLayoutLength + 4 * side,
          layouts[side].size());
  static const int kSideFields[4][2] = {
      {ZultaHeader::kTextOffset, ZultaHeader::kTextLength},
      {ZultaHeader::kAttrOffset, ZultaHeader::kAttrLength},
      {ZultaHeader::kLineOffset, ZultaHeader::kLineLength},
      {ZultaHeader::kSectionOffset, ZultaHeader::kSectionLength},
  };
  for (int side = 0; side < kFileSideCount; ++side)
    for (int b = 0; b < 4; ++b)
      place(kSideFields[b][0] + 4 * side, kSideFields[b][1] + 4 * side, sideLengths[side][b]);
  out.reserve(total);
  out.insert(out.end(), m_header, m_header + kZultaHeaderSize);
  for (const ByteBuffer* block :
       {&title, &fonts, &colors, &spacing, &layouts[0], &layouts[1], &sides[0], &sides[1]})
    out.insert(out.end(), block->begin(), block->end());
  return TRUE;
}
