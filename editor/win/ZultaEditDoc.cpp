#include "editor/win/ZultaEditDoc.h"

#include "classlib/core/CFile.h"

IMPLEMENT_DYNCREATE(CZultaEditDoc, CDocument)

BOOL CZultaEditDoc::OnOpenDocument(LPCSTR lpszPathName) {
  if (!CDocument::OnOpenDocument(lpszPathName)) return FALSE;
  TimeStampFile(lpszPathName);
  return TRUE;
}

BOOL CZultaEditDoc::OnSaveDocument(LPCSTR lpszPathName) {
  if (!CDocument::OnSaveDocument(lpszPathName)) return FALSE;
  TimeStampFile(lpszPathName);
  return TRUE;
}

BOOL CZultaEditDoc::ReloadFromFile() {
  CString path = GetPathName();
  SetModifiedFlag(FALSE);
  DeleteContents();
  BOOL loaded = OnOpenDocument(path);
  SetModifiedFlag(FALSE);
  UpdateAllViews(nullptr);
  return loaded;
}

void CZultaEditDoc::TimeStampFile(LPCSTR lpszPathName) {
  CFileStatus status;
  m_fileTime = CFile::GetStatus(lpszPathName, status) ? status.m_mtime : CTime::GetCurrentTime();
}
