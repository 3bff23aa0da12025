// The windows around speech on the screen: the speaking face moving its
// mouth with phoneme notices, stopping and cancelling, and the transliteration
// popup placed by its word, painted in its colours and closed by a click.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "classlib/tests/win/WndTestSupport.h"
#include "speech/core/SpeechMessages.h"
#include "speech/win/CSpeakAnimDlg.h"
#include "speech/win/CWordPopupDlg.h"
#include "editor/core/RtfDocumentBuilder.h"
#include "speech/core/PointedInput.h"
#include "speech/transcription/core/Transcription.h"
#include "speech/win/SpeakingFace.h"
#include "speech/win/SpeechStop.h"
#include "speech/win/TranscribeWord.h"
#include "speech/win/TranslWin.h"
#include "testing/win/ImagePixels.h"
#include "testing/win/UserInput.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"

namespace SpeechPopups_test {

constexpr char kParentTitle[] = "Voice Settings";
constexpr int kParentWidth = 500;
constexpr int kParentHeight = 360;

int g_stops = 0;
BOOL g_stopResult = TRUE;
BOOL CountStop() {
  ++g_stops;
  return g_stopResult;
}

LPARAM Notice(BYTE opening, BYTE width, BYTE code = 'a') {
  return PackPhonemeNotice(PhonemeNotice{code, opening, width});
}

class SpeechPopupsTest : public AppTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(CreateShownParent(m_parent, kParentTitle, kParentWidth, kParentHeight));
    m_app.m_pMainWnd = &m_parent;
    g_stops = 0;
    g_stopResult = TRUE;
    SetSpeechStopper(CountStop);
  }
  void TearDown() override {
    DestroyTranslWin();
    if (m_face && ::IsWindow(m_face->m_hWnd)) m_face->DestroyWindow();
    m_face.reset();
    SetSpeechStopper(nullptr);
    m_app.m_pMainWnd = nullptr;
    m_parent.DestroyWindow();
    AppTest::TearDown();
  }

  CSpeakAnimDlg& ShowFace(int face) {
    m_face = std::make_unique<CSpeakAnimDlg>(face, &m_parent);
    EXPECT_TRUE(m_face->Create());
    m_face->ShowWindow(SW_SHOWNA);
    EXPECT_EQ(CSpeakAnimDlg::Active(), m_face.get());
    EXPECT_TRUE(WaitFor([&] { return ::IsWindowVisible(m_face->m_hWnd) != FALSE; }));
    return *m_face;
  }

  // The face's client area as it is on the screen.
  RgbImage FacePicture() {
    RgbImage window = CaptureWindow(m_face->m_hWnd);
    CRect placed, client;
    m_face->GetWindowRect(&placed);
    m_face->GetClientRect(&client);
    m_face->ClientToScreen(&client);
    RgbImage picture;
    picture.width = client.Width();
    picture.height = client.Height();
    for (int y = 0; y < picture.height; ++y) {
      for (int x = 0; x < picture.width; ++x) {
        const uint32_t rgb =
            window.PixelAt(client.left - placed.left + x, client.top - placed.top + y);
        picture.pixels.push_back(static_cast<uint8_t>(rgb >> 16));
        picture.pixels.push_back(static_cast<uint8_t>(rgb >> 8));
        picture.pixels.push_back(static_cast<uint8_t>(rgb));
      }
    }
    return picture;
  }

  // The face once its picture is on the screen: the corner in its colour.
  RgbImage PaintedFace(COLORREF corner) {
    RgbImage picture;
    EXPECT_TRUE(WaitFor([&] {
      picture = FacePicture();
      return picture.width > 1 && picture.PixelAt(1, 1) == CaptureColor(corner);
    }));
    return picture;
  }

  static bool SameArea(const RgbImage& a, const RgbImage& b, const FaceRect& area) {
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) {
        if (a.PixelAt(x, y) != b.PixelAt(x, y)) return false;
      }
    }
    return true;
  }

  // Posts the notice and waits until the mouth area shows something else.
  RgbImage AfterNotice(LPARAM notice, const RgbImage& before, const FaceRect& area) {
    m_face->PostMessage(WM_SPEECH_PHONEME, 0, notice);
    RgbImage after;
    EXPECT_TRUE(WaitFor([&] {
      after = FacePicture();
      return !SameArea(after, before, area);
    }));
    return after;
  }

  CWnd m_parent;
  std::unique_ptr<CSpeakAnimDlg> m_face;
};

// The corner colours of the faces' pictures (tools/bitmaps/face_bitmaps.py).
const COLORREF kSky = RGB(200, 230, 255);
const COLORREF kNight = RGB(20, 20, 70);

struct FaceCase {
  int face;
  const char* name;
  FaceRect mouth;  // where the mouth changes
  COLORREF corner;
};

TEST_F(SpeechPopupsTest, EachFaceMovesItsMouthWithTheNotices) {
  const FaceCase faces[] = {{kFaceNerla, "nerla", kNerlaMouthArea, kSky},
                            {kFaceStar, "star", kStarMouthFrame, RGB(255, 255, 255)},
                            {kFaceDreidel, "dreidel", {16, 106, 105, 155}, kSky},
                            {kFaceMenorah, "menorah", {78, 0, 103, 56}, kNight}};
  for (const FaceCase& c : faces) {
    SCOPED_TRACE(c.name);
    CSpeakAnimDlg& face = ShowFace(c.face);
    CRect client;
    face.GetClientRect(&client);
    EXPECT_GT(client.Width(), c.mouth.right);
    EXPECT_GT(client.Height(), c.mouth.bottom);
    const RgbImage rest = PaintedFace(c.corner);
    const RgbImage narrow = AfterNotice(Notice(40, 30), rest, c.mouth);
    const RgbImage wide = AfterNotice(Notice(250, 250), narrow, c.mouth);
    SaveScreenshot(narrow, std::string("speaking-face-") + c.name + "-narrow");
    SaveScreenshot(wide, std::string("speaking-face-") + c.name + "-wide");
    face.DestroyWindow();
  }
}

TEST_F(SpeechPopupsTest, SilenceAndAClickPutNerlasMouthAtRest) {
  ShowFace(kFaceNerla);
  const RgbImage rest = PaintedFace(kSky);
  AfterNotice(Notice(255, 255), rest, kNerlaMouthArea);
  m_face->PostMessage(WM_SPEECH_PHONEME, 0, Notice(0, 0, kPhonemeSilence));
  EXPECT_TRUE(WaitFor([&] { return SameArea(FacePicture(), rest, kNerlaMouthArea); }))
      << "silence: the mouth at rest";

  AfterNotice(Notice(255, 255), rest, kNerlaMouthArea);
  CRect placed;
  m_face->GetWindowRect(&placed);
  ClickAt(placed.CenterPoint());
  EXPECT_TRUE(WaitFor([&] { return g_stops == 1; })) << "a click stops speech";
  EXPECT_TRUE(WaitFor([&] { return SameArea(FacePicture(), rest, kNerlaMouthArea); }));
  // Stopped, later notices leave the mouth at rest until the next request.
  m_face->SendMessage(WM_SPEECH_PHONEME, 0, Notice(255, 255));
  PumpPending();
  EXPECT_TRUE(SameArea(FacePicture(), rest, kNerlaMouthArea));
  m_face->SetNotifyWindow(nullptr);
  AfterNotice(Notice(255, 255), rest, kNerlaMouthArea);
}

TEST_F(SpeechPopupsTest, CancelClosesThroughTheMainWindow) {
  ShowFace(kFaceStar);
  m_face->SendMessage(WM_COMMAND, IDCANCEL, 0);
  // Posted before Cancel returns; looked for before anything dispatches it.
  MSG msg;
  EXPECT_TRUE(
      ::PeekMessageA(&msg, m_parent.m_hWnd, WM_SPEECH_CANCEL, WM_SPEECH_CANCEL, PM_REMOVE));
}

TEST_F(SpeechPopupsTest, TranslWinShowsTheSyllablesByTheWordAndClosesOnAClick) {
  const POINT point = {300, 100};
  const RECT word = {300, 100, 360, 120};
  HWND popup = CreateTranslWin(m_parent.m_hWnd, "-Sa*lom -qo*lam", &point, &word, FALSE);
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(CreateTranslWin(m_parent.m_hWnd, "-other", &point, &word, FALSE), popup)
      << "one popup at a time";
  CRect placed;
  ::GetWindowRect(popup, &placed);
  m_parent.ScreenToClient(&placed);
  EXPECT_EQ(placed.right, point.x);
  EXPECT_EQ(placed.top, point.y);
  RgbImage image;
  ASSERT_TRUE(WaitFor([&] {
    image = CaptureWindow(popup);
    return CountPixels(image, IsColor(RGB(255, 0, 0))) > 0 &&
           CountPixels(image, IsColor(RGB(0, 0, 128))) > 0;
  })) << "stressed syllables red, the others navy";
  EXPECT_GT(CountPixels(image, IsColor(RGB(255, 255, 128))), 0) << "on light yellow";
  SaveScreenshot(image, "transliteration-popup");

  CRect screen;
  ::GetWindowRect(popup, &screen);
  ClickAt(screen.CenterPoint());
  EXPECT_TRUE(WaitFor([&] { return !::IsWindow(popup); }));
  EXPECT_EQ(g_stops, 1) << "closing it stops speech";
}

TEST_F(SpeechPopupsTest, TranslWinGoesAroundTheWordOrNowhere) {
  const RECT word = {200, 150, 260, 170};
  HWND popup = CreateTranslWin(m_parent.m_hWnd, "-Sa*lom", nullptr, &word, TRUE);
  ASSERT_NE(popup, nullptr);
  CRect placed;
  ::GetWindowRect(popup, &placed);
  m_parent.ScreenToClient(&placed);
  EXPECT_EQ(placed.bottom, word.top) << "above the word, the widest area";
  EXPECT_NEAR(placed.CenterPoint().x, 230, 1);
  DestroyTranslWin();
  const std::string wide = "-" + std::string(400, 'm');
  EXPECT_EQ(CreateTranslWin(m_parent.m_hWnd, wide.c_str(), nullptr, &word, TRUE), nullptr);
}

TEST_F(SpeechPopupsTest, TranscribeWordShowsThePopupOrBuildsTheDocument) {
  const std::optional<PointedLetters> word = PointedLettersFromUtf8(u8"שָׁלוֹם");
  ASSERT_TRUE(word.has_value());
  const POINT point = {300, 100};
  const RECT rect = {300, 100, 360, 120};
  CString phonetic, display;
  TranscribeWord(phonetic, display, nullptr, word->L(), word->V(), m_parent.m_hWnd, &point, &rect,
                 kModeMarkedStress, 0, 0, FALSE);
  EXPECT_STREQ(phonetic, "`[S0Al1Om]");
  EXPECT_TRUE(WaitFor([&] {
    HWND popup = ::FindWindowExA(m_parent.m_hWnd, nullptr, "TranslWin", nullptr);
    return popup != nullptr && ::IsWindowVisible(popup);
  }));
  DestroyTranslWin();

  CRtfTables2 writer;
  CString spoken, shown;
  TranscribeWord(spoken, shown, &writer, word->L(), word->V(), nullptr, nullptr, nullptr,
                 kModeMarkedStress, 0, 0, FALSE);
  EXPECT_STREQ(spoken, "`[S0Al1Om]");
  EXPECT_EQ(writer.result.Left(5), "{\\rtf");
}

TEST_F(SpeechPopupsTest, TheApplicationsFaceIsMadeOnceAndClosed) {
  CSpeechEngine engine;  // no library: it never speaks, so nothing stops
  {
    CSpeakingFace face(engine);
    face.ShowFace(m_parent.m_hWnd, m_parent.m_hWnd);
    const HWND shown = face.FaceWindow();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(face.Dialog()->Face(), engine.Switches().face);
    face.ShowFace(m_parent.m_hWnd, nullptr);
    EXPECT_EQ(face.FaceWindow(), shown) << "shown again, the same dialog";
    face.StartFaceAnimation();
    face.StopFaceAnimation();
    EXPECT_FALSE(StopSpeechOutput()) << "the popups stop through the idle engine";
    face.CloseFace();
    EXPECT_EQ(face.FaceWindow(), nullptr);
    EXPECT_FALSE(::IsWindow(shown));
  }
  EXPECT_FALSE(StopSpeechOutput()) << "no stopper once the face object is gone";
}

TEST_F(SpeechPopupsTest, AWordPopUpWithoutAWordClosesByItself) {
  constexpr UINT kShortDisplayMs = 100;
  CWordPopupDlg popup(kShortDisplayMs, "Unrecognized Acronym!", &m_parent);
  EXPECT_EQ(popup.DoModal(), IDOK);
}

}  // namespace SpeechPopups_test
