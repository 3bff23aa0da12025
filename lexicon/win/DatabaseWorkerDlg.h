// A dialog whose database work runs on a worker thread: the worker's progress
// lines come to the dialog as posted messages, the elapsed-time line follows
// them, and the dialog learns on its own thread when the work has ended. The
// dialog never pumps messages inside a handler, and it never ends while the
// worker runs.
#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

#include "classlib/win/CDialog.h"
#include "lexicon/core/DatabaseBuildProgress.h"
#include "lexicon/core/DatabaseStartup.h"

class CDatabaseWorkerDlg : public CDialog, private DatabaseBuildProgress {
 public:
  CDatabaseWorkerDlg(UINT nIDTemplate, CWnd* pParent);
  // Stops the worker and waits for it.
  ~CDatabaseWorkerDlg() override;

 protected:
  typedef std::function<void(DatabaseBuildProgress& progress)> Work;

  // Runs the work on a worker thread, with the elapsed time from now;
  // OnWorkDone follows on this thread once it has ended.
  void StartWork(Work work);
  bool IsWorking() const { return m_worker.joinable(); }
  // Asks the work to stop at its next step.
  void StopWork() { m_keepGoing = false; }
  // Cleared by StopWork; the work's steps test it.
  const std::atomic<bool>& KeepGoing() const { return m_keepGoing; }
  virtual void OnWorkDone() = 0;

  afx_msg LRESULT OnProgressLine(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnWorkEnded(WPARAM wParam, LPARAM lParam);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  DECLARE_MESSAGE_MAP()

 private:
  // Called on the worker thread.
  void ShowLine(const CString& line) override;
  bool Continue() override { return m_keepGoing; }

  void UpdateElapsedTime();
  void JoinWorker();

  std::thread m_worker;
  std::atomic<bool> m_keepGoing{false};
  // The newest line not yet shown; one notice at a time is in the queue.
  std::mutex m_lineLock;
  CString m_pendingLine;
  std::atomic<bool> m_linePosted{false};
  ElapsedTimeLine m_elapsed;
  UINT_PTR m_timer = 0;
};
