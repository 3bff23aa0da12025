// The system's common dialogs through their wrappers: the modeless Find and
// Replace dialog and its notifications, the print dialog's printer names and
// settings, and the modal colour and font dialogs.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "classlib/tests/win/DialogTestSupport.h"
#include "classlib/win/CColorDialog.h"
#include "classlib/win/CFindReplaceDialog.h"
#include "classlib/win/CFontDialog.h"
#include "classlib/win/CPrintDialog.h"

namespace {

const UINT WM_FINDREPLACE = ::RegisterWindowMessageA(FINDMSGSTRINGA);

// One notification as the owner saw it.
struct Heard {
  bool bFindNext, bReplace, bReplaceAll, bTerminating, bMatchCase, bWholeWord, bDown;
  std::string find, replace;
};

class CFindOwner : public CWnd {
 public:
  std::vector<Heard> m_heard;
  CFindReplaceDialog* m_pNotifier = nullptr;

 protected:
  afx_msg LRESULT OnFindReplace(WPARAM, LPARAM lParam) {
    CFindReplaceDialog* p = CFindReplaceDialog::GetNotifier(lParam);
    m_pNotifier = p;
    m_heard.push_back({p->FindNext() != 0, p->ReplaceCurrent() != 0, p->ReplaceAll() != 0,
                       p->IsTerminating() != 0, p->MatchCase() != 0, p->MatchWholeWord() != 0,
                       p->SearchDown() != 0, static_cast<LPCSTR>(p->GetFindString()),
                       static_cast<LPCSTR>(p->GetReplaceString())});
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFindOwner, CWnd)
  ON_REGISTERED_MESSAGE(WM_FINDREPLACE, OnFindReplace)
END_MESSAGE_MAP()

class CCountedFindDialog : public CFindReplaceDialog {
 public:
  explicit CCountedFindDialog(bool* pbDeleted) : m_pbDeleted(pbDeleted) {}
  ~CCountedFindDialog() override { *m_pbDeleted = true; }

 private:
  bool* m_pbDeleted;
};

// The controls of the system's Find and Replace templates.
constexpr int kFindEdit = 0x480, kReplaceEdit = 0x481, kWholeWord = 0x410, kMatchCase = 0x411;
constexpr int kReplaceButton = 0x400, kReplaceAllButton = 0x401;

using CommonDialogsTest = DialogTest;

TEST_F(CommonDialogsTest, ReplaceDialogTellsItsOwnerEachButtonAndDeletesItself) {
  CFindOwner owner;
  ASSERT_TRUE(CreateTopLevel(owner));
  bool bDeleted = false;
  auto* pDlg = new CCountedFindDialog(&bDeleted);
  ASSERT_TRUE(pDlg->Create(FALSE, "needle", "thread", FR_DOWN, &owner));
  HWND hDlg = pDlg->m_hWnd;
  ASSERT_NE(nullptr, hDlg) << "bound to its object";
  EXPECT_EQ("needle", ItemText(hDlg, kFindEdit));
  EXPECT_EQ("thread", ItemText(hDlg, kReplaceEdit));

  ::SetDlgItemTextA(hDlg, kFindEdit, "pin");
  ::CheckDlgButton(hDlg, kMatchCase, BST_CHECKED);
  ClickButton(hDlg, IDOK);
  ::CheckDlgButton(hDlg, kWholeWord, BST_CHECKED);
  ClickButton(hDlg, kReplaceButton);
  ClickButton(hDlg, kReplaceAllButton);
  ClickButton(hDlg, IDCANCEL);
  PumpPending();

  ASSERT_EQ(4U, owner.m_heard.size());
  const Heard& find = owner.m_heard[0];
  EXPECT_TRUE(find.bFindNext);
  EXPECT_TRUE(find.bMatchCase);
  EXPECT_FALSE(find.bWholeWord);
  EXPECT_TRUE(find.bDown);
  EXPECT_EQ("pin", find.find);
  EXPECT_EQ("thread", find.replace);
  EXPECT_TRUE(owner.m_heard[1].bReplace);
  EXPECT_TRUE(owner.m_heard[1].bWholeWord);
  EXPECT_TRUE(owner.m_heard[2].bReplaceAll);
  EXPECT_TRUE(owner.m_heard[3].bTerminating);
  EXPECT_TRUE(bDeleted) << "closing deletes the dialog object";
  EXPECT_FALSE(::IsWindow(hDlg));
}

// A DEVNAMES block for the three names.
HGLOBAL MakeDevNames(const char* pszDriver, const char* pszDevice, const char* pszPort) {
  size_t nDriver = std::strlen(pszDriver) + 1, nDevice = std::strlen(pszDevice) + 1;
  size_t nSize = sizeof(DEVNAMES) + nDriver + nDevice + std::strlen(pszPort) + 1;
  HGLOBAL hDevNames = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, nSize);
  auto* pNames = static_cast<DEVNAMES*>(::GlobalLock(hDevNames));
  char* pBase = reinterpret_cast<char*>(pNames);
  pNames->wDriverOffset = sizeof(DEVNAMES);
  pNames->wDeviceOffset = static_cast<WORD>(pNames->wDriverOffset + nDriver);
  pNames->wOutputOffset = static_cast<WORD>(pNames->wDeviceOffset + nDevice);
  std::strcpy(pBase + pNames->wDriverOffset, pszDriver);
  std::strcpy(pBase + pNames->wDeviceOffset, pszDevice);
  std::strcpy(pBase + pNames->wOutputOffset, pszPort);
  ::GlobalUnlock(hDevNames);
  return hDevNames;
}

TEST_F(CommonDialogsTest, PrintDialogReadsThePrinterItHolds) {
  CPrintDialog dlg(FALSE);
  EXPECT_EQ(nullptr, dlg.GetDevMode());
  EXPECT_STREQ("", dlg.GetDeviceName());
  EXPECT_EQ(nullptr, dlg.CreatePrinterDC()) << "no printer chosen";

  dlg.m_pd.hDevNames = MakeDevNames("winspool", "No Such Printer", "LPT9:");
  dlg.m_pd.hDevMode = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DEVMODEA));
  LPDEVMODEA pDevMode = dlg.GetDevMode();
  ASSERT_NE(nullptr, pDevMode);
  pDevMode->dmSize = sizeof(DEVMODEA);
  pDevMode->dmFields = DM_COPIES | DM_ORIENTATION;
  pDevMode->dmCopies = 3;
  pDevMode->dmOrientation = DMORIENT_LANDSCAPE;
  ::GlobalUnlock(dlg.m_pd.hDevMode);

  EXPECT_STREQ("winspool", dlg.GetDriverName());
  EXPECT_STREQ("No Such Printer", dlg.GetDeviceName());
  EXPECT_STREQ("LPT9:", dlg.GetPortName());
  EXPECT_EQ(3, dlg.GetCopies()) << "the copies of the printer's settings";
  EXPECT_TRUE(dlg.PrintAll());
  EXPECT_EQ(-1, dlg.GetFromPage());
  EXPECT_EQ(nullptr, dlg.CreatePrinterDC()) << "a printer that is not there";

  ::GlobalFree(dlg.m_pd.hDevNames);
  ::GlobalFree(dlg.m_pd.hDevMode);
}

TEST_F(CommonDialogsTest, PrintDialogDefaultsAreAllOrNothing) {
  CPrintDialog dlg(TRUE);
  if (dlg.GetDefaults()) {
    EXPECT_NE(nullptr, dlg.m_pd.hDevNames);
    EXPECT_FALSE(dlg.GetDeviceName().IsEmpty());
    HDC hDC = dlg.CreatePrinterDC();
    EXPECT_NE(nullptr, hDC);
    if (hDC != nullptr) ::DeleteDC(hDC);
    ::GlobalFree(dlg.m_pd.hDevNames);
    ::GlobalFree(dlg.m_pd.hDevMode);
  } else {
    EXPECT_EQ(nullptr, dlg.m_pd.hDevNames);
    EXPECT_EQ(nullptr, dlg.m_pd.hDevMode);
  }
  EXPECT_EQ(0U, dlg.m_pd.Flags & PD_RETURNDEFAULT);
}

// Presses OK of the modal dialog that is running when the timer fires.
void CALLBACK PressOK(HWND, UINT, UINT_PTR nIDEvent, DWORD) {
  HWND hDlg = ::GetActiveWindow();
  if (hDlg == nullptr || ::GetDlgItem(hDlg, IDOK) == nullptr) return;
  ::KillTimer(nullptr, nIDEvent);
  ClickButton(hDlg, IDOK);
}

TEST_F(CommonDialogsTest, ColorDialogGivesTheColourChosen) {
  CColorDialog dlg(RGB(10, 20, 30), CC_FULLOPEN);
  UINT_PTR nTimer = ::SetTimer(nullptr, 0, 10, PressOK);
  EXPECT_EQ(IDOK, dlg.DoModal());
  ::KillTimer(nullptr, nTimer);
  EXPECT_EQ(RGB(10, 20, 30), dlg.GetColor());
}

// The family of a font installed here: the one the default GUI font is drawn
// with. Its face name may be an alias ("MS Shell Dlg") that the font dialog
// does not list, so the family is read from the font file itself.
std::string InstalledFace() {
  HDC hDC = ::GetDC(nullptr);
  HGDIOBJ hOld = ::SelectObject(hDC, ::GetStockObject(DEFAULT_GUI_FONT));
  std::string family;
  if (UINT cb = ::GetOutlineTextMetricsA(hDC, 0, nullptr); cb != 0) {
    std::vector<char> buffer(cb);
    auto* pMetrics = reinterpret_cast<OUTLINETEXTMETRICA*>(buffer.data());
    if (::GetOutlineTextMetricsA(hDC, cb, pMetrics) != 0)
      family = buffer.data() + reinterpret_cast<uintptr_t>(pMetrics->otmpFamilyName);
  }
  ::SelectObject(hDC, hOld);
  ::ReleaseDC(nullptr, hDC);
  return family;
}

TEST_F(CommonDialogsTest, FontDialogGivesTheFontChosen) {
  std::string face = InstalledFace();
  ASSERT_FALSE(face.empty());
  LOGFONTA lf = {};
  lf.lfHeight = -16;
  lf.lfWeight = FW_NORMAL;
  std::strcpy(lf.lfFaceName, face.c_str());
  CFontDialog dlg(&lf);
  UINT_PTR nTimer = ::SetTimer(nullptr, 0, 10, PressOK);
  EXPECT_EQ(IDOK, dlg.DoModal());
  ::KillTimer(nullptr, nTimer);
  EXPECT_STREQ(face.c_str(), dlg.GetFaceName());
  LOGFONTA chosen = {};
  dlg.GetCurrentFont(&chosen);
  EXPECT_STREQ(face.c_str(), chosen.lfFaceName);
  EXPECT_FALSE(dlg.IsItalic());
  EXPECT_GT(dlg.GetSize(), 0) << "in tenths of a point";
}

}  // namespace
