// Where the descriptions dialog and the reading tutorial place what depends
// on the item or the screen: the example buttons of the items drawn tall,
// the lines of the description beside the large item, and the word popup
// over a clicked word.
#pragma once

// Dagesh, Meteg and Khet are drawn tall: their three example buttons, the
// spelling button and Exit move down by one button's height.
bool ExampleButtonsMoveDown(int item);

// The lines of the description (lineHeight apart) that start beside the
// large item rather than at the left margin: as many as the item's ascent
// covers, and its descent too for an item that reaches below the line (a
// final letter or qof that descends, meteg, a point under its carrier).
int DescriptionIndentedLines(int item, int ascent, int descent, int lineHeight);

// How far above a clicked word its transcription popup stands: points
// scaled from a 480-line screen to this one, pointsOn480 on a 480-line screen.
int WordPopupRaise(int points, int pointsOn480, int screenHeight);
constexpr int kDescriptionPopupRaise = 30;  // the descriptions dialog's examples
constexpr int kDescriptionPopupRaiseOn480 = 22;
constexpr int kTutorPopupRaise = 22;  // the reading tutorial's words
constexpr int kTutorPopupRaiseOn480 = 30;
