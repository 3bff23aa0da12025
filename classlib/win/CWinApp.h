// The application object: the program's one CWinApp, its main thread, with
// its names, resources, profile (settings under the current user's registry
// key) and help.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/win/CWinThread.h"

class CWinApp : public CWinThread {
  DECLARE_DYNAMIC(CWinApp)
 public:
  // lpszAppName nullptr: the name is string AFX_IDS_APP_TITLE, else the
  // program file's name.
  explicit CWinApp(LPCSTR lpszAppName = nullptr);
  ~CWinApp() override;

  BOOL InitInstance() override;

  HICON LoadIcon(LPCSTR lpszResourceName) const;
  HICON LoadIcon(UINT nIDResource) const;

  // 1 shows the wait cursor (nested calls count), -1 takes one back, 0 shows
  // it again after something else changed the cursor.
  virtual void DoWaitCursor(int nCode);
  virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
  // The message box of AfxMessageBox, titled with the application's name.
  virtual int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt);

  // ---- The profile: HKEY_CURRENT_USER\Software\<registry key>\<profile name>\<section>.
  // Settings are kept once SetRegistryKey named the key: the profile name
  // becomes the application's name. Without it reads give the default and
  // writes fail.
  void SetRegistryKey(LPCSTR lpszRegistryKey);
  void SetRegistryKey(UINT nIDRegistryKey);
  UINT GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault);
  BOOL WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue);
  CString GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault = nullptr);
  // lpszEntry nullptr deletes the section, lpszValue nullptr the entry.
  BOOL WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue);
  // *ppData is a new[] block the caller deletes; FALSE (and nullptr, 0) when
  // there is no such entry.
  BOOL GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
  BOOL WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, LPBYTE pData, UINT nBytes);
  // The application's key and a section's key, created when missing; the
  // caller closes them. nullptr without a registry key.
  HKEY GetAppRegistryKey();
  HKEY GetSectionKey(LPCSTR lpszSection);

  // ID_APP_EXIT: closes the main window.
  afx_msg void OnAppExit();

  HINSTANCE m_hInstance = nullptr;
  LPSTR m_lpCmdLine = nullptr;
  int m_nCmdShow = SW_SHOWNORMAL;
  LPCSTR m_pszAppName = nullptr;
  LPCSTR m_pszExeName = nullptr;       // the program file's name without extension
  LPCSTR m_pszHelpFilePath = nullptr;  // the program's path with the extension .HLP
  LPCSTR m_pszRegistryKey = nullptr;
  LPCSTR m_pszProfileName = nullptr;

 protected:
  int m_nWaitCursorCount = 0;
  HCURSOR m_hcurWaitCursorRestore = nullptr;

  DECLARE_MESSAGE_MAP()

 private:
  // Fills the names from the program file and its resources; called by AfxWinInit.
  void SetCurrentHandles();
  friend BOOL AfxWinInit(HINSTANCE, HINSTANCE, LPSTR, int);
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstResource);
// The module that holds the resource (the resource module, else the program).
HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);
LPCSTR AfxGetAppName();

// nType without an icon gets the exclamation mark, or the question mark for
// Yes/No questions. nIDHelp is the help context of the box.
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));

// OLE for the clipboard and drag and drop; undone when the program ends.
BOOL AfxOleInit();
// The program hosts no controls of its own: nothing to prepare.
void AfxEnableControlContainer();

// Records the program's handles and command line in the application object.
BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
// The program's entry, reached from WinMain.
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
