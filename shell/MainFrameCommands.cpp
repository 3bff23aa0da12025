// The main frame's message map and commands: the View toggles, the layout
// commands, the Grammar Table commands passed on to the grammar view, the
// lookup modes, the Window menu's focus and tile commands, and help.
#include "shell/MainFrame.h"

#include "classlib/win/CDockBar.h"
#include "classlib/win/CScrollView.h"
#include "classlib/win/MessageMap.h"
#include "editor/win/CTranslitFormatDlg.h"
#include "hebtext/win/AppProfileStore.h"
#include "hebtext/win/CHebEdit.h"
#include "lexicon/win/DatabaseStartup.h"
#include "resources/MainFrameIds.h"
#include "shell/ZultaEditApp.h"
#include "shell/core/DockSizes.h"
#include "shell/core/FrameMenuRules.h"
#include "shell/core/GrammarCommands.h"
#include "speech/win/CKeyMapDlg.h"
#include "speech/win/CPhonemeSetDlg.h"
#include "speech/win/CReadingTutorDlg.h"
#include "speech/win/CSettingsDlg.h"
#include "tables/win/DefinitionWnd.h"
#include "tables/win/GramVerbView.h"
#include "tables/win/GrammarViewMessages.h"
#include "tables/win/MyFormView.h"

BEGIN_MESSAGE_MAP(CMainFrame, CKWMDIFrameWnd)
  ON_WM_CREATE()
  ON_WM_CLOSE()
  ON_WM_DESTROY()
  ON_WM_ACTIVATE()
  ON_WM_SYSCOLORCHANGE()
  ON_WM_FONTCHANGE()
  ON_WM_TIMER()
  ON_WM_INITMENUPOPUP()
  ON_MESSAGE(KWM_TOOLBAR_DROPDOWN, OnToolBarDropDown)
  ON_COMMAND(ID_INDICATOR_OVR, OnToggleInsertMode)
  ON_UPDATE_COMMAND_UI(ID_INDICATOR_OVR, OnUpdateInsertMode)
  ON_UPDATE_COMMAND_UI(ID_INDICATOR_PAGE_LINE, OnUpdatePageLine)
  // View.
  ON_COMMAND_RANGE(ID_VIEW_FILE_TOOLBAR, ID_VIEW_EDITOR_TOOLBAR, OnToggleToolBar)
  ON_COMMAND_RANGE(ID_VIEW_GRAMMAR_TOOLBAR, ID_VIEW_GRAMMAR_TOOLBAR, OnToggleToolBar)
  ON_COMMAND_RANGE(ID_VIEW_LOOKUP_TOOLBAR, ID_VIEW_LOOKUP_TOOLBAR, OnToggleToolBar)
  ON_UPDATE_COMMAND_UI_RANGE(ID_VIEW_FILE_TOOLBAR, ID_VIEW_EDITOR_TOOLBAR, OnUpdateToggleToolBar)
  ON_UPDATE_COMMAND_UI(ID_VIEW_GRAMMAR_TOOLBAR, OnUpdateToggleToolBar)
  ON_UPDATE_COMMAND_UI(ID_VIEW_LOOKUP_TOOLBAR, OnUpdateToggleToolBar)
  ON_COMMAND_EX(ID_VIEW_GRAMMAR_TABLES, OnToggleDockWindow)
  ON_COMMAND_EX(ID_VIEW_LOOKUP_WINDOW, OnToggleDockWindow)
  ON_COMMAND_EX(ID_VIEW_KEYBOARD_GUIDES, OnToggleDockWindow)
  ON_UPDATE_COMMAND_UI(ID_VIEW_GRAMMAR_TABLES, OnUpdateToggleDockWindow)
  ON_UPDATE_COMMAND_UI(ID_VIEW_LOOKUP_WINDOW, OnUpdateToggleDockWindow)
  ON_UPDATE_COMMAND_UI(ID_VIEW_KEYBOARD_GUIDES, OnUpdateToggleDockWindow)
  ON_COMMAND(ID_VIEW_RESET_LAYOUT, OnResetLayout)
  // Grammar Table.
  ON_COMMAND(ID_GRAMMAR_FULL_VIEW, OnFullView)
  ON_UPDATE_COMMAND_UI(ID_GRAMMAR_FULL_VIEW, OnUpdateFullView)
  ON_COMMAND_RANGE(ID_GRAMMAR_TOGGLE_NIKUD, ID_GRAMMAR_CYCLE_SPELLINGS, OnForwardToGrammarView)
  ON_COMMAND_RANGE(ID_GRAMMAR_COPY_FORM, ID_GRAMMAR_PRINT_PREVIEW, OnForwardToGrammarView)
  ON_COMMAND_RANGE(ID_GRAMMAR_NEXT_FORM, ID_GRAMMAR_INFINITIVE_NOUNS, OnForwardToGrammarView)
  ON_COMMAND_RANGE(ID_GRAMMAR_DEFINITION_FIRST, ID_GRAMMAR_DEFINITION_LAST, OnForwardToGrammarView)
  ON_COMMAND_RANGE(ID_FILE_PRINT, ID_FILE_PRINT, OnForwardToGrammarView)
  ON_COMMAND_RANGE(ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_PREVIEW, OnForwardToGrammarView)
  ON_UPDATE_COMMAND_UI(ID_GRAMMAR_TOGGLE_NIKUD, OnUpdateNeedsTable)
  ON_UPDATE_COMMAND_UI(ID_GRAMMAR_NEXT_FORM, OnUpdateNeedsTable)
  ON_UPDATE_COMMAND_UI(ID_GRAMMAR_PRINT_PREVIEW, OnUpdateNeedsTable)
  ON_UPDATE_COMMAND_UI(ID_FILE_PRINT, OnUpdateNeedsTable)
  ON_UPDATE_COMMAND_UI(ID_FILE_PRINT_PREVIEW, OnUpdateNeedsTable)
  ON_UPDATE_COMMAND_UI(ID_GRAMMAR_CYCLE_SPELLINGS, OnUpdateCycleSpellings)
  ON_UPDATE_COMMAND_UI(ID_GRAMMAR_COPY_FORM, OnUpdateCopyForm)
  ON_UPDATE_COMMAND_UI_RANGE(ID_GRAMMAR_SUFFIXED_FORMS, ID_GRAMMAR_INFINITIVE_NOUNS,
                             OnUpdateVerbForms)
  ON_UPDATE_COMMAND_UI_RANGE(ID_GRAMMAR_DEFINITION_FIRST, ID_GRAMMAR_DEFINITION_LAST,
                             OnUpdateAlwaysEnabled)
  ON_COMMAND_RANGE(ID_GRAMMAR_VERB_TABLE, ID_GRAMMAR_NUMBER_TABLE, OnShowGrammarTab)
  ON_UPDATE_COMMAND_UI_RANGE(ID_GRAMMAR_VERB_TABLE, ID_GRAMMAR_NUMBER_TABLE, OnUpdateGrammarTab)
  // Lookup modes.
  ON_COMMAND_RANGE(ID_LOOKUP_HEBREW_LIST, ID_LOOKUP_HEBREW_SEARCH, OnLookupMode)
  ON_COMMAND_RANGE(ID_LOOKUP_ENGLISH_KEYWORDS, ID_LOOKUP_ENGLISH_KEYWORDS, OnLookupMode)
  ON_UPDATE_COMMAND_UI_RANGE(ID_LOOKUP_HEBREW_LIST, ID_LOOKUP_HEBREW_SEARCH, OnUpdateLookupMode)
  ON_UPDATE_COMMAND_UI(ID_LOOKUP_ENGLISH_KEYWORDS, OnUpdateLookupMode)
  // The toolbar would disable its edit for want of a command handler.
  ON_UPDATE_COMMAND_UI(IDC_LOOKUP_EDIT, OnUpdateAlwaysEnabled)
  // Window.
  ON_COMMAND(ID_FOCUS_DOCUMENT, OnFocusDocument)
  ON_COMMAND(ID_FOCUS_GRAMMAR_TABLE, OnFocusGrammarTable)
  ON_COMMAND(ID_FOCUS_LOOKUP_WINDOW, OnFocusLookupWindow)
  ON_COMMAND(ID_FOCUS_KEYBOARD_GUIDES, OnFocusKeyboardGuides)
  ON_COMMAND_RANGE(ID_FOCUS_LOOKUP_LIST, ID_FOCUS_LOOKUP_KEYWORDS, OnFocusLookupEdit)
  ON_COMMAND_RANGE(ID_FOCUS_SIZE_COMBO, ID_FOCUS_TYPEFACE_COMBO, OnFocusEditorCombo)
  ON_COMMAND_RANGE(ID_FOCUS_COLOR_COMBO, ID_FOCUS_COLOR_COMBO, OnFocusEditorCombo)
  ON_UPDATE_COMMAND_UI_RANGE(ID_FOCUS_DOCUMENT, ID_FOCUS_LOOKUP_KEYWORDS, OnUpdateAlwaysEnabled)
  ON_COMMAND_RANGE(ID_WINDOW_TILE_HORZ, ID_WINDOW_TILE_VERT, OnTile)
  ON_COMMAND(ID_FILE_CLOSE_ALL, OnCloseAll)
  // Preferences.
  ON_COMMAND(ID_PREF_SETTINGS, OnPreferenceSettings)
  ON_COMMAND(ID_PREF_PHONEMES, OnPreferencePhonemes)
  ON_COMMAND(ID_PREF_TRANSLIT_FORMAT, OnPreferenceTranslitFormat)
  ON_COMMAND(ID_LANGREF_READING_TUTORIAL, OnReadingTutorial)
  // Help and the developer's check.
  ON_COMMAND(ID_HELP_FINDER, OnHelpCommand)
  ON_COMMAND(ID_DEFAULT_HELP, OnHelpCommand)
  ON_COMMAND(ID_HELP, OnHelpCommand)
  ON_COMMAND(ID_CONTEXT_HELP, OnHelpCommand)
  ON_COMMAND(ID_DEV_DATABASE_ORDER, OnDatabaseOrderCheck)
  ON_COMMAND(ID_PREF_VOICE_SETTINGS, OnVoiceSettings)
  ON_MESSAGE(WM_SPEECH_RESTART, OnSpeechRestart)
  ON_MESSAGE(WM_SPEECH_CANCEL, OnSpeechCancel)
  // Language Reference.
  ON_COMMAND(ID_LANGREF_LETTER_VOWELS, OnLetterVowelDescriptions)
END_MESSAGE_MAP()

namespace {

// The grammar views' own buttons that the Nikud and spelling commands press.
constexpr UINT kKtivKhaserButton = 800;
constexpr UINT kAlternateFormsButton = 801;
// The entry field of the Verbs and Prepositions views.
constexpr UINT kGrammarEntryField = 1006;
// The skip count of size events a Full View causes, floating and docked.
constexpr int kFloatingFullViewSizes = 1;
constexpr int kDockedFullViewSizes = 2;

int LookupModeOf(UINT nID) {
  switch (nID) {
    case ID_LOOKUP_HEBREW_LIST: return CLookupBar::kHebrewLookup;
    case ID_LOOKUP_HEBREW_SEARCH: return CLookupBar::kHebrewSearch;
    default: return CLookupBar::kEnglishKeywords;
  }
}

docksizes::Size SizeOf(const CRect& rect) { return {rect.Width(), rect.Height()}; }
docksizes::Size SizeOf(const CSize& size) {
  return {static_cast<int>(size.cx), static_cast<int>(size.cy)};
}

}  // namespace

// ---- View.

CKWToolBar* CMainFrame::ToolBarOfCommand(UINT nID) {
  switch (nID) {
    case ID_VIEW_FILE_TOOLBAR: return &m_fileToolBar;
    case ID_VIEW_EDITOR_TOOLBAR: return &m_editorToolBar;
    case ID_VIEW_GRAMMAR_TOOLBAR: return &m_grammarToolBar;
    case ID_VIEW_LOOKUP_TOOLBAR: return &m_lookupToolBar;
    default: return nullptr;
  }
}

CControlBar* CMainFrame::DockWindowOfCommand(UINT nID) {
  switch (nID) {
    case ID_VIEW_GRAMMAR_TABLES: return &m_grammarWindow;
    case ID_VIEW_LOOKUP_WINDOW: return &m_lookupWindow;
    case ID_VIEW_KEYBOARD_GUIDES: return &m_keyboardWindow;
    default: return nullptr;
  }
}

void CMainFrame::OnToggleToolBar(UINT nID) {
  CKWToolBar* pBar = ToolBarOfCommand(nID);
  ShowControlBar(pBar, !pBar->IsWindowVisible(), FALSE);
}

void CMainFrame::OnUpdateToggleToolBar(CCmdUI* pCmdUI) {
  pCmdUI->SetCheck(ToolBarOfCommand(pCmdUI->m_nID)->IsWindowVisible() ? 1 : 0);
}

BOOL CMainFrame::OnToggleDockWindow(UINT nID) {
  return OnBarCheck(DockWindowOfCommand(nID)->GetDlgCtrlID());
}

void CMainFrame::OnUpdateToggleDockWindow(CCmdUI* pCmdUI) {
  pCmdUI->SetCheck(DockWindowOfCommand(pCmdUI->m_nID)->IsWindowVisible() ? 1 : 0);
}

void CMainFrame::ShowBar(CControlBar& bar, UINT nToggleCommand) {
  if (!bar.IsWindowVisible()) SendMessage(WM_COMMAND, nToggleCommand, 0);
}

void CMainFrame::OnResetLayout() {
  ResetBarState();
  ShowWindow(SW_SHOWMAXIMIZED);
  ShowBar(m_fileToolBar, ID_VIEW_FILE_TOOLBAR);
  ShowBar(m_grammarToolBar, ID_VIEW_GRAMMAR_TOOLBAR);
  ShowBar(m_lookupToolBar, ID_VIEW_LOOKUP_TOOLBAR);
  ShowBar(m_editorToolBar, ID_VIEW_EDITOR_TOOLBAR);
  ShowBar(m_grammarWindow, ID_VIEW_GRAMMAR_TABLES);
  ShowBar(m_lookupWindow, ID_VIEW_LOOKUP_WINDOW);
  ShowBar(m_keyboardWindow, ID_VIEW_KEYBOARD_GUIDES);
  DockDefaultLayout();
  RecalcLayout();
  CRect client;
  GetClientRect(&client);
  CRect toolbarRow;
  if (m_fileToolBar.m_pDockBar != nullptr) m_fileToolBar.m_pDockBar->GetWindowRect(&toolbarRow);
  m_defaultSizes =
      docksizes::FromClientArea(client.Width(), client.top, client.bottom, toolbarRow.Height());
  const docksizes::DefaultSizes& sizes = m_defaultSizes;
  m_grammarWindow.SetBarSize(CSize(sizes.grammarTables.cx, sizes.grammarTables.cy));
  m_lookupWindow.SetBarSize(CSize(sizes.lookupWindow.cx, sizes.lookupWindow.cy));
  m_keyboardWindow.SetBarSize(CSize(sizes.keyboardGuides.cx, sizes.keyboardGuides.cy));
  RecalcLayout();
}

// ---- Grammar Table.

LRESULT CMainFrame::AskGrammarView(UINT message, LRESULT nAbsent) {
  CWnd* pView = GetGrammarView();
  return pView != nullptr ? pView->SendMessage(message, 0, 0) : nAbsent;
}

grammarcmd::ViewState CMainFrame::GrammarViewState() {
  grammarcmd::ViewState state;
  state.exists = GetGrammarView() != nullptr;
  if (!state.exists) return state;
  state.tab = GetActiveGrammarTab();
  state.tableShown = AskGrammarView(WM_GRAM_GETTABLESHOWN, 0) != 0;
  state.maxAlternate = static_cast<int>(AskGrammarView(WM_GRAM_GETMAXALTERNATE, grammarcmd::kNone));
  state.selectedCell = static_cast<int>(AskGrammarView(WM_GRAM_GETSELECTEDCELL, grammarcmd::kNone));
  return state;
}

void CMainFrame::OnForwardToGrammarView(UINT nID) {
  CWnd* pView = GetGrammarView();
  if (pView == nullptr) return;
  // Nikud and spelling press the view's own buttons, naming them as senders.
  UINT nCommand = nID;
  if (nID == ID_GRAMMAR_TOGGLE_NIKUD) nCommand = kKtivKhaserButton;
  if (nID == ID_GRAMMAR_CYCLE_SPELLINGS) nCommand = kAlternateFormsButton;
  if (nID == ID_GRAMMAR_COPY_FORM) nCommand = ID_EDIT_COPY;
  LPARAM lParam = 0;
  if (nCommand == kKtivKhaserButton || nCommand == kAlternateFormsButton)
    lParam = reinterpret_cast<LPARAM>(::GetDlgItem(pView->m_hWnd, static_cast<int>(nCommand)));
  pView->SendMessage(WM_COMMAND, nCommand, lParam);
}

void CMainFrame::OnUpdateNeedsTable(CCmdUI* pCmdUI) {
  pCmdUI->Enable(grammarcmd::NeedsTable(GrammarViewState()));
}

void CMainFrame::OnUpdateCycleSpellings(CCmdUI* pCmdUI) {
  pCmdUI->Enable(grammarcmd::CanCycleSpellings(GrammarViewState()));
}

void CMainFrame::OnUpdateCopyForm(CCmdUI* pCmdUI) {
  pCmdUI->Enable(grammarcmd::CanCopyForm(GrammarViewState()));
}

void CMainFrame::OnUpdateVerbForms(CCmdUI* pCmdUI) {
  // Only a form selected in the verb table, and only when it has them.
  auto* pVerbView = dynamic_cast<CGramVerbView*>(GetGrammarView());
  BOOL stress = FALSE, suffixes = FALSE, infinitiveNoun = FALSE;
  if (pVerbView != nullptr && GetActiveGrammarTab() == grammarcmd::kVerbs)
    pVerbView->GetFormMenuFlags(pVerbView->GetSelectedForm(), stress, suffixes, infinitiveNoun);
  pCmdUI->Enable(pCmdUI->m_nID == ID_GRAMMAR_SUFFIXED_FORMS ? suffixes : infinitiveNoun);
}

void CMainFrame::OnShowGrammarTab(UINT nID) {
  ShowBar(m_grammarWindow, ID_VIEW_GRAMMAR_TABLES);
  CWnd* pView = m_grammarWindow.GetView(static_cast<int>(nID - ID_GRAMMAR_VERB_TABLE));
  if (pView == nullptr) return;
  m_grammarWindow.SetActiveViewWnd(pView);
  pView->SetActiveWindow();
}

void CMainFrame::OnUpdateGrammarTab(CCmdUI* pCmdUI) {
  pCmdUI->SetCheck(GetActiveGrammarTab() ==
                   static_cast<int>(pCmdUI->m_nID - ID_GRAMMAR_VERB_TABLE));
}

void CMainFrame::OnUpdateFullView(CCmdUI* pCmdUI) {
  pCmdUI->Enable(m_grammarWindow.IsWindowVisible());
}

void CMainFrame::OnFullView() {
  CWnd* pView = GetGrammarView();
  if (pView == nullptr) return;
  CRect window;
  m_grammarWindow.GetWindowRect(&window);
  CRect viewClient;
  pView->GetClientRect(&viewClient);
  const DWORD dwStyle = pView->GetStyle();
  docksizes::FullViewState state;
  state.window = SizeOf(window);
  state.viewClient = SizeOf(viewClient);
  state.scrollBars = {(dwStyle & WS_VSCROLL) ? ::GetSystemMetrics(SM_CXVSCROLL) : 0,
                      (dwStyle & WS_HSCROLL) ? ::GetSystemMetrics(SM_CYHSCROLL) : 0};
  auto* pScrollView = dynamic_cast<CScrollView*>(pView);
  state.totalScroll =
      pScrollView != nullptr ? SizeOf(pScrollView->GetTotalSize()) : SizeOf(viewClient);
  state.recorded = SizeOf(m_grammarWindow.m_recordedSize);
  state.lastFull = SizeOf(m_grammarWindow.m_fullSize);
  state.tab = GetActiveGrammarTab();
  state.lastFullTab = m_grammarWindow.m_fullViewTab;
  state.floating = m_grammarWindow.IsFloating() ? 1 : 0;
  state.lastFullFloating = m_grammarWindow.m_fullViewFloating;
  const docksizes::FullViewTarget target = docksizes::TargetOf(state);
  m_grammarWindow.m_fullViewTab = state.tab;
  m_grammarWindow.m_fullViewFloating = state.floating;

  // The size is given straight to the window and laid out at once; the size
  // events that causes are not the user's.
  theApp.m_grammarSizeSkipCount = state.floating ? kFloatingFullViewSizes : kDockedFullViewSizes;
  const CSize size(target.size.cx, target.size.cy);
  m_grammarWindow.SetBarSize(size);
  CFrameWnd* pLayoutFrame = state.floating ? m_grammarWindow.GetParentFrame() : this;
  if (pLayoutFrame != nullptr) pLayoutFrame->RecalcLayout();
  // The layout ran now: a skip it did not use would swallow the user's next
  // resize.
  theApp.m_grammarSizeSkipCount = 0;
  if (target.restore) return;
  // The dock may give the window less than the target (a window docked at a
  // side keeps the side's height): the size it got is the one that a second
  // Full View on the unchanged window recognises.
  CRect full;
  m_grammarWindow.GetWindowRect(&full);
  m_grammarWindow.m_fullSize = full.Size();
}

void CMainFrame::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu) {
  CKWMDIFrameWnd::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
  if (bSysMenu) return;
  // The definitions of the shown word replace this item: a pop-up that
  // copies them, or a greyed item when the grammar view in front shows none.
  for (int nPos = static_cast<int>(pPopupMenu->GetMenuItemCount()) - 1; nPos >= 0; --nPos) {
    if (pPopupMenu->GetMenuState(static_cast<UINT>(nPos), MF_BYPOSITION) == static_cast<UINT>(-1))
      break;
    CString text;
    pPopupMenu->GetMenuString(static_cast<UINT>(nPos), text, MF_BYPOSITION);
    if (text != framemenu::kCopyDefinitionText) continue;
    pPopupMenu->DeleteMenu(static_cast<UINT>(nPos), MF_BYPOSITION);
    CDefinitionWnd* pDefinition = CDefinitionWnd::FromView(GetGrammarView());
    CMenu definitions;
    if (pDefinition != nullptr && ShowDefinitionCopyMenu(pDefinition, definitions)) {
      // The menu owns the pop-up from now on and destroys it with the item.
      pPopupMenu->InsertMenu(static_cast<UINT>(nPos), MF_BYPOSITION | MF_POPUP,
                             reinterpret_cast<UINT_PTR>(definitions.Detach()),
                             framemenu::kCopyDefinitionText);
    } else {
      pPopupMenu->InsertMenu(static_cast<UINT>(nPos), MF_BYPOSITION | MF_STRING | MF_GRAYED,
                             ID_GRAMMAR_NO_DEFINITION, framemenu::kCopyDefinitionText);
    }
    break;
  }
}

// ---- Lookup modes.

void CMainFrame::SelectLookupMode(int nMode) {
  CLookupBar& bar = GetLookupBar();
  if (bar.GetMode() == nMode) return;
  if (m_pLookupEdit != nullptr) {
    m_pLookupEdit->SetRightToLeft(nMode != CLookupBar::kEnglishKeywords);
    m_pLookupEdit->SetFocus();
  }
  bar.SaveModeState();
  bar.SetMode(nMode);
}

void CMainFrame::OpenTable(const Request& request) {
  CWnd* pView = m_grammarWindow.GetView(request.tab);
  if (pView == nullptr) return;
  if (!m_grammarWindow.IsWindowVisible()) ShowBar(m_grammarWindow, ID_VIEW_GRAMMAR_TABLES);
  if ((request.tab == grammarcmd::kVerbs || request.tab == grammarcmd::kPrepositions) &&
      pView->IsKindOf(RUNTIME_CLASS(CMyFormView)))
    static_cast<CMyFormView*>(pView)->SetOpenedFromLookup();
  if (request.bringToFront) {
    m_grammarWindow.SetActiveViewWnd(pView);
    pView->SetActiveWindow();
  }
  if (!request.caption.IsEmpty())
    pView->SendMessage(WM_GRAM_SETCAPTION, 0,
                       reinterpret_cast<LPARAM>(static_cast<LPCSTR>(request.caption)));
  pView->SendMessage(WM_GRAM_SETPARAMS, request.record.fields, request.record.extra);
  pView->PostMessage(WM_GRAM_SELECTWORD, request.action, 0);
}

void CMainFrame::OnLookupMode(UINT nID) { SelectLookupMode(LookupModeOf(nID)); }

void CMainFrame::OnUpdateLookupMode(CCmdUI* pCmdUI) {
  pCmdUI->SetCheck(GetLookupBar().GetMode() == LookupModeOf(pCmdUI->m_nID));
}

// ---- Window: focus.

void CMainFrame::OnFocusDocument() {
  if (CWnd* pView = GetEditViewWindow()) pView->SetFocus();
}

void CMainFrame::OnFocusGrammarTable() {
  ShowBar(m_grammarWindow, ID_VIEW_GRAMMAR_TABLES);
  CWnd* pView = GetGrammarView();
  if (pView == nullptr) return;
  pView->SetActiveWindow();
  const int nTab = GetActiveGrammarTab();
  CWnd* pEntry = nTab == grammarcmd::kVerbs || nTab == grammarcmd::kPrepositions
                     ? pView->GetDlgItem(kGrammarEntryField)
                     : nullptr;
  (pEntry != nullptr ? pEntry : pView)->SetFocus();
}

void CMainFrame::OnFocusLookupWindow() {
  ShowBar(m_lookupWindow, ID_VIEW_LOOKUP_WINDOW);
  GetLookupBar().SetFocus();
}

void CMainFrame::OnFocusKeyboardGuides() {
  ShowBar(m_keyboardWindow, ID_VIEW_KEYBOARD_GUIDES);
  if (CWnd* pView = m_keyboardWindow.GetActiveView()) pView->SetFocus();
}

void CMainFrame::OnFocusLookupEdit(UINT nID) {
  ShowBar(m_lookupToolBar, ID_VIEW_LOOKUP_TOOLBAR);
  // The three focus commands are in the order of the modes.
  SelectLookupMode(static_cast<int>(nID - ID_FOCUS_LOOKUP_LIST));
  if (m_pLookupEdit != nullptr) m_pLookupEdit->SetFocus();
}

void CMainFrame::OnFocusEditorCombo(UINT nID) {
  ShowBar(m_editorToolBar, ID_VIEW_EDITOR_TOOLBAR);
  CComboBox& combo = nID == ID_FOCUS_TYPEFACE_COMBO ? static_cast<CComboBox&>(m_typefaceCombo)
                     : nID == ID_FOCUS_SIZE_COMBO   ? static_cast<CComboBox&>(m_sizeCombo)
                                                    : static_cast<CComboBox&>(m_colorCombo);
  combo.SetFocus();
  // The lists open at once; the size is typed.
  if (nID != ID_FOCUS_SIZE_COMBO) combo.ShowDropDown(TRUE);
}

// ---- Window: tiling, closing.

void CMainFrame::OnTile(UINT nID) {
  ::SendMessageA(m_hWndMDIClient, WM_MDITILE,
                 nID == ID_WINDOW_TILE_HORZ ? MDITILE_HORIZONTAL : MDITILE_VERTICAL, 0);
  theApp.RefreshEditViewsAfterTile();
}

void CMainFrame::OnCloseAll() { theApp.CloseAllDocuments(); }

// ---- The File toolbar's special menus.

LRESULT CMainFrame::OnToolBarDropDown(WPARAM wParam, LPARAM lParam) {
  const auto* pNotify = reinterpret_cast<const NMTOOLBARA*>(wParam);
  const auto* pButton = reinterpret_cast<const CRect*>(lParam);
  UINT nMenu = 0;
  if (pNotify->iItem == ID_EDIT_COPY) nMenu = IDR_COPY_SPECIAL_MENU;
  if (pNotify->iItem == ID_EDIT_PASTE) nMenu = IDR_PASTE_SPECIAL_MENU;
  if (nMenu == 0) return 0;
  CMenu menu;
  if (!menu.LoadMenu(nMenu)) return 0;
  if (CMenu* pPopup = menu.GetSubMenu(0))
    ::TrackPopupMenu(pPopup->GetSafeHmenu(), TPM_RIGHTBUTTON, pButton->left, pButton->bottom, 0,
                     m_hWnd, nullptr);
  return 0;
}

// ---- Help and the developer's check.

void CMainFrame::OnPreferenceSettings() { RunSettingsDialog(this); }

void CMainFrame::RunSettingsDialog(CWnd* pParent) {
  CSettingsDlg::Values values;
  values.accent = theApp.m_accent;
  values.nikudToggle = theApp.m_nikudToggle;
  values.vowelType = theApp.m_vowelType;
  values.haShemFilter = theApp.m_haShemFilter;
  CSettingsDlg dialog(values, pParent);
  dialog.DoModal();
  // The filter is taken even when the dialog goes no further.
  theApp.m_accent = values.accent;
  theApp.m_nikudToggle = values.nikudToggle;
  theApp.m_vowelType = values.vowelType;
  theApp.m_haShemFilter = values.haShemFilter;
}

void CMainFrame::OnPreferencePhonemes() { RunPhonemeSetDialog(this); }

void CMainFrame::RunPhonemeSetDialog(CWnd* pParent) {
  CAppProfileStore profile(&theApp);
  CPhonemeSetDlg dialog(profile, theApp.m_appFonts[CZultaEditApp::kTransliterationFont], pParent);
  dialog.DoModal();
}

// ---- Language Reference.

ReferenceServices CMainFrame::LanguageReferenceServices() {
  ReferenceServices services;
  services.engine = &m_speechEngine;
  services.settings = [this](CWnd* pParent) { RunSettingsDialog(pParent); };
  services.phonemeSet = [this](CWnd* pParent) { RunPhonemeSetDialog(pParent); };
  services.voiceSettings = [this](CWnd* pParent) { RunVoiceSettingsDialog(pParent); };
  return services;
}

void CMainFrame::OnReadingTutorial() {
  CReadingTutorDlg dialog(LanguageReferenceServices());
  CString message;
  if (!dialog.LoadTutorData(message)) {
    ::MessageBoxA(m_hWnd, message, "", MB_OK);
    return;
  }
  m_speechEngine.Stop();
  theApp.CloseSpeakAnim();
  dialog.DoModal();
}

void CMainFrame::OnPreferenceTranslitFormat() {
  CTranslitFormatDlg dialog(this);
  dialog.DoModal();
}

void CMainFrame::OnLetterVowelDescriptions() {
  CKeyMapDlg dialog(LanguageReferenceServices(), this);
  dialog.DoModal();
}

void CMainFrame::OnHelpCommand() { theApp.WinHelp(0, HELP_FINDER); }

void CMainFrame::OnDatabaseOrderCheck() { RunDbVerifyDialog(this, theApp.m_programFolder); }
