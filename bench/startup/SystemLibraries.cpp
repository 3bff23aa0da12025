#include "bench/startup/SystemLibraries.h"

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <objbase.h>
#include <shellapi.h>
#include <winver.h>

void TouchSystemLibraries() {
  // clang-format off
  static const void* const kOnePerLibrary[] = {
      reinterpret_cast<const void*>(&::RegCloseKey),             // advapi32
      reinterpret_cast<const void*>(&::InitCommonControlsEx),    // comctl32
      reinterpret_cast<const void*>(&::GetOpenFileNameA),        // comdlg32
      reinterpret_cast<const void*>(&::CreatePen),               // gdi32
      reinterpret_cast<const void*>(&::OleInitialize),           // ole32
      reinterpret_cast<const void*>(&::DragAcceptFiles),         // shell32
      reinterpret_cast<const void*>(&::GetFileVersionInfoSizeA), // version
  };
  // clang-format on
  const void* volatile sink = nullptr;
  for (const void* function : kOnePerLibrary) sink = function;
  (void)sink;
}
