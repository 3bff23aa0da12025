// The file dialogs' list of a folder's objects: type-ahead, keyboard
// shortcuts, click-to-rename, a Delete/Rename context menu and renaming in
// place. Each row's item data is a heap CFileItem the dialog owns and frees
// on LVN_DELETEITEM.
#pragma once

#include "classlib/win/CListCtrl.h"
#include "classlib/win/CMenu.h"
#include "classlib/win/MessageMap.h"
#include "resources/FileListIds.h"
#include "toolkit/win/CKWShellIdList.h"

class CDialog;
class CFileItem;
class CLabelEdit;

// What the list needs of the dialog around it.
class IFileListOwner {
 public:
  virtual ~IFileListOwner() = default;
  // Width of the rows' small icons; names are drawn 7/5 of it to the right.
  virtual int GetListIconWidth() const = 0;
  // A file row was renamed: the file-name box takes the new name.
  virtual void OnListFileRenamed(const CString& newName) = 0;
};

class CFileListCtrl : public CListCtrl, public CKWShellIdList {
 public:
  // Subclasses the dialog's list view and loads the context menu. FALSE
  // when the subclassing fails.
  BOOL Subclass(UINT nID, CDialog* pParent, IFileListOwner* pOwner);

  // The row's record, or nullptr.
  CFileItem* GetFileItem(int row) const;
  // The first row whose name equals the name, case ignored; -1 when none.
  int FindItemByName(LPCSTR name) const;
  int GetSelectedRow() const;
  // The selected row is a file-system item (a folder or a file).
  BOOL CanDeleteOrRename() const;
  // Starts renaming the cell in place; nullptr when the cell cannot be edited.
  CLabelEdit* BeginRename(int row, int column);
  // The row under a client point and the column holding it (report view,
  // visible rows only); -1 when none.
  int HitTestWithColumn(CPoint point, int* pColumn) const;
  // Enter or double-click: the dialog opens the selected file or folder.
  void Activate();

  // Ids of the control, its context menu and its commands to the dialog.
  static constexpr UINT kContextMenuId = IDR_FILE_LIST_MENU;
  static constexpr UINT kDeleteMenuCommand = ID_FILE_LIST_DELETE;
  static constexpr UINT kRenameMenuCommand = ID_FILE_LIST_RENAME;
  static constexpr UINT kUpOneLevelCommand = 1161;
  static constexpr UINT kRenameCommand = 1177;
  static constexpr UINT kDeleteCommand = 1181;
  static constexpr UINT kLabelEditId = 1300;

 protected:
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg UINT OnGetDlgCode();
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
  afx_msg void OnInitMenu(CMenu* pMenu);
  afx_msg void OnDeleteCommand();
  afx_msg void OnRenameCommand();
  afx_msg void OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg LRESULT OnRestartRename(WPARAM wParam, LPARAM lParam);
  afx_msg void OnDestroy();
  DECLARE_MESSAGE_MAP()

 private:
  void PostToParent(UINT message, WPARAM wParam, LPARAM lParam);
  void PostCommandToParent(UINT nID);
  // The cell's rectangle in client coordinates, from the row's bounds and
  // the widths of the columns before it.
  CRect GetCellRect(int row, int column) const;
  void SelectRow(int row);

  CMenu m_contextMenu;
  CDialog* m_pDialog = nullptr;
  IFileListOwner* m_pOwner = nullptr;
};
