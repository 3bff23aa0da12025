#include "speech/win/KeyPad.h"

#include <cstring>

#include "classlib/win/CBrush.h"
#include "classlib/win/CPen.h"
#include "classlib/win/CWnd.h"
#include "hebtext/core/HebChar.h"
#include "hebtext/core/HebrewGlyphRun.h"
#include "hebtext/core/KeyMapping.h"
#include "hebtext/win/HebrewTextDraw.h"

namespace {

constexpr char kKeyFace[] = "Pomlar Sephardi 2";
constexpr char kLabelFace[] = "Times New Roman";
constexpr char kSymbolFace[] = "Symbol";
constexpr int kLabelFontHeight = -13;
constexpr size_t kMaxCaption = 30;
constexpr WORD kSymbolKeys[] = {1366, 1369};
constexpr WORD kShiftKeys[] = {1331, 1353, 1362};
constexpr WORD kBlackCaptions[] = {2, 3};

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kCarrier = RGB(60, 255, 255);
constexpr COLORREF kQamatsGreen = RGB(0, 128, 64);

constexpr int kLabelInset = 3;   // the English label from the top left corner
constexpr int kHebrewInset = 3;  // the Hebrew from the right and bottom edges
constexpr int kFocusInset = 2;
constexpr int kButtonEdge = 2;    // a function key's bevel
constexpr int kCaptionShift = 2;  // a pressed function key's caption moves so far

template <size_t N>
bool IsOneOf(WORD control, const WORD (&list)[N]) {
  for (WORD c : list)
    if (c == control) return true;
  return false;
}

// A one-pixel bevel inside rect: light edges up the left and along the top,
// dark ones along the bottom and up the right (none when dark is null).
void DrawBevel(CDC& dc, const CRect& rect, int width, COLORREF light, const COLORREF* pDark) {
  for (int i = 0; i < width; ++i) {
    CPen lightPen(PS_SOLID, 1, light);
    CPen* pOld = dc.SelectObject(&lightPen);
    dc.MoveTo(rect.left + 1 + i, rect.bottom - 2 - i);
    dc.LineTo(rect.left + 1 + i, rect.top + 1 + i);
    dc.LineTo(rect.right - 1 - i, rect.top + 1 + i);
    dc.SelectObject(pOld);
    if (pDark == nullptr) continue;
    CPen darkPen(PS_SOLID, 1, *pDark);
    pOld = dc.SelectObject(&darkPen);
    dc.MoveTo(rect.left + 1 + i, rect.bottom - 2 - i);
    dc.LineTo(rect.right - 2 - i, rect.bottom - 2 - i);
    dc.LineTo(rect.right - 2 - i, rect.top + i);
    dc.SelectObject(pOld);
  }
}

// The key's face with a black outline, and its bevel: raised, or sunken
// while it is pressed.
void DrawFace(CDC& dc, const KeyRecord& record, int bevel) {
  CPen black(PS_SOLID, 1, kBlack);
  CPen* pOldPen = dc.SelectObject(&black);
  CBrush face(::GetSysColor(COLOR_BTNFACE));
  CBrush* pOldBrush = dc.SelectObject(&face);
  dc.Rectangle(&record.rect);
  dc.SelectObject(pOldBrush);
  dc.SelectObject(pOldPen);
  const COLORREF grey = kGrey;
  DrawBevel(dc, record.rect, bevel, record.pressed ? kBlack : kWhite,
            record.pressed ? nullptr : &grey);
}

void DrawFocus(CDC& dc, const KeyRecord& record) {
  if (!record.focused) return;
  CRect focus = record.rect;
  focus.DeflateRect(kFocusInset, kFocusInset);
  dc.DrawFocusRect(&focus);
}

}  // namespace

BOOL CKeyPad::Build(CWnd* pOwner, const std::vector<KeyTableEntry>& table, int keyFontHeight) {
  Free();
  m_pOwner = pOwner;
  CDC* pDC = pOwner->GetDC();
  LOGFONT logFont = {};
  logFont.lfHeight = keyFontHeight;
  logFont.lfCharSet = ANSI_CHARSET;
  logFont.lfOutPrecision = OUT_TT_ONLY_PRECIS;
  logFont.lfQuality = PROOF_QUALITY;
  logFont.lfPitchAndFamily = VARIABLE_PITCH;
  ::strncpy(logFont.lfFaceName, kKeyFace, LF_FACESIZE - 1);
  m_keyFont.SetFromLogFont(pDC, logFont);
  m_keyFont.MeasureCharWidths(pDC);
  m_timesFont.CreateFont(kLabelFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                         kLabelFace);
  m_symbolFont.CreateFont(kLabelFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SYMBOL_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                          kSymbolFace);

  for (const KeyTableEntry& entry : table) {
    CWnd* pButton = pOwner->GetDlgItem(entry.control);
    if (pButton == nullptr) continue;  // a key of the other window
    KeyRecord record;
    pButton->GetWindowRect(&record.rect);
    pOwner->ScreenToClient(&record.rect);
    record.pLabelFont = IsOneOf(entry.control, kSymbolKeys) ? &m_symbolFont : &m_timesFont;
    record.key = entry;
    char caption[kMaxCaption + 1] = {};
    ::GetWindowTextA(pButton->GetSafeHwnd(), caption, sizeof caption);
    record.caption = caption;
    pButton->ShowWindow(SW_HIDE);
    m_records.push_back(record);
  }
  if (!m_records.empty()) m_records.front().focused = TRUE;

  CRect client;
  pOwner->GetClientRect(&client);
  for (const KeyRecord& record : m_records) client.UnionRect(&client, &record.rect);
  m_size = CSize(client.right + 1, client.bottom + 1);
  m_memDC.CreateCompatibleDC(pDC);
  m_bitmap.CreateCompatibleBitmap(pDC, m_size.cx, m_size.cy);
  m_pOldBitmap = m_memDC.SelectObject(&m_bitmap);
  pOwner->ReleaseDC(pDC);
  return !m_records.empty();
}

void CKeyPad::Free() {
  m_records.clear();
  if (m_memDC.GetSafeHdc() != nullptr) {
    m_memDC.SelectObject(m_pOldBitmap);
    m_memDC.DeleteDC();
  }
  m_pOldBitmap = nullptr;
  m_bitmap.DeleteObject();
  m_keyFont.Reset();
  m_timesFont.DeleteObject();
  m_symbolFont.DeleteObject();
}

void CKeyPad::DrawAll(BOOL shifted) {
  m_shifted = shifted;
  if (m_memDC.GetSafeHdc() == nullptr) return;
  m_memDC.FillSolidRect(0, 0, m_size.cx, m_size.cy, ::GetSysColor(COLOR_BTNFACE));
  for (KeyRecord& record : m_records) DrawKey(record);
  m_pOwner->Invalidate(FALSE);
}

KeyRecord* CKeyPad::HitTest(CPoint point) {
  // A group's frame encloses its characters, which the table lists after
  // it: the last key under the point is the innermost.
  for (auto record = m_records.rbegin(); record != m_records.rend(); ++record)
    if (record->rect.PtInRect(point)) return &*record;
  return nullptr;
}

KeyRecord* CKeyPad::Find(int control) {
  for (KeyRecord& record : m_records)
    if (record.key.control == control) return &record;
  return nullptr;
}

KeyRecord* CKeyPad::PressAt(CPoint point) {
  KeyRecord* pKey = HitTest(point);
  if (pKey != nullptr) ShowPressed(pKey->key.control);
  return pKey;
}

KeyRecord* CKeyPad::ReleaseAt(CPoint point) {
  ShowPressed(0);
  return HitTest(point);
}

void CKeyPad::ShowPressed(int control) {
  for (KeyRecord& record : m_records) {
    const BOOL pressed = record.key.control == control;
    if (record.pressed == pressed) continue;
    record.pressed = pressed;
    Refresh(record);
  }
}

void CKeyPad::MoveFocus(BOOL backward) {
  for (KeyRecord& record : m_records) {
    if (!record.focused) continue;
    record.focused = FALSE;
    Refresh(record);
    if (KeyRecord* pNext = Find(backward ? record.key.previous : record.key.next)) {
      pNext->focused = TRUE;
      Refresh(*pNext);
    }
    return;
  }
}

void CKeyPad::Paint(CDC* pDC) {
  if (m_memDC.GetSafeHdc() != nullptr)
    pDC->BitBlt(0, 0, m_size.cx, m_size.cy, &m_memDC, 0, 0, SRCCOPY);
}

void CKeyPad::Refresh(KeyRecord& record) {
  if (m_memDC.GetSafeHdc() == nullptr) return;
  DrawKey(record);
  m_pOwner->Invalidate(FALSE);
}

void CKeyPad::DrawKey(KeyRecord& record) {
  const WORD flags = record.key.flags;
  if (flags & kKeyCharacter)
    DrawCharacterKey(record);
  else if (flags & kKeyFunction)
    DrawFunctionKey(record);
  else if (flags & kKeyOfChart)
    DrawCaption(record);
}

void CKeyPad::DrawCharacterKey(KeyRecord& record) {
  CDC& dc = m_memDC;
  const CRect& rect = record.rect;
  DrawFace(dc, record, 1);

  const int pressedShift = record.pressed ? 1 : 0;
  int code = 0;
  if (record.key.flags & kKeyEnglishLabel) {
    const int ch = CharForKeyControl(record.key.control, m_shifted);
    if (ch != 0) {
      const char label[2] = {static_cast<char>(ch), 0};
      CFont* pOldFont = dc.SelectObject(record.pLabelFont);
      dc.SetBkMode(TRANSPARENT);
      dc.SetTextColor(kNavy);
      dc.TextOut(rect.left + kLabelInset + pressedShift, rect.top + kLabelInset + pressedShift,
                 label, 1);
      dc.SelectObject(pOldFont);
      code = MapKeyToHebrew(ch, FALSE);
    }
  } else {
    code = ChartCodeForControl(record.key.control, m_shifted);
  }
  if (code != 0) DrawHebrew(record, code);
  DrawFocus(dc, record);
}

void CKeyPad::DrawHebrew(const KeyRecord& record, int code) {
  if (IsStressedVowel(code)) return;
  BYTE letters[2] = {static_cast<BYTE>(code), 0};
  BYTE vowels[2] = {0, 0};
  COLORREF letterColor = kBlack;
  COLORREF vowelColor = kBlack;
  if (IsVowelCode(code) || IsDageshOrMeteg(code)) {
    letters[0] = static_cast<BYTE>(IsHatafVowel(code) ? HebCode::Ayin : HebCode::Bet);
    vowels[0] = static_cast<BYTE>(code);
    letterColor = kCarrier;
    const bool chartQamats =
        code == HebCode::Qamats && m_shifted && (record.key.flags & kKeyOfChart) != 0;
    const bool guideQamatsQatan =
        code == HebCode::QamatsQatan && (record.key.flags & kKeyEnglishLabel) != 0;
    if (chartQamats || guideQamatsQatan) letterColor = vowelColor = kQamatsGreen;
  }
  const CRect& rect = record.rect;
  const int lineHeight = m_keyFont.GetLineHeight();
  int right = 0;
  int top = 0;
  if (record.key.flags & kKeyEnglishLabel) {
    right = rect.right - kHebrewInset;
    top = rect.bottom - lineHeight - kHebrewInset;
  } else {
    const int width = MeasureHebrewText(m_keyFont, letters, vowels, 1, TRUE);
    right = rect.left + (rect.Width() + width) / 2;
    top = rect.top + (rect.Height() - lineHeight) / 2;
  }
  const int pressedShift = record.pressed ? 1 : 0;
  CFont* pOldFont = m_memDC.SelectObject(m_keyFont.GetFont());
  m_memDC.SetBkMode(TRANSPARENT);
  DrawHebrewText(&m_memDC, &m_keyFont, right + pressedShift, top + pressedShift, letters, vowels, 1,
                 letterColor, vowelColor, TRUE, vowelColor, nullptr, FALSE, letterColor, vowelColor,
                 kNoHighlight);
  m_memDC.SelectObject(pOldFont);
}

COLORREF CKeyPad::CaptionColor(const KeyRecord& record) const {
  const WORD control = record.key.control;
  if (IsOneOf(control, kBlackCaptions)) return kBlack;
  if (IsOneOf(control, kShiftKeys)) return m_shifted ? kBlack : kNavy;
  return kNavy;
}

void CKeyPad::DrawFunctionKey(KeyRecord& record) {
  CDC& dc = m_memDC;
  DrawFace(dc, record, kButtonEdge);

  CRect text = record.rect;
  if (record.pressed) text.OffsetRect(kCaptionShift, kCaptionShift);
  CFont* pOldFont = dc.SelectObject(record.pLabelFont);
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(CaptionColor(record));
  dc.DrawText(record.caption, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  dc.SelectObject(pOldFont);
  DrawFocus(dc, record);
}

void CKeyPad::DrawCaption(KeyRecord& record) {
  CDC& dc = m_memDC;
  CRect rect = record.rect;
  CFont* pOldFont = dc.SelectObject(record.pLabelFont);
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(kNavy);
  UINT format = DT_CENTER | DT_SINGLELINE;
  if (record.key.flags & kKeyFramedCaption) {
    CBrush frame(kBlack);
    dc.FrameRect(&rect, &frame);
    format |= DT_TOP;
  } else {
    format |= DT_VCENTER;
  }
  dc.DrawText(record.caption, &rect, format);
  dc.SelectObject(pOldFont);
}
