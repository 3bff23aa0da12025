#include "editor/tests/win/EditViewTestApp.h"

#include "classlib/win/CMDIChildWnd.h"
#include "editor/tests/win/EditViewTestIds.h"
#include "editor/win/ZultaEditDoc.h"
#include "editor/win/ZultaEditView.h"
#include "resources/ShellIds.h"

namespace {
// A popup shows at once, where a captioned window waits for a window manager.
constexpr DWORD kMainFrameStyle = WS_POPUP | WS_BORDER | WS_CLIPCHILDREN | FWS_ADDTOTITLE;
const CRect kMainFrameRect(0, 0, 900, 700);
}  // namespace

CEditViewTestApp::CEditViewTestApp() : CWinApp("Edit View Test") {}

BOOL CEditViewTestApp::InitInstance() {
  m_pTemplate = new CMultiDocTemplate(IDR_ZULTATYPE, RUNTIME_CLASS(CZultaEditDoc),
                                      RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CZultaEditView));
  AddDocTemplate(m_pTemplate);
  auto* pFrame = new CMDIFrameWnd;
  if (!pFrame->LoadFrame(IDR_EVT_MAINFRAME, kMainFrameStyle)) return FALSE;
  m_pMainWnd = pFrame;
  pFrame->MoveWindow(&kMainFrameRect);
  pFrame->ShowWindow(SW_SHOW);
  pFrame->UpdateWindow();
  return TRUE;
}

CZultaEditView* CEditViewTestApp::NewDocument() {
  if (m_pTemplate->OpenDocumentFile(nullptr) == nullptr) return nullptr;
  CMDIChildWnd* pChild = GetMainFrame()->MDIGetActive();
  if (pChild == nullptr) return nullptr;
  pChild->MDIMaximize();
  return dynamic_cast<CZultaEditView*>(pChild->GetActiveView());
}
