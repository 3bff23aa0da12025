#include "classlib/core/CException.h"

#include "classlib/core/CString.h"
#include "classlib/win/CWinApp.h"

namespace {
constexpr char kUnexplainedError[] = "An unexpected error occurred.";
}  // namespace

int CException::ReportError(UINT nType, UINT nMessageID) {
  char message[512];
  if (GetErrorMessage(message, sizeof message)) return AfxMessageBox(message, nType);
  CString text;
  if (nMessageID != 0 && text.LoadString(nMessageID)) return AfxMessageBox(text, nType);
  return AfxMessageBox(kUnexplainedError, nType);
}
