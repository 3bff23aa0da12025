// A bitmap button whose bitmaps blend with the button face.
#pragma once

#include "classlib/win/CBitmapButton.h"

class CMyButton : public CBitmapButton {
 public:
  // After AutoLoad: recolours the four bitmaps with RecolorBitmap at (x, y),
  // a coordinate of -1 standing for 3.
  void RecolorBitmaps(int x, int y, int mode);
};
