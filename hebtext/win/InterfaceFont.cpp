#include "hebtext/win/InterfaceFont.h"

#include <cstring>

#include "classlib/win/CDC.h"
#include "classlib/win/CWnd.h"
#include "hebtext/win/CFontInfo.h"

namespace {

CFontInfo& InterfaceFontInfo() {
  static CFontInfo font;
  return font;
}

bool g_built = false;

}  // namespace

void CreateHebrewInterfaceFont(CDC* pScreenDC, int dpi) {
  LOGFONT logFont;
  memset(&logFont, 0, sizeof(logFont));
  logFont.lfHeight = MulDiv(-16, dpi, 96);
  logFont.lfWeight = FW_NORMAL;
  strcpy(logFont.lfFaceName, "Pomlar Sephardi 2");
  InterfaceFontInfo().SetFromLogFont(pScreenDC, logFont);
  g_built = true;
}

CFont* GetHebrewInterfaceFont() { return g_built ? InterfaceFontInfo().GetFont() : nullptr; }

void SetHebrewInterfaceFont(CWnd* pControl) {
  CFont* pFont = GetHebrewInterfaceFont();
  if (pControl != nullptr && pFont != nullptr) pControl->SetFont(pFont, TRUE);
}
