#include "hebtext/core/Preferences.h"

namespace {

IProfileStore* g_pPreferenceStore = nullptr;

constexpr char kGeneral[] = "General";

int LoadChoice(LPCSTR entry, int defaultValue, int lowest, int highest) {
  int value = static_cast<int>(GetPreferenceInt(kGeneral, entry, defaultValue));
  return value >= lowest && value <= highest ? value : defaultValue;
}

LPCSTR EditorSection(int hebrew) { return hebrew ? "HebrewEditor" : "EnglishEditor"; }

}  // namespace

void SetPreferenceStore(IProfileStore* store) { g_pPreferenceStore = store; }
IProfileStore* GetPreferenceStore() { return g_pPreferenceStore; }

UINT GetPreferenceInt(LPCSTR section, LPCSTR entry, int defaultValue) {
  if (g_pPreferenceStore == nullptr) return static_cast<UINT>(defaultValue);
  return g_pPreferenceStore->GetProfileInt(section, entry, defaultValue);
}

void WritePreferenceInt(LPCSTR section, LPCSTR entry, int value) {
  if (g_pPreferenceStore != nullptr) g_pPreferenceStore->WriteProfileInt(section, entry, value);
}

CString GetPreferenceString(LPCSTR section, LPCSTR entry) {
  if (g_pPreferenceStore == nullptr) return CString();
  return g_pPreferenceStore->GetProfileString(section, entry, "");
}

void WritePreferenceString(LPCSTR section, LPCSTR entry, LPCSTR value) {
  if (g_pPreferenceStore != nullptr) g_pPreferenceStore->WriteProfileString(section, entry, value);
}

void SaveKamColor(COLORREF color) {
  WritePreferenceInt(kGeneral, "KAMColor", static_cast<int>(color));
}

COLORREF LoadKamColor() {
  COLORREF color = GetPreferenceInt(kGeneral, "KAMColor", 255);
  return color <= 0xFFFFFF ? color : 255;
}

void SaveKamStyle(int style) { WritePreferenceInt(kGeneral, "KAMStyle", style != 0 ? 1 : 0); }
int LoadKamStyle() { return GetPreferenceInt(kGeneral, "KAMStyle", 1) != 0 ? 1 : 0; }

void SaveNikudToggle(int enabled) { WritePreferenceInt(kGeneral, "NikudToggle", enabled); }
int LoadNikudToggle() { return LoadChoice("NikudToggle", 0, 0, 1); }

void SaveVowelType(int type) { WritePreferenceInt(kGeneral, "VowelType", type); }
int LoadVowelType() { return LoadChoice("VowelType", 1, 0, 1); }

void SaveHaShemFilter(int filter) {
  WritePreferenceInt(kGeneral, "HaShemFilter", filter != 0 ? 1 : 0);
}
int LoadHaShemFilter() { return GetPreferenceInt(kGeneral, "HaShemFilter", 0) != 0 ? 1 : 0; }

void SaveAccent(int accent) { WritePreferenceInt(kGeneral, "Accent", accent); }
int LoadAccent() { return LoadChoice("Accent", 1, 1, 3); }

void SaveEditorFonts(LPCSTR face, WORD pointSize, BYTE style, int hebrew) {
  EditorFontSpec font{face, pointSize, style};
  WritePreferenceString(kGeneral, hebrew ? "FontHebrew" : "FontEnglish", FormatFontText(font));
}

void LoadEditorFonts(CString& face, WORD& pointSize, BYTE& style, int hebrew) {
  EditorFontSpec font = hebrew ? EditorFontSpec{"Pomlar Sephardi 2", 16, 0}
                               : EditorFontSpec{"Times New Roman", 14, 0};
  ParseFontText(GetPreferenceString(kGeneral, hebrew ? "FontHebrew" : "FontEnglish"), font);
  face = font.face;
  pointSize = font.pointSize;
  style = font.style;
}

void SaveTabStops(int interval, const CDWordArray& stops, int hebrew) {
  WritePreferenceString(EditorSection(hebrew), "TabStopsCustom", FormatTabStopsText(stops));
  WritePreferenceInt(EditorSection(hebrew), "TabStopsInterval", interval);
}

void LoadTabStops(int& interval, CDWordArray& stops, int hebrew) {
  ParseTabStopsText(GetPreferenceString(EditorSection(hebrew), "TabStopsCustom"), stops);
  interval = static_cast<int>(GetPreferenceInt(EditorSection(hebrew), "TabStopsInterval", 1000));
  // A stored interval of 0 or less would never reach the next stop.
  if (interval <= 0) interval = 1000;
}

void InitTransliterationDefaults(TranslitWordSettings* word, TranslitTextStyle* stressed,
                                 TranslitTextStyle* unstressed) {
  *word = TranslitWordSettings();
  *stressed = TranslitTextStyle();
  stressed->textColor = 0x800000;
  stressed->style = 3;
  *unstressed = TranslitTextStyle();
}

int LoadTransliterationSettings(TranslitWordSettings* word, TranslitTextStyle* stressed,
                                TranslitTextStyle* unstressed) {
  InitTransliterationDefaults(word, stressed, unstressed);
  ParseTranslitWordText(GetPreferenceString("Transliteration", "Word"), *word);
  ParseTranslitStyleText(GetPreferenceString("Transliteration", "Stress"), *stressed);
  ParseTranslitStyleText(GetPreferenceString("Transliteration", "NonStress"), *unstressed);
  return 1;
}

int SaveTransliterationSettings(const TranslitWordSettings* word, const TranslitTextStyle* stressed,
                                const TranslitTextStyle* unstressed) {
  WritePreferenceString("Transliteration", "Word", FormatTranslitWordText(*word));
  WritePreferenceString("Transliteration", "Stress", FormatTranslitStyleText(*stressed));
  WritePreferenceString("Transliteration", "NonStress", FormatTranslitStyleText(*unstressed));
  return 1;
}

CString WindowRectKeyForCaption(LPCSTR caption) {
  struct CaptionKey {
    const char* caption;
    const char* key;
  };
  static const CaptionKey kKeys[] = {
      {"Reading Tutorial", "Tutor"},
      {"Hebrew Letter/Vowel Descriptions and Usages", "LetterID"},
      {"Voice Settings", "VoiceDlg"},
  };
  CString text(caption);
  for (const CaptionKey& entry : kKeys)
    if (text.CompareNoCase(entry.caption) == 0) return entry.key;
  return "Main";
}

BOOL IsRectOffScreenOf(const RECT& rect, int screenWidth, int screenHeight) {
  return rect.right < 0 || rect.left > screenWidth || rect.bottom < 0 || rect.top > screenHeight ||
         rect.right <= rect.left || rect.bottom <= rect.top;
}
