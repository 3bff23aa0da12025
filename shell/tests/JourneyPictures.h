// Pictures of the program's windows kept by the journeys that drive it.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

#include "testing/win/ImagePixels.h"
#include "testing/win/WaitFor.h"
#include "testing/win/WindowCapture.h"

// Pictures are taken once the window looks the same twice running.
inline RgbImage SteadyPicture(HWND hWnd, const std::string& name) {
  RgbImage shot = CaptureSteadyWindow(hWnd);
  SaveScreenshot(shot, name);
  return shot;
}
