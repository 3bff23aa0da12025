#include "lexicon/win/DatabaseWorkerDlg.h"

#include <utility>

#include "classlib/core/CException.h"
#include "classlib/win/MessageMap.h"
#include "resources/LexiconIds.h"

namespace {

constexpr UINT kMsgProgressLine = WM_APP + 1;
constexpr UINT kMsgWorkEnded = WM_APP + 2;
// The elapsed time moves on between progress lines too.
constexpr UINT_PTR kElapsedTimerId = 1;
constexpr UINT kElapsedTimerMs = 250;

}  // namespace

BEGIN_MESSAGE_MAP(CDatabaseWorkerDlg, CDialog)
  ON_MESSAGE(kMsgProgressLine, OnProgressLine)
  ON_MESSAGE(kMsgWorkEnded, OnWorkEnded)
  ON_WM_TIMER()
END_MESSAGE_MAP()

CDatabaseWorkerDlg::CDatabaseWorkerDlg(UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent) {}

CDatabaseWorkerDlg::~CDatabaseWorkerDlg() {
  StopWork();
  JoinWorker();
}

void CDatabaseWorkerDlg::StartWork(Work work) {
  JoinWorker();
  m_keepGoing = true;
  m_elapsed.Start(::GetTickCount());
  UpdateElapsedTime();
  m_timer = SetTimer(kElapsedTimerId, kElapsedTimerMs);
  const HWND hWnd = m_hWnd;
  m_worker = std::thread([this, hWnd, work = std::move(work)] {
    // Nothing may leave the thread; what stopped the work shows as its
    // result (the groups it did not finish).
    try {
      work(*this);
    } catch (CException* e) {
      e->Delete();
    } catch (...) {
    }
    ::PostMessageA(hWnd, kMsgWorkEnded, 0, 0);
  });
}

void CDatabaseWorkerDlg::JoinWorker() {
  if (m_worker.joinable()) m_worker.join();
}

void CDatabaseWorkerDlg::ShowLine(const CString& line) {
  {
    std::lock_guard<std::mutex> lock(m_lineLock);
    m_pendingLine = line;
  }
  if (!m_linePosted.exchange(true)) ::PostMessageA(m_hWnd, kMsgProgressLine, 0, 0);
}

LRESULT CDatabaseWorkerDlg::OnProgressLine(WPARAM, LPARAM) {
  m_linePosted = false;
  CString line;
  {
    std::lock_guard<std::mutex> lock(m_lineLock);
    line = m_pendingLine;
  }
  SetDlgItemText(IDC_DATABASE_PROGRESS_LINE, line);
  UpdateElapsedTime();
  return 0;
}

LRESULT CDatabaseWorkerDlg::OnWorkEnded(WPARAM, LPARAM) {
  JoinWorker();
  if (m_timer != 0) KillTimer(m_timer);
  m_timer = 0;
  OnProgressLine(0, 0);
  OnWorkDone();
  return 0;
}

void CDatabaseWorkerDlg::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent == kElapsedTimerId) UpdateElapsedTime();
}

void CDatabaseWorkerDlg::UpdateElapsedTime() {
  CString line;
  if (m_elapsed.Refresh(::GetTickCount(), line)) SetDlgItemText(IDC_DATABASE_ELAPSED_TIME, line);
}
