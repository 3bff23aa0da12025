#include "shell/MainFrame.h"

#include "classlib/win/CMDIChildWnd.h"
#include "editor/win/ZultaEditDoc.h"
#include "hebtext/core/InsertMode.h"
#include "hebtext/core/NumberText.h"
#include "hebtext/win/CHebEdit.h"
#include "hebtext/win/DestroyAndDelete.h"
#include "hebtext/win/SystemInfo.h"
#include "resources/MainFrameIds.h"
#include "resources/ShellIds.h"
#include "shell/ZultaEditApp.h"
#include "shell/core/FontCacheAge.h"
#include "shell/core/FrameMenuRules.h"

IMPLEMENT_DYNCREATE(CMainFrame, CKWMDIFrameWnd)

namespace {
constexpr const char* kMainWndClassName = "ZULTA:MainFrame";
// The profile values the frame keeps besides the bar layout.
constexpr const char* kGrammarWindowSection = "GrammarWindow";
constexpr const char* kSizeXEntry = "SizeX";
constexpr const char* kSizeYEntry = "SizeY";
constexpr const char* kSettingsSection = "Settings";
constexpr const char* kActiveGrammarTabEntry = "ActiveGrammarTab";
constexpr const char* kActiveKeyboardTabEntry = "ActiveKeyboardTab";
}  // namespace

CWnd* GetEditViewWindow() {
  CZultaEditDoc* pDoc = theApp.GetFirstEditDocument();
  if (pDoc == nullptr) return nullptr;
  POSITION pos = pDoc->GetFirstViewPosition();
  if (pos == nullptr || pDoc->GetNextView(pos) == nullptr) return nullptr;
  auto* pFrame = dynamic_cast<CMDIFrameWnd*>(AfxGetMainWnd());
  if (pFrame == nullptr || pFrame->m_hWndMDIClient == nullptr) return nullptr;
  HWND hChildFrame = ::GetTopWindow(pFrame->m_hWndMDIClient);
  if (hChildFrame == nullptr) return nullptr;
  HWND hView = ::GetTopWindow(hChildFrame);
  return hView != nullptr ? CWnd::FromHandle(hView) : nullptr;
}

CMainFrame::CMainFrame() {
  m_grammarWindow.m_kind = CMyDockWindow::kGrammarTables;
  m_grammarWindow.m_barId = IDW_GRAMMAR_TABLES;
  m_keyboardWindow.m_kind = CMyDockWindow::kKeyboardGuides;
  m_keyboardWindow.m_barId = IDW_KEYBOARD_GUIDES;
  m_speechEngine.SetSpeakingFace(&m_speakingFace);
}

CMainFrame::~CMainFrame() {
  DestroyAndDelete(m_pLookupEdit);
  ClearFontCache(kBothFontLists);
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTA& cs) {
  if (!CKWMDIFrameWnd::PreCreateWindow(cs)) return FALSE;
  // The program's own class, so that other programs can find its window.
  static LPCSTR s_className = RegisterMainWndClass(kMainWndClassName, cs.lpszClass, IDR_MAINFRAME);
  if (s_className == nullptr) return FALSE;
  cs.lpszClass = s_className;
  cs.style = WS_OVERLAPPEDWINDOW | WS_MAXIMIZE | FWS_ADDTOTITLE | FWS_PREFIXTITLE;
  return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CKWMDIFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
  BuildRulerImages();
  InitAppFonts();
  if (!CreateToolBars() || !CreateStatusBar() || !CreateDockWindows()) return -1;
  EnableFrameDocking();
  DockDefaultLayout();
  m_bBarStateUsable = TRUE;
  LoadBarState(kBarStateName);
  if (!m_bBarStateUsable) ResetBarState();
  RestoreGrammarWindowSize();
  RestoreActiveTabs();
  m_nFontCacheTimer = SetTimer(kFontCacheTimerId, fontcache::kAgeingPeriodMs, nullptr);
  RemoveDeveloperMenu();
  return 0;
}

void CMainFrame::RestoreGrammarWindowSize() {
  const int cx = ParseSignedInt(theApp.GetProfileString(kGrammarWindowSection, kSizeXEntry, ""));
  const int cy = ParseSignedInt(theApp.GetProfileString(kGrammarWindowSection, kSizeYEntry, ""));
  if (cx >= 1 && cy >= 1) m_grammarWindow.m_recordedSize = CSize(cx, cy);
}

void CMainFrame::RestoreActiveTabs() {
  ActivateTab(m_keyboardWindow, theApp.GetProfileInt(kSettingsSection, kActiveKeyboardTabEntry, 0));
  ActivateTab(m_grammarWindow, theApp.GetProfileInt(kSettingsSection, kActiveGrammarTabEntry, 0));
}

void CMainFrame::ActivateTab(CMyDockWindow& window, int nTab) {
  CWnd* pView = window.GetView(nTab);
  if (pView != nullptr) window.SetActiveViewWnd(pView);
}

void CMainFrame::RemoveDeveloperMenu() {
  CMenu* pMenu = CKWMDIFrameWnd::GetMenu();
  if (pMenu == nullptr) return;
  const UINT nCount = pMenu->GetMenuItemCount();
  if (nCount == 0) return;
  CString text;
  pMenu->GetMenuString(nCount - 1, text, MF_BYPOSITION);
  if (framemenu::IsDeveloperMenu(text)) {
    pMenu->DeleteMenu(nCount - 1, MF_BYPOSITION);
    DrawMenuBar();
  }
}

// ---- Documents and tabs.

CZultaEditDoc* CMainFrame::GetActiveEditDoc() {
  CMDIChildWnd* pChild = MDIGetActive();
  if (pChild == nullptr) return nullptr;
  return dynamic_cast<CZultaEditDoc*>(pChild->GetActiveDocument());
}

CView* CMainFrame::GetActiveEditView() {
  CZultaEditDoc* pDoc = GetActiveEditDoc();
  if (pDoc == nullptr) return nullptr;
  POSITION pos = pDoc->GetFirstViewPosition();
  return pos != nullptr ? pDoc->GetNextView(pos) : nullptr;
}

int CMainFrame::ActiveTabOf(CMyDockWindow& window, int nTabs) {
  if (window.GetTabCtrl().m_hWnd == nullptr) return 0;
  CWnd* pActive = window.GetActiveView();
  if (pActive == nullptr) return 0;
  for (int i = 0; i < nTabs; ++i)
    if (window.GetView(i) == pActive) return i;
  return 0;
}

int CMainFrame::GetActiveGrammarTab() { return ActiveTabOf(m_grammarWindow, kGrammarTabCount); }

int CMainFrame::GetActiveKeyboardTab() { return ActiveTabOf(m_keyboardWindow, kKeyboardTabCount); }

CWnd* CMainFrame::GetGrammarView() {
  return m_grammarWindow.m_hWnd != nullptr ? m_grammarWindow.GetActiveView() : nullptr;
}

// ---- Activation, colours, fonts.

void CMainFrame::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
  CKWMDIFrameWnd::OnActivate(nState, pWndOther, bMinimized);
  if (nState == WA_INACTIVE) {
    m_hRememberedFocus = ::GetFocus();
    return;
  }
  if (nState != WA_ACTIVE) return;
  BringWindowToTop();
  // The window may have gone while another program was active.
  if (m_hRememberedFocus != nullptr && ::IsWindow(m_hRememberedFocus))
    ::SetFocus(m_hRememberedFocus);
  m_hRememberedFocus = nullptr;
  theApp.CheckModifiedFiles();
}

void CMainFrame::OnSysColorChange() {
  CKWMDIFrameWnd::OnSysColorChange();
  theApp.LoadSystemColors();
}

void CMainFrame::OnFontChange() {
  CKWMDIFrameWnd::OnFontChange();
  ClearFontCache(kBothFontLists);
  theApp.SendToEditViews(WM_FONTCHANGE, 0, 0);
}

// ---- Status panes.

void CMainFrame::OnToggleInsertMode() { g_insertMode = g_insertMode != 0 ? 0 : 1; }

void CMainFrame::OnUpdateInsertMode(CCmdUI* pCmdUI) {
  pCmdUI->Enable(TRUE);
  pCmdUI->SetText(g_insertMode == 0 ? "OVR" : "");
}

void CMainFrame::OnUpdatePageLine(CCmdUI* pCmdUI) {
  pCmdUI->Enable(TRUE);
  CZultaEditDoc* pDoc = GetActiveEditDoc();
  CString text;
  if (pDoc != nullptr && pDoc->IsLaidOut()) pDoc->GetStatusText(text);
  pCmdUI->SetText(text);
}

// ---- Close and destroy.

void CMainFrame::OnClose() {
  SaveBarState(kBarStateName);
  m_speechEngine.Stop();
  theApp.CloseSpeakAnim();
  CKWMDIFrameWnd::OnClose();
}

void CMainFrame::OnDestroy() {
  if (m_nFontCacheTimer != 0) KillTimer(m_nFontCacheTimer);
  m_nFontCacheTimer = 0;
  CString size;
  size.Format("%d", static_cast<int>(m_grammarWindow.m_recordedSize.cx));
  theApp.WriteProfileString(kGrammarWindowSection, kSizeXEntry, size);
  size.Format("%d", static_cast<int>(m_grammarWindow.m_recordedSize.cy));
  theApp.WriteProfileString(kGrammarWindowSection, kSizeYEntry, size);
  theApp.WriteProfileInt(kSettingsSection, kActiveGrammarTabEntry, GetActiveGrammarTab());
  theApp.WriteProfileInt(kSettingsSection, kActiveKeyboardTabEntry, GetActiveKeyboardTab());
  CKWMDIFrameWnd::OnDestroy();
  ReleaseRulerImages();
}
