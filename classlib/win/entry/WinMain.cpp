// The Windows entry point of every program built on the class library: the
// program defines one CWinApp object, and start-up goes through it.
#include "classlib/win/CWinApp.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow) {
  return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
