// The editor's document: a file of the program, shown in an editor view.
#pragma once

#include "classlib/core/CTime.h"
#include "classlib/win/CDocument.h"

class CZultaEditDoc : public CDocument {
  DECLARE_DYNCREATE(CZultaEditDoc)
 public:
  CZultaEditDoc() = default;

  BOOL OnOpenDocument(LPCSTR lpszPathName) override;
  BOOL OnSaveDocument(LPCSTR lpszPathName) override;

  // Re-reads the document from its file, dropping unsaved changes.
  BOOL ReloadFromFile();
  // The modification time of the document's file becomes the document's.
  void TimeStampFile() { TimeStampFile(GetPathName()); }
  // The file's modification time when the document last read or wrote it.
  CTime GetFileTime() const { return m_fileTime; }

 private:
  // Before a new path is the document's, the time is taken from that path;
  // a file whose status cannot be read counts as changed now.
  void TimeStampFile(LPCSTR lpszPathName);

  CTime m_fileTime;
};
