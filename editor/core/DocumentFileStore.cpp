#include "editor/core/DocumentFileStore.h"

#include "classlib/core/CFile.h"
#include "classlib/core/CFileException.h"

namespace {

CString MessageOf(CException* e) {
  char text[512] = {};
  if (!e->GetErrorMessage(text, sizeof text)) text[0] = 0;
  e->Delete();
  return text;
}

}  // namespace

BOOL LoadWholeFile(LPCSTR path, ByteBuffer& bytes, CString& error) {
  bytes.clear();
  CFile file;
  CFileException openError;
  if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite, &openError)) {
    char text[512] = {};
    openError.GetErrorMessage(text, sizeof text);
    error = text;
    return FALSE;
  }
  try {
    DWORD length = file.GetLength();
    if (length > kMaxDocumentFileSize) {
      error = "The file is too large to be opened as a document.";
      return FALSE;
    }
    bytes.resize(length);
    if (length && file.Read(bytes.data(), length) != length) {
      error = "The file could not be read whole.";
      bytes.clear();
      return FALSE;
    }
    file.Close();
  } catch (CException* e) {
    error = MessageOf(e);
    bytes.clear();
    return FALSE;
  }
  return TRUE;
}

BOOL StoreFileReplacing(LPCSTR path, const ByteBuffer& bytes, CString& error) {
  CString temporary = CString(path) + ".~sav";
  CFileStatus status;
  CFile file;
  BOOL written = FALSE;
  try {
    if (CFile::GetStatus(temporary, status)) CFile::Remove(temporary);
    CFileException openError;
    if (!file.Open(temporary, CFile::modeCreate | CFile::modeWrite, &openError)) {
      char text[512] = {};
      openError.GetErrorMessage(text, sizeof text);
      error = text;
      return FALSE;
    }
    if (!bytes.empty()) file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.Flush();
    file.Close();
    written = TRUE;
    if (CFile::GetStatus(path, status)) CFile::Remove(path);
    CFile::Rename(temporary, path);
  } catch (CException* e) {
    error = MessageOf(e);
    if (!written) {
      file.Abort();
      if (CFile::GetStatus(temporary, status)) {
        try {
          CFile::Remove(temporary);
        } catch (CException* removeError) {
          removeError->Delete();
        }
      }
    }
    return FALSE;
  }
  return TRUE;
}
