#include "classlib/core/CArchive.h"
#include "classlib/core/CArchiveException.h"
#include "classlib/core/CMemFile.h"
#include "classlib/tests/core/CaughtException.h"
#include "classlib/tests/core/ScratchDir.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <functional>
#include <string>
#include <vector>

namespace {

std::string Contents(CFile& file) {
  std::string bytes(file.GetLength(), '?');
  file.SeekToBegin();
  EXPECT_EQ(file.Read(&bytes[0], (UINT)bytes.size()), bytes.size());
  return bytes;
}

// The bytes that storing gives, through a buffer of bufSize bytes.
std::string Stored(const std::function<void(CArchive&)>& store, int bufSize = 4096) {
  CMemFile file;
  CArchive ar(&file, CArchive::store, bufSize);
  store(ar);
  ar.Close();
  return Contents(file);
}

// A loading archive over a copy of some bytes.
class Loading {
 public:
  explicit Loading(const std::string& bytes, int bufSize = 4096, void* lpBuf = nullptr)
      : m_bytes(bytes.begin(), bytes.end()),
        m_file(m_bytes.data(), (UINT)m_bytes.size()),
        ar(&m_file, CArchive::load, bufSize, lpBuf) {}

 private:
  std::vector<BYTE> m_bytes;
  CMemFile m_file;

 public:
  CArchive ar;
};

// A string of every byte value but zero, over and over.
CString EightBitText(int length) {
  CString text;
  LPSTR buffer = text.GetBufferSetLength(length);
  for (int i = 0; i < length; ++i) buffer[i] = (char)(1 + i % 255);
  text.ReleaseBuffer(length);
  return text;
}

const int kStringLengths[] = {0, 1, 254, 255, 256, 0xFFFD, 0xFFFE, 0xFFFF, 70000};

class ArchiveRoundTrip : public ::testing::TestWithParam<int> {};

TEST_P(ArchiveRoundTrip, EveryTypeComesBackAsStored) {
  const int bufSize = GetParam();
  const std::string bytes = Stored(
      [](CArchive& ar) {
        ar << (BYTE)0 << (BYTE)0x80 << (BYTE)0xFF << (WORD)0xFFFE << (short)-2 << (char)-23 << 'z'
           << INT_MIN << INT_MAX << 0xFEDCBA98u << (LONG)-123456 << (DWORD)0x80000001 << 1.5f
           << -FLT_MAX << 3.141592653589793 << -DBL_MIN;
        for (int length : kStringLengths) ar << EightBitText(length);
        ar << CString("\xE0\xE1\xE2 Hebrew bytes");
      },
      bufSize);

  // The same through the caller's own buffer, when there is one.
  std::vector<BYTE> userBuffer(bufSize > 0 ? bufSize : 1);
  Loading loading(bytes, bufSize, bufSize > 0 ? userBuffer.data() : nullptr);
  CArchive& ar = loading.ar;
  BYTE b0, b1, b2;
  WORD w;
  short s;
  char c1, c2;
  int i1, i2;
  unsigned u;
  LONG l;
  DWORD dw;
  float f1, f2;
  double d1, d2;
  ar >> b0 >> b1 >> b2 >> w >> s >> c1 >> c2 >> i1 >> i2 >> u >> l >> dw >> f1 >> f2 >> d1 >> d2;
  EXPECT_EQ(b0, 0);
  EXPECT_EQ(b1, 0x80);
  EXPECT_EQ(b2, 0xFF);
  EXPECT_EQ(w, 0xFFFE);
  EXPECT_EQ(s, -2);
  EXPECT_EQ(c1, (char)-23);
  EXPECT_EQ(c2, 'z');
  EXPECT_EQ(i1, INT_MIN);
  EXPECT_EQ(i2, INT_MAX);
  EXPECT_EQ(u, 0xFEDCBA98u);
  EXPECT_EQ(l, -123456);
  EXPECT_EQ(dw, 0x80000001u);
  EXPECT_EQ(f1, 1.5f);
  EXPECT_EQ(f2, -FLT_MAX);
  EXPECT_EQ(d1, 3.141592653589793);
  EXPECT_EQ(d2, -DBL_MIN);
  for (int length : kStringLengths) {
    CString text;
    ar >> text;
    EXPECT_EQ(text.GetLength(), length);
    EXPECT_TRUE(text == EightBitText(length)) << "length " << length;
  }
  CString hebrew;
  ar >> hebrew;
  EXPECT_EQ(hebrew, "\xE0\xE1\xE2 Hebrew bytes");
  BYTE extra;
  EXPECT_EQ(ar.Read(&extra, 1), 0u);
}

INSTANTIATE_TEST_SUITE_P(BufferSizes, ArchiveRoundTrip, ::testing::Values(0, 1, 3, 16, 4096));

TEST(Archive, ValuesAreLittleEndianOnDisk) {
  EXPECT_EQ(Stored([](CArchive& ar) { ar << (WORD)0x1234 << (DWORD)0x89ABCDEF << (short)-2; }),
            std::string("\x34\x12\xEF\xCD\xAB\x89\xFE\xFF", 8));
  EXPECT_EQ(Stored([](CArchive& ar) { ar << 1.0 << 2.0f; }),
            std::string("\0\0\0\0\0\0\xF0\x3F\0\0\0\x40", 12));
}

TEST(Archive, StringLengthPrefixes) {
  struct Case {
    int length;
    std::string prefix;
  } cases[] = {
      {0, std::string("\x00", 1)},
      {3, "\x03"},
      {254, "\xFE"},
      {255, std::string("\xFF\xFF\x00", 3)},
      {300, "\xFF\x2C\x01"},
      {0xFFFD, "\xFF\xFD\xFF"},
      {0xFFFE, std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7)},
      {0x12345, std::string("\xFF\xFF\xFF\x45\x23\x01\x00", 7)},
  };
  for (const Case& c : cases) {
    const CString text = EightBitText(c.length);
    const std::string bytes = Stored([&](CArchive& ar) { ar << text; });
    EXPECT_EQ(bytes.substr(0, c.prefix.size()), c.prefix) << "length " << c.length;
    EXPECT_EQ(bytes.size(), c.prefix.size() + c.length);
  }
}

TEST(Archive, CountsUseAWordOrAMarkedDword) {
  EXPECT_EQ(Stored([](CArchive& ar) { ar.WriteCount(7); }), std::string("\x07\x00", 2));
  EXPECT_EQ(Stored([](CArchive& ar) { ar.WriteCount(0xFFFE); }), "\xFE\xFF");
  EXPECT_EQ(Stored([](CArchive& ar) { ar.WriteCount(0xFFFF); }),
            std::string("\xFF\xFF\xFF\xFF\x00\x00", 6));
  for (DWORD count : {0u, 0xFFFEu, 0xFFFFu, 100000u, 0xFFFFFFFFu}) {
    Loading loading(Stored([&](CArchive& ar) { ar.WriteCount(count); }));
    EXPECT_EQ(loading.ar.ReadCount(), count);
  }
}

// Storing one value and loading it back from every shorter prefix of its
// bytes must fail with endOfFile, and never read beyond what is there.
struct TruncationCase {
  const char* name;
  std::function<void(CArchive&)> store;
  std::function<void(CArchive&)> load;
};

TEST(Archive, TruncatedDataThrowsEndOfFile) {
  BYTE by;
  WORD w;
  short s;
  char ch;
  int i;
  unsigned u;
  float f;
  double d;
  CString text;
  const TruncationCase cases[] = {
      {"BYTE", [](CArchive& ar) { ar << (BYTE)1; }, [&](CArchive& ar) { ar >> by; }},
      {"WORD", [](CArchive& ar) { ar << (WORD)1; }, [&](CArchive& ar) { ar >> w; }},
      {"short", [](CArchive& ar) { ar << (short)1; }, [&](CArchive& ar) { ar >> s; }},
      {"char", [](CArchive& ar) { ar << 'a'; }, [&](CArchive& ar) { ar >> ch; }},
      {"int", [](CArchive& ar) { ar << 1; }, [&](CArchive& ar) { ar >> i; }},
      {"unsigned", [](CArchive& ar) { ar << 1u; }, [&](CArchive& ar) { ar >> u; }},
      {"float", [](CArchive& ar) { ar << 1.0f; }, [&](CArchive& ar) { ar >> f; }},
      {"double", [](CArchive& ar) { ar << 1.0; }, [&](CArchive& ar) { ar >> d; }},
      {"count", [](CArchive& ar) { ar.WriteCount(100000); }, [&](CArchive& ar) { ar.ReadCount(); }},
      {"short string", [](CArchive& ar) { ar << CString("abc"); },
       [&](CArchive& ar) { ar >> text; }},
      {"long string", [](CArchive& ar) { ar << EightBitText(300); },
       [&](CArchive& ar) { ar >> text; }},
      {"huge string", [](CArchive& ar) { ar << EightBitText(70000); },
       [&](CArchive& ar) { ar >> text; }},
  };
  for (const TruncationCase& c : cases) {
    const std::string bytes = Stored(c.store);
    for (size_t cut :
         {(size_t)0, (size_t)1, (size_t)2, (size_t)4, bytes.size() / 2, bytes.size() - 1}) {
      if (cut >= bytes.size()) continue;
      Loading loading(bytes.substr(0, cut), 16);
      auto e = CatchFrom<CArchiveException>([&] { c.load(loading.ar); });
      ASSERT_TRUE(e) << c.name << " cut to " << cut;
      EXPECT_EQ(e->m_cause, CArchiveException::endOfFile) << c.name << " cut to " << cut;
    }
  }
}

TEST(Archive, DamagedStringLengthsThrowRatherThanAllocate) {
  CString text = "unchanged";
  // About two gigabytes announced, ten bytes there.
  Loading huge(
      std::string("\xFF\xFF\xFF\xF0\xFF\xFF\x7F"
                  "0123456789",
                  17));
  auto e = CatchFrom<CArchiveException>([&] { huge.ar >> text; });
  ASSERT_TRUE(e);
  EXPECT_EQ(e->m_cause, CArchiveException::endOfFile);
  EXPECT_EQ(text, "unchanged");

  // More than a string can hold at all.
  Loading tooLong(std::string("\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 7));
  e = CatchFrom<CArchiveException>([&] { tooLong.ar >> text; });
  ASSERT_TRUE(e);
  EXPECT_EQ(e->m_cause, CArchiveException::generic);

  // The marker of a wide-character string, which this program never writes.
  Loading wide(std::string("\xFF\xFE\xFF\x01\x41\x00", 6));
  e = CatchFrom<CArchiveException>([&] { wide.ar >> text; });
  ASSERT_TRUE(e);
  EXPECT_EQ(e->m_cause, CArchiveException::generic);
}

TEST(Archive, WrongDirectionThrows) {
  CMemFile file;
  CArchive storing(&file, CArchive::store);
  BYTE by;
  auto e = CatchFrom<CArchiveException>([&] { storing >> by; });
  ASSERT_TRUE(e);
  EXPECT_EQ(e->m_cause, CArchiveException::writeOnly);
  EXPECT_TRUE(storing.IsStoring());
  EXPECT_FALSE(storing.IsLoading());
  EXPECT_EQ(storing.GetFile(), &file);

  Loading loading("abc");
  e = CatchFrom<CArchiveException>([&] { loading.ar << (BYTE)1; });
  ASSERT_TRUE(e);
  EXPECT_EQ(e->m_cause, CArchiveException::readOnly);
  EXPECT_TRUE(loading.ar.IsLoading());
}

TEST(Archive, TextLines) {
  const std::string bytes = Stored([](CArchive& ar) {
    ar.WriteString("one\r\n");
    ar.WriteString("two\n\n");
    ar.WriteString("three");
  });
  EXPECT_EQ(bytes, "one\r\ntwo\n\nthree");

  Loading loading(bytes, 2);
  std::vector<std::string> lines;
  CString line;
  while (loading.ar.ReadString(line)) lines.emplace_back(line, line.GetLength());
  EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "", "three"}));
  EXPECT_TRUE(line.IsEmpty());

  Loading bounded("abcdef\r\nxy\n");
  char buffer[4];
  std::vector<std::string> parts;
  while (bounded.ar.ReadString(buffer, sizeof buffer) != nullptr) parts.emplace_back(buffer);
  EXPECT_EQ(parts, (std::vector<std::string>{"abc", "def", "", "xy"}));
}

TEST(Archive, LoadingFlushPutsTheFileBackWhereTheArchiveIs) {
  Loading loading("0123456789");
  BYTE first;
  loading.ar >> first;  // the buffer has taken all ten bytes from the file
  EXPECT_EQ(loading.ar.GetFile()->GetPosition(), 10u);
  loading.ar.Flush();
  EXPECT_EQ(loading.ar.GetFile()->GetPosition(), 1u);
  loading.ar >> first;
  EXPECT_EQ(first, '1');
}

TEST(Archive, DestructorFlushesUnlessToldNotTo) {
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    ar << 7;
  }
  EXPECT_EQ(file.GetLength(), 4u);
  {
    CArchive ar(&file, CArchive::store | CArchive::bNoFlushOnDelete);
    ar << 8;
  }
  EXPECT_EQ(file.GetLength(), 4u);
  {
    CArchive ar(&file, CArchive::store);
    ar << 9;
    ar.Abort();
  }
  EXPECT_EQ(file.GetLength(), 4u);
}

TEST(Archive, ErrorsNameTheArchivesFile) {
  ScratchDir dir;
  const std::string path = dir.Path("doc.zlt");
  {
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    CArchive ar(&file, CArchive::store);
    EXPECT_EQ(ar.m_strFileName, file.GetFilePath());
    EXPECT_EQ(ar.m_pDocument, nullptr);
    ar << (WORD)5;
    ar.Close();
  }
  CFile file(path.c_str(), CFile::modeRead);
  CArchive ar(&file, CArchive::load);
  int value;
  auto e = CatchFrom<CArchiveException>([&] { ar >> value; });
  ASSERT_TRUE(e);
  EXPECT_EQ(e->m_cause, CArchiveException::endOfFile);
  EXPECT_EQ(e->m_strFileName, file.GetFilePath());
  ar.Close();
}

}  // namespace
