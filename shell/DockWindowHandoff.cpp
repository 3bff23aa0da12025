#include "shell/DockWindowHandoff.h"

#include "shell/MainFrame.h"
#include "shell/ZultaEditApp.h"

namespace {
constexpr LRESULT kBarHelpContextBase = 0x50000;
}  // namespace

LRESULT BarHelpContext(UINT barId) { return kBarHelpContextBase + static_cast<LRESULT>(barId); }

void ShowBarHelp(UINT barId) {
  theApp.WinHelp(static_cast<DWORD_PTR>(BarHelpContext(barId)), HELP_CONTEXT);
}

void PassFocusOnAfterHide(dockfocus::Hidden hidden) {
  auto* pFrame = static_cast<CMainFrame*>(AfxGetMainWnd());
  if (pFrame == nullptr || pFrame->m_hWnd == nullptr) return;
  dockfocus::Windows windows;
  windows.editView = GetEditViewWindow() != nullptr;
  windows.grammarVisible = pFrame->GetGrammarWindow().IsWindowVisible() != FALSE;
  windows.lookupVisible = pFrame->GetLookupWindow().IsWindowVisible() != FALSE;
  windows.keyboardVisible = pFrame->GetKeyboardWindow().IsWindowVisible() != FALSE;
  const unsigned nCommand = dockfocus::CommandAfterHide(hidden, windows);
  if (nCommand != 0) pFrame->PostMessage(WM_COMMAND, nCommand, 0);
}
