// The mouths of the speaking faces, drawn from a phoneme notice's mouth
// opening and width (each 0-255), in the client pixels of each face's
// picture.
#pragma once

#include "classlib/core/WinTypes.h"
#include "speech/core/VoiceProfile.h"  // the faces

struct FaceRect {
  int left, top, right, bottom;
};
struct FacePoint {
  int x, y;
};

// Nerla: one of a grid of 8 rows (opening) by 7 columns (width) of mouth
// pictures, copied into the mouth area; row 0 column 4 is the mouth at rest.
constexpr int kNerlaMouthRows = 8;
constexpr int kNerlaMouthColumns = 7;
constexpr int kNerlaRestRow = 0;
constexpr int kNerlaRestColumn = 4;
constexpr FaceRect kNerlaMouthArea = {49, 92, 49 + 40, 92 + 30};
struct MouthCell {
  int row, column;
};
MouthCell NerlaMouthCell(BYTE opening, BYTE width);

// Star of David: an ellipse whose top is the frame's top.
constexpr FaceRect kStarMouthFrame = {51, 75, 83, 94};
FaceRect StarMouthEllipse(BYTE opening, BYTE width);

// Dreidel: a line from the left corner down to the lowest point and up to
// the right corner; the area above it is filled from a point inside.
constexpr FaceRect kDreidelMouthStrips[] = {{48, 106, 105, 108}, {28, 108, 104, 110},
                                            {16, 110, 102, 155}};
constexpr FacePoint kDreidelInkPixel = {34, 100};  // the face's ink colour
struct DreidelMouth {
  FacePoint points[3];
  FacePoint fillFrom;
};
DreidelMouth DreidelMouthLine(BYTE opening, BYTE width);

// Menorah: a mouth in the centre candle's flame, and eight flames that
// flicker, each a frame of a strip of nine.
constexpr int kFlameFrames = 9;
constexpr int kFlameWidth = 10;
constexpr int kFlameHeight = 27;
constexpr FacePoint kFlameBases[] = {{25, 40}, {43, 38}, {59, 40},  {77, 40},
                                     {113, 40}, {129, 40}, {143, 40}, {157, 40}};
constexpr FaceRect kCentreFlame = {78, 0, 78 + 25, 0 + 40};
FaceRect MenorahMouthEllipse(BYTE opening, BYTE width);
