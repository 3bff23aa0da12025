// The lookup list on a window as a reader uses it, over the databases built
// from the grammar files beside the program: positioning on a typed word
// and keyword, keys copying rows into the lookup edit, Enter opening a
// row's grammar table, the search results, typing in the list, and column
// widths kept across lists; pictures kept.
#include "lexicon/win/LookupListCtrl.h"
#include "lexicon/win/LookupResultsBar.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/CHeaderCtrl.h"
#include "classlib/win/CWinApp.h"
#include "hebtext/core/MemoryProfileStore.h"
#include "hebtext/core/PointedText.h"
#include "hebtext/core/Preferences.h"
#include "hebtext/tests/win/HebrewTestFonts.h"
#include "hebtext/win/CHebEdit.h"
#include "lexicon/core/DatabaseBuildProgress.h"
#include "lexicon/core/DatabaseStartup.h"
#include "lexicon/core/DefinitionDatabaseBuild.h"
#include "lexicon/core/DefinitionKeywords.h"
#include "lexicon/core/EntryTextRenderer.h"
#include "lexicon/core/GrammarData.h"
#include "lexicon/tests/win/ProgramGrammarFolder.h"
#include "lexicon/core/GrammarWordSource.h"
#include "lexicon/core/LookupListRules.h"
#include "lexicon/core/PackedDefinitionRecord.h"
#include "lexicon/core/VerbFormText.h"
#include "testing/win/WindowCapture.h"

namespace {

constexpr UINT kEditId = 1739;
constexpr UINT kListId = 1001;
constexpr int kListWidth = 720;
constexpr int kListHeight = 300;
constexpr int kEditHeight = 30;
// As the lookup toolbar's: its owner is the lookup bar, when there is one.
constexpr DWORD kEditStyle = CHebEdit::kLookupToolbar | 8 | CHebEdit::kEnglishFont;
// שָׁלוֹם on the English keyboard.
const char kShalomKeys[] = "w]kOo";

// Keeps what the list asks to open.
class RecordingOpener : public LookupTableOpener {
 public:
  void OpenTable(const Request& request) override { requests.push_back(request); }
  std::vector<Request> requests;
};

class LookupListTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_pApp = new CWinApp("Zulta Tests");
    AddHebrewFontFiles();
    SetPreferenceStore(&s_profile);
    char temp[MAX_PATH] = {};
    ::GetTempPathA(sizeof temp, temp);
    s_folder = std::string(temp) + "zulta-lookuplist-" + std::to_string(::GetCurrentProcessId());
    std::filesystem::remove_all(s_folder);
    std::filesystem::create_directories(s_folder + "\\bin");
    for (const GrammarFileName& file : kGrammarFiles) {
      const std::string name = std::string(file.path).substr(4);  // after "bin\"
      ::CopyFileA((GrammarBinFolder() + name).c_str(), (s_folder + "\\" + file.path).c_str(),
                  FALSE);
    }
    SetGrammarFolder((s_folder + "\\").c_str());
    s_loaded = LoadGrammarData().loaded;
    EntryTextRenderer renderer;
    GrammarWordSource words(renderer);
    GrammarDefinitionSource definitions;
    SilentBuildProgress progress;
    const std::string bin = s_folder + "\\bin";
    s_built = s_loaded &&
              BuildWordDatabases(bin.c_str(), words, renderer, progress).built &&
              BuildDefinitionDatabases(bin.c_str(), definitions, DefinitionKeywordText, progress)
                  .built;
  }
  static void TearDownTestSuite() {
    FreeGrammarData();
    SetPreferenceStore(nullptr);
    std::error_code ignored;
    std::filesystem::remove_all(s_folder, ignored);
    delete s_pApp;
  }

  void SetUp() override {
    ASSERT_TRUE(s_built);
    ASSERT_TRUE(CreateShownParent(m_parent, "Lookup list test", kListWidth + 10,
                                  kListHeight + kEditHeight + 20));
    ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 240, kEditHeight,
                      m_parent.GetSafeHwnd(), reinterpret_cast<HMENU>(kEditId), nullptr, nullptr);
    m_pEdit = CreateHebEditInPlace(&m_parent, kEditId, TRUE, kEditStyle);
    ASSERT_NE(nullptr, m_pEdit);
    CreateList();
  }
  void TearDown() override {
    DestroyList();
    m_pEdit->DestroyWindow();
    delete m_pEdit;
    m_parent.DestroyWindow();
    PumpPending();
    CHandleMapBase::DeleteAllTemp();
  }

  void CreateList() {
    m_pList = new CLookupListCtrl((s_folder + "\\bin").c_str());
    ASSERT_TRUE(m_pList->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP,
                                CRect(0, kEditHeight, kListWidth, kEditHeight + kListHeight),
                                &m_parent, kListId, m_pEdit));
    m_pList->SetTableOpener(&m_opener);
  }
  void DestroyList() {
    m_pList->DestroyWindow();
    delete m_pList;
    m_pList = nullptr;
  }
  // As the bar switches modes.
  void SwitchTo(int mode, int rows) {
    // The frame turns the edit to English for keywords.
    m_pEdit->SetRightToLeft(mode != kLookupKeywordList);
    m_pList->DeleteColumns();
    m_pList->SetMode(mode);
    m_pList->InsertColumns();
    m_pList->CountVisibleRows();
    m_pList->SetRowCount(rows);
  }
  std::string EditText() const {
    CString text;
    m_pEdit->GetText(text);
    return static_cast<LPCSTR>(text);
  }
  static HebWordRec Word(LPCSTR singleString) {
    HebWordRec word = {};
    SplitLettersAndVowels(singleString, word.letters, word.vowels, kWordPlaneSize, 0);
    return word;
  }
  void Picture(const std::string& name) {
    m_parent.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpPending();
    SaveScreenshot(CaptureWindow(m_parent.GetSafeHwnd()), name);
  }
  void Key(UINT key) {
    m_pList->SendMessage(WM_KEYDOWN, key, 0);
    PumpPending();
  }

  static CWinApp* s_pApp;
  static MemoryProfileStore s_profile;
  static std::string s_folder;
  static bool s_loaded;
  static bool s_built;
  CWnd m_parent;
  CHebEdit* m_pEdit = nullptr;
  CLookupListCtrl* m_pList = nullptr;
  RecordingOpener m_opener;
};
CWinApp* LookupListTest::s_pApp = nullptr;
MemoryProfileStore LookupListTest::s_profile;
std::string LookupListTest::s_folder;
bool LookupListTest::s_loaded = false;
bool LookupListTest::s_built = false;

TEST_F(LookupListTest, AReaderLooksUpWordsKeywordsAndSearchResults) {
  // The Hebrew list follows the typed word and copies the rows it moves to.
  const int wordRows = static_cast<int>(m_pList->GetWordRowCount());
  ASSERT_GT(wordRows, 0);
  SwitchTo(kLookupHebrewList, wordRows);
  const CString typed = m_pList->GetRowEditText(wordRows / 2);
  const int row = m_pList->FindWordRow(Word(typed));
  ASSERT_GE(row, 0);
  EXPECT_LE(row, wordRows / 2);
  EXPECT_EQ(static_cast<LPCSTR>(typed), std::string(m_pList->GetRowEditText(row)));
  m_pList->SelectRow(row, TRUE);
  PumpPending();
  EXPECT_EQ(row, m_pList->GetSelectedItem());
  EXPECT_EQ("", EditText());  // quietly: the edit keeps its text
  Key(VK_DOWN);
  EXPECT_EQ(row + 1, m_pList->GetSelectedItem());
  EXPECT_EQ(std::string(m_pList->GetRowEditText(row + 1)), EditText());
  Key(VK_HOME);
  EXPECT_EQ(0, m_pList->GetSelectedItem());
  Key(VK_UP);
  EXPECT_EQ(0, m_pList->GetSelectedItem());
  Key(VK_END);
  EXPECT_EQ(wordRows - 1, m_pList->GetSelectedItem());
  // Enter on a verb row opens the verb table with the row's record.
  m_pList->SelectRow(row, TRUE);
  Key(VK_RETURN);
  ASSERT_EQ(1u, m_opener.requests.size());
  EXPECT_EQ(m_pList->GetRowRecord(row).fields, m_opener.requests[0].record.fields);
  CRect rowRect;
  m_pList->GetItemRect(row, &rowRect, LVIR_BOUNDS);
  EXPECT_GT(rowRect.Height(), 10);
  Picture("lookup-list-words");

  // The keyword list positions on "write" and opens its verb.
  const int keywordRows = static_cast<int>(m_pList->GetDefinitionRowCount());
  ASSERT_GT(keywordRows, 0);
  SwitchTo(kLookupKeywordList, keywordRows);
  const int write = m_pList->FindDefinitionRow("write");
  ASSERT_GE(write, 0);
  EXPECT_EQ(0, _strnicmp(m_pList->GetRowEditText(write), "write", 5));
  int verbRow = -1;
  for (int r = write; r < keywordRows && verbRow < 0; ++r) {
    UnpackedDefinitionRec record{};
    const int kind = DecodeDefinitionRecord(m_pList->GetDefinitionRecord(r), record);
    if (kind == kKindVerb && (record.binyanMask & (record.binyanMask - 1)) == 0) verbRow = r;
  }
  ASSERT_GE(verbRow, 0);
  m_pList->SelectRow(verbRow, FALSE);
  PumpPending();
  EXPECT_EQ(std::string(m_pList->GetRowEditText(verbRow)), EditText());
  m_opener.requests.clear();
  Key(VK_RETURN);
  ASSERT_EQ(1u, m_opener.requests.size());
  EXPECT_EQ(0, m_opener.requests[0].tab);
  EXPECT_EQ(std::string(m_pList->GetRowEditText(verbRow)),
            static_cast<LPCSTR>(m_opener.requests[0].caption));
  Picture("lookup-list-keywords");
  // A letter typed in the keyword list starts a new look-up in the edit.
  m_pList->SendMessage(WM_CHAR, 'r', 0);
  PumpPending();
  EXPECT_EQ("r", EditText());

  // The search results of an inflected form: its verb, then its table.
  EntryTextRenderer renderer;
  LookupData data((s_folder + "\\bin").c_str(), renderer);
  data.SetReady(true);
  LookupResults results;
  SwitchTo(kLookupHebrewList, wordRows);
  const HebWordRec form = Word(m_pList->GetRowEditText(row));
  ASSERT_TRUE(SearchLookupWord(data, form, results));
  m_pList->SetResults(results);
  SwitchTo(kLookupSearchResults, static_cast<int>(results.hits.size()));
  m_pList->SelectRow(0, TRUE);
  m_pEdit->SetText("");
  m_pList->SendMessage(WM_CHAR, 'w', 0);
  PumpPending();
  EXPECT_EQ("", EditText());  // typing in the results does nothing
  m_opener.requests.clear();
  Key(VK_RETURN);
  EXPECT_EQ(GrammarTabForKind(DecodeWordRecord(results.hits[0].record.fields, 0, nullptr)) >= 0
                ? 1u
                : 0u,
            m_opener.requests.size());
  Picture("lookup-list-results");

  // Column widths are kept for the next list.
  m_pList->SetColumnWidth(0, 123);
  DestroyList();
  EXPECT_EQ(0u, std::string(s_profile.GetProfileString("Preferences", "DBWordsColumnWidths", ""))
                    .find("123|"));
  CreateList();
  SwitchTo(kLookupSearchResults, 0);
  EXPECT_EQ(123, m_pList->GetColumnWidth(0));
}

// The items of the popup menu that opens next, read and the menu closed from
// a timer that runs in the menu's loop.
class MenuReader {
 public:
  MenuReader() {
    s_items.clear();
    m_timer = ::SetTimer(nullptr, 0, kIntervalMs, &OnTimer);
  }
  ~MenuReader() { ::KillTimer(nullptr, m_timer); }
  static std::vector<std::string> s_items;

 private:
  static constexpr UINT kIntervalMs = 20;
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    HWND hPopup = ::FindWindowA("#32768", nullptr);
    if (hPopup == nullptr || !s_items.empty()) return;
    HMENU hMenu = reinterpret_cast<HMENU>(::SendMessageA(hPopup, MN_GETHMENU, 0, 0));
    for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i) {
      char text[64] = {};
      ::GetMenuStringA(hMenu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
      s_items.push_back(text);
    }
    ::EndMenu();
  }
  UINT_PTR m_timer = 0;
};
std::vector<std::string> MenuReader::s_items;

TEST_F(LookupListTest, AVerbKeywordOfSeveralBinyanimOffersThemInAMenu) {
  const int keywordRows = static_cast<int>(m_pList->GetDefinitionRowCount());
  SwitchTo(kLookupKeywordList, keywordRows);
  int row = -1;
  UnpackedDefinitionRec record{};
  for (int r = 0; r < keywordRows && row < 0; ++r)
    if (DecodeDefinitionRecord(m_pList->GetDefinitionRecord(r), record) == kKindVerb &&
        MaskBinyanim(record.binyanMask).size() >= 3)
      row = r;
  ASSERT_GE(row, 0);
  const std::vector<int> binyanim = MaskBinyanim(record.binyanMask);
  m_pList->SelectRow(row, TRUE);
  {
    MenuReader reader;
    Key(VK_RETURN);
    ASSERT_EQ(binyanim.size(), MenuReader::s_items.size());
    for (size_t i = 0; i < binyanim.size(); ++i)
      EXPECT_EQ(BinyanMenuLabel(static_cast<int>(i + 1), binyanim[i]), MenuReader::s_items[i]);
  }
  EXPECT_TRUE(m_opener.requests.empty());
  // Choosing the last item opens the verb in that binyan.
  m_pList->SendMessage(WM_COMMAND, CLookupListCtrl::kBinyanCommand + binyanim.back(), 0);
  ASSERT_EQ(1u, m_opener.requests.size());
  UnpackedWordRec opened;
  ASSERT_EQ(kKindVerb, DecodeWordRecord(m_opener.requests[0].record.fields, 0, &opened));
  EXPECT_EQ(binyanim.back(), opened.binyan);
  EXPECT_EQ(record.entryIndex, opened.entryIndex);
  EXPECT_EQ(0, m_opener.requests[0].tab);

  // A divider's double click fits the Binyan column to its widest text.
  const int before = m_pList->GetColumnWidth(kDefColBinyan);
  NMHEADERA header = {};
  header.hdr.hwndFrom = m_pList->GetHeaderCtrl()->GetSafeHwnd();
  header.hdr.code = HDN_DIVIDERDBLCLICKA;
  header.iItem = kDefColBinyan;
  m_pList->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
  EXPECT_NE(before, m_pList->GetColumnWidth(kDefColBinyan));
  Picture("lookup-list-fitted-column");
}

TEST_F(LookupListTest, TheBarFollowsTypingSearchesAndKeepsEachMode) {
  DestroyList();
  CLookupResultsBar bar;
  bar.SetLookupEdit(m_pEdit);
  bar.SetBinFolder((s_folder + "\\bin").c_str());
  bar.SetTableOpener(&m_opener);
  ASSERT_TRUE(bar.Create(nullptr, "", WS_CHILD | WS_VISIBLE,
                         CRect(0, kEditHeight, kListWidth, kEditHeight + kListHeight), &m_parent,
                         AFX_IDW_PANE_FIRST));
  CLookupListCtrl& list = *bar.GetList();
  const auto type = [&](const std::string& keys) {
    for (char c : keys) m_pEdit->SendMessage(WM_CHAR, static_cast<BYTE>(c), 0);
    PumpPending();
  };

  // Word mode: "shalom" typed on the English keyboard positions the list.
  type(kShalomKeys);
  const int shalom = list.FindWordRow(Word(EditText().c_str()));
  ASSERT_GE(shalom, 0);
  EXPECT_EQ(shalom, list.GetSelectedItem());
  Picture("lookup-bar-words");

  // Definition mode: "write" positions on its keyword.
  bar.SaveModeState();
  m_pEdit->SetRightToLeft(FALSE);
  bar.SetMode(kLookupKeywordList);
  EXPECT_EQ("", EditText());
  type("write");
  ASSERT_GE(list.GetSelectedItem(), 0);
  EXPECT_EQ(0, _strnicmp(list.GetRowEditText(list.GetSelectedItem()), "write", 5));
  Picture("lookup-bar-keywords");

  // Search mode: a form found by Enter opens its first hit's table.
  bar.SaveModeState();
  m_pEdit->SetRightToLeft(TRUE);
  bar.SetMode(kLookupSearchResults);
  EXPECT_EQ(0, list.GetItemCount());
  bar.SendMessage(WM_COMMAND, CHebEdit::kEnterCommand, 0);  // empty: nothing
  EXPECT_EQ(0, list.GetItemCount());
  list.SetMode(kLookupHebrewList);
  const CString form = list.GetRowEditText(shalom);
  list.SetMode(kLookupSearchResults);
  m_pEdit->SetText(form);
  m_opener.requests.clear();
  bar.SendMessage(WM_COMMAND, CHebEdit::kEnterCommand, 0);
  PumpPending();
  const int hits = list.GetItemCount();
  ASSERT_GT(hits, 0);
  EXPECT_EQ(0, list.GetSelectedItem());
  EXPECT_EQ(1u, m_opener.requests.size());
  Picture("lookup-bar-results");
  // A search that finds nothing leaves the results.
  m_pEdit->SetText("\xFA\xFA\xFA\xFA\xFA");
  bar.SendMessage(WM_COMMAND, CHebEdit::kEnterCommand, 0);
  PumpPending();
  EXPECT_EQ(hits, list.GetItemCount());
  m_pEdit->SetText(form);

  // To word mode and back: the typed word, hits and selected hit return.
  bar.SaveModeState();
  bar.SetMode(kLookupHebrewList);
  EXPECT_EQ(list.GetWordRowCount(), static_cast<DWORD>(list.GetItemCount()));
  EXPECT_EQ(shalom, list.GetSelectedItem());
  bar.SaveModeState();
  bar.SetMode(kLookupSearchResults);
  EXPECT_EQ(static_cast<LPCSTR>(form), EditText());
  EXPECT_EQ(hits, list.GetItemCount());
  EXPECT_EQ(0, list.GetSelectedItem());
  bar.DestroyWindow();
  CreateList();
}

}  // namespace
