// Native files of versions 1.2 and 1.3: text in the older character set and
// styles in fewer fields, converted on reading.
#include <cmath>
#include <cstring>

#include "editor/core/CharAttr.h"
#include "editor/core/OldFileFormats.h"
#include "editor/core/PackedRunList.h"
#include "editor/core/ZultaFile.h"
#include "hebtext/core/LegacyCharsets.h"
#include "hebtext/core/PointedText.h"

namespace {

const size_t kLogFont16Size = 50;
const size_t kLogFont16FaceSize = 32;
const int kOldMapSize = 64;

std::string BytesAt(const BYTE* data, size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

}  // namespace

CString RemapOldPunctuation(const CString& text) {
  CString result;
  for (int i = 0; i < text.GetLength(); ++i) {
    char c = text[i];
    switch (c) {
      case '!': result += "L]"; break;
      case '0': result += "k?"; break;
      case '1': result += "L'"; break;
      case '3': result += static_cast<char>(174); break;
      case '8': result += "K?"; break;
      case '[': result += "l'"; break;
      case '{': result += "l]"; break;
      default: result += c; break;
    }
  }
  return result;
}

void ConvertLogFont16(const BYTE* record, LogFont16& font) {
  font.height = static_cast<SHORT>(GetU16LE(record));
  font.weight = static_cast<SHORT>(GetU16LE(record + 8));
  font.italic = record[10];
  font.underline = record[11];
  char face[kLogFont16FaceSize + 1] = {};
  std::memcpy(face, record + 18, kLogFont16FaceSize);
  font.face = face;
}

void CZultaFile::LoadOldSideText(ZultaDocData& doc, int sideIndex, std::string text, BOOL hebrew) {
  ZultaSideData& side = doc.sides[sideIndex];
  text.resize(std::strlen(text.c_str()));  // the old text ends at a zero byte
  CString converted;
  if (hebrew) {
    ConvertOldHebrewCharset(RemapOldPunctuation(text.c_str()), converted);
  } else {
    for (size_t i = 0; i < text.size(); ++i)
      if (!(text[i] == '\n' && i > 0 && text[i - 1] == '\r')) converted += text[i];
  }
  CString letters;
  CByteArray vowels;
  int count = SeparateConsonantsFromVowels(converted, letters, vowels);
  side.letters.assign(static_cast<LPCSTR>(letters), letters.GetLength());
  side.points.assign(vowels.GetData(), vowels.GetData() + vowels.GetSize());
  side.points.resize(side.letters.size());
  side.attrs.assign(count > 0 ? side.letters.size() : 0, 0);
}

BOOL CZultaFile::ReadOldTitle(ZultaDocData& doc) {
  const BYTE* header = m_minor == 2 ? m_header12 : m_header13;
  ByteReader block;
  if (!GetBlock(GetU16LE(header + 4), GetU16LE(header + 6), block)) return FALSE;
  CString title;
  ConvertOldHebrewCharset(BytesAt(block.Data(), block.Size()).c_str(), title);
  doc.title = title;
  return TRUE;
}

BOOL CZultaFile::ReadVersion12(ZultaDocData& doc) {
  return ReadOldTitle(doc) && ReadOldFonts12(doc, m_pixelsPerInchY) && ReadOldText12(doc);
}

BOOL CZultaFile::ReadOldFonts12(ZultaDocData& doc, int screenPixelsPerInchY) {
  static const size_t kFontAt[kFileSideCount] = {110, 60};  // English, Hebrew
  for (int sideIndex = 0; sideIndex < kFileSideCount; ++sideIndex) {
    LogFont16 font;
    ConvertLogFont16(m_header12 + kFontAt[sideIndex], font);
    ZultaSideData& side = doc.sides[sideIndex];
    side.face = RenameLegacyFace(font.face);
    side.pointSize = static_cast<WORD>(
        std::abs(font.height * 72 / (screenPixelsPerInchY > 0 ? screenPixelsPerInchY : 96)));
    side.style = static_cast<BYTE>((font.weight >= 401 ? 1 : 0) | (font.italic ? 2 : 0) |
                                   (font.underline ? 4 : 0));
  }
  doc.sides[1].pointSize = 14;
  return TRUE;
}

BOOL CZultaFile::ReadOldText12(ZultaDocData& doc) {
  ByteReader hebrew, english;
  if (!GetBlock(GetU16LE(m_header12 + 12), GetU16LE(m_header12 + 14), hebrew) ||
      !GetBlock(GetU16LE(m_header12 + 18), GetU16LE(m_header12 + 16), english))
    return FALSE;
  if (english.Size()) LoadOldSideText(doc, 0, BytesAt(english.Data(), english.Size()), FALSE);
  if (hebrew.Size()) LoadOldSideText(doc, 1, BytesAt(hebrew.Data(), hebrew.Size()), TRUE);
  return TRUE;
}

BOOL CZultaFile::ReadVersion13(ZultaDocData& doc) {
  return ReadOldTitle(doc) && ReadOldFonts13(doc) && ReadOldColors13(doc) && ReadOldText13(doc);
}

BOOL CZultaFile::ReadOldFontBlock13(ZultaDocData& doc, int sideIndex, DWORD offset, DWORD length) {
  ByteReader block;
  if (!GetBlock(offset, length, block)) return FALSE;
  ZultaSideData& side = doc.sides[sideIndex];
  BOOL hebrew = sideIndex == 1;
  block.GetU16LE();
  UINT sizes = block.GetU16LE();
  side.style = 0;
  side.pointSize = static_cast<WORD>(block.GetU16LE());
  if (block.Failed() || sizes > kOldMapSize) return Corrupt();
  CWordArray& sizeTable = doc.styles.fontSizes;
  for (UINT i = 1; i < sizes; ++i) {
    WORD size = static_cast<WORD>(block.GetU16LE());
    int found = -1;
    for (int e = 1; hebrew && e < sizeTable.GetSize() && found < 0; ++e)
      if (sizeTable[e] == size) found = e;
    if (found < 0) {
      if (sizeTable.GetSize() >= DocStyleTables::kLimits[kFontSizes]) return Corrupt();
      found = static_cast<int>(sizeTable.Add(size));
    }
    m_sizeMap[i] = static_cast<BYTE>(found);
  }
  UINT faces = block.GetU16LE();
  std::string face;
  if (block.Failed() || faces > kOldMapSize || !block.GetCString(face, kMaxFaceNameLength))
    return Corrupt();
  side.face = hebrew ? RenameLegacyFace(face.c_str()) : CString(face.c_str());
  CStringArray& faceTable = doc.styles.fontNames;
  for (UINT i = 1; i < faces; ++i) {
    if (!block.GetCString(face, kMaxFaceNameLength)) return Corrupt();
    if (face.empty()) break;
    CString name = hebrew ? RenameLegacyFace(face.c_str()) : CString(face.c_str());
    int found = -1;
    for (int e = 1; hebrew && e < faceTable.GetSize() && found < 0; ++e)
      if (faceTable[e].CompareNoCase(name) == 0) found = e;
    if (found < 0) {
      if (faceTable.GetSize() >= DocStyleTables::kLimits[kFontNames]) return Corrupt();
      found = static_cast<int>(faceTable.Add(name));
    }
    m_faceMap[i] = static_cast<BYTE>(found);
  }
  return !block.Failed();
}

BOOL CZultaFile::ReadOldFonts13(ZultaDocData& doc) {
  std::memset(m_sizeMap, 0, sizeof m_sizeMap);
  std::memset(m_faceMap, 0, sizeof m_faceMap);
  return ReadOldFontBlock13(doc, 0, ReadU32LE(m_header13 + 72), GetU16LE(m_header13 + 76)) &&
         ReadOldFontBlock13(doc, 1, ReadU32LE(m_header13 + 60), GetU16LE(m_header13 + 64));
}

BOOL CZultaFile::ReadOldColors13(ZultaDocData& doc) {
  for (int i = 0; i < 4; ++i) {
    doc.sides[1].colors[i] = ReadU32LE(m_header13 + 100 + 4 * i);
    doc.sides[0].colors[i] = ReadU32LE(m_header13 + 116 + 4 * i);
  }
  return TRUE;
}

BOOL CZultaFile::ReadOldText13(ZultaDocData& doc) {
  ByteReader hebrew, english, hebrewAttrs, englishAttrs;
  DWORD englishLength = ReadU32LE(m_header13 + 44);
  DWORD englishOffset = ReadU32LE(m_header13 + 48);
  // The English text proper starts one byte in and is one byte shorter.
  if (englishLength > 0) ++englishOffset, --englishLength;
  if (!GetBlock(ReadU32LE(m_header13 + 12), ReadU32LE(m_header13 + 16), hebrew) ||
      !GetBlock(englishOffset, englishLength, english) ||
      !GetBlock(ReadU32LE(m_header13 + 20), ReadU32LE(m_header13 + 24), hebrewAttrs) ||
      !GetBlock(ReadU32LE(m_header13 + 56), ReadU32LE(m_header13 + 52), englishAttrs))
    return FALSE;
  LoadOldSideText(doc, 0, BytesAt(english.Data(), english.Size()), FALSE);
  LoadOldSideText(doc, 1, BytesAt(hebrew.Data(), hebrew.Size()), TRUE);

  CWordArray& wordSpace = doc.styles.wordSpace;
  WORD englishSpace = static_cast<WORD>(GetU16LE(m_header13 + 140));
  WORD hebrewSpace = static_cast<WORD>(GetU16LE(m_header13 + 138));
  if (wordSpace.GetSize() == 0) wordSpace.Add(0);
  if (englishSpace != 0) wordSpace.Add(englishSpace);
  UINT hebrewSpaceIndex = 0;
  if (hebrewSpace != 0) {
    if (wordSpace.GetSize() == 2 && wordSpace[1] == hebrewSpace)
      hebrewSpaceIndex = 1;
    else
      hebrewSpaceIndex = static_cast<UINT>(wordSpace.Add(hebrewSpace));
  }

  const ByteReader* blocks[kFileSideCount] = {&englishAttrs, &hebrewAttrs};
  for (int sideIndex = 0; sideIndex < kFileSideCount; ++sideIndex) {
    ZultaSideData& side = doc.sides[sideIndex];
    std::vector<DWORD> words;
    // The block's first entry is not a character's; words beyond the text
    // are left out.
    if (!ReadPackedRuns(blocks[sideIndex]->Data(), blocks[sideIndex]->Size(), kMaxPackedCount,
                        words))
      return Corrupt();
    words.erase(words.begin());
    words.resize(side.letters.size());
    for (DWORD& word : words) {
      UINT font = (word >> 12) & 0x1F;
      UINT size = (word >> 17) & 0x3F;
      BOOL spaced = (word >> 30) & 1;
      UINT space = spaced ? 1 : 0;
      if (sideIndex == 1) {
        font = font < kOldMapSize ? m_faceMap[font] : 0;
        size = m_sizeMap[size];
        space = spaced ? hebrewSpaceIndex : 0;
      }
      DWORD converted = word & (0xFu << 23);
      converted = SetAttrField(converted, CharAttrBits::kFontShift, CharAttrBits::kFontMask, font);
      converted = SetAttrField(converted, CharAttrBits::kSizeShift, CharAttrBits::kSizeMask, size);
      converted = SetAttrField(converted, CharAttrBits::kWordSpaceShift,
                               CharAttrBits::kWordSpaceMask, space);
      word = converted;
    }
    side.attrs.swap(words);
  }
  return TRUE;
}
