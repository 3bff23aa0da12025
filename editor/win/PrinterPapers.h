// The papers of every printer the system knows, for the page settings sheet.
#pragma once

#include "editor/core/PaperSizes.h"

// The printers' papers merged by code with "Custom" last; "Custom" alone
// when there are no printers or they cannot be asked.
PaperList ListPrinterPapers();
