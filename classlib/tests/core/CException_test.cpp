#include "classlib/core/CArchiveException.h"
#include "classlib/core/CException.h"
#include "classlib/core/CFileException.h"
#include "classlib/tests/core/CaughtException.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

namespace {

// Counts the exceptions alive, to see who deletes them.
class CCountedException : public CException {
 public:
  CCountedException() { ++alive; }
  ~CCountedException() override { --alive; }
  static int alive;
};
int CCountedException::alive = 0;

class CSecondException : public CException {};

TEST(ExceptionMacros, CatchDeletesTheExceptionWhenTheHandlerEnds) {
  bool handled = false;
  TRY { THROW(new CCountedException); }
  CATCH(CCountedException, e) {
    EXPECT_EQ(CCountedException::alive, 1);
    handled = true;
  }
  END_CATCH
  EXPECT_TRUE(handled);
  EXPECT_EQ(CCountedException::alive, 0);
}

TEST(ExceptionMacros, AndCatchTakesTheMatchingClass) {
  int handler = 0;
  TRY { throw new CSecondException; }
  CATCH(CCountedException, e) { handler = 1; }
  AND_CATCH(CSecondException, e) { handler = 2; }
  END_CATCH
  EXPECT_EQ(handler, 2);
}

TEST(ExceptionMacros, ThrowLastPassesTheSameExceptionOnUndeleted) {
  CCountedException* original = nullptr;
  try {
    TRY {
      original = new CCountedException;
      THROW(original);
    }
    CATCH_ALL(e) { THROW_LAST(); }
    END_CATCH_ALL
  } catch (CException* e) {
    EXPECT_EQ(e, original);
    EXPECT_EQ(CCountedException::alive, 1);
    e->Delete();
  }
  EXPECT_EQ(CCountedException::alive, 0);
}

TEST(Exception, DeleteLeavesExceptionsThatAreNotOnTheHeap) {
  CMemoryException onStack(FALSE);
  onStack.Delete();  // ASan reports a free of a stack object otherwise
  EXPECT_TRUE(onStack.IsKindOf(RUNTIME_CLASS(CException)));
}

TEST(Exception, MemoryExceptionIsPreallocatedAndSurvivesDelete) {
  CMemoryException* first = nullptr;
  for (int i = 0; i < 2; ++i) {
    try {
      AfxThrowMemoryException();
    } catch (CMemoryException* e) {
      if (first == nullptr) first = e;
      EXPECT_EQ(e, first);
      e->Delete();
    }
  }
  char text[64];
  EXPECT_TRUE(first->GetErrorMessage(text, sizeof text));
  EXPECT_STREQ(text, "Out of memory.");
}

TEST(Exception, BaseHasNoMessage) {
  CException plain(FALSE);
  char text[8] = "junk";
  UINT help = 99;
  EXPECT_FALSE(plain.GetErrorMessage(text, sizeof text, &help));
  EXPECT_STREQ(text, "");
  EXPECT_EQ(help, 0u);
}

TEST(FileException, MessageNamesTheFileAndFitsTheBuffer) {
  CFileException missing(CFileException::fileNotFound, ENOENT, "C:\\docs\\notes.zlt");
  char text[256];
  ASSERT_TRUE(missing.GetErrorMessage(text, sizeof text));
  EXPECT_NE(std::string(text).find("C:\\docs\\notes.zlt"), std::string::npos);

  char small[6];
  ASSERT_TRUE(missing.GetErrorMessage(small, sizeof small));
  EXPECT_EQ(std::string(small), std::string(text).substr(0, 5));

  CFileException unnamed(CFileException::diskFull);
  ASSERT_TRUE(unnamed.GetErrorMessage(text, sizeof text));
  EXPECT_NE(std::string(text).find("an unnamed file"), std::string::npos);

  // An out-of-range cause reads as a generic error rather than past the table.
  CFileException odd(1000);
  EXPECT_TRUE(odd.GetErrorMessage(text, sizeof text));
  EXPECT_FALSE(odd.GetErrorMessage(text, 0));
}

TEST(FileException, ThrowHelpersCarryCauseErrorAndName) {
  auto denied = CatchFrom<CFileException>([] { CFileException::ThrowErrno(EACCES, "locked.txt"); });
  ASSERT_TRUE(denied);
  EXPECT_EQ(denied->m_cause, CFileException::accessDenied);
  EXPECT_EQ(denied->m_lOsError, EACCES);
  EXPECT_EQ(denied->m_strFileName, "locked.txt");

  auto seek = CatchFrom<CException>([] { AfxThrowFileException(CFileException::badSeek); });
  ASSERT_TRUE(seek);
  ASSERT_TRUE(seek->IsKindOf(RUNTIME_CLASS(CFileException)));
  const CFileException* file = static_cast<CFileException*>(seek.get());
  EXPECT_EQ(file->m_cause, CFileException::badSeek);
  EXPECT_EQ(file->m_lOsError, -1);
  EXPECT_TRUE(file->m_strFileName.IsEmpty());
}

struct ErrorCase {
  LONG error;
  int cause;
};

TEST(FileException, ErrnoValuesMapToCauses) {
  const ErrorCase cases[] = {
      {0, CFileException::none},
      {ENOENT, CFileException::fileNotFound},
      {ENOTDIR, CFileException::badPath},
      {ENAMETOOLONG, CFileException::badPath},
      {EMFILE, CFileException::tooManyOpenFiles},
      {EACCES, CFileException::accessDenied},
      {EPERM, CFileException::accessDenied},
      {EISDIR, CFileException::accessDenied},
      {EEXIST, CFileException::accessDenied},
      {EBADF, CFileException::invalidFile},
      {ESPIPE, CFileException::badSeek},
      {EIO, CFileException::hardIO},
      {EDEADLK, CFileException::lockViolation},
      {ENOSPC, CFileException::diskFull},
      {EINVAL, CFileException::generic},
  };
  for (const ErrorCase& c : cases) {
    EXPECT_EQ(CFileException::ErrnoToException((int)c.error), c.cause) << "errno " << c.error;
  }
}

TEST(FileException, OperatingSystemErrorsMapToCauses) {
#ifdef _WIN32
  const ErrorCase cases[] = {
      {ERROR_SUCCESS, CFileException::none},
      {ERROR_FILE_NOT_FOUND, CFileException::fileNotFound},
      {ERROR_PATH_NOT_FOUND, CFileException::badPath},
      {ERROR_INVALID_NAME, CFileException::badPath},
      {ERROR_TOO_MANY_OPEN_FILES, CFileException::tooManyOpenFiles},
      {ERROR_ACCESS_DENIED, CFileException::accessDenied},
      {ERROR_FILE_EXISTS, CFileException::accessDenied},
      {ERROR_INVALID_HANDLE, CFileException::invalidFile},
      {ERROR_CURRENT_DIRECTORY, CFileException::removeCurrentDir},
      {ERROR_CANNOT_MAKE, CFileException::directoryFull},
      {ERROR_NEGATIVE_SEEK, CFileException::badSeek},
      {ERROR_CRC, CFileException::hardIO},
      {ERROR_SHARING_VIOLATION, CFileException::sharingViolation},
      {ERROR_LOCK_VIOLATION, CFileException::lockViolation},
      {ERROR_DISK_FULL, CFileException::diskFull},
      {ERROR_HANDLE_EOF, CFileException::endOfFile},
      {ERROR_INVALID_PARAMETER, CFileException::generic},
  };
  for (const ErrorCase& c : cases) {
    EXPECT_EQ(CFileException::OsErrorToException(c.error), c.cause) << "error " << c.error;
  }
#else
  for (int error : {0, ENOENT, EACCES, ENOSPC, EINVAL}) {
    EXPECT_EQ(CFileException::OsErrorToException(error), CFileException::ErrnoToException(error));
  }
#endif
}

TEST(ArchiveException, CarriesCauseAndName) {
  auto e = CatchFrom<CArchiveException>(
      [] { AfxThrowArchiveException(CArchiveException::endOfFile, "short.zlt"); });
  ASSERT_TRUE(e);
  EXPECT_EQ(e->m_cause, CArchiveException::endOfFile);
  EXPECT_EQ(e->m_strFileName, "short.zlt");
  char text[256];
  EXPECT_TRUE(e->GetErrorMessage(text, sizeof text));
  EXPECT_NE(std::string(text).find("short.zlt"), std::string::npos);
}

}  // namespace
