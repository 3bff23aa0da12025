// Resource ids of the editor view's test host.
#pragma once

#define IDR_EVT_MAINFRAME 200
