// Small drawing helpers of the program's own controls.
#pragma once

#include <windows.h>

class CDC;
class CWnd;

// A three-dimensional frame: optionally drawn in black and filled with the
// button face, a light (raised) or black (sunken) edge along the left and
// top, a grey edge along the bottom and right when raised, and a dotted
// focus frame inside.
void DrawFrame3D(CDC* pDC, const RECT& rect, BOOL focus, BOOL sunken, BOOL fill);

// Modes of RecolorBitmap.
constexpr int kRecolorEveryPixel = 1;
constexpr int kRecolorFloodFill = 2;
// Replaces the colour found at the point with the button face: everywhere,
// or in the area of that colour around the point. FALSE when the bitmap
// could not be drawn into.
BOOL RecolorBitmap(CWnd* pWnd, HBITMAP hBitmap, int mode, POINT point);
