#include "hebtext/win/CHebTextComboBox.h"

#include <vector>

#include "classlib/win/CDC.h"
#include "classlib/win/CFont.h"
#include "hebtext/core/PointedText.h"
#include "hebtext/win/CHebEdit.h"
#include "hebtext/win/DrawItemFocusFrame.h"
#include "hebtext/win/HebrewTextDraw.h"

namespace {

const COLORREF kDarkBlue = RGB(0, 0, 160);
const COLORREF kWhite = RGB(255, 255, 255);

// Splits without the progress dialog: a drawing message must not pump
// messages or begin a long operation.
void DrawPointedText(CDC* pDC, CFontInfo& font, const RECT& rect, LPCSTR text, COLORREF color) {
  const int count = SplitLettersAndVowels(text, nullptr, nullptr, 0, 0);
  std::vector<BYTE> letters(count + 1);
  std::vector<BYTE> vowels(count + 1);
  SplitLettersAndVowels(text, letters.data(), vowels.data(), count + 1, 0);
  DrawHebrewText(pDC, &font, rect.right, rect.top, letters.data(), vowels.data(), count, color,
                 color, TRUE, kQamatsQatanAsText, nullptr, FALSE, color, color, kNoHighlight);
}

}  // namespace

void CHebTextComboBox::DrawItem(LPDRAWITEMSTRUCT pDIS) {
  const int index = static_cast<int>(pDIS->itemID);
  if (index == -1 || pDIS->itemAction == ODA_FOCUS || m_pEdit == nullptr) {
    DrawItemFocusFrame(pDIS);
    return;
  }
  CDC* pDC = CDC::FromHandle(pDIS->hDC);
  const RECT& r = pDIS->rcItem;
  const BOOL selected = (pDIS->itemState & ODS_SELECTED) != 0;
  pDC->FillSolidRect(&r, selected ? kDarkBlue : kWhite);
  const COLORREF textColor = selected ? kWhite : RGB(0, 0, 0);
  pDC->SetBkMode(TRANSPARENT);
  if (index < m_items.GetSize()) {
    CFontInfo& font = m_hebrewFont ? m_pEdit->GetHebrewFont() : m_pEdit->GetEnglishFont();
    HGDIOBJ hOldFont = ::SelectObject(pDIS->hDC, font.GetFont()->GetSafeHandle());
    const CString& text = m_items[index];
    if (m_hebrewFont) {
      DrawPointedText(pDC, font, r, text, textColor);
    } else {
      pDC->SetTextColor(textColor);
      pDC->TextOut(r.left, r.top, text);
    }
    ::SelectObject(pDIS->hDC, hOldFont);
  }
  DrawItemFocusFrame(pDIS);
}

void CHebTextComboBox::MeasureItem(LPMEASUREITEMSTRUCT pMIS) {
  if (m_pEdit != nullptr) {
    const CFontInfo& font = m_hebrewFont ? m_pEdit->GetHebrewFont() : m_pEdit->GetEnglishFont();
    pMIS->itemHeight = static_cast<UINT>(font.GetLineHeight());
  }
  m_firstMeasure = FALSE;
}
