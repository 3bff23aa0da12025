// The views of the grammar tables, one per kind of table.
#pragma once

#include "tables/win/GramKinuiView.h"
#include "tables/win/GramNumberView.h"
#include "tables/win/GramPrepView.h"
#include "tables/win/GramVerbView.h"
