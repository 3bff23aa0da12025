#include "lexicon/win/DatabaseBuildDlg.h"

#include "classlib/win/MessageMap.h"
#include "lexicon/core/DefinitionKeywords.h"
#include "lexicon/core/EntryTextRenderer.h"
#include "lexicon/core/GrammarWordSource.h"
#include "resources/LexiconIds.h"

namespace {

// Posted by the dialog to itself, so that the build starts once it is shown.
constexpr UINT kMsgStartBuild = WM_USER + 510;

}  // namespace

BEGIN_MESSAGE_MAP(CDatabaseBuildDlg, CDatabaseWorkerDlg)
  ON_MESSAGE(kMsgStartBuild, OnStartBuild)
END_MESSAGE_MAP()

CDatabaseBuildDlg::CDatabaseBuildDlg(CWnd* pParent, LPCSTR binFolder,
                                     const DatabaseReadyFlags& ready)
    : CDatabaseWorkerDlg(IDD_DATABASE_BUILD, pParent), m_binFolder(binFolder), m_ready(ready) {
  if (!ready.hebrewReady) m_outcome.words = GroupOutcome::kCancelled;
  if (!ready.definitionsReady) m_outcome.definitions = GroupOutcome::kCancelled;
}

BOOL CDatabaseBuildDlg::OnInitDialog() {
  CDatabaseWorkerDlg::OnInitDialog();
  PostMessage(kMsgStartBuild);
  return TRUE;
}

LRESULT CDatabaseBuildDlg::OnStartBuild(WPARAM, LPARAM) {
  StartWork([this](::DatabaseBuildProgress& progress) {
    EntryTextRenderer renderer;
    GrammarWordSource words(renderer);
    GrammarDefinitionSource definitions;
    const KeywordRenderer keywords = DefinitionKeywordText;
    const DatabaseBuildSources sources{words, renderer, definitions, keywords};
    m_outcome = RunDatabaseBuildSteps(m_binFolder, !m_ready.hebrewReady, !m_ready.definitionsReady,
                                      sources, progress, KeepGoing());
  });
  return 0;
}

void CDatabaseBuildDlg::OnCancel() {
  if (!IsWorking()) {
    EndDialog(0);
    return;
  }
  StopWork();
  // The dialog ends once the build has stopped.
  if (CWnd* pCancel = GetDlgItem(IDCANCEL)) pCancel->EnableWindow(FALSE);
}

void CDatabaseBuildDlg::OnWorkDone() { EndDialog(KeepGoing() ? 1 : 0); }
