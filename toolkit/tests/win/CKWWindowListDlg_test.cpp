// The window list dialog over an MDI frame with document windows: it lists
// them, enables its buttons by the selection, activates, saves, closes,
// tiles, cascades and minimises them, resizes with its grip and reopens
// where it was.
#include "toolkit/win/CKWWindowListDlg.h"

#include <memory>
#include <string>
#include <vector>

#include "classlib/win/CCreateContext.h"
#include "classlib/win/CDocument.h"
#include "classlib/win/CMDIChildWnd.h"
#include "classlib/win/CView.h"
#include "toolkit/res/KWWindowListIds.h"
#include "toolkit/tests/win/KWResizeTestIds.h"
#include "toolkit/tests/win/KWResizeTestSupport.h"

namespace kw_window_list_dlg_test {

std::vector<std::string> g_saved;

class CListedDoc : public CDocument {
 public:
  BOOL SaveModified() override {
    g_saved.push_back(static_cast<LPCSTR>(GetTitle()));
    return TRUE;
  }
};

class CListedView : public CView {
  DECLARE_DYNCREATE(CListedView)
 public:
  void OnDraw(CDC*) override {}
};
IMPLEMENT_DYNCREATE(CListedView, CView)

const UINT kButtons[] = {IDC_KW_WINDOW_ACTIVATE,  IDOK,
                         IDC_KW_WINDOW_SAVE,      IDC_KW_WINDOW_CLOSE,
                         IDC_KW_WINDOW_CASCADE,   IDC_KW_WINDOW_TILE_HORZ,
                         IDC_KW_WINDOW_TILE_VERT, IDC_KW_WINDOW_MINIMIZE};

class WindowListTest : public ResizeTest {
 protected:
  void SetUp() override {
    ResizeTest::SetUp();
    g_saved.clear();
    m_pMain = new CMDIFrameWnd;
    ASSERT_TRUE(m_pMain->LoadFrame(IDR_KWTEST_MDI_MAIN, WS_POPUP | WS_BORDER | WS_CLIPCHILDREN));
    m_app.m_pMainWnd = m_pMain;
    m_pMain->SetWindowPos(nullptr, 20, 20, 640, 420, SWP_NOZORDER | SWP_NOACTIVATE);
    m_pMain->ShowWindow(SW_SHOWNA);  // the MDI client arranges only what is on the screen
  }
  void TearDown() override {
    m_dialog.reset();
    if (::IsWindow(m_pMain->m_hWnd)) m_pMain->DestroyWindow();
    m_app.m_pMainWnd = nullptr;
    ResizeTest::TearDown();
  }
  CMDIChildWnd* OpenChild(LPCSTR lpszTitle) {
    auto* pDoc = new CListedDoc;
    pDoc->SetTitle(lpszTitle);
    auto* pChild = new CMDIChildWnd;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CListedView);
    context.m_pCurrentDoc = pDoc;
    if (!pChild->LoadFrame(IDR_KWTEST_MDI_CHILD, WS_OVERLAPPEDWINDOW, m_pMain, &context))
      return nullptr;
    pChild->SetWindowText(lpszTitle);
    pChild->InitialUpdateFrame(pDoc, TRUE);
    return pChild;
  }
  void OpenDialog() {
    m_dialog = std::make_unique<CKWWindowListDlg>(m_pMain);
    ASSERT_TRUE(m_dialog->Create(IDD_KW_WINDOW_LIST, m_pMain));
  }
  CListBox& List() { return *static_cast<CListBox*>(m_dialog->GetDlgItem(IDC_KW_WINDOW_LIST)); }
  std::vector<std::string> Entries() {
    std::vector<std::string> entries;
    for (int i = 0; i < List().GetCount(); ++i) {
      CString text;
      List().GetText(i, text);
      entries.push_back(static_cast<LPCSTR>(text));
    }
    return entries;
  }
  // Selects the entries given as a person would, with the list told.
  void Select(std::initializer_list<int> entries) {
    List().SendMessage(LB_SELITEMRANGE, FALSE, MAKELPARAM(0, List().GetCount() - 1));
    for (int i : entries) List().SetSel(i, TRUE);
    if (entries.size()) List().SendMessage(LB_SETCARETINDEX, *entries.begin(), 0);
    m_dialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_KW_WINDOW_LIST, LBN_SELCHANGE),
                          reinterpret_cast<LPARAM>(List().m_hWnd));
  }
  void Click(UINT nID) {
    m_dialog->SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                          reinterpret_cast<LPARAM>(::GetDlgItem(m_dialog->m_hWnd, nID)));
  }
  // The enabled buttons, as a string of 0 and 1 in the order of kButtons.
  std::string Enabled() {
    std::string enabled;
    for (UINT nID : kButtons) enabled += ::IsWindowEnabled(::GetDlgItem(m_dialog->m_hWnd, nID)) ? '1' : '0';
    return enabled;
  }
  HWND EntryWindow(int i) { return reinterpret_cast<HWND>(List().GetItemData(i)); }

  CMDIFrameWnd* m_pMain = nullptr;
  std::unique_ptr<CKWWindowListDlg> m_dialog;
};

TEST_F(WindowListTest, WithoutAnActiveChildTheListIsEmptyAndOnlyOKWorks) {
  OpenDialog();
  EXPECT_EQ(List().GetCount(), 0);
  EXPECT_EQ(Enabled(), "01000000");
  Click(IDC_KW_WINDOW_CASCADE);  // an empty list arranges nothing
  Click(IDC_KW_WINDOW_ACTIVATE);
  EXPECT_TRUE(m_dialog->IsWindowVisible()) << "no entry, nothing activated";
}

TEST_F(WindowListTest, ListsTheWindowsSortedWithTheActiveOneSelected) {
  OpenChild("Beta");
  OpenChild("Gamma");
  CMDIChildWnd* pAlpha = OpenChild("Alpha");
  OpenDialog();
  EXPECT_EQ(Entries(), (std::vector<std::string>{"Alpha", "Beta", "Gamma"}));
  EXPECT_EQ(List().GetSelCount(), 1);
  EXPECT_GT(List().GetSel(0), 0);
  EXPECT_EQ(EntryWindow(0), pAlpha->m_hWnd);
  // Activate, OK, Save, Close and Minimize with one selected.
  EXPECT_EQ(Enabled(), "11110001");
  Select({0, 2});
  EXPECT_EQ(Enabled(), "01111111");
  Select({});
  EXPECT_EQ(Enabled(), "01000000");
  SavePicture(m_dialog->m_hWnd, "toolkit_window_list_small");
}

TEST_F(WindowListTest, ActivatesTheFocusedEntryRestoringItAndCloses) {
  CMDIChildWnd* pBeta = OpenChild("Beta");
  OpenChild("Alpha");
  pBeta->ShowWindow(SW_MINIMIZE);
  OpenDialog();
  Select({1});
  Click(IDC_KW_WINDOW_ACTIVATE);
  EXPECT_EQ(m_pMain->MDIGetActive(), pBeta);
  EXPECT_FALSE(pBeta->IsIconic());
  EXPECT_FALSE(m_dialog->IsWindowVisible()) << "ended with OK";
}

TEST_F(WindowListTest, SavesAndClosesTheSelectedWindowsAndRefills) {
  OpenChild("Beta");
  OpenChild("Gamma");
  OpenChild("Alpha");
  OpenDialog();
  Select({0, 2});
  Click(IDC_KW_WINDOW_SAVE);
  EXPECT_EQ(g_saved, (std::vector<std::string>{"Alpha", "Gamma"}));
  EXPECT_EQ(List().GetCount(), 3);
  Select({1, 2});
  Click(IDC_KW_WINDOW_CLOSE);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"Alpha"}));
  EXPECT_EQ(List().GetSelCount(), 1) << "the active window reselected";
}

TEST_F(WindowListTest, TilesOnlyTheSelectedAndMinimisesTheRest) {
  for (const char* title : {"Alpha", "Beta", "Gamma"}) OpenChild(title);
  OpenDialog();
  for (UINT nID : {IDC_KW_WINDOW_TILE_HORZ, IDC_KW_WINDOW_TILE_VERT, IDC_KW_WINDOW_CASCADE}) {
    Select({0, 1});
    Click(nID);
    EXPECT_FALSE(::IsIconic(EntryWindow(0))) << nID;
    EXPECT_FALSE(::IsIconic(EntryWindow(1))) << nID;
    EXPECT_TRUE(::IsIconic(EntryWindow(2))) << nID;
  }
  Select({0, 1});
  Click(IDC_KW_WINDOW_TILE_VERT);
  CRect a, b;
  ::GetWindowRect(EntryWindow(0), a);
  ::GetWindowRect(EntryWindow(1), b);
  EXPECT_EQ(a.top, b.top) << "side by side";
  EXPECT_NE(a.left, b.left);
}

TEST_F(WindowListTest, MinimiseWithAllSelectedLeavesEveryWindowMinimised) {
  for (const char* title : {"Alpha", "Beta", "Gamma"}) OpenChild(title);
  OpenDialog();
  Select({0, 1, 2});
  Click(IDC_KW_WINDOW_MINIMIZE);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(::IsIconic(EntryWindow(i))) << i;
}

TEST_F(WindowListTest, AnEmptyCaptionShowsTheDocumentTitleAndKeepsIt) {
  CMDIChildWnd* pChild = OpenChild("Report");
  pChild->SetWindowText("");
  OpenDialog();
  EXPECT_EQ(Entries(), (std::vector<std::string>{"Report"}));
  CString caption;
  pChild->GetWindowText(caption);
  EXPECT_STREQ(caption, "Report");
}

TEST_F(WindowListTest, ResizesWithItsGripAndReopensWhereItWas) {
  OpenChild("Alpha");
  OpenDialog();
  HWND hDlg = m_dialog->m_hWnd;
  EXPECT_NE(::GetDlgItem(hDlg, CKWSizeGrip::kId), nullptr);
  const CRect list = ChildRect(hDlg, IDC_KW_WINDOW_LIST), ok = ChildRect(hDlg, IDOK);
  GrowWindow(hDlg, 120, 80);
  EXPECT_EQ(ChildRect(hDlg, IDC_KW_WINDOW_LIST), Shifted(list, 0, 0, 120, 80));
  EXPECT_EQ(ChildRect(hDlg, IDOK), Shifted(ok, 120, 0, 120, 0));
  SavePicture(hDlg, "toolkit_window_list_large");
  m_dialog->SetWindowPos(nullptr, 60, 70, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  CRect closed;
  m_dialog->GetWindowRect(closed);
  m_dialog->DestroyWindow();
  OpenDialog();
  CRect reopened;
  m_dialog->GetWindowRect(reopened);
  EXPECT_EQ(reopened, closed);
}

}  // namespace kw_window_list_dlg_test
