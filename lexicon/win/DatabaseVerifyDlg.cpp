#include "lexicon/win/DatabaseVerifyDlg.h"

#include "classlib/win/MessageMap.h"
#include "lexicon/core/EntryTextRenderer.h"
#include "resources/LexiconIds.h"

BEGIN_MESSAGE_MAP(CDatabaseVerifyDlg, CDatabaseWorkerDlg)
  ON_BN_CLICKED(IDC_DATABASE_START, OnStartStop)
END_MESSAGE_MAP()

CDatabaseVerifyDlg::CDatabaseVerifyDlg(CWnd* pParent, LPCSTR binFolder)
    : CDatabaseWorkerDlg(IDD_DATABASE_ORDER_CHECK, pParent), m_binFolder(binFolder) {}

void CDatabaseVerifyDlg::OnStartStop() {
  if (IsWorking()) {
    StopWork();
    return;
  }
  SetDlgItemText(IDC_DATABASE_START, "Stop");
  StartWork([this](::DatabaseBuildProgress& progress) {
    EntryTextRenderer renderer;
    m_result = CheckDatabaseOrder(m_binFolder, renderer, progress);
  });
}

void CDatabaseVerifyDlg::OnWorkDone() {
  SetDlgItemText(IDC_DATABASE_START, "Start");
  for (const UserMessage& fault : m_result.faults)
    ::MessageBoxA(nullptr, fault.text, nullptr, MB_OK);
  m_result = DatabaseOrderResult();
}

void CDatabaseVerifyDlg::OnCancel() {
  if (!IsWorking()) EndDialog(1);
}
