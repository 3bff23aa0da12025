// Document files: the program's own format (version 1.12 written; 1.2, 1.3
// and 1.x read), and RTF and plain-text files offered to the same Open.
// Reading works over the whole file's bytes and fills a ZultaDocData;
// writing builds the bytes to store from one.
#pragma once

#include <string>
#include <vector>

#include "classlib/core/CString.h"
#include "hebtext/core/UserMessage.h"
#include "editor/core/FileBytes.h"
#include "editor/core/RtfWriter.h"
#include "editor/core/ZultaDocData.h"

constexpr size_t kZultaHeaderSize = 120;
constexpr size_t kHeader12Size = 182;
constexpr size_t kHeader13Size = 202;
constexpr BYTE kWrittenMinor = 12;
// The longest face name a file may hold.
constexpr size_t kMaxFaceNameLength = 255;

// Byte offsets of the blocks' fields in the 120-byte header.
namespace ZultaHeader {
constexpr int kTitle = 8, kFont = 16, kColor = 24, kSpacing = 32;
constexpr int kLayoutOffset = 40, kLayoutLength = 48;
constexpr int kTextOffset = 56, kTextLength = 64;
constexpr int kAttrOffset = 72, kAttrLength = 80;
constexpr int kLineOffset = 88, kLineLength = 96;
constexpr int kSectionOffset = 104, kSectionLength = 112;
}  // namespace ZultaHeader

class CZultaFile {
 public:
  CZultaFile() = default;
  // The faces' families and character sets for an ".rtf" export (the
  // screen's on Windows); without one they are written as "nil", set 0.
  void SetFontInfo(IRtfFontInfo* fonts) { m_fonts = fonts; }
  // The screen's vertical resolution, which turns the font heights of
  // version 1.2 files into point sizes.
  void SetScreenPixelsPerInchY(int pixels) { m_pixelsPerInchY = pixels > 0 ? pixels : 96; }

  // --- Reading --------------------------------------------------------------
  // The whole file. FALSE, with GetError() set and doc holding nothing of
  // the file, when it cannot be read whole.
  BOOL ReadDocument(const BYTE* data, size_t size, ZultaDocData& doc);
  // The version of the file last read.
  BYTE GetMajor() const { return m_major; }
  BYTE GetMinor() const { return m_minor; }
  const CString& GetError() const { return m_error; }
  // The message boxes the last read asked for, in order, for the caller to
  // show (a style table of an RTF file that was full, an RTF parse error).
  const UserMessageList& GetMessages() const { return m_messages; }

  // --- Writing --------------------------------------------------------------
  // The bytes to store for the path: the current side as RTF or plain text
  // for a path ending in ".rtf" or ".txt" (any case), else the native form.
  // FALSE, with GetError() set, when the document cannot be stored whole.
  BOOL WriteDocument(const ZultaDocData& doc, LPCSTR path, ByteBuffer& out);

 private:
  BOOL ReadSignature();
  BOOL ReadHeader();
  // Block readers of the current layout.
  BOOL ReadTitle(CString& title);
  BOOL UnpackFonts(ZultaDocData& doc);
  BOOL UnpackColors(ZultaDocData& doc);
  BOOL UnpackSpacing(ZultaDocData& doc);
  BOOL UnpackSideText(ZultaDocData& doc, int side);
  BOOL UnpackSectionRuns(ZultaDocData& doc, int side);
  BOOL UnpackPageLayouts(ZultaDocData& doc);
  // Older versions and other files.
  BOOL ReadOldFonts12(ZultaDocData& doc, int screenPixelsPerInchY);
  BOOL ReadOldText12(ZultaDocData& doc);
  BOOL ReadOldFonts13(ZultaDocData& doc);
  BOOL ReadOldColors13(ZultaDocData& doc);
  BOOL ReadOldText13(ZultaDocData& doc);
  BOOL ImportPlainTextFile(ZultaDocData& doc);
  BOOL ImportRtfFile(ZultaDocData& doc);

  // Block writers; the version-1.12 header is built in m_header.
  void InitHeader();
  void PackTitle(const ZultaDocData& doc, ByteBuffer& block);
  BOOL PackFonts(const ZultaDocData& doc, ByteBuffer& block);
  BOOL PackColors(const ZultaDocData& doc, ByteBuffer& block);
  BOOL PackSpacing(const ZultaDocData& doc, ByteBuffer& block);
  BOOL PackPageLayouts(const ZultaDocData& doc, int side, ByteBuffer& block);
  // The side's text, attribute, line-format and section-run blocks, in file
  // order; lengths[4] receives their lengths.
  BOOL PackSideText(const ZultaDocData& doc, int side, ByteBuffer& blocks, DWORD lengths[4]);
  static BOOL PackSectionRuns(const ZultaSideData& side, ByteBuffer& block);

  // A block of the file given by an offset and a length; FALSE (the file
  // refused) when it does not lie inside the file.
  BOOL GetBlock(DWORD offset, DWORD length, ByteReader& block);
  BOOL GetHeaderBlock(int offsetField, int lengthField, ByteReader& block);
  BOOL Fail(LPCSTR message);
  BOOL Corrupt();
  BOOL ReadCurrentLayout(ZultaDocData& doc);
  BOOL ReadVersion12(ZultaDocData& doc);
  BOOL ReadVersion13(ZultaDocData& doc);
  BOOL ReadOldTitle(ZultaDocData& doc);
  BOOL ReadOldFontBlock13(ZultaDocData& doc, int side, DWORD offset, DWORD length);
  // Reads a 1.x text into the side through the older character set.
  void LoadOldSideText(ZultaDocData& doc, int side, std::string text, BOOL hebrew);

  UserMessageList m_messages;
  IRtfFontInfo* m_fonts = nullptr;
  int m_pixelsPerInchY = 96;
  const BYTE* m_data = nullptr;
  size_t m_size = 0;
  BYTE m_major = 0;
  BYTE m_minor = 0;
  BYTE m_header[kZultaHeaderSize] = {};
  BYTE m_header12[kHeader12Size] = {};
  BYTE m_header13[kHeader13Size] = {};
  BYTE m_sizeMap[64] = {};
  BYTE m_faceMap[64] = {};
  CString m_error;
};

// Face names of older files renamed to the current program faces (case
// ignored); any other name is returned unchanged.
CString RenameLegacyFace(const CString& face);
