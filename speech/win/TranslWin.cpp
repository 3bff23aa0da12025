#include "speech/win/TranslWin.h"

#include <string>
#include <vector>

#include "classlib/win/CFont.h"
#include "hebtext/win/CFontInfo.h"
#include "speech/core/TranslitLayout.h"
#include "speech/win/CSpeakAnimDlg.h"
#include "speech/win/SpeechStop.h"

namespace {

constexpr char kClassName[] = "TranslWin";
constexpr int kPopupStartSize = 10;
const COLORREF kBackground = RGB(255, 255, 128);
const COLORREF kStressedText = RGB(255, 0, 0);
const COLORREF kPlainText = RGB(0, 0, 128);
constexpr UINT_PTR kClassBackground = 5;  // the class's background brush value

struct TranslWinState {
  HWND popup = nullptr;
  bool registered = false;
  std::string text;
  TranslitArea textArea;  // in the popup's client coordinates
};
TranslWinState g_state;
CFontInfo* g_pFont = nullptr;

HFONT DisplayFont() {
  if (g_pFont != nullptr) return static_cast<HFONT>(g_pFont->GetFont()->GetSafeHandle());
  return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

TextWidth DeviceWidth(HDC dc) {
  return [dc](const std::string& text) {
    SIZE size = {};
    ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return static_cast<int>(size.cx);
  };
}

int LineHeight(HDC dc) {
  SIZE size = {};
  ::GetTextExtentPoint32A(dc, "X", 1, &size);
  return size.cy;
}

TranslitArea AreaOf(const RECT& r) { return TranslitArea{r.left, r.top, r.right, r.bottom}; }

void RegisterTranslWinClass() {
  if (g_state.registered) return;
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = TranslWinProc;
  windowClass.hInstance = ::GetModuleHandleA(nullptr);
  windowClass.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(kClassBackground);
  windowClass.lpszClassName = kClassName;
  g_state.registered = ::RegisterClassA(&windowClass) != 0 ||
                       ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// Places the new popup; false when the text fits nowhere.
bool PlacePopup(HWND window, const TranslWinCreate& create) {
  HWND parent = ::GetParent(window);
  RECT client = {};
  ::GetClientRect(parent, &client);
  TranslitPlacement placement;
  placement.byPoint = create.placement == 0;
  placement.hasPoint = create.point.x != kNoPoint;
  placement.pointX = create.point.x;
  placement.pointY = create.point.y;
  placement.word = AreaOf(create.word);
  placement.word.bottom = create.wordBottom;
  placement.parent = AreaOf(client);
  placement.frame = ::GetSystemMetrics(SM_CXBORDER);

  HDC dc = ::GetDC(window);
  HGDIOBJ oldFont = ::SelectObject(dc, DisplayFont());
  TranslitArea popup, text;
  const bool placed = PlaceTranslitPopup(g_state.text, DeviceWidth(dc), LineHeight(dc), placement,
                                         popup, text);
  ::SelectObject(dc, oldFont);
  ::ReleaseDC(window, dc);
  if (!placed) return false;
  g_state.textArea = TranslitArea{text.left - popup.left, text.top - popup.top,
                                  text.right - popup.left, text.bottom - popup.top};
  ::SetWindowPos(window, HWND_TOP, popup.left, popup.top, popup.Width(), popup.Height(),
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
  return true;
}

void Paint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(window, &paint);
  RECT client;
  ::GetClientRect(window, &client);
  HBRUSH brush = ::CreateSolidBrush(kBackground);
  HGDIOBJ oldBrush = ::SelectObject(dc, brush);
  HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(BLACK_PEN));
  ::Rectangle(dc, client.left, client.top, client.right, client.bottom);
  ::SelectObject(dc, oldPen);
  ::SelectObject(dc, oldBrush);
  ::DeleteObject(brush);
  RECT text = {g_state.textArea.left, g_state.textArea.top, g_state.textArea.right,
               g_state.textArea.bottom};
  DrawTranslitRuns(dc, g_state.text.c_str(), &text, TRUE);
  ::EndPaint(window, &paint);
}

}  // namespace

void SetTranslitDisplayFont(CFontInfo* pFont) { g_pFont = pFont; }

int DrawTranslitRuns(HDC dc, LPCSTR text, RECT* rect, BOOL draw) {
  HGDIOBJ oldFont = ::SelectObject(dc, DisplayFont());
  std::vector<TranslitRun> runs;
  TranslitArea area = rect != nullptr ? AreaOf(*rect) : TranslitArea{};
  const int lines = LayoutTranslitRuns(text != nullptr ? text : "", DeviceWidth(dc), LineHeight(dc),
                                       rect != nullptr ? &area : nullptr, runs);
  if (lines > 0 && draw) {
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor = ::GetTextColor(dc);
    for (const TranslitRun& run : runs) {
      ::SetTextColor(dc, run.stressed ? kStressedText : kPlainText);
      ::TextOutA(dc, run.x, run.y, run.text.c_str(), static_cast<int>(run.text.size()));
    }
    ::SetTextColor(dc, oldColor);
    ::SetBkMode(dc, oldMode);
  }
  if (lines > 0 && rect != nullptr) *rect = RECT{area.left, area.top, area.right, area.bottom};
  ::SelectObject(dc, oldFont);
  return lines;
}

HWND CreateTranslWin(HWND parent, LPCSTR text, const POINT* point, const RECT* word,
                     BOOL placement) {
  if (g_state.popup != nullptr && ::IsWindow(g_state.popup)) return g_state.popup;
  RegisterTranslWinClass();
  TranslWinCreate create = {};
  create.placement = placement;
  create.text = text;
  create.point = point != nullptr ? *point : POINT{kNoPoint, 0};
  if (word != nullptr) create.word = *word;
  create.wordBottom = create.word.bottom;
  g_state.popup = ::CreateWindowExA(0, kClassName, "", WS_CHILD | WS_CLIPSIBLINGS, 0, 0,
                                    kPopupStartSize, kPopupStartSize, parent, nullptr,
                                    ::GetModuleHandleA(nullptr), &create);
  return g_state.popup;
}

void SetTranslWin(HWND popup) { g_state.popup = popup; }

void DestroyTranslWin() {
  HWND popup = g_state.popup;
  g_state.popup = nullptr;
  if (popup != nullptr && ::IsWindow(popup)) ::DestroyWindow(popup);
  if (CSpeakAnimDlg* face = CSpeakAnimDlg::Active()) {
    face->StopSpeaking();
  } else {
    StopSpeechOutput();
  }
}

void RedrawTranslWin(HWND window, const RECT* rect) {
  HWND popup = g_state.popup;
  if (popup == nullptr || !::IsWindow(popup)) return;
  if (rect != nullptr) {
    RECT placed, crossing;
    ::GetWindowRect(popup, &placed);
    ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&placed), 2);
    if (!::IntersectRect(&crossing, &placed, rect)) return;
  }
  ::InvalidateRect(popup, nullptr, TRUE);
}

LRESULT CALLBACK TranslWinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      const auto* record = static_cast<const TranslWinCreate*>(create->lpCreateParams);
      g_state.text = record->text != nullptr ? record->text : "";
      return PlacePopup(window, *record) ? 0 : -1;
    }
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      DestroyTranslWin();
      return 0;
    case WM_DESTROY:
      g_state.text.clear();
      if (g_state.popup == window) g_state.popup = nullptr;
      return 0;
    default:
      return ::DefWindowProcA(window, message, wParam, lParam);
  }
}
