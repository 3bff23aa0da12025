#include "hebtext/win/CColorComboBox.h"

#include <cstdio>
#include <cstring>

#include "classlib/win/MessageMap.h"
#include "classlib/win/WindowDCs.h"
#include "hebtext/win/ScreenDpi.h"

namespace {

struct NamedColor {
  const char* name;
  UINT stringId;  // "red green blue"
};

const NamedColor kColors[CColorComboBox::kItemCount] = {
    {"Black", 840},  {"Maroon", 838},       {"Green", 850}, {"Olive", 846},   {"Navy", 863},
    {"Purple", 874}, {"Teal", 864},         {"Gray", 858},  {"Silver", 870},  {"Red", 836},
    {"Lime", 849},   {"Yellow", 843},       {"Blue", 862},  {"Fuchsia", 878}, {"Aqua", 860},
    {"White", 882},  {"More Colors...", 0},
};

COLORREF LoadColor(UINT stringId) {
  char text[64] = {};
  int red = 0, green = 0, blue = 0;
  if (::LoadStringA(::GetModuleHandleA(nullptr), stringId, text, sizeof(text)) > 0)
    sscanf(text, "%d %d %d", &red, &green, &blue);
  return RGB(red, green, blue);
}

int ScaledPixels(int pixels) { return ::MulDiv(pixels, g_screenDpi > 0 ? g_screenDpi : 96, 96); }

}  // namespace

BEGIN_MESSAGE_MAP(CColorComboBox, CFocusComboBox)
  ON_WM_CREATE()
END_MESSAGE_MAP()

LPCSTR CColorComboBox::GetColorName(int index) {
  return index >= 0 && index < kItemCount ? kColors[index].name : "";
}

int CColorComboBox::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CFocusComboBox::OnCreate(lpCreateStruct) == -1) return -1;
  SetDroppedWidth(130);
  for (int i = 0; i < kItemCount; ++i) {
    const int index = AddString(nullptr);
    SetItemData(index, i == kMoreColors ? static_cast<DWORD_PTR>(-1)
                                        : static_cast<DWORD_PTR>(LoadColor(kColors[i].stringId)));
  }
  SetCurSel(0);
  return 0;
}

void CColorComboBox::DrawItem(LPDRAWITEMSTRUCT pDIS) {
  HDC hDC = pDIS->hDC;
  const RECT& r = pDIS->rcItem;
  const BOOL listSelected =
      (pDIS->itemState & ODS_SELECTED) && !(pDIS->itemState & ODS_COMBOBOXEDIT);
  if (listSelected) {
    ::FillRect(hDC, &r, ::GetSysColorBrush(COLOR_HIGHLIGHT));
    ::SetTextColor(hDC, ::GetSysColor(COLOR_HIGHLIGHTTEXT));
  } else {
    ::FillRect(hDC, &r, ::GetSysColorBrush(COLOR_WINDOW));
  }
  ::SetBkMode(hDC, TRANSPARENT);
  const int index = static_cast<int>(pDIS->itemID);
  if (index < 0 || index >= kItemCount) return;
  const char* name = kColors[index].name;
  ::TextOutA(hDC, r.left + ScaledPixels(22), r.top, name, static_cast<int>(strlen(name)));
  HBRUSH hBrush = ::CreateSolidBrush(static_cast<COLORREF>(pDIS->itemData));
  HGDIOBJ hOldBrush = ::SelectObject(hDC, hBrush);
  ::Rectangle(hDC, r.left + 2, r.top + 2, r.left + 2 + ScaledPixels(14), r.bottom - 2);
  ::SelectObject(hDC, hOldBrush);
  ::DeleteObject(hBrush);
}

void CColorComboBox::MeasureItem(LPMEASUREITEMSTRUCT pMIS) {
  CClientDC dc(this);
  pMIS->itemHeight = static_cast<UINT>(dc.GetTextExtent("Black", 5).cy);
}
