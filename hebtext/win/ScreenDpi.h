// The screen's logical pixels per inch, with which controls scale point
// sizes; the main frame reads it from the screen when it is created.
#pragma once

extern int g_screenDpi;
