// The program's two ways of showing a dialog over its main window: modal (the
// main window is disabled while it runs, and active again afterwards) and
// modeless (its keys go through the program's message loop; it deletes
// itself when closed, also when the main window goes first).
#include "classlib/tests/win/DialogTestSupport.h"
#include "classlib/win/CDialog.h"

namespace {

class CToolsDlg : public CDialog {
 public:
  explicit CToolsDlg(bool* pbDeleted) : m_pbDeleted(pbDeleted) {}
  ~CToolsDlg() override { *m_pbDeleted = true; }

 protected:
  // A modeless dialog is destroyed, not ended.
  void OnCancel() override { DestroyWindow(); }
  void PostNcDestroy() override { delete this; }

 private:
  bool* m_pbDeleted;
};

class DialogModelessTest : public DialogTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CreateTopLevel(m_wndMain, WS_OVERLAPPEDWINDOW | WS_VISIBLE));
    m_app.m_pMainWnd = &m_wndMain;
  }
  void TearDown() override {
    m_app.m_pMainWnd = nullptr;
    m_wndMain.DestroyWindow();
    DialogTest::TearDown();
  }
  // The program's message loop, through its PreTranslateMessage, for the
  // messages waiting.
  void PumpProgram() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) m_app.PumpMessage();
  }
  CWnd m_wndMain;
};

TEST_F(DialogModelessTest, ModalDialogDisablesTheMainWindowUntilItCloses) {
  CScripted<CDialog> dlg(IDD_DLGTEST_MODELESS);
  dlg.m_script = [&](CScripted<CDialog>& d) {
    EXPECT_EQ(m_wndMain.m_hWnd, ::GetWindow(d.m_hWnd, GW_OWNER));
    EXPECT_FALSE(m_wndMain.IsWindowEnabled());
    // Esc, as typed into the dialog's edit, goes through the modal loop.
    HWND hEdit = ::GetDlgItem(d.m_hWnd, IDC_DLGTEST_NAME);
    ::SetFocus(hEdit);
    ::PostMessageA(hEdit, WM_KEYDOWN, VK_ESCAPE, 0);
  };
  EXPECT_EQ(IDCANCEL, dlg.DoModal());
  EXPECT_EQ(nullptr, dlg.m_hWnd);
  EXPECT_TRUE(m_wndMain.IsWindowEnabled());
  EXPECT_EQ(m_wndMain.m_hWnd, ::GetActiveWindow());
}

TEST_F(DialogModelessTest, QuittingEndsTheModalDialogAndLeavesTheQuitForTheProgram) {
  CScripted<CDialog> dlg(IDD_DLGTEST_MODELESS);
  dlg.m_script = [](CScripted<CDialog>&) { ::PostQuitMessage(7); };
  EXPECT_EQ(-1, dlg.DoModal());
  EXPECT_TRUE(m_wndMain.IsWindowEnabled());
  MSG msg;
  ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(7U, msg.wParam) << "with its exit code";
}

TEST_F(DialogModelessTest, ModelessDialogTakesItsKeysAndDeletesItselfWhenClosed) {
  bool bDeleted = false;
  auto* pDlg = new CToolsDlg(&bDeleted);
  ASSERT_TRUE(pDlg->Create(IDD_DLGTEST_MODELESS));
  HWND hDlg = pDlg->m_hWnd;
  EXPECT_EQ(m_wndMain.m_hWnd, ::GetWindow(hDlg, GW_OWNER)) << "owned by the main window";
  EXPECT_TRUE(::IsWindowVisible(hDlg));
  EXPECT_TRUE(m_wndMain.IsWindowEnabled());

  // Tab moves between its controls through the program's loop.
  HWND hEdit = ::GetDlgItem(hDlg, IDC_DLGTEST_NAME);
  ::SetFocus(hEdit);
  ::PostMessageA(hEdit, WM_KEYDOWN, VK_TAB, 0);
  PumpProgram();
  EXPECT_EQ(::GetDlgItem(hDlg, IDCANCEL), ::GetFocus());

  ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
  PumpProgram();
  EXPECT_TRUE(bDeleted);
  EXPECT_FALSE(::IsWindow(hDlg));
  EXPECT_TRUE(::IsWindow(m_wndMain.m_hWnd));
}

TEST_F(DialogModelessTest, ModelessDialogGoesWithTheMainWindow) {
  bool bDeleted = false;
  auto* pDlg = new CToolsDlg(&bDeleted);
  ASSERT_TRUE(pDlg->Create(IDD_DLGTEST_MODELESS));
  m_wndMain.DestroyWindow();
  EXPECT_TRUE(bDeleted);
}

}  // namespace
