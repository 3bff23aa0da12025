// Resource ids of the pronominal-suffix and infinitive-noun view (the second
// tab of the Grammar Tables window).
#pragma once

#define IDD_GRAM_KINUI 1555  // also the view's help id

// The placeholders of the twelve cells, in cell order: the form, the ten
// persons (S1 to P3F) and the root. Each form ends at its placeholder's
// right edge; the person's label is drawn just inside it.
#define IDC_KINUI_FORM 1067
#define IDC_KINUI_S1 1485  // to IDC_KINUI_P3M: S2M, S2F, S3M, S3F, P1, P2M, P2F
#define IDC_KINUI_S2M 1486
#define IDC_KINUI_S2F 1487
#define IDC_KINUI_S3M 1488
#define IDC_KINUI_S3F 1489
#define IDC_KINUI_P1 1490
#define IDC_KINUI_P2M 1491
#define IDC_KINUI_P2F 1492
#define IDC_KINUI_P3M 1493
#define IDC_KINUI_P3F 1070
#define IDC_KINUI_ROOT 1006
// The header naming the binyan and the form is centred on this one.
#define IDC_KINUI_HEADER 1074

#define IDC_KINUI_ALTERNATES 801
#define IDC_KINUI_KTIV_KHASER 800
#define IDC_KINUI_MEANING 1123  // the meaning window is created over it
