// The definition windows' fonts as the main frame makes them, for the tests
// of the windows and of the views that hold them.
#pragma once

#include <windows.h>

#include "classlib/win/WindowDCs.h"
#include "hebtext/win/CFontInfo.h"
#include "tables/win/DefinitionWnd.h"

namespace tabletest {

class DefinitionTestFonts {
 public:
  // Makes the fonts and gives them to every definition window.
  void Install() {
    CClientDC screen(nullptr);
    Make(screen, english, "Times New Roman", kEnglishHeight, FW_BOLD);
    Make(screen, hebrew, "Pomlar Sephardi 2", kHebrewHeight, FW_NORMAL);
    CDefinitionWnd::SetFonts(&english, &hebrew);
  }
  void Remove() { CDefinitionWnd::SetFonts(nullptr, nullptr); }

  CFontInfo english;
  CFontInfo hebrew;

 private:
  static constexpr int kEnglishHeight = -17;
  static constexpr int kHebrewHeight = -16;

  static void Make(CClientDC& screen, CFontInfo& font, const char* face, int height, int weight) {
    LOGFONT logFont = {};
    ::lstrcpynA(logFont.lfFaceName, face, LF_FACESIZE);
    logFont.lfHeight = height;
    logFont.lfWeight = weight;
    font.SetFromLogFont(&screen, logFont);
    font.MeasureCharWidths(&screen);
  }
};

}  // namespace tabletest
