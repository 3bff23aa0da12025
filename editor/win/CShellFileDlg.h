// The base of the program's own Open and Save dialogs: a Look-in box of the
// shell's folders (desktop items, drives and the folders of the current
// path, indented as a tree), an owner-drawn list of the folder's objects
// with their Hebrew titles, tool buttons for Up, New Folder, Rename and
// Delete, a file-name box, a type filter and a hidden-files check box.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include "classlib/win/CComboBox.h"
#include "classlib/win/CDialog.h"
#include "classlib/win/CImageList.h"
#include "editor/core/FileListSort.h"
#include "editor/win/CFileListCtrl.h"
#include "editor/win/CNavEdit.h"
#include "hebtext/win/CMyButton.h"
#include "toolkit/win/CKWShellIdList.h"

class CFileItem;
class CFontInfo;
class CToolTipCtrl;

class CShellFileDlg : public CDialog, public CKWShellIdList, protected IFileListOwner {
 public:
  CShellFileDlg(UINT nIDTemplate, CWnd* pParent, BOOL isSave);
  ~CShellFileDlg() override;

  // The font Hebrew titles are drawn in (the first of the application's
  // shared fonts); without one the titles are not drawn.
  static void SetHebrewTitleFont(CFontInfo* pFont);

  // The folder the Look-in box starts from (set before the dialog opens).
  void SetCurrentFolder(const CString& folder) { m_strCurrentFolder = folder; }
  void SetFileName(const CString& name) { m_strFileName = name; }
  // The result: the chosen folder with a trailing backslash and the name.
  const CString& GetFullPath() const { return m_strFullPath; }
  const CString& GetFileName() const { return m_strFileName; }

  // The command the file-name box sends on Enter.
  static constexpr UINT kNameEnterCommand = 769;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  void OnCancel() override;

  // IFileListOwner.
  int GetListIconWidth() const override { return m_nIconWidth; }
  void OnListFileRenamed(const CString& newName) override;

  // The Open or Save reaction to a name to open (WM_FILEDLG_OPENFILE).
  virtual void HandleOpenFile(BOOL fromList) = 0;
  // The selected row of the list changed to a file.
  virtual void OnFileRowSelected(const CFileItem& item);

  // ---- Steps the Open and Save dialogs share.
  // The typed text was a path and has been shown; nothing more to do.
  BOOL HandleTypedPath();
  // Checks the name in the file-name box (taking the selected file row's
  // name when the box is empty); FALSE when it was refused.
  BOOL ValidateFileName(BOOL fromList);
  // The name became a wildcard pattern: the list is filtered by it.
  void ApplyNameAsFilePattern();
  // Writes the profile, takes the full path and ends with OK.
  void FinishWithOK();
  // The Look-in selection's folder with a trailing backslash; empty when it
  // is outside the file system.
  CString GetLookInFolder() const;
  // The selected row's record when it is a file, else nullptr.
  CFileItem* GetSelectedFileItem() const;
  // The file-name box's text, with a shortcut resolved to its target.
  CString ResolveShortcutText(const CString& text, BOOL& wasShortcut) const;
  // The selected type entry.
  int GetTypeSelection() const;

  afx_msg void OnLookInSelEndOk();
  afx_msg void OnTypeSelEndOk();
  afx_msg void OnUpOneLevel();
  afx_msg void OnNewFolder();
  afx_msg void OnRename();
  afx_msg void OnDelete();
  afx_msg void OnShowHidden();
  afx_msg void OnHelpButton();
  afx_msg void OnNameEnter();
  afx_msg void OnListDblClk(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnListItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnListDeleteItem(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnListColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
  afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  afx_msg LRESULT OnOpenFileMessage(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnOpenFolderMessage(WPARAM wParam, LPARAM lParam);
  afx_msg void OnDestroy();
  DECLARE_MESSAGE_MAP()

  CFileListCtrl m_list;
  CComboBox m_typeBox;
  int m_nShowHidden = 0;
  CString m_strFileName;
  BOOL m_bIsSave;
  CString m_strFullPath;
  CString m_strCurrentFolder;
  CString m_strFilePattern;
  CNavEdit m_nameBox;

 private:
  // ---- Look-in box (CShellFileDlgLookIn.cpp).
  void FillLookIn();
  void RefillList();
  void PruneLookIn(int selection);
  void ClearLookIn();
  int InsertLookInItem(int index, const CFileItem& item);
  CFileItem* GetLookInItem(int index) const;
  int GetLookInSelection() const;
  void SelectLookIn(int index);
  void PostLookInRefill();
  void EnterSelectedFolder();
  void UpdateFileButtons();

  // ---- List rows (CShellFileDlgList.cpp).
  void AddRow(const CFileItem& item);
  void SelectRow(int row);
  void DrawRow(const DRAWITEMSTRUCT& dis);
  int CompareRows(const CFileItem& a, const CFileItem& b) const;
  static int CALLBACK CompareRowsCallback(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);
  int BlankCountFor(int width) const;

  void LoadButtons();
  void CreateToolTips();
  void LoadColumns();
  void SaveFilePatternProfile();
  void CleanUp();
  CWnd* LookInBox() const { return GetDlgItem(kLookInId); }

  static constexpr UINT kLookInId = 1169;

  CImageList m_imageList;
  CToolTipCtrl* m_pToolTips = nullptr;
  CString m_strComputerName;
  CMyButton m_buttons[4];
  int m_nIconWidth = 0;
  int m_nIconHeight = 0;
  int m_nSpaceWidth = 1;
  CString m_strIconGap;
  BOOL m_sortAscending = TRUE;  // of the sort under way
};
