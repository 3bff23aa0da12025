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

// Removes a file, ignoring a failure: what is left is only a leftover.
void RemoveQuietly(LPCSTR path) {
  try {
    CFile::Remove(path);
  } catch (CException* e) {
    e->Delete();
  }
}

// The old file steps aside under a backup name until the written one stands
// in its place, and comes back when that fails: the target is never lost.
void ReplaceWithWritten(LPCSTR path, LPCSTR written) {
  CFileStatus status;
  if (!CFile::GetStatus(path, status)) {
    CFile::Rename(written, path);
    return;
  }
  CString backup = CString(path) + ".~old";
  if (CFile::GetStatus(backup, status)) CFile::Remove(backup);
  CFile::Rename(path, backup);
  try {
    CFile::Rename(written, path);
  } catch (CException*) {
    CFile::Rename(backup, path);
    throw;
  }
  RemoveQuietly(backup);
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
    ReplaceWithWritten(path, temporary);
  } catch (CException* e) {
    error = MessageOf(e);
    if (!written) {
      file.Abort();
      if (CFile::GetStatus(temporary, status)) RemoveQuietly(temporary);
    }
    return FALSE;
  }
  return TRUE;
}
