#include "hebtext/win/CProgressDlg.h"

#include "classlib/win/CDataExchange.h"
#include "classlib/win/MessageMap.h"
#include "resources/HebtextIds.h"

BEGIN_MESSAGE_MAP(CProgressDlg, CDialog)
  ON_WM_TIMER()
END_MESSAGE_MAP()

CProgressDlg::CProgressDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CProgressDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_PROGRESS_BAR, m_progressBar);
  DDX_Text(pDX, IDC_PROGRESS_CAPTION, m_strCaption);
  DDX_Text(pDX, IDC_PROGRESS_COUNT, m_strCount);
}

BOOL CProgressDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_showTimer == 0) m_showTimer = SetTimer(kShowTimerId, kShowDelay);
  return TRUE;
}

void CProgressDlg::Begin(LPCSTR caption, int maximum) {
  m_strCaption = caption;
  m_position = 0;
  m_maximum = maximum;
  m_strCount.Empty();
  if (m_progressBar.GetSafeHwnd() != nullptr) {
    m_progressBar.SetRange32(0, maximum);
    m_progressBar.SetPos(0);
  }
  if (m_bShown) UpdateData(FALSE);
}

void CProgressDlg::Step(int position) {
  if (!m_bShown) return;
  m_position = position;
  m_strCount.Format("%u of %u", static_cast<unsigned>(m_position),
                    static_cast<unsigned>(m_maximum));
  m_progressBar.SetPos(position);
  UpdateData(FALSE);
}

BOOL CProgressDlg::PumpMessages() {
  MSG msg;
  if (!::PeekMessageA(&msg, m_hWnd, 0, 0, PM_REMOVE)) return FALSE;
  if (!IsDialogMessage(&msg)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return TRUE;
}

void CProgressDlg::KillShowTimer() {
  if (m_showTimer == 0) return;
  KillTimer(m_showTimer);
  m_showTimer = 0;
}

void CProgressDlg::OnCancel() { m_bCancelled = TRUE; }

void CProgressDlg::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent == kShowTimerId) {
    KillShowTimer();
    ShowWindow(SW_SHOWNORMAL);
    m_bShown = TRUE;
    // The operation's caption, begun while hidden, shows at once.
    UpdateData(FALSE);
  }
  CDialog::OnTimer(nIDEvent);
}

namespace {
CProgressDlg* g_pSharedDialog = nullptr;
}  // namespace

void OpenSharedProgressDialog(CWnd* pParent) {
  if (g_pSharedDialog != nullptr) return;
  auto* pDialog = new CProgressDlg(pParent);
  if (!pDialog->Create(CProgressDlg::IDD, pParent)) {
    delete pDialog;
    return;
  }
  g_pSharedDialog = pDialog;
  g_pProgressDlg = pDialog;
}

void CloseSharedProgressDialog() {
  if (g_pSharedDialog == nullptr) return;
  CProgressDlg* pDialog = g_pSharedDialog;
  g_pSharedDialog = nullptr;
  g_pProgressDlg = nullptr;
  pDialog->KillShowTimer();
  pDialog->DestroyWindow();
  delete pDialog;
}

CProgressDlg* GetSharedProgressDialog() { return g_pSharedDialog; }
