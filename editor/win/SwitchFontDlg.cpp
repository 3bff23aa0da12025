#include "editor/win/SwitchFontDlg.h"

#include <commctrl.h>

#include "resources/FontDialogIds.h"

namespace {

struct ColumnHeading {
  const char* title;
  int format;
};
const ColumnHeading kColumns[kSwitchFontColumns] = {
    {"Name", LVCFMT_LEFT}, {"Size", LVCFMT_RIGHT}, {"Style", LVCFMT_LEFT}};

// Room for a face name and the longest style name.
constexpr int kEntryTextSize = 64;

}  // namespace

SwitchFontColumnWidths CSwitchFontDlg::s_widths;

BEGIN_MESSAGE_MAP(CSwitchFontDlg, CDialog)
  ON_NOTIFY(NM_DBLCLK, IDC_SWITCH_FONT_LIST, OnListDoubleClick)
END_MESSAGE_MAP()

CSwitchFontDlg::CSwitchFontDlg(CWnd* pParent) : CDialog(IDD, pParent) {
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES};
  ::InitCommonControlsEx(&icc);
}

BOOL CSwitchFontDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  CenterWindow();
  m_hList = ::GetDlgItem(m_hWnd, IDC_SWITCH_FONT_LIST);
  ListView_SetExtendedListViewStyle(m_hList, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  LoadSwitchFontColumnWidths(s_widths);
  for (int i = 0; i < kSwitchFontColumns; i++) {
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = kColumns[i].format;
    column.cx = s_widths.widths[i];
    column.pszText = const_cast<LPSTR>(kColumns[i].title);
    column.iSubItem = i;
    ListView_InsertColumn(m_hList, i, &column);
  }
  for (int row = 0; row < m_entries.GetSize(); row++) {
    CString columns[kSwitchFontColumns];
    SplitSwitchFontEntry(m_entries[row], columns);
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<LPSTR>(static_cast<LPCSTR>(columns[0]));
    ListView_InsertItem(m_hList, &item);
    for (int i = 1; i < kSwitchFontColumns; i++)
      ListView_SetItemText(m_hList, row, i, const_cast<LPSTR>(static_cast<LPCSTR>(columns[i])));
  }
  if (m_nSelected >= 0 && m_nSelected < m_entries.GetSize()) {
    const UINT chosen = LVIS_SELECTED | LVIS_FOCUSED;
    ListView_SetItemState(m_hList, m_nSelected, chosen, chosen);
    ListView_EnsureVisible(m_hList, m_nSelected, FALSE);
  }
  ::SetFocus(m_hList);
  return FALSE;
}

void CSwitchFontDlg::SaveColumnWidths() {
  for (int i = 0; i < kSwitchFontColumns; i++)
    s_widths.widths[i] = ListView_GetColumnWidth(m_hList, i);
  SaveSwitchFontColumnWidths(s_widths);
}

void CSwitchFontDlg::OnOK() {
  SaveColumnWidths();
  const int row = ListView_GetNextItem(m_hList, -1, LVNI_SELECTED);
  if (row < 0) {
    // Nothing chosen: nothing to switch to.
    EndDialog(IDCANCEL);
    return;
  }
  CString columns[kSwitchFontColumns];
  for (int i = 0; i < kSwitchFontColumns; i++) {
    char text[kEntryTextSize] = "";
    ListView_GetItemText(m_hList, row, i, text, kEntryTextSize);
    columns[i] = text;
  }
  m_font = ReadSwitchFontEntry(columns);
  EndDialog(IDOK);
}

void CSwitchFontDlg::OnCancel() {
  SaveColumnWidths();
  CDialog::OnCancel();
}

void CSwitchFontDlg::OnListDoubleClick(NMHDR*, LRESULT* pResult) {
  *pResult = 0;
  OnOK();
}
