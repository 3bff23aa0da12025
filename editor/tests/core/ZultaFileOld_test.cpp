#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "editor/core/CharAttr.h"
#include "editor/core/FileBytes.h"
#include "editor/core/PackedRunList.h"
#include "editor/core/ZultaFile.h"
#include "hebtext/core/HebChar.h"

namespace {

// Builds an older file: a zeroed header with blocks appended after it.
class OldFile {
 public:
  OldFile(BYTE minor, size_t headerSize) : bytes(headerSize, 0) {
    bytes[0] = 'Q';
    bytes[1] = 'X';
    bytes[2] = 1;
    bytes[3] = minor;
  }
  DWORD Append(const std::string& block) {
    DWORD at = static_cast<DWORD>(bytes.size());
    bytes.insert(bytes.end(), block.begin(), block.end());
    return at;
  }
  DWORD Append(const ByteBuffer& block) { return Append(std::string(block.begin(), block.end())); }
  void Put16(size_t at, UINT value) { WriteU16LE(&bytes[at], value); }
  void Put32(size_t at, DWORD value) { WriteU32LE(&bytes[at], value); }

  ByteBuffer bytes;
};

BOOL Read(const ByteBuffer& bytes, ZultaDocData& doc, CZultaFile& file) {
  doc.styles.RemoveAll();
  doc.styles.AddDefaultEntries();
  return file.ReadDocument(bytes.data(), bytes.size(), doc);
}

void PutLogFont(OldFile& f, size_t at, int height, int weight, BYTE italic, const char* face) {
  f.Put16(at, static_cast<WORD>(height));
  f.Put16(at + 8, weight);
  f.bytes[at + 10] = italic;
  std::memcpy(&f.bytes[at + 18], face, std::strlen(face));
}

TEST(OldVersionTest, Version12TextFontsAndTitle) {
  OldFile f(2, kHeader12Size);
  f.Put16(4, f.Append("tc"));
  f.Put16(6, 2);
  f.Put16(12, f.Append("t]c"));
  f.Put16(14, 3);
  f.Put16(18, f.Append("Hi\r\nyo"));
  f.Put16(16, 6);
  PutLogFont(f, 60, -40, 700, 0, "Pomlar David");
  PutLogFont(f, 110, -16, 400, 1, "Arial");
  ZultaDocData doc;
  CZultaFile file;
  ASSERT_TRUE(Read(f.bytes, doc, file)) << file.GetError();
  EXPECT_EQ(doc.title, "\xE0\xE1");
  EXPECT_EQ(doc.sides[1].letters, "\xE0\xE1");
  EXPECT_EQ(doc.sides[1].points, (std::vector<BYTE>{HebCode::Qamats, 0}));
  EXPECT_EQ(doc.sides[1].attrs, (std::vector<DWORD>{0, 0}));
  EXPECT_EQ(doc.sides[1].pointSize, 14) << "whatever its stored height";
  EXPECT_EQ(doc.sides[1].style, 1);
  EXPECT_EQ(doc.sides[1].face, "Pomlar David 2");
  EXPECT_EQ(doc.sides[0].letters, "Hi\ryo");
  EXPECT_EQ(doc.sides[0].pointSize, 12);
  EXPECT_EQ(doc.sides[0].style, 2);
}

ByteBuffer OldAttrs(DWORD word, size_t count) {
  std::vector<DWORD> values(count + 1, word);
  values[0] = 12345;  // the dropped first entry
  ByteBuffer block;
  WritePackedRuns(values.data(), values.size(), block);
  return block;
}

std::string FontBlock13(WORD defaultSize, std::initializer_list<WORD> sizes,
                        std::initializer_list<const char*> faces) {
  ByteBuffer b;
  PutU16LE(b, 0);
  PutU16LE(b, static_cast<UINT>(sizes.size() + 1));
  PutU16LE(b, defaultSize);
  for (WORD s : sizes) PutU16LE(b, s);
  PutU16LE(b, static_cast<UINT>(faces.size()));
  for (const char* face : faces) b.insert(b.end(), face, face + std::strlen(face) + 1);
  return std::string(b.begin(), b.end());
}

OldFile MakeVersion13() {
  OldFile f(3, kHeader13Size);
  f.Put16(4, f.Append("t"));
  f.Put16(6, 1);
  f.Put32(12, f.Append("tc"));
  f.Put32(16, 2);
  const DWORD oldHebrew = (1u << 12) | (2u << 17) | (1u << 30) | (1u << 24);
  ByteBuffer hebrewAttrs = OldAttrs(oldHebrew, 2);
  f.Put32(20, f.Append(hebrewAttrs));
  f.Put32(24, static_cast<DWORD>(hebrewAttrs.size()));
  f.Put32(48, f.Append(" Hi"));
  f.Put32(44, 3);
  ByteBuffer englishAttrs = OldAttrs((1u << 12) | (1u << 30), 2);
  f.Put32(56, f.Append(englishAttrs));
  f.Put32(52, static_cast<DWORD>(englishAttrs.size()));
  std::string english = FontBlock13(10, {16}, {"Arial", "Courier"});
  f.Put32(72, f.Append(english));
  f.Put16(76, static_cast<UINT>(english.size()));
  std::string hebrew = FontBlock13(14, {16, 20}, {"Pomlar Stam", "courier", "Stam"});
  f.Put32(60, f.Append(hebrew));
  f.Put16(64, static_cast<UINT>(hebrew.size()));
  for (int i = 0; i < 8; ++i) f.Put32(100 + 4 * i, 0x100 + i);
  f.Put16(138, 5);
  f.Put16(140, 5);
  return f;
}

TEST(OldVersionTest, Version13MapsFacesSizesAndWordSpace) {
  OldFile f = MakeVersion13();
  ZultaDocData doc;
  CZultaFile file;
  ASSERT_TRUE(Read(f.bytes, doc, file)) << file.GetError();
  EXPECT_EQ(doc.title, "\xE0");
  EXPECT_EQ(doc.sides[1].face, "Pomlar Stam 2");
  EXPECT_EQ(doc.sides[0].face, "Arial");
  EXPECT_EQ(doc.sides[0].pointSize, 10);
  ASSERT_EQ(doc.styles.fontNames.GetSize(), 3) << "the defaults are the sides'";
  EXPECT_EQ(doc.styles.fontNames[1], "Courier");
  EXPECT_EQ(doc.styles.fontNames[2], "Pomlar Stam 2");
  ASSERT_EQ(doc.styles.fontSizes.GetSize(), 3);
  ASSERT_EQ(doc.styles.wordSpace.GetSize(), 2) << "the Hebrew word space reuses the English one";
  EXPECT_EQ(doc.sides[1].colors[0], 0x100u);
  EXPECT_EQ(doc.sides[0].colors[3], 0x107u);
  EXPECT_EQ(doc.sides[0].letters, "Hi");
  ASSERT_EQ(doc.sides[1].attrs.size(), 2u);
  DWORD word = doc.sides[1].attrs[0];
  EXPECT_EQ(AttrFont(word), 1u) << "the Hebrew courier is the English Courier";
  EXPECT_EQ(AttrSize(word), 2u);
  EXPECT_EQ(AttrWordSpace(word), 1u);
  EXPECT_EQ(AttrStyle(word), 1u);
  EXPECT_EQ(AttrFont(doc.sides[0].attrs[1]), 1u);
  EXPECT_EQ(AttrWordSpace(doc.sides[0].attrs[1]), 1u);
}

TEST(OldVersionTest, Version13BadCountsAndEmptyEnglishText) {
  OldFile good = MakeVersion13();
  good.Put32(44, 0);
  ZultaDocData doc;
  CZultaFile file;
  ASSERT_TRUE(Read(good.bytes, doc, file)) << file.GetError();
  EXPECT_TRUE(doc.sides[0].letters.empty());

  OldFile tooManySizes = MakeVersion13();
  tooManySizes.Put16(ReadU32LE(&tooManySizes.bytes[72]) + 2, 65);
  CZultaFile file2;
  EXPECT_FALSE(Read(tooManySizes.bytes, doc, file2));

  OldFile noTerminator = MakeVersion13();
  noTerminator.Put16(76, GetU16LE(&noTerminator.bytes[76]) - 1);
  CZultaFile file3;
  EXPECT_FALSE(Read(noTerminator.bytes, doc, file3));
}

TEST(ImportTest, PlainTextGoesToTheSideWithMoreOfItsLetters) {
  struct Case {
    std::string text;
    int side;
    std::string letters;
  } cases[] = {
      {"Hello \xE0\xE1", 0, "Hello \xE0\xE1"},
      {"\xE0\xC8\xE1\r\nab", 1, "\xE0\xE1\rab"},
  };
  for (const Case& c : cases) {
    ZultaDocData doc;
    CZultaFile file;
    ByteBuffer bytes(c.text.begin(), c.text.end());
    ASSERT_TRUE(Read(bytes, doc, file));
    EXPECT_EQ(doc.sides[c.side].letters, c.letters);
    EXPECT_TRUE(doc.sides[1 - c.side].letters.empty());
    EXPECT_EQ(doc.sides[c.side].attrs.size(), c.letters.size());
  }
  ZultaDocData doc;
  CZultaFile file;
  EXPECT_TRUE(Read(ByteBuffer(), doc, file));
  EXPECT_TRUE(doc.sides[0].letters.empty() && doc.sides[1].letters.empty());
}

}  // namespace
