// The program's preferences in the profile: each value with its section,
// entry, stored form and default. Nothing is cached here; every call goes
// to the profile store set at start-up, and an absent (or unusable) value
// reads as its default.
#pragma once

#include "classlib/core/CString.h"
#include "classlib/core/Collections.h"
#include "classlib/core/WinTypes.h"
#include "hebtext/core/PreferenceTexts.h"
#include "hebtext/core/ProfileStore.h"

// The profile the preferences go to; without one reads give the defaults
// and writes are dropped.
void SetPreferenceStore(IProfileStore* store);
IProfileStore* GetPreferenceStore();

UINT GetPreferenceInt(LPCSTR section, LPCSTR entry, int defaultValue);
void WritePreferenceInt(LPCSTR section, LPCSTR entry, int value);
// Empty when absent.
CString GetPreferenceString(LPCSTR section, LPCSTR entry);
void WritePreferenceString(LPCSTR section, LPCSTR entry, LPCSTR value);

// "General": qamats qatan's own colour and whether it is used.
void SaveKamColor(COLORREF color);
COLORREF LoadKamColor();
void SaveKamStyle(int style);  // any non-zero style is stored as 1
int LoadKamStyle();
void SaveNikudToggle(int enabled);
int LoadNikudToggle();
void SaveVowelType(int type);  // 0 long and clear vowels, 1 Israeli-like
int LoadVowelType();
void SaveHaShemFilter(int filter);  // any non-zero value is stored as 1
int LoadHaShemFilter();
void SaveAccent(int accent);  // 1 Sephardi, 2 Ashkenazi, 3 Yemenite
int LoadAccent();

// The editor's Hebrew ("FontHebrew") or English ("FontEnglish") font.
void SaveEditorFonts(LPCSTR face, WORD pointSize, BYTE style, int hebrew);
void LoadEditorFonts(CString& face, WORD& pointSize, BYTE& style, int hebrew);

// The custom tab stops and the default interval of an editor side
// ("HebrewEditor" or "EnglishEditor"). Loading replaces the stops.
void SaveTabStops(int interval, const CDWordArray& stops, int hebrew);
void LoadTabStops(int& interval, CDWordArray& stops, int hebrew);

// The transliteration display: "Word", "Stress" and "NonStress".
void InitTransliterationDefaults(TranslitWordSettings* word, TranslitTextStyle* stressed,
                                 TranslitTextStyle* unstressed);
int LoadTransliterationSettings(TranslitWordSettings* word, TranslitTextStyle* stressed,
                                TranslitTextStyle* unstressed);
int SaveTransliterationSettings(const TranslitWordSettings* word, const TranslitTextStyle* stressed,
                                const TranslitTextStyle* unstressed);

// The entry under which the speaking-face window keeps its place, chosen by
// the caption of the window it belongs to.
CString WindowRectKeyForCaption(LPCSTR caption);
// Whether a stored window rectangle cannot be used on a screen of that size.
BOOL IsRectOffScreenOf(const RECT& rect, int screenWidth, int screenHeight);
