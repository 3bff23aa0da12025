// Catching the library's pointer exceptions in tests:
//   auto e = CatchFrom<CFileException>([&] { file.Open(...); });
//   ASSERT_TRUE(e); EXPECT_EQ(e->m_cause, ...);
// The exception is Delete()d when the result goes.
#pragma once

#include "classlib/core/CException.h"

#include <memory>

struct ExceptionDeleter {
  void operator()(CException* e) const { e->Delete(); }
};

template <typename Exception>
using Caught = std::unique_ptr<Exception, ExceptionDeleter>;

// The exception of the given class that body throws, or nullptr if it throws
// none.
template <typename Exception, typename Body>
Caught<Exception> CatchFrom(Body&& body) {
  try {
    body();
  } catch (Exception* e) {
    return Caught<Exception>(e);
  }
  return nullptr;
}
