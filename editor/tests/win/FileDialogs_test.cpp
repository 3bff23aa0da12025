// The program's own Open and Save dialogs over a folder tree the test makes,
// driven by real keys and clicks: browsing with typed paths and Up, sorting
// by the headers, type-ahead, wildcard filters, New Folder with its rename,
// Delete to the recycle bin and Open; Save As from the document with a
// Hebrew title, the extension rule and the overwrite question.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "classlib/win/AfxRes.h"
#include "classlib/win/WindowDCs.h"
#include "editor/core/FileNameRules.h"
#include "editor/tests/win/AppPump.h"
#include "editor/tests/win/DialogScript.h"
#include "editor/tests/win/EditViewFixture.h"
#include "editor/tests/win/FolderTreeRemoval.h"
#include "editor/win/CFileItem.h"
#include "editor/win/COpenFileDlg.h"
#include "editor/win/ShellFunctions.h"
#include "hebtext/win/CFontInfo.h"
#include "hebtext/win/CHebEdit.h"
#include "hebtext/win/FileUtilities.h"
#include "resources/FileDialogIds.h"
#include "testing/win/MessageBoxes.h"
#include "testing/win/UserInput.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"

namespace file_dialogs_test {

const char kTreeName[] = "ZultaFileDialogs";
const char kProfileKey[] = "Zulta File Dialog Tests";
// The program's first shared font, in which the titles are drawn.
const char kTitleFace[] = "Pomlar Sephardi 2";
constexpr LONG kTitleFontHeight = -16;
const char kHebrewTitle[] = "\xE0\xE1\xE2";  // alef, bet, gimel
constexpr UINT kRenameEditId = 1300;

// The answer given to the next message box over a window.
HWND g_boxOwner = nullptr;
int g_boxAnswer = IDOK;
std::string g_boxTexts;
std::string g_boxCaption;

BOOL CALLBACK FindOwnedBox(HWND hWnd, LPARAM lParam) {
  char className[16] = "";
  ::GetClassNameA(hWnd, className, sizeof className);
  HWND hOwner = ::GetWindow(hWnd, GW_OWNER);
  if (std::string(className) != "#32770" || !::IsWindowVisible(hWnd) ||
      (hOwner != g_boxOwner && hOwner != nullptr))
    return TRUE;
  *reinterpret_cast<HWND*>(lParam) = hWnd;
  return FALSE;
}

void CALLBACK AnswerBox(HWND, UINT, UINT_PTR idEvent, DWORD) {
  HWND hBox = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), &FindOwnedBox, reinterpret_cast<LPARAM>(&hBox));
  if (hBox == nullptr) return;
  ::KillTimer(nullptr, idEvent);
  g_boxTexts = ChildTexts(hBox);
  char caption[64] = "";
  ::GetWindowTextA(hBox, caption, sizeof caption);
  g_boxCaption = caption;
  ::PostMessageA(hBox, WM_COMMAND, static_cast<WPARAM>(g_boxAnswer), 0);
}

void AnswerNextBox(HWND hOwner, int answer) {
  constexpr UINT kLookMs = 20;
  g_boxOwner = hOwner;
  g_boxAnswer = answer;
  g_boxTexts.clear();
  ::SetTimer(nullptr, 0, kLookMs, AnswerBox);
}

BOOL Exists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ItemText(HWND hDlg, int id) {
  char text[MAX_PATH] = "";
  ::GetDlgItemTextA(hDlg, id, text, sizeof text);
  return text;
}

POINT CenterOf(HWND hWnd) {
  RECT r;
  ::GetWindowRect(hWnd, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void ClickItem(HWND hDlg, int id) { ClickAt(CenterOf(::GetDlgItem(hDlg, id))); }

// Clicks a control at a quarter (or three quarters) of its width: quick
// clicks on one spot of a bitmap button would make a double-click.
void ClickItemAt(HWND hDlg, int id, int quarters) {
  RECT r;
  ::GetWindowRect(::GetDlgItem(hDlg, id), &r);
  ClickAt({r.left + (r.right - r.left) * quarters / 4, (r.top + r.bottom) / 2});
}

// The records behind the list's rows, in their order.
std::vector<const CFileItem*> Rows(HWND hDlg) {
  HWND hList = ::GetDlgItem(hDlg, IDC_FILEDLG_LIST);
  std::vector<const CFileItem*> rows;
  const int count = ListView_GetItemCount(hList);
  for (int i = 0; i < count; i++) {
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = i;
    ::SendMessageA(hList, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    rows.push_back(reinterpret_cast<const CFileItem*>(item.lParam));
  }
  return rows;
}

std::vector<std::string> RowNames(HWND hDlg) {
  std::vector<std::string> names;
  for (const CFileItem* pItem : Rows(hDlg)) names.emplace_back(pItem->m_strName);
  return names;
}

std::vector<std::string> Sorted(std::vector<std::string> names) {
  std::sort(names.begin(), names.end());
  return names;
}

int RowOf(HWND hDlg, const std::string& name) {
  std::vector<std::string> names = RowNames(hDlg);
  auto it = std::find(names.begin(), names.end(), name);
  return it == names.end() ? -1 : static_cast<int>(it - names.begin());
}

void ClickRow(HWND hDlg, const std::string& name) {
  HWND hList = ::GetDlgItem(hDlg, IDC_FILEDLG_LIST);
  RECT r = {};
  r.left = LVIR_BOUNDS;
  ::SendMessageA(hList, LVM_GETITEMRECT, RowOf(hDlg, name), reinterpret_cast<LPARAM>(&r));
  // Within the name column, right of the icon.
  POINT p = {r.left + 40, (r.top + r.bottom) / 2};
  ::ClientToScreen(hList, &p);
  ClickAt(p);
}

// Clicks a header item at a quarter (or, for the next click on it, three
// quarters) of its width: two clicks on one spot would be a double-click.
void ClickHeader(HWND hDlg, int column, int quarters) {
  HWND hHeader = ListView_GetHeader(::GetDlgItem(hDlg, IDC_FILEDLG_LIST));
  RECT r = {};
  ::SendMessageA(hHeader, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&r));
  POINT p = {r.left + (r.right - r.left) * quarters / 4, (r.top + r.bottom) / 2};
  ::ClientToScreen(hHeader, &p);
  ClickAt(p);
}

std::string SelectedRowName(HWND hDlg) {
  const int row = ListView_GetNextItem(::GetDlgItem(hDlg, IDC_FILEDLG_LIST), -1, LVNI_SELECTED);
  return row < 0 ? std::string() : std::string(Rows(hDlg)[row]->m_strName);
}

std::string LookInText(HWND hDlg) {
  HWND hBox = ::GetDlgItem(hDlg, IDC_FILEDLG_LOOK_IN);
  const int selection = static_cast<int>(::SendMessageA(hBox, CB_GETCURSEL, 0, 0));
  char text[MAX_PATH] = "";
  COMBOBOXEXITEMA item = {};
  item.mask = CBEIF_TEXT;
  item.iItem = selection;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  ::SendMessageA(hBox, CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return text;
}

// Types a name into the file-name box and presses Enter there.
void EnterName(HWND hDlg, const std::string& text) {
  HWND hBox = ::GetDlgItem(hDlg, IDC_FILEDLG_FILE_NAME);
  ::SetWindowTextA(hBox, text.c_str());
  ::SetFocus(hBox);
  WaitFor([&] { return ::GetFocus() == hBox; });
  SendKey(VK_RETURN);
}

const CFileItem* LookInItem(HWND hDlg, int index) {
  LRESULT data = ::SendDlgItemMessageA(hDlg, IDC_FILEDLG_LOOK_IN, CB_GETITEMDATA, index, 0);
  return data == CB_ERR ? nullptr : reinterpret_cast<const CFileItem*>(data);
}

BOOL CALLBACK FindOwnedTips(HWND hWnd, LPARAM lParam) {
  char className[32] = "";
  ::GetClassNameA(hWnd, className, sizeof className);
  auto* pFound = reinterpret_cast<std::pair<HWND, HWND>*>(lParam);
  if (std::string(className) != TOOLTIPS_CLASSA || ::GetWindow(hWnd, GW_OWNER) != pFound->first)
    return TRUE;
  pFound->second = hWnd;
  return FALSE;
}

// The dialog's tool-tip control.
HWND FindTips(HWND hDlg) {
  std::pair<HWND, HWND> found(hDlg, nullptr);
  ::EnumThreadWindows(::GetCurrentThreadId(), &FindOwnedTips, reinterpret_cast<LPARAM>(&found));
  return found.second;
}

// Clicks Up until it is disabled, at a top-level entry; false when it never
// gets there.
bool ClimbToTop(HWND hDlg) {
  constexpr int kMostLevels = 16;
  HWND hUp = ::GetDlgItem(hDlg, IDC_FILEDLG_UP_ONE_LEVEL);
  for (int i = 0; i < kMostLevels && ::IsWindowEnabled(hUp); i++) {
    const std::string before = LookInText(hDlg);
    ClickItemAt(hDlg, IDC_FILEDLG_UP_ONE_LEVEL, i % 2 == 0 ? 1 : 3);
    if (!WaitFor([&] { return LookInText(hDlg) != before; })) return false;
  }
  return !::IsWindowEnabled(hUp);
}

// Sets a file's modification time a day back, so that the Modified column
// orders it before files made just now.
void MakeOlder(const std::string& path) {
  constexpr ULONGLONG kDayIn100ns = 24ULL * 60 * 60 * 10000000;
  HANDLE hFile = ::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
  if (hFile == INVALID_HANDLE_VALUE) return;
  FILETIME now = {};
  ::GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER time = {};
  time.LowPart = now.dwLowDateTime;
  time.HighPart = now.dwHighDateTime;
  time.QuadPart -= kDayIn100ns;
  const FILETIME older = {time.LowPart, time.HighPart};
  ::SetFileTime(hFile, nullptr, nullptr, &older);
  ::CloseHandle(hFile);
}

class FileDialogsTest : public EditViewFixture {
 protected:
  void SetUp() override {
    EditViewFixture::SetUp();
    char temp[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, temp);
    m_tree = std::string(temp) + kTreeName;
    RemoveTree();
    ASSERT_TRUE(::CreateDirectoryA(m_tree.c_str(), nullptr));
    ::CreateDirectoryA((m_tree + "\\Sub").c_str(), nullptr);
    std::ofstream(m_tree + "\\notes.txt") << std::string(3000, 'n');
    std::ofstream(m_tree + "\\story.rtf") << "{\\rtf1 story}";
    std::ofstream(m_tree + "\\secret.txt") << "hidden";
    ::SetFileAttributesA((m_tree + "\\secret.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    MakeOlder(m_tree + "\\notes.txt");
    // The dialogs keep their settings in the profile.
    CWinApp* pApp = AfxGetApp();
    pApp->SetRegistryKey(kProfileKey);
    pApp->WriteProfileString("Preferences", "FileOpen_LastFileSpec", kAllFilesPattern);
    pApp->WriteProfileInt("Preferences", "FileOpen_LastFileSpecSel", kFileTypeCount - 1);
    pApp->WriteProfileInt("Preferences", "FileOpen_ShowHidden", 0);
    pApp->WriteProfileString("Preferences", "FileOpen_ColumnWidths", "");
    pApp->WriteProfileString("Preferences", "FileOpen_LastPath", m_tree.c_str());
    CClientDC screen(nullptr);
    LOGFONT logFont = {};
    ::lstrcpynA(logFont.lfFaceName, kTitleFace, LF_FACESIZE);
    logFont.lfHeight = kTitleFontHeight;
    m_titleFont.SetFromLogFont(&screen, logFont);
    m_titleFont.MeasureCharWidths(&screen);
    CShellFileDlg::SetHebrewTitleFont(&m_titleFont);
  }
  void TearDown() override {
    CShellFileDlg::SetHebrewTitleFont(nullptr);
    EditViewFixture::TearDown();
    RemoveTree();
  }
  void RemoveTree() { RemoveFolderTree(m_tree); }
  std::string Path(const std::string& name) const { return m_tree + "\\" + name; }
  HWND SaveDialog() {
    HWND hDlg = nullptr;
    PumpUntil(*m_app, [&] {
      hDlg = ::FindWindowA("#32770", "Save");
      return hDlg != nullptr && ::IsWindowVisible(hDlg) && !RowNames(hDlg).empty();
    });
    return hDlg;
  }

  std::string m_tree;
  CFontInfo m_titleFont;
};

TEST_F(FileDialogsTest, OpenBrowsesSortsFiltersMakesAndDeletesFoldersAndOpensAFile) {
  COpenFileDlg dialog(m_app->GetMainFrame());
  OnNextDialog("Open", [&](HWND hDlg) {
    HWND hType = ::GetDlgItem(hDlg, IDC_FILEDLG_TYPE);
    ASSERT_EQ(::SendMessageA(hType, CB_GETCOUNT, 0, 0), kFileTypeCount);
    for (int i = 0; i < kFileTypeCount; i++) {
      char text[64] = "";
      ::SendMessageA(hType, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
      EXPECT_STREQ(text, kFileTypes[i].text) << "type entry " << i;
    }
    EXPECT_EQ(ItemText(hDlg, IDC_FILEDLG_FILE_NAME), kAllFilesPattern);
    EXPECT_EQ(LookInText(hDlg), kTreeName);
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(hDlg, IDC_FILEDLG_UP_ONE_LEVEL)));
    const std::vector<std::string> all = {"Sub", "notes.txt", "story.rtf"};
    EXPECT_EQ(Sorted(RowNames(hDlg)), all);
    SaveScreenshot(CaptureWindow(hDlg), "file_open_dialog");

    // The Look-in box: My Computer known by its special-folder id, with the
    // drives right under it; the four tool buttons have their tips.
    HWND hLookIn = ::GetDlgItem(hDlg, IDC_FILEDLG_LOOK_IN);
    int computer = -1;
    for (int i = 0; i < static_cast<int>(::SendMessageA(hLookIn, CB_GETCOUNT, 0, 0)); i++) {
      const CFileItem* pItem = LookInItem(hDlg, i);
      if (pItem != nullptr && IsSpecialFolder(pItem->GetAbsoluteIdList(), CSIDL_DRIVES)) computer = i;
    }
    ASSERT_GE(computer, 0) << "no My Computer";
    EXPECT_EQ(LookInItem(hDlg, computer)->m_nIndent, 0);
    EXPECT_EQ(LookInItem(hDlg, computer + 1)->m_nIndent, 1) << "no drive under My Computer";
    EXPECT_EQ(std::string(LookInItem(hDlg, computer + 1)->m_strPath).substr(1), ":\\");
    HWND hTips = FindTips(hDlg);
    ASSERT_NE(hTips, nullptr);
    EXPECT_EQ(::SendMessageA(hTips, TTM_GETTOOLCOUNT, 0, 0), 4);

    // Hidden files show only while the box is checked.
    EXPECT_EQ(RowOf(hDlg, "secret.txt"), -1);
    ClickItem(hDlg, IDC_FILEDLG_SHOW_HIDDEN);
    WaitFor([&] { return RowOf(hDlg, "secret.txt") >= 0; });
    EXPECT_GE(RowOf(hDlg, "secret.txt"), 0);
    ClickItem(hDlg, IDC_FILEDLG_SHOW_HIDDEN);
    WaitFor([&] { return RowOf(hDlg, "secret.txt") < 0; });
    EXPECT_EQ(RowOf(hDlg, "secret.txt"), -1);

    // Folders first; a second click on the same header reverses the order,
    // the folders-first rule included; the first click on another column
    // sorts it ascending, while the first click on Name right after a
    // listing sorts descending (the shell lists by name).
    const std::vector<std::string> bySize = {"Sub", "story.rtf", "notes.txt"};
    const std::vector<std::string> byName = {"Sub", "notes.txt", "story.rtf"};
    ClickHeader(hDlg, 0, 1);
    WaitFor([&] { return RowNames(hDlg).front() == "story.rtf"; });
    EXPECT_EQ(RowNames(hDlg), (std::vector<std::string>(byName.rbegin(), byName.rend())));
    ClickHeader(hDlg, 3, 1);
    WaitFor([&] { return RowNames(hDlg) == bySize; });
    EXPECT_EQ(RowNames(hDlg), bySize);
    ClickHeader(hDlg, 3, 3);
    WaitFor([&] { return RowNames(hDlg).back() == "Sub"; });
    EXPECT_EQ(RowNames(hDlg), (std::vector<std::string>(bySize.rbegin(), bySize.rend())));
    ClickHeader(hDlg, 0, 3);
    WaitFor([&] { return RowNames(hDlg) == byName; });
    EXPECT_EQ(RowNames(hDlg), byName);
    // Modified: notes.txt is a day older; Type: "Rich Text..." before "txt".
    const std::vector<std::string> byModified = {"Sub", "notes.txt", "story.rtf"};
    const std::vector<std::string> byType = {"Sub", "story.rtf", "notes.txt"};
    ClickHeader(hDlg, 2, 1);
    WaitFor([&] { return RowNames(hDlg) == byModified; });
    EXPECT_EQ(RowNames(hDlg), byModified);
    ClickHeader(hDlg, 2, 3);
    WaitFor([&] { return RowNames(hDlg).back() == "Sub"; });
    EXPECT_EQ(RowNames(hDlg), (std::vector<std::string>(byModified.rbegin(), byModified.rend())));
    ClickHeader(hDlg, 4, 1);
    WaitFor([&] { return RowNames(hDlg) == byType; });
    EXPECT_EQ(RowNames(hDlg), byType);

    // Type-ahead moves among the rows beginning with the letter.
    ClickRow(hDlg, "notes.txt");
    WaitFor([&] { return SelectedRowName(hDlg) == "notes.txt"; });
    SendText("s");
    WaitFor([&] { return SelectedRowName(hDlg) != "notes.txt"; });
    const std::string first = SelectedRowName(hDlg);
    SendText("s");
    WaitFor([&] { return SelectedRowName(hDlg) != first; });
    EXPECT_EQ(Sorted({first, SelectedRowName(hDlg)}), (std::vector<std::string>{"Sub", "story.rtf"}));

    // A wildcard name filters the list; a folder and a pattern show that
    // folder filtered; a folder alone only changes the folder.
    EnterName(hDlg, "*.rtf");
    WaitFor([&] { return RowNames(hDlg).size() == 2; });
    EXPECT_EQ(Sorted(RowNames(hDlg)), (std::vector<std::string>{"Sub", "story.rtf"}));
    EnterName(hDlg, m_tree + "\\*.txt");
    WaitFor([&] { return RowOf(hDlg, "notes.txt") >= 0; });
    EXPECT_EQ(Sorted(RowNames(hDlg)), (std::vector<std::string>{"Sub", "notes.txt"}));
    EXPECT_EQ(ItemText(hDlg, IDC_FILEDLG_FILE_NAME), "*.txt");
    EnterName(hDlg, m_tree + "\\Sub");
    WaitFor([&] { return LookInText(hDlg) == "Sub"; });
    EXPECT_TRUE(RowNames(hDlg).empty());
    ClickItem(hDlg, IDC_FILEDLG_UP_ONE_LEVEL);
    WaitFor([&] { return LookInText(hDlg) == kTreeName; });
    EXPECT_EQ(LookInText(hDlg), kTreeName);

    // New Folder starts renaming it in place.
    EnterName(hDlg, "*.*");
    WaitFor([&] { return RowNames(hDlg).size() == 3; });
    ClickItem(hDlg, IDC_FILEDLG_NEW_FOLDER);
    HWND hList = ::GetDlgItem(hDlg, IDC_FILEDLG_LIST);
    ASSERT_TRUE(WaitFor([&] { return ::GetDlgItem(hList, kRenameEditId) != nullptr; }));
    EXPECT_TRUE(Exists(Path("New Folder")));
    SendText("Made");
    SendKey(VK_RETURN);
    ASSERT_TRUE(WaitFor([&] { return Exists(Path("Made")); }));
    EXPECT_FALSE(Exists(Path("New Folder")));
    WaitFor([&] { return RowOf(hDlg, "Made") >= 0; });

    // Delete asks the shell's question and removes the folder and its row.
    ClickRow(hDlg, "Made");
    WaitFor([&] { return SelectedRowName(hDlg) == "Made"; });
    AnswerNextBox(hDlg, IDYES);
    ClickItem(hDlg, IDC_FILEDLG_DELETE);
    EXPECT_TRUE(WaitFor([&] { return !Exists(Path("Made")); }));
    WaitFor([&] { return RowOf(hDlg, "Made") < 0; });
    EXPECT_EQ(RowOf(hDlg, "Made"), -1);

    // Selecting a file puts its name in the box; a refused character is
    // reported and selected there.
    ClickRow(hDlg, "notes.txt");
    WaitFor([&] { return ItemText(hDlg, IDC_FILEDLG_FILE_NAME) == "notes.txt"; });
    EXPECT_EQ(ItemText(hDlg, IDC_FILEDLG_FILE_NAME), "notes.txt");
    AnswerNextBox(hDlg, IDOK);
    EnterName(hDlg, "no|tes");
    ASSERT_TRUE(WaitFor([] { return !g_boxTexts.empty(); }));
    EXPECT_NE(g_boxTexts.find(kBadFileNameMessage), std::string::npos) << g_boxTexts;
    EXPECT_EQ(g_boxCaption, kBadFileNameCaption);
    DWORD selStart = 0, selEnd = 0;
    ::SendDlgItemMessageA(hDlg, IDC_FILEDLG_FILE_NAME, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart),
                          reinterpret_cast<LPARAM>(&selEnd));
    EXPECT_EQ(selStart, 2u);
    EXPECT_EQ(selEnd, 3u);

    // Up climbs to the top level, where it is disabled.
    EXPECT_TRUE(ClimbToTop(hDlg));

    // A full path in the name box shows its folder with the name in the
    // box; Enter then opens it.
    EnterName(hDlg, Path("notes.txt"));
    WaitFor([&] { return LookInText(hDlg) == kTreeName; });
    EXPECT_EQ(ItemText(hDlg, IDC_FILEDLG_FILE_NAME), "notes.txt");
    EXPECT_EQ(Sorted(RowNames(hDlg)), (std::vector<std::string>{"Sub", "notes.txt"}));
    SaveScreenshot(CaptureWindow(hDlg), "file_open_typed_path");
    EnterName(hDlg, "notes.txt");
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_TRUE(DialogScriptRan());
  EXPECT_EQ(std::string(dialog.GetFullPath()), Path("notes.txt"));
  EXPECT_EQ(std::string(AfxGetApp()->GetProfileString("Preferences", "FileOpen_LastPath", "")),
            m_tree);
  EXPECT_EQ(std::string(AfxGetApp()->GetProfileString("Preferences", "FileOpen_ColumnWidths", "")),
            "100|190|90|80|50|");
}

TEST_F(FileDialogsTest, SaveAsStoresTheHebrewTitleAddsTheTypesExtensionAndAsksBeforeReplacing) {
  Command(ID_FILE_SAVE_AS);
  HWND hDlg = SaveDialog();
  ASSERT_NE(hDlg, nullptr);
  EXPECT_FALSE(::IsWindowEnabled(m_pView->m_hWnd)) << "the view waits for the dialog";
  EXPECT_EQ(LookInText(hDlg), kTreeName);
  HWND hType = ::GetDlgItem(hDlg, IDC_FILEDLG_TYPE);
  ::SendMessageA(hType, CB_SETCURSEL, 0, 0);
  ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDC_FILEDLG_TYPE, CBN_SELENDOK),
                 reinterpret_cast<LPARAM>(hType));
  HWND hHebrew = ::GetDlgItem(hDlg, IDC_FILEDLG_HEBREW_NAME);
  ::SetWindowTextA(hHebrew, kHebrewTitle);
  // Ctrl+A in the Hebrew field selects its text through the dialog's keys.
  auto* pHebrew = dynamic_cast<CHebEdit*>(CWnd::FromHandlePermanent(hHebrew));
  ASSERT_NE(pHebrew, nullptr);
  ClickAt(CenterOf(hHebrew));
  PumpUntil(*m_app, [&] { return ::GetFocus() == hHebrew; });
  EXPECT_FALSE(pHebrew->HasSelection());
  SendChord(VK_CONTROL, 'A');
  EXPECT_TRUE(PumpUntil(*m_app, [&] { return pHebrew->HasSelection() != FALSE; }));
  EnterName(hDlg, "letter");
  ASSERT_TRUE(PumpUntil(*m_app, [&] { return m_pDoc->GetPathName() == Path("letter.zlt").c_str(); }));
  EXPECT_TRUE(Exists(Path("letter.zlt")));
  EXPECT_TRUE(::IsWindowEnabled(m_pView->m_hWnd));
  EXPECT_EQ(std::string(m_pDoc->GetHebrewFileName()), kHebrewTitle);

  // The saved document shows its Hebrew title; the same name again asks
  // before replacing, and No keeps the dialog.
  Command(ID_FILE_SAVE_AS);
  hDlg = SaveDialog();
  ASSERT_NE(hDlg, nullptr);
  PumpUntil(*m_app, [&] { return RowOf(hDlg, "letter.zlt") >= 0; });
  ASSERT_GE(RowOf(hDlg, "letter.zlt"), 0);
  EXPECT_EQ(std::string(Rows(hDlg)[RowOf(hDlg, "letter.zlt")]->m_strHebrewTitle), kHebrewTitle);
  SaveScreenshot(CaptureWindow(hDlg), "file_save_dialog");
  AnswerNextBox(hDlg, IDNO);
  EnterName(hDlg, "letter");
  ASSERT_TRUE(PumpUntil(*m_app, [] { return !g_boxTexts.empty(); }));
  EXPECT_NE(g_boxTexts.find(std::string(FormatOverwriteQuestion("letter.zlt"))), std::string::npos)
      << g_boxTexts;
  EXPECT_EQ(g_boxCaption, kOverwriteCaption);
  EXPECT_TRUE(::IsWindowVisible(hDlg)) << "No keeps the dialog";

  // A '.' among the last four characters: no extension is added.
  EnterName(hDlg, "x.zl");
  ASSERT_TRUE(PumpUntil(*m_app, [&] { return m_pDoc->GetPathName() == Path("x.zl").c_str(); }));
  EXPECT_TRUE(Exists(Path("x.zl")));

  // Outside the file system a name has no folder: the dialog stays. Cancel
  // then leaves the document as it was and gives the view back.
  Command(ID_FILE_SAVE_AS);
  hDlg = SaveDialog();
  ASSERT_NE(hDlg, nullptr);
  ASSERT_TRUE(ClimbToTop(hDlg));
  EnterName(hDlg, "stray");
  ClickItem(hDlg, IDOK);
  char current[MAX_PATH] = "";
  ::GetCurrentDirectoryA(MAX_PATH, current);
  // Until the keys, the click and what they posted have been handled.
  PumpUntil(*m_app, [] { return HIWORD(::GetQueueStatus(QS_INPUT | QS_POSTMESSAGE)) == 0; });
  EXPECT_TRUE(::IsWindowVisible(hDlg));
  EXPECT_FALSE(Exists(std::string(current) + "\\stray.zlt"));
  EXPECT_FALSE(Exists(std::string(current) + "\\stray"));
  ClickItem(hDlg, IDCANCEL);
  ASSERT_TRUE(PumpUntil(*m_app, [&] { return ::IsWindowEnabled(m_pView->m_hWnd) != FALSE; }));
  EXPECT_EQ(std::string(m_pDoc->GetPathName()), Path("x.zl"));
  EXPECT_FALSE(CZultaEditDoc::IsSaveAsPending());
}

}  // namespace file_dialogs_test
