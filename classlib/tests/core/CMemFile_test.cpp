#include "classlib/core/CMemFile.h"
#include "classlib/tests/core/CaughtException.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string Contents(CMemFile& file) {
  std::string bytes(file.GetLength(), '?');
  file.SeekToBegin();
  EXPECT_EQ(file.Read(&bytes[0], (UINT)bytes.size()), bytes.size());
  return bytes;
}

TEST(MemFile, GrowsAsDataIsWritten) {
  CMemFile file(16);
  std::string expected;
  for (int i = 0; i < 50; ++i) {
    const std::string piece = "piece " + std::to_string(i) + ";";
    file.Write(piece.data(), (UINT)piece.size());
    expected += piece;
  }
  EXPECT_EQ(file.GetLength(), expected.size());
  EXPECT_EQ(file.GetPosition(), expected.size());
  EXPECT_EQ(Contents(file), expected);
  char byte;
  EXPECT_EQ(file.Read(&byte, 1), 0u);
}

TEST(MemFile, WritingBeyondTheEndFillsTheGapWithZeros) {
  CMemFile file(8);
  file.Write("ab", 2);
  EXPECT_EQ(file.Seek(10, CFile::begin), 10);
  char byte;
  EXPECT_EQ(file.Read(&byte, 1), 0u);  // nothing there yet
  EXPECT_EQ(file.GetLength(), 2u);
  file.Write("z", 1);
  EXPECT_EQ(Contents(file), std::string("ab\0\0\0\0\0\0\0\0z", 11));
}

TEST(MemFile, ShortenedDataDoesNotComeBack) {
  CMemFile file;
  file.Write("abcdefgh", 8);
  file.SetLength(2);
  EXPECT_EQ(file.GetPosition(), 2u);  // moved back to the new end
  file.SetLength(5);
  EXPECT_EQ(Contents(file), std::string("ab\0\0\0", 5));
}

TEST(MemFile, NegativeSeekThrowsBadSeek) {
  CMemFile file;
  file.Write("abc", 3);
  auto e = CatchFrom<CFileException>([&] { file.Seek(-4, CFile::current); });
  ASSERT_TRUE(e);
  EXPECT_EQ(e->m_cause, CFileException::badSeek);
  EXPECT_EQ(file.GetPosition(), 3u);
  EXPECT_EQ(file.Seek(-1, CFile::end), 2);
}

TEST(MemFile, AttachedFixedBlockIsAFileThatCannotGrow) {
  BYTE block[4] = {'w', 'x', 'y', 'z'};
  CMemFile file(block, sizeof block);
  EXPECT_EQ(Contents(file), "wxyz");
  file.Seek(1, CFile::begin);
  file.Write("XY", 2);
  EXPECT_EQ(std::string((char*)block, 4), "wXYz");
  auto e = CatchFrom<CMemoryException>([&] { file.Write("12", 2); });
  ASSERT_TRUE(e);
  EXPECT_EQ(std::string((char*)block, 4), "wXYz");
  EXPECT_EQ(file.Detach(), block);
  EXPECT_EQ(file.GetLength(), 0u);
}

TEST(MemFile, AttachedGrowingBlockStartsEmptyAndIsDetachedByTheCaller) {
  BYTE* block = (BYTE*)std::malloc(4);
  std::memcpy(block, "junk", 4);
  CMemFile file;
  file.Attach(block, 4, 4);
  EXPECT_EQ(file.GetLength(), 0u);
  file.Write("0123456789", 10);
  BYTE* grown = file.Detach();
  EXPECT_EQ(std::string((char*)grown, 10), "0123456789");
  EXPECT_EQ(file.GetLength(), 0u);
  std::free(grown);
}

TEST(MemFile, DetachHandsOverTheFilesOwnBuffer) {
  CMemFile file;
  file.Write("kept", 4);
  BYTE* buffer = file.Detach();
  EXPECT_EQ(std::string((char*)buffer, 4), "kept");
  std::free(buffer);
  file.Write("new", 3);  // the file carries on with a buffer of its own
  EXPECT_EQ(Contents(file), "new");
  file.Close();
  EXPECT_EQ(file.GetLength(), 0u);
}

}  // namespace
