// A writer's session with the editor: a new document, a pointed Hebrew
// sentence and an English one typed on the English keyboard, a word
// selected by a double click, undo and redo, Save through the Save As box,
// close, and the document opened again holds what was typed.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "classlib/win/AfxRes.h"
#include "editor/core/DocEditor.h"
#include "editor/core/FileBytes.h"
#include "editor/core/FixedDocMetrics.h"
#include "editor/core/ZultaFile.h"
#include "shell/tests/ZultaProcess.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/WindowCapture.h"

namespace {

constexpr int kEnglish = 0;
constexpr int kHebrew = 1;
// "shalom olam." and an English sentence, as typed on the English keyboard.
const std::string kHebrewKeys = "w]kOo gUkQo.";
const std::string kEnglishKeys = "Hello there, world.";

INPUT KeyInput(WORD vk, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

void SendText(const std::string& text) {
  std::vector<INPUT> inputs;
  for (char ch : text) {
    const SHORT scan = ::VkKeyScanA(ch);
    const bool shift = (scan & 0x100) != 0;
    if (shift) inputs.push_back(KeyInput(VK_SHIFT, false));
    inputs.push_back(KeyInput(LOBYTE(scan), false));
    inputs.push_back(KeyInput(LOBYTE(scan), true));
    if (shift) inputs.push_back(KeyInput(VK_SHIFT, true));
  }
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void SendCtrl(WORD vk) {
  INPUT inputs[] = {KeyInput(VK_CONTROL, false), KeyInput(vk, false), KeyInput(vk, true),
                    KeyInput(VK_CONTROL, true)};
  ::SendInput(4, inputs, sizeof(INPUT));
}

// A move to the point and two clicks there: the button events go where
// the move put the pointer.
void DoubleClickAt(POINT screen) {
  INPUT inputs[5] = {};
  for (INPUT& input : inputs) input.type = INPUT_MOUSE;
  const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
  inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  inputs[0].mi.dx = static_cast<LONG>((screen.x * 65536LL + cx - 1) / cx);
  inputs[0].mi.dy = static_cast<LONG>((screen.y * 65536LL + cy - 1) / cy);
  for (int i = 1; i < 5; ++i)
    inputs[i].mi.dwFlags = i % 2 == 1 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  ::SendInput(5, inputs, sizeof(INPUT));
}

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

HWND FocusOf(HWND hWnd) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  ::GetGUIThreadInfo(::GetWindowThreadProcessId(hWnd, nullptr), &info);
  return info.hwndFocus;
}

// Pictures are taken once the window looks the same twice running.
RgbImage SteadyPicture(HWND hWnd, const std::string& name) {
  RgbImage shot;
  WaitFor([&] {
    RgbImage next = CaptureWindow(hWnd);
    const bool same = next.pixels == shot.pixels;
    shot = std::move(next);
    return same;
  });
  SaveScreenshot(shot, name);
  return shot;
}

class QuietWindow : public IDocUISink {
 public:
  CSize GetClientSize() override { return CSize(800, 600); }
  void SetScrollSizes(CSize, CSize, CSize) override {}
  void Redraw() override {}
  void OnLayoutChanged(int) override {}
  void SetModifiedFlag() override {}
};

struct SideText {
  std::string letters;
  std::vector<BYTE> points;
  bool operator==(const SideText& o) const { return letters == o.letters && points == o.points; }
};

// What the typing rules make of the keys on a side set in that face.
SideText TypedByRules(const CString& face, int side, const std::string& keys) {
  FixedDocMetrics metrics;
  QuietWindow window;
  DocTextModel model(metrics, window);
  DocSideDefaults defaults[kDocSideCount];
  defaults[side].face = face;
  model.InitContents(defaults);
  model.CreateEmptySides();
  model.SetCurrentSide(side);
  DocEditor editor(model, window);
  for (char key : keys) editor.TypeChar(static_cast<BYTE>(key));
  SideText text;
  for (DocCharNode* c = model.GetHead(side)->next; c != nullptr; c = c->next) {
    text.letters += static_cast<char>(c->letter);
    text.points.push_back(c->point);
  }
  return text;
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

SideText FileSide(const ZultaDocData& data, int side) {
  SideText text;
  text.letters = data.sides[side].letters;
  text.points = data.sides[side].points;
  return text;
}

// The class library's Save As box: the name typed, then Enter.
bool SaveAsThroughTheBox(ZultaProcess& zulta, const std::string& path) {
  HWND hBox = WaitForTopLevelWindow(zulta.Id(), "Save As", "#32770");
  if (hBox == nullptr) return false;
  ::SetForegroundWindow(hBox);
  SendCtrl('A');
  SendText(path + "\r");
  return WaitFor([&] {
    return !::IsWindow(hBox) && ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  });
}

// The program's Hebrew fonts in the prefix's font folder and list, as the
// program's own start script installs them, so that its Hebrew shows.
void InstallProgramFonts() {
  struct Face {
    const char* file;
    const char* family;
  };
  static const Face kFaces[] = {
      {"PomlarSephardi2.ttf", "Pomlar Sephardi 2"}, {"PomlarStam2.ttf", "Pomlar Stam 2"},
      {"PomlarDavid2.ttf", "Pomlar David 2"},       {"PomlarVelira2.ttf", "Pomlar Velira 2"},
      {"PomlarNoam2.ttf", "Pomlar Noam 2"},         {"PomlarCursiva2.ttf", "Pomlar Cursiva 2"}};
  const char* binary = std::getenv("ZULTA_BINARY_DIR");
  if (binary == nullptr) return;
  const std::string source = WindowsPath(std::string(binary) + "/Zulta/fonts/");
  char windows[MAX_PATH] = {};
  ::GetWindowsDirectoryA(windows, MAX_PATH);
  HKEY hKey = nullptr;
  if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE,
                        "Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts", 0, nullptr, 0,
                        KEY_WRITE, nullptr, &hKey, nullptr) != ERROR_SUCCESS)
    return;
  for (const Face& face : kFaces) {
    const std::string target = std::string(windows) + "\\Fonts\\" + face.file;
    ::CopyFileA((source + face.file).c_str(), target.c_str(), FALSE);
    const std::string name = std::string(face.family) + " (TrueType)";
    ::RegSetValueExA(hKey, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(face.file),
                     static_cast<DWORD>(std::strlen(face.file) + 1));
  }
  ::RegCloseKey(hKey);
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
    SendCtrl('N');
    HWND hView = nullptr;
    ASSERT_TRUE(WaitFor([&] {
      hView = FindEditView(hMain);
      return hView != nullptr && FocusOf(hMain) == hView;
    })) << "no editor view with the focus after New";

    SendCtrl('H');
    SendText(kHebrewKeys);
    SteadyPicture(hView, "editor_journey_0_hebrew");
    SendCtrl('E');
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
    DoubleClickAt(word);
    // The selection's background: blue, whatever depth the screen has.
    const PixelTest selected = [](uint32_t rgb) {
      return (rgb & 0xFF) > ((rgb >> 16) & 0xFF) + 100;
    };
    EXPECT_TRUE(WaitFor([&] {
      shot = CaptureWindow(hView);
      return CountPixels(shot, english, selected) > 0;
    })) << "the double click selected nothing";
    SteadyPicture(hView, "editor_journey_2_word_selected");

    SendCtrl('Z');
    SteadyPicture(hView, "editor_journey_3_undone");
    SendCtrl('Y');
    SteadyPicture(hView, "editor_journey_4_redone");

    SendCtrl('S');
    ASSERT_TRUE(SaveAsThroughTheBox(zulta, saved)) << "the document was not saved";
    SteadyPicture(hMain, "editor_journey_5_saved");
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

  {
    ZultaStart start;
    start.arguments = "\"" + saved + "\"";
    ZultaProcess zulta(start);
    ASSERT_TRUE(zulta.Started());
    HWND hMain = zulta.MainWindow();
    HWND hView = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (hView = FindEditView(hMain)) != nullptr; }));
    SteadyPicture(hView, "editor_journey_6_reopened");
    ::SetForegroundWindow(hMain);
    ::PostMessageA(hMain, WM_COMMAND, ID_FILE_SAVE_AS, 0);
    ASSERT_TRUE(SaveAsThroughTheBox(zulta, again)) << "the reopened document was not saved";
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

}  // namespace
