// The file dialogs' set-up, profile, name checks, typed paths and ending.
#include "editor/win/CShellFileDlg.h"

#include <iterator>

#include "classlib/win/CDataExchange.h"
#include "classlib/win/CToolTipCtrl.h"
#include "classlib/win/CWinApp.h"
#include "classlib/win/MessageMap.h"
#include "editor/core/ColumnWidths.h"
#include "editor/core/FileNameRules.h"
#include "editor/core/NavEditRules.h"
#include "editor/core/ShellPathRules.h"
#include "editor/core/TypedPath.h"
#include "editor/win/CFileItem.h"
#include "editor/win/FileDialogMessages.h"
#include "editor/win/FileFunctions.h"
#include "editor/win/ShellFileDlgState.h"
#include "editor/win/ShellFunctions.h"
#include "hebtext/core/ProgramPath.h"
#include "hebtext/win/DrawHelpers.h"
#include "resources/FileDialogIds.h"

namespace {

const char kSection[] = "Preferences";
const char kLastPathKey[] = "FileOpen_LastPath";
const char kShowHiddenKey[] = "FileOpen_ShowHidden";
const char kLastFilePatternKey[] = "FileOpen_LastFileSpec";
const char kLastFilePatternSelKey[] = "FileOpen_LastFileSpecSel";
const char kColumnWidthsKey[] = "FileOpen_ColumnWidths";
const char kDocumentsFolder[] = "Documents";

constexpr int kComputerNameSize = 512;

struct ToolButton {
  UINT id;
  int colourX;  // the pixel whose colour is the picture's background
  int colourY;
  LPCSTR tip;
};
const ToolButton kToolButtons[] = {
    {IDC_FILEDLG_UP_ONE_LEVEL, 3, 3, "Up One Level"},
    {IDC_FILEDLG_NEW_FOLDER, 3, 3, "Create New Folder"},
    {IDC_FILEDLG_RENAME, 20, 20, "Rename"},
    {IDC_FILEDLG_DELETE, 3, 3, "Delete"},
};
// Flood mode of RecolorBitmap: the background's whole area.
constexpr int kRecolorFlood = 2;

struct ColumnDef {
  LPCSTR title;
  int format;
};
const ColumnDef kColumns[kFileColumnCount] = {
    {"Name", LVCFMT_LEFT},     {"Hebrew Name", LVCFMT_LEFT}, {"Modified", LVCFMT_LEFT},
    {"Size", LVCFMT_RIGHT},    {"Type", LVCFMT_LEFT},
};

}  // namespace

BEGIN_MESSAGE_MAP(CShellFileDlg, CDialog)
  ON_CBN_SELENDOK(IDC_FILEDLG_LOOK_IN, OnLookInSelEndOk)
  ON_CBN_SELENDOK(IDC_FILEDLG_TYPE, OnTypeSelEndOk)
  ON_BN_CLICKED(IDC_FILEDLG_UP_ONE_LEVEL, OnUpOneLevel)
  ON_BN_CLICKED(IDC_FILEDLG_NEW_FOLDER, OnNewFolder)
  ON_BN_CLICKED(IDC_FILEDLG_RENAME, OnRename)
  ON_BN_CLICKED(IDC_FILEDLG_DELETE, OnDelete)
  ON_BN_CLICKED(IDC_FILEDLG_SHOW_HIDDEN, OnShowHidden)
  ON_BN_CLICKED(IDC_FILEDLG_HELP, OnHelpButton)
  ON_COMMAND(kNameEnterCommand, OnNameEnter)
  ON_NOTIFY(NM_DBLCLK, IDC_FILEDLG_LIST, OnListDblClk)
  ON_NOTIFY(LVN_ITEMCHANGED, IDC_FILEDLG_LIST, OnListItemChanged)
  ON_NOTIFY(LVN_DELETEITEM, IDC_FILEDLG_LIST, OnListDeleteItem)
  ON_NOTIFY(LVN_COLUMNCLICK, IDC_FILEDLG_LIST, OnListColumnClick)
  ON_WM_DRAWITEM()
  ON_WM_MEASUREITEM()
  ON_MESSAGE(WM_FILEDLG_OPENFILE, OnOpenFileMessage)
  ON_MESSAGE(WM_FILEDLG_OPENFOLDER, OnOpenFolderMessage)
  ON_WM_DESTROY()
END_MESSAGE_MAP()

CShellFileDlg::CShellFileDlg(UINT nIDTemplate, CWnd* pParent, BOOL isSave)
    : CDialog(nIDTemplate, pParent), m_bIsSave(isSave) {
  m_nIDHelp = nIDTemplate;
}

CShellFileDlg::~CShellFileDlg() { delete m_pToolTips; }

void CShellFileDlg::SetHebrewTitleFont(CFontInfo* pFont) { g_fileDialogState.pTitleFont = pFont; }

BOOL CShellFileDlg::OnInitDialog() {
  CWinApp* pApp = AfxGetApp();
  m_nShowHidden = static_cast<int>(pApp->GetProfileInt(kSection, kShowHiddenKey, 0));
  m_list.Subclass(IDC_FILEDLG_LIST, this, this);
  m_typeBox.SubclassDlgItem(IDC_FILEDLG_TYPE, this);
  CDialog::OnInitDialog();

  // The list's column texts are padded with blanks to the widths the
  // dialog draws; a blank's width in the dialog's font turns pixels into
  // blanks.
  m_nIconWidth = ::GetSystemMetrics(SM_CXSMICON);
  m_nIconHeight = ::GetSystemMetrics(SM_CYSMICON);
  {
    HDC hDC = ::GetDC(m_hWnd);
    HGDIOBJ hOld = ::SelectObject(hDC, reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
    SIZE blank = {};
    ::GetTextExtentPoint32A(hDC, " ", 1, &blank);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(m_hWnd, hDC);
    m_nSpaceWidth = blank.cx > 0 ? blank.cx : 1;
  }
  m_strIconGap = CString(' ', BlankCountFor(::MulDiv(m_nIconWidth, 7, 5)));

  char computerName[kComputerNameSize] = "";
  DWORD size = sizeof computerName;
  if (::GetComputerNameA(computerName, &size)) m_strComputerName = computerName;
  LoadButtons();
  m_nameBox.SubclassDlgItem(IDC_FILEDLG_FILE_NAME, this, kNameEnterCommand, kNavEditAnything);
  CreateToolTips();
  LoadColumns();
  g_fileDialogState.sort.Reset(-1, TRUE);

  m_imageList.Attach(GetSystemSmallImageList());
  LookInBox()->SendMessage(CBEM_SETIMAGELIST, 0,
                           reinterpret_cast<LPARAM>(m_imageList.GetSafeHandle()));
  LookInBox()->SendMessage(CB_SETEXTENDEDUI, TRUE);
  m_typeBox.SetExtendedUI(TRUE);

  m_strFilePattern = pApp->GetProfileString(kSection, kLastFilePatternKey, kAllFilesPattern);
  m_typeBox.SetCurSel(static_cast<int>(
      pApp->GetProfileInt(kSection, kLastFilePatternSelKey, kFileTypeCount - 1)));
  if (m_strCurrentFolder.IsEmpty()) m_strCurrentFolder = pApp->GetProfileString(kSection, kLastPathKey, "");
  if (m_strCurrentFolder.IsEmpty()) {
    CString documents;
    MakeProgramPath(documents, kDocumentsFolder);
    if (IsDirectoryPath(documents)) m_strCurrentFolder = documents;
  }
  FillLookIn();
  return FALSE;  // the list has the focus
}

void CShellFileDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Check(pDX, IDC_FILEDLG_SHOW_HIDDEN, m_nShowHidden);
  DDX_Text(pDX, IDC_FILEDLG_FILE_NAME, m_strFileName);
}

BOOL CShellFileDlg::PreTranslateMessage(MSG* pMsg) {
  if (m_pToolTips != nullptr) m_pToolTips->RelayEvent(pMsg);
  return CDialog::PreTranslateMessage(pMsg);
}

void CShellFileDlg::LoadButtons() {
  for (int i = 0; i < static_cast<int>(std::size(kToolButtons)); i++) {
    const ToolButton& button = kToolButtons[i];
    if (!m_buttons[i].AutoLoad(button.id, this)) continue;
    m_buttons[i].RecolorBitmaps(button.colourX, button.colourY, kRecolorFlood);
  }
}

void CShellFileDlg::CreateToolTips() {
  m_pToolTips = new CToolTipCtrl;
  if (!m_pToolTips->Create(this)) return;
  for (const ToolButton& button : kToolButtons)
    m_pToolTips->AddTool(GetDlgItem(button.id), button.tip);
  m_pToolTips->Activate(TRUE);
}

void CShellFileDlg::LoadColumns() {
  int* widths = g_fileDialogState.columnWidths;
  ParseFileColumnWidths(AfxGetApp()->GetProfileString(kSection, kColumnWidthsKey, ""), widths);
  for (int i = 0; i < kFileColumnCount; i++)
    m_list.InsertColumn(i, kColumns[i].title, kColumns[i].format, widths[i], i);
}

int CShellFileDlg::BlankCountFor(int width) const { return width / m_nSpaceWidth; }

int CShellFileDlg::GetTypeSelection() const {
  int selection = m_typeBox.GetCurSel();
  return selection < 0 ? kFileTypeCount - 1 : selection;
}

void CShellFileDlg::OnCancel() {
  SaveFilePatternProfile();
  CleanUp();
  CDialog::OnCancel();
}

void CShellFileDlg::SaveFilePatternProfile() {
  CWinApp* pApp = AfxGetApp();
  pApp->WriteProfileString(kSection, kLastFilePatternKey, m_strFilePattern);
  pApp->WriteProfileInt(kSection, kLastFilePatternSelKey, GetTypeSelection());
  m_nShowHidden = ::IsDlgButtonChecked(m_hWnd, IDC_FILEDLG_SHOW_HIDDEN) ? 1 : 0;
  pApp->WriteProfileInt(kSection, kShowHiddenKey, m_nShowHidden);
}

void CShellFileDlg::FinishWithOK() {
  SaveFilePatternProfile();
  const CString folder = GetLookInFolder();
  if (!folder.IsEmpty())
    AfxGetApp()->WriteProfileString(kSection, kLastPathKey, WithoutTrailingBackslash(folder));
  UpdateData(TRUE);
  m_strFullPath = folder + m_strFileName;
  CleanUp();
  CDialog::OnOK();
}

void CShellFileDlg::CleanUp() {
  int widths[kFileColumnCount];
  for (int i = 0; i < kFileColumnCount; i++) widths[i] = m_list.GetColumnWidth(i);
  AfxGetApp()->WriteProfileString(kSection, kColumnWidthsKey, FormatFileColumnWidths(widths));
  ClearLookIn();
  m_imageList.Detach();
  delete m_pToolTips;
  m_pToolTips = nullptr;
}

// A dialog destroyed without OK or Cancel (the program closing) still frees
// the Look-in entries' records; after the clean-up there are none left.
void CShellFileDlg::OnDestroy() {
  ClearLookIn();
  m_imageList.Detach();
  CDialog::OnDestroy();
}

void CShellFileDlg::OnHelpButton() {
  AfxGetApp()->WinHelp(HID_BASE_RESOURCE + m_nIDHelp, HELP_CONTEXT);
}

void CShellFileDlg::OnNameEnter() { PostMessage(WM_FILEDLG_OPENFILE, 0, 0); }

LRESULT CShellFileDlg::OnOpenFileMessage(WPARAM, LPARAM lParam) {
  HandleOpenFile(lParam == 1);
  return 0;
}

void CShellFileDlg::OnListFileRenamed(const CString& newName) {
  m_strFileName = newName;
  SetDlgItemText(IDC_FILEDLG_FILE_NAME, newName);
}

void CShellFileDlg::OnFileRowSelected(const CFileItem& item) {
  m_strFileName = item.m_strName;
  SetDlgItemText(IDC_FILEDLG_FILE_NAME, item.m_strName);
}

// ---- The typed name.

CString CShellFileDlg::ResolveShortcutText(const CString& text, BOOL& wasShortcut) const {
  wasShortcut = IsShortcutName(text);
  if (!wasShortcut) return text;
  CString path = ShortcutPathOf(m_strCurrentFolder, text);
  char full[MAX_PATH] = "";
  if (::GetFullPathNameA(path, MAX_PATH, full, nullptr) == 0) return text;
  char target[MAX_PATH] = "";
  if (!AfxResolveShortcut(AfxGetMainWnd(), full, target, MAX_PATH)) return text;
  return target;
}

BOOL CShellFileDlg::HandleTypedPath() {
  CString text;
  GetDlgItemText(IDC_FILEDLG_FILE_NAME, text);
  BOOL wasShortcut = FALSE;
  text = ResolveShortcutText(text, wasShortcut);
  TypedPath typed = SplitTypedPath(text, wasShortcut,
                                   [](const CString& path) { return IsDirectoryPath(path) != 0; });
  if (typed.kind == TypedPathKind::kFileName) return FALSE;
  m_strCurrentFolder = typed.folder;
  if (typed.kind == TypedPathKind::kFolderAndName) {
    SetDlgItemText(IDC_FILEDLG_FILE_NAME, typed.name);
    m_strFileName = typed.name;
    m_strFilePattern = typed.name;
  }
  ClearLookIn();
  FillLookIn();
  return TRUE;
}

BOOL CShellFileDlg::ValidateFileName(BOOL fromList) {
  CFileItem* pFileRow = GetSelectedFileItem();
  CString name;
  GetDlgItemText(IDC_FILEDLG_FILE_NAME, name);
  if (fromList && pFileRow != nullptr) name = pFileRow->m_strName;
  if (name.IsEmpty()) {
    if (pFileRow == nullptr) {
      GotoDlgCtrl(&m_list);
      return FALSE;
    }
    name = pFileRow->m_strName;
  }
  SetDlgItemText(IDC_FILEDLG_FILE_NAME, name);
  m_strFileName = name;
  const int bad = FindBadFileNameChar(name);
  if (bad < 0) return TRUE;
  MessageBox(kBadFileNameMessage, kBadFileNameCaption, MB_ICONEXCLAMATION);
  // Focusing the box selects all of it: the character is selected after.
  GotoDlgCtrl(&m_nameBox);
  m_nameBox.SendMessage(EM_SETSEL, bad, bad + 1);
  m_nameBox.SendMessage(EM_SCROLLCARET);
  return FALSE;
}

void CShellFileDlg::ApplyNameAsFilePattern() {
  m_strFilePattern = m_strFileName;
  RefillList();
}

CFileItem* CShellFileDlg::GetSelectedFileItem() const {
  CFileItem* pItem = m_list.GetFileItem(m_list.GetSelectedRow());
  return pItem != nullptr && pItem->IsFile() ? pItem : nullptr;
}
