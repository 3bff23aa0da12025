// Resource and command ids of the document/view test application.
#pragma once

#define IDR_DVT_MAINFRAME 4001
#define IDR_DVT_NOTETYPE 4002
#define IDR_DVT_CARDTYPE 4003
#define IDD_DVT_CARD 4004

// The card form's controls.
#define IDC_DVT_CARD_NAME 4101
#define IDC_DVT_CARD_PLACE 4102

// Commands that show who takes a command: the target at routing depth n
// (0 the view ... 5 the application) handles ID_DVT_ROUTE_FIRST to
// ID_DVT_ROUTE_FIRST + n, so each command is the first one the target at
// its depth sees.
#define ID_DVT_ROUTE_FIRST 33001
#define ID_DVT_ROUTE_VIEW 33001
#define ID_DVT_ROUTE_DOCUMENT 33002
#define ID_DVT_ROUTE_TEMPLATE 33003
#define ID_DVT_ROUTE_CHILD_FRAME 33004
#define ID_DVT_ROUTE_MAIN_FRAME 33005
#define ID_DVT_ROUTE_APPLICATION 33006
