#include "shell/LookupDockWindow.h"

#include "hebtext/core/ProgramPath.h"

namespace {
constexpr char kBinFolder[] = "bin";
}  // namespace

CLookupDockWindow::~CLookupDockWindow() = default;

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
  return TRUE;
}
