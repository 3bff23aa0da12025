#include "classlib/win/AfxState.h"

#include "classlib/core/CString.h"
#include "classlib/win/CWinApp.h"

AFX_THREAD_STATE* AfxGetThreadState() {
  thread_local AFX_THREAD_STATE state;
  return &state;
}

AFX_MODULE_STATE* AfxGetModuleState() {
  static AFX_MODULE_STATE state;
  return &state;
}

BOOL AfxLoadString(UINT nID, CString& rString) {
  // LoadString cuts a text to the buffer: grow it until the text fits.
  for (int nSize = 256;; nSize *= 2) {
    int nLength = ::LoadStringA(AfxGetResourceHandle(), nID, rString.GetBuffer(nSize), nSize + 1);
    if (nLength < nSize) {
      rString.ReleaseBuffer(nLength);
      return nLength > 0;
    }
    rString.ReleaseBuffer(0);
  }
}

namespace {
// Installed with the library's state, which everything of the Windows half uses.
const bool g_stringLoaderInstalled = (AfxSetStringLoader(&AfxLoadString), true);
}  // namespace
