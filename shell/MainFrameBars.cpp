// The main frame's bars: the four toolbars with their controls, the status
// bar, the three docking windows, their default layout and the saved one.
#include "shell/MainFrame.h"

#include "classlib/core/DockStateNames.h"
#include "classlib/win/CDockState.h"
#include "classlib/win/CMultiDocTemplate.h"
#include "classlib/win/WindowDCs.h"
#include "editor/core/NavEditRules.h"
#include "editor/win/FontSizeCombo.h"
#include "editor/win/ZultaEditDoc.h"
#include "hebtext/win/CHebEdit.h"
#include "hebtext/win/EditFieldHelpers.h"
#include "hebtext/win/FontFaceEnum.h"
#include "hebtext/win/SystemInfo.h"
#include "resources/MainFrameIds.h"
#include "shell/ZultaEditApp.h"
#include "shell/core/DockSizes.h"
#include "speech/win/KeyboardGuideDocuments.h"
#include "speech/win/KeyboardGuideViews.h"
#include "tables/win/GrammarDocuments.h"
#include "tables/win/GrammarViews.h"
#include "toolkit/win/CKWDockState.h"
#include "toolkit/win/CKWProfileStore.h"

namespace {

constexpr DWORD kToolBarStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_ANY | CBRS_GRIPPER |
                                CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;
// The toolkit's docking flags: of the frame's dock bars, of each docking
// window (its caption buttons, sizing) and of each toolbar.
constexpr DWORD kFrameDockFlags = 0x100;
constexpr DWORD kDockWindowDockFlags = 0x127;
constexpr DWORD kToolBarDockFlags = 0x104;
constexpr DWORD kDockWindowStyle = 0x23;

constexpr int kDpiBase = 96;
// Editor toolbar controls, in pixels at 96 dots per inch.
constexpr int kTypefaceComboWidth = 130;
constexpr int kSmallComboWidth = 40;
constexpr int kComboDropHeight = 200;
constexpr int kTypefaceDroppedWidth = 200;
constexpr int kAllHebrewAndOtherFaces = 1;
// The lookup edit and the Lookup/Search toolbar's buttons.
constexpr int kLookupEditWidth = 200;
constexpr int kLookupEditHeight = 32;
constexpr int kLookupImageWidth = 28;
constexpr int kLookupImageHeight = 24;
constexpr int kLookupButtonWidth = 35;
constexpr int kLookupButtonExtraHeight = 9;
constexpr DWORD kLookupEditStyle = CHebEdit::kLookupToolbar | 8 | CHebEdit::kEnglishFont;
constexpr COLORREF kMaskWhite = RGB(255, 255, 255);
constexpr int kTabImageWidth = 35;
// The id a saved layout's section without a bar reads as.
constexpr int kNoSavedBar = -1;

constexpr UINT kStatusIndicators[] = {ID_SEPARATOR, ID_INDICATOR_PAGE_LINE, ID_INDICATOR_OVR,
                                      ID_INDICATOR_CAPS, ID_INDICATOR_NUM};

constexpr const char* kGrammarTabTips[] = {"Verbs",
                                           "Pronominal Suffixed Verbal Forms / Infinitive Nouns",
                                           "Prepositions / Particles", "Numbers"};

int Scaled(int size) { return ::MulDiv(size, theApp.m_screenDpi, kDpiBase); }

// A new document of a kept template for a docking window's tab; the
// document is not shown in a frame of its own.
CDocument* NewTabDocument(CMultiDocTemplate* pTemplate) {
  return pTemplate != nullptr ? pTemplate->CreateNewDocument() : nullptr;
}

// Tab nIndex shows image nIndex of the window's image list.
BOOL AddTab(CMyDockWindow& window, int nIndex, CMultiDocTemplate* pTemplate,
            CRuntimeClass* pViewClass, LPCSTR lpszLabel) {
  CDocument* pDoc = NewTabDocument(pTemplate);
  return pDoc != nullptr && window.AddView(lpszLabel, pViewClass, pDoc, nullptr, nIndex);
}

}  // namespace

BOOL CMainFrame::CreateToolBar(CKWToolBar& bar, UINT nID, UINT nResource, LPCSTR lpszTitle) {
  if (!bar.CreateEx(this, TBSTYLE_FLAT, kToolBarStyle, CRect(0, 0, 0, 0), nID) ||
      !bar.LoadToolBar(nResource))
    return FALSE;
  bar.SetWindowText(lpszTitle);
  return TRUE;
}

BOOL CMainFrame::CreateToolBars() {
  if (!CreateToolBar(m_fileToolBar, IDW_FILE_TOOLBAR, IDR_FILE_TOOLBAR, "File Toolbar"))
    return FALSE;
  // The frame drops the special menus itself (OnToolBarDropDown).
  m_fileToolBar.AddDropDownButton(ID_EDIT_COPY, 0, TRUE);
  m_fileToolBar.AddDropDownButton(ID_EDIT_PASTE, 0, TRUE);

  if (!CreateToolBar(m_editorToolBar, IDW_EDITOR_TOOLBAR, IDR_EDITOR_TOOLBAR, "Editor Toolbar"))
    return FALSE;
  // The input-mode button's English image comes after the resource's.
  const auto hImages =
      reinterpret_cast<HIMAGELIST>(m_editorToolBar.SendMessage(TB_GETIMAGELIST, 0, 0));
  CBitmap extra;
  if (hImages != nullptr && extra.LoadBitmap(IDB_EDITOR_EXTRA)) {
    ::ImageList_AddMasked(hImages, static_cast<HBITMAP>(extra.GetSafeHandle()), kMaskWhite);
    m_editorToolBar.SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(hImages));
  }
  if (!CreateEditorControls()) return FALSE;

  return CreateToolBar(m_grammarToolBar, IDW_GRAMMAR_TOOLBAR, IDR_GRAMMAR_TOOLBAR,
                       "Grammar Table Toolbar") &&
         CreateToolBar(m_lookupToolBar, IDW_LOOKUP_TOOLBAR, IDR_LOOKUP_TOOLBAR,
                       "Lookup/Search Toolbar") &&
         CreateLookupEdit();
}

BOOL CMainFrame::CreateEditorControls() {
  const DWORD listStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_CLIPCHILDREN;
  if (!m_typefaceCombo.Create(listStyle | CBS_DROPDOWNLIST,
                              CRect(0, 0, Scaled(kTypefaceComboWidth), kComboDropHeight),
                              &m_editorToolBar, IDC_TYPEFACE_COMBO))
    return FALSE;
  m_typefaceCombo.SetExtendedUI(TRUE);
  m_typefaceCombo.SetDroppedWidth(kTypefaceDroppedWidth);
  m_editorToolBar.AttachControl(&m_typefaceCombo, FALSE);
  {
    CClientDC dc(this);
    CStringArray faces;
    EnumerateFontFaces(dc.GetSafeHdc(), faces, kAllHebrewAndOtherFaces);
    FillComboFromStrings(faces, &m_typefaceCombo);
  }

  if (!m_sizeCombo.Create(listStyle | CBS_DROPDOWN,
                          CRect(0, 0, Scaled(kSmallComboWidth), kComboDropHeight), &m_editorToolBar,
                          IDC_SIZE_COMBO))
    return FALSE;
  m_sizeCombo.SetExtendedUI(TRUE);
  m_editorToolBar.AttachControl(&m_sizeCombo, FALSE);
  m_sizeEdit.SubclassDlgItem(kComboEditId, &m_sizeCombo, ID_SIZE_TYPED, kNavEditDigits);
  FillFontSizeCombo(&m_editorToolBar, IDC_SIZE_COMBO, "");

  if (!m_colorCombo.Create(listStyle | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED,
                           CRect(0, 0, Scaled(kSmallComboWidth), kComboDropHeight),
                           &m_editorToolBar, IDC_COLOR_COMBO))
    return FALSE;
  m_colorCombo.SetExtendedUI(TRUE);
  m_editorToolBar.AttachControl(&m_colorCombo, FALSE);
  return TRUE;
}

BOOL CMainFrame::CreateLookupEdit() {
  // The placeholder only gives the edit its place on the toolbar.
  if (!m_editPlaceholder.Create(WS_CHILD | WS_VISIBLE,
                                CRect(0, 0, kLookupEditWidth, Scaled(kLookupEditHeight)),
                                &m_lookupToolBar, IDC_LOOKUP_EDIT))
    return FALSE;
  m_pLookupEdit = CreateHebEditInPlace(&m_lookupToolBar, IDC_LOOKUP_EDIT, TRUE, kLookupEditStyle);
  if (m_pLookupEdit == nullptr) return FALSE;
  m_lookupToolBar.AttachControl(m_pLookupEdit, FALSE);
  const int imageHeight = Scaled(kLookupImageHeight);
  m_lookupToolBar.SetSizes(CSize(kLookupButtonWidth, imageHeight + kLookupButtonExtraHeight),
                           CSize(kLookupImageWidth, imageHeight));
  return TRUE;
}

BOOL CMainFrame::CreateStatusBar() {
  return m_statusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, IDW_STATUS_BAR) &&
         m_statusBar.SetIndicators(kStatusIndicators,
                                   static_cast<int>(std::size(kStatusIndicators)));
}

BOOL CMainFrame::CreateDockWindows() {
  int left = 0, top = 0, width = 0, height = 0;
  GetDesktopWorkRect(left, top, width, height);
  m_defaultSizes = docksizes::FromArea(width, height);
  const docksizes::DefaultSizes& sizes = m_defaultSizes;
  if (!CreateGrammarTables(CSize(sizes.grammarTables.cx, sizes.grammarTables.cy))) return FALSE;
  m_lookupWindow.SetLookupEdit(m_pLookupEdit);
  m_lookupWindow.SetTableOpener(this);
  if (!m_lookupWindow.Create(this, IDW_LOOKUP_WINDOW, "Lookup Tables/Search Results",
                             CSize(sizes.lookupWindow.cx, sizes.lookupWindow.cy), CBRS_BOTTOM,
                             kDockWindowStyle))
    return FALSE;
  return CreateKeyboardGuides(CSize(sizes.keyboardGuides.cx, sizes.keyboardGuides.cy));
}

BOOL CMainFrame::CreateGrammarTables(const CSize& size) {
  if (!m_grammarWindow.Create(this, IDW_GRAMMAR_TABLES, "Grammar Tables", size, CBRS_LEFT,
                              kDockWindowStyle))
    return FALSE;
  if (!AddTab(m_grammarWindow, 0, theApp.m_pVerbTemplate, RUNTIME_CLASS(CGramVerbView), "") ||
      !AddTab(m_grammarWindow, 1, theApp.m_pKinuiTemplate, RUNTIME_CLASS(CGramKinuiView), "") ||
      !AddTab(m_grammarWindow, 2, theApp.m_pPrepTemplate, RUNTIME_CLASS(CGramPrepView), "") ||
      !AddTab(m_grammarWindow, 3, theApp.m_pNumberTemplate, RUNTIME_CLASS(CGramNumberView), ""))
    return FALSE;
  if (m_tabImages.Create(IDB_GRAMMAR_TABS, kTabImageWidth, 0, kMaskWhite))
    m_grammarWindow.SetImageList(&m_tabImages);
  m_grammarWindow.GetTabCtrl().EnableLabelShortening(TRUE);
  for (int i = 0; i < kGrammarTabCount; ++i) m_grammarWindow.SetTipText(i, kGrammarTabTips[i]);
  return TRUE;
}

BOOL CMainFrame::CreateKeyboardGuides(const CSize& size) {
  return m_keyboardWindow.Create(this, IDW_KEYBOARD_GUIDES, "Keyboard Guides", size, CBRS_BOTTOM,
                                 kDockWindowStyle) &&
         AddTab(m_keyboardWindow, 0, theApp.m_pKeyboardTemplate, RUNTIME_CLASS(CKeyboardView),
                "Keyboard Guide") &&
         AddTab(m_keyboardWindow, 1, theApp.m_pKeyMapTemplate, RUNTIME_CLASS(CKeyMapView),
                "Letter-Vowel Map");
}

void CMainFrame::EnableFrameDocking() {
  EnableDocking(CBRS_ALIGN_ANY, kFrameDockFlags);
  for (CKWDockWindow* pWindow :
       {static_cast<CKWDockWindow*>(&m_grammarWindow), static_cast<CKWDockWindow*>(&m_lookupWindow),
        static_cast<CKWDockWindow*>(&m_keyboardWindow)})
    pWindow->EnableDockingWithFlags(CBRS_ALIGN_ANY, kDockWindowDockFlags);
  for (CKWToolBar* pBar : {&m_fileToolBar, &m_editorToolBar, &m_grammarToolBar, &m_lookupToolBar})
    pBar->EnableDockingWithFlags(CBRS_ALIGN_ANY, kToolBarDockFlags);
}

void CMainFrame::DockDefaultLayout() {
  DockControlBar(&m_fileToolBar, AFX_IDW_DOCKBAR_TOP);
  DockControlBarLeftOf(&m_grammarToolBar, &m_fileToolBar);
  DockControlBarLeftOf(&m_lookupToolBar, &m_grammarToolBar);
  DockControlBar(&m_editorToolBar, AFX_IDW_DOCKBAR_TOP);
  DockControlBar(&m_grammarWindow, AFX_IDW_DOCKBAR_LEFT);
  DockControlBar(&m_lookupWindow, AFX_IDW_DOCKBAR_BOTTOM);
  DockControlBarLeftOf(&m_keyboardWindow, &m_lookupWindow);
}

// ---- The saved layout.

void CMainFrame::LoadBarState(LPCSTR lpszProfileName) {
  // Each docking window's sizes are in the section whose "BarID" is its id;
  // a layout without one of them is not used.
  CKWProfileStore store(HKEY_CURRENT_USER);
  CStringArray sections;
  for (CKWDockWindow* pWindow :
       {static_cast<CKWDockWindow*>(&m_grammarWindow), static_cast<CKWDockWindow*>(&m_lookupWindow),
        static_cast<CKWDockWindow*>(&m_keyboardWindow)}) {
    const int nID = pWindow->GetDlgCtrlID();
    for (int i = 0;; ++i) {
      CString section;
      section.Format(dockstate::kBarSection, lpszProfileName, i);
      const int nSavedID = store.GetInt(section, dockstate::kBarID, kNoSavedBar);
      if (nSavedID == kNoSavedBar) return;
      if (nSavedID == nID) {
        sections.Add(section);
        break;
      }
    }
  }
  CKWDockState state;
  state.LoadState(lpszProfileName);
  if (!SavedBarsExist(state)) {
    m_bBarStateUsable = FALSE;
    return;
  }
  // Positions saved on another screen are brought onto this one.
  state.FitToFrame(this);
  m_grammarWindow.LoadBarPosition(sections[0]);
  m_lookupWindow.LoadBarPosition(sections[1]);
  m_keyboardWindow.LoadBarPosition(sections[2]);
  SetDockState(state);
  DelayRecalcLayout();
}

BOOL CMainFrame::SavedBarsExist(const CDockState& state) {
  for (int i = 0; i < state.m_arrBarInfo.GetSize(); ++i) {
    const auto* pInfo = static_cast<const CControlBarInfo*>(state.m_arrBarInfo[i]);
    // A floating record stands for its frame's dock bar, made when applied.
    if (pInfo->m_bFloating) continue;
    if (GetControlBar(pInfo->m_nBarID) == nullptr) return FALSE;
  }
  return TRUE;
}

void CMainFrame::ResetBarState() {
  // Every record section up to the first missing one: a layout with more
  // bars than an earlier one leaves none behind.
  CKWProfileStore store(HKEY_CURRENT_USER);
  for (int i = 0;; ++i) {
    CString section;
    section.Format(dockstate::kBarSection, kBarStateName, i);
    CStringArray names;
    CDWordArray types;
    const bool bSaved = store.EnumValues(section, names, types) && names.GetSize() > 0;
    // Looking at a section makes its key; the first missing one goes too.
    store.DeleteSection(section);
    if (!bSaved) break;
  }
  CString summary;
  summary.Format(dockstate::kSummarySection, kBarStateName);
  store.DeleteSection(summary);
}
