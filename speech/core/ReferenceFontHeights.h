// Font heights of the language reference's windows, chosen by the screen's
// height in pixels so that the keyboard, the chart and the full-screen
// dialogs keep their proportions on every screen.
#pragma once

// The key font of the keyboard guide and the key map before scaling: a
// height of the screen-height table, else -floor((h - 480) x 0.0389 + 19.5).
int KeyFontBaseHeight(int screenHeight);

// The keyboard guide's and the key map view's key font: the base height x
// 690 / screen height, x scale / 100, x pixels per inch / 96, each step a
// rounded multiply-divide.
int KeyViewFontHeight(int screenHeight, int scalePercent, int pixelsPerInch);

// The key map dialog's key font: the base height x pixels per inch / 96.
int KeyMapDialogFontHeight(int screenHeight, int pixelsPerInch);

// The "Arial" font of the descriptions dialog and the reading tutorial: a
// height of the screen-height table, else -floor((h - 480) x 0.0264 + 11.5).
int ReferenceDialogFontHeight(int screenHeight);
