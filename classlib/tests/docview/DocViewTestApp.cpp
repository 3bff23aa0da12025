#include "classlib/tests/docview/DocViewTestApp.h"

#include <iterator>

#include "classlib/core/CCommandLineInfo.h"
#include "classlib/tests/docview/CardDocument.h"
#include "classlib/tests/docview/DocViewTestIds.h"
#include "classlib/tests/docview/NoteDocument.h"
#include "classlib/tests/docview/RoutingLog.h"

std::vector<RoutedCommand>& RoutedCommands() {
  static std::vector<RoutedCommand> commands;
  return commands;
}

namespace {

constexpr UINT kStatusIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                                      ID_INDICATOR_SCRL};
constexpr UINT kMaxRecentFiles = 4;

}  // namespace

// ---- The main frame.

IMPLEMENT_DYNCREATE(CDocViewMainFrame, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CDocViewMainFrame, CMDIFrameWnd)
  ON_WM_CREATE()
  ON_COMMAND_RANGE(ID_DVT_ROUTE_FIRST, ID_DVT_ROUTE_MAIN_FRAME, OnRoute)
END_MESSAGE_MAP()

int CDocViewMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CMDIFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
  if (!m_wndStatusBar.Create(this) ||
      !m_wndStatusBar.SetIndicators(kStatusIndicators,
                                    static_cast<int>(std::size(kStatusIndicators))))
    return -1;
  return 0;
}

void CDocViewMainFrame::OnRoute(UINT nID) { RecordRoute("main frame", nID); }

// ---- The child frame and the template.

IMPLEMENT_DYNCREATE(CDocViewChildFrame, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CDocViewChildFrame, CMDIChildWnd)
  ON_COMMAND_RANGE(ID_DVT_ROUTE_FIRST, ID_DVT_ROUTE_CHILD_FRAME, OnRoute)
END_MESSAGE_MAP()

void CDocViewChildFrame::OnRoute(UINT nID) { RecordRoute("child frame", nID); }

BEGIN_MESSAGE_MAP(CRoutingDocTemplate, CMultiDocTemplate)
  ON_COMMAND_RANGE(ID_DVT_ROUTE_FIRST, ID_DVT_ROUTE_TEMPLATE, OnRoute)
END_MESSAGE_MAP()

void CRoutingDocTemplate::OnRoute(UINT nID) { RecordRoute("template", nID); }

// ---- The application.

BEGIN_MESSAGE_MAP(CDocViewTestApp, CWinApp)
  ON_COMMAND(ID_FILE_NEW, OnFileNew)
  ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
  ON_COMMAND_RANGE(ID_DVT_ROUTE_FIRST, ID_DVT_ROUTE_APPLICATION, OnRoute)
END_MESSAGE_MAP()

CDocViewTestApp::CDocViewTestApp() : CWinApp(kAppName) {}

BOOL CDocViewTestApp::InitInstance() {
  SetRegistryKey(kRegistryKey);
  LoadStdProfileSettings(kMaxRecentFiles);
  m_pNoteTemplate =
      new CRoutingDocTemplate(IDR_DVT_NOTETYPE, RUNTIME_CLASS(CNoteDoc),
                              RUNTIME_CLASS(CDocViewChildFrame), RUNTIME_CLASS(CNoteView));
  AddDocTemplate(m_pNoteTemplate);
  m_pCardTemplate = new CMultiDocTemplate(IDR_DVT_CARDTYPE, RUNTIME_CLASS(CCardDoc),
                                          RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CCardView));
  AddDocTemplate(m_pCardTemplate);

  auto* pMainFrame = new CDocViewMainFrame;
  if (!pMainFrame->LoadFrame(IDR_DVT_MAINFRAME, m_dwMainFrameStyle)) return FALSE;
  m_pMainWnd = pMainFrame;
  pMainFrame->MoveWindow(&m_rectMainFrame);

  // A plain start opens no document, as the program's does.
  CCommandLineInfo cmdInfo;
  ParseCommandLine(cmdInfo);
  if (cmdInfo.m_nShellCommand == CCommandLineInfo::FileNew)
    cmdInfo.m_nShellCommand = CCommandLineInfo::FileNothing;
  if (!ProcessShellCommand(cmdInfo)) return FALSE;
  pMainFrame->ShowWindow(m_nCmdShow);
  pMainFrame->UpdateWindow();
  return TRUE;
}

CDocViewMainFrame* CDocViewTestApp::GetMainFrame() const {
  return static_cast<CDocViewMainFrame*>(m_pMainWnd);
}

void CDocViewTestApp::OnRoute(UINT nID) { RecordRoute("application", nID); }
