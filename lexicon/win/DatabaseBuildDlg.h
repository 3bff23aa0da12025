// The build of the databases that are not ready, under a modal dialog with
// its progress line, the elapsed time and Cancel. The build starts once the
// dialog is shown; Cancel stops it at its next step, and the dialog ends when
// the build has stopped.
#pragma once

#include "lexicon/core/DatabaseStartup.h"
#include "lexicon/win/DatabaseWorkerDlg.h"

class CDatabaseBuildDlg : public CDatabaseWorkerDlg {
 public:
  CDatabaseBuildDlg(CWnd* pParent, LPCSTR binFolder, const DatabaseReadyFlags& ready);

  // After DoModal: how each group ended.
  const DatabaseBuildOutcome& Outcome() const { return m_outcome; }

 protected:
  BOOL OnInitDialog() override;
  void OnCancel() override;
  void OnWorkDone() override;
  afx_msg LRESULT OnStartBuild(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  CString m_binFolder;
  DatabaseReadyFlags m_ready;
  // Until the build says otherwise, no group it was to build is finished.
  DatabaseBuildOutcome m_outcome;
};
