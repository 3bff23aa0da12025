#include "editor/win/ColorDialogDraw.h"

#include <algorithm>

#include "classlib/core/CString.h"
#include "classlib/win/CWnd.h"
#include "editor/core/ColorScroll.h"
#include "resources/ColorDialogIds.h"

namespace {

const int kRgbEdits[] = {IDC_COLOR_RED, IDC_COLOR_GREEN, IDC_COLOR_BLUE};
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
constexpr int kPaletteTextLength = 32;
// tav, shin, resh, gimel, bet, alef in the program's Hebrew fonts.
const char kHebrewSample[] = "\xFA\xF9\xF8\xE2\xE1\xE0";
const char kEnglishSample[] = "abcxyz";

// A control's rectangle in its dialog's client area.
RECT ControlRect(HWND hDialog, int controlId) {
  RECT rect = {0, 0, 0, 0};
  HWND hControl = ::GetDlgItem(hDialog, controlId);
  if (hControl == nullptr) return rect;
  ::GetWindowRect(hControl, &rect);
  ::MapWindowPoints(nullptr, hDialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void FillSolid(HDC hDC, const RECT& rect, COLORREF color) {
  HBRUSH hBrush = ::CreateSolidBrush(color);
  ::FillRect(hDC, &rect, hBrush);
  ::DeleteObject(hBrush);
}

void FrameBlack(HDC hDC, const RECT& rect) {
  HGDIOBJ oldBrush = ::SelectObject(hDC, ::GetStockObject(NULL_BRUSH));
  HGDIOBJ oldPen = ::SelectObject(hDC, ::GetStockObject(BLACK_PEN));
  ::Rectangle(hDC, rect.left, rect.top, rect.right, rect.bottom);
  ::SelectObject(hDC, oldPen);
  ::SelectObject(hDC, oldBrush);
}

void Line(HDC hDC, int x1, int y1, int x2, int y2, COLORREF color) {
  HPEN hPen = ::CreatePen(PS_SOLID, 1, color);
  HGDIOBJ old = ::SelectObject(hDC, hPen);
  ::MoveToEx(hDC, x1, y1, nullptr);
  ::LineTo(hDC, x2, y2);
  ::SelectObject(hDC, old);
  ::DeleteObject(hPen);
}

// The nearest pure colour: a one-bit bitmap of set bits takes the
// background colour when drawn.
void PaintPureColor(HDC hDC, const RECT& rect, COLORREF color) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  HBITMAP hBitmap = ::CreateBitmap(width, height, 1, 1, nullptr);
  HDC hMemDC = ::CreateCompatibleDC(hDC);
  HGDIOBJ old = ::SelectObject(hMemDC, hBitmap);
  ::PatBlt(hMemDC, 0, 0, width, height, WHITENESS);
  const COLORREF oldBack = ::SetBkColor(hDC, color);
  const COLORREF oldText = ::SetTextColor(hDC, kBlack);
  ::BitBlt(hDC, rect.left, rect.top, width, height, hMemDC, 0, 0, SRCCOPY);
  ::SetTextColor(hDC, oldText);
  ::SetBkColor(hDC, oldBack);
  ::SelectObject(hMemDC, old);
  ::DeleteDC(hMemDC);
  ::DeleteObject(hBitmap);
}

HWND BarOfEdit(HWND hDialog, int editId) {
  return ::GetDlgItem(hDialog, editId + IDC_COLOR_BAR_OFFSET);
}

int ColorPart(COLORREF color, int index) {
  return index == 0 ? GetRValue(color) : index == 1 ? GetGValue(color) : GetBValue(color);
}

// The palette's colour of a button, from its string; kNoColor when the
// string is missing or malformed.
COLORREF PaletteColor(UINT buttonId) {
  char text[kPaletteTextLength] = "";
  COLORREF color = kNoColor;
  if (::LoadStringA(::GetModuleHandleA(nullptr), IDS_PALETTE_FIRST + (buttonId - IDC_PALETTE_FIRST),
                    text, kPaletteTextLength) > 0 &&
      ParsePaletteColor(text, color))
    return color;
  return kNoColor;
}

}  // namespace

void DrawColorSample(CWnd* pDialog, COLORREF color) {
  HWND hDialog = pDialog->GetSafeHwnd();
  RECT rect = ControlRect(hDialog, IDC_COLOR_SWATCH);
  HDC hDC = ::GetDC(hDialog);
  if (color == kNoColor) {
    FillSolid(hDC, rect, kWhite);
    const int oldMode = ::SetBkMode(hDC, TRANSPARENT);
    HGDIOBJ oldFont = ::SelectObject(hDC, reinterpret_cast<HGDIOBJ>(
                                              ::SendMessageA(hDialog, WM_GETFONT, 0, 0)));
    ::DrawTextA(hDC, "None", -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ::SelectObject(hDC, oldFont);
    ::SetBkMode(hDC, oldMode);
  } else {
    FillSolid(hDC, rect, color);
    RECT left = rect;
    left.right = rect.left + (rect.right - rect.left) / 2;
    PaintPureColor(hDC, left, color);
  }
  FrameBlack(hDC, rect);
  ::ReleaseDC(hDialog, hDC);
}

COLORREF GetRgbFromEdits(CWnd* pDialog) {
  BYTE parts[3];
  for (int i = 0; i < 3; i++) {
    char text[kRgbFieldChars + 1] = "";
    ::GetDlgItemTextA(pDialog->GetSafeHwnd(), kRgbEdits[i], text, sizeof text);
    parts[i] = RgbFieldValue(text);
  }
  return RGB(parts[0], parts[1], parts[2]);
}

void SetRgbControls(CWnd* pDialog, COLORREF color) {
  HWND hDialog = pDialog->GetSafeHwnd();
  for (int i = 0; i < 3; i++) {
    const int part = ColorPart(color, i);
    ::SetDlgItemTextA(hDialog, kRgbEdits[i], FormatRgbField(part));
    ::SetScrollPos(BarOfEdit(hDialog, kRgbEdits[i]), SB_CTL, part, TRUE);
  }
}

int SyncScrollFromEdit(CWnd* pDialog, int editId) {
  HWND hDialog = pDialog->GetSafeHwnd();
  char text[kRgbFieldChars + 1] = "";
  ::GetDlgItemTextA(hDialog, editId, text, sizeof text);
  int value = 0;
  HWND hBar = BarOfEdit(hDialog, editId);
  if (!ParseRgbField(text, value)) {
    // The bar holds the field's last good value. The edit control's own
    // undo would take back a whole run of typing, not the last change.
    const CString last = FormatRgbField(::GetScrollPos(hBar, SB_CTL));
    ::SetDlgItemTextA(hDialog, editId, last);
    ::SendDlgItemMessageA(hDialog, editId, EM_SETSEL, last.GetLength(), last.GetLength());
    return 0;
  }
  ::SetScrollPos(hBar, SB_CTL, value, TRUE);
  DrawColorSample(pDialog, GetRgbFromEdits(pDialog));
  return 1;
}

void HandleRgbScroll(CWnd* pDialog, UINT code, UINT position, HWND hScrollBar) {
  HWND hDialog = pDialog->GetSafeHwnd();
  const int editId = ::GetDlgCtrlID(hScrollBar) - IDC_COLOR_BAR_OFFSET;
  int value = 0;
  if (!RgbScrollValue(code, ::GetScrollPos(hScrollBar, SB_CTL), static_cast<int>(position), value))
    return;
  ::SetDlgItemTextA(hDialog, editId, FormatRgbField(value));
  ::SetScrollPos(hScrollBar, SB_CTL, value, TRUE);
  DrawColorSample(pDialog, GetRgbFromEdits(pDialog));
}

void InitRgbScrollBars(CWnd* pDialog) {
  for (int editId : kRgbEdits)
    ::SetScrollRange(BarOfEdit(pDialog->GetSafeHwnd(), editId), SB_CTL, kRgbMin, kRgbMax, TRUE);
}

COLORREF DrawColorListItem(const DRAWITEMSTRUCT* pItem) {
  if (pItem->CtlID < IDC_PALETTE_FIRST || pItem->CtlID > IDC_PALETTE_LAST) return kNoColor;
  const COLORREF color = PaletteColor(pItem->CtlID);
  HDC hDC = pItem->hDC;
  const RECT& r = pItem->rcItem;
  FillSolid(hDC, r, color == kNoColor ? kWhite : color);
  const BOOL pressed = (pItem->itemState & ODS_SELECTED) != 0;
  const COLORREF topLeft = (pItem->itemState & ODS_FOCUS) != 0 ? kWhite : kBlack;
  // A pressed button gets a second line inside the first on each side.
  const int lines = pressed ? 2 : 1;
  for (int i = 0; i < lines; i++) {
    const int left = r.left + i, top = r.top + i, right = r.right - 1 - i, bottom = r.bottom - 1 - i;
    Line(hDC, left, bottom, left, top, topLeft);
    Line(hDC, left, top, right, top, topLeft);
    Line(hDC, right, top, right, bottom + 1, kBlack);
    Line(hDC, left, bottom, right, bottom, kBlack);
  }
  return pressed ? color : kNoColor;
}

void DrawColorSampleText(CWnd* pDialog, int controlId, COLORREF text, COLORREF back, HFONT hFont,
                         BOOL hebrew) {
  HWND hDialog = pDialog->GetSafeHwnd();
  RECT rect = ControlRect(hDialog, controlId);
  HDC hDC = ::GetDC(hDialog);
  FillSolid(hDC, rect, back == kNoColor ? kWhite : back);
  FrameBlack(hDC, rect);
  Line(hDC, rect.left + 1, rect.bottom - 2, rect.left + 1, rect.top + 1, kWhite);
  Line(hDC, rect.left + 1, rect.top + 1, rect.right - 1, rect.top + 1, kWhite);

  const char* sample = hebrew ? kHebrewSample : kEnglishSample;
  const int length = ::lstrlenA(sample);
  HGDIOBJ oldFont = hFont != nullptr ? ::SelectObject(hDC, hFont) : nullptr;
  SIZE extent = {0, 0};
  ::GetTextExtentPoint32A(hDC, sample, length, &extent);
  const int x = std::max(rect.left, (rect.left + rect.right - extent.cx) / 2);
  const int y = std::max(rect.top, (rect.top + rect.bottom - extent.cy) / 2);
  const int oldMode = ::SetBkMode(hDC, TRANSPARENT);
  const COLORREF oldColor = ::SetTextColor(hDC, text == kNoColor ? kBlack : text);
  ::ExtTextOutA(hDC, x, y, ETO_CLIPPED, &rect, sample, length, nullptr);
  ::SetTextColor(hDC, oldColor);
  ::SetBkMode(hDC, oldMode);
  if (oldFont != nullptr) ::SelectObject(hDC, oldFont);
  ::ReleaseDC(hDialog, hDC);
}
