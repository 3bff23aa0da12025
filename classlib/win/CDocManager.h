// The application's document templates and what goes across them: File/New
// (with a choice of type when there are several templates), File/Open
// through the Open dialog, opening a path with the template that suits it
// (an already open document is only activated), and saving or closing all
// documents.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/Collections.h"
#include "classlib/core/WinTypes.h"

class CDocTemplate;
class CDocument;

class CDocManager {
 public:
  CDocManager() = default;
  // Deletes the templates whose m_bAutoDelete is set.
  virtual ~CDocManager();

  CDocManager(const CDocManager&) = delete;
  CDocManager& operator=(const CDocManager&) = delete;

  // Loads the template's resources and appends it.
  virtual void AddDocTemplate(CDocTemplate* pTemplate);
  virtual POSITION GetFirstDocTemplatePosition() const;
  virtual CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
  virtual int GetDocumentCount();

  // The document open on lpszFileName (its frame activated), or the file
  // opened with the best-suited template; nullptr when it cannot be opened.
  virtual CDocument* OpenDocumentFile(LPCSTR lpszFileName);
  virtual BOOL SaveAllModified();
  virtual void CloseAllDocuments(BOOL bEndSession);

  // The Open or Save As dialog, with the filters of pTemplate (or of every
  // template); fileName is the start name and the chosen path. nIDSTitle is
  // the title's string id, 0 for the dialog's own.
  virtual BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                                BOOL bOpenFileDialog, CDocTemplate* pTemplate);

  // File/New: the only template, or the one chosen in a list of the
  // templates' File/New names.
  virtual void OnFileNew();
  virtual void OnFileOpen();

 protected:
  CPtrList m_templateList;
};
