#include "hebtext/win/HebEditColors.h"

#include "hebtext/win/SystemPreferences.h"

EditorColors g_hebEditColors = GetSystemEditorColors();
