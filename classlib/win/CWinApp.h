// The application object: the program's one CWinApp, its main thread, with
// its names, resources, profile (settings under the current user's registry
// key) and help.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include "classlib/core/CString.h"
#include "classlib/core/Position.h"
#include "classlib/win/CWinThread.h"

class CCmdUI;
class CCommandLineInfo;
class CDocManager;
class CDocTemplate;
class CDocument;
class CDC;
class CPrintDialog;
class CRecentFileList;

class CWinApp : public CWinThread {
  DECLARE_DYNAMIC(CWinApp)
 public:
  // lpszAppName nullptr: the name is string AFX_IDS_APP_TITLE, else the
  // program file's name.
  explicit CWinApp(LPCSTR lpszAppName = nullptr);
  ~CWinApp() override;

  BOOL InitInstance() override;
  // Writes the recent-file list to the profile.
  int ExitInstance() override;

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

  // ---- Documents (the document manager's, made by the first AddDocTemplate).
  void AddDocTemplate(CDocTemplate* pTemplate);
  POSITION GetFirstDocTemplatePosition() const;
  CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
  // The document open on the path (activated), or the file opened with the
  // template that suits it; nullptr when it cannot be opened.
  virtual CDocument* OpenDocumentFile(LPCSTR lpszFileName);
  virtual void AddToRecentFileList(LPCSTR lpszPathName);
  // Asks every modified document to save; FALSE when one was cancelled.
  virtual BOOL SaveAllModified();
  void CloseAllDocuments(BOOL bEndSession);
  int GetOpenDocumentCount();
  virtual BOOL DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                                BOOL bOpenFileDialog, CDocTemplate* pTemplate);
  // Reads the recent-file list of nMaxMRU entries (0: none) from the
  // profile section "Recent File List".
  void LoadStdProfileSettings(UINT nMaxMRU = 4);
  void SaveStdProfileSettings();

  // ---- The command line and the shell.
  // Parses m_lpCmdLine into rCmdInfo.
  void ParseCommandLine(CCommandLineInfo& rCmdInfo);
  // Carries out the parsed command: a new document, a file opened, nothing.
  // FALSE when it failed and the program should end.
  BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);
  // The shell may ask the running program to open files by DDE.
  void EnableShellOpen();
  // A DDE execute string; "[open("path")]" opens the file.
  virtual BOOL OnDDECommand(LPSTR lpszCommand);

  // ---- The printer: m_hDevNames and m_hDevMode hold the chosen printer,
  // the system's default until the user picks another.
  BOOL GetPrinterDeviceDefaults(PRINTDLGA* pPrintDlg);
  // Fills the printer handles with the default printer when they are empty
  // (or always with bForceDefaults).
  void UpdatePrinterSelection(BOOL bForceDefaults);
  // Takes the handles, freeing the old ones when bFreeOld.
  void SelectPrinter(HANDLE hDevNames, HANDLE hDevMode, BOOL bFreeOld = TRUE);
  virtual INT_PTR DoPrintDialog(CPrintDialog* pPD);
  // A DC of the application's printer, attached to dc; FALSE when there is none.
  BOOL CreatePrinterDC(CDC& dc);

  // ID_APP_EXIT: closes the main window.
  afx_msg void OnAppExit();
  // ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_PRINT_SETUP: mapped by the program's
  // application class when it wants them.
  afx_msg void OnFileNew();
  afx_msg void OnFileOpen();
  afx_msg void OnFilePrintSetup();
  // ID_FILE_MRU_FILE1..16: opens the entry; when that fails the entry is
  // removed.
  afx_msg BOOL OnOpenRecentFile(UINT nID);
  afx_msg void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);

  CDocManager* m_pDocManager = nullptr;
  HGLOBAL m_hDevMode = nullptr;
  HGLOBAL m_hDevNames = nullptr;
  // The DDE names of shell open: the program's name and "System".
  ATOM m_atomApp = 0;
  ATOM m_atomSystemTopic = 0;

  HINSTANCE m_hInstance = nullptr;
  LPSTR m_lpCmdLine = nullptr;
  int m_nCmdShow = SW_SHOWNORMAL;
  LPCSTR m_pszAppName = nullptr;
  LPCSTR m_pszExeName = nullptr;       // the program file's name without extension
  LPCSTR m_pszHelpFilePath = nullptr;  // the program's path with the extension .HLP
  LPCSTR m_pszRegistryKey = nullptr;
  LPCSTR m_pszProfileName = nullptr;
  // The number of pages print preview shows, kept in the profile; 0 unset.
  UINT m_nNumPreviewPages = 0;

 protected:
  int m_nWaitCursorCount = 0;
  HCURSOR m_hcurWaitCursorRestore = nullptr;
  CRecentFileList* m_pRecentFileList = nullptr;

  DECLARE_MESSAGE_MAP()

 private:
  // Fills the names from the program file and its resources; called by AfxWinInit.
  void SetCurrentHandles();
  // Deletes the document manager (and its templates), the recent-file list,
  // the printer handles and the shell's atoms; called by the destructor.
  void DeleteDocumentState();
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

// The target of a shell link (.lnk) in lpszFileOut (at most cchPath
// characters); FALSE, and lpszFileOut untouched, for any other file.
BOOL AfxResolveShortcut(CWnd* pWnd, LPCSTR lpszFileIn, LPSTR lpszFileOut, int cchPath);

// OLE for the clipboard and drag and drop; undone when the program ends.
BOOL AfxOleInit();
// The program hosts no controls of its own: nothing to prepare.
void AfxEnableControlContainer();

// Records the program's handles and command line in the application object.
BOOL AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
// The program's entry, reached from WinMain.
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
