#include "shell/ZultaEditApp.h"

#include "classlib/core/CCommandLineInfo.h"
#include "classlib/win/AfxMsg.h"
#include "classlib/win/AfxRes.h"
#include "classlib/win/CMultiDocTemplate.h"
#include "editor/win/ZultaEditDoc.h"
#include "editor/win/ZultaEditView.h"
#include "hebtext/win/CHebEdit.h"
#include "hebtext/win/ClipboardText.h"
#include "hebtext/win/SystemInfo.h"
#include "resources/AboutIds.h"
#include "resources/HebtextIds.h"
#include "resources/ShellIds.h"
#include "shell/AboutDlg.h"
#include "shell/ChildFrame.h"
#include "shell/MainFrame.h"
#include "speech/win/KeyboardGuideDocuments.h"
#include "speech/win/KeyboardGuideViews.h"
#include "tables/win/GrammarDocuments.h"
#include "tables/win/GrammarViews.h"

CZultaEditApp theApp;

BEGIN_MESSAGE_MAP(CZultaEditApp, CWinApp)
  ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
  ON_COMMAND(ID_FILE_NEW, CWinApp::OnFileNew)
  ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
  ON_COMMAND(ID_FILE_PRINT_SETUP, CWinApp::OnFilePrintSetup)
  ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, OnOpenRecentFile)
  ON_COMMAND_RANGE(ID_EDIT_PASTE, ID_EDIT_PASTE, OnEditCommand)
  ON_COMMAND_RANGE(ID_EDIT_COPY, ID_EDIT_COPY, OnEditCommand)
  ON_COMMAND_RANGE(ID_EDIT_CUT, ID_EDIT_CUT, OnEditCommand)
  ON_COMMAND_RANGE(ID_EDIT_CLEAR, ID_EDIT_CLEAR, OnEditCommand)
  ON_COMMAND_RANGE(ID_EDIT_UNDO, ID_EDIT_UNDO, OnEditCommand)
  ON_COMMAND_RANGE(ID_HEBEDIT_COPY_SPECIAL, ID_HEBEDIT_COPY_SPECIAL, OnSpecialClipboardCommand)
  ON_COMMAND_RANGE(ID_HEBEDIT_PASTE_SPECIAL, ID_HEBEDIT_PASTE_SPECIAL, OnSpecialClipboardCommand)
  ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateSelectionCommand)
  ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateSelectionCommand)
  ON_UPDATE_COMMAND_UI(ID_HEBEDIT_COPY_SPECIAL, OnUpdateSelectionCommand)
  ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdatePasteCommand)
  ON_UPDATE_COMMAND_UI(ID_HEBEDIT_PASTE_SPECIAL, OnUpdatePasteCommand)
END_MESSAGE_MAP()

namespace {
constexpr char kRegistryKey[] = "Pomlar Software";
constexpr UINT kRecentFileCount = 10;
constexpr char kRtfFormatName[] = "Rich Text Format";
constexpr UINT kGrammarTemplateId = 118;
constexpr char kOleFailedText[] =
    "Zulta could not start the system's OLE libraries, which it needs for the clipboard and "
    "drag and drop.";
constexpr char kHelpMissingText[] =
    "Help is not installed.\n\nRead README.md in the program's folder for how to use Zulta.";

// The message each Edit command sends to the focused window.
UINT EditMessageOf(UINT nID) {
  switch (nID) {
    case ID_EDIT_PASTE: return WM_PASTE;
    case ID_EDIT_COPY: return WM_COPY;
    case ID_EDIT_CUT: return WM_CUT;
    case ID_EDIT_CLEAR: return WM_CLEAR;
    case ID_EDIT_UNDO: return WM_UNDO;
    default: return 0;
  }
}
}  // namespace

BOOL CZultaEditApp::InitInstance() {
  if (!AfxOleInit()) {
    AfxMessageBox(kOleFailedText, MB_OK | MB_ICONSTOP);
    return FALSE;
  }
  AfxEnableControlContainer();
  SetRegistryKey(kRegistryKey);
  LoadStdProfileSettings(kRecentFileCount);
  GetOSDescription();
  ReadVersionInfo();

  DoWaitCursor(1);
  ShowSplash();
  if (!SetupPaths()) {
    ExitInstance();
    return AbandonStartup();
  }
  if (m_rtfClipboardFormat == 0) m_rtfClipboardFormat = ::RegisterClipboardFormatA(kRtfFormatName);
  CreateDocTemplates();
  LoadSystemColors();

  auto* pFrame = new CMainFrame;
  // A frame that fails to load has deleted itself.
  if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE)) {
    return AbandonStartup();
  }
  m_pMainWnd = pFrame;
  LoadSpeechEngine();
  // Without the library the engine stays without an instance: no speech.
  pFrame->GetSpeechEngine()->Init(m_hSpeechLibrary, m_profileStore);
  pFrame->DragAcceptFiles();

  EnableShellOpen();
  CCommandLineInfo cmdInfo;
  ParseCommandLine(cmdInfo);
  // A plain start opens no empty document.
  if (cmdInfo.m_nShellCommand == CCommandLineInfo::FileNew) {
    cmdInfo.m_nShellCommand = CCommandLineInfo::FileNothing;
  }
  if (!ProcessShellCommand(cmdInfo)) return AbandonStartup();

  pFrame->ShowWindow(SW_SHOWMAXIMIZED);
  pFrame->UpdateWindow();
  DestroySplash();
  DoWaitCursor(-1);
  return TRUE;
}

BOOL CZultaEditApp::AbandonStartup() {
  DestroySplash();
  DoWaitCursor(-1);
  return FALSE;
}

void CZultaEditApp::ShowSplash() {
  m_pSplash = new CAboutDlg;
  if (!m_pSplash->Create(IDD_ABOUTBOX)) {
    delete m_pSplash;
    m_pSplash = nullptr;
    return;
  }
  m_pSplash->ShowWindow(SW_SHOW);
  m_pSplash->UpdateWindow();
}

void CZultaEditApp::DestroySplash() {
  if (m_pSplash == nullptr) return;
  m_pSplash->DestroyWindow();
  delete m_pSplash;
  m_pSplash = nullptr;
}

void CZultaEditApp::CreateDocTemplates() {
  auto makeTemplate = [](UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pViewClass) {
    return new CMultiDocTemplate(nIDResource, pDocClass, RUNTIME_CLASS(CChildFrame), pViewClass);
  };
  m_pEditTemplate =
      makeTemplate(IDR_ZULTATYPE, RUNTIME_CLASS(CZultaEditDoc), RUNTIME_CLASS(CZultaEditView));
  m_pVerbTemplate =
      makeTemplate(kGrammarTemplateId, RUNTIME_CLASS(CGramVerbDoc), RUNTIME_CLASS(CGramVerbView));
  m_pPrepTemplate =
      makeTemplate(kGrammarTemplateId, RUNTIME_CLASS(CGramPrepDoc), RUNTIME_CLASS(CGramPrepView));
  m_pKinuiTemplate =
      makeTemplate(kGrammarTemplateId, RUNTIME_CLASS(CGramKinuiDoc), RUNTIME_CLASS(CGramKinuiView));
  m_pNumberTemplate = makeTemplate(kGrammarTemplateId, RUNTIME_CLASS(CGramNumberDoc),
                                   RUNTIME_CLASS(CGramNumberView));
  m_pKeyMapTemplate =
      makeTemplate(IDR_ZULTATYPE, RUNTIME_CLASS(CKeyMapDoc), RUNTIME_CLASS(CKeyMapView));
  m_pKeyboardTemplate =
      makeTemplate(IDR_ZULTATYPE, RUNTIME_CLASS(CKeyboardDoc), RUNTIME_CLASS(CKeyboardView));
  // Only the editor's documents are offered by File / New, File / Open and the shell.
  AddDocTemplate(m_pEditTemplate);
}

int CZultaEditApp::ExitInstance() {
  // The editor's template belongs to the class library's list.
  for (CMultiDocTemplate** ppTemplate :
       {&m_pVerbTemplate, &m_pPrepTemplate, &m_pKinuiTemplate, &m_pNumberTemplate,
        &m_pKeyMapTemplate, &m_pKeyboardTemplate}) {
    delete *ppTemplate;
    *ppTemplate = nullptr;
  }
  FreeLanguageData();
  FreeSpeechEngine();
  return CWinApp::ExitInstance();
}

void CZultaEditApp::WinHelp(DWORD_PTR, UINT) {
  AfxMessageBox(kHelpMissingText, MB_OK | MB_ICONINFORMATION);
}

void CZultaEditApp::OnAppAbout() {
  CAboutDlg aboutDlg;
  aboutDlg.m_modal = 1;
  aboutDlg.DoModal();
}

void CZultaEditApp::OnEditCommand(UINT nID) {
  HWND hWndFocus = ::GetFocus();
  if (hWndFocus != nullptr) ::SendMessageA(hWndFocus, EditMessageOf(nID), 0, 0);
}

CHebEdit* CZultaEditApp::FocusedHebEditOutsideEditor() const {
  auto* pFrame = static_cast<CMainFrame*>(m_pMainWnd);
  if (pFrame == nullptr || pFrame->GetActiveEditView() != nullptr) return nullptr;
  CWnd* pFocus = CWnd::FromHandlePermanent(::GetFocus());
  if (pFocus == nullptr) return nullptr;
  CString className(pFocus->GetRuntimeClass()->m_lpszClassName);
  return className.CompareNoCase("CHebEdit") == 0 ? static_cast<CHebEdit*>(pFocus) : nullptr;
}

void CZultaEditApp::OnSpecialClipboardCommand(UINT nID) {
  CHebEdit* pEdit = FocusedHebEditOutsideEditor();
  if (pEdit != nullptr) pEdit->SendMessage(WM_COMMAND, nID, 0);
}

void CZultaEditApp::OnUpdateSelectionCommand(CCmdUI* pCmdUI) {
  CHebEdit* pEdit = FocusedHebEditOutsideEditor();
  if (pEdit != nullptr) pCmdUI->Enable(pEdit->HasSelection());
}

void CZultaEditApp::OnUpdatePasteCommand(CCmdUI* pCmdUI) {
  CHebEdit* pEdit = FocusedHebEditOutsideEditor();
  if (pEdit != nullptr) pCmdUI->Enable(GetClipboardTextLength(pEdit->m_hWnd, CF_TEXT) != 0);
}
