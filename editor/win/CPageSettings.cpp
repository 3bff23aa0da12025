#include "editor/win/CPageSettings.h"

#include "classlib/win/CWinApp.h"
#include "hebtext/core/Preferences.h"
#include "hebtext/win/UserMessageBoxes.h"
#include "resources/PageSettingsIds.h"

namespace {

const char kPreferences[] = "Preferences";
const char kApplyBothSides[] = "Apply Both Sides";
const char kActivePageKey[] = "PageSettings Active Page";
const char kGrammarNote[] = "'Save' sets default values for\nGrammar Table Print/Preview.";
const char kBothSidesNote[] = "'Save' sets default values for\nBoth Sides of Document Pages.";
const char kSideNote[] = "'Save' sets default values for\n%s-side Document Pages.";
const int kScopeIds[CPageSettings::kScopeCount] = {IDC_SCOPE_PAGE, IDC_SCOPE_REST, IDC_SCOPE_ALL};
const char* const kScopeTexts[CPageSettings::kScopeCount] = {
    "Current &Page Only", "Current Page and Rest of Docu&ment", "&Entire Document"};
// The id of controls nobody addresses.
constexpr UINT kStaticId = 0xFFFF;
constexpr DWORD kDocumentHelp = 387110;
constexpr DWORD kGrammarHelp = 387111;
constexpr int kHebrewSide = 1;
constexpr int kEnglishSide = 0;

// The band below the pages, in dialog units: its height for each mode and
// the places of the controls in it (from the band's top).
constexpr int kDocumentBand = 66;
constexpr int kGrammarBand = 30;
constexpr int kMargin = 7;
constexpr int kGroupWidth = 150;
constexpr int kGroupHeight = 48;
constexpr int kRadioTop = 11;
constexpr int kRadioStep = 11;
constexpr int kLineHeight = 10;
constexpr int kCheckTop = 51;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kButtonTop = 4;
constexpr int kNoteHeight = 34;

CRect DialogRect(HWND hWnd, int left, int top, int width, int height) {
  RECT rect = {left, top, left + width, top + height};
  ::MapDialogRect(hWnd, &rect);
  return CRect(rect);
}

}  // namespace

BEGIN_MESSAGE_MAP(CPageSettings, CPropertySheet)
  ON_BN_CLICKED(IDC_SHEET_SAVE, OnSave)
  ON_BN_CLICKED(IDC_SHEET_PREVIEW, OnPreview)
  ON_BN_CLICKED(IDC_BOTH_SIDES, OnBothSides)
END_MESSAGE_MAP()

CPageSettings::CPageSettings(UINT nIDCaption, BOOL grammarMode, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(nIDCaption, pParentWnd, iSelectPage),
      m_bGrammarMode(grammarMode),
      m_tabsPage(*this),
      m_marginsPage(*this),
      m_paperPage(*this) {
  AddPage(&m_paperPage);
  AddPage(&m_marginsPage);
  if (!m_bGrammarMode) AddPage(&m_tabsPage);
  m_psh.dwFlags |= PSH_NOAPPLYNOW | PSH_HASHELP;
  for (CPropertyPage* pPage :
       {static_cast<CPropertyPage*>(&m_paperPage), static_cast<CPropertyPage*>(&m_marginsPage),
        static_cast<CPropertyPage*>(&m_tabsPage)})
    pPage->m_psp.dwFlags |= PSP_HASHELP;
}

CString CPageSettings::ActivePageKey() const {
  CString key;
  key.Format("%s %s", kActivePageKey, m_bGrammarMode ? "Gram" : "Doc");
  return key;
}

INT_PTR CPageSettings::DoModal() {
  m_values.Load(m_record, m_tabInterval, m_tabStops);
  m_scope = 0;
  m_bBothSides = m_bGrammarMode ? FALSE : GetPreferenceInt(kPreferences, kApplyBothSides, 0) != 0;
  m_activePage = static_cast<int>(GetPreferenceInt(kPreferences, ActivePageKey(), 0));
  if (m_activePage < 0 || m_activePage >= GetPageCount()) m_activePage = 0;
  m_psh.nStartPage = static_cast<UINT>(m_activePage);
  INT_PTR result = CPropertySheet::DoModal();
  WritePreferenceInt(kPreferences, ActivePageKey(), m_activePage);
  return result;
}

BOOL CPageSettings::OnInitDialog() {
  BOOL result = CPropertySheet::OnInitDialog();
  AddExtraControls();
  return result;
}

void CPageSettings::AddExtraControls() {
  const int band = m_bGrammarMode ? kGrammarBand : kDocumentBand;
  CRect bandRect = DialogRect(m_hWnd, 0, 0, 0, band);
  const int extra = bandRect.Height();

  // The sheet's own buttons move down by the band.
  CRect okRect;
  ::GetWindowRect(::GetDlgItem(m_hWnd, IDOK), &okRect);
  ScreenToClient(&okRect);
  const int top = okRect.top;
  for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != nullptr;
       hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
    CRect rect;
    ::GetWindowRect(hChild, &rect);
    ScreenToClient(&rect);
    if (rect.top >= top)
      ::SetWindowPos(hChild, nullptr, rect.left, rect.top + extra, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  CRect window;
  GetWindowRect(&window);
  ::SetWindowPos(m_hWnd, nullptr, 0, 0, window.Width(), window.Height() + extra,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  CRect client;
  GetClientRect(&client);

  HFONT hFont = reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
  auto place = [&](CWnd& control, int left, int y, int width, int height) {
    CRect rect = DialogRect(m_hWnd, left, y, width, height);
    rect.OffsetRect(0, top);
    if (width == 0) rect.right = client.right - DialogRect(m_hWnd, kMargin, 0, 0, 0).left;
    ::SetWindowPos(control.m_hWnd, nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
    control.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), TRUE);
  };
  const DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
  const CRect none(0, 0, 0, 0);
  int noteLeft;
  if (m_bGrammarMode) {
    SetDlgItemText(IDOK, "&Print");
    m_previewButton.Create("Pre&view", kButtonStyle, none, this, IDC_SHEET_PREVIEW);
    place(m_previewButton, kMargin, kButtonTop, kButtonWidth, kButtonHeight);
    m_saveButton.Create("&Save", kButtonStyle, none, this, IDC_SHEET_SAVE);
    place(m_saveButton, 2 * kMargin + kButtonWidth, kButtonTop, kButtonWidth, kButtonHeight);
    noteLeft = 3 * kMargin + 2 * kButtonWidth;
  } else {
    m_scopeGroup.Create("Apply Values To:", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, none, this,
                        kStaticId);
    place(m_scopeGroup, kMargin, 0, kGroupWidth, kGroupHeight);
    for (int i = 0; i < kScopeCount; i++) {
      DWORD style =
          WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0);
      m_scopeRadios[i].Create(kScopeTexts[i], style, none, this, static_cast<UINT>(kScopeIds[i]));
      place(m_scopeRadios[i], 2 * kMargin, kRadioTop + i * kRadioStep, kGroupWidth - 2 * kMargin,
            kLineHeight);
    }
    m_scopeRadios[0].SetCheck(BST_CHECKED);
    m_bothSidesCheck.Create("Apply Settings to BOTH sides",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX, none,
                            this, IDC_BOTH_SIDES);
    place(m_bothSidesCheck, kMargin, kCheckTop, kGroupWidth, kLineHeight);
    m_bothSidesCheck.SetCheck(m_bBothSides ? BST_CHECKED : BST_UNCHECKED);
    m_saveButton.Create("&Save", kButtonStyle, none, this, IDC_SHEET_SAVE);
    place(m_saveButton, 2 * kMargin + kGroupWidth, kButtonTop, kButtonWidth, kButtonHeight);
    noteLeft = 2 * kMargin + kGroupWidth;
  }
  m_saveNote.Create("", WS_CHILD | WS_VISIBLE | SS_LEFT, none, this, IDC_SAVE_NOTE);
  place(m_saveNote, noteLeft, m_bGrammarMode ? kButtonTop : kButtonTop + kButtonHeight + kButtonTop,
        0, kNoteHeight);
  UpdateSaveNote();
}

void CPageSettings::RememberActivePage(int index) {
  m_activePage = index;
  // The sheet paints its background over the note on a page change.
  if (m_saveNote.m_hWnd != nullptr) m_saveNote.Invalidate();
}

void CPageSettings::UpdateSaveNote() {
  CString note;
  if (m_bGrammarMode)
    note = kGrammarNote;
  else if (m_bBothSides)
    note = kBothSidesNote;
  else
    note.Format(kSideNote, m_side == kHebrewSide ? "Hebrew" : "English");
  m_saveNote.SetWindowText(note);
}

void CPageSettings::OnBothSides() {
  m_bBothSides = m_bothSidesCheck.GetCheck() == BST_CHECKED;
  UpdateSaveNote();
}

BOOL CPageSettings::ValidateValues() {
  PageValueCheck check = ValidatePageValues(m_values);
  CPageSettingsPage* pActive = static_cast<CPageSettingsPage*>(GetActivePage());
  if (check.Passed()) {
    // Raised margins show at once.
    if (pActive != nullptr) pActive->Fill();
    return TRUE;
  }
  ShowUserMessages(this, check.messages);
  const bool paper =
      check.fault == PageValueFault::kPaperWidth || check.fault == PageValueFault::kPaperLength;
  CPageSettingsPage* pPage = paper ? static_cast<CPageSettingsPage*>(&m_paperPage) : &m_marginsPage;
  SetActivePage(pPage);
  pPage->Fill();
  int edit = IDC_MARGIN_TOP;
  switch (check.fault) {
    case PageValueFault::kPaperWidth: edit = IDC_PAPER_WIDTH; break;
    case PageValueFault::kPaperLength: edit = IDC_PAPER_LENGTH; break;
    case PageValueFault::kLeftMargin: edit = IDC_MARGIN_LEFT; break;
    default: break;
  }
  pPage->FocusEdit(edit);
  return FALSE;
}

void CPageSettings::StoreValues() { m_values.Store(m_record, m_tabInterval, m_tabStops); }

void CPageSettings::SaveDefaults() {
  if (m_bGrammarMode) {
    SavePageSettings(&m_record, TRUE, 0);
    return;
  }
  for (int side : {kEnglishSide, kHebrewSide}) {
    if (!m_bBothSides && side != m_side) continue;
    SavePageSettings(&m_record, FALSE, side);
    SaveTabStops(static_cast<int>(m_tabInterval), m_tabStops, side);
  }
}

BOOL CPageSettings::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) == IDHELP && HIWORD(wParam) == BN_CLICKED) {
    if (CWinApp* pApp = AfxGetApp()) pApp->WinHelp(m_bGrammarMode ? kGrammarHelp : kDocumentHelp);
    return TRUE;
  }
  if (LOWORD(wParam) == IDOK && HIWORD(wParam) == BN_CLICKED) {
    if (!ValidateValues()) return TRUE;
    StoreValues();
    if (m_bGrammarMode) {
      EndDialog(static_cast<int>(kResultPrint));
      return TRUE;
    }
    WritePreferenceInt(kPreferences, kApplyBothSides, m_bBothSides);
  } else if (HIWORD(wParam) == BN_CLICKED) {
    for (int i = 0; i < kScopeCount; i++)
      if (LOWORD(wParam) == kScopeIds[i]) m_scope = i;
  }
  return CPropertySheet::OnCommand(wParam, lParam);
}

void CPageSettings::OnPreview() {
  if (!ValidateValues()) return;
  StoreValues();
  EndDialog(static_cast<int>(kResultPreview));
}

void CPageSettings::OnSave() {
  if (!ValidateValues()) return;
  StoreValues();
  SaveDefaults();
}
