#include "hebtext/core/ProgressDlgInterface.h"

IProgressDlg* g_pProgressDlg = nullptr;

namespace {
// One waiting message per this many items keeps the window alive without
// slowing the work down.
constexpr int kItemsPerStep = 250;
}  // namespace

BOOL BeginLongOperation(LPCSTR caption, int maximum) {
  if (g_pProgressDlg == nullptr) return TRUE;
  if (g_pProgressDlg->IsCancelled()) return FALSE;
  g_pProgressDlg->Begin(caption, maximum);
  return TRUE;
}

BOOL ContinueLongOperation(int index) {
  if (index % kItemsPerStep != 0 || g_pProgressDlg == nullptr) return TRUE;
  g_pProgressDlg->Step(index);
  g_pProgressDlg->PumpMessages();
  // The message may have been the one that closed the dialog.
  return g_pProgressDlg == nullptr || !g_pProgressDlg->IsCancelled();
}
