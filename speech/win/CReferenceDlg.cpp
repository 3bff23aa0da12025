#include "speech/win/CReferenceDlg.h"

#include <utility>

#include "classlib/win/CWinApp.h"
#include "classlib/win/MessageMap.h"
#include "hebtext/core/PointedText.h"
#include "resources/MainFrameIds.h"
#include "speech/core/ReferenceFontHeights.h"
#include "speech/core/SpeechQueue.h"
#include "speech/transcription/core/Transcription.h"
#include "speech/win/SpeechEngine.h"
#include "speech/win/TranscribeWord.h"
#include "speech/win/TranslWin.h"

namespace {

constexpr char kDialogFace[] = "Arial";
constexpr int kTaskbarHeight = 40;  // left free below the dialog
constexpr int kNarrowMargin = 30;
constexpr int kWordLimit = 64;  // positions of a spoken word

}  // namespace

BEGIN_MESSAGE_MAP(CReferenceDlg, CDialog)
  ON_WM_LBUTTONDOWN()
  ON_COMMAND(ID_PREF_SETTINGS, OnSettings)
  ON_COMMAND(ID_PREF_PHONEMES, OnPhonemeSet)
  ON_COMMAND(ID_PREF_VOICE_SETTINGS, OnVoiceSettings)
END_MESSAGE_MAP()

CReferenceDlg::CReferenceDlg(UINT nIDTemplate, ReferenceServices services, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_services(std::move(services)) {}

RECT CReferenceDlg::ControlRect(int id) const {
  RECT rect = {};
  ::GetWindowRect(::GetDlgItem(m_hWnd, id), &rect);
  ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void CReferenceDlg::SpreadOverScreen(std::initializer_list<int> narrowed) {
  RECT created = {};
  ::GetWindowRect(m_hWnd, &created);
  const int createdWidth = created.right - created.left;
  const int createdHeight = created.bottom - created.top;
  const int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
  const int width = ::GetSystemMetrics(SM_CXSCREEN);
  const int height = screenHeight - kTaskbarHeight;
  ::MoveWindow(m_hWnd, 0, 0, width, height, FALSE);

  LOGFONT logFont = {};
  ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0)), sizeof logFont,
               &logFont);
  lstrcpynA(logFont.lfFaceName, kDialogFace, LF_FACESIZE);
  logFont.lfWidth = ::MulDiv(logFont.lfWidth, width, createdWidth);
  logFont.lfHeight = ReferenceDialogFontHeight(screenHeight);
  m_dialogFont.CreateFontIndirect(&logFont);

  for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != nullptr;
       hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
    RECT rect = {};
    ::GetWindowRect(hChild, &rect);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    int left = ::MulDiv(rect.left, width, createdWidth);
    int right = left + ::MulDiv(rect.right - rect.left, width, createdWidth);
    const int id = ::GetDlgCtrlID(hChild);
    for (int narrow : narrowed) {
      if (narrow != id) continue;
      left += kNarrowMargin;
      right -= kNarrowMargin;
    }
    const int top = ::MulDiv(rect.top, height, createdHeight);
    const int bottom = top + ::MulDiv(rect.bottom - rect.top, height, createdHeight);
    ::MoveWindow(hChild, left, top, right - left, bottom - top, FALSE);
    ::SendMessageA(hChild, WM_SETFONT, reinterpret_cast<WPARAM>(m_dialogFont.m_hObject), FALSE);
  }
}

void CReferenceDlg::SpeakWord(const std::string& pointed, const RECT& word, int raise) {
  DestroyTranslWin();
  if (pointed.empty()) return;
  BYTE letters[kWordLimit] = {};
  BYTE vowels[kWordLimit] = {};
  SplitLettersAndVowels(pointed.c_str(), letters, vowels, kWordLimit, 0);
  // The popup's top right corner stands above the word's right edge.
  const POINT point = {word.right, word.top - raise};
  CString phonetic, display;
  TranscribeWord(phonetic, display, nullptr, letters, vowels, m_hWnd, &point, &word,
                 kModeMarkedStress, 0, 0, FALSE);
  if (m_services.engine == nullptr) return;
  CWnd* pMain = AfxGetMainWnd();
  m_services.engine->Speak(pMain != nullptr ? pMain->m_hWnd : m_hWnd, m_hWnd, phonetic,
                           kSpeakPlain);
}

void CReferenceDlg::StopSpeech() {
  if (m_services.engine == nullptr) return;
  m_services.engine->Stop();
  m_services.engine->CloseFace();
}

void CReferenceDlg::CloseReference(int result) {
  DestroyTranslWin();
  StopSpeech();
  EndDialog(result);
}

void CReferenceDlg::OnLButtonDown(UINT nFlags, CPoint point) {
  DestroyTranslWin();
  CDialog::OnLButtonDown(nFlags, point);
}

void CReferenceDlg::OnSettings() {
  if (m_services.settings) m_services.settings(this);
}

void CReferenceDlg::OnPhonemeSet() {
  if (m_services.phonemeSet) m_services.phonemeSet(this);
}

void CReferenceDlg::OnVoiceSettings() {
  if (m_services.voiceSettings) m_services.voiceSettings(this);
}
