// A document template: which document, frame and view classes make up one
// kind of document, with the resources (menu, accelerators, document
// strings) of its resource id. The template creates documents and their
// frames, opens files into them and numbers new untitled documents.
//
// The document string (the string resource of the template's id) has
// newline-separated fields, read by GetDocString: the window title, the
// document name (base of "Name1", "Name2"), the name offered by File/New,
// the Open dialog's filter name and extension, and the registry type id and
// name.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/Position.h"
#include "classlib/win/CCmdTarget.h"

class CDocument;
class CFrameWnd;

class CDocTemplate : public CCmdTarget {
  DECLARE_DYNAMIC(CDocTemplate)
 public:
  enum DocStringIndex {
    windowTitle,
    docName,
    fileNewName,
    filterName,
    filterExt,
    regFileTypeId,
    regFileTypeName,
  };
  // How well a file suits this template (MatchDocType), worst first.
  enum Confidence {
    noAttempt,
    maybeAttemptForeign,
    maybeAttemptNative,
    yesAttemptForeign,
    yesAttemptNative,
    yesAlreadyOpen,
  };

  ~CDocTemplate() override;

  // Loads the resources of the template's id; done when it joins the
  // application's list.
  virtual void LoadTemplate();

  virtual POSITION GetFirstDocPosition() const = 0;
  virtual CDocument* GetNextDoc(POSITION& rPos) const = 0;
  // The document joins or leaves this template's list.
  virtual void AddDocument(CDocument* pDoc);
  virtual void RemoveDocument(CDocument* pDoc);

  // FALSE (and an empty string) when the field is missing.
  virtual BOOL GetDocString(CString& rString, DocStringIndex index) const;

  // A new document of the template's class, already in the list; nullptr
  // when the class cannot be created.
  virtual CDocument* CreateNewDocument();
  // A new frame of the template's class loaded from the template's id, with
  // a view of its view class on pDoc; pOther is a frame it copies. nullptr
  // (the frame destroyed) on failure.
  virtual CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther);
  // Sends the frame's views their initial update and shows the frame.
  virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible = TRUE);

  // Asks every modified document to save; FALSE when one was cancelled.
  virtual BOOL SaveAllModified();
  // Closes every document without asking.
  virtual void CloseAllDocuments(BOOL bEndSession);

  // lpszPathName nullptr: a new untitled document. nullptr when the
  // document could not be made or loaded; nothing of it is left behind.
  virtual CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
  // Gives an untitled document its numbered name.
  virtual void SetDefaultTitle(CDocument* pDocument) = 0;
  // yesAlreadyOpen (and rpDocMatch) when one of the template's documents has
  // this path; yesAttemptNative when its extension is the template's.
  virtual Confidence MatchDocType(LPCSTR lpszPathName, CDocument*& rpDocMatch);

  UINT GetResourceID() const { return m_nIDResource; }

  // Deleted by the application's document manager when it goes.
  BOOL m_bAutoDelete = TRUE;

 protected:
  CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
               CRuntimeClass* pViewClass);

  UINT m_nIDResource;
  CRuntimeClass* m_pDocClass;
  CRuntimeClass* m_pFrameClass;
  CRuntimeClass* m_pViewClass;
  CString m_strDocStrings;
};
