// Exceptions never leave a window procedure or the message loop: one that a
// message's handler lets through is reported and the program goes on.
#pragma once

#include <windows.h>

#include <new>

#include "classlib/core/CException.h"

// Handles an exception that the handler of *pMsg let through: the exception
// reports itself (unless it is a CUserException, whose user was told already)
// and is deleted. Returns the message's result: -1 for WM_CREATE, so that the
// creation fails, else 0.
LRESULT AfxProcessWndProcException(CException* e, const MSG& msg);

// Calls handle() for msg and returns its result, or the result of
// AfxProcessWndProcException when it throws. Other C++ exceptions are
// reported as a CMemoryException (std::bad_alloc) or as an error without
// a message of its own.
template <class Handler>
LRESULT AfxCallCatchingExceptions(const MSG msg, Handler&& handle) {
  try {
    return handle();
  } catch (CException* e) {
    return AfxProcessWndProcException(e, msg);
  } catch (const std::bad_alloc&) {
    CMemoryException outOfMemory(FALSE);
    return AfxProcessWndProcException(&outOfMemory, msg);
  } catch (...) {
    CException unknown(FALSE);
    return AfxProcessWndProcException(&unknown, msg);
  }
}
