// The lines of the RTF display control: characters placed left to right
// (runs of Hebrew in the program's fonts right to left), wrapped at the client width, stacked on the baselines of their tallest
// characters, and the whole block centred in the client area.
#pragma once

#include "editor/core/DocMetrics.h"
#include "editor/core/RtfPreviewText.h"

// The space kept free at the left and top of the text, in pixels.
constexpr int kPreviewMargin = 2;

// Fills every character's boxes and the line starts of text for a client
// area of that size. extraWordSpace widens each blank, in quarter points.
void LayoutRtfPreview(RtfPreviewText& text, const IDocMetrics& metrics, SIZE client,
                      DWORD extraWordSpace);
