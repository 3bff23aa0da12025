#include "classlib/core/CFile.h"
#include "classlib/tests/core/CaughtException.h"
#include "classlib/tests/core/ScratchDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>

namespace {

class FileTest : public ::testing::Test {
 protected:
  // The cause that Open reports for path and flags; FALSE from Open expected.
  static CFileException OpenError(const std::string& path, UINT flags) {
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(path.c_str(), flags, &error)) << path;
    EXPECT_EQ(file.m_hFile, CFile::hFileNull);
    return error;
  }

  ScratchDir dir;
};

TEST_F(FileTest, MissingFileReportsNotFoundWithItsName) {
  const std::string path = dir.Path("missing.zlt");
  const CFileException error = OpenError(path, CFile::modeRead);
  EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
  EXPECT_EQ(CFileException::OsErrorToException(error.m_lOsError), CFileException::fileNotFound);
  EXPECT_EQ(error.m_strFileName, path.c_str());

  auto thrown = CatchFrom<CFileException>([&] { CFile file(path.c_str(), CFile::modeRead); });
  ASSERT_TRUE(thrown);
  EXPECT_EQ(thrown->m_cause, CFileException::fileNotFound);
  EXPECT_EQ(thrown->m_strFileName, path.c_str());

  EXPECT_FALSE(CFile().Open(path.c_str(), CFile::modeRead));  // no error object: just FALSE
}

TEST_F(FileTest, MissingFolderIsABadPath) {
  const CFileException error = OpenError(dir.Path("no-such-folder/file.zlt"), CFile::modeRead);
#ifdef _WIN32
  EXPECT_EQ(error.m_cause, CFileException::badPath);
#else
  // POSIX tells a missing folder from a missing file by nothing but ENOENT.
  EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
#endif
}

TEST_F(FileTest, AFolderIsNoFileToOpen) {
  for (UINT flags : {(UINT)CFile::modeRead, (UINT)CFile::modeWrite, (UINT)CFile::modeReadWrite}) {
    EXPECT_EQ(OpenError(dir.Path(""), flags).m_cause, CFileException::accessDenied) << flags;
  }
}

TEST_F(FileTest, ProtectedFileDeniesAccess) {
  const std::string path = dir.Write("secret.txt", "x");
#ifdef _WIN32
  // Windows files keep no more than a read-only attribute.
  const auto protection = std::filesystem::perms::owner_read;
  const UINT flags = CFile::modeWrite;
  const char* probeMode = "r+";
#else
  const auto protection = std::filesystem::perms::none;
  const UINT flags = CFile::modeRead;
  const char* probeMode = "r";
#endif
  std::filesystem::permissions(path, protection);
  if (FILE* probe = std::fopen(path.c_str(), probeMode)) {
    std::fclose(probe);
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    GTEST_SKIP() << "permissions do not refuse this user (root)";
  }
  EXPECT_EQ(OpenError(path, flags).m_cause, CFileException::accessDenied);
  std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

#ifdef _WIN32
TEST_F(FileTest, ExclusiveShareRefusesASecondOpen) {
  const std::string path = dir.Write("shared.txt", "x");
  CFile first(path.c_str(), CFile::modeRead | CFile::shareExclusive);
  EXPECT_EQ(OpenError(path, CFile::modeRead).m_cause, CFileException::sharingViolation);
  first.Close();
  CFile reader(path.c_str(), CFile::modeRead | CFile::shareDenyWrite);
  CFile secondReader(path.c_str(), CFile::modeRead | CFile::shareDenyNone);
  EXPECT_EQ(OpenError(path, CFile::modeWrite | CFile::shareDenyNone).m_cause,
            CFileException::sharingViolation);
}
#endif

TEST_F(FileTest, ReadWriteSeekAndLength) {
  CFile file(dir.Path("data.bin").c_str(), CFile::modeCreate | CFile::modeReadWrite);
  const char bytes[] = "0123456789";
  file.Write(bytes, 10);
  EXPECT_EQ(file.GetPosition(), 10u);
  EXPECT_EQ(file.GetLength(), 10u);

  file.SeekToBegin();
  char buffer[16] = {};
  EXPECT_EQ(file.Read(buffer, sizeof buffer), 10u);  // a short count: the end
  EXPECT_EQ(std::string(buffer, 10), "0123456789");
  EXPECT_EQ(file.Read(buffer, sizeof buffer), 0u);

  EXPECT_EQ(file.Seek(-3, CFile::end), 7);
  EXPECT_EQ(file.Read(buffer, 2), 2u);
  EXPECT_EQ(std::string(buffer, 2), "78");
  EXPECT_EQ(file.Seek(-4, CFile::current), 5);
  EXPECT_EQ(file.SeekToEnd(), 10u);

  auto badSeek = CatchFrom<CFileException>([&] { file.Seek(-11, CFile::end); });
  ASSERT_TRUE(badSeek);
  EXPECT_EQ(badSeek->m_cause, CFileException::badSeek);
  EXPECT_EQ(badSeek->m_strFileName, file.GetFilePath());
  file.Flush();
}

TEST_F(FileTest, SetLengthCutsAndExtendsWithZerosKeepingThePosition) {
  CFile file(dir.Path("sized.bin").c_str(), CFile::modeCreate | CFile::modeReadWrite);
  file.Write("abcdefgh", 8);
  file.Seek(6, CFile::begin);
  file.SetLength(3);
  EXPECT_EQ(file.GetLength(), 3u);
  EXPECT_EQ(file.GetPosition(), 6u);
  file.SetLength(5);
  file.SeekToBegin();
  char buffer[8];
  ASSERT_EQ(file.Read(buffer, sizeof buffer), 5u);
  EXPECT_EQ(std::string(buffer, 5), std::string("abc\0\0", 5));
}

TEST_F(FileTest, CreateTruncatesUnlessToldNotTo) {
  const std::string path = dir.Write("kept.txt", "old contents");
  {
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
    EXPECT_EQ(file.GetLength(), 12u);
    file.Write("OLD", 3);
  }
  EXPECT_EQ(dir.Read("kept.txt"), "OLD contents");
  {
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    EXPECT_EQ(file.GetLength(), 0u);
  }
  EXPECT_EQ(dir.Read("kept.txt"), "");
  CFile created(dir.Path("new.txt").c_str(),
                CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
  EXPECT_EQ(created.GetLength(), 0u);
}

TEST_F(FileTest, ReadOnlyFileCannotBeWritten) {
  const std::string path = dir.Write("in.txt", "text");
  CFile file(path.c_str(), CFile::modeRead);
  auto e = CatchFrom<CFileException>([&] { file.Write("x", 1); });
  ASSERT_TRUE(e);
  EXPECT_NE(e->m_cause, CFileException::none);
  EXPECT_EQ(e->m_strFileName, file.GetFilePath());
}

#ifdef __linux__
TEST_F(FileTest, WriteToAFullDiskThrowsDiskFull) {
  CFile file("/dev/full", CFile::modeWrite);
  auto e = CatchFrom<CFileException>([&] { file.Write("data", 4); });
  ASSERT_TRUE(e);
  EXPECT_EQ(e->m_cause, CFileException::diskFull);
  EXPECT_EQ(e->m_strFileName, "/dev/full");
}
#endif

TEST_F(FileTest, HandleConstructorLeavesTheHandleOpen) {
  const std::string path = dir.Write("shared.bin", "abcdef");
  CFile owner(path.c_str(), CFile::modeRead);
  {
    CFile borrower(owner.m_hFile);
    EXPECT_FALSE(borrower.m_bCloseOnDelete);
    char two[2];
    EXPECT_EQ(borrower.Read(two, 2), 2u);
    EXPECT_TRUE(borrower.GetFilePath().IsEmpty());
  }
  // The same handle, still open, at the position the borrower left.
  char rest[8];
  EXPECT_EQ(owner.Read(rest, sizeof rest), 4u);
  EXPECT_EQ(std::string(rest, 4), "cdef");
  owner.Close();
  EXPECT_EQ(owner.m_hFile, CFile::hFileNull);
  EXPECT_TRUE(owner.GetFilePath().IsEmpty());
}

TEST_F(FileTest, CloseReportsABadHandleAndAbortDoesNot) {
  // Open and close a file to come by a handle value that is no longer valid.
  UINT_PTR stale;
  {
    CFile file(dir.Write("gone.txt", "").c_str(), CFile::modeRead);
    stale = file.m_hFile;
  }
  CFile closing(stale);
  auto e = CatchFrom<CFileException>([&] { closing.Close(); });
  ASSERT_TRUE(e);
  EXPECT_EQ(e->m_cause, CFileException::invalidFile);
  EXPECT_EQ(closing.m_hFile, CFile::hFileNull);

  CFile aborting(stale);
  aborting.Abort();
  EXPECT_EQ(aborting.m_hFile, CFile::hFileNull);
  aborting.Abort();  // twice is harmless
}

TEST_F(FileTest, NamesOfTheOpenFile) {
  const std::string path = dir.Write("report.v2.zlt", "");
  CFile file(path.c_str(), CFile::modeRead);
  EXPECT_EQ(file.GetFilePath(), std::filesystem::absolute(path).string().c_str());
  EXPECT_EQ(file.GetFileName(), "report.v2.zlt");
  EXPECT_EQ(file.GetFileTitle(), "report.v2");

  CFile named;
  named.SetFilePath("C:\\docs\\letter.zlt");
  EXPECT_EQ(named.GetFileName(), "letter.zlt");
  EXPECT_EQ(named.GetFileTitle(), "letter");
  named.SetFilePath("/home/user/README");
  EXPECT_EQ(named.GetFileTitle(), "README");
}

TEST_F(FileTest, StatusOfFilesAndFolders) {
  const time_t before = std::time(nullptr);
  const std::string path = dir.Write("status.txt", "twelve bytes");
  CFileStatus status;
  ASSERT_TRUE(CFile::GetStatus(path.c_str(), status));
  EXPECT_EQ(status.m_size, 12);
  EXPECT_STREQ(status.m_szFullName, std::filesystem::absolute(path).string().c_str());
  EXPECT_EQ(status.m_attribute & CFile::directory, 0);
  // File times have a coarse grain on some file systems.
  EXPECT_GE(status.m_mtime.GetTime(), before - 2);
  EXPECT_LE(status.m_mtime.GetTime(), std::time(nullptr) + 2);

  ASSERT_TRUE(CFile::GetStatus(dir.Path("").c_str(), status));
  EXPECT_NE(status.m_attribute & CFile::directory, 0);

  EXPECT_FALSE(CFile::GetStatus(dir.Path("missing.txt").c_str(), status));
  EXPECT_STREQ(status.m_szFullName, "");
}

TEST_F(FileTest, RemoveAndRename) {
  const std::string first = dir.Write("first.txt", "1");
  const std::string second = dir.Write("second.txt", "2");

  auto exists = CatchFrom<CFileException>([&] { CFile::Rename(first.c_str(), second.c_str()); });
  ASSERT_TRUE(exists);
  EXPECT_EQ(exists->m_cause, CFileException::accessDenied);
  EXPECT_EQ(exists->m_strFileName, first.c_str());
  EXPECT_EQ(dir.Read("second.txt"), "2");

  CFile::Remove(second.c_str());
  CFile::Rename(first.c_str(), second.c_str());
  EXPECT_EQ(dir.Read("second.txt"), "1");
  EXPECT_FALSE(std::filesystem::exists(first));

  auto missing = CatchFrom<CFileException>([&] { CFile::Remove(first.c_str()); });
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->m_cause, CFileException::fileNotFound);
  EXPECT_EQ(missing->m_strFileName, first.c_str());

  auto renameMissing =
      CatchFrom<CFileException>([&] { CFile::Rename(first.c_str(), dir.Path("x").c_str()); });
  ASSERT_TRUE(renameMissing);
  EXPECT_EQ(renameMissing->m_cause, CFileException::fileNotFound);
}

}  // namespace
