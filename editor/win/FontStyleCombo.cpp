#include "editor/win/FontStyleCombo.h"

#include "editor/core/FontStyleNames.h"
#include "resources/FontDialogIds.h"

void FillFontStyleCombo(CWnd* pDialog, UINT firstStyle) {
  HWND hCombo = ::GetDlgItem(pDialog->GetSafeHwnd(), IDC_FONT_STYLE_COMBO);
  if (hCombo == nullptr) return;
  for (UINT style = firstStyle; style < kFontStyleNameCount; style++) {
    const auto name = reinterpret_cast<LPARAM>(StyleIndexToName(style));
    if (::SendMessageA(hCombo, CB_FINDSTRING, static_cast<WPARAM>(-1), name) == CB_ERR)
      ::SendMessageA(hCombo, CB_ADDSTRING, 0, name);
  }
}
