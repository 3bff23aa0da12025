// Scrolling by itself while a selection is dragged past the view's top or
// bottom: a timer steps the view a line at a time, faster the longer the
// mouse stays out (every fifth tick halves the interval, 50 ms down to 3).
#pragma once

#include "classlib/core/Geometry.h"

// The view's timers: one per direction.
constexpr UINT kAutoScrollUpTimer = 500;
constexpr UINT kAutoScrollDownTimer = 501;
constexpr int kAutoScrollStartMs = 50;

enum AutoScrollAction { kAutoScrollStop, kAutoScrollUp, kAutoScrollDown };

struct AutoScrollState {
  // Negative while scrolling up, positive while scrolling down; its size
  // counts the ticks in that direction.
  int ticks = 0;
  int intervalMs = kAutoScrollStartMs;
};

// One check, with the mouse at logical y over the client area (logical
// coordinates) of a document that tall: scroll up, down (each with the timer
// armed at state.intervalMs), or stop.
AutoScrollAction CheckAutoScroll(AutoScrollState& state, bool captured, const CRect& client,
                                 int documentHeight, int y);
