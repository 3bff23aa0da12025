// The Look-in box of the file dialogs and what moves through it: filling it
// from the shell, refilling the list, pruning, Up, entering a folder, the
// type box, hidden files, New Folder and Delete.
#include <memory>
#include <vector>

#include "classlib/win/CWinApp.h"
#include "editor/core/FileNameRules.h"
#include "editor/core/NewFolderName.h"
#include "editor/core/ShellPathRules.h"
#include "editor/core/TypedPath.h"
#include "editor/win/CFileItem.h"
#include "editor/win/CShellFileDlg.h"
#include "editor/win/FileFunctions.h"
#include "editor/win/FolderEnumeration.h"
#include "editor/win/ShellFileDlgState.h"
#include "editor/win/ShellFunctions.h"
#include "hebtext/win/FileUtilities.h"
#include "resources/FileDialogIds.h"

namespace {

const char kNewFolderError[] = "Could not create New Directory";

// Releases a COM interface on leaving scope.
struct ReleaseShellFolder {
  void operator()(IShellFolder* p) const { p->Release(); }
};
using ShellFolderPtr = std::unique_ptr<IShellFolder, ReleaseShellFolder>;

ShellFolderPtr DesktopFolder() {
  LPSHELLFOLDER pDesktop = nullptr;
  if (FAILED(::SHGetDesktopFolder(&pDesktop))) return nullptr;
  return ShellFolderPtr(pDesktop);
}

// The folder of an absolute list (the desktop for the empty list).
ShellFolderPtr BindFolder(IShellFolder* pDesktop, LPCITEMIDLIST pidl) {
  if (pidl == nullptr || pidl->mkid.cb == 0) {
    pDesktop->AddRef();
    return ShellFolderPtr(pDesktop);
  }
  LPSHELLFOLDER pFolder = nullptr;
  if (FAILED(pDesktop->BindToObject(pidl, nullptr, IID_IShellFolder,
                                    reinterpret_cast<void**>(&pFolder))))
    return nullptr;
  return ShellFolderPtr(pFolder);
}

// The desktop items are known by their special-folder ids, not by their
// display names, which differ under Wine and on localised systems.
int FindSpecial(const std::vector<CFileItem>& items, int csidl) {
  for (size_t i = 0; i < items.size(); i++)
    if (IsSpecialFolder(items[i].GetAbsoluteIdList(), csidl)) return static_cast<int>(i);
  return -1;
}

// The record of a folder from its parent folder and its absolute list, both
// of which it takes over.
CFileItem MakeFolderItem(ShellFolderPtr pParent, LPITEMIDLIST pidlAbsolute) {
  CFileItem item;
  LPITEMIDLIST pidlLast = CopyLastIdentifier(pidlAbsolute);
  item.m_strName = GetShellDisplayName(pParent.get(), pidlLast, SHGDN_NORMAL);
  item.AdoptShellObjects(pParent.release(), pidlLast, pidlAbsolute);
  item.FillShellInfo();
  item.m_nIsFile = 0;
  return item;
}

// The first bytes of a list as a list of their own (the empty list for 0).
LPITEMIDLIST PrefixList(LPCITEMIDLIST pidl, UINT bytes) {
  CKWShellIdList lists;
  LPITEMIDLIST pidlPrefix = lists.AllocItemIdList(bytes + sizeof(USHORT));
  if (pidlPrefix != nullptr) memcpy(pidlPrefix, pidl, bytes);
  return pidlPrefix;
}

void MoveToFront(std::vector<CFileItem>& items, int from, int to) {
  if (from < 0 || from == to) return;
  CFileItem item = std::move(items[from]);
  items.erase(items.begin() + from);
  items.insert(items.begin() + to, std::move(item));
}

}  // namespace

CFileItem* CShellFileDlg::GetLookInItem(int index) const {
  if (index < 0) return nullptr;
  LRESULT data = LookInBox()->SendMessage(CB_GETITEMDATA, index);
  return data == CB_ERR ? nullptr : reinterpret_cast<CFileItem*>(data);
}

int CShellFileDlg::GetLookInSelection() const {
  return static_cast<int>(LookInBox()->SendMessage(CB_GETCURSEL));
}

void CShellFileDlg::SelectLookIn(int index) { LookInBox()->SendMessage(CB_SETCURSEL, index); }

CString CShellFileDlg::GetLookInFolder() const {
  const CFileItem* pItem = GetLookInItem(GetLookInSelection());
  return pItem == nullptr ? CString() : WithTrailingBackslash(pItem->m_strPath);
}

int CShellFileDlg::InsertLookInItem(int index, const CFileItem& item) {
  COMBOBOXEXITEMA entry = {};
  entry.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_INDENT | CBEIF_LPARAM;
  entry.iItem = index;
  entry.pszText = const_cast<LPSTR>(static_cast<LPCSTR>(item.m_strName));
  entry.iImage = item.m_nSmallIcon;
  entry.iSelectedImage = item.m_nOpenIcon;
  entry.iIndent = item.m_nIndent;
  CFileItem* pCopy = new CFileItem(item);
  entry.lParam = reinterpret_cast<LPARAM>(pCopy);
  int inserted = static_cast<int>(
      LookInBox()->SendMessage(CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&entry)));
  if (inserted < 0) delete pCopy;
  return inserted;
}

void CShellFileDlg::ClearLookIn() {
  CWnd* pBox = LookInBox();
  if (pBox == nullptr) return;
  const int count = static_cast<int>(pBox->SendMessage(CB_GETCOUNT));
  for (int i = 0; i < count; i++) delete GetLookInItem(i);
  pBox->SendMessage(CB_RESETCONTENT);
}

void CShellFileDlg::FillLookIn() {
  ShellFolderPtr pDesktop = DesktopFolder();
  if (!pDesktop) return;
  LPITEMIDLIST pidlDesktop = nullptr;
  if (FAILED(::SHGetSpecialFolderLocation(m_hWnd, CSIDL_DESKTOP, &pidlDesktop))) return;
  std::vector<CFileItem> items;
  FolderListOptions folders;
  folders.foldersOnly = TRUE;
  EnumerateFolder(pDesktop.get(), pidlDesktop, folders, items);
  FreeShellIdList(pidlDesktop);

  MoveToFront(items, FindSpecial(items, CSIDL_PERSONAL), 0);
  const int documents = FindSpecial(items, CSIDL_PERSONAL);
  MoveToFront(items, FindSpecial(items, CSIDL_DRIVES), documents < 0 ? 0 : 1);
  const int computer = FindSpecial(items, CSIDL_DRIVES);
  if (computer >= 0) {
    ShellFolderPtr pComputer = BindFolder(pDesktop.get(), items[computer].GetAbsoluteIdList());
    std::vector<CFileItem> drives;
    if (pComputer)
      EnumerateFolder(pComputer.get(), items[computer].GetAbsoluteIdList(), folders, drives);
    for (CFileItem& drive : drives) drive.m_nIndent = 1;
    items.insert(items.begin() + computer + 1, std::make_move_iterator(drives.begin()),
                 std::make_move_iterator(drives.end()));
  }
  for (CFileItem& item : items) {
    item.m_bPermanent = TRUE;
    item.m_nIsFile = 0;
  }

  // The folders of the current path, each under the one that holds it.
  if (IsDriveRoot(m_strCurrentFolder.Left(3)) || IsNetworkPath(m_strCurrentFolder)) {
    LPITEMIDLIST pidlPath = ParseShellPath(m_strCurrentFolder, FALSE);
    int parent = -1;
    UINT parentSize = 0;  // bytes of the path's list above the identifier
    for (LPITEMIDLIST pId = pidlPath; pId != nullptr && pId->mkid.cb != 0; pId = GetNextItem(pId)) {
      const UINT size = parentSize + pId->mkid.cb;
      LPITEMIDLIST pidlPrefix = PrefixList(pidlPath, size);
      LPITEMIDLIST pidlParent = PrefixList(pidlPath, parentSize);
      parentSize = size;
      if (pidlPrefix == nullptr || pidlParent == nullptr) {
        FreeShellIdList(pidlPrefix);
        FreeShellIdList(pidlParent);
        break;
      }
      const CString path = GetIdListPath(pidlPrefix);
      int found = -1;
      for (size_t i = 0; i < items.size() && found < 0; i++) {
        const bool samePath = !path.IsEmpty() && path.CompareNoCase(items[i].m_strPath) == 0;
        if (samePath || pDesktop->CompareIDs(0, pidlPrefix, items[i].GetAbsoluteIdList()) == 0)
          found = static_cast<int>(i);
      }
      ShellFolderPtr pParent;
      if (found < 0) pParent = BindFolder(pDesktop.get(), pidlParent);
      FreeShellIdList(pidlParent);
      if (found >= 0 || !pParent) {
        FreeShellIdList(pidlPrefix);
        if (found < 0) break;
        parent = found;
        continue;
      }
      CFileItem item = MakeFolderItem(std::move(pParent), pidlPrefix);
      item.m_nIndent = parent < 0 ? 0 : items[parent].m_nIndent + 1;
      parent = parent < 0 ? static_cast<int>(items.size()) : parent + 1;
      items.insert(items.begin() + parent, std::move(item));
    }
    FreeShellIdList(pidlPath);
  }

  ClearLookIn();
  for (const CFileItem& item : items)
    InsertLookInItem(static_cast<int>(LookInBox()->SendMessage(CB_GETCOUNT)), item);

  int selection = -1;
  for (size_t i = 0; i < items.size() && selection < 0; i++) {
    if (m_strCurrentFolder.IsEmpty() ? IsSpecialFolder(items[i].GetAbsoluteIdList(), CSIDL_DRIVES)
                                     : WithoutTrailingBackslash(items[i].m_strPath)
                                               .CompareNoCase(WithoutTrailingBackslash(
                                                   m_strCurrentFolder)) == 0)
      selection = static_cast<int>(i);
  }
  SelectLookIn(selection < 0 ? 0 : selection);
  RefillList();
}

void CShellFileDlg::PruneLookIn(int selection) {
  const int count = static_cast<int>(LookInBox()->SendMessage(CB_GETCOUNT));
  std::vector<bool> keep(count, false);
  for (int i = selection; i >= 0; i--) {
    const CFileItem* pItem = GetLookInItem(i);
    if (pItem == nullptr || pItem->m_bPermanent) break;
    keep[i] = true;
  }
  for (int i = count - 1; i >= 0; i--) {
    CFileItem* pItem = GetLookInItem(i);
    if (keep[i] || pItem == nullptr || pItem->m_bPermanent) continue;
    delete pItem;
    LookInBox()->SendMessage(CBEM_DELETEITEM, i);
  }
}

void CShellFileDlg::RefillList() {
  int selection = GetLookInSelection();
  CFileItem* pSelected = GetLookInItem(selection);
  GetDlgItem(IDC_FILEDLG_UP_ONE_LEVEL)->EnableWindow(pSelected != nullptr && pSelected->m_nIndent > 0);
  if (pSelected == nullptr) return;
  PruneLookIn(selection);

  std::vector<CFileItem> items;
  ShellFolderPtr pDesktop = DesktopFolder();
  ShellFolderPtr pFolder;
  if (pDesktop) pFolder = BindFolder(pDesktop.get(), pSelected->GetAbsoluteIdList());
  if (pFolder) {
    FolderListOptions options;
    options.includeHidden = m_nShowHidden;
    FileNameList nameList({}, kAllFilesPattern, FALSE);
    if (!IsAllFilesPattern(m_strFilePattern) && !pSelected->m_strPath.IsEmpty()) {
      nameList = ReadFileSystemNameList(pSelected->m_strPath, m_strFilePattern, m_nShowHidden);
      options.nameList = &nameList;
    }
    EnumerateFolder(pFolder.get(), pSelected->GetAbsoluteIdList(), options, items);
  }

  m_list.DeleteAllItems();
  for (const CFileItem& item : items) AddRow(item);
  if (m_list.GetItemCount() > 0) {
    m_list.SetItemState(0, LVIS_FOCUSED, LVIS_FOCUSED);
    GotoDlgCtrl(&m_list);
  }
  UpdateFileButtons();
  // The shell lists by name: a first click on "Name" sorts the other way.
  g_fileDialogState.sort.Reset(kFileColumnName, FALSE);
}

void CShellFileDlg::UpdateFileButtons() {
  const BOOL enable = m_list.CanDeleteOrRename();
  GetDlgItem(IDC_FILEDLG_RENAME)->EnableWindow(enable);
  GetDlgItem(IDC_FILEDLG_DELETE)->EnableWindow(enable);
}

void CShellFileDlg::PostLookInRefill() {
  PostMessage(WM_COMMAND, MAKEWPARAM(IDC_FILEDLG_LOOK_IN, CBN_SELENDOK),
              reinterpret_cast<LPARAM>(LookInBox()->m_hWnd));
}

void CShellFileDlg::OnLookInSelEndOk() { RefillList(); }

void CShellFileDlg::OnUpOneLevel() {
  const int selection = GetLookInSelection();
  const CFileItem* pSelected = GetLookInItem(selection);
  if (pSelected == nullptr || pSelected->m_nIndent <= 0) return;
  for (int i = selection - 1; i >= 0; i--) {
    const CFileItem* pItem = GetLookInItem(i);
    if (pItem != nullptr && pItem->m_nIndent == pSelected->m_nIndent - 1) {
      SelectLookIn(i);
      RefillList();
      return;
    }
  }
}

LRESULT CShellFileDlg::OnOpenFolderMessage(WPARAM, LPARAM) {
  EnterSelectedFolder();
  return 0;
}

void CShellFileDlg::EnterSelectedFolder() {
  const CFileItem* pRow = m_list.GetFileItem(m_list.GetSelectedRow());
  if (pRow == nullptr || pRow->IsFileByFlag()) return;
  const int count = static_cast<int>(LookInBox()->SendMessage(CB_GETCOUNT));
  int found = -1;
  for (int i = 0; i < count && found < 0; i++) {
    const CFileItem* pItem = GetLookInItem(i);
    if (pItem != nullptr && pItem->m_strName.CompareNoCase(pRow->m_strName) == 0 &&
        pItem->m_strPath.CompareNoCase(pRow->m_strPath) == 0)
      found = i;
  }
  if (found < 0) {
    const int selection = GetLookInSelection();
    const CFileItem* pSelected = GetLookInItem(selection);
    CFileItem item(*pRow);
    item.m_bPermanent = FALSE;
    item.m_nIndent = pSelected == nullptr ? 0 : pSelected->m_nIndent + 1;
    found = InsertLookInItem(selection + 1, item);
  }
  SelectLookIn(found);
  PostLookInRefill();
}

void CShellFileDlg::OnTypeSelEndOk() {
  m_strFilePattern = FileTypeAt(GetTypeSelection()).pattern;
  if (!m_bIsSave) {
    m_strFileName.Empty();
    SetDlgItemText(IDC_FILEDLG_FILE_NAME, "");
  }
  RefillList();
}

void CShellFileDlg::OnShowHidden() {
  m_nShowHidden = ::IsDlgButtonChecked(m_hWnd, IDC_FILEDLG_SHOW_HIDDEN) ? 1 : 0;
  RefillList();
}

void CShellFileDlg::OnNewFolder() {
  const CFileItem* pSelected = GetLookInItem(GetLookInSelection());
  if (pSelected == nullptr) return;
  CString path;
  if (!FindNewFolderPath(pSelected->m_strPath,
                         [](LPCSTR candidate) { return ::GetFileAttributesA(candidate) !=
                                                       INVALID_FILE_ATTRIBUTES; },
                         path)) {
    AfxMessageBox(kNewFolderError);
    return;
  }
  if (!CreateDirectoryPath(path)) return;
  LPITEMIDLIST pidl = ParseShellPath(path, FALSE);
  ShellFolderPtr pDesktop = DesktopFolder();
  ShellFolderPtr pParent;
  if (pDesktop) pParent = BindFolder(pDesktop.get(), pSelected->GetAbsoluteIdList());
  if (pidl == nullptr || !pParent) {
    FreeShellIdList(pidl);
    return;
  }
  CFileItem item = MakeFolderItem(std::move(pParent), pidl);
  item.WorkOutKind();
  CFileItem* pCopy = new CFileItem(std::move(item));
  LVITEMA row = {};
  row.mask = LVIF_TEXT | LVIF_PARAM;
  row.iItem = 0;
  row.pszText = const_cast<LPSTR>(static_cast<LPCSTR>(pCopy->m_strName));
  row.lParam = reinterpret_cast<LPARAM>(pCopy);
  if (m_list.InsertItem(&row) < 0) {
    delete pCopy;
    return;
  }
  SelectRow(0);
  OnRename();
}

void CShellFileDlg::OnRename() {
  const int row = m_list.GetSelectedRow();
  if (row >= 0) m_list.BeginRename(row, kFileColumnName);
}

void CShellFileDlg::OnDelete() {
  const int row = m_list.GetSelectedRow();
  const CFileItem* pItem = m_list.GetFileItem(row);
  if (pItem == nullptr || !pItem->IsFileSystemItem()) return;
  if (!DeleteFileToRecycleBin(pItem->m_strPath, TRUE)) return;
  m_list.DeleteItem(row);
  const int count = m_list.GetItemCount();
  if (count > 0) SelectRow(row < count ? row : count - 1);
  UpdateFileButtons();
}
