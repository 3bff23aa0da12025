#include "editor/core/SwitchFontList.h"

#include <cstdlib>
#include <cstring>

#include "editor/core/FontStyleNames.h"
#include "hebtext/core/Preferences.h"
#include "hebtext/core/ProfileStore.h"

namespace {

constexpr char kColumnSeparator = '\t';
constexpr char kWidthSeparator = '|';
const char kSection[] = "Preferences";
const char kWidthsEntry[] = "SwitchFontColumnWidths";

}  // namespace

void SplitSwitchFontEntry(LPCSTR entry, CString columns[kSwitchFontColumns]) {
  for (int i = 0; i < kSwitchFontColumns; i++) {
    const bool last = i == kSwitchFontColumns - 1;
    const char* end = last ? nullptr : std::strchr(entry, kColumnSeparator);
    if (end == nullptr) end = entry + std::strlen(entry);
    columns[i] = CString(entry, static_cast<int>(end - entry));
    entry = *end == kColumnSeparator ? end + 1 : end;
  }
}

FontChoice ReadSwitchFontEntry(const CString columns[kSwitchFontColumns]) {
  FontChoice font;
  font.face = columns[0];
  CString size = columns[1];
  size.TrimLeft();
  size.TrimRight();
  font.size = static_cast<WORD>(std::atoi(size));
  font.style = StyleNameToIndex(columns[2]);
  return font;
}

CString SwitchFontMenuText(LPCSTR onlyEntry) {
  if (onlyEntry == nullptr) return "S&witch Font..\tCtrl+Shift+F";
  CString description = onlyEntry;
  description.Replace("\t", "  ");
  CString text;
  text.Format("S&witch Font to %s\tCtrl+Shift+F", static_cast<LPCSTR>(description));
  return text;
}

void ParseSwitchFontColumnWidths(LPCSTR text, SwitchFontColumnWidths& widths) {
  for (int i = 0; i < kSwitchFontColumns && *text != 0; i++) {
    const int width = std::atoi(text);
    if (width < kMinSwitchFontColumnWidth || width > kMaxSwitchFontColumnWidth) {
      widths = SwitchFontColumnWidths();
      return;
    }
    widths.widths[i] = width;
    const char* next = std::strchr(text, kWidthSeparator);
    text = next != nullptr ? next + 1 : text + std::strlen(text);
  }
}

CString FormatSwitchFontColumnWidths(const SwitchFontColumnWidths& widths) {
  CString text;
  for (int width : widths.widths) {
    CString one;
    one.Format("%d%c", width, kWidthSeparator);
    text += one;
  }
  return text;
}

void LoadSwitchFontColumnWidths(SwitchFontColumnWidths& widths) {
  if (IProfileStore* pStore = GetPreferenceStore())
    ParseSwitchFontColumnWidths(pStore->GetProfileString(kSection, kWidthsEntry, ""), widths);
}

void SaveSwitchFontColumnWidths(const SwitchFontColumnWidths& widths) {
  if (IProfileStore* pStore = GetPreferenceStore())
    pStore->WriteProfileString(kSection, kWidthsEntry, FormatSwitchFontColumnWidths(widths));
}
