// A document: the data that one or more views show, with its file name,
// title and modified state, loaded and saved through Serialize.
//
// Commands reach the document after its active view and before its
// template (OnCmdMsg); the standard file commands (Save, Save As, Close)
// are handled here. A document normally deletes itself when its last view
// goes (m_bAutoDelete).
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/Collections.h"
#include "classlib/win/CCmdTarget.h"

class CArchive;
class CDocTemplate;
class CException;
class CFile;
class CFileException;
class CFrameWnd;
class CView;

class CDocument : public CCmdTarget {
  DECLARE_DYNAMIC(CDocument)
 public:
  CDocument();
  ~CDocument() override;

  const CString& GetTitle() const { return m_strTitle; }
  // Also retitles every frame that shows the document.
  virtual void SetTitle(LPCSTR lpszTitle);
  const CString& GetPathName() const { return m_strPathName; }
  // The full path of lpszPathName; the title becomes its file name. bAddToMRU
  // puts it on the application's recent-file list.
  virtual void SetPathName(LPCSTR lpszPathName, BOOL bAddToMRU = TRUE);
  CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

  virtual BOOL IsModified() { return m_bModified; }
  virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

  // Views: AddView attaches a view (its GetDocument answers this document),
  // RemoveView detaches it; both tell OnChangedViewList.
  void AddView(CView* pView);
  void RemoveView(CView* pView);
  virtual POSITION GetFirstViewPosition() const;
  virtual CView* GetNextView(POSITION& rPosition) const;
  // Calls OnUpdate of every view but pSender.
  void UpdateAllViews(CView* pSender, LPARAM lHint = 0, CObject* pHint = nullptr);
  // Numbers the document's frames when it has several (":1", ":2" in their
  // titles; a frame keeps its number while it stays) and retitles them.
  void UpdateFrameCounts();

  // ---- The document's life.
  // Empties the document's data; called before it is reused or closed.
  virtual void DeleteContents();
  // Closes the document when its last view went (and m_bAutoDelete is set).
  virtual void OnChangedViewList();
  // Before a frame showing the document closes: when it is the document's
  // last frame, the document may ask to be saved (FALSE keeps it open).
  virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
  virtual void PreCloseFrame(CFrameWnd* pFrame);
  // A new, empty, untitled document.
  virtual BOOL OnNewDocument();
  // Loads the file through Serialize. FALSE after telling the user why: a
  // file that cannot be opened leaves the document as it was, a load that
  // fails part-way leaves it empty and marked modified.
  virtual BOOL OnOpenDocument(LPCSTR lpszPathName);
  // Stores through Serialize into a temporary file beside the target, which
  // then replaces it: a failed save leaves the old file as it was.
  virtual BOOL OnSaveDocument(LPCSTR lpszPathName);
  // Destroys the document's frames (and so its views), empties it and,
  // when m_bAutoDelete, deletes it.
  virtual void OnCloseDocument();
  // Shows the message of an exception raised while loading or saving;
  // nIDPDefault is the string id of the text when nothing better is known.
  virtual void ReportSaveLoadException(LPCSTR lpszPathName, CException* e, BOOL bSaving,
                                       UINT nIDPDefault);
  virtual CFile* GetFile(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError);
  virtual void ReleaseFile(CFile* pFile, BOOL bAbort);

  // When modified: "Save changes to <title>?" Yes saves (FALSE when the save
  // fails or is cancelled), No goes on, Cancel answers FALSE.
  virtual BOOL SaveModified();
  // Saves to lpszPathName, or asks for a name when it is nullptr; bReplace
  // makes the chosen name the document's path (Save As) rather than a copy.
  virtual BOOL DoSave(LPCSTR lpszPathName, BOOL bReplace = TRUE);
  // Save: to the document's path, or Save As when it has none or the file
  // is read-only.
  virtual BOOL DoFileSave();

  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

  afx_msg void OnFileClose();
  afx_msg void OnFileSave();
  afx_msg void OnFileSaveAs();

  // Delete the document when it closes.
  BOOL m_bAutoDelete = TRUE;
  BOOL m_bEmbedded = FALSE;

 protected:
  CString m_strTitle;
  CString m_strPathName;
  CDocTemplate* m_pDocTemplate = nullptr;
  CPtrList m_viewList;
  BOOL m_bModified = FALSE;

  DECLARE_MESSAGE_MAP()

 private:
  // The document's frames, each once, in the order of its views.
  void CollectFrames(CPtrList& frames) const;
  // Stores the document into pFile; FALSE after telling the user why.
  BOOL StoreInto(CFile* pFile, LPCSTR lpszPathName);
  friend class CDocTemplate;
};
