// The progress dialog of a long text operation: modeless, hidden until the
// operation has run for two seconds, stepped by the work loop, which polls
// its cancel flag (see ProgressDlgInterface.h for the protocol).
#pragma once

#include "classlib/win/CDialog.h"
#include "classlib/win/CProgressCtrl.h"
#include "hebtext/core/ProgressDlgInterface.h"

class CProgressDlg : public CDialog, public IProgressDlg {
 public:
  enum { IDD = 146 };
  // Timer that shows the dialog, and its delay.
  static constexpr UINT_PTR kShowTimerId = 601;
  static constexpr UINT kShowDelay = 2000;

  explicit CProgressDlg(CWnd* pParent = nullptr);

  // The caption and item count of the operation; the bar starts at 0.
  void Begin(LPCSTR caption, int maximum) override;
  // Reports the position; nothing before the dialog is shown.
  void Step(int position) override;
  // Handles one waiting message of the dialog; TRUE when one was taken.
  BOOL PumpMessages() override;
  BOOL IsCancelled() const override { return m_bCancelled; }
  BOOL IsShown() const { return m_bShown; }
  void KillShowTimer();

  CProgressCtrl m_progressBar;
  CString m_strCaption;
  CString m_strCount;
  int m_maximum = -1;
  int m_position = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  // Only asks the work loop to stop; the dialog stays until it is closed.
  void OnCancel() override;
  afx_msg void OnTimer(UINT_PTR nIDEvent);

  DECLARE_MESSAGE_MAP()

 private:
  BOOL m_bShown = FALSE;
  BOOL m_bCancelled = FALSE;
  UINT_PTR m_showTimer = 0;
};

// The one progress dialog of the application: created hidden over the
// parent when none is open, with g_pProgressDlg pointing at it; closed by
// stopping its timer, destroying its window and deleting it.
void OpenSharedProgressDialog(CWnd* pParent);
void CloseSharedProgressDialog();
// The open dialog, or nullptr.
CProgressDlg* GetSharedProgressDialog();
