// Resource ids of the document editor's view.
#pragma once

#define IDR_EDIT_CONTEXT_MENU 140  // the view's context menu: its first sub-menu

#define ID_INSERT_PAGE_BREAK 32786
#define ID_INPUT_HEBREW 32787
#define ID_INPUT_ENGLISH 32788
#define ID_EDIT_SELECT_ALL_TEXT 32778
#define ID_REFRESH_TEXT 32802
#define ID_EDIT_REVERSE_TEXT 32887
#define ID_HEBREW_WORD_SEARCH_NO_VOWELS 32875
// Speak and transliterate the word, the sentence or the selection.
#define ID_SPEAK_WORD 32877
#define ID_SPEAK_SENTENCE 32878
#define ID_SPEAK_SELECTION 32879

// Commands of the editor's dialogs.
#define ID_PAGE_SETUP 32814
#define ID_FORMAT_FONT 57696
#define ID_FORMAT_TYPEFACE 32828
#define ID_FORMAT_FONT_SIZE 32826
#define ID_FORMAT_COLORS 32832
#define ID_FORMAT_SWITCH_FONT 32889
#define ID_FORMAT_WORD_SPACING 32830
#define ID_FORMAT_LINE_SPACING 32831
#define ID_FORMAT_COLUMNS 32825
