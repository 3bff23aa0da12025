#include "hebtext/win/SpecialClipboardDlgs.h"

#include "classlib/win/CDialog.h"
#include "classlib/win/CWinApp.h"
#include "hebtext/core/Preferences.h"
#include "hebtext/win/InterfaceFont.h"
#include "resources/HebtextIds.h"

namespace {
const char kSection[] = "Preferences";
}  // namespace

void EnableVavOrderControls(CDialog* pDialog, BOOL enable) {
  for (int id : {IDC_VAV_ORDER_LABEL, IDC_VAV_THEN_HOLAM, IDC_HOLAM_THEN_VAV})
    ::EnableWindow(::GetDlgItem(pDialog->GetSafeHwnd(), id), enable);
}

void SetVavOrderFonts(CDialog* pDialog) {
  SetHebrewInterfaceFont(pDialog->GetDlgItem(IDC_VAV_THEN_HOLAM));
  SetHebrewInterfaceFont(pDialog->GetDlgItem(IDC_HOLAM_THEN_VAV));
}

int LoadSpecialChoice(LPCSTR entry) {
  IProfileStore* pStore = GetPreferenceStore();
  return pStore != nullptr ? static_cast<int>(pStore->GetProfileInt(kSection, entry, 0)) : 0;
}

void SaveSpecialChoice(LPCSTR entry, int value) {
  if (IProfileStore* pStore = GetPreferenceStore()) pStore->WriteProfileInt(kSection, entry, value);
}

void ShowSpecialHelp(UINT dialogId) {
  if (CWinApp* pApp = AfxGetApp()) pApp->WinHelp(0x20000 + dialogId, HELP_CONTEXT);
}
