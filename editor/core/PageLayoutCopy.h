// Copying the page settings of one layout to another, possibly of the
// other side and in the other unit.
#pragma once

#include "editor/core/CPageLayout.h"

class DocTextModel;

// The destination takes the source's orientation, paper and unit; its
// margins, tab interval and tab stops keep their physical size, converted
// to the new unit when it changes. Nothing happens when either is missing
// or both are the same layout.
void CopyPageLayout(CPageLayout* destination, const CPageLayout* source);

// CopyPageLayout for the layouts with indices first to last of the two
// sides' page-layout lists, each laid out again for the screen.
void CopyPageLayouts(DocTextModel& model, int first, int last, int sourceSide, int destinationSide);
