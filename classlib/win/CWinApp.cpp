#include "classlib/win/CWinApp.h"

#include <ole2.h>

#include <cstring>

#include "classlib/win/AfxState.h"
#include "classlib/win/CWnd.h"

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
  ON_COMMAND(ID_APP_EXIT, OnAppExit)
  ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, OnOpenRecentFile)
  ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, OnUpdateRecentFileMenu)
END_MESSAGE_MAP()

namespace {
// The names the application owns; nullptr stays nullptr.
LPCSTR DuplicateName(LPCSTR lpsz) { return lpsz != nullptr ? _strdup(lpsz) : nullptr; }
void FreeName(LPCSTR& lpsz) {
  free(const_cast<LPSTR>(lpsz));
  lpsz = nullptr;
}
}  // namespace

CWinApp::CWinApp(LPCSTR lpszAppName) {
  m_pszAppName = DuplicateName(lpszAppName);
  AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
  pModuleState->m_pCurrentWinApp = this;
  pModuleState->m_lpszCurrentAppName = m_pszAppName;
}

CWinApp::~CWinApp() {
  DeleteDocumentState();
  AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
  if (pModuleState->m_pCurrentWinApp == this) {
    pModuleState->m_pCurrentWinApp = nullptr;
    pModuleState->m_lpszCurrentAppName = nullptr;
  }
  FreeName(m_pszAppName);
  FreeName(m_pszExeName);
  FreeName(m_pszHelpFilePath);
  FreeName(m_pszRegistryKey);
  FreeName(m_pszProfileName);
}

BOOL CWinApp::InitInstance() { return TRUE; }

void CWinApp::SetCurrentHandles() {
  AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
  pModuleState->m_hCurrentInstanceHandle = m_hInstance;
  pModuleState->m_hCurrentResourceHandle = m_hInstance;

  char szPath[MAX_PATH];
  DWORD nLength = ::GetModuleFileNameA(m_hInstance, szPath, MAX_PATH);
  if (nLength == 0 || nLength >= MAX_PATH) szPath[0] = '\0';
  LPSTR lpszName = std::strrchr(szPath, '\\');
  lpszName = lpszName != nullptr ? lpszName + 1 : szPath;
  LPSTR lpszExt = std::strrchr(lpszName, '.');

  if (m_pszHelpFilePath == nullptr && lpszExt != nullptr) {
    CString strHelp(szPath, static_cast<int>(lpszExt - szPath));
    strHelp += ".HLP";
    m_pszHelpFilePath = DuplicateName(strHelp);
  }
  if (lpszExt != nullptr) *lpszExt = '\0';
  if (m_pszExeName == nullptr) m_pszExeName = DuplicateName(lpszName);
  if (m_pszAppName == nullptr) {
    CString strTitle;
    m_pszAppName = DuplicateName(
        strTitle.LoadString(AFX_IDS_APP_TITLE) ? static_cast<LPCSTR>(strTitle) : m_pszExeName);
  }
  pModuleState->m_lpszCurrentAppName = m_pszAppName;
  if (m_pszProfileName == nullptr) m_pszProfileName = DuplicateName(m_pszAppName);
}

HICON CWinApp::LoadIcon(LPCSTR lpszResourceName) const {
  return ::LoadIconA(AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON), lpszResourceName);
}

HICON CWinApp::LoadIcon(UINT nIDResource) const { return LoadIcon(MAKEINTRESOURCEA(nIDResource)); }

void CWinApp::DoWaitCursor(int nCode) {
  m_nWaitCursorCount += nCode;
  if (m_nWaitCursorCount > 0) {
    HCURSOR hcurPrev = ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
    // The cursor to go back to is the one before the first wait.
    if (nCode > 0 && m_nWaitCursorCount == nCode) m_hcurWaitCursorRestore = hcurPrev;
  } else {
    m_nWaitCursorCount = 0;
    ::SetCursor(m_hcurWaitCursorRestore);
  }
}

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd) {
  CWnd* pMainWnd = AfxGetMainWnd();
  DoWaitCursor(1);
  ::WinHelpA(pMainWnd != nullptr ? pMainWnd->m_hWnd : nullptr, m_pszHelpFilePath, nCmd, dwData);
  DoWaitCursor(-1);
}

int CWinApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT) {
  // Owned by the active top-level window of the program, so it is modal to it.
  HWND hWndOwner = ::GetActiveWindow();
  if (hWndOwner == nullptr && AfxGetMainWnd() != nullptr) hWndOwner = AfxGetMainWnd()->m_hWnd;
  if ((nType & MB_ICONMASK) == 0) {
    UINT nButtons = nType & MB_TYPEMASK;
    nType |=
        (nButtons == MB_YESNO || nButtons == MB_YESNOCANCEL) ? MB_ICONQUESTION : MB_ICONEXCLAMATION;
  }
  return ::MessageBoxA(hWndOwner, lpszPrompt, m_pszAppName, nType);
}

void CWinApp::OnAppExit() {
  if (m_pMainWnd != nullptr) m_pMainWnd->SendMessage(WM_CLOSE);
}

// ---- Global functions.

CWinApp* AfxGetApp() { return AfxGetModuleState()->m_pCurrentWinApp; }

CWnd* AfxGetMainWnd() {
  CWinThread* pThread = AfxGetThread();
  return pThread != nullptr ? pThread->GetMainWnd() : nullptr;
}

HINSTANCE AfxGetInstanceHandle() {
  AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
  return pModuleState->m_hCurrentInstanceHandle != nullptr ? pModuleState->m_hCurrentInstanceHandle
                                                           : ::GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle() {
  AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
  return pModuleState->m_hCurrentResourceHandle != nullptr ? pModuleState->m_hCurrentResourceHandle
                                                           : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE hInstResource) {
  AfxGetModuleState()->m_hCurrentResourceHandle = hInstResource;
}

HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType) {
  HINSTANCE hResource = AfxGetResourceHandle();
  if (::FindResourceA(hResource, lpszName, lpszType) != nullptr) return hResource;
  HINSTANCE hInstance = AfxGetInstanceHandle();
  if (::FindResourceA(hInstance, lpszName, lpszType) != nullptr) return hInstance;
  return hResource;
}

LPCSTR AfxGetAppName() { return AfxGetModuleState()->m_lpszCurrentAppName; }

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp) {
  CWinApp* pApp = AfxGetApp();
  if (pApp != nullptr) return pApp->DoMessageBox(lpszText, nType, nIDHelp);
  return ::MessageBoxA(nullptr, lpszText, nullptr, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
  CString strPrompt;
  strPrompt.LoadString(nIDPrompt);
  return AfxMessageBox(strPrompt, nType, nIDHelp == static_cast<UINT>(-1) ? nIDPrompt : nIDHelp);
}

BOOL AfxOleInit() {
  AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
  if (!pModuleState->m_bOleInitialized)
    pModuleState->m_bOleInitialized = SUCCEEDED(::OleInitialize(nullptr));
  return pModuleState->m_bOleInitialized;
}

void AfxEnableControlContainer() {}

BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow) {
  CWinApp* pApp = AfxGetApp();
  if (pApp == nullptr) return FALSE;
  pApp->m_hInstance = hInstance;
  pApp->m_lpCmdLine = lpCmdLine;
  pApp->m_nCmdShow = nCmdShow;
  pApp->SetCurrentHandles();
  return TRUE;
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow) {
  CWinApp* pApp = AfxGetApp();
  if (!AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow)) return -1;
  int nResult;
  if (pApp->InitInstance()) {
    nResult = pApp->Run();
  } else {
    // A start-up that gives up still runs its exit processing.
    if (pApp->m_pMainWnd != nullptr) pApp->m_pMainWnd->DestroyWindow();
    nResult = pApp->ExitInstance();
  }
  if (AfxGetModuleState()->m_bOleInitialized) {
    ::OleUninitialize();
    AfxGetModuleState()->m_bOleInitialized = FALSE;
  }
  return nResult;
}
