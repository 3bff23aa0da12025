#include "toolkit/win/KWWindowHelpers.h"

#include <cstddef>
#include <cstring>

#include "classlib/core/CException.h"
#include "classlib/win/CCreateContext.h"
#include "classlib/win/CFont.h"
#include "classlib/win/CWnd.h"
#include "toolkit/core/DialogFontScale.h"

namespace {

constexpr UINT kIgnoredChildId = 0xFFFF;
// MENUITEMINFO without its last field (hbmpItem), which every system accepts.
constexpr UINT kMenuItemInfoSize = offsetof(MENUITEMINFOA, hbmpItem);
constexpr char kComboBoxClass[] = "COMBOBOX";
constexpr int kClassNameLength = 16;

// The character cell of a font (the window's own when hFont is nullptr).
void MeasureCell(HWND hWnd, HFONT hFont, int& width, int& height) {
  HDC hDC = ::GetDC(hWnd);
  HGDIOBJ hOldFont = ::SelectObject(hDC, hFont != nullptr ? hFont : ::GetStockObject(SYSTEM_FONT));
  TEXTMETRICA metrics = {};
  ::GetTextMetricsA(hDC, &metrics);
  ::SelectObject(hDC, hOldFont);
  ::ReleaseDC(hWnd, hDC);
  width = metrics.tmAveCharWidth;
  height = metrics.tmHeight + metrics.tmExternalLeading;
}

void MoveTo(HWND hWnd, const CRect& rect) {
  ::MoveWindow(hWnd, rect.left, rect.top, rect.Width(), rect.Height(), TRUE);
}

bool IsComboBox(HWND hWnd) {
  char className[kClassNameLength] = {};
  ::GetClassNameA(hWnd, className, sizeof className);
  return std::strcmp(className, kComboBoxClass) == 0;
}

}  // namespace

void FitDialogToFont(CWnd* pWnd, CFont* pFont) {
  HWND hWnd = pWnd->GetSafeHwnd();
  HFONT hNewFont = static_cast<HFONT>(pFont->GetSafeHandle());
  DialogFontScale scale;
  MeasureCell(hWnd, reinterpret_cast<HFONT>(::SendMessageA(hWnd, WM_GETFONT, 0, 0)), scale.oldWidth,
              scale.oldHeight);
  MeasureCell(hWnd, hNewFont, scale.newWidth, scale.newHeight);

  CRect window, client;
  ::GetWindowRect(hWnd, &window);
  ::GetClientRect(hWnd, &client);
  CRect placed = scale.ScaleWindow(window, client.Size());
  HWND hParent = ::GetParent(hWnd);
  if (hParent != nullptr && (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) != 0)
    ::MapWindowPoints(nullptr, hParent, reinterpret_cast<POINT*>(&placed), 2);
  MoveTo(hWnd, placed);
  ::SendMessageA(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(hNewFont), TRUE);

  for (HWND hChild = ::GetWindow(hWnd, GW_CHILD); hChild != nullptr;
       hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
    ::SendMessageA(hChild, WM_SETFONT, reinterpret_cast<WPARAM>(hNewFont), TRUE);
    CRect rect;
    ::GetWindowRect(hChild, &rect);
    ::MapWindowPoints(nullptr, hWnd, reinterpret_cast<POINT*>(&rect), 2);
    if (IsComboBox(hChild)) {
      CRect dropped;
      ::SendMessageA(hChild, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
      ::MapWindowPoints(nullptr, hWnd, reinterpret_cast<POINT*>(&dropped), 2);
      rect.right = dropped.right;
      rect.bottom = dropped.bottom;
    }
    MoveTo(hChild, scale.ScaleChild(rect));
  }
}

CWnd* ChildWindowFromPoint(CWnd* pParent, POINT point) {
  HWND hParent = pParent->GetSafeHwnd();
  ::ClientToScreen(hParent, &point);
  for (HWND hChild = ::GetWindow(hParent, GW_CHILD); hChild != nullptr;
       hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
    CRect rect;
    ::GetWindowRect(hChild, &rect);
    if (static_cast<UINT>(::GetDlgCtrlID(hChild)) != kIgnoredChildId &&
        (::GetWindowLongA(hChild, GWL_STYLE) & WS_VISIBLE) != 0 && rect.PtInRect(point))
      return CWnd::FromHandle(hChild);
  }
  return nullptr;
}

CWnd* CreateWindowFromClass(CWnd* pParent, CRuntimeClass* pClass, CDocument* pDocument,
                            CCreateContext* pContext, DWORD dwStyle, CWnd* pOwner, UINT nID) {
  CWnd* pWnd = nullptr;
  try {
    pWnd = static_cast<CWnd*>(pClass->CreateObject());
  } catch (CException* e) {
    e->Delete();
    return nullptr;
  }
  if (pWnd == nullptr) AfxThrowMemoryException();
  CCreateContext context;
  if (pContext == nullptr) {
    context.m_pNewViewClass = pClass;
    context.m_pCurrentDoc = pDocument;
    pContext = &context;
  }
  if (!pWnd->Create(nullptr, nullptr, dwStyle, CRect(0, 0, 0, 0), pParent, nID, pContext))
    return nullptr;
  pWnd->SetOwner(pOwner != nullptr ? pOwner : pParent);
  return pWnd;
}

CString TextAfterBackslash(LPCSTR lpszText) {
  const char* backslash = lpszText != nullptr ? std::strchr(lpszText, '\\') : nullptr;
  return backslash != nullptr ? CString(backslash + 1) : CString();
}

void InitMenuItemInfo(MENUITEMINFOA* pInfo) {
  std::memset(pInfo, 0, sizeof *pInfo);
  pInfo->cbSize = kMenuItemInfoSize;
}
