// A writer's session with the editor: a new document, a pointed Hebrew
// sentence and an English one typed on the English keyboard, a word
// selected by a double click, undo and redo, Save through the program's Save
// dialog, close, and the document opened again through the Open dialog
// holds what was typed.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "classlib/win/AfxRes.h"
#include "editor/core/CharAttr.h"
#include "editor/core/FileBytes.h"
#include "editor/core/ZultaFile.h"
#include "editor/tests/win/TypedByRules.h"
#include "resources/FileDialogIds.h"
#include "resources/MainFrameIds.h"
#include "shell/tests/JourneyControls.h"
#include "shell/tests/JourneyPictures.h"
#include "shell/tests/ProgramFonts.h"
#include "shell/tests/ZultaProcess.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/UserInput.h"
#include "testing/win/WindowCapture.h"

namespace editor_journey_test {

constexpr int kEnglish = 0;
constexpr int kHebrew = 1;
// "shalom olam." and an English sentence, as typed on the English keyboard.
// שָׁלוֹם עוֹלָם on the English keyboard.
const std::string kHebrewKeys = "w]kOo gOk]o";
const std::string kEnglishKeys = "Hello there, world.";
// What the toolbar makes of the first English word.
constexpr size_t kFormattedWordLength = 5;
constexpr UINT kBoldStyle = 1;
constexpr WORD kWordSize = 20;
const std::string kWordSizeText = "20";
constexpr int kRedEntry = 9;  // of the colour box's named colours

// The editor view: the only child of the MDI client's top window.
HWND FindEditView(HWND hMain) {
  HWND hClient = ::FindWindowExA(hMain, nullptr, "MDIClient", nullptr);
  HWND hChild = hClient != nullptr ? ::GetTopWindow(hClient) : nullptr;
  return hChild != nullptr ? ::GetTopWindow(hChild) : nullptr;
}

// The black pixels below and right of the rulers (a sixth of an inch each):
// the text of the side being typed; empty (left > right) when none.
RECT BlackTextBox(const RgbImage& shot) {
  constexpr int kPastRulers = 24;
  RECT box = {shot.width, shot.height, -1, -1};
  for (int y = kPastRulers; y < shot.height; ++y) {
    for (int x = kPastRulers; x < shot.width; ++x) {
      if (shot.PixelAt(x, y) != 0) continue;
      box.left = std::min<LONG>(box.left, x);
      box.top = std::min<LONG>(box.top, y);
      box.right = std::max<LONG>(box.right, x);
      box.bottom = std::max<LONG>(box.bottom, y);
    }
  }
  return box;
}

bool ReadDocumentFile(const std::string& path, ZultaDocData& data) {
  HANDLE hFile = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               0, nullptr);
  if (hFile == INVALID_HANDLE_VALUE) return false;
  ByteBuffer bytes(::GetFileSize(hFile, nullptr));
  DWORD read = 0;
  const bool ok =
      ::ReadFile(hFile, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
      read == bytes.size();
  ::CloseHandle(hFile);
  data.styles.AddDefaultEntries();
  return ok && CZultaFile().ReadDocument(bytes.data(), bytes.size(), data);
}

TypedText FileSide(const ZultaDocData& data, int side) {
  TypedText text;
  text.letters = data.sides[side].letters;
  text.points = data.sides[side].points;
  return text;
}

// The program's Open or Save dialog: the full path entered in the name box
// shows its folder with the name in the box, and Enter again takes it. The
// dialog is gone, or hidden until its document is saved, when it is done.
bool ChooseInFileDialog(ZultaProcess& zulta, const char* caption, const std::string& path) {
  HWND hDlg = WaitForTopLevelWindow(zulta.Id(), caption, "#32770");
  // The dialog shows once it has listed its folder.
  if (hDlg == nullptr || !WaitFor([&] { return ::IsWindowVisible(hDlg) != FALSE; })) return false;
  ::SetForegroundWindow(hDlg);
  HWND hName = ::GetDlgItem(hDlg, IDC_FILEDLG_FILE_NAME);
  const std::string name = path.substr(path.rfind('\\') + 1);
  // Another process's edit takes its text by message.
  ::SendMessageA(hName, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  // The box is clicked at two places: two quick clicks on one place would
  // make a double-click, which does not focus it.
  RECT box;
  ::GetWindowRect(hName, &box);
  const LONG middle = (box.top + box.bottom) / 2;
  const LONG width = box.right - box.left;
  ClickAt({box.left + width / 4, middle});
  if (!WaitFor([&] { return FocusOf(hDlg) == hName; })) return false;
  SendKey(VK_RETURN);
  if (!WaitFor([&] { return TextOf(hName) == name; })) return false;
  ClickAt({box.left + width * 3 / 4, middle});
  if (!WaitFor([&] { return FocusOf(hDlg) == hName; })) return false;
  SendKey(VK_RETURN);
  return WaitFor([&] { return !::IsWindow(hDlg) || !::IsWindowVisible(hDlg); });
}

std::string TempPath(const char* name) {
  char temp[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, temp);
  return std::string(temp) + name;
}

TEST(EditorJourney, TypedHebrewAndEnglishSurviveUndoRedoSaveAndReopen) {
  const std::string saved = TempPath("ZultaJourney.zlt");
  const std::string again = TempPath("ZultaJourneyAgain.zlt");
  ::DeleteFileA(saved.c_str());
  ::DeleteFileA(again.c_str());
  InstallProgramFonts();
  {
    ZultaProcess zulta;
    ASSERT_TRUE(zulta.Started()) << "error " << zulta.StartError();
    HWND hMain = zulta.MainWindow();
    ASSERT_NE(hMain, nullptr);
    ::SetForegroundWindow(hMain);
    SendChord(VK_CONTROL, 'N');
    HWND hView = nullptr;
    ASSERT_TRUE(WaitFor([&] {
      hView = FindEditView(hMain);
      return hView != nullptr && FocusOf(hMain) == hView;
    })) << "no editor view with the focus after New";

    SendChord(VK_CONTROL, 'H');
    SendText(kHebrewKeys);
    EXPECT_TRUE(WaitFor([&] {
      RECT hebrew = BlackTextBox(CaptureWindow(hView));
      return hebrew.left <= hebrew.right;
    })) << "the Hebrew sentence does not show";
    SteadyPicture(hView, "editor_journey_0_hebrew");
    SendChord(VK_CONTROL, 'E');
    SendText(kEnglishKeys);
    // Black text shows only on the side being typed: the English line.
    RgbImage shot;
    RECT english = {};
    ASSERT_TRUE(WaitFor([&] {
      shot = CaptureWindow(hView);
      english = BlackTextBox(shot);
      return english.left <= english.right && english.right - english.left > 100;
    })) << "the English sentence does not show";
    SaveScreenshot(shot, "editor_journey_1_typed");

    // A double click on the first word, "Hello".
    POINT word = {english.left + 8, (english.top + english.bottom) / 2};
    ::ClientToScreen(hView, &word);
    ClickAt(word, 2);
    // The selection's background: blue, whatever depth the screen has.
    const PixelTest selected = [](uint32_t rgb) {
      return (rgb & 0xFF) > ((rgb >> 16) & 0xFF) + 100;
    };
    EXPECT_TRUE(WaitFor([&] {
      shot = CaptureWindow(hView);
      return CountPixels(shot, english, selected) > 0;
    })) << "the double click selected nothing";
    SteadyPicture(hView, "editor_journey_2_word_selected");
    const int selectedAtTwelvePoints = CountPixels(CaptureWindow(hView), selected);

    // The selected word made bold, 20 points and red from the toolbar.
    SendChord(VK_CONTROL, 'B');
    SendChord(VK_CONTROL, '8');
    SendText(kWordSizeText + "\r");
    SendChord(VK_CONTROL, '9');
    SendKey(VK_DOWN, kRedEntry);
    SendKey(VK_RETURN);
    // Larger and bold, the word's selection covers half as much again.
    EXPECT_TRUE(WaitFor([&] {
      return 2 * CountPixels(CaptureWindow(hView), selected) > 3 * selectedAtTwelvePoints;
    })) << "the selected word did not grow";
    EXPECT_TRUE(WaitFor([&] { return FocusOf(hMain) == hView; }))
        << "the focus did not come back to the text";
    SteadyPicture(hView, "editor_journey_3_formatted");

    // The size box's field takes digits only, and Escape leaves it for the text.
    SendChord(VK_CONTROL, '8');
    HWND hSizeField = nullptr;
    ASSERT_TRUE(WaitFor([&] {
      hSizeField = FocusOf(hMain);
      return hSizeField != hView && ::GetDlgCtrlID(::GetParent(hSizeField)) == IDC_SIZE_COMBO;
    })) << "Ctrl+8 did not reach the size box";
    SendText("x");
    SendKey(VK_ESCAPE);
    EXPECT_TRUE(WaitFor([&] { return FocusOf(hMain) == hView; }))
        << "Escape did not give the focus back to the text";
    EXPECT_EQ(TextOf(hSizeField), kWordSizeText) << "the size box took a letter";

    SendChord(VK_CONTROL, 'Z');
    SteadyPicture(hView, "editor_journey_4_undone");
    SendChord(VK_CONTROL, 'Y');
    SteadyPicture(hView, "editor_journey_5_redone");

    SendChord(VK_CONTROL, 'S');
    ASSERT_TRUE(ChooseInFileDialog(zulta, "Save", saved)) << "the Save dialog did not end";
    ASSERT_TRUE(WaitFor([&] {
      return ::GetFileAttributesA(saved.c_str()) != INVALID_FILE_ATTRIBUTES;
    })) << "the document was not saved";
    SteadyPicture(hMain, "editor_journey_6_saved");
    ::PostMessageA(hMain, WM_COMMAND, ID_FILE_CLOSE, 0);
    EXPECT_TRUE(WaitFor([&] { return !::IsWindow(hView); })) << "the document did not close";
    EXPECT_EQ(0u, zulta.Close());
  }

  ZultaDocData data;
  ASSERT_TRUE(ReadDocumentFile(saved, data)) << "the saved file does not read";
  EXPECT_TRUE(FileSide(data, kHebrew) ==
              TypedByRules(data.sides[kHebrew].face, kHebrew, kHebrewKeys));
  EXPECT_TRUE(FileSide(data, kEnglish) ==
              TypedByRules(data.sides[kEnglish].face, kEnglish, kEnglishKeys));
  // "Hello" bold, 20 points and red; the blank after it as typed.
  const std::vector<DWORD>& attrs = data.sides[kEnglish].attrs;
  ASSERT_GT(attrs.size(), kFormattedWordLength);
  for (size_t i = 0; i <= kFormattedWordLength; ++i) {
    const bool inWord = i < kFormattedWordLength;
    const DWORD attr = attrs[i];
    EXPECT_EQ(AttrStyle(attr) == kBoldStyle, inWord) << "letter " << i;
    const UINT size = AttrSize(attr);
    EXPECT_EQ(size != 0 && data.styles.fontSizes[size] == kWordSize, inWord) << "letter " << i;
    const UINT color = AttrTextColor(attr);
    EXPECT_EQ(color != 0 && data.styles.textColors[color] == RGB(255, 0, 0), inWord)
        << "letter " << i;
  }

  {
    ZultaProcess zulta;
    ASSERT_TRUE(zulta.Started());
    HWND hMain = zulta.MainWindow();
    ::SetForegroundWindow(hMain);
    ::PostMessageA(hMain, WM_COMMAND, ID_FILE_OPEN, 0);
    ASSERT_TRUE(ChooseInFileDialog(zulta, "Open", saved)) << "the Open dialog did not end";
    HWND hView = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (hView = FindEditView(hMain)) != nullptr; }));
    // The picture once the opened text shows.
    EXPECT_TRUE(WaitFor([&] {
      RECT text = BlackTextBox(CaptureWindow(hView));
      return text.left <= text.right;
    })) << "the opened document's text does not show";
    SteadyPicture(hView, "editor_journey_7_reopened");
    ::SetForegroundWindow(hMain);
    ::PostMessageA(hMain, WM_COMMAND, ID_FILE_SAVE_AS, 0);
    ASSERT_TRUE(ChooseInFileDialog(zulta, "Save", again)) << "the Save dialog did not end";
    ASSERT_TRUE(WaitFor([&] {
      return ::GetFileAttributesA(again.c_str()) != INVALID_FILE_ATTRIBUTES;
    })) << "the reopened document was not saved";
    EXPECT_EQ(0u, zulta.Close());
  }
  ZultaDocData reopened;
  ASSERT_TRUE(ReadDocumentFile(again, reopened));
  for (int side : {kEnglish, kHebrew}) {
    EXPECT_TRUE(FileSide(reopened, side) == FileSide(data, side)) << "side " << side;
    EXPECT_EQ(reopened.sides[side].attrs, data.sides[side].attrs) << "side " << side;
  }
  ::DeleteFileA(saved.c_str());
  ::DeleteFileA(again.c_str());
}

}  // namespace editor_journey_test
