// The toolkit's process-wide colours, fonts, metrics, cursors and flags, which
// every toolkit class paints with. KWInitToolkit, at application start, fills
// it from the program's module and checks the common controls; the colours
// are refreshed when the user changes system colours or settings.
#pragma once

#include <windows.h>

#include "classlib/core/CString.h"
#include "classlib/win/CFont.h"
#include "toolkit/core/CKWColorSet.h"

class CKWGlobalData : public CKWColorSet {
 public:
  CKWGlobalData();
  virtual ~CKWGlobalData();
  CKWGlobalData(const CKWGlobalData&) = delete;
  CKWGlobalData& operator=(const CKWGlobalData&) = delete;

  // hInstance (the program's module when nullptr), then colours, metrics,
  // fonts, cursors and the common-controls version.
  void Refresh(HINSTANCE hInstance = nullptr);
  // What the frames run on WM_SYSCOLORCHANGE and WM_SETTINGCHANGE.
  void UpdateSysColors();
  void UpdateSysMetrics();
  // The fonts from the menu font of the system.
  void UpdateFonts();
  // The fonts from another font, without the search for Tahoma.
  void UpdateFonts(const CFont& font);
  void UpdateCursors();
  // (major << 16) | minor of Comctl32.dll; 0 when it cannot be told.
  int GetComCtlVersion();

  // Cursors, in the order of their resources 4509, 4510, 4513, 4511, 4515,
  // 4512, 4514, then the system's size-all cursor.
  HCURSOR hcurDragDock = nullptr;
  HCURSOR hcurDragFloat = nullptr;
  HCURSOR hcurResizeWE = nullptr;
  HCURSOR hcurResizeNS = nullptr;
  HCURSOR hcurNoDrop = nullptr;
  HCURSOR hcurSplitWE = nullptr;
  HCURSOR hcurSplitNS = nullptr;
  HCURSOR hcurSizeAll = nullptr;

  int cxSmIcon = 0;
  int cySmIcon = 0;
  int cxHThumb = 0;
  int cyVThumb = 0;
  int cyMenu = 0;

  CFont fontNormal;
  CFont fontBold;
  CFont fontUnderline;
  CFont fontHorz;
  CFont fontVert;
  CFont fontVertBold;
  CFont fontVert270;
  CFont fontVert270Bold;

  BOOL bWin95 = FALSE;
  BOOL bWin98 = FALSE;
  BOOL bWinNT4 = FALSE;
  BOOL bWin2000 = FALSE;
  BOOL bWinXP = FALSE;
  // Set by a frame that installs its owner-drawn menus.
  BOOL bCoolMenusInstalled = FALSE;
  // The flat look instead of the classic three-dimensional one.
  BOOL bOfficeLook = FALSE;
  // Popups get drop-shadow windows.
  BOOL bMenuShadows = TRUE;
  // Bars are dragged as whole windows when they agree.
  BOOL bFullDrag = TRUE;
  // -1 until first asked.
  int comCtlVersion = kUnknownVersion;
  // The private INI file of the profile store; empty: the registry.
  CString strProfileName;
  // The module whose resources the toolkit loads.
  HINSTANCE hInstance = nullptr;

  static constexpr int kUnknownVersion = -1;

 private:
  void CreateFonts(LOGFONT base, bool searchTahoma);
  void DeleteFonts();
  void DestroyCursors();
};

// The one global data object.
CKWGlobalData& KWGetGlobalData();

// Application start: the global data from the program's module (or hInstance),
// then the check that Comctl32.dll is 4.72 or later, which offers to abort
// (posting WM_QUIT) when it is older. FALSE when the user chose to abort.
BOOL KWInitToolkit(HINSTANCE hInstance = nullptr);

// The oldest Comctl32.dll the toolkit works with, 4.72.
constexpr int kKWMinComCtlVersion = 0x40048;
bool KWIsComCtlVersionSupported(int version);
