// Resource ids of the declension table view in its preposition form (the
// third tab of the Grammar Tables window).
#pragma once

#define IDD_GRAM_PREPOSITION 130  // also the view's help id

#define IDC_DECLINE_SEARCH 1006  // a Hebrew edit is created over it
#define IDC_DECLINE_LIST 1008
#define IDC_DECLINE_ALTERNATES 801
#define IDC_DECLINE_KTIV_KHASER 800
#define IDC_DECLINE_DEFINITION 1123  // the definition window is created over it
#define IDC_PREPOSITION_CAPTION 1182

// The anchors of the cells: each cell's right edge stands at its anchor's
// right edge, its caption beside the anchor.
#define IDC_CELL_BASE 1186
#define IDC_CELL_CONSTRUCT 1158
#define IDC_CELL_PAUSAL 1079
#define IDC_CELL_S1 1485  // to IDC_CELL_P3M: the persons S1 to P3M in order
#define IDC_CELL_S2M 1486
#define IDC_CELL_S2F 1487
#define IDC_CELL_S3M 1488
#define IDC_CELL_S3F 1489
#define IDC_CELL_P1 1490
#define IDC_CELL_P2M 1491
#define IDC_CELL_P2F 1492
#define IDC_CELL_P3M 1493
#define IDC_CELL_P3F 1070

// The cell copy menu's copy without stress marks, as the verb table's.
#define ID_DECLINE_COPY_NO_METEG 3002
