#include "speech/win/CReadingTutorDlg.h"

#include <string>
#include <utility>
#include <vector>

#include "classlib/win/MessageMap.h"
#include "classlib/win/WindowDCs.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/HebrewGlyphRun.h"
#include "hebtext/core/ProgramPath.h"
#include "resources/ReadingTutorIds.h"
#include "speech/core/DescriptionLayout.h"
#include "speech/core/LessonGroups.h"
#include "speech/core/TutorStepText.h"
#include "speech/win/ReferenceDrawing.h"
#include "speech/win/TranslWin.h"

namespace {

using namespace HebCode;

constexpr char kTutorPath[] = "bin\\Tutor.bin";
constexpr int kItemPoints = 39;
constexpr int kWordPoints = 21;
constexpr int kSmallPoints = 13;
constexpr int kTextPoints = 14;
constexpr int kEndTextPoints = 27;
constexpr COLORREF kLessonRed = RGB(128, 0, 0);
// The words show no highlight.
constexpr ExampleColors kPlainWord = {kReferenceNavy, kReferenceNavy};

const int kItemPanels[kTutorItemSlots] = {IDC_TUTOR_ITEM1, IDC_TUTOR_ITEM2, IDC_TUTOR_ITEM3};
const int kWordButtons[kTutorWordButtons] = {IDC_TUTOR_WORD1, IDC_TUTOR_WORD2, IDC_TUTOR_WORD3,
                                             IDC_TUTOR_WORD4};
// Shown while a step of a lesson is.
const int kStepControls[] = {IDC_TUTOR_LESSON_MENU, IDC_TUTOR_NEXT, IDC_TUTOR_PREVIOUS,
                             IDC_TUTOR_LESSON_NUMBER, IDC_TUTOR_LESSON_GROUP};

bool IsWordButton(int id) { return id >= IDC_TUTOR_WORD1 && id <= IDC_TUTOR_WORD4; }
bool IsLessonButton(int id) { return id >= IDC_TUTOR_FIRST_LESSON && id <= IDC_TUTOR_LAST_LESSON; }
int LessonButton(int lesson) { return lesson + IDC_TUTOR_FIRST_LESSON - 1; }

int ScreenHeight() { return ::GetSystemMetrics(SM_CYSCREEN); }

std::string ControlText(HWND hControl) {
  char text[256] = {};
  ::GetWindowTextA(hControl, text, sizeof text);
  return text;
}

}  // namespace

BEGIN_MESSAGE_MAP(CReadingTutorDlg, CReferenceDlg)
  ON_WM_PAINT()
  ON_WM_DRAWITEM()
  ON_COMMAND_RANGE(IDC_TUTOR_FIRST_LESSON, IDC_TUTOR_LAST_LESSON, OnLessonButton)
  ON_BN_CLICKED(IDC_TUTOR_NEXT, OnNext)
  ON_BN_CLICKED(IDC_TUTOR_PREVIOUS, OnPrevious)
  ON_BN_CLICKED(IDC_TUTOR_LESSON_MENU, OnLessonMenu)
  ON_BN_CLICKED(IDC_TUTOR_VOWELS_TOGGLE, OnToggleVowels)
  ON_COMMAND_RANGE(IDC_TUTOR_WORD1, IDC_TUTOR_WORD4, OnWordButton)
END_MESSAGE_MAP()

CReadingTutorDlg::CReadingTutorDlg(ReferenceServices services, CWnd* pParent)
    : CReferenceDlg(IDD, std::move(services), pParent) {}

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
  SpreadOverScreen({IDC_TUTOR_TITLE, IDC_TUTOR_EXPLANATION});
  CreateFonts();
  ::SetDlgItemTextA(m_hWnd, IDC_TUTOR_VOWELS_TOGGLE, kWithVowelsText);
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

void CReadingTutorDlg::CreateFonts() {
  CClientDC dc(this);
  const int height = ScreenHeight();
  MakeReferenceHebrewFont(&dc, m_itemFont, kItemPoints, height);
  MakeReferenceHebrewFont(&dc, m_wordFont, kWordPoints, height);
  MakeReferenceHebrewFont(&dc, m_smallFont, kSmallPoints, height);
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
                    m_withoutVowels ? kWithoutVowelsText : kWithVowelsText);
  for (int id : kWordButtons) ::InvalidateRect(::GetDlgItem(m_hWnd, id), nullptr, TRUE);
}

void CReadingTutorDlg::OnWordButton(UINT nID) {
  // Speech always takes the word as the lesson writes it.
  SpeakWord(ControlText(::GetDlgItem(m_hWnd, nID)), m_wordRects[nID - IDC_TUTOR_WORD1],
            WordPopupRaise(kTutorPopupRaise, kTutorPopupRaiseOn480, ScreenHeight()));
}

void CReadingTutorDlg::OnOK() { Close(IDOK); }
void CReadingTutorDlg::OnCancel() { Close(IDCANCEL); }

void CReadingTutorDlg::Close(int result) {
  CloseReference(result);
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
  const HFONT hFont = MakeReferenceTextFont(points, ScreenHeight());
  const HGDIOBJ hOld = ::SelectObject(dc, hFont);
  ::SetBkMode(dc, TRANSPARENT);
  char title[256] = {};
  ::GetDlgItemTextA(m_hWnd, IDC_TUTOR_TITLE, title, sizeof title);
  RECT titleRect = ControlRect(IDC_TUTOR_TITLE);
  ::SetTextColor(dc, kReferenceBlack);
  ::DrawTextA(dc, title, -1, &titleRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  char explanation[2048] = {};
  ::GetDlgItemTextA(m_hWnd, IDC_TUTOR_EXPLANATION, explanation, sizeof explanation);
  MarkupArea where;
  where.area = ControlRect(IDC_TUTOR_EXPLANATION);
  PaintMarkup(&dc, explanation, where, m_smallFont);
  ::SelectObject(dc, hOld);
  ::DeleteObject(hFont);
  for (int id : kItemPanels) PaintItem(&dc, id);
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
  DrawItemGlyph(pDC, m_itemFont, item, center + width / 2, top, kReferenceRed);
  if (item == Dagesh)  // the same letter without its dagesh, for comparison
    DrawItemGlyph(pDC, m_itemFont, Bet, panel.right, top, kCarrierAqua);
  const std::string name = TutorItemName(item);
  RECT nameRect = {panel.left, top + lineHeight, panel.right, panel.bottom};
  const HFONT hFont = MakeReferenceTextFont(kTextPoints, ScreenHeight());
  const HGDIOBJ hOld = ::SelectObject(*pDC, hFont);
  ::SetTextColor(*pDC, kReferenceNavy);
  ::DrawTextA(*pDC, name.c_str(), -1, &nameRect, DT_CENTER | DT_TOP | DT_SINGLELINE);
  ::SelectObject(*pDC, hOld);
  ::DeleteObject(hFont);
}

// ---- Owner-drawn buttons.

void CReadingTutorDlg::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct) {
  CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
  const RECT& rect = lpDrawItemStruct->rcItem;
  const BOOL pressed = FrameOwnerDrawnButton(pDC, *lpDrawItemStruct);
  if (nIDCtl == IDC_TUTOR_VOWELS_TOGGLE)
    DrawSpellingToggle(pDC, m_smallFont, rect, pressed, m_withoutVowels);
  if (IsWordButton(nIDCtl)) DrawWordButton(pDC, nIDCtl, lpDrawItemStruct->hwndItem, rect);
  if (IsLessonButton(nIDCtl)) DrawLessonButton(pDC, nIDCtl, rect);
}

void CReadingTutorDlg::DrawWordButton(CDC* pDC, int id, HWND hButton, const RECT& rect) {
  // Stress marks show once the lesson on meteg has been reached.
  const ShownWord word = PrepareShownWord(ControlText(hButton), !m_position.meteg, m_withoutVowels);
  const int top = (rect.top + rect.bottom - m_wordFont.GetLineHeight()) / 2;
  RECT drawn = DrawShownWord(pDC, m_wordFont, word, rect, top, kNoHighlight, kPlainWord);
  ::MapWindowPoints(hButton, m_hWnd, reinterpret_cast<POINT*>(&drawn), 2);
  m_wordRects[id - IDC_TUTOR_WORD1] = drawn;
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
    ::SetTextColor(*pDC, kReferenceNavy);
    ::TextOutA(*pDC, x, middle - wordSize.cy / 2, caption.c_str(),
               static_cast<int>(caption.size()));
    return;
  }
  const int top = middle - m_smallFont.GetLineHeight() / 2;
  for (int item : items) {
    const int width = MeasureItemGlyph(m_smallFont, item);
    DrawItemGlyph(pDC, m_smallFont, item, x + width, top, kReferenceNavy);
    x += width + blank.cx;
  }
}
