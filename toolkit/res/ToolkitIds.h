// Resource ids of the toolkit's own cursors and bitmaps.
#pragma once

// Glyphs of the docking windows' caption buttons: a strip of 10 x 10 images.
#define IDB_KW_CAPTION_BUTTONS 4500
// Cursors: dragging a bar to dock or to float it, resizing a docking window
// across and up or down, no drop, and the dock bars' splitters.
#define IDC_KW_DRAG_DOCK 4509
#define IDC_KW_DRAG_FLOAT 4510
#define IDC_KW_RESIZE_NS 4511
#define IDC_KW_SPLIT_WE 4512
#define IDC_KW_RESIZE_WE 4513
#define IDC_KW_SPLIT_NS 4514
#define IDC_KW_NO_DROP 4515
// The menu bar's minimise, restore and close glyphs and the floating
// toolbar's options glyph: 10-pixel images.
#define IDB_KW_MDI_BUTTONS 4656
// The size grip, in the four system greys.
#define IDB_KW_SIZE_GRIP 32766
// The hidden-buttons popup's entry that opens the toolbar's customise dialog.
#define IDS_KW_CUSTOMIZE 4550
