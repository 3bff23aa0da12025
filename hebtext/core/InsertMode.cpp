#include "hebtext/core/InsertMode.h"

int g_insertMode = 1;
