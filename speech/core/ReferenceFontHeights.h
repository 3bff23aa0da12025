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

// The point sizes of the descriptions dialog's fonts by screen height and
// item (Yud, the smallest letter, is drawn larger on a 600-line screen).
struct DescriptionFontSizes {
  int item;     // the item drawn large
  int example;  // the example words
  int button;   // the Hebrew words of the spelling button
  int meaning;  // the English meanings
};
DescriptionFontSizes GetDescriptionFontSizes(int screenHeight, int itemCode);

// The pixel height of a reference font of the given points: the points
// scaled from a 480-line screen to this one, then to pixels at the given
// pixels per inch, negative (a character height).
int ReferenceFontPixelHeight(int points, int screenHeight, int pixelsPerInch);
