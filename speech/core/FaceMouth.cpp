#include "speech/core/FaceMouth.h"

#include <algorithm>

namespace {
constexpr int kByteRange = 256;

// Star: small mouths keep a minimum, open ones are drawn a fifth taller.
constexpr int kStarMinHeight = 5;
constexpr int kStarMinWidth = 10;
constexpr int kStarStretchAbove = 10;

// Dreidel: the corners and lowest point of the mouth.
constexpr FacePoint kDreidelRight = {105, 106};
constexpr FacePoint kDreidelBottom = {61, 155};
constexpr FacePoint kDreidelLeft = {16, 110};
constexpr int kDreidelMinWidth = 10;

// Menorah: the mouth in the centre flame.
constexpr int kMenorahCentreX = 92;
constexpr int kMenorahMouthTop = 25;
constexpr int kMenorahMouthBase = 28;
constexpr int kMenorahMouthScale = 25;
constexpr int kMenorahMinWidth = 3;
}  // namespace

MouthCell NerlaMouthCell(BYTE opening, BYTE width) {
  const int row = (opening * (kNerlaMouthRows) + kByteRange / 2) / kByteRange + 1;
  const int column = (width * kNerlaMouthColumns) / kByteRange + 1;
  return MouthCell{std::min(row, kNerlaMouthRows - 1), std::min(column, kNerlaMouthColumns - 1)};
}

FaceRect StarMouthEllipse(BYTE opening, BYTE width) {
  const FaceRect& f = kStarMouthFrame;
  int height = (f.bottom - f.top) * opening / kByteRange + kStarMinHeight;
  if (height > kStarStretchAbove) height = height * 12 / 10;
  const int w = (f.right - f.left) * width / kByteRange + kStarMinWidth;
  const int left = f.left + ((f.right - f.left) - w) / 2;
  return FaceRect{left, f.top, left + w, f.top + height};
}

DreidelMouth DreidelMouthLine(BYTE opening, BYTE width) {
  const int w = (kDreidelRight.x - kDreidelLeft.x) * width / kByteRange + kDreidelMinWidth;
  const int half = w / 2;
  const int depth = (kDreidelBottom.y - kDreidelLeft.y) * opening / kByteRange;
  const int startX = kDreidelBottom.x - half;
  // The left corner follows the face's edge, which steps down to the left.
  const int startY = startX < kDreidelMouthStrips[1].left   ? kDreidelLeft.y
                     : startX < kDreidelMouthStrips[0].left ? kDreidelMouthStrips[1].top
                                                            : kDreidelRight.y;
  DreidelMouth mouth;
  mouth.points[0] = {startX, startY};
  mouth.points[1] = {kDreidelBottom.x, kDreidelLeft.y + depth};
  mouth.points[2] = {startX + w, kDreidelRight.y};
  mouth.fillFrom = {kDreidelBottom.x, kDreidelRight.y + 1 + depth};
  return mouth;
}

FaceRect MenorahMouthEllipse(BYTE opening, BYTE width) {
  const int w = std::max(kMenorahMinWidth, width * kMenorahMouthScale / kByteRange);
  const int left = kMenorahCentreX - w / 2;
  return FaceRect{left, kMenorahMouthTop, left + w,
                  opening * kMenorahMouthScale / kByteRange + kMenorahMouthBase};
}
