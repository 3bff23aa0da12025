#include "editor/win/FontSizeCombo.h"

#include "editor/core/FontSizeBox.h"

namespace {

// Room for any entry a size list holds; longer ones are no sizes.
constexpr int kEntryTextSize = 32;

}  // namespace

void FillFontSizeCombo(CWnd* pParent, int nComboId, LPCSTR currentSize) {
  HWND hCombo = ::GetDlgItem(pParent->GetSafeHwnd(), nComboId);
  if (hCombo == nullptr) return;
  CStringArray entries;
  const int count = static_cast<int>(::SendMessageA(hCombo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; i++) {
    char text[kEntryTextSize] = "";
    if (::SendMessageA(hCombo, CB_GETLBTEXTLEN, i, 0) < static_cast<LRESULT>(sizeof text))
      ::SendMessageA(hCombo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    entries.Add(text);
  }
  AppendStandardFontSizes(entries, currentSize);
  for (int i = count; i < entries.GetSize(); i++)
    ::SendMessageA(hCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(entries[i])));
}
