#include "speech/win/CReadingTutorDlg.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "classlib/win/MessageMap.h"
#include "classlib/win/WindowDCs.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/PointedText.h"
#include "hebtext/core/ProgramPath.h"
#include "hebtext/win/DrawHelpers.h"
#include "hebtext/win/HebrewTextDraw.h"
#include "lexicon/core/FormStress.h"
#include "resources/MainFrameIds.h"
#include "resources/ReadingTutorIds.h"
#include "speech/core/ColorMarkup.h"
#include "speech/core/LessonGroups.h"
#include "speech/core/ReferenceFontHeights.h"
#include "speech/core/TutorStepText.h"
#include "speech/win/TranslWin.h"

namespace {

using namespace HebCode;

constexpr char kTutorPath[] = "bin\\Tutor.bin";
constexpr char kTitleFace[] = "Arial";
constexpr char kTextFace[] = "Times New Roman";
constexpr char kHebrewFace[] = "Pomlar Sephardi 2";
constexpr int kItemPoints = 39;
constexpr int kWordPoints = 21;
constexpr int kSmallPoints = 13;
constexpr int kTextPoints = 14;
constexpr int kEndTextPoints = 27;
// Hebrew fonts are sized for a 96 pixels-per-inch screen.
constexpr int kFontPixelsPerInch = 96;
constexpr int kTaskbarHeight = 40;  // left free below the dialog
constexpr int kTextMargin = 30;     // each side of the title and explanation
constexpr int kTabBlanks = 4;
constexpr int kWordLimit = 64;  // positions of a practice word

constexpr COLORREF kItemRed = RGB(210, 0, 0);
constexpr COLORREF kCarrierCyan = RGB(60, 255, 255);
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kLessonRed = RGB(128, 0, 0);

// The vowel toggle's Hebrew words (ktiv with vowels / without) and English.
const char kWithVowels[] = "\xEB\xFA\xE9\xE1 \xE7\xF1\xF8: With &Vowels";
const char kWithoutVowels[] = "\xEB\xFA\xE9\xE1 \xEE\xEC\xE0: Without &Vowels";

const int kItemPanels[kTutorItemSlots] = {IDC_TUTOR_ITEM1, IDC_TUTOR_ITEM2, IDC_TUTOR_ITEM3};
const int kWordButtons[kTutorWordButtons] = {IDC_TUTOR_WORD1, IDC_TUTOR_WORD2, IDC_TUTOR_WORD3,
                                             IDC_TUTOR_WORD4};
// Shown while a step of a lesson is.
const int kStepControls[] = {IDC_TUTOR_LESSON_MENU, IDC_TUTOR_NEXT, IDC_TUTOR_PREVIOUS,
                             IDC_TUTOR_LESSON_NUMBER, IDC_TUTOR_LESSON_GROUP};

bool IsWordButton(int id) { return id >= IDC_TUTOR_WORD1 && id <= IDC_TUTOR_WORD4; }
bool IsLessonButton(int id) { return id >= IDC_TUTOR_FIRST_LESSON && id <= IDC_TUTOR_LAST_LESSON; }
int LessonButton(int lesson) { return lesson + IDC_TUTOR_FIRST_LESSON - 1; }

// A point or mark is shown on a carrier letter: ayin under a hataf, bet under
// the others.
int CarrierOf(int item) { return IsHatafVowel(item) ? Ayin : Bet; }

void MakeHebrewFont(CDC* pDC, CFontInfo& font, int points, int screenHeight) {
  LOGFONT logFont = {};
  lstrcpynA(logFont.lfFaceName, kHebrewFace, LF_FACESIZE);
  logFont.lfHeight = ReferenceFontPixelHeight(points, screenHeight, kFontPixelsPerInch);
  logFont.lfCharSet = DEFAULT_CHARSET;
  font.SetFromLogFont(pDC, logFont);
  font.MeasureMetrics(pDC);
  font.MeasureCharWidths(pDC);
}

HFONT MakeTextFont(int points, int screenHeight) {
  LOGFONT logFont = {};
  lstrcpynA(logFont.lfFaceName, kTextFace, LF_FACESIZE);
  logFont.lfHeight = ReferenceFontPixelHeight(points, screenHeight, kFontPixelsPerInch);
  return ::CreateFontIndirectA(&logFont);
}

int ScreenHeight() { return ::GetSystemMetrics(SM_CYSCREEN); }

}  // namespace

BEGIN_MESSAGE_MAP(CReadingTutorDlg, CDialog)
  ON_WM_PAINT()
  ON_WM_DRAWITEM()
  ON_COMMAND_RANGE(IDC_TUTOR_FIRST_LESSON, IDC_TUTOR_LAST_LESSON, OnLessonButton)
  ON_BN_CLICKED(IDC_TUTOR_NEXT, OnNext)
  ON_BN_CLICKED(IDC_TUTOR_PREVIOUS, OnPrevious)
  ON_BN_CLICKED(IDC_TUTOR_LESSON_MENU, OnLessonMenu)
  ON_BN_CLICKED(IDC_TUTOR_VOWELS_TOGGLE, OnToggleVowels)
  ON_COMMAND(ID_PREF_SETTINGS, OnSettings)
  ON_COMMAND(ID_PREF_PHONEMES, OnPhonemeSet)
END_MESSAGE_MAP()

CReadingTutorDlg::CReadingTutorDlg(TutorPreferenceDialogs preferences, CWnd* pParent)
    : CDialog(IDD, pParent), m_preferences(std::move(preferences)) {}

CReadingTutorDlg::~CReadingTutorDlg() = default;

BOOL CReadingTutorDlg::LoadTutorData(CString& message) {
  CString path;
  MakeProgramPath(path, kTutorPath);
  ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
  const TutorLoadResult result = ::LoadTutorData(path, m_data);
  ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
  if (!result.loaded() && !result.messages.empty()) message = result.messages.front().text;
  return result.loaded();
}

BOOL CReadingTutorDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  Layout();
  CreateFonts();
  ::SetDlgItemTextA(m_hWnd, IDC_TUTOR_VOWELS_TOGGLE, kWithVowels);
  for (int k = 0; k < kTutorItemSlots; ++k) {
    m_panels[k] = ControlRect(kItemPanels[k]);
    m_shiftedPanels[k] = m_panels[k];
    ::OffsetRect(&m_shiftedPanels[k], (m_panels[k].right - m_panels[k].left) / 2, 0);
  }
  m_panelArea = {m_panels[0].left, m_panels[0].top, m_shiftedPanels[kTutorItemSlots - 1].right,
                 m_panels[kTutorItemSlots - 1].bottom};
  ShowTutorMenu(m_position);
  ShowStep(IDC_TUTOR_NEXT);
  for (int lesson = 1; lesson <= kTutorLessonCount; ++lesson)
    ::SetDlgItemTextA(m_hWnd, LessonButton(lesson), g_lessonGroups[lesson - 1]);
  ::SetFocus(::GetDlgItem(m_hWnd, MenuFocus()));
  return FALSE;
}

RECT CReadingTutorDlg::ControlRect(int id) const {
  RECT rect = {};
  const HWND hControl = ::GetDlgItem(m_hWnd, id);
  ::GetWindowRect(hControl, &rect);
  ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void CReadingTutorDlg::Layout() {
  RECT created = {};
  ::GetWindowRect(m_hWnd, &created);
  const int createdWidth = created.right - created.left;
  const int createdHeight = created.bottom - created.top;
  const int width = ::GetSystemMetrics(SM_CXSCREEN);
  const int height = ScreenHeight() - kTaskbarHeight;
  ::MoveWindow(m_hWnd, 0, 0, width, height, FALSE);

  LOGFONT logFont = {};
  ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0)), sizeof logFont,
               &logFont);
  lstrcpynA(logFont.lfFaceName, kTitleFace, LF_FACESIZE);
  logFont.lfWidth = ::MulDiv(logFont.lfWidth, width, createdWidth);
  logFont.lfHeight = ReferenceDialogFontHeight(ScreenHeight());
  m_titleFont.CreateFontIndirect(&logFont);

  for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != nullptr;
       hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
    RECT rect = {};
    ::GetWindowRect(hChild, &rect);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    int left = ::MulDiv(rect.left, width, createdWidth);
    int right = left + ::MulDiv(rect.right - rect.left, width, createdWidth);
    const int id = ::GetDlgCtrlID(hChild);
    if (id == IDC_TUTOR_TITLE || id == IDC_TUTOR_EXPLANATION) {
      left += kTextMargin;
      right -= kTextMargin;
    }
    const int top = ::MulDiv(rect.top, height, createdHeight);
    const int bottom = top + ::MulDiv(rect.bottom - rect.top, height, createdHeight);
    ::MoveWindow(hChild, left, top, right - left, bottom - top, FALSE);
    ::SendMessageA(hChild, WM_SETFONT, reinterpret_cast<WPARAM>(m_titleFont.m_hObject), FALSE);
  }
}

void CReadingTutorDlg::CreateFonts() {
  CClientDC dc(this);
  const int height = ScreenHeight();
  MakeHebrewFont(&dc, m_itemFont, kItemPoints, height);
  MakeHebrewFont(&dc, m_wordFont, kWordPoints, height);
  MakeHebrewFont(&dc, m_smallFont, kSmallPoints, height);
}

int CReadingTutorDlg::MenuFocus() const { return LessonButton(m_position.lesson); }

void CReadingTutorDlg::ShowStep(int focusId) {
  for (int id :
       {IDC_TUTOR_TITLE, IDC_TUTOR_EXPLANATION, IDC_TUTOR_ITEM1, IDC_TUTOR_ITEM2, IDC_TUTOR_ITEM3})
    ::SetDlgItemTextA(m_hWnd, id, "");
  for (int id : kWordButtons) ::SetDlgItemTextA(m_hWnd, id, "");
  if (!m_position.InMenu()) {
    const TutorStep& step = m_data.steps[m_position.step];
    const TutorStepTexts texts = ComposeTutorStep(m_data, m_position.step, m_position.lesson);
    ::SetDlgItemTextA(m_hWnd, IDC_TUTOR_TITLE, texts.title.c_str());
    ::SetDlgItemTextA(m_hWnd, IDC_TUTOR_EXPLANATION, texts.explanation.c_str());
    if (step.kind == kTutorPractice) {
      for (int k = 0; k < kTutorWordButtons; ++k)
        ::SetDlgItemTextA(m_hWnd, kWordButtons[k], m_data.GetTutorText(step.words[k]).c_str());
    }
    if (step.kind == kTutorIntroduce || step.kind == kTutorCompare) ShowItems(step);
  }
  SetVisibility();
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
  ::SetFocus(::GetDlgItem(m_hWnd, focusId));
}

void CReadingTutorDlg::ShowItems(const TutorStep& step) {
  int count = 0;
  while (count < kTutorItemSlots && step.items[count] != 0) ++count;
  // One item stands in the middle panel.
  const int first = count == 1 ? 1 : 0;
  for (int k = 0; k < count; ++k) {
    const char text[] = {static_cast<char>(step.items[k]), '\0'};
    ::SetDlgItemTextA(m_hWnd, kItemPanels[first + k], text);
  }
}

void CReadingTutorDlg::SetVisibility() {
  const bool menu = m_position.InMenu();
  const bool practice = m_position.kind == kTutorPractice;
  for (int id = IDC_TUTOR_FIRST_LESSON; id <= IDC_TUTOR_LAST_LESSON; ++id)
    ::ShowWindow(::GetDlgItem(m_hWnd, id), menu ? SW_SHOW : SW_HIDE);
  bool anyWord = false;
  for (int id : kWordButtons) {
    const bool shown = practice && ::GetWindowTextLengthA(::GetDlgItem(m_hWnd, id)) > 0;
    anyWord = anyWord || shown;
    ::ShowWindow(::GetDlgItem(m_hWnd, id), shown ? SW_SHOW : SW_HIDE);
    // Hearing a word needs the speech engine, which the tutorial does not
    // have yet: the words are shown greyed.
    ::EnableWindow(::GetDlgItem(m_hWnd, id), FALSE);
  }
  ::ShowWindow(::GetDlgItem(m_hWnd, IDC_TUTOR_VOWELS_TOGGLE), anyWord ? SW_SHOW : SW_HIDE);
  for (int id : kStepControls) ::ShowWindow(::GetDlgItem(m_hWnd, id), menu ? SW_HIDE : SW_SHOW);
  if (!menu) {
    const std::string number = "Lesson " + std::to_string(m_position.lesson);
    ::SetDlgItemTextA(m_hWnd, IDC_TUTOR_LESSON_NUMBER, number.c_str());
    ::SetDlgItemTextA(m_hWnd, IDC_TUTOR_LESSON_GROUP, "");
  }
}

void CReadingTutorDlg::OnLessonButton(UINT nID) {
  StartTutorLesson(m_data, m_position, static_cast<int>(nID) - IDC_TUTOR_FIRST_LESSON + 1);
  ShowStep(m_position.InMenu() ? MenuFocus() : IDC_TUTOR_NEXT);
}

void CReadingTutorDlg::OnNext() {
  DestroyTranslWin();
  NextTutorStep(m_data, m_position);
  ShowStep(m_position.InMenu() ? MenuFocus() : IDC_TUTOR_NEXT);
}

void CReadingTutorDlg::OnPrevious() {
  DestroyTranslWin();
  PreviousTutorStep(m_data, m_position);
  ShowStep(m_position.InMenu() ? MenuFocus() : IDC_TUTOR_PREVIOUS);
}

void CReadingTutorDlg::OnLessonMenu() {
  DestroyTranslWin();
  ShowTutorMenu(m_position);
  ShowStep(MenuFocus());
}

void CReadingTutorDlg::OnToggleVowels() {
  DestroyTranslWin();
  m_withoutVowels = !m_withoutVowels;
  ::SetDlgItemTextA(m_hWnd, IDC_TUTOR_VOWELS_TOGGLE,
                    m_withoutVowels ? kWithoutVowels : kWithVowels);
  for (int id : kWordButtons) ::InvalidateRect(::GetDlgItem(m_hWnd, id), nullptr, TRUE);
}

void CReadingTutorDlg::OnSettings() {
  if (m_preferences.settings) m_preferences.settings(this);
}

void CReadingTutorDlg::OnPhonemeSet() {
  if (m_preferences.phonemeSet) m_preferences.phonemeSet(this);
}

void CReadingTutorDlg::OnOK() { Close(IDOK); }
void CReadingTutorDlg::OnCancel() { Close(IDCANCEL); }

void CReadingTutorDlg::Close(int result) {
  DestroyTranslWin();
  EndDialog(result);
  m_data = TutorData();
}

// ---- Painting.

void CReadingTutorDlg::OnPaint() {
  CPaintDC dc(this);
  const HBRUSH face = ::GetSysColorBrush(COLOR_BTNFACE);
  for (int id : {IDC_TUTOR_TITLE, IDC_TUTOR_EXPLANATION}) {
    const RECT rect = ControlRect(id);
    ::FillRect(dc, &rect, face);
  }
  ::FillRect(dc, &m_panelArea, face);
  if (m_position.InMenu()) return;
  const int points = m_position.kind == kTutorEndOfLesson ? kEndTextPoints : kTextPoints;
  const HFONT hFont = MakeTextFont(points, ScreenHeight());
  const HGDIOBJ hOld = ::SelectObject(dc, hFont);
  ::SetBkMode(dc, TRANSPARENT);
  char title[256] = {};
  ::GetDlgItemTextA(m_hWnd, IDC_TUTOR_TITLE, title, sizeof title);
  RECT titleRect = ControlRect(IDC_TUTOR_TITLE);
  ::SetTextColor(dc, kBlack);
  ::DrawTextA(dc, title, -1, &titleRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  PaintExplanation(&dc);
  ::SelectObject(dc, hOld);
  ::DeleteObject(hFont);
  for (int id : kItemPanels) PaintItem(&dc, id);
}

int CReadingTutorDlg::MeasureItemGlyph(const CFontInfo& font, int item) const {
  if (IsHebrewLetter(item) || item == Dagesh)
    return font.GetCharWidth(item == Dagesh ? BetDagesh : item);
  // A shuruk or holam male stands beside its carrier.
  const BYTE letters[] = {static_cast<BYTE>(CarrierOf(item))};
  const BYTE vowels[] = {static_cast<BYTE>(item)};
  return MeasureHebrewText(font, letters, vowels, 1, TRUE);
}

int CReadingTutorDlg::DrawItemGlyph(CDC* pDC, CFontInfo& font, int item, int x, int y,
                                    COLORREF color) {
  const HGDIOBJ hOld = ::SelectObject(*pDC, font.GetFont()->m_hObject);
  const int width = MeasureItemGlyph(font, item);
  if (IsHebrewLetter(item) || item == Dagesh) {
    // The dagesh is shown in a bet.
    const char glyph = static_cast<char>(item == Dagesh ? BetDagesh : item);
    ::SetTextColor(*pDC, color);
    ::TextOutA(*pDC, x - width, y, &glyph, 1);
  } else {
    const BYTE letters[] = {static_cast<BYTE>(CarrierOf(item))};
    const BYTE vowels[] = {static_cast<BYTE>(item)};
    DrawHebrewText(pDC, &font, x, y, letters, vowels, 1, kCarrierCyan, color, TRUE,
                   kQamatsQatanAsText, nullptr, FALSE, kCarrierCyan, color, kNoHighlight);
  }
  ::SelectObject(*pDC, hOld);
  return width;
}

void CReadingTutorDlg::PaintItem(CDC* pDC, int id) {
  char text[2] = {};
  ::GetDlgItemTextA(m_hWnd, id, text, sizeof text);
  const int item = static_cast<BYTE>(text[0]);
  if (item == 0) return;
  int shown = 0;
  for (int k = 0; k < kTutorItemSlots; ++k)
    if (::GetWindowTextLengthA(::GetDlgItem(m_hWnd, kItemPanels[k])) > 0) ++shown;
  const int slot = id - IDC_TUTOR_ITEM1;
  const RECT& panel = shown == 2 ? m_shiftedPanels[slot] : m_panels[slot];
  const int width = MeasureItemGlyph(m_itemFont, item);
  const int lineHeight = m_itemFont.GetLineHeight();
  const int center = (panel.left + panel.right) / 2;
  const int top = panel.top;
  DrawItemGlyph(pDC, m_itemFont, item, center + width / 2, top, kItemRed);
  if (item == Dagesh)  // the same letter without its dagesh, for comparison
    DrawItemGlyph(pDC, m_itemFont, Bet, panel.right, top, kCarrierCyan);
  const std::string name = TutorItemName(item);
  RECT nameRect = {panel.left, top + lineHeight, panel.right, panel.bottom};
  const HFONT hFont = MakeTextFont(kTextPoints, ScreenHeight());
  const HGDIOBJ hOld = ::SelectObject(*pDC, hFont);
  ::SetTextColor(*pDC, kNavy);
  ::DrawTextA(*pDC, name.c_str(), -1, &nameRect, DT_CENTER | DT_TOP | DT_SINGLELINE);
  ::SelectObject(*pDC, hOld);
  ::DeleteObject(hFont);
}

// Word by word from the left, wrapping at the right edge; the English font
// is the one selected.
void CReadingTutorDlg::PaintExplanation(CDC* pDC) {
  char text[2048] = {};
  ::GetDlgItemTextA(m_hWnd, IDC_TUTOR_EXPLANATION, text, sizeof text);
  const RECT area = ControlRect(IDC_TUTOR_EXPLANATION);
  TEXTMETRICA metrics = {};
  ::GetTextMetricsA(*pDC, &metrics);
  SIZE blank = {};
  ::GetTextExtentPoint32A(*pDC, " ", 1, &blank);
  const int lineHeight = std::max<int>(metrics.tmHeight, m_smallFont.GetLineHeight());
  COLORREF letterColor = kNavy;
  COLORREF pointColor = kNavy;
  int x = area.left;
  int y = area.top;
  const auto newLine = [&] {
    x = area.left;
    y += lineHeight;
  };
  for (const MarkupToken& token : TokenizeMarkup(text)) {
    switch (token.kind) {
      case MarkupTokenKind::kNewLine: newLine(); break;
      case MarkupTokenKind::kTab: x += kTabBlanks * blank.cx; break;
      case MarkupTokenKind::kColor:
        if (token.target != MarkupColorTarget::kPoints) letterColor = token.color;
        if (token.target != MarkupColorTarget::kLetters) pointColor = token.color;
        break;
      case MarkupTokenKind::kWord: {
        SIZE size = {};
        ::GetTextExtentPoint32A(*pDC, token.text.c_str(), static_cast<int>(token.text.size()),
                                &size);
        if (x > area.left && x + size.cx > area.right) newLine();
        ::SetTextColor(*pDC, letterColor);
        ::TextOutA(*pDC, x, y, token.text.c_str(), static_cast<int>(token.text.size()));
        x += size.cx + blank.cx;
        break;
      }
      case MarkupTokenKind::kHebrew: {
        BYTE letters[kWordLimit] = {};
        BYTE vowels[kWordLimit] = {};
        const int count = SplitLettersAndVowels(token.text.c_str(), letters, vowels, kWordLimit, 0);
        const int width = MeasureHebrewText(m_smallFont, letters, vowels, count, TRUE);
        if (x > area.left && x + width > area.right) newLine();
        const HGDIOBJ hOld = ::SelectObject(*pDC, m_smallFont.GetFont()->m_hObject);
        DrawHebrewText(pDC, &m_smallFont, x + width, y, letters, vowels, count, letterColor,
                       pointColor, TRUE, kQamatsQatanAsText, nullptr, FALSE, letterColor,
                       pointColor, kNoHighlight);
        ::SelectObject(*pDC, hOld);
        x += width + blank.cx;
        break;
      }
    }
  }
}

// ---- Owner-drawn buttons.

void CReadingTutorDlg::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct) {
  CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
  const RECT& rect = lpDrawItemStruct->rcItem;
  const BOOL pressed = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
  const BOOL focus = (lpDrawItemStruct->itemState & ODS_FOCUS) != 0;
  DrawFrame3D(pDC, rect, focus, pressed, TRUE);
  ::SetBkMode(*pDC, TRANSPARENT);
  if (nIDCtl == IDC_TUTOR_VOWELS_TOGGLE) DrawToggleButton(pDC, rect, pressed);
  if (IsWordButton(nIDCtl)) DrawWordButton(pDC, nIDCtl, rect);
  if (IsLessonButton(nIDCtl)) DrawLessonButton(pDC, nIDCtl, rect);
}

void CReadingTutorDlg::DrawToggleButton(CDC* pDC, const RECT& rect, BOOL pressed) {
  const std::string text = m_withoutVowels ? kWithoutVowels : kWithVowels;
  const size_t colon = text.find(':');
  BYTE letters[kWordLimit] = {};
  BYTE vowels[kWordLimit] = {};
  const int count =
      SplitLettersAndVowels(text.substr(0, colon).c_str(), letters, vowels, kWordLimit, 0);
  const int hebrewWidth = MeasureHebrewText(m_smallFont, letters, vowels, count, TRUE);
  const std::string english = text.substr(colon + 2);
  SIZE size = {};
  ::GetTextExtentPoint32A(*pDC, english.c_str(), static_cast<int>(english.size()), &size);
  const int shift = pressed ? 1 : 0;
  const int left = (rect.left + rect.right - hebrewWidth - size.cx) / 2 + shift;
  const int middle = (rect.top + rect.bottom) / 2 + shift;
  const HGDIOBJ hOld = ::SelectObject(*pDC, m_smallFont.GetFont()->m_hObject);
  DrawHebrewText(pDC, &m_smallFont, left + hebrewWidth, middle - m_smallFont.GetLineHeight() / 2,
                 letters, vowels, count, kNavy, kNavy, TRUE, kQamatsQatanAsText, nullptr, FALSE,
                 kNavy, kNavy, kNoHighlight);
  ::SelectObject(*pDC, hOld);
  ::SetTextColor(*pDC, kBlack);
  RECT englishRect = {left + hebrewWidth, rect.top + shift, rect.right, rect.bottom + shift};
  ::DrawTextA(*pDC, (" " + english).c_str(), -1, &englishRect,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

void CReadingTutorDlg::DrawWordButton(CDC* pDC, int id, const RECT& rect) {
  char text[kWordLimit * 2] = {};
  ::GetDlgItemTextA(m_hWnd, id, text, sizeof text);
  BYTE letters[kWordLimit] = {};
  BYTE vowels[kWordLimit] = {};
  const int count = SplitLettersAndVowels(text, letters, vowels, kWordLimit, 0);
  if (!m_position.meteg) ClearStressMarks(vowels, count);
  const BOOL withVowels = m_withoutVowels ? FALSE : TRUE;
  const int width = MeasureHebrewText(m_wordFont, letters, vowels, count, withVowels);
  const int right = (rect.left + rect.right + width) / 2;
  const int top = (rect.top + rect.bottom - m_wordFont.GetLineHeight()) / 2;
  const HGDIOBJ hOld = ::SelectObject(*pDC, m_wordFont.GetFont()->m_hObject);
  DrawHebrewText(pDC, &m_wordFont, right, top, letters, vowels, count, kNavy, kNavy, withVowels,
                 kQamatsQatanAsText, nullptr, FALSE, kNavy, kNavy, kNoHighlight);
  ::SelectObject(*pDC, hOld);
  m_wordRects[id - IDC_TUTOR_WORD1] = {right - width, top, right, top + m_wordFont.GetLineHeight()};
}

void CReadingTutorDlg::DrawLessonButton(CDC* pDC, int id, const RECT& rect) {
  const int lesson = id - IDC_TUTOR_FIRST_LESSON + 1;
  const std::string label = "Lesson " + std::to_string(lesson) + ":  ";
  const std::string caption = g_lessonGroups[lesson - 1];
  SIZE labelSize = {};
  ::GetTextExtentPoint32A(*pDC, label.c_str(), static_cast<int>(label.size()), &labelSize);
  SIZE blank = {};
  ::GetTextExtentPoint32A(*pDC, " ", 1, &blank);
  // A caption of items, or a word ("Gutturals") shown as it stands.
  std::vector<int> items;
  const bool word = caption.empty() || static_cast<BYTE>(caption[0]) < 0x80;
  if (!word) {
    for (char c : caption)
      if (c != ' ') items.push_back(static_cast<BYTE>(c));
  }
  int rowWidth = labelSize.cx;
  SIZE wordSize = {};
  if (word) {
    ::GetTextExtentPoint32A(*pDC, caption.c_str(), static_cast<int>(caption.size()), &wordSize);
    rowWidth += wordSize.cx;
  }
  for (int item : items) rowWidth += MeasureItemGlyph(m_smallFont, item) + blank.cx;
  int x = (rect.left + rect.right - rowWidth) / 2;
  const int middle = (rect.top + rect.bottom) / 2;
  ::SetTextColor(*pDC, kLessonRed);
  ::TextOutA(*pDC, x, middle - labelSize.cy / 2, label.c_str(), static_cast<int>(label.size()));
  x += labelSize.cx;
  if (word) {
    ::SetTextColor(*pDC, kNavy);
    ::TextOutA(*pDC, x, middle - wordSize.cy / 2, caption.c_str(),
               static_cast<int>(caption.size()));
    return;
  }
  const int top = middle - m_smallFont.GetLineHeight() / 2;
  for (int item : items) {
    const int width = MeasureItemGlyph(m_smallFont, item);
    DrawItemGlyph(pDC, m_smallFont, item, x + width, top, kNavy);
    x += width + blank.cx;
  }
}
