#include "shell/LookupDockWindow.h"

#include "classlib/win/AfxMsg.h"
#include "classlib/win/MessageMap.h"
#include "hebtext/core/ProgramPath.h"
#include "shell/DockWindowHandoff.h"
#include "speech/win/TranscribeWord.h"

namespace {
constexpr char kBinFolder[] = "bin";
}  // namespace

BEGIN_MESSAGE_MAP(CLookupDockWindow, CKWDockWindow)
  ON_WM_WINDOWPOSCHANGED()
  ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
  ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
END_MESSAGE_MAP()

CLookupDockWindow::~CLookupDockWindow() {
  if (m_pDictionary) SetTranscriptionDictionary(nullptr);
}

BOOL CLookupDockWindow::Create(CWnd* pParentWnd, UINT nID, LPCSTR lpszTitle, CSize size,
                               DWORD dwStyle, DWORD dwExStyle) {
  if (!CKWDockWindow::Create(pParentWnd, nID, lpszTitle, size, dwStyle, dwExStyle)) return FALSE;
  m_lookupBar.SetLookupEdit(m_pLookupEdit);
  CString binFolder;
  MakeProgramPath(binFolder, kBinFolder);
  m_lookupBar.SetBinFolder(binFolder);
  if (!m_lookupBar.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this,
                          AFX_IDW_PANE_FIRST))
    return FALSE;
  SetChild(&m_lookupBar);
  m_pDictionary = std::make_unique<LexiconDictionary>(*m_lookupBar.GetLookupData());
  SetTranscriptionDictionary(m_pDictionary.get());
  return TRUE;
}

void CLookupDockWindow::OnWindowPosChanged(WINDOWPOS* lpWndPos) {
  CKWDockWindow::OnWindowPosChanged(lpWndPos);
  if ((lpWndPos->flags & SWP_HIDEWINDOW) != 0) PassFocusOnAfterHide(dockfocus::Hidden::kLookupWindow);
}

LRESULT CLookupDockWindow::OnHelpHitTest(WPARAM, LPARAM) {
  return BarHelpContext(static_cast<UINT>(GetDlgCtrlID()));
}

LRESULT CLookupDockWindow::OnCommandHelp(WPARAM, LPARAM) {
  ShowBarHelp(static_cast<UINT>(GetDlgCtrlID()));
  return TRUE;
}
