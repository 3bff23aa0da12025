#include "hebtext/win/SystemPreferences.h"

#include <windows.h>

#include "hebtext/core/Preferences.h"

namespace {

EditorColors LoadColors(int hebrew) {
  EditorColors colors = GetSystemEditorColors();
  ParseColorsText(GetPreferenceString("General", hebrew ? "ColorHebrew" : "ColorEnglish"), colors);
  return colors;
}

}  // namespace

EditorColors GetSystemEditorColors() {
  return EditorColors{::GetSysColor(COLOR_WINDOWTEXT), ::GetSysColor(COLOR_WINDOW),
                      ::GetSysColor(COLOR_HIGHLIGHTTEXT), ::GetSysColor(COLOR_HIGHLIGHT)};
}

void SaveEditorColors(COLORREF text, COLORREF background, COLORREF selectedText,
                      COLORREF selectionBackground, int hebrew) {
  EditorColors colors{text, background, selectedText, selectionBackground};
  if (selectedText == static_cast<COLORREF>(-1)) {
    EditorColors stored = LoadColors(hebrew);
    colors.selectedText = stored.selectedText;
    colors.selectionBackground = stored.selectionBackground;
  }
  WritePreferenceString("General", hebrew ? "ColorHebrew" : "ColorEnglish",
                        FormatColorsText(colors));
}

void LoadEditorColors(COLORREF& text, COLORREF& background, COLORREF& selectedText,
                      COLORREF& selectionBackground, int hebrew) {
  EditorColors colors = LoadColors(hebrew);
  text = colors.text;
  background = colors.background;
  selectedText = colors.selectedText;
  selectionBackground = colors.selectionBackground;
}

void SaveWindowRect(const RECT& rect, LPCSTR key) {
  WritePreferenceString("General", key, FormatRectText(rect));
}

void LoadWindowRect(RECT& rect, LPCSTR key) {
  if (!ParseRectText(GetPreferenceString("General", key), rect)) {
    rect = RECT{-1, -1, -1, -1};
    return;
  }
  if (IsRectOffScreen(rect))
    rect = RECT{0, 0, ::GetSystemMetrics(SM_CXFULLSCREEN), ::GetSystemMetrics(SM_CYFULLSCREEN)};
}

BOOL IsRectOffScreen(const RECT& rect) {
  return IsRectOffScreenOf(rect, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
}
