// Resource ids of the declension table view in its noun, adjective and
// general-vocabulary forms. The program links these views but no tab shows
// them; the controls they share with the preposition form keep its ids.
#pragma once

#include "PrepositionTableIds.h"

#define IDD_GRAM_NOUN 127
#define IDD_GRAM_ADJECTIVE 129
#define IDD_GRAM_VOCABULARY 131

// The captions of the search edit ("&Noun Form", "General &Vocabulary",
// "&Adjective"); the adjectives' is also their cell 0's anchor.
#define IDC_NOUN_CAPTION 1170
#define IDC_ADJECTIVE_CAPTION 1238

// The noun's number radios and the entry's gender and number.
#define IDC_NOUN_SINGULAR 1132
#define IDC_NOUN_PLURAL 1149
#define IDC_GENDER_BOX 1178
#define IDC_GENDER_TEXT 1174
// Never filled: the entry list takes no category filter.
#define IDC_CATEGORIES_BOX 1205
#define IDC_CATEGORIES_LIST 1203

// Cell anchors beyond the preposition form's.
#define IDC_CELL_SINGULAR 1166
#define IDC_CELL_PLURAL 1162
#define IDC_CELL_CONSTRUCT_PLURAL 1183
#define IDC_CELL_SM 1224
#define IDC_CELL_SF 1229
#define IDC_CELL_PM 1232
#define IDC_CELL_PF 1235
