// The program's MDI main window: the four toolbars, the status bar, the three
// docking windows (Grammar Tables, Lookup Tables/Search Results, Keyboard
// Guides), the application fonts, the editor's ruler images and font caches,
// and the saved layout of all of them.
#pragma once

#include "classlib/core/Collections.h"
#include "classlib/win/CBitmap.h"
#include "classlib/win/CComboBox.h"
#include "classlib/win/CDC.h"
#include "classlib/win/CImageList.h"
#include "classlib/win/CStatusBar.h"
#include "editor/win/EditorFrame.h"
#include "hebtext/win/CColorComboBox.h"
#include "editor/win/CNavEdit.h"
#include "hebtext/win/CFocusComboBox.h"
#include "shell/LookupDockWindow.h"
#include "shell/MyDockWindow.h"
#include "shell/core/DockSizes.h"
#include "shell/core/GrammarCommands.h"
#include "speech/win/ReferenceServices.h"
#include "speech/win/SpeakingFace.h"
#include "speech/win/SpeechEngine.h"
#include "tables/win/GrammarFrame.h"
#include "toolkit/win/CKWMDIFrameWnd.h"
#include "toolkit/win/CKWToolBar.h"

class CFontInfo;
class CHebEdit;
class CLookupBar;
class CView;
class CZultaEditDoc;

// The window of the editor document in front (the MDI client's top child's
// first child); nullptr when there is no editor document with a view.
CWnd* GetEditViewWindow();

class CMainFrame : public CKWMDIFrameWnd,
                   public IEditorFrame,
                   public IGrammarFrame,
                   public LookupTableOpener {
  DECLARE_DYNCREATE(CMainFrame)

 public:
  // The name of the saved layout of bars and docking windows.
  static constexpr const char* kBarStateName = "ZultaBarState";

  CMainFrame();
  ~CMainFrame() override;

  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

  // ---- Documents and tabs.
  // The active MDI child's document when it is an editor document.
  CZultaEditDoc* GetActiveEditDoc();
  CView* GetActiveEditView();
  // Index of the Grammar Tables (0-3) or Keyboard Guides (0-1) tab whose view
  // is active; 0 when there is none.
  int GetActiveGrammarTab();
  int GetActiveKeyboardTab();
  // The active view of Grammar Tables; nullptr when there is none.
  CWnd* GetGrammarView() override;
  // The lookup list's row in the grammar table of its tab.
  void OpenTable(const Request& request) override;

  // ---- Font caches of the editor: list 0 ages, list 1 is cleared by its user.
  // The cached font like pRequest (face, size, style, LOGFONT), made and
  // measured against pDC when missing; stamped as just used.
  CFontInfo* GetCachedFont(CDC* pDC, const CFontInfo& request, int nList) override;
  // List 0, 1, or both for -1.
  void ClearFontCache(int nList) override;

  // ---- Printing: a grammar table's print preview that ends keeps the
  // editor's Print command for the table a moment (MainFramePrinting.cpp).
  void SetGrammarPreviewEnded() override;
  BOOL TakeGrammarPreviewEnded() override;
  // A grammar view was activated: the next Full View enlarges again.
  void ForgetGrammarFullView() override;

  // ---- Layout.
  void LoadBarState(LPCSTR lpszProfileName) override;
  // Forgets the saved layout, so the default one is used at the next start.
  void ResetBarState();

  // ---- Accessors.
  CMyDockWindow& GetGrammarWindow() { return m_grammarWindow; }
  CMyDockWindow& GetKeyboardWindow() { return m_keyboardWindow; }
  CLookupDockWindow& GetLookupWindow() { return m_lookupWindow; }
  CLookupBar& GetLookupBar() { return m_lookupWindow.GetLookupBar(); }
  CHebEdit* GetLookupEdit() const { return m_pLookupEdit; }
  // The ruler image of a unit system (0 inches, 1 centimetres) and kind
  // (0 horizontal, 1 horizontal counting down, 2 vertical); nullptr before
  // the frame's creation built them.
  CDC* GetRulerImage(int nUnit, int nImage) override;
  // The program's speech engine, for the whole run.
  CSpeechEngine* GetSpeechEngine() override { return &m_speechEngine; }

 protected:
  // ---- Message handlers (MainFrame.cpp, MainFrameFonts.cpp).
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnClose();
  afx_msg void OnDestroy();
  afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
  afx_msg void OnSysColorChange();
  afx_msg void OnFontChange();
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnToggleInsertMode();
  afx_msg void OnUpdateInsertMode(CCmdUI* pCmdUI);
  afx_msg void OnUpdatePageLine(CCmdUI* pCmdUI);
  // The File toolbar's Copy and Paste arrows drop their special menus.
  afx_msg LRESULT OnToolBarDropDown(WPARAM wParam, LPARAM lParam);

  // ---- Commands (MainFrameCommands.cpp).
  afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
  afx_msg void OnToggleToolBar(UINT nID);
  afx_msg void OnUpdateToggleToolBar(CCmdUI* pCmdUI);
  afx_msg BOOL OnToggleDockWindow(UINT nID);
  afx_msg void OnUpdateToggleDockWindow(CCmdUI* pCmdUI);
  afx_msg void OnResetLayout();
  afx_msg void OnFullView();
  afx_msg void OnUpdateFullView(CCmdUI* pCmdUI);
  afx_msg void OnForwardToGrammarView(UINT nID);
  afx_msg void OnUpdateNeedsTable(CCmdUI* pCmdUI);
  afx_msg void OnUpdateCycleSpellings(CCmdUI* pCmdUI);
  afx_msg void OnUpdateCopyForm(CCmdUI* pCmdUI);
  afx_msg void OnUpdateVerbForms(CCmdUI* pCmdUI);
  afx_msg void OnUpdateAlwaysEnabled(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
  afx_msg void OnShowGrammarTab(UINT nID);
  afx_msg void OnUpdateGrammarTab(CCmdUI* pCmdUI);
  afx_msg void OnLookupMode(UINT nID);
  afx_msg void OnUpdateLookupMode(CCmdUI* pCmdUI);
  afx_msg void OnFocusDocument();
  afx_msg void OnFocusGrammarTable();
  afx_msg void OnFocusLookupWindow();
  afx_msg void OnFocusKeyboardGuides();
  afx_msg void OnFocusLookupEdit(UINT nID);
  afx_msg void OnFocusEditorCombo(UINT nID);
  afx_msg void OnTile(UINT nID);
  afx_msg void OnCloseAll();
  afx_msg void OnPreferenceSettings();
  afx_msg void OnPreferencePhonemes();
  afx_msg void OnPreferenceTranslitFormat();
  afx_msg void OnReadingTutorial();
  // The key map dialog: the chart of letters and vowels to describe.
  afx_msg void OnLetterVowelDescriptions();
  afx_msg void OnHelpCommand();
  afx_msg void OnDatabaseOrderCheck();

  // ---- Speech (MainFrameSpeech.cpp).
  afx_msg void OnVoiceSettings();
  // Speaks the request kept while the engine was busy.
  afx_msg LRESULT OnSpeechRestart(WPARAM wParam, LPARAM lParam);
  // The speaking face's Cancel.
  afx_msg LRESULT OnSpeechCancel(WPARAM wParam, LPARAM lParam);

  DECLARE_MESSAGE_MAP()

 private:
  // The Preferences dialogs over the given window, with the live settings.
  void RunSettingsDialog(CWnd* pParent);
  void RunPhonemeSetDialog(CWnd* pParent);
  // Stops speech and closes the speaking face first.
  void RunVoiceSettingsDialog(CWnd* pParent);
  // The engine and the Preferences dialogs, for the language reference's dialogs.
  ReferenceServices LanguageReferenceServices();

  static constexpr int kGrammarTabCount = 4;
  static constexpr int kKeyboardTabCount = 2;
  static constexpr int kBothFontLists = -1;
  static constexpr UINT_PTR kFontCacheTimerId = 401;
  static constexpr UINT_PTR kGrammarPreviewTimerId = 102;
  static constexpr UINT kGrammarPreviewPauseMs = 2000;

  // ---- Creation steps (MainFrameBars.cpp, MainFrameFonts.cpp).
  void BuildRulerImages();
  void ReleaseRulerImages();
  void InitAppFonts();
  BOOL CreateToolBars();
  BOOL CreateToolBar(CKWToolBar& bar, UINT nID, UINT nResource, LPCSTR lpszTitle);
  BOOL CreateEditorControls();
  BOOL CreateLookupEdit();
  BOOL CreateStatusBar();
  BOOL CreateDockWindows();
  BOOL CreateGrammarTables(const CSize& size);
  BOOL CreateKeyboardGuides(const CSize& size);
  void EnableFrameDocking();
  // Every bar where the first start shows it.
  void DockDefaultLayout();
  void RestoreGrammarWindowSize();
  void RestoreActiveTabs();
  void RemoveDeveloperMenu();
  // Whether every bar the saved layout names is one of the frame's.
  BOOL SavedBarsExist(const CDockState& state);

  static void ActivateTab(CMyDockWindow& window, int nTab);
  static int ActiveTabOf(CMyDockWindow& window, int nTabs);
  // The grammar view's answer to one of the frame's questions; nAbsent when
  // there is no grammar view.
  LRESULT AskGrammarView(UINT message, LRESULT nAbsent);
  grammarcmd::ViewState GrammarViewState();
  void SelectLookupMode(int nMode);
  // A hidden bar is shown through its View command, so the menu ticks follow.
  void ShowBar(CControlBar& bar, UINT nToggleCommand);
  CKWToolBar* ToolBarOfCommand(UINT nID);
  CControlBar* DockWindowOfCommand(UINT nID);

  // The face before the engine: the engine, destroyed first, stops through it.
  CSpeakingFace m_speakingFace{m_speechEngine};
  CSpeechEngine m_speechEngine;
  HWND m_hRememberedFocus = nullptr;
  // Each entry a CachedFont (MainFrameFonts.cpp).
  CPtrArray m_fontCaches[2];
  UINT_PTR m_nFontCacheTimer = 0;
  BOOL m_bGrammarPreviewEnded = FALSE;
  BOOL m_bBarStateUsable = TRUE;
  CImageList m_tabImages;
  docksizes::DefaultSizes m_defaultSizes;
  CMyDockWindow m_grammarWindow;
  CLookupDockWindow m_lookupWindow;
  CMyDockWindow m_keyboardWindow;
  CFocusComboBox m_typefaceCombo;
  CFocusComboBox m_sizeCombo;
  CNavEdit m_sizeEdit;  // the size combo's edit field: digits, Enter applies
  CColorComboBox m_colorCombo;
  CKWToolBar m_editorToolBar;
  CHebEdit* m_pLookupEdit = nullptr;
  CStatusBar m_statusBar;
  CKWToolBar m_fileToolBar;
  CKWToolBar m_grammarToolBar;
  CKWToolBar m_lookupToolBar;
  CComboBox m_editPlaceholder;
  // The ruler images by unit and kind, each a memory DC holding its bitmap.
  CDC m_rulerDCs[2][3];
  CBitmap m_rulerBitmaps[2][3];
  HGDIOBJ m_hOldRulerBitmaps[2][3] = {};
};
