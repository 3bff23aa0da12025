#include "editor/win/CHebFindReplaceDlg.h"

#include "classlib/win/CWinApp.h"
#include "hebtext/win/AppProfileStore.h"
#include "hebtext/win/CHebEdit.h"
#include "resources/FindReplaceIds.h"
#include "resources/HebtextIds.h"

const UINT g_findReplaceMessage = ::RegisterWindowMessageA(FINDMSGSTRING);

namespace {
// Escape closes the dialog, Down opens the history, and the field can show
// English.
constexpr DWORD kFieldStyle =
    CHebEdit::kEscCancels | CHebEdit::kEnglishFont | CHebEdit::kDownCommand;
constexpr DWORD kHelpContextBase = 0x20000;
// The options the dialog shows and the view reads back.
constexpr DWORD kOptionFlags = FR_DOWN | FR_WHOLEWORD | FR_MATCHCASE |
                               CHebFindReplaceDlg::kMatchVowels | CHebFindReplaceDlg::kMatchDagesh;

void SetCheck(CWnd* pDlg, int id, BOOL on) {
  ::CheckDlgButton(pDlg->m_hWnd, id, on ? BST_CHECKED : BST_UNCHECKED);
}

BOOL IsChecked(const CWnd* pDlg, int id) {
  return ::IsDlgButtonChecked(pDlg->m_hWnd, id) == BST_CHECKED;
}

void EnableItem(CWnd* pDlg, int id, BOOL enable) {
  HWND hItem = ::GetDlgItem(pDlg->m_hWnd, id);
  if (hItem != nullptr) ::EnableWindow(hItem, enable);
}
}  // namespace

IMPLEMENT_DYNAMIC(CHebFindReplaceDlg, CFindReplaceDialog)

BEGIN_MESSAGE_MAP(CHebFindReplaceDlg, CFindReplaceDialog)
  ON_WM_DESTROY()
  ON_BN_CLICKED(IDC_FIND_REPLACE, OnReplace)
  ON_BN_CLICKED(IDC_FIND_REPLACE_ALL, OnReplaceAll)
  ON_BN_CLICKED(IDC_FIND_ENGLISH, OnEnglish)
  ON_BN_CLICKED(IDC_FIND_HEBREW, OnHebrew)
  ON_BN_CLICKED(IDC_FIND_HISTORY_BUTTON, OnFindHistoryButton)
  ON_BN_CLICKED(IDC_REPLACE_HISTORY_BUTTON, OnReplaceHistoryButton)
  ON_BN_CLICKED(IDC_FIND_HELP, OnHelp)
  ON_EN_CHANGE(IDC_FIND_TEXT, OnFindTextChange)
  ON_CBN_SELENDOK(IDC_FIND_HISTORY, OnFindHistoryChosen)
  ON_CBN_SELENDOK(IDC_REPLACE_HISTORY, OnReplaceHistoryChosen)
  ON_CONTROL(CBN_SELENDCANCEL, IDC_FIND_HISTORY, OnHistoryCancelled)
  ON_CONTROL(CBN_SELENDCANCEL, IDC_REPLACE_HISTORY, OnHistoryCancelled)
  ON_COMMAND(CHebEdit::kEnterCommand, OnOK)
  ON_COMMAND(CHebEdit::kDownCommandId, OnFieldDropDown)
  ON_COMMAND(ID_HEBEDIT_SELECT_ALL, OnSelectAll)
  ON_COMMAND_RANGE(ID_EDIT_COPY, ID_EDIT_UNDO, OnEditCommand)
END_MESSAGE_MAP()

CHebFindReplaceDlg::CHebFindReplaceDlg(BOOL replace, BOOL hebrew)
    : m_replace(replace), m_hebrew(hebrew) {
  m_fields[0].kind = FindHistoryKind::kFind;
  m_fields[1].kind = FindHistoryKind::kReplace;
}

CHebFindReplaceDlg::~CHebFindReplaceDlg() {
  for (HistoryField& field : m_fields) delete field.pEdit;
}

void CHebFindReplaceDlg::SetInitialTexts(const SearchText& find, const SearchText& replace) {
  m_initialFind = find;
  m_initialReplace = replace;
}

BOOL CHebFindReplaceDlg::CreateModeless(DWORD flags, CWnd* pNotify) {
  m_fr.Flags = flags;
  m_hWndNotify = pNotify->GetSafeHwnd();
  m_nIDHelp = m_replace ? IDD_HEB_REPLACE : IDD_HEB_FIND;
  return CDialog::Create(m_nIDHelp, pNotify);
}

SearchText CHebFindReplaceDlg::GetFindText() const {
  CString text;
  if (m_fields[0].pEdit != nullptr) m_fields[0].pEdit->GetText(text);
  return SearchText::FromMerged(text, m_hebrew);
}

SearchText CHebFindReplaceDlg::GetReplaceText() const {
  CString text;
  if (m_replace && m_fields[1].pEdit != nullptr) m_fields[1].pEdit->GetText(text);
  return SearchText::FromMerged(text, m_hebrew);
}

BOOL CHebFindReplaceDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetCheck(this, IDC_MATCH_VOWELS, (m_fr.Flags & kMatchVowels) != 0);
  SetCheck(this, IDC_MATCH_DAGESH, (m_fr.Flags & kMatchDagesh) != 0);
  SetCheck(this, IDC_MATCH_WHOLE_WORD, (m_fr.Flags & FR_WHOLEWORD) != 0);
  SetCheck(this, IDC_MATCH_CASE, (m_fr.Flags & FR_MATCHCASE) != 0);
  const UINT editIds[2] = {IDC_FIND_TEXT, IDC_REPLACE_TEXT};
  const UINT comboIds[2] = {IDC_FIND_HISTORY, IDC_REPLACE_HISTORY};
  const UINT buttonIds[2] = {IDC_FIND_HISTORY_BUTTON, IDC_REPLACE_HISTORY_BUTTON};
  for (int i = 0; i < FieldCount(); i++) {
    HistoryField& field = m_fields[i];
    field.pEdit = CreateHebEditInPlace(this, editIds[i], TRUE, kFieldStyle);
    if (field.pEdit == nullptr) return FALSE;
    field.pEdit->GetModel().SetTextLimit(kTextLimit);
    field.combo.SubclassDlgItem(comboIds[i], this);
    field.combo.m_pEdit = field.pEdit;
    field.button.SubclassDlgItem(buttonIds[i], this);
    field.button.LoadBitmaps(IDB_FIND_HISTORY);
  }
  ApplyLanguage(m_hebrew);
  ::CheckRadioButton(m_hWnd, IDC_FIND_ENGLISH, IDC_FIND_HEBREW,
                     m_hebrew ? IDC_FIND_HEBREW : IDC_FIND_ENGLISH);
  for (HistoryField& field : m_fields) field.otherLanguageText.Empty();
  if (!m_initialFind.IsEmpty()) m_fields[0].pEdit->SetText(m_initialFind.Merged());
  if (m_replace && !m_initialReplace.IsEmpty())
    m_fields[1].pEdit->SetText(m_initialReplace.Merged());
  ::CheckRadioButton(m_hWnd, IDC_DIRECTION_UP, IDC_DIRECTION_DOWN,
                     (m_fr.Flags & FR_DOWN) ? IDC_DIRECTION_DOWN : IDC_DIRECTION_UP);
  UpdateButtons();
  m_hAccel = ::LoadAcceleratorsA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_FIND_ACCELERATORS));
  GotoDlgCtrl(m_fields[0].pEdit);
  return FALSE;  // the focus is set
}

BOOL CHebFindReplaceDlg::PreTranslateMessage(MSG* pMsg) {
  if (m_hAccel != nullptr && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST &&
      ::TranslateAcceleratorA(m_hWnd, m_hAccel, pMsg)) {
    return TRUE;
  }
  return CDialog::PreTranslateMessage(pMsg);
}

void CHebFindReplaceDlg::OnDestroy() {
  Notify(FR_DIALOGTERM);
  CDialog::OnDestroy();
}

void CHebFindReplaceDlg::Notify(DWORD action) {
  m_fr.Flags &= ~(kOptionFlags | FR_FINDNEXT | FR_REPLACE | FR_REPLACEALL | FR_DIALOGTERM);
  m_fr.Flags |= action;
  if (!IsChecked(this, IDC_DIRECTION_UP)) m_fr.Flags |= FR_DOWN;
  if (IsChecked(this, IDC_MATCH_WHOLE_WORD)) m_fr.Flags |= FR_WHOLEWORD;
  if (IsChecked(this, IDC_MATCH_CASE)) m_fr.Flags |= FR_MATCHCASE;
  if (IsChecked(this, IDC_MATCH_VOWELS)) m_fr.Flags |= kMatchVowels;
  if (IsChecked(this, IDC_MATCH_DAGESH)) m_fr.Flags |= kMatchDagesh;
  if (::IsWindow(m_hWndNotify))
    ::SendMessageA(m_hWndNotify, g_findReplaceMessage, 0, reinterpret_cast<LPARAM>(&m_fr));
}

void CHebFindReplaceDlg::OnOK() { Notify(FR_FINDNEXT); }

void CHebFindReplaceDlg::OnReplace() { Notify(FR_REPLACE); }

void CHebFindReplaceDlg::OnReplaceAll() { Notify(FR_REPLACEALL); }

void CHebFindReplaceDlg::OnCancel() { DestroyWindow(); }

void CHebFindReplaceDlg::OnEnglish() { ApplyLanguage(FALSE); }

void CHebFindReplaceDlg::OnHebrew() { ApplyLanguage(TRUE); }

// The texts of the language left are kept for a switch back; Match Vowels
// and Match Dagesh belong to Hebrew, Match Case to English.
void CHebFindReplaceDlg::ApplyLanguage(BOOL hebrew) {
  const BOOL changed = hebrew != m_hebrew;
  m_hebrew = hebrew;
  for (int i = 0; i < FieldCount(); i++) {
    HistoryField& field = m_fields[i];
    if (changed) {
      CString shown;
      field.pEdit->GetText(shown);
      field.pEdit->SetRightToLeft(hebrew);
      field.pEdit->SetText(field.otherLanguageText);
      field.otherLanguageText = shown;
    } else {
      field.pEdit->SetRightToLeft(hebrew);
    }
    field.pEdit->Invalidate();
    field.combo.m_hebrewFont = hebrew;
  }
  EnableItem(this, IDC_MATCH_DAGESH, hebrew);
  EnableItem(this, IDC_MATCH_VOWELS, hebrew);
  EnableItem(this, IDC_MATCH_CASE, !hebrew);
  UpdateButtons();
}

void CHebFindReplaceDlg::OnFindTextChange() { UpdateButtons(); }

void CHebFindReplaceDlg::UpdateButtons() {
  CString text;
  if (m_fields[0].pEdit != nullptr) m_fields[0].pEdit->GetText(text);
  const BOOL any = !text.IsEmpty();
  EnableItem(this, IDOK, any);
  EnableItem(this, IDC_FIND_REPLACE, any);
  EnableItem(this, IDC_FIND_REPLACE_ALL, any);
}

CHebFindReplaceDlg::HistoryField* CHebFindReplaceDlg::FieldOf(HWND hWnd) {
  for (int i = 0; i < FieldCount(); i++) {
    if (m_fields[i].pEdit != nullptr && m_fields[i].pEdit->m_hWnd == hWnd) return &m_fields[i];
  }
  return nullptr;
}

void CHebFindReplaceDlg::ToggleHistory(HistoryField& field) {
  if (field.combo.GetDroppedState()) {
    field.combo.ShowDropDown(FALSE);
    GotoDlgCtrl(field.pEdit);
    return;
  }
  CAppProfileStore profile(AfxGetApp());
  field.combo.ResetContent();
  field.combo.m_items.RemoveAll();
  for (const CString& entry : ReadFindHistory(profile, field.kind, m_hebrew)) {
    field.combo.AddString(entry);
    field.combo.m_items.Add(entry);
  }
  CRect fieldRect, buttonRect;
  field.pEdit->GetWindowRect(&fieldRect);
  field.button.GetWindowRect(&buttonRect);
  field.combo.SetDroppedWidth(buttonRect.right - fieldRect.left);
  field.combo.SetCurSel(0);
  GotoDlgCtrl(&field.combo);
  field.combo.ShowDropDown(TRUE);
}

void CHebFindReplaceDlg::OnFindHistoryButton() { ToggleHistory(m_fields[0]); }

void CHebFindReplaceDlg::OnReplaceHistoryButton() {
  if (m_replace) ToggleHistory(m_fields[1]);
}

void CHebFindReplaceDlg::OnFieldDropDown() {
  if (HistoryField* field = FieldOf(::GetFocus())) ToggleHistory(*field);
}

void CHebFindReplaceDlg::TakeHistoryEntry(HistoryField& field) {
  const int index = field.combo.GetCurSel();
  if (index >= 0 && index < field.combo.m_items.GetSize())
    field.pEdit->SetText(field.combo.m_items[index]);
  field.pEdit->Invalidate();
  GotoDlgCtrl(field.pEdit);
  UpdateButtons();
}

void CHebFindReplaceDlg::OnFindHistoryChosen() { TakeHistoryEntry(m_fields[0]); }

void CHebFindReplaceDlg::OnReplaceHistoryChosen() { TakeHistoryEntry(m_fields[1]); }

void CHebFindReplaceDlg::OnHistoryCancelled() {
  for (int i = 0; i < FieldCount(); i++) {
    if (m_fields[i].combo.m_hWnd == ::GetFocus()) GotoDlgCtrl(m_fields[i].pEdit);
  }
}

void CHebFindReplaceDlg::OnHelp() {
  AfxGetApp()->WinHelp(kHelpContextBase + (m_replace ? IDD_HEB_REPLACE : IDD_HEB_FIND));
}

// The shortcuts act on the focused Hebrew field.
void CHebFindReplaceDlg::OnSelectAll() {
  if (HistoryField* field = FieldOf(::GetFocus())) {
    field->pEdit->SelectAll();
    field->pEdit->Invalidate();
  }
}

void CHebFindReplaceDlg::OnEditCommand(UINT nID) {
  HistoryField* field = FieldOf(::GetFocus());
  if (field == nullptr) return;
  UINT message = 0;
  switch (nID) {
    case ID_EDIT_COPY: message = WM_COPY; break;
    case ID_EDIT_CUT: message = WM_CUT; break;
    case ID_EDIT_PASTE: message = WM_PASTE; break;
    case ID_EDIT_UNDO: message = WM_UNDO; break;
    default: return;
  }
  field->pEdit->SendMessage(message);
}
