// The program's application object.
#pragma once

#include <vector>

#include "classlib/core/Collections.h"
#include "classlib/win/CWinApp.h"
#include "hebtext/core/PageSettingsRec.h"
#include "hebtext/win/AppProfileStore.h"
#include "hebtext/win/CFontInfo.h"

class CAboutDlg;
class CHebEdit;
class CMultiDocTemplate;
class CZultaEditDoc;

class CZultaEditApp : public CWinApp {
 public:
  BOOL InitInstance() override;
  // Safe after a start-up that stopped early, and when run twice.
  int ExitInstance() override;
  // Refuses a path that does not exist with a message box.
  CDocument* OpenDocumentFile(LPCSTR lpszFileName) override;
  // There is no help file: says so instead of starting the help system.
  void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT) override;

  // ---- Documents.
  // The open editor document on the path, after asking whether to re-read
  // it; else the document opened from the path; nullptr when none.
  CZultaEditDoc* OpenDocumentOnce(LPCSTR lpszPathName);
  CZultaEditDoc* FindEditDocument(LPCSTR lpszPathName);
  // The first editor document over all templates in order; nullptr when none.
  CZultaEditDoc* GetFirstEditDocument();
  // Sends the message to the first view of every editor document.
  void SendToEditViews(UINT message, WPARAM wParam, LPARAM lParam);
  // File / Close All: asks once for all editor documents, saves or discards
  // them as answered and closes them.
  void CloseAllDocuments();
  // Asks to re-read every editor document whose file another program changed.
  void CheckModifiedFiles();
  // Brings the caret of every editor view back into sight after tiling.
  void RefreshEditViewsAfterTile();

  // ---- Services of the whole program (ZultaEditAppServices.cpp).
  // Opens the progress dialog of a long operation over the main window
  // (hidden until the operation has run two seconds); closes it.
  void ShowProgressDialog();
  void CloseProgressDialog();
  // The colours of every Hebrew edit control from the system colours.
  void LoadSystemColors();
  // The speech engine library from the folder its registry key names;
  // nothing is said when it is missing. Freed at exit.
  void LoadSpeechEngine();
  void FreeSpeechEngine();
  // Closes the speaking face of the main frame's engine, when it shows. The
  // engine itself shows the face when it speaks.
  void CloseSpeakAnim();

  // The document templates; null until start-up created them. Only the
  // editor's is in the class library's list (and deleted by it).
  CMultiDocTemplate* m_pEditTemplate = nullptr;
  CMultiDocTemplate* m_pVerbTemplate = nullptr;
  CMultiDocTemplate* m_pKinuiTemplate = nullptr;
  CMultiDocTemplate* m_pPrepTemplate = nullptr;
  CMultiDocTemplate* m_pNumberTemplate = nullptr;
  CMultiDocTemplate* m_pKeyMapTemplate = nullptr;
  CMultiDocTemplate* m_pKeyboardTemplate = nullptr;

  // The shared fonts, filled by the main frame when it is created.
  static constexpr int kAppFontCount = 7;
  // The font transliterations are shown in.
  static constexpr int kTransliterationFont = 6;
  CFontInfo m_appFonts[kAppFontCount];
  // Logical pixels per inch of the screen, set by the main frame; every
  // toolbar and font size of the shell is scaled by it.
  int m_screenDpi = 96;
  // How many coming size events of the Grammar Tables window not to record.
  int m_grammarSizeSkipCount = 0;
  // The program's folder with a trailing backslash.
  CString m_programFolder;
  // "major.minor.release.build" of the file version, and its copyright line.
  CString m_versionText;
  CString m_legalText;
  // The registered clipboard format "Rich Text Format".
  UINT m_rtfClipboardFormat = 0;

  // The General preferences, as loaded at start-up and changed by Settings.
  int m_haShemFilter = 0;
  int m_accent = 1;
  int m_nikudToggle = 0;
  int m_vowelType = 1;
  // Page settings of the English side, the Hebrew side and grammar tables.
  PageSettingsRec m_pageSettings[3];
  // Custom tab stops and tab interval of the English (0) and Hebrew (1) side.
  CDWordArray m_tabStops[2];
  int m_tabInterval[2] = {1000, 1000};

 protected:
  afx_msg void OnAppAbout();
  afx_msg void OnFileOpen();
  afx_msg BOOL OnOpenRecentFile(UINT nID);
  // The Edit commands go to the window with the keyboard focus.
  afx_msg void OnEditCommand(UINT nID);
  // Copy Special and Paste Special, and the state of the clipboard
  // commands, for a Hebrew edit control outside the editor.
  afx_msg void OnSpecialClipboardCommand(UINT nID);
  afx_msg void OnUpdateSelectionCommand(CCmdUI* pCmdUI);
  afx_msg void OnUpdatePasteCommand(CCmdUI* pCmdUI);

  DECLARE_MESSAGE_MAP()

 private:
  // Start-up steps.
  void ReadVersionInfo();
  void ShowSplash();
  // The preferences, the program's folder and the language data; FALSE when
  // the program cannot run (the failing step has said why).
  BOOL SetupPaths();
  void LoadPreferences();
  void SetupProgramFolder();
  void CreateDocTemplates();
  void DestroySplash();
  // Ends a start-up that cannot go on; answers FALSE.
  BOOL AbandonStartup();
  // The grammar data and phoneme sets; nothing when they were not loaded.
  void FreeLanguageData();

  // The open editor documents, over all templates in order.
  std::vector<CZultaEditDoc*> EditDocuments() const;
  // The focused Hebrew edit control while no editor view is active.
  CHebEdit* FocusedHebEditOutsideEditor() const;

  CAppProfileStore m_profileStore{this};
  CAboutDlg* m_pSplash = nullptr;
  HMODULE m_hSpeechLibrary = nullptr;
  // Re-entrancy guard of CheckModifiedFiles (its message box lets the main
  // frame be activated again).
  bool m_checkingModifiedFiles = false;
};

extern CZultaEditApp theApp;
