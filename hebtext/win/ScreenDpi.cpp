#include "hebtext/win/ScreenDpi.h"

int g_screenDpi = 96;
