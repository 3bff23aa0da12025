#include "editor/win/CPageSettingsTabs.h"

#include <cstdlib>

#include "classlib/win/CWinApp.h"
#include "editor/win/CPageSettings.h"
#include "hebtext/win/UserMessageBoxes.h"
#include "resources/PageSettingsIds.h"

namespace {

const CPageSettingsPage::MeasureField kFields[] = {
    {IDC_TAB_STOP, IDC_TAB_STOP_SPIN}, {IDC_TAB_INTERVAL, IDC_TAB_INTERVAL_SPIN}, {0, 0}};

}  // namespace

BEGIN_MESSAGE_MAP(CPageSettingsTabs, CPageSettingsPage)
  ON_LBN_SELCHANGE(IDC_TAB_LIST, OnListSelection)
  ON_BN_CLICKED(IDC_TAB_SET, OnSet)
  ON_BN_CLICKED(IDC_TAB_CLEAR, OnClear)
  ON_BN_CLICKED(IDC_TAB_CLEAR_ALL, OnClearAll)
END_MESSAGE_MAP()

CPageSettingsTabs::CPageSettingsTabs(CPageSettings& sheet)
    : CPageSettingsPage(IDD_PAGE_SETTINGS_TABS, sheet) {}

const CPageSettingsPage::MeasureField* CPageSettingsTabs::Fields() const { return kFields; }

void CPageSettingsTabs::Fill() {
  HWND hList = ::GetDlgItem(m_hWnd, IDC_TAB_LIST);
  ::SendMessageA(hList, LB_RESETCONTENT, 0, 0);
  for (double stop : Values().tabStops) {
    CString text = TabListText(stop, Values().unit);
    ::SendMessageA(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(text)));
  }
  ShowMeasure(IDC_TAB_INTERVAL, Values().tabInterval);
  UpdateButtons();
}

void CPageSettingsTabs::OnMeasureTyped(int editId, double value) {
  if (editId == IDC_TAB_INTERVAL) Values().tabInterval = value;
}

SpinRange CPageSettingsTabs::RangeOf(int) const { return TabSpinRange(m_sheet.Values()); }

int CPageSettingsTabs::ListSelection() const {
  return static_cast<int>(::SendMessageA(::GetDlgItem(m_hWnd, IDC_TAB_LIST), LB_GETCURSEL, 0, 0));
}

void CPageSettingsTabs::SelectEntry(int index) {
  ::SendMessageA(::GetDlgItem(m_hWnd, IDC_TAB_LIST), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  OnListSelection();
}

void CPageSettingsTabs::UpdateButtons() {
  const LRESULT count = ::SendMessageA(::GetDlgItem(m_hWnd, IDC_TAB_LIST), LB_GETCOUNT, 0, 0);
  ::EnableWindow(::GetDlgItem(m_hWnd, IDC_TAB_CLEAR), ListSelection() != LB_ERR);
  ::EnableWindow(::GetDlgItem(m_hWnd, IDC_TAB_CLEAR_ALL), count > 0);
}

void CPageSettingsTabs::OnListSelection() {
  const int index = ListSelection();
  if (index != LB_ERR) {
    CString text = TabListText(Values().tabStops[static_cast<size_t>(index)], Values().unit);
    text.TrimLeft();
    ShowText(IDC_TAB_STOP, text);
  }
  UpdateButtons();
}

void CPageSettingsTabs::OnSet() {
  CString text;
  GetDlgItemText(IDC_TAB_STOP, text);
  UserMessageList messages;
  const int index = SetTabStop(Values(), atof(text), messages);
  if (index < 0) {
    ShowUserMessages(this, messages);
    return;
  }
  CString entry = TabListText(Values().tabStops[static_cast<size_t>(index)], Values().unit);
  ::SendMessageA(::GetDlgItem(m_hWnd, IDC_TAB_LIST), LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(static_cast<LPCSTR>(entry)));
  SelectEntry(index);
}

void CPageSettingsTabs::OnClear() {
  const int index = ListSelection();
  if (index == LB_ERR) {
    AfxMessageBox("Nothing selected!");
    return;
  }
  HWND hList = ::GetDlgItem(m_hWnd, IDC_TAB_LIST);
  ::SendMessageA(hList, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
  auto& stops = Values().tabStops;
  stops.erase(stops.begin() + index);
  if (stops.empty()) {
    UpdateButtons();
    return;
  }
  SelectEntry(index < static_cast<int>(stops.size()) ? index : static_cast<int>(stops.size()) - 1);
}

void CPageSettingsTabs::OnClearAll() {
  if (AfxMessageBox("Delete all tab positions?", MB_YESNO) != IDYES) return;
  ::SendMessageA(::GetDlgItem(m_hWnd, IDC_TAB_LIST), LB_RESETCONTENT, 0, 0);
  Values().tabStops.clear();
  UpdateButtons();
}
