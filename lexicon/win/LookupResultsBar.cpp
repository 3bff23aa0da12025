#include "lexicon/win/LookupResultsBar.h"

#include "hebtext/core/PointedText.h"
#include "classlib/win/CWinApp.h"
#include "hebtext/win/CHebEdit.h"
#include "resources/MainFrameIds.h"

BEGIN_MESSAGE_MAP(CLookupResultsBar, CLookupBar)
  ON_WM_CREATE()
  ON_WM_DESTROY()
  ON_WM_SIZE()
  ON_CONTROL(EN_CHANGE, kLookupEditId, OnSearchTextChange)
  ON_COMMAND(CHebEdit::kEnterCommand, OnSearch)
  ON_MESSAGE(WM_NEXTDLGCTL, OnNextDlgCtl)
END_MESSAGE_MAP()

CLookupResultsBar::CLookupResultsBar() = default;

CLookupResultsBar::~CLookupResultsBar() = default;

void CLookupResultsBar::SetTableOpener(LookupTableOpener* pOpener) {
  m_pOpener = pOpener;
  if (m_pList) m_pList->SetTableOpener(pOpener);
}

int CLookupResultsBar::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CLookupBar::OnCreate(lpCreateStruct) == -1) return -1;
  // The list writes the list databases that are missing.
  m_pList.reset(new CLookupListCtrl(m_binFolder));
  if (!m_pList->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, CRect(0, 0, 0, 0), this,
                       kListId, m_pLookupEdit))
    return -1;
  m_pList->SetTableOpener(m_pOpener);
  CountRecords();
  m_pData.reset(new LookupData(m_binFolder, m_renderer));
  m_pData->SetReady(true);
  SetMode(GetMode());
  if (m_pLookupEdit != nullptr) m_pLookupEdit->SelectAll();
  return 0;
}

void CLookupResultsBar::CountRecords() {
  m_wordRows = m_pList ? static_cast<long>(m_pList->GetWordRowCount()) : 0;
  m_definitionRows = m_pList ? static_cast<long>(m_pList->GetDefinitionRowCount()) : 0;
}

void CLookupResultsBar::OnDestroy() {
  if (m_pList) m_pList->DestroyWindow();
  CLookupBar::OnDestroy();
}

void CLookupResultsBar::OnSize(UINT nType, int cx, int cy) {
  CLookupBar::OnSize(nType, cx, cy);
  if (m_pList && m_pList->GetSafeHwnd() != nullptr) {
    m_pList->MoveWindow(0, 0, cx, cy);
    m_pList->CountVisibleRows();
  }
}

CString CLookupResultsBar::EditText() const {
  CString text;
  if (m_pLookupEdit != nullptr) m_pLookupEdit->GetText(text);
  return text;
}

void CLookupResultsBar::SaveModeState() {
  if (!m_pList) return;
  m_pList->SaveColumnWidths();
  const int mode = m_pList->GetMode();
  m_states.Save(mode, m_pList->GetSelectedItem(), static_cast<LPCSTR>(EditText()));
  if (mode == kLookupSearchResults) m_states.SaveResults(m_pList->GetResults());
}

void CLookupResultsBar::SetMode(int mode) {
  CLookupBar::SetMode(mode);
  if (!m_pList || m_pList->GetSafeHwnd() == nullptr) return;
  m_pList->DeleteColumns();
  m_pList->SetMode(mode);
  m_pList->InsertColumns();
  m_pList->CountVisibleRows();
  const LookupModeStates::Restored state =
      m_states.Restore(mode, m_wordRows, m_definitionRows);
  if (mode == kLookupSearchResults) m_pList->SetResults(m_states.Results());
  m_rowCount = static_cast<int>(state.rowCount);
  if (m_pLookupEdit != nullptr) m_pLookupEdit->SetText(state.text.c_str());
  m_pList->SetRowCount(m_rowCount);
  if (state.row < m_rowCount) m_pList->SelectRow(static_cast<int>(state.row), TRUE);
}

void CLookupResultsBar::OnSearchTextChange() {
  if (!m_pList || m_pList->IsQuiet()) return;
  const int mode = m_pList->GetMode();
  if (mode == kLookupSearchResults) return;
  const CString text = EditText();
  // The list's own row put into the edit: nothing to find.
  const int selected = m_pList->GetSelectedItem();
  if (selected >= 0 && m_pList->GetRowEditText(selected) == text) return;
  int found = -1;
  if (mode == kLookupHebrewList) {
    HebWordRec typed = {};
    SplitLettersAndVowels(text, typed.letters, typed.vowels, kWordPlaneSize, 0);
    found = m_pList->FindWordRow(typed);
  } else {
    found = m_pList->FindDefinitionRow(text);
  }
  const int row = static_cast<int>(RowForPosition(found, m_rowCount));
  if (row < 0 || row == m_pList->GetSelectedItem()) return;
  ShowBar();
  m_pList->SelectRow(row, TRUE);
}

void CLookupResultsBar::ShowBar() {
  CWnd* pDockWindow = GetParent();
  CWnd* pFrame = AfxGetMainWnd();
  if (pDockWindow == nullptr || pDockWindow->IsWindowVisible() || pFrame == nullptr) return;
  pFrame->SendMessage(WM_COMMAND, ID_VIEW_LOOKUP_WINDOW, 0);
}

void CLookupResultsBar::PostEnterToList() {
  m_pList->PostMessage(WM_KEYDOWN, VK_RETURN, 0);
}

void CLookupResultsBar::OnSearch() {
  if (!m_pList) return;
  ShowBar();
  if (m_pList->GetMode() != kLookupSearchResults) {
    PostEnterToList();
    return;
  }
  const CString text = EditText();
  if (text.IsEmpty()) return;
  HebWordRec typed = {};
  SplitLettersAndVowels(text, typed.letters, typed.vowels, kWordPlaneSize, 0);
  // The search runs into a list of its own: one that finds nothing leaves
  // the results shown.
  LookupResults results = m_pList->GetResults();
  if (!SearchLookupWord(*m_pData, typed, results)) {
    ::MessageBeep(MB_OK);
    return;
  }
  m_pList->SetResults(results);
  m_rowCount = static_cast<int>(results.hits.size());
  m_pList->SetRowCount(m_rowCount);
  m_pList->Invalidate();
  m_pList->SelectRow(0, TRUE);
  PostEnterToList();
}

LRESULT CLookupResultsBar::OnNextDlgCtl(WPARAM, LPARAM) {
  if (!m_pList) return 0;
  m_pList->SetFocus();
  const int row = m_pList->GetSelectedItem();
  if (row >= 0) m_pList->EnsureVisible(row, FALSE);
  return 0;
}
