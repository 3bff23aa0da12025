// Diagnostic macros of the class library. Checks cost nothing in release
// builds; VERIFY still evaluates its expression.
#pragma once

#include <cassert>

#ifdef NDEBUG
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#else
#define ASSERT(f) assert(f)
#define VERIFY(f) assert(f)
#endif
#define ASSERT_VALID(p) ASSERT((p) != nullptr)
#define TRACE(...) ((void)0)
