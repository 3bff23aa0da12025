// The template of a multi-document application: any number of documents,
// each in MDI child frames that share the template's menu and accelerators.
#pragma once

#include "classlib/core/Collections.h"
#include "classlib/win/CDocTemplate.h"

class CMultiDocTemplate : public CDocTemplate {
  DECLARE_DYNAMIC(CMultiDocTemplate)
 public:
  CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                    CRuntimeClass* pViewClass);
  // Closes nothing: documents still open are only let go. Frees the shared menu.
  ~CMultiDocTemplate() override;

  void LoadTemplate() override;
  POSITION GetFirstDocPosition() const override;
  CDocument* GetNextDoc(POSITION& rPos) const override;
  void AddDocument(CDocument* pDoc) override;
  void RemoveDocument(CDocument* pDoc) override;
  CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
  // The document name followed by the next untitled number ("Note1").
  void SetDefaultTitle(CDocument* pDocument) override;

  // The menu and accelerators the template's child frames show.
  HMENU m_hMenuShared = nullptr;
  HACCEL m_hAccelTable = nullptr;

 protected:
  CPtrList m_docList;
  // The untitled documents made so far.
  UINT m_nUntitledCount = 0;
};
