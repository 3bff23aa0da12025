// Resource ids of the number view (the fourth tab of the Grammar Tables
// window).
#pragma once

#define IDD_GRAM_NUMBER 1567  // also the view's help id

#define IDC_NUMBER_LABEL 1082
#define IDC_NUMBER_EDIT 1084
#define IDC_NUMBER_INTERVAL_FRAME 1346
#define IDC_NUMBER_NO_SEQUENCE 1354
#define IDC_NUMBER_BY_1 1355  // to IDC_NUMBER_BY_1000: the sequence intervals in order
#define IDC_NUMBER_BY_10 1356
#define IDC_NUMBER_BY_100 1357
#define IDC_NUMBER_BY_1000 1358
#define IDC_NUMBER_FORMAT_FRAME 1316
#define IDC_NUMBER_CARDINAL 1087
#define IDC_NUMBER_ORDINAL 1089
#define IDC_NUMBER_GENDER_FRAME 1324
#define IDC_NUMBER_MASCULINE 1091
#define IDC_NUMBER_FEMININE 1095
#define IDC_NUMBER_KTIV_KHASER 800

// The cells' places, taken at start and then destroyed: the ten sequence
// cells (the right column first), the Hebrew and the English words.
#define IDC_NUMBER_SEQUENCE_FIRST 35  // to 44
#define IDC_NUMBER_HEBREW 1306
#define IDC_NUMBER_ENGLISH 1074

// "Copy to Clipboard (No &METEG)" of the cell menu, as in the other grammar views.
#define ID_NUMBER_COPY_NO_METEG 3002
