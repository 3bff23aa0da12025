#include "speech/win/ReferenceDrawing.h"

#include <algorithm>

#include "classlib/win/CDC.h"
#include "classlib/win/CFont.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/PointedText.h"
#include "hebtext/win/CFontInfo.h"
#include "hebtext/win/DrawHelpers.h"
#include "hebtext/win/HebrewTextDraw.h"
#include "lexicon/core/FormStress.h"
#include "lexicon/core/PleneWord.h"
#include "speech/core/ColorMarkup.h"
#include "speech/core/ReferenceFontHeights.h"

namespace {

using namespace HebCode;

constexpr char kHebrewFace[] = "Pomlar Sephardi 2";
constexpr char kTextFace[] = "Times New Roman";
// The reference fonts are sized for a 96 pixels-per-inch screen.
constexpr int kFontPixelsPerInch = 96;
constexpr int kTabBlanks = 4;
constexpr int kRunLimit = 256;  // positions of a Hebrew run

int CarrierOf(int item) { return IsHatafVowel(item) ? Ayin : Bet; }

bool DrawnAsLetter(int item) { return IsHebrewLetter(item) || item == Dagesh; }

int Blanks(CDC* pDC, int count) {
  SIZE blank = {};
  ::GetTextExtentPoint32A(*pDC, " ", 1, &blank);
  return count * blank.cx;
}

}  // namespace

void MakeReferenceHebrewFont(CDC* pDC, CFontInfo& font, int points, int screenHeight) {
  LOGFONT logFont = {};
  lstrcpynA(logFont.lfFaceName, kHebrewFace, LF_FACESIZE);
  logFont.lfHeight = ReferenceFontPixelHeight(points, screenHeight, kFontPixelsPerInch);
  logFont.lfCharSet = DEFAULT_CHARSET;
  font.SetFromLogFont(pDC, logFont);
  font.MeasureMetrics(pDC);
  font.MeasureCharWidths(pDC);
}

HFONT MakeReferenceTextFont(int points, int screenHeight) {
  LOGFONT logFont = {};
  lstrcpynA(logFont.lfFaceName, kTextFace, LF_FACESIZE);
  logFont.lfHeight = ReferenceFontPixelHeight(points, screenHeight, kFontPixelsPerInch);
  return ::CreateFontIndirectA(&logFont);
}

int MeasureItemGlyph(const CFontInfo& font, int item) {
  if (DrawnAsLetter(item)) return font.GetCharWidth(item == Dagesh ? BetDagesh : item);
  // A shuruk or holam male stands beside its carrier.
  const BYTE letters[] = {static_cast<BYTE>(CarrierOf(item)), 0};
  const BYTE vowels[] = {static_cast<BYTE>(item), 0};
  return MeasureHebrewText(font, letters, vowels, 1, TRUE);
}

int DrawItemGlyph(CDC* pDC, CFontInfo& font, int item, int x, int y, COLORREF color,
                  COLORREF carrierColor) {
  const HGDIOBJ hOld = ::SelectObject(*pDC, font.GetFont()->m_hObject);
  const int width = MeasureItemGlyph(font, item);
  if (DrawnAsLetter(item)) {
    const char glyph = static_cast<char>(item == Dagesh ? BetDagesh : item);
    ::SetTextColor(*pDC, color);
    ::TextOutA(*pDC, x - width, y, &glyph, 1);
  } else {
    const BYTE letters[] = {static_cast<BYTE>(CarrierOf(item)), 0};
    const BYTE vowels[] = {static_cast<BYTE>(item), 0};
    DrawHebrewText(pDC, &font, x, y, letters, vowels, 1, carrierColor, color, TRUE,
                   kQamatsQatanAsText, nullptr, FALSE, carrierColor, color, kNoHighlight);
  }
  ::SelectObject(*pDC, hOld);
  return width;
}

int MarkupLineHeight(CDC* pDC, const CFontInfo& hebrewFont) {
  TEXTMETRICA metrics = {};
  ::GetTextMetricsA(*pDC, &metrics);
  return std::max<int>(metrics.tmHeight, hebrewFont.GetLineHeight());
}

void PaintMarkup(CDC* pDC, const std::string& text, const MarkupArea& where,
                 CFontInfo& hebrewFont) {
  const RECT& area = where.area;
  const int lineHeight = MarkupLineHeight(pDC, hebrewFont);
  COLORREF letterColor = kReferenceNavy;
  COLORREF pointColor = kReferenceNavy;
  int line = 0;
  const auto margin = [&] { return area.left + (line < where.indentedLines ? where.indent : 0); };
  int x = margin();
  int y = area.top;
  const auto newLine = [&] {
    ++line;
    x = margin();
    y += lineHeight;
  };
  const auto resetColors = [&] { letterColor = pointColor = kReferenceNavy; };
  for (const MarkupToken& token : TokenizeMarkup(text)) {
    switch (token.kind) {
      case MarkupTokenKind::kNewLine: newLine(); break;
      case MarkupTokenKind::kTab: x += Blanks(pDC, kTabBlanks); break;
      case MarkupTokenKind::kColor:
        if (token.target != MarkupColorTarget::kPoints) letterColor = token.color;
        if (token.target != MarkupColorTarget::kLetters) pointColor = token.color;
        break;
      case MarkupTokenKind::kWord: {
        SIZE size = {};
        ::GetTextExtentPoint32A(*pDC, token.text.c_str(), static_cast<int>(token.text.size()),
                                &size);
        if (x > margin() && x + size.cx > area.right) newLine();
        ::SetTextColor(*pDC, letterColor);
        ::TextOutA(*pDC, x, y, token.text.c_str(), static_cast<int>(token.text.size()));
        // A sentence ends with a wider gap.
        x += size.cx + Blanks(pDC, !token.text.empty() && token.text.back() == '.' ? 2 : 1);
        resetColors();
        break;
      }
      case MarkupTokenKind::kHebrew: {
        BYTE letters[kRunLimit] = {};
        BYTE vowels[kRunLimit] = {};
        const int count = SplitLettersAndVowels(token.text.c_str(), letters, vowels, kRunLimit, 0);
        const int width = MeasureHebrewText(hebrewFont, letters, vowels, count, TRUE);
        if (x > margin() && x + width > area.right) newLine();
        const HGDIOBJ hOld = ::SelectObject(*pDC, hebrewFont.GetFont()->m_hObject);
        DrawHebrewText(pDC, &hebrewFont, x + width, y, letters, vowels, count, letterColor,
                       pointColor, TRUE, kQamatsQatanAsText, nullptr, FALSE, letterColor,
                       pointColor, kNoHighlight);
        ::SelectObject(*pDC, hOld);
        x += width + Blanks(pDC, 1);
        resetColors();
        break;
      }
    }
  }
}

BOOL FrameOwnerDrawnButton(CDC* pDC, const DRAWITEMSTRUCT& item) {
  const BOOL pressed = (item.itemState & ODS_SELECTED) != 0;
  DrawFrame3D(pDC, item.rcItem, (item.itemState & ODS_FOCUS) != 0, pressed, TRUE);
  ::SetBkMode(*pDC, TRANSPARENT);
  return pressed;
}

void DrawSpellingToggle(CDC* pDC, CFontInfo& hebrewFont, const RECT& rect, BOOL pressed,
                        bool withoutVowels) {
  const std::string text = withoutVowels ? kWithoutVowelsText : kWithVowelsText;
  const size_t colon = text.find(':');
  BYTE letters[kRunLimit] = {};
  BYTE vowels[kRunLimit] = {};
  const int count =
      SplitLettersAndVowels(text.substr(0, colon).c_str(), letters, vowels, kRunLimit, 0);
  const int hebrewWidth = MeasureHebrewText(hebrewFont, letters, vowels, count, TRUE);
  const std::string english = " " + text.substr(colon + 2);
  SIZE size = {};
  ::GetTextExtentPoint32A(*pDC, english.c_str(), static_cast<int>(english.size()), &size);
  const int shift = pressed ? 1 : 0;
  const int left = (rect.left + rect.right - hebrewWidth - size.cx) / 2 + shift;
  const int middle = (rect.top + rect.bottom) / 2 + shift;
  const HGDIOBJ hOld = ::SelectObject(*pDC, hebrewFont.GetFont()->m_hObject);
  DrawHebrewText(pDC, &hebrewFont, left + hebrewWidth, middle - hebrewFont.GetLineHeight() / 2,
                 letters, vowels, count, kReferenceNavy, kReferenceNavy, TRUE, kQamatsQatanAsText,
                 nullptr, FALSE, kReferenceNavy, kReferenceNavy, kNoHighlight);
  ::SelectObject(*pDC, hOld);
  ::SetTextColor(*pDC, kReferenceBlack);
  RECT englishRect = {left + hebrewWidth, rect.top + shift, rect.right, rect.bottom + shift};
  ::DrawTextA(*pDC, english.c_str(), -1, &englishRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

ShownWord PrepareShownWord(const std::string& pointed, bool clearStress, bool fullSpelling) {
  const int capacity = SplitLettersAndVowels(pointed.c_str(), nullptr, nullptr, 0, 0) + 1;
  std::vector<BYTE> letters(capacity), vowels(capacity);
  const int count =
      SplitLettersAndVowels(pointed.c_str(), letters.data(), vowels.data(), capacity, 0);
  if (clearStress) ClearStressMarks(vowels.data(), count);
  ShownWord shown;
  if (fullSpelling) {
    PleneWord plene = RespellPleneWord(letters.data(), vowels.data(), count);
    shown.letters = std::move(plene.letters);
    shown.vowels = std::move(plene.vowels);
    shown.count = plene.count;
    shown.pointed = false;
    shown.positions = std::move(plene.positions);
    shown.vavAfter = std::move(plene.vavAfter);
    return shown;
  }
  shown.letters = std::move(letters);
  shown.vowels = std::move(vowels);
  shown.count = count;
  for (int i = 0; i < count; ++i) shown.positions.push_back(i);
  shown.vavAfter.assign(count, false);
  return shown;
}

RECT DrawShownWord(CDC* pDC, CFontInfo& font, const ShownWord& word, const RECT& area, int y,
                   int highlight, const ExampleColors& colors) {
  const BOOL withVowels = word.pointed ? TRUE : FALSE;
  const int width =
      MeasureHebrewText(font, word.letters.data(), word.vowels.data(), word.count, withVowels);
  const int right = (area.left + area.right + width) / 2;
  const HGDIOBJ hOld = ::SelectObject(*pDC, font.GetFont()->m_hObject);
  DrawHebrewText(pDC, &font, right, y, word.letters.data(), word.vowels.data(), word.count,
                 kReferenceNavy, kReferenceNavy, withVowels, kQamatsQatanAsText, nullptr, FALSE,
                 colors.letter, colors.point, highlight);
  ::SelectObject(*pDC, hOld);
  return {right - width, y, right, y + font.GetLineHeight()};
}
