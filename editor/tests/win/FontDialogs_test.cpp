// The font dialogs driven from the view with the keyboard and the mouse:
// Change Font choosing face, style and size (and undo), Change Font
// Typeface on the Hebrew side, Change Font Size refusing what is no size,
// and Switch Font with one other font (at once) and with two (the list).
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "classlib/win/CMenu.h"
#include "editor/core/FontSizeBox.h"
#include "editor/tests/win/EditViewFixture.h"
#include "editor/tests/win/AppPump.h"
#include "editor/win/FontSampleDlg.h"
#include "hebtext/core/MemoryProfileStore.h"
#include "hebtext/core/Preferences.h"
#include "hebtext/core/SortedStrings.h"
#include "resources/EditorIds.h"
#include "resources/FontDialogIds.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/UserInput.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"

// Named: the test files are compiled together, and theirs share names.
namespace font_dialogs_test {

constexpr int kEnglish = 0;
constexpr int kHebrew = 1;
const char kText[] = "plain word here";
constexpr int kPlainFirst = 1;  // "plain": characters 1-5 after the head
constexpr int kPlainLast = 5;
constexpr int kWordFirst = 7;  // "word": characters 7-10
constexpr int kWordLast = 10;
constexpr int kHereFirst = 12;  // "here": characters 12-15
constexpr int kWordLength = 4;
constexpr WORD kChosenSize = 20;
constexpr UINT kChosenStyle = 1;  // Bold, the entry after Regular
constexpr WORD kTypedSize = 16;
constexpr UINT kDialogPollMs = 20;

// The script a test runs in its next dialog, once that dialog shows: the
// dialog runs modally inside the command the test gives, so a timer of the
// test's thread runs the script.
struct DialogScript {
  const char* caption = "";
  std::function<void(HWND)> run;
  bool ran = false;
};
DialogScript g_script;

void CALLBACK RunDialogScript(HWND, UINT, UINT_PTR idEvent, DWORD) {
  HWND hDlg = ::FindWindowA("#32770", g_script.caption);
  if (hDlg == nullptr || !::IsWindowVisible(hDlg)) return;
  ::KillTimer(nullptr, idEvent);
  EXPECT_TRUE(WaitFor([&] { return ::GetForegroundWindow() == hDlg; }));
  g_script.run(hDlg);
  g_script.ran = true;
  // A script that failed may have left its dialog open.
  if (::testing::Test::HasFailure() && ::IsWindow(hDlg))
    ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
}

// Waits as the dialog's own loop would: its keys (Tab, Enter) pass the
// dialog's navigation before they are dispatched.
bool DialogWaitFor(HWND hDlg, const std::function<bool()>& condition) {
  const DWORD start = ::GetTickCount();
  MSG msg;
  while (!condition()) {
    if (::GetTickCount() - start >= kWaitTimeoutMs) return false;
    if (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT) {
      ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
      if (!::IsDialogMessageA(hDlg, &msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
      }
    } else {
      ::MsgWaitForMultipleObjects(0, nullptr, FALSE, kPumpPollMs, QS_ALLINPUT);
    }
  }
  return true;
}

void InNextDialog(const char* caption, std::function<void(HWND)> run) {
  g_script.caption = caption;
  g_script.run = std::move(run);
  g_script.ran = false;
  ::SetTimer(nullptr, 0, kDialogPollMs, RunDialogScript);
}

// The font a font dialog shows in its sample.
const FontChoice& SampleFont(HWND hDlg) {
  auto* pDlg = static_cast<CFontSampleDlg*>(CWnd::FromHandlePermanent(hDlg));
  return pDlg->m_font;
}

CString ItemText(HWND hDlg, int id) {
  char text[256] = "";
  ::GetDlgItemTextA(hDlg, id, text, sizeof text);
  return text;
}

int ComboSelection(HWND hDlg, int id) {
  return static_cast<int>(::SendDlgItemMessageA(hDlg, id, CB_GETCURSEL, 0, 0));
}

BOOL IsOkEnabled(HWND hDlg) { return ::IsWindowEnabled(::GetDlgItem(hDlg, IDOK)); }

// The user moves the selection of a focused drop-down list to the entry.
void ChooseByKeys(HWND hDlg, int id, int index) {
  SendKey(VK_HOME);
  if (index > 0) SendKey(VK_DOWN, index);
  EXPECT_TRUE(DialogWaitFor(hDlg, [&] { return ComboSelection(hDlg, id) == index; })) << id;
}

// The user replaces the text of the focused size field.
void TypeSize(HWND hDlg, const std::string& text) {
  SendKey(VK_HOME);
  SendChord(VK_SHIFT, VK_END);
  SendText(text);
  EXPECT_TRUE(DialogWaitFor(hDlg, [&] {
    return ItemText(hDlg, IDC_FONT_SIZE_COMBO) == text.c_str();
  })) << text;
}

CString ListText(HWND hList, int row, int column) {
  char text[256] = "";
  ListView_GetItemText(hList, row, column, text, sizeof text);
  return text;
}

POINT ScreenCenter(HWND hWnd) {
  RECT r;
  ::GetWindowRect(hWnd, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// A control's place in a picture of its dialog's window.
RECT PlaceInWindow(HWND hDlg, int id) {
  RECT window, control;
  ::GetWindowRect(hDlg, &window);
  ::GetWindowRect(::GetDlgItem(hDlg, id), &control);
  ::OffsetRect(&control, -window.left, -window.top);
  return control;
}

bool IsDark(uint32_t rgb) {
  constexpr uint32_t kDarkLevel = 0x40;
  return ((rgb >> 16) & 0xFF) < kDarkLevel && ((rgb >> 8) & 0xFF) < kDarkLevel &&
         (rgb & 0xFF) < kDarkLevel;
}

// Saves the picture of the dialog once the screen shows what the test
// expects there (the screen follows the window's painting a little later).
void SavePicture(HWND hDlg, const char* name, const std::function<bool(const RgbImage&)>& shows) {
  ::RedrawWindow(hDlg, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  RgbImage shot;
  EXPECT_TRUE(DialogWaitFor(hDlg, [&] {
    shot = CaptureWindow(hDlg);
    return shows(shot);
  })) << name;
  SaveScreenshot(shot, name);
}

// The sample shows red text.
void SaveSamplePicture(HWND hDlg, const char* name) {
  const RECT sample = PlaceInWindow(hDlg, IDC_FONT_SAMPLE);
  SavePicture(hDlg, name, [&](const RgbImage& shot) {
    return CountPixels(shot, sample, IsColor(RGB(255, 0, 0))) > 0;
  });
}

// The OK button's text is black while it can be pressed, grey while not.
void SaveOkStatePicture(HWND hDlg, const char* name, bool enabled) {
  const RECT ok = PlaceInWindow(hDlg, IDOK);
  SavePicture(hDlg, name,
              [&](const RgbImage& shot) { return (CountPixels(shot, ok, IsDark) > 0) == enabled; });
}

// The window as it paints itself into a bitmap: under Wine the screen
// does not show the rows of a list view that WM_PRINT draws.
void SavePrintedPicture(HWND hWnd, const char* name) {
  RECT r;
  ::GetWindowRect(hWnd, &r);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  HDC hScreen = ::GetDC(nullptr);
  HDC hMem = ::CreateCompatibleDC(hScreen);
  HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, width, height);
  HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
  ::SendMessageA(hWnd, WM_PRINT, reinterpret_cast<WPARAM>(hMem),
                 PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN | PRF_NONCLIENT);
  SaveScreenshot(CaptureDC(hMem, 0, 0, width, height), name);
  ::SelectObject(hMem, hOld);
  ::DeleteObject(hBitmap);
  ::DeleteDC(hMem);
  ::ReleaseDC(nullptr, hScreen);
}

class FontDialogsTest : public EditViewFixture {
 protected:
  void SetUp() override {
    EditViewFixture::SetUp();
    SetPreferenceStore(&m_profile);
  }
  void TearDown() override {
    SetPreferenceStore(nullptr);
    EditViewFixture::TearDown();
  }

  DocTextModel& Model() { return m_pDoc->Model(); }
  void TypeEnglish() {
    Command(ID_INPUT_ENGLISH);
    for (const char* c = kText; *c != 0; ++c) m_pView->SendMessage(WM_CHAR, *c, 1);
  }
  DocCharNode* CharAt(int side, int index) {
    DocCharNode* c = Model().GetHead(side);
    while (index-- > 0 && c != nullptr) c = c->next;
    return c;
  }
  FontChoice FontAt(int side, int index) {
    FontChoice font;
    Model().GetAttrFont(CharAt(side, index)->attributes, side, font.face, font.size, font.style);
    return font;
  }
  // Selects the characters as a drag would, the one before them taken along.
  void Select(int first, int last) {
    m_pDoc->Editor().SetSelection(CharAt(kEnglish, first - 1), CharAt(kEnglish, last));
  }
  // A menu item's text and state as the frame updates them.
  CString MenuText(UINT id, BOOL* enabled = nullptr) {
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, id, "item");
    m_app->GetMainFrame()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu.m_hMenu), 0);
    char text[256] = "";
    ::GetMenuStringA(menu.m_hMenu, id, text, sizeof text, MF_BYCOMMAND);
    if (enabled != nullptr)
      *enabled = (menu.GetMenuState(id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
    menu.DestroyMenu();
    return text;
  }
  // Runs the command with the dialog's script; the script must have run.
  void CommandWithDialog(UINT id, const char* caption, std::function<void(HWND)> script) {
    InNextDialog(caption, std::move(script));
    Command(id);
    EXPECT_TRUE(g_script.ran) << caption;
  }

  MemoryProfileStore m_profile;
};

TEST_F(FontDialogsTest, ChangeFontSetsFaceStyleAndSizeOfTheSelectionAndUndoTakesThemBack) {
  TypeEnglish();
  const FontChoice plain = FontAt(kEnglish, kWordFirst);
  Select(kWordFirst, kWordLast);
  const int steps = m_pDoc->Editor().GetUndoCount();
  CString chosenFace;
  CommandWithDialog(ID_FORMAT_FONT, "Change Font", [&](HWND hDlg) {
    EXPECT_STREQ(ItemText(hDlg, IDC_FONT_DEFAULT_BUTTON), "Use Selected Font for English &Default");
    EXPECT_STREQ(ItemText(hDlg, IDC_FONT_STYLE_COMBO), "Regular");
    EXPECT_STREQ(ItemText(hDlg, IDC_FONT_SIZE_COMBO), FontSizeBoxText(plain.size));
    // The face after the current one (the first when that one is not
    // installed), by the arrow keys of the focused box.
    const int face = ComboSelection(hDlg, IDC_FONT_FACE_COMBO);
    ChooseByKeys(hDlg, IDC_FONT_FACE_COMBO, face + 1);
    chosenFace = ItemText(hDlg, IDC_FONT_FACE_COMBO);
    EXPECT_TRUE(DialogWaitFor(hDlg, [&] { return SampleFont(hDlg).face == chosenFace; }))
        << "the sample follows";
    SendKey(VK_TAB);
    ChooseByKeys(hDlg, IDC_FONT_STYLE_COMBO, kChosenStyle);
    SendKey(VK_TAB);
    TypeSize(hDlg, "20");
    EXPECT_TRUE(DialogWaitFor(hDlg, [&] { return SampleFont(hDlg).size == kChosenSize; }));
    EXPECT_EQ(SampleFont(hDlg).style, kChosenStyle);
    // The default button stores the choice for the side and leaves the dialog open.
    ClickAt(ScreenCenter(::GetDlgItem(hDlg, IDC_FONT_DEFAULT_BUTTON)));
    EXPECT_TRUE(DialogWaitFor(hDlg, [&] {
      return m_profile.GetProfileString("General", "FontEnglish", "") == chosenFace + "|20|1";
    }));
    EXPECT_TRUE(::IsWindowVisible(hDlg));
    SaveSamplePicture(hDlg, "font_dialog_change_font_english");
    SendKey(VK_RETURN);
  });
  for (int i : {kWordFirst, kWordLast}) {
    const FontChoice now = FontAt(kEnglish, i);
    EXPECT_STREQ(now.face, chosenFace);
    EXPECT_EQ(now.size, kChosenSize);
    EXPECT_EQ(now.style, kChosenStyle);
  }
  EXPECT_TRUE(IsSameFont(FontAt(kEnglish, kWordFirst - 2), plain)) << "only the selection";
  EXPECT_EQ(m_pDoc->Editor().GetUndoCount(), steps + 1);

  // The same font again: nothing to do.
  CommandWithDialog(ID_FORMAT_FONT, "Change Font", [&](HWND hDlg) { SendKey(VK_RETURN); });
  EXPECT_EQ(m_pDoc->Editor().GetUndoCount(), steps + 1);

  Command(ID_EDIT_UNDO);
  EXPECT_TRUE(IsSameFont(FontAt(kEnglish, kWordFirst), plain));
}

TEST_F(FontDialogsTest, TheTypefaceDialogShowsAHebrewSampleAndChangesTheFaceOnly) {
  Command(ID_INPUT_HEBREW);
  FontChoice before;
  DocCharNode *first, *last;
  m_pDoc->GetSelectionFont(before.face, before.size, before.style, first, last);
  ASSERT_TRUE(IsProgramHebrewFont(before.face));
  CString chosenFace;
  CommandWithDialog(ID_FORMAT_TYPEFACE, "Change Font Typeface", [&](HWND hDlg) {
    EXPECT_STREQ(ItemText(hDlg, IDC_FONT_FACE_COMBO), before.face);
    SaveSamplePicture(hDlg, "font_dialog_typeface_hebrew");
    // The program's Hebrew faces come first: the last entry is another face.
    const int count =
        static_cast<int>(::SendDlgItemMessageA(hDlg, IDC_FONT_FACE_COMBO, CB_GETCOUNT, 0, 0));
    SendKey(VK_END);
    EXPECT_TRUE(DialogWaitFor(
        hDlg, [&] { return ComboSelection(hDlg, IDC_FONT_FACE_COMBO) == count - 1; }));
    chosenFace = ItemText(hDlg, IDC_FONT_FACE_COMBO);
    EXPECT_FALSE(IsProgramHebrewFont(chosenFace));
    EXPECT_TRUE(DialogWaitFor(hDlg, [&] { return SampleFont(hDlg).face == chosenFace; }));
    SaveSamplePicture(hDlg, "font_dialog_typeface_english_face");
    SendKey(VK_RETURN);
  });
  FontChoice after;
  m_pDoc->GetSelectionFont(after.face, after.size, after.style, first, last);
  EXPECT_STREQ(after.face, chosenFace) << "what the next typed letter takes";
  EXPECT_EQ(after.size, before.size);

  // On the Hebrew side the Change Font button names the Hebrew default;
  // Cancel changes nothing.
  CommandWithDialog(ID_FORMAT_FONT, "Change Font", [&](HWND hDlg) {
    EXPECT_STREQ(ItemText(hDlg, IDC_FONT_DEFAULT_BUTTON), "Use Selected Font for Hebrew &Default");
    SendKey(VK_HOME);
    EXPECT_TRUE(DialogWaitFor(hDlg, [&] { return IsProgramHebrewFont(SampleFont(hDlg).face); }));
    SaveSamplePicture(hDlg, "font_dialog_change_font_hebrew");
    SendKey(VK_ESCAPE);
  });
  FontChoice unchanged;
  m_pDoc->GetSelectionFont(unchanged.face, unchanged.size, unchanged.style, first, last);
  EXPECT_TRUE(IsSameFont(unchanged, after));
}

TEST_F(FontDialogsTest, TheSizeDialogRefusesWhatIsNoSizeAndTakesATypedOne) {
  TypeEnglish();
  const WORD plainSize = FontAt(kEnglish, kWordFirst).size;
  Select(kWordFirst, kWordLast);
  const int steps = m_pDoc->Editor().GetUndoCount();
  CommandWithDialog(ID_FORMAT_FONT_SIZE, "Change Font Size", [&](HWND hDlg) {
    EXPECT_STREQ(ItemText(hDlg, IDC_FONT_SIZE_COMBO), FontSizeBoxText(plainSize));
    EXPECT_EQ(ComboSelection(hDlg, IDC_FONT_SIZE_COMBO),
              ::SendDlgItemMessageA(
                  hDlg, IDC_FONT_SIZE_COMBO, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                  reinterpret_cast<LPARAM>(static_cast<LPCSTR>(FontSizeBoxText(plainSize)))));
    for (const char* refused : {"ab", "0"}) {
      TypeSize(hDlg, refused);
      EXPECT_TRUE(DialogWaitFor(hDlg, [&] { return !IsOkEnabled(hDlg); })) << refused;
      SaveOkStatePicture(hDlg, (std::string("font_dialog_size_refused_") + refused).c_str(), false);
      // Enter keeps the dialog open: the next keys still reach its field.
      SendKey(VK_RETURN);
    }
    EXPECT_EQ(SampleFont(hDlg).size, plainSize) << "the sample keeps the last size";
    TypeSize(hDlg, "16");
    EXPECT_TRUE(DialogWaitFor(
        hDlg, [&] { return IsOkEnabled(hDlg) && SampleFont(hDlg).size == kTypedSize; }));
    SaveOkStatePicture(hDlg, "font_dialog_size_typed", true);
    SendKey(VK_RETURN);
  });
  EXPECT_EQ(FontAt(kEnglish, kWordFirst).size, kTypedSize);
  EXPECT_EQ(FontAt(kEnglish, kWordLast).size, kTypedSize);
  EXPECT_EQ(FontAt(kEnglish, kWordFirst - 2).size, plainSize);
  EXPECT_EQ(m_pDoc->Editor().GetUndoCount(), steps + 1) << "one step, nothing refused applied";
}

TEST_F(FontDialogsTest, SwitchFontGoesToTheOnlyOtherFontAtOnceAndListsTwoInItsDialog) {
  TypeEnglish();
  const FontChoice plain = FontAt(kEnglish, kWordFirst);
  const FontChoice courier{"Courier New", 12, 0};
  BOOL enabled = TRUE;
  MenuText(ID_FORMAT_SWITCH_FONT, &enabled);
  EXPECT_FALSE(enabled) << "one font only";

  // "word" and "here" in Courier, the caret at the end of the selected word:
  // the only other font is the plain one.
  for (int first : {kHereFirst, kWordFirst}) {
    Select(first, first + kWordLength - 1);
    m_pDoc->ApplyFont(m_pView, courier.face, courier.size, courier.style);
  }
  CString expected;
  expected.Format("S&witch Font to %s  %3u  Regular\tCtrl+Shift+F", static_cast<LPCSTR>(plain.face),
                  static_cast<unsigned>(plain.size));
  EXPECT_STREQ(MenuText(ID_FORMAT_SWITCH_FONT, &enabled), expected);
  EXPECT_TRUE(enabled);
  SendShortcut(VK_CONTROL, VK_SHIFT, 'F');
  ASSERT_TRUE(PumpUntil(*m_app, [&] { return IsSameFont(FontAt(kEnglish, kWordFirst), plain); }))
      << "switched without a dialog";
  SendShortcut(VK_CONTROL, VK_SHIFT, 'F');
  ASSERT_TRUE(PumpUntil(*m_app, [&] { return IsSameFont(FontAt(kEnglish, kWordFirst), courier); }))
      << "and back";

  // A third font: the list, the remembered font selected, its widths from
  // the profile (a first width of 500 gives the defaults).
  m_pDoc->Editor().SetSelection(CharAt(kEnglish, kPlainFirst - 1), CharAt(kEnglish, kPlainLast));
  m_pDoc->ApplyFont(m_pView, courier.face, courier.size, kChosenStyle);
  Select(kWordFirst, kWordLast);
  EXPECT_STREQ(MenuText(ID_FORMAT_SWITCH_FONT), "S&witch Font..\tCtrl+Shift+F");
  m_profile.WriteProfileString("Preferences", "SwitchFontColumnWidths", "500|40|100|");
  CommandWithDialog(ID_FORMAT_SWITCH_FONT, "Switch to Previously Used Font", [&](HWND hDlg) {
    HWND hList = ::GetDlgItem(hDlg, IDC_SWITCH_FONT_LIST);
    EXPECT_EQ(::GetFocus(), hList);
    EXPECT_EQ(ListView_GetItemCount(hList), 2);
    const int widths[] = {162, 32, 120};
    for (int i = 0; i < 3; i++) EXPECT_EQ(ListView_GetColumnWidth(hList, i), widths[i]);
    EXPECT_STREQ(ListText(hList, ListView_GetNextItem(hList, -1, LVNI_SELECTED), 0), plain.face)
        << "the font switched from last";
    const int bold = ListText(hList, 0, 2) == "Bold" ? 0 : 1;
    EXPECT_STREQ(ListText(hList, bold, 0), courier.face);
    EXPECT_STREQ(ListText(hList, bold, 2), "Bold");
    const RECT list = PlaceInWindow(hDlg, IDC_SWITCH_FONT_LIST);
    SavePicture(hDlg, "font_dialog_switch_font", [&](const RgbImage& shot) {
      return CountPixels(shot, list, IsColor(::GetSysColor(COLOR_HIGHLIGHT))) > 0;
    });
    SavePrintedPicture(hList, "font_dialog_switch_font_list");
    // A double click on the bold Courier row chooses it.
    RECT row;
    ListView_GetItemRect(hList, bold, &row, LVIR_BOUNDS);
    POINT at = {row.left + 20, (row.top + row.bottom) / 2};
    ::ClientToScreen(hList, &at);
    ClickAt(at, 2);
  });
  EXPECT_TRUE(IsSameFont(FontAt(kEnglish, kWordFirst), {courier.face, courier.size, kChosenStyle}));
  EXPECT_STREQ(m_profile.GetProfileString("Preferences", "SwitchFontColumnWidths", ""),
               "162|32|120|");
}

}  // namespace font_dialogs_test
