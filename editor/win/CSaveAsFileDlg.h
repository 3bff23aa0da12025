// The program's Save dialog, shown modeless over the editor view by Save
// As: it adds a Hebrew file-name box (the document's Hebrew title) and tells
// the view of its end with WM_SAVEDLG_DONE (wParam 1 chosen, 0 cancelled).
#pragma once

#include "editor/win/CShellFileDlg.h"

class CHebEdit;

class CSaveAsFileDlg : public CShellFileDlg {
 public:
  explicit CSaveAsFileDlg(CWnd* pOwnerView);
  ~CSaveAsFileDlg() override;

  // Creates the window over the view; FALSE when it could not be made.
  BOOL CreateModeless();
  const CString& GetHebrewFileName() const { return m_strHebrewFileName; }

 protected:
  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  void OnOK() override;
  void OnCancel() override;
  void HandleOpenFile(BOOL fromList) override;
  void OnFileRowSelected(const CFileItem& item) override;
  afx_msg void OnDestroy();
  DECLARE_MESSAGE_MAP()

 private:
  void NotifyOwner(BOOL chosen);

  CHebEdit* m_pHebrewEdit = nullptr;
  HACCEL m_hAccel = nullptr;
  CWnd* m_pOwnerView;
  CString m_strHebrewFileName;
  BOOL m_bNameAccepted = FALSE;  // the Enter path has checked the name
};
