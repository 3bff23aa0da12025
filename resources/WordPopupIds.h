// Resource ids of the timed word pop-up.
#pragma once

#define IDD_WORD_POPUP 106
