#include "speech/win/TranslWin.h"

namespace {
HWND g_translWin = nullptr;
}  // namespace

void SetTranslWin(HWND popup) { g_translWin = popup; }

void DestroyTranslWin() {
  HWND popup = g_translWin;
  g_translWin = nullptr;
  if (popup != nullptr && ::IsWindow(popup)) ::DestroyWindow(popup);
}
