#include "classlib/win/DocumentTexts.h"

#include "classlib/win/AfxRes.h"

namespace {

struct BuiltInText {
  UINT nID;
  LPCSTR lpszText;
};

// clang-format off
constexpr BuiltInText kBuiltInTexts[] = {
  {AFX_IDS_OPENFILE, "Open"},
  {AFX_IDS_SAVEFILE, "Save As"},
  {AFX_IDS_ALLFILTER, "All Files (*.*)"},
  {AFX_IDS_UNTITLED, "Untitled"},
  {AFX_IDS_SAVEFILECOPY, "Save Copy As"},
  {AFX_IDP_INVALID_FILENAME, "Invalid file name."},
  {AFX_IDP_FAILED_TO_OPEN_DOC, "Failed to open document."},
  {AFX_IDP_FAILED_TO_SAVE_DOC, "Failed to save document."},
  {AFX_IDP_ASK_TO_SAVE, "Save changes to %1?"},
  {AFX_IDP_FAILED_TO_CREATE_DOC, "Failed to create empty document."},
  {AFX_IDS_PRINTONPORT, "on %1"},
  {AFX_IDS_ONEPAGE, "&One Page"},
  {AFX_IDS_TWOPAGE, "&Two Page"},
  {AFX_IDS_PRINTPAGENUM, "Page %1"},
  {AFX_IDS_PREVIEWPAGEDESC, "Page %u\nPages %u-%u"},
  {AFX_IDP_COMMAND_FAILURE, "Command failed."},
  {AFX_IDP_FAILED_TO_START_PRINT, "Could not start print job."},
};
// clang-format on

}  // namespace

CString LoadDocumentText(UINT nID) {
  CString strText;
  if (strText.LoadString(nID)) return strText;
  for (const BuiltInText& text : kBuiltInTexts)
    if (text.nID == nID) return CString(text.lpszText);
  return strText;
}

CString FormatDocumentText(UINT nID, LPCSTR lpsz1) {
  CString strText = LoadDocumentText(nID);
  strText.Replace("%1", lpsz1);
  return strText;
}
