#include "toolkit/win/CKWGlobalData.h"

#include <shlwapi.h>

#include <cstddef>
#include <cstring>
#include <initializer_list>

#include "toolkit/res/ToolkitIds.h"
#include "toolkit/win/CKWOSVersionInfo.h"

namespace {

// NONCLIENTMETRICS as the Windows versions before Vista know it: the later
// systems accept it too, while the longer one is refused by the older.
constexpr UINT kNonClientMetricsSize = offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth);

constexpr char kTahoma[] = "Tahoma";
constexpr char kArial[] = "Arial";
constexpr int kEscapementVertical = 900;
constexpr int kEscapementVertical270 = 2700;
// Character sets with this bit (symbol and the like) keep their own face.
constexpr BYTE kKeepFaceCharSetBit = 2;

struct ToolkitCursor {
  HCURSOR CKWGlobalData::*field;
  WORD id;
};
const ToolkitCursor kToolkitCursors[] = {
    {&CKWGlobalData::hcurDragDock, IDC_KW_DRAG_DOCK},
    {&CKWGlobalData::hcurDragFloat, IDC_KW_DRAG_FLOAT},
    {&CKWGlobalData::hcurResizeWE, IDC_KW_RESIZE_WE},
    {&CKWGlobalData::hcurResizeNS, IDC_KW_RESIZE_NS},
    {&CKWGlobalData::hcurNoDrop, IDC_KW_NO_DROP},
    {&CKWGlobalData::hcurSplitWE, IDC_KW_SPLIT_WE},
    {&CKWGlobalData::hcurSplitNS, IDC_KW_SPLIT_NS},
};

constexpr char kWrongVersionCaption[] = "Trennic Software\xAE - Wrong Version Comctl32.dll";
constexpr char kWrongVersionText[] =
    "This application requires Comctl32.dll version 4.72 or higher.\n"
    "Please contact Trennic Software technical support.\n"
    "The application will now abort.";

int CALLBACK StopAtTahoma(const LOGFONTA* pLogFont, const TEXTMETRICA*, DWORD, LPARAM lParam) {
  if (std::strcmp(pLogFont->lfFaceName, kTahoma) != 0) return 1;
  *reinterpret_cast<bool*>(lParam) = true;
  return 0;
}

bool IsTahomaInstalled() {
  HDC hDC = ::GetDC(nullptr);
  LOGFONTA query = {};
  query.lfCharSet = DEFAULT_CHARSET;
  bool found = false;
  ::EnumFontFamiliesExA(hDC, &query, StopAtTahoma, reinterpret_cast<LPARAM>(&found), 0);
  ::ReleaseDC(nullptr, hDC);
  return found;
}

void SetFace(LOGFONT& font, const char* face) { ::lstrcpynA(font.lfFaceName, face, LF_FACESIZE); }

void CreateWith(CFont& font, LOGFONT logFont, LONG weight, LONG escapement) {
  logFont.lfWeight = weight;
  logFont.lfEscapement = logFont.lfOrientation = escapement;
  font.CreateFontIndirect(&logFont);
}

}  // namespace

CKWGlobalData::CKWGlobalData() {
  const CKWOSVersionInfo& os = CKWOSVersionInfo::Get();
  constexpr DWORD kWin98Minor = 10;
  bWin95 = os.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && os.dwMajorVersion == 4 &&
           os.dwMinorVersion < kWin98Minor;
  bWin98 = os.IsPlatform(VER_PLATFORM_WIN32_WINDOWS, 4, kWin98Minor);
  bWinNT4 = os.IsPlatform(VER_PLATFORM_WIN32_NT, 4, 0);
  bWin2000 = os.IsPlatform(VER_PLATFORM_WIN32_NT, 5, 0);
  bWinXP = os.IsPlatform(VER_PLATFORM_WIN32_NT, 5, 1);
  Refresh();
}

CKWGlobalData::~CKWGlobalData() {
  DeleteFonts();
  DestroyCursors();
}

void CKWGlobalData::Refresh(HINSTANCE hInst) {
  hInstance = hInst != nullptr ? hInst : ::GetModuleHandleA(nullptr);
  UpdateSysColors();
  UpdateSysMetrics();
  UpdateFonts();
  UpdateCursors();
  GetComCtlVersion();
}

void CKWGlobalData::UpdateSysColors() {
  struct {
    COLORREF CKWColorSet::*field;
    int index;
  } const kSystemColors[] = {
      {&CKWColorSet::clrBtnFace, COLOR_BTNFACE},
      {&CKWColorSet::clrBtnShadow, COLOR_BTNSHADOW},
      {&CKWColorSet::clr3DDkShadow, COLOR_3DDKSHADOW},
      {&CKWColorSet::clrBtnHilite, COLOR_BTNHIGHLIGHT},
      {&CKWColorSet::clrBtnText, COLOR_BTNTEXT},
      {&CKWColorSet::clrGrayText, COLOR_GRAYTEXT},
      {&CKWColorSet::clrHighlight, COLOR_HIGHLIGHT},
      {&CKWColorSet::clrHighlightText, COLOR_HIGHLIGHTTEXT},
      {&CKWColorSet::clrMenu, COLOR_MENU},
      {&CKWColorSet::clrMenuText, COLOR_MENUTEXT},
      {&CKWColorSet::clrWindow, COLOR_WINDOW},
      {&CKWColorSet::clrWindowFrame, COLOR_WINDOWFRAME},
      {&CKWColorSet::clrWindowText, COLOR_WINDOWTEXT},
      {&CKWColorSet::clrActiveCaption, COLOR_ACTIVECAPTION},
      {&CKWColorSet::clrInactiveCaption, COLOR_INACTIVECAPTION},
      {&CKWColorSet::clrGradActiveCaption, COLOR_GRADIENTACTIVECAPTION},
      {&CKWColorSet::clrGradInactiveCaption, COLOR_GRADIENTINACTIVECAPTION},
      {&CKWColorSet::clrCaptionText, COLOR_CAPTIONTEXT},
      {&CKWColorSet::clrInactiveCaptionText, COLOR_INACTIVECAPTIONTEXT},
  };
  for (const auto& color : kSystemColors) this->*color.field = ::GetSysColor(color.index);
  DeriveColors();
}

void CKWGlobalData::UpdateSysMetrics() {
  cxSmIcon = ::GetSystemMetrics(SM_CXSMICON);
  cySmIcon = ::GetSystemMetrics(SM_CYSMICON);
  cxHThumb = ::GetSystemMetrics(SM_CXHTHUMB);
  cyVThumb = ::GetSystemMetrics(SM_CYVTHUMB);
  cyMenu = ::GetSystemMetrics(SM_CYMENU);
}

void CKWGlobalData::UpdateFonts() {
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = kNonClientMetricsSize;
  if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, kNonClientMetricsSize, &metrics, 0))
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(LOGFONTA), &metrics.lfMenuFont);
  CreateFonts(metrics.lfMenuFont, true);
}

void CKWGlobalData::UpdateFonts(const CFont& font) {
  LOGFONT base = {};
  font.GetLogFont(&base);
  CreateFonts(base, false);
}

void CKWGlobalData::CreateFonts(LOGFONT base, bool searchTahoma) {
  DeleteFonts();
  if (searchTahoma && (base.lfCharSet & kKeepFaceCharSetBit) == 0 && IsTahomaInstalled())
    SetFace(base, kTahoma);
  CreateWith(fontBold, base, FW_BOLD, base.lfEscapement);
  CreateWith(fontNormal, base, FW_NORMAL, base.lfEscapement);
  LOGFONT underlined = base;
  underlined.lfUnderline = TRUE;
  CreateWith(fontUnderline, underlined, FW_NORMAL, base.lfEscapement);

  if (::_strnicmp(base.lfFaceName, kTahoma, sizeof kTahoma) != 0) SetFace(base, kArial);
  base.lfUnderline = FALSE;
  CreateWith(fontHorz, base, FW_NORMAL, base.lfEscapement);
  CreateWith(fontVert, base, FW_NORMAL, kEscapementVertical);
  CreateWith(fontVertBold, base, FW_BOLD, kEscapementVertical);
  CreateWith(fontVert270, base, FW_NORMAL, kEscapementVertical270);
  CreateWith(fontVert270Bold, base, FW_BOLD, kEscapementVertical270);
}

void CKWGlobalData::DeleteFonts() {
  for (CFont* font : {&fontNormal, &fontBold, &fontUnderline, &fontHorz, &fontVert, &fontVertBold,
                      &fontVert270, &fontVert270Bold})
    font->DeleteObject();
}

void CKWGlobalData::UpdateCursors() {
  DestroyCursors();
  for (const ToolkitCursor& cursor : kToolkitCursors)
    this->*cursor.field = ::LoadCursorA(hInstance, MAKEINTRESOURCEA(cursor.id));
  hcurSizeAll = ::LoadCursorA(nullptr, IDC_SIZEALL);
}

// The system's size-all cursor is shared and stays.
void CKWGlobalData::DestroyCursors() {
  for (const ToolkitCursor& cursor : kToolkitCursors) {
    if (this->*cursor.field != nullptr) ::DestroyCursor(this->*cursor.field);
    this->*cursor.field = nullptr;
  }
}

int CKWGlobalData::GetComCtlVersion() {
  if (comCtlVersion == kUnknownVersion) {
    HMODULE hComCtl = ::LoadLibraryA("COMCTL32.DLL");
    auto pDllGetVersion = reinterpret_cast<DLLGETVERSIONPROC>(
        reinterpret_cast<void*>(::GetProcAddress(hComCtl, "DllGetVersion")));
    DLLVERSIONINFO info = {};
    info.cbSize = sizeof info;
    if (pDllGetVersion != nullptr && SUCCEEDED(pDllGetVersion(&info)))
      comCtlVersion = static_cast<int>(info.dwMajorVersion << 16 | (info.dwMinorVersion & 0xFFFF));
    if (hComCtl != nullptr) ::FreeLibrary(hComCtl);
  }
  return comCtlVersion == kUnknownVersion ? 0 : comCtlVersion;
}

CKWGlobalData& KWGetGlobalData() {
  static CKWGlobalData data;
  return data;
}

bool KWIsComCtlVersionSupported(int version) { return version >= kKWMinComCtlVersion; }

BOOL KWInitToolkit(HINSTANCE hInstance) {
  CKWGlobalData& data = KWGetGlobalData();
  if (hInstance != nullptr) data.Refresh(hInstance);
  if (KWIsComCtlVersionSupported(data.comCtlVersion)) return TRUE;
  if (::MessageBoxA(nullptr, kWrongVersionText, kWrongVersionCaption,
                    MB_ABORTRETRYIGNORE | MB_ICONSTOP) != IDABORT)
    return TRUE;
  ::PostQuitMessage(0);
  return FALSE;
}
