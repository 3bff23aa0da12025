// The colours of every Hebrew edit control, read on each paint: the system's
// at start-up; the application may set others.
#pragma once

#include "hebtext/core/PreferenceTexts.h"

extern EditorColors g_hebEditColors;
