// Looking at the pixels of a capture: colours in the capture's form, counts
// and bounding boxes of the pixels that pass a test.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "testing/PngWriter.h"

// A Windows colour as captures hold it (0xRRGGBB, as RgbImage::PixelAt gives it).
uint32_t CaptureColor(COLORREF color);

// A test of one pixel, given as 0xRRGGBB.
using PixelTest = std::function<bool(uint32_t rgb)>;

// Exactly the colour.
PixelTest IsColor(COLORREF color);

// The pixels that pass, in the whole image or in the area (clipped to the image).
int CountPixels(const RgbImage& image, const PixelTest& test);
int CountPixels(const RgbImage& image, const RECT& area, const PixelTest& test);

// The smallest rectangle holding every pixel that passes, its right and
// bottom edges included; empty (left > right) when none does.
RECT BoundingBox(const RgbImage& image, const PixelTest& test);
