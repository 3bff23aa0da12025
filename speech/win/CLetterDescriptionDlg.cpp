#include "speech/win/CLetterDescriptionDlg.h"

#include <string>
#include <utility>

#include "classlib/win/MessageMap.h"
#include "classlib/win/WindowDCs.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/HebrewGlyphRun.h"
#include "resources/DescriptionIds.h"
#include "speech/core/DescriptionLayout.h"
#include "speech/core/ExampleHighlight.h"
#include "speech/core/ReferenceFontHeights.h"
#include "speech/win/ReferenceDrawing.h"
#include "speech/win/TranslWin.h"

namespace {

using namespace HebCode;

constexpr int kExampleButtons = kMaxDescriptionExamples;
// Between the large item and the description beside it.
constexpr int kItemGap = 12;

bool IsExampleButton(int id) {
  return id >= IDC_DESCRIPTION_EXAMPLE1 && id < IDC_DESCRIPTION_EXAMPLE1 + kExampleButtons;
}

int ScreenHeight() { return ::GetSystemMetrics(SM_CYSCREEN); }

}  // namespace

BEGIN_MESSAGE_MAP(CLetterDescriptionDlg, CReferenceDlg)
  ON_WM_PAINT()
  ON_WM_DRAWITEM()
  ON_COMMAND_RANGE(IDC_DESCRIPTION_EXAMPLE1, IDC_DESCRIPTION_EXAMPLE6, OnExample)
  ON_BN_CLICKED(IDC_DESCRIPTION_SPELLING, OnToggleSpelling)
END_MESSAGE_MAP()

CLetterDescriptionDlg::CLetterDescriptionDlg(int item, ReferenceServices services, CWnd* pParent)
    : CReferenceDlg(IDD, std::move(services), pParent), m_item(item) {
  GetItemDescription(item, m_description);
}

BOOL CLetterDescriptionDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SpreadOverScreen({IDC_DESCRIPTION_TEXT});
  if (ExampleButtonsMoveDown(m_item)) MoveButtonsDown();
  CreateFonts();
  const bool six = m_description.examples.size() == kExampleButtons;
  for (int id = IDC_DESCRIPTION_EXAMPLE4; id <= IDC_DESCRIPTION_EXAMPLE6; ++id)
    ::ShowWindow(::GetDlgItem(m_hWnd, id), six ? SW_SHOW : SW_HIDE);
  ::SetDlgItemTextA(m_hWnd, IDC_DESCRIPTION_SPELLING, kWithVowelsText);
  return TRUE;
}

void CLetterDescriptionDlg::MoveButtonsDown() {
  const RECT first = ControlRect(IDC_DESCRIPTION_EXAMPLE1);
  const int height = first.bottom - first.top;
  for (int id : {IDC_DESCRIPTION_EXAMPLE1, IDC_DESCRIPTION_EXAMPLE1 + 1,
                 IDC_DESCRIPTION_EXAMPLE1 + 2, IDOK, IDC_DESCRIPTION_SPELLING}) {
    const RECT rect = ControlRect(id);
    ::MoveWindow(::GetDlgItem(m_hWnd, id), rect.left, rect.top + height, rect.right - rect.left,
                 rect.bottom - rect.top, FALSE);
  }
}

void CLetterDescriptionDlg::CreateFonts() {
  CClientDC dc(this);
  const int height = ScreenHeight();
  const DescriptionFontSizes sizes = GetDescriptionFontSizes(height, m_item);
  MakeReferenceHebrewFont(&dc, m_itemFont, sizes.item, height);
  MakeReferenceHebrewFont(&dc, m_exampleFont, sizes.example, height);
  MakeReferenceHebrewFont(&dc, m_buttonFont, sizes.button, height);
  m_meaningPoints = sizes.meaning;
}

const DescriptionExample* CLetterDescriptionDlg::ExampleOf(int id) const {
  const size_t index = static_cast<size_t>(id - IDC_DESCRIPTION_EXAMPLE1);
  return index < m_description.examples.size() ? &m_description.examples[index] : nullptr;
}

void CLetterDescriptionDlg::OnExample(UINT nID) {
  const DescriptionExample* example = ExampleOf(static_cast<int>(nID));
  if (example == nullptr) {
    DestroyTranslWin();
    return;
  }
  // Speech always takes the pointed word, whatever the buttons show.
  SpeakWord(example->word, ControlRect(static_cast<int>(nID)),
            WordPopupRaise(kDescriptionPopupRaise, kDescriptionPopupRaiseOn480, ScreenHeight()));
}

void CLetterDescriptionDlg::OnToggleSpelling() {
  m_withoutVowels = !m_withoutVowels;
  ::SetDlgItemTextA(m_hWnd, IDC_DESCRIPTION_SPELLING,
                    m_withoutVowels ? kWithoutVowelsText : kWithVowelsText);
  for (int k = 0; k < kExampleButtons; ++k) {
    const HWND hButton = ::GetDlgItem(m_hWnd, IDC_DESCRIPTION_EXAMPLE1 + k);
    ::InvalidateRect(hButton, nullptr, TRUE);
    ::UpdateWindow(hButton);
  }
}

void CLetterDescriptionDlg::OnOK() { CloseReference(IDOK); }
void CLetterDescriptionDlg::OnCancel() { CloseReference(IDCANCEL); }

// ---- Painting.

void CLetterDescriptionDlg::OnPaint() {
  CPaintDC dc(this);
  RECT client = {};
  ::GetClientRect(m_hWnd, &client);
  ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
  ::SetBkMode(dc, TRANSPARENT);
  const RECT area = ControlRect(IDC_DESCRIPTION_TEXT);
  PaintItem(&dc, area);
  const HFONT hFont = MakeReferenceTextFont(m_meaningPoints, ScreenHeight());
  const HGDIOBJ hOld = ::SelectObject(dc, hFont);
  MarkupArea where;
  where.area = area;
  where.indent = MeasureItemGlyph(m_itemFont, m_item) + kItemGap;
  const TEXTMETRIC& item = m_itemFont.GetTextMetrics();
  where.indentedLines = DescriptionIndentedLines(m_item, item.tmAscent, item.tmDescent,
                                                 MarkupLineHeight(&dc, m_exampleFont));
  PaintMarkup(&dc, ComposeDescription(m_item), where, m_exampleFont);
  ::SelectObject(dc, hOld);
  ::DeleteObject(hFont);
}

void CLetterDescriptionDlg::PaintItem(CDC* pDC, const RECT& area) {
  const int right = area.left + MeasureItemGlyph(m_itemFont, m_item);
  DrawItemGlyph(pDC, m_itemFont, m_item, right, area.top, kReferenceRed);
  // Only the dot of the bet with dagesh stays red.
  if (m_item == Dagesh) DrawItemGlyph(pDC, m_itemFont, Bet, right, area.top, kCarrierAqua);
}

void CLetterDescriptionDlg::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct) {
  CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
  const RECT& rect = lpDrawItemStruct->rcItem;
  const BOOL pressed = FrameOwnerDrawnButton(pDC, *lpDrawItemStruct);
  if (nIDCtl == IDC_DESCRIPTION_SPELLING)
    DrawSpellingToggle(pDC, m_buttonFont, rect, pressed, m_withoutVowels);
  if (IsExampleButton(nIDCtl)) DrawExampleButton(pDC, nIDCtl, rect);
}

void CLetterDescriptionDlg::DrawExampleButton(CDC* pDC, int id, const RECT& rect) {
  const DescriptionExample* example = ExampleOf(id);
  if (example == nullptr) return;
  // The meteg's own examples keep the stress marks they show.
  const ShownWord word = PrepareShownWord(example->word, m_item != Meteg, m_withoutVowels);
  int highlight = kNoHighlight;
  if (example->position < static_cast<int>(word.positions.size())) {
    const bool vowelLetter = !IsHebrewLetter(m_item) && word.vavAfter[example->position];
    const int start = word.positions[example->position] + (vowelLetter ? 1 : 0);
    highlight = GetExampleHighlightPosition(m_item, start, word.letters.data(), word.vowels.data(),
                                            word.count, m_withoutVowels);
  }
  const HFONT hMeaningFont = MakeReferenceTextFont(m_meaningPoints, ScreenHeight());
  const HGDIOBJ hOld = ::SelectObject(*pDC, hMeaningFont);
  SIZE meaning = {};
  ::GetTextExtentPoint32A(*pDC, example->meaning.c_str(), static_cast<int>(example->meaning.size()),
                          &meaning);
  const int wordHeight = m_exampleFont.GetLineHeight();
  const int top = (rect.top + rect.bottom - wordHeight - meaning.cy) / 2;
  DrawShownWord(pDC, m_exampleFont, word, rect, top, highlight,
                GetExampleHighlightColors(m_item, m_withoutVowels));
  ::SetTextColor(*pDC, kReferenceBlack);
  RECT meaningRect = {rect.left, top + wordHeight, rect.right, top + wordHeight + meaning.cy};
  ::DrawTextA(*pDC, example->meaning.c_str(), -1, &meaningRect, DT_CENTER | DT_TOP | DT_SINGLELINE);
  ::SelectObject(*pDC, hOld);
  ::DeleteObject(hMeaningFont);
}
