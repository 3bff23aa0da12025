// Captures what is painted on the screen or in a device context, for UI tests
// that check pixels and leave a PNG for a person to look at.
#pragma once

#include <windows.h>

#include <string>

#include "testing/PngWriter.h"

// The window's area as it is on the screen now (the window must be visible
// and not covered).
RgbImage CaptureWindow(HWND hWnd);
// The window's area once it looks the same twice running (messages are
// dispatched between looks), for pictures of windows still being painted.
RgbImage CaptureSteadyWindow(HWND hWnd);
// A rectangle of a device context, e.g. a memory DC a test painted into.
RgbImage CaptureDC(HDC hDC, int x, int y, int width, int height);
// Writes the image to <build>/screenshots/<name>.png and returns the path.
std::string SaveScreenshot(const RgbImage& image, const std::string& name);
