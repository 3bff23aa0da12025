// Ending a window object made on the heap: its window destroyed through the
// object's own DestroyWindow, then the object deleted.
#pragma once

class CWnd;

// Nothing when pWnd is null; pWnd is null afterwards.
void DestroyAndDelete(CWnd*& pWnd);

template <class Window>
void DestroyAndDelete(Window*& pWindow) {
  CWnd* pWnd = pWindow;
  DestroyAndDelete(pWnd);
  pWindow = nullptr;
}
