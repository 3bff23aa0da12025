#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "editor/core/DocumentTitle.h"
#include "editor/core/FileBytes.h"
#include "editor/core/ZultaFile.h"
#include "hebtext/core/LegacyCharsets.h"

namespace {

const char kAlefBet[] = "\xE0\xE1";

ByteBuffer NativeFile(const std::string& title) {
  ZultaDocData doc;
  doc.styles.AddDefaultEntries();
  doc.sides[0].face = "Arial";
  doc.sides[1].face = "Pomlar David 2";
  doc.title = title.c_str();
  ByteBuffer bytes;
  EXPECT_TRUE(CZultaFile().WriteDocument(doc, "a.zlt", bytes));
  return bytes;
}

DocumentProbe Probe(const ByteBuffer& bytes, CString& title) {
  MemoryRangeSource source(bytes.data(), bytes.size());
  return ReadDocumentTitle(source, title);
}

ByteBuffer SignatureBytes(const std::string& text) { return ByteBuffer(text.begin(), text.end()); }

TEST(DocumentTitle, NativeDocumentsGiveTheirTitle) {
  for (const std::string& title : {std::string(kAlefBet), std::string(), std::string(300, '\xE5')}) {
    CString read;
    EXPECT_EQ(kProbeNativeDocument, Probe(NativeFile(title), read));
    EXPECT_STREQ(title.c_str(), read);
  }
}

TEST(DocumentTitle, DamagedDocumentsKeepThePlaceholder) {
  const ByteBuffer good = NativeFile(kAlefBet);
  const DWORD titleOffset = ReadU32LE(&good[ZultaHeader::kTitle]);
  const struct {
    const char* what;
    size_t field;  // the header field to overwrite, or 0 to cut the file
    DWORD value;
  } cases[] = {
      {"cut inside the header", 0, kZultaHeaderSize - 1},
      {"cut inside the title", 0, titleOffset + 1},
      {"title inside the header", ZultaHeader::kTitle, kZultaHeaderSize - 1},
      {"title past the end", ZultaHeader::kTitle, 0xFFFFFFF0u},
      {"title length past the end", ZultaHeader::kTitle + 4, 0xFFFFFFFFu},
  };
  for (const auto& c : cases) {
    ByteBuffer bytes = good;
    if (c.field)
      WriteU32LE(&bytes[c.field], c.value);
    else
      bytes.resize(c.value);
    CString read;
    EXPECT_EQ(kProbeNativeDocument, Probe(bytes, read)) << c.what;
    EXPECT_STREQ(kPlaceholderDocumentTitle, read) << c.what;
  }
  EXPECT_STREQ("\xE0\xE1\xE2\xE3\xE4", kPlaceholderDocumentTitle);
}

TEST(DocumentTitle, LongTitlesAreCutAndZeroEndsThem) {
  CString read;
  EXPECT_EQ(kProbeNativeDocument, Probe(NativeFile(std::string(3000, '\xE5')), read));
  EXPECT_EQ(static_cast<int>(kMaxListedTitleBytes), read.GetLength());
  ByteBuffer bytes = NativeFile("\xE0\xE1\xE2");
  bytes[ReadU32LE(&bytes[ZultaHeader::kTitle]) + 2] = 0;
  Probe(bytes, read);
  EXPECT_STREQ(kAlefBet, read);
}

TEST(DocumentTitle, SignaturesDecideTheKind) {
  const struct {
    std::string bytes;
    DocumentProbe probe;
  } cases[] = {
      {"", kProbeOtherFile},
      {"plain text that is long enough", kProbeOtherFile},
      {"{\\rtf1 hello}", kProbeOtherFile},
      {std::string("ZULTA \0\x0C", 8), kProbeOtherFile},  // version 0: none
      {"ZULTB \x01\x0C", kProbeOtherFile},
      {"ZULTA \x02\x01", kProbeNativeDocument},  // a newer major: no header to read
      {"ZULTA \x01\x0C", kProbeNativeDocument},  // the header missing
      {"QX\x01\x02", kProbeNativeDocument},
      {"QX", kProbeOtherFile},
  };
  for (const auto& c : cases) {
    CString read;
    EXPECT_EQ(c.probe, Probe(SignatureBytes(c.bytes), read)) << c.bytes;
    EXPECT_STREQ(kPlaceholderDocumentTitle, read) << c.bytes;
  }
}

// Older files: the header's 16-bit title offset and length, older letters.
TEST(DocumentTitle, OlderVersionsConvertTheirLetters) {
  const struct {
    BYTE minor;
    size_t headerSize;
  } versions[] = {{2, kHeader12Size}, {3, kHeader13Size}};
  for (const auto& v : versions) {
    ByteBuffer bytes(v.headerSize, 0);
    bytes[0] = 'Q';
    bytes[1] = 'X';
    bytes[2] = 1;
    bytes[3] = v.minor;
    WriteU16LE(&bytes[4], static_cast<UINT>(bytes.size()));
    WriteU16LE(&bytes[6], 2);
    bytes.push_back('t');
    bytes.push_back('c');
    CString read;
    EXPECT_EQ(kProbeNativeDocument, Probe(bytes, read));
    EXPECT_STREQ(kAlefBet, read) << int(v.minor);
  }
}

TEST(DocumentTitle, VersionsWithOlderCodesAreRemapped) {
  const std::string stored = "\xE0\xB7\xE1";
  const struct {
    BYTE minor;
    void (*remap)(LPCSTR, CString&);
  } versions[] = {{10, RemapCodeVariantsA}, {11, RemapCodeVariantsB}};
  for (const auto& v : versions) {
    ByteBuffer bytes = NativeFile(stored);
    bytes[7] = v.minor;
    CString expected, read;
    v.remap(stored.c_str(), expected);
    Probe(bytes, read);
    EXPECT_STREQ(expected, read) << int(v.minor);
  }
}

TEST(DocumentTitle, FilesOnDiskAreReadTheSameWay) {
  const char* base = std::getenv("TMPDIR");
#ifdef _WIN32
  if (!base) base = std::getenv("TEMP");
  const std::string path = std::string(base ? base : ".") + "\\document_title_test.zlt";
#else
  const std::string path = std::string(base ? base : "/tmp") + "/document_title_test.zlt";
#endif
  const ByteBuffer bytes = NativeFile(kAlefBet);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(nullptr, file);
  ASSERT_EQ(bytes.size(), std::fwrite(bytes.data(), 1, bytes.size(), file));
  std::fclose(file);
  CString read;
  EXPECT_EQ(kProbeNativeDocument, ReadDocumentTitleFromFile(path.c_str(), read));
  EXPECT_STREQ(kAlefBet, read);
  std::remove(path.c_str());
  EXPECT_EQ(kProbeOtherFile, ReadDocumentTitleFromFile(path.c_str(), read));
  EXPECT_STREQ(kPlaceholderDocumentTitle, read);
}

}  // namespace
