// The editor's Cut, Copy, Paste, Paste Special and Save on the real
// clipboard and file system, and the clipboard shared with a program no one
// here wrote: LibreOffice Writer reads the editor's copy with its points,
// and the editor pastes LibreOffice's pointed text as it was typed.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "classlib/core/CArchive.h"
#include "classlib/core/CFile.h"
#include "classlib/win/AfxRes.h"
#include "classlib/win/CCmdUI.h"
#include "editor/core/LetterPoints.h"
#include "editor/core/ZultaDocTransfer.h"
#include "editor/tests/win/AppPump.h"
#include "editor/tests/win/EditViewFixture.h"
#include "editor/win/CFileItem.h"
#include "editor/win/ZultaEditDoc.h"
#include "editor/win/ZultaEditView.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/win/CHebEdit.h"
#include "hebtext/tests/win/SpecialDialogAnswer.h"
#include "resources/EditorIds.h"
#include "resources/FileDialogIds.h"
#include "resources/HebtextIds.h"
#include "resources/MainFrameIds.h"
#include "testing/win/LinuxCommand.h"
#include "testing/win/MessageBoxes.h"
#include "testing/win/WaitFor.h"

// Named: the test program is built as one unit with the view's tests.
namespace edit_clipboard_test {

constexpr int kEnglish = 0;
constexpr int kHebrew = 1;

// "shalom" typed on the English keyboard in Hebrew input mode, and the same
// word as LibreOffice gives it back: each letter with its marks in the
// order the editor writes them (the shin's dot before its qamats).
const char kHebrewKeys[] = "w]kOo";
const char kHebrewUtf8[] = "\xD7\xA9\xD7\x81\xD6\xB8\xD7\x9C\xD7\x95\xD6\xB9\xD7\x9D";

UINT RtfFormat() { return ::RegisterClipboardFormatA("Rich Text Format"); }

std::string ClipboardBytes(UINT format) {
  std::string bytes;
  if (!::OpenClipboard(nullptr)) return bytes;
  if (HANDLE hData = ::GetClipboardData(format)) {
    if (const char* data = static_cast<const char*>(::GlobalLock(hData))) {
      bytes.assign(data, ::GlobalSize(hData));
      ::GlobalUnlock(hData);
    }
  }
  ::CloseClipboard();
  return bytes;
}

std::string ClipboardText(UINT format) {
  std::string bytes = ClipboardBytes(format);
  return bytes.substr(0, bytes.find('\0'));
}

std::wstring ClipboardUnicode() {
  std::string bytes = ClipboardBytes(CF_UNICODETEXT);
  std::wstring text(reinterpret_cast<const WCHAR*>(bytes.data()), bytes.size() / sizeof(WCHAR));
  return text.substr(0, text.find(L'\0'));
}

std::string Wide(const std::wstring& text) {
  return std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(WCHAR));
}

// Puts the formats on the clipboard in this order, as another program would.
void PlaceOnClipboard(std::initializer_list<std::pair<UINT, std::string>> formats) {
  ASSERT_TRUE(::OpenClipboard(nullptr));
  ::EmptyClipboard();
  for (const auto& format : formats) {
    HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, format.second.size() + sizeof(WCHAR));
    char* data = static_cast<char*>(::GlobalLock(hData));
    memcpy(data, format.second.data(), format.second.size());
    memset(data + format.second.size(), 0, sizeof(WCHAR));
    ::GlobalUnlock(hData);
    ::SetClipboardData(format.first, hData);
  }
  ::CloseClipboard();
}

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string TempPath(const char* name) {
  char temp[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, temp);
  return std::string(temp) + name;
}

// LibreOffice's command that converts a file of the folder into another
// format beside it, with a profile of its own.
std::string OfficeConvert(const std::string& folder, const std::string& filter,
                          const std::string& file) {
  return "cd '" + folder + "' && soffice -env:UserInstallation=file://" + folder +
         "/profile --headless --norestore --convert-to '" + filter + "' '" + file +
         "' >/dev/null 2>&1";
}

// A flat OpenDocument text of one paragraph, as LibreOffice writes its own.
void WriteFlatDocument(const std::string& path, const std::string& utf8) {
  std::ofstream out(path, std::ios::binary);
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<office:document xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
         "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" office:version=\"1.2\" "
         "office:mimetype=\"application/vnd.oasis.opendocument.text\"><office:body><office:text>"
         "<text:p>"
      << utf8 << "</text:p></office:text></office:body></office:document>\n";
}

// The program's Save dialog once it shows, modeless over the view.
HWND WaitForSaveDialog(CWinApp& app) {
  HWND hDlg = nullptr;
  PumpUntil(app, [&] {
    hDlg = ::FindWindowA("#32770", "Save");
    return hDlg != nullptr && ::IsWindowVisible(hDlg);
  });
  return hDlg;
}

// The folder the dialog's Look-in box shows.
std::string LookInFolder(HWND hDlg) {
  HWND hBox = ::GetDlgItem(hDlg, IDC_FILEDLG_LOOK_IN);
  const LRESULT selection = ::SendMessageA(hBox, CB_GETCURSEL, 0, 0);
  const auto* pItem =
      reinterpret_cast<const CFileItem*>(::SendMessageA(hBox, CB_GETITEMDATA, selection, 0));
  return pItem == nullptr ? std::string() : std::string(pItem->m_strPath);
}

struct SideText {
  std::string letters;
  std::vector<BYTE> points;
  bool operator==(const SideText& o) const { return letters == o.letters && points == o.points; }
};

void PrintTo(const SideText& text, std::ostream* os) {
  *os << ::testing::PrintToString(text.letters) << " / " << ::testing::PrintToString(text.points);
}

class EnableProbe : public CCmdUI {
 public:
  void Enable(BOOL bOn) override {
    enabled = bOn;
    m_bEnableChanged = TRUE;
  }
  BOOL enabled = FALSE;
};

class EditClipboardTest : public EditViewFixture {
 protected:
  void TearDown() override {
    // Taking the clipboard back ends a Linux program still serving it.
    PlaceOnClipboard({});
    EditViewFixture::TearDown();
    for (const std::string& path : m_files) {
      ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      ::DeleteFileA(path.c_str());
    }
  }

  // The keys typed into the view in that input mode.
  void Type(int side, const std::string& keys) {
    Command(side == kHebrew ? ID_INPUT_HEBREW : ID_INPUT_ENGLISH);
    for (char key : keys) m_pView->SendMessage(WM_CHAR, static_cast<BYTE>(key));
  }
  SideText Side(int side) {
    SideText text;
    for (DocCharNode* c = m_pDoc->Model().GetHead(side)->next; c != nullptr; c = c->next) {
      text.letters += static_cast<char>(c->letter);
      text.points.push_back(c->point);
    }
    return text;
  }
  // The side in the program's own codes, each point after its letter.
  std::string StoredCodes(int side) {
    ZultaDocData doc;
    CollectDocumentStyles(m_pDoc->Model(), doc);
    SideText text = Side(side);
    std::vector<DWORD> attrs;
    for (DocCharNode* c = m_pDoc->Model().GetHead(side)->next; c != nullptr; c = c->next)
      attrs.push_back(c->attributes & ~CharAttrBits::kTransientMark);
    std::string stored;
    MergeLetterPoints(doc, side, text.letters, text.points, attrs, stored);
    return stored;
  }
  // What the command's update handler says.
  BOOL Enabled(UINT id) {
    EnableProbe probe;
    probe.m_nID = id;
    probe.DoUpdate(m_pView, FALSE);
    return probe.enabled;
  }
  std::string Path(const char* name) {
    m_files.push_back(TempPath(name));
    return m_files.back();
  }

  std::vector<std::string> m_files;
};

TEST_F(EditClipboardTest, CopyPutsTheProgramsCodesAnEmptyUnicodeTextAndRtf) {
  Type(kHebrew, kHebrewKeys);
  EXPECT_FALSE(Enabled(ID_EDIT_COPY)) << "Copy without a selection";
  Command(ID_EDIT_SELECT_ALL_TEXT);
  ASSERT_TRUE(Enabled(ID_EDIT_COPY));
  PlaceOnClipboard({});
  Command(ID_EDIT_COPY);
  EXPECT_EQ(ClipboardText(CF_TEXT), StoredCodes(kHebrew));
  EXPECT_EQ(ClipboardUnicode(), L"");
  EXPECT_EQ(ClipboardText(RtfFormat()).rfind("{\\rtf", 0), 0u);
}

TEST_F(EditClipboardTest, CopySpecialInStandardFormPutsWindows1255AndUnicode) {
  Type(kHebrew, kHebrewKeys);
  Command(ID_EDIT_SELECT_ALL_TEXT);
  AnswerNextDialog("Copy Special", IDC_FILTER_STANDARD);
  Command(ID_EDIT_COPY_SPECIAL);
  EXPECT_EQ(ClipboardText(CF_TEXT), "\xF9\xD1\xC8\xEC\xE5\xC9\xED");
  EXPECT_EQ(ClipboardUnicode(), L"\x05E9\x05C1\x05B8\x05DC\x05D5\x05B9\x05DD");
}

TEST_F(EditClipboardTest, PasteTakesTheRtfBeforeTheUnicodeText) {
  Type(kEnglish, "");
  PlaceOnClipboard({{CF_UNICODETEXT, Wide(L"plain")}, {RtfFormat(), "{\\rtf1\\ansi rich}"}});
  ASSERT_TRUE(Enabled(ID_EDIT_PASTE));
  Command(ID_EDIT_PASTE);
  EXPECT_EQ(Side(kEnglish).letters, "rich");
  PlaceOnClipboard({{CF_UNICODETEXT, Wide(L" plain")}});
  Command(ID_EDIT_PASTE);
  EXPECT_EQ(Side(kEnglish).letters, "rich plain");
  PlaceOnClipboard({});
  EXPECT_FALSE(Enabled(ID_EDIT_PASTE)) << "Paste with nothing to paste";
}

TEST_F(EditClipboardTest, PasteSpecialReadsStandardHebrewThroughItsFilter) {
  Type(kHebrew, "");
  // שָׁלוֹם in Windows-1255: shin, shin dot, qamats, lamed, vav, holam, final mem.
  PlaceOnClipboard({{CF_TEXT, "\xF9\xD1\xC8\xEC\xE5\xC9\xED"}});
  AnswerNextDialog("Paste Special", IDC_FILTER_STANDARD);
  Command(ID_EDIT_PASTE_SPECIAL);
  SideText expected;
  expected.letters = {static_cast<char>(HebCode::ShinShinDot), static_cast<char>(HebCode::Lamed),
                      static_cast<char>(HebCode::FinalMem)};
  expected.points = {HebCode::Qamats, HebCode::HolamMale, 0};
  EXPECT_EQ(Side(kHebrew), expected);
  // One step: undone at once.
  Command(ID_EDIT_UNDO);
  EXPECT_TRUE(Side(kHebrew).letters.empty());
}

TEST_F(EditClipboardTest, CutIsOneUndoStepAndReverseWritesTheSelectionBackwards) {
  Type(kEnglish, "abc");
  const SideText typed = Side(kEnglish);
  Command(ID_EDIT_SELECT_ALL_TEXT);
  PlaceOnClipboard({});
  Command(ID_EDIT_CUT);
  EXPECT_TRUE(Side(kEnglish).letters.empty());
  EXPECT_TRUE(m_pDoc->IsModified());
  Command(ID_EDIT_UNDO);
  EXPECT_EQ(Side(kEnglish), typed);
  Command(ID_EDIT_REDO);
  EXPECT_TRUE(Side(kEnglish).letters.empty());
  Command(ID_EDIT_PASTE);
  EXPECT_EQ(Side(kEnglish), typed);

  Command(ID_EDIT_SELECT_ALL_TEXT);
  Command(ID_EDIT_REVERSE_TEXT);
  EXPECT_EQ(Side(kEnglish).letters, "cba");
}

TEST_F(EditClipboardTest, WithTheFocusInAHebrewEditTheCommandsServeTheEdit) {
  constexpr UINT kEditId = 1001;
  CWnd* pFrame = m_app->GetMainFrame();
  ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 10, 200, 24, pFrame->m_hWnd,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kEditId)), nullptr, nullptr);
  std::unique_ptr<CHebEdit> pEdit(CreateHebEditInPlace(pFrame, kEditId, TRUE, 0));
  ASSERT_NE(pEdit, nullptr);
  const std::string bet(1, static_cast<char>(HebCode::Bet));
  pEdit->SetText(bet.c_str());
  pEdit->SetFocus();
  ASSERT_EQ(::GetFocus(), pEdit->m_hWnd);
  EXPECT_FALSE(Enabled(ID_EDIT_COPY)) << "Copy with nothing selected in the edit";
  pEdit->SelectAll();
  ASSERT_TRUE(Enabled(ID_EDIT_COPY));
  PlaceOnClipboard({});
  Command(ID_EDIT_COPY);
  EXPECT_EQ(ClipboardText(CF_TEXT), bet) << "the edit's selection was not copied";
  Command(ID_EDIT_CUT);
  CString text;
  pEdit->GetText(text);
  EXPECT_TRUE(text.IsEmpty()) << "the edit's selection was not cut";
  PlaceOnClipboard({{RtfFormat(), "{\\rtf1 x}"}});
  EXPECT_FALSE(Enabled(ID_EDIT_PASTE)) << "the edit takes no RTF";
  Command(ID_EDIT_PASTE);
  EXPECT_TRUE(Side(kHebrew).letters.empty()) << "the paste went to the document";
  pEdit->DestroyWindow();
}

TEST_F(EditClipboardTest, ACutWhoseCopyFailedKeepsTheText) {
  Type(kEnglish, "abc");
  Command(ID_EDIT_SELECT_ALL_TEXT);
  ASSERT_TRUE(::OpenClipboard(nullptr));  // held by another window
  {
    MessageBoxAnswerer answerer;
    Command(ID_EDIT_CUT);
    EXPECT_FALSE(answerer.Boxes().empty()) << "the failed copy said nothing";
  }
  ::CloseClipboard();
  EXPECT_EQ(Side(kEnglish).letters, "abc");
}

TEST_F(EditClipboardTest, SaveWritesTheFileAndAFailedSaveKeepsTheOldOneAndTheChanges) {
  Type(kEnglish, "abc");
  const std::string path = Path("ZultaClipboardSave.zlt");
  ::DeleteFileA(path.c_str());
  m_pDoc->SetPathName(path.c_str(), FALSE);
  Command(ID_FILE_SAVE);
  const std::string saved = FileBytes(path);
  ASSERT_FALSE(saved.empty()) << "Save wrote nothing";
  EXPECT_FALSE(m_pDoc->IsModified());
  EXPECT_EQ(m_pDoc->Editor().GetStepCount(), 0) << "Save keeps the undo steps";
  CFileStatus status;
  ASSERT_TRUE(CFile::GetStatus(path.c_str(), status));
  EXPECT_TRUE(m_pDoc->GetFileTime() == status.m_mtime) << "the file's time was not taken";

  Type(kEnglish, "d");
  ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  {
    MessageBoxAnswerer answerer;
    Command(ID_FILE_SAVE);
    EXPECT_FALSE(answerer.Boxes().empty()) << "the failed save said nothing";
  }
  EXPECT_EQ(FileBytes(path), saved);
  EXPECT_TRUE(m_pDoc->IsModified());
}

TEST_F(EditClipboardTest, SaveAsRunsOneDialogAtATimeAndTakesTheNewPath) {
  Type(kEnglish, "abc");
  const std::string first = Path("ZultaSaveAsFirst.zlt");
  m_pDoc->SetPathName(first.c_str(), FALSE);
  const std::string title(m_pDoc->GetTitle());
  EXPECT_TRUE(Enabled(ID_FILE_SAVE_AS));
  const std::string second = Path("ZultaSaveAsSecond.zlt");
  Command(ID_FILE_SAVE_AS);
  HWND hDlg = WaitForSaveDialog(*m_app);
  ASSERT_NE(hDlg, nullptr) << "no Save dialog";
  EXPECT_TRUE(CZultaEditDoc::IsSaveAsPending()) << "no Save As under way while its dialog was open";
  EXPECT_FALSE(Enabled(ID_FILE_SAVE_AS)) << "a second Save As while one is open";
  CString folder;
  m_pDoc->GetFolderOfPath(folder);
  EXPECT_EQ(LookInFolder(hDlg), std::string(folder))
      << "the dialog did not start in the document's folder";
  char offered[MAX_PATH] = "";
  ::GetDlgItemTextA(hDlg, IDC_FILEDLG_FILE_NAME, offered, MAX_PATH);
  EXPECT_EQ(offered, title);
  ::SetDlgItemTextA(hDlg, IDC_FILEDLG_FILE_NAME, "ZultaSaveAsSecond.zlt");
  ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(PumpUntil(*m_app, [] { return !CZultaEditDoc::IsSaveAsPending(); }));
  EXPECT_STREQ(m_pDoc->GetPathName(), second.c_str());
  EXPECT_FALSE(FileBytes(second).empty());
  EXPECT_FALSE(m_pDoc->IsModified());
  EXPECT_EQ(m_pDoc->Editor().GetStepCount(), 0) << "Save As keeps the undo steps";
}

TEST_F(EditClipboardTest, TheArchiveStoresTheFileAndLoadsItForTheView) {
  Type(kEnglish, "abc");
  const std::string path = Path("ZultaArchive.zlt");
  {
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    CArchive store(&file, CArchive::store);
    store.m_strFileName = path.c_str();
    m_pDoc->Serialize(store);
    store.Close();
  }
  ByteBuffer built;
  CString error;
  ASSERT_TRUE(m_pDoc->BuildFileBytes(path.c_str(), built, error)) << error;
  EXPECT_EQ(FileBytes(path), std::string(built.begin(), built.end()));

  CZultaEditDoc loaded;
  {
    CFile file(path.c_str(), CFile::modeRead);
    CArchive load(&file, CArchive::load);
    load.m_strFileName = path.c_str();
    loaded.Serialize(load);
  }
  EXPECT_STREQ(loaded.Editor().LoadBuffers(kEnglish).letters, "abc");
  CFileStatus status;
  ASSERT_TRUE(CFile::GetStatus(path.c_str(), status));
  EXPECT_TRUE(loaded.GetFileTime() == status.m_mtime) << "the file's time was not taken";
}

// LibreOffice Writer through the X clipboard, which is Wine's: both ways.
TEST_F(EditClipboardTest, LibreOfficeReadsTheCopyAndTheEditorPastesLibreOfficesText) {
  if (RunLinuxCommand("command -v xclip >/dev/null && command -v soffice >/dev/null") != 0)
    GTEST_SKIP() << "xclip or LibreOffice is not installed";
  const std::string work = "/tmp/zulta-clipboard-office-" + std::to_string(::GetCurrentProcessId());
  ASSERT_EQ(0, RunLinuxCommand("rm -rf '" + work + "' && mkdir -p '" + work + "'"));
  Type(kHebrew, kHebrewKeys);
  const SideText typed = Side(kHebrew);
  Command(ID_EDIT_SELECT_ALL_TEXT);
  Command(ID_EDIT_COPY);
  // X programs are offered the copy a moment after it is made.
  std::string rtf;
  WaitFor([&] {
    RunLinuxCommand("xclip -selection clipboard -o -target text/rtf > '" + work + "/copy.rtf'");
    rtf = FileBytes(LinuxPathOnDriveZ(work + "/copy.rtf"));
    return rtf.rfind("{\\rtf", 0) == 0;
  });
  ASSERT_EQ(rtf.rfind("{\\rtf", 0), 0u) << "X programs are offered no RTF";
  ASSERT_EQ(0, RunLinuxCommand(OfficeConvert(work, "txt:Text (encoded):UTF8", "copy.rtf")));
  std::string text = FileBytes(LinuxPathOnDriveZ(work + "/copy.txt"));
  const std::string bom = "\xEF\xBB\xBF";
  if (text.rfind(bom, 0) == 0) text.erase(0, bom.size());
  EXPECT_EQ(text.substr(0, text.find_first_of("\r\n")), kHebrewUtf8)
      << "LibreOffice read the copy otherwise";

  // LibreOffice's RTF of the same words, served on the X clipboard by xclip
  // until another program takes the clipboard.
  WriteFlatDocument(LinuxPathOnDriveZ(work + "/office.fodt"), kHebrewUtf8);
  ASSERT_EQ(0, RunLinuxCommand(OfficeConvert(work, "rtf", "office.fodt")));
  PlaceOnClipboard({});
  ASSERT_EQ(0,
            RunLinuxCommand("(timeout 60 xclip -quiet -selection clipboard -target text/rtf -i '" +
                            work + "/office.rtf' >/dev/null 2>&1 &)"));
  ASSERT_TRUE(WaitFor([] { return ::IsClipboardFormatAvailable(RtfFormat()) != FALSE; }))
      << "LibreOffice's RTF is not offered";
  Command(ID_EDIT_SELECT_ALL_TEXT);
  Command(ID_EDIT_PASTE);
  // LibreOffice's paragraph ends with its mark, which comes along.
  SideText expected = typed;
  expected.letters += '\r';
  expected.points.push_back(0);
  EXPECT_EQ(Side(kHebrew), expected) << "the editor pasted LibreOffice's text otherwise";
  RunLinuxCommand("rm -rf '" + work + "'");
}

}  // namespace edit_clipboard_test
