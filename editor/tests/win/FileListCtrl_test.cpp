// The file dialogs' list over a real folder tree the test makes: the shell
// listing with kinds, Hebrew titles and sizes, records that copy without
// double releases, and the list control driven by real keys and clicks.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "classlib/win/CDialog.h"
#include "classlib/win/DialogTemplate.h"
#include "classlib/win/HandleMap.h"
#include "editor/core/DocumentTitle.h"
#include "editor/core/FileBytes.h"
#include "editor/core/ShellPathRules.h"
#include "editor/core/ZultaFile.h"
#include "editor/tests/win/FolderTreeRemoval.h"
#include "editor/win/CFileItem.h"
#include "editor/win/CFileListCtrl.h"
#include "editor/win/FileDialogMessages.h"
#include "editor/win/FileFunctions.h"
#include "editor/win/FolderEnumeration.h"
#include "editor/win/ShellFunctions.h"
#include "testing/win/MessageBoxes.h"
#include "testing/win/UserInput.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"

namespace file_list {

const char kAlefBetGimel[] = "\xE0\xE1\xE2";
constexpr DWORD kSizeOf2KB = 1536;
constexpr DWORD kSizeOf1024KB = 1048576;
constexpr UINT kListId = 1146;
constexpr int kIconWidth = 16;
constexpr int kColumnWidths[] = {160, 90, 110, 70, 110};

ByteBuffer NativeDocument(const char* title) {
  ZultaDocData doc;
  doc.styles.AddDefaultEntries();
  doc.sides[0].face = "Arial";
  doc.sides[1].face = "Pomlar David 2";
  doc.title = title;
  ByteBuffer bytes;
  EXPECT_TRUE(CZultaFile().WriteDocument(doc, "a.zlt", bytes));
  return bytes;
}

void WriteFile(const std::string& path, const ByteBuffer& bytes) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"),
                                                       &std::fclose);
  ASSERT_TRUE(file);
  if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file.get());
}

ByteBuffer Text(size_t size) { return ByteBuffer(size, 'x'); }

// A shortcut to the folder's own first document, when the shell can make one.
bool MakeShortcut(const std::string& target, const std::string& path) {
  IShellLinkA* pLink = nullptr;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&pLink))))
    return false;
  pLink->SetPath(target.c_str());
  IPersistFile* pFile = nullptr;
  bool saved = false;
  if (SUCCEEDED(pLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&pFile)))) {
    WCHAR wide[MAX_PATH] = {};
    ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    saved = SUCCEEDED(pFile->Save(wide, TRUE));
    pFile->Release();
  }
  pLink->Release();
  return saved;
}

// The folder tree every test lists, made once and removed at the end.
struct FolderTree {
  std::string root;
  bool hasShortcut = false;

  std::string Path(const std::string& name) const { return root + "\\" + name; }

  void Make() {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    char name[MAX_PATH] = {};
    std::snprintf(name, sizeof name, "%sZultaFileList%lu", temp, ::GetCurrentProcessId());
    root = name;
    ::CreateDirectoryA(root.c_str(), nullptr);
    ::CreateDirectoryA(Path("Avocado").c_str(), nullptr);
    ::CreateDirectoryA(Path("Cherry").c_str(), nullptr);
    WriteFile(Path("Alpha.zlt"), NativeDocument(kAlefBetGimel));
    ByteBuffer damaged = NativeDocument(kAlefBetGimel);
    damaged.resize(ReadU32LE(&damaged[ZultaHeader::kTitle]) + 1);
    WriteFile(Path("Damaged.zlt"), damaged);
    WriteFile(Path("Empty.zlt"), ByteBuffer());
    WriteFile(Path("Apple.rtf"), Text(kSizeOf1024KB));
    WriteFile(Path("Beta.txt"), Text(kSizeOf2KB));
    WriteFile(Path("Gamma.txt"), Text(1));
    WriteFile(Path("Hidden.txt"), Text(1));
    ::SetFileAttributesA(Path("Hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    hasShortcut = MakeShortcut(Path("Alpha.zlt"), Path("Link.lnk"));
  }

  void Remove() const { RemoveFolderTree(root); }
};

FolderTree g_tree;

// The tree's root as a shell folder with its absolute list.
class BoundFolder {
 public:
  explicit BoundFolder(const std::string& path) : m_pidl(ParseShellPath(path.c_str(), TRUE)) {
    LPSHELLFOLDER pDesktop = nullptr;
    if (!m_pidl || FAILED(::SHGetDesktopFolder(&pDesktop))) return;
    pDesktop->BindToObject(m_pidl, nullptr, IID_IShellFolder, reinterpret_cast<void**>(&m_pFolder));
    pDesktop->Release();
  }
  ~BoundFolder() {
    if (m_pFolder) m_pFolder->Release();
    FreeShellIdList(m_pidl);
  }
  BoundFolder(const BoundFolder&) = delete;
  BoundFolder& operator=(const BoundFolder&) = delete;

  LPSHELLFOLDER folder() const { return m_pFolder; }
  LPCITEMIDLIST pidl() const { return m_pidl; }

 private:
  LPITEMIDLIST m_pidl = nullptr;
  LPSHELLFOLDER m_pFolder = nullptr;
};

std::vector<CFileItem> List(const BoundFolder& bound, const FolderListOptions& options) {
  std::vector<CFileItem> items;
  EXPECT_TRUE(EnumerateFolder(bound.folder(), bound.pidl(), options, items));
  for (CFileItem& item : items) item.WorkOutKind();
  return items;
}

const CFileItem* Find(const std::vector<CFileItem>& items, const char* name) {
  for (const CFileItem& item : items)
    if (item.m_strName.CompareNoCase(name) == 0) return &item;
  return nullptr;
}

std::vector<std::string> Names(const std::vector<CFileItem>& items) {
  std::vector<std::string> names;
  for (const CFileItem& item : items) names.emplace_back(item.m_strName);
  std::sort(names.begin(), names.end());
  return names;
}

// The folder's reference count, left as it was.
ULONG References(IUnknown* pUnknown) {
  pUnknown->AddRef();
  return pUnknown->Release();
}

class FileListTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ::CoInitialize(nullptr);
    g_tree.Make();
  }
  static void TearDownTestSuite() {
    g_tree.Remove();
    ::CoUninitialize();
  }
};

TEST_F(FileListTest, ListingGivesKindsHebrewTitlesSizesAndTimes) {
  BoundFolder bound(g_tree.root);
  ASSERT_NE(bound.folder(), nullptr);
  const std::vector<CFileItem> items = List(bound, FolderListOptions());
  const struct {
    const char* name;
    FileItemKind kind;
    const char* title;  // nullptr: none
    const char* sizeText;
  } cases[] = {
      {"Avocado", kFileKindFolder, nullptr, nullptr},
      {"Cherry", kFileKindFolder, nullptr, nullptr},
      {"Alpha.zlt", kFileKindNativeDocument, kAlefBetGimel, "1KB"},
      {"Damaged.zlt", kFileKindNativeDocument, kPlaceholderDocumentTitle, "1KB"},
      {"Empty.zlt", kFileKindOtherFile, nullptr, "1KB"},
      {"Apple.rtf", kFileKindOtherFile, nullptr, "1,024KB"},
      {"Beta.txt", kFileKindOtherFile, nullptr, "2KB"},
  };
  const std::regex timeText(R"(\d\d/\d\d/\d\d \d\d:\d\d)");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const CFileItem* pItem = Find(items, c.name);
    ASSERT_NE(pItem, nullptr);
    EXPECT_EQ(pItem->m_kind, c.kind);
    EXPECT_STREQ(pItem->m_strPath, g_tree.Path(c.name).c_str());
    EXPECT_STREQ(pItem->m_strHebrewTitle, c.title ? c.title : "");
    EXPECT_EQ(pItem->IsFileByFlag(), c.sizeText != nullptr);
    EXPECT_GE(pItem->m_nSmallIcon, 0);
    EXPECT_TRUE(std::regex_match(static_cast<LPCSTR>(pItem->m_strTimeText), timeText));
    if (c.sizeText) {
      EXPECT_STREQ(pItem->m_strSizeText, c.sizeText);
    }
    EXPECT_NE(pItem->GetParentFolder(), nullptr);
    EXPECT_STREQ(GetIdListPath(pItem->GetAbsoluteIdList()), pItem->m_strPath);
  }
  EXPECT_STREQ(Find(items, "Alpha.zlt")->m_strTypeName, "Zulta Document");
  LPITEMIDLIST pidlFirst = CopyFirstIdentifier(items[0].GetAbsoluteIdList());
  EXPECT_TRUE(IsSpecialFolder(pidlFirst, CSIDL_DRIVES)) << "a drive path starts at My Computer";
  FreeShellIdList(pidlFirst);
  if (g_tree.hasShortcut) {
    const auto shortcut = std::find_if(items.begin(), items.end(), [](const CFileItem& item) {
      return IsShortcutPath(item.m_strPath);
    });
    EXPECT_NE(shortcut, items.end()) << "the shortcut is listed as a file";
  }
}

TEST_F(FileListTest, FoldersOnlyNameListsAndTheShellOrderFilterTheListing) {
  BoundFolder bound(g_tree.root);
  ASSERT_NE(bound.folder(), nullptr);
  FolderListOptions foldersOnly;
  foldersOnly.foldersOnly = TRUE;
  EXPECT_EQ(Names(List(bound, foldersOnly)), (std::vector<std::string>{"Avocado", "Cherry"}));

  EXPECT_EQ(ReadFileSystemNameList(g_tree.root.c_str(), "*.txt", FALSE).GetFileCount(), 2);
  EXPECT_EQ(ReadFileSystemNameList(g_tree.root.c_str(), "*.txt", TRUE).GetFileCount(), 3);
  const FileNameList textFiles = ReadFileSystemNameList(g_tree.root.c_str(), "*.txt", FALSE);
  EXPECT_EQ(textFiles.GetDirectoryCount(), 2);
  FolderListOptions filtered;
  filtered.nameList = &textFiles;
  filtered.includeHidden = TRUE;
  EXPECT_EQ(Names(List(bound, filtered)),
            (std::vector<std::string>{"Avocado", "Beta.txt", "Cherry", "Gamma.txt"}))
      << "a hidden file the name list left out stays out";

  FolderListOptions sorted;
  sorted.keepSorted = TRUE;
  const std::vector<CFileItem> items = List(bound, sorted);
  EXPECT_EQ(Names(items), Names(List(bound, FolderListOptions())));
  for (size_t i = 1; i < items.size(); ++i)
    EXPECT_LE(static_cast<short>(HRESULT_CODE(bound.folder()->CompareIDs(
                  0, items[i - 1].GetRelativeIdList(), items[i].GetRelativeIdList()))),
              0)
        << items[i - 1].m_strName << " before " << items[i].m_strName;
}

TEST_F(FileListTest, TheDesktopListsMyComputerAsAnObjectAndItsDrivesAsDrives) {
  LPSHELLFOLDER pDesktop = nullptr;
  ASSERT_TRUE(SUCCEEDED(::SHGetDesktopFolder(&pDesktop)));
  LPITEMIDLIST pidlDesktop = nullptr;
  ASSERT_TRUE(SUCCEEDED(::SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &pidlDesktop)));
  FolderListOptions foldersOnly;
  foldersOnly.foldersOnly = TRUE;
  std::vector<CFileItem> items;
  EXPECT_TRUE(EnumerateFolder(pDesktop, pidlDesktop, foldersOnly, items));
  const CFileItem* pMyComputer = nullptr;
  for (CFileItem& item : items) {
    EXPECT_FALSE(IsSpecialFolder(item.GetAbsoluteIdList(), CSIDL_CONTROLS)) << item.m_strName;
    EXPECT_FALSE(IsSpecialFolder(item.GetAbsoluteIdList(), CSIDL_BITBUCKET)) << item.m_strName;
    item.WorkOutKind();
    if (IsSpecialFolder(item.GetAbsoluteIdList(), CSIDL_DRIVES)) pMyComputer = &item;
  }
  ASSERT_NE(pMyComputer, nullptr);
  EXPECT_EQ(pMyComputer->m_kind, kFileKindOtherObject) << "a folder outside the file system";

  LPSHELLFOLDER pComputer = nullptr;
  ASSERT_TRUE(
      SUCCEEDED(pDesktop->BindToObject(pMyComputer->GetAbsoluteIdList(), nullptr, IID_IShellFolder,
                                       reinterpret_cast<void**>(&pComputer))));
  std::vector<CFileItem> drives;
  EXPECT_TRUE(EnumerateFolder(pComputer, pMyComputer->GetAbsoluteIdList(), foldersOnly, drives));
  for (CFileItem& drive : drives) drive.WorkOutKind();
  const auto driveC = std::find_if(drives.begin(), drives.end(), [](const CFileItem& drive) {
    return drive.m_strPath.CompareNoCase("C:\\") == 0;
  });
  ASSERT_NE(driveC, drives.end());
  EXPECT_EQ(driveC->m_kind, kFileKindDrive) << driveC->m_strName;
  EXPECT_EQ(DriveLetterOfDisplayName(driveC->m_strName), 'C');
  drives.clear();
  items.clear();
  pComputer->Release();
  FreeShellIdList(pidlDesktop);
  pDesktop->Release();
}

TEST_F(FileListTest, RecordsCopyAndMoveWithoutDoubleReleasesOrLeaks) {
  BoundFolder bound(g_tree.root);
  ASSERT_NE(bound.folder(), nullptr);
  const ULONG alone = References(bound.folder());
  std::vector<CFileItem> items = List(bound, FolderListOptions());
  ASSERT_GE(items.size(), 3u);
  const ULONG listed = References(bound.folder());
  EXPECT_EQ(listed, alone + items.size()) << "each record holds one reference";
  {
    std::vector<CFileItem> copies = items;
    EXPECT_EQ(References(bound.folder()), listed + items.size());
    for (size_t i = 0; i < items.size(); ++i) {
      EXPECT_NE(copies[i].GetAbsoluteIdList(), items[i].GetAbsoluteIdList()) << "cloned lists";
      EXPECT_STREQ(GetIdListPath(copies[i].GetAbsoluteIdList()), items[i].m_strPath);
    }
    copies[0] = copies[1];
    copies[1] = std::move(copies[2]);
    EXPECT_EQ(copies[2].GetParentFolder(), nullptr) << "a moved-from record holds nothing";
    EXPECT_EQ(copies[2].GetAbsoluteIdList(), nullptr);
    EXPECT_EQ(References(bound.folder()), listed + items.size() - 1);
    EXPECT_STREQ(GetIdListPath(copies[1].GetAbsoluteIdList()), items[2].m_strPath);
  }
  EXPECT_EQ(References(bound.folder()), listed) << "the copies gave back what they held";
  items.clear();
  EXPECT_EQ(References(bound.folder()), alone);
}

TEST_F(FileListTest, DirectoriesAreMadeWithTheirParents) {
  const std::string first = g_tree.Path("Made");
  ASSERT_TRUE(::CreateDirectoryA(first.c_str(), nullptr));
  const std::string third = first + "\\Two\\Three";
  EXPECT_TRUE(CreateDirectoryPath(third.c_str()));
  EXPECT_TRUE(IsDirectoryPath((first + "\\Two").c_str()));
  EXPECT_TRUE(IsDirectoryPath(third.c_str()));
  EXPECT_FALSE(IsDirectoryPath(g_tree.Path("Beta.txt").c_str()));
  EXPECT_FALSE(CreateDirectoryPath("Two\\Three")) << "a path without a drive letter";
  ::RemoveDirectoryA(third.c_str());
  ::RemoveDirectoryA((first + "\\Two").c_str());
  ::RemoveDirectoryA(first.c_str());
}

// The dialog around the list: it records what the list posts to it and
// frees the rows' records.
class CListHostDlg : public CDialog, public IFileListOwner {
 public:
  struct Posted {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Posted& other) const {
      return message == other.message && wParam == other.wParam && lParam == other.lParam;
    }
  };

  int GetListIconWidth() const override { return kIconWidth; }
  void OnListFileRenamed(const CString& newName) override { m_renamedTo = newName; }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_FILEDLG_OPENFILE:
      case WM_FILEDLG_OPENFOLDER:
      case WM_NEXTDLGCTL: m_posted.push_back({message, wParam, lParam}); return 0;
      case WM_COMMAND:
        if (lParam != 0) break;
        m_posted.push_back({message, wParam, lParam});
        return 0;
      case WM_NOTIFY: {
        const auto* pInfo = reinterpret_cast<const NMLISTVIEW*>(lParam);
        if (pInfo->hdr.code == LVN_DELETEITEM) delete reinterpret_cast<CFileItem*>(pInfo->lParam);
        break;
      }
      default: break;
    }
    return CDialog::WindowProc(message, wParam, lParam);
  }

  std::vector<Posted> m_posted;
  CString m_renamedTo;
};

class FileListCtrlTest : public FileListTest {
 protected:
  void SetUp() override {
    DialogTemplateBuilder dialog("File List", WS_POPUP | WS_CAPTION | WS_VISIBLE, 320, 160);
    ASSERT_TRUE(m_dlg.CreateIndirect(dialog.Get()));
    CRect client;
    m_dlg.GetClientRect(&client);
    ::CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL |
                          LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS,
                      0, 0, client.Width(), client.Height(), m_dlg.m_hWnd,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)),
                      ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(m_list.Subclass(kListId, &m_dlg, &m_dlg));
    // The system's list is shared: the list must not destroy it.
    HIMAGELIST hIcons = GetSystemSmallImageList();
    ASSERT_NE(hIcons, nullptr);
    m_list.SendMessage(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(hIcons));
    int column = 0;
    for (const char* heading : {"Name", "Title", "Modified", "Size", "Type"}) {
      m_list.InsertColumn(column, heading, LVCFMT_LEFT, kColumnWidths[column]);
      ++column;
    }
    Fill();
    ::SetForegroundWindow(m_dlg.m_hWnd);
    m_list.SetFocus();
    ASSERT_TRUE(WaitFor([&] { return ::GetFocus() == m_list.m_hWnd; }));
  }
  void TearDown() override {
    m_list.DeleteAllItems();
    m_dlg.DestroyWindow();
    CHandleMapBase::DeleteAllTemp();
  }

  // The tree's rows by name, each owning its record.
  void Fill() {
    m_list.DeleteAllItems();
    BoundFolder bound(g_tree.root);
    std::vector<CFileItem> items = List(bound, FolderListOptions());
    std::sort(items.begin(), items.end(), [](const CFileItem& a, const CFileItem& b) {
      return a.m_strName.CompareNoCase(b.m_strName) < 0;
    });
    for (CFileItem& item : items) {
      const int row = m_list.InsertItem(m_list.GetItemCount(), item.m_strName, item.m_nSmallIcon);
      m_list.SetItemText(row, 1, item.m_strHebrewTitle);
      m_list.SetItemText(row, 2, item.m_strTimeText);
      m_list.SetItemText(row, 3, item.m_strSizeText);
      m_list.SetItemText(row, 4, item.m_strTypeName);
      m_list.SetItemData(row, reinterpret_cast<DWORD_PTR>(new CFileItem(std::move(item))));
    }
  }
  void Select(const char* name) {
    const int row = m_list.FindItemByName(name);
    ASSERT_GE(row, 0) << name;
    m_list.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  }
  std::string SelectedName() {
    const CFileItem* pItem = m_list.GetFileItem(m_list.GetSelectedRow());
    return pItem ? std::string(pItem->m_strName) : std::string();
  }
  // Drains what the keys posted.
  std::vector<CListHostDlg::Posted> TakePosted(size_t count) {
    WaitFor([&] { return m_dlg.m_posted.size() >= count; });
    return std::exchange(m_dlg.m_posted, {});
  }
  HWND RenameEdit() { return ::GetDlgItem(m_list.m_hWnd, CFileListCtrl::kLabelEditId); }
  // Clicks the name of a row that is already selected and focused.
  void ClickName(const char* name) {
    CRect label;
    m_list.GetItemRect(m_list.FindItemByName(name), &label, LVIR_LABEL);
    POINT point = {label.left + kIconWidth, label.CenterPoint().y};
    ::ClientToScreen(m_list.m_hWnd, &point);
    ClickAt(point);
  }
  // Renames the row in place as the user does: a click on its selected
  // name, or as the Rename command does when a click there would make a
  // double click of the last; the new name typed, Enter.
  void RenameByTyping(const char* name, const std::string& typed, bool byClick) {
    Select(name);
    if (byClick)
      ClickName(name);
    else
      m_list.BeginRename(m_list.FindItemByName(name), 0);
    ASSERT_TRUE(WaitFor([&] { return RenameEdit() && ::GetFocus() == RenameEdit(); }));
    SendText(typed);
    SendKey(VK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return ::GetFocus() == m_list.m_hWnd || RenameEdit(); }));
  }

  CListHostDlg m_dlg;
  CFileListCtrl m_list;
};

TEST_F(FileListCtrlTest, RowsAreFoundByNameAndTypeAheadWrapsToTheTop) {
  EXPECT_EQ(m_list.FindItemByName("BETA.TXT"), m_list.FindItemByName("Beta.txt"));
  EXPECT_GE(m_list.FindItemByName("beta.txt"), 0);
  EXPECT_EQ(m_list.FindItemByName("Nothing"), -1);
  EXPECT_EQ(m_list.SendMessage(WM_GETDLGCODE),
            static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_WANTCHARS));

  Select("Alpha.zlt");
  for (const char* expected : {"Apple.rtf", "Avocado", "Alpha.zlt"}) {
    SendText("a");
    EXPECT_TRUE(WaitFor([&] { return SelectedName() == expected; }))
        << "now on " << SelectedName() << ", expected " << expected;
  }
  SendText("c");
  EXPECT_TRUE(WaitFor([&] { return SelectedName() == "Cherry"; }));
  SaveScreenshot(CaptureWindow(m_dlg.m_hWnd), "editor_file_list");
}

TEST_F(FileListCtrlTest, KeysPostTheirCommandsToTheDialog) {
  using Posted = CListHostDlg::Posted;
  Select("Beta.txt");
  SendKey(VK_BACK);
  SendKey(VK_ESCAPE);
  SendKey(VK_DELETE);
  SendKey(VK_TAB);
  SendChord(VK_SHIFT, VK_TAB);
  SendKey(VK_RETURN);
  EXPECT_EQ(TakePosted(6), (std::vector<Posted>{{WM_COMMAND, CFileListCtrl::kUpOneLevelCommand, 0},
                                                {WM_COMMAND, IDCANCEL, 0},
                                                {WM_COMMAND, CFileListCtrl::kDeleteCommand, 0},
                                                {WM_NEXTDLGCTL, 0, 0},
                                                {WM_NEXTDLGCTL, 1, 0},
                                                {WM_FILEDLG_OPENFILE, 0, 1}}));
  Select("Cherry");
  SendKey(VK_RETURN);
  EXPECT_EQ(TakePosted(1), (std::vector<Posted>{{WM_FILEDLG_OPENFOLDER, 0, 0}}));

  m_list.SetItemState(-1, 0, LVIS_SELECTED);
  EXPECT_FALSE(m_list.CanDeleteOrRename());
  SendKey(VK_DELETE);
  SendKey(VK_RETURN);
  SendKey(VK_BACK);
  EXPECT_EQ(TakePosted(1),
            (std::vector<Posted>{{WM_COMMAND, CFileListCtrl::kUpOneLevelCommand, 0}}))
      << "without a selection Delete and Enter do nothing";
}

// Reads the context menu's Delete and Rename states while it is open, then
// closes it.
struct MenuStates {
  static inline UINT deleteState = 0;
  static inline UINT renameState = 0;
  static inline bool read = false;
  static void CALLBACK Read(HWND, UINT, UINT_PTR idEvent, DWORD) {
    HWND hMenuWnd = ::FindWindowA("#32768", nullptr);
    if (!hMenuWnd || !::IsWindowVisible(hMenuWnd)) return;
    constexpr UINT kGetMenuHandle = 0x01E1;  // MN_GETHMENU
    HMENU hMenu = reinterpret_cast<HMENU>(::SendMessageA(hMenuWnd, kGetMenuHandle, 0, 0));
    if (!hMenu) return;
    ::KillTimer(nullptr, idEvent);
    deleteState = ::GetMenuState(hMenu, CFileListCtrl::kDeleteMenuCommand, MF_BYCOMMAND);
    renameState = ::GetMenuState(hMenu, CFileListCtrl::kRenameMenuCommand, MF_BYCOMMAND);
    read = true;
    ::EndMenu();
  }
};

TEST_F(FileListCtrlTest, TheContextMenuIsEnabledForFileSystemRowsAndPostsItsCommands) {
  for (const bool selected : {true, false}) {
    SCOPED_TRACE(selected ? "a file selected" : "nothing selected");
    if (selected)
      Select("Gamma.txt");
    else
      m_list.SetItemState(-1, 0, LVIS_SELECTED);
    MenuStates::read = false;
    constexpr UINT kLookMs = 20;
    ::SetTimer(nullptr, 0, kLookMs, MenuStates::Read);
    // By a right click with a selection, else from the keyboard (no point).
    POINT point = {-1, -1};
    if (selected) {
      point = {20, 20};
      ::ClientToScreen(m_list.m_hWnd, &point);
    }
    m_list.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_list.m_hWnd),
                       MAKELPARAM(point.x, point.y));
    ASSERT_TRUE(MenuStates::read);
    EXPECT_EQ(MenuStates::deleteState & MF_GRAYED, selected ? 0u : UINT(MF_GRAYED));
    EXPECT_EQ(MenuStates::renameState & MF_GRAYED, selected ? 0u : UINT(MF_GRAYED));
  }
  m_list.SendMessage(WM_COMMAND, CFileListCtrl::kDeleteMenuCommand);
  m_list.SendMessage(WM_COMMAND, CFileListCtrl::kRenameMenuCommand);
  EXPECT_EQ(TakePosted(2),
            (std::vector<CListHostDlg::Posted>{{WM_COMMAND, CFileListCtrl::kDeleteCommand, 0},
                                               {WM_COMMAND, CFileListCtrl::kRenameCommand, 0}}));
}

// The host dialog is a dialog window too: each answerer looks for one caption.
constexpr char kBadNameCaption[] = "Bad File Name";
constexpr char kRenameErrorCaption[] = "Error Renaming File";

TEST_F(FileListCtrlTest, RenamingInPlaceRenamesTheFileAndItsRecord) {
  MessageBoxAnswerer answerer(IDOK, kRenameErrorCaption);
  RenameByTyping("Gamma.txt", "Delta.txt", true);
  ASSERT_TRUE(WaitFor([&] {
    return ::GetFileAttributesA(g_tree.Path("Delta.txt").c_str()) != INVALID_FILE_ATTRIBUTES;
  }));
  EXPECT_EQ(::GetFileAttributesA(g_tree.Path("Gamma.txt").c_str()), INVALID_FILE_ATTRIBUTES);
  const int row = m_list.FindItemByName("Delta.txt");
  ASSERT_GE(row, 0);
  const CFileItem* pItem = m_list.GetFileItem(row);
  EXPECT_STREQ(pItem->m_strPath, g_tree.Path("Delta.txt").c_str());
  EXPECT_STREQ(GetIdListPath(pItem->GetAbsoluteIdList()), g_tree.Path("Delta.txt").c_str());
  EXPECT_STREQ(m_dlg.m_renamedTo, "Delta.txt") << "the dialog's file name follows";
  for (const ShownMessageBox& box : answerer.Boxes())
    ADD_FAILURE() << "a message: " << box.caption << ": " << box.texts;

  RenameByTyping("Delta.txt", "Gamma.txt", false);
  EXPECT_NE(::GetFileAttributesA(g_tree.Path("Gamma.txt").c_str()), INVALID_FILE_ATTRIBUTES)
      << "back as the tree was made";
}

TEST_F(FileListCtrlTest, RenamesThatCannotBeDoneSayWhyOrDoNothing) {
  {
    MessageBoxAnswerer answerer(IDOK, kBadNameCaption);
    RenameByTyping("Beta.txt", "Bad*Name.txt", true);
    ASSERT_TRUE(WaitFor([&] { return answerer.Boxes().size() == 1; }));
    EXPECT_NE(answerer.Boxes()[0].texts.find(
                  "A Filename may not contain the characters: * ? \\ / : \" < > |"),
              std::string::npos);
  }

  RenameByTyping("Beta.txt", "BETA.TXT", false);
  WIN32_FIND_DATAA found = {};
  HANDLE hFind = ::FindFirstFileA(g_tree.Path("Beta.txt").c_str(), &found);
  ASSERT_NE(hFind, INVALID_HANDLE_VALUE);
  ::FindClose(hFind);
  EXPECT_STREQ(found.cFileName, "Beta.txt") << "a change of letter case alone does nothing";
  EXPECT_STREQ(m_list.GetFileItem(m_list.FindItemByName("Beta.txt"))->m_strName, "Beta.txt");

  MessageBoxAnswerer answerer(IDOK, kRenameErrorCaption);
  RenameByTyping("Beta.txt", "Gamma.txt", false);
  ASSERT_TRUE(WaitFor([&] { return answerer.Boxes().size() == 1; }));
  EXPECT_NE(answerer.Boxes()[0].texts.find("The file: 'Gamma.txt' already exists!"),
            std::string::npos);
  EXPECT_TRUE(WaitFor([&] { return RenameEdit() != nullptr; })) << "the rename starts again";
  SendKey(VK_ESCAPE);
  EXPECT_TRUE(WaitFor([&] { return RenameEdit() == nullptr; }));
  EXPECT_NE(::GetFileAttributesA(g_tree.Path("Beta.txt").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(answerer.Boxes().size(), 1u);
}

TEST_F(FileListCtrlTest, TheRenameEditorSitsInItsCellAndHitTestsFindColumns) {
  const int row = m_list.FindItemByName("Beta.txt");
  CLabelEdit* pEdit = m_list.BeginRename(row, 3);
  ASSERT_NE(pEdit, nullptr);
  CRect bounds;
  m_list.GetItemRect(row, &bounds, LVIR_BOUNDS);
  CRect edit;
  ::GetWindowRect(RenameEdit(), &edit);
  m_list.ScreenToClient(&edit);
  const int cellLeft = bounds.left + kColumnWidths[0] + kColumnWidths[1] + kColumnWidths[2];
  EXPECT_EQ(edit.left, cellLeft + ::MulDiv(kIconWidth, 7, 5));
  EXPECT_LE(edit.right, cellLeft + kColumnWidths[3] - 1);
  SendKey(VK_ESCAPE);
  EXPECT_TRUE(WaitFor([&] { return RenameEdit() == nullptr; }));

  int column = -1;
  EXPECT_EQ(m_list.HitTestWithColumn(CPoint(cellLeft + 2, bounds.top + 1), &column), row);
  EXPECT_EQ(column, 3);
  EXPECT_EQ(m_list.HitTestWithColumn(CPoint(bounds.left + 2, bounds.top + 1), &column), row);
  EXPECT_EQ(column, 0);
  m_list.SetColumnWidth(1, 2);
  EXPECT_EQ(m_list.BeginRename(row, 1), nullptr) << "a column too narrow to edit";
  EXPECT_EQ(m_list.BeginRename(row, 5), nullptr) << "no such column";
}

TEST_F(FileListCtrlTest, AClickSelectsAnotherRowAndScrollingEndsARename) {
  Select("Alpha.zlt");
  ClickName("Beta.txt");
  EXPECT_TRUE(WaitFor([&] { return SelectedName() == "Beta.txt"; }));
  EXPECT_EQ(RenameEdit(), nullptr) << "a click on a row not yet selected only selects it";

  ASSERT_NE(m_list.BeginRename(m_list.FindItemByName("Beta.txt"), 0), nullptr);
  ASSERT_TRUE(WaitFor([&] { return ::GetFocus() == RenameEdit(); }));
  m_list.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0));
  EXPECT_TRUE(WaitFor([&] { return RenameEdit() == nullptr; }));
  EXPECT_EQ(::GetFocus(), m_list.m_hWnd);
  EXPECT_NE(::GetFileAttributesA(g_tree.Path("Beta.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace file_list
