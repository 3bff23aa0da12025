// A resizable dialog keeps its controls anchored as it grows and shrinks,
// shows its grip only with a sizing frame, keeps its tracking limits and
// restores its placement from the profile.
#include "toolkit/win/CKWResizeDialog.h"

#include <memory>

#include "toolkit/tests/win/KWResizeTestIds.h"
#include "toolkit/tests/win/KWResizeTestSupport.h"
#include "toolkit/win/CKWResizePropertyPage.h"

namespace kw_resize_dialog_test {

constexpr char kSection[] = "KWResizeTest";

// The test dialog with its controls registered as a derived dialog does.
class CAnchoredDialog : public CKWResizeDialog {
 public:
  explicit CAnchoredDialog(UINT nIDTemplate = IDD_KWTEST_RESIZE, UINT nFlags = 0)
      : CKWResizeDialog(nIDTemplate, nullptr, nFlags) {}
  BOOL OnInitDialog() override {
    CKWResizeDialog::OnInitDialog();
    if (m_nIDTemplate != IDD_KWTEST_RESIZE) return TRUE;
    SetResize(IDC_KWTEST_EDIT, CKWResizeRect(0, 0, 1, 0));
    SetResize(IDC_KWTEST_GROUP, CKWResizePoint(0, 0), CKWResizePoint(1, 1));
    SetResize(IDC_KWTEST_LIST, 0, 0, 1, 1);
    // Twice half a move is one whole move.
    SetResize(IDC_KWTEST_CENTRED, CKWResizeRect(0.25f, 0.5f, 0.25f, 0.5f));
    SetResize(IDC_KWTEST_CENTRED, CKWResizeRect(0.25f, 0.5f, 0.25f, 0.5f));
    const CKWResizeEntry corners[] = {{IDOK, {1, 0, 1, 0}}, {IDCANCEL, {1, 1, 1, 1}}};
    SetResize(corners, 2);
    SetResize(IDC_KWTEST_MISSING, CKWResizeRect(1, 1, 1, 1));
    return TRUE;
  }
  // Sizing by the frame would start a modal loop: recorded instead.
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_NCLBUTTONDOWN) return CKWResizeDialog::WindowProc(message, wParam, lParam);
    m_nSizingHit = wParam;
    m_ptSizing = CPoint(static_cast<DWORD>(lParam));
    return 0;
  }
  WPARAM m_nSizingHit = 0;
  CPoint m_ptSizing;
};

std::unique_ptr<CAnchoredDialog> OpenDialog(UINT nIDTemplate = IDD_KWTEST_RESIZE,
                                            UINT nFlags = 0) {
  auto dialog = std::make_unique<CAnchoredDialog>(nIDTemplate, nFlags);
  EXPECT_TRUE(dialog->Create(nIDTemplate));
  dialog->ShowWindow(SW_SHOW);
  dialog->UpdateWindow();
  return dialog;
}

CSize WindowSize(HWND hWnd) {
  CRect rect;
  ::GetWindowRect(hWnd, rect);
  return rect.Size();
}

using ResizeDialogTest = ResizeTest;

TEST_F(ResizeDialogTest, ControlsFollowTheirAnchorsBothWays) {
  auto dialog = OpenDialog();
  HWND hDlg = dialog->m_hWnd;
  const int ids[] = {IDC_KWTEST_EDIT,     IDC_KWTEST_GROUP, IDC_KWTEST_LIST,
                     IDC_KWTEST_CENTRED, IDOK,             IDCANCEL};
  CRect before[6];
  for (int i = 0; i < 6; ++i) before[i] = ChildRect(hDlg, ids[i]);
  // Six controls and the grip; the missing control is not among them.
  EXPECT_EQ(dialog->GetItemCount(), 7);
  SavePicture(hDlg, "toolkit_resize_dialog_small");

  GrowWindow(hDlg, 60, 40);
  const CRect grown[6] = {
      Shifted(before[0], 0, 0, 60, 0),   Shifted(before[1], 0, 0, 60, 40),
      Shifted(before[2], 0, 0, 60, 40),  Shifted(before[3], 30, 40, 30, 40),
      Shifted(before[4], 60, 0, 60, 0),  Shifted(before[5], 60, 40, 60, 40),
  };
  for (int i = 0; i < 6; ++i) EXPECT_EQ(ChildRect(hDlg, ids[i]), grown[i]) << ids[i];
  CRect client;
  dialog->GetClientRect(client);
  EXPECT_EQ(ChildRect(hDlg, CKWSizeGrip::kId).BottomRight(), client.BottomRight());
  SavePicture(hDlg, "toolkit_resize_dialog_large");

  GrowWindow(hDlg, -60, -40);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(ChildRect(hDlg, ids[i]), before[i]) << ids[i];
}

TEST_F(ResizeDialogTest, GroupBoxesAreTransparentAndPushButtonsAreNot) {
  auto dialog = OpenDialog();
  auto exStyle = [&](int nID) { return ::GetWindowLongA(dialog->GetDlgItem(nID)->m_hWnd, GWL_EXSTYLE); };
  EXPECT_TRUE(exStyle(IDC_KWTEST_GROUP) & WS_EX_TRANSPARENT);
  EXPECT_FALSE(exStyle(IDOK) & WS_EX_TRANSPARENT);
  EXPECT_FALSE(exStyle(IDC_KWTEST_LIST) & WS_EX_TRANSPARENT);
  EXPECT_TRUE(dialog->GetStyle() & WS_CLIPCHILDREN);

  auto opaque = OpenDialog(IDD_KWTEST_RESIZE, kwResizeNoTransparent | kwResizeNoClipChildren);
  EXPECT_FALSE(::GetWindowLongA(opaque->GetDlgItem(IDC_KWTEST_GROUP)->m_hWnd, GWL_EXSTYLE) &
               WS_EX_TRANSPARENT);
  EXPECT_FALSE(opaque->GetStyle() & WS_CLIPCHILDREN);
}

TEST_F(ResizeDialogTest, OnlyASizingFrameGetsAGrip) {
  auto sizing = OpenDialog();
  EXPECT_NE(::GetDlgItem(sizing->m_hWnd, CKWSizeGrip::kId), nullptr);
  EXPECT_FALSE(sizing->HasFlag(kwResizeNoGrip));
  auto fixed = OpenDialog(IDD_KWTEST_FIXED);
  EXPECT_EQ(::GetDlgItem(fixed->m_hWnd, CKWSizeGrip::kId), nullptr);
  EXPECT_TRUE(fixed->HasFlag(kwResizeNoGrip));
  auto noGrip = OpenDialog(IDD_KWTEST_RESIZE, kwResizeNoGrip);
  EXPECT_EQ(::GetDlgItem(noGrip->m_hWnd, CKWSizeGrip::kId), nullptr);
  // A page never has one.
  CKWResizePropertyPage page(IDD_KWTEST_PAGE_ONE, 0, 0);
  EXPECT_TRUE(page.HasFlag(kwResizeNoGrip));
}

TEST_F(ResizeDialogTest, AClickOnTheGripSizesTheDialogFromItsCorner) {
  auto dialog = OpenDialog();
  HWND hGrip = ::GetDlgItem(dialog->m_hWnd, CKWSizeGrip::kId);
  ASSERT_NE(hGrip, nullptr);
  CPoint click(5, 6);
  ::SendMessageA(hGrip, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(click.x, click.y));
  ::ClientToScreen(hGrip, &click);
  EXPECT_EQ(dialog->m_nSizingHit, WPARAM(HTBOTTOMRIGHT));
  EXPECT_EQ(dialog->m_ptSizing, click);
  ::SendMessageA(hGrip, WM_SETCURSOR, reinterpret_cast<WPARAM>(hGrip), HTCLIENT);
  EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, IDC_SIZENWSE));
}

TEST_F(ResizeDialogTest, TrackingLimitsFollowTheFlags) {
  struct LimitCase {
    UINT flags;
    bool minIsInitial, fixedWidth;
  };
  const LimitCase cases[] = {
      {0, true, false},
      {kwResizeMayShrink, false, false},
      {kwResizeFixedWidth, true, true},
  };
  for (const LimitCase& c : cases) {
    auto dialog = OpenDialog(IDD_KWTEST_RESIZE, c.flags);
    const CSize initial = WindowSize(dialog->m_hWnd);
    MINMAXINFO info = {};
    info.ptMinTrackSize = {1, 1};
    info.ptMaxTrackSize = info.ptMaxSize = {5000, 5000};
    dialog->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(CSize(info.ptMinTrackSize.x, info.ptMinTrackSize.y) == initial, c.minIsInitial)
        << c.flags;
    EXPECT_EQ(info.ptMaxTrackSize.x == initial.cx && info.ptMaxSize.x == initial.cx,
              c.fixedWidth)
        << c.flags;
    EXPECT_EQ(info.ptMaxTrackSize.y, 5000);
  }
}

TEST_F(ResizeDialogTest, RemovedAndReplacedItems) {
  auto dialog = OpenDialog();
  EXPECT_TRUE(dialog->RemoveResize(IDC_KWTEST_LIST));
  EXPECT_FALSE(dialog->RemoveResize(IDC_KWTEST_LIST));
  EXPECT_FALSE(dialog->RemoveResize(IDC_KWTEST_MISSING));
  const CRect list = ChildRect(dialog->m_hWnd, IDC_KWTEST_LIST);
  GrowWindow(dialog->m_hWnd, 20, 20);
  EXPECT_EQ(ChildRect(dialog->m_hWnd, IDC_KWTEST_LIST), list) << "no longer laid out";
  // A window without an object of its own gets a temporary one, let go with the item.
  HWND hStatic = ::CreateWindowA("STATIC", "x", WS_CHILD | WS_VISIBLE, 2, 2, 10, 10,
                                 dialog->m_hWnd, reinterpret_cast<HMENU>(IDC_KWTEST_MISSING),
                                 nullptr, nullptr);
  dialog->SetResize(IDC_KWTEST_MISSING, hStatic, CKWResizeRect(1, 0, 1, 0));
  EXPECT_NE(CWnd::FromHandlePermanent(hStatic), nullptr);
  dialog->RemoveAllControls();
  EXPECT_EQ(dialog->GetItemCount(), 0);
  EXPECT_EQ(CWnd::FromHandlePermanent(hStatic), nullptr);
  EXPECT_TRUE(::IsWindow(hStatic));
}

TEST_F(ResizeDialogTest, PlacementIsRestoredOnlyFromAWholeRecord) {
  CRect saved;
  {
    auto dialog = OpenDialog();
    dialog->SetWindowPos(nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    GrowWindow(dialog->m_hWnd, 30, 20);
    dialog->GetWindowRect(saved);
    dialog->SavePlacement(kSection);
    dialog->DestroyWindow();
  }
  auto reopened = OpenDialog();
  reopened->LoadPlacement(kSection);
  CRect restored;
  reopened->GetWindowRect(restored);
  EXPECT_EQ(restored, saved);

  BYTE shortRecord[10] = {};
  ASSERT_TRUE(m_app.WriteProfileBinary(kSection, "WindowPlacement", shortRecord, 10));
  auto third = OpenDialog();
  CRect before;
  third->GetWindowRect(before);
  third->LoadPlacement(kSection);
  CRect after;
  third->GetWindowRect(after);
  EXPECT_EQ(after, before);
}

}  // namespace kw_resize_dialog_test
