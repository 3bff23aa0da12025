#include "editor/win/CFileListCtrl.h"

#include <algorithm>
#include <vector>

#include "classlib/win/CDialog.h"
#include "classlib/win/CHeaderCtrl.h"
#include "classlib/win/CScrollBar.h"
#include "editor/core/FileNameList.h"
#include "editor/core/FileRenameRules.h"
#include "editor/core/ShellPathRules.h"
#include "editor/win/CFileItem.h"
#include "editor/win/FileDialogMessages.h"
#include "editor/win/FileFunctions.h"
#include "editor/win/ShellFunctions.h"
#include "hebtext/win/CLabelEdit.h"

namespace {

// Narrower columns are taken for hidden and not edited.
const int kMinRenameColumnWidth = 5;
// The name starts 7/5 of the icon width into its cell.
const int kNameOffsetNumerator = 7;
const int kNameOffsetDenominator = 5;
const DWORD kRenameEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL;
// A rename the file system refused starts again once the editor that
// reported it is gone: wParam row, lParam column.
const UINT kRestartRenameMessage = WM_APP + 1;
// WM_CONTEXTMENU's coordinates when Shift+F10 or the menu key asked for it.
const int kKeyboardMenuPoint = -1;

DWORD EditAlignment(int columnFormat) {
  switch (columnFormat & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT: return ES_RIGHT;
    case LVCFMT_CENTER: return ES_CENTER;
    default: return ES_LEFT;
  }
}

}  // namespace

BEGIN_MESSAGE_MAP(CFileListCtrl, CListCtrl)
  ON_WM_CHAR()
  ON_WM_GETDLGCODE()
  ON_WM_KEYDOWN()
  ON_WM_HSCROLL()
  ON_WM_VSCROLL()
  ON_WM_LBUTTONDOWN()
  ON_WM_CONTEXTMENU()
  ON_WM_INITMENU()
  ON_WM_DESTROY()
  ON_COMMAND(CFileListCtrl::kDeleteMenuCommand, OnDeleteCommand)
  ON_COMMAND(CFileListCtrl::kRenameMenuCommand, OnRenameCommand)
  ON_NOTIFY_REFLECT(LVN_ENDLABELEDITA, OnEndLabelEdit)
  ON_MESSAGE(kRestartRenameMessage, OnRestartRename)
END_MESSAGE_MAP()

BOOL CFileListCtrl::Subclass(UINT nID, CDialog* pParent, IFileListOwner* pOwner) {
  if (!SubclassDlgItem(nID, pParent)) return FALSE;
  m_pDialog = pParent;
  m_pOwner = pOwner;
  m_contextMenu.DestroyMenu();
  m_contextMenu.LoadMenu(kContextMenuId);
  return TRUE;
}

CFileItem* CFileListCtrl::GetFileItem(int row) const {
  if (row < 0 || row >= GetItemCount()) return nullptr;
  return reinterpret_cast<CFileItem*>(GetItemData(row));
}

int CFileListCtrl::FindItemByName(LPCSTR name) const {
  const int count = GetItemCount();
  for (int row = 0; row < count; ++row) {
    const CFileItem* pItem = GetFileItem(row);
    if (pItem && pItem->m_strName.CompareNoCase(name) == 0) return row;
  }
  return -1;
}

int CFileListCtrl::GetSelectedRow() const { return CListCtrl::GetNextItem(-1, LVNI_SELECTED); }

BOOL CFileListCtrl::CanDeleteOrRename() const {
  const CFileItem* pItem = GetFileItem(GetSelectedRow());
  return pItem && pItem->IsFileSystemItem();
}

int CFileListCtrl::HitTestWithColumn(CPoint point, int* pColumn) const {
  *pColumn = -1;
  if ((GetStyle() & LVS_TYPEMASK) != LVS_REPORT) return -1;
  CHeaderCtrl* pHeader = GetHeaderCtrl();
  const int columns = pHeader ? pHeader->GetItemCount() : 0;
  const int top = GetTopIndex();
  const int last = std::min(GetItemCount(), top + GetCountPerPage() + 1);
  for (int row = top; row < last; ++row) {
    CRect bounds;
    GetItemRect(row, &bounds, LVIR_BOUNDS);
    if (point.y < bounds.top || point.y >= bounds.bottom) continue;
    int left = bounds.left;
    for (int column = 0; column < columns; ++column) {
      const int right = left + GetColumnWidth(column);
      if (point.x >= left && point.x < right) {
        *pColumn = column;
        return row;
      }
      left = right;
    }
  }
  return -1;
}

void CFileListCtrl::Activate() {
  const CFileItem* pItem = GetFileItem(GetSelectedRow());
  if (!pItem) return;
  if (pItem->IsFileByFlag())
    PostToParent(WM_FILEDLG_OPENFILE, 0, 1);
  else
    PostToParent(WM_FILEDLG_OPENFOLDER, 0, 0);
}

CRect CFileListCtrl::GetCellRect(int row, int column) const {
  CRect cell;
  GetItemRect(row, &cell, LVIR_BOUNDS);
  for (int before = 0; before < column; ++before) cell.left += GetColumnWidth(before);
  cell.right = cell.left + GetColumnWidth(column);
  return cell;
}

CLabelEdit* CFileListCtrl::BeginRename(int row, int column) {
  CFileItem* pItem = GetFileItem(row);
  if (!pItem || !EnsureVisible(row, TRUE)) return nullptr;
  CHeaderCtrl* pHeader = GetHeaderCtrl();
  if (!pHeader || column < 0 || column >= pHeader->GetItemCount() ||
      GetColumnWidth(column) < kMinRenameColumnWidth)
    return nullptr;
  CRect client;
  GetClientRect(&client);
  CRect cell = GetCellRect(row, column);
  if (cell.left < client.left || cell.right > client.right) {
    Scroll(CSize(cell.left - client.left, 0));
    cell = GetCellRect(row, column);
  }
  LVCOLUMNA format = {};
  format.mask = LVCF_FMT;
  GetColumn(column, &format);
  const int iconWidth = m_pOwner ? m_pOwner->GetListIconWidth() : 0;
  CRect editRect = cell;
  editRect.left += ::MulDiv(iconWidth, kNameOffsetNumerator, kNameOffsetDenominator);
  editRect.right = std::min(cell.right - 1, client.right);
  auto* pEdit = new CLabelEdit(row, column, pItem->m_strName);
  if (!pEdit->Create(kRenameEditStyle | EditAlignment(format.fmt), editRect, this, kLabelEditId)) {
    delete pEdit;
    return nullptr;
  }
  return pEdit;
}

void CFileListCtrl::PostToParent(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pDialog) m_pDialog->PostMessage(message, wParam, lParam);
}

void CFileListCtrl::PostCommandToParent(UINT nID) {
  PostToParent(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), 0);
}

void CFileListCtrl::SelectRow(int row) {
  SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
  EnsureVisible(row, FALSE);
}

void CFileListCtrl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
  const int count = GetItemCount();
  std::vector<CString> names;
  names.reserve(static_cast<size_t>(count));
  for (int row = 0; row < count; ++row) {
    const CFileItem* pItem = GetFileItem(row);
    names.push_back(pItem ? pItem->m_strName : CString());
  }
  const int row = FindTypeAheadRow(names, GetSelectedRow(), static_cast<char>(nChar));
  if (row >= 0) SelectRow(row);
  CListCtrl::OnChar(nChar, nRepCnt, nFlags);
}

UINT CFileListCtrl::OnGetDlgCode() { return DLGC_WANTALLKEYS | DLGC_WANTCHARS; }

void CFileListCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  switch (nChar) {
    case VK_BACK: PostCommandToParent(kUpOneLevelCommand); return;
    case VK_TAB: PostToParent(WM_NEXTDLGCTL, ::GetKeyState(VK_SHIFT) < 0, 0); return;
    case VK_RETURN: Activate(); return;
    case VK_ESCAPE: PostCommandToParent(IDCANCEL); return;
    case VK_DELETE:
      if (CanDeleteOrRename()) PostCommandToParent(kDeleteCommand);
      return;
    default: CListCtrl::OnKeyDown(nChar, nRepCnt, nFlags);
  }
}

void CFileListCtrl::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
  // Taking the focus ends a rename before its cell moves away.
  SetFocus();
  CListCtrl::OnHScroll(nSBCode, nPos, pScrollBar);
}

void CFileListCtrl::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
  SetFocus();
  CListCtrl::OnVScroll(nSBCode, nPos, pScrollBar);
}

void CFileListCtrl::OnLButtonDown(UINT nFlags, CPoint point) {
  int column = -1;
  const int row = HitTestWithColumn(point, &column);
  const UINT selectedAndFocused = LVIS_SELECTED | LVIS_FOCUSED;
  if (row >= 0 && column == 0 && GetItemState(row, selectedAndFocused) == selectedAndFocused) {
    BeginRename(row, column);
    return;
  }
  CListCtrl::OnLButtonDown(nFlags, point);
}

void CFileListCtrl::OnContextMenu(CWnd*, CPoint point) {
  CMenu* pPopup = m_contextMenu.GetSubMenu(0);
  if (!pPopup) return;
  // From the keyboard the message gives no point: the menu opens at the pointer.
  if (point.x == kKeyboardMenuPoint && point.y == kKeyboardMenuPoint) ::GetCursorPos(&point);
  pPopup->TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, this);
}

void CFileListCtrl::OnInitMenu(CMenu* pMenu) {
  CMenu* pPopup = m_contextMenu.GetSubMenu(0);
  if (!pPopup || !pMenu || pMenu->GetSafeHmenu() != pPopup->GetSafeHmenu()) return;
  const UINT enable = MF_BYCOMMAND | (CanDeleteOrRename() ? MF_ENABLED : MF_GRAYED);
  pPopup->EnableMenuItem(kDeleteMenuCommand, enable);
  pPopup->EnableMenuItem(kRenameMenuCommand, enable);
}

void CFileListCtrl::OnDeleteCommand() { PostCommandToParent(kDeleteCommand); }

void CFileListCtrl::OnRenameCommand() { PostCommandToParent(kRenameCommand); }

void CFileListCtrl::OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult) {
  *pResult = 0;
  const auto* pInfo = reinterpret_cast<NMLVDISPINFOA*>(pNMHDR);
  const int row = pInfo->item.iItem;
  const int column = pInfo->item.iSubItem;
  CFileItem* pItem = GetFileItem(row);
  if (!pItem) return;
  RenameMessage message;
  switch (DecideRename(column, pInfo->item.pszText, pItem->m_strName, message)) {
    case kRenameNothing: return;
    case kRenameRefused:
      MessageBox(message.text, message.caption, MB_OK | MB_ICONEXCLAMATION);
      return;
    case kRenameFile: break;
  }
  const CString newName = pInfo->item.pszText;
  const CString newPath = RenamedPath(pItem->m_strPath, newName);
  if (!RenameFileReporting(m_hWnd, pItem->m_strPath, newPath)) {
    PostMessage(kRestartRenameMessage, static_cast<WPARAM>(row), column);
    return;
  }
  if (!DriveLetterOfPath(newPath) && !IsNetworkPath(newPath)) return;
  LPITEMIDLIST pidlAbsolute = ParseShellPath(newPath, FALSE);
  if (!pidlAbsolute) return;
  pItem->m_strName = newName;
  pItem->m_strPath = newPath;
  pItem->AdoptIdLists(CopyLastIdentifier(pidlAbsolute), pidlAbsolute);
  RedrawItems(row, row);
  if (pItem->IsFileByFlag() && m_pOwner) m_pOwner->OnListFileRenamed(newName);
}

LRESULT CFileListCtrl::OnRestartRename(WPARAM wParam, LPARAM lParam) {
  BeginRename(static_cast<int>(wParam), static_cast<int>(lParam));
  return 0;
}

void CFileListCtrl::OnDestroy() {
  m_contextMenu.DestroyMenu();
  CListCtrl::OnDestroy();
}
