// Drawing helpers the toolkit's painters share. Colours come from the global data.
#pragma once

#include <windows.h>

class CDC;
class CImageList;

// A disabled image: its dark pixels embossed in highlight and shadow at (x, y).
// bColor renders the image on a colour bitmap first, otherwise a monochrome one.
void DrawEmbossed(CDC* pDC, CImageList& imageList, int nImage, int x, int y, BOOL bColor);
// The half-tone dither of a pressed button, button face and highlight.
void FillDither(CDC* pDC, LPCRECT lpRect);
// Darkens a 4-pixel band inside the right and bottom edges of the rectangle,
// fading outwards, by strength percent of the full shadow.
void DrawItemShadow(CDC* pDC, int left, int top, int right, int bottom, int strength);
