// The template of a single-document application: one document at a time, in
// the main frame, reused for every New and Open once it exists.
#pragma once

#include "classlib/win/CDocTemplate.h"

class CSingleDocTemplate : public CDocTemplate {
  DECLARE_DYNAMIC(CSingleDocTemplate)
 public:
  CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                     CRuntimeClass* pViewClass);
  // Lets an open document go.
  ~CSingleDocTemplate() override;

  POSITION GetFirstDocPosition() const override;
  CDocument* GetNextDoc(POSITION& rPos) const override;
  void AddDocument(CDocument* pDoc) override;
  void RemoveDocument(CDocument* pDoc) override;
  // The first call makes the document and its frame (the main window when
  // there is none); later calls ask to save the document and reuse it. A
  // file that cannot be opened leaves the document as it was; one that fails
  // part-way through its load leaves a new untitled document.
  CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
  // "Untitled".
  void SetDefaultTitle(CDocument* pDocument) override;

 protected:
  CDocument* m_pOnlyDoc = nullptr;
};
