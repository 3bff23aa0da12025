// Resource ids of the verb table view (the first tab of the Grammar Tables
// window).
#pragma once

#define IDD_GRAM_VERB 124  // also the view's help id

#define IDC_VERB_ROOT 1006  // a Hebrew edit is created over it
#define IDC_VERB_ROOT_LABEL 1119
#define IDC_VERB_LIST 1008
#define IDC_VERB_BINYAN_FRAME 1242
#define IDC_VERB_PAAL 1010  // to IDC_VERB_HUFAL: the seven binyanim in order
#define IDC_VERB_NIFAL 1011
#define IDC_VERB_PIEL 1012
#define IDC_VERB_PUAL 1013
#define IDC_VERB_HITPAEL 1014
#define IDC_VERB_HIFIL 1015
#define IDC_VERB_HUFAL 1016
#define IDC_VERB_FORM_SET 1367
#define IDC_VERB_ALTERNATES 801
#define IDC_VERB_KTIV_KHASER 800
#define IDC_VERB_DEFINITION 1123  // the definition window is created over it
#define IDC_VERB_PREPOSITIONS_LABEL 1126
#define IDC_VERB_PREPOSITIONS 1129

// Group headings.
#define IDC_VERB_PRESENT 1106
#define IDC_VERB_PAST 1113
#define IDC_VERB_FUTURE 1116
#define IDC_VERB_IMPERATIVE 1102
#define IDC_VERB_INFINITIVE 1109
#define IDC_VERB_PARTICIPLE 1099

// The anchors of the 31 slots: each cell's right edge stands at its
// anchor's left edge, its caption beside the anchor.
#define IDC_SLOT_INFINITIVE 1025
#define IDC_SLOT_PRESENT_MS 1034
#define IDC_SLOT_PRESENT_FS 1037
#define IDC_SLOT_PRESENT_MP 1039
#define IDC_SLOT_PRESENT_FP 1042
#define IDC_SLOT_PAST_1S 1045
#define IDC_SLOT_PAST_2MS 1047
#define IDC_SLOT_PAST_2FS 1049
#define IDC_SLOT_PAST_3MS 1052
#define IDC_SLOT_PAST_3FS 1054
#define IDC_SLOT_PAST_1P 1056
#define IDC_SLOT_PAST_2MP 1058
#define IDC_SLOT_PAST_2FP 1060
#define IDC_SLOT_PAST_3P 1063
#define IDC_SLOT_FUTURE_1S 1066
#define IDC_SLOT_FUTURE_2MS 1069
#define IDC_SLOT_FUTURE_2FS 1071
#define IDC_SLOT_FUTURE_3MS 1073
#define IDC_SLOT_FUTURE_3FS 1076
#define IDC_SLOT_FUTURE_1P 1078
#define IDC_SLOT_FUTURE_2MP 1080
#define IDC_SLOT_FUTURE_2FP3FP 1093
#define IDC_SLOT_FUTURE_3MP 1083
#define IDC_SLOT_IMPERATIVE_MS 1027
#define IDC_SLOT_IMPERATIVE_FS 1030
#define IDC_SLOT_IMPERATIVE_MP 1031
#define IDC_SLOT_IMPERATIVE_FP 1096
#define IDC_SLOT_PARTICIPLE_MS 1085
#define IDC_SLOT_PARTICIPLE_FS 1086
#define IDC_SLOT_PARTICIPLE_MP 1088
#define IDC_SLOT_PARTICIPLE_FP 1090

// Strings of the form-set combo and the past and future headings.
#define IDS_VERB_REGULAR_PATTERNS 887
#define IDS_VERB_VAV_INVERSIVE 888
#define IDS_VERB_FUTURE 890
#define IDS_VERB_PAST 891
#define IDS_VERB_FUTURE_TO_PAST 892
#define IDS_VERB_PAST_TO_FUTURE 893

// Commands of the pop-up menu of a form (the Grammar Table menu's are in
// MainFrameIds.h).
#define ID_VERB_PRONOMINAL_SUFFIXES 3001
#define ID_VERB_COPY_NO_METEG 3002
#define ID_VERB_INFINITIVE_NOUN 3003
