#include "bench/startup/SystemLibraries.h"

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <objbase.h>
#include <oleauto.h>
#include <shellapi.h>
#include <winspool.h>
#include <winver.h>

void TouchSystemLibraries() {
  // clang-format off
  static const FARPROC kOnePerLibrary[] = {
      reinterpret_cast<FARPROC>(&::RegCloseKey),             // advapi32
      reinterpret_cast<FARPROC>(&::InitCommonControlsEx),    // comctl32
      reinterpret_cast<FARPROC>(&::GetOpenFileNameA),        // comdlg32
      reinterpret_cast<FARPROC>(&::CreatePen),               // gdi32
      reinterpret_cast<FARPROC>(&::OleInitialize),           // ole32
      reinterpret_cast<FARPROC>(&::SysFreeString),           // oleaut32
      reinterpret_cast<FARPROC>(&::DragAcceptFiles),         // shell32
      reinterpret_cast<FARPROC>(&::GetFileVersionInfoSizeA), // version
      reinterpret_cast<FARPROC>(&::ClosePrinter),            // winspool
  };
  // clang-format on
  volatile FARPROC sink = nullptr;
  for (FARPROC function : kOnePerLibrary) sink = function;
  (void)sink;
}
