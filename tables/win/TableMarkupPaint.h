// Measuring mark-up tables on the screen and painting them into any device
// context: the device half of TableMarkupLayout.h.
#pragma once

#include <windows.h>

#include "tables/core/TableMarkup.h"

class CDC;
class CFont;
class CFontInfo;

// The shared 16-pixel Hebrew form font whose line height every Hebrew
// mark-up cell takes; the main frame sets it when it makes its fonts.
// Without one, Hebrew cells take the default row height.
void SetMarkupHebrewFont(CFontInfo* pFont);
// That font; nullptr while none is set.
CFontInfo* GetMarkupHebrewFont();

// Makes the cell's font in made (deleting what it held) and selects it; for
// font 0, or when the font cannot be made, selects the stock system font.
// Returns the font that was selected before.
CFont* SelectMarkupFont(CDC* pDC, const TableMarkupCell& cell, CFont& made);

// Measures the table on the screen (MeasureTableMarkup of the layout).
void MeasureTableMarkup(TableMarkupHeader& table);

// Paints a measured table with its top-left corner at origin.
void DrawTableMarkup(const TableMarkupHeader& table, CDC* pDC, POINT origin);
