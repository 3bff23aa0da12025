#include "classlib/core/CStdioFile.h"
#include "classlib/tests/core/CaughtException.h"
#include "classlib/tests/core/ScratchDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class StdioFileTest : public ::testing::Test {
 protected:
  // Every line that ReadString(CString&) gives for a file of these bytes.
  std::vector<std::string> ReadLines(const std::string& bytes, UINT typeFlag = 0) {
    CStdioFile file(dir.Write("lines.txt", bytes).c_str(), CFile::modeRead | typeFlag);
    std::vector<std::string> lines;
    CString line = "not cleared";
    while (file.ReadString(line)) lines.emplace_back(line, line.GetLength());
    EXPECT_TRUE(line.IsEmpty());
    return lines;
  }

  ScratchDir dir;
};

using LineList = std::vector<std::string>;

TEST_F(StdioFileTest, LinesEndInNewlineOrCarriageReturnNewline) {
  EXPECT_EQ(ReadLines("first\r\nsecond\n\nlast"), (LineList{"first", "second", "", "last"}));
  EXPECT_EQ(ReadLines("one\n"), (LineList{"one"}));
  EXPECT_EQ(ReadLines("\n"), (LineList{""}));
  EXPECT_EQ(ReadLines(""), (LineList{}));
  // A carriage return elsewhere is text; bytes above 127 are text.
  EXPECT_EQ(ReadLines("a\rb\r\n\xE0\xFA\n"), (LineList{"a\rb", "\xE0\xFA"}));
}

TEST_F(StdioFileTest, BinaryModeKeepsCarriageReturns) {
  EXPECT_EQ(ReadLines("first\r\nlast\r", CFile::typeBinary), (LineList{"first\r", "last\r"}));
}

TEST_F(StdioFileTest, BoundedReadStringKeepsTheNewlineAndSplitsLongLines) {
  CStdioFile file(dir.Write("bounded.txt", "abcdef\r\nxy").c_str(), CFile::modeRead);
  char buffer[4];
  std::vector<std::string> parts;
  while (file.ReadString(buffer, sizeof buffer) != nullptr) parts.emplace_back(buffer);
  EXPECT_EQ(parts, (LineList{"abc", "def", "\n", "xy"}));
}

TEST_F(StdioFileTest, WrittenLinesReadBack) {
  {
    CStdioFile file(dir.Path("out.txt").c_str(), CFile::modeCreate | CFile::modeWrite);
    file.WriteString("alef\n");
    file.WriteString("bet \xE1\n");
    file.WriteString("no newline");
    // Still in the stream's buffer, yet part of the length.
#ifdef _WIN32
    EXPECT_EQ(file.GetLength(), 23u);  // each "\n" went out as "\r\n"
#else
    EXPECT_EQ(file.GetLength(), 21u);
#endif
    file.Close();
  }
  EXPECT_EQ(ReadLines(dir.Read("out.txt")), (LineList{"alef", "bet \xE1", "no newline"}));
}

TEST_F(StdioFileTest, BinaryWritesAreExact) {
  CStdioFile file(dir.Path("raw.bin").c_str(),
                  CFile::modeCreate | CFile::modeReadWrite | CFile::typeBinary);
  file.WriteString("a\nb");
  file.Write("\r\n\0z", 4);
  EXPECT_EQ(file.GetLength(), 7u);
  EXPECT_EQ(file.Seek(-1, CFile::end), 6);
  char last;
  EXPECT_EQ(file.Read(&last, 1), 1u);
  EXPECT_EQ(last, 'z');
  EXPECT_EQ(file.Read(&last, 1), 0u);
  file.Close();
  EXPECT_EQ(dir.Read("raw.bin"), std::string("a\nb\r\n\0z", 7));
}

TEST_F(StdioFileTest, OpenFailuresAreFileExceptions) {
  const std::string path = dir.Path("missing.txt");
  auto e = CatchFrom<CFileException>([&] { CStdioFile file(path.c_str(), CFile::modeRead); });
  ASSERT_TRUE(e);
  EXPECT_EQ(e->m_cause, CFileException::fileNotFound);
  EXPECT_EQ(e->m_strFileName, path.c_str());

  CStdioFile file;
  CFileException error;
  EXPECT_FALSE(file.Open(dir.Path("").c_str(), CFile::modeRead, &error));
  EXPECT_EQ(error.m_cause, CFileException::accessDenied);
  EXPECT_EQ(file.m_pStream, nullptr);
}

TEST_F(StdioFileTest, WrappedStreamStaysOpen) {
  FILE* stream = std::fopen(dir.Write("wrapped.txt", "one\ntwo\n").c_str(), "r");
  ASSERT_NE(stream, nullptr);
  {
    CStdioFile file(stream);
    CString line;
    EXPECT_TRUE(file.ReadString(line));
    EXPECT_EQ(line, "one");
    EXPECT_NE(file.m_hFile, CFile::hFileNull);
  }
  char rest[8] = {};
  EXPECT_NE(std::fgets(rest, sizeof rest, stream), nullptr);
  EXPECT_STREQ(rest, "two\n");
  std::fclose(stream);
}

}  // namespace
