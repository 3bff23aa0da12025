// The command line, the shell's requests and shortcuts.
#include <shlobj.h>

#include "classlib/core/CCommandLineInfo.h"
#include "classlib/win/CDocument.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/CWnd.h"

namespace {

constexpr char kSystemTopic[] = "system";
constexpr char kOpenCommand[] = "[open(\"";
constexpr char kCommandEnd[] = "\")]";
constexpr char kShortcutExtension[] = ".lnk";

// Releases a COM interface when it goes out of scope.
template <typename Interface>
struct ComPtr {
  Interface* p = nullptr;
  ~ComPtr() {
    if (p != nullptr) p->Release();
  }
};

}  // namespace

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo) {
  ParseCommandLineInto(rCmdInfo, m_lpCmdLine);
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo) {
  switch (rCmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
      // The program's own File/New when it has one, else the class library's.
      if (!OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr)) OnFileNew();
      return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
      return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
      // Prints without showing the program, which then ends.
      m_nCmdShow = SW_HIDE;
      if (OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr && m_pMainWnd != nullptr)
        m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
      return FALSE;
    case CCommandLineInfo::FileDDE:
      // The shell's DDE request names the file.
      return TRUE;
    case CCommandLineInfo::AppUnregister:
      // Nothing was registered: there is nothing to undo, and nothing to run.
      return FALSE;
    case CCommandLineInfo::FileNothing:
      return TRUE;
  }
  return FALSE;
}

void CWinApp::EnableShellOpen() {
  if (m_atomApp != 0 || m_pszExeName == nullptr) return;
  m_atomApp = ::GlobalAddAtomA(m_pszExeName);
  m_atomSystemTopic = ::GlobalAddAtomA(kSystemTopic);
}

BOOL CWinApp::OnDDECommand(LPSTR lpszCommand) {
  const CString strCommand(lpszCommand);
  const int nOpenLength = static_cast<int>(sizeof kOpenCommand - 1);
  if (strCommand.Left(nOpenLength).CompareNoCase(kOpenCommand) != 0) return FALSE;
  const int nEnd = strCommand.Find(kCommandEnd, nOpenLength);
  if (nEnd < 0) return FALSE;
  OpenDocumentFile(strCommand.Mid(nOpenLength, nEnd - nOpenLength));
  // An open requested by the shell shows the program.
  if (m_pMainWnd != nullptr && !m_pMainWnd->IsWindowVisible()) {
    m_pMainWnd->ShowWindow(m_nCmdShow == SW_HIDE ? SW_SHOWNORMAL : m_nCmdShow);
    m_pMainWnd->UpdateWindow();
  }
  return TRUE;
}

BOOL AfxResolveShortcut(CWnd* pWnd, LPCSTR lpszFileIn, LPSTR lpszFileOut, int cchPath) {
  const CString strFileIn(lpszFileIn);
  const int nExtension = static_cast<int>(sizeof kShortcutExtension - 1);
  if (cchPath <= 0 || strFileIn.Right(nExtension).CompareNoCase(kShortcutExtension) != 0)
    return FALSE;

  ComPtr<IShellLinkA> link;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link.p))))
    return FALSE;
  ComPtr<IPersistFile> file;
  if (FAILED(link.p->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.p))))
    return FALSE;
  WCHAR wszPath[MAX_PATH];
  if (::MultiByteToWideChar(CP_ACP, 0, lpszFileIn, -1, wszPath, MAX_PATH) == 0) return FALSE;
  if (FAILED(file.p->Load(wszPath, STGM_READ))) return FALSE;
  // Without a window to own it, the search for a moved target asks nothing.
  HWND hWnd = pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr;
  if (FAILED(link.p->Resolve(hWnd, hWnd != nullptr ? SLR_ANY_MATCH : SLR_ANY_MATCH | SLR_NO_UI)))
    return FALSE;
  char szTarget[MAX_PATH];
  WIN32_FIND_DATAA findData;
  if (link.p->GetPath(szTarget, MAX_PATH, &findData, 0) != S_OK || szTarget[0] == '\0')
    return FALSE;
  lstrcpynA(lpszFileOut, szTarget, cchPath);
  return TRUE;
}
