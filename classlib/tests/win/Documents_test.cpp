// Documents and their templates: new documents, opening and saving files,
// what a failed open or save leaves behind, the save prompt, the recent-file
// list in the menu and the profile, and the command line.
#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "DocumentTestIds.h"
#include "classlib/core/CArchive.h"
#include "classlib/core/CArchiveException.h"
#include "classlib/core/CCommandLineInfo.h"
#include "classlib/tests/core/ScratchDir.h"
#include "classlib/tests/win/WndTestSupport.h"
#include "classlib/win/CDocManager.h"
#include "classlib/win/CDocument.h"
#include "classlib/win/CFrameWnd.h"
#include "classlib/win/CMenu.h"
#include "classlib/win/CMultiDocTemplate.h"
#include "classlib/win/CRecentFileList.h"
#include "classlib/win/CView.h"
#include "classlib/win/NewDocumentDialog.h"
#include "testing/win/MessageBoxes.h"

namespace {

constexpr char kCompanyKey[] = "Zulta Document Tests";

// A document of one text; a flag makes its next Serialize fail half-way.
class CDocTestText : public CDocument {
  DECLARE_DYNCREATE(CDocTestText)
 public:
  CDocTestText() { ++s_nAlive; }
  ~CDocTestText() override { --s_nAlive; }
  void Serialize(CArchive& ar) override {
    if (ar.IsStoring()) {
      ar << m_strText;
      if (s_bFailNextSerialize) {
        s_bFailNextSerialize = false;
        AfxThrowArchiveException(CArchiveException::generic, ar.m_strFileName);
      }
    } else {
      ar >> m_strText;
    }
  }
  void DeleteContents() override { m_strText.Empty(); }

  CString m_strText;
  static int s_nAlive;
  static bool s_bFailNextSerialize;
};
IMPLEMENT_DYNCREATE(CDocTestText, CDocument)
int CDocTestText::s_nAlive = 0;
bool CDocTestText::s_bFailNextSerialize = false;

class CDocTestView : public CView {
  DECLARE_DYNCREATE(CDocTestView)
 public:
  void OnDraw(CDC*) override {}
};
IMPLEMENT_DYNCREATE(CDocTestView, CView)

// A frame that no window manager waits on: a bordered popup, shown without
// being activated.
class CDocTestFrame : public CFrameWnd {
  DECLARE_DYNCREATE(CDocTestFrame)
 public:
  CDocTestFrame() { ++s_nAlive; }
  ~CDocTestFrame() override { --s_nAlive; }
  BOOL PreCreateWindow(CREATESTRUCTA& cs) override {
    if (!CFrameWnd::PreCreateWindow(cs)) return FALSE;
    cs.style = WS_POPUP | WS_BORDER | FWS_ADDTOTITLE;
    cs.x = cs.y = 20;
    cs.cx = 240;
    cs.cy = 160;
    return TRUE;
  }
  void ActivateFrame(int) override { ShowWindow(SW_SHOWNA); }
  static int s_nAlive;
};
IMPLEMENT_DYNCREATE(CDocTestFrame, CFrameWnd)
int CDocTestFrame::s_nAlive = 0;

// Answers the Save As prompt with m_strSaveAsAnswer (empty: cancelled).
class CDocTestApp : public CWinApp {
 public:
  CDocTestApp() : CWinApp("Zulta Document Tests") {}
  BOOL DoPromptFileName(CString& fileName, UINT, DWORD, BOOL, CDocTemplate*) override {
    ++m_nPrompts;
    if (m_strSaveAsAnswer.IsEmpty()) return FALSE;
    fileName = m_strSaveAsAnswer;
    return TRUE;
  }
  CRecentFileList* RecentFiles() { return m_pRecentFileList; }

  CString m_strSaveAsAnswer;
  int m_nPrompts = 0;
};

std::vector<std::string> MessageTexts(const MessageBoxAnswerer& answerer) {
  std::vector<std::string> texts;
  for (const ShownMessageBox& box : answerer.Boxes()) texts.push_back(box.texts);
  return texts;
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

class DocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteCompanyKey();
    m_pTemplate = new CMultiDocTemplate(IDR_DOCTEST_TEXT, RUNTIME_CLASS(CDocTestText),
                                        RUNTIME_CLASS(CDocTestFrame), RUNTIME_CLASS(CDocTestView));
    m_app.AddDocTemplate(m_pTemplate);
  }
  void TearDown() override {
    m_app.CloseAllDocuments(FALSE);
    PumpPending();
    CHandleMapBase::DeleteAllTemp();
    DeleteCompanyKey();
    EXPECT_EQ(0, CDocTestText::s_nAlive) << "every document went";
    EXPECT_EQ(0, CDocTestFrame::s_nAlive) << "every frame went";
  }
  static void DeleteCompanyKey() {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\") + kCompanyKey).c_str());
  }

  // A new modified document in a hidden frame: a message box that closes
  // gives the activation back to no frame of the test.
  CDocTestText* NewText(const char* text) {
    auto* pDoc = static_cast<CDocTestText*>(m_pTemplate->OpenDocumentFile(nullptr, FALSE));
    pDoc->m_strText = text;
    pDoc->SetModifiedFlag();
    return pDoc;
  }
  CDocument* LastDocument() const {
    CDocument* pLast = nullptr;
    for (POSITION pos = m_pTemplate->GetFirstDocPosition(); pos != nullptr;)
      pLast = m_pTemplate->GetNextDoc(pos);
    return pLast;
  }
  int DocumentCount() { return m_app.GetOpenDocumentCount(); }
  static CFrameWnd* FirstFrameOf(CDocument* pDoc) {
    POSITION pos = pDoc->GetFirstViewPosition();
    return pos != nullptr ? pDoc->GetNextView(pos)->GetParentFrame() : nullptr;
  }
  // The full path the documents keep for a file of the scratch folder.
  std::string FullPath(const std::string& name) const {
    char szFull[MAX_PATH];
    ::GetFullPathNameA(m_dir.Path(name).c_str(), MAX_PATH, szFull, nullptr);
    return szFull;
  }
  // A file as this document class stores it.
  std::string WriteTextFile(const std::string& name, const std::string& text) const {
    return m_dir.Write(name, std::string(1, static_cast<char>(text.size())) + text);
  }
  int FilesInFolder() const {
    int nFiles = 0;
    for (const auto& entry : std::filesystem::directory_iterator(m_dir.Path(""))) {
      (void)entry;
      ++nFiles;
    }
    return nFiles;
  }

  CDocTestApp m_app;
  CMultiDocTemplate* m_pTemplate = nullptr;
  ScratchDir m_dir;
};

TEST_F(DocumentTest, TheTemplateReadsItsDocumentString) {
  struct Case {
    CDocTemplate::DocStringIndex index;
    const char* expected;
  };
  // clang-format off
  const Case cases[] = {
    {CDocTemplate::windowTitle, "Texts"},
    {CDocTemplate::docName, "Text"},
    {CDocTemplate::fileNewName, "Text Document"},
    {CDocTemplate::filterName, "Text Files (*.txt)"},
    {CDocTemplate::filterExt, ".txt"},
    {CDocTemplate::regFileTypeId, "Test.Text"},
    {CDocTemplate::regFileTypeName, "Test Text"},
  };
  // clang-format on
  for (const Case& c : cases) {
    CString strField;
    EXPECT_TRUE(m_pTemplate->GetDocString(strField, c.index));
    EXPECT_STREQ(c.expected, strField) << c.index;
  }
  EXPECT_NE(nullptr, m_pTemplate->m_hMenuShared) << "the template's menu is loaded";
}

TEST_F(DocumentTest, NewDocumentsAreNumberedInTheirOwnFrames) {
  m_app.OnFileNew();
  CDocument* pFirst = LastDocument();
  m_app.OnFileNew();
  CDocument* pSecond = LastDocument();
  EXPECT_STREQ("Text1", pFirst->GetTitle());
  EXPECT_STREQ("Text2", pSecond->GetTitle());
  EXPECT_TRUE(pFirst->GetPathName().IsEmpty());
  EXPECT_EQ(m_pTemplate, pFirst->GetDocTemplate());
  CFrameWnd* pFrame = FirstFrameOf(pFirst);
  ASSERT_NE(nullptr, pFrame);
  EXPECT_TRUE(pFrame->IsKindOf(RUNTIME_CLASS(CDocTestFrame)));
  EXPECT_NE(pFrame, FirstFrameOf(pSecond));
  EXPECT_EQ(pFirst, pFrame->GetActiveDocument());
  EXPECT_EQ(0, pFrame->m_nWindow) << "a document in one frame is not numbered";
}

TEST_F(DocumentTest, ASecondFrameNumbersTheDocumentsFrames) {
  CDocTestText* pDoc = NewText("");
  CFrameWnd* pFirst = FirstFrameOf(pDoc);
  CFrameWnd* pSecond = m_pTemplate->CreateNewFrame(pDoc, pFirst);
  ASSERT_NE(nullptr, pSecond);
  m_pTemplate->InitialUpdateFrame(pSecond, pDoc);
  EXPECT_EQ(1, pFirst->m_nWindow);
  EXPECT_EQ(2, pSecond->m_nWindow);

  // Closing one frame of two loses nothing and asks nothing.
  EXPECT_TRUE(pDoc->CanCloseFrame(pSecond));
  pSecond->DestroyWindow();
  EXPECT_EQ(0, pFirst->m_nWindow) << "the one frame left is not numbered";
}

TEST_F(DocumentTest, SavingAndOpeningMakeTheRoundTrip) {
  CDocTestText* pDoc = NewText("shalom");
  const std::string path = m_dir.Path("greeting.txt");
  ASSERT_TRUE(pDoc->DoSave(path.c_str()));
  EXPECT_FALSE(pDoc->IsModified());
  EXPECT_STREQ(FullPath("greeting.txt").c_str(), pDoc->GetPathName());
  EXPECT_STREQ("greeting.txt", pDoc->GetTitle());
  EXPECT_EQ(std::string("\x06shalom"), m_dir.Read("greeting.txt"));
  EXPECT_EQ(1, FilesInFolder()) << "no temporary file is left";
  pDoc->OnCloseDocument();

  auto* pOpened = static_cast<CDocTestText*>(m_app.OpenDocumentFile(path.c_str()));
  ASSERT_NE(nullptr, pOpened);
  EXPECT_STREQ("shalom", pOpened->m_strText);
  EXPECT_FALSE(pOpened->IsModified());
  EXPECT_STREQ("greeting.txt", pOpened->GetTitle());
  EXPECT_NE(nullptr, FirstFrameOf(pOpened));
}

TEST_F(DocumentTest, OpeningAnOpenFileGivesItsDocument) {
  const std::string path = WriteTextFile("once.txt", "once");
  CDocument* pDoc = m_app.OpenDocumentFile(path.c_str());
  ASSERT_NE(nullptr, pDoc);
  std::string upper = path;
  for (char& ch : upper) ch = static_cast<char>(::toupper(static_cast<unsigned char>(ch)));
  EXPECT_EQ(pDoc, m_app.OpenDocumentFile(upper.c_str())) << "file names compare without case";
  EXPECT_EQ(1, DocumentCount());
}

TEST_F(DocumentTest, AFailedSaveKeepsTheDocumentModifiedAndTheFileWhole) {
  struct Case {
    const char* what;
    std::string target;
    bool bFailSerialize;
    bool bReadOnlyTarget;
    const char* expectedMessagePart;
  };
  const std::string oldFile = WriteTextFile("kept.txt", "old");
  // clang-format off
  const Case cases[] = {
    {"the document cannot be stored", oldFile, true, false, "kept.txt"},
    {"the folder does not exist", m_dir.Path("missing\\kept.txt"), false, false, "kept.txt"},
    {"the file is read-only", oldFile, false, true, "kept.txt"},
  };
  // clang-format on
  for (const Case& c : cases) {
    auto* pDoc = static_cast<CDocTestText*>(m_pTemplate->OpenDocumentFile(oldFile.c_str(), FALSE));
    ASSERT_NE(nullptr, pDoc) << c.what;
    pDoc->m_strText = "new";
    pDoc->SetModifiedFlag();
    CDocTestText::s_bFailNextSerialize = c.bFailSerialize;
    if (c.bReadOnlyTarget) ::SetFileAttributesA(oldFile.c_str(), FILE_ATTRIBUTE_READONLY);
    {
      MessageBoxAnswerer answerer(IDOK);
      EXPECT_FALSE(pDoc->DoSave(c.target.c_str())) << c.what;
      ASSERT_EQ(1u, answerer.Boxes().size()) << c.what << ": the user is told";
      EXPECT_TRUE(Contains(answerer.Boxes()[0].texts, c.expectedMessagePart))
          << c.what << ": " << answerer.Boxes()[0].texts;
    }
    ::SetFileAttributesA(oldFile.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(pDoc->IsModified()) << c.what;
    EXPECT_STREQ(FullPath("kept.txt").c_str(), pDoc->GetPathName()) << c.what;
    EXPECT_EQ(std::string("\x03old"), m_dir.Read("kept.txt")) << c.what;
    EXPECT_EQ(1, FilesInFolder()) << c.what << ": no temporary file is left";
    pDoc->SetModifiedFlag(FALSE);
    pDoc->OnCloseDocument();
  }
}

TEST_F(DocumentTest, AFailedOpenLeavesNoDocumentOrFrame) {
  struct Case {
    const char* what;
    std::string path;
    const char* expectedMessagePart;
  };
  // clang-format off
  const Case cases[] = {
    {"a missing file", m_dir.Path("absent.txt"), "absent.txt"},
    // The length says ten characters; two follow.
    {"a file that ends early", m_dir.Write("short.txt", "\x0Ahi"), "short.txt"},
  };
  // clang-format on
  for (const Case& c : cases) {
    MessageBoxAnswerer answerer(IDOK);
    EXPECT_EQ(nullptr, m_app.OpenDocumentFile(c.path.c_str())) << c.what;
    ASSERT_EQ(1u, answerer.Boxes().size()) << c.what << ": the user is told why";
    EXPECT_TRUE(Contains(answerer.Boxes()[0].texts, c.expectedMessagePart))
        << c.what << ": " << answerer.Boxes()[0].texts;
    EXPECT_EQ(0, DocumentCount()) << c.what;
    EXPECT_EQ(0, CDocTestText::s_nAlive) << c.what;
    EXPECT_EQ(0, CDocTestFrame::s_nAlive) << c.what;
  }
}

TEST_F(DocumentTest, TheSavePromptDoesWhatTheAnswerSays) {
  struct Case {
    int nAnswer;
    const char* saveAsAnswer;
    BOOL expectedResult;
    bool bExpectSaved;
  };
  // clang-format off
  const Case cases[] = {
    {IDYES, "answer.txt", TRUE, true},
    {IDYES, "", FALSE, false},  // Save As cancelled
    {IDNO, "answer.txt", TRUE, false},
    {IDCANCEL, "answer.txt", FALSE, false},
  };
  // clang-format on
  for (const Case& c : cases) {
    CDocTestText* pDoc = NewText("asked");
    const std::string title = static_cast<LPCSTR>(pDoc->GetTitle());
    m_app.m_strSaveAsAnswer = *c.saveAsAnswer ? m_dir.Path(c.saveAsAnswer).c_str() : "";
    BOOL bResult;
    std::vector<std::string> texts;
    {
      MessageBoxAnswerer answerer(c.nAnswer);
      bResult = pDoc->SaveModified();
      texts = MessageTexts(answerer);
    }
    ASSERT_EQ(1u, texts.size()) << c.nAnswer;
    EXPECT_TRUE(Contains(texts[0], "Save changes to " + title + "?")) << texts[0];
    EXPECT_EQ(c.expectedResult, bResult) << c.nAnswer << " " << c.saveAsAnswer;
    EXPECT_EQ(c.bExpectSaved, !pDoc->IsModified()) << c.nAnswer << " " << c.saveAsAnswer;
    EXPECT_EQ(c.bExpectSaved, std::filesystem::exists(m_dir.Path("answer.txt")));
    std::filesystem::remove(m_dir.Path("answer.txt"));
    pDoc->SetModifiedFlag(FALSE);
    pDoc->OnCloseDocument();
  }
  // An unmodified document is not asked about.
  CDocTestText* pDoc = NewText("");
  pDoc->SetModifiedFlag(FALSE);
  MessageBoxAnswerer answerer(IDCANCEL);
  EXPECT_TRUE(pDoc->SaveModified());
  EXPECT_TRUE(answerer.Boxes().empty());
}

TEST_F(DocumentTest, FileCloseOfAModifiedDocumentAsksFirst) {
  struct Case {
    int nAnswer;
    bool bExpectOpen;
  };
  for (const Case& c : {Case{IDCANCEL, true}, Case{IDNO, false}}) {
    CDocTestText* pDoc = NewText("unsaved");
    {
      MessageBoxAnswerer answerer(c.nAnswer);
      pDoc->OnCmdMsg(ID_FILE_CLOSE, CN_COMMAND, nullptr, nullptr);
      EXPECT_EQ(1u, answerer.Boxes().size());
    }
    EXPECT_EQ(c.bExpectOpen ? 1 : 0, DocumentCount()) << c.nAnswer;
    EXPECT_EQ(c.bExpectOpen ? 1 : 0, CDocTestFrame::s_nAlive) << c.nAnswer;
    m_app.CloseAllDocuments(FALSE);
  }
}

TEST_F(DocumentTest, SaveAsOffersTheTitleAndTakesTheChosenPath) {
  CDocTestText* pDoc = NewText("named");
  m_app.m_strSaveAsAnswer = m_dir.Path("chosen.txt").c_str();
  EXPECT_TRUE(pDoc->OnCmdMsg(ID_FILE_SAVE, CN_COMMAND, nullptr, nullptr));
  EXPECT_EQ(1, m_app.m_nPrompts) << "an untitled document is saved as";
  EXPECT_STREQ(FullPath("chosen.txt").c_str(), pDoc->GetPathName());
  EXPECT_STREQ("chosen.txt", pDoc->GetTitle());

  // Save goes to the document's own file without asking.
  pDoc->m_strText = "renamed";
  pDoc->SetModifiedFlag();
  pDoc->OnCmdMsg(ID_FILE_SAVE, CN_COMMAND, nullptr, nullptr);
  EXPECT_EQ(1, m_app.m_nPrompts);
  EXPECT_EQ(std::string("\x07renamed"), m_dir.Read("chosen.txt"));
}

TEST_F(DocumentTest, FileNewOffersTheKindsOfDocument) {
  m_app.AddDocTemplate(new CMultiDocTemplate(IDR_DOCTEST_SKETCH, RUNTIME_CLASS(CDocTestText),
                                             RUNTIME_CLASS(CDocTestFrame),
                                             RUNTIME_CLASS(CDocTestView)));
  struct Case {
    int nChoice;  // -1: Cancel
    const char* expectedTitle;
  };
  // clang-format off
  const Case cases[] = {
    {0, "Text1"},
    {1, "Sketch1"},
    {-1, nullptr},
  };
  // clang-format on
  for (const Case& c : cases) {
    // Answered from a timer in the dialog's own loop.
    static int s_nChoice;
    static std::vector<std::string> s_offered;
    s_nChoice = c.nChoice;
    s_offered.clear();
    UINT_PTR timer = ::SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) {
      HWND hDialog = ::FindWindowA("#32770", "New");
      if (hDialog == nullptr) return;
      HWND hList = ::GetDlgItem(hDialog, kNewDocumentTypeList);
      for (int i = 0; i < ::SendMessageA(hList, LB_GETCOUNT, 0, 0); ++i) {
        char szItem[64] = "";
        ::SendMessageA(hList, LB_GETTEXT, i, reinterpret_cast<LPARAM>(szItem));
        s_offered.push_back(szItem);
      }
      if (s_nChoice >= 0) ::SendMessageA(hList, LB_SETCURSEL, s_nChoice, 0);
      ::PostMessageA(hDialog, WM_COMMAND, s_nChoice >= 0 ? IDOK : IDCANCEL, 0);
    });
    const int nBefore = DocumentCount();
    m_app.OnFileNew();
    ::KillTimer(nullptr, timer);
    EXPECT_EQ((std::vector<std::string>{"Text Document", "Sketch"}), s_offered);
    if (c.expectedTitle == nullptr) {
      EXPECT_EQ(nBefore, DocumentCount());
      continue;
    }
    ASSERT_EQ(nBefore + 1, DocumentCount());
    CDocument* pNewest = nullptr;
    for (POSITION pos = m_app.GetFirstDocTemplatePosition(); pos != nullptr;) {
      CDocTemplate* pTemplate = m_app.GetNextDocTemplate(pos);
      for (POSITION posDoc = pTemplate->GetFirstDocPosition(); posDoc != nullptr;) {
        CDocument* pDoc = pTemplate->GetNextDoc(posDoc);
        if (pDoc->GetTitle() == c.expectedTitle) pNewest = pDoc;
      }
    }
    EXPECT_NE(nullptr, pNewest) << c.expectedTitle;
  }
}

TEST_F(DocumentTest, FileOpenOffersTheTemplatesFiltersAndOpensTheChosenFile) {
  m_app.AddDocTemplate(new CMultiDocTemplate(IDR_DOCTEST_SKETCH, RUNTIME_CLASS(CDocTestText),
                                             RUNTIME_CLASS(CDocTestFrame),
                                             RUNTIME_CLASS(CDocTestView)));
  const std::string file = WriteTextFile("chosen.txt", "picked");
  // Answered from a timer in the dialog's own loop: the filters are read,
  // the file name typed and OK pressed.
  constexpr int kFileTypeCombo = 0x470;
  constexpr int kFileNameCombo = 0x47C;
  static std::string s_file;
  static std::vector<std::string> s_filters;
  s_file = file;
  s_filters.clear();
  UINT_PTR timer = ::SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
    HWND hDialog = ::FindWindowA("#32770", "Open");
    if (hDialog == nullptr || !s_filters.empty()) return;
    HWND hTypes = ::GetDlgItem(hDialog, kFileTypeCombo);
    for (int i = 0; i < ::SendMessageA(hTypes, CB_GETCOUNT, 0, 0); ++i) {
      char szItem[128] = "";
      ::SendMessageA(hTypes, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(szItem));
      s_filters.push_back(szItem);
    }
    ::SetDlgItemTextA(hDialog, kFileNameCombo, s_file.c_str());
    ::PostMessageA(hDialog, WM_COMMAND, IDOK, 0);
  });
  m_app.OnFileOpen();
  ::KillTimer(nullptr, timer);
  EXPECT_EQ((std::vector<std::string>{"Text Files (*.txt)", "Sketch Files (*.skt;*.sk2)",
                                      "All Files (*.*)"}),
            s_filters);
  ASSERT_EQ(1, DocumentCount());
  EXPECT_STREQ("picked", static_cast<CDocTestText*>(LastDocument())->m_strText);
}

TEST_F(DocumentTest, AShortcutOpensItsTarget) {
  ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)));
  const std::string target = WriteTextFile("target.txt", "aim");
  const std::string shortcut = m_dir.Path("target.lnk");
  {
    IShellLinkA* pLink = nullptr;
    ASSERT_TRUE(SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                             IID_IShellLinkA, reinterpret_cast<void**>(&pLink))));
    pLink->SetPath(target.c_str());
    IPersistFile* pFile = nullptr;
    ASSERT_TRUE(SUCCEEDED(pLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&pFile))));
    WCHAR wszShortcut[MAX_PATH];
    ::MultiByteToWideChar(CP_ACP, 0, shortcut.c_str(), -1, wszShortcut, MAX_PATH);
    EXPECT_TRUE(SUCCEEDED(pFile->Save(wszShortcut, TRUE)));
    pFile->Release();
    pLink->Release();
  }
  char szResolved[MAX_PATH] = "";
  EXPECT_TRUE(AfxResolveShortcut(nullptr, shortcut.c_str(), szResolved, MAX_PATH));
  EXPECT_STRCASEEQ(FullPath("target.txt").c_str(), szResolved);
  EXPECT_FALSE(AfxResolveShortcut(nullptr, target.c_str(), szResolved, MAX_PATH))
      << "a file that is no shortcut";

  CDocument* pDoc = m_app.OpenDocumentFile(shortcut.c_str());
  ASSERT_NE(nullptr, pDoc);
  EXPECT_STRCASEEQ(FullPath("target.txt").c_str(), pDoc->GetPathName());
  m_app.CloseAllDocuments(FALSE);
  ::CoUninitialize();
}

// ---- The recent-file list.

class RecentFileTest : public DocumentTest {
 protected:
  void SetUp() override {
    DocumentTest::SetUp();
    m_app.SetRegistryKey(kCompanyKey);
    m_app.LoadStdProfileSettings(4);
  }
  std::vector<std::string> Entries() {
    std::vector<std::string> entries;
    CRecentFileList* pList = m_app.RecentFiles();
    for (int i = 0; i < pList->GetSize() && !(*pList)[i].IsEmpty(); ++i)
      entries.emplace_back(static_cast<LPCSTR>((*pList)[i]));
    return entries;
  }
  // The texts of the File menu of a frame once the frame prepared it to
  // open, greyed items marked.
  static std::vector<std::string> PreparedFileMenu(CFrameWnd* pFrame) {
    HMENU hFile = ::GetSubMenu(::GetMenu(pFrame->m_hWnd), 0);
    pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hFile), 0);
    std::vector<std::string> texts;
    for (int i = 0; i < ::GetMenuItemCount(hFile); ++i) {
      char szText[128] = "";
      ::GetMenuStringA(hFile, static_cast<UINT>(i), szText, sizeof szText, MF_BYPOSITION);
      const bool bGreyed = (::GetMenuState(hFile, static_cast<UINT>(i), MF_BYPOSITION) & MF_GRAYED);
      texts.push_back(std::string(szText) + (bGreyed && *szText != '\0' ? " [grey]" : ""));
    }
    return texts;
  }
};

TEST_F(RecentFileTest, OpeningAndSavingPutTheFileOnTop) {
  const std::string first = WriteTextFile("first.txt", "1");
  const std::string second = WriteTextFile("second.txt", "2");
  ASSERT_NE(nullptr, m_app.OpenDocumentFile(first.c_str()));
  ASSERT_NE(nullptr, m_app.OpenDocumentFile(second.c_str()));
  EXPECT_EQ((std::vector<std::string>{FullPath("second.txt"), FullPath("first.txt")}), Entries());
  CDocTestText* pDoc = NewText("3");
  ASSERT_TRUE(pDoc->DoSave(m_dir.Path("third.txt").c_str()));
  EXPECT_EQ((std::vector<std::string>{FullPath("third.txt"), FullPath("second.txt"),
                                      FullPath("first.txt")}),
            Entries());
}

TEST_F(RecentFileTest, TheMenuShowsTheEntriesInPlaceOfItsItem) {
  auto* pFrame = new CDocTestFrame;
  ASSERT_TRUE(pFrame->LoadFrame(IDR_DOCTEST_TEXT, WS_POPUP));
  // Open has no handler here; Exit is the application's.
  EXPECT_EQ((std::vector<std::string>{"&Open... [grey]", "Recent File [grey]", "", "E&xit"}),
            PreparedFileMenu(pFrame));

  m_app.AddToRecentFileList("C:\\Letters\\Tom & Jerry.txt");
  m_app.AddToRecentFileList("C:\\Very Long Folder Name\\Another Folder\\Note.txt");
  const std::vector<std::string> expected = {"&Open... [grey]",
                                             "&1 C:\\...\\Another Folder\\Note.txt",
                                             "&2 C:\\Letters\\Tom && Jerry.txt", "", "E&xit"};
  EXPECT_EQ(expected, PreparedFileMenu(pFrame));
  EXPECT_EQ(expected, PreparedFileMenu(pFrame)) << "prepared again, each entry shows once";

  m_app.RecentFiles()->Remove(0);
  m_app.RecentFiles()->Remove(0);
  EXPECT_EQ((std::vector<std::string>{"&Open... [grey]", "Recent File [grey]", "", "E&xit"}),
            PreparedFileMenu(pFrame));
  pFrame->DestroyWindow();
}

TEST_F(RecentFileTest, TheListSurvivesInTheProfile) {
  m_app.AddToRecentFileList("C:\\older.txt");
  m_app.AddToRecentFileList("C:\\newer.txt");
  m_app.SaveStdProfileSettings();
  EXPECT_STREQ("C:\\newer.txt", m_app.GetProfileString("Recent File List", "File1"));
  EXPECT_STREQ("C:\\older.txt", m_app.GetProfileString("Recent File List", "File2"));

  // The next start reads them back in order.
  m_app.LoadStdProfileSettings(4);
  EXPECT_EQ((std::vector<std::string>{"C:\\newer.txt", "C:\\older.txt"}), Entries());
}

TEST_F(RecentFileTest, AnEntryThatCannotBeOpenedIsRemoved) {
  const std::string present = WriteTextFile("present.txt", "here");
  m_app.AddToRecentFileList(m_dir.Path("gone.txt").c_str());
  m_app.AddToRecentFileList(present.c_str());

  EXPECT_TRUE(m_app.OnCmdMsg(ID_FILE_MRU_FILE1, CN_COMMAND, nullptr, nullptr));
  EXPECT_EQ(1, DocumentCount()) << "the first entry opens";
  {
    MessageBoxAnswerer answerer(IDOK);
    EXPECT_TRUE(m_app.OnCmdMsg(ID_FILE_MRU_FILE2, CN_COMMAND, nullptr, nullptr));
    ASSERT_EQ(1u, answerer.Boxes().size());
    EXPECT_TRUE(Contains(answerer.Boxes()[0].texts, "gone.txt")) << answerer.Boxes()[0].texts;
  }
  EXPECT_EQ((std::vector<std::string>{FullPath("present.txt")}), Entries());
  EXPECT_EQ(1, DocumentCount());
}

// ---- The printer.

TEST_F(DocumentTest, ThePrinterIsTheSystemsDefaultUntilAnotherIsSelected) {
  PRINTDLGA system = {};
  system.lStructSize = sizeof system;
  system.Flags = PD_RETURNDEFAULT;
  const bool bSystemHasPrinter = ::PrintDlgA(&system) != FALSE;
  PRINTDLGA defaults = {};
  EXPECT_EQ(bSystemHasPrinter, m_app.GetPrinterDeviceDefaults(&defaults) != FALSE);
  EXPECT_EQ(bSystemHasPrinter, defaults.hDevNames != nullptr);
  EXPECT_EQ(m_app.m_hDevNames, defaults.hDevNames);
  if (system.hDevNames != nullptr) ::GlobalFree(system.hDevNames);
  if (system.hDevMode != nullptr) ::GlobalFree(system.hDevMode);

  // Handles selected by the program are the application's from then on;
  // without bFreeOld the caller keeps the old ones.
  HGLOBAL hNames = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(DEVNAMES));
  HGLOBAL hMode = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(DEVMODEA));
  m_app.SelectPrinter(hNames, hMode);
  EXPECT_EQ(hNames, m_app.m_hDevNames);
  EXPECT_EQ(hMode, m_app.m_hDevMode);
  m_app.SelectPrinter(nullptr, nullptr, FALSE);
  EXPECT_EQ(nullptr, m_app.m_hDevNames);
  EXPECT_EQ(nullptr, ::GlobalFree(hNames)) << "still the caller's to free";
  EXPECT_EQ(nullptr, ::GlobalFree(hMode));
}

// ---- The command line.

TEST_F(DocumentTest, TheShellCommandOfTheCommandLineIsCarriedOut) {
  const std::string file = WriteTextFile("My Letter.txt", "dear");
  struct Case {
    std::string cmdLine;
    BOOL expectedResult;
    std::vector<std::string> expectedTitles;
  };
  // clang-format off
  const Case cases[] = {
    {"", TRUE, {"Text1"}},
    {"\"" + file + "\"", TRUE, {"My Letter.txt"}},
    {"\"" + m_dir.Path("absent.txt") + "\"", FALSE, {}},
  };
  // clang-format on
  auto* pMainFrame = new CDocTestFrame;
  ASSERT_TRUE(pMainFrame->LoadFrame(IDR_DOCTEST_TEXT, WS_POPUP));
  m_app.m_pMainWnd = pMainFrame;
  for (const Case& c : cases) {
    std::vector<char> cmdLine(c.cmdLine.begin(), c.cmdLine.end());
    cmdLine.push_back('\0');
    m_app.m_lpCmdLine = cmdLine.data();
    CCommandLineInfo info;
    m_app.ParseCommandLine(info);
    MessageBoxAnswerer answerer(IDOK);
    EXPECT_EQ(c.expectedResult, m_app.ProcessShellCommand(info)) << c.cmdLine;
    std::vector<std::string> titles;
    for (POSITION pos = m_pTemplate->GetFirstDocPosition(); pos != nullptr;)
      titles.emplace_back(static_cast<LPCSTR>(m_pTemplate->GetNextDoc(pos)->GetTitle()));
    EXPECT_EQ(c.expectedTitles, titles) << c.cmdLine;
    m_app.CloseAllDocuments(FALSE);
  }
  // The shell's DDE request opens its file and shows the program.
  std::string ddeOpen = "[open(\"" + file + "\")]";
  m_app.m_nCmdShow = SW_SHOWNA;
  EXPECT_TRUE(m_app.OnDDECommand(&ddeOpen[0]));
  EXPECT_EQ(1, DocumentCount());
  EXPECT_TRUE(pMainFrame->IsWindowVisible());
  m_app.CloseAllDocuments(FALSE);

  // Nothing to do starts with no document.
  CCommandLineInfo nothing;
  nothing.m_nShellCommand = CCommandLineInfo::FileNothing;
  EXPECT_TRUE(m_app.ProcessShellCommand(nothing));
  EXPECT_EQ(0, DocumentCount());
  m_app.m_lpCmdLine = nullptr;
  m_app.m_pMainWnd = nullptr;
  pMainFrame->DestroyWindow();
}

}  // namespace
