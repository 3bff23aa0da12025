#include "hebtext/win/DestroyAndDelete.h"

#include "classlib/win/CWnd.h"

void DestroyAndDelete(CWnd*& pWnd) {
  if (pWnd == nullptr) return;
  if (pWnd->GetSafeHwnd() != nullptr) pWnd->DestroyWindow();
  delete pWnd;
  pWnd = nullptr;
}
